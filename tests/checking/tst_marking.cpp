#include "checking/marking.h"
#include "data/runtimeerror.h"

#include <QTest>

using namespace kw;

namespace {

PaperContent contentOf(const QStringList &keys, const QString &typeLetters, const QList<int> &marks)
{
    PaperContent content;
    content.keys = keys;
    for (const QChar letter : typeLetters)
        content.types.append(slotTypeFromLetter(letter).value());
    content.marks = marks;
    for (int mark : marks)
        content.totalMarks += mark;
    return content;
}

QString verdictLetters(const QList<Verdict> &verdicts)
{
    QString letters;
    for (Verdict verdict : verdicts)
        letters += verdict == Verdict::Unmarked ? QStringLiteral("-") : verdictText(verdict);
    return letters;
}

} // namespace

class TestMarking : public QObject {
    Q_OBJECT

private slots:
    void marksAreAddedForRightSlotsOnly_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("types");
        QTest::addColumn<QList<int>>("marks");
        QTest::addColumn<QString>("results"); // Y, N per slot
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("percent");
        QTest::newRow("2, 2, 1 with Y, N, Y") << QStringList{"5", "x", "airport"} << QStringList{"5", "6", "Airport"}
                                              << "NNT" << QList<int>{2, 2, 1} << "YNY" << 3 << "60";
        QStringList sixteenKeys(16, QStringLiteral("1"));
        QStringList sixteenAnswers(16, QStringLiteral("2"));
        sixteenAnswers[0] = QStringLiteral("1");
        QTest::newRow("1 of 16") << sixteenAnswers << sixteenKeys << QString(16, QLatin1Char('Q'))
                                 << QList<int>(16, 1) << "Y" + QString(15, QLatin1Char('N')) << 1 << "6.2";
        QTest::newRow("group and fraction") << QStringList{"water", "Water", "oxygen", "9 / 28"}
                                            << QStringList{";Food;Water;Oxygen", " ", " ", "9/28"}
                                            << "GGGF" << QList<int>{1, 1, 1, 2} << "YNYY" << 4 << "80";
        QTest::newRow("marks of wrong slots not counted") << QStringList{"1", "2"} << QStringList{"2", "2"}
                                                          << "NN" << QList<int>{7, 3} << "NY" << 3 << "30";
        QTest::newRow("one alternative") << QStringList{"half"} << QStringList{";0.5;half"} << "M" << QList<int>{4}
                                         << "Y" << 4 << "100";
    }
    void marksAreAddedForRightSlotsOnly()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, keys);
        QFETCH(QString, types);
        QFETCH(QList<int>, marks);
        QFETCH(QString, results);
        QFETCH(int, score);
        QFETCH(QString, percent);
        const PaperMarking marking = kw::markPaper(answers, contentOf(keys, types, marks), QLocale::c());
        QCOMPARE(verdictLetters(marking.results), results);
        QCOMPARE(marking.score, score);
        QCOMPARE(marking.percent, percent);
    }

    // Marking reads each slot's unit from the paper's content.
    void unitsOfTheContentAreUsed_data()
    {
        QTest::addColumn<QStringList>("units");
        QTest::addColumn<QString>("results");
        QTest::addColumn<int>("score");
        QTest::newRow("pounds and cm²") << QStringList{"£", "cm²"} << "YY" << 5;
        QTest::newRow("no units") << QStringList{"", ""} << "NN" << 0;
        QTest::newRow("the other slot's unit") << QStringList{"cm²", "£"} << "NN" << 0;
    }
    void unitsOfTheContentAreUsed()
    {
        QFETCH(QStringList, units);
        QFETCH(QString, results);
        QFETCH(int, score);
        PaperContent content = contentOf({QStringLiteral("7.19"), QStringLiteral("36000")}, QStringLiteral("NN"), {2, 3});
        content.units = units;
        const PaperMarking marking =
            kw::markPaper({QStringLiteral("£7.19"), QStringLiteral("36 000 cm2")}, content, QLocale::c());
        QCOMPARE(verdictLetters(marking.results), results);
        QCOMPARE(marking.score, score);
    }

    void damagedContentFails_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("detail");
        QTest::newRow("number key not a number") << QStringList{"5"} << QStringList{"five"}
                                                 << "number key \"five\" is not a number";
        QTest::newRow("fewer answers than slots") << QStringList{} << QStringList{"5"}
                                                  << "1 slots, but 0 answers, 1 types and 1 marks";
        // The content below has one type and one mark.
        QTest::newRow("fewer types and marks than slots") << QStringList{"5", "6"} << QStringList{"5", "6"}
                                                          << "2 slots, but 2 answers, 1 types and 1 marks";
    }
    void damagedContentFails()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, keys);
        QFETCH(QString, detail);
        try {
            kw::markPaper(answers, contentOf(keys, QStringLiteral("N"), {1}));
            QFAIL("damaged content was marked");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.detail(), detail);
        }
    }

    void timeTaken_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("5 minutes 7 seconds") << qint64(307) << "0:5:7";
        QTest::newRow("10 minutes 4 seconds") << qint64(604) << "0:10:4";
        QTest::newRow("4 minutes 30 seconds") << qint64(270) << "0:4:30";
        QTest::newRow("past a day") << qint64(25 * 3600 + 3) << "25:0:3";
        QTest::newRow("nothing") << qint64(0) << "0:0:0";
    }
    void timeTaken()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(kw::timeTakenText(seconds), text);
    }
};

QTEST_GUILESS_MAIN(TestMarking)
#include "tst_marking.moc"
