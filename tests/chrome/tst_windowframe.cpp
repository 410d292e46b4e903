#include "chrome/picturebutton.h"
#include "chrome/pictures.h"
#include "chrome/windowframe.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "testskin.h"
#include "testwidgets.h"

using namespace kw;
using kwtest::find;

namespace {

// The frame's skin pictures, each a plain colour of its own at the size of
// the real one, so a piece's picture can be told by its colour.
constexpr kwtest::SkinPicture kSkin[] = {
    {"border_top_left.bmp", {40, 24}, 0xff102030},        {"border_top_center.bmp", {8, 24}, 0xff102031},
    {"border_top_right.bmp", {80, 24}, 0xff102032},       {"border_white_top_left.bmp", {40, 24}, 0xfff0f0f0},
    {"border_white_top_center.bmp", {8, 24}, 0xfff0f0f1}, {"border_white_top_right.bmp", {80, 24}, 0xfff0f0f2},
    {"border_left.bmp", {5, 8}, 0xff203040},              {"border_right.bmp", {5, 8}, 0xff203041},
    {"border_left_corners.bmp", {8, 8}, 0xff203042},      {"border_right_corners.bmp", {8, 8}, 0xff203043},
    {"border_bot.bmp", {8, 5}, 0xff203044},               {"statusgrabber.bmp", {12, 12}, 0xff304050},
    {"prog_blueoff_close.bmp", {20, 18}, 0xff0000a0},     {"prog_blue_close.bmp", {20, 18}, 0xff0000a1},
    {"prog_white_close.bmp", {20, 18}, 0xffe0e0a0},       {"prog_blueoff_min.bmp", {20, 18}, 0xff0000b0},
    {"prog_blue_min.bmp", {20, 18}, 0xff0000b1},          {"prog_white_min.bmp", {20, 18}, 0xffe0e0b0},
    {"prog_blueoff_max.bmp", {20, 18}, 0xff0000c0},       {"prog_blue_max.bmp", {20, 18}, 0xff0000c1},
    {"prog_white_max.bmp", {20, 18}, 0xffe0e0c0},         {"prog_blueoff_norm.bmp", {20, 18}, 0xff0000d0},
    {"prog_blue_norm.bmp", {20, 18}, 0xff0000d1},         {"prog_white_norm.bmp", {20, 18}, 0xffe0e0d0},
};

QRgb colourOf(const QPixmap &pixmap)
{
    return pixmap.isNull() ? 0 : pixmap.toImage().pixel(0, 0);
}

QRgb skinColour(const QString &name)
{
    for (const kwtest::SkinPicture &picture : kSkin) {
        if (name == QLatin1String(picture.name))
            return picture.colour;
    }
    qFatal("no skin picture %s", qPrintable(name));
}

// The region written out point by point, as the window's shape is drawn.
QPolygon expectedCorners(int w, int h)
{
    return QPolygon{{0, 5}, {1, 3}, {2, 2}, {3, 1}, {5, 0}, {w - 5, 0}, {w - 3, 1}, {w - 2, 2}, {w - 2, 3}, {w, 5},
                    {w, h}, {0, h}};
}

// A window as the program's windows are built: a layout holding its body.
class FramedWindow : public QWidget {
public:
    FramedWindow(const Pictures &pictures, WindowFrame::Options options, QMargins ownMargins = {})
    {
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(ownMargins);
        body = new QWidget;
        body->setObjectName(QStringLiteral("Body"));
        layout->addWidget(body);
        frame = new WindowFrame(this, pictures, options);
    }

    QWidget *body = nullptr;
    WindowFrame *frame = nullptr;
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        // Like a practice window that asks first: the request is counted and refused.
        ++closeRequests;
        event->ignore();
    }
};

bool showAndActivate(QWidget &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void hover(PictureButton *button)
{
    const QPoint inside = button->rect().center();
    QEnterEvent event(inside, button->mapTo(button->window(), inside), button->mapToGlobal(inside));
    QCoreApplication::sendEvent(button, &event);
}

} // namespace

class TestWindowFrame : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Pictures> m_pictures;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString folder = m_dir.filePath(QStringLiteral("Graphics"));
        QVERIFY(kwtest::writeSkin(folder, kSkin));
        m_pictures = std::make_unique<Pictures>(folder);
    }

    void windowLosesTheSystemFrame()
    {
        FramedWindow window(*m_pictures, WindowFrame::NoOption);
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(window.isWindow());
    }

    void titleStripFollowsActivation_data()
    {
        QTest::addColumn<bool>("active");
        QTest::addColumn<QStringList>("pictures"); // BTopLeft, BTopCentre, BTopRight, close, min, max
        QTest::addColumn<QRgb>("caption");
        QTest::newRow("active") << true
                                << QStringList{"border_top_left.bmp", "border_top_center.bmp", "border_top_right.bmp",
                                               "prog_blueoff_close.bmp", "prog_blueoff_min.bmp",
                                               "prog_blueoff_max.bmp"}
                                << qRgb(255, 255, 255);
        QTest::newRow("inactive") << false
                                  << QStringList{"border_white_top_left.bmp", "border_white_top_center.bmp",
                                                 "border_white_top_right.bmp", "prog_white_close.bmp",
                                                 "prog_white_min.bmp", "prog_white_max.bmp"}
                                  << qRgb(128, 128, 128);
    }

    void titleStripFollowsActivation()
    {
        QFETCH(bool, active);
        QFETCH(QStringList, pictures);
        QFETCH(QRgb, caption);
        FramedWindow window(*m_pictures, WindowFrame::Resizable);
        FramedWindow other(*m_pictures, WindowFrame::Resizable);
        // Both windows are activated in turn, so each row sees a swap both ways.
        QVERIFY(showAndActivate(active ? other : window));
        QVERIFY(showAndActivate(active ? window : other));
        QCOMPARE(window.frame->paintedActive(), active);
        const QStringList names{"BTopLeft", "BTopCentre", "BTopRight"};
        for (int k = 0; k < names.size(); ++k)
            QCOMPARE(colourOf(find<QLabel>(&window, names[k])->pixmap()), skinColour(pictures[k]));
        const QStringList buttons{"imgProgClose", "imgProgMin", "imgProgMax"};
        for (int k = 0; k < buttons.size(); ++k)
            QCOMPARE(colourOf(find<PictureButton>(&window, buttons[k])->picture()), skinColour(pictures[k + 3]));
        QCOMPARE(find<QLabel>(&window, QStringLiteral("Title"))->palette().color(QPalette::WindowText).rgb(),
                 caption);
        // The other window shows the opposite state.
        QCOMPARE(other.frame->paintedActive(), !active);
    }

    void titleButtonsHoverOnlyWhileActive_data()
    {
        QTest::addColumn<bool>("active");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("hovered");
        QTest::newRow("active close") << true << "imgProgClose" << "prog_blue_close.bmp";
        QTest::newRow("active minimise") << true << "imgProgMin" << "prog_blue_min.bmp";
        QTest::newRow("active maximise") << true << "imgProgMax" << "prog_blue_max.bmp";
        QTest::newRow("inactive close") << false << "imgProgClose" << "prog_white_close.bmp";
        QTest::newRow("inactive minimise") << false << "imgProgMin" << "prog_white_min.bmp";
        QTest::newRow("inactive maximise") << false << "imgProgMax" << "prog_white_max.bmp";
    }

    void titleButtonsHoverOnlyWhileActive()
    {
        QFETCH(bool, active);
        QFETCH(QString, button);
        QFETCH(QString, hovered);
        FramedWindow window(*m_pictures, WindowFrame::Resizable);
        FramedWindow other(*m_pictures, WindowFrame::Resizable);
        QVERIFY(showAndActivate(window));
        if (!active)
            QVERIFY(showAndActivate(other));
        auto *picture = find<PictureButton>(&window, button);
        hover(picture);
        QCOMPARE(colourOf(picture->picture()), skinColour(hovered));
        QTest::mousePress(picture, Qt::LeftButton, {}, picture->rect().center());
        if (!active)
            QCOMPARE(colourOf(picture->picture()), skinColour(hovered));
        QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(-40, -40)); // let go off the button: no click
    }

    void regionFollowsEverySize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("smallest") << QSize(487, 334);
        QTest::newRow("usual") << QSize(800, 600);
        QTest::newRow("odd") << QSize(613, 471);
        QTest::newRow("wide") << QSize(1500, 700);
    }

    void regionFollowsEverySize()
    {
        QFETCH(QSize, size);
        FramedWindow window(*m_pictures, WindowFrame::Resizable);
        window.resize(700, 500);
        window.show();
        window.resize(size);
        const int w = size.width();
        const int h = size.height();
        QCOMPARE(window.frame->corners(), expectedCorners(w, h));
        QCOMPARE(window.mask(), QRegion(expectedCorners(w, h), Qt::WindingFill));
        // Top corners cut, bottom corners square.
        QVERIFY(!window.mask().contains(QPoint(0, 0)));
        QVERIFY(!window.mask().contains(QPoint(1, 1)));
        QVERIFY(!window.mask().contains(QPoint(w - 1, 0)));
        QVERIFY(!window.mask().contains(QPoint(w - 1, 2)));
        QVERIFY(window.mask().contains(QPoint(5, 5)));
        QVERIFY(window.mask().contains(QPoint(0, h - 1)));
        QVERIFY(window.mask().contains(QPoint(w - 1, h - 1)));
    }

    void maximiseAndRestoreKeepTheCorners()
    {
        FramedWindow window(*m_pictures, WindowFrame::Resizable);
        window.resize(600, 420);
        QVERIFY(showAndActivate(window));
        auto *maximise = find<PictureButton>(&window, QStringLiteral("imgProgMax"));
        QCOMPARE(maximise->accessibleName(), QStringLiteral("Maximise"));

        QTest::mouseClick(maximise, Qt::LeftButton, {}, maximise->rect().center());
        QTRY_VERIFY(window.isMaximized());
        QTRY_VERIFY(window.size() != QSize(600, 420));
        QCOMPARE(window.frame->corners(), expectedCorners(window.width(), window.height()));
        QCOMPARE(window.mask(), QRegion(expectedCorners(window.width(), window.height()), Qt::WindingFill));
        QCOMPARE(colourOf(maximise->picture()), skinColour(QStringLiteral("prog_blueoff_norm.bmp")));
        QCOMPARE(maximise->accessibleName(), QStringLiteral("Restore"));
        QCOMPARE(find<QWidget>(&window, QStringLiteral("BBotRight"))->geometry().bottomRight(),
                 window.rect().bottomRight());

        QTest::mouseClick(maximise, Qt::LeftButton, {}, maximise->rect().center());
        QTRY_VERIFY(!window.isMaximized());
        QTRY_COMPARE(window.size(), QSize(600, 420));
        QCOMPARE(window.frame->corners(), expectedCorners(600, 420));
        QCOMPARE(window.mask(), QRegion(expectedCorners(600, 420), Qt::WindingFill));
        QCOMPARE(colourOf(maximise->picture()), skinColour(QStringLiteral("prog_blueoff_max.bmp")));
        QCOMPARE(maximise->accessibleName(), QStringLiteral("Maximise"));
    }

    void maximiseLeavesAMinimisedWindowAlone()
    {
        FramedWindow window(*m_pictures, WindowFrame::Resizable);
        window.resize(600, 420);
        window.show();
        window.setWindowState(Qt::WindowMinimized);
        find<PictureButton>(&window, QStringLiteral("imgProgMax"))->click();
        QCOMPARE(window.windowState(), Qt::WindowStates(Qt::WindowMinimized));
    }

    void resizingStopsAtTheSmallestSize_data()
    {
        QTest::addColumn<QSize>("ownMinimum");
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("given");
        QTest::newRow("both too small") << QSize() << QSize(300, 200) << QSize(487, 334);
        QTest::newRow("too narrow") << QSize() << QSize(400, 500) << QSize(487, 500);
        QTest::newRow("too low") << QSize() << QSize(700, 300) << QSize(700, 334);
        QTest::newRow("just large enough") << QSize() << QSize(487, 334) << QSize(487, 334);
        QTest::newRow("larger") << QSize() << QSize(900, 650) << QSize(900, 650);
        QTest::newRow("the window's own larger minimum") << QSize(640, 440) << QSize(300, 500) << QSize(640, 500);
    }

    void resizingStopsAtTheSmallestSize()
    {
        QFETCH(QSize, ownMinimum);
        QFETCH(QSize, asked);
        QFETCH(QSize, given);
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(new QWidget);
        if (ownMinimum.isValid())
            window.setMinimumSize(ownMinimum);
        new WindowFrame(&window, *m_pictures, WindowFrame::Resizable);
        window.show();
        window.resize(asked);
        QCOMPARE(window.size(), given);
    }

    void framePiecesMeetAtEverySize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QMargins>("ownMargins");
        QTest::newRow("no margins of its own") << QSize(640, 440) << QMargins();
        QTest::newRow("own margins") << QSize(760, 560) << QMargins(6, 34, 6, 6);
        QTest::newRow("large") << QSize(1280, 900) << QMargins(1, 2, 3, 4);
    }

    void framePiecesMeetAtEverySize()
    {
        QFETCH(QSize, size);
        QFETCH(QMargins, ownMargins);
        FramedWindow window(*m_pictures, WindowFrame::Resizable, ownMargins);
        window.resize(size);
        window.show();
        const auto piece = [&window](const char *name) {
            return find<QWidget>(&window, QLatin1String(name))->geometry();
        };
        const int w = size.width();
        const int h = size.height();
        QCOMPARE(piece("BTopLeft"), QRect(0, 0, 40, 24));
        QCOMPARE(piece("BTopCentre"), QRect(40, 0, w - 120, 24));
        QCOMPARE(piece("BTopRight"), QRect(w - 80, 0, 80, 24));
        QCOMPARE(piece("BLeft"), QRect(0, 24, 5, h - 32));
        QCOMPARE(piece("BRight"), QRect(w - 5, 24, 5, h - 32));
        QCOMPARE(piece("BBotLeft"), QRect(0, h - 8, 8, 8));
        QCOMPARE(piece("BBot"), QRect(8, h - 5, w - 16, 5));
        QCOMPARE(piece("BBotRight"), QRect(w - 8, h - 8, 8, 8));
        QCOMPARE(piece("Sizer"), QRect(w - 14, h - 14, 12, 12));
        QCOMPARE(window.frame->margins(), QMargins(5, 24, 5, 5));
        // The window's body keeps its own margins, inside the frame.
        QCOMPARE(window.body->geometry(), QRect(QPoint(0, 0), size) - QMargins(5, 24, 5, 5) - ownMargins);
    }

    void titleStripHoldsButtonsIconAndCaption_data()
    {
        QTest::addColumn<bool>("resizable");
        QTest::newRow("practice") << true;
        QTest::newRow("main") << false;
    }

    void titleStripHoldsButtonsIconAndCaption()
    {
        QFETCH(bool, resizable);
        FramedWindow window(*m_pictures, resizable ? WindowFrame::Resizable : WindowFrame::NoOption);
        window.setWindowTitle(QStringLiteral("Fractions - Paper 2"));
        QPixmap icon(32, 32);
        icon.fill(Qt::red);
        window.setWindowIcon(QIcon(icon));
        window.resize(700, 500);
        window.show();
        auto *close = find<PictureButton>(&window, QStringLiteral("imgProgClose"));
        auto *minimise = find<PictureButton>(&window, QStringLiteral("imgProgMin"));
        QCOMPARE(close->geometry(), QRect(700 - 20 - 5, 3, 20, 18));
        QCOMPARE(close->accessibleName(), QStringLiteral("Close"));
        QCOMPARE(minimise->accessibleName(), QStringLiteral("Minimise"));
        auto *maximise = window.findChild<PictureButton *>(QStringLiteral("imgProgMax"));
        QCOMPARE(maximise != nullptr, resizable);
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("Sizer")) != nullptr, resizable);
        if (maximise) {
            QCOMPARE(maximise->geometry(), QRect(close->x() - 22, 3, 20, 18));
            QCOMPARE(minimise->geometry(), QRect(maximise->x() - 22, 3, 20, 18));
        } else {
            QCOMPARE(minimise->geometry(), QRect(close->x() - 22, 3, 20, 18));
        }
        auto *title = find<QLabel>(&window, QStringLiteral("Title"));
        QCOMPARE(title->text(), QStringLiteral("Fractions - Paper 2"));
        QCOMPARE(title->x(), 30);
        QVERIFY(title->geometry().right() < minimise->x());
        auto *iconLabel = find<QLabel>(&window, QStringLiteral("ImgIco"));
        QCOMPARE(iconLabel->geometry(), QRect(9, 4, 16, 16));
        QCOMPARE(iconLabel->pixmap().toImage().pixel(8, 8), qRgb(255, 0, 0));
    }

    void closeImageAndAltF4AskTheWindow_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("close image") << false;
        QTest::newRow("Alt+F4") << true;
    }

    void closeImageAndAltF4AskTheWindow()
    {
        QFETCH(bool, byKey);
        FramedWindow window(*m_pictures, WindowFrame::Resizable);
        QVERIFY(showAndActivate(window));
        if (byKey) {
            QTest::keyClick(&window, Qt::Key_F4, Qt::AltModifier);
        } else {
            auto *close = find<PictureButton>(&window, QStringLiteral("imgProgClose"));
            QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
        }
        QCOMPARE(window.closeRequests, 1);
        // The window refused, so it is still there.
        QVERIFY(window.isVisible());
    }

    void minimiseImageMinimises()
    {
        FramedWindow window(*m_pictures, WindowFrame::NoOption);
        QVERIFY(showAndActivate(window));
        auto *minimise = find<PictureButton>(&window, QStringLiteral("imgProgMin"));
        QTest::mouseClick(minimise, Qt::LeftButton, {}, minimise->rect().center());
        QTRY_VERIFY(window.isMinimized());
    }
};

QTEST_MAIN(TestWindowFrame)
#include "tst_windowframe.moc"
