#include "startup/startup.h"

#include "data/progressfiles.h"
#include "data/resources.h"
#include "data/runtimeerror.h"
#include "startup/skinfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kw {

namespace {

// A file of the program's own that shows whether a folder can be written.
const QString kWriteProbe = QStringLiteral(".kwpractice-write-test");

bool canWriteIn(const QString &folder, const FileWriter &writer)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    const QString probe = folder + QLatin1Char('/') + kWriteProbe;
    try {
        writer.write(probe, QByteArray());
    } catch (const RuntimeError &) {
        return false;
    }
    QFile::remove(probe);
    return true;
}

// Names of the progress files and marking journals of any subject and code.
const QRegularExpression &progressName()
{
    static const QRegularExpression name(
        QStringLiteral("^(marks|first|second|fresults|sresults|trend|marking)[1-3][^/]*\\.txt$"));
    return name;
}

// Names of the page copies the practice window writes, and of the table
// copies older versions made.
const QRegularExpression &pageCopyName()
{
    static const QRegularExpression name(QStringLiteral("^(temppaper[0-9]+\\.mht|temptext[0-9]*\\.txt)$"));
    return name;
}

bool holdsProgressFiles(const QString &folder)
{
    const QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return std::any_of(names.cbegin(), names.cend(),
                       [](const QString &name) { return progressName().match(name).hasMatch(); });
}

// Copies the progress files of from into to, all or none. Returns the names
// copied, or throws RuntimeError after removing any copy already made.
QStringList copyProgressFiles(const QString &from, const QString &to, const FileWriter &writer)
{
    QStringList copied;
    const QStringList names = QDir(from).entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
    try {
        for (const QString &name : names) {
            if (!progressName().match(name).hasMatch())
                continue;
            QFile source(from + QLatin1Char('/') + name);
            if (!source.open(QIODevice::ReadOnly))
                throw RuntimeError(ErrorKind::FileAccess, QStringLiteral("%1 cannot be read").arg(name));
            const QString target = to + QLatin1Char('/') + name;
            if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
                throw RuntimeError(ErrorKind::FileAccess, QStringLiteral("%1 is already there").arg(name));
            writer.write(target, source.readAll());
            copied.append(name);
        }
    } catch (const RuntimeError &) {
        for (const QString &name : std::as_const(copied))
            QFile::remove(to + QLatin1Char('/') + name);
        throw;
    }
    return copied;
}

// Names the writer saves under in the data folder, and so the only names
// whose unfinished saves start-up removes.
bool isSavedName(const QString &name)
{
    // The write probe's name, matched the way the patterns match theirs.
    static const QRegularExpression probe(QLatin1Char('^') + QRegularExpression::escape(kWriteProbe)
                                          + QLatin1Char('$'));
    return progressName().match(name).hasMatch() || pageCopyName().match(name).hasMatch()
           || probe.match(name).hasMatch();
}

// "<name>.kwsave-XXXXXX" with its name, or "" for any other file.
QString savedTarget(const QString &temporary)
{
    const qsizetype at = temporary.lastIndexOf(FileWriter::temporaryInfix());
    if (at <= 0)
        return {};
    const QString target = temporary.left(at);
    return FileWriter::isTemporaryOf(temporary, target) ? target : QString();
}

// Whether the plain file at path holds exactly bytes. Never follows a link
// nor waits on a pipe.
bool holdsExactly(const QString &path, const QByteArray &bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    bool same = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size == bytes.size();
    if (same) {
        QFile file;
        same = file.open(fd, QIODevice::ReadOnly) && file.readAll() == bytes;
    }
    ::close(fd);
    return same;
}

// Writes one skin graphic. Start-up checks and writes every graphic again,
// so one torn by a crash or a power cut is put right at the next start:
// unlike a progress file, a graphic need not wait for the disk, and one
// already holding the program's bytes is left untouched. It is written in
// place, so it never writes through a link, over anything but a plain file,
// nor over a file that has another name elsewhere (a hard link).
bool writeGraphic(const QString &path, const QByteArray &bytes)
{
    if (holdsExactly(path, bytes))
        return true;
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0)
        return false;
    struct stat info {};
    bool written = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1
                   && ::ftruncate(fd, 0) == 0;
    if (written) {
        QFile file;
        written = file.open(fd, QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    }
    return ::close(fd) == 0 && written;
}

} // namespace

DataFolder chooseDataFolder(const QString &appFolder, const QString &userFolder, const FileWriter &writer)
{
    const bool installed = appFolder.isEmpty();
    if (!installed && canWriteIn(appFolder, writer))
        return {appFolder, {}, {}};
    if (!canWriteIn(userFolder, writer))
        return {QString(), {},
                installed ? QStringLiteral("Your results cannot be saved: your own data folder (%1) cannot be "
                                           "written to. Ask an adult to check it.")
                                .arg(QDir::toNativeSeparators(userFolder))
                          : QStringLiteral("Your results cannot be saved: neither the program's folder nor your "
                                           "own data folder can be written to. Ask an adult to check the "
                                           "installation.")};
    if (installed || !holdsProgressFiles(appFolder) || holdsProgressFiles(userFolder))
        return {userFolder, {}, {}};
    try {
        return {userFolder, copyProgressFiles(appFolder, userFolder, writer), {}};
    } catch (const RuntimeError &error) {
        return {QString(), {},
                QStringLiteral("The program's folder cannot be written to, and your earlier results there could "
                               "not be copied to your own data folder (%1). Nothing has been changed; ask an adult "
                               "to check the installation.")
                    .arg(error.detail())};
    }
}

DataFolder givenDataFolder(const QString &folder, const FileWriter &writer)
{
    const QString path = QFileInfo(folder).absoluteFilePath();
    if (folder.isEmpty() || !canWriteIn(path, writer))
        return {QString(), {},
                QStringLiteral("Your results cannot be saved in %1: the folder cannot be created or written to.")
                    .arg(QDir::toNativeSeparators(path))};
    return {QDir::cleanPath(path), {}, {}};
}

bool isInstalledProgramFolder(const QString &appFolder, const QString &installedMarker)
{
    return !appFolder.isEmpty() && QFileInfo(QDir(appFolder).filePath(installedMarker)).isFile();
}

QStringList extractGraphics(const QString &folder)
{
    const QString graphics = folder + QStringLiteral("/Graphics");
    QDir().mkpath(graphics);
    QStringList failed;
    for (const SkinFile &file : kSkinFiles) {
        const QString name = QString::fromLatin1(file.name);
        QFile resource(resourcePath(file.id, QStringLiteral("Custom")));
        if (!resource.open(QIODevice::ReadOnly) || !writeGraphic(graphics + QLatin1Char('/') + name, resource.readAll()))
            failed.append(name);
    }
    return failed;
}

void removeLeftovers(const QString &folder)
{
    const QDir dir(folder);
    const QDir::Filters plainFiles = QDir::Files | QDir::Hidden | QDir::NoSymLinks;
    for (const QString &name : dir.entryList(plainFiles)) {
        if (pageCopyName().match(name).hasMatch() || isSavedName(savedTarget(name)))
            QFile::remove(dir.filePath(name));
    }

    // Earlier versions wrote the graphics through the writer, which can have
    // left its unfinished saves there; a link standing for the folder is not
    // followed.
    const QString graphicsPath = dir.filePath(QStringLiteral("Graphics"));
    const QFileInfo graphicsInfo(graphicsPath);
    if (!graphicsInfo.isDir() || graphicsInfo.isSymLink())
        return;
    QSet<QString> skinNames;
    for (const SkinFile &file : kSkinFiles)
        skinNames.insert(QString::fromLatin1(file.name));
    const QDir graphics(graphicsPath);
    for (const QString &name : graphics.entryList(plainFiles)) {
        if (skinNames.contains(savedTarget(name)))
            QFile::remove(graphics.filePath(name));
    }
}

CourseStart prepareCourse(const QString &folder, QString *catalogueProblem, const FileWriter &writer)
{
    CourseStart start;
    try {
        start.catalogue = loadCatalogue();
    } catch (const RuntimeError &error) {
        *catalogueProblem = error.detail();
        start.catalogue = Catalogue{};
        return start;
    }
    for (int subject = 1; subject <= 3; ++subject) {
        if (!start.catalogue.hasSubject(subject))
            continue;
        const QString &code = start.catalogue.code;
        try {
            finishInterruptedMarking(folder, subject, code, writer);
        } catch (const RuntimeError &) {
            // Kept for the next start or the next marking, which finish it first.
            start.unwritable += markingJournalPath(folder, subject, code);
        }
        start.unwritable += createMissingProgressFiles(folder, subject, code, writer);
        const QString problem =
            progressFilesProblem(folder, subject, code, start.catalogue.subject(subject).paperCount);
        if (!problem.isEmpty())
            start.damagedSubjects.insert(subject, problem);
    }
    return start;
}

} // namespace kw
