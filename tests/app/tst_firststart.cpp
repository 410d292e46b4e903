// Starts the real player, copied alone into an empty folder, and checks what
// it leaves on disk at a first and at a second start.

#include "startup/skinfiles.h"
#include "data/catalogue.h"
#include "data/progressfiles.h"
#include "data/resources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "testfiles.h"

using namespace kw;
using kwtest::readAll;
using kwtest::write;

namespace {

QByteArray templateBytes(int subject, ProgressFile file)
{
    return readAll(resourcePath(progressTemplateResource(subject, int(file)), QStringLiteral("Custom")));
}

class Player {
public:
    explicit Player(const QString &program) { m_process.setProgram(program); }
    ~Player() { stop(); }
    void start() { m_process.start(); }
    void stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    bool running() const { return m_process.state() == QProcess::Running; }

private:
    QProcess m_process;
};

} // namespace

class TestFirstStart : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_program;
    Catalogue m_catalogue;

    QStringList progressFiles() const
    {
        QStringList paths;
        for (int s = 1; s <= 3; ++s) {
            if (!m_catalogue.hasSubject(s))
                continue;
            for (ProgressFile file : kProgressFiles)
                paths << progressFilePath(m_dir.path(), file, s, m_catalogue.code);
        }
        return paths;
    }
    bool allThere() const
    {
        if (QDir(m_dir.filePath(QStringLiteral("Graphics"))).entryList(QDir::Files).size() != qsizetype(kSkinFiles.size()))
            return false;
        for (const QString &path : progressFiles()) {
            if (!QFile::exists(path))
                return false;
        }
        return !QFile::exists(m_dir.filePath(QStringLiteral("temptext30000.txt")));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_catalogue = loadCatalogue();
        QVERIFY(!m_catalogue.code.isEmpty());
        m_program = m_dir.filePath(QStringLiteral("kwpractice"));
        QVERIFY(QFile::copy(QStringLiteral(KWPRACTICE_PATH), m_program));
    }

    void firstStart()
    {
        Player player(m_program);
        player.start();
        QTRY_VERIFY_WITH_TIMEOUT(allThere(), 30000);
        QVERIFY(player.running());
        for (int s = 1; s <= 3; ++s) {
            if (!m_catalogue.hasSubject(s)) {
                QVERIFY(!QFile::exists(progressFilePath(m_dir.path(), ProgressFile::Marks, s, m_catalogue.code)));
                continue;
            }
            for (ProgressFile file : kProgressFiles)
                QCOMPARE(readAll(progressFilePath(m_dir.path(), file, s, m_catalogue.code)), templateBytes(s, file));
        }
    }

    void secondStartKeepsResults()
    {
        int subject = 3;
        while (subject > 1 && !m_catalogue.hasSubject(subject))
            --subject;
        const QString marks = progressFilePath(m_dir.path(), ProgressFile::Marks, subject, m_catalogue.code);
        const QString trend = progressFilePath(m_dir.path(), ProgressFile::Trend, subject, m_catalogue.code);
        QByteArray stored = templateBytes(subject, ProgressFile::Marks);
        stored.replace("#FSE#>", "#FSE#>87.5");
        stored.replace("#FST#>0", "#FST#>1");
        QFile f(marks);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(stored);
        f.close();
        QVERIFY(QFile::remove(trend));
        const QString logo = m_dir.filePath(QStringLiteral("Graphics/Logo.gif"));
        QVERIFY(QFile::remove(logo));

        Player player(m_program);
        player.start();
        QTRY_VERIFY_WITH_TIMEOUT(allThere() && QFile::exists(logo), 30000);
        QCOMPARE(readAll(marks), stored);
        QCOMPARE(readAll(trend), QByteArray("#TRD#\r\n"));
        QVERIFY(player.running());
    }

    void readOnlyProgramFolderKeepsEarlierResults()
    {
        if (::geteuid() != 0)
            QSKIP("A read-only program folder needs root, to mount it read-only in a private mount namespace.");
        const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
        if (unshare.isEmpty())
            QSKIP("A read-only program folder needs unshare (util-linux), which is not installed.");
        QList<QByteArray> earlier;
        for (const QString &path : progressFiles())
            earlier.append(readAll(path));
        QVERIFY(!earlier.contains("<missing>"));

        QTemporaryDir home;
        const QString userFolder = home.filePath(QStringLiteral("Kestrelworks/kwpractice"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        QProcess player;
        player.setProcessEnvironment(environment);
        player.start(unshare, {QStringLiteral("-m"), QStringLiteral("--propagation"), QStringLiteral("private"),
                               QStringLiteral("sh"), QStringLiteral("-c"),
                               QStringLiteral("mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\" "
                                              "|| exit 77; exec \"$1/kwpractice\""),
                               QStringLiteral("sh"), m_dir.path()});
        QVERIFY(player.waitForStarted());
        const auto copied = [&]() {
            const QStringList paths = progressFiles();
            for (qsizetype i = 0; i < paths.size(); ++i) {
                if (readAll(userFolder + QLatin1Char('/') + QFileInfo(paths.at(i)).fileName()) != earlier.at(i))
                    return false;
            }
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(copied() || player.state() == QProcess::NotRunning, 30000);
        if (player.state() == QProcess::NotRunning && player.exitCode() == 77)
            QSKIP("No private mount namespace with a read-only bind mount here.");
        QVERIFY2(copied(), qPrintable(QString::fromLocal8Bit(player.readAllStandardError())));
        QCOMPARE(player.state(), QProcess::Running); // telling the pupil where the results went
        player.kill();
        player.waitForFinished();
        // The program's folder was only read.
        const QStringList paths = progressFiles();
        for (qsizetype i = 0; i < paths.size(); ++i)
            QCOMPARE(readAll(paths.at(i)), earlier.at(i));
    }
};

QTEST_GUILESS_MAIN(TestFirstStart)
#include "tst_firststart.moc"
