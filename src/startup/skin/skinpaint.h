#pragma once

// Small drawing helpers shared by the skin's picture families.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QSize>

namespace kw::skin {

// A transparent canvas of the given size.
QImage Canvas(QSize size);

// A canvas filled with one colour.
QImage FilledCanvas(QSize size, QRgb colour);

// A painter with anti-aliasing on.
void StartPainter(QPainter &painter, QImage &image);

// A top-to-bottom gradient over rect.
QBrush VerticalGradient(const QRectF &rect, QRgb top, QRgb bottom);

// Fills path with brush and strokes it with a pen of the given colour and width.
void FillAndStroke(QPainter &painter, const QPainterPath &path, const QBrush &fill,
                   QRgb edge, qreal width = 1.0);

// A circle around centre.
QPainterPath Circle(QPointF centre, qreal radius);

// A rounded rectangle.
QPainterPath RoundedBox(const QRectF &rect, qreal radius);

// Colour that lies t of the way from a to b.
QRgb Mix(QRgb a, QRgb b, qreal t);

// Turns every pixel grey (keeping its brightness) and fades it by opacity.
QImage GreyedOut(const QImage &image, qreal opacity);

// Composes layer over base at the given position.
void DrawOver(QImage &base, const QImage &layer, QPoint at = {});

// The sans-serif font the skin's lettering uses, pixel-sized.
QFont SkinFont(int pixelSize, bool bold);

} // namespace kw::skin
