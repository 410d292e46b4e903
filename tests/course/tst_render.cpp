#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// kwrender renders each id on its own: an id without a page is reported and
// never costs the pages after it.
class TestRender : public QObject {
    Q_OBJECT

private slots:
    void everyIdIsRenderedOnItsOwn_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QStringList>("rendered");
        QTest::addColumn<QStringList>("missing");
        QTest::newRow("missing id first") << QStringList{"99999", "11001"} << QStringList{"11001"}
                                          << QStringList{"99999"};
        QTest::newRow("missing ids between pages")
            << QStringList{"11001", "99998", "99999", "11002"} << QStringList{"11001", "11002"}
            << QStringList{"99998", "99999"};
        QTest::newRow("every id present") << QStringList{"11001"} << QStringList{"11001"} << QStringList{};
    }
    void everyIdIsRenderedOnItsOwn()
    {
        QFETCH(QStringList, ids);
        QFETCH(QStringList, rendered);
        QFETCH(QStringList, missing);
        QTemporaryDir output;
        QProcess render;
        render.start(QStringLiteral(KWRENDER_PATH), QStringList{output.path()} + ids);
        QVERIFY(render.waitForFinished(120000));
        const QString err = QString::fromUtf8(render.readAllStandardError());
        QCOMPARE(render.exitCode(), missing.isEmpty() ? 0 : 1);
        for (const QString &id : rendered) {
            QVERIFY2(QFileInfo(QDir(output.path()).filePath(id + QStringLiteral(".png"))).size() > 0,
                     qPrintable(id + QStringLiteral(": ") + err));
            QVERIFY2(!err.contains(id), qPrintable(err));
        }
        for (const QString &id : missing)
            QVERIFY2(err.contains(QStringLiteral("no page %1").arg(id)), qPrintable(err));
        QCOMPARE(QDir(output.path()).entryList(QDir::Files).size(), rendered.size());
    }
};

QTEST_GUILESS_MAIN(TestRender)
#include "tst_render.moc"
