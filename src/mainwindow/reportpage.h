#pragma once

#include "mainwindow/reportfigures.h"

#include <QWidget>

#include <array>

class QLabel;

namespace kw {

class ClickLabel;
class Pictures;
class PictureButton;
class TrendChart;

// One topic's row of the topical results: its name, a bar and a mark for
// each attempt.
struct TopicRow {
    QLabel *name = nullptr;
    std::array<QWidget *, 2> back{};  // the box a full bar fills
    std::array<QLabel *, 2> bar{};
    std::array<QLabel *, 2> mark{};
};

// The report page of a subject: overall results, topical results and the
// trend chart, stacked like an accordion, each under a bar that opens it.
class ReportPage : public QWidget {
    Q_OBJECT

public:
    enum Section { Overall = 1, Topical = 2, Trend = 3 };
    static constexpr int kRows = 10;

    explicit ReportPage(const Pictures &pictures, QWidget *parent = nullptr);

    // Shows every figure and the chart's values; rows past the subject's
    // topics are hidden.
    void setFigures(const ReportFigures &figures, const QList<double> &trend);
    // Opens a section and stacks the bars around it; keeps the figures.
    void openSection(int section);
    int openedSection() const { return m_section; }

    QLabel *firstAverage() const { return m_firstAverage; }
    QLabel *secondAverage() const { return m_secondAverage; }
    QLabel *papersCompleted() const { return m_papersCompleted; }
    QLabel *weakestTopic() const { return m_weakest; }
    QLabel *strongestTopic() const { return m_strongest; }
    const TopicRow &row(int j) const { return m_rows.at(std::size_t(j - 1)); }
    TrendChart *chart() const { return m_chart; }
    QWidget *section(int section) const { return m_sections.at(std::size_t(section - 1)); }
    PictureButton *bar(int section) const { return m_bars.at(std::size_t(section - 1)); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *buildOverall();
    QWidget *buildTopical();
    QWidget *buildTrend();
    void arrangeSections();

    int m_section = Overall;
    std::array<PictureButton *, 3> m_bars{};
    std::array<ClickLabel *, 3> m_barCaptions{};
    std::array<QWidget *, 3> m_sections{};
    QLabel *m_firstAverage = nullptr;
    QLabel *m_secondAverage = nullptr;
    QLabel *m_papersCompleted = nullptr;
    QLabel *m_weakest = nullptr;
    QLabel *m_strongest = nullptr;
    std::array<TopicRow, kRows> m_rows{};
    TrendChart *m_chart = nullptr;
};

} // namespace kw
