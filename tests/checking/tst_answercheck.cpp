#include "checking/answercheck.h"
#include "checking/slotjudging.h"
#include "data/runtimeerror.h"

#include <QTest>

#include <functional>

using namespace kw;

Q_DECLARE_METATYPE(kw::ErrorKind)

namespace {

SlotType typeOf(const QString &letter)
{
    const std::optional<SlotType> type = slotTypeFromLetter(letter.at(0));
    if (!type)
        qFatal("no slot type %s", qPrintable(letter));
    return *type;
}

} // namespace

class TestAnswerCheck : public QObject {
    Q_OBJECT

private slots:
    void checkAnswer_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("result");

        QTest::newRow("N same") << "N" << "24075" << "24075" << "C" << "Y";
        QTest::newRow("N spaces around") << "N" << "24075" << "  24075 " << "C" << "Y";
        QTest::newRow("N trailing zero") << "N" << "24075" << "24075.0" << "C" << "Y";
        QTest::newRow("N 3.80 for 3.8") << "N" << "3.8" << "3.80" << "C" << "Y";
        QTest::newRow("N different") << "N" << "3.8" << "3.08" << "C" << "N";
        QTest::newRow("N empty") << "N" << "3.8" << "" << "C" << "N";
        QTest::newRow("N word") << "N" << "3.8" << "three" << "C" << "N";
        QTest::newRow("N unit typed") << "N" << "12" << "12 cm" << "C" << "N";
        QTest::newRow("N key with spaces") << "N" << " 12 " << "12" << "C" << "Y";
        QTest::newRow("N comma locale") << "N" << "3.8" << "3,8" << "de_DE" << "Y";
        QTest::newRow("N point in comma locale") << "N" << "3.8" << "3.8" << "de_DE" << "Y";
        QTest::newRow("N grouping in English") << "N" << "24075" << "24,075" << "en_GB" << "Y";
        QTest::newRow("N 0.1 + 0.2 style") << "N" << "0.3" << "0.30000" << "C" << "Y";

        QTest::newRow("Q space and 3") << "Q" << "3" << " 3" << "C" << "Y";
        QTest::newRow("Q other option") << "Q" << "3" << "2" << "C" << "N";
        QTest::newRow("T any case") << "T" << "Airport" << "airport" << "C" << "Y";
        QTest::newRow("T ends ignored") << "T" << "Airport" << "  AIRPORT  " << "C" << "Y";
        QTest::newRow("T tab is not a space") << "T" << "Airport" << "\tAirport" << "C" << "N";
        QTest::newRow("L exact") << "L" << "hungry, they looked for a restaurant"
                                 << "Hungry, they looked for a restaurant" << "C" << "Y";
        QTest::newRow("L inner space missing") << "L" << "hungry, they looked for a restaurant"
                                               << "Hungry,they looked for a restaurant" << "C" << "N";
        QTest::newRow("L two inner spaces") << "L" << "a cat" << "a  cat" << "C" << "N";

        QTest::newRow("X exact") << "X" << "128 4/7" << "128 4/7" << "C" << "Y";
        QTest::newRow("X two spaces") << "X" << "128 4/7" << "128  4/7" << "C" << "Y";
        QTest::newRow("X run together") << "X" << "128 4/7" << "1284/7" << "C" << "N";
        QTest::newRow("X spaced fraction") << "X" << "1 3/5" << "1 3 / 5" << "C" << "Y";
        QTest::newRow("X 13/5") << "X" << "1 3/5" << "13/5" << "C" << "N";
        QTest::newRow("X outer spaces") << "X" << "1 3/5" << "   1 3/5  " << "C" << "Y";
        QTest::newRow("R spaced") << "R" << "16:20:25" << "16 : 20 : 25" << "C" << "Y";
        QTest::newRow("R 8 : 3") << "R" << "8:3" << "8 : 3" << "C" << "Y";
        QTest::newRow("R reversed") << "R" << "8:3" << "3:8" << "C" << "N";
        QTest::newRow("F spaced") << "F" << "9/28" << "9 / 28" << "C" << "Y";
        QTest::newRow("F not simplest") << "F" << "1/2" << "2/4" << "C" << "N";

        // The group types are judged with their whole group, never alone.
        QTest::newRow("M alone is not judged") << "M" << ";a;b" << "a" << "C" << "";
        QTest::newRow("G alone is not judged") << "G" << ";a;b" << "a" << "C" << "";
    }
    void checkAnswer()
    {
        QFETCH(QString, type);
        QFETCH(QString, key);
        QFETCH(QString, entered);
        QFETCH(QString, locale);
        QFETCH(QString, result);
        QCOMPARE(verdictText(kw::checkAnswer(entered, key, typeOf(type), QLocale(locale))), result);
    }

    void numberAnswers_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("result");

        QTest::newRow("spaced thousands") << "36000" << "" << "36 000" << "C" << "Y";
        QTest::newRow("no-break space") << "36000" << "" << QStringLiteral("36\u00A0000") << "C" << "Y";
        QTest::newRow("narrow no-break space") << "36000" << "" << QStringLiteral("36\u202F000") << "C" << "Y";
        QTest::newRow("spaced millions and a decimal") << "1250000.5" << "" << "1 250 000.5" << "en_GB" << "Y";
        QTest::newRow("spaced, another number") << "36000" << "" << "36 001" << "C" << "N";
        QTest::newRow("1 2 is not twelve") << "12" << "" << "1 2" << "C" << "N";
        QTest::newRow("group of two") << "3600" << "" << "36 00" << "C" << "N";
        QTest::newRow("group of four") << "360000" << "" << "36 0000" << "C" << "N";
        QTest::newRow("leading group of four") << "12345" << "" << "1234 5" << "C" << "N";
        QTest::newRow("two spaces between groups") << "36000" << "" << "36  000" << "C" << "N";
        QTest::newRow("leading zero group") << "500" << "" << "0 500" << "C" << "N";
        QTest::newRow("negative spaced") << "-1250" << "" << "-1 250" << "C" << "Y";
        QTest::newRow("negative, positive key") << "1250" << "" << "-1 250" << "C" << "N";
        QTest::newRow("spaced with comma in German") << "1250.5" << "" << "1 250,5" << "de_DE" << "Y";
        QTest::newRow("spaced with point in German") << "1250.5" << "" << "1 250.5" << "de_DE" << "Y";
        QTest::newRow("spaced with comma in English") << "1250.5" << "" << "1 250,5" << "en_GB" << "N";
        QTest::newRow("French groups and comma") << "1250000.25" << "" << QStringLiteral("1\u202F250\u202F000,25") << "fr_FR" << "Y";
        QTest::newRow("comma groups in English stay") << "36000" << "" << "36,000" << "en_GB" << "Y";

        QTest::newRow("pounds before") << "7.19" << "£" << "£7.19" << "C" << "Y";
        QTest::newRow("pounds with a space") << "7.19" << "£" << "£ 7.19" << "C" << "Y";
        QTest::newRow("pounds as a word") << "7.19" << "£" << "7.19 pounds" << "C" << "Y";
        QTest::newRow("pounds, no sign") << "7.19" << "£" << "7.19" << "C" << "Y";
        QTest::newRow("pounds, wrong amount") << "7.19" << "£" << "£7.91" << "C" << "N";
        QTest::newRow("pence for pounds") << "7.19" << "£" << "7.19p" << "C" << "N";
        QTest::newRow("negative before the sign") << "-5" << "£" << "-£5" << "C" << "Y";
        QTest::newRow("negative after the sign") << "-5" << "£" << "£-5" << "C" << "Y";
        QTest::newRow("sign twice") << "-5" << "£" << "-£-5" << "C" << "N";
        QTest::newRow("pence") << "45" << "p" << "45p" << "C" << "Y";
        QTest::newRow("pence as a word") << "45" << "p" << "45 pence" << "C" << "Y";
        QTest::newRow("degrees sign") << "46" << "°" << QStringLiteral("46°") << "C" << "Y";
        QTest::newRow("degrees word") << "46" << "°" << "46 degrees" << "C" << "Y";
        QTest::newRow("degrees, any case") << "46" << "°" << "46 DEGREES" << "C" << "Y";
        QTest::newRow("cm for degrees") << "46" << "°" << "46 cm" << "C" << "N";
        QTest::newRow("cm") << "25" << "cm" << "25 cm" << "C" << "Y";
        QTest::newRow("cm run together") << "25" << "cm" << "25cm" << "C" << "Y";
        QTest::newRow("mm for cm") << "25" << "cm" << "25 mm" << "C" << "N";
        QTest::newRow("m for cm") << "25" << "cm" << "25 m" << "C" << "N";
        QTest::newRow("cm for m") << "25" << "m" << "25 cm" << "C" << "N";
        QTest::newRow("square cm as cm2") << "24" << "cm²" << "24 cm2" << "C" << "Y";
        QTest::newRow("square cm as cm²") << "24" << "cm²" << QStringLiteral("24cm²") << "C" << "Y";
        QTest::newRow("cm for square cm") << "24" << "cm²" << "24 cm" << "C" << "N";
        QTest::newRow("cubic cm for square cm") << "24" << "cm²" << "24 cm3" << "C" << "N";
        QTest::newRow("litres") << "30" << "litres" << "30 litres" << "C" << "Y";
        QTest::newRow("litres as l") << "30" << "litres" << "30 l" << "C" << "Y";
        QTest::newRow("ml for litres") << "30" << "litres" << "30 ml" << "C" << "N";
        QTest::newRow("per cent sign") << "25" << "%" << "25%" << "C" << "Y";
        QTest::newRow("per cent words") << "25" << "%" << "25 per cent" << "C" << "Y";
        QTest::newRow("Celsius") << "-4" << "°C" << QStringLiteral("-4 °C") << "C" << "Y";
        QTest::newRow("seconds as s") << "12.5" << "seconds" << "12.5 s" << "C" << "Y";
        QTest::newRow("minutes for seconds") << "12" << "seconds" << "12 min" << "C" << "N";
        QTest::newRow("unit and spaced groups") << "36000" << "£" << QStringLiteral("£36 000") << "C" << "Y";
        QTest::newRow("unit and bad grouping") << "36000" << "£" << QStringLiteral("£3 6000") << "C" << "N";
        QTest::newRow("unit and decimal comma") << "7.5" << "kg" << "7,5 kg" << "de_DE" << "Y";
        QTest::newRow("unit alone") << "7" << "kg" << "kg" << "C" << "N";
        QTest::newRow("unit on a slot without one") << "25" << "" << "25 cm" << "C" << "N";
        QTest::newRow("unit symbol no table knows") << "25" << "furlongs" << "25 furlongs" << "C" << "N";
    }
    void numberAnswers()
    {
        QFETCH(QString, key);
        QFETCH(QString, unit);
        QFETCH(QString, entered);
        QFETCH(QString, locale);
        QFETCH(QString, result);
        QCOMPARE(verdictText(kw::checkAnswer(entered, key, SlotType::Number, QLocale(locale), unit)), result);
    }

    // Only a number slot takes the unit off: a word answer is the whole text.
    void unitsApplyToNumbersOnly()
    {
        QCOMPARE(kw::checkAnswer(QStringLiteral("7 cm"), QStringLiteral("7"), SlotType::Word, QLocale::c(),
                                 QStringLiteral("cm")),
                 Verdict::Wrong);
    }

    void everySpellingOfEveryUnitIsTaken_data()
    {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("spelling");
        for (const Unit &unit : kw::unitSpellings()) {
            QCOMPARE(unit.spellings.value(0), unit.symbol);
            QVERIFY(!unit.name.isEmpty());
            for (const QString &spelling : unit.spellings)
                QTest::newRow(qPrintable(unit.symbol + QLatin1Char(' ') + spelling)) << unit.symbol << spelling;
        }
    }
    void everySpellingOfEveryUnitIsTaken()
    {
        QFETCH(QString, symbol);
        QFETCH(QString, spelling);
        const Unit *unit = kw::unitOf(symbol);
        QVERIFY(unit);
        const QString written = unit->before ? spelling + QStringLiteral("12.5") : QStringLiteral("12.5 ") + spelling;
        QCOMPARE(kw::checkAnswer(written, QStringLiteral("12.5"), SlotType::Number, QLocale::c(), symbol), Verdict::Right);
        QCOMPARE(kw::checkAnswer(written, QStringLiteral("12"), SlotType::Number, QLocale::c(), symbol), Verdict::Wrong);
    }

    void unitSymbolsAreOneEach()
    {
        QStringList symbols;
        for (const Unit &unit : kw::unitSpellings())
            symbols.append(unit.symbol);
        QCOMPARE(symbols.removeDuplicates(), 0);
        QVERIFY(kw::unitOf(QStringLiteral("cm²")));
        QVERIFY(kw::unitOf(QStringLiteral("£"))->before);
        QVERIFY(!kw::unitOf(QStringLiteral("cm2"))); // a spelling, not a symbol
    }

    void nonNumericNumberKeyIsATypeMismatch()
    {
        try {
            kw::checkAnswer(QStringLiteral("3"), QStringLiteral("three"), SlotType::Number, QLocale::c());
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), ErrorKind::TypeMismatch);
        }
    }

    void alternatives_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("alternatives");
        QTest::newRow("two") << ";that;which" << QStringList{"that", "which"};
        QTest::newRow("one") << ";Food" << QStringList{"Food"};
        QTest::newRow("empty entry") << ";a;;b" << QStringList{"a", "", "b"};
        QTest::newRow("first character stands for ;") << "x;b;c" << QStringList{"", "b;c"};
        QTest::newRow("spaces kept") << "; the cat ;dog" << QStringList{" the cat ", "dog"};
    }
    void alternatives()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, alternatives);
        QCOMPARE(kw::alternativesOf(key), alternatives);
    }

    void checkGroupAnswer_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("results"); // one letter per slot

        QTest::newRow("M which") << QStringList{";that;which"} << QStringList{"Which"} << "Y";
        QTest::newRow("M empty") << QStringList{";that;which"} << QStringList{""} << "N";
        QTest::newRow("M both given") << QStringList{";that;which"} << QStringList{"that;which"} << "N";
        QTest::newRow("M spaces and case") << QStringList{";throughout;during"} << QStringList{"  DURING "} << "Y";
        QTest::newRow("M empty alternative") << QStringList{";a;"} << QStringList{""} << "Y";

        const QStringList food{";Food;Water;Oxygen", " ", " "};
        QTest::newRow("G repeated alternative") << food << QStringList{"water", "Water", "oxygen"} << "YNY";
        QTest::newRow("G all different") << food << QStringList{"oxygen", "food", "WATER"} << "YYY";
        QTest::newRow("G follower right, head wrong") << food << QStringList{"sand", "water", "food"} << "NYY";
        QTest::newRow("G empty answers") << food << QStringList{"", "", ""} << "NNN";
        QTest::newRow("G follower of spaces") << food << QStringList{"food", "   ", "food"} << "YNN";
        QTest::newRow("G head repeats a follower") << food << QStringList{"food", "water", "water"} << "YYN";

        QStringList twenty{";1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21"};
        QStringList given{"21"};
        for (int i = 1; i <= 20; ++i) {
            twenty << " ";
            given << QString::number(i);
        }
        QTest::newRow("G head and 20 followers") << twenty << given << QString(21, QLatin1Char('Y'));

        QTest::newRow("G two groups side by side")
            << QStringList{";a;b", " ", ";c;d", " "} << QStringList{"a", "c", "c", "c"} << "YNYN";
        QTest::newRow("M follower joins the group")
            << QStringList{";a;b", " ", "3"} << QStringList{"b", "a", "3"} << "YY";
    }
    void checkGroupAnswer()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, answers);
        QFETCH(QString, results);
        for (int slot = 1; slot <= results.size(); ++slot)
            QCOMPARE(verdictText(kw::checkGroupAnswer(answers, keys, slot)), QString(results.at(slot - 1)));
    }

    void groupModelAnswer_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("models");

        const QStringList food{";Food;Water;Oxygen", " ", " "};
        QTest::newRow("water, sand, empty") << food << QStringList{"water", "sand", ""}
                                            << QStringList{"Food", "Food", "Oxygen"};
        QTest::newRow("nothing given") << food << QStringList{"", "", ""}
                                       << QStringList{"Food", "Water", "Oxygen"};
        QTest::newRow("all right") << food << QStringList{"oxygen", "food", "water"}
                                   << QStringList{"", "", ""};
        QTest::newRow("empty head, follower gave one") << food << QStringList{"", "food", ""}
                                                       << QStringList{"", "Oxygen", "Oxygen"};
        QTest::newRow("wrong head") << food << QStringList{"sand", "water", "oxygen"}
                                    << QStringList{"Food", "", ""};
        QTest::newRow("group ends at the next head")
            << QStringList{";a;b", " ", ";c;d"} << QStringList{"x", "y", "z"} << QStringList{"a", "b", "c"};
        QTest::newRow("more slots than alternatives")
            << QStringList{";a", " "} << QStringList{"", ""} << QStringList{"a", ""};
    }
    void groupModelAnswer()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, models);
        for (int slot = 1; slot <= models.size(); ++slot)
            QCOMPARE(kw::groupModelAnswer(answers, keys, slot), models.at(slot - 1));
    }

    void malformedKeysFail_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("slot");
        QTest::newRow("paper starts with a follower") << QStringList{" ", " "} << 2;
        QTest::newRow("first slot a follower") << QStringList{" "} << 1;
        QTest::newRow("head without ;") << QStringList{"Food", " "} << 1;
        QTest::newRow("follower of a head without ;") << QStringList{"Food", " "} << 2;
        QStringList tooLong{";a"};
        for (int i = 0; i < 22; ++i)
            tooLong << " ";
        QTest::newRow("22nd follower has no head") << tooLong << 23;
        QTest::newRow("slot past the paper") << QStringList{";a"} << 2;
        QTest::newRow("slot zero") << QStringList{";a"} << 0;
    }
    void malformedKeysFail()
    {
        QFETCH(QStringList, keys);
        QFETCH(int, slot);
        const QStringList answers(keys.size());
        const std::function<void()> checks[] = {[&] { kw::checkGroupAnswer(answers, keys, slot); },
                                                [&] { kw::groupModelAnswer(answers, keys, slot); }};
        for (const std::function<void()> &check : checks) {
            try {
                check();
                QFAIL("no error raised");
            } catch (const RuntimeError &error) {
                QCOMPARE(error.kind(), ErrorKind::SubscriptOutOfRange);
            }
        }
    }

    void fewerAnswersThanKeysFail()
    {
        QVERIFY_THROWS_EXCEPTION(RuntimeError, kw::checkGroupAnswer({QStringLiteral("a")}, {QStringLiteral(";a"), QStringLiteral(" ")}, 2));
    }

    void judgeSlotDispatchesByType_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("result");
        QTest::newRow("M through alternatives") << "M" << ";a;b" << "B" << "Y";
        QTest::newRow("T compares the whole key") << "T" << ";a;b" << "b" << "N";
        QTest::newRow("N through numbers") << "N" << "5" << "5.0" << "Y";
        QTest::newRow("G through the group") << "G" << ";a;b" << "b" << "Y";
        QTest::newRow("Q compares the whole key") << "Q" << ";a;b" << "a" << "N";
    }

    void judgeSlotPassesTheSlotsUnit_data()
    {
        QTest::addColumn<QStringList>("units");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("result");
        const QStringList twoUnits{QStringLiteral("cm"), QStringLiteral("£")};
        QTest::newRow("first slot in cm") << twoUnits << 1 << "Y";
        QTest::newRow("second slot in pounds") << twoUnits << 2 << "Y";
        QTest::newRow("units swapped") << QStringList{QStringLiteral("£"), QStringLiteral("cm")} << 1 << "N";
        QTest::newRow("no units") << QStringList{} << 1 << "N";
    }
    void judgeSlotPassesTheSlotsUnit()
    {
        QFETCH(QStringList, units);
        QFETCH(int, slot);
        QFETCH(QString, result);
        const QStringList answers{QStringLiteral("4 cm"), QStringLiteral("£4")};
        const QStringList keys{QStringLiteral("4"), QStringLiteral("4")};
        const QList<SlotType> types{SlotType::Number, SlotType::Number};
        QCOMPARE(verdictText(kw::judgeSlot(answers, keys, types, slot, QLocale::c(), units)), result);
    }
    void judgeSlotDispatchesByType()
    {
        QFETCH(QString, type);
        QFETCH(QString, key);
        QFETCH(QString, answer);
        QFETCH(QString, result);
        QCOMPARE(verdictText(kw::judgeSlot({answer}, {key}, {typeOf(type)}, 1, QLocale::c())), result);
    }
};

QTEST_GUILESS_MAIN(TestAnswerCheck)
#include "tst_answercheck.moc"
