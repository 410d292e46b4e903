// kwdrive: works the player headless on a data folder, for the crash-kill
// test (crashkill.sh), which kills it with SIGKILL at random moments.
//
//   kwdrive FOLDER [SEED]     opens papers, types answers, saves, moves on and
//                             marks, until it is killed. Exits 4 when every
//                             paper is marked, 3 when the
//                             player shows a failure.
//   kwdrive --check FOLDER    exits 0 when every progress file is there, a
//                             plain file, and sound as start-up reads it;
//                             otherwise prints what is wrong and every file
//                             of the damaged subject, and exits 1.
//   kwdrive --start FOLDER    starts the player as the pupil would, opens a
//                             paper and closes again; exits 0 when nothing was
//                             asked or refused and the folder then holds
//                             nothing but the progress files and Graphics.
//
// Every action is printed on stdout as it starts, so a log shows what a kill
// interrupted.

#include "data/clock.h"
#include "data/filewriter.h"
#include "data/papercontent.h"
#include "data/progressfiles.h"
#include "mainwindow/mainwindow.h"
#include "practice/practicewindow.h"
#include "startup/singleinstance.h"
#include "startup/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>

using namespace kw;

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr int kExitPlayerFailure = 3;
constexpr int kExitAllMarked = 4;

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void complain(const QString &line)
{
    std::fprintf(stderr, "kwdrive: %s\n", qPrintable(line));
    std::fflush(stderr);
}

// Marking's progress panel waits 200 ms a step; here the steps pass at once
// (events still run), so more of the time goes on writing.
class QuickClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    void wait(int) const override { QCoreApplication::processEvents(); }
};

// The bytes of a file, with everything but printable ASCII escaped, so a
// damaged file can be quoted exactly.
QString exactContents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(cannot be read: %1)").arg(file.errorString());
    QString text;
    for (const char c : file.readAll()) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\n')
            text += QStringLiteral("\\n\n");
        else if (byte >= 0x20 && byte < 0x7f && byte != '\\')
            text += QLatin1Char(c);
        else
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return text;
}

void quoteSubjectFiles(const QString &folder, int subject, const QString &code)
{
    for (ProgressFile file : kProgressFiles) {
        const QString path = progressFilePath(folder, file, subject, code);
        complain(QStringLiteral("--- %1 (%2 bytes)\n%3").arg(QFileInfo(path).fileName()).arg(QFileInfo(path).size())
                     .arg(exactContents(path)));
    }
}

int checkFolder(const QString &folder)
{
    const Catalogue catalogue = loadCatalogue();
    QStringList problems;
    QSet<int> damaged;
    for (int subject = 1; subject <= 3; ++subject) {
        if (!catalogue.hasSubject(subject))
            continue;
        bool present = true;
        for (ProgressFile file : kProgressFiles) {
            const QString path = progressFilePath(folder, file, subject, catalogue.code);
            const QFileInfo info(path);
            if (!info.exists() || info.isSymLink() || !info.isFile()) {
                problems.append(QStringLiteral("%1 is missing or not a plain file").arg(info.fileName()));
                damaged.insert(subject);
                present = false;
            }
        }
        // Read before start-up can put anything right: this is what the kill left.
        const QString problem =
            present ? progressFilesProblem(folder, subject, catalogue.code, catalogue.subject(subject).paperCount)
                    : QString();
        if (!problem.isEmpty()) {
            problems.append(QStringLiteral("subject %1: %2").arg(subject).arg(problem));
            damaged.insert(subject);
        }
    }
    if (problems.isEmpty()) {
        QString catalogueProblem;
        const CourseStart start = prepareCourse(folder, &catalogueProblem);
        if (!catalogueProblem.isEmpty())
            problems.append(QStringLiteral("catalogue: %1").arg(catalogueProblem));
        for (const QString &path : start.unwritable)
            problems.append(QStringLiteral("%1 could not be created").arg(QFileInfo(path).fileName()));
        for (auto it = start.damagedSubjects.cbegin(); it != start.damagedSubjects.cend(); ++it) {
            problems.append(QStringLiteral("start-up finds subject %1 damaged: %2").arg(it.key()).arg(it.value()));
            damaged.insert(it.key());
        }
    }
    for (const QString &problem : std::as_const(problems))
        complain(problem);
    for (int subject : std::as_const(damaged))
        quoteSubjectFiles(folder, subject, catalogue.code);
    return problems.isEmpty() ? 0 : kExitFailure;
}

// Names in the folder that a clean start and close should not leave there.
QStringList leftovers(const QString &folder)
{
    const Catalogue catalogue = loadCatalogue();
    QSet<QString> expected{QStringLiteral("Graphics")};
    // The six progress files of every subject the catalogue names.
    for (int subject = 1; subject <= 3; ++subject) {
        if (!catalogue.hasSubject(subject))
            continue;
        for (const QString &name : progressFileNames(subject, catalogue.code))
            expected.insert(name);
    }
    QStringList found;
    for (const QString &name : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (!expected.contains(name))
            found.append(name);
    }
    return found;
}

// Answers the program's message dialog the way the driver wants, and stops
// the driver when the player reports a failure.
class DialogAnswerer : public QObject {
public:
    explicit DialogAnswerer(bool *failed) : m_failed(failed)
    {
        m_poll.setInterval(1);
        connect(&m_poll, &QTimer::timeout, this, &DialogAnswerer::answer);
        m_poll.start();
    }

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal->objectName() != QLatin1String("frmPopUp"))
            return;
        const auto *title = modal->findChild<QLabel *>(QStringLiteral("lblTitle"));
        const auto *message = modal->findChild<QLabel *>(QStringLiteral("lblMessage"));
        const QString text = (title ? title->text() : QString()) + QLatin1Char('|')
                             + (message ? message->text() : QString());
        static const QRegularExpression trouble(QStringLiteral("could not|cannot|damaged|failed"),
                                                QRegularExpression::CaseInsensitiveOption);
        if (trouble.match(text).hasMatch()) {
            complain(QStringLiteral("the player reports a failure: %1").arg(text));
            *m_failed = true;
        }
        // Yes, OK: the first button.
        if (auto *button = modal->findChild<QAbstractButton *>(QStringLiteral("But1")))
            button->click();
    }

    bool *m_failed;
    QTimer m_poll;
};

class Driver {
public:
    Driver(MainWindow *window, quint32 seed) : m_window(window), m_random(seed) {}

    // Works papers until killed. Returns the exit status when it stops itself.
    int run(const bool &failed)
    {
        while (!failed) {
            const std::optional<Choice> choice = pick();
            if (!choice) {
                say(QStringLiteral("all marked"));
                return kExitAllMarked;
            }
            if (!workPaper(*choice, failed))
                return kExitPlayerFailure;
        }
        return kExitPlayerFailure;
    }

private:
    struct Choice {
        int subject;
        int paper; // 1-based within the subject
        int attempt;
    };

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    // A paper whose first attempt is still to mark, in a random subject.
    std::optional<Choice> pick()
    {
        QList<int> subjects;
        for (int subject = 1; subject <= 3; ++subject) {
            if (m_window->subjectUsable(subject))
                subjects.append(subject);
        }
        std::shuffle(subjects.begin(), subjects.end(), m_random);
        for (int subject : subjects) {
            m_window->chooseTab(subject);
            const SubjectProgress &progress = m_window->progress();
            const int paperCount = m_window->catalogue().subject(subject).paperCount;
            QList<Choice> open;
            for (int paper = 1; paper <= paperCount; ++paper) {
                if (!progress.isMarked(SummaryField::FirstState, paper - 1))
                    open.append({subject, paper, 1});
            }
            if (!open.isEmpty())
                return open.at(uniform(0, int(open.size()) - 1));
        }
        return std::nullopt;
    }

    QString answerFor(const QString &key)
    {
        switch (uniform(0, 3)) {
        case 0: return QStringLiteral("wrong");
        case 1: return QStringLiteral(" %1 ").arg(uniform(0, 999));
        default: return key.startsWith(QLatin1Char(';')) ? key.section(QLatin1Char(';'), 1, 1) : key.trimmed();
        }
    }

    // Types into the answer boxes of the question on show.
    void typeAnswers(PracticeWindow *window, const PaperContent &content)
    {
        const int first = content.firstSlotOf(window->currentQuestion());
        const int count = content.slotCounts.value(window->currentQuestion() - 1);
        for (int k = 1; k <= count; ++k) {
            auto *box = window->findChild<QLineEdit *>(QStringLiteral("FA%1").arg(k));
            if (!box || box->parentWidget()->isHidden() || box->isReadOnly() || !box->isEnabled())
                continue;
            box->setFocus();
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, answerFor(content.keys.value(first + k - 2)));
        }
    }

    bool workPaper(const Choice &choice, const bool &failed)
    {
        const PaperContent content = loadPaperContent(choice.subject, 100 + choice.paper);
        m_window->chooseTab(choice.subject);
        m_window->chooseTopic((choice.paper - 1) / 5 + 1);
        say(QStringLiteral("open subject %1 paper %2 attempt %3").arg(choice.subject).arg(100 + choice.paper)
                .arg(choice.attempt));
        m_window->openPaper((choice.paper - 1) % 5, choice.attempt);
        PracticeWindow *window = m_window->practiceWindow();
        if (!window || !window->session()) {
            complain(QStringLiteral("paper %1 of subject %2 did not open").arg(100 + choice.paper).arg(choice.subject));
            return false;
        }
        // Most papers are worked to the end and marked; some are left part way.
        const bool markIt = uniform(0, 3) != 0;
        const int lastQuestion = markIt ? content.questionCount() : uniform(1, content.questionCount());
        while (!failed) {
            typeAnswers(window, content);
            QCoreApplication::processEvents();
            if (uniform(0, 4) == 0) {
                say(QStringLiteral("save"));
                window->save();
            }
            if (window->currentQuestion() >= lastQuestion)
                break;
            say(QStringLiteral("next"));
            window->nextQuestion();
        }
        if (failed)
            return false;
        if (markIt) {
            say(QStringLiteral("mark"));
            window->mark();
            if (!window->isMarked()) {
                complain(QStringLiteral("marking left the paper unmarked"));
                return false;
            }
            say(QStringLiteral("marked"));
        }
        say(QStringLiteral("close"));
        window->requestClose();
        QCoreApplication::processEvents();
        return !failed;
    }

    MainWindow *m_window;
    std::mt19937 m_random;
};

MainWindowContext contextFor(const QString &folder, const Clock &clock, const FileWriter &writer,
                             QStringList *asked)
{
    MainWindowContext context;
    context.folder = folder;
    context.clock = &clock;
    context.writer = &writer;
    // Nothing is asked on a sound folder; whatever is, the first button
    // leaves everything as it is.
    context.ask = [asked](const QString &title, const QString &text, const QStringList &) {
        asked->append(title + QLatin1Char('|') + text);
        complain(QStringLiteral("the main window asks: %1|%2").arg(title, text));
        return 0;
    };
    return context;
}

int startCleanly(const QString &folder)
{
    bool failed = false;
    QStringList asked;
    {
        // A copy killed on this folder must not keep it.
        SingleInstance instance(folder);
        if (!instance.acquire()) {
            complain(QStringLiteral("the folder is held by another copy"));
            return kExitFailure;
        }
        DialogAnswerer answerer(&failed);
        QuickClock clock;
        const FileWriter writer;
        MainWindow window(contextFor(folder, clock, writer, &asked));
        window.show();
        QCoreApplication::processEvents();
        // The window opens on the first subject that can be used.
        if (!window.subjectUsable(window.chosenSubject())) {
            complain(QStringLiteral("no subject can be opened"));
            return kExitFailure;
        }
        window.chooseTopic(1);
        window.openPaper(0, 1);
        PracticeWindow *practice = window.practiceWindow();
        if (!practice || !practice->session()) {
            complain(QStringLiteral("the first paper did not open"));
            return kExitFailure;
        }
        practice->requestClose();
        QCoreApplication::processEvents();
        if (window.practiceWindow()) {
            complain(QStringLiteral("the paper did not close"));
            return kExitFailure;
        }
    }
    const QStringList left = leftovers(folder);
    if (!left.isEmpty())
        complain(QStringLiteral("left in the folder after a clean start and close: %1").arg(left.join(QStringLiteral(", "))));
    return failed || !asked.isEmpty() || !left.isEmpty() ? kExitFailure : 0;
}

int drive(const QString &folder, quint32 seed)
{
    SingleInstance instance(folder);
    if (!instance.acquire()) {
        complain(QStringLiteral("the folder is held by another copy"));
        return kExitPlayerFailure;
    }
    bool failed = false;
    QStringList asked;
    DialogAnswerer answerer(&failed);
    QuickClock clock;
    const FileWriter writer;
    say(QStringLiteral("start seed %1").arg(seed));
    MainWindow window(contextFor(folder, clock, writer, &asked));
    window.show();
    QCoreApplication::processEvents();
    if (!asked.isEmpty())
        return kExitPlayerFailure;
    Driver driver(&window, seed);
    return driver.run(failed);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kwdrive"));
    const QStringList args = QApplication::arguments();

    if (args.size() == 3 && args.at(1) == QLatin1String("--check"))
        return checkFolder(args.at(2));
    if (args.size() == 3 && args.at(1) == QLatin1String("--start"))
        return startCleanly(args.at(2));
    if ((args.size() == 2 || args.size() == 3) && !args.at(1).startsWith(QLatin1String("--"))) {
        bool ok = true;
        const quint32 seed = args.size() == 3 ? args.at(2).toUInt(&ok) : std::random_device()();
        if (ok)
            return drive(args.at(1), seed);
    }
    std::fprintf(stderr, "usage: kwdrive FOLDER [SEED] | kwdrive --check FOLDER | kwdrive --start FOLDER\n");
    return kExitUsage;
}
