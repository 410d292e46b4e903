// The practice window on the real course, driven as a pupil would: controls
// found by name, answers typed, buttons clicked, dialogs answered; then what
// is on screen and in the progress files is checked.

#include "checking/answercheck.h"
#include "chrome/picturebutton.h"
#include "chrome/pictures.h"
#include "data/filewriter.h"
#include "data/percent.h"
#include "data/progressfiles.h"
#include "data/recordfile.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/homepage.h"
#include "practice/answerbox.h"
#include "practice/answersheet.h"
#include "practice/papersession.h"
#include "practice/practicewindow.h"
#include "practice/questionviewer.h"
#include "practice/slotpanel.h"
#include "startup/startup.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QToolTip>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMap>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

#include "dialoganswerer.h"
#include "testclock.h"
#include "testfiles.h"
#include "testwidgets.h"

using namespace kw;
using kwtest::find;

namespace {

const QString kMarking = QStringLiteral("Marking|Do you want to mark your practice now?");
const QString kMarkingBlank =
    QStringLiteral("Marking|You have not answered all the questions.  Do you still want to mark your practice?");
const QString kClose = QStringLiteral("Close Practice|Confirm?");
const QColor kCarriedOver(192, 192, 255);
const QString kSimplest = QStringLiteral("Equal in value, but not in its simplest form");
const QString kOrder = QStringLiteral("The right numbers, but in the wrong order");
const QString kRepeated = QStringLiteral("You gave this answer already in this group");

AnswerBox *box(const QWidget *window, int k)
{
    return find<AnswerBox>(window, QStringLiteral("FA%1").arg(k));
}

void click(const QWidget *window, const QString &name)
{
    QTest::mouseClick(find<QWidget>(window, name), Qt::LeftButton, {}, QPoint(5, 5));
}

QLabel *label(const QWidget *window, const QString &name, int k)
{
    return find<QLabel>(window, name + QString::number(k));
}

// The colour the box paints behind its text, away from the text.
QColor boxColour(AnswerBox *answer)
{
    return answer->grab().toImage().pixelColor(answer->width() - 3, answer->height() / 2);
}

bool waitForPage(PracticeWindow *window)
{
    QSignalSpy loaded(window->viewer(), &QuestionViewer::pageLoaded);
    return loaded.wait(10000) && loaded.constFirst().constFirst().toBool();
}

} // namespace

class TestPracticeWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_folder;
    Catalogue m_catalogue;
    std::unique_ptr<Pictures> m_pictures;
    kwtest::TestClock m_clock;
    std::unique_ptr<kwtest::DialogAnswerer> m_dialogs;
    QPointer<PracticeWindow> m_window;
    int m_refreshes = 0;
    // The writer fails the step named, for files whose name holds the text named.
    std::optional<WriteStep> m_failStep;
    QString m_failFile;
    FileWriter m_writer{[this](WriteStep step, const QString &path) {
        return m_failStep == step && QFileInfo(path).fileName().contains(m_failFile);
    }};

    // Every file of the data folder but the page on show, with its bytes.
    QMap<QString, QByteArray> folderSnapshot() const
    {
        QMap<QString, QByteArray> files = kwtest::folderBytes(m_folder);
        files.removeIf([](const auto &file) { return file.key().startsWith(QLatin1String("temppaper")); });
        return files;
    }

    QString file(ProgressFile which, int subject) const
    {
        return progressFilePath(m_folder, which, subject, m_catalogue.code);
    }

    // The main window's surroundings, sharing this suite's folder, clock and writer.
    MainWindowContext mainWindowContext()
    {
        MainWindowContext context;
        context.folder = m_folder;
        context.clock = &m_clock;
        context.writer = &m_writer;
        context.ask = [](const QString &, const QString &, const QStringList &) { return 0; };
        return context;
    }

    // Opens paper `paper` of `subject` the way the main window does.
    PracticeWindow *open(int subject, int paper, const Attempt &attempt = Attempt::first())
    {
        PaperChoice choice;
        choice.attempt = attempt;
        choice.subject = subject;
        choice.paperNumber = paper;
        choice.topicName = m_catalogue.subject(subject).topicNames.value((paper - 101) / 5);
        choice.paperCount = m_catalogue.subject(subject).paperCount;
        choice.productCode = m_catalogue.code;
        PracticeContext context;
        context.folder = m_folder;
        context.clock = &m_clock;
        context.pictures = m_pictures.get();
        context.writer = &m_writer;
        m_window = new PracticeWindow(context, choice);
        connect(m_window, &PracticeWindow::unloaded, this, [this]() { ++m_refreshes; });
        if (!m_window->openPaper()) {
            delete m_window;
            return nullptr;
        }
        m_window->show();
        if (!waitForPage(m_window))
            qWarning("the first page did not load");
        return m_window;
    }

    // Stores a marked first attempt at a paper: these answers (slot: answer)
    // judged as marking judges them.
    PaperMarking markFirstAttempt(int subject, int paper, const QMap<int, QString> &answers)
    {
        const FileWriter writer;
        PaperSession session({m_folder, subject, m_catalogue.code, m_catalogue.subject(subject).paperCount, paper},
                             Attempt::first(), writer);
        for (auto it = answers.cbegin(); it != answers.cend(); ++it)
            session.answers[it.key() - 1] = it.value();
        session.saveAnswers();
        return session.mark(90, QStringLiteral("08/12/2026"));
    }

    // A first attempt at a paper with every slot answered right.
    PaperMarking markFirstAttemptAllRight(int subject, int paper)
    {
        const FileWriter writer;
        PaperSession session({m_folder, subject, m_catalogue.code, m_catalogue.subject(subject).paperCount, paper},
                             Attempt::first(), writer);
        QMap<int, QString> answers;
        for (int slot = 1; slot <= session.content().slotCount(); ++slot) {
            session.answers[slot - 1] = session.modelAnswer(slot);
            answers.insert(slot, session.answers.at(slot - 1));
        }
        return markFirstAttempt(subject, paper, answers);
    }

    QStringList paperRecord(ProgressFile which, int subject, int paper, int slotCount) const
    {
        const QStringList lines =
            RecordFile::fromFile(file(which, subject)).paperLines(m_catalogue.subject(subject).paperCount);
        return RecordFile::splitFields(lines.at(paper - 101), slotCount, kPaperFieldCapacity).mid(0, slotCount);
    }

private slots:
    void initTestCase()
    {
        m_folder = m_dir.path();
        QString problem;
        m_catalogue = prepareCourse(m_folder, &problem).catalogue;
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(extractGraphics(m_folder).isEmpty());
        m_pictures = std::make_unique<Pictures>(m_folder + QStringLiteral("/Graphics"));
    }

    void init()
    {
        QVERIFY(createProgressFiles(m_folder, m_catalogue, FileWriter()).isEmpty());
        m_dialogs = std::make_unique<kwtest::DialogAnswerer>();
        m_refreshes = 0;
        m_failStep.reset();
        m_failFile.clear();
    }

    void cleanup()
    {
        delete m_window;
        m_dialogs.reset();
    }

    // The whole journey, from the home page to the new score on it.
    void pupilWorksAndMarksAPaper()
    {
        MainWindow contents(mainWindowContext());
        contents.show();

        // Mathematics, Mock Examination, first paper: 27001 (number), 27002
        // (one-letter choice), 27003 (fraction) ... 27009 (a group of two).
        click(&contents, QStringLiteral("Tab02"));
        click(contents.homePage(), QStringLiteral("Topic7"));
        click(contents.homePage(), QStringLiteral("P1a"));
        PracticeWindow *window = contents.practiceWindow();
        QVERIFY(window);
        QVERIFY(waitForPage(window));
        QCOMPARE(window->windowTitle(), QStringLiteral("Mock Examination - Paper 1"));
        QVERIFY(QFile::exists(m_folder + QStringLiteral("/temppaper27001.mht")));
        const PaperContent content = window->session()->content();
        const int slotCount = content.slotCount();
        QCOMPARE(find<QLabel>(window, QStringLiteral("lblTotalQ"))->text(), QString::number(slotCount));

        QTest::keyClicks(box(window, 1), QStringLiteral("600000"));
        click(window, QStringLiteral("ToolBar06"));
        QCOMPARE(find<QLabel>(window, QStringLiteral("QnTitle"))->text(), QStringLiteral("Question 2"));
        QTest::keyClicks(box(window, 1), QStringLiteral("34")); // a one-letter box keeps the first
        QCOMPARE(box(window, 1)->text(), QStringLiteral("3"));
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(window->currentQuestion(), 3);
        QTest::keyClicks(box(window, 1), QStringLiteral("5/6"));
        click(window, QStringLiteral("lblTB05")); // the caption acts as its button
        QCOMPARE(window->currentQuestion(), 2);
        QCOMPARE(box(window, 1)->text(), QStringLiteral("3"));
        QCOMPARE(find<QLabel>(window, QStringLiteral("lblAnsweredQ"))->text(), QStringLiteral("3"));

        auto *remaining = find<QComboBox>(window, QStringLiteral("RemQns"));
        QCOMPARE(remaining->itemText(0), QStringLiteral("4"));
        const int nine = remaining->findText(QStringLiteral("9"));
        QVERIFY(nine >= 0);
        remaining->setCurrentIndex(nine);
        emit remaining->activated(nine);
        QCOMPARE(window->currentQuestion(), 9);
        QVERIFY(find<SlotPanel>(window, QStringLiteral("Frame2"))->isVisible());
        QTest::keyClicks(box(window, 1), QStringLiteral("10"));
        QTest::keyClicks(box(window, 2), QStringLiteral("9"));

        m_dialogs->will({QStringLiteral("OK")});
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_dialogs->seen.value(0), QStringLiteral("Kestrelworks|Paper saved"));
        QStringList answers = paperRecord(ProgressFile::First, 2, 131, slotCount);
        QCOMPARE(answers.mid(0, 3), (QStringList{"600000", "3", "5/6"}));
        QCOMPARE(answers.mid(8, 2), (QStringList{"10", "9"}));

        // Close and open again: the answers come back, from question 1.
        m_dialogs->will({QStringLiteral("Yes")});
        click(window, QStringLiteral("ToolBar04"));
        QTRY_VERIFY(!contents.practiceWindow());
        QVERIFY(!QFile::exists(m_folder + QStringLiteral("/temppaper27009.mht")));
        click(contents.homePage(), QStringLiteral("P1a"));
        window = contents.practiceWindow();
        QVERIFY(window);
        QVERIFY(waitForPage(window));
        QCOMPARE(window->currentQuestion(), 1);
        QCOMPARE(box(window, 1)->text(), QStringLiteral("600000"));

        // Declining keeps the paper unmarked, its answers saved.
        box(window, 1)->setText(QStringLiteral("600 000"));
        m_dialogs->will({QStringLiteral("No")});
        click(window, QStringLiteral("ToolBar02"));
        QCOMPARE(m_dialogs->seen.constLast(), kMarkingBlank);
        QVERIFY(!window->isMarked());
        QCOMPARE(paperRecord(ProgressFile::First, 2, 131, slotCount).constFirst(), QStringLiteral("600 000"));
        QCOMPARE(readSubjectProgress(m_folder, 2, m_catalogue.code, 35).isMarked(SummaryField::FirstState, 30), false);

        box(window, 1)->setText(QStringLiteral("600000"));
        m_clock.advance(10 * 60 + 4);
        m_dialogs->will({QStringLiteral("Yes")});
        click(window, QStringLiteral("lblTB02"));
        QCOMPARE(m_dialogs->pending(), 0);
        QVERIFY(window->isMarked());

        QStringList expected(slotCount, QStringLiteral("N"));
        expected[0] = expected[2] = expected[8] = expected[9] = QStringLiteral("Y");
        QCOMPARE(paperRecord(ProgressFile::FirstResults, 2, 131, slotCount), expected);
        int score = 0;
        for (int i : {0, 2, 8, 9})
            score += content.marks.at(i);
        const QString percent = percentText(score, content.totalMarks);
        QCOMPARE(window->score(), score);
        const SubjectProgress summary = readSubjectProgress(m_folder, 2, m_catalogue.code, 35);
        const QString today = QLocale::system().toString(QDate(2026, 12, 8), QLocale::ShortFormat);
        for (int p = 0; p < 35; ++p) {
            const bool marked = p == 30;
            QCOMPARE(summary.firstScores().at(p), marked ? percent : QString());
            QCOMPARE(summary.times().at(p), marked ? QStringLiteral("0:10:7") : QString()); // 3 s of marking
            QCOMPARE(summary.dates().at(p), marked ? today : QString());
            QCOMPARE(summary.isMarked(SummaryField::FirstState, p), marked);
            QCOMPARE(summary.secondScores().at(p), QString());
        }
        QCOMPARE(kwtest::readAll(file(ProgressFile::Trend, 2)), QByteArray("#TRD#>" + percent.toUtf8() + "\r\n"));

        // The marked display.
        QVERIFY(box(window, 1)->isReadOnly());
        QCOMPARE(find<QLabel>(window, QStringLiteral("FR1"))->text(), QStringLiteral("Y"));
        QVERIFY(find<QLabel>(window, QStringLiteral("FR1"))->isVisible());
        QVERIFY(!find<QLabel>(window, QStringLiteral("lblClock"))->isVisible());
        QCOMPARE(find<QLabel>(window, QStringLiteral("LTime"))->text(), QStringLiteral("0:10:7"));
        QVERIFY(find<QLabel>(window, QStringLiteral("ETime"))->isVisible());
        QVERIFY(!find<QWidget>(window, QStringLiteral("TxtRem"))->isVisible());
        QCOMPARE(find<QLabel>(window, QStringLiteral("PScoring"))->text(), percent);
        QVERIFY(!find<PictureButton>(window, QStringLiteral("ToolBar01"))->isEnabled());
        QVERIFY(!find<PictureButton>(window, QStringLiteral("ToolBar02"))->isEnabled());
        click(window, QStringLiteral("ToolBar06"));
        QCOMPARE(find<QLabel>(window, QStringLiteral("FR1"))->text(), QStringLiteral("N"));

        m_dialogs->will({QStringLiteral("Yes")});
        click(window, QStringLiteral("ToolBar04"));
        QTRY_VERIFY(!contents.practiceWindow());
        QCOMPARE(contents.homePage()->firstScore(1)->text(), percent);
        QVERIFY(contents.homePage()->tryAgainButton(1)->isVisible());
        QCOMPARE(m_dialogs->pending(), 0);
    }

    void sheetFollowsTheQuestion_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("panels");
        QTest::addColumn<bool>("longAnswer");
        QTest::addColumn<int>("gapTwips");
        QTest::addColumn<bool>("instruction");
        QTest::newRow("one slot, no part label") << 1 << 102 << 1 << 1 << false << 105 << false;
        QTest::newRow("five slots") << 1 << 101 << 1 << 5 << false << 105 << false;
        QTest::newRow("long answer first") << 1 << 103 << 13 << 2 << true << 105 << false;
        QTest::newRow("twenty slots overlap") << 1 << 135 << 23 << 20 << false << -10 << false;
        QTest::newRow("fractions show the instruction") << 2 << 106 << 13 << 2 << false << 105 << true;
    }

    void sheetFollowsTheQuestion()
    {
        QFETCH(int, subject);
        QFETCH(int, paper);
        QFETCH(int, question);
        QFETCH(int, panels);
        QFETCH(bool, longAnswer);
        QFETCH(int, gapTwips);
        QFETCH(bool, instruction);
        PracticeWindow *window = open(subject, paper);
        QVERIFY(window);
        window->jumpToQuestion(question);
        QCOMPARE(window->currentQuestion(), question);
        for (int k = 1; k <= AnswerSheet::kPanels; ++k)
            QCOMPARE(find<SlotPanel>(window, QStringLiteral("Frame%1").arg(k))->isVisible(), k <= panels);
        QCOMPARE(find<QLabel>(window, QStringLiteral("QL1"))->isVisible(), panels >= 2);
        QCOMPARE(find<QLabel>(window, QStringLiteral("PicInstruction"))->isVisible(), instruction);
        auto *first = find<SlotPanel>(window, QStringLiteral("Frame1"));
        QCOMPARE(first->height(), Px(longAnswer ? 2100 : 375));
        QCOMPARE(box(window, 1)->height(), Px(longAnswer ? 1000 : 255));
        const int firstHeight = longAnswer ? 2100 : 375;
        for (int k = 2; k <= panels; ++k) {
            const int top = 50 + firstHeight + gapTwips + (k - 2) * (375 + gapTwips);
            QCOMPARE(find<SlotPanel>(window, QStringLiteral("Frame%1").arg(k))->y(), Px(top));
        }
        // Moving on restores the one-line first panel.
        if (longAnswer) {
            window->previousQuestion();
            QCOMPARE(first->height(), Px(375));
        }
    }

    void answerBoxesRefuseWhatWouldBreakARecord_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("refused");
        QTest::newRow("record mark") << "a>b" << "typed" << "ab" << true;
        QTest::newRow("key mark") << "#1" << "typed" << "1" << true;
        QTest::newRow("pasted line break") << "two\nlines" << "pasted" << "" << true;
        QTest::newRow("pasted tab") << "a\tb" << "pasted" << "" << true;
        QTest::newRow("pasted vertical tab") << "a\vb" << "pasted" << "" << true;
        QTest::newRow("pasted form feed") << "a\fb" << "pasted" << "" << true;
        QTest::newRow("pasted NUL") << QString::fromUtf16(u"a\0b", 3) << "pasted" << "" << true;
        QTest::newRow("pasted line separator") << QString::fromUtf16(u"a\u2028b") << "pasted" << "" << true;
        QTest::newRow("pasted words") << "nine tenths" << "pasted" << "nine tenths" << false;
        QTest::newRow("spaces and case kept") << " Water " << "typed" << " Water " << false;
        QTest::newRow("screen reader sets a vertical tab") << "a\vb" << "accessible" << "" << true;
        QTest::newRow("screen reader sets words") << "seven" << "accessible" << "seven" << false;
    }

    void answerBoxesRefuseWhatWouldBreakARecord()
    {
        QFETCH(QString, given);
        QFETCH(QString, how);
        QFETCH(QString, kept);
        QFETCH(bool, refused);
        PracticeWindow *window = open(1, 101);
        QVERIFY(window);
        AnswerBox *answer = box(window, 1);
        QSignalSpy refusals(answer, &AnswerBox::refused);
        if (how == QLatin1String("pasted")) {
            QGuiApplication::clipboard()->setText(given);
            answer->setFocus();
            answer->paste();
        } else if (how == QLatin1String("accessible")) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(answer);
            QVERIFY(accessible);
            accessible->setText(QAccessible::Value, given);
        } else {
            QTest::keyClicks(answer, given);
        }
        QCOMPARE(answer->text(), kept);
        QCOMPARE(!refusals.isEmpty(), refused);
        if (refused)
            QTRY_COMPARE(QToolTip::text(), AnswerBox::refusalMessage());
        window->nextQuestion();
        QCOMPARE(paperRecord(ProgressFile::First, 1, 101, window->session()->content().slotCount()).constFirst(), kept);
    }

    void toolBarFollowsThePaper()
    {
        PracticeWindow *window = open(1, 101); // three questions
        QVERIFY(window);
        auto *back = find<PictureButton>(window, QStringLiteral("ToolBar05"));
        auto *next = find<PictureButton>(window, QStringLiteral("ToolBar06"));
        QVERIFY(!back->isEnabled());
        QCOMPARE(back->picture().toImage(), m_pictures->get(QStringLiteral("back_disabled.bmp")).toImage());
        QVERIFY(next->isEnabled());
        window->jumpToQuestion(3);
        QVERIFY(back->isEnabled());
        QVERIFY(!next->isEnabled());
        QCOMPARE(next->picture().toImage(), m_pictures->get(QStringLiteral("forward_disabled.bmp")).toImage());
        // The clock runs from this opening.
        m_clock.advance(125);
        QTRY_COMPARE(find<QLabel>(window, QStringLiteral("lblClock"))->text(), QStringLiteral("0:2:5"));
        // Every control a pupil works with has a name a screen reader can say.
        const QStringList named{"ToolBar01", "ToolBar02", "ToolBar03", "ToolBar04", "ToolBar05", "ToolBar06", "RemQns", "ImgHandle"};
        for (const QString &name : named)
            QVERIFY2(!find<QWidget>(window, name)->accessibleName().isEmpty(), qPrintable(name));
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(box(window, k)->accessibleName(), QStringLiteral("Answer (%1)").arg(QChar(u'a' + k - 1)));
        QVERIFY(find<QWidget>(window, QStringLiteral("ToolBar06"))->toolTip().contains(QStringLiteral("Alt+N")));

        // The handle hides the sheet and gives its room to the page, and brings it back.
        const int pageWidth = window->viewer()->width();
        click(window, QStringLiteral("ImgHandle"));
        QVERIFY(!window->sheet()->isVisible());
        QCOMPARE(window->viewer()->width(), pageWidth + window->sheet()->width());
        QCOMPARE(find<QWidget>(window, QStringLiteral("ImgHandle"))->toolTip(), QStringLiteral("Show answer sheet"));
        click(window, QStringLiteral("ImgHandle"));
        QVERIFY(window->sheet()->isVisible());
        QCOMPARE(window->viewer()->width(), pageWidth);
    }

    void keyboardAloneWorksAPaper()
    {
        PracticeWindow *window = open(1, 101);
        QVERIFY(window);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(window->focusWidget(), box(window, 1));
        QTest::keyClicks(window->focusWidget(), QStringLiteral("one"));
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QCOMPARE(window->focusWidget(), box(window, 2));
        QTest::keyClick(window->focusWidget(), Qt::Key_N, Qt::AltModifier);
        QCOMPARE(window->currentQuestion(), 2);
        QCOMPARE(window->focusWidget(), box(window, 1));
        QTest::keyClick(window->focusWidget(), Qt::Key_B, Qt::AltModifier);
        QCOMPARE(box(window, 1)->text(), QStringLiteral("one"));
        m_dialogs->will({QStringLiteral("Yes")});
        QTest::keyClick(window->focusWidget(), Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(!m_window);
        QCOMPARE(m_dialogs->seen, QStringList{kClose});
        QCOMPARE(m_refreshes, 1);
    }

    void closingAsksFirstAndKeepsTheAnswerOnShow_data()
    {
        QTest::addColumn<bool>("byWindowManager");
        QTest::addColumn<QString>("answer");
        QTest::newRow("Close, No") << false << "No";
        QTest::newRow("Close, Yes") << false << "Yes";
        QTest::newRow("window manager, No") << true << "No";
        QTest::newRow("window manager, Yes") << true << "Yes";
    }

    void closingAsksFirstAndKeepsTheAnswerOnShow()
    {
        QFETCH(bool, byWindowManager);
        QFETCH(QString, answer);
        PracticeWindow *window = open(3, 101);
        QVERIFY(window);
        const QString page = m_folder + QStringLiteral("/temppaper") + window->session()->content().questionIds.constFirst()
                             + QStringLiteral(".mht");
        const int slotCount = window->session()->content().slotCount();
        QTest::keyClicks(box(window, 1), QStringLiteral("C"));
        m_dialogs->will({answer});
        if (byWindowManager)
            window->close();
        else
            click(window, QStringLiteral("ToolBar04"));
        QTRY_COMPARE(m_dialogs->seen, QStringList{kClose});
        const bool closed = answer == QLatin1String("Yes");
        QTRY_COMPARE(m_window.isNull(), closed);
        QCOMPARE(QFile::exists(page), !closed);
        QCOMPARE(m_refreshes, closed ? 1 : 0);
        const QString stored = paperRecord(ProgressFile::First, 3, 101, slotCount).constFirst();
        QCOMPARE(stored, closed ? QStringLiteral("C") : QString());
    }

    void aMarkedPaperOpensMarked()
    {
        PracticeWindow *window = open(1, 101);
        QVERIFY(window);
        const int slotCount = window->session()->content().slotCount();
        for (int k = 1; k <= 5; ++k)
            QTest::keyClicks(box(window, k), QStringLiteral("x"));
        // Clicks and typing while the paper is being marked go nowhere.
        int waits = 0;
        m_clock.whileWaiting = [&]() {
            ++waits;
            click(window, QStringLiteral("ToolBar04"));
            QTest::keyClicks(box(window, 1), QStringLiteral("z"));
        };
        m_dialogs->will({QStringLiteral("Yes")});
        window->mark();
        m_clock.whileWaiting = nullptr;
        QCOMPARE(waits, 15);
        QCOMPARE(m_dialogs->seen, QStringList{kMarkingBlank});
        QCOMPARE(box(window, 1)->text(), QStringLiteral("x"));
        window->unload();
        delete m_window;
        const QByteArray answers = kwtest::readAll(file(ProgressFile::First, 1));

        window = open(1, 101);
        QVERIFY(window);
        QVERIFY(window->isMarked());
        QVERIFY(box(window, 1)->isReadOnly());
        QCOMPARE(find<QLabel>(window, QStringLiteral("FR1"))->text(), QStringLiteral("N"));
        QVERIFY(find<QLabel>(window, QStringLiteral("LTime"))->isVisible());
        QVERIFY(!find<QLabel>(window, QStringLiteral("lblClock"))->isVisible());
        QCOMPARE(find<QLabel>(window, QStringLiteral("PScoring"))->text(), QStringLiteral("0"));
        window->mark(); // goes straight to the marked display
        QCOMPARE(m_dialogs->seen.size(), 1);
        QCOMPARE(kwtest::readAll(file(ProgressFile::First, 1)), answers);
        QCOMPARE(paperRecord(ProgressFile::FirstResults, 1, 101, slotCount), QStringList(slotCount, QStringLiteral("N")));
    }

    void anUnreadablePaperIsNotOpened()
    {
        // The answers file lost the record of paper 102.
        kwtest::write(file(ProgressFile::First, 1), RecordFile::fromFile(file(ProgressFile::First, 1)).paperLines(1).constFirst().toUtf8() + "\r\n");
        QVERIFY(!open(1, 102));
        QCOMPARE(m_dialogs->seen.size(), 1);
        QVERIFY(m_dialogs->seen.constFirst().startsWith(QStringLiteral("Kestrelworks|This paper cannot be opened")));
        QCOMPARE(m_refreshes, 0);
        QVERIFY(QDir(m_folder).entryList({QStringLiteral("temppaper*")}).isEmpty());
    }

    // English paper 101: three questions of five slots each.
    void remainingQuestionsAndAnsweredCount_data()
    {
        QTest::addColumn<QStringList>("answered"); // slot:answer
        QTest::addColumn<QList<int>>("remaining");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("firstEmpty");
        QTest::newRow("nothing yet") << QStringList{} << QList<int>{1, 2, 3} << 0 << 1;
        QTest::newRow("one slot keeps its question listed once") << QStringList{"1:a"} << QList<int>{1, 2, 3} << 1 << 2;
        QTest::newRow("spaces count as answered but stay remaining")
            << QStringList{"1:a", "2:b", "3:c", "4:d", "5: "} << QList<int>{1, 2, 3} << 5 << 6;
        QTest::newRow("a whole question done") << QStringList{"6:a", "7:b", "8:c", "9:d", "10:e"} << QList<int>{1, 3} << 5 << 1;
    }

    void remainingQuestionsAndAnsweredCount()
    {
        QFETCH(QStringList, answered);
        QFETCH(QList<int>, remaining);
        QFETCH(int, count);
        QFETCH(int, firstEmpty);
        const FileWriter writer;
        PaperSession session({m_folder, 1, m_catalogue.code, 35, 101}, Attempt::first(), writer);
        for (const QString &pair : answered)
            session.answers[pair.section(QLatin1Char(':'), 0, 0).toInt() - 1] = pair.section(QLatin1Char(':'), 1);
        QCOMPARE(session.remainingQuestions(), remaining);
        QCOMPARE(session.answeredCount(), count);
        QCOMPARE(session.firstEmptySlot(), firstEmpty);
    }

    void arrowKeysWalkTheRemainingQuestions()
    {
        PracticeWindow *window = open(1, 101);
        QVERIFY(window);
        auto *remaining = find<QComboBox>(window, QStringLiteral("RemQns"));
        QVERIFY(remaining->count() >= 3);
        QCOMPARE(remaining->currentText(), QStringLiteral("1"));
        remaining->setFocus();
        for (int step = 1; step < remaining->count(); ++step) {
            QTest::keyClick(remaining, Qt::Key_Down);
            QCOMPARE(window->currentQuestion(), step + 1);
            QCOMPARE(remaining->currentText(), QString::number(step + 1));
        }
        QTest::keyClick(remaining, Qt::Key_Up);
        QCOMPARE(window->currentQuestion(), remaining->count() - 1);
    }

    void aPageThatCannotBePreparedIsNotReplacedByTheLastOne()
    {
        PracticeWindow *window = open(1, 101);
        QVERIFY(window);
        const QString second = window->session()->content().questionIds.at(1);
        // Something that is not the program's stands where the page file would go.
        const QString blocker = QStringLiteral("temppaper%1.mht").arg(second);
        QVERIFY(QDir(m_folder).mkdir(blocker));
        window->nextQuestion();
        QCOMPARE(window->currentQuestion(), 2);
        auto *problem = find<QLabel>(window, QStringLiteral("PageProblem"));
        QVERIFY(problem->isVisible());
        QVERIFY(!window->viewer()->isVisible());
        QVERIFY(problem->text().startsWith(QStringLiteral("Question 2 cannot be shown")));
        QVERIFY(!problem->text().contains(m_folder));
        QVERIFY(QFileInfo(m_folder + QLatin1Char('/') + blocker).isDir());
        QVERIFY(QDir(m_folder).rmdir(blocker));
        window->nextQuestion();
        QVERIFY(waitForPage(window));
        QVERIFY(window->viewer()->isVisible());
        QVERIFY(!problem->isVisible());
    }

    void nothingPollsWhileThePupilWorks()
    {
        PracticeWindow *window = open(1, 101);
        QVERIFY(window);
        auto runningTimers = [](const QObject *owner) {
            QStringList running;
            for (const QTimer *timer : owner->findChildren<QTimer *>()) {
                if (timer->isActive())
                    running << QStringLiteral("%1 every %2 ms").arg(timer->objectName()).arg(timer->interval());
            }
            return running;
        };
        // Only the clock ticks, and only as often as it shows a change.
        const QStringList running = runningTimers(window);
        QCOMPARE(running.size(), 1);
        QVERIFY2(running.constFirst().endsWith(QLatin1String("every 1000 ms")), qPrintable(running.join(", ")));
        // The tool bar follows its actions without being told twice.
        QVERIFY(!find<PictureButton>(window, QStringLiteral("ToolBar05"))->isEnabled());
        window->action(PracticeWindow::Tool::Back)->setEnabled(true);
        QVERIFY(find<PictureButton>(window, QStringLiteral("ToolBar05"))->isEnabled());
        QVERIFY(find<QLabel>(window, QStringLiteral("lblTB05"))->isEnabled());
        window->action(PracticeWindow::Tool::Back)->setEnabled(false);

        // A tick changes the clock's text and lays nothing out again.
        struct LayoutCounter : QObject {
            int layouts = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                layouts += event->type() == QEvent::LayoutRequest;
                return false;
            }
        } counter;
        QWidget *statusBox = find<QLabel>(window, QStringLiteral("lblClock"))->parentWidget();
        for (QWidget *up = statusBox; up; up = up->parentWidget())
            up->installEventFilter(&counter);
        m_clock.advance(1);
        QTRY_COMPARE(find<QLabel>(window, QStringLiteral("lblClock"))->text(), QStringLiteral("0:0:1"));
        QCoreApplication::processEvents();
        QCOMPARE(counter.layouts, 0);

        m_clock.advance(60);
        m_dialogs->will({QStringLiteral("Yes")});
        window->mark();
        QVERIFY(window->isMarked());
        QCOMPARE(runningTimers(window), QStringList());
    }

    void aFailedSaveKeepsTheAnswers()
    {
        PracticeWindow *window = open(1, 101);
        QVERIFY(window);
        // The answers file can no longer be replaced.
        QVERIFY(QFile::remove(file(ProgressFile::First, 1)));
        QVERIFY(QDir(m_folder).mkdir(QFileInfo(file(ProgressFile::First, 1)).fileName()));
        QTest::keyClicks(box(window, 1), QStringLiteral("kept"));
        click(window, QStringLiteral("ToolBar01"));
        QCOMPARE(m_dialogs->seen.size(), 1);
        QVERIFY(m_dialogs->seen.constFirst().startsWith(QStringLiteral("Kestrelworks|Your answers could not be saved")));
        QVERIFY2(!m_dialogs->seen.constFirst().contains(m_folder), qPrintable(m_dialogs->seen.constFirst()));
        window->nextQuestion();
        window->previousQuestion();
        QCOMPARE(box(window, 1)->text(), QStringLiteral("kept"));
        QVERIFY(!window->isMarked());
        QVERIFY(QDir(m_folder).rmdir(QFileInfo(file(ProgressFile::First, 1)).fileName()));
    }

    // Rows for the first attempt and for trying the paper again.
    void aFailedWriteLosesNothing_data()
    {
        QTest::addColumn<int>("attempt");
        QTest::addColumn<WriteStep>("step");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("answers"); // given in turn to the dialogs
        QTest::addColumn<bool>("stillOpen");
        QTest::addColumn<int>("question");         // on show afterwards
        const QList<std::pair<WriteStep, const char *>> steps{{WriteStep::Open, "open"},
                                                              {WriteStep::Write, "write"},
                                                              {WriteStep::Flush, "flush"},
                                                              {WriteStep::Sync, "sync"},
                                                              {WriteStep::Rename, "rename"}};
        for (int attempt : {1, 2}) {
            for (const auto &[step, name] : steps) {
                auto row = [&](const char *what) -> QTestData & {
                    return QTest::addRow("attempt %d, %s fails: %s", attempt, name, what) << attempt;
                };
                row("save") << step << "save" << QStringList{"OK"} << true << 1;
                row("mark") << step << "mark" << QStringList{"OK"} << true << 1;
                row("close, then stay") << step << "close" << QStringList{"Yes", "OK", "No"} << true << 1;
                row("close, losing the answers") << step << "close" << QStringList{"Yes", "OK", "Yes"} << false << 0;
                row("next, then stay") << step << "next" << QStringList{"OK", "No"} << true << 1;
                row("next all the same") << step << "next" << QStringList{"OK", "Yes"} << true << 2;
            }
        }
    }

    void aFailedWriteLosesNothing()
    {
        QFETCH(int, attempt);
        QFETCH(WriteStep, step);
        QFETCH(QString, operation);
        QFETCH(QStringList, answers);
        QFETCH(bool, stillOpen);
        QFETCH(int, question);
        if (attempt == 2)
            markFirstAttempt(1, 101, {});
        PracticeWindow *window = open(1, 101, attempt == 1 ? Attempt::first() : Attempt::second());
        QVERIFY(window);
        QTest::keyClicks(box(window, 1), QStringLiteral("kept"));
        const QMap<QString, QByteArray> before = folderSnapshot();

        m_failStep = step;
        m_dialogs->will(answers);
        if (operation == QLatin1String("save"))
            click(window, QStringLiteral("ToolBar01"));
        else if (operation == QLatin1String("mark"))
            click(window, QStringLiteral("ToolBar02"));
        else if (operation == QLatin1String("close"))
            click(window, QStringLiteral("ToolBar04"));
        else
            click(window, QStringLiteral("ToolBar06"));
        QTRY_COMPARE(m_dialogs->pending(), 0);
        QVERIFY2(m_dialogs->seen.join(QLatin1Char('\n')).contains(QLatin1String("could not be saved")),
                 qPrintable(m_dialogs->seen.join(QLatin1Char('\n'))));
        QCOMPARE(folderSnapshot(), before);
        QTRY_COMPARE(!m_window.isNull(), stillOpen);
        if (!stillOpen)
            return;
        QVERIFY(!window->isMarked());
        QCOMPARE(window->currentQuestion(), question);
        m_failStep.reset();
        window->jumpToQuestion(1);
        QCOMPARE(box(window, 1)->text(), QStringLiteral("kept"));
    }

    void aFailedMarkingWriteLeavesThePaperUnmarked_data()
    {
        QTest::addColumn<int>("attempt");
        QTest::addColumn<WriteStep>("step");
        QTest::addColumn<QString>("file");
        const QList<std::pair<int, QStringList>> marked{{1, {"marking", "fresults", "marks", "trend"}},
                                                       {2, {"marking", "sresults", "marks"}}};
        for (const auto &[attempt, files] : marked) {
            for (const QString &file : files) {
                for (WriteStep step : {WriteStep::Open, WriteStep::Write, WriteStep::Flush, WriteStep::Sync, WriteStep::Rename})
                    QTest::addRow("attempt %d, %s, step %d", attempt, qPrintable(file), int(step)) << attempt << step << file;
            }
        }
    }

    void aFailedMarkingWriteLeavesThePaperUnmarked()
    {
        QFETCH(int, attempt);
        QFETCH(WriteStep, step);
        QFETCH(QString, file);
        if (attempt == 2)
            markFirstAttempt(1, 101, {});
        PracticeWindow *window = open(1, 101, attempt == 1 ? Attempt::first() : Attempt::second());
        QVERIFY(window);
        QTest::keyClicks(box(window, 1), QStringLiteral("kept"));
        m_dialogs->will({QStringLiteral("OK")});
        window->save();
        const QMap<QString, QByteArray> before = folderSnapshot();
        const QByteArray trendBefore = kwtest::readAll(this->file(ProgressFile::Trend, 1));

        m_failStep = step;
        m_failFile = file;
        m_dialogs->will({QStringLiteral("Yes"), QStringLiteral("OK")});
        window->mark();
        QCOMPARE(m_dialogs->pending(), 0);
        QVERIFY(m_dialogs->seen.constLast().startsWith(QStringLiteral("Marking|The paper could not be marked")));
        QVERIFY(!window->isMarked());
        QCOMPARE(box(window, 1)->text(), QStringLiteral("kept"));
        QVERIFY(!box(window, 1)->isReadOnly());
        // Either nothing changed, or the marking had reached its journal (the
        // commit point) and the next marking or start finishes it.
        const QMap<QString, QByteArray> after = folderSnapshot();
        QStringList changed;
        for (const QString &name : after.keys() + before.keys()) {
            if (after.value(name) != before.value(name) && !changed.contains(name))
                changed << name;
        }
        if (!changed.isEmpty()) {
            const QString journal = QFileInfo(markingJournalPath(m_folder, 1, m_catalogue.code)).fileName();
            QVERIFY2(after.contains(journal), qPrintable(changed.join(QLatin1String(", "))));
            QStringList marking{journal, QFileInfo(this->file(ProgressFile::Marks, 1)).fileName()};
            if (attempt == 1)
                marking << QFileInfo(this->file(ProgressFile::FirstResults, 1)).fileName()
                        << QFileInfo(this->file(ProgressFile::Trend, 1)).fileName();
            else
                marking << QFileInfo(this->file(ProgressFile::SecondResults, 1)).fileName();
            for (const QString &name : std::as_const(changed))
                QVERIFY2(marking.contains(name), qPrintable(name));
        }

        // Once the disk takes writes again, marking works and adds one trend
        // value for a first attempt, none for a second.
        m_failStep.reset();
        m_dialogs->will({QStringLiteral("Yes")});
        window->mark();
        QVERIFY(window->isMarked());
        const QByteArray trend = kwtest::readAll(this->file(ProgressFile::Trend, 1));
        if (attempt == 1)
            QCOMPARE(trend.count('>'), 1);
        else
            QCOMPARE(trend, trendBefore);
    }

    // Trying a paper again, from the home page and back to it: what was
    // right is kept and locked, the rest gets hints, and the marking changes
    // only what belongs to the second attempt.
    void pupilTriesAPaperAgain()
    {
        MainWindow contents(mainWindowContext());
        contents.show();

        // Mathematics, Mock Examination, first paper: 27001 (number), 27002
        // (choice), 27003 (fraction), ... 27008 (ratio), 27009 (a group of
        // two), 27010 (a fraction and an alternatives slot).
        click(&contents, QStringLiteral("Tab02"));
        click(contents.homePage(), QStringLiteral("Topic7"));
        QVERIFY(!contents.homePage()->tryAgainButton(1)->isVisible());
        click(contents.homePage(), QStringLiteral("P1a"));
        PracticeWindow *window = contents.practiceWindow();
        QVERIFY(window);
        QVERIFY(waitForPage(window));
        QCOMPARE(window->objectName(), QStringLiteral("Test1"));
        const PaperContent content = window->session()->content();
        const int slotCount = content.slotCount();
        QCOMPARE(content.types.at(2), SlotType::Fraction);
        QCOMPARE(content.types.at(7), SlotType::Ratio);
        QCOMPARE(content.types.at(8), SlotType::Group);
        QCOMPARE(content.types.at(11), SlotType::Alternatives);

        QTest::keyClicks(box(window, 1), QStringLiteral("600000"));
        window->jumpToQuestion(3);
        QTest::keyClicks(box(window, 1), QStringLiteral("10/12"));
        window->jumpToQuestion(8);
        QTest::keyClicks(box(window, 1), QStringLiteral("6:5"));
        window->jumpToQuestion(9);
        QTest::keyClicks(box(window, 1), QStringLiteral("10"));
        QTest::keyClicks(box(window, 2), QStringLiteral("10"));
        m_dialogs->will({QStringLiteral("Yes")});
        click(window, QStringLiteral("ToolBar02"));
        QVERIFY(window->isMarked());
        m_dialogs->will({QStringLiteral("Yes")});
        click(window, QStringLiteral("ToolBar04"));
        QTRY_VERIFY(!contents.practiceWindow());

        QStringList firstResults(slotCount, QStringLiteral("N"));
        firstResults[0] = firstResults[8] = QStringLiteral("Y");
        QCOMPARE(paperRecord(ProgressFile::FirstResults, 2, 131, slotCount), firstResults);
        const QByteArray firstAnswersBytes = kwtest::readAll(file(ProgressFile::First, 2));
        const QByteArray firstResultsBytes = kwtest::readAll(file(ProgressFile::FirstResults, 2));
        const QByteArray trendBytes = kwtest::readAll(file(ProgressFile::Trend, 2));
        const RecordFile marksBefore = RecordFile::fromFile(file(ProgressFile::Marks, 2));

        // Try again.
        QVERIFY(contents.homePage()->tryAgainButton(1)->isVisible());
        click(contents.homePage(), QStringLiteral("P1b"));
        window = contents.practiceWindow();
        QVERIFY(window);
        QVERIFY(waitForPage(window));
        QCOMPARE(window->objectName(), QStringLiteral("Test2"));
        QVERIFY(!window->isMarked());
        QCOMPARE(find<QLabel>(window, QStringLiteral("lblTotalQ"))->text(), QString::number(slotCount));
        // The first question was right: carried over, locked and tinted, with its mark.
        QCOMPARE(box(window, 1)->text(), QStringLiteral("600000"));
        QVERIFY(box(window, 1)->isReadOnly());
        QCOMPARE(boxColour(box(window, 1)), kCarriedOver);
        QVERIFY(label(window, QStringLiteral("FR"), 1)->isVisible());
        QCOMPARE(label(window, QStringLiteral("FR"), 1)->text(), QStringLiteral("Y"));
        QVERIFY(!label(window, QStringLiteral("SR"), 1)->isVisible());
        QVERIFY(!label(window, QStringLiteral("Hint"), 1)->isVisible());
        auto *remaining = find<QComboBox>(window, QStringLiteral("RemQns"));
        QCOMPARE(remaining->findText(QStringLiteral("1")), -1);
        QVERIFY(remaining->findText(QStringLiteral("3")) >= 0);
        QCOMPARE(find<QLabel>(window, QStringLiteral("lblAnsweredQ"))->text(), QStringLiteral("2"));

        // A blank slot has nothing to be told.
        window->jumpToQuestion(2);
        QVERIFY(!box(window, 1)->isReadOnly());
        QCOMPARE(boxColour(box(window, 1)), QColor(Qt::white));
        QVERIFY(!label(window, QStringLiteral("Hint"), 1)->isVisible());
        QVERIFY(!label(window, QStringLiteral("FR"), 1)->isVisible());

        // Wrong ones say why, under their box, and the box carries the hint
        // for a screen reader; the answer itself is never given away.
        const QList<std::tuple<int, int, QString, QString>> hinted{
            {3, 1, kSimplest, QStringLiteral("5/6")}, {8, 1, kOrder, QStringLiteral("5:6")}, {9, 2, kRepeated, QStringLiteral("9")}};
        for (const auto &[question, k, hint, answer] : hinted) {
            window->jumpToQuestion(question);
            QLabel *hintLabel = label(window, QStringLiteral("Hint"), k);
            QVERIFY2(hintLabel->isVisible(), qPrintable(hint));
            QCOMPARE(hintLabel->text(), hint);
            QVERIFY(!hintLabel->accessibleName().isEmpty());
            QVERIFY2(box(window, k)->accessibleDescription().contains(hint), qPrintable(box(window, k)->accessibleDescription()));
            QVERIFY(!hint.contains(answer));
            auto *panel = find<SlotPanel>(window, QStringLiteral("Frame%1").arg(k));
            QVERIFY(hintLabel->geometry().top() > box(window, k)->geometry().bottom());
            QVERIFY(hintLabel->geometry().bottom() < panel->height());
            QTest::keyClicks(box(window, k), answer);
        }
        // On question 9 the group's first slot was right and stays; the
        // second's hint makes its panel taller, and nothing overlaps it.
        QVERIFY(box(window, 1)->isReadOnly());
        QCOMPARE(box(window, 1)->text(), QStringLiteral("10"));
        QCOMPARE(boxColour(box(window, 1)), kCarriedOver);
        QVERIFY(!box(window, 2)->isReadOnly());
        QVERIFY(find<SlotPanel>(window, QStringLiteral("Frame2"))->height() > Px(SlotPanel::kHeightTwips));

        m_dialogs->will({QStringLiteral("Yes")});
        click(window, QStringLiteral("ToolBar02"));
        QCOMPARE(m_dialogs->seen.constLast(), kMarkingBlank);
        QVERIFY(window->isMarked());

        QStringList secondAnswers(slotCount);
        secondAnswers[0] = QStringLiteral("600000");
        secondAnswers[2] = QStringLiteral("5/6");
        secondAnswers[7] = QStringLiteral("5:6");
        secondAnswers[8] = QStringLiteral("10");
        secondAnswers[9] = QStringLiteral("9");
        QCOMPARE(paperRecord(ProgressFile::Second, 2, 131, slotCount), secondAnswers);
        QStringList secondResults(slotCount, QStringLiteral("N"));
        int score = 0;
        for (int i : {0, 2, 7, 8, 9}) {
            secondResults[i] = QStringLiteral("Y");
            score += content.marks.at(i);
        }
        QCOMPARE(paperRecord(ProgressFile::SecondResults, 2, 131, slotCount), secondResults);
        const QString percent = percentText(score, content.totalMarks);
        QCOMPARE(window->score(), score);
        QCOMPARE(find<QLabel>(window, QStringLiteral("PScoring"))->text(), percent);

        // Only SSE and SST of this paper changed; the first attempt and the trend did not.
        const RecordFile marksAfter = RecordFile::fromFile(file(ProgressFile::Marks, 2));
        for (const char *key : {"FSE", "LTM", "CDD", "FST"})
            QCOMPARE(marksAfter.line(QLatin1String(key)), marksBefore.line(QLatin1String(key)));
        const SubjectProgress summary = readSubjectProgress(m_folder, 2, m_catalogue.code, 35);
        for (int p = 0; p < 35; ++p) {
            QCOMPARE(summary.secondScores().at(p), p == 30 ? percent : QString());
            QCOMPARE(summary.isMarked(SummaryField::SecondState, p), p == 30);
        }
        QCOMPARE(kwtest::readAll(file(ProgressFile::Trend, 2)), trendBytes);
        QCOMPARE(kwtest::readAll(file(ProgressFile::First, 2)), firstAnswersBytes);
        QCOMPARE(kwtest::readAll(file(ProgressFile::FirstResults, 2)), firstResultsBytes);

        // The marked display: this attempt's marks, model answers beside the
        // wrong slots only, no hints.
        QCOMPARE(window->currentQuestion(), 9);
        for (int k = 1; k <= 2; ++k) {
            QVERIFY(box(window, k)->isReadOnly());
            QVERIFY(label(window, QStringLiteral("SR"), k)->isVisible());
            QCOMPARE(label(window, QStringLiteral("SR"), k)->text(), QStringLiteral("Y"));
            QVERIFY(!label(window, QStringLiteral("FR"), k)->isVisible());
            QVERIFY(!find<QLineEdit>(window, QStringLiteral("M%1").arg(k))->isVisible());
            QVERIFY(!label(window, QStringLiteral("Hint"), k)->isVisible());
        }
        QVERIFY(!find<QWidget>(window, QStringLiteral("TxtRem"))->isVisible());
        QVERIFY(!find<PictureButton>(window, QStringLiteral("ToolBar02"))->isEnabled());
        window->jumpToQuestion(10);
        QCOMPARE(label(window, QStringLiteral("SR"), 1)->text(), QStringLiteral("N"));
        QCOMPARE(label(window, QStringLiteral("SR"), 2)->text(), QStringLiteral("N"));
        QVERIFY(find<QLineEdit>(window, QStringLiteral("M1"))->isVisible());
        QCOMPARE(find<QLineEdit>(window, QStringLiteral("M1"))->text(), QStringLiteral("5/12"));
        QVERIFY(find<QLineEdit>(window, QStringLiteral("M2"))->isVisible());
        QCOMPARE(find<QLineEdit>(window, QStringLiteral("M2"))->text(), QStringLiteral("3 11/24"));
        window->jumpToQuestion(1);
        QCOMPARE(boxColour(box(window, 1)), kCarriedOver);
        QVERIFY(!find<QLineEdit>(window, QStringLiteral("M1"))->isVisible());

        m_dialogs->will({QStringLiteral("Yes")});
        click(window, QStringLiteral("ToolBar04"));
        QTRY_VERIFY(!contents.practiceWindow());
        QCOMPARE(contents.homePage()->secondScore(1)->text(), percent);
        QCOMPARE(m_dialogs->pending(), 0);

        // Reopened, the marked second attempt goes straight to its marked display.
        click(contents.homePage(), QStringLiteral("P1b"));
        window = contents.practiceWindow();
        QVERIFY(window);
        QVERIFY(window->isMarked());
        QCOMPARE(find<QLabel>(window, QStringLiteral("PScoring"))->text(), percent);
        QVERIFY(label(window, QStringLiteral("SR"), 1)->isVisible());
    }

    void aSecondAttemptNeedsAMarkedFirst()
    {
        const QByteArray before = kwtest::readAll(file(ProgressFile::Second, 1));
        QVERIFY(!open(1, 101, Attempt::second()));
        QCOMPARE(m_dialogs->seen.size(), 1);
        QVERIFY2(m_dialogs->seen.constFirst().contains(QStringLiteral("before its first attempt has been marked")),
                 qPrintable(m_dialogs->seen.constFirst()));
        QCOMPARE(m_refreshes, 0);
        QCOMPARE(kwtest::readAll(file(ProgressFile::Second, 1)), before);
        QVERIFY(QDir(m_folder).entryList({QStringLiteral("temppaper*")}).isEmpty());
    }

    // The second attempt has no clock, no dates and no trend; its bottom bar
    // shows its own picture.
    void aSecondAttemptIsNotTimed()
    {
        markFirstAttempt(1, 101, {});
        PracticeWindow *window = open(1, 101, Attempt::second());
        QVERIFY(window);
        for (const char *name : {"lblClock", "LTime", "ETime", "lblDate", "Bot2", "PScoringL"})
            QVERIFY2(!window->findChild<QWidget *>(QLatin1String(name)), name);
        QCOMPARE(find<QLabel>(window, QStringLiteral("Bot1"))->pixmap().toImage(),
                 m_pictures->get(QStringLiteral("bottombg1.bmp")).toImage());
        QCOMPARE(find<QLabel>(window, QStringLiteral("Bot3"))->pixmap().toImage(),
                 m_pictures->get(QStringLiteral("bottombg3.bmp")).toImage());
        for (const QTimer *timer : window->findChildren<QTimer *>())
            QVERIFY(!timer->isActive());
        const QByteArray trend = kwtest::readAll(file(ProgressFile::Trend, 1));
        m_clock.advance(600);
        m_dialogs->will({QStringLiteral("Yes")});
        window->mark();
        QVERIFY(window->isMarked());
        const SubjectProgress summary = readSubjectProgress(m_folder, 1, m_catalogue.code, 35);
        QCOMPARE(summary.times().at(0), QStringLiteral("0:1:30")); // the first attempt's, kept
        QCOMPARE(summary.dates().at(0), QStringLiteral("08/12/2026"));
        QCOMPARE(summary.secondScores().at(0), QStringLiteral("0"));
        QCOMPARE(kwtest::readAll(file(ProgressFile::Trend, 1)), trend);
    }

    void anAllRightFirstAttemptIsCarriedOverWhole()
    {
        const PaperMarking first = markFirstAttemptAllRight(1, 101);
        PracticeWindow *window = open(1, 101, Attempt::second());
        QVERIFY(window);
        const PaperContent &content = window->session()->content();
        QCOMPARE(first.score, content.totalMarks);
        QCOMPARE(find<QComboBox>(window, QStringLiteral("RemQns"))->count(), 0);
        for (int question = 1; question <= content.questionCount(); ++question) {
            window->jumpToQuestion(question);
            for (int k = 1; k <= content.slotCounts.at(question - 1); ++k) {
                QVERIFY(!box(window, k)->text().isEmpty());
                QVERIFY(box(window, k)->isReadOnly());
                QCOMPARE(boxColour(box(window, k)), kCarriedOver);
                QCOMPARE(label(window, QStringLiteral("FR"), k)->text(), QStringLiteral("Y"));
            }
        }
        m_dialogs->will({QStringLiteral("Yes")});
        window->mark();
        QCOMPARE(m_dialogs->seen, QStringList{kMarking});
        QCOMPARE(window->score(), content.totalMarks);
        QCOMPARE(find<QLabel>(window, QStringLiteral("PScoring"))->text(), QStringLiteral("100"));
    }

    // English paper 101: three questions of five slots each. Slots right the
    // first time are carried over; the rest are answered (or not) now.
    void carriedOverSlotsAreNeverLeftToDo_data()
    {
        QTest::addColumn<QList<int>>("right");     // right the first time
        QTest::addColumn<QList<int>>("answered");  // answered in this attempt
        QTest::addColumn<QString>("spacesOnly");   // a right first answer stored as spaces, "" for none
        QTest::addColumn<QList<int>>("remaining");
        QTest::addColumn<int>("firstEmpty");
        QTest::newRow("nothing right, nothing answered") << QList<int>{} << QList<int>{} << "" << QList<int>{1, 2, 3} << 1;
        QTest::newRow("question 1 right: never listed") << QList<int>{1, 2, 3, 4, 5} << QList<int>{} << "" << QList<int>{2, 3} << 6;
        QTest::newRow("the rest answered: nothing empty")
            << QList<int>{1, 4, 9} << QList<int>{2, 3, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15} << "" << QList<int>{} << 0;
        QTest::newRow("one left in question 3") << QList<int>{1, 4, 9} << QList<int>{2, 3, 5, 6, 7, 8, 10, 11, 12, 13, 14}
                                                << "" << QList<int>{3} << 15;
        QTest::newRow("carried-over spaces still count as done")
            << QList<int>{7} << QList<int>{1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15} << "  " << QList<int>{} << 0;
    }

    void carriedOverSlotsAreNeverLeftToDo()
    {
        QFETCH(QList<int>, right);
        QFETCH(QList<int>, answered);
        QFETCH(QString, spacesOnly);
        QFETCH(QList<int>, remaining);
        QFETCH(int, firstEmpty);
        const FileWriter writer;
        const PaperAddress address{m_folder, 1, m_catalogue.code, 35, 101};
        PaperSession first(address, Attempt::first(), writer);
        const int slotCount = first.content().slotCount();
        QStringList results(slotCount, QStringLiteral("N"));
        for (int slot : right) {
            first.answers[slot - 1] = spacesOnly.isEmpty() ? QStringLiteral("right") : spacesOnly;
            results[slot - 1] = QStringLiteral("Y");
        }
        first.saveAnswers();
        recordFirstMarking(m_folder, 1, m_catalogue.code, 35, 1, results, QStringLiteral("50"), QStringLiteral("0:1:0"),
                           QStringLiteral("08/12/2026"), writer);

        PaperSession second(address, Attempt::second(), writer);
        for (int slot = 1; slot <= slotCount; ++slot) {
            QCOMPARE(second.carriedOver(slot), right.contains(slot));
            QCOMPARE(second.results.at(slot - 1), right.contains(slot) ? Verdict::Right : Verdict::Unmarked);
        }
        for (int slot : answered)
            second.answers[slot - 1] = QStringLiteral("now");
        QCOMPARE(second.remainingQuestions(), remaining);
        QCOMPARE(second.firstEmptySlot(), firstEmpty);
    }

    // A question of twenty slots: the second attempt stacks them edge to edge.
    void manySlotsStackEdgeToEdge()
    {
        markFirstAttempt(1, 135, {});
        PracticeWindow *window = open(1, 135, Attempt::second());
        QVERIFY(window);
        window->jumpToQuestion(23);
        for (int k = 1; k <= 20; ++k) {
            auto *panel = find<SlotPanel>(window, QStringLiteral("Frame%1").arg(k));
            QVERIFY(panel->isVisible());
            QCOMPARE(panel->y(), Px(50 + (k - 1) * 375));
            if (k > 1) {
                auto *above = find<SlotPanel>(window, QStringLiteral("Frame%1").arg(k - 1));
                QCOMPARE(panel->y(), above->y() + above->height());
            }
        }
    }

    // An alternatives slot judged wrong shows its first alternative.
    void alternativesShowTheirFirstAsTheModel()
    {
        markFirstAttempt(2, 131, {});
        PracticeWindow *window = open(2, 131, Attempt::second());
        QVERIFY(window);
        const PaperContent &content = window->session()->content();
        m_dialogs->will({QStringLiteral("Yes")});
        window->mark();
        QVERIFY(window->isMarked());
        int seen = 0;
        for (int question = 1; question <= content.questionCount(); ++question) {
            window->jumpToQuestion(question);
            const int offset = content.firstSlotOf(question) - 1;
            for (int k = 1; k <= content.slotCounts.at(question - 1); ++k) {
                if (content.types.at(offset + k - 1) != SlotType::Alternatives)
                    continue;
                auto *model = find<QLineEdit>(window, QStringLiteral("M%1").arg(k));
                QVERIFY(model->isVisible());
                QCOMPARE(model->text(), alternativesOf(content.keys.at(offset + k - 1)).constFirst());
                ++seen;
            }
        }
        QVERIFY(seen >= 3);
    }

    void keyboardAloneWorksASecondAttempt()
    {
        // English paper 101: (a) of question 1 was right the first time.
        const PaperMarking first = markFirstAttemptAllRight(1, 101);
        QCOMPARE(first.results.at(0), Verdict::Right);
        {
            const FileWriter writer;
            PaperSession session({m_folder, 1, m_catalogue.code, 35, 101}, Attempt::first(), writer);
            QStringList results(session.content().slotCount(), QStringLiteral("N"));
            results[0] = QStringLiteral("Y");
            recordFirstMarking(m_folder, 1, m_catalogue.code, 35, 1, results, QStringLiteral("6.7"), QStringLiteral("0:1:0"),
                               QStringLiteral("08/12/2026"), writer);
        }
        PracticeWindow *window = open(1, 101, Attempt::second());
        QVERIFY(window);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        // The first box the pupil can change has the focus.
        QCOMPARE(window->focusWidget(), box(window, 2));
        QTest::keyClicks(window->focusWidget(), QStringLiteral("two"));
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QCOMPARE(window->focusWidget(), box(window, 3));
        QTest::keyClick(window->focusWidget(), Qt::Key_N, Qt::AltModifier);
        QCOMPARE(window->currentQuestion(), 2);
        QCOMPARE(window->focusWidget(), box(window, 1));
        QTest::keyClicks(window->focusWidget(), QStringLiteral("six"));
        QTest::keyClick(window->focusWidget(), Qt::Key_B, Qt::AltModifier);
        QCOMPARE(box(window, 2)->text(), QStringLiteral("two"));
        m_dialogs->will({QStringLiteral("Yes")});
        QTest::keyClick(window->focusWidget(), Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(m_dialogs->seen, QStringList{kMarkingBlank});
        QVERIFY(window->isMarked());
        QStringList answers = paperRecord(ProgressFile::Second, 1, 101, window->session()->content().slotCount());
        QCOMPARE(answers.at(1), QStringLiteral("two"));
        QCOMPARE(answers.at(5), QStringLiteral("six"));
        QVERIFY(!answers.at(0).isEmpty());
        QCOMPARE(answers.at(0), window->session()->firstAnswers().at(0));
        // The window manager gives the window back its activation once the
        // dialog is gone; the headless platform leaves that to the test.
        window->activateWindow();
        QTRY_COMPARE(QGuiApplication::focusWindow(), window->windowHandle());
        m_dialogs->will({QStringLiteral("Yes")});
        QTest::keyClick(window->focusWidget(), Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY2(!m_window, qPrintable(m_dialogs->seen.join(QLatin1Char('\n'))));
        QCOMPARE(m_refreshes, 1);
    }

    // The long-answer box wraps what the pupil types over its whole height,
    // in either attempt, and still holds one line.
    void longAnswersWrapWhileTyped_data()
    {
        QTest::addColumn<int>("attempt");
        QTest::newRow("first attempt") << 1;
        QTest::newRow("second attempt") << 2;
    }

    void longAnswersWrapWhileTyped()
    {
        QFETCH(int, attempt);
        if (attempt == 2)
            markFirstAttempt(1, 103, {});
        PracticeWindow *window = open(1, 103, attempt == 1 ? Attempt::first() : Attempt::second());
        QVERIFY(window);
        window->jumpToQuestion(13);
        AnswerBox *answer = box(window, 1);
        QVERIFY(answer->isWrapping());
        QVERIFY(!box(window, 2)->isWrapping());
        const QString words = QStringLiteral("The children walked all the way along the river to the old mill and back");
        answer->setFocus();
        QTest::keyClicks(answer, words);
        QTest::keyClick(answer, Qt::Key_Return);
        QCOMPARE(answer->text(), words);
        const QList<QRectF> lines = answer->wrappedLines();
        QVERIFY2(lines.size() >= 3, qPrintable(QString::number(lines.size())));
        for (const QRectF &line : lines) {
            QVERIFY(line.left() >= 0 && line.right() <= answer->width());
            QVERIFY(line.top() >= 0 && line.bottom() <= answer->height());
        }
        // The whole answer is in view, its start included, with the cursor at its end.
        QCOMPARE(answer->cursorPosition(), words.size());
        QVERIFY(lines.constFirst().top() >= 0);
        // Up moves to the line above, as in a text area.
        QTest::keyClick(answer, Qt::Key_Up);
        QVERIFY(answer->cursorPosition() < words.size());
        window->previousQuestion();
        QVERIFY(!box(window, 1)->isWrapping());
        window->nextQuestion();
        QCOMPARE(paperRecord(attempt == 1 ? ProgressFile::First : ProgressFile::Second, 1, 103,
                             window->session()->content().slotCount())
                     .at(window->session()->content().firstSlotOf(13) - 1),
                 words);
    }

    void anEarlierYesNeverAnswersALaterQuestion()
    {
        PracticeWindow *window = open(1, 101);
        QVERIFY(window);
        m_dialogs->will({QStringLiteral("Yes"), QStringLiteral("Escape")});
        click(window, QStringLiteral("ToolBar01")); // "Paper saved", answered with the first button
        click(window, QStringLiteral("ToolBar02"));
        QCOMPARE(m_dialogs->seen.constLast(), kMarkingBlank);
        QVERIFY(!window->isMarked());
    }

    void copyingFromThePageIsRefused()
    {
        PracticeWindow *window = open(1, 101);
        QVERIFY(window);
        emit window->viewer()->guardTriggered();
        QTRY_COMPARE(m_dialogs->seen, QStringList{QStringLiteral("Error|Invalid operation")});
    }

    void backAndNextStayAtTheRightEdge_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("smallest") << QSize(640, 440);
        QTest::newRow("usual") << QSize(900, 650);
        QTest::newRow("wide") << QSize(1400, 900);
    }

    void backAndNextStayAtTheRightEdge()
    {
        QFETCH(QSize, size);
        PracticeWindow *window = open(1, 101);
        QVERIFY(window);
        auto *band = find<QWidget>(window, QStringLiteral("ScnTabBG"));
        auto *back = find<QWidget>(window, QStringLiteral("ToolBar05"));
        auto *next = find<QWidget>(window, QStringLiteral("ToolBar06"));
        const auto gaps = [&]() {
            window->layout()->activate();
            return std::pair(band->width() - 1 - next->geometry().right(), next->x() - back->geometry().right());
        };
        window->resize(800, 600);
        const auto atFirst = gaps();
        window->resize(size);
        QCOMPARE(window->size(), size);
        QCOMPARE(gaps(), atFirst);
        // The band spans the window between the frame's side borders.
        QCOMPARE(band->x(), find<QWidget>(window, QStringLiteral("BLeft"))->width());
        QCOMPARE(band->geometry().right() + 1, find<QWidget>(window, QStringLiteral("BRight"))->x());
        QVERIFY(back->x() > find<QWidget>(window, QStringLiteral("ToolBar04"))->geometry().right());
        // The page and the sheet fill the room down to the bottom border.
        QCOMPARE(window->sheet()->geometry().right() + 1, find<QWidget>(window, QStringLiteral("BRight"))->x());
        QCOMPARE(find<QWidget>(window, QStringLiteral("RemQnsBG"))->geometry().bottom() + 1,
                 find<QWidget>(window, QStringLiteral("BBot"))->y());
        QCOMPARE(window->mask(), QRegion(QPolygon{{0, 5}, {1, 3}, {2, 2}, {3, 1}, {5, 0}, {size.width() - 5, 0},
                                                  {size.width() - 3, 1}, {size.width() - 2, 2}, {size.width() - 2, 3},
                                                  {size.width(), 5}, {size.width(), size.height()}, {0, size.height()}},
                                         Qt::WindingFill));
    }

    void windowNeverGetsSmallerThanItsLayout()
    {
        PracticeWindow *window = open(1, 101);
        QVERIFY(window);
        QVERIFY(find<QWidget>(window, QStringLiteral("Sizer"))->isVisible());
        QCOMPARE(find<QWidget>(window, QStringLiteral("imgProgMax"))->accessibleName(), QStringLiteral("Maximise"));
        window->resize(300, 200);
        QCOMPARE(window->size(), QSize(640, 440));
    }

    void closeImageAsksFirst()
    {
        PracticeWindow *window = open(1, 101);
        QVERIFY(window);
        m_dialogs->will({QStringLiteral("No")});
        click(window, QStringLiteral("imgProgClose"));
        QTRY_COMPARE(m_dialogs->seen, QStringList{kClose});
        QVERIFY(window->isVisible());
        m_dialogs->will({QStringLiteral("Yes")});
        click(window, QStringLiteral("imgProgClose"));
        QTRY_VERIFY(!m_window);
    }

    void markedPaperIgnoresSaveAndMark_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("tool");
        QTest::addColumn<QString>("disabled");
        QTest::newRow("Save") << "ToolBar01" << int(PracticeWindow::Tool::Save) << "save_disabled.bmp";
        QTest::newRow("Save caption") << "lblTB01" << int(PracticeWindow::Tool::Save) << "save_disabled.bmp";
        QTest::newRow("Mark") << "ToolBar02" << int(PracticeWindow::Tool::Mark) << "mark_disabled.bmp";
        QTest::newRow("Mark caption") << "lblTB02" << int(PracticeWindow::Tool::Mark) << "mark_disabled.bmp";
    }

    void markedPaperIgnoresSaveAndMark()
    {
        QFETCH(QString, control);
        QFETCH(int, tool);
        QFETCH(QString, disabled);
        PracticeWindow *window = open(1, 101);
        QVERIFY(window);
        m_dialogs->will({QStringLiteral("Yes")});
        click(window, QStringLiteral("ToolBar02"));
        QVERIFY(window->isMarked());
        const QStringList asked = m_dialogs->seen;
        const QMap<QString, QByteArray> before = folderSnapshot();
        auto *button = find<PictureButton>(window, control.startsWith(QLatin1String("lbl"))
                                                       ? QStringLiteral("ToolBar0") + control.right(1)
                                                       : control);
        QCOMPARE(button->picture().toImage(), m_pictures->get(disabled).toImage());
        QSignalSpy triggered(window->action(PracticeWindow::Tool(tool)), &QAction::triggered);
        click(window, control);
        // Hovering a disabled button keeps the disabled picture.
        const QPoint inside = button->rect().center();
        QEnterEvent enter(inside, button->mapTo(window, inside), button->mapToGlobal(inside));
        QCoreApplication::sendEvent(button, &enter);
        QCOMPARE(button->picture().toImage(), m_pictures->get(disabled).toImage());
        QCOMPARE(triggered.size(), 0);
        QCOMPARE(m_dialogs->seen, asked);
        QCOMPARE(folderSnapshot(), before);
    }
};

QTEST_MAIN(TestPracticeWindow)
#include "tst_practicewindow.moc"
