#include "checking/marking.h"

#include "checking/slotjudging.h"
#include "data/catalogue.h"
#include "data/percent.h"
#include "data/runtimeerror.h"

namespace kw {

PaperMarking MarkPaper(const QStringList &answers, const QStringList &keys, const QStringList &types,
                       const QStringList &marks, int totalMarks, const QLocale &locale)
{
    if (answers.size() < keys.size() || types.size() < keys.size() || marks.size() < keys.size())
        throw RuntimeError(ErrorKind::SubscriptOutOfRange,
                           QStringLiteral("%1 slots, but %2 answers, %3 types and %4 marks")
                               .arg(keys.size())
                               .arg(answers.size())
                               .arg(types.size())
                               .arg(marks.size()));
    PaperMarking marking;
    for (int slot = 1; slot <= keys.size(); ++slot) {
        const QString result = JudgeSlot(answers, keys, types, slot, locale);
        marking.results.append(result);
        if (result == QLatin1String("Y"))
            marking.score += ToCount16(marks.at(slot - 1));
    }
    marking.percent = PercentText(marking.score, totalMarks);
    return marking;
}

QString TimeTakenText(qint64 seconds)
{
    if (seconds < 0)
        seconds = 0;
    return QStringLiteral("%1:%2:%3").arg(seconds / 3600).arg(seconds / 60 % 60).arg(seconds % 60);
}

} // namespace kw
