#pragma once

#include "data/papercontent.h"
#include "data/verdict.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace kw {

struct PaperMarking {
    QList<Verdict> results; // per slot
    int score = 0;          // marks of the slots judged right
    QString percent;        // score of the paper's total marks, one decimal, halves to even
};

// Judges every slot of a paper as marking does and adds up its score.
// Throws RuntimeError for a malformed key, or fewer answers than slots.
PaperMarking markPaper(const QStringList &answers, const PaperContent &content,
                       const QLocale &locale = QLocale::system());

// Elapsed time as hours:minutes:seconds without leading zeros ("0:5:7").
// Whole hours keep counting past a day ("25:0:3").
QString timeTakenText(qint64 seconds);

} // namespace kw
