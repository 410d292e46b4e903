#pragma once

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <optional>

namespace kw {

// Finds the bytes of resource id, or nothing when the course lacks it.
using ResourceLookup = std::function<std::optional<QByteArray>(int id)>;

// The course embedded in this executable.
ResourceLookup embeddedCourse();

// Checks a compiled course the way the player will read it and returns one
// line per problem (empty when the course is sound).
QStringList checkCourse(const ResourceLookup &lookup);

// The problem with a key of the given type letter standing alone, or "".
// Group membership (single-space keys) is checked with the paper.
QString keyFormProblem(const QString &type, const QString &key);

// True when a multiple-choice instruction tells the pupil to write the
// option's number ("Write the number of the correct answer.").
bool asksForOptionNumber(const QString &instruction);

// Symbols of the units a question's words ask the answer in ("Give your
// answer in cm²", "How many degrees ...", "What percentage ..."), in the
// order of the unit table; a longer name hides a shorter one inside it.
QStringList unitsNamedIn(const QString &text);

// A word with British and American spellings made alike (ou/o, re/er,
// ise/ize, yse/yze, ogue/og, doubled l), in lower case.
QString spellingVariantForm(const QString &word);

// The first two alternatives that differ only by such spellings, quoted
// ("\"mould\" and \"mold\""), or "" when there are none.
QString sameWordTwice(const QStringList &alternatives);

} // namespace kw
