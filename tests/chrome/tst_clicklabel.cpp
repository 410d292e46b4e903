#include "chrome/clicklabel.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>

using namespace kw;

class TestClickLabel : public QObject {
    Q_OBJECT

private slots:
    void followsItsAction_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("as bound") << "" << "Print" << "Print this question (Ctrl+P)" << true;
        QTest::newRow("disabled later") << "disable" << "Print" << "Print this question (Ctrl+P)" << false;
        QTest::newRow("new tool tip") << "tip" << "Print" << "No printer" << true;
        QTest::newRow("new text") << "text" << "Rock & Roll" << "Print this question (Ctrl+P)" << true;
    }
    void followsItsAction()
    {
        QFETCH(QString, change);
        QAction action(QStringLiteral("&Print"));
        action.setToolTip(QStringLiteral("Print this question (Ctrl+P)"));
        ClickLabel label;
        label.setAction(&action);
        if (change == QLatin1String("disable"))
            action.setEnabled(false);
        else if (change == QLatin1String("tip"))
            action.setToolTip(QStringLiteral("No printer"));
        else if (change == QLatin1String("text"))
            action.setText(QStringLiteral("&Rock && Roll"));
        QTEST(label.text(), "text");
        QTEST(label.toolTip(), "toolTip");
        QTEST(label.isEnabled(), "enabled");
    }

    void clickTriggersAnEnabledActionOnly_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("disabledOnClick"); // whoever hears clicked() disables the action
        QTest::addColumn<int>("triggers");
        QTest::newRow("enabled") << true << false << 1;
        QTest::newRow("disabled") << false << false << 0;
        QTest::newRow("disabled by the click") << true << true << 0;
    }
    void clickTriggersAnEnabledActionOnly()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, disabledOnClick);
        QFETCH(int, triggers);
        QAction action(QStringLiteral("Mark"));
        QSignalSpy triggered(&action, &QAction::triggered);
        ClickLabel label;
        label.resize(60, 18);
        label.setAction(&action);
        if (disabledOnClick)
            connect(&label, &ClickLabel::clicked, &action, [&action]() { action.setEnabled(false); });
        action.setEnabled(enabled);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(triggered.count(), triggers);
    }

    void releaseOffTheCaptionIsNoClick_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("clicks");
        QTest::newRow("inside") << QPoint(30, 9) << 1;
        QTest::newRow("right of it") << QPoint(75, 9) << 0;
        QTest::newRow("below it") << QPoint(30, 40) << 0;
    }
    void releaseOffTheCaptionIsNoClick()
    {
        QFETCH(QPoint, at);
        QFETCH(int, clicks);
        QAction action(QStringLiteral("Next"));
        QSignalSpy triggered(&action, &QAction::triggered);
        ClickLabel label;
        label.resize(60, 18);
        label.setAction(&action);
        QSignalSpy clicked(&label, &ClickLabel::clicked);
        QMouseEvent release(QEvent::MouseButtonRelease, at, label.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(&label, &release);
        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(triggered.count(), clicks);
    }
};

QTEST_MAIN(TestClickLabel)
#include "tst_clicklabel.moc"
