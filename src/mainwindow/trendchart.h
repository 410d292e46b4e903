#pragma once

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QWidget>

namespace kw {

// What the trend chart draws in a plot of the given size, in the plot's own
// units: 0 % on the bottom edge, 100 % on the top edge, the points at 1/21 ..
// 20/21 of the width whatever their number.
struct TrendDrawing {
    QList<QLineF> grid;      // light grey, at 10 % .. 90 %
    QList<QLineF> dropLines; // black, from each point down to the bottom edge
    QList<QPointF> points;   // blue dots
    QList<QLineF> joins;     // blue, from the previous point (the first from the bottom-left corner)
};

TrendDrawing trendDrawing(const QSizeF &size, const QList<double> &percentages);

// The trend of first-attempt scores, oldest left, newest right. It paints
// from its values on every paint event, in device-independent pixels, so it
// is sharp at any scaling and redraws itself whenever it is uncovered.
class TrendChart : public QWidget {
    Q_OBJECT

public:
    static constexpr double kDotRadius = 3.0;
    static const QColor kGridColour;
    static const QColor kDropColour;
    static const QColor kLineColour;

    explicit TrendChart(QWidget *parent = nullptr);

    // At most kTrendPoints percentages, oldest first.
    void setValues(const QList<double> &percentages);
    const QList<double> &values() const { return m_values; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<double> m_values;
};

} // namespace kw
