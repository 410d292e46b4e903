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
    QFile f(ResourcePath(ProgressTemplateResource(subject, int(file)), QStringLiteral("Custom")));
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
        QCOMPARE(ProgressFilePath(QStringLiteral("/f"), ProgressFile(file), 3, QStringLiteral("FIX1")), name);
    }

    void createsOnlyWhatIsMissing()
    {
        QTemporaryDir dir;
        QVERIFY(CreateMissingProgressFiles(dir.path(), 3, QStringLiteral("FIX1")).isEmpty());
        for (ProgressFile file : kProgressFiles)
            QCOMPARE(readAll(ProgressFilePath(dir.path(), file, 3, QStringLiteral("FIX1"))), templateBytes(3, file));

        // A result stored since, and one file lost: only that file comes back.
        const QString marks = ProgressFilePath(dir.path(), ProgressFile::Marks, 3, QStringLiteral("FIX1"));
        const QString trend = ProgressFilePath(dir.path(), ProgressFile::Trend, 3, QStringLiteral("FIX1"));
        write(marks, "#FSE#>50>>>>>>>>>\r\n");
        write(trend, "#TRD#>50\r\n");
        QVERIFY(QFile::remove(ProgressFilePath(dir.path(), ProgressFile::Second, 3, QStringLiteral("FIX1"))));
        QVERIFY(CreateMissingProgressFiles(dir.path(), 3, QStringLiteral("FIX1")).isEmpty());
        QCOMPARE(readAll(marks), QByteArray("#FSE#>50>>>>>>>>>\r\n"));
        QCOMPARE(readAll(trend), QByteArray("#TRD#>50\r\n"));
        QCOMPARE(readAll(ProgressFilePath(dir.path(), ProgressFile::Second, 3, QStringLiteral("FIX1"))),
                 templateBytes(3, ProgressFile::Second));
    }

    void subjectWithoutTemplatesReportsEveryFile()
    {
        QTemporaryDir dir;
        QCOMPARE(CreateMissingProgressFiles(dir.path(), 2, QStringLiteral("FIX1")).size(), 6);
    }

    void erasingReplacesEveryFileOfNamedSubjects()
    {
        QTemporaryDir dir;
        Catalogue catalogue;
        catalogue.code = QStringLiteral("FIX1");
        catalogue.subjects[2].name = QStringLiteral("Science");
        const QString trend = ProgressFilePath(dir.path(), ProgressFile::Trend, 3, QStringLiteral("FIX1"));
        write(trend, "#TRD#>50>66.7>100\r\n");
        QVERIFY(CreateProgressFiles(dir.path(), catalogue).isEmpty());
        QCOMPARE(readAll(trend), QByteArray("#TRD#\r\n"));
        QVERIFY(!QFile::exists(ProgressFilePath(dir.path(), ProgressFile::Marks, 1, QStringLiteral("FIX1"))));
    }

    void readsTheSummary()
    {
        QTemporaryDir dir;
        CreateMissingProgressFiles(dir.path(), 3, QStringLiteral("FIX1"));
        write(ProgressFilePath(dir.path(), ProgressFile::Marks, 3, QStringLiteral("FIX1")),
              "#FSE#>66.7>>>>>>>>>100\r\n#SSE#>>>>>>>>>>\r\n#LTM#>0:4:30>>>>>>>>>\r\n"
              "#CDD#>08/12/2026>>>>>>>>>\r\n#FST#>1>0>0>0>0>0>0>0>0>1\r\n#SST#>0>0>0>0>0>0>0>0>0>0\r\n");
        const SubjectProgress progress = ReadSubjectProgress(dir.path(), 3, QStringLiteral("FIX1"), 10);
        QCOMPARE(progress.firstScores().size(), 50);
        QCOMPARE(progress.firstScores().at(0), QStringLiteral("66.7"));
        QCOMPARE(progress.firstScores().at(9), QStringLiteral("100"));
        QCOMPARE(progress.times().at(0), QStringLiteral("0:4:30"));
        QCOMPARE(progress.dates().at(0), QStringLiteral("08/12/2026"));
        QCOMPARE(progress.firstStates().at(9), QStringLiteral("1"));
        QCOMPARE(ProgressFilesProblem(dir.path(), 3, QStringLiteral("FIX1"), 10), QString());
    }

    void firstMarkingChangesItsPaperOnly()
    {
        QTemporaryDir dir;
        CreateMissingProgressFiles(dir.path(), 3, QStringLiteral("FIX1"));
        const QString marks = ProgressFilePath(dir.path(), ProgressFile::Marks, 3, QStringLiteral("FIX1"));
        const QString trend = ProgressFilePath(dir.path(), ProgressFile::Trend, 3, QStringLiteral("FIX1"));
        write(marks, "#FSE#>>50>>>>>>>>\r\n#SSE#>>70>>>>>>>>\r\n#LTM#>>0:9:0>>>>>>>>\r\n#CDD#>>1/12/2026>>>>>>>>\r\n"
                     "#FST#>0>1>0>0>0>0>0>0>0>0\r\n#SST#>0>1>0>0>0>0>0>0>0>0\r\n");
        RecordFirstMarking(dir.path(), 3, QStringLiteral("FIX1"), 10, 3, QStringLiteral("66.7"), QStringLiteral("0:4:30"),
                           QStringLiteral("08/12/2026"));
        QCOMPARE(readAll(marks), QByteArray("#FSE#>>50>66.7>>>>>>>\r\n#SSE#>>70>>>>>>>>\r\n#LTM#>>0:9:0>0:4:30>>>>>>>\r\n"
                                            "#CDD#>>1/12/2026>08/12/2026>>>>>>>\r\n#FST#>0>1>1>0>0>0>0>0>0>0\r\n"
                                            "#SST#>0>1>0>0>0>0>0>0>0>0\r\n"));
        QCOMPARE(readAll(trend), QByteArray("#TRD#>66.7\r\n"));
        RecordFirstMarking(dir.path(), 3, QStringLiteral("FIX1"), 10, 4, QStringLiteral("100"), QStringLiteral("0:1:0"),
                           QStringLiteral("08/12/2026"));
        QCOMPARE(readAll(trend), QByteArray("#TRD#>66.7>100\r\n"));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, RecordFirstMarking(dir.path(), 3, QStringLiteral("FIX1"), 10, 11,
                                                                  QStringLiteral("1"), QString(), QString()));
    }

    void damagedFilesAreNamed_data()
    {
        QTest::addColumn<int>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        const QByteArray sound = "#FSE#>>>>>>>>>>\r\n#SSE#>>>>>>>>>>\r\n#LTM#>>>>>>>>>>\r\n#CDD#>>>>>>>>>>\r\n"
                                 "#FST#>0>0>0>0>0>0>0>0>0>0\r\n#SST#>0>0>0>0>0>0>0>0>0>0\r\n";
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
        CreateMissingProgressFiles(dir.path(), 3, QStringLiteral("FIX1"));
        const QString path = ProgressFilePath(dir.path(), ProgressFile(file), 3, QStringLiteral("FIX1"));
        write(path, bytes);
        const QString found = ProgressFilesProblem(dir.path(), 3, QStringLiteral("FIX1"), 10);
        if (problem.isEmpty())
            QCOMPARE(found, QString());
        else
            QVERIFY2(found.contains(problem), qPrintable(found));
        QCOMPARE(readAll(path), bytes); // looking never changes a file
    }
};

QTEST_GUILESS_MAIN(TestProgressFiles)
#include "tst_progressfiles.moc"
