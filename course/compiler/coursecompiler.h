#pragma once

#include "compiler/coursesource.h"

#include <QByteArray>
#include <QMap>
#include <QStringList>

namespace kw {

// Resource id -> bytes, as the player finds them under ":/Custom/<id>".
using CompiledCourse = QMap<int, QByteArray>;

// Turns the sources into the catalogue, content tables, progress templates and
// question pages. Problems (unreadable pictures, keys that cannot be stored)
// are appended to problems.
CompiledCourse compileCourse(const CourseSource &course, QStringList *problems);

// Writes every resource into folder as a file named by its id, plus a
// resource collection file listing them under the "Custom" prefix. Files whose
// bytes did not change are left alone, so the build redoes only what changed.
// Returns false (with problems) when a file cannot be written.
bool writeCompiledCourse(const CompiledCourse &course, const QString &folder, const QString &qrcPath,
                         QStringList *problems);

// The per-paper template of one subject: "...", one record per paper with one
// empty field per slot, "..." (exposed for the checks, which compare against it).
QByteArray paperTemplate(const QList<int> &slotsPerPaper);
QByteArray summaryTemplate(int paperCount);
inline const QByteArray kTrendTemplate = "#TRD#\r\n";

} // namespace kw
