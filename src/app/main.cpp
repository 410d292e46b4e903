#include "data/clock.h"
#include "data/filewriter.h"
#include "mainwindow/mainwindow.h"
#include "practice/practicewindow.h"
#include "startup/singleinstance.h"
#include "startup/startup.h"

#include "mainwindow/aboutpage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include <cstdio>
#include <optional>

namespace {

int ask(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton *> added;
    for (const QString &caption : buttons)
        added.append(box.addButton(caption, QMessageBox::AcceptRole));
    box.exec();
    return int(added.indexOf(box.clickedButton()));
}

// Where this copy keeps its files: the folder named on the command line,
// else beside a copy run from a writable folder (a memory stick), else in
// the pupil's own data folder, always for an installed copy.
kw::DataFolder chooseFolder(const QString &given)
{
    if (!given.isNull())
        return kw::givenDataFolder(given);
    const QString appFolder = QCoreApplication::applicationDirPath();
    const bool installed = kw::isInstalledProgramFolder(appFolder, QStringLiteral(KW_INSTALLED_METAINFO));
    return kw::chooseDataFolder(installed ? QString() : appFolder,
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString resultsFolderText(const QString &folder)
{
    return QStringLiteral("Results are kept in %1").arg(QDir::toNativeSeparators(folder));
}

struct CommandLine {
    QString dataFolder;            // null: the usual folder
    std::optional<int> exitStatus; // set: the program has answered and ends
};

// Reads the command line before any window can be made, so that --help,
// --version and a mistyped option work without a display. A mistake ends the
// program with status 2.
CommandLine readCommandLine(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Kestrelworks practice papers: work a course's papers question by question, have them marked and "
        "follow your scores."));
    // Not addHelpOption(): its --help-all lists Qt's own options, which this
    // early reading would refuse.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on the command line options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption dataFolder(
        QStringLiteral("data-folder"),
        QStringLiteral("Keep results, graphics and page files in <folder> (for example on a shared drive) "
                       "instead of the usual place, which --version names."),
        QStringLiteral("folder"));
    parser.addOption(dataFolder);

    const auto refuse = [](const QString &problem) {
        std::fprintf(stderr, "kwpractice: %s\nTry 'kwpractice --help' for the options.\n", qPrintable(problem));
        return CommandLine{QString(), 2};
    };
    if (!parser.parse(QCoreApplication::arguments()))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(dataFolder) && parser.value(dataFolder).isEmpty())
        return refuse(QStringLiteral("--data-folder needs a folder"));
    CommandLine command;
    if (parser.isSet(dataFolder))
        command.dataFolder = parser.value(dataFolder);

    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        command.exitStatus = 0;
    } else if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        const kw::DataFolder folder = chooseFolder(command.dataFolder);
        if (folder.path.isEmpty()) {
            std::printf("%s\n", qPrintable(folder.problem));
        } else {
            std::printf("%s\n", qPrintable(resultsFolderText(folder.path)));
            if (!folder.copiedFiles.isEmpty())
                std::printf("Earlier results were copied there from the program's folder: %s\n",
                            qPrintable(folder.copiedFiles.join(QStringLiteral(", "))));
        }
        command.exitStatus = 0;
    }
    return command;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("kwpractice"));
    QCoreApplication::setOrganizationName(QStringLiteral("Kestrelworks"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KW_VERSION));
    const CommandLine command = readCommandLine(argc, argv);
    if (command.exitStatus)
        return *command.exitStatus;

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(KW_APP_ID));

    const kw::DataFolder dataFolder = chooseFolder(command.dataFolder);
    if (dataFolder.path.isEmpty()) {
        std::fprintf(stderr, "kwpractice: %s\n", qPrintable(dataFolder.problem));
        QMessageBox::critical(nullptr, QStringLiteral("Kestrelworks"), dataFolder.problem);
        return 1;
    }
    const QString folder = dataFolder.path;
    if (!dataFolder.copiedFiles.isEmpty())
        QMessageBox::information(nullptr, QStringLiteral("Kestrelworks"),
                                 QStringLiteral("The program's folder cannot be written to, so your results are now "
                                                "kept in your own data folder. Your earlier results were copied "
                                                "there:\n%1")
                                     .arg(dataFolder.copiedFiles.join(QLatin1Char('\n'))));

    kw::SingleInstance instance(folder);
    if (!instance.acquire()) {
        std::fprintf(stderr, "kwpractice: already open on this data folder\n");
        QMessageBox::information(nullptr, QStringLiteral("Kestrelworks"),
                                 QStringLiteral("Kestrelworks is already open. Its window has been brought "
                                                "forward: carry on working there."));
        return 0;
    }

    kw::SystemClock clock;
    const kw::FileWriter writer;
    kw::MainWindowContext context;
    context.folder = folder;
    context.clock = &clock;
    context.writer = &writer;
    context.ask = [](const QString &title, const QString &text, const QStringList &buttons) {
        return ask(nullptr, title, text, buttons);
    };
    kw::MainWindow window(context);
    QObject::connect(&instance, &kw::SingleInstance::activationRequested, &window, [&window]() {
        QWidget *front = window.practiceWindow() ? static_cast<QWidget *>(window.practiceWindow()) : &window;
        front->showNormal();
        front->raise();
        front->activateWindow();
    });
    window.aboutPage()->setResultsFolder(folder);
    window.show();
    return app.exec();
}
