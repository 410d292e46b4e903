#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace kw {

// Judges slot (1-based) of a paper as marking does: types G and M through
// CheckGroupAnswer, every other type through CheckAnswer.
QString JudgeSlot(const QStringList &answers, const QStringList &keys, const QStringList &types,
                  int slot, const QLocale &locale = QLocale::system());

// True for the types whose key is a list of alternatives or a group.
bool IsGroupType(const QString &type);

} // namespace kw
