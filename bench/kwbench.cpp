// Measures the player on the real course, headless, in folders of its own
// that are removed afterwards. Prints one line per figure: name value unit.
//
// Start-up is timed from process start: kwbench starts copies of itself that
// open the main window (or, for comparison, an empty window) and say so on
// standard output as soon as it is shown.
//
// The idle processor time comes from copies too: one with the main and a
// practice window open, then kwidlefloor, each left 20 s without input.
// Both print how often their windows were redrawn meanwhile: the figures
// compare only while those rates are alike. kwbench --idle measures only
// that. Run it on an X display (an Xvfb will do): on the offscreen platform
// nothing composes the windows, which is where most of the idle time goes.

#include "checking/marking.h"
#include "data/clock.h"
#include "data/filewriter.h"
#include "data/papercontent.h"
#include "mainwindow/mainwindow.h"
#include "practice/papersession.h"
#include "practice/practicewindow.h"
#include "practice/questionviewer.h"
#include "startup/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

#include "idlecpu.h"

using namespace kw;

namespace {

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

void print(const char *name, double value, const char *unit)
{
    std::printf("%s %.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

bool waitForPage(PracticeWindow *window)
{
    QSignalSpy loaded(window->viewer(), &QuestionViewer::pageLoaded);
    return loaded.wait(30000);
}

// What a main window in a bench folder runs with: the system clock and the
// real writer, and whatever it asks printed and answered with the first button.
struct PlayerSetup {
    SystemClock clock;
    const FileWriter writer;

    MainWindowContext context(const QString &folder) const
    {
        MainWindowContext made;
        made.folder = folder;
        made.clock = &clock;
        made.writer = &writer;
        made.ask = [](const QString &, const QString &text, const QStringList &) {
            std::fprintf(stderr, "kwbench: asked \"%s\"\n", qPrintable(text));
            return 0;
        };
        return made;
    }
};

struct Largest {
    int subject = 0;
    int paper = 0;
    PaperContent content;
};

Largest largestPaper(const Catalogue &catalogue)
{
    Largest largest;
    for (int subject = 1; subject <= 3; ++subject) {
        if (!catalogue.hasSubject(subject))
            continue;
        const SubjectContent tables(subject);
        for (int paper = 101; paper <= 100 + catalogue.subject(subject).paperCount; ++paper) {
            PaperContent content = tables.paper(paper);
            if (content.slotCount() > largest.content.slotCount())
                largest = {subject, paper, content};
        }
    }
    return largest;
}

const char kShown[] = "shown";
const QString kMainWindowRole = QStringLiteral("--startup-main-window");
const QString kEmptyWindowRole = QStringLiteral("--startup-empty-window");
constexpr int kStartupRounds = 7;

// Shows window, then tells the measuring copy and leaves at once.
int announceShown(QWidget &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window, 30000))
        return 1;
    std::printf("%s\n", kShown);
    std::fflush(stdout);
    return 0;
}

// What the player does from its start until its main window is shown with
// the first subject loaded, with the data folder given on its command line.
int startMainWindow(int argc, char *argv[], const QString &folderPath)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kwpractice"));
    QApplication::setOrganizationName(QStringLiteral("Kestrelworks"));
    const PlayerSetup setup;
    const DataFolder folder = givenDataFolder(folderPath, setup.writer);
    if (folder.path.isEmpty())
        return 1;
    MainWindow window(setup.context(folder.path));
    if (!window.subjectUsable(window.chosenSubject())) {
        std::fprintf(stderr, "kwbench: no subject was loaded\n");
        return 1;
    }
    return announceShown(window);
}

int startEmptyWindow(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(760, 560);
    return announceShown(window);
}

// Milliseconds from starting a copy of kwbench in role until it says its
// window is shown; negative, with the reason on standard error, when it
// never does or does not end cleanly.
double timeStart(const QStringList &role)
{
    QProcess copy;
    copy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    copy.start(QCoreApplication::applicationFilePath(), role);
    while (copy.waitForReadyRead(30000)) {
        if (copy.canReadLine() && copy.readLine().trimmed() == kShown) {
            const double elapsed = timer.nsecsElapsed() / 1e6;
            if (copy.waitForFinished(30000) && copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0)
                return elapsed;
            std::fprintf(stderr, "kwbench: %s showed its window but did not end cleanly (%s)\n",
                         qPrintable(role.constFirst()),
                         copy.exitStatus() == QProcess::CrashExit ? "it crashed" : "status not 0");
            return -1;
        }
    }
    std::fprintf(stderr, "kwbench: %s never showed its window\n", qPrintable(role.constFirst()));
    copy.kill();
    copy.waitForFinished();
    return -1;
}

struct StartupTimes {
    double firstRun = 0;  // an empty data folder: everything written out
    double laterRun = 0;  // the same folder again
    double emptyWindow = 0;
};

// Each round starts the player on a new empty folder, then again on the same
// folder, then an empty window; medians of every kind.
bool measureStartup(StartupTimes *times)
{
    QList<double> first, later, empty;
    for (int round = 0; round < kStartupRounds; ++round) {
        QTemporaryDir folder;
        if (!folder.isValid())
            return false;
        const QString data = folder.filePath(QStringLiteral("data"));
        first.append(timeStart({kMainWindowRole, data}));
        if (first.last() < 0)
            return false;
        later.append(timeStart({kMainWindowRole, data}));
        if (later.last() < 0)
            return false;
        empty.append(timeStart({kEmptyWindowRole}));
        if (empty.last() < 0)
            return false;
    }
    *times = {median(first), median(later), median(empty)};
    return true;
}

const QString kIdlePlayerRole = QStringLiteral("--idle-player");
const QString kIdleOnly = QStringLiteral("--idle");

// The player with its main window and a practice window open on the first
// paper of the first subject, left alone: prints the first question's id,
// then how much processor time it used while waiting.
int idlePlayer(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    const PlayerSetup setup;
    MainWindow contents(setup.context(folder.path()));
    if (!contents.subjectUsable(contents.chosenSubject()))
        return 1;
    contents.show();
    contents.openPaper(0, 1);
    PracticeWindow *window = contents.practiceWindow();
    if (!window || !waitForPage(window))
        return 1;
    window->activateWindow();
    std::printf("page %s\n", qPrintable(window->session()->content().questionIds.value(0)));
    std::fflush(stdout);
    const QByteArray line = kwbench::idleCpuLine(kwbench::measureIdleCpu(kwbench::kIdleSeconds));
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
    window->unload();
    return 0;
}

// Runs a measuring copy and reads its idle line (and the page it showed).
bool runIdleCopy(const QString &program, const QStringList &arguments, kwbench::IdleCpu *figures,
                 QByteArray *page = nullptr)
{
    QProcess copy;
    copy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    copy.start(program, arguments);
    bool read = false;
    while (!read && copy.waitForReadyRead(120000)) {
        while (copy.canReadLine()) {
            const QByteArray line = copy.readLine().trimmed();
            if (page && line.startsWith("page "))
                *page = line.mid(5);
            read = read || kwbench::readIdleCpuLine(line, figures);
        }
    }
    if (!copy.waitForFinished(30000)) {
        copy.kill();
        copy.waitForFinished();
    }
    return read;
}

// The player and the floor program, each left alone for the same time in
// the same session; the floor shows the page the player showed.
bool measureIdle()
{
    kwbench::IdleCpu player, floor;
    QByteArray page;
    if (!runIdleCopy(QCoreApplication::applicationFilePath(), {kIdlePlayerRole}, &player, &page) || page.isEmpty()) {
        std::fprintf(stderr, "kwbench: the idle player never reported\n");
        return false;
    }
    const QString floorProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/kwidlefloor");
    if (!runIdleCopy(floorProgram, {QString::fromLatin1(page), QString::number(kwbench::kIdleSeconds)}, &floor)) {
        std::fprintf(stderr, "kwbench: kwidlefloor never reported\n");
        return false;
    }
    const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    std::printf("idle_cpu_percent %.2f %%\n", player.ownPercent);
    std::printf("idle_cpu_percent_floor %.2f %%\n", floor.ownPercent);
    std::printf("idle_cpu_ratio %.2f x\n", ratio(player.ownPercent, floor.ownPercent));
    std::printf("idle_cpu_percent_with_helpers %.2f %%\n", player.withHelpersPercent);
    std::printf("idle_cpu_percent_floor_with_helpers %.2f %%\n", floor.withHelpersPercent);
    std::printf("idle_cpu_ratio_with_helpers %.2f x\n", ratio(player.withHelpersPercent, floor.withHelpersPercent));
    std::printf("idle_window_redraws_per_second %.2f\n", player.windowRedraws);
    std::printf("idle_window_redraws_per_second_floor %.2f\n", floor.windowRedraws);
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    const QString role = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (role == kMainWindowRole && argc == 3)
        return startMainWindow(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (role == kEmptyWindowRole)
        return startEmptyWindow(argc, argv);
    if (role == kIdlePlayerRole)
        return idlePlayer(argc, argv);

    QApplication app(argc, argv);
    if (role == kIdleOnly)
        return measureIdle() ? 0 : 1;

    StartupTimes startup;
    if (!measureStartup(&startup))
        return 1;
    print("startup_ms_first_run", startup.firstRun, "ms");
    print("startup_ms_later_run", startup.laterRun, "ms");
    print("startup_ms_empty_window", startup.emptyWindow, "ms");
    print("startup_ratio_first_run", startup.firstRun / startup.emptyWindow, "x");
    print("startup_ratio_later_run", startup.laterRun / startup.emptyWindow, "x");

    if (!measureIdle())
        return 1;

    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "kwbench: no temporary folder\n");
        return 1;
    }
    const PlayerSetup setup;
    MainWindow contents(setup.context(folder.path()));

    // The largest paper is the one opened and paged through.
    const Largest largest = largestPaper(contents.catalogue());
    if (largest.paper == 0) {
        std::fprintf(stderr, "kwbench: the course has no papers\n");
        return 1;
    }
    const int index = largest.paper - 100;
    contents.chooseTab(largest.subject);
    contents.chooseTopic((index - 1) / 5 + 1);

    QElapsedTimer timer;
    timer.start();
    contents.openPaper((index - 1) % 5, 1);
    PracticeWindow *window = contents.practiceWindow();
    if (!window || !waitForPage(window)) {
        std::fprintf(stderr, "kwbench: paper %d of subject %d did not open\n", largest.paper, largest.subject);
        return 1;
    }
    print("open_paper_ms", timer.nsecsElapsed() / 1e6, "ms");

    QList<double> moves;
    for (int question = 2; question <= largest.content.questionCount(); ++question) {
        timer.restart();
        window->nextQuestion();
        if (!waitForPage(window)) {
            std::fprintf(stderr, "kwbench: question %d did not load\n", question);
            return 1;
        }
        moves.append(timer.nsecsElapsed() / 1e6);
    }
    print("next_question_ms", median(moves), "ms");

    // Judging alone: half the slots answered with their key, half wrongly.
    QStringList answers = largest.content.keys;
    for (int i = 1; i < answers.size(); i += 2)
        answers[i] = QStringLiteral("wrong");
    QList<double> judging;
    for (int round = 0; round < 200; ++round) {
        timer.restart();
        const PaperMarking marking = markPaper(answers, largest.content);
        judging.append(timer.nsecsElapsed() / 1e3);
        if (marking.results.size() != answers.size())
            return 1;
    }
    print("judge_largest_paper_us", median(judging), "us");

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    print("peak_rss_mb", usage.ru_maxrss / 1024.0, "MB");

    window->unload();
    delete window;
    return 0;
}
