#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace kw {

struct PaperMarking {
    QStringList results; // "Y", "N" or "" per slot
    int score = 0;       // marks of the slots judged "Y"
    QString percent;     // score of totalMarks, one decimal, halves to even
};

// Judges every slot of a paper as marking does and adds up its score.
// Throws RuntimeError for a malformed key or a mark that is not a number.
PaperMarking MarkPaper(const QStringList &answers, const QStringList &keys, const QStringList &types,
                       const QStringList &marks, int totalMarks, const QLocale &locale = QLocale::system());

// Elapsed time as hours:minutes:seconds without leading zeros ("0:5:7").
// Whole hours keep counting past a day ("25:0:3").
QString TimeTakenText(qint64 seconds);

} // namespace kw
