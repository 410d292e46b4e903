#include "chrome/windowframe.h"

#include "chrome/labels.h"
#include "chrome/picturebutton.h"
#include "chrome/pictures.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QRegion>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace kw {

namespace {

// Distances of the title strip and the grip, in pixels at 96 dots per inch.
constexpr int kTitleLeft = 30;       // 8 mm
constexpr int kIconLeft = 9;         // 2.4 mm
constexpr int kIconSize = 16;
constexpr int kCloseRight = 5;       // 1.2 mm
constexpr int kButtonGap = 2;        // 0.6 mm
constexpr int kSizerInset = 2;       // 0.6 mm

QString stripPicture(bool active, const char *end)
{
    return (active ? QStringLiteral("border_top_") : QStringLiteral("border_white_top_")) + QLatin1String(end)
           + QStringLiteral(".bmp");
}

} // namespace

WindowFrame::WindowFrame(QWidget *window, const Pictures &pictures, Options options)
    : QObject(window), m_window(window)
{
    const auto strip = [&pictures](bool active) {
        return StripPictures{pictures.get(stripPicture(active, "left")), pictures.get(stripPicture(active, "center")),
                             pictures.get(stripPicture(active, "right"))};
    };
    const auto glyph = [&pictures](const QString &name) {
        return GlyphPictures{pictures.get(QStringLiteral("prog_blueoff_") + name + QStringLiteral(".bmp")),
                             pictures.get(QStringLiteral("prog_blue_") + name + QStringLiteral(".bmp")),
                             pictures.get(QStringLiteral("prog_white_") + name + QStringLiteral(".bmp"))};
    };
    m_activeStrip = strip(true);
    m_inactiveStrip = strip(false);
    m_closeGlyph = glyph(QStringLiteral("close"));
    m_minimiseGlyph = glyph(QStringLiteral("min"));
    setObjectName(QStringLiteral("WindowFrame"));
    m_window->setWindowFlags(m_window->windowFlags() | Qt::Window | Qt::FramelessWindowHint);

    m_border = FrameBorder(m_window, pictures,
                           {stripPicture(false, "left"), stripPicture(false, "center"), stripPicture(false, "right"),
                            QStringLiteral("border_left.bmp"), QStringLiteral("border_right.bmp"),
                            QStringLiteral("border_left_corners.bmp"), QStringLiteral("border_bot.bmp"),
                            QStringLiteral("border_right_corners.bmp")});

    m_icon = new QLabel(m_window);
    m_icon->setObjectName(QStringLiteral("ImgIco"));
    m_icon->setScaledContents(true);
    m_icon->resize(kIconSize, kIconSize);
    m_title = new QLabel(m_window);
    m_title->setObjectName(QStringLiteral("Title"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);

    m_minimise = titleButton(QStringLiteral("imgProgMin"), QStringLiteral("Minimise"));
    connect(m_minimise, &QAbstractButton::clicked, m_window, &QWidget::showMinimized);
    if (options & Resizable) {
        m_maximise = titleButton(QStringLiteral("imgProgMax"), QStringLiteral("Maximise"));
        connect(m_maximise, &QAbstractButton::clicked, this, &WindowFrame::toggleMaximised);
        m_maximiseGlyph = glyph(QStringLiteral("max"));
        m_restoreGlyph = glyph(QStringLiteral("norm"));
        m_sizer = pictureLabel(m_window, QStringLiteral("Sizer"), pictures.get(QStringLiteral("statusgrabber.bmp")));
        m_sizer->setCursor(Qt::SizeFDiagCursor);
        m_sizer->setAccessibleName(QStringLiteral("Resize"));
        m_border.bottomRight->setCursor(Qt::SizeFDiagCursor);
        m_window->setMinimumSize(m_window->minimumSize().expandedTo(kSmallestSize));
    }
    m_close = titleButton(QStringLiteral("imgProgClose"), QStringLiteral("Close"));
    connect(m_close, &QAbstractButton::clicked, m_window, &QWidget::close);

    // Without the system's frame there is no system menu: Alt+F4 closes the
    // window the same way wherever no window manager takes the key first.
    auto *closeKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), m_window);
    closeKey->setContext(Qt::WindowShortcut);
    connect(closeKey, &QShortcut::activated, m_window, &QWidget::close);

    if (QLayout *layout = m_window->layout()) {
        const QMargins own = layout->contentsMargins(); // the window's own margins, inside the frame
        layout->setContentsMargins(own + margins());
    }

    for (QWidget *strip : {static_cast<QWidget *>(m_border.topLeft), static_cast<QWidget *>(m_border.topCentre),
                           static_cast<QWidget *>(m_border.topRight), static_cast<QWidget *>(m_title),
                           static_cast<QWidget *>(m_icon)})
        strip->installEventFilter(this);
    if (m_sizer) {
        m_sizer->installEventFilter(this);
        m_border.bottomRight->installEventFilter(this);
    }
    m_window->installEventFilter(this);

    m_title->setText(m_window->windowTitle());
    showIcon();
    paintTitle(m_window->isActiveWindow());
    layOut();
}

QPolygon WindowFrame::cornerPolygon(QSize size)
{
    const int w = size.width();
    const int h = size.height();
    return QPolygon{{0, 5}, {1, 3}, {2, 2}, {3, 1}, {5, 0}, {w - 5, 0}, {w - 3, 1}, {w - 2, 2}, {w - 2, 3}, {w, 5},
                    {w, h}, {0, h}};
}

QMargins WindowFrame::margins() const
{
    return {m_border.left->width(), m_border.topLeft->height(), m_border.right->width(), m_border.bottom->height()};
}

PictureButton *WindowFrame::titleButton(const QString &name, const QString &accessibleName)
{
    auto *button = new PictureButton(name, m_window);
    button->setAccessibleName(accessibleName);
    button->setToolTip(accessibleName);
    // Reached by the mouse or by assistive tools; the keyboard has Alt+F4 and
    // the window manager's keys, so the window's own focus chain stays as it was.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void WindowFrame::paintTitle(bool active)
{
    m_active = active;
    const StripPictures &strip = active ? m_activeStrip : m_inactiveStrip;
    m_border.topLeft->setPixmap(strip.left);
    m_border.topCentre->setPixmap(strip.centre);
    m_border.topRight->setPixmap(strip.right);
    QPalette colours = m_title->palette();
    colours.setColor(QPalette::WindowText, QColor::fromRgb(active ? kActiveCaption : kInactiveCaption));
    m_title->setPalette(colours);
    showWindowButtons();
}

void WindowFrame::showWindowButtons()
{
    // Active: blue pictures that light up under the mouse. Inactive: white
    // pictures whatever the mouse does.
    const auto set = [this](PictureButton *button, const GlyphPictures &glyph) {
        if (m_active)
            button->setPictures({glyph.off, glyph.on});
        else
            button->setPicture(glyph.inactive);
        button->resize(button->sizeHint());
    };
    set(m_close, m_closeGlyph);
    set(m_minimise, m_minimiseGlyph);
    if (m_maximise) {
        const bool maximised = m_window->isMaximized();
        set(m_maximise, maximised ? m_restoreGlyph : m_maximiseGlyph);
        const QString name = maximised ? QStringLiteral("Restore") : QStringLiteral("Maximise");
        m_maximise->setAccessibleName(name);
        m_maximise->setToolTip(name);
    }
}

void WindowFrame::showIcon()
{
    const QIcon icon = m_window->windowIcon();
    m_icon->setPixmap(icon.pixmap(QSize(kIconSize, kIconSize), m_window->devicePixelRatio()));
}

void WindowFrame::layOut()
{
    const int w = m_window->width();
    const int h = m_window->height();

    m_border.placeAround(m_window->size());
    if (m_sizer)
        m_sizer->move(w - m_sizer->width() - kSizerInset, h - m_sizer->height() - kSizerInset);

    const int strip = m_border.topRight->height();
    m_close->move(w - m_close->width() - kCloseRight, (strip - m_close->height()) / 2);
    PictureButton *leftmost = m_close;
    if (m_maximise) {
        m_maximise->move(m_close->x() - m_maximise->width() - kButtonGap, (strip - m_maximise->height()) / 2);
        leftmost = m_maximise;
    }
    m_minimise->move(leftmost->x() - m_minimise->width() - kButtonGap, (strip - m_minimise->height()) / 2);
    m_icon->move(kIconLeft, (strip - m_icon->height()) / 2);
    m_title->setGeometry(kTitleLeft, 0, std::max(0, m_minimise->x() - kTitleLeft - kButtonGap), strip);

    // The frame stays over anything the window placed by hand.
    m_border.raise();
    for (QWidget *over : {static_cast<QWidget *>(m_sizer), static_cast<QWidget *>(m_icon),
                          static_cast<QWidget *>(m_title), static_cast<QWidget *>(m_minimise),
                          static_cast<QWidget *>(m_maximise), static_cast<QWidget *>(m_close)}) {
        if (over)
            over->raise();
    }

    m_corners = cornerPolygon(m_window->size());
    m_window->setMask(QRegion(m_corners, Qt::WindingFill));
}

void WindowFrame::toggleMaximised()
{
    const Qt::WindowStates state = m_window->windowState();
    if (state & Qt::WindowMinimized)
        return;
    if (state & Qt::WindowMaximized)
        m_window->showNormal();
    else
        m_window->showMaximized();
}

bool WindowFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Resize:
            layOut();
            break;
        case QEvent::ActivationChange:
            paintTitle(m_window->isActiveWindow());
            break;
        case QEvent::WindowStateChange:
            showWindowButtons();
            break;
        case QEvent::WindowTitleChange:
            m_title->setText(m_window->windowTitle());
            break;
        case QEvent::WindowIconChange:
            showIcon();
            break;
        default:
            break;
        }
        return false;
    }
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    QWindow *handle = m_window->windowHandle();
    if (watched == m_sizer || watched == m_border.bottomRight) {
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton || m_window->isMaximized() || !handle)
            return false;
        handle->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
        return true;
    }
    // Any button on the title strip moves the window.
    if (handle)
        handle->startSystemMove();
    return true;
}

} // namespace kw
