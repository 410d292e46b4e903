#pragma once

// Skin pictures for suites that need a Graphics folder without the real
// skin: each a plain colour at the size of the real one, so a control's
// picture can be told by its colour.

#include <QDir>
#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

#include <span>

namespace kwtest {

struct SkinPicture {
    const char *name;
    QSize size;
    QRgb colour;
};

// Writes the pictures into folder (made if missing). Qt writes no GIF; the
// loader goes by the content, so PNG data serves for a ".gif" name.
inline bool writeSkin(const QString &folder, std::span<const SkinPicture> pictures)
{
    if (!QDir().mkpath(folder))
        return false;
    for (const SkinPicture &picture : pictures) {
        QImage image(picture.size, QImage::Format_RGB32);
        image.fill(picture.colour);
        const QString name = QLatin1String(picture.name);
        if (!image.save(folder + QLatin1Char('/') + name, name.endsWith(QLatin1String(".gif")) ? "PNG" : "BMP"))
            return false;
    }
    return true;
}

} // namespace kwtest
