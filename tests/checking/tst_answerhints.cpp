// What the second attempt says beside a slot the first attempt got wrong.

#include "checking/answerhints.h"

#include <QTest>

using namespace kw;

namespace {

const QString kSimplest = QStringLiteral("Equal in value, but not in its simplest form");
const QString kMixed = QStringLiteral("Equal in value: write it as a mixed number");
const QString kFraction = QStringLiteral("Equal in value: write it as a fraction");
const QString kOrder = QStringLiteral("The right numbers, but in the wrong order");
const QString kNumberOnly = QStringLiteral("Type the number only");
const QString kNotANumber = QStringLiteral("That is not a number: type it in digits, like 12 or 3.5");
const QString kRepeated = QStringLiteral("You gave this answer already in this group");

} // namespace

class TestAnswerHints : public QObject {
    Q_OBJECT

private slots:
    void oneSlot_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("key");
        QTest::addColumn<SlotType>("type");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("hint");
        QTest::newRow("fraction not simplified") << "18/56" << "9/28" << SlotType::Fraction << "" << kSimplest;
        QTest::newRow("fraction of another value") << "1/3" << "9/28" << SlotType::Fraction << "" << "";
        QTest::newRow("fraction given as a mixed number") << "1 1/2" << "3/2" << SlotType::Fraction << "" << kFraction;
        QTest::newRow("mixed number as an improper fraction") << "8/5" << "1 3/5" << SlotType::MixedNumber << "" << kMixed;
        QTest::newRow("mixed number not simplified") << "1 6/10" << "1 3/5" << SlotType::MixedNumber << "" << kSimplest;
        QTest::newRow("mixed number with a top-heavy part") << "0 8/5" << "1 3/5" << SlotType::MixedNumber << "" << kSimplest;
        QTest::newRow("mixed number of another value") << "2 1/5" << "1 3/5" << SlotType::MixedNumber << "" << "";
        QTest::newRow("fraction over nothing") << "3/0" << "9/28" << SlotType::Fraction << "" << "";
        QTest::newRow("ratio the wrong way round") << "3:5" << "5:3" << SlotType::Ratio << "" << kOrder;
        QTest::newRow("ratio with spaces, wrong way round") << "3 : 5" << "5:3" << SlotType::Ratio << "" << kOrder;
        QTest::newRow("three-part ratio reordered") << "1:3:2" << "2:3:1" << SlotType::Ratio << "" << kOrder;
        QTest::newRow("ratio of other numbers") << "10:6" << "5:3" << SlotType::Ratio << "" << "";
        QTest::newRow("number with a pound sign") << "£7.19" << "7.19" << SlotType::Number << "" << kNumberOnly;
        QTest::newRow("number with a unit after it") << "25 cm" << "25" << SlotType::Number << "" << kNumberOnly;
        QTest::newRow("number with degrees") << "46°" << "46" << SlotType::Number << "" << kNumberOnly;
        QTest::newRow("number with another unit than the slot's") << "25 m" << "25" << SlotType::Number << "cm" << kNumberOnly;
        QTest::newRow("wrong number in the slot's own unit") << "£7.20" << "7.19" << SlotType::Number << "£" << "";
        QTest::newRow("a word for a number") << "seven" << "7" << SlotType::Number << "" << kNotANumber;
        QTest::newRow("a mistyped number") << "12,5.3" << "12.53" << SlotType::Number << "" << kNotANumber;
        QTest::newRow("a number, just wrong") << "7.2" << "7.19" << SlotType::Number << "" << "";
        QTest::newRow("nothing typed") << "" << "7.19" << SlotType::Number << "" << "";
        QTest::newRow("a word: nothing to say") << "Airport" << "Harbour" << SlotType::Word << "" << "";
    }

    void oneSlot()
    {
        QFETCH(QString, answer);
        QFETCH(QString, key);
        QFETCH(SlotType, type);
        QFETCH(QString, unit);
        QFETCH(QString, hint);
        const QString given = answerHint({answer}, {key}, {type}, 1, QLocale::c(), unit);
        QCOMPARE(given, hint);
        // A hint never gives the key away.
        QVERIFY2(!given.contains(key), qPrintable(given));
    }

    void groups_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("hint");
        QTest::newRow("the same answer twice") << QStringList{"Water", "water ", "Wood"} << 2 << kRepeated;
        QTest::newRow("the first of the two is not the repeat") << QStringList{"Water", "water", "Wood"} << 1 << "";
        QTest::newRow("different answers") << QStringList{"Water", "Sand", "Wood"} << 2 << "";
        QTest::newRow("the same answer outside the group") << QStringList{"Water", "Sand", "Water"} << 3 << "";
    }

    void groups()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, slot);
        QFETCH(QString, hint);
        // Slots 1 and 2 are a group; slot 3 is a word of its own.
        const QStringList keys{QStringLiteral(";Food;Water;Oxygen"), QStringLiteral(" "), QStringLiteral("Water")};
        const QList<SlotType> types{SlotType::Group, SlotType::Group, SlotType::Word};
        QCOMPARE(answerHint(answers, keys, types, slot, QLocale::c()), hint);
    }

    // What a marked second attempt shows beside a slot judged wrong.
    void modelAnswers_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QList<SlotType>>("types");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("model");
        const QList<SlotType> alternatives{SlotType::Alternatives};
        QTest::newRow("alternatives: the first one") << QStringList{";Food;Water"} << alternatives << QStringList{"x"} << 1 << "Food";
        QTest::newRow("alternatives: ';' in third place gives the second character")
            << QStringList{"*a;b;c"} << alternatives << QStringList{""} << 1 << "a";
        QTest::newRow("alternatives: one alternative only") << QStringList{";Oxygen"} << alternatives << QStringList{""} << 1 << "Oxygen";
        QTest::newRow("alternatives: no ';' after the mark") << QStringList{"*Oxygen"} << alternatives << QStringList{""} << 1 << "Oxygen";
        QTest::newRow("alternatives: empty first alternative") << QStringList{";;b"} << alternatives << QStringList{""} << 1 << "";
        const QStringList group{QStringLiteral(";Food;Water;Oxygen"), QStringLiteral(" "), QStringLiteral(" ")};
        const QList<SlotType> groupTypes{SlotType::Group, SlotType::Group, SlotType::Group};
        QTest::newRow("group follower: an alternative not given")
            << group << groupTypes << QStringList{"Food", "Food", "Water"} << 2 << "Oxygen";
        QTest::newRow("group head wrong, the others right")
            << group << groupTypes << QStringList{"Sand", "Water", "Oxygen"} << 1 << "Food";
        QTest::newRow("number: the key") << QStringList{"7.19"} << QList<SlotType>{SlotType::Number} << QStringList{"7.2"} << 1 << "7.19";
        QTest::newRow("fraction: the key") << QStringList{"9/28"} << QList<SlotType>{SlotType::Fraction} << QStringList{""} << 1 << "9/28";
        QTest::newRow("choice: the key") << QStringList{"3"} << QList<SlotType>{SlotType::Choice} << QStringList{"2"} << 1 << "3";
    }

    void modelAnswers()
    {
        QFETCH(QStringList, keys);
        QFETCH(QList<SlotType>, types);
        QFETCH(QStringList, answers);
        QFETCH(int, slot);
        QFETCH(QString, model);
        QCOMPARE(modelAnswer(answers, keys, types, slot), model);
    }
};

QTEST_APPLESS_MAIN(TestAnswerHints)
#include "tst_answerhints.moc"
