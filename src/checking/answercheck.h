#pragma once

// Judging one answer slot against its key by the slot's type.
// Slot numbers are 1-based, as on the answer sheet; list entry 0 is slot 1.

#include "data/slottype.h"
#include "data/verdict.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace kw {

// A unit a number answer is given in. The course declares a slot's unit by
// its symbol; the answer sheet shows the symbol beside the box, before it or
// after it; a pupil may type the number with any of the spellings, on either
// side, in any letter case.
struct Unit {
    QString symbol;        // "cm²", "£", "litres"
    QString name;          // what a screen reader says: "square centimetres"
    bool before = false;   // written before the number, as "£7.19"
    QStringList spellings; // the symbol first
};

// Every unit the course may declare.
const QList<Unit> &unitSpellings();

// The unit with this symbol (exactly as declared), or nullptr.
const Unit *unitOf(const QString &symbol);

// Every type but the group types, which give Verdict::Unmarked here. Numbers
// typed by the pupil are read in `locale` (keys are course data and always
// use '.'), with digit groups of three set apart by spaces or not; a number
// slot with a unit also takes the number written with that unit.
Verdict checkAnswer(const QString &entered, const QString &key, SlotType type,
                    const QLocale &locale = QLocale::system(), const QString &unit = QString());

// The pupil's text as a number, read as a number answer is: in `locale` or
// with a decimal point, digit groups of three optionally set apart by a
// space or a no-break space ("36 000", "1 250 000.5"). Nothing when it is no
// number ("1 2", "12 cm").
std::optional<double> readNumberAnswer(const QString &text, const QLocale &locale);

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
