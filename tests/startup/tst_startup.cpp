#include "data/progressfiles.h"
#include "data/resources.h"
#include "data/runtimeerror.h"
#include "startup/skinfiles.h"
#include "startup/startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include "testfiles.h"

using namespace kw;
using kwtest::readAll;
using kwtest::write;

Q_DECLARE_METATYPE(kw::WriteStep)

namespace {

// The fixture course names subjects 1 (35 papers) and 3 (10 papers).
const QString kCode = QStringLiteral("FIX1");

// A writer that cannot write anywhere under folder, as in a read-only folder
// (root writes into any folder, so permissions alone cannot show it).
FileWriter readOnlyBelow(const QString &folder)
{
    return FileWriter([folder](WriteStep step, const QString &path) {
        return step == WriteStep::Open && path.startsWith(folder + QLatin1Char('/'));
    });
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QByteArrayList markingFiles(const QString &folder)
{
    QByteArrayList contents;
    for (ProgressFile file : {ProgressFile::FirstResults, ProgressFile::Marks, ProgressFile::Trend})
        contents.append(readAll(progressFilePath(folder, file, 3, kCode)));
    return contents;
}

void markPaper103(const QString &folder, const FileWriter &writer)
{
    recordFirstMarking(folder, 3, kCode, 10, 3, {QStringLiteral("Y")}, QStringLiteral("66.7"), QStringLiteral("0:4:30"),
                       QStringLiteral("08/12/2026"), writer);
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void dataFolder_data()
    {
        QTest::addColumn<bool>("appWritable");
        QTest::addColumn<bool>("userWritable");
        QTest::addColumn<QStringList>("appFiles");
        QTest::addColumn<QStringList>("userFiles");
        QTest::addColumn<QString>("chosen"); // "app", "user" or ""
        QTest::addColumn<QStringList>("copied");
        const QStringList results{"marks1KWY6.txt", "first1KWY6.txt", "trend1KWY6.txt", "marks1KWY6.txt.backup",
                                  "notes.txt"};
        QTest::newRow("beside the program") << true << true << results << QStringList() << "app" << QStringList();
        QTest::newRow("read-only install, nothing earlier")
            << false << true << QStringList{"notes.txt"} << QStringList() << "user" << QStringList();
        QTest::newRow("read-only install holding results")
            << false << true << results << QStringList() << "user"
            << QStringList{"first1KWY6.txt", "marks1KWY6.txt", "trend1KWY6.txt"};
        QTest::newRow("results already in the user folder")
            << false << true << results << QStringList{"trend1KWY6.txt"} << "user" << QStringList();
        QTest::newRow("an unfinished marking goes along")
            << false << true << QStringList{"marks2KWY6.txt", "marking2KWY6.txt"} << QStringList() << "user"
            << QStringList{"marking2KWY6.txt", "marks2KWY6.txt"};
        QTest::newRow("nowhere to write") << false << false << results << QStringList() << "" << QStringList();
    }
    void dataFolder()
    {
        QFETCH(bool, appWritable);
        QFETCH(bool, userWritable);
        QFETCH(QStringList, appFiles);
        QFETCH(QStringList, userFiles);
        QFETCH(QString, chosen);
        QFETCH(QStringList, copied);
        QTemporaryDir dir;
        const QString app = dir.filePath(QStringLiteral("app"));
        const QString user = dir.filePath(QStringLiteral("user/data"));
        QVERIFY(QDir().mkpath(app));
        for (const QString &name : appFiles)
            write(app + QLatin1Char('/') + name, "app's " + name.toUtf8());
        for (const QString &name : userFiles) {
            QVERIFY(QDir().mkpath(user));
            write(user + QLatin1Char('/') + name, "user's " + name.toUtf8());
        }
        const QStringList appBefore = entries(app);
        FileWriter writer;
        if (!appWritable)
            writer = readOnlyBelow(userWritable ? app : dir.path());

        const DataFolder folder = chooseDataFolder(app, user, writer);
        const QString expected = chosen == QLatin1String("app") ? app : chosen == QLatin1String("user") ? user : QString();
        QCOMPARE(folder.path, expected);
        QCOMPARE(folder.copiedFiles, copied);
        QCOMPARE(folder.problem.isEmpty(), !expected.isEmpty());
        QCOMPARE(entries(app), appBefore); // no probe left behind, nothing taken away
        for (const QString &name : appFiles)
            QCOMPARE(readAll(app + QLatin1Char('/') + name), "app's " + name.toUtf8());
        if (chosen != QLatin1String("user"))
            return;
        QStringList expectedUser = copied + userFiles;
        expectedUser.sort();
        QCOMPARE(entries(user), expectedUser);
        for (const QString &name : copied)
            QCOMPARE(readAll(user + QLatin1Char('/') + name), "app's " + name.toUtf8());
        for (const QString &name : userFiles)
            QCOMPARE(readAll(user + QLatin1Char('/') + name), "user's " + name.toUtf8());
    }

    void dataFolderCopyThatFailsCopiesNothing_data()
    {
        QTest::addColumn<WriteStep>("step");
        QTest::newRow("open") << WriteStep::Open;
        QTest::newRow("flush") << WriteStep::Flush;
        QTest::newRow("rename") << WriteStep::Rename;
    }
    void dataFolderCopyThatFailsCopiesNothing()
    {
        QFETCH(WriteStep, step);
        QTemporaryDir dir;
        const QString app = dir.filePath(QStringLiteral("app"));
        const QString user = dir.filePath(QStringLiteral("user"));
        QVERIFY(QDir().mkpath(app));
        for (const char *name : {"first1KWY6.txt", "marks1KWY6.txt", "trend1KWY6.txt"})
            write(app + QLatin1Char('/') + QLatin1String(name), name);
        const FileWriter writer([&](WriteStep at, const QString &path) {
            return (at == WriteStep::Open && path.startsWith(app + QLatin1Char('/')))
                   || (at == step && path == user + QStringLiteral("/trend1KWY6.txt"));
        });
        const DataFolder folder = chooseDataFolder(app, user, writer);
        QCOMPARE(folder.path, QString());
        QCOMPARE(folder.copiedFiles, QStringList());
        QVERIFY2(folder.problem.contains(QLatin1String("trend1KWY6.txt")), qPrintable(folder.problem));
        QVERIFY2(!folder.problem.contains(dir.path()), qPrintable(folder.problem));
        QCOMPARE(entries(user), QStringList());
        QCOMPARE(entries(app).size(), 3);
    }

    void graphicsAreWrittenAndReadable()
    {
        QTemporaryDir dir;
        QCOMPARE(extractGraphics(dir.path()), QStringList());
        const QDir graphics(dir.filePath(QStringLiteral("Graphics")));
        QCOMPARE(graphics.entryList(QDir::Files).size(), int(kSkinFiles.size()));
        for (const SkinFile &file : kSkinFiles) {
            QImageReader reader(graphics.filePath(QString::fromLatin1(file.name)));
            QVERIFY2(reader.canRead(), file.name);
        }
        // Rewritten at every start, whatever the folder held.
        QFile bullet(graphics.filePath(QStringLiteral("bullet.bmp")));
        QVERIFY(bullet.open(QIODevice::WriteOnly | QIODevice::Truncate));
        bullet.write("broken");
        bullet.close();
        QCOMPARE(extractGraphics(dir.path()), QStringList());
        QVERIFY(QImageReader(bullet.fileName()).canRead());
    }

    void leftoversAreRemoved_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("removed");
        QTest::newRow("page copy") << "temppaper11001.mht" << true;
        QTest::newRow("catalogue copy of an older version") << "temptext30000.txt" << true;
        QTest::newRow("table copy of an older version") << "temptext.txt" << true;
        QTest::newRow("unfinished save of a progress file") << "marks2KWY6.txt.kwsave-Ab12Cd" << true;
        QTest::newRow("unfinished save of a marking journal") << "marking2KWY6.txt.kwsave-Ab12Cd" << true;
        QTest::newRow("unfinished save of a page copy") << "temppaper11001.mht.kwsave-x9Y8z7" << true;
        QTest::newRow("unfinished graphic") << "Graphics/bullet.bmp.kwsave-Ab12Cd" << true;
        QTest::newRow("unfinished graphic, other case") << "Graphics/Logo.gif.kwsave-000000" << true;
        QTest::newRow("progress file") << "marks2KWY6.txt" << false;
        QTest::newRow("marking journal") << "marking2KWY6.txt" << false;
        QTest::newRow("graphic") << "Graphics/bullet.bmp" << false;
        QTest::newRow("a parent's backup") << "marks1KWY6.txt.backup" << false;
        QTest::newRow("a parent's old copy") << "first1KWY6.txt.old123" << false;
        QTest::newRow("a kept damaged copy") << "marks1KWY6.txt.damaged" << false;
        QTest::newRow("someone else's text") << "notes.txt" << false;
        QTest::newRow("someone else's text, save-like name") << "notes.txt.kwsave-Ab12Cd" << false;
        QTest::newRow("someone else's picture, save-like name") << "Graphics/holiday.bmp.kwsave-Ab12Cd" << false;
        QTest::newRow("save suffix of the wrong length") << "trend1KWY6.txt.kwsave-Ab12C" << false;
        QTest::newRow("page-like name without digits") << "temppaperNotes.mht" << false;
        QTest::newRow("text-like name") << "temptextbook.txt" << false;
    }
    void leftoversAreRemoved()
    {
        QFETCH(QString, name);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("Graphics"))));
        write(dir.filePath(name), "x");
        removeLeftovers(dir.path());
        QCOMPARE(QFile::exists(dir.filePath(name)), !removed);
    }

    void leftoversNeverLeadOutOfTheFolder_data()
    {
        QTest::addColumn<QString>("link");   // in the data folder
        QTest::addColumn<QString>("target"); // outside it, relative to the outside folder
        QTest::newRow("page copy name") << "temppaper11001.mht" << "temppaper11001.mht";
        QTest::newRow("unfinished save name") << "marks1KWY6.txt.kwsave-Ab12Cd" << "marks1KWY6.txt.kwsave-Ab12Cd";
        QTest::newRow("graphics folder") << "Graphics" << "";
    }
    void leftoversNeverLeadOutOfTheFolder()
    {
        QFETCH(QString, link);
        QFETCH(QString, target);
        QTemporaryDir outside;
        QTemporaryDir dir;
        // Outside: files whose names the program would clean up beside it.
        write(outside.filePath(QStringLiteral("temppaper11001.mht")), "theirs");
        write(outside.filePath(QStringLiteral("marks1KWY6.txt.kwsave-Ab12Cd")), "theirs");
        write(outside.filePath(QStringLiteral("bullet.bmp.kwsave-Ab12Cd")), "theirs");
        QVERIFY(QFile::link(target.isEmpty() ? outside.path() : outside.filePath(target), dir.filePath(link)));
        const QStringList before = entries(outside.path());
        removeLeftovers(dir.path());
        QCOMPARE(entries(outside.path()), before);
        QVERIFY(QFileInfo(dir.filePath(link)).isSymLink());
    }

    void graphicsInAFolderThatCannotBeMade()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QCOMPARE(extractGraphics(dir.filePath(QStringLiteral("file"))).size(), int(kSkinFiles.size()));
    }

    void markingKilledAtAnyWriteIsWholeAfterRestart_data()
    {
        QTest::addColumn<WriteStep>("step");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("committed");
        const std::pair<WriteStep, const char *> steps[] = {{WriteStep::Open, "open"},
                                                            {WriteStep::Write, "write"},
                                                            {WriteStep::Flush, "flush"},
                                                            {WriteStep::Sync, "sync"},
                                                            {WriteStep::Rename, "rename"}};
        // In the order a marking writes them; the journal's save is the commit point.
        const char *const files[] = {"marking3FIX1.txt", "fresults3FIX1.txt", "marks3FIX1.txt", "trend3FIX1.txt"};
        for (const char *file : files) {
            for (const auto &[step, name] : steps)
                QTest::addRow("%s of %s", name, file) << step << QString::fromLatin1(file) << (file != files[0]);
        }
    }
    void markingKilledAtAnyWriteIsWholeAfterRestart()
    {
        QFETCH(WriteStep, step);
        QFETCH(QString, file);
        QFETCH(bool, committed);
        QTemporaryDir dir;
        QTemporaryDir reference;
        QString problem;
        QVERIFY(prepareCourse(dir.path(), &problem, FileWriter()).unwritable.isEmpty());
        QVERIFY(prepareCourse(reference.path(), &problem, FileWriter()).unwritable.isEmpty());
        QCOMPARE(problem, QString());
        const QByteArrayList old = markingFiles(dir.path());
        markPaper103(reference.path(), FileWriter());
        const QByteArrayList marked = markingFiles(reference.path());
        QCOMPARE(marked.constLast(), QByteArray("#TRD#>66.7\r\n"));

        const FileWriter failing([&](WriteStep at, const QString &path) {
            return at == step && QFileInfo(path).fileName() == file;
        });
        QVERIFY_THROWS_EXCEPTION(RuntimeError, markPaper103(dir.path(), failing));

        // The program stops here; the next start sees all or nothing.
        const CourseStart start = prepareCourse(dir.path(), &problem, FileWriter());
        QCOMPARE(problem, QString());
        QCOMPARE(start.unwritable, QStringList());
        QCOMPARE(start.damagedSubjects, (QMap<int, QString>()));
        QCOMPARE(markingFiles(dir.path()), committed ? marked : old);
        QVERIFY(!QFileInfo::exists(markingJournalPath(dir.path(), 3, kCode)));

        // Marking once more never counts the paper twice.
        markPaper103(dir.path(), FileWriter());
        QCOMPARE(markingFiles(dir.path()), marked);
    }

    void startCompletesAMarkingOnlyOnce()
    {
        QTemporaryDir dir;
        QString problem;
        prepareCourse(dir.path(), &problem, FileWriter());
        QVERIFY_THROWS_EXCEPTION(RuntimeError,
                                 markPaper103(dir.path(), FileWriter([](WriteStep step, const QString &path) {
                                                  return step == WriteStep::Sync && path.endsWith(QLatin1String("/trend3FIX1.txt"));
                                              })));
        // A start that cannot finish it keeps the journal and says so.
        const CourseStart blocked = prepareCourse(dir.path(), &problem, readOnlyBelow(dir.path()));
        QCOMPARE(blocked.unwritable, QStringList{markingJournalPath(dir.path(), 3, kCode)});
        QVERIFY(QFileInfo::exists(markingJournalPath(dir.path(), 3, kCode)));
        QCOMPARE(prepareCourse(dir.path(), &problem, FileWriter()).unwritable, QStringList());
        const QByteArrayList first = markingFiles(dir.path());
        QCOMPARE(first.constLast(), QByteArray("#TRD#>66.7\r\n"));
        prepareCourse(dir.path(), &problem, FileWriter());
        QCOMPARE(markingFiles(dir.path()), first);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
