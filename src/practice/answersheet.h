#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QScrollArea;

namespace kw {

class AnswerBox;
class PaperSession;
class Pictures;
class SlotPanel;

// The answer sheet beside the question page: a heading, one panel
// per answer slot of the question on show, and the instruction picture for
// questions answered with fractions or mixed numbers.
class AnswerSheet : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPanels = 20;
    static constexpr int kWidthTwips = 4095;
    static constexpr int kHeightTwips = 7335;

    AnswerSheet(const Pictures &pictures, QWidget *parent = nullptr);

    // Shows question `question` (1-based) of the session's paper.
    void fill(const PaperSession &session, int question);
    // Copies the answer boxes of question `question` back into the session.
    void collect(PaperSession &session, int question) const;
    // The marked display: boxes read-only, result marks shown (by the next fill).
    void setMarked(bool marked);
    void focusFirstAnswer();

    SlotPanel *panel(int k) const { return m_panels[std::size_t(k - 1)]; }
    AnswerBox *answerBox(int k) const;
    QLabel *title() const { return m_title; }
    QLabel *instruction() const { return m_instruction; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeParts();

    QWidget *m_titleBand = nullptr;
    QLabel *m_title = nullptr;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_slots = nullptr;
    std::array<SlotPanel *, kPanels> m_panels{};
    QLabel *m_instruction = nullptr; // how to type fractions, for the questions that want them
    bool m_marked = false;
};

} // namespace kw
