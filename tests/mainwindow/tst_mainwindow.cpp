#include "chrome/picturebutton.h"
#include "chrome/windowframe.h"
#include "chrome/pictures.h"
#include "data/clock.h"
#include "data/filewriter.h"
#include "data/progressfiles.h"
#include "data/resources.h"
#include "mainwindow/mainwindow.h"
#include "startup/skinfiles.h"
#include "mainwindow/homepage.h"

#include <QDir>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QAction>

#include "dialoganswerer.h"
#include "testclock.h"
#include "testfiles.h"
#include "testwidgets.h"

using namespace kw;
using kwtest::readAll;
using kwtest::write;
const auto summary = kwtest::summaryRecords;

namespace {

// The fixture course names English (7 topics, 35 papers) and Science
// (2 topics, 10 papers); subject 2 has no name.
const QString kCode = QStringLiteral("FIX1");



struct Window {
    kwtest::TestClock clock;
    FileWriter writer;
    QStringList asked;
    QList<int> answers; // given in turn to the questions asked
    std::unique_ptr<MainWindow> mainWindow;

    void open(const QString &folder)
    {
        MainWindowContext context;
        context.folder = folder;
        context.clock = &clock;
        context.writer = &writer;
        context.ask = [this](const QString &, const QString &text, const QStringList &) {
            asked << text;
            return answers.isEmpty() ? 0 : answers.takeFirst();
        };
        mainWindow = std::make_unique<MainWindow>(context);
        mainWindow->show();
    }
    template <typename T>
    T *find(const QString &name) const
    {
        return kwtest::find<T>(mainWindow.get(), name);
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void firstStartPreparesTheFolder()
    {
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        QCOMPARE(QDir(dir.filePath(QStringLiteral("Graphics"))).entryList(QDir::Files).size(), qsizetype(kSkinFiles.size()));
        for (int subject : {1, 3}) {
            for (ProgressFile file : kProgressFiles) {
                QFile tpl(resourcePath(progressTemplateResource(subject, int(file)), QStringLiteral("Custom")));
                QVERIFY(tpl.open(QIODevice::ReadOnly));
                QCOMPARE(readAll(progressFilePath(dir.path(), file, subject, kCode)), tpl.readAll());
            }
        }
        QVERIFY(!QFile::exists(progressFilePath(dir.path(), ProgressFile::Marks, 2, kCode)));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temptext30000.txt"))));
        QVERIFY(w.asked.isEmpty());

        QCOMPARE(w.mainWindow->windowTitle(), QStringLiteral("Fixture Practice Papers"));
        QCOMPARE(w.mainWindow->chosenSubject(), 1);
        QCOMPARE(w.mainWindow->catalogue().code, kCode);
        QCOMPARE(w.mainWindow->chosenTopic(), 1);
        QCOMPARE(w.mainWindow->catalogue().subject(1).paperCount, 35);
        QCOMPARE(w.find<QLabel>(QStringLiteral("SubH1"))->text(), QStringLiteral("Grammar"));
        QVERIFY(w.find<QPushButton>(QStringLiteral("Topic1"))->styleSheet().contains(QLatin1String("#808080")));
    }

    void topicsFollowTheCount_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<int>("topics");
        QTest::newRow("English") << "Tab01" << 7;
        QTest::newRow("Science") << "Tab03" << 2;
    }
    void topicsFollowTheCount()
    {
        QFETCH(QString, tab);
        QFETCH(int, topics);
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        QTest::mouseClick(w.find<PictureButton>(tab), Qt::LeftButton);
        for (int k = 1; k <= 10; ++k) {
            QCOMPARE(w.find<QPushButton>(QStringLiteral("Topic%1").arg(k))->isVisible(), k <= topics);
            QCOMPARE(w.find<QLabel>(QStringLiteral("Bullet%1").arg(k))->isVisible(), k <= topics);
        }
        QCOMPARE(w.mainWindow->chosenTopic(), 1);
    }

    void missingSubjectHasNoTab()
    {
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        auto *tab1 = w.find<PictureButton>(QStringLiteral("Tab01"));
        auto *tab2 = w.find<PictureButton>(QStringLiteral("Tab02"));
        auto *tab3 = w.find<PictureButton>(QStringLiteral("Tab03"));
        auto *help = w.find<PictureButton>(QStringLiteral("Tab04"));
        const QWidget *strip = w.find<QWidget>(QStringLiteral("ScnTabBG"));
        QVERIFY(!tab2->isVisible());
        QVERIFY(tab2->geometry().right() < strip->x());
        QCOMPARE(tab1->x(), strip->x() + 2);
        QCOMPARE(tab3->x(), tab1->x() + tab1->width() - 4);
        QCOMPARE(help->x(), tab3->x() + tab3->width() - 4);
        QCOMPARE(w.find<QLabel>(QStringLiteral("Tab03lbl"))->text(), QStringLiteral("Science"));
        QCOMPARE(tab3->toolTip(), QStringLiteral("Load Science Module"));
    }

    void topicThreeShowsPapersElevenToFifteen()
    {
        QTemporaryDir dir;
        {
            Window first;
            first.open(dir.path());
        }
        QStringList scores(15);
        for (int i = 10; i < 15; ++i)
            scores[i] = QString::number(i * 5);
        write(progressFilePath(dir.path(), ProgressFile::Marks, 1, kCode), summary(scores, {}, 35));
        Window w;
        w.open(dir.path());
        w.find<QPushButton>(QStringLiteral("Topic3"))->click();
        QCOMPARE(w.mainWindow->chosenTopic(), 3);
        for (int j = 1; j <= 5; ++j)
            QCOMPARE(w.find<QLabel>(QStringLiteral("MSA%1").arg(j))->text(), QString::number((9 + j) * 5));
        QCOMPARE(w.find<QLabel>(QStringLiteral("SubH1"))->text(), QStringLiteral("Synonyms and Antonyms"));

        QSignalSpy opened(w.mainWindow.get(), &MainWindow::paperOpened);
        kwtest::DialogAnswerer dialogs; // the fixture course carries no question pages
        w.find<PictureButton>(QStringLiteral("P2a"))->click();
        w.find<PictureButton>(QStringLiteral("P5b"))->click();
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened.at(0), (QList<QVariant>{1, 112, 1}));
        QCOMPARE(opened.at(1), (QList<QVariant>{1, 115, 2}));
    }

    void tryAgainFollowsTheFirstScore_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("tryAgain");
        QTest::newRow("not taken") << "" << "" << false;
        QTest::newRow("full marks") << "100" << "" << false;
        QTest::newRow("99") << "99" << "" << true;
        QTest::newRow("99.5") << "99.5" << "" << false;
        QTest::newRow("taken twice") << "40" << "80" << true;
        QTest::newRow("no first score but a second") << "" << "80" << false;
        QTest::newRow("zero") << "0" << "" << true;
    }
    void tryAgainFollowsTheFirstScore()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, tryAgain);
        QTemporaryDir dir;
        {
            Window setup;
            setup.open(dir.path());
        }
        write(progressFilePath(dir.path(), ProgressFile::Marks, 1, kCode), summary({QString(), first}, {QString(), second}, 35));
        Window w;
        w.open(dir.path());
        QCOMPARE(w.find<PictureButton>(QStringLiteral("P2b"))->isVisible(), tryAgain);
        QVERIFY(w.find<PictureButton>(QStringLiteral("P2a"))->isVisible());
        const int percent = w.find<QWidget>(QStringLiteral("Percent1a"))->x();
        auto *firstScore = w.find<QLabel>(QStringLiteral("MSA2"));
        auto *secondScore = w.find<QLabel>(QStringLiteral("MSB2"));
        QCOMPARE(firstScore->text(), first);
        QCOMPARE(secondScore->text(), second);
        if (!first.isEmpty())
            QCOMPARE(firstScore->geometry().right() + 1, percent - 20);
        if (!second.isEmpty())
            QCOMPARE(secondScore->geometry().right() + 1, percent - 20);
    }

    void refreshKeepsTheChosenTopic()
    {
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        w.find<QPushButton>(QStringLiteral("Topic3"))->click();
        QStringList scores(15);
        scores[11] = QStringLiteral("66.7");
        write(progressFilePath(dir.path(), ProgressFile::Marks, 1, kCode), summary(scores, {}, 35));
        w.mainWindow->refresh();
        QCOMPARE(w.mainWindow->chosenTopic(), 3);
        QCOMPARE(w.find<QLabel>(QStringLiteral("MSA2"))->text(), QStringLiteral("66.7"));
        QVERIFY(w.find<PictureButton>(QStringLiteral("P2b"))->isVisible());
        QVERIFY(w.find<QPushButton>(QStringLiteral("Topic3"))->styleSheet().contains(QLatin1String("#808080")));

        // Home goes back to topic 1; so does changing subject.
        w.find<PictureButton>(QStringLiteral("ToolBar01"))->click();
        QCOMPARE(w.mainWindow->chosenTopic(), 1);
    }

    void aLongTopicNameIsShortenedWithTheWholeNameAtHand_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("shortened");
        QTest::newRow("fits") << "Grammar" << false;
        QTest::newRow("too long") << "Reading for meaning: inference, retrieval and the writer's choice of words" << true;
    }
    void aLongTopicNameIsShortenedWithTheWholeNameAtHand()
    {
        QFETCH(QString, name);
        QFETCH(bool, shortened);
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        HomePage *home = w.mainWindow->homePage();
        home->setTopics({QStringLiteral("Spelling"), name});
        home->setHeading(name);
        auto *topic = w.find<QPushButton>(QStringLiteral("Topic2"));
        auto *heading = w.find<QLabel>(QStringLiteral("SubH1"));
        QVERIFY(w.find<QPushButton>(QStringLiteral("Topic2"))->isVisible());
        QVERIFY(!w.find<QPushButton>(QStringLiteral("Topic3"))->isVisible());
        QCOMPARE(topic->accessibleName(), name);
        QCOMPARE(topic->text() != name, shortened);
        QCOMPARE(heading->text() != name, shortened);
        QVERIFY(topic->fontMetrics().horizontalAdvance(topic->text()) <= topic->width());
        QVERIFY(heading->fontMetrics().horizontalAdvance(heading->text()) <= heading->width());
        QCOMPARE(topic->toolTip(), shortened ? name : QStringLiteral("Click to select topic"));
        QCOMPARE(heading->toolTip(), shortened ? name : QString());
    }

    void nothingPollsWhileTheWindowWaits()
    {
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        for (const QTimer *timer : w.mainWindow->findChildren<QTimer *>())
            QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));
        // The tool bar shows the tab's own actions, and follows them.
        QTest::mouseClick(w.find<PictureButton>(QStringLiteral("Tab04")), Qt::LeftButton);
        auto *about = w.find<PictureButton>(QStringLiteral("ToolBar01"));
        QVERIFY(about->action());
        QCOMPARE(about->action()->text(), QStringLiteral("About"));
        about->action()->setEnabled(false);
        QVERIFY(!about->isEnabled());
        QVERIFY(!w.find<QLabel>(QStringLiteral("lblTB01"))->isEnabled());
        about->action()->setEnabled(true);
        QTest::mouseClick(w.find<PictureButton>(QStringLiteral("Tab01")), Qt::LeftButton);
        QCOMPARE(w.find<PictureButton>(QStringLiteral("ToolBar01"))->action()->text(), QStringLiteral("Home"));
        QVERIFY(w.find<QWidget>(QStringLiteral("Body_Home"))->isVisible());
    }

    void helpTabRelabelsTheToolBar()
    {
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        QCOMPARE(w.find<QLabel>(QStringLiteral("lblTB01"))->text(), QStringLiteral("Home"));
        QCOMPARE(w.find<PictureButton>(QStringLiteral("ToolBar02"))->toolTip(), QStringLiteral("Load Report card"));
        QTest::mouseClick(w.find<PictureButton>(QStringLiteral("Tab04")), Qt::LeftButton);
        QCOMPARE(w.mainWindow->chosenTab(), MainWindow::kHelpTab);
        QCOMPARE(w.mainWindow->chosenSubject(), 1);
        QCOMPARE(w.find<QLabel>(QStringLiteral("lblTB01"))->text(), QStringLiteral("About"));
        QCOMPARE(w.find<PictureButton>(QStringLiteral("ToolBar04"))->toolTip(), QStringLiteral("Printer Setup"));
        QVERIFY(!w.find<PictureButton>(QStringLiteral("ToolBar03"))->isEnabled());
        QVERIFY(!w.find<QWidget>(QStringLiteral("Body_Home"))->isVisible());
    }

    void closeEndsTheWindow()
    {
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        QSignalSpy closing(w.mainWindow.get(), &MainWindow::closeRequested);
        QTest::mouseClick(w.find<QLabel>(QStringLiteral("lblTB04")), Qt::LeftButton);
        QCOMPARE(closing.size(), 1);
        QVERIFY(!w.mainWindow->isVisible());
    }

    void everyControlHasAName()
    {
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        for (QAbstractButton *button : w.mainWindow->findChildren<QAbstractButton *>()) {
            if (button->isVisible() && button->isEnabled())
                QVERIFY2(!button->accessibleName().isEmpty() || !button->text().isEmpty(),
                         qPrintable(button->objectName()));
        }
    }

    void damagedSubjectIsKeptAndSetAside_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("reset");
        QTest::newRow("leave it") << QList<int>{0} << false;
        QTest::newRow("start afresh, then not sure") << QList<int>{1, 0} << false;
        QTest::newRow("start afresh, sure") << QList<int>{1, 1} << true;
    }
    void damagedSubjectIsKeptAndSetAside()
    {
        QFETCH(QList<int>, answers);
        QFETCH(bool, reset);
        QTemporaryDir dir;
        {
            Window setup;
            setup.open(dir.path());
        }
        const QString marks = progressFilePath(dir.path(), ProgressFile::Marks, 3, kCode);
        const QByteArray junk("#FSE#>abc\r\n\x01\x02");
        write(marks, junk);
        Window w;
        w.answers = answers;
        w.open(dir.path());
        QVERIFY(!w.asked.isEmpty());
        QVERIFY2(w.asked.first().contains(QLatin1String("Science")), qPrintable(w.asked.first()));
        QCOMPARE(w.mainWindow->subjectUsable(1), true);
        QCOMPARE(w.mainWindow->subjectUsable(3), reset);
        QCOMPARE(w.find<PictureButton>(QStringLiteral("Tab03"))->isEnabled(), reset);
        if (reset) {
            QCOMPARE(readAll(marks + QStringLiteral(".damaged")), junk);
            QCOMPARE(progressFilesProblem(dir.path(), 3, kCode, 10), QString());
        } else {
            QCOMPARE(readAll(marks), junk);
            QTest::mouseClick(w.find<PictureButton>(QStringLiteral("Tab03")), Qt::LeftButton);
            QCOMPARE(w.mainWindow->chosenSubject(), 1);
        }
    }

    void leftoversAreRemovedAtStart()
    {
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("temppaper11001.mht")), "x");
        write(dir.filePath(QStringLiteral("temptext.txt")), "x");
        write(dir.filePath(QStringLiteral("marks1FIX1.txt.kwsave-Ab12Cd")), "x");
        write(dir.filePath(QStringLiteral("notes.txt")), "mine");
        Window w;
        w.open(dir.path());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temppaper11001.mht"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temptext.txt"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("marks1FIX1.txt.kwsave-Ab12Cd"))));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("notes.txt"))), QByteArray("mine"));
    }

    void windowWearsItsOwnFrame()
    {
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        MainWindow *window = w.mainWindow.get();
        QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        // The design size is what lies inside the frame, so nothing the
        // window lays out is squeezed by the title strip and the borders.
        const auto *frame = window->findChild<WindowFrame *>();
        QVERIFY(frame);
        QCOMPARE(window->size(), QSize(760, 560).grownBy(frame->margins()));
        QCOMPARE(w.find<QLabel>(QStringLiteral("Title"))->text(), window->windowTitle());
        QVERIFY(!window->windowTitle().isEmpty());
        // Not resizable: no maximise image and no grip.
        QVERIFY(!window->findChild<QWidget *>(QStringLiteral("imgProgMax")));
        QVERIFY(!window->findChild<QWidget *>(QStringLiteral("Sizer")));
        QCOMPARE(w.find<PictureButton>(QStringLiteral("imgProgClose"))->accessibleName(), QStringLiteral("Close"));
        QCOMPARE(w.find<PictureButton>(QStringLiteral("imgProgMin"))->accessibleName(), QStringLiteral("Minimise"));
        const int outerWidth = window->width();
        const int outerHeight = window->height();
        QCOMPARE(window->mask(), QRegion(QPolygon{{0, 5}, {1, 3}, {2, 2}, {3, 1}, {5, 0}, {outerWidth - 5, 0}, {outerWidth - 3, 1},
                                                  {outerWidth - 2, 2}, {outerWidth - 2, 3}, {outerWidth, 5}, {outerWidth, outerHeight}, {0, outerHeight}},
                                         Qt::WindingFill));
        // The tabs and the pages stand inside the frame, below the title strip.
        const QRect strip = w.find<QWidget>(QStringLiteral("BTopCentre"))->geometry();
        for (const char *name : {"Tab01", "Tab04", "ScnTabBG"}) {
            const QRect place = w.find<QWidget>(QLatin1String(name))->geometry();
            QVERIFY2(place.top() > strip.bottom(), name);
            QVERIFY2(place.left() >= w.find<QWidget>(QStringLiteral("BLeft"))->width(), name);
        }
        const QRect pages = w.find<QWidget>(QStringLiteral("Body_Home"))->parentWidget()->geometry();
        QVERIFY(pages.right() < w.find<QWidget>(QStringLiteral("BRight"))->x());
        QVERIFY(pages.bottom() < w.find<QWidget>(QStringLiteral("BBot"))->y());
    }

    void closeImageClosesTheWindow()
    {
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        auto *close = w.find<PictureButton>(QStringLiteral("imgProgClose"));
        QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
        QVERIFY(!w.mainWindow->isVisible());
    }

    void tabsShowFourPictures_data()
    {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<QString>("picture");
        QTest::newRow("chosen tab at rest") << 1 << "Tab01" << false << "tabs_front_off.bmp";
        QTest::newRow("chosen tab under the mouse") << 1 << "Tab01" << true << "tabs_front_on.bmp";
        QTest::newRow("other tab at rest") << 1 << "Tab04" << false << "tabs_back_off.bmp";
        QTest::newRow("other tab under the mouse") << 1 << "Tab04" << true << "tabs_back_on.bmp";
        QTest::newRow("help chosen, under the mouse") << 4 << "Tab04" << true << "tabs_front_on.bmp";
        QTest::newRow("help chosen, subject tab under the mouse") << 4 << "Tab01" << true << "tabs_back_on.bmp";
    }

    void tabsShowFourPictures()
    {
        QFETCH(int, chosen);
        QFETCH(QString, tab);
        QFETCH(bool, hovered);
        QFETCH(QString, picture);
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        w.mainWindow->chooseTab(chosen);
        auto *button = w.find<PictureButton>(tab);
        if (hovered) {
            const QPoint inside = button->rect().center();
            QEnterEvent enter(inside, button->mapTo(button->window(), inside), button->mapToGlobal(inside));
            QCoreApplication::sendEvent(button, &enter);
        }
        const Pictures pictures(dir.filePath(QStringLiteral("Graphics")));
        QCOMPARE(button->picture().toImage(), pictures.get(picture).toImage());
    }

    void toolBarButtonFollowsTheMouse_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("stem");
        QTest::newRow("subject tab: Report") << 1 << "report";
        QTest::newRow("help tab: Trash") << 4 << "trash";
    }

    void toolBarButtonFollowsTheMouse()
    {
        QFETCH(int, tab);
        QFETCH(QString, stem);
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        w.mainWindow->chooseTab(tab);
        const Pictures pictures(dir.filePath(QStringLiteral("Graphics")));
        auto *button = w.find<PictureButton>(QStringLiteral("ToolBar02"));
        const auto shows = [&](const char *look) {
            return button->picture().toImage() == pictures.get(stem + QLatin1Char('_') + QLatin1String(look)
                                                               + QStringLiteral(".bmp")).toImage();
        };
        const QPoint inside = button->rect().center();
        const QPoint outside(button->width() + 20, button->height() / 2);
        const auto move = [button](QPoint to) {
            QMouseEvent event(QEvent::MouseMove, to, button->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(button, &event);
        };
        QVERIFY(shows("off"));
        QEnterEvent enter(inside, button->mapTo(button->window(), inside), button->mapToGlobal(inside));
        QCoreApplication::sendEvent(button, &enter);
        QVERIFY(shows("on"));
        QTest::mousePress(button, Qt::LeftButton, {}, inside);
        QVERIFY(shows("pressed"));
        move(outside);
        QVERIFY(shows("off"));
        move(inside);
        QVERIFY(shows("pressed"));
        QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
        QVERIFY(shows("on"));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
        QVERIFY(shows("off"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
