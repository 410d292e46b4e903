#include "chrome/picturebutton.h"
#include "data/clock.h"
#include "data/progressfiles.h"
#include "data/resources.h"
#include "mainwindow/contents.h"
#include "mainwindow/homepage.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "dialoganswerer.h"
#include "testclock.h"
#include "testfiles.h"
#include "testwidgets.h"

using namespace kw;
using kwtest::readAll;
using kwtest::write;

namespace {

// The fixture course names English (7 topics, 35 papers) and Science
// (2 topics, 10 papers); subject 2 has no name.
const QString kCode = QStringLiteral("FIX1");


QByteArray summary(const QStringList &first, const QStringList &second, int papers)
{
    auto record = [papers](const char *key, const QStringList &values, const QString &fill) {
        QStringList fields;
        for (int i = 0; i < papers; ++i)
            fields << (i < values.size() ? values.at(i) : fill);
        return QByteArray("#") + key + "#>" + fields.join(QLatin1Char('>')).toUtf8() + "\r\n";
    };
    return record("FSE", first, {}) + record("SSE", second, {}) + record("LTM", {}, {}) + record("CDD", {}, {})
           + record("FST", {}, QStringLiteral("0")) + record("SST", {}, QStringLiteral("0"));
}

struct Window {
    SelectionState state;
    kwtest::TestClock clock;
    QStringList asked;
    QList<int> answers; // given in turn to the questions asked
    std::unique_ptr<Contents> contents;

    void open(const QString &folder)
    {
        ContentsSetup setup;
        setup.folder = folder;
        setup.state = &state;
        setup.clock = &clock;
        setup.ask = [this](const QString &, const QString &text, const QStringList &) {
            asked << text;
            return answers.isEmpty() ? 0 : answers.takeFirst();
        };
        contents = std::make_unique<Contents>(setup);
        contents->show();
    }
    template <typename T>
    T *find(const QString &name) const
    {
        return kwtest::find<T>(contents.get(), name);
    }
};

} // namespace

class TestContents : public QObject {
    Q_OBJECT

private slots:
    void firstStartPreparesTheFolder()
    {
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        QCOMPARE(QDir(dir.filePath(QStringLiteral("Graphics"))).entryList(QDir::Files).size(), 89);
        for (int subject : {1, 3}) {
            for (ProgressFile file : kProgressFiles) {
                QFile tpl(ResourcePath(ProgressTemplateResource(subject, int(file)), QStringLiteral("Custom")));
                QVERIFY(tpl.open(QIODevice::ReadOnly));
                QCOMPARE(readAll(ProgressFilePath(dir.path(), file, subject, kCode)), tpl.readAll());
            }
        }
        QVERIFY(!QFile::exists(ProgressFilePath(dir.path(), ProgressFile::Marks, 2, kCode)));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temptext30000.txt"))));
        QVERIFY(w.asked.isEmpty());

        QCOMPARE(w.contents->windowTitle(), QStringLiteral("Fixture Practice Papers"));
        QCOMPARE(w.state.LChose, QStringLiteral("1"));
        QCOMPARE(w.state.lblCOD, kCode);
        QCOMPARE(w.state.TopicCount, QStringLiteral("1"));
        QCOMPARE(w.state.TtPapersCon, QStringLiteral("35"));
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
        QCOMPARE(w.state.TopicCount, QStringLiteral("1"));
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
        write(ProgressFilePath(dir.path(), ProgressFile::Marks, 1, kCode), summary(scores, {}, 35));
        Window w;
        w.open(dir.path());
        w.find<QPushButton>(QStringLiteral("Topic3"))->click();
        QCOMPARE(w.state.TopicCount, QStringLiteral("11"));
        for (int j = 1; j <= 5; ++j)
            QCOMPARE(w.find<QLabel>(QStringLiteral("MSA%1").arg(j))->text(), QString::number((9 + j) * 5));
        QCOMPARE(w.find<QLabel>(QStringLiteral("SubH1"))->text(), QStringLiteral("Synonyms and Antonyms"));

        QSignalSpy opened(w.contents.get(), &Contents::paperOpened);
        kwtest::DialogAnswerer dialogs; // the fixture course carries no question pages
        w.find<PictureButton>(QStringLiteral("P2a"))->click();
        QCOMPARE(w.state.PaperNum, QStringLiteral("112"));
        QCOMPARE(w.state.TakeNum, QStringLiteral("1"));
        w.find<PictureButton>(QStringLiteral("P5b"))->click();
        QCOMPARE(w.state.PaperNum, QStringLiteral("115"));
        QCOMPARE(w.state.TakeNum, QStringLiteral("2"));
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened.at(0), (QList<QVariant>{1, 112, 1}));
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
        write(ProgressFilePath(dir.path(), ProgressFile::Marks, 1, kCode), summary({QString(), first}, {QString(), second}, 35));
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
        write(ProgressFilePath(dir.path(), ProgressFile::Marks, 1, kCode), summary(scores, {}, 35));
        w.contents->RefreshContents();
        QCOMPARE(w.state.TopicCount, QStringLiteral("11"));
        QCOMPARE(w.state.RefreshLog, QStringLiteral("off"));
        QCOMPARE(w.find<QLabel>(QStringLiteral("MSA2"))->text(), QStringLiteral("66.7"));
        QVERIFY(w.find<PictureButton>(QStringLiteral("P2b"))->isVisible());
        QVERIFY(w.find<QPushButton>(QStringLiteral("Topic3"))->styleSheet().contains(QLatin1String("#808080")));

        // Home goes back to topic 1; so does changing subject.
        w.find<PictureButton>(QStringLiteral("ToolBar01"))->click();
        QCOMPARE(w.state.TopicCount, QStringLiteral("1"));
    }

    void helpTabRelabelsTheToolBar()
    {
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        QCOMPARE(w.find<QLabel>(QStringLiteral("lblTB01"))->text(), QStringLiteral("Home"));
        QCOMPARE(w.find<PictureButton>(QStringLiteral("ToolBar02"))->toolTip(), QStringLiteral("Load Report card"));
        QTest::mouseClick(w.find<PictureButton>(QStringLiteral("Tab04")), Qt::LeftButton);
        QCOMPARE(w.state.txtTabPos, QStringLiteral("4"));
        QCOMPARE(w.state.LChose, QStringLiteral("1"));
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
        QSignalSpy closing(w.contents.get(), &Contents::closeRequested);
        QTest::mouseClick(w.find<QLabel>(QStringLiteral("lblTB04")), Qt::LeftButton);
        QCOMPARE(closing.size(), 1);
        QVERIFY(!w.contents->isVisible());
    }

    void everyControlHasAName()
    {
        QTemporaryDir dir;
        Window w;
        w.open(dir.path());
        for (QAbstractButton *button : w.contents->findChildren<QAbstractButton *>()) {
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
        const QString marks = ProgressFilePath(dir.path(), ProgressFile::Marks, 3, kCode);
        const QByteArray junk("#FSE#>abc\r\n\x01\x02");
        write(marks, junk);
        Window w;
        w.answers = answers;
        w.open(dir.path());
        QVERIFY(!w.asked.isEmpty());
        QVERIFY2(w.asked.first().contains(QLatin1String("Science")), qPrintable(w.asked.first()));
        QCOMPARE(w.contents->subjectUsable(1), true);
        QCOMPARE(w.contents->subjectUsable(3), reset);
        QCOMPARE(w.find<PictureButton>(QStringLiteral("Tab03"))->isEnabled(), reset);
        if (reset) {
            QCOMPARE(readAll(marks + QStringLiteral(".damaged")), junk);
            QCOMPARE(ProgressFilesProblem(dir.path(), 3, kCode, 10), QString());
        } else {
            QCOMPARE(readAll(marks), junk);
            QTest::mouseClick(w.find<PictureButton>(QStringLiteral("Tab03")), Qt::LeftButton);
            QCOMPARE(w.state.LChose, QStringLiteral("1"));
        }
    }

    void leftoversAreRemovedAtStart()
    {
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("temppaper11001.mht")), "x");
        write(dir.filePath(QStringLiteral("temptext.txt")), "x");
        write(dir.filePath(QStringLiteral("marks1FIX1.txt.Ab12Cd")), "x");
        write(dir.filePath(QStringLiteral("notes.txt")), "mine");
        Window w;
        w.open(dir.path());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temppaper11001.mht"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temptext.txt"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("marks1FIX1.txt.Ab12Cd"))));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("notes.txt"))), QByteArray("mine"));
    }
};

QTEST_MAIN(TestContents)
#include "tst_contents.moc"
