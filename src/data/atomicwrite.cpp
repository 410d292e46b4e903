#include "data/atomicwrite.h"

#include "data/runtimeerror.h"

#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

namespace kw {

namespace {

// QSaveFile syncs the new file but not the folder entry that the rename
// changed; without this a power cut right after a save could bring back the
// old file.
void syncFolder(const QString &filePath)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(filePath).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw RuntimeError(ErrorKind::FileAccess,
                           QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw RuntimeError(ErrorKind::FileAccess,
                           QStringLiteral("cannot write %1: %2").arg(path, reason));
    }
    if (!file.commit())
        throw RuntimeError(ErrorKind::FileAccess,
                           QStringLiteral("cannot save %1: %2").arg(path, file.errorString()));
    syncFolder(path);
}

} // namespace kw
