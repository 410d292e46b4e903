#include "practice/slotpanel.h"

#include "practice/answerbox.h"

#include <QLabel>
#include <QPainter>

namespace kw {

namespace {

QRect twips(int left, int top, int width, int height)
{
    return {Px(left), Px(top), Px(width), Px(height)};
}

} // namespace

SlotPanel::SlotPanel(int number, QWidget *parent) : QWidget(parent), m_number(number)
{
    setObjectName(QStringLiteral("Frame%1").arg(number));

    m_part = new QLabel(QStringLiteral("(%1)").arg(QChar(u'a' + number - 1)), this);
    m_part->setObjectName(QStringLiteral("QL%1").arg(number));
    m_part->setGeometry(twips(30, 40, 285, 225));
    QFont small = m_part->font(); // "(m)" fits its design width
    small.setPixelSize(11);
    m_part->setFont(small);

    m_answer = new AnswerBox(QStringLiteral("FA%1").arg(number), this);
    m_part->setBuddy(m_answer);

    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("FR%1").arg(number));
    m_result->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    m_result->setAlignment(Qt::AlignCenter);
    m_result->hide();

    m_secondResult = new QLabel(this);
    m_secondResult->setObjectName(QStringLiteral("SR%1").arg(number));
    m_secondResult->setStyleSheet(m_result->styleSheet());
    m_secondResult->setAlignment(Qt::AlignCenter);
    m_secondResult->hide();

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("Hint%1").arg(number));
    m_hint->setWordWrap(true);
    m_hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_hint->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0); font-style: italic;"));
    m_hint->setFont(small);
    m_hint->hide();

    m_key = new QLineEdit(this);
    m_key->setObjectName(QStringLiteral("M%1").arg(number));
    m_key->setReadOnly(true);
    m_key->setStyleSheet(QStringLiteral("color: blue; background: white;"));
    m_key->setFocusPolicy(Qt::NoFocus);
    m_key->hide();

    m_unit = new QLabel(this);
    m_unit->setObjectName(QStringLiteral("UL%1").arg(number));
    m_unit->setAlignment(Qt::AlignCenter);
    m_unit->hide();

    setLongAnswer(false);
}

void SlotPanel::setLongAnswer(bool longAnswer)
{
    m_long = longAnswer;
    layOut();
}

// Filling the sheet sets every panel's unit and hint on each move; a panel
// whose unit and hint stay as they were keeps its layout.
void SlotPanel::setUnit(const QString &symbol, bool before)
{
    if (symbol == m_unit->text() && before == m_unitBefore)
        return;
    m_unit->setText(symbol);
    m_unitBefore = before;
    layOut();
}

void SlotPanel::setHint(const QString &hint)
{
    if (hint == m_hint->text())
        return;
    m_hint->setText(hint);
    m_hint->setVisible(!hint.isEmpty());
    layOut();
}

void SlotPanel::layOut()
{
    m_unit->setVisible(!m_long && !m_unit->text().isEmpty());
    m_answer->setWrapping(m_long);
    const bool hint = !m_hint->text().isEmpty();
    if (m_long) {
        // The hint takes the room the model answer has once the paper is marked.
        m_heightTwips = kLongHeightTwips;
        resize(Px(kWidthTwips), Px(kLongHeightTwips));
        m_answer->setGeometry(twips(360, 40, kWidthTwips - 1000, 1000));
        m_answer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_result->setGeometry(twips(360 + kWidthTwips - 1000 + 100, 0, 300, 300));
        m_key->setGeometry(twips(360, 40 + 1000 + 100, kWidthTwips - 500, 1000));
        m_hint->setGeometry(twips(360, 40 + 1000 + 100, kWidthTwips - 500, 900));
    } else {
        // A unit takes the room its text needs beside the box; the box keeps
        // its width and the result mark moves along.
        const int unitWidth = m_unit->isVisibleTo(this)
                                  ? (m_unit->fontMetrics().horizontalAdvance(m_unit->text()) + 4) * 15 + 60
                                  : 0;
        const int boxLeft = m_unitBefore ? 360 + unitWidth : 360;
        const int after = m_unitBefore ? 0 : unitWidth;
        m_answer->setGeometry(twips(boxLeft, 40, 1575, 255));
        m_answer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_unit->setGeometry(twips(m_unitBefore ? 360 : boxLeft + 1575 + 30, 40, unitWidth - 30, 255));
        const int resultLeft = 2040 + (boxLeft - 360) + after;
        m_result->setGeometry(twips(resultLeft, 0, 300, 300));
        const int keyLeft = resultLeft + 360;
        m_key->setGeometry(twips(keyLeft, 60, std::min(1455, kWidthTwips - 60 - keyLeft), 255));
        // The hint runs under the box to the panel's right edge, as many
        // lines as it needs.
        constexpr int hintTop = 40 + 255 + 45;
        const int hintWidth = kWidthTwips - 360 - 60;
        const int hintTwips = hint ? m_hint->heightForWidth(Px(hintWidth)) * 15 : 0;
        m_hint->setGeometry(twips(360, hintTop, hintWidth, hintTwips));
        m_heightTwips = kHeightTwips + (hint ? hintTwips + 45 : 0);
        resize(Px(kWidthTwips), Px(m_heightTwips));
    }
    m_secondResult->setGeometry(m_result->geometry());
    update();
}

void SlotPanel::paintEvent(QPaintEvent *)
{
    // A light blue line around the answer box, 2 pixels out at the top and
    // left and 1 at the bottom and right.
    const QRect box = m_answer->geometry();
    const int left = box.left() - Px(30);
    const int top = box.top() - Px(30);
    const int right = box.right() + 1 + Px(15);
    const int bottom = box.bottom() + 1 + Px(15);
    QPainter painter(this);
    painter.setPen(QColor(178, 217, 246));
    painter.drawLine(left, top, right, top);
    painter.drawLine(left, top, left, bottom);
    painter.drawLine(left, bottom, right + 1, bottom);
    painter.drawLine(right, top, right, bottom + 1);
}

} // namespace kw
