#pragma once

// Judging one answer slot against its key by the slot's type letter.
// Results are "Y" (right), "N" (wrong), or "" for a type no rule handles.
// Slot numbers are 1-based, as on the answer sheet; list entry 0 is slot 1.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace kw {

// Types N, Q, T, L, R, F, X. Numbers typed by the pupil are read in `locale`
// (keys are course data and always use '.').
QString CheckAnswer(const QString &entered, const QString &key, const QString &type,
                    const QLocale &locale = QLocale::system());

// Types M and G: an alternatives key, or a follower (key " ") of a group whose
// slots may be answered in any order, each alternative counting once.
QString CheckGroupAnswer(const QStringList &answers, const QStringList &keys,
                         const QStringList &types, int slot);

// The alternative shown as the model answer beside a wrong slot of a group.
QString GroupModelAnswer(const QStringList &answers, const QStringList &keys,
                         const QStringList &types, int slot);

// Text with spaces removed at both ends, in lower case.
QString NormaliseAnswer(const QString &text);

// The entries of an alternatives key ";a;b;c". The first character counts as
// the first ';' whatever it is. Throws SubscriptOutOfRange without any ';'.
QStringList AlternativesOf(const QString &key);

} // namespace kw
