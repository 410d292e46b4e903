#pragma once

#include "data/slottype.h"
#include "data/verdict.h"

#include <QList>
#include <QLocale>
#include <QStringList>

namespace kw {

// Judges slot (1-based) of a paper as marking does: the group types through
// checkGroupAnswer, every other type through checkAnswer. `units` holds each
// slot's unit symbol (empty for none); slots past its end have none.
Verdict judgeSlot(const QStringList &answers, const QStringList &keys, const QList<SlotType> &types,
                  int slot, const QLocale &locale = QLocale::system(), const QStringList &units = {});

// True for the types whose key is a list of alternatives or a group.
bool isGroupType(SlotType type);

} // namespace kw
