#pragma once

// Writing a generated file the way the build tools do: a file that already
// holds the bytes is left untouched, so nothing built from it is rebuilt.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace kw {

// Returns an empty string on success, otherwise why the file could not be
// written.
inline QString writeIfChanged(const QString &path, const QByteArray &bytes)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() && existing.readAll() == bytes)
        return {};
    existing.close();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return file.errorString();
    return {};
}

} // namespace kw
