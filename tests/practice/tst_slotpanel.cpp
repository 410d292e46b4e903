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

    // A hint sits under the box; a one-line panel grows to hold it, a long
    // one has the room already.
    void hintHasItsOwnRoom_data()
    {
        QTest::addColumn<bool>("longAnswer");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("grows");
        QTest::newRow("one line, no hint") << false << QString() << false;
        QTest::newRow("one line, short hint") << false << QStringLiteral("Type the number only") << true;
        QTest::newRow("one line, hint over two lines")
            << false << QStringLiteral("That is not a number: type it in digits, like 12 or 3.5") << true;
        QTest::newRow("long answer, hint") << true << QStringLiteral("Type the number only") << false;
    }
    void hintHasItsOwnRoom()
    {
        QFETCH(bool, longAnswer);
        QFETCH(QString, hint);
        QFETCH(bool, grows);
        SlotPanel panel(3);
        panel.show();
        panel.setLongAnswer(longAnswer);
        const int plain = panel.heightTwips();
        QCOMPARE(plain, longAnswer ? SlotPanel::kLongHeightTwips : SlotPanel::kHeightTwips);
        panel.setHint(hint);
        QLabel *label = panel.hintLabel();
        QCOMPARE(label->objectName(), QStringLiteral("Hint3"));
        QCOMPARE(label->isVisible(), !hint.isEmpty());
        QCOMPARE(panel.heightTwips() > plain, grows);
        QCOMPARE(panel.height(), Px(panel.heightTwips()));
        if (!hint.isEmpty()) {
            QVERIFY(label->geometry().top() > panel.answerBox()->geometry().bottom());
            QVERIFY(label->geometry().bottom() < panel.height());
            QVERIFY(label->geometry().right() < panel.width());
            // The whole hint fits its label, however many lines it takes.
            QVERIFY(label->height() >= label->heightForWidth(label->width()));
        }
        panel.setHint(QString());
        QCOMPARE(panel.heightTwips(), plain);
        QVERIFY(!label->isVisible());
    }

    void onlyTheLongBoxWraps()
    {
        SlotPanel panel(1);
        panel.show();
        QVERIFY(!panel.answerBox()->isWrapping());
        panel.setLongAnswer(true);
        QVERIFY(panel.answerBox()->isWrapping());
        QCOMPARE(panel.answerBox()->objectName(), QStringLiteral("FA1"));
        panel.setLongAnswer(false);
        QVERIFY(!panel.answerBox()->isWrapping());
    }
};

QTEST_MAIN(TestSlotPanel)
#include "tst_slotpanel.moc"
