#include "startup/startup.h"

#include "data/progressfiles.h"
#include "data/resources.h"
#include "data/runtimeerror.h"
#include "startup/skinfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace kw {

namespace {

bool canWriteIn(const QString &folder)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.write-test-XXXXXX"));
    return probe.open();
}

} // namespace

QString chooseDataFolder(const QString &appFolder, const QString &userFolder)
{
    if (canWriteIn(appFolder))
        return appFolder;
    if (canWriteIn(userFolder))
        return userFolder;
    return {};
}

QStringList extractGraphics(const QString &folder)
{
    const QString graphics = folder + QStringLiteral("/Graphics");
    QDir().mkpath(graphics);
    QStringList failed;
    for (const SkinFile &file : kSkinFiles) {
        const QString name = QString::fromLatin1(file.name);
        if (extractResourceToFile(file.id, QStringLiteral("Custom"), graphics + QLatin1Char('/') + name) != 0)
            failed.append(name);
    }
    return failed;
}

void removeLeftovers(const QString &folder)
{
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("temppaper*.mht"), QStringLiteral("temptext*.txt")}, QDir::Files))
        QFile::remove(dir.filePath(name));
    // An atomic save killed before its rename leaves "<file>.XXXXXX" behind.
    static const QRegularExpression unfinishedSave(
        QStringLiteral("^(marks|first|second|fresults|sresults|trend)[1-3].*\\.txt\\.[A-Za-z0-9]{6}$"));
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (unfinishedSave.match(name).hasMatch())
            QFile::remove(dir.filePath(name));
    }
}

CourseStart prepareCourse(const QString &folder, QString *catalogueProblem)
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
        start.unwritable += createMissingProgressFiles(folder, subject, start.catalogue.code);
        const QString problem =
            progressFilesProblem(folder, subject, start.catalogue.code, start.catalogue.subject(subject).paperCount);
        if (!problem.isEmpty())
            start.damagedSubjects.insert(subject, problem);
    }
    return start;
}

} // namespace kw
