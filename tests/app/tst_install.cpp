// Installs the build into a temporary root (cmake --install with DESTDIR),
// checks what it puts there, and starts the installed player the way a
// pupil's desktop would: from a read-only install folder, with a home of its
// own.

#include "startup/skinfiles.h"
#include "data/catalogue.h"
#include "data/progressfiles.h"
#include "data/resources.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <unistd.h>

#include "testfiles.h"

using namespace kw;
using kwtest::readAll;

namespace {

const QString kAppId = QStringLiteral(KW_APP_ID);
const QString kPrefix = QStringLiteral("/usr");

// What the program does when started: exits 77 itself when the read-only
// mount cannot be made here, so that the test can skip.
const QString kReadOnlyStart = QStringLiteral(
    "mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\" || exit 77; exec \"$1$2/bin/kwpractice\"");

// Every entry under root with its size and last change, to see that nothing
// was written there.
QMap<QString, QString> snapshot(const QString &root)
{
    QMap<QString, QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries.insert(info.filePath(),
                       QStringLiteral("%1 %2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch()));
    }
    return entries;
}

// The value of key in the [Desktop Entry] group.
QString desktopValue(const QByteArray &entry, const QString &key)
{
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(entry)).captured(1);
}

// Text of the first element called name in the metainfo, and its attribute.
QString metainfoText(const QString &path, const QString &name, const QString &attribute = {})
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == name)
            return attribute.isEmpty() ? xml.readElementText() : xml.attributes().value(attribute).toString();
    }
    return {};
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir m_root; // DESTDIR
    QString m_prefix;     // the prefix inside it
    Catalogue m_catalogue;

    QString installed(const QString &path) const { return m_prefix + QLatin1Char('/') + path; }

    // The pupil's data folder under home, as the installed player finds it.
    static QString dataFolderIn(const QString &home)
    {
        return home + QStringLiteral("/.local/share/Kestrelworks/kwpractice");
    }

    bool startedIn(const QString &folder) const
    {
        if (QDir(folder + QStringLiteral("/Graphics")).entryList(QDir::Files).size() != qsizetype(kSkinFiles.size()))
            return false;
        for (int s = 1; s <= 3; ++s) {
            if (!m_catalogue.hasSubject(s))
                continue;
            for (ProgressFile file : kProgressFiles) {
                if (!QFile::exists(progressFilePath(folder, file, s, m_catalogue.code)))
                    return false;
            }
        }
        return true;
    }

    static QProcessEnvironment pupilEnvironment(const QString &home)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        for (const char *name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
            environment.remove(QString::fromLatin1(name));
        return environment;
    }

    int firstSubject() const
    {
        for (int s = 1; s <= 3; ++s) {
            if (m_catalogue.hasSubject(s))
                return s;
        }
        return 0;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_catalogue = loadCatalogue();
        QVERIFY(firstSubject() != 0);
        QProcess install;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), m_root.path());
        install.setProcessEnvironment(environment);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(KW_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(KW_BUILD_DIR), QStringLiteral("--prefix"), kPrefix});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
                 install.readAll().constData());
        m_prefix = m_root.path() + kPrefix;
    }

    void installsEveryPart_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("program");
        QTest::newRow("player") << "bin/kwpractice" << true;
        QTest::newRow("course tool") << "bin/kwcourse" << true;
        QTest::newRow("menu entry") << "share/applications/" + kAppId + ".desktop" << false;
        QTest::newRow("metainfo") << "share/metainfo/" + kAppId + ".metainfo.xml" << false;
        QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/" + kAppId + ".svg" << false;
        QTest::newRow("copyright") << "share/doc/kwpractice/copyright" << false;
        QTest::newRow("changelog") << "share/doc/kwpractice/changelog.gz" << false;
        QTest::newRow("player's manual page") << "share/man/man1/kwpractice.1.gz" << false;
        QTest::newRow("course tool's manual page") << "share/man/man1/kwcourse.1.gz" << false;
    }

    void installsEveryPart()
    {
        QFETCH(QString, path);
        QFETCH(bool, program);
        const QFileInfo info(installed(path));
        QVERIFY2(info.isFile() && info.size() > 0, qPrintable(info.filePath()));
        QCOMPARE(info.isExecutable(), program);
    }

    void iconsAreDrawnAtEachSize_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d px", size) << size;
    }

    void iconsAreDrawnAtEachSize()
    {
        QFETCH(int, size);
        const QString path = installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId));
        const QImage icon(path);
        QVERIFY2(!icon.isNull(), qPrintable(path));
        QCOMPARE(icon.size(), QSize(size, size));
        // A disc: the corners are clear, the middle is covered, and the disc is blue.
        QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(icon.pixelColor(size - 1, size - 1).alpha(), 0);
        const QColor rim = icon.pixelColor(size / 2, size / 10 + 1);
        QCOMPARE(rim.alpha(), 255);
        QVERIFY2(rim.blue() > rim.red() + 60 && rim.blue() > rim.green(), qPrintable(rim.name()));
    }

    void menuEntryNamesWhatIsInstalled()
    {
        const QByteArray entry = readAll(installed("share/applications/" + kAppId + ".desktop"));
        QCOMPARE(desktopValue(entry, QStringLiteral("Type")), QStringLiteral("Application"));
        const QString program = desktopValue(entry, QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
        QVERIFY(QFileInfo(installed(QStringLiteral("bin/") + program)).isExecutable());
        const QString icon = desktopValue(entry, QStringLiteral("Icon"));
        QVERIFY(QFile::exists(installed(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(icon))));
        QVERIFY(QFile::exists(installed(QStringLiteral("share/icons/hicolor/48x48/apps/%1.png").arg(icon))));
        QVERIFY(desktopValue(entry, QStringLiteral("Categories")).split(QLatin1Char(';')).contains(
            QStringLiteral("Education")));
        QVERIFY(!desktopValue(entry, QStringLiteral("Keywords")).isEmpty());
        QVERIFY(!desktopValue(entry, QStringLiteral("GenericName")).isEmpty());

        const QString metainfo = installed("share/metainfo/" + kAppId + ".metainfo.xml");
        QCOMPARE(metainfoText(metainfo, QStringLiteral("id")), kAppId);
        QCOMPARE(metainfoText(metainfo, QStringLiteral("launchable")), kAppId + QStringLiteral(".desktop"));
        QCOMPARE(metainfoText(metainfo, QStringLiteral("icon")), icon);
        QCOMPARE(metainfoText(metainfo, QStringLiteral("release"), QStringLiteral("version")),
                 QStringLiteral(KW_VERSION));
        QCOMPARE(metainfoText(metainfo, QStringLiteral("content_rating"), QStringLiteral("type")),
                 QStringLiteral("oars-1.1"));
        QVERIFY(metainfoText(metainfo, QStringLiteral("image")).startsWith(QStringLiteral("https://")));
    }

    void validatorsAcceptMenuEntryAndMetainfo_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("menu entry") << "desktop-file-validate"
                                    << QStringList{"share/applications/" + kAppId + ".desktop"};
        QTest::newRow("metainfo") << "appstreamcli"
                                  << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"),
                                                 QStringLiteral("--pedantic"),
                                                 "share/metainfo/" + kAppId + ".metainfo.xml"};
    }

    void validatorsAcceptMenuEntryAndMetainfo()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty())
            QSKIP(qPrintable(tool + QStringLiteral(" is not installed (scripts/dev test installs it)")));
        QProcess validator;
        validator.setWorkingDirectory(m_prefix);
        validator.setProcessChannelMode(QProcess::MergedChannels);
        validator.start(program, arguments);
        QVERIFY(validator.waitForFinished(60000));
        const QByteArray output = validator.readAll();
        QVERIFY2(validator.exitStatus() == QProcess::NormalExit && validator.exitCode() == 0, output.constData());
        // desktop-file-validate passes entries it still has hints about.
        if (tool == QLatin1String("desktop-file-validate"))
            QVERIFY2(output.isEmpty(), output.constData());
    }

    // Installed for everyone, the player keeps nothing beside itself: even
    // run by someone who could write there (root), it writes into the
    // pupil's own data folder.
    void installedPlayerKeepsResultsInHome_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read-only install folder") << true;
        QTest::newRow("install folder its user could write") << false;
    }

    void installedPlayerKeepsResultsInHome()
    {
        QFETCH(bool, readOnly);
        QProcess player;
        if (readOnly) {
            if (::geteuid() != 0)
                QSKIP("A read-only install folder needs root, to mount it read-only in a private mount namespace.");
            const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
            if (unshare.isEmpty())
                QSKIP("A read-only install folder needs unshare (util-linux), which is not installed.");
            player.setProgram(unshare);
            player.setArguments({QStringLiteral("-m"), QStringLiteral("--propagation"), QStringLiteral("private"),
                                 QStringLiteral("sh"), QStringLiteral("-c"), kReadOnlyStart, QStringLiteral("sh"),
                                 m_root.path(), kPrefix});
        } else {
            player.setProgram(installed(QStringLiteral("bin/kwpractice")));
        }
        QTemporaryDir home;
        QVERIFY(home.isValid());
        player.setProcessEnvironment(pupilEnvironment(home.path()));
        player.setWorkingDirectory(home.path());
        const QMap<QString, QString> before = snapshot(m_root.path());

        player.start();
        QVERIFY(player.waitForStarted());
        const QString data = dataFolderIn(home.path());
        QTRY_VERIFY_WITH_TIMEOUT(startedIn(data) || player.state() == QProcess::NotRunning, 30000);
        if (player.state() == QProcess::NotRunning && player.exitCode() == 77)
            QSKIP("No private mount namespace with a read-only bind mount here.");
        QVERIFY2(startedIn(data), player.readAllStandardError().constData());
        QCOMPARE(player.state(), QProcess::Running);
        player.kill();
        player.waitForFinished();

        const int subject = firstSubject();
        for (ProgressFile file : kProgressFiles)
            QCOMPARE(readAll(progressFilePath(data, file, subject, m_catalogue.code)),
                     readAll(resourcePath(progressTemplateResource(subject, int(file)), QStringLiteral("Custom"))));
        QCOMPARE(snapshot(m_root.path()), before);
    }

    void pupilsNeverShareResults()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        QVERIFY(first.isValid() && second.isValid());
        const int subject = firstSubject();
        const QString firstMarks = progressFilePath(dataFolderIn(first.path()), ProgressFile::Marks, subject,
                                                    m_catalogue.code);
        const QString secondMarks = progressFilePath(dataFolderIn(second.path()), ProgressFile::Marks, subject,
                                                     m_catalogue.code);

        // The first pupil has a score; the second starts on the same computer.
        QVERIFY(QDir().mkpath(dataFolderIn(first.path())));
        QByteArray scored = readAll(resourcePath(progressTemplateResource(subject, int(ProgressFile::Marks)),
                                                 QStringLiteral("Custom")));
        scored.replace("#FSE#>", "#FSE#>87.5");
        scored.replace("#FST#>0", "#FST#>1");
        kwtest::write(firstMarks, scored);

        for (const QTemporaryDir *home : {&first, &second}) {
            QProcess player;
            player.setProcessEnvironment(pupilEnvironment(home->path()));
            player.start(installed(QStringLiteral("bin/kwpractice")), {});
            QVERIFY(player.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(startedIn(dataFolderIn(home->path())) || player.state() == QProcess::NotRunning,
                                     30000);
            QVERIFY2(player.state() == QProcess::Running, player.readAllStandardError().constData());
            player.kill();
            player.waitForFinished();
        }
        QCOMPARE(readAll(firstMarks), scored);
        QCOMPARE(readAll(secondMarks), readAll(resourcePath(progressTemplateResource(subject, int(ProgressFile::Marks)),
                                                            QStringLiteral("Custom"))));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
