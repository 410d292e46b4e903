// The window frame: title strip, window buttons, edges, corners and tabs.

#include "skinfamilies.h"
#include "skinpaint.h"
#include "skintheme.h"

#include <QPainter>
#include <QPainterPath>

#include <optional>

namespace kw::skin {

namespace {

struct StripColours {
    QRgb top, bottom, edge, shine;
};

StripColours coloursOf(Strip strip)
{
    if (strip == Strip::Active)
        return {kTitleTop, kTitleBottom, kTitleEdge, kTitleShine};
    return {kWhiteTop, kWhiteBottom, kWhiteEdge, kWhiteTop};
}

// One piece of the title strip. The gradient is laid over the strip's full
// height so that the pieces and the window buttons on them line up. The
// outline runs along the top and the bottom, and down the side that is given
// (a cut corner there); a piece without a side continues on both ends.
QImage stripPiece(QSize size, Strip strip, std::optional<Side> side)
{
    const StripColours colours = coloursOf(strip);
    QImage image = filledCanvas(size, colours.edge);
    QPainter painter;
    startPainter(painter, image);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal radius = 4.5;
    QRectF face(-radius * 2, 1, w + radius * 4, h - 2);
    if (side == Side::Left)
        face.setLeft(1);
    else if (side == Side::Right)
        face.setRight(w - 1);
    painter.setClipRect(QRectF(0, 0, w, h));
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalGradient({0, 1, w, h - 2}, colours.top, colours.bottom));
    // Only the top corners are rounded: a second, square rectangle fills the bottom.
    painter.drawRoundedRect(face, radius, radius);
    painter.drawRect(QRectF(face.left(), face.top() + radius, face.width(), face.height() - radius));
    // The shine line just under the top edge.
    painter.setClipRect(QRectF(face.left() + radius, 1, face.width() - 2 * radius, 1));
    painter.fillRect(QRectF(0, 1, w, 1), QColor::fromRgb(colours.shine));
    return image;
}

void paintGlyph(QPainter &painter, WindowGlyph glyph, QRgb colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, glyph == WindowGlyph::Close);
    const QColor c = QColor::fromRgb(colour);
    switch (glyph) {
    case WindowGlyph::Close: {
        QPen pen(c, 2.2, Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(QPointF(6.5, 5.5), QPointF(13.5, 12.5));
        painter.drawLine(QPointF(13.5, 5.5), QPointF(6.5, 12.5));
        break;
    }
    case WindowGlyph::Minimise:
        painter.fillRect(QRect(6, 11, 8, 2), c);
        break;
    case WindowGlyph::Maximise:
        painter.setPen(QPen(c, 1));
        painter.drawRect(QRect(5, 4, 9, 8));
        painter.fillRect(QRect(5, 4, 10, 2), c);
        break;
    case WindowGlyph::Restore:
        // The window behind: only the parts the front window leaves free.
        painter.fillRect(QRect(8, 3, 8, 2), c);
        painter.fillRect(QRect(15, 5, 1, 5), c);
        painter.fillRect(QRect(8, 5, 1, 2), c);
        painter.fillRect(QRect(13, 9, 2, 1), c);
        // The window in front.
        painter.setPen(QPen(c, 1));
        painter.drawRect(QRect(5, 7, 7, 6));
        painter.fillRect(QRect(5, 7, 8, 2), c);
        break;
    }
    painter.restore();
}

// The outline path of a tab, open at the bottom.
QPainterPath tabOutline(bool closed)
{
    const qreal w = kTab.width();
    const qreal h = kTab.height();
    QPainterPath path;
    path.moveTo(0.5, h);
    path.lineTo(3, 7);
    path.quadTo(4, 0.5, 10, 0.5);
    path.lineTo(w - 10, 0.5);
    path.quadTo(w - 4, 0.5, w - 3, 7);
    path.lineTo(w - 0.5, h);
    if (closed)
        path.closeSubpath();
    return path;
}

} // namespace

QImage titleLeft(Strip strip)
{
    return stripPiece(kTitleLeft, strip, Side::Left);
}

QImage titleCentre(Strip strip)
{
    return stripPiece(kTitleCentre, strip, std::nullopt);
}

QImage titleRight(Strip strip)
{
    return stripPiece(kTitleRight, strip, Side::Right);
}

QImage windowButton(WindowGlyph glyph, WindowButtonLook look)
{
    // The button stands vertically centred on the strip; its background is
    // that stretch of the strip.
    const Strip strip = look == WindowButtonLook::Inactive ? Strip::Inactive : Strip::Active;
    const int top = (kTitleHeight - kWindowButton.height()) / 2;
    QImage image = stripPiece({kWindowButton.width(), kTitleHeight}, strip, std::nullopt)
                       .copy(QRect(QPoint(0, top), kWindowButton));
    QPainter painter;
    startPainter(painter, image);
    QRgb glyphColour = kTitleText;
    if (look == WindowButtonLook::Hover) {
        const QRectF box(0.5, 0.5, kWindowButton.width() - 1, kWindowButton.height() - 1);
        const bool close = glyph == WindowGlyph::Close;
        if (close)
            gradientBox(painter, box, 3.5, kRedLight, kRed, kRedDark);
        else
            gradientBox(painter, box, 3.5, mix(kBlueLight, kPaper, 0.3), kBlueLight, kTitleEdge);
    } else if (look == WindowButtonLook::Inactive) {
        glyphColour = kSteel;
    } else {
        // Resting on the blue strip: a faint frame so that the button can be found.
        const QRectF box(0.5, 0.5, kWindowButton.width() - 1, kWindowButton.height() - 1);
        fillAndStroke(painter, roundedBox(box, 3.5), QColor(255, 255, 255, 28),
                      qRgba(255, 255, 255, 70), 1);
    }
    paintGlyph(painter, glyph, glyphColour);
    return image;
}

QImage frameSide(Side side)
{
    QImage image = filledCanvas(kFrameSide, kFrameFace);
    QPainter painter(&image);
    const int h = kFrameSide.height();
    const int outer = side == Side::Left ? 0 : kFrameWidth - 1;
    const int inner = side == Side::Left ? kFrameWidth - 1 : 0;
    painter.fillRect(QRect(outer, 0, 1, h), QColor::fromRgb(kFrameOuter));
    painter.fillRect(QRect(inner, 0, 1, h), QColor::fromRgb(kFrameInner));
    // A lighter face column next to the outline.
    const int light = side == Side::Left ? 1 : kFrameWidth - 2;
    painter.fillRect(QRect(light, 0, 1, h), QColor::fromRgb(mix(kFrameFace, kPaper, 0.4)));
    return image;
}

QImage frameBottom()
{
    QImage image = filledCanvas(kFrameBottom, kFrameFace);
    QPainter painter(&image);
    const int w = kFrameBottom.width();
    painter.fillRect(QRect(0, 0, w, 1), QColor::fromRgb(kFrameInner));
    painter.fillRect(QRect(0, kFrameWidth - 2, w, 1), QColor::fromRgb(mix(kFrameFace, kFrameInner, 0.4)));
    painter.fillRect(QRect(0, kFrameWidth - 1, w, 1), QColor::fromRgb(kFrameOuter));
    return image;
}

QImage frameCorner(Side side)
{
    // Drawn as the bottom-left corner and mirrored for the right.
    QImage image = filledCanvas(kFrameCorner, kFrameFace);
    {
        QPainter painter(&image);
        const int w = kFrameCorner.width();
        const int h = kFrameCorner.height();
        const int e = kFrameWidth;
        painter.fillRect(QRect(e - 1, 0, 1, h - e + 1), QColor::fromRgb(kFrameInner));
        painter.fillRect(QRect(e - 1, h - e, w - e + 1, 1), QColor::fromRgb(kFrameInner));
        painter.fillRect(QRect(1, 0, 1, h - 1), QColor::fromRgb(mix(kFrameFace, kPaper, 0.4)));
        painter.fillRect(QRect(1, h - 2, w - 1, 1), QColor::fromRgb(mix(kFrameFace, kFrameInner, 0.4)));
        painter.fillRect(QRect(0, 0, 1, h), QColor::fromRgb(kFrameOuter));
        painter.fillRect(QRect(0, h - 1, w, 1), QColor::fromRgb(kFrameOuter));
    }
    return side == Side::Left ? image : image.mirrored(true, false);
}

QImage dialogCorner(Side side)
{
    // The message dialog's bottom corners are rounded (its window region cuts
    // them by 7 pixels); outside the curve the picture is transparent.
    QImage image = canvas(kDialogCorner);
    {
        QPainter painter;
        startPainter(painter, image);
        const qreal w = kDialogCorner.width();
        const qreal h = kDialogCorner.height();
        const qreal e = kFrameWidth;
        const auto ring = [&](qreal inset, qreal radius, QRgb colour) {
            // A rounded box whose only visible corner is the bottom-left one.
            const QRectF box(inset, -3 * h, 4 * w, 4 * h - inset);
            fillAndStroke(painter, roundedBox(box, radius), QColor::fromRgb(colour), 0, 0);
        };
        ring(0, 7, kFrameOuter);
        ring(1, 6, mix(kFrameFace, kPaper, 0.4));
        ring(2, 5, kFrameFace);
        ring(e - 1, 3, kFrameInner);
        ring(e, 2, kPage);
    }
    return side == Side::Left ? image : image.mirrored(true, false);
}

QImage tab(bool front, bool hover)
{
    QImage image = filledCanvas(kTab, kWindow);
    QPainter painter;
    startPainter(painter, image);
    const QRectF all(0, 0, kTab.width(), kTab.height());
    QBrush fill;
    if (front)
        fill = verticalGradient(all, hover ? kPaper : mix(kPaper, kPanel, 0.3), kPanel);
    else if (hover)
        fill = verticalGradient(all, kTabHoverTop, kTabHoverBottom);
    else
        fill = verticalGradient(all, kTabBackTop, kTabBackBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(tabOutline(true));
    if (front) {
        // The chosen tab carries an orange band along its top.
        painter.save();
        painter.setClipPath(tabOutline(true));
        painter.fillRect(QRectF(0, 0, kTab.width(), 3.5),
                         QColor::fromRgb(hover ? mix(kTabAccent, kYellow, 0.4) : kTabAccent));
        painter.restore();
    } else if (hover) {
        painter.save();
        painter.setClipPath(tabOutline(true));
        painter.fillRect(QRectF(0, 0, kTab.width(), 2.5), QColor::fromRgb(kYellow));
        painter.restore();
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor::fromRgb(front ? kBlueLight : kTabEdge), 1));
    painter.drawPath(tabOutline(false));
    return image;
}

} // namespace kw::skin
