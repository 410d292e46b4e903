#pragma once

#include <QString>

#include <stdexcept>

namespace kw {

// The failures the data and checking code can raise. Each carries the classic
// runtime error number as well, because extractResourceToFile reports by number
// and the pupil-facing messages quote it.
enum class ErrorKind {
    InvalidArgument,      // 5: a field that is not there (negative field length)
    Overflow,             // 6: a count outside the 16-bit range
    SubscriptOutOfRange,  // 9: past an array's capacity, or a missing list
    TypeMismatch,         // 13: text where a number is required
    FileNotFound,         // 53
    FileAccess,           // 75: the file exists but cannot be read or written
    ResourceNotFound,     // 326
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorKind kind, const QString &detail);

    ErrorKind kind() const { return m_kind; }
    int number() const;
    QString detail() const { return m_detail; }

private:
    ErrorKind m_kind;
    QString m_detail;
};

int errorNumber(ErrorKind kind);

} // namespace kw
