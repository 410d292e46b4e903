#include "chrome/frameborder.h"

#include "chrome/labels.h"
#include "chrome/pictures.h"

#include <QLabel>
#include <QSize>

#include <algorithm>

namespace kw {

FrameBorder::FrameBorder(QWidget *window, const Pictures &pictures, const FrameBorderPictures &names)
{
    const auto piece = [&](const char *name, const QString &picture) {
        return pictureLabel(window, QLatin1String(name), pictures.get(picture));
    };
    topLeft = piece("BTopLeft", names.topLeft);
    topCentre = piece("BTopCentre", names.topCentre);
    topRight = piece("BTopRight", names.topRight);
    left = piece("BLeft", names.left);
    right = piece("BRight", names.right);
    bottomLeft = piece("BBotLeft", names.bottomLeft);
    bottom = piece("BBot", names.bottom);
    bottomRight = piece("BBotRight", names.bottomRight);
}

void FrameBorder::placeAround(QSize size) const
{
    const int w = size.width();
    const int h = size.height();
    // A window smaller than its corners gets empty edges rather than
    // edges of negative length.
    topLeft->move(0, 0);
    topRight->move(w - topRight->width(), 0);
    topCentre->setGeometry(topLeft->width(), 0, std::max(0, topRight->x() - topLeft->width()), topLeft->height());
    bottomLeft->move(0, h - bottomLeft->height());
    left->setGeometry(0, topLeft->height(), left->width(), std::max(0, bottomLeft->y() - topLeft->height()));
    bottomRight->move(w - bottomRight->width(), h - bottomRight->height());
    right->setGeometry(w - right->width(), topRight->height(), right->width(),
                       std::max(0, bottomRight->y() - topRight->height()));
    bottom->setGeometry(bottomLeft->width(), h - bottom->height(), std::max(0, bottomRight->x() - bottomLeft->width()),
                        bottom->height());
}

void FrameBorder::raise() const
{
    for (QLabel *piece : {topLeft, topCentre, topRight, left, right, bottomLeft, bottom, bottomRight})
        piece->raise();
}

} // namespace kw
