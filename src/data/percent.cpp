#include "data/percent.h"

#include "data/runtimeerror.h"

#include <QRegularExpression>

namespace kw {

qint64 roundedTenths(qint64 numerator, qint64 denominator)
{
    if (denominator <= 0)
        throw RuntimeError(ErrorKind::InvalidArgument, QStringLiteral("division by %1").arg(denominator));
    const bool negative = numerator < 0;
    const qint64 scaled = (negative ? -numerator : numerator) * 10;
    qint64 quotient = scaled / denominator;
    const qint64 twiceRemainder = 2 * (scaled % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0))
        ++quotient;
    return negative ? -quotient : quotient;
}

QString tenthsText(qint64 tenths, QChar decimalPoint)
{
    const bool negative = tenths < 0;
    const qint64 magnitude = negative ? -tenths : tenths;
    QString text = QString::number(magnitude / 10);
    if (magnitude % 10 != 0)
        text += decimalPoint + QString::number(magnitude % 10);
    return negative ? QLatin1Char('-') + text : text;
}

QString percentText(int score, int total)
{
    return tenthsText(roundedTenths(qint64(score) * 100, total));
}

bool parseTenths(const QString &text, qint64 *tenths)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(-?)(\\d{1,15})(?:[.,](\\d))?\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    qint64 value = match.captured(2).toLongLong() * 10;
    if (match.hasCaptured(3))
        value += match.captured(3).toLongLong();
    *tenths = match.captured(1).isEmpty() ? value : -value;
    return true;
}

} // namespace kw
