#include "data/markingjournal.h"
#include "data/progressfiles.h"
#include "data/resources.h"
#include "data/runtimeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

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

const QString kCode = QStringLiteral("FIX1");

QString pathOf(const QTemporaryDir &dir, ProgressFile file, int subject = 3)
{
    return progressFilePath(dir.path(), file, subject, kCode);
}

// The files one first marking changes, in the order it writes them after
// its journal.
const ProgressFile kMarkingFiles[] = {ProgressFile::FirstResults, ProgressFile::Marks, ProgressFile::Trend};

QByteArrayList markingFiles(const QTemporaryDir &dir)
{
    QByteArrayList contents;
    for (ProgressFile file : kMarkingFiles)
        contents.append(readAll(pathOf(dir, file)));
    return contents;
}

// Subject 3 of the fixture course (10 papers) as the first marking of paper
// 103 with 66.7 % in 0:4:30 leaves it, starting from the templates.
QByteArrayList markedPaper103()
{
    QByteArray results;
    for (int paper = 101; paper <= 110; ++paper)
        results += "#" + QByteArray::number(paper) + (paper == 103 ? "#>Y\r\n" : "#>>\r\n");
    return {results,
            "#FSE#>>>66.7>>>>>>>\r\n#SSE#>>>>>>>>>>\r\n#LTM#>>>0:4:30>>>>>>>\r\n#CDD#>>>08/12/2026>>>>>>>\r\n"
            "#FST#>0>0>1>0>0>0>0>0>0>0\r\n#SST#>0>0>0>0>0>0>0>0>0>0\r\n",
            "#TRD#>66.7\r\n"};
}

void markPaper103(const QTemporaryDir &dir, const FileWriter &writer)
{
    recordFirstMarking(dir.path(), 3, kCode, 10, 3, {QStringLiteral("Y")}, QStringLiteral("66.7"),
                       QStringLiteral("0:4:30"), QStringLiteral("08/12/2026"), writer);
}

// A writer that fails one step of the save of the file named name.
FileWriter failing(WriteStep step, const QString &name)
{
    return FileWriter([step, name](WriteStep at, const QString &path) {
        return at == step && QFileInfo(path).fileName() == name;
    });
}

const std::pair<WriteStep, const char *> kSteps[] = {{WriteStep::Open, "open"},
                                                     {WriteStep::Write, "write"},
                                                     {WriteStep::Flush, "flush"},
                                                     {WriteStep::Sync, "sync"},
                                                     {WriteStep::Rename, "rename"}};

// The journal and the three files of a marking of subject 3, in the order
// they are written.
const char *const kMarkingWrites[] = {"marking3FIX1.txt", "fresults3FIX1.txt", "marks3FIX1.txt", "trend3FIX1.txt"};

} // namespace

Q_DECLARE_METATYPE(kw::WriteStep)

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
        QVERIFY(createMissingProgressFiles(dir.path(), 3, QStringLiteral("FIX1"), FileWriter()).isEmpty());
        for (ProgressFile file : kProgressFiles)
            QCOMPARE(readAll(progressFilePath(dir.path(), file, 3, QStringLiteral("FIX1"))), templateBytes(3, file));

        // A result stored since, and one file lost: only that file comes back.
        const QString marks = progressFilePath(dir.path(), ProgressFile::Marks, 3, QStringLiteral("FIX1"));
        const QString trend = progressFilePath(dir.path(), ProgressFile::Trend, 3, QStringLiteral("FIX1"));
        write(marks, "#FSE#>50>>>>>>>>>\r\n");
        write(trend, "#TRD#>50\r\n");
        QVERIFY(QFile::remove(progressFilePath(dir.path(), ProgressFile::Second, 3, QStringLiteral("FIX1"))));
        QVERIFY(createMissingProgressFiles(dir.path(), 3, QStringLiteral("FIX1"), FileWriter()).isEmpty());
        QCOMPARE(readAll(marks), QByteArray("#FSE#>50>>>>>>>>>\r\n"));
        QCOMPARE(readAll(trend), QByteArray("#TRD#>50\r\n"));
        QCOMPARE(readAll(progressFilePath(dir.path(), ProgressFile::Second, 3, QStringLiteral("FIX1"))),
                 templateBytes(3, ProgressFile::Second));
    }

    void subjectWithoutTemplatesReportsEveryFile()
    {
        QTemporaryDir dir;
        QCOMPARE(createMissingProgressFiles(dir.path(), 2, QStringLiteral("FIX1"), FileWriter()).size(), 6);
    }

    void erasingReplacesEveryFileOfNamedSubjects()
    {
        QTemporaryDir dir;
        Catalogue catalogue;
        catalogue.code = QStringLiteral("FIX1");
        catalogue.subjects[2].name = QStringLiteral("Science");
        const QString trend = progressFilePath(dir.path(), ProgressFile::Trend, 3, QStringLiteral("FIX1"));
        write(trend, "#TRD#>50>66.7>100\r\n");
        QVERIFY(createProgressFiles(dir.path(), catalogue, FileWriter()).isEmpty());
        QCOMPARE(readAll(trend), QByteArray("#TRD#\r\n"));
        QVERIFY(!QFile::exists(progressFilePath(dir.path(), ProgressFile::Marks, 1, QStringLiteral("FIX1"))));
    }

    void readsTheSummary()
    {
        QTemporaryDir dir;
        createMissingProgressFiles(dir.path(), 3, QStringLiteral("FIX1"), FileWriter());
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
        createMissingProgressFiles(dir.path(), 3, QStringLiteral("FIX1"), FileWriter());
        const QString marks = progressFilePath(dir.path(), ProgressFile::Marks, 3, QStringLiteral("FIX1"));
        const QString trend = progressFilePath(dir.path(), ProgressFile::Trend, 3, QStringLiteral("FIX1"));
        write(marks, "#FSE#>>50>>>>>>>>\r\n#SSE#>>70>>>>>>>>\r\n#LTM#>>0:9:0>>>>>>>>\r\n#CDD#>>1/12/2026>>>>>>>>\r\n"
                     "#FST#>0>1>0>0>0>0>0>0>0>0\r\n#SST#>0>1>0>0>0>0>0>0>0>0\r\n");
        recordFirstMarking(dir.path(), 3, QStringLiteral("FIX1"), 10, 3, {QStringLiteral("Y")}, QStringLiteral("66.7"),
                           QStringLiteral("0:4:30"), QStringLiteral("08/12/2026"), FileWriter());
        QCOMPARE(readAll(marks), QByteArray("#FSE#>>50>66.7>>>>>>>\r\n#SSE#>>70>>>>>>>>\r\n#LTM#>>0:9:0>0:4:30>>>>>>>\r\n"
                                            "#CDD#>>1/12/2026>08/12/2026>>>>>>>\r\n#FST#>0>1>1>0>0>0>0>0>0>0\r\n"
                                            "#SST#>0>1>0>0>0>0>0>0>0>0\r\n"));
        QCOMPARE(readAll(trend), QByteArray("#TRD#>66.7\r\n"));
        recordFirstMarking(dir.path(), 3, QStringLiteral("FIX1"), 10, 4, {QStringLiteral("Y")}, QStringLiteral("100"),
                           QStringLiteral("0:1:0"), QStringLiteral("08/12/2026"), FileWriter());
        QCOMPARE(readAll(trend), QByteArray("#TRD#>66.7>100\r\n"));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, recordFirstMarking(dir.path(), 3, QStringLiteral("FIX1"), 10, 11, {},
                                                                  QStringLiteral("1"), QString(), QString(), FileWriter()));
    }

    // A second marking rewrites SSE and SST of its paper and its sresults
    // record, committed together; a failed write on the way leaves either
    // everything as it was or a journal that finishes it, never the first
    // attempt's fields or the trend changed.
    void secondMarkingChangesSecondFieldsOnly_data()
    {
        QTest::addColumn<WriteStep>("step");
        QTest::addColumn<QString>("file");
        QTest::newRow("no failure") << WriteStep::Open << QString();
        for (const char *file : {"marking3FIX1.txt", "sresults3FIX1.txt", "marks3FIX1.txt"}) {
            for (const auto &[step, name] : kSteps)
                QTest::addRow("%s of %s", name, file) << step << QString::fromLatin1(file);
        }
    }
    void secondMarkingChangesSecondFieldsOnly()
    {
        QFETCH(WriteStep, step);
        QFETCH(QString, file);
        QTemporaryDir dir;
        QVERIFY(createMissingProgressFiles(dir.path(), 3, kCode, FileWriter()).isEmpty());
        const QByteArray summary = "#FSE#>>50>66.7>>>>>>>\r\n#SSE#>>70>>>>>>>>\r\n#LTM#>>0:9:0>0:4:30>>>>>>>\r\n"
                                   "#CDD#>>1/12/2026>08/12/2026>>>>>>>\r\n#FST#>0>1>1>0>0>0>0>0>0>0\r\n"
                                   "#SST#>0>1>0>0>0>0>0>0>0>0\r\n";
        write(pathOf(dir, ProgressFile::Marks), summary);
        write(pathOf(dir, ProgressFile::Trend), "#TRD#>50>66.7\r\n");
        const QByteArray trend = readAll(pathOf(dir, ProgressFile::Trend));
        const QByteArray firstResults = readAll(pathOf(dir, ProgressFile::FirstResults));
        const QByteArray secondResults = readAll(pathOf(dir, ProgressFile::SecondResults));
        const auto secondMarking = [&dir](const FileWriter &writer) {
            return recordSecondMarking(dir.path(), 3, kCode, 10, 3, {QStringLiteral("N")}, QStringLiteral("0"), writer);
        };
        if (!file.isEmpty()) {
            QVERIFY_THROWS_EXCEPTION(RuntimeError, secondMarking(failing(step, file)));
            if (file.startsWith(QLatin1String("marking"))) {
                QCOMPARE(readAll(pathOf(dir, ProgressFile::Marks)), summary);
                QCOMPARE(readAll(pathOf(dir, ProgressFile::SecondResults)), secondResults);
            }
            QCOMPARE(readAll(pathOf(dir, ProgressFile::Trend)), trend);
        }
        const SubjectProgress progress = secondMarking(FileWriter());
        QCOMPARE(progress.secondScores().at(2), QStringLiteral("0"));
        QVERIFY(progress.isMarked(SummaryField::SecondState, 2));
        QCOMPARE(readAll(pathOf(dir, ProgressFile::Marks)),
                 QByteArray("#FSE#>>50>66.7>>>>>>>\r\n#SSE#>>70>0>>>>>>>\r\n#LTM#>>0:9:0>0:4:30>>>>>>>\r\n"
                            "#CDD#>>1/12/2026>08/12/2026>>>>>>>\r\n#FST#>0>1>1>0>0>0>0>0>0>0\r\n"
                            "#SST#>0>1>1>0>0>0>0>0>0>0\r\n"));
        QByteArray results;
        for (int paper = 101; paper <= 110; ++paper)
            results += "#" + QByteArray::number(paper) + (paper == 103 ? "#>N\r\n" : "#>>\r\n");
        QCOMPARE(readAll(pathOf(dir, ProgressFile::SecondResults)), results);
        QCOMPARE(readAll(pathOf(dir, ProgressFile::FirstResults)), firstResults);
        QCOMPARE(readAll(pathOf(dir, ProgressFile::Trend)), trend);
        QVERIFY(!QFileInfo::exists(markingJournalPath(dir.path(), 3, kCode)));
        QCOMPARE(progressFilesProblem(dir.path(), 3, kCode, 10), QString());
    }

    void markingWritesTheResultsRecordToo()
    {
        QTemporaryDir dir;
        QVERIFY(createMissingProgressFiles(dir.path(), 3, kCode, FileWriter()).isEmpty());
        markPaper103(dir, FileWriter());
        QCOMPARE(markingFiles(dir), markedPaper103());
        QVERIFY(!QFileInfo::exists(markingJournalPath(dir.path(), 3, kCode)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 6);
    }

    void retriedMarkingCountsOnce_data()
    {
        QTest::addColumn<WriteStep>("step");
        QTest::addColumn<QString>("file");
        for (const char *file : kMarkingWrites) {
            for (const auto &[step, name] : kSteps)
                QTest::addRow("%s of %s", name, file) << step << QString::fromLatin1(file);
        }
    }
    void retriedMarkingCountsOnce()
    {
        QFETCH(WriteStep, step);
        QFETCH(QString, file);
        QTemporaryDir dir;
        QVERIFY(createMissingProgressFiles(dir.path(), 3, kCode, FileWriter()).isEmpty());
        const QByteArrayList before = markingFiles(dir);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, markPaper103(dir, failing(step, file)));
        if (file.startsWith(QLatin1String("marking")))
            QCOMPARE(markingFiles(dir), before); // the commit point was never reached
        // The pupil is told and marks again: the trend gains one value, not two.
        markPaper103(dir, FileWriter());
        QCOMPARE(markingFiles(dir), markedPaper103());
        QVERIFY(!QFileInfo::exists(markingJournalPath(dir.path(), 3, kCode)));
        QCOMPARE(progressFilesProblem(dir.path(), 3, kCode, 10), QString());
    }

    void unfinishedMarkingIsFinishedOrDropped_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("finished");
        QTest::newRow("nothing since") << "" << true;
        QTest::newRow("a file changed since") << "trend" << false;
        QTest::newRow("results erased since") << "erase" << false;
        QTest::newRow("journal damaged") << "damage" << false;
        QTest::newRow("journal naming another file") << "rename" << false;
        QTest::newRow("journal naming a file outside") << "escape" << false;
    }
    void unfinishedMarkingIsFinishedOrDropped()
    {
        QFETCH(QString, change);
        QFETCH(bool, finished);
        QTemporaryDir dir;
        QVERIFY(createMissingProgressFiles(dir.path(), 3, kCode, FileWriter()).isEmpty());
        // Past the commit point, the summary's save fails: the journal stays.
        QVERIFY_THROWS_EXCEPTION(RuntimeError, markPaper103(dir, failing(WriteStep::Rename, QStringLiteral("marks3FIX1.txt"))));
        const QString journal = markingJournalPath(dir.path(), 3, kCode);
        QVERIFY(QFileInfo::exists(journal));
        if (change == QLatin1String("trend")) {
            write(pathOf(dir, ProgressFile::Trend), "#TRD#>12.5\r\n");
        } else if (change == QLatin1String("erase")) {
            Catalogue catalogue;
            catalogue.code = kCode;
            catalogue.subjects[2].name = QStringLiteral("Science");
            QVERIFY(createProgressFiles(dir.path(), catalogue, FileWriter()).isEmpty());
            QVERIFY(!QFileInfo::exists(journal));
        } else if (change == QLatin1String("damage")) {
            write(journal, readAll(journal).chopped(3));
        } else if (change == QLatin1String("rename")) {
            write(journal, readAll(journal).replace("name trend3FIX1.txt", "name notes.txt"));
        } else if (change == QLatin1String("escape")) {
            write(journal, readAll(journal).replace("name trend3FIX1.txt", "name ../trend3FIX1.txt"));
        }
        const QByteArrayList now = markingFiles(dir);
        finishInterruptedMarking(dir.path(), 3, kCode, FileWriter());
        QVERIFY(!QFileInfo::exists(journal));
        QCOMPARE(markingFiles(dir), finished ? markedPaper103() : now);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("notes.txt"))));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 6);
    }

    void templatesGoThroughTheWriter_data()
    {
        QTest::addColumn<WriteStep>("step");
        for (const auto &[step, name] : kSteps)
            QTest::addRow("%s", name) << step;
    }
    void templatesGoThroughTheWriter()
    {
        QFETCH(WriteStep, step);
        QTemporaryDir dir;
        const QString trend = pathOf(dir, ProgressFile::Trend);
        QCOMPARE(createMissingProgressFiles(dir.path(), 3, kCode, failing(step, QStringLiteral("trend3FIX1.txt"))),
                 QStringList{trend});
        QVERIFY(!QFileInfo::exists(trend));
        QCOMPARE(readAll(pathOf(dir, ProgressFile::Marks)), templateBytes(3, ProgressFile::Marks));

        // Erasing: the trend keeps its results when its template cannot be written.
        write(trend, "#TRD#>50\r\n");
        Catalogue catalogue;
        catalogue.code = kCode;
        catalogue.subjects[2].name = QStringLiteral("Science");
        QCOMPARE(createProgressFiles(dir.path(), catalogue, failing(step, QStringLiteral("trend3FIX1.txt"))),
                 QStringList{trend});
        QCOMPARE(readAll(trend), QByteArray("#TRD#>50\r\n"));
    }

    void recordsMustMatchTheCourse_data()
    {
        // Subject 1 of the fixture course: paper 102 has 3 answer slots,
        // paper 103 lists a question no table holds, so its content cannot
        // be read.
        QTest::addColumn<int>("file");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("problem");
        const int first = int(ProgressFile::First);
        const int results = int(ProgressFile::FirstResults);
        QTest::newRow("templates") << first << QByteArray() << QByteArray() << "";
        QTest::newRow("answers as many as slots") << first << QByteArray("#102#>>>") << QByteArray("#102#>a>b>c") << "";
        QTest::newRow("answers record with an extra field")
            << first << QByteArray("#102#>>>") << QByteArray("#102#>a>b>c>d")
            << "first1FIX1.txt: the record of paper 102 has 4 fields, but the paper has 3 answer slots";
        QTest::newRow("answers record with a missing field")
            << int(ProgressFile::Second) << QByteArray("#102#>>>") << QByteArray("#102#>a>b")
            << "second1FIX1.txt: the record of paper 102 has 2 fields, but the paper has 3 answer slots";
        QTest::newRow("results record with an extra field")
            << results << QByteArray("#102#>>>") << QByteArray("#102#>Y>N>Y>") << "fresults1FIX1.txt: the record of paper 102 has 4";
        QTest::newRow("results Y, N and empty") << results << QByteArray("#102#>>>") << QByteArray("#102#>Y>N>") << "";
        QTest::newRow("a result that is not Y or N")
            << int(ProgressFile::SecondResults) << QByteArray("#102#>>>") << QByteArray("#102#>Y>yes>")
            << "sresults1FIX1.txt: paper 102 has a result \"yes\"";
        QTest::newRow("paper whose content cannot be read") << first << QByteArray("#103#>>>") << QByteArray("#103#>>>>>") << "";
        QTest::newRow("record not at the start of its line")
            << first << QByteArray("#102#>>>") << QByteArray("x#102#>>>") << "first1FIX1.txt: the record of paper 102 is missing";
    }
    void recordsMustMatchTheCourse()
    {
        QFETCH(int, file);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        QVERIFY(createMissingProgressFiles(dir.path(), 1, kCode, FileWriter()).isEmpty());
        const QString path = pathOf(dir, ProgressFile(file), 1);
        QByteArray bytes = readAll(path);
        if (!from.isEmpty()) {
            QVERIFY(bytes.contains(from + "\r\n"));
            bytes.replace(from + "\r\n", to + "\r\n");
        }
        write(path, bytes);
        const QString found = progressFilesProblem(dir.path(), 1, kCode, 35);
        if (problem.isEmpty())
            QCOMPARE(found, QString());
        else
            QVERIFY2(found.startsWith(problem), qPrintable(found));
        QCOMPARE(readAll(path), bytes);
    }

    void refusesWhatIsNotAPlainFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("problem");
        QTest::newRow("link to a sound file outside") << "link" << "marks3FIX1.txt is a link to another place, not a file";
        QTest::newRow("link to nowhere") << "dangling link" << "marks3FIX1.txt is a link";
        QTest::newRow("folder") << "folder" << "marks3FIX1.txt is a folder, not a file";
        QTest::newRow("missing") << "missing" << "marks3FIX1.txt is missing";
    }
    void refusesWhatIsNotAPlainFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, problem);
        QTemporaryDir outside;
        QTemporaryDir dir;
        QVERIFY(createMissingProgressFiles(dir.path(), 3, kCode, FileWriter()).isEmpty());
        const QString marks = pathOf(dir, ProgressFile::Marks);
        const QString elsewhere = outside.filePath(QStringLiteral("marks3FIX1.txt"));
        QVERIFY(QFile::rename(marks, elsewhere));
        if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(elsewhere, marks));
        else if (kind == QLatin1String("dangling link"))
            QVERIFY(QFile::link(outside.filePath(QStringLiteral("gone.txt")), marks));
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(marks));
        const QString found = progressFilesProblem(dir.path(), 3, kCode, 10);
        QVERIFY2(found.startsWith(problem), qPrintable(found));
        QVERIFY2(!found.contains(dir.path()) && !found.contains(outside.path()), qPrintable(found));
        // Nothing is created or changed where the link points.
        QCOMPARE(readAll(elsewhere), templateBytes(3, ProgressFile::Marks));
        QVERIFY(!QFileInfo::exists(outside.filePath(QStringLiteral("gone.txt"))));
        QCOMPARE(createMissingProgressFiles(dir.path(), 3, kCode, FileWriter()), QStringList());
        QCOMPARE(QFileInfo(marks).isSymLink(), kind.contains(QLatin1String("link")));
    }

    void longDamagedRecordIsQuotedShort_data()
    {
        QTest::addColumn<int>("file");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("problem");
        const QByteArray huge(5 * 1024 * 1024, 'z');
        QTest::newRow("trend value") << int(ProgressFile::Trend) << QByteArray("#TRD#") << "#TRD#>" + huge
                                     << "trend3FIX1.txt: \"zzzzz";
        QTest::newRow("score") << int(ProgressFile::Marks) << QByteArray("#FSE#>") << "#FSE#>" + huge
                               << "marks3FIX1.txt: paper 101 has a score \"zzzzz";
        QTest::newRow("result") << int(ProgressFile::FirstResults) << QByteArray("#101#>") << "#101#>" + huge
                                << "fresults3FIX1.txt: paper 101 has a result \"zzzzz";
        QTest::newRow("summary record with a field too many") << int(ProgressFile::Marks) << QByteArray("#SSE#>")
                                                              << "#SSE#>" + huge + ">"
                                                              << "marks3FIX1.txt: the SSE record has 11 fields";
    }
    void longDamagedRecordIsQuotedShort()
    {
        QFETCH(int, file);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        QVERIFY(createMissingProgressFiles(dir.path(), 3, kCode, FileWriter()).isEmpty());
        const QString path = pathOf(dir, ProgressFile(file));
        QByteArray bytes = readAll(path);
        QVERIFY(bytes.contains(from));
        bytes.replace(bytes.indexOf(from), from.size(), to);
        write(path, bytes);
        const QString found = progressFilesProblem(dir.path(), 3, kCode, 10);
        QVERIFY2(found.startsWith(problem), qPrintable(found.left(200)));
        QVERIFY2(found.size() <= 120, qPrintable(found.left(200)));
        QVERIFY2(found.count(QLatin1Char('z')) <= 40, qPrintable(found.left(200)));
    }

    void startAfresh_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("refusal"); // "" when started afresh
        QTest::newRow("damaged files") << "" << "";
        QTest::newRow("earlier copies kept") << "earlier copies" << "";
        QTest::newRow("a file missing") << "missing" << "";
        QTest::newRow("an unfinished marking") << "journal" << "";
        QTest::newRow("a folder in place of a file") << "folder" << "trend3FIX1.txt is a folder, not a file, so nothing";
        QTest::newRow("a link in place of a file") << "link" << "trend3FIX1.txt is a link to another place";
        QTest::newRow("a file that cannot be read") << "unreadable" << "trend3FIX1.txt cannot be read";
        QTest::newRow("a copy that cannot be kept") << "copy fails" << "no copy of trend3FIX1.txt could be kept";
    }
    void startAfresh()
    {
        QFETCH(QString, situation);
        QFETCH(QString, refusal);
        if (situation == QLatin1String("unreadable") && ::geteuid() == 0)
            QSKIP("Root reads any file, so no file is unreadable here.");
        QTemporaryDir outside;
        QTemporaryDir dir;
        QVERIFY(createMissingProgressFiles(dir.path(), 3, kCode, FileWriter()).isEmpty());
        const QString marks = pathOf(dir, ProgressFile::Marks);
        const QString trend = pathOf(dir, ProgressFile::Trend);
        const QByteArray junk("#FSE#>abc\r\n\x01\x02");
        write(marks, junk);
        FileWriter writer;
        if (situation == QLatin1String("earlier copies")) {
            write(marks + QStringLiteral(".damaged"), "first copy");
            write(marks + QStringLiteral(".damaged-2"), "second copy");
        } else if (situation == QLatin1String("missing")) {
            QVERIFY(QFile::remove(trend));
        } else if (situation == QLatin1String("journal")) {
            write(markingJournalPath(dir.path(), 3, kCode), "kwjournal 1\n");
        } else if (situation == QLatin1String("folder")) {
            QVERIFY(QFile::remove(trend));
            QVERIFY(QDir().mkdir(trend));
        } else if (situation == QLatin1String("link")) {
            QVERIFY(QFile::rename(trend, outside.filePath(QStringLiteral("trend.txt"))));
            QVERIFY(QFile::link(outside.filePath(QStringLiteral("trend.txt")), trend));
        } else if (situation == QLatin1String("unreadable")) {
            QVERIFY(QFile::setPermissions(trend, QFileDevice::WriteOwner));
        } else if (situation == QLatin1String("copy fails")) {
            writer = failing(WriteStep::Flush, QStringLiteral("trend3FIX1.txt.damaged"));
        }
        const QStringList namesBefore = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QList<QByteArray> before;
        for (ProgressFile file : kProgressFiles)
            before.append(readAll(pathOf(dir, file)));

        const QString result = startSubjectAfresh(dir.path(), 3, kCode, 10, writer);
        QVERIFY2(!result.contains(dir.path()), qPrintable(result));
        if (!refusal.isEmpty()) {
            QVERIFY2(result.startsWith(refusal), qPrintable(result));
            QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), namesBefore);
            for (ProgressFile file : kProgressFiles)
                QCOMPARE(readAll(pathOf(dir, file)), before.at(int(file) - 1));
            return;
        }
        QCOMPARE(result, QString());
        for (ProgressFile file : kProgressFiles)
            QCOMPARE(readAll(pathOf(dir, file)), templateBytes(3, file));
        const QString kept = situation == QLatin1String("earlier copies") ? QStringLiteral(".damaged-3")
                                                                          : QStringLiteral(".damaged");
        QCOMPARE(readAll(marks + kept), junk);
        if (situation == QLatin1String("earlier copies")) {
            QCOMPARE(readAll(marks + QStringLiteral(".damaged")), QByteArray("first copy"));
            QCOMPARE(readAll(marks + QStringLiteral(".damaged-2")), QByteArray("second copy"));
        }
        QCOMPARE(QFileInfo::exists(trend + QStringLiteral(".damaged")), situation != QLatin1String("missing"));
        QVERIFY(!QFileInfo::exists(markingJournalPath(dir.path(), 3, kCode)));

        // Started afresh a second time: the first time's copies stay.
        write(marks, "damaged again");
        QCOMPARE(startSubjectAfresh(dir.path(), 3, kCode, 10, FileWriter()), QString());
        QCOMPARE(readAll(marks + kept), junk);
        const QString next = situation == QLatin1String("earlier copies") ? QStringLiteral(".damaged-4")
                                                                          : QStringLiteral(".damaged-2");
        QCOMPARE(readAll(marks + next), QByteArray("damaged again"));
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
                                         << "marks3FIX1.txt: the SST record has 11 fields, but the subject has 10 papers";
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
        createMissingProgressFiles(dir.path(), 3, QStringLiteral("FIX1"), FileWriter());
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
