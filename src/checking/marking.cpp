#include "checking/marking.h"

#include "checking/slotjudging.h"
#include "data/percent.h"
#include "data/runtimeerror.h"

namespace kw {

PaperMarking markPaper(const QStringList &answers, const PaperContent &content, const QLocale &locale)
{
    const qsizetype slotTotal = content.keys.size();
    if (answers.size() < slotTotal || content.types.size() < slotTotal || content.marks.size() < slotTotal)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange,
                           QStringLiteral("%1 slots, but %2 answers, %3 types and %4 marks")
                               .arg(slotTotal)
                               .arg(answers.size())
                               .arg(content.types.size())
                               .arg(content.marks.size()));
    PaperMarking marking;
    marking.results.reserve(slotTotal);
    for (int slot = 1; slot <= slotTotal; ++slot) {
        const Verdict result = judgeSlot(answers, content.keys, content.types, slot, locale, content.units);
        marking.results.append(result);
        if (result == Verdict::Right)
            marking.score += content.marks.at(slot - 1);
    }
    marking.percent = percentText(marking.score, content.totalMarks);
    return marking;
}

QString timeTakenText(qint64 seconds)
{
    if (seconds < 0)
        seconds = 0;
    return QStringLiteral("%1:%2:%3").arg(seconds / 3600).arg(seconds / 60 % 60).arg(seconds % 60);
}

} // namespace kw
