#pragma once

#include "data/catalogue.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace kw {

class Pictures;
class PictureButton;

// The home page of a subject tab: the topic list on the left, the chosen
// topic's five papers with their scores and buttons on the right.
class HomePage : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTopics = 10;

    HomePage(const Pictures &pictures, QWidget *parent = nullptr);

    QPushButton *topic(int k) const { return m_topics.at(std::size_t(k - 1)); }
    QLabel *bullet(int k) const { return m_bullets.at(std::size_t(k - 1)); }
    QLabel *heading() const { return m_subH1; }
    QLabel *firstScore(int j) const { return m_firstScores.at(std::size_t(j - 1)); }
    QLabel *secondScore(int j) const { return m_secondScores.at(std::size_t(j - 1)); }
    PictureButton *loadButton(int j) const { return m_load.at(std::size_t(j - 1)); }
    PictureButton *tryAgainButton(int j) const { return m_tryAgain.at(std::size_t(j - 1)); }

    // Shows the subject's topics, one button each; a name too long for its
    // button is shortened, with the whole name in its tool tip.
    void setTopics(const QStringList &names);
    // The chosen topic's name above its papers.
    void setHeading(const QString &topicName);
    // Scores end 20 pixels left of the "%" column; try again is offered for
    // a first score that is not above 99.
    void arrangePaperScores();
    // Highlights the chosen topic button.
    void highlightTopic(int chosen);

signals:
    void topicClicked(int topic);
    void paperClicked(int offset, int attempt);

private:
    std::array<QPushButton *, kTopics> m_topics{};
    std::array<QLabel *, kTopics> m_bullets{};
    std::array<QLabel *, kPapersPerTopic> m_firstScores{};
    std::array<QLabel *, kPapersPerTopic> m_secondScores{};
    std::array<PictureButton *, kPapersPerTopic> m_load{};
    std::array<PictureButton *, kPapersPerTopic> m_tryAgain{};
    QLabel *m_subH1 = nullptr;
    QWidget *m_percentColumn = nullptr;
};

} // namespace kw
