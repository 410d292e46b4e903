#pragma once

#include <QByteArray>
#include <QString>

namespace kw {

// Resources of a type live in the Qt resource system as ":/<type>/<id>",
// for example ":/Custom/30000".
QString ResourcePath(int id, const QString &type);

// Writes resource `id` of `type` to path, replacing whatever the file held.
// Returns 0 on success, otherwise the error number of what failed
// (326 no such resource, 75 the file cannot be written). Never throws.
int ExtractResourceToFile(int id, const QString &type, const QString &path) noexcept;

// Resource numbers of the course (all of type "Custom").
inline constexpr int kCatalogueResource = 30000;
inline int ContentTableResource(int subject, int table) { return 30000 + 10 * subject + table; }
inline int ProgressTemplateResource(int subject, int file) { return 30100 + 10 * subject + file; }

} // namespace kw
