#pragma once

// Judging one answer slot against its key by the slot's type.
// Slot numbers are 1-based, as on the answer sheet; list entry 0 is slot 1.

#include "data/slottype.h"
#include "data/verdict.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace kw {

// Every type but the group types, which give Verdict::Unmarked here. Numbers
// typed by the pupil are read in `locale` (keys are course data and always
// use '.').
Verdict checkAnswer(const QString &entered, const QString &key, SlotType type,
                    const QLocale &locale = QLocale::system());

// Types M and G: an alternatives key, or a follower (key " ") of a group whose
// slots may be answered in any order, each alternative counting once.
Verdict checkGroupAnswer(const QStringList &answers, const QStringList &keys, int slot);

// The alternative shown as the model answer beside a wrong slot of a group.
QString groupModelAnswer(const QStringList &answers, const QStringList &keys, int slot);

// Text with spaces removed at both ends, in lower case.
QString normaliseAnswer(const QString &text);

// The entries of an alternatives key ";a;b;c". The first character counts as
// the first ';' whatever it is. Throws SubscriptOutOfRange without any ';'.
QStringList alternativesOf(const QString &key);

} // namespace kw
