#include "checking/slotjudging.h"

#include "checking/answercheck.h"
#include "data/runtimeerror.h"

namespace kw {

bool IsGroupType(const QString &type)
{
    return type == QLatin1String("G") || type == QLatin1String("M");
}

QString JudgeSlot(const QStringList &answers, const QStringList &keys, const QStringList &types,
                  int slot, const QLocale &locale)
{
    if (slot < 1 || slot > keys.size() || slot > types.size() || slot > answers.size())
        throw RuntimeError(ErrorKind::SubscriptOutOfRange, QStringLiteral("no slot %1").arg(slot));
    const QString &type = types.at(slot - 1);
    if (IsGroupType(type))
        return CheckGroupAnswer(answers, keys, types, slot);
    return CheckAnswer(answers.at(slot - 1), keys.at(slot - 1), type, locale);
}

} // namespace kw
