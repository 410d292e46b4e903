#include "checking/marking.h"
#include "data/runtimeerror.h"

#include <QTest>

using namespace kw;

class TestMarking : public QObject {
    Q_OBJECT

private slots:
    void marksAreAddedForRightSlotsOnly_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("percent");
        QTest::newRow("2, 2, 1 with Y, N, Y") << QStringList{"5", "x", "airport"} << QStringList{"5", "6", "Airport"}
                                              << QStringList{"N", "N", "T"} << QStringList{"2", "2", "1"}
                                              << QStringList{"Y", "N", "Y"} << 3 << "60";
        QStringList sixteenKeys(16, QStringLiteral("1"));
        QStringList sixteenAnswers(16, QStringLiteral("2"));
        sixteenAnswers[0] = QStringLiteral("1");
        QStringList sixteenResults(16, QStringLiteral("N"));
        sixteenResults[0] = QStringLiteral("Y");
        QTest::newRow("1 of 16") << sixteenAnswers << sixteenKeys << QStringList(16, QStringLiteral("Q"))
                                 << QStringList(16, QStringLiteral("1")) << sixteenResults << 1 << "6.2";
        QTest::newRow("group and fraction") << QStringList{"water", "Water", "oxygen", "9 / 28"}
                                            << QStringList{";Food;Water;Oxygen", " ", " ", "9/28"}
                                            << QStringList{"G", "G", "G", "F"} << QStringList{"1", "1", "1", "2"}
                                            << QStringList{"Y", "N", "Y", "Y"} << 4 << "80";
        QTest::newRow("unknown type earns nothing") << QStringList{"a"} << QStringList{"a"} << QStringList{"Z"}
                                                    << QStringList{"1"} << QStringList{""} << 0 << "0";
    }
    void marksAreAddedForRightSlotsOnly()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, types);
        QFETCH(QStringList, marks);
        QFETCH(QStringList, results);
        QFETCH(int, score);
        QFETCH(QString, percent);
        int total = 0;
        for (const QString &m : marks)
            total += m.toInt();
        const PaperMarking marking = MarkPaper(answers, keys, types, marks, total, QLocale::c());
        QCOMPARE(marking.results, results);
        QCOMPARE(marking.score, score);
        QCOMPARE(marking.percent, percent);
    }

    void damagedContentFails_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("marks");
        QTest::newRow("mark not a number") << QStringList{"5"} << QStringList{"two"};
        QTest::newRow("fewer answers than slots") << QStringList{} << QStringList{"1"};
    }
    void damagedContentFails()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, marks);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, MarkPaper(answers, {QStringLiteral("5")}, {QStringLiteral("N")}, marks, 1));
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
        QCOMPARE(TimeTakenText(seconds), text);
    }
};

QTEST_GUILESS_MAIN(TestMarking)
#include "tst_marking.moc"
