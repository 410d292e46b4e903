#include "data/papercontent.h"
#include "data/runtimeerror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kw;

Q_DECLARE_METATYPE(kw::ErrorKind)

class TestPaperContent : public QObject {
    Q_OBJECT

private slots:
    void loadsAPaperInSlotOrder()
    {
        QTemporaryDir dir;
        const PaperContent paper = LoadPaperContent(dir.path(), 1, 101);
        QCOMPARE(paper.questionIds, (QStringList{"11001", "11002"}));
        QCOMPARE(paper.slotCounts, (QList<int>{5, 5}));
        QCOMPARE(paper.keys, (QStringList{"3", "3", "2", "1", "1", "3", "1", "3", "1", "4"}));
        QCOMPARE(paper.types, QStringList(10, QStringLiteral("Q")));
        QCOMPARE(paper.slotCount(), 10);
        QCOMPARE(paper.totalMarks, 11);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temptext.txt"))));
    }

    void groupKeysKeepTheirSpace()
    {
        QTemporaryDir dir;
        const PaperContent paper = LoadPaperContent(dir.path(), 1, 102);
        QCOMPARE(paper.keys, (QStringList{";Food;Water;Oxygen", " ", "1 3/5"}));
        QCOMPARE(paper.types, (QStringList{"G", "G", "X"}));
        QCOMPARE(paper.slotCounts, (QList<int>{2, 1}));
        QCOMPARE(paper.totalMarks, 4);
    }

    void slotsAndQuestions_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("firstSlot");
        QTest::newRow("question 1") << 1 << 1;
        QTest::newRow("question 2") << 2 << 6;
    }
    void slotsAndQuestions()
    {
        QFETCH(int, question);
        QFETCH(int, firstSlot);
        QTemporaryDir dir;
        const PaperContent paper = LoadPaperContent(dir.path(), 1, 101);
        QCOMPARE(paper.firstSlotOf(question), firstSlot);
        QCOMPARE(paper.questionOfSlot(firstSlot), question);
        QCOMPARE(paper.questionOfSlot(firstSlot + 4), question);
    }

    void unreadablePapersFail_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<int>("paper");
        QTest::addColumn<kw::ErrorKind>("kind");
        QTest::newRow("paper not in the table") << 1 << 105 << ErrorKind::SubscriptOutOfRange;
        QTest::newRow("question not in a later table") << 1 << 103 << ErrorKind::InvalidArgument;
        QTest::newRow("subject without tables") << 2 << 101 << ErrorKind::ResourceNotFound;
        QTest::newRow("tables disagree on slots") << 3 << 101 << ErrorKind::InvalidArgument;
        QTest::newRow("question missing from types") << 3 << 102 << ErrorKind::InvalidArgument;
    }
    void unreadablePapersFail()
    {
        QFETCH(int, subject);
        QFETCH(int, paper);
        QFETCH(kw::ErrorKind, kind);
        QTemporaryDir dir;
        try {
            LoadPaperContent(dir.path(), subject, paper);
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), kind);
        }
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temptext.txt"))));
    }
};

QTEST_GUILESS_MAIN(TestPaperContent)
#include "tst_papercontent.moc"
