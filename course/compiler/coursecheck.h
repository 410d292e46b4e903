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

} // namespace kw
