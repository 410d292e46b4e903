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
        QCOMPARE(ChooseDataFolder(app, user), expected);
        if (!expected.isEmpty())
            QCOMPARE(QDir(expected).entryList(QDir::Files | QDir::Hidden), QStringList()); // no probe left behind
    }

    void graphicsAreWrittenAndReadable()
    {
        QTemporaryDir dir;
        QCOMPARE(ExtractGraphics(dir.path()), QStringList());
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
        QCOMPARE(ExtractGraphics(dir.path()), QStringList());
        QVERIFY(QImageReader(bullet.fileName()).canRead());
    }

    void graphicsInAFolderThatCannotBeMade()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QCOMPARE(ExtractGraphics(dir.filePath(QStringLiteral("file"))).size(), int(kSkinFiles.size()));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
