#include "tool/judgecommand.h"

#include <QProcess>
#include <QTest>

using namespace kw;

class TestJudgeCommand : public QObject {
    Q_OBJECT

    struct Run {
        int status;
        QString out;
        QString err;
    };

    static Run judge(const QString &input)
    {
        QString inText = input;
        QString outText;
        QString errText;
        QTextStream in(&inText);
        QTextStream out(&outText);
        QTextStream err(&errText);
        const int status = runJudge(in, out, err);
        return {status, outText, errText};
    }

private slots:
    void judgesLikeMarking_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("group with a repeated alternative")
            << "G\t;Food;Water;Oxygen\twater\nG\t \tWater\nG\t \toxygen\n"
            << "Y\tFood\nN\tFood\nY\tFood\n";
        QTest::newRow("group model answers")
            << "G\t;Food;Water;Oxygen\twater\nG\t \tsand\nG\t \t\n"
            << "Y\tFood\nN\tFood\nN\tOxygen\n";
        QTest::newRow("single types, CR LF, no final line end")
            << "N\t24075\t 24075.0 \r\nX\t1 3/5\t13/5\r\nT\tAirport\tairport"
            << "Y\t\nN\t\nY\t\n";
        QTest::newRow("M has no model answer") << "M\t;that;which\tWhich\n" << "Y\t\n";
        QTest::newRow("unknown type gives an empty result") << "Z\tx\tx\n" << "\t\n";
        QTest::newRow("empty key and answer") << "T\t\t\n" << "Y\t\n";
        QTest::newRow("no slots") << "" << "";
        QTest::newRow("spaced number, three columns") << "N\t36000\t36 000\nN\t12\t1 2\n" << "Y\t\nN\t\n";
        QTest::newRow("unit column") << QStringLiteral("N\t7.19\t£7.19\t£\nN\t24\t24 cm2\tcm²\nN\t46\t46 degrees\t°\n")
                                     << "Y\t\nY\t\nY\t\n";
        QTest::newRow("another unit is wrong") << QStringLiteral("N\t7.19\t7.19p\t£\nN\t24\t24 cm\tcm²\n")
                                               << "N\t\nN\t\n";
        QTest::newRow("unit typed without a unit column") << "N\t25\t25 cm\n" << "N\t\n";
        QTest::newRow("empty unit column") << "N\t25\t25\t\n" << "Y\t\n";
        QTest::newRow("a group beside a unit slot")
            << QStringLiteral("G\t;Food;Water\tfood\nG\t \twater\nN\t3\t£3\t£\n") << "Y\t\nY\t\nY\t\n";
    }
    void judgesLikeMarking()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        const Run run = judge(input);
        QCOMPARE(run.out, output);
        QCOMPARE(run.status, 0);
        QVERIFY(run.err.isEmpty());
    }

    void badSlotsAreReportedAndTheRestJudged_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("message");
        QTest::newRow("follower without a head") << "G\t \tx\nN\t5\t5\n" << "ERROR\t\nY\t\n" << "slot 1: ";
        QTest::newRow("number key not a number") << "T\ta\ta\nN\tfive\t5\n" << "Y\t\nERROR\t\n" << "slot 2: ";
        QTest::newRow("head without ;") << "M\tthat\tthat\n" << "ERROR\t\n" << "slot 1: ";
        QTest::newRow("missing field") << "N\t5\nN\t5\t5\n" << "ERROR\t\nY\t\n" << "slot 1: expected";
        QTest::newRow("five fields") << "N\t5\t5\tcm\tx\nN\t5\t5\n" << "ERROR\t\nY\t\n" << "slot 1: expected";
        QTest::newRow("unit no one knows") << "N\t5\t5\tfurlongs\nN\t5\t5\n" << "ERROR\t\nY\t\n"
                                           << "slot 1: \"furlongs\" is not a unit";
    }
    void badSlotsAreReportedAndTheRestJudged()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QString, message);
        const Run run = judge(input);
        QCOMPARE(run.out, output);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith(message), qPrintable(run.err));
    }

    void theToolReadsStandardInput()
    {
        QProcess tool;
        tool.start(QStringLiteral(KWCOURSE_PATH), {QStringLiteral("judge")});
        QVERIFY(tool.waitForStarted());
        tool.write("G\t;Food;Water;Oxygen\twater\nG\t \tWater\nG\t \toxygen\n");
        tool.closeWriteChannel();
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(tool.readAllStandardOutput(), QByteArray("Y\tFood\nN\tFood\nY\tFood\n"));
    }

    void unknownCommandShowsUsage()
    {
        QProcess tool;
        tool.start(QStringLiteral(KWCOURSE_PATH), {QStringLiteral("frobnicate")});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 2);
        QVERIFY(tool.readAllStandardError().contains("usage"));
    }
};

QTEST_GUILESS_MAIN(TestJudgeCommand)
#include "tst_judgecommand.moc"
