#include "practice/answerbox.h"

#include "data/storabletext.h"

namespace kw {

QValidator::State AnswerValidator::validate(QString &input, int &) const
{
    return isStorableText(input) ? Acceptable : Invalid;
}

AnswerBox::AnswerBox(const QString &objectName, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(objectName);
    setFrame(false); // the panel draws the box's border
    setToolTip(QStringLiteral("Enter your answer"));
    setValidator(new AnswerValidator(this));
    setFont(QFont(QStringLiteral("Arial")));
}

} // namespace kw
