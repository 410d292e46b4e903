#include "data/progressfiles.h"
#include "mainwindow/resultsprinting.h"
#include "mainwindow/resultssheet.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kw;

namespace {

QString spaces(int n)
{
    return QString(n, QLatin1Char(' '));
}

const QString kLongName = QStringLiteral("Reading for meaning: inference, retrieval and the writer's choice of words");

CatalogueSubject english()
{
    CatalogueSubject subject;
    subject.name = QStringLiteral("English");
    subject.topicCount = 7;
    subject.paperCount = 35;
    const QStringList names{kLongName, QStringLiteral("Vocabulary"), QStringLiteral("Synonyms and Antonyms"),
                            QStringLiteral("Spelling"), QStringLiteral("Punctuation"), QStringLiteral("Comprehension"),
                            QStringLiteral("Mock Examination")};
    for (int t = 0; t < names.size(); ++t)
        subject.topicNames[t] = names.at(t);
    return subject;
}

// Paper 1 taken once, paper 7 (Vocabulary, paper 2) taken twice.
SubjectProgress progress()
{
    SubjectProgress p;
    p.setText(SummaryField::FirstScore, 0, QStringLiteral("80"));
    p.setText(SummaryField::TimeTaken, 0, QStringLiteral("0:12:5"));
    p.setText(SummaryField::DateCompleted, 0, QStringLiteral("3/4/2007"));
    p.setText(SummaryField::FirstScore, 6, QStringLiteral("66.7"));
    p.setText(SummaryField::TimeTaken, 6, QStringLiteral("1:0:59"));
    p.setText(SummaryField::DateCompleted, 6, QStringLiteral("12/11/2026"));
    p.setText(SummaryField::SecondScore, 6, QStringLiteral("100"));
    return p;
}

} // namespace

class TestResultsSheet : public QObject {
    Q_OBJECT

private slots:
    void itemsStandInZonesOfFourteen_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("line");
        QTest::newRow("nothing") << QStringList{} << QString();
        QTest::newRow("a blank fills its zone") << QStringList{" ", "Paper 1"} << spaces(14) + "Paper 1";
        QTest::newRow("an empty item fills its zone") << QStringList{"", "x"} << spaces(14) + "x";
        QTest::newRow("thirteen letters leave one blank")
            << QStringList{"abcdefghijklm", "x"} << "abcdefghijklm x";
        QTest::newRow("fourteen letters push on a zone")
            << QStringList{"abcdefghijklmn", "x"} << "abcdefghijklmn" + spaces(14) + "x";
        QTest::newRow("a long item runs on")
            << QStringList{" ", kLongName} << spaces(14) + kLongName;
        // A 22-letter date in zone 6 (from 70 to 92) pushes the blank of
        // zone 7 to 98 and the score to 112.
        QTest::newRow("later items shift right")
            << QStringList{" ", "Paper 1", " ", "80%", "0:12:5", "Tuesday 3 April 2007 x", " ", "%"}
            << spaces(14) + "Paper 1" + spaces(21) + "80%" + spaces(11) + "0:12:5" + spaces(8)
                   + "Tuesday 3 April 2007 x" + spaces(20) + "%";
    }
    void itemsStandInZonesOfFourteen()
    {
        QFETCH(QStringList, items);
        QTEST(zonedLine(items), "line");
    }

    void theSheetHasABlockPerTopic()
    {
        const QStringList lines = resultsSheetLines(QStringLiteral("Fixture Practice Papers"), english(), progress());
        const QString rule = spaces(14) + QString(128, QLatin1Char('-'));
        QCOMPARE(lines.mid(0, 5), (QStringList{"", "", spaces(14) + "Fixture Practice Papers", "", ""}));
        // Each block: two empty lines, heading, rule, two head lines, rule,
        // five papers.
        QCOMPARE(lines.size(), 5 + 7 * 12);
        const QString head = spaces(14) + "Papers" + spaces(22) + "First take" + spaces(4) + "Time taken" + spaces(4)
                             + "Date" + spaces(24) + "Second take";
        const QString head2 = spaces(42) + "score" + spaces(51) + "score";
        for (int t = 0; t < 7; ++t) {
            const QStringList block = lines.mid(5 + 12 * t, 12);
            QCOMPARE(block.at(0), QString());
            QCOMPARE(block.at(1), QString());
            QCOMPARE(block.at(2), spaces(14) + english().topicNames.at(t));
            QCOMPARE(block.at(3), rule);
            QCOMPARE(block.at(4), head);
            QCOMPARE(block.at(5), head2);
            QCOMPARE(block.at(6), rule);
            for (int k = 1; k <= 5; ++k)
                QVERIFY(block.at(6 + k).startsWith(spaces(14) + QStringLiteral("Paper %1 ").arg(k)));
        }
        // Paper 1: first score under "First take" (42), time under "Time
        // taken" (56), date under "Date" (70) and a lone % under "Second take" (98).
        QCOMPARE(lines.at(5 + 7), spaces(14) + "Paper 1" + spaces(21) + "80%" + spaces(11) + "0:12:5" + spaces(8)
                                      + "3/4/2007" + spaces(20) + "%");
        // Untaken: lone % at 42 and 98, empty time and date.
        QCOMPARE(lines.at(5 + 8), spaces(14) + "Paper 2" + spaces(21) + "%" + spaces(55) + "%");
        // Taken twice.
        QCOMPARE(lines.at(5 + 12 + 8), spaces(14) + "Paper 2" + spaces(21) + "66.7%" + spaces(9) + "1:0:59"
                                           + spaces(8) + "12/11/2026" + spaces(18) + "100%");
    }

    void printedWithoutAPrinterTheSheetIsAPdf()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("English results.pdf"));
        QString suggested;
        QStringList told;
        const PrintHooks hooks{[&](const QString &offered) {
                                   suggested = offered;
                                   return path;
                               },
                               [&](const QString &message) { told << message; }};
        const QStringList lines = resultsSheetLines(QStringLiteral("Fixture Practice Papers"), english(), progress());
        printResultsSheet(lines, QStringLiteral("English results"), nullptr, hooks);

        QVERIFY(suggested.endsWith(QLatin1String("/English results.pdf")));
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.first().contains(QLatin1String("\"English results.pdf\"")), qPrintable(told.first()));
        QVERIFY2(!told.first().contains(dir.path()), qPrintable(told.first()));

        QProcess reader;
        reader.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY(reader.waitForFinished());
        QCOMPARE(reader.exitCode(), 0);
        const QStringList text = QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\n'));

        const QRegularExpression paperLine(QStringLiteral("^\\s*Paper [1-5]\\s"));
        QList<int> paperLines;
        QList<int> heads;
        for (int i = 0; i < text.size(); ++i) {
            if (paperLine.match(text.at(i)).hasMatch())
                paperLines << i;
            if (text.at(i).contains(QLatin1String("First take")))
                heads << i;
        }
        QCOMPARE(paperLines.size(), 35);
        QCOMPARE(heads.size(), 7);
        QVERIFY(text.join(QLatin1Char('\n')).contains(QLatin1String("Fixture Practice Papers")));
        for (const QString &name : english().topicNames.mid(0, 7))
            QVERIFY2(text.filter(name).size() == 1, qPrintable(name)); // the long name whole, on one line

        // Columns line up under their heads, as printed.
        const QString &head = text.at(heads.first());
        const QString &paper1 = text.at(paperLines.at(0));
        const QString &paper2 = text.at(paperLines.at(1));
        QCOMPARE(paper1.indexOf(QLatin1String("80%")), head.indexOf(QLatin1String("First take")));
        QCOMPARE(paper1.indexOf(QLatin1String("0:12:5")), head.indexOf(QLatin1String("Time taken")));
        QCOMPARE(paper1.indexOf(QLatin1String("3/4/2007")), head.indexOf(QLatin1String("Date")));
        QCOMPARE(paper1.lastIndexOf(QLatin1Char('%')), head.indexOf(QLatin1String("Second take")));
        QCOMPARE(paper1.indexOf(QLatin1String("Paper 1")), head.indexOf(QLatin1String("Papers")));
        // An untaken paper: a lone % under each score head, nothing between.
        QCOMPARE(paper2.indexOf(QLatin1Char('%')), head.indexOf(QLatin1String("First take")));
        QCOMPARE(paper2.lastIndexOf(QLatin1Char('%')), head.indexOf(QLatin1String("Second take")));
        QCOMPARE(paper2.count(QLatin1Char('%')), 2);
        QCOMPARE(paper2.mid(head.indexOf(QLatin1String("First take")) + 1,
                            head.indexOf(QLatin1String("Second take")) - head.indexOf(QLatin1String("First take")) - 1)
                     .trimmed(),
                 QString());
        const QString &vocabulary2 = text.at(paperLines.at(6));
        const QString &vocabularyHead = text.at(heads.at(1));
        QCOMPARE(vocabulary2.indexOf(QLatin1String("66.7%")), vocabularyHead.indexOf(QLatin1String("First take")));
        QCOMPARE(vocabulary2.indexOf(QLatin1String("100%")), vocabularyHead.indexOf(QLatin1String("Second take")));
    }

    void choosingNoFileWritesNothing()
    {
        QStringList told;
        bool asked = false;
        const PrintHooks hooks{[&](const QString &) {
                                   asked = true;
                                   return QString();
                               },
                               [&](const QString &message) { told << message; }};
        printResultsSheet({QStringLiteral("x")}, QStringLiteral("English results"), nullptr, hooks);
        QVERIFY(asked);
        QVERIFY(told.isEmpty());
    }

    void aPdfThatCannotBeWrittenIsReported()
    {
        QTemporaryDir dir;
        // A folder stands where the file would go.
        const QString path = dir.filePath(QStringLiteral("taken.pdf"));
        QVERIFY(QDir().mkpath(path));
        QStringList told;
        const PrintHooks hooks{[&](const QString &) { return path; }, [&](const QString &m) { told << m; }};
        printResultsSheet({QStringLiteral("x")}, QStringLiteral("English results"), nullptr, hooks);
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.first().contains(QLatin1String("could not be saved as \"taken.pdf\"")), qPrintable(told.first()));
        QVERIFY(!told.first().contains(dir.path()));
    }

    void setupWithoutAPrinterSaysPrintMakesAPdf()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer, so Setup would open the printer dialog");
        QStringList told;
        const PrintHooks hooks{{}, [&](const QString &m) { told << m; }};
        QPrinter printer;
        QVERIFY(!setUpPrinter(&printer, nullptr, hooks));
        QCOMPARE(told.size(), 1);
        QVERIFY(told.first().contains(QLatin1String("PDF")));
    }
};

QTEST_MAIN(TestResultsSheet)
#include "tst_resultssheet.moc"
