#include "startup/skinfiles.h"
#include "startup/startup.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace kw;

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void dataFolder_data()
    {
        QTest::addColumn<bool>("appWritable");
        QTest::addColumn<bool>("userWritable");
        QTest::addColumn<QString>("chosen"); // "app", "user" or ""
        QTest::newRow("beside the program") << true << true << "app";
        QTest::newRow("read-only install") << false << true << "user";
        QTest::newRow("nowhere to write") << false << false << "";
    }
    void dataFolder()
    {
        QFETCH(bool, appWritable);
        QFETCH(bool, userWritable);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        // A folder below a plain file can never be created, not even by root.
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        const QString unwritable = dir.filePath(QStringLiteral("file/folder"));
        const QString app = appWritable ? dir.filePath(QStringLiteral("app")) : unwritable;
        const QString user = userWritable ? dir.filePath(QStringLiteral("user/data")) : unwritable;
        const QString expected = chosen == QLatin1String("app") ? app : chosen == QLatin1String("user") ? user : QString();
        QCOMPARE(chooseDataFolder(app, user), expected);
        if (!expected.isEmpty())
            QCOMPARE(QDir(expected).entryList(QDir::Files | QDir::Hidden), QStringList()); // no probe left behind
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
        QTest::newRow("unfinished save") << "marks2KWY6.txt.Ab12Cd" << true;
        QTest::newRow("progress file") << "marks2KWY6.txt" << false;
        QTest::newRow("someone else's text") << "notes.txt" << false;
        QTest::newRow("save suffix of the wrong length") << "trend1KWY6.txt.Ab12C" << false;
    }
    void leftoversAreRemoved()
    {
        QFETCH(QString, name);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        removeLeftovers(dir.path());
        QCOMPARE(QFile::exists(dir.filePath(name)), !removed);
    }

    void graphicsInAFolderThatCannotBeMade()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QCOMPARE(extractGraphics(dir.filePath(QStringLiteral("file"))).size(), int(kSkinFiles.size()));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
