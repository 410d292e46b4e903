#include "checking/slotjudging.h"

#include "checking/answercheck.h"
#include "data/runtimeerror.h"

namespace kw {

bool isGroupType(SlotType type)
{
    return type == SlotType::Group || type == SlotType::Alternatives;
}

Verdict judgeSlot(const QStringList &answers, const QStringList &keys, const QList<SlotType> &types,
                  int slot, const QLocale &locale, const QStringList &units)
{
    if (slot < 1 || slot > keys.size() || slot > types.size() || slot > answers.size())
        throw RuntimeError(ErrorKind::SubscriptOutOfRange, QStringLiteral("no slot %1").arg(slot));
    const SlotType type = types.at(slot - 1);
    if (isGroupType(type))
        return checkGroupAnswer(answers, keys, slot);
    return checkAnswer(answers.at(slot - 1), keys.at(slot - 1), type, locale, units.value(slot - 1));
}

} // namespace kw
