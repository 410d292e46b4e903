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

// One answer slot of the sheet: its part label, answer box, result
// mark and the hidden key box.
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
    QLineEdit *keyBox() const { return m_key; } // never shown
    QLabel *unitLabel() const { return m_unit; }

    // The long-answer layout (a tall box across the panel) or the one-line one.
    void setLongAnswer(bool longAnswer);
    // The unit shown beside a one-line box, before it ("£") or after it
    // ("cm²"); an empty symbol shows none.
    void setUnit(const QString &symbol, bool before);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void layOut();

    int m_number;
    bool m_long = false;
    bool m_unitBefore = false;
    QLabel *m_part = nullptr;
    AnswerBox *m_answer = nullptr;
    QLabel *m_result = nullptr;
    QLineEdit *m_key = nullptr;
    QLabel *m_unit = nullptr;
};

} // namespace kw
