#include "practice/answerbox.h"

namespace kw {

QValidator::State AnswerValidator::validate(QString &input, int &) const
{
    for (const QChar c : input) {
        if (c == QLatin1Char('>') || c == QLatin1Char('#') || c == QLatin1Char('\r') || c == QLatin1Char('\n')
            || c == QLatin1Char('\t'))
            return Invalid;
    }
    return Acceptable;
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
