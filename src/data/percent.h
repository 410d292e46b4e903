#pragma once

#include <QChar>
#include <QString>

namespace kw {

// numerator / denominator rounded to one decimal place, halves to the even
// digit, returned as a whole number of tenths. Exact: integer arithmetic only.
// Throws RuntimeError(InvalidArgument) when denominator is not positive.
qint64 roundedTenths(qint64 numerator, qint64 denominator);

// A number of tenths as the shortest decimal text: 62 -> "6.2", 1000 -> "100".
QString tenthsText(qint64 tenths, QChar decimalPoint = QLatin1Char('.'));

// score / total as a percentage with one decimal, as stored and shown:
// 1 of 16 -> "6.2", 7 of 8 -> "87.5", 20 of 20 -> "100".
QString percentText(int score, int total);

// Reads a stored one-decimal number ("66.7", "100", "0") as tenths, exactly.
// Returns false for text that is not such a number.
bool parseTenths(const QString &text, qint64 *tenths);

} // namespace kw
