#include "data/progressfiles.h"
#include "data/resources.h"
#include "data/runtimeerror.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "testfiles.h"

using namespace kw;
using kwtest::readAll;
using kwtest::write;

namespace {

QByteArray templateBytes(int subject, ProgressFile file)
{
    QFile f(resourcePath(progressTemplateResource(subject, int(file)), QStringLiteral("Custom")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestProgressFiles : public QObject {
    Q_OBJECT

private slots:
    void namesFollowStemSubjectAndCode_data()
    {
        QTest::addColumn<int>("file");
        QTest::addColumn<QString>("name");
        QTest::newRow("marks") << int(ProgressFile::Marks) << "/f/marks3FIX1.txt";
        QTest::newRow("first") << int(ProgressFile::First) << "/f/first3FIX1.txt";
        QTest::newRow("second") << int(ProgressFile::Second) << "/f/second3FIX1.txt";
        QTest::newRow("fresults") << int(ProgressFile::FirstResults) << "/f/fresults3FIX1.txt";
        QTest::newRow("sresults") << int(ProgressFile::SecondResults) << "/f/sresults3FIX1.txt";
        QTest::newRow("trend") << int(ProgressFile::Trend) << "/f/trend3FIX1.txt";
    }
    void namesFollowStemSubjectAndCode()
    {
        QFETCH(int, file);
        QFETCH(QString, name);
        QCOMPARE(progressFilePath(QStringLiteral("/f"), ProgressFile(file), 3, QStringLiteral("FIX1")), name);
    }

    void createsOnlyWhatIsMissing()
    {
        QTemporaryDir dir;
        QVERIFY(createMissingProgressFiles(dir.path(), 3, QStringLiteral("FIX1")).isEmpty());
        for (ProgressFile file : kProgressFiles)
            QCOMPARE(readAll(progressFilePath(dir.path(), file, 3, QStringLiteral("FIX1"))), templateBytes(3, file));

        // A result stored since, and one file lost: only that file comes back.
        const QString marks = progressFilePath(dir.path(), ProgressFile::Marks, 3, QStringLiteral("FIX1"));
        const QString trend = progressFilePath(dir.path(), ProgressFile::Trend, 3, QStringLiteral("FIX1"));
        write(marks, "#FSE#>50>>>>>>>>>\r\n");
        write(trend, "#TRD#>50\r\n");
        QVERIFY(QFile::remove(progressFilePath(dir.path(), ProgressFile::Second, 3, QStringLiteral("FIX1"))));
        QVERIFY(createMissingProgressFiles(dir.path(), 3, QStringLiteral("FIX1")).isEmpty());
        QCOMPARE(readAll(marks), QByteArray("#FSE#>50>>>>>>>>>\r\n"));
        QCOMPARE(readAll(trend), QByteArray("#TRD#>50\r\n"));
        QCOMPARE(readAll(progressFilePath(dir.path(), ProgressFile::Second, 3, QStringLiteral("FIX1"))),
                 templateBytes(3, ProgressFile::Second));
    }

    void subjectWithoutTemplatesReportsEveryFile()
    {
        QTemporaryDir dir;
        QCOMPARE(createMissingProgressFiles(dir.path(), 2, QStringLiteral("FIX1")).size(), 6);
    }

    void erasingReplacesEveryFileOfNamedSubjects()
    {
        QTemporaryDir dir;
        Catalogue catalogue;
        catalogue.code = QStringLiteral("FIX1");
        catalogue.subjects[2].name = QStringLiteral("Science");
        const QString trend = progressFilePath(dir.path(), ProgressFile::Trend, 3, QStringLiteral("FIX1"));
        write(trend, "#TRD#>50>66.7>100\r\n");
        QVERIFY(createProgressFiles(dir.path(), catalogue).isEmpty());
        QCOMPARE(readAll(trend), QByteArray("#TRD#\r\n"));
        QVERIFY(!QFile::exists(progressFilePath(dir.path(), ProgressFile::Marks, 1, QStringLiteral("FIX1"))));
    }

    void readsTheSummary()
    {
        QTemporaryDir dir;
        createMissingProgressFiles(dir.path(), 3, QStringLiteral("FIX1"));
        write(progressFilePath(dir.path(), ProgressFile::Marks, 3, QStringLiteral("FIX1")),
              "#FSE#>66.7>>>>>>>>>100\r\n#SSE#>>>>>>>>>>\r\n#LTM#>0:4:30>>>>>>>>>\r\n"
              "#CDD#>08/12/2026>>>>>>>>>\r\n#FST#>1>0>0>0>0>0>0>0>0>1\r\n#SST#>0>0>0>0>0>0>0>0>0>0\r\n");
        const SubjectProgress progress = readSubjectProgress(dir.path(), 3, QStringLiteral("FIX1"), 10);
        QCOMPARE(progress.firstScores().size(), 50);
        QCOMPARE(progress.firstScores().at(0), QStringLiteral("66.7"));
        QCOMPARE(progress.firstScores().at(9), QStringLiteral("100"));
        QCOMPARE(progress.times().at(0), QStringLiteral("0:4:30"));
        QCOMPARE(progress.dates().at(0), QStringLiteral("08/12/2026"));
        QVERIFY(progress.isMarked(SummaryField::FirstState, 9));
        QVERIFY(!progress.isMarked(SummaryField::FirstState, 8));
        QVERIFY(!progress.isMarked(SummaryField::SecondState, 9));
        QCOMPARE(progress.recordFields(SummaryField::FirstState, 10),
                 (QStringList{"1", "0", "0", "0", "0", "0", "0", "0", "0", "1"}));
        QCOMPARE(progressFilesProblem(dir.path(), 3, QStringLiteral("FIX1"), 10), QString());
    }

    void firstMarkingChangesItsPaperOnly()
    {
        QTemporaryDir dir;
        createMissingProgressFiles(dir.path(), 3, QStringLiteral("FIX1"));
        const QString marks = progressFilePath(dir.path(), ProgressFile::Marks, 3, QStringLiteral("FIX1"));
        const QString trend = progressFilePath(dir.path(), ProgressFile::Trend, 3, QStringLiteral("FIX1"));
        write(marks, "#FSE#>>50>>>>>>>>\r\n#SSE#>>70>>>>>>>>\r\n#LTM#>>0:9:0>>>>>>>>\r\n#CDD#>>1/12/2026>>>>>>>>\r\n"
                     "#FST#>0>1>0>0>0>0>0>0>0>0\r\n#SST#>0>1>0>0>0>0>0>0>0>0\r\n");
        recordFirstMarking(dir.path(), 3, QStringLiteral("FIX1"), 10, 3, QStringLiteral("66.7"), QStringLiteral("0:4:30"),
                           QStringLiteral("08/12/2026"));
        QCOMPARE(readAll(marks), QByteArray("#FSE#>>50>66.7>>>>>>>\r\n#SSE#>>70>>>>>>>>\r\n#LTM#>>0:9:0>0:4:30>>>>>>>\r\n"
                                            "#CDD#>>1/12/2026>08/12/2026>>>>>>>\r\n#FST#>0>1>1>0>0>0>0>0>0>0\r\n"
                                            "#SST#>0>1>0>0>0>0>0>0>0>0\r\n"));
        QCOMPARE(readAll(trend), QByteArray("#TRD#>66.7\r\n"));
        recordFirstMarking(dir.path(), 3, QStringLiteral("FIX1"), 10, 4, QStringLiteral("100"), QStringLiteral("0:1:0"),
                           QStringLiteral("08/12/2026"));
        QCOMPARE(readAll(trend), QByteArray("#TRD#>66.7>100\r\n"));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, recordFirstMarking(dir.path(), 3, QStringLiteral("FIX1"), 10, 11,
                                                                  QStringLiteral("1"), QString(), QString()));
    }

    void statesMustBeZeroOrOne_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<bool>("readable");
        QTest::newRow("0") << QByteArray("0") << true;
        QTest::newRow("1") << QByteArray("1") << true;
        QTest::newRow("2") << QByteArray("2") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("Y") << QByteArray("Y") << false;
    }
    void statesMustBeZeroOrOne()
    {
        QFETCH(QByteArray, state);
        QFETCH(bool, readable);
        QTemporaryDir dir;
        write(progressFilePath(dir.path(), ProgressFile::Marks, 3, QStringLiteral("FIX1")),
              "#FSE#>>\r\n#SSE#>>\r\n#LTM#>>\r\n#CDD#>>\r\n#FST#>0>" + state + "\r\n#SST#>0>0\r\n");
        try {
            const SubjectProgress progress = readSubjectProgress(dir.path(), 3, QStringLiteral("FIX1"), 2);
            QVERIFY(readable);
            QCOMPARE(progress.isMarked(SummaryField::FirstState, 1), state == "1");
        } catch (const RuntimeError &error) {
            QVERIFY2(!readable, qPrintable(error.detail()));
            QVERIFY2(error.detail().contains(QStringLiteral("paper 102 has a state")), qPrintable(error.detail()));
        }
    }

    void summaryKeysFollowTheFileOrder_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("state");
        QTest::newRow("first score") << int(SummaryField::FirstScore) << "FSE" << false;
        QTest::newRow("second score") << int(SummaryField::SecondScore) << "SSE" << false;
        QTest::newRow("time taken") << int(SummaryField::TimeTaken) << "LTM" << false;
        QTest::newRow("date") << int(SummaryField::DateCompleted) << "CDD" << false;
        QTest::newRow("first state") << int(SummaryField::FirstState) << "FST" << true;
        QTest::newRow("second state") << int(SummaryField::SecondState) << "SST" << true;
    }
    void summaryKeysFollowTheFileOrder()
    {
        QFETCH(int, field);
        QFETCH(QString, key);
        QFETCH(bool, state);
        QCOMPARE(summaryKey(SummaryField(field)), key);
        QCOMPARE(isStateField(SummaryField(field)), state);
        QCOMPARE(kSummaryFields.at(std::size_t(field)), SummaryField(field));
        // The shipped template holds the records in this order.
        const QByteArray summary = templateBytes(3, ProgressFile::Marks);
        QCOMPARE(summary.split('\n').at(field + 1).left(5), "#" + key.toLatin1() + "#");
    }

    void damagedFilesAreNamed_data()
    {
        QTest::addColumn<int>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        const QByteArray sound = "#FSE#>>>>>>>>>>\r\n#SSE#>>>>>>>>>>\r\n#LTM#>>>>>>>>>>\r\n#CDD#>>>>>>>>>>\r\n"
                                 "#FST#>0>0>0>0>0>0>0>0>0>0\r\n#SST#>0>0>0>0>0>0>0>0>0>0\r\n";
        QByteArray crlfPapers;
        for (int paper = 101; paper <= 110; ++paper)
            crlfPapers += "#" + QByteArray::number(paper) + "#>\r\n";
        QTest::newRow("sound") << int(ProgressFile::Marks) << sound << "";
        QTest::newRow("record missing") << int(ProgressFile::Marks) << QByteArray(sound).replace("#CDD#", "#XXX#")
                                        << "marks3FIX1.txt";
        QTest::newRow("too few fields") << int(ProgressFile::Marks) << QByteArray(sound).replace("#SST#>0>0", "#SST#>0")
                                        << "marks3FIX1.txt";
        QTest::newRow("too many fields") << int(ProgressFile::Marks) << QByteArray(sound).replace("#SST#>0", "#SST#>0>0")
                                         << "more fields";
        QTest::newRow("score not a number") << int(ProgressFile::Marks) << QByteArray(sound).replace("#FSE#>", "#FSE#>abc")
                                            << "paper 101 has a score";
        QTest::newRow("state not 0 or 1") << int(ProgressFile::Marks) << QByteArray(sound).replace("#FST#>0", "#FST#>7")
                                          << "not 0 or 1";
        QTest::newRow("binary junk") << int(ProgressFile::Marks) << QByteArray("\x00\x01\x02\xff\xfe", 5)
                                     << "not text";
        QTest::newRow("tab in a field") << int(ProgressFile::First) << QByteArray(crlfPapers).replace("#101#>", "#101#>a\tb")
                                        << "first3FIX1.txt holds bytes that are not text";
        QTest::newRow("bare CR inside a line") << int(ProgressFile::First) << QByteArray(crlfPapers).replace("#102#>", "#102#>a\rb")
                                               << "first3FIX1.txt holds bytes that are not text";
        QTest::newRow("C1 control in a field") << int(ProgressFile::First)
                                               << QByteArray(crlfPapers).replace("#103#>", "#103#>a\xc2\x85")
                                               << "first3FIX1.txt holds bytes that are not text";
        QTest::newRow("line separator in a date") << int(ProgressFile::Marks)
                                                  << QByteArray(sound).replace("#CDD#>", "#CDD#>1/1\xe2\x80\xa8")
                                                  << "marks3FIX1.txt holds bytes that are not text";
        QTest::newRow("LF line ends are sound") << int(ProgressFile::First) << QByteArray(crlfPapers).replace("\r\n", "\n")
                                                << "";
        QTest::newRow("answers with spaces and accents") << int(ProgressFile::First)
                                                         << QByteArray(crlfPapers).replace("#101#>", "#101#>1 3/5 caf\xc3\xa9")
                                                         << "";
        QTest::newRow("empty file") << int(ProgressFile::Marks) << QByteArray() << "marks3FIX1.txt";
        QTest::newRow("paper record missing") << int(ProgressFile::FirstResults)
                                              << QByteArray("#101#>>\r\n#102#>>\r\n") << "fresults3FIX1.txt: the record of paper 103";
        QTest::newRow("trend value not a number") << int(ProgressFile::Trend) << QByteArray("#TRD#>50>x\r\n")
                                                  << "trend3FIX1.txt";
        QTest::newRow("trend record missing") << int(ProgressFile::Trend) << QByteArray("\r\n") << "trend3FIX1.txt";
    }
    void damagedFilesAreNamed()
    {
        QFETCH(int, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        createMissingProgressFiles(dir.path(), 3, QStringLiteral("FIX1"));
        const QString path = progressFilePath(dir.path(), ProgressFile(file), 3, QStringLiteral("FIX1"));
        write(path, bytes);
        const QString found = progressFilesProblem(dir.path(), 3, QStringLiteral("FIX1"), 10);
        if (problem.isEmpty())
            QCOMPARE(found, QString());
        else
            QVERIFY2(found.contains(problem), qPrintable(found));
        QCOMPARE(readAll(path), bytes); // looking never changes a file
    }
};

QTEST_GUILESS_MAIN(TestProgressFiles)
#include "tst_progressfiles.moc"
