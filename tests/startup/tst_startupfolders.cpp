// Where start-up keeps the program's files (an installed copy, a folder
// given on the command line) and how it writes the skin graphics there.

#include "data/filewriter.h"
#include "startup/skinfiles.h"
#include "startup/startup.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include "testfiles.h"

using namespace kw;
using kwtest::readAll;
using kwtest::write;

namespace {

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

const QDateTime kLongAgo(QDate(2020, 1, 1), QTime(12, 0));

bool setLongAgo(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(kLongAgo, QFileDevice::FileModificationTime);
}

} // namespace

class TestStartupFolders : public QObject {
    Q_OBJECT

private slots:
    void installedCopyKeepsNothingBesideItself()
    {
        QTemporaryDir dir;
        const QString app = dir.filePath(QStringLiteral("usr/bin"));
        const QString user = dir.filePath(QStringLiteral("home/.local/share/Kestrelworks/kwpractice"));
        QVERIFY(QDir().mkpath(app));
        // Results beside an installed copy are never the pupil's: nothing is copied.
        write(app + QStringLiteral("/marks1KWY6.txt"), "someone else's");

        const DataFolder folder = chooseDataFolder(QString(), user);
        QCOMPARE(folder.path, user);
        QCOMPARE(folder.copiedFiles, QStringList());
        QCOMPARE(entries(user), QStringList());
        QCOMPARE(entries(app), QStringList{QStringLiteral("marks1KWY6.txt")});
    }

    void installedCopyNamesAnUnwritableUserFolder()
    {
        QTemporaryDir dir;
        const QString user = dir.filePath(QStringLiteral("home/data"));
        const FileWriter readOnly([&dir](WriteStep step, const QString &path) {
            return step == WriteStep::Open && path.startsWith(dir.path());
        });
        const DataFolder folder = chooseDataFolder(QString(), user, readOnly);
        QCOMPARE(folder.path, QString());
        QVERIFY2(folder.problem.contains(user), qPrintable(folder.problem));
        QVERIFY2(!folder.problem.contains(QStringLiteral("program's folder")), qPrintable(folder.problem));
    }

    void installedProgramFolder_data()
    {
        QTest::addColumn<QString>("marker"); // what stands at prefix/share/metainfo/app.xml: file, folder, none
        QTest::addColumn<QString>("appFolder");
        QTest::addColumn<bool>("installed");
        QTest::newRow("metainfo under the prefix") << "file" << "prefix/bin" << true;
        QTest::newRow("no metainfo") << "none" << "prefix/bin" << false;
        QTest::newRow("a folder in its place") << "folder" << "prefix/bin" << false;
        QTest::newRow("another folder of the prefix") << "file" << "prefix/lib/bin" << false;
        QTest::newRow("no program folder") << "file" << "" << false;
    }

    void installedProgramFolder()
    {
        QFETCH(QString, marker);
        QFETCH(QString, appFolder);
        QFETCH(bool, installed);
        QTemporaryDir dir;
        const QString metainfo = dir.filePath(QStringLiteral("prefix/share/metainfo/app.xml"));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("prefix/bin"))));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("prefix/lib/bin"))));
        QVERIFY(QDir().mkpath(QFileInfo(metainfo).absolutePath()));
        if (marker == QLatin1String("file"))
            write(metainfo, "<component/>");
        else if (marker == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(metainfo));
        const QString app = appFolder.isEmpty() ? QString() : dir.filePath(appFolder);
        QCOMPARE(isInstalledProgramFolder(app, QStringLiteral("../share/metainfo/app.xml")), installed);
    }

    void givenFolder_data()
    {
        QTest::addColumn<QString>("given"); // "<tmp>" stands for the test's folder
        QTest::addColumn<QString>("chosen"); // "" when it cannot be used
        QTest::newRow("a new folder is made") << "<tmp>/shared drive/pupil" << "<tmp>/shared drive/pupil";
        QTest::newRow("relative to the working folder") << "here/../there" << "<tmp>/there";
        QTest::newRow("an existing folder") << "<tmp>" << "<tmp>";
        QTest::newRow("below a file") << "<tmp>/file/pupil" << "";
        QTest::newRow("a file") << "<tmp>/file" << "";
    }

    void givenFolder()
    {
        QFETCH(QString, given);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("file")), "not a folder");
        const QString working = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const DataFolder folder = givenDataFolder(given.replace(QStringLiteral("<tmp>"), dir.path()));
        QVERIFY(QDir::setCurrent(working));
        chosen.replace(QStringLiteral("<tmp>"), dir.path());
        QCOMPARE(folder.path, chosen);
        QCOMPARE(folder.copiedFiles, QStringList());
        if (chosen.isEmpty()) {
            QVERIFY2(folder.problem.contains(QFileInfo(given).absoluteFilePath()), qPrintable(folder.problem));
        } else {
            QCOMPARE(folder.problem, QString());
            QVERIFY(QFileInfo(chosen).isDir());
            // The probe that showed the folder can be written is gone.
            QCOMPARE(entries(chosen).filter(QStringLiteral("write-test")), QStringList());
        }
        QCOMPARE(readAll(dir.filePath(QStringLiteral("file"))), QByteArray("not a folder"));
    }

    void givenFolderMustBeNamed()
    {
        const DataFolder folder = givenDataFolder(QString());
        QCOMPARE(folder.path, QString());
        QVERIFY(!folder.problem.isEmpty());
    }

    void identicalGraphicsAreLeftUntouched()
    {
        QTemporaryDir dir;
        QCOMPARE(extractGraphics(dir.path()), QStringList());
        const QDir graphics(dir.filePath(QStringLiteral("Graphics")));
        for (const QString &name : graphics.entryList(QDir::Files))
            QVERIFY(setLongAgo(graphics.filePath(name)));
        // One changed picture is written again; every other one stays as it was.
        const QString changed = graphics.filePath(QString::fromLatin1(kSkinFiles.front().name));
        const QByteArray original = readAll(changed);
        QByteArray damaged = original;
        damaged[damaged.size() / 2] = char(damaged.at(damaged.size() / 2) ^ 0x55);
        write(changed, damaged);
        QVERIFY(setLongAgo(changed));

        QCOMPARE(extractGraphics(dir.path()), QStringList());
        QCOMPARE(readAll(changed), original);
        for (const QString &name : graphics.entryList(QDir::Files)) {
            const QString path = graphics.filePath(name);
            if (path != changed)
                QVERIFY2(QFileInfo(path).lastModified() == kLongAgo, qPrintable(name));
        }
        QCOMPARE(graphics.entryList(QDir::Files).size(), qsizetype(kSkinFiles.size()));
    }

    // A graphic's name held by something that is not the program's plain
    // file: it is reported, and what it stands for is never written.
    void graphicsNeverWrittenThroughOtherFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("symbolic link to a pupil's file") << "symlink";
        QTest::newRow("hard link to a pupil's file") << "hardlink";
        QTest::newRow("folder") << "folder";
        QTest::newRow("pipe") << "fifo";
    }

    void graphicsNeverWrittenThroughOtherFiles()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString pupils = dir.filePath(QStringLiteral("pupil's file.txt"));
        write(pupils, "my own work");
        const QString graphics = dir.filePath(QStringLiteral("Graphics"));
        QVERIFY(QDir().mkpath(graphics));
        const QString name = QString::fromLatin1(kSkinFiles.back().name);
        const QString path = graphics + QLatin1Char('/') + name;
        const QByteArray encoded = QFile::encodeName(path);
        if (kind == QLatin1String("symlink"))
            QVERIFY(QFile::link(pupils, path));
        else if (kind == QLatin1String("hardlink"))
            QCOMPARE(::link(QFile::encodeName(pupils).constData(), encoded.constData()), 0);
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else
            QCOMPARE(::mkfifo(encoded.constData(), 0600), 0);

        QCOMPARE(extractGraphics(dir.path()), QStringList{name});
        QCOMPARE(readAll(pupils), QByteArray("my own work"));
        QCOMPARE(QFileInfo(path).isSymLink(), kind == QLatin1String("symlink"));
        QCOMPARE(QDir(graphics).entryList(QDir::Files | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot).size(),
                 qsizetype(kSkinFiles.size()));
    }
};

QTEST_GUILESS_MAIN(TestStartupFolders)
#include "tst_startupfolders.moc"
