#pragma once

// The printed results sheet as lines of text: a title, then for every topic
// a heading, a column head and one line per paper. Items stand in print
// zones of kPrintZoneWidth columns, so in a fixed-pitch font the scores, time
// and date of every paper line up under their heads.

#include "data/catalogue.h"
#include "data/progressfiles.h"

#include <QString>
#include <QStringList>

namespace kw {

inline constexpr int kPrintZoneWidth = 14;
inline constexpr int kSheetRuleLength = 128; // the dashes under a topic's heading

// One line from its items, each starting at the next free zone: the zone
// after the one the previous item started in, or a later one when that item
// runs on, always leaving at least one blank between two items. An empty
// item only fills its zone.
QString zonedLine(const QStringList &items);

// The sheet of a subject: title (the program's title), then every topic's
// block with its five paper lines, whatever has been taken. A paper without a
// score shows a lone "%" in that column.
QStringList resultsSheetLines(const QString &title, const CatalogueSubject &subject, const SubjectProgress &progress);

} // namespace kw
