#pragma once

// What every fuzz target shares: turning the input into text, and stopping
// with a message (libFuzzer keeps the input) when a property does not hold.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace kwfuzz {

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

[[noreturn]] inline void fail(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "property broken: %s\n", what);
    if (!detail.isEmpty())
        std::fprintf(stderr, "  %s\n", detail.toUtf8().constData());
    std::abort();
}

inline void require(bool holds, const char *what, const QString &detail = QString())
{
    if (!holds)
        fail(what, detail);
}

} // namespace kwfuzz
