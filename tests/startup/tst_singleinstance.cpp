// One copy of the program per data folder: in-process for the lock and the
// call to the first copy, then with the real player started twice.

#include "startup/singleinstance.h"

#include <QFile>
#include <QHostInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "testfiles.h"

using namespace kw;

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void oneCopyPerFolder()
    {
        QTemporaryDir folder;
        SingleInstance first(folder.path());
        QVERIFY(first.acquire());
        QSignalSpy asked(&first, &SingleInstance::activationRequested);
        SingleInstance second(folder.path());
        QVERIFY(!second.acquire());
        QVERIFY(asked.wait(5000));
        QCOMPARE(asked.size(), 1);

        QTemporaryDir elsewhere;
        SingleInstance other(elsewhere.path());
        QVERIFY(other.acquire());
    }

    void theFolderIsFreeAgainWhenTheCopyEnds()
    {
        QTemporaryDir folder;
        {
            SingleInstance first(folder.path());
            QVERIFY(first.acquire());
        }
        SingleInstance next(folder.path());
        QVERIFY(next.acquire());
    }

    void aLockLeftByACopyThatDiedIsTakenOver()
    {
        QTemporaryDir folder;
        // The lock of a process that no longer runs on this machine.
        kwtest::write(folder.filePath(QStringLiteral("kwpractice.lock")),
                      "2147483646\nkwpractice\n" + QHostInfo::localHostName().toUtf8() + "\n");
        SingleInstance next(folder.path());
        QVERIFY(next.acquire());
    }

    void aSecondStartLeavesTheFirstCopysFilesAlone()
    {
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("kwpractice"));
        QVERIFY(QFile::copy(QStringLiteral(KWPRACTICE_PATH), program));
        QProcess first;
        first.start(program, {});
        const QString graphics = folder.filePath(QStringLiteral("Graphics/Logo.gif"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.filePath(QStringLiteral("kwpractice.lock"))) && QFile::exists(graphics),
                                 30000);
        // A page the first copy shows, and an answer it is about to save.
        const QString page = folder.filePath(QStringLiteral("temppaper11001.mht"));
        kwtest::write(page, "page on show");

        QProcess second;
        second.start(program, {});
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += second.readAllStandardError()).contains("already open"), 30000);
        QCOMPARE(kwtest::readAll(page), QByteArray("page on show"));
        QCOMPARE(first.state(), QProcess::Running);
        second.kill();
        second.waitForFinished();
        first.kill();
        first.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
