#pragma once

#include <QString>

class QLabel;
class QSize;
class QWidget;

namespace kw {

class Pictures;

// The skin pictures for the eight pieces of a border, by file name.
struct FrameBorderPictures {
    QString topLeft;
    QString topCentre;
    QString topRight;
    QString left;
    QString right;
    QString bottomLeft;
    QString bottom;
    QString bottomRight;
};

// The border a frameless window draws round itself from skin pictures: three
// pieces along the top, one down each side and three along the bottom, each a
// picture label named as the skin names it (BTopLeft, BTopCentre, BTopRight,
// BLeft, BRight, BBotLeft, BBot, BBotRight). The main and practice windows'
// frame and the message dialog share it.
struct FrameBorder {
    QLabel *topLeft = nullptr;
    QLabel *topCentre = nullptr;
    QLabel *topRight = nullptr;
    QLabel *left = nullptr;
    QLabel *right = nullptr;
    QLabel *bottomLeft = nullptr;
    QLabel *bottom = nullptr;
    QLabel *bottomRight = nullptr;

    FrameBorder() = default;
    // Adds the pieces to `window`, each at its picture's own size.
    FrameBorder(QWidget *window, const Pictures &pictures, const FrameBorderPictures &names);

    // Puts the corners in the corners of a window of `size`, at their
    // pictures' own sizes, and stretches each edge between them at its own
    // thickness (the top edge at the top-left corner's height).
    void placeAround(QSize size) const;
    // Puts the pieces over the window's other children.
    void raise() const;
};

} // namespace kw
