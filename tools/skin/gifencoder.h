#pragma once

// Writes a picture as a GIF89a file through giflib.

#include <QImage>
#include <QList>
#include <QString>

namespace kw::skin {

// A picture reduced to at most 256 colours: one palette index per pixel.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    QList<QRgb> palette;        // opaque colours
    int transparentIndex = -1;  // palette index of the see-through pixels, or -1
    QByteArray indices;         // width * height, row by row
};

// Reduces image to a palette. Pixels at least half opaque are laid over
// `matte` (the colour the picture is shown on) and become opaque; the others
// become the transparent index. When the opaque pixels use more colours than
// fit, the palette is chosen by median cut.
IndexedPicture quantise(const QImage &image, QRgb matte);

// Writes the picture to path. Returns an empty string on success, otherwise
// what went wrong.
QString writeGif(const IndexedPicture &picture, const QString &path);

} // namespace kw::skin
