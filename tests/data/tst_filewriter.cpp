#include "data/filewriter.h"
#include "data/runtimeerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "testfiles.h"

using namespace kw;
using kwtest::readAll;
using kwtest::write;

Q_DECLARE_METATYPE(kw::WriteStep)

namespace {

const char kFullDiskOption[] = "--save-on-full-disk";

// Everything in folder whose name shows it is one of the writer's temporaries.
QStringList temporaries(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.kwsave-*")}, QDir::AllEntries | QDir::Hidden | QDir::System);
}

// Runs inside a private mount namespace, on a tiny file system of its own:
// fills it, then saves over a progress file. Prints what went wrong, if
// anything, and exits 0 only when the save failed with a message and left the
// old file as it was.
int saveOnFullDisk(const QString &folder)
{
    std::printf("helper started\n");
    const QString path = folder + QStringLiteral("/first1KWY6.txt");
    const QByteArray old = "#101#>a>b\r\n#102#>>\r\n";
    write(path, old);
    QFile filler(folder + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        std::printf("cannot create the filler file\n");
        return 1;
    }
    const QByteArray block(4096, 'x');
    qint64 filled = 0;
    while (filler.write(block) == block.size())
        filled += block.size();
    filler.close();
    std::printf("filled %lld bytes\n", static_cast<long long>(filled));

    QByteArray next;
    for (int paper = 101; paper <= 135; ++paper)
        next += "#" + QByteArray::number(paper) + "#>an answer>another answer\r\n";
    try {
        FileWriter().write(path, next);
        std::printf("the save reported success on a full disk; the file now holds %lld bytes\n",
                    static_cast<long long>(readAll(path).size()));
        return 1;
    } catch (const RuntimeError &error) {
        std::printf("refused: %s\n", qPrintable(error.detail()));
        if (!error.detail().contains(QLatin1String("first1KWY6.txt")) || error.detail().contains(folder)) {
            std::printf("the message does not name the file alone\n");
            return 1;
        }
    }
    if (readAll(path) != old) {
        std::printf("the old file changed: it holds %lld bytes\n", static_cast<long long>(readAll(path).size()));
        return 1;
    }
    if (!temporaries(folder).isEmpty()) {
        std::printf("a temporary was left behind\n");
        return 1;
    }
    return 0;
}

} // namespace

class TestFileWriter : public QObject {
    Q_OBJECT

private slots:
    void replacesTheFile_data()
    {
        QTest::addColumn<bool>("existed");
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("new file") << false << QByteArray() << QByteArray("#TRD#\r\n");
        QTest::newRow("shorter over longer") << true << QByteArray("#TRD#>50>66.7>100\r\n") << QByteArray("#TRD#\r\n");
        QTest::newRow("longer over shorter") << true << QByteArray("#TRD#\r\n") << QByteArray("#TRD#>50>66.7\r\n");
        QTest::newRow("nothing over something") << true << QByteArray("#TRD#\r\n") << QByteArray();
        QTest::newRow("every byte value") << true << QByteArray("x") << [] {
            QByteArray all;
            for (int i = 0; i < 256; ++i)
                all += char(i);
            return all;
        }();
    }
    void replacesTheFile()
    {
        QFETCH(bool, existed);
        QFETCH(QByteArray, old);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("trend1KWY6.txt"));
        if (existed)
            write(path, old);
        FileWriter().write(path, bytes);
        QCOMPARE(readAll(path), bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("trend1KWY6.txt")});
    }

    void keepsTheFilePermissions()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("marks1KWY6.txt"));
        write(path, "old");
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
        FileWriter().write(path, "new");
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0640));
    }

    void faultAtEveryStepKeepsTheOldFile_data()
    {
        QTest::addColumn<WriteStep>("step");
        QTest::addColumn<bool>("existed");
        const std::pair<WriteStep, const char *> steps[] = {{WriteStep::Open, "open"},
                                                            {WriteStep::Write, "write"},
                                                            {WriteStep::Flush, "flush"},
                                                            {WriteStep::Sync, "sync"},
                                                            {WriteStep::Rename, "rename"}};
        for (const auto &[step, name] : steps) {
            QTest::addRow("%s, file there", name) << step << true;
            QTest::addRow("%s, no file yet", name) << step << false;
        }
    }
    void faultAtEveryStepKeepsTheOldFile()
    {
        QFETCH(WriteStep, step);
        QFETCH(bool, existed);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("first2KWY6.txt"));
        const QByteArray old = "#101#>a\r\n#102#>b\r\n";
        if (existed)
            write(path, old);
        QList<WriteStep> reached;
        QStringList paths;
        const FileWriter writer([&](WriteStep at, const QString &target) {
            reached.append(at);
            paths.append(target);
            return at == step;
        });
        try {
            writer.write(path, "#101#>new\r\n#102#>\r\n");
            QFAIL("the save reported success");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), ErrorKind::FileAccess);
            QVERIFY2(error.detail().startsWith(QLatin1String("first2KWY6.txt")), qPrintable(error.detail()));
            QVERIFY2(!error.detail().contains(dir.path()), qPrintable(error.detail()));
        }
        if (existed)
            QCOMPARE(readAll(path), old);
        else
            QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(temporaries(dir.path()), QStringList());
        // Every step before the failing one ran, in order, on the target.
        QCOMPARE(reached.constLast(), step);
        for (qsizetype i = 0; i < reached.size(); ++i)
            QCOMPARE(int(reached.at(i)), int(i));
        QCOMPARE(paths, QStringList(reached.size(), path));
    }

    void refusesWhatIsNotAPlainFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("link to a file outside the folder") << "link" << "link";
        QTest::newRow("link to nowhere") << "dangling link" << "link";
        QTest::newRow("folder") << "folder" << "folder";
        QTest::newRow("named pipe") << "fifo" << "not a plain file";
    }
    void refusesWhatIsNotAPlainFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir outside;
        QTemporaryDir dir;
        const QString elsewhere = outside.filePath(QStringLiteral("elsewhere.txt"));
        const QString path = dir.filePath(QStringLiteral("marks3KWY6.txt"));
        if (kind == QLatin1String("link")) {
            write(elsewhere, "someone else's file");
            QVERIFY(QFile::link(elsewhere, path));
        } else if (kind == QLatin1String("dangling link")) {
            QVERIFY(QFile::link(elsewhere, path));
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(path));
        } else {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        try {
            FileWriter().write(path, "#TRD#\r\n");
            QFAIL("the save reported success");
        } catch (const RuntimeError &error) {
            QVERIFY2(error.detail().startsWith(QLatin1String("marks3KWY6.txt")), qPrintable(error.detail()));
            QVERIFY2(error.detail().contains(reason), qPrintable(error.detail()));
        }
        if (kind == QLatin1String("link"))
            QCOMPARE(readAll(elsewhere), QByteArray("someone else's file"));
        else
            QVERIFY(!QFileInfo::exists(elsewhere));
        QCOMPARE(QFileInfo(path).isSymLink(), kind.endsWith(QLatin1String("link")));
        QCOMPARE(temporaries(dir.path()), QStringList());
    }

    void temporaryNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("temporary");
        QTest::newRow("its own") << "marks1KWY6.txt.kwsave-Ab12Cd" << true;
        QTest::newRow("suffix too short") << "marks1KWY6.txt.kwsave-Ab12C" << false;
        QTest::newRow("suffix too long") << "marks1KWY6.txt.kwsave-Ab12Cde" << false;
        QTest::newRow("not letters or digits") << "marks1KWY6.txt.kwsave-Ab12C." << false;
        QTest::newRow("another file's") << "first1KWY6.txt.kwsave-Ab12Cd" << false;
        QTest::newRow("a copy someone kept") << "marks1KWY6.txt.old123" << false;
        QTest::newRow("the file itself") << "marks1KWY6.txt" << false;
    }
    void temporaryNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, temporary);
        QCOMPARE(FileWriter::isTemporaryOf(name, QStringLiteral("marks1KWY6.txt")), temporary);
    }

    void theWritersTemporariesFollowTheirPattern()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("trend2KWY6.txt"));
        QStringList seen;
        const FileWriter writer([&](WriteStep step, const QString &) {
            if (step == WriteStep::Sync)
                seen = temporaries(dir.path());
            return false;
        });
        writer.write(path, "#TRD#\r\n");
        QCOMPARE(seen.size(), 1);
        QVERIFY2(FileWriter::isTemporaryOf(seen.constFirst(), QStringLiteral("trend2KWY6.txt")),
                 qPrintable(seen.constFirst()));
    }

    void fullDiskKeepsTheOldFile()
    {
        if (::geteuid() != 0)
            QSKIP("A real full disk needs root, to mount a tiny file system in a private mount namespace.");
        const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
        if (unshare.isEmpty())
            QSKIP("A real full disk needs unshare (util-linux), which is not installed.");
        QTemporaryDir mountPoint;
        QProcess helper;
        helper.start(unshare, {QStringLiteral("-m"), QStringLiteral("--propagation"), QStringLiteral("private"),
                               QStringLiteral("sh"), QStringLiteral("-c"),
                               QStringLiteral("mount -t tmpfs -o size=64k kwfulldisk \"$1\" && exec \"$2\" %1 \"$1\"")
                                   .arg(QLatin1String(kFullDiskOption)),
                               QStringLiteral("sh"), mountPoint.path(), QCoreApplication::applicationFilePath()});
        QVERIFY(helper.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(helper.readAllStandardOutput());
        const QString errors = QString::fromLocal8Bit(helper.readAllStandardError());
        if (!output.contains(QLatin1String("helper started")))
            QSKIP(qPrintable(QStringLiteral("No private mount namespace with a tiny file system here: %1").arg(errors)));
        QVERIFY2(helper.exitCode() == 0, qPrintable(output + errors));
        QVERIFY2(output.contains(QLatin1String("refused: first1KWY6.txt cannot be saved")), qPrintable(output));
        // The tiny file system lived only in the helper's namespace.
        QCOMPARE(QDir(mountPoint.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], kFullDiskOption) == 0)
        return saveOnFullDisk(QFile::decodeName(argv[2]));
    QCoreApplication app(argc, argv);
    TestFileWriter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_filewriter.moc"
