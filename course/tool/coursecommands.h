#pragma once

#include "compiler/coursecheck.h"

#include <QTextStream>

namespace kw {

// `kwcourse list`: the catalogue, subject by subject.
int RunList(QTextStream &out, QTextStream &err);

// `kwcourse paper SUBJECT PAPER`: question ids, one line per slot, total marks.
int RunPaper(const QString &subject, const QString &paper, QTextStream &out, QTextStream &err);

// `kwcourse validate`: one line per problem of the course `lookup` finds.
int RunValidate(const ResourceLookup &lookup, QTextStream &out, QTextStream &err);

// `kwcourse page ID FILE`: writes one question page out.
int RunPage(const QString &id, const QString &file, QTextStream &err);

} // namespace kw
