#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace kw {

class AnswerBox;

// Sheet distances are designed in twips; 15 twips make a pixel at 100 % scaling.
constexpr int Px(int twips)
{
    return (twips >= 0 ? twips + 7 : twips - 7) / 15;
}

// One answer slot of the sheet: its part label, answer box, result marks of
// the first and second attempt, the hint under the box and the key box that
// shows a model answer.
class SlotPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidthTwips = 3975;
    static constexpr int kHeightTwips = 375;
    static constexpr int kLongHeightTwips = 2100;

    SlotPanel(int number, QWidget *parent = nullptr);

    int number() const { return m_number; }
    QLabel *partLabel() const { return m_part; }
    AnswerBox *answerBox() const { return m_answer; }
    QLabel *resultLabel() const { return m_result; }
    QLabel *secondResultLabel() const { return m_secondResult; }
    QLineEdit *keyBox() const { return m_key; } // shown only beside a wrong answer of a marked second attempt
    QLabel *unitLabel() const { return m_unit; }
    QLabel *hintLabel() const { return m_hint; }

    // The long-answer layout (a tall box across the panel) or the one-line one.
    void setLongAnswer(bool longAnswer);
    // The unit shown beside a one-line box, before it ("£") or after it
    // ("cm²"); an empty symbol shows none.
    void setUnit(const QString &symbol, bool before);
    // The hint under the box; an empty hint shows none. A one-line panel
    // grows to make room for it.
    void setHint(const QString &hint);
    // The panel's height as the sheet stacks it, hint included.
    int heightTwips() const { return m_heightTwips; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void layOut();

    int m_number;
    bool m_long = false;
    bool m_unitBefore = false;
    QLabel *m_part = nullptr;
    AnswerBox *m_answer = nullptr;
    int m_heightTwips = kHeightTwips;
    QLabel *m_result = nullptr;
    QLabel *m_secondResult = nullptr;
    QLineEdit *m_key = nullptr;
    QLabel *m_unit = nullptr;
    QLabel *m_hint = nullptr;
};

} // namespace kw
