#pragma once

#include "data/filewriter.h"

#include <QByteArray>
#include <QString>

namespace kw {

// Resources of a type live in the Qt resource system as ":/<type>/<id>",
// for example ":/Custom/30000".
QString resourcePath(int id, const QString &type);

// Writes resource `id` of `type` to path (question pages and skin graphics,
// which are shown from files, and progress-file templates), replacing
// whatever the file held, through writer.
// Returns 0 on success, otherwise the error number of what failed
// (326 no such resource, 75 the file cannot be written). Never throws.
int extractResourceToFile(int id, const QString &type, const QString &path,
                          const FileWriter &writer = FileWriter()) noexcept;

// Resource numbers of the course (all of type "Custom"). Question pages take
// their question's id; every other resource has a number of its own.
inline constexpr int kCatalogueResource = 30000;
inline constexpr int kLastTableResource = 30199; // content tables and progress templates
inline constexpr int kFirstSkinResource = 1;
inline constexpr int kLastSkinResource = 92;
inline bool isReservedResource(int id)
{
    return (id >= kFirstSkinResource && id <= kLastSkinResource)
           || (id >= kCatalogueResource && id <= kLastTableResource);
}
inline int contentTableResource(int subject, int table) { return 30000 + 10 * subject + table; }
inline int progressTemplateResource(int subject, int file) { return 30100 + 10 * subject + file; }

} // namespace kw
