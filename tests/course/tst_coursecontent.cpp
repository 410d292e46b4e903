#include "checking/answercheck.h"
#include "data/catalogue.h"
#include "data/papercontent.h"

#include <QTest>

using namespace kw;

// The course embedded in the player, read back as the practice window reads it.
class TestCourseContent : public QObject {
    Q_OBJECT

private slots:
    void unitsArriveWithTheirSlots_data()
    {
        QTest::addColumn<int>("subject");
        QTest::newRow("English") << 1;
        QTest::newRow("Mathematics") << 2;
        QTest::newRow("Science") << 3;
    }
    void unitsArriveWithTheirSlots()
    {
        QFETCH(int, subject);
        const Catalogue catalogue = loadCatalogue();
        QVERIFY(catalogue.hasSubject(subject));
        QSet<QString> seen;
        for (int index = 1; index <= catalogue.subject(subject).paperCount; ++index) {
            const PaperContent content = loadPaperContent(subject, 100 + index);
            QCOMPARE(content.units.size(), content.keys.size());
            for (int slot = 0; slot < content.units.size(); ++slot) {
                const QString &unit = content.units.at(slot);
                if (unit.isEmpty())
                    continue;
                QVERIFY2(unitOf(unit), qPrintable(unit));
                QCOMPARE(content.types.at(slot), SlotType::Number);
                // The key holds the number alone, so the number alone is right.
                QCOMPARE(checkAnswer(content.keys.at(slot), content.keys.at(slot), SlotType::Number, QLocale::c(), unit),
                         Verdict::Right);
                seen.insert(unit);
            }
        }
        if (subject == 2) {
            QVERIFY(seen.contains(QStringLiteral("£")));
            QVERIFY(seen.contains(QStringLiteral("cm²")));
        }
    }
};

QTEST_GUILESS_MAIN(TestCourseContent)
#include "tst_coursecontent.moc"
