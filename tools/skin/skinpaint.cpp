#include "skinpaint.h"

#include <QFont>
#include <QLinearGradient>

#include <algorithm>
#include <cmath>

namespace kw::skin {

QImage canvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage filledCanvas(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor::fromRgba(colour));
    return image;
}

void startPainter(QPainter &painter, QImage &image)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QBrush verticalGradient(const QRectF &rect, QRgb top, QRgb bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, QColor::fromRgb(top));
    gradient.setColorAt(1, QColor::fromRgb(bottom));
    return QBrush(gradient);
}

void fillAndStroke(QPainter &painter, const QPainterPath &path, const QBrush &fill,
                   QRgb edge, qreal width)
{
    painter.save();
    painter.setBrush(fill);
    QPen pen(QColor::fromRgba(edge), width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(width > 0 ? pen : QPen(Qt::NoPen));
    painter.drawPath(path);
    painter.restore();
}

void gradientBox(QPainter &painter, const QRectF &box, qreal radius, QRgb top, QRgb bottom,
                 QRgb edge, qreal width)
{
    fillAndStroke(painter, roundedBox(box, radius), verticalGradient(box, top, bottom), edge, width);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QImage gridDrawing(QSize size, qreal grid, const std::function<void(QPainter &)> &draw)
{
    QImage image = canvas(size);
    QPainter painter;
    startPainter(painter, image);
    painter.scale(size.width() / grid, size.height() / grid);
    draw(painter);
    painter.end();
    return image;
}

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath roundedBox(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QRgb mix(QRgb a, QRgb b, qreal t)
{
    const auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return qRgba(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
                 channel(qBlue(a), qBlue(b)), channel(qAlpha(a), qAlpha(b)));
}

QImage greyedOut(const QImage &image, qreal opacity)
{
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb p = line[x];
            // Lift the darks a little so that a greyed icon reads as "resting".
            const int level = std::min(255, 70 + qGray(p) * 3 / 4);
            line[x] = qRgba(level, level, level, int(std::lround(qAlpha(p) * opacity)));
        }
    }
    return grey.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void drawOver(QImage &base, const QImage &layer, QPoint at)
{
    QPainter painter(&base);
    painter.drawImage(at, layer);
}

QFont skinFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace kw::skin
