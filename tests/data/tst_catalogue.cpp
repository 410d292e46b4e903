#include "data/catalogue.h"
#include "data/runtimeerror.h"

#include <QTest>

using namespace kw;

Q_DECLARE_METATYPE(kw::ErrorKind)

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    // The fixture names subjects 1 and 3 only; subject 2's counts are not
    // numbers, so reading them would fail.
    void loadsNamedSubjectsFromTheResource()
    {
        const Catalogue catalogue = loadCatalogue();
        QCOMPARE(catalogue.title, QStringLiteral("Fixture Practice Papers"));
        QCOMPARE(catalogue.code, QStringLiteral("FIX1"));
        QVERIFY(catalogue.hasSubject(1));
        QVERIFY(!catalogue.hasSubject(2));
        QVERIFY(catalogue.hasSubject(3));
        QCOMPARE(catalogue.subject(1).name, QStringLiteral("English"));
        QCOMPARE(catalogue.subject(1).topicCount, 7);
        QCOMPARE(catalogue.subject(1).paperCount, 35);
        QCOMPARE(catalogue.subject(1).topicNames.size(), 10);
        QCOMPARE(catalogue.subject(1).topicNames.at(6), QStringLiteral("Mock Examination"));
        for (int i = 7; i < 10; ++i)
            QVERIFY(catalogue.subject(1).topicNames.at(i).isEmpty());
        QCOMPARE(catalogue.subject(2).topicCount, 0);
        QCOMPARE(catalogue.subject(3).topicNames.mid(0, 2), (QStringList{"Living Things", "Cycles"}));
    }

    void damagedCatalogueFails_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<kw::ErrorKind>("kind");
        QTest::newRow("topic count not a number")
            << QByteArray("#LAH#>English\r\n#TT1#>seven\r\n#TP1#>35\r\n#TN1#>a\r\n") << ErrorKind::TypeMismatch;
        QTest::newRow("topic count missing")
            << QByteArray("#LAH#>English\r\n#TP1#>35\r\n#TN1#>a\r\n") << ErrorKind::TypeMismatch;
        QTest::newRow("more than ten topics")
            << QByteArray("#LAH#>English\r\n#TT1#>11\r\n#TP1#>55\r\n#TN1#>a>b>c>d>e>f>g>h>i>j>k\r\n")
            << ErrorKind::SubscriptOutOfRange;
        QTest::newRow("more than fifty papers")
            << QByteArray("#LAH#>English\r\n#TT1#>1\r\n#TP1#>51\r\n#TN1#>a\r\n") << ErrorKind::SubscriptOutOfRange;
        QTest::newRow("fewer names than topics")
            << QByteArray("#LAH#>English\r\n#TT1#>3\r\n#TP1#>15\r\n#TN1#>a>b\r\n") << ErrorKind::InvalidArgument;
        QTest::newRow("count past 16 bits")
            << QByteArray("#LAH#>English\r\n#TT1#>70000\r\n#TP1#>15\r\n#TN1#>a\r\n") << ErrorKind::Overflow;
    }
    void damagedCatalogueFails()
    {
        QFETCH(QByteArray, file);
        QFETCH(kw::ErrorKind, kind);
        try {
            readCatalogue(RecordFile::fromBytes(file));
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), kind);
        }
    }

    void recordOrderIsFree()
    {
        const Catalogue catalogue = readCatalogue(RecordFile::fromBytes(
            "#TN3#>Cycles\r\n#TP3#>5\r\n#TT3#>1\r\n#LCH#>Science\r\n#COD#>C9\r\n#XYZ#>ignored\r\n"));
        QVERIFY(!catalogue.hasSubject(1));
        QCOMPARE(catalogue.subject(3).topicNames.first(), QStringLiteral("Cycles"));
        QCOMPARE(catalogue.code, QStringLiteral("C9"));
        QVERIFY(catalogue.title.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
