#include "data/resources.h"

#include "data/atomicwrite.h"
#include "data/runtimeerror.h"

#include <QFile>

#include <new>

namespace kw {

QString ResourcePath(int id, const QString &type)
{
    return QStringLiteral(":/%1/%2").arg(type).arg(id);
}

int ExtractResourceToFile(int id, const QString &type, const QString &path) noexcept
{
    try {
        QFile resource(ResourcePath(id, type));
        if (!resource.open(QIODevice::ReadOnly))
            return ErrorNumber(ErrorKind::ResourceNotFound);
        WriteFileAtomically(path, resource.readAll());
        return 0;
    } catch (const RuntimeError &error) {
        return error.number();
    } catch (const std::bad_alloc &) {
        return 7; // out of memory
    } catch (...) {
        return 51; // internal error
    }
}

} // namespace kw
