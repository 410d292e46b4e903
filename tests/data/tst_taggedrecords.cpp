#include "data/runtimeerror.h"
#include "data/taggedrecords.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

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

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll();
}

} // namespace

class TestTaggedRecords : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write fixture");
        f.write(bytes);
        return path;
    }

private slots:
    void recordValue_data()
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
    void recordValue()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const QString path = write(QStringLiteral("value.txt"), file);
        QCOMPARE(GetRecordValue(path, key), expected);
    }

    void recordLine()
    {
        const QString path = write(QStringLiteral("trend.txt"), crlf({"#TRD#>50>66.7"}));
        QCOMPARE(GetRecordLine(path, QStringLiteral("TRD")), QStringLiteral("#TRD#>50>66.7"));
        QCOMPARE(GetRecordLine(path, QStringLiteral("FSE")), QString());
    }

    void recordFields_data()
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
    void recordFields()
    {
        QFETCH(QString, line);
        QFETCH(int, n);
        QFETCH(int, capacity);
        QFETCH(QStringList, expected);
        const QString key = line.mid(1, 3);
        const QString path = write(QStringLiteral("fields.txt"), crlf({"...", line, "..."}, false));
        const QStringList fields = GetRecordFields(path, key, n, capacity);
        QCOMPARE(fields.size(), capacity);
        QCOMPARE(fields.mid(0, n), expected);
        for (int i = n; i < capacity; ++i)
            QVERIFY(fields.at(i).isEmpty());
        // The same rule on a line already in memory.
        QCOMPARE(SplitRecordFields(line, n, capacity).mid(0, n), expected);
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
        const QString path = write(QStringLiteral("bad.txt"), file);
        try {
            GetRecordFields(path, QStringLiteral("FSE"), n, capacity);
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), kind);
        }
    }

    void allRecordFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("question ids") << "#101#>11001>11002>11003" << QStringList{"11001", "11002", "11003"};
        QTest::newRow("one id") << "#101#>11001" << QStringList{"11001"};
        QTest::newRow("empty fields") << "#101#>>" << QStringList{"", ""};
    }
    void allRecordFields()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, expected);
        const QString path = write(QStringLiteral("papers.txt"), crlf({"...", line, "..."}, false));
        QCOMPARE(GetAllRecordFields(path, QStringLiteral("101")), expected);
    }

    void allRecordFieldsWithoutFieldsFail_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("record with no fields") << crlf({"#TRD#"});
        QTest::newRow("missing record") << crlf({"#FSE#>1"});
    }
    void allRecordFieldsWithoutFieldsFail()
    {
        QFETCH(QByteArray, file);
        const QString path = write(QStringLiteral("trend.txt"), file);
        try {
            GetAllRecordFields(path, QStringLiteral("TRD"));
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
        const QString path = write(QStringLiteral("first.txt"), crlf(lines));
        const QStringList result = GetPaperLines(path, n);
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
        const QString path = write(QStringLiteral("odd.txt"), crlf({"see #101# below", "#101#>a"}));
        QCOMPARE(GetPaperLines(path, 1).first(), QStringLiteral("see #101# below"));
    }

    void paperLinesPastCapacity()
    {
        const QString path = write(QStringLiteral("first.txt"), crlf({"#101#>"}));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, GetPaperLines(path, 51));
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
        const QString path = write(QStringLiteral("keys.txt"),
                                   crlf({"...", "#11001#>3>3>2>1>1", "#11002#>3>1>3>1>4",
                                         "#11003#>;Food;Water> ", "..."},
                                        false));
        QCOMPARE(GetFieldsForKeys(path, keys), fields);
        QCOMPARE(CountFieldsForKeys(path, keys), counts);
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
        const QString path = write(QStringLiteral("keys.txt"), crlf({"#11001#>1", "#11002#>2"}));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, GetFieldsForKeys(path, keys));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, CountFieldsForKeys(path, keys));
    }

    void missingFileRaisesFileNotFound_data()
    {
        QTest::addColumn<std::function<void(const QString &)>>("operation");
        QTest::newRow("GetRecordValue") << std::function<void(const QString &)>(
            [](const QString &p) { GetRecordValue(p, QStringLiteral("NME")); });
        QTest::newRow("GetRecordLine") << std::function<void(const QString &)>(
            [](const QString &p) { GetRecordLine(p, QStringLiteral("TRD")); });
        QTest::newRow("GetRecordFields") << std::function<void(const QString &)>(
            [](const QString &p) { GetRecordFields(p, QStringLiteral("FSE"), 1, 50); });
        QTest::newRow("GetAllRecordFields") << std::function<void(const QString &)>(
            [](const QString &p) { GetAllRecordFields(p, QStringLiteral("101")); });
        QTest::newRow("GetPaperLines") << std::function<void(const QString &)>(
            [](const QString &p) { GetPaperLines(p, 35); });
        QTest::newRow("CountFieldsForKeys") << std::function<void(const QString &)>(
            [](const QString &p) { CountFieldsForKeys(p, {QStringLiteral("11001")}); });
        QTest::newRow("GetFieldsForKeys") << std::function<void(const QString &)>(
            [](const QString &p) { GetFieldsForKeys(p, {QStringLiteral("11001")}); });
    }
    void missingFileRaisesFileNotFound()
    {
        QFETCH(std::function<void(const QString &)>, operation);
        try {
            operation(m_dir.filePath(QStringLiteral("nowhere.txt")));
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), ErrorKind::FileNotFound);
            QCOMPARE(error.number(), 53);
        }
    }

    void replaceLineAndSave_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<int>("fieldCount");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("record");
        QTest::newRow("answers") << QStringList{"24075", "1 3/5", ""} << 3 << "2" << "#102#>24075>1 3/5>";
        QTest::newRow("zero fields") << QStringList{} << 0 << "1" << "#101#>";
        QTest::newRow("fewer than given") << QStringList{"Y", "N", "Y"} << 2 << "3" << "#103#>Y>N";
        QTest::newRow("index with spaces") << QStringList{"a"} << 1 << " 3 " << "#103#>a";
    }
    void replaceLineAndSave()
    {
        QFETCH(QStringList, fields);
        QFETCH(int, fieldCount);
        QFETCH(QString, index);
        QFETCH(QString, record);
        const QStringList records = range(101, 103, [](int p) { return QStringLiteral("#%1#>>>").arg(p); });
        const QString path = write(QStringLiteral("first.txt"), crlf(QStringList{"..."} + records + QStringList{"..."}, false));
        QStringList lines = GetPaperLines(path, 3);
        ReplaceLineAndSave(lines, fields, index, QString::number(100 + index.trimmed().toInt()), 3, fieldCount, path);

        QStringList expected = records;
        expected[index.trimmed().toInt() - 1] = record;
        QCOMPARE(readAll(path), crlf(expected));   // exactly 3 lines, no "..." lines
        QCOMPARE(lines.at(index.trimmed().toInt() - 1), record); // the caller's copy follows
    }

    void replaceLineAndSaveRefusesAndKeepsTheFile_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("index");
        QTest::addColumn<kw::ErrorKind>("kind");
        QTest::newRow("answer with >") << QStringList{"a>b"} << "1" << ErrorKind::InvalidArgument;
        QTest::newRow("answer with #") << QStringList{"#102#"} << "1" << ErrorKind::InvalidArgument;
        QTest::newRow("answer with line break") << QStringList{"a\r\nb"} << "1" << ErrorKind::InvalidArgument;
        QTest::newRow("index not a number") << QStringList{"a"} << "one" << ErrorKind::TypeMismatch;
        QTest::newRow("index past capacity") << QStringList{"a"} << "51" << ErrorKind::SubscriptOutOfRange;
        QTest::newRow("index zero") << QStringList{"a"} << "0" << ErrorKind::SubscriptOutOfRange;
    }
    void replaceLineAndSaveRefusesAndKeepsTheFile()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, index);
        QFETCH(kw::ErrorKind, kind);
        const QByteArray before = crlf({"#101#>x", "#102#>y"});
        const QString path = write(QStringLiteral("first.txt"), before);
        QStringList lines = GetPaperLines(path, 2);
        const QStringList linesBefore = lines;
        try {
            ReplaceLineAndSave(lines, fields, index, QStringLiteral("101"), 2, 1, path);
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), kind);
        }
        QCOMPARE(readAll(path), before);
        QCOMPARE(lines, linesBefore);
    }

    void missingFolderIsAFileAccessError()
    {
        QStringList lines(50);
        try {
            ReplaceLineAndSave(lines, {}, QStringLiteral("1"), QStringLiteral("101"), 1, 0,
                               m_dir.filePath(QStringLiteral("no/such/folder/first.txt")));
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), ErrorKind::FileAccess);
        }
    }

    void saveProgressRecords()
    {
        const QString path = write(QStringLiteral("marks.txt"), crlf({"...", "#FSE#>>", "..."}, false));
        std::array<QStringList, 6> values{QStringList{"66.7", "", "x"}, QStringList{"", "", ""},
                                          QStringList{"0:4:30", "", ""}, QStringList{"08/12/2026", "", ""},
                                          QStringList{"1", "0", "0"}, QStringList{"0", "0", "0"}};
        SaveProgressRecords(values, {"FSE", "SSE", "LTM", "CDD", "FST", "SST"}, 2, path);
        QCOMPARE(readAll(path), crlf({"#FSE#>66.7>", "#SSE#>>", "#LTM#>0:4:30>", "#CDD#>08/12/2026>",
                                      "#FST#>1>0", "#SST#>0>0"}));
        QCOMPARE(GetRecordFields(path, QStringLiteral("FST"), 2, kProgressCapacity).mid(0, 2),
                 (QStringList{"1", "0"}));
    }

    void saveProgressRecordsRefusesShortLists()
    {
        const QByteArray before = crlf({"#FSE#>>"});
        const QString path = write(QStringLiteral("marks.txt"), before);
        std::array<QStringList, 6> values;
        values.fill(QStringList{"0", "0"});
        values[3] = QStringList{"1"};
        QVERIFY_THROWS_EXCEPTION(RuntimeError,
                                 SaveProgressRecords(values, {"FSE", "SSE", "LTM", "CDD", "FST", "SST"}, 2, path));
        QCOMPARE(readAll(path), before);
    }

    void roundTripKeepsUtf8()
    {
        const QString path = write(QStringLiteral("first.txt"), crlf({"#101#>"}));
        QStringList lines = GetPaperLines(path, 1);
        ReplaceLineAndSave(lines, {QStringLiteral("naïve café")}, QStringLiteral("1"), QStringLiteral("101"), 1, 1, path);
        QCOMPARE(SplitRecordFields(GetPaperLines(path, 1).first(), 1, kPaperFieldCapacity).first(),
                 QStringLiteral("naïve café"));
    }
};

QTEST_GUILESS_MAIN(TestTaggedRecords)
#include "tst_taggedrecords.moc"
