#pragma once

#include <QFile>
#include <QString>

namespace kw {

// Deletes a temporary copy of a resource however the reading of it ends.
class TemporaryCopy {
public:
    explicit TemporaryCopy(QString path) : m_path(std::move(path)) {}
    ~TemporaryCopy() { QFile::remove(m_path); }
    TemporaryCopy(const TemporaryCopy &) = delete;
    TemporaryCopy &operator=(const TemporaryCopy &) = delete;

private:
    QString m_path;
};

} // namespace kw
