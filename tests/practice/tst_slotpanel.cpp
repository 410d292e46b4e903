#include "practice/answerbox.h"
#include "practice/slotpanel.h"

#include <QLabel>
#include <QTest>

using namespace kw;

class TestSlotPanel : public QObject {
    Q_OBJECT

private slots:
    void unitStandsBesideTheBox_data()
    {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<bool>("before");
        QTest::newRow("pounds before") << QStringLiteral("£") << true;
        QTest::newRow("square cm after") << QStringLiteral("cm²") << false;
        QTest::newRow("litres after") << QStringLiteral("litres") << false;
    }
    void unitStandsBesideTheBox()
    {
        QFETCH(QString, symbol);
        QFETCH(bool, before);
        SlotPanel panel(1);
        panel.show();
        const QRect plainBox = panel.answerBox()->geometry();
        const QRect plainResult = panel.resultLabel()->geometry();

        panel.setUnit(symbol, before);
        QLabel *unit = panel.unitLabel();
        QCOMPARE(unit->objectName(), QStringLiteral("UL1"));
        QVERIFY(unit->isVisible());
        QCOMPARE(unit->text(), symbol);
        const QRect box = panel.answerBox()->geometry();
        QCOMPARE(box.width(), plainBox.width());
        QVERIFY(unit->width() >= unit->fontMetrics().horizontalAdvance(symbol));
        if (before) {
            QVERIFY(unit->geometry().right() < box.left());
            QVERIFY(box.left() > plainBox.left());
        } else {
            QCOMPARE(box.left(), plainBox.left());
            QVERIFY(unit->geometry().left() > box.right());
        }
        // The result mark never covers the box or the unit.
        QVERIFY(panel.resultLabel()->geometry().left() > std::max(box.right(), unit->geometry().right()));
        QVERIFY(panel.resultLabel()->geometry().left() > plainResult.left());
        QVERIFY(panel.resultLabel()->geometry().right() < panel.width());

        panel.setUnit(QString(), false);
        QVERIFY(!unit->isVisible());
        QCOMPARE(panel.answerBox()->geometry(), plainBox);
        QCOMPARE(panel.resultLabel()->geometry(), plainResult);
    }

    void longAnswersShowNoUnit()
    {
        SlotPanel panel(2);
        panel.show();
        panel.setUnit(QStringLiteral("cm"), false);
        panel.setLongAnswer(true);
        QVERIFY(!panel.unitLabel()->isVisible());
        panel.setLongAnswer(false);
        QVERIFY(panel.unitLabel()->isVisible());
    }
};

QTEST_MAIN(TestSlotPanel)
#include "tst_slotpanel.moc"
