#include "chrome/picturebutton.h"

#include <QAction>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace kw;

namespace {

constexpr QSize kSize(20, 10);

QPixmap solid(const QColor &colour)
{
    QPixmap pixmap(kSize);
    pixmap.fill(colour);
    return pixmap;
}

void sendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void sendKey(QWidget *widget, QEvent::Type type, int key)
{
    QKeyEvent event(type, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Plays one step of what a pupil does to a button.
void play(PictureButton *button, const QString &step)
{
    const QPoint inside = button->rect().center();
    const QPoint outside(button->width() + 30, button->height() + 30);
    if (step == QLatin1String("enter")) {
        QEnterEvent event(inside, button->mapTo(button->window(), inside), button->mapToGlobal(inside));
        QCoreApplication::sendEvent(button, &event);
    } else if (step == QLatin1String("leave")) {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(button, &event);
    } else if (step == QLatin1String("press")) {
        sendMouse(button, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    } else if (step == QLatin1String("release")) {
        sendMouse(button, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    } else if (step == QLatin1String("drag off")) {
        sendMouse(button, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton);
    } else if (step == QLatin1String("drag back")) {
        sendMouse(button, QEvent::MouseMove, inside, Qt::NoButton, Qt::LeftButton);
    } else if (step == QLatin1String("space down")) {
        sendKey(button, QEvent::KeyPress, Qt::Key_Space);
    } else if (step == QLatin1String("disable")) {
        button->setEnabled(false);
    } else if (step == QLatin1String("enable")) {
        button->setEnabled(true);
    } else if (step == QLatin1String("hide")) {
        button->hide();
    } else if (step == QLatin1String("show")) {
        button->show();
    } else {
        qFatal("unknown step %s", qPrintable(step));
    }
}

// The colour in the middle of what the button paints.
QColor painted(PictureButton *button)
{
    return button->grab().toImage().pixelColor(button->rect().center());
}

} // namespace

class TestPictureButton : public QObject {
    Q_OBJECT

    const ButtonPictures m_four{solid(Qt::red), solid(Qt::green), solid(Qt::blue), solid(Qt::gray)};

    QColor colourOf(PictureButton::Look look) const
    {
        switch (look) {
        case PictureButton::Look::Off:
            return Qt::red;
        case PictureButton::Look::On:
            return Qt::green;
        case PictureButton::Look::Pressed:
            return Qt::blue;
        case PictureButton::Look::Disabled:
            return Qt::gray;
        }
        return {};
    }

private slots:
    void pictureFollowsTheButtonsState_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<PictureButton::Look>("look");
        QTest::newRow("at rest") << QStringList() << PictureButton::Look::Off;
        QTest::newRow("mouse over") << QStringList{"enter"} << PictureButton::Look::On;
        QTest::newRow("mouse gone") << QStringList{"enter", "leave"} << PictureButton::Look::Off;
        QTest::newRow("held down") << QStringList{"enter", "press"} << PictureButton::Look::Pressed;
        QTest::newRow("let go") << QStringList{"enter", "press", "release"} << PictureButton::Look::On;
        QTest::newRow("dragged off while held") << QStringList{"enter", "press", "drag off"} << PictureButton::Look::Off;
        QTest::newRow("dragged back while held")
            << QStringList{"enter", "press", "drag off", "drag back"} << PictureButton::Look::Pressed;
        QTest::newRow("space held") << QStringList{"space down"} << PictureButton::Look::Pressed;
        QTest::newRow("disabled") << QStringList{"disable"} << PictureButton::Look::Disabled;
        QTest::newRow("disabled under the mouse") << QStringList{"enter", "disable"} << PictureButton::Look::Disabled;
        QTest::newRow("disabled while held") << QStringList{"enter", "press", "disable"} << PictureButton::Look::Disabled;
        QTest::newRow("enabled again under the mouse")
            << QStringList{"enter", "disable", "enable"} << PictureButton::Look::On;
        QTest::newRow("enabled again after a held press")
            << QStringList{"enter", "press", "disable", "enable"} << PictureButton::Look::On;
        QTest::newRow("hidden under the mouse and shown again")
            << QStringList{"enter", "hide", "show"} << PictureButton::Look::Off;
    }
    void pictureFollowsTheButtonsState()
    {
        QFETCH(QStringList, steps);
        QFETCH(PictureButton::Look, look);
        QWidget window;
        auto *button = new PictureButton(QStringLiteral("ToolBar01"), &window);
        button->setPictures(m_four);
        button->resize(kSize);
        window.show();
        for (const QString &step : steps)
            play(button, step);
        QCOMPARE(button->look(), look);
        QCOMPARE(painted(button), colourOf(look));
    }

    void everyStateChangeRepaints_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("step");
        QTest::newRow("enter") << QStringList() << "enter";
        QTest::newRow("leave") << QStringList{"enter"} << "leave";
        QTest::newRow("press") << QStringList{"enter"} << "press";
        QTest::newRow("release") << QStringList{"enter", "press"} << "release";
        QTest::newRow("disable") << QStringList() << "disable";
        QTest::newRow("enable") << QStringList{"disable"} << "enable";
    }
    void everyStateChangeRepaints()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, step);
        QWidget window;
        auto *button = new PictureButton(QStringLiteral("But1"), &window);
        button->setPictures(m_four);
        button->resize(kSize);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const QString &earlier : before)
            play(button, earlier);
        QCoreApplication::processEvents();

        int paints = 0;
        struct PaintCounter : QObject {
            int *count;
            explicit PaintCounter(int *c) : count(c) {}
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Paint)
                    ++*count;
                return false;
            }
        } counter(&paints);
        button->installEventFilter(&counter);
        play(button, step);
        QCoreApplication::processEvents();
        button->removeEventFilter(&counter);
        QVERIFY2(paints > 0, qPrintable(step));
    }

    void missingPicturesShowTheOffPicture_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("no on picture") << QStringList{"enter"};
        QTest::newRow("no pressed picture") << QStringList{"enter", "press"};
        QTest::newRow("no disabled picture") << QStringList{"disable"};
    }
    void missingPicturesShowTheOffPicture()
    {
        QFETCH(QStringList, steps);
        QWidget window;
        auto *button = new PictureButton(QStringLiteral("But1"), &window);
        button->setPictures(ButtonPictures{solid(Qt::red)});
        button->resize(kSize);
        window.show();
        for (const QString &step : steps)
            play(button, step);
        QVERIFY(button->look() != PictureButton::Look::Off);
        QCOMPARE(painted(button), QColor(Qt::red));
    }

    void onePictureServesEveryState_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("over") << QStringList{"enter"};
        QTest::newRow("held") << QStringList{"enter", "press"};
        QTest::newRow("disabled") << QStringList{"disable"};
    }
    void onePictureServesEveryState()
    {
        QFETCH(QStringList, steps);
        QWidget window;
        auto *button = new PictureButton(QStringLiteral("ImgHandle"), &window);
        button->setPictures(m_four);
        const QPixmap handle = solid(Qt::yellow);
        button->setPicture(handle);
        button->resize(kSize);
        window.show();
        for (const QString &step : steps)
            play(button, step);
        QCOMPARE(button->picture().cacheKey(), handle.cacheKey());
        QCOMPARE(painted(button), QColor(Qt::yellow));
    }

    void followsItsAction_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("name");
        QTest::newRow("as bound") << "" << true << true << "Mark your practice (Ctrl+M)" << "Mark";
        QTest::newRow("disabled later") << "disable" << false << true << "Mark your practice (Ctrl+M)" << "Mark";
        // Qt disables an action while it is hidden.
        QTest::newRow("hidden later") << "hide" << false << false << "Mark your practice (Ctrl+M)" << "Mark";
        QTest::newRow("new tool tip") << "tip" << true << true << "Marking is done" << "Mark";
        QTest::newRow("new text") << "text" << true << true << "Mark your practice (Ctrl+M)" << "Save & Close";
    }
    void followsItsAction()
    {
        QFETCH(QString, change);
        QWidget window;
        QAction action(QStringLiteral("&Mark"));
        action.setToolTip(QStringLiteral("Mark your practice (Ctrl+M)"));
        auto *button = new PictureButton(QStringLiteral("ToolBar02"), &window);
        button->setAction(&action);
        window.show();
        if (change == QLatin1String("disable"))
            action.setEnabled(false);
        else if (change == QLatin1String("hide"))
            action.setVisible(false);
        else if (change == QLatin1String("tip"))
            action.setToolTip(QStringLiteral("Marking is done"));
        else if (change == QLatin1String("text"))
            action.setText(QStringLiteral("&Save && Close"));
        QTEST(button->isEnabled(), "enabled");
        QTEST(button->isVisible(), "visible");
        QTEST(button->toolTip(), "toolTip");
        QTEST(button->accessibleDescription(), "toolTip");
        QTEST(button->accessibleName(), "name");
    }

    void shownAgainWithItsAction()
    {
        QWidget window;
        QAction action(QStringLiteral("Back"));
        auto *button = new PictureButton(QStringLiteral("ToolBar05"), &window);
        button->setAction(&action);
        window.show();
        action.setVisible(false);
        QVERIFY(!button->isVisible());
        action.setVisible(true);
        QVERIFY(button->isVisible());
        QVERIFY(button->isEnabled());
    }

    void clickTriggersTheActionOnlyWhenEnabled_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("mouse, enabled") << true << false;
        QTest::newRow("mouse, disabled") << false << false;
        QTest::newRow("space, enabled") << true << true;
        QTest::newRow("space, disabled") << false << true;
    }
    void clickTriggersTheActionOnlyWhenEnabled()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, byKeyboard);
        QWidget window;
        QAction action(QStringLiteral("Save"));
        QSignalSpy triggered(&action, &QAction::triggered);
        auto *button = new PictureButton(QStringLiteral("ToolBar01"), &window);
        button->setPictures(m_four);
        button->resize(kSize);
        button->setAction(&action);
        window.show();
        action.setEnabled(enabled);
        if (byKeyboard) {
            sendKey(button, QEvent::KeyPress, Qt::Key_Space);
            sendKey(button, QEvent::KeyRelease, Qt::Key_Space);
        } else {
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(triggered.count(), enabled ? 1 : 0);
    }

    void aGoneActionIsLetGo()
    {
        QWidget window;
        auto *action = new QAction(QStringLiteral("Close"));
        auto *button = new PictureButton(QStringLiteral("ToolBar04"), &window);
        button->setAction(action);
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        window.show();
        delete action;
        QCOMPARE(button->action(), nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }

    void unboundButtonKeepsItsOwnState()
    {
        QWidget window;
        QAction action(QStringLiteral("Next"));
        auto *button = new PictureButton(QStringLiteral("ToolBar06"), &window);
        button->setAction(&action);
        button->setAction(nullptr);
        action.setEnabled(false);
        QVERIFY(button->isEnabled());
        QSignalSpy triggered(&action, &QAction::triggered);
        window.show();
        action.setEnabled(true);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(triggered.count(), 0);
    }
};

QTEST_MAIN(TestPictureButton)
#include "tst_picturebutton.moc"
