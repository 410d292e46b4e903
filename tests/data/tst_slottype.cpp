#include "data/slottype.h"
#include "data/verdict.h"

#include <QTest>

using namespace kw;

Q_DECLARE_METATYPE(kw::SlotType)
Q_DECLARE_METATYPE(kw::Verdict)

// The letters and texts the content and results files hold.
class TestSlotType : public QObject {
    Q_OBJECT

private slots:
    void letters_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<kw::SlotType>("type");
        QTest::newRow("N") << QChar(u'N') << SlotType::Number;
        QTest::newRow("Q") << QChar(u'Q') << SlotType::Choice;
        QTest::newRow("T") << QChar(u'T') << SlotType::Word;
        QTest::newRow("L") << QChar(u'L') << SlotType::Phrase;
        QTest::newRow("R") << QChar(u'R') << SlotType::Ratio;
        QTest::newRow("F") << QChar(u'F') << SlotType::Fraction;
        QTest::newRow("X") << QChar(u'X') << SlotType::MixedNumber;
        QTest::newRow("M") << QChar(u'M') << SlotType::Alternatives;
        QTest::newRow("G") << QChar(u'G') << SlotType::Group;
    }
    void letters()
    {
        QFETCH(QChar, letter);
        QFETCH(kw::SlotType, type);
        QCOMPARE(slotTypeFromLetter(letter), std::optional<SlotType>(type));
        QCOMPARE(slotTypeLetter(type), letter);
    }

    void unknownLetters_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::newRow("Z") << QChar(u'Z');
        QTest::newRow("lower case n") << QChar(u'n');
        QTest::newRow("lower case g") << QChar(u'g');
        QTest::newRow("space") << QChar(u' ');
        QTest::newRow("digit") << QChar(u'1');
        QTest::newRow("NUL") << QChar(0);
    }
    void unknownLetters()
    {
        QFETCH(QChar, letter);
        QVERIFY(!slotTypeFromLetter(letter).has_value());
    }

    void verdicts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<kw::Verdict>("verdict");
        QTest::newRow("right") << "Y" << Verdict::Right;
        QTest::newRow("wrong") << "N" << Verdict::Wrong;
        QTest::newRow("unmarked") << "" << Verdict::Unmarked;
    }
    void verdicts()
    {
        QFETCH(QString, text);
        QFETCH(kw::Verdict, verdict);
        QCOMPARE(verdictFromText(text), std::optional<Verdict>(verdict));
        QCOMPARE(verdictText(verdict), text);
    }

    void unknownVerdictTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("lower case y") << "y";
        QTest::newRow("space") << " ";
        QTest::newRow("word") << "Yes";
        QTest::newRow("state digit") << "1";
    }
    void unknownVerdictTexts()
    {
        QFETCH(QString, text);
        QVERIFY(!verdictFromText(text).has_value());
    }
};

QTEST_GUILESS_MAIN(TestSlotType)
#include "tst_slottype.moc"
