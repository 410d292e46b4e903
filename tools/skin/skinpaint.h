#pragma once

// Small drawing helpers shared by the skin's picture families.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QSize>

#include <functional>
#include <initializer_list>

namespace kw::skin {

// A transparent canvas of the given size.
QImage canvas(QSize size);

// A canvas filled with one colour.
QImage filledCanvas(QSize size, QRgb colour);

// A painter with anti-aliasing on.
void startPainter(QPainter &painter, QImage &image);

// A top-to-bottom gradient over rect.
QBrush verticalGradient(const QRectF &rect, QRgb top, QRgb bottom);

// Fills path with brush and strokes it with a pen of the given colour and width.
void fillAndStroke(QPainter &painter, const QPainterPath &path, const QBrush &fill,
                   QRgb edge, qreal width = 1.0);

// A rounded box filled top to bottom from `top` to `bottom`, outlined in
// `edge`: the face of buttons, wells and bars.
void gradientBox(QPainter &painter, const QRectF &box, qreal radius, QRgb top, QRgb bottom,
                 QRgb edge, qreal width = 1.0);

// A closed polygon through points.
QPainterPath polygon(std::initializer_list<QPointF> points);

// A transparent picture of the given size holding a drawing made on a grid
// x grid square, scaled to fill it.
QImage gridDrawing(QSize size, qreal grid, const std::function<void(QPainter &)> &draw);

// A circle around centre.
QPainterPath circle(QPointF centre, qreal radius);

// A rounded rectangle.
QPainterPath roundedBox(const QRectF &rect, qreal radius);

// Colour that lies t of the way from a to b.
QRgb mix(QRgb a, QRgb b, qreal t);

// Turns every pixel grey (keeping its brightness) and fades it by opacity.
QImage greyedOut(const QImage &image, qreal opacity);

// Composes layer over base at the given position.
void drawOver(QImage &base, const QImage &layer, QPoint at = {});

// The sans-serif font the skin's lettering uses, pixel-sized.
QFont skinFont(int pixelSize, bool bold);

} // namespace kw::skin
