#include "data/percent.h"
#include "data/runtimeerror.h"

#include <QTest>

using namespace kw;

class TestPercent : public QObject {
    Q_OBJECT

private slots:
    void percentText_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("text");
        QTest::newRow("6.25 to even 6.2") << 1 << 16 << "6.2";
        QTest::newRow("3.75 to even 3.8") << 3 << 80 << "3.8";
        QTest::newRow("87.5") << 7 << 8 << "87.5";
        QTest::newRow("100") << 20 << 20 << "100";
        QTest::newRow("0.5") << 1 << 200 << "0.5";
        QTest::newRow("0") << 0 << 45 << "0";
        QTest::newRow("two thirds") << 2 << 3 << "66.7";
        QTest::newRow("one third") << 1 << 3 << "33.3";
        QTest::newRow("88.8 from 88.75") << 71 << 80 << "88.8";
        QTest::newRow("66.65 is a true half") << 1333 << 2000 << "66.6";
        QTest::newRow("0.05 to even 0") << 1 << 2000 << "0";
        QTest::newRow("0.15 to even 0.2") << 3 << 2000 << "0.2";
        QTest::newRow("99.95 to even 100") << 1999 << 2000 << "100";
        QTest::newRow("whole after rounding") << 999 << 1000 << "99.9";
    }
    void percentText()
    {
        QFETCH(int, score);
        QFETCH(int, total);
        QFETCH(QString, text);
        QCOMPARE(kw::percentText(score, total), text);
    }

    void meanOfStoredPercentages_data()
    {
        QTest::addColumn<QStringList>("scores");
        QTest::addColumn<QString>("text");
        QTest::newRow("80") << QStringList{"70", "90"} << "80";
        QTest::newRow("66.7") << QStringList{"100", "100", "0"} << "66.7";
        QTest::newRow("half to even") << QStringList{"0.5", "0"} << "0.2";
        QTest::newRow("decimals") << QStringList{"88.8", "66.7", "6.2"} << "53.9";
    }
    void meanOfStoredPercentages()
    {
        QFETCH(QStringList, scores);
        QFETCH(QString, text);
        qint64 sum = 0;
        for (const QString &s : scores) {
            qint64 tenths = 0;
            QVERIFY(kw::parseTenths(s, &tenths));
            sum += tenths;
        }
        QCOMPARE(kw::tenthsText(kw::roundedTenths(sum, 10 * scores.size())), text);
    }

    void parseTenths_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("tenths");
        QTest::newRow("whole") << "100" << true << qint64(1000);
        QTest::newRow("one decimal") << "66.7" << true << qint64(667);
        QTest::newRow("decimal comma") << "66,7" << true << qint64(667);
        QTest::newRow("spaces") << " 5 " << true << qint64(50);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("word") << "abc" << false << qint64(0);
        QTest::newRow("two decimals") << "6.25" << false << qint64(0);
    }
    void parseTenths()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(qint64, tenths);
        qint64 value = -1;
        QCOMPARE(kw::parseTenths(text, &value), ok);
        if (ok)
            QCOMPARE(value, tenths);
    }

    void decimalPointIsTheCallers()
    {
        QCOMPARE(kw::tenthsText(667, QLatin1Char(',')), QStringLiteral("66,7"));
        QCOMPARE(kw::tenthsText(-5), QStringLiteral("-0.5"));
    }

    void zeroTotalIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(RuntimeError, kw::percentText(0, 0));
    }
};

QTEST_GUILESS_MAIN(TestPercent)
#include "tst_percent.moc"
