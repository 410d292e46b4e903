#pragma once

#include "compiler/coursecheck.h"

#include <QTextStream>

namespace kw {

// `kwcourse list`: the catalogue, subject by subject.
int runList(QTextStream &out, QTextStream &err);

// `kwcourse paper SUBJECT PAPER`: question ids, one line per slot (slot,
// question, key, type, marks and, for a slot with one, its unit), total marks.
int runPaper(const QString &subject, const QString &paper, QTextStream &out, QTextStream &err);

// `kwcourse validate`: one line per problem of the course `lookup` finds.
int runValidate(const ResourceLookup &lookup, QTextStream &out, QTextStream &err);

// `kwcourse page ID FILE`: writes one question page out.
int runPage(const QString &id, const QString &file, QTextStream &err);

} // namespace kw
