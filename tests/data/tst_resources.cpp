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
        QFile f(ResourcePath(id, QStringLiteral("Custom")));
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
        QCOMPARE(ExtractResourceToFile(30000, QStringLiteral("Custom"), path), 0);
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
        QCOMPARE(ExtractResourceToFile(id, type, m_dir.filePath(relativePath)), error);
    }

    void resourceNumbers()
    {
        QCOMPARE(ContentTableResource(1, 2), 30012);
        QCOMPARE(ContentTableResource(3, 5), 30035);
        QCOMPARE(ProgressTemplateResource(2, 1), 30121);
        QCOMPARE(ProgressTemplateResource(3, 6), 30136);
    }
};

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
