#include "data/markingjournal.h"

#include "data/runtimeerror.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace kw {

namespace {

// The journal is a file of the program's own:
//   kwjournal 1
//   files <count>
// then per file
//   name <file name>
//   before <sha-256 of what it held, in hex, or "none">
//   bytes <length>
//   <exactly length bytes>
// and a last line "end". Every line ends in LF.
const QByteArray kMagic = "kwjournal 1";
const QByteArray kMissing = "none";

QByteArray digest(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// What the file at path holds now: nullopt when it does not exist. Anything
// but a plain file is refused: it is never read through, nor replaced.
std::optional<QByteArray> currentBytes(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        if (errno == ENOENT)
            return std::nullopt;
        throw RuntimeError(ErrorKind::FileAccess,
                           QStringLiteral("%1 cannot be read: %2").arg(QFileInfo(path).fileName(), qt_error_string(errno)));
    }
    if (!S_ISREG(info.st_mode))
        throw RuntimeError(ErrorKind::FileAccess,
                           QStringLiteral("%1 is not a plain file").arg(QFileInfo(path).fileName()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(ErrorKind::FileAccess,
                           QStringLiteral("%1 cannot be read: %2").arg(QFileInfo(path).fileName(), file.errorString()));
    return file.readAll();
}

QByteArray currentDigest(const QString &path)
{
    const std::optional<QByteArray> bytes = currentBytes(path);
    return bytes ? digest(*bytes) : kMissing;
}

struct JournalEntry {
    QString name;
    QByteArray before;
    QByteArray bytes;
};

// Reads "<label> <value>\n" at pos.
bool readLine(const QByteArray &data, qsizetype &pos, const QByteArray &label, QByteArray *value)
{
    const qsizetype end = data.indexOf('\n', pos);
    if (end < 0)
        return false;
    const QByteArray line = data.mid(pos, end - pos);
    pos = end + 1;
    if (!line.startsWith(label + ' '))
        return false;
    *value = line.mid(label.size() + 1);
    return true;
}

std::optional<QList<JournalEntry>> parseJournal(const QByteArray &data)
{
    qsizetype pos = 0;
    if (!data.startsWith(kMagic + '\n'))
        return std::nullopt;
    pos = kMagic.size() + 1;
    QByteArray value;
    if (!readLine(data, pos, "files", &value))
        return std::nullopt;
    bool ok = false;
    const int count = value.toInt(&ok);
    if (!ok || count < 1 || count > 16)
        return std::nullopt;
    QList<JournalEntry> entries;
    for (int i = 0; i < count; ++i) {
        JournalEntry entry;
        if (!readLine(data, pos, "name", &value))
            return std::nullopt;
        entry.name = QString::fromUtf8(value);
        if (!readLine(data, pos, "before", &entry.before))
            return std::nullopt;
        if (!readLine(data, pos, "bytes", &value))
            return std::nullopt;
        const qint64 length = value.toLongLong(&ok);
        if (!ok || length < 0 || length > data.size() - pos - 1)
            return std::nullopt;
        entry.bytes = data.mid(pos, length);
        pos += length;
        if (data.at(pos) != '\n')
            return std::nullopt;
        ++pos;
        entries.append(entry);
    }
    if (data.mid(pos) != "end\n")
        return std::nullopt;
    return entries;
}

void removeJournal(const QString &journalPath)
{
    if (!removeJournalFile(journalPath))
        throw RuntimeError(ErrorKind::FileAccess, QStringLiteral("%1 cannot be removed: %2")
                                                      .arg(QFileInfo(journalPath).fileName(), qt_error_string(errno)));
}

} // namespace

bool removeJournalFile(const QString &path)
{
    return ::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT;
}

void commitTogether(const QString &journalPath, const QList<FileChange> &changes, const FileWriter &writer)
{
    const QString folder = QFileInfo(journalPath).absolutePath();
    QByteArray journal = kMagic + '\n' + "files " + QByteArray::number(changes.size()) + '\n';
    for (const FileChange &change : changes) {
        const QFileInfo info(change.path);
        if (info.absolutePath() != folder)
            throw RuntimeError(ErrorKind::InvalidArgument,
                               QStringLiteral("%1 is not beside its journal").arg(info.fileName()));
        journal += "name " + info.fileName().toUtf8() + '\n';
        journal += "before " + currentDigest(change.path) + '\n';
        journal += "bytes " + QByteArray::number(change.bytes.size()) + '\n';
        journal += change.bytes + '\n';
    }
    journal += "end\n";

    writer.write(journalPath, journal); // the commit point
    for (const FileChange &change : changes)
        writer.write(change.path, change.bytes);
    // Every file holds its new contents; a journal that cannot be removed
    // would only be found finished later, so it is not worth a failure.
    removeJournalFile(journalPath);
}

void finishJournal(const QString &journalPath, const QStringList &allowedNames, const FileWriter &writer)
{
    const std::optional<QByteArray> data = currentBytes(journalPath);
    if (!data)
        return;
    const std::optional<QList<JournalEntry>> entries = parseJournal(*data);
    const QDir folder = QFileInfo(journalPath).absoluteDir();

    bool applies = entries.has_value();
    if (applies) {
        for (const JournalEntry &entry : *entries) {
            if (!allowedNames.contains(entry.name)) {
                applies = false;
                break;
            }
            QByteArray now;
            try {
                now = currentDigest(folder.filePath(entry.name));
            } catch (const RuntimeError &) {
                applies = false; // not a plain file any more: left to the damage check
                break;
            }
            if (now != entry.before && now != digest(entry.bytes)) {
                applies = false;
                break;
            }
        }
    }
    if (!applies) {
        removeJournal(journalPath);
        return;
    }
    for (const JournalEntry &entry : *entries) {
        const QString path = folder.filePath(entry.name);
        if (currentDigest(path) != digest(entry.bytes))
            writer.write(path, entry.bytes);
    }
    removeJournal(journalPath);
}

} // namespace kw
