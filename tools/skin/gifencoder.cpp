#include "gifencoder.h"

#include <gif_lib.h>

#include <QFile>
#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace kw::skin {

namespace {

struct Cell {
    QRgb colour;
    qint64 count;
};

int channelOf(QRgb colour, int channel)
{
    return channel == 0 ? qRed(colour) : channel == 1 ? qGreen(colour) : qBlue(colour);
}

// Median cut over the distinct colours: the box with the widest spread of
// one channel is split where half of its pixels lie on either side, until
// there are `limit` boxes or none can be split. Each box gives the
// pixel-weighted mean of its colours.
QList<QRgb> medianCut(std::vector<Cell> cells, int limit)
{
    struct Box {
        std::size_t begin, end;
    };
    const auto widest = [&cells](const Box &box, int *channel) {
        int best = 0;
        for (int c = 0; c < 3; ++c) {
            int low = 255, high = 0;
            for (std::size_t i = box.begin; i < box.end; ++i) {
                low = std::min(low, channelOf(cells[i].colour, c));
                high = std::max(high, channelOf(cells[i].colour, c));
            }
            if (high - low > best) {
                best = high - low;
                *channel = c;
            }
        }
        return best;
    };

    std::vector<Box> boxes{{0, cells.size()}};
    while (int(boxes.size()) < limit) {
        int chosen = -1, chosenChannel = 0, chosenSpread = 0;
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            int channel = 0;
            const int spread = widest(boxes[b], &channel);
            if (spread > chosenSpread) {
                chosen = int(b);
                chosenChannel = channel;
                chosenSpread = spread;
            }
        }
        if (chosen < 0)
            break;
        const Box box = boxes[chosen];
        std::sort(cells.begin() + box.begin, cells.begin() + box.end,
                  [chosenChannel](const Cell &a, const Cell &b) {
                      const int x = channelOf(a.colour, chosenChannel);
                      const int y = channelOf(b.colour, chosenChannel);
                      return x != y ? x < y : a.colour < b.colour;
                  });
        qint64 total = 0;
        for (std::size_t i = box.begin; i < box.end; ++i)
            total += cells[i].count;
        qint64 running = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i < box.end - 1; ++i) {
            running += cells[i].count;
            split = i + 1;
            if (2 * running >= total)
                break;
        }
        boxes[chosen] = {box.begin, split};
        boxes.push_back({split, box.end});
    }

    QList<QRgb> palette;
    for (const Box &box : boxes) {
        std::array<double, 3> sum{};
        double weight = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            for (int c = 0; c < 3; ++c)
                sum[c] += double(channelOf(cells[i].colour, c)) * double(cells[i].count);
            weight += double(cells[i].count);
        }
        palette << qRgb(int(std::lround(sum[0] / weight)), int(std::lround(sum[1] / weight)),
                        int(std::lround(sum[2] / weight)));
    }
    return palette;
}

int nearest(const QList<QRgb> &palette, QRgb colour)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

IndexedPicture quantise(const QImage &image, QRgb matte)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    IndexedPicture picture;
    picture.width = source.width();
    picture.height = source.height();

    // Lay every visible pixel over the matte; mark the others see-through.
    std::vector<QRgb> pixels(std::size_t(picture.width) * std::size_t(picture.height));
    std::vector<bool> clear(pixels.size());
    QHash<QRgb, qint64> counts;
    for (int y = 0; y < picture.height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            const std::size_t at = std::size_t(y) * std::size_t(picture.width) + std::size_t(x);
            const QRgb p = line[x];
            const int alpha = qAlpha(p);
            if (alpha < 128) {
                clear[at] = true;
                continue;
            }
            const auto over = [alpha](int front, int back) {
                return (front * alpha + back * (255 - alpha) + 127) / 255;
            };
            const QRgb opaque = qRgb(over(qRed(p), qRed(matte)), over(qGreen(p), qGreen(matte)),
                                     over(qBlue(p), qBlue(matte)));
            pixels[at] = opaque;
            ++counts[opaque];
        }
    }
    const bool anyClear = std::find(clear.begin(), clear.end(), true) != clear.end();
    const int limit = anyClear ? 255 : 256;

    std::vector<Cell> cells;
    cells.reserve(std::size_t(counts.size()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        cells.push_back({it.key(), it.value()});
    std::sort(cells.begin(), cells.end(), [](const Cell &a, const Cell &b) { return a.colour < b.colour; });

    QHash<QRgb, int> indexOf;
    if (int(cells.size()) <= limit) {
        for (const Cell &cell : cells) {
            indexOf.insert(cell.colour, int(picture.palette.size()));
            picture.palette << cell.colour;
        }
    } else {
        picture.palette = medianCut(cells, limit);
        for (const Cell &cell : cells)
            indexOf.insert(cell.colour, nearest(picture.palette, cell.colour));
    }
    if (anyClear) {
        picture.transparentIndex = int(picture.palette.size());
        picture.palette << matte;
    }

    picture.indices.resize(qsizetype(pixels.size()));
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const int index = clear[i] ? picture.transparentIndex : indexOf.value(pixels[i]);
        picture.indices[qsizetype(i)] = char(quint8(index));
    }
    return picture;
}

QString writeGif(const IndexedPicture &picture, const QString &path)
{
    const int colours = int(picture.palette.size());
    if (colours < 1 || colours > 256 || picture.width < 1 || picture.height < 1
        || picture.indices.size() != qsizetype(picture.width) * picture.height)
        return QStringLiteral("not a picture of at most 256 colours");

    // The colour table of a GIF holds a power of two of entries.
    const int bits = std::max(1, GifBitSize(colours));
    std::vector<GifColorType> table(std::size_t(1) << bits, GifColorType{0, 0, 0});
    for (int i = 0; i < colours; ++i) {
        const QRgb c = picture.palette[i];
        table[std::size_t(i)] = GifColorType{GifByteType(qRed(c)), GifByteType(qGreen(c)),
                                             GifByteType(qBlue(c))};
    }

    int error = 0;
    const QByteArray fileName = QFile::encodeName(path);
    GifFileType *gif = EGifOpenFileName(fileName.constData(), false, &error);
    if (!gif)
        return QString::fromUtf8(GifErrorString(error));
    const auto fail = [&]() {
        const QString what = QString::fromUtf8(GifErrorString(gif->Error));
        EGifCloseFile(gif, &error);
        return what;
    };

    EGifSetGifVersion(gif, true);
    ColorMapObject *map = GifMakeMapObject(1 << bits, table.data());
    if (!map) {
        EGifCloseFile(gif, &error);
        return QStringLiteral("out of memory");
    }
    const int described = EGifPutScreenDesc(gif, picture.width, picture.height, 8, 0, map);
    GifFreeMapObject(map);
    if (described == GIF_ERROR)
        return fail();

    if (picture.transparentIndex >= 0) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSAL_UNSPECIFIED;
        control.UserInputFlag = false;
        control.DelayTime = 0;
        control.TransparentColor = picture.transparentIndex;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_ERROR)
            return fail();
    }

    if (EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, false, nullptr) == GIF_ERROR)
        return fail();
    std::vector<GifPixelType> row(std::size_t(picture.width));
    for (int y = 0; y < picture.height; ++y) {
        const char *source = picture.indices.constData() + qsizetype(y) * picture.width;
        std::transform(source, source + picture.width, row.begin(),
                       [](char c) { return GifPixelType(quint8(c)); });
        if (EGifPutLine(gif, row.data(), picture.width) == GIF_ERROR)
            return fail();
    }
    if (EGifCloseFile(gif, &error) == GIF_ERROR)
        return QString::fromUtf8(GifErrorString(error));
    return QString();
}

} // namespace kw::skin
