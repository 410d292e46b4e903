#pragma once

#include <QByteArray>
#include <QString>

namespace kw {

// Replaces the file at path with bytes, or leaves it exactly as it was.
// Throws RuntimeError(FileAccess) when the file cannot be written.
void writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace kw
