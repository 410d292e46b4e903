// Measures the practice window on the real course, headless, in an
// application folder of its own that is removed afterwards. Prints one line
// per figure: name value unit.

#include "checking/marking.h"
#include "data/clock.h"
#include "data/filewriter.h"
#include "data/papercontent.h"
#include "mainwindow/mainwindow.h"
#include "practice/practicewindow.h"
#include "practice/questionviewer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

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
        for (int paper = 101; paper <= 100 + catalogue.subject(subject).paperCount; ++paper) {
            PaperContent content = loadPaperContent(subject, paper);
            if (content.slotCount() > largest.content.slotCount())
                largest = {subject, paper, content};
        }
    }
    return largest;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QApplication app(argc, argv);

    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "kwbench: no temporary folder\n");
        return 1;
    }
    SystemClock clock;
    const FileWriter writer;
    MainWindowContext setup;
    setup.folder = folder.path();
    setup.clock = &clock;
    setup.writer = &writer;
    setup.ask = [](const QString &, const QString &text, const QStringList &) {
        std::fprintf(stderr, "kwbench: asked \"%s\"\n", qPrintable(text));
        return 0;
    };
    MainWindow contents(setup);

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
