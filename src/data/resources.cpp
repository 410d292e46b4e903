#include "data/resources.h"

#include "data/runtimeerror.h"

#include <QFile>

#include <new>

namespace kw {

QString resourcePath(int id, const QString &type)
{
    return QStringLiteral(":/%1/%2").arg(type).arg(id);
}

int extractResourceToFile(int id, const QString &type, const QString &path, const FileWriter &writer) noexcept
{
    try {
        QFile resource(resourcePath(id, type));
        if (!resource.open(QIODevice::ReadOnly))
            return errorNumber(ErrorKind::ResourceNotFound);
        writer.write(path, resource.readAll());
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
