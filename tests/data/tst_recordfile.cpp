#include "data/recordfile.h"
#include "data/runtimeerror.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include "testfiles.h"

using namespace kw;

Q_DECLARE_METATYPE(kw::ErrorKind)

namespace {

QByteArray crlf(const QStringList &lines, bool finalLineEnd = true)
{
    QByteArray bytes = lines.join(QStringLiteral("\r\n")).toUtf8();
    if (finalLineEnd)
        bytes += "\r\n";
    return bytes;
}

QStringList range(int first, int last, const std::function<QString(int)> &make)
{
    QStringList out;
    for (int i = first; i <= last; ++i)
        out << make(i);
    return out;
}

} // namespace

class TestRecordFile : public QObject {
    Q_OBJECT

private slots:
    void value_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("value") << crlf({"...", "#NME#>Practice Papers", "..."}, false) << "NME" << "Practice Papers";
        QTest::newRow("six characters") << crlf({"#NME#>"}) << "NME" << "";
        QTest::newRow("no field at all") << crlf({"#NME#"}) << "NME" << "";
        QTest::newRow("missing key") << crlf({"#COD#>X1"}) << "NME" << "";
        QTest::newRow("first match wins") << crlf({"#NME#>one", "#NME#>two"}) << "NME" << "one";
        QTest::newRow("tag anywhere in a line") << crlf({"note: #NME# here", "#NME#>real"}) << "NME" << "#NME# here";
        QTest::newRow("value keeps separators") << crlf({"#COD#>a>b"}) << "COD" << "a>b";
        QTest::newRow("LF line ends") << QByteArray("#TT1#>7\n#TP1#>35\n") << "TP1" << "35";
        QTest::newRow("UTF-8") << crlf({"#NME#>Café"}) << "NME" << QStringLiteral("Café");
        QTest::newRow("empty file") << QByteArray() << "NME" << "";
    }
    void value()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(RecordFile::fromBytes(file).value(key), expected);
    }

    void line_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("present") << "TRD" << "#TRD#>50>66.7";
        QTest::newRow("absent") << "FSE" << "";
    }
    void line()
    {
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(RecordFile::fromBytes(crlf({"#TRD#>50>66.7"})).line(key), expected);
    }

    void fields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QStringList>("expected"); // fields 1..n

        const QStringList thirtyFive = range(1, 35, [](int i) { return QString::number(i); });
        QTest::newRow("35 of 35") << "#FSE#>" + thirtyFive.join('>') << 35 << kProgressCapacity << thirtyFive;
        QStringList joined = thirtyFive.mid(0, 33);
        joined << "34>35";
        QTest::newRow("34 of 35: last carries the rest") << "#FSE#>" + thirtyFive.join('>') << 34
                                                         << kProgressCapacity << joined;
        QTest::newRow("2 of 3") << "#FSE#>a>b>c" << 2 << kProgressCapacity << QStringList{"a", "b>c"};
        QTest::newRow("empty fields") << "#101#>>>" << 3 << kProgressCapacity << QStringList{"", "", ""};
        QTest::newRow("spaces kept") << "#TN1#> Whole Numbers >Angles" << 2 << kTopicNameCapacity
                                     << QStringList{" Whole Numbers ", "Angles"};
        QTest::newRow("none asked") << "#TN1#>a" << 0 << kTopicNameCapacity << QStringList{};
        QTest::newRow("exactly the capacity") << "#TN1#>" + range(1, 10, [](int i) { return QString::number(i); }).join('>')
                                              << 10 << kTopicNameCapacity
                                              << range(1, 10, [](int i) { return QString::number(i); });
    }
    void fields()
    {
        QFETCH(QString, line);
        QFETCH(int, n);
        QFETCH(int, capacity);
        QFETCH(QStringList, expected);
        const QString key = line.mid(1, 3);
        const RecordFile file = RecordFile::fromBytes(crlf({"...", line, "..."}, false));
        const QStringList fields = file.fields(key, n, capacity);
        QCOMPARE(fields.size(), capacity);
        QCOMPARE(fields.mid(0, n), expected);
        for (int i = n; i < capacity; ++i)
            QVERIFY(fields.at(i).isEmpty());
        // The same rule on a line already in hand.
        QCOMPARE(RecordFile::splitFields(line, n, capacity).mid(0, n), expected);
    }

    void fieldReaderFailures_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<kw::ErrorKind>("kind");
        QTest::newRow("missing record") << crlf({"#SSE#>1>2"}) << 2 << 50 << ErrorKind::InvalidArgument;
        QTest::newRow("missing record, one field") << crlf({"#SSE#>1"}) << 1 << 50 << ErrorKind::InvalidArgument;
        QTest::newRow("too few fields") << crlf({"#FSE#>1>2"}) << 3 << 50 << ErrorKind::InvalidArgument;
        QTest::newRow("record without fields") << crlf({"#FSE#"}) << 1 << 50 << ErrorKind::InvalidArgument;
        QTest::newRow("past the capacity") << crlf({"#FSE#>" + QString(">").repeated(10)}) << 11 << 10
                                           << ErrorKind::SubscriptOutOfRange;
        QTest::newRow("binary junk") << QByteArray("\x00\xff\xfe#FSE\x01>\r\n", 11) << 2 << 50
                                     << ErrorKind::InvalidArgument;
    }
    void fieldReaderFailures()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, n);
        QFETCH(int, capacity);
        QFETCH(kw::ErrorKind, kind);
        try {
            RecordFile::fromBytes(file).fields(QStringLiteral("FSE"), n, capacity);
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), kind);
        }
    }

    void allFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("question ids") << "#101#>11001>11002>11003" << QStringList{"11001", "11002", "11003"};
        QTest::newRow("one id") << "#101#>11001" << QStringList{"11001"};
        QTest::newRow("empty fields") << "#101#>>" << QStringList{"", ""};
    }
    void allFields()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, expected);
        const RecordFile file = RecordFile::fromBytes(crlf({"...", line, "..."}, false));
        QCOMPARE(file.allFields(QStringLiteral("101")), expected);
    }

    void allFieldsWithoutFieldsFail_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("record with no fields") << crlf({"#TRD#"});
        QTest::newRow("missing record") << crlf({"#FSE#>1"});
    }
    void allFieldsWithoutFieldsFail()
    {
        QFETCH(QByteArray, file);
        try {
            RecordFile::fromBytes(file).allFields(QStringLiteral("TRD"));
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), ErrorKind::SubscriptOutOfRange);
        }
    }

    void paperLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("foundCount"); // entries 1..foundCount are records 101..

        const QStringList all = range(101, 135, [](int p) { return QStringLiteral("#%1#>>").arg(p); });
        QTest::newRow("35 records between dots") << QStringList{"..."} + all + QStringList{"..."} << 35 << 35;
        QTest::newRow("rewritten file") << all << 35 << 35;
        QStringList gap = all;
        gap.removeAt(19); // #120#
        QTest::newRow("missing 120") << gap << 35 << 19;
        QStringList swapped = all;
        swapped.swapItemsAt(0, 1); // 102 before 101: forward only, 102 is passed
        QTest::newRow("out of order") << swapped << 35 << 1;
        QTest::newRow("fewer asked") << all << 5 << 5;
    }
    void paperLines()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, n);
        QFETCH(int, foundCount);
        const QStringList result = RecordFile::fromBytes(crlf(lines)).paperLines(n);
        QCOMPARE(result.size(), kPaperLineCapacity);
        for (int b = 1; b <= kPaperLineCapacity; ++b) {
            if (b <= foundCount)
                QCOMPARE(result.at(b - 1), QStringLiteral("#%1#>>").arg(100 + b));
            else
                QVERIFY2(result.at(b - 1).isEmpty(), qPrintable(QString::number(b)));
        }
    }

    void paperLineMatchesTagInsideALine()
    {
        const RecordFile file = RecordFile::fromBytes(crlf({"see #101# below", "#101#>a"}));
        QCOMPARE(file.paperLines(1).first(), QStringLiteral("see #101# below"));
    }

    void paperLinesPastCapacity()
    {
        QVERIFY_THROWS_EXCEPTION(RuntimeError, RecordFile::fromBytes(crlf({"#101#>"})).paperLines(51));
    }

    void fieldsForKeys_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QList<int>>("counts");
        QTest::newRow("two questions") << QStringList{"11001", "11002"}
                                       << QStringList{"3", "3", "2", "1", "1", "3", "1", "3", "1", "4"}
                                       << QList<int>{5, 5};
        QTest::newRow("skipping one") << QStringList{"11001", "11003"}
                                      << QStringList{"3", "3", "2", "1", "1", ";Food;Water", " "}
                                      << QList<int>{5, 2};
        QTest::newRow("none") << QStringList{} << QStringList{} << QList<int>{};
    }
    void fieldsForKeys()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, fields);
        QFETCH(QList<int>, counts);
        const RecordFile file = RecordFile::fromBytes(
            crlf({"...", "#11001#>3>3>2>1>1", "#11002#>3>1>3>1>4", "#11003#>;Food;Water> ", "..."}, false));
        QCOMPARE(file.fieldsForKeys(keys), fields);
        QCOMPARE(file.fieldCountsForKeys(keys), counts);
    }

    void fieldsForKeysAreForwardOnly_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("earlier key after a later one") << QStringList{"11002", "11001"};
        QTest::newRow("absent key") << QStringList{"11001", "11009"};
        QTest::newRow("same key twice") << QStringList{"11001", "11001"};
    }
    void fieldsForKeysAreForwardOnly()
    {
        QFETCH(QStringList, keys);
        const RecordFile file = RecordFile::fromBytes(crlf({"#11001#>1", "#11002#>2"}));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, file.fieldsForKeys(keys));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, file.fieldCountsForKeys(keys));
    }

    void readingFiles_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("errorNumber"); // 0: read
        QTest::newRow("file present") << true << 0;
        QTest::newRow("file missing") << false << 53;
    }
    void readingFiles()
    {
        QFETCH(bool, exists);
        QFETCH(int, errorNumber);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("trend.txt"));
        if (exists)
            kwtest::write(path, crlf({"#TRD#>50"}));
        try {
            const RecordFile file = RecordFile::fromFile(path);
            QCOMPARE(errorNumber, 0);
            QCOMPARE(file.line(QStringLiteral("TRD")), QStringLiteral("#TRD#>50"));
            QCOMPARE(file.name(), path);
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), errorNumber);
        }
    }

    void resourcesAreReadInMemory_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value"); // null: no such resource
        QTest::newRow("catalogue") << 30000 << "COD" << "FIX1";
        QTest::newRow("no such resource") << 30099 << "COD" << QString();
    }
    void resourcesAreReadInMemory()
    {
        QFETCH(int, id);
        QFETCH(QString, key);
        QFETCH(QString, value);
        try {
            QCOMPARE(RecordFile::fromResource(id).value(key), value);
            QVERIFY(!value.isNull());
        } catch (const RuntimeError &error) {
            QVERIFY(value.isNull());
            QCOMPARE(error.kind(), ErrorKind::ResourceNotFound);
        }
    }

    void setRecordAndBytes_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QByteArray>("after");
        const QByteArray shipped = crlf({"...", "#101#>>>", "#102#>>>", "#103#>>>", "..."}, false);
        QTest::newRow("answers into a shipped template")
            << shipped << "102" << QStringList{"24075", "1 3/5", ""}
            << crlf({"#101#>>>", "#102#>24075>1 3/5>", "#103#>>>"});
        QTest::newRow("zero fields") << shipped << "101" << QStringList{} << crlf({"#101#>", "#102#>>>", "#103#>>>"});
        QTest::newRow("fewer fields than before") << shipped << "103" << QStringList{"Y", "N"}
                                                  << crlf({"#101#>>>", "#102#>>>", "#103#>Y>N"});
        QTest::newRow("LF file comes back CR LF") << QByteArray("#101#>a\n#102#>b\n") << "101" << QStringList{"c"}
                                                  << crlf({"#101#>c", "#102#>b"});
        QTest::newRow("absent key appended") << crlf({"#FSE#>1"}) << "SSE" << QStringList{"", ""}
                                             << crlf({"#FSE#>1", "#SSE#>>"});
        QTest::newRow("into nothing") << QByteArray() << "TRD" << QStringList{"50", "66.7"} << crlf({"#TRD#>50>66.7"});
        QTest::newRow("UTF-8 kept") << crlf({"#101#>"}) << "101" << QStringList{QStringLiteral("naïve café")}
                                    << QStringLiteral("#101#>naïve café\r\n").toUtf8();
        QTest::newRow("dots inside a line stay") << crlf({"#101#>..."}) << "102" << QStringList{"x"}
                                                 << crlf({"#101#>...", "#102#>x"});
    }
    void setRecordAndBytes()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, key);
        QFETCH(QStringList, fields);
        QFETCH(QByteArray, after);
        RecordFile file = RecordFile::fromBytes(before);
        file.setRecord(key, fields);
        QCOMPARE(file.toBytes(), after);
        // What was written reads back as it was given.
        const RecordFile reread = RecordFile::fromBytes(file.toBytes());
        if (fields.isEmpty())
            QCOMPARE(reread.line(key), QStringLiteral("#%1#>").arg(key));
        else
            QCOMPARE(reread.fields(key, int(fields.size()), kPaperFieldCapacity).mid(0, fields.size()), fields);
    }

    void setRecordRefusesUnstorableFields_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("answer with >") << QStringList{"a>b"};
        QTest::newRow("answer with #") << QStringList{"#102#"};
        QTest::newRow("answer with line break") << QStringList{"a\r\nb"};
        QTest::newRow("tab in a later field") << QStringList{"ok", "a\tb"};
        QTest::newRow("line separator") << QStringList{QStringLiteral("a\u2028b")};
    }
    void setRecordRefusesUnstorableFields()
    {
        QFETCH(QStringList, fields);
        const QByteArray before = crlf({"#101#>x", "#102#>y"});
        RecordFile file = RecordFile::fromBytes(before);
        try {
            file.setRecord(QStringLiteral("101"), fields);
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), ErrorKind::InvalidArgument);
        }
        QCOMPARE(file.toBytes(), before);
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
