#include "data/papercontent.h"
#include "data/runtimeerror.h"

#include <QTest>

using namespace kw;

Q_DECLARE_METATYPE(kw::ErrorKind)

class TestPaperContent : public QObject {
    Q_OBJECT

private slots:
    void loadsAPaperInSlotOrder()
    {
        const PaperContent paper = loadPaperContent(1, 101);
        QCOMPARE(paper.questionIds, (QStringList{"11001", "11002"}));
        QCOMPARE(paper.slotCounts, (QList<int>{5, 5}));
        QCOMPARE(paper.keys, (QStringList{"3", "3", "2", "1", "1", "3", "1", "3", "1", "4"}));
        QCOMPARE(paper.types, QList<SlotType>(10, SlotType::Choice));
        QCOMPARE(paper.marks, (QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 2}));
        QCOMPARE(paper.slotCount(), 10);
        QCOMPARE(paper.totalMarks, 11);
    }

    void groupKeysKeepTheirSpace()
    {
        const PaperContent paper = loadPaperContent(1, 102);
        QCOMPARE(paper.keys, (QStringList{";Food;Water;Oxygen", " ", "1 3/5"}));
        QCOMPARE(paper.types, (QList<SlotType>{SlotType::Group, SlotType::Group, SlotType::MixedNumber}));
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
        const PaperContent paper = loadPaperContent(1, 101);
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
        QTest::newRow("slot type no rule knows") << 3 << 103 << ErrorKind::InvalidArgument;
    }
    void unreadablePapersFail()
    {
        QFETCH(int, subject);
        QFETCH(int, paper);
        QFETCH(kw::ErrorKind, kind);
        try {
            loadPaperContent(subject, paper);
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), kind);
        }
    }

    // The course compiler refuses type letters no rule judges, so a table
    // holding one is damaged and the paper is not opened.
    void unknownTypeLetterIsRefusedOnRead()
    {
        try {
            loadPaperContent(3, 103);
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QVERIFY2(error.detail().contains(QStringLiteral("unknown type \"Z\"")), qPrintable(error.detail()));
        }
    }
};

QTEST_GUILESS_MAIN(TestPaperContent)
#include "tst_papercontent.moc"
