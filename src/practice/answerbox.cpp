#include "practice/answerbox.h"

#include "data/storabletext.h"

#include <QToolTip>

namespace kw {

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
    connect(validator, &AnswerValidator::refused, this, &AnswerBox::showRefusal);
    // setText() does not ask the validator, and assistive technology sets the
    // text that way.
    connect(this, &QLineEdit::textChanged, this, &AnswerBox::keepStorable);
}

QString AnswerBox::refusalMessage()
{
    return QStringLiteral("An answer cannot hold that: it goes on one line, without tabs, other control "
                          "characters, > or #. Type the answer instead.");
}

void AnswerBox::keepStorable(const QString &text)
{
    if (isStorableText(text)) {
        m_storable = text;
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

} // namespace kw
