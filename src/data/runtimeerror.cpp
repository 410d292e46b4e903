#include "data/runtimeerror.h"

namespace kw {

int errorNumber(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::InvalidArgument: return 5;
    case ErrorKind::Overflow: return 6;
    case ErrorKind::SubscriptOutOfRange: return 9;
    case ErrorKind::TypeMismatch: return 13;
    case ErrorKind::FileNotFound: return 53;
    case ErrorKind::FileAccess: return 75;
    case ErrorKind::ResourceNotFound: return 326;
    }
    return 5;
}

RuntimeError::RuntimeError(ErrorKind kind, const QString &detail)
    : std::runtime_error(detail.toStdString()), m_kind(kind), m_detail(detail)
{
}

int RuntimeError::number() const
{
    return errorNumber(m_kind);
}

} // namespace kw
