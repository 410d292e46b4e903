// The player's command line: --help, --version, --data-folder and what a
// mistake gets, from the real program.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kProgram = QStringLiteral(KWPRACTICE_PATH);

// "<tmp>" in a row stands for the test's temporary folder, "<bin>" for the
// player's own folder.
QString expand(QString text, const QString &temporary)
{
    return text.replace(QStringLiteral("<tmp>"), temporary)
        .replace(QStringLiteral("<bin>"), QFileInfo(kProgram).absolutePath());
}

bool holdsResults(const QString &folder)
{
    return !QDir(folder).entryList({QStringLiteral("marks*.txt")}, QDir::Files).isEmpty();
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");   // all of standard output, or its start when it ends in "..."
        QTest::addColumn<QString>("error");    // all of standard error, or its start when it ends in "..."
        QTest::addColumn<QString>("createdFolder"); // a folder the answer made, or ""

        const QString version = QStringLiteral("kwpractice " KW_VERSION "\n");
        const QString tryHelp = QStringLiteral("Try 'kwpractice --help' for the options.\n");
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0 << QStringLiteral("Usage: ...")
                              << QString() << QString();
        QTest::newRow("short help") << QStringList{QStringLiteral("-h")} << 0 << QStringLiteral("Usage: ...")
                                    << QString() << QString();
        QTest::newRow("version, beside a writable program")
            << QStringList{QStringLiteral("--version")} << 0
            << version + QStringLiteral("Results are kept in <bin>\n") << QString() << QString();
        QTest::newRow("version with a data folder")
            << QStringList{QStringLiteral("--version"), QStringLiteral("--data-folder"), QStringLiteral("<tmp>/a/b")}
            << 0 << version + QStringLiteral("Results are kept in <tmp>/a/b\n") << QString()
            << QStringLiteral("<tmp>/a/b");
        QTest::newRow("version with a relative data folder")
            << QStringList{QStringLiteral("--data-folder=shared/../pupil"), QStringLiteral("-v")} << 0
            << version + QStringLiteral("Results are kept in <tmp>/pupil\n") << QString()
            << QStringLiteral("<tmp>/pupil");
        QTest::newRow("version with a data folder that cannot be made")
            << QStringList{QStringLiteral("--version"), QStringLiteral("--data-folder"),
                           QStringLiteral("<tmp>/file/below")}
            << 0 << version + QStringLiteral("Your results cannot be saved in <tmp>/file/below: ...") << QString()
            << QString();
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")} << 2 << QString()
                                        << "kwpractice: Unknown option 'bogus'.\n" + tryHelp << QString();
        QTest::newRow("Qt's own help") << QStringList{QStringLiteral("--help-all")} << 2 << QString()
                                       << "kwpractice: Unknown option 'help-all'.\n" + tryHelp << QString();
        QTest::newRow("stray argument") << QStringList{QStringLiteral("paper.txt")} << 2 << QString()
                                        << "kwpractice: unexpected argument 'paper.txt'\n" + tryHelp << QString();
        QTest::newRow("data folder without a folder")
            << QStringList{QStringLiteral("--data-folder")} << 2 << QString()
            << "kwpractice: Missing value after '--data-folder'.\n" + tryHelp << QString();
        QTest::newRow("empty data folder") << QStringList{QStringLiteral("--data-folder=")} << 2 << QString()
                                           << "kwpractice: --data-folder needs a folder\n" + tryHelp << QString();
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QFETCH(QString, createdFolder);
        QTemporaryDir temporary;
        QVERIFY(temporary.isValid());
        QFile file(temporary.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        for (QString &argument : arguments)
            argument = expand(argument, temporary.path());

        QProcess player;
        player.setWorkingDirectory(temporary.path());
        player.start(kProgram, arguments);
        QVERIFY(player.waitForFinished(30000));
        QCOMPARE(player.exitStatus(), QProcess::NormalExit);
        const QString out = QString::fromLocal8Bit(player.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(player.readAllStandardError());
        QVERIFY2(player.exitCode() == status, qPrintable(err));
        const auto check = [&temporary](const QString &actual, const QString &expected) {
            const QString wanted = expand(expected, temporary.path());
            return wanted.endsWith(QStringLiteral("..."))
                       ? actual.startsWith(wanted.chopped(3))
                       : actual == wanted;
        };
        QVERIFY2(check(out, output), qPrintable(out));
        QVERIFY2(check(err, error), qPrintable(err));
        if (!createdFolder.isEmpty())
            QVERIFY(QFileInfo(expand(createdFolder, temporary.path())).isDir());
    }

    void helpNamesEveryOption()
    {
        QProcess player;
        player.start(kProgram, {QStringLiteral("--help")});
        QVERIFY(player.waitForFinished(30000));
        const QByteArray help = player.readAllStandardOutput();
        for (const char *option : {"--help", "--version", "--data-folder <folder>"})
            QVERIFY2(help.contains(option), option);
    }

    void dataFolderKeepsTheResults()
    {
        QTemporaryDir temporary;
        QVERIFY(temporary.isValid());
        const QString folder = temporary.filePath(QStringLiteral("shared drive/pupil"));
        QProcess player;
        player.start(kProgram, {QStringLiteral("--data-folder"), folder});
        QVERIFY(player.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(holdsResults(folder) || player.state() == QProcess::NotRunning, 30000);
        QVERIFY2(player.state() == QProcess::Running, player.readAllStandardError().constData());
        QVERIFY(QFileInfo(folder + QStringLiteral("/Graphics")).isDir());
        player.kill();
        player.waitForFinished();
    }

    void unusableDataFolderIsReported()
    {
        QTemporaryDir temporary;
        QVERIFY(temporary.isValid());
        QFile file(temporary.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QProcess player;
        player.start(kProgram, {QStringLiteral("--data-folder"), file.fileName() + QStringLiteral("/below")});
        QVERIFY(player.waitForStarted());
        // The same words are then shown in a message box, which waits for the pupil.
        QByteArray error;
        QTRY_VERIFY_WITH_TIMEOUT((error += player.readAllStandardError()).contains("cannot be created or written to")
                                     || player.state() == QProcess::NotRunning,
                                 30000);
        QVERIFY2(error.contains("kwpractice: Your results cannot be saved in " + QFile::encodeName(file.fileName())),
                 error.constData());
        QVERIFY(!QFileInfo::exists(file.fileName() + QStringLiteral("/below/Graphics")));
        player.kill();
        player.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
