#include "practice/answerbox.h"

#include "chrome/textwrap.h"
#include "data/storabletext.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTextLine>
#include <QToolTip>

namespace kw {

namespace {

constexpr int kWrapMargin = 2; // between the box's edge and its wrapped text

} // namespace

QValidator::State AnswerValidator::validate(QString &input, int &) const
{
    if (isStorableText(input))
        return Acceptable;
    // validate() is const by the validator's contract; telling about a
    // refusal changes nothing the validation depends on.
    emit const_cast<AnswerValidator *>(this)->refused();
    return Invalid;
}

AnswerBox::AnswerBox(const QString &objectName, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(objectName);
    setFrame(false); // the panel draws the box's border
    setToolTip(QStringLiteral("Enter your answer"));
    auto *validator = new AnswerValidator(this);
    setValidator(validator);
    setFont(QFont(QStringLiteral("Arial")));
    setBackground(Qt::white);
    connect(validator, &AnswerValidator::refused, this, &AnswerBox::showRefusal);
    // setText() does not ask the validator, and assistive technology sets the
    // text that way.
    connect(this, &QLineEdit::textChanged, this, &AnswerBox::keepStorable);
    // The wrapped view draws the cursor and selection itself.
    connect(this, &QLineEdit::cursorPositionChanged, this, [this]() {
        if (m_wrapping)
            update();
    });
    connect(this, &QLineEdit::selectionChanged, this, [this]() {
        if (m_wrapping)
            update();
    });
}

QString AnswerBox::refusalMessage()
{
    return QStringLiteral("An answer cannot hold that: it goes on one line, without tabs, other control "
                          "characters, > or #. Type the answer instead.");
}

void AnswerBox::setWrapping(bool wrapping)
{
    if (m_wrapping == wrapping)
        return;
    m_wrapping = wrapping;
    m_laidOutWidth = -1;
    m_scroll = 0;
    update();
}

void AnswerBox::setBackground(const QColor &colour)
{
    m_background = colour;
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colour);
    setPalette(colours);
    update();
}

void AnswerBox::keepStorable(const QString &text)
{
    if (isStorableText(text)) {
        m_storable = text;
        if (m_wrapping)
            update();
        return;
    }
    setText(m_storable);
    showRefusal();
}

void AnswerBox::showRefusal()
{
    QToolTip::showText(mapToGlobal(QPoint(0, height())), refusalMessage(), this);
    emit refused();
}

void AnswerBox::layOutWrapped()
{
    const int width = std::max(1, this->width() - 2 * kWrapMargin);
    if (m_laidOut == text() && m_laidOutWidth == width)
        return;
    m_laidOut = text();
    m_laidOutWidth = width;
    wrapText(m_layout, m_laidOut, font(), width);
}

QList<QRectF> AnswerBox::wrappedLines()
{
    QList<QRectF> lines;
    if (!m_wrapping)
        return lines;
    layOutWrapped();
    for (int i = 0; i < m_layout.lineCount(); ++i)
        lines.append(m_layout.lineAt(i).naturalTextRect().translated(kWrapMargin, kWrapMargin - m_scroll));
    return lines;
}

void AnswerBox::paintEvent(QPaintEvent *event)
{
    if (!m_wrapping) {
        QLineEdit::paintEvent(event);
        return;
    }
    layOutWrapped();
    QPainter painter(this);
    painter.fillRect(rect(), m_background);

    // Keep the line holding the cursor in view.
    const int cursor = cursorPosition();
    const QTextLine cursorLine = m_layout.lineForTextPosition(std::min<int>(cursor, int(m_laidOut.size())));
    const qreal room = height() - 2 * kWrapMargin;
    if (cursorLine.isValid()) {
        if (cursorLine.y() < m_scroll)
            m_scroll = cursorLine.y();
        else if (cursorLine.y() + cursorLine.height() > m_scroll + room)
            m_scroll = cursorLine.y() + cursorLine.height() - room;
    }

    QList<QTextLayout::FormatRange> selections;
    if (hasSelectedText()) {
        QTextLayout::FormatRange selected;
        selected.start = selectionStart();
        selected.length = selectionLength();
        selected.format.setBackground(palette().brush(QPalette::Highlight));
        selected.format.setForeground(palette().brush(QPalette::HighlightedText));
        selections.append(selected);
    }
    painter.setPen(palette().color(QPalette::Text));
    painter.setClipRect(rect().adjusted(kWrapMargin, kWrapMargin, -kWrapMargin, -kWrapMargin));
    const QPointF origin(kWrapMargin, kWrapMargin - m_scroll);
    m_layout.draw(&painter, origin, selections);
    if (hasFocus() && !isReadOnly())
        m_layout.drawCursor(&painter, origin, cursor, 1);
}

int AnswerBox::positionAt(const QPointF &point)
{
    layOutWrapped();
    const QPointF at = point - QPointF(kWrapMargin, kWrapMargin - m_scroll);
    for (int i = 0; i < m_layout.lineCount(); ++i) {
        const QTextLine line = m_layout.lineAt(i);
        if (at.y() < line.y() + line.height() || i == m_layout.lineCount() - 1)
            return line.xToCursor(at.x());
    }
    return int(text().size());
}

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    // Up and down move between the wrapped lines, as in any text area.
    if (m_wrapping && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        layOutWrapped();
        const QTextLine line = m_layout.lineForTextPosition(cursorPosition());
        const int next = line.isValid() ? line.lineNumber() + (event->key() == Qt::Key_Up ? -1 : 1) : -1;
        if (next >= 0 && next < m_layout.lineCount()) {
            const qreal x = line.cursorToX(cursorPosition());
            const bool mark = event->modifiers() & Qt::ShiftModifier;
            cursorForward(mark, m_layout.lineAt(next).xToCursor(x) - cursorPosition());
        }
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void AnswerBox::mousePressEvent(QMouseEvent *event)
{
    if (!m_wrapping || event->button() != Qt::LeftButton) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const int position = positionAt(event->position());
    if (event->modifiers() & Qt::ShiftModifier)
        cursorForward(true, position - cursorPosition());
    else
        setCursorPosition(position);
    event->accept();
}

void AnswerBox::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_wrapping || !(event->buttons() & Qt::LeftButton)) {
        QLineEdit::mouseMoveEvent(event);
        return;
    }
    cursorForward(true, positionAt(event->position()) - cursorPosition());
    event->accept();
}

void AnswerBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!m_wrapping) {
        QLineEdit::mouseDoubleClickEvent(event);
        return;
    }
    setCursorPosition(positionAt(event->position()));
    cursorWordBackward(false);
    cursorWordForward(true);
    event->accept();
}

void AnswerBox::resizeEvent(QResizeEvent *event)
{
    m_laidOutWidth = -1;
    QLineEdit::resizeEvent(event);
}

} // namespace kw
