#include "data/resources.h"
#include "practice/questionprinting.h"
#include "practice/questionviewer.h"
#include "testfiles.h"

#include <QDir>
#include <QPrinterInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>

#include <memory>

using kw::QuestionViewer;

class TestQuestionViewer : public QObject {
    Q_OBJECT

private slots:
    void init();
    void showsPages_data();
    void showsPages();
    void refusesNavigationAway_data();
    void refusesNavigationAway();
    void guardsCopyCutAndRightClick_data();
    void guardsCopyCutAndRightClick();
    void printsToPdfWhenNoPrinterIsInstalled();

private:
    QString file(const QString &name) const { return QDir(m_tmp.path()).filePath(name); }
    QString extract(int id, const QString &name);
    bool show(const QString &path);
    QString plainText();

    QTemporaryDir m_tmp{QDir::tempPath() + QStringLiteral("/Übung XXXXXX")};
    std::unique_ptr<QuestionViewer> m_viewer;
};

void TestQuestionViewer::init()
{
    m_viewer = std::make_unique<QuestionViewer>();
    m_viewer->resize(800, 600);
    m_viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_viewer.get()));
}

QString TestQuestionViewer::extract(int id, const QString &name)
{
    return kw::extractResourceToFile(id, QStringLiteral("Custom"), file(name)) == 0 ? file(name) : QString();
}

// Navigates and waits for the one report of that navigation.
bool TestQuestionViewer::show(const QString &path)
{
    QSignalSpy loaded(m_viewer.get(), &QuestionViewer::pageLoaded);
    m_viewer->showPageFile(path);
    return loaded.wait(30000) && loaded.count() == 1 && loaded.at(0).at(0).toBool();
}

QString TestQuestionViewer::plainText()
{
    QString text;
    bool done = false;
    m_viewer->page()->toPlainText([&](const QString &t) {
        text = t;
        done = true;
    });
    return QTest::qWaitFor([&] { return done; }, 30000) ? text : QStringLiteral("<no text>");
}

void TestQuestionViewer::showsPages_data()
{
    QTest::addColumn<int>("firstId");
    QTest::addColumn<bool>("firstShown"); // before the second is asked for
    QTest::addColumn<int>("secondId");
    QTest::addColumn<QString>("secondName");
    QTest::addColumn<QString>("secondText");

    QTest::newRow("english, then mathematics") << 11001 << true << 21001 << "b.mht" << "What is the value of the digit";
    QTest::newRow("science, then english") << 17001 << true << 11002 << "b.mht" << "Choose the word in brackets";
    QTest::newRow("file name used again") << 11001 << true << 11002 << "a.mht" << "Choose the word in brackets";
    QTest::newRow("second asked for at once") << 11001 << false << 17001 << "b.mht" << "a living thing?";
}

void TestQuestionViewer::showsPages()
{
    QFETCH(int, firstId);
    QFETCH(bool, firstShown);
    QFETCH(int, secondId);
    QFETCH(QString, secondName);
    QFETCH(QString, secondText);

    QSignalSpy loaded(m_viewer.get(), &QuestionViewer::pageLoaded);
    m_viewer->showPageFile(extract(firstId, QStringLiteral("a.mht")));
    if (firstShown) {
        QVERIFY(loaded.wait(30000));
        QVERIFY(QFile::remove(file(QStringLiteral("a.mht"))));
    }
    m_viewer->showPageFile(extract(secondId, secondName));
    QVERIFY(QTest::qWaitFor([&] { return loaded.count() == 2; }, 30000));
    QVERIFY(QFile::remove(file(secondName)));
    // One report each; a navigation replaced before it completed failed.
    QCOMPARE(loaded.at(0).at(0).toBool(), firstShown);
    QVERIFY(loaded.at(1).at(0).toBool());
    const QString text = plainText();
    QVERIFY2(text.contains(secondText), qPrintable(text));
    QCOMPARE(m_viewer->url(), QUrl::fromLocalFile(file(secondName)));
    // The stylesheet, a part of the page file, sets the question number and
    // the marks apart as blocks; unstyled they would run together.
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Question \\d+\\n+\\[\\d+ marks?\\]"))),
             qPrintable(text));
}

void TestQuestionViewer::refusesNavigationAway_data()
{
    QTest::addColumn<bool>("byClick");
    QTest::addColumn<QString>("target");

    QTest::newRow("link to another local file") << true << "other.html";
    QTest::newRow("link to a web address") << true << "https://example.com/";
    QTest::newRow("load of another local file") << false << "other.html";
    QTest::newRow("load of a web address") << false << "https://example.com/";
    QTest::newRow("load of a data address") << false << "data:text/html,<p>elsewhere</p>";
}

void TestQuestionViewer::refusesNavigationAway()
{
    QFETCH(bool, byClick);
    QFETCH(QString, target);

    kwtest::write(file(QStringLiteral("other.html")), "<p>elsewhere</p>");
    const QString page = file(QStringLiteral("links.html"));
    const QUrl url = QUrl::fromLocalFile(page).resolved(QUrl(target));
    // One link covering the whole page, and a script that would rewrite it.
    kwtest::write(page, "<body style=\"margin:0\"><a id=\"a\" style=\"display:block;height:100vh\" href=\""
                            + url.toEncoded() + "\">the question</a><noscript>no scripts</noscript>"
                            "<script>document.getElementById('a').textContent = 'rewritten';</script></body>");
    QVERIFY(show(page));

    bool ended = false;
    QObject watching; // ends the watch with this function
    connect(m_viewer->page(), &QWebEnginePage::loadingChanged, &watching, [&](const QWebEngineLoadingInfo &info) {
        ended = ended || (info.url() == url && info.status() != QWebEngineLoadingInfo::LoadStartedStatus);
    });
    if (byClick)
        QTest::mouseClick(m_viewer->focusProxy(), Qt::LeftButton, {}, QPoint(100, 100));
    else
        m_viewer->load(url);
    // Refused or not, the attempt comes to an end.
    QVERIFY(QTest::qWaitFor([&] { return ended; }, 30000));
    QCOMPARE(m_viewer->url(), QUrl::fromLocalFile(page));
    QCOMPARE(plainText(), QStringLiteral("the question\nno scripts"));
}

void TestQuestionViewer::guardsCopyCutAndRightClick_data()
{
    QTest::addColumn<int>("key"); // 0: a right click
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("reports");

    QTest::newRow("Control+C") << int(Qt::Key_C) << Qt::KeyboardModifiers(Qt::ControlModifier) << 1;
    QTest::newRow("Control+X") << int(Qt::Key_X) << Qt::KeyboardModifiers(Qt::ControlModifier) << 1;
    QTest::newRow("right click") << 0 << Qt::KeyboardModifiers() << 1;
    QTest::newRow("Control+V") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier) << 0;
    QTest::newRow("Control+A") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ControlModifier) << 0;
    QTest::newRow("C") << int(Qt::Key_C) << Qt::KeyboardModifiers() << 0;
}

void TestQuestionViewer::guardsCopyCutAndRightClick()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, reports);

    QVERIFY(show(extract(21001, QStringLiteral("a.mht"))));
    QSignalSpy guard(m_viewer.get(), &QuestionViewer::guardTriggered);
    QVERIFY(m_viewer->focusProxy());
    if (key == 0) {
        QTest::mouseClick(m_viewer->focusProxy(), Qt::RightButton, {}, QPoint(200, 200));
        QVERIFY(guard.wait(30000));
    } else {
        QTest::keyClick(m_viewer->focusProxy(), Qt::Key(key), modifiers);
    }
    QCOMPARE(guard.count(), reports);
}

void TestQuestionViewer::printsToPdfWhenNoPrinterIsInstalled()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("A printer is installed: printing would open the printer dialog.");
    QVERIFY(show(extract(21001, QStringLiteral("a.mht"))));
    QVERIFY(QFile::remove(file(QStringLiteral("a.mht"))));

    QStringList suggestions;
    QStringList messages;
    QString choice; // first none: nothing is to be printed
    const kw::PrintHooks hooks{[&](const QString &suggested) {
                                   suggestions.append(suggested);
                                   return choice;
                               },
                               [&](const QString &message) { messages.append(message); }};
    QSignalSpy finished(m_viewer->page(), &QWebEnginePage::pdfPrintingFinished);
    kw::printQuestion(m_viewer.get(), nullptr, hooks);
    QVERIFY(messages.isEmpty());
    choice = file(QStringLiteral("My question.pdf"));
    kw::printQuestion(m_viewer.get(), nullptr, hooks);

    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toString(), choice);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.at(0).contains(QDir::toNativeSeparators(choice)), qPrintable(messages.at(0)));
    QVERIFY(kwtest::readAll(choice).startsWith("%PDF"));
    QCOMPARE(suggestions.size(), 2);
    QVERIFY2(suggestions.at(0).endsWith(QLatin1String(".pdf")) && !QFileInfo::exists(suggestions.at(0)),
             qPrintable(suggestions.at(0)));
}

QTEST_MAIN(TestQuestionViewer)
#include "tst_questionviewer.moc"
