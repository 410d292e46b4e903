#include "data/filewriter.h"

#include "data/runtimeerror.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kw {

namespace {

constexpr int kSuffixLength = 6;
constexpr char kSuffixAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    throw RuntimeError(ErrorKind::FileAccess,
                       QStringLiteral("%1 cannot be saved: %2").arg(QFileInfo(path).fileName(), reason));
}

QString systemReason(int error)
{
    return qt_error_string(error);
}

QString randomSuffix()
{
    QString suffix;
    for (int i = 0; i < kSuffixLength; ++i)
        suffix += QLatin1Char(kSuffixAlphabet[QRandomGenerator::global()->bounded(int(sizeof kSuffixAlphabet) - 1)]);
    return suffix;
}

// What stands at path now. A link is never followed: replacing it would
// write wherever it points, possibly outside the data folder.
struct Target {
    bool exists = false;
    mode_t mode = 0;
};

Target inspectTarget(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        if (errno == ENOENT)
            return {};
        fail(path, systemReason(errno));
    }
    if (S_ISLNK(info.st_mode))
        fail(path, QStringLiteral("it is a link to another place, not a file"));
    if (S_ISDIR(info.st_mode))
        fail(path, QStringLiteral("it is a folder, not a file"));
    if (!S_ISREG(info.st_mode))
        fail(path, QStringLiteral("it is not a plain file"));
    return {true, info.st_mode};
}

// A new temporary beside the target; never an existing file, never through a link.
int createTemporary(const QString &path, QString *temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temporary = path + FileWriter::temporaryInfix() + randomSuffix();
        const int fd = ::open(QFile::encodeName(*temporary).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// The rename changed the folder, not the file: without syncing the folder a
// power cut right after a save could bring the old file back.
int syncFolder(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int result = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    // Some file systems cannot sync a folder at all; their renames are not
    // made less safe by asking.
    return result == EINVAL || result == EROFS ? 0 : result;
}

} // namespace

FileWriter::FileWriter(Fault fault) : m_fault(std::move(fault)) {}

bool FileWriter::fails(WriteStep step, const QString &path) const
{
    return m_fault && m_fault(step, path);
}

bool FileWriter::isTemporaryOf(const QString &name, const QString &target)
{
    const QString stem = target + temporaryInfix();
    if (name.size() != stem.size() + kSuffixLength || !name.startsWith(stem))
        return false;
    for (qsizetype i = stem.size(); i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')))
            return false;
    }
    return true;
}

void FileWriter::write(const QString &path, const QByteArray &bytes) const
{
    const Target target = inspectTarget(path);

    if (fails(WriteStep::Open, path))
        fail(path, QStringLiteral("a new copy of it could not be created"));
    QString temporary;
    const int fd = createTemporary(path, &temporary);
    if (fd < 0)
        fail(path, systemReason(errno));

    // From here on every failure removes the temporary before reporting.
    const auto abandon = [&](const QString &reason) {
        ::close(fd);
        ::unlink(QFile::encodeName(temporary).constData());
        fail(path, reason);
    };

    if (target.exists && ::fchmod(fd, target.mode & 07777) != 0)
        abandon(systemReason(errno));

    QString problem;
    {
        // Buffered, as QFile always is: a full disk may only show at the
        // flush, so both the write and the flush are checked. Whatever is
        // still buffered on a failure goes to the temporary, which is removed.
        QFile file;
        if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
            problem = file.errorString();
        else if (fails(WriteStep::Write, path))
            problem = QStringLiteral("not every byte could be written");
        else if (file.write(bytes) != bytes.size())
            problem = file.errorString();
        else if (fails(WriteStep::Flush, path))
            problem = QStringLiteral("not every byte reached the file");
        else if (!file.flush())
            problem = file.errorString();
    }
    if (!problem.isEmpty())
        abandon(problem);
    if (fails(WriteStep::Sync, path))
        abandon(QStringLiteral("the disk did not confirm the write"));
    if (::fsync(fd) != 0)
        abandon(systemReason(errno));
    const int closed = ::close(fd);
    const int closeError = errno;
    if (closed != 0) {
        ::unlink(QFile::encodeName(temporary).constData());
        fail(path, systemReason(closeError));
    }

    QString renameProblem;
    if (fails(WriteStep::Rename, path))
        renameProblem = QStringLiteral("the new copy could not take the old one's place");
    else if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0)
        renameProblem = systemReason(errno);
    if (!renameProblem.isEmpty()) {
        ::unlink(QFile::encodeName(temporary).constData());
        fail(path, renameProblem);
    }

    // The file now holds the new bytes; if the folder cannot be synced the
    // caller still hears of it, since the save may not survive a power cut.
    if (const int error = syncFolder(path); error != 0)
        fail(path, systemReason(error));
}

} // namespace kw
