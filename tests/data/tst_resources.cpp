#include "data/resources.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kw;

class TestResources : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    static QByteArray resourceBytes(int id)
    {
        QFile f(resourcePath(id, QStringLiteral("Custom")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void writesTheBytesExactly_data()
    {
        QTest::addColumn<QByteArray>("before"); // what the target file held, if anything
        QTest::newRow("new file") << QByteArray();
        QTest::newRow("longer file") << QByteArray(100000, 'x');
        QTest::newRow("shorter file") << QByteArray("...");
    }
    void writesTheBytesExactly()
    {
        QFETCH(QByteArray, before);
        const QString path = m_dir.filePath(QStringLiteral("copy.txt"));
        QFile::remove(path);
        if (!before.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(before);
        }
        const QByteArray expected = resourceBytes(30000);
        QVERIFY(expected.contains("\r\n#NME#>")); // line ends untouched
        QCOMPARE(extractResourceToFile(30000, QStringLiteral("Custom"), path), 0);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), expected);
    }

    void reportsFailuresByNumber_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<int>("error");
        QTest::newRow("no such resource") << 99999 << "Custom" << "a.txt" << 326;
        QTest::newRow("no such type") << 30000 << "Bitmap" << "b.txt" << 326;
        QTest::newRow("folder missing") << 30000 << "Custom" << "missing/folder/c.txt" << 75;
        QTest::newRow("target is a folder") << 30000 << "Custom" << "." << 75;
    }
    void reportsFailuresByNumber()
    {
        QFETCH(int, id);
        QFETCH(QString, type);
        QFETCH(QString, relativePath);
        QFETCH(int, error);
        QCOMPARE(extractResourceToFile(id, type, m_dir.filePath(relativePath)), error);
    }

    void resourceNumbers()
    {
        QCOMPARE(contentTableResource(1, 2), 30012);
        QCOMPARE(contentTableResource(3, 5), 30035);
        QCOMPARE(progressTemplateResource(2, 1), 30121);
        QCOMPARE(progressTemplateResource(3, 6), 30136);
    }

    void reservedNumbers_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("reserved");
        QTest::newRow("first skin graphic") << 1 << true;
        QTest::newRow("last skin graphic") << 92 << true;
        QTest::newRow("past the skin graphics") << 93 << false;
        QTest::newRow("zero") << 0 << false;
        QTest::newRow("catalogue") << 30000 << true;
        QTest::newRow("content table") << contentTableResource(3, 5) << true;
        QTest::newRow("template") << progressTemplateResource(3, 6) << true;
        QTest::newRow("last of the table range") << 30199 << true;
        QTest::newRow("past the tables") << 30200 << false;
        QTest::newRow("just before the tables") << 29999 << false;
        QTest::newRow("question id") << 11001 << false;
    }
    void reservedNumbers()
    {
        QFETCH(int, id);
        QFETCH(bool, reserved);
        QCOMPARE(isReservedResource(id), reserved);
    }
};

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
