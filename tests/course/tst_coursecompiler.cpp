#include "compiler/coursecheck.h"
#include "compiler/coursecompiler.h"
#include "compiler/coursesource.h"
#include "compiler/mhtml.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace kw;

namespace {

QByteArray table(const QList<QByteArray> &records)
{
    QByteArray out = "...\r\n";
    for (const QByteArray &r : records)
        out += r + "\r\n";
    return out + "...";
}

CompiledCourse compileFixture(QStringList *problems)
{
    return compileCourse(readCourseSource(QStringLiteral(KW_FIXTURE_COURSE), problems), problems);
}

ResourceLookup lookupIn(const CompiledCourse &course)
{
    return [course](int id) -> std::optional<QByteArray> {
        if (!course.contains(id))
            return std::nullopt;
        return course.value(id);
    };
}

// Copies the fixture course so a test can break one file of it.
bool copyFixture(const QString &to)
{
    const QDir from(QStringLiteral(KW_FIXTURE_COURSE));
    for (const QString &relative : {QStringLiteral("catalogue.txt"), QStringLiteral("style.css"),
                                    QStringLiteral("science/101.txt"), QStringLiteral("science/102.txt"),
                                    QStringLiteral("science/103.txt"), QStringLiteral("science/104.txt"),
                                    QStringLiteral("science/105.txt"), QStringLiteral("science/figures/leaf.svg")}) {
        QDir().mkpath(QFileInfo(to + QLatin1Char('/') + relative).absolutePath());
        if (!QFile::copy(from.filePath(relative), to + QLatin1Char('/') + relative))
            return false;
    }
    return true;
}

bool replaceInFile(const QString &path, const QString &from, const QString &to)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QString text = QString::fromUtf8(f.readAll());
    f.close();
    if (!text.contains(from))
        return false;
    text.replace(from, to);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) > 0;
}

struct Compile {
    int status;
    QString err;
};

// Runs kwcompile as the build does.
Compile runCompiler(const QString &course, const QString &work)
{
    QProcess compiler;
    compiler.start(QStringLiteral(KWCOMPILE_PATH),
                   {course, work + QStringLiteral("/out"), work + QStringLiteral("/course.qrc")});
    if (!compiler.waitForFinished(60000))
        return {-1, QStringLiteral("kwcompile did not finish")};
    return {compiler.exitStatus() == QProcess::NormalExit ? compiler.exitCode() : -1,
            QString::fromUtf8(compiler.readAllStandardError())};
}

} // namespace

class TestCourseCompiler : public QObject {
    Q_OBJECT

private slots:
    void compilesTablesAndTemplatesByteExact_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("catalogue") << 30000
                                   << table({"#NME#>Fixture Papers", "#COD#>FX1", "#LAH#>", "#LBH#>", "#LCH#>Science",
                                             QByteArray(31, '-'), "#TT3#>1", "#TP3#>5", "#TN3#>Living Things"});
        QTest::newRow("papers") << 30032
                                << table({"#101#>17001>17002", "#102#>17003>17004", "#103#>17005>17006",
                                          "#104#>17007>17008", "#105#>17009>17010>17011"});
        QTest::newRow("keys") << 30033
                              << table({"#17001#>;Water;Light;Air> >6", "#17002#>;aquatic;marine", "#17003#>1/3",
                                        "#17004#>2", "#17005#>1/3", "#17006#>2", "#17007#>2.50", "#17008#>2",
                                        "#17009#>8", "#17010#>2", "#17011#>1 1/2"});
        QTest::newRow("types") << 30034
                               << table({"#17001#>G>G>N", "#17002#>M", "#17003#>F", "#17004#>Q", "#17005#>F",
                                         "#17006#>Q", "#17007#>N", "#17008#>Q", "#17009#>N", "#17010#>Q",
                                         "#17011#>X"});
        QTest::newRow("marks") << 30035
                               << table({"#17001#>5>5>10", "#17002#>5", "#17003#>10", "#17004#>10", "#17005#>10",
                                         "#17006#>10", "#17007#>10", "#17008#>10", "#17009#>10", "#17010#>10",
                                         "#17011#>5"});
        QTest::newRow("units") << 30036
                               << table({"#17001#>>>", "#17002#>", "#17003#>", "#17004#>", "#17005#>", "#17006#>",
                                         QString::fromUtf8("#17007#>£").toUtf8(), "#17008#>", "#17009#>cm",
                                         "#17010#>", "#17011#>"});
        QTest::newRow("summary template") << 30131
                                          << table({"#FSE#>>>>>", "#SSE#>>>>>", "#LTM#>>>>>", "#CDD#>>>>>",
                                                    "#FST#>0>0>0>0>0", "#SST#>0>0>0>0>0"});
        const QByteArray perPaper = table({"#101#>>>>", "#102#>>", "#103#>>", "#104#>>", "#105#>>>"});
        QTest::newRow("first answers template") << 30132 << perPaper;
        QTest::newRow("second answers template") << 30133 << perPaper;
        QTest::newRow("first results template") << 30134 << perPaper;
        QTest::newRow("second results template") << 30135 << perPaper;
        QTest::newRow("trend template") << 30136 << QByteArray("#TRD#\r\n");
    }
    void compilesTablesAndTemplatesByteExact()
    {
        QFETCH(int, id);
        QFETCH(QByteArray, bytes);
        QStringList problems;
        const CompiledCourse course = compileFixture(&problems);
        QCOMPARE(problems, QStringList());
        QVERIFY(course.contains(id));
        QCOMPARE(course.value(id), bytes);
    }

    void unnamedSubjectsGetNothing()
    {
        QStringList problems;
        const CompiledCourse course = compileFixture(&problems);
        for (int id : {30012, 30022, 30111, 30121, 11001, 21001})
            QVERIFY(!course.contains(id));
        QCOMPARE(course.size(), 1 + 5 + 6 + 11);
    }

    void pageRoundTrips()
    {
        QStringList problems;
        const CompiledCourse course = compileFixture(&problems);
        const QByteArray bytes = course.value(17001);
        QVERIFY(bytes.startsWith("From: "));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));

        const MhtmlDocument page = parseMhtml(bytes);
        QCOMPARE(page.error, QString());
        QCOMPARE(page.parts.size(), 3); // page, stylesheet, picture
        const QByteArray html = page.parts.at(0).body;
        QVERIFY(page.parts.at(0).contentType.startsWith("text/html"));
        QVERIFY(html.contains("<span class=\"qno\">Question 1</span>"));
        QVERIFY(html.contains("[20 marks]"));
        QVERIFY(html.contains("<p class=\"instruction\">Answer each part.</p>"));
        QVERIFY(html.contains("(a) Name any two things a plant needs."));
        QVERIFY(!html.contains("figures/leaf.svg"));

        QFile svg(QStringLiteral(KW_FIXTURE_COURSE "/science/figures/leaf.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QList<QByteArray> refs = contentIdReferences(html);
        QCOMPARE(refs.size(), 2);
        for (const QByteArray &ref : refs) {
            const auto part = std::find_if(page.parts.begin(), page.parts.end(),
                                           [&](const MhtmlPart &p) { return p.contentId == ref; });
            QVERIFY2(part != page.parts.end(), ref.constData());
            if (part->contentType == "image/svg+xml")
                QCOMPARE(part->body, svg.readAll());
            else
                QCOMPARE(part->body, QByteArray("body { margin: 0; }\r\n"));
        }
    }

    void pagesAreNumberedWithinTheirPaper()
    {
        QStringList problems;
        const CompiledCourse course = compileFixture(&problems);
        const QByteArray html = parseMhtml(course.value(17011)).parts.at(0).body;
        QVERIFY(html.contains("Question 3</span>"));
        QVERIFY(html.contains("[5 marks]"));
    }

    void theFixtureIsSound()
    {
        QStringList problems;
        const CompiledCourse course = compileFixture(&problems);
        QCOMPARE(checkCourse(lookupIn(course)), QStringList());
    }

    void brokenCoursesAreReported_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("fromText");
        QTest::addColumn<QString>("toText");
        QTest::addColumn<QString>("problem");
        QTest::newRow("N key not a number") << 30033 << "#17001#>;Water;Light;Air> >6" << "#17001#>;Water;Light;Air> >six"
                                            << "N key \"six\" is not a number";
        QTest::newRow("Q key not an option") << 30033 << "#17004#>2" << "#17004#>B" << "Q key \"B\"";
        QTest::newRow("F key not a fraction") << 30033 << "#17003#>1/3" << "#17003#>0.33" << "F key \"0.33\"";
        QTest::newRow("X key not a mixed number") << 30033 << "#17011#>1 1/2" << "#17011#>1/2" << "X key \"1/2\"";
        QTest::newRow("R key not a ratio") << 30034 << "#17003#>F" << "#17003#>R" << "R key \"1/3\"";
        QTest::newRow("M key without ;") << 30033 << "#17002#>;aquatic;marine" << "#17002#>aquatic"
                                         << "must list alternatives";
        QTest::newRow("unknown type") << 30034 << "#17002#>M" << "#17002#>W" << "unknown type letter \"W\"";
        QTest::newRow("follower without head") << 30033 << "#17001#>;Water;Light;Air> >6"
                                               << "#17001#> > >6" << "no head";
        QTest::newRow("too few alternatives") << 30033 << "#17001#>;Water;Light;Air> >6" << "#17001#>;Water> >6"
                                              << "has only 1 alternatives";
        QTest::newRow("G without followers") << 30034 << "#17001#>G>G>N" << "#17001#>G>N>N"
                                             << "single-space key belongs to a G or M group";
        QTest::newRow("mark below 1") << 30035 << "#17002#>5" << "#17002#>0" << "mark \"0\"";
        QTest::newRow("mark not whole") << 30035 << "#17002#>5" << "#17002#>2.5" << "mark \"2.5\"";
        QTest::newRow("tables disagree on slots") << 30035 << "#17002#>5" << "#17002#>5>5" << "1 keys, 1 types, 2 marks";
        QTest::newRow("records out of order") << 30033 << "#17003#>1/3\r\n#17004#>2" << "#17004#>2\r\n#17003#>1/3"
                                              << "record 17003 follows 17004";
        QTest::newRow("paper missing") << 30032 << "#104#>17007>17008\r\n" << "" << "paper 104 cannot be read";
        QTest::newRow("question missing from a table") << 30034 << "#17008#>Q\r\n" << "" << "paper 104 cannot be read";
        QTest::newRow("question on two papers") << 30032 << "#102#>17003>17004" << "#102#>17003>17004>17005"
                                                << "used twice";
        QTest::newRow("template wrong") << 30132 << "#102#>>" << "#102#>>>" << "template 30132";
        QTest::newRow("trend template wrong") << 30136 << "#TRD#\r\n" << "#TRD#>\r\n" << "template 30136";
        QTest::newRow("page missing") << 17005 << "" << "" << "question 17005: page is missing";
        QTest::newRow("page not MIME") << 17006 << "multipart/related" << "text/plain" << "question 17006: page is not MIME HTML";
        QTest::newRow("picture part missing") << 17001 << "Content-ID: <leaf.svg@kestrelworks>" << "Content-ID: <x@y>"
                                              << "cid:leaf.svg@kestrelworks";
        QTest::newRow("units table missing") << 30036 << "" << "" << "resource 30036 is missing";
        QTest::newRow("units table short of a slot") << 30036 << "#17001#>>>" << "#17001#>>" << "3 keys, 3 types, 3 marks, 2 units";
        QTest::newRow("unit on a word slot") << 30036 << "#17002#>\r\n" << "#17002#>cm\r\n"
                                             << "question 17002): only a number (N) slot takes a unit";
        QTest::newRow("unit no one knows") << 30036 << "#17009#>cm" << "#17009#>furlong"
                                           << "unit \"furlong\" is not one the answer sheet knows";
        QTest::newRow("product code unfit for file names") << 30000 << "#COD#>FX1" << "#COD#>F/X" << "product code";
        QTest::newRow("too few topics for the papers") << 30000 << "#TP3#>5" << "#TP3#>10" << "10 papers for 1 topics";
        QTest::newRow("no catalogue") << 30000 << "" << "" << "resource 30000 is missing";
    }
    void brokenCoursesAreReported()
    {
        QFETCH(int, id);
        QFETCH(QString, fromText);
        const QByteArray from = fromText.toUtf8();
        QFETCH(QString, toText);
        const QByteArray to = toText.toUtf8();
        QFETCH(QString, problem);
        QStringList problems;
        CompiledCourse course = compileFixture(&problems);
        if (from.isEmpty() && to.isEmpty()) {
            course.remove(id);
        } else {
            QVERIFY2(course.value(id).contains(from), from.constData());
            course[id].replace(from, to);
        }
        const QStringList found = checkCourse(lookupIn(course));
        QVERIFY2(std::any_of(found.begin(), found.end(), [&](const QString &line) { return line.contains(problem); }),
                 qPrintable(found.join(QLatin1Char('\n'))));
    }

    void brokenSourcesAreReported_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("problem");
        QTest::newRow("answer line without key") << "science/102.txt" << "answer: F 10 1/3" << "answer: F" << "102.txt:3: an answer line";
        QTest::newRow("picture missing") << "science/101.txt" << "figures/leaf.svg" << "figures/none.svg" << "picture figures/none.svg";
        QTest::newRow("id not five digits") << "science/103.txt" << "== 17005" << "== 1705" << "question id \"1705\"";
        QTest::newRow("key that would break its table") << "science/103.txt" << "answer: F 10 1/3" << "answer: T 10 a>b" << "\"a>b\" holds";
        QTest::newRow("key with a DEL") << "science/103.txt" << "answer: F 10 1/3" << "answer: T 10 a\x7f" "b" << "holds '>', '#' or a control character";
        QTest::newRow("key with a C1 control") << "science/103.txt" << "answer: F 10 1/3" << QStringLiteral("answer: T 10 a\u0085b") << "holds '>', '#' or a control character";
        QTest::newRow("text before the first question") << "science/104.txt" << "== 17007" << "hello\n== 17007" << "before the first question";
        QTest::newRow("paper file missing") << "science/105.txt" << "" << "" << "105.txt: cannot be read";
        QTest::newRow("catalogue line unknown") << "catalogue.txt" << "title:" << "name:" << "not a catalogue line";
    }
    void brokenSourcesAreReported()
    {
        QFETCH(QString, file);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        QVERIFY(copyFixture(dir.path()));
        const QString path = dir.filePath(file);
        if (from.isEmpty()) {
            QVERIFY(QFile::remove(path));
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QString text = QString::fromUtf8(f.readAll());
            f.close();
            QVERIFY(text.contains(from));
            text.replace(from, to);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(text.toUtf8());
        }
        QStringList problems;
        compileCourse(readCourseSource(dir.path(), &problems), &problems);
        QVERIFY2(std::any_of(problems.begin(), problems.end(), [&](const QString &line) { return line.contains(problem); }),
                 qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void numberKeysCarryTheirUnit_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("problem");
        QTest::newRow("plain") << "24075" << "24075" << "" << "";
        QTest::newRow("negative") << "-4" << "-4" << "" << "";
        QTest::newRow("pounds") << QStringLiteral("£7.19") << "7.19" << QStringLiteral("£") << "";
        QTest::newRow("square cm") << QStringLiteral("24 cm²") << "24" << QStringLiteral("cm²") << "";
        QTest::newRow("degrees run on") << QStringLiteral("61°") << "61" << QStringLiteral("°") << "";
        QTest::newRow("litres") << "30 litres" << "30" << "litres" << "";
        QTest::newRow("negative Celsius") << QStringLiteral("-4 °C") << "-4" << QStringLiteral("°C") << "";
        QTest::newRow("pounds after") << QStringLiteral("7.19 £") << QStringLiteral("7.19 £") << "" << "is written before";
        QTest::newRow("cm before") << "cm 24" << "cm 24" << "" << "is written after";
        QTest::newRow("a spelling, not the symbol") << "24 cm2" << "24 cm2" << "" << "not a unit the answer sheet knows";
        QTest::newRow("unknown unit") << "24 dogs" << "24 dogs" << "" << "\"dogs\" is not a unit";
        QTest::newRow("units both sides") << QStringLiteral("£7 p") << QStringLiteral("£7 p") << "" << "both sides";
        QTest::newRow("no number: left for the check") << "seven" << "seven" << "" << "";
    }
    void numberKeysCarryTheirUnit()
    {
        QFETCH(QString, written);
        QFETCH(QString, number);
        QFETCH(QString, unit);
        QFETCH(QString, problem);
        QString gotNumber;
        QString gotUnit;
        const QString got = splitNumberKey(written, &gotNumber, &gotUnit);
        QCOMPARE(gotNumber, number);
        QCOMPARE(gotUnit, unit);
        QVERIFY2(problem.isEmpty() ? got.isEmpty() : got.contains(problem), qPrintable(got));
    }

    void unitsNamedByTheQuestion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("units");
        QTest::newRow("give your answer in cm²") << QStringLiteral("Find the area. Give your answer in cm².")
                                                << QStringList{QStringLiteral("cm²")};
        QTest::newRow("in pounds") << "How much change does she get, in pounds?" << QStringList{QStringLiteral("£")};
        QTest::newRow("how many degrees") << "How many degrees is angle x?" << QStringList{QStringLiteral("°")};
        QTest::newRow("Celsius hides degrees") << "By how many degrees Celsius did it fall?"
                                               << QStringList{QStringLiteral("°C")};
        QTest::newRow("metres per second hides metres") << "Give your answer in metres per second."
                                                        << QStringList{QStringLiteral("m/s")};
        QTest::newRow("what percentage") << "What percentage of the pupils walk?" << QStringList{QStringLiteral("%")};
        QTest::newRow("two units") << "Give (a) in litres. (c) How many minutes does it take?"
                                   << QStringList{QStringLiteral("minutes"), QStringLiteral("litres")};
        QTest::newRow("a length in the data only") << "A rope is 5 m long. Cut it into 4 equal pieces. How many pieces?"
                                                   << QStringList{};
        QTest::newRow("in figures is no unit") << "Write the number in figures." << QStringList{};
        QTest::newRow("in m is not in mm") << "Give your answer in mm." << QStringList{QStringLiteral("mm")};
        QTest::newRow("short symbols keep their case") << "Write it in N." << QStringList{QStringLiteral("N")};
        QTest::newRow("lower-case n is not newtons") << "in n steps" << QStringList{};
        QTest::newRow("in P.E. is not pence") << "She scored 5 in P.E. How many?" << QStringList{};
    }
    void unitsNamedByTheQuestion()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, units);
        QStringList named = unitsNamedIn(text);
        named.sort();
        units.sort();
        QCOMPARE(named, units);
    }

    void spellingVariants_data()
    {
        QTest::addColumn<QStringList>("alternatives");
        QTest::addColumn<QString>("twice");
        QTest::newRow("ou and o") << QStringList{"mushroom", "mould", "mold"} << "\"mould\" and \"mold\"";
        QTest::newRow("re and er") << QStringList{"Centre", "middle", "center"} << "\"Centre\" and \"center\"";
        QTest::newRow("ise and ize") << QStringList{"scrutinise", "scrutinize"} << "\"scrutinise\" and \"scrutinize\"";
        QTest::newRow("isation and ization") << QStringList{"organisation", "organization"}
                                             << "\"organisation\" and \"organization\"";
        QTest::newRow("plural re and er") << QStringList{"litres", "liters"} << "\"litres\" and \"liters\"";
        QTest::newRow("doubled l") << QStringList{"travelled", "traveled"} << "\"travelled\" and \"traveled\"";
        QTest::newRow("different words") << QStringList{"water", "light", "air"} << "";
        QTest::newRow("same spelling twice is another rule") << QStringList{"air", "Air"} << "";
        QTest::newRow("rise and size are different") << QStringList{"rise", "size"} << "";
    }
    void spellingVariants()
    {
        QFETCH(QStringList, alternatives);
        QFETCH(QString, twice);
        QCOMPARE(sameWordTwice(alternatives), twice);
    }

    void optionNumberInstructions_data()
    {
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<bool>("asks");
        QTest::newRow("write the number") << "Write the number of the correct answer." << true;
        QTest::newRow("write its number") << "Choose the correct answer. Write its number." << true;
        QTest::newRow("type the number") << "Type the number of the sentence that is correct." << true;
        QTest::newRow("choose only") << "Choose the correct answer." << false;
        QTest::newRow("nothing") << "" << false;
        QTest::newRow("number in another sentence") << "Write the word. Count the number." << false;
    }
    void optionNumberInstructions()
    {
        QFETCH(QString, instruction);
        QFETCH(bool, asks);
        QCOMPARE(asksForOptionNumber(instruction), asks);
    }

    // Each course check stops the build: kwcompile refuses a fixture broken
    // in just that way and names the question.
    void theBuildRefusesBadCourses_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("problem");
        QTest::newRow("named unit not declared") << "science/105.txt" << "answer: N 10 8 cm" << "answer: N 10 8"
                                                 << "question 17009: slot 1 asks for a number in cm but declares no unit";
        QTest::newRow("another unit declared") << "science/105.txt" << "answer: N 10 8 cm" << "answer: N 10 8 m"
                                               << "question 17009: slot 1 asks for a number in cm but declares m";
        QTest::newRow("pounds named in the part") << "science/101.txt" << "(b) How many legs has an insect?"
                                                  << "(b) How much is it, in pounds?"
                                                  << "question 17001: slot 3 asks for a number in £";
        QTest::newRow("choice without the option's number") << "science/102.txt"
                                                            << "instruction: Choose the correct answer. Write its number."
                                                            << "instruction: Choose the correct answer."
                                                            << "question 17004: a multiple-choice question's instruction";
        QTest::newRow("choice without an instruction") << "science/103.txt"
                                                       << "instruction: Choose the correct answer. Write its number.\n"
                                                       << "" << "question 17006: a multiple-choice question's instruction";
        QTest::newRow("group of spelling variants") << "science/101.txt" << ";Water;Light;Air" << ";Water;Colour;Color"
                                                    << "(question 17001): the group lists \"Colour\" and \"Color\"";
        QTest::newRow("empty alt text") << "science/101.txt" << "alt=\"A leaf\"" << "alt=\" \""
                                        << "question 17001: a picture has no alt text";
        QTest::newRow("no alt text") << "science/101.txt" << " alt=\"A leaf\"" << ""
                                     << "question 17001: a picture has no alt text";
        QTest::newRow("unknown unit") << "science/105.txt" << "answer: N 10 8 cm" << "answer: N 10 8 furlongs"
                                      << "105.txt:3: number key \"8 furlongs\"";
        QTest::newRow("pounds written after") << "science/104.txt" << QStringLiteral("answer: N 10 £2.50")
                                              << QStringLiteral("answer: N 10 2.50 £") << "is written before the number";
    }
    void theBuildRefusesBadCourses()
    {
        QFETCH(QString, file);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        QVERIFY(copyFixture(dir.filePath(QStringLiteral("course"))));
        QVERIFY(replaceInFile(dir.filePath(QStringLiteral("course/") + file), from, to));
        const Compile run = runCompiler(dir.filePath(QStringLiteral("course")), dir.path());
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(problem), qPrintable(run.err));
    }

    void theBuildAcceptsTheFixture()
    {
        QTemporaryDir dir;
        QVERIFY(copyFixture(dir.filePath(QStringLiteral("course"))));
        const Compile run = runCompiler(dir.filePath(QStringLiteral("course")), dir.path());
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("out/30036"))));
    }

    // A page is stored under its question's id, so an id in a range the
    // course's own resources use would replace one of them.
    void reservedQuestionIdsAreRefused_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("reserved");
        QTest::newRow("catalogue") << "30000" << true;
        QTest::newRow("another subject's keys table") << "30013" << true;
        QTest::newRow("a template") << "30136" << true;
        QTest::newRow("last of the table range") << "30199" << true;
        QTest::newRow("first skin graphic") << "00001" << true;
        QTest::newRow("last skin graphic") << "00092" << true;
        QTest::newRow("past the table range") << "30200" << false;
        QTest::newRow("past the skin graphics") << "00093" << false;
    }
    void reservedQuestionIdsAreRefused()
    {
        QFETCH(QString, id);
        QFETCH(bool, reserved);
        QTemporaryDir dir;
        QVERIFY(copyFixture(dir.path()));
        const QString path = dir.filePath(QStringLiteral("science/105.txt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(f.readAll());
        f.close();
        QVERIFY(text.contains(QStringLiteral("== 17011")));
        text.replace(QStringLiteral("== 17011"), QStringLiteral("== ") + id);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
        f.close();

        QStringList problems;
        const CompiledCourse course = compileCourse(readCourseSource(dir.path(), &problems), &problems);
        const bool reported = std::any_of(problems.begin(), problems.end(), [&](const QString &line) {
            return line.contains(QStringLiteral("question id \"%1\" is reserved").arg(id));
        });
        QCOMPARE(reported, reserved);
        // Whatever else holds the number, it is not this question's page.
        const bool pageStored = course.value(id.toInt()).startsWith("From: ");
        QCOMPARE(pageStored, !reserved);
    }

    void writesOnlyWhatChanged()
    {
        QStringList problems;
        const CompiledCourse course = compileFixture(&problems);
        QTemporaryDir dir;
        const QString qrc = dir.filePath(QStringLiteral("course.qrc"));
        QVERIFY(writeCompiledCourse(course, dir.filePath(QStringLiteral("out")), qrc, &problems));
        QFile list(qrc);
        QVERIFY(list.open(QIODevice::ReadOnly));
        const QByteArray first = list.readAll();
        QVERIFY(first.contains("<file alias=\"30000\">out/30000</file>"));
        QVERIFY(first.contains("prefix=\"/Custom\""));
        const QDateTime stamp = QFileInfo(dir.filePath(QStringLiteral("out/30033"))).lastModified();

        CompiledCourse changed = course;
        changed[30034].replace("#17002#>M", "#17002#>T");
        QTest::qWait(20);
        QVERIFY(writeCompiledCourse(changed, dir.filePath(QStringLiteral("out")), qrc, &problems));
        QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("out/30033"))).lastModified(), stamp);
        list.seek(0);
        QVERIFY(list.readAll() != first); // the digest moved
    }

    void quotedPrintableRoundTrips_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("short") << QByteArray("<p>Hello</p>");
        QTest::newRow("equals signs") << QByteArray("<p class=\"a\">1 + 1 = 2</p>");
        QTest::newRow("long line") << QByteArray(300, 'x');
        QTest::newRow("trailing space") << QByteArray("end \r\nnext\t\r\n");
        QTest::newRow("UTF-8") << QString::fromUtf8("½ of £4 — café").toUtf8();
        QTest::newRow("long line of escapes") << QByteArray(100, '=');
    }
    void quotedPrintableRoundTrips()
    {
        QFETCH(QByteArray, text);
        const QByteArray encoded = encodeQuotedPrintable(text);
        for (const QByteArray &line : encoded.split('\n'))
            QVERIFY(line.size() <= 77); // 76 and the CR
        QCOMPARE(decodeQuotedPrintable(encoded), QByteArray(text).replace("\r\n", "\n").replace("\n", "\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCourseCompiler)
#include "tst_coursecompiler.moc"
