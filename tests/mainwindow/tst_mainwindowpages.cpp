#include "chrome/clicklabel.h"
#include "chrome/picturebutton.h"
#include "data/filewriter.h"
#include "data/progressfiles.h"
#include "data/recordfile.h"
#include "data/resources.h"
#include "mainwindow/aboutpage.h"
#include "mainwindow/erasepage.h"
#include "mainwindow/homepage.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/reportpage.h"
#include "mainwindow/trendchart.h"

#include <QDir>
#include <QLabel>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "testclock.h"
#include "testfiles.h"
#include "testwidgets.h"

using namespace kw;
using kwtest::folderBytes;
using kwtest::readAll;
using kwtest::write;
const auto summary = kwtest::summaryRecords;

namespace {

// The fixture course: English (7 topics, 35 papers, the seventh the mock
// examination) and Science (2 topics, 10 papers).
const QString kCode = QStringLiteral("FIX1");


QByteArray templateOf(int subject, ProgressFile file)
{
    return readAll(resourcePath(progressTemplateResource(subject, int(file)), QStringLiteral("Custom")));
}

struct Window {
    kwtest::TestClock clock;
    FileWriter writer;
    QStringList asked; // "title|text"
    QStringList told;  // what printing told the pupil
    QString pdfPath;   // the file Print writes when there is no printer
    QList<QUrl> opened;
    bool browserFound = true;
    bool opens = true;
    std::unique_ptr<MainWindow> mainWindow;

    void open(const QString &folder)
    {
        MainWindowContext context;
        context.folder = folder;
        context.clock = &clock;
        context.writer = &writer;
        context.ask = [this](const QString &title, const QString &text, const QStringList &) {
            asked << title + QLatin1Char('|') + text;
            return 0;
        };
        context.print.choosePdfFile = [this](const QString &) { return pdfPath; };
        context.print.tell = [this](const QString &message) { told << message; };
        context.browserFound = [this]() { return browserFound; };
        context.openUrl = [this](const QUrl &url) {
            opened << url;
            return opens;
        };
        mainWindow = std::make_unique<MainWindow>(context);
        mainWindow->show();
    }
    template <typename T>
    T *find(const QString &name) const
    {
        return kwtest::find<T>(mainWindow.get(), name);
    }
    QString text(const QString &label) const { return find<QLabel>(label)->text(); }
    void click(const QString &button) const { QTest::mouseClick(find<QWidget>(button), Qt::LeftButton); }
};

// Creates the progress files of the fixture course in folder.
void prepare(const QString &folder)
{
    Window setup;
    setup.open(folder);
}

} // namespace

class TestMainWindowPages : public QObject {
    Q_OBJECT

private slots:
    void reportShowsTheSubjectsFigures()
    {
        QTemporaryDir dir;
        prepare(dir.path());
        // Grammar 70, 75 (72.5); Vocabulary 90 then 100 at the second
        // attempt; Mock Examination 30. First average (70 + 75 + 90 + 30) / 4
        // = 66.25, which rounds to the even 66.2.
        QStringList first(35);
        first[0] = "70";
        first[1] = "75";
        first[5] = "90";
        first[30] = "30";
        QStringList second(35);
        second[5] = "100";
        write(progressFilePath(dir.path(), ProgressFile::Marks, 1, kCode), summary(first, second, 35));
        write(progressFilePath(dir.path(), ProgressFile::Trend, 1, kCode), "#TRD#>70>75>90>30\r\n");
        Window w;
        w.open(dir.path());
        w.click(QStringLiteral("ToolBar02"));
        ReportPage *report = w.mainWindow->reportPage();
        QVERIFY(report->isVisible());
        QCOMPARE(w.text("OScore1"), QStringLiteral("66.2%"));
        QCOMPARE(w.text("OScore2"), QStringLiteral("100%"));
        QCOMPARE(w.text("PCNum"), QStringLiteral("4 / 35"));
        QCOMPARE(w.text("WT"), QStringLiteral("Grammar"));
        QCOMPARE(w.text("ST"), QStringLiteral("Vocabulary"));
        QCOMPARE(w.find<QLabel>("OScore1")->accessibleName(), QStringLiteral("First Attempt Average Score: 66.2%"));

        w.click(QStringLiteral("RCBar2"));
        QCOMPARE(report->openedSection(), int(ReportPage::Topical));
        QVERIFY(w.find<QWidget>("RC2Topical")->isVisible());
        QVERIFY(!w.find<QWidget>("RC1Summary")->isVisible());
        QCOMPARE(w.text("TopLab1"), QStringLiteral("Grammar"));
        QCOMPARE(w.text("TMark1A"), QStringLiteral("72.5%"));
        QCOMPARE(w.text("TMark1B"), QString());
        QCOMPARE(w.text("TMark2A"), QStringLiteral("90%"));
        QCOMPARE(w.text("TMark2B"), QStringLiteral("100%"));
        QCOMPARE(w.text("TMark7A"), QStringLiteral("30%"));
        const int full = w.find<QWidget>("TBack1A")->width();
        QCOMPARE(w.find<QWidget>("TBar1A")->width(), qRound(full * 0.725));
        QCOMPARE(w.find<QWidget>("TBar2B")->width(), w.find<QWidget>("TBack2B")->width());
        QCOMPARE(w.find<QWidget>("TBar3A")->width(), 0);
        for (int j = 1; j <= 10; ++j) {
            QCOMPARE(w.find<QWidget>(QStringLiteral("TopLab%1").arg(j))->isVisible(), j <= 7);
            QCOMPARE(w.find<QWidget>(QStringLiteral("TBack%1A").arg(j))->isVisible(), j <= 7);
            QCOMPARE(w.find<QWidget>(QStringLiteral("TBack%1B").arg(j))->isVisible(), j <= 7);
        }

        // The caption opens its section like the bar.
        w.click(QStringLiteral("lblRCBar3"));
        QCOMPARE(report->openedSection(), int(ReportPage::Trend));
        QCOMPARE(report->chart()->values(), (QList<double>{70, 75, 90, 30}));
        QCOMPARE(report->chart()->accessibleDescription(), QStringLiteral("Recent papers: 70 %, 75 %, 90 %, 30 %"));

        // A tab click opens the overall section again.
        w.click(QStringLiteral("Tab01"));
        QCOMPARE(report->openedSection(), int(ReportPage::Overall));
    }

    void sectionsStackUnderTheirBars_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QList<int>>("barTops"); // in units of a bar's height, -1 and -2 from the bottom
        QTest::newRow("overall") << 1 << QList<int>{0, -2, -1};
        QTest::newRow("topical") << 2 << QList<int>{0, 1, -1};
        QTest::newRow("trend") << 3 << QList<int>{0, 1, 2};
    }
    void sectionsStackUnderTheirBars()
    {
        QFETCH(int, section);
        QFETCH(QList<int>, barTops);
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        w.click(QStringLiteral("ToolBar02"));
        ReportPage *report = w.mainWindow->reportPage();
        report->openSection(section);
        const int h = report->height();
        const int bar = report->bar(1)->height();
        for (int k = 1; k <= 3; ++k) {
            const int units = barTops.at(k - 1);
            QCOMPARE(report->bar(k)->y(), units >= 0 ? units * bar : h + units * bar);
            QCOMPARE(report->section(k)->isVisible(), k == section);
        }
        QWidget *open = report->section(section);
        QCOMPARE(open->y(), section * bar);
        QCOMPARE(open->height(), h - 3 * bar);
    }

    void anUntakenSubjectShowsDashes()
    {
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        w.click(QStringLiteral("Tab03"));
        w.click(QStringLiteral("ToolBar02"));
        QCOMPARE(w.text("OScore1"), QStringLiteral("-"));
        QCOMPARE(w.text("OScore2"), QStringLiteral("-"));
        QCOMPARE(w.text("PCNum"), QStringLiteral("0 / 10"));
        QCOMPARE(w.text("WT"), QStringLiteral("-"));
        QCOMPARE(w.text("ST"), QStringLiteral("-"));
        QCOMPARE(w.text("TopLab2"), QStringLiteral("Cycles"));
        QVERIFY(!w.find<QWidget>("TBack3A")->isVisibleTo(w.mainWindow.get()));
        QVERIFY(w.mainWindow->reportPage()->chart()->values().isEmpty());
    }

    void printDoesNotChangeThePage()
    {
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        w.pdfPath = dir.filePath(QStringLiteral("English results.pdf"));
        w.click(QStringLiteral("ToolBar03"));
        QVERIFY(w.mainWindow->homePage()->isVisible());
        QVERIFY(QFileInfo(w.pdfPath).size() > 0);
        QCOMPARE(w.told.size(), 1);
        QVERIFY2(w.told.first().contains(QLatin1String("\"English results.pdf\"")), qPrintable(w.told.first()));
    }

    void trashThenNoChangesNothing()
    {
        QTemporaryDir dir;
        prepare(dir.path());
        QStringList first(35);
        first[0] = "80";
        write(progressFilePath(dir.path(), ProgressFile::Marks, 1, kCode), summary(first, {}, 35));
        write(progressFilePath(dir.path(), ProgressFile::Trend, 1, kCode), "#TRD#>80\r\n");
        Window w;
        w.open(dir.path());
        const QMap<QString, QByteArray> before = folderBytes(dir.path());
        w.click(QStringLiteral("Tab04"));
        w.click(QStringLiteral("lblTB02"));
        ErasePage *page = w.mainWindow->erasePage();
        QVERIFY(page->isVisible());
        QCOMPARE(page->state(), ErasePage::State::Offer);
        QVERIFY(w.find<QLabel>("Trashlbl1")->isVisible());
        QVERIFY(!w.find<QLabel>("Trashlbl2")->isVisible());
        w.click(QStringLiteral("ButTrash"));
        QCOMPARE(page->state(), ErasePage::State::Confirm);
        QVERIFY(w.find<QLabel>("Trashlbl2")->isVisible());
        QVERIFY(w.find<QWidget>("ButTrash_Yes")->isVisible());
        QVERIFY(!w.find<QWidget>("ButTrash")->isVisible());
        w.click(QStringLiteral("ButTrash_Nolbl"));
        QCOMPARE(page->state(), ErasePage::State::Offer);
        QCOMPARE(folderBytes(dir.path()), before);
        QVERIFY(w.asked.isEmpty());
    }

    void trashYesErasesEverySubject()
    {
        QTemporaryDir dir;
        prepare(dir.path());
        QStringList first(35);
        first[0] = "80";
        write(progressFilePath(dir.path(), ProgressFile::Marks, 1, kCode), summary(first, {}, 35));
        write(progressFilePath(dir.path(), ProgressFile::Trend, 1, kCode), "#TRD#>80>60>70\r\n");
        write(progressFilePath(dir.path(), ProgressFile::First, 3, kCode), "#101#>x\r\n");
        Window w;
        w.open(dir.path());
        w.click(QStringLiteral("ToolBar02"));
        QCOMPARE(w.text("OScore1"), QStringLiteral("80%"));

        w.click(QStringLiteral("Tab04"));
        w.click(QStringLiteral("ToolBar02"));
        w.click(QStringLiteral("ButTrash"));
        w.click(QStringLiteral("ButTrash_Yes"));
        ErasePage *page = w.mainWindow->erasePage();
        QCOMPARE(page->state(), ErasePage::State::Done);
        QVERIFY(w.find<QLabel>("Trashlbl3")->isVisible());
        QVERIFY(!w.find<QWidget>("ButTrash_Yes")->isVisible());
        for (int subject : {1, 3})
            for (ProgressFile file : kProgressFiles)
                QCOMPARE(readAll(progressFilePath(dir.path(), file, subject, kCode)), templateOf(subject, file));
        QCOMPARE(readAll(progressFilePath(dir.path(), ProgressFile::Trend, 1, kCode)), QByteArray("#TRD#\r\n"));

        // The held data is already the erased one, before any tab click.
        QCOMPARE(w.text("OScore1"), QStringLiteral("-"));
        QCOMPARE(w.text("MSA1"), QString());
        QVERIFY(w.mainWindow->reportPage()->chart()->values().isEmpty());
        w.click(QStringLiteral("Tab01"));
        QCOMPARE(w.text("MSA1"), QString());
        QVERIFY(!w.find<QWidget>("P1b")->isVisible());
        w.click(QStringLiteral("ToolBar02"));
        QCOMPARE(w.text("PCNum"), QStringLiteral("0 / 35"));

        // Every showing of the page starts with the offer again.
        w.click(QStringLiteral("Tab04"));
        w.click(QStringLiteral("ToolBar02"));
        QCOMPARE(page->state(), ErasePage::State::Offer);
    }

    void aFileThatCannotBeErasedIsNamed_data()
    {
        QTest::addColumn<WriteStep>("step");
        QTest::newRow("open") << WriteStep::Open;
        QTest::newRow("write") << WriteStep::Write;
        QTest::newRow("flush") << WriteStep::Flush;
        QTest::newRow("sync") << WriteStep::Sync;
        QTest::newRow("rename") << WriteStep::Rename;
    }
    void aFileThatCannotBeErasedIsNamed()
    {
        QFETCH(WriteStep, step);
        QTemporaryDir dir;
        prepare(dir.path());
        const QString kept = dir.filePath(QStringLiteral("fresults3FIX1.txt"));
        kwtest::write(kept, kwtest::readAll(kept).replace("#101#>", "#101#>Y"));
        const QByteArray before = kwtest::readAll(kept);
        Window w;
        w.writer = FileWriter([step](WriteStep at, const QString &path) {
            return at == step && path.endsWith(QLatin1String("fresults3FIX1.txt"));
        });
        w.open(dir.path());
        w.click(QStringLiteral("Tab04"));
        w.click(QStringLiteral("ToolBar02"));
        w.click(QStringLiteral("ButTrash"));
        w.click(QStringLiteral("ButTrash_Yes"));
        ErasePage *page = w.mainWindow->erasePage();
        QCOMPARE(page->state(), ErasePage::State::Failed);
        QVERIFY(!w.find<QLabel>("Trashlbl3")->isVisible());
        const QString said = w.text("Trashlbl4");
        QVERIFY2(said.contains(QLatin1String("fresults3FIX1.txt")), qPrintable(said));
        QVERIFY2(!said.contains(dir.path()), qPrintable(said));
        QVERIFY(!said.contains(QLatin1String("marks1FIX1.txt")));
        // The file that could not be rewritten holds exactly what it held.
        QCOMPARE(kwtest::readAll(kept), before);
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.kwsave-*")}, QDir::Files | QDir::Hidden), QStringList());
    }

    void aboutPageAndItsLink_data()
    {
        QTest::addColumn<bool>("browserFound");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("openings");
        QTest::newRow("opened") << true << true << QStringList{} << 1;
        QTest::newRow("no browser") << false << true
                                    << QStringList{"Browser Not Found|Could not find associated Browser"} << 0;
        QTest::newRow("not opened") << true << false << QStringList{"URL Failed|Web Page not Opened"} << 1;
    }
    void aboutPageAndItsLink()
    {
        QFETCH(bool, browserFound);
        QFETCH(bool, opens);
        QTemporaryDir dir;
        Window w;
        w.browserFound = browserFound;
        w.opens = opens;
        w.open(dir.path());
        w.click(QStringLiteral("Tab04"));
        QVERIFY(w.mainWindow->aboutPage()->isVisible());
        QCOMPARE(w.text("ProgramName"), QStringLiteral("Fixture Practice Papers"));
        QCOMPARE(w.text("Label39"), QStringLiteral("Version 2.0"));
        QVERIFY(!w.find<QLabel>("Logo")->pixmap().isNull());
        auto *link = w.find<ClickLabel>("lbl_KWURL");
        QCOMPARE(link->toolTip(), QStringLiteral("Go to Kestrelworks home page"));
        QTest::mouseClick(link, Qt::LeftButton);
        QTEST(w.asked, "messages");
        QTEST(int(w.opened.size()), "openings");
        if (!w.opened.isEmpty())
            QCOMPARE(w.opened.first().host(), link->text());
    }

    void setupWithoutAPrinterExplainsPrint()
    {
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        w.click(QStringLiteral("Tab04"));
        QCOMPARE(w.text("lblTB04"), QStringLiteral("Setup"));
        w.click(QStringLiteral("ToolBar04"));
        QCOMPARE(w.told.size(), 1);
        QVERIFY(w.told.first().contains(QLatin1String("PDF")));
        QVERIFY(w.mainWindow->aboutPage()->isVisible()); // the page shown does not change
    }

    // Marking a paper stores it the way the practice window does; closing the
    // practice window refreshes the main window.
    void markReportPrintErase()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        w.pdfPath = dir.filePath(QStringLiteral("English results.pdf"));
        w.click(QStringLiteral("Topic2"));
        recordFirstMarking(dir.path(), 1, kCode, 35, 7, {"Y", "Y", "N"}, QStringLiteral("66.7"), QStringLiteral("0:4:30"),
                           QStringLiteral("8/12/2026"), w.writer);
        w.mainWindow->refresh();
        QCOMPARE(w.text("MSA2"), QStringLiteral("66.7"));

        w.click(QStringLiteral("ToolBar02"));
        QCOMPARE(w.text("OScore1"), QStringLiteral("66.7%"));
        QCOMPARE(w.text("PCNum"), QStringLiteral("1 / 35"));
        QCOMPARE(w.text("TMark2A"), QStringLiteral("66.7%"));
        QCOMPARE(w.mainWindow->reportPage()->chart()->values(), QList<double>{66.7});

        w.click(QStringLiteral("ToolBar03"));
        QVERIFY(w.mainWindow->reportPage()->isVisible());
        QCOMPARE(w.told.size(), 1);
        if (!pdftotext.isEmpty()) {
            QProcess reader;
            reader.start(pdftotext, {QStringLiteral("-layout"), w.pdfPath, QStringLiteral("-")});
            QVERIFY(reader.waitForFinished());
            const QString text = QString::fromUtf8(reader.readAllStandardOutput());
            QVERIFY(text.contains(QRegularExpression(QStringLiteral("Paper 2 +66\\.7% +0:4:30 +8/12/2026 +%"))));
        }

        w.click(QStringLiteral("Tab04"));
        w.click(QStringLiteral("ToolBar02"));
        w.click(QStringLiteral("ButTrash"));
        w.click(QStringLiteral("ButTrash_Yes"));
        QCOMPARE(w.mainWindow->erasePage()->state(), ErasePage::State::Done);
        w.click(QStringLiteral("Tab01"));
        w.click(QStringLiteral("Topic2"));
        QCOMPARE(w.text("MSA2"), QString());
        w.click(QStringLiteral("ToolBar02"));
        QCOMPARE(w.text("OScore1"), QStringLiteral("-"));
        QCOMPARE(w.text("PCNum"), QStringLiteral("0 / 35"));
        QCOMPARE(w.text("TMark2A"), QString());
        QVERIFY(w.mainWindow->reportPage()->chart()->values().isEmpty());
    }
};

QTEST_MAIN(TestMainWindowPages)
#include "tst_mainwindowpages.moc"
