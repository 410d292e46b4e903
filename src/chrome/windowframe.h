#pragma once

#include "chrome/frameborder.h"

#include <QFlags>
#include <QMargins>
#include <QObject>
#include <QPixmap>
#include <QPolygon>
#include <QRgb>
#include <QSize>

class QLabel;
class QWidget;

namespace kw {

class Pictures;
class PictureButton;

// The program's own window frame, drawn from the skin pictures: a title strip
// with the window's icon, caption and minimise, maximise and close images,
// borders on the other three sides and a window region with cut top corners.
// A window installs it on itself once its own layout is in place:
//
//     new WindowFrame(this, pictures, WindowFrame::Resizable);
//
// The window becomes frameless; the frame widens the margins of the window's
// layout by its borders and keeps its pieces placed at every size. The title
// strip moves the window and the grip in the bottom-right corner resizes it,
// both through the window system, so they work on X11 and Wayland alike and
// the window manager's own keyboard moving keeps working. The close image and
// Alt+F4 run the window's close(), so a window that asks before closing asks
// here too.
//
// The frame takes every picture it shows from `pictures` as it is made and
// keeps no hold on `pictures` afterwards.
class WindowFrame : public QObject {
    Q_OBJECT

public:
    enum Option {
        NoOption = 0x0,
        // A maximise image, the Sizer grip, resizing from the bottom-right
        // corner and a smallest size.
        Resizable = 0x1,
    };
    Q_DECLARE_FLAGS(Options, Option)

    // The smallest outer size a resizable window takes: 7300 by 5000 twips.
    static constexpr QSize kSmallestSize{487, 334};
    static constexpr QRgb kActiveCaption = 0xffffffff;
    static constexpr QRgb kInactiveCaption = 0xff808080;

    WindowFrame(QWidget *window, const Pictures &pictures, Options options = NoOption);

    // The window's region for its size: the two top corners cut, the bottom
    // ones square.
    static QPolygon cornerPolygon(QSize size);

    // Whether the title strip shows the active (blue) pictures.
    bool paintedActive() const { return m_active; }
    // The region set on the window at its last size change.
    QPolygon corners() const { return m_corners; }
    // Room the borders and the title strip take on each side.
    QMargins margins() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PictureButton *titleButton(const QString &name, const QString &accessibleName);
    void paintTitle(bool active);
    void showWindowButtons();
    void layOut();
    void toggleMaximised();
    void showIcon();

    // The pictures the frame switches between as the window is activated,
    // maximised and restored.
    struct StripPictures {
        QPixmap left, centre, right;
    };
    struct GlyphPictures {
        QPixmap off, on; // active: blue, lit under the mouse
        QPixmap inactive; // white
    };

    QWidget *m_window = nullptr;
    StripPictures m_activeStrip, m_inactiveStrip;
    GlyphPictures m_closeGlyph, m_minimiseGlyph, m_maximiseGlyph, m_restoreGlyph;
    bool m_active = false;
    QPolygon m_corners;

    FrameBorder m_border;
    QLabel *m_title = nullptr;
    QLabel *m_icon = nullptr;
    QLabel *m_sizer = nullptr;
    PictureButton *m_minimise = nullptr;
    PictureButton *m_maximise = nullptr;
    PictureButton *m_close = nullptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(WindowFrame::Options)

} // namespace kw
