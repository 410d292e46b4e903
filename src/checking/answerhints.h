#pragma once

// Why an answer was marked wrong, when the rules can tell, in words that
// never give the key away: shown on a second attempt beside each slot the
// first attempt got wrong.

#include "data/slottype.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace kw {

// The hint for slot (1-based) of a paper, judged on its answer in `answers`;
// "" when the rules cannot tell what went wrong. `unit` is the unit the
// slot declares, if any.
QString answerHint(const QStringList &answers, const QStringList &keys, const QList<SlotType> &types, int slot,
                   const QLocale &locale = QLocale::system(), const QString &unit = QString());

// The answer shown beside slot (1-based) once it is judged wrong: for a group
// slot, an alternative of the group that its answers have not used; for an
// alternatives slot, the first alternative (the key's text after its leading
// mark, up to the next ';'); for every other slot, the key as stored.
QString modelAnswer(const QStringList &answers, const QStringList &keys, const QList<SlotType> &types, int slot);

} // namespace kw
