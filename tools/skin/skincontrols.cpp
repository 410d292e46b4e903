// Buttons, bands and the small parts of the windows.

#include "skinfamilies.h"
#include "skinpaint.h"
#include "skintheme.h"

#include <QPainter>
#include <QPainterPath>

namespace kw::skin {

namespace {

struct ButtonColours {
    QRgb top, bottom, edge;
};

ButtonColours coloursFor(ButtonState state)
{
    switch (state) {
    case ButtonState::On:
        return {kHoverTop, kHoverBottom, kHoverEdge};
    case ButtonState::Pressed:
        return {kPressedTop, kPressedBottom, kPressedEdge};
    case ButtonState::Off:
    case ButtonState::Disabled:
        break;
    }
    return {kButtonTop, kButtonBottom, kButtonEdge};
}

// A white line just inside the top of a rounded button, for a gentle shine.
void shine(QPainter &painter, const QRectF &box, qreal radius)
{
    painter.save();
    painter.setClipPath(roundedBox(box, radius));
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1));
    painter.drawLine(QPointF(box.left() + radius * 0.6, box.top() + 1),
                     QPointF(box.right() - radius * 0.6, box.top() + 1));
    painter.restore();
}

// A sunken well on a panel-coloured band.
void well(QPainter &painter, const QRectF &box, QRgb top, QRgb bottom)
{
    gradientBox(painter, box, 4, top, bottom, kPanelLine);
    painter.save();
    painter.setClipPath(roundedBox(box, 4));
    painter.setPen(QPen(QColor(0, 0, 0, 28), 1));
    painter.drawLine(QPointF(box.left() + 2, box.top() + 1), QPointF(box.right() - 2, box.top() + 1));
    painter.restore();
}

// A picture of the given size on `background`, filled by one rounded box in
// the given colours; with a shine unless it is to look pressed in.
QImage roundedFace(QSize size, QRgb background, qreal radius, ButtonColours colours, bool withShine)
{
    QImage image = filledCanvas(size, background);
    QPainter painter;
    startPainter(painter, image);
    const QRectF box(0.5, 0.5, size.width() - 1, size.height() - 1);
    gradientBox(painter, box, radius, colours.top, colours.bottom, colours.edge);
    if (withShine)
        shine(painter, box, radius);
    painter.end();
    return image;
}

} // namespace

QImage toolButton(IconPainter icon, ButtonState state)
{
    QImage image = filledCanvas(kToolButton, kPanel);
    QPainter painter;
    startPainter(painter, image);
    if (state == ButtonState::On || state == ButtonState::Pressed) {
        const ButtonColours colours = coloursFor(state);
        const QRectF box(1.5, 1.5, kToolButton.width() - 3, kToolButton.height() - 3);
        gradientBox(painter, box, 7, colours.top, colours.bottom, colours.edge);
        if (state == ButtonState::On)
            shine(painter, box, 7);
    }

    QImage layer = canvas(kToolButton);
    {
        QPainter iconPainter;
        startPainter(iconPainter, layer);
        const qreal nudge = state == ButtonState::Pressed ? 1 : 0;
        iconPainter.translate((kToolButton.width() - 32) / 2.0 + nudge, 4 + nudge);
        icon(iconPainter);
    }
    if (state == ButtonState::Disabled)
        layer = greyedOut(layer, 0.5);
    painter.drawImage(0, 0, layer);
    return image;
}

QImage plainButton(ButtonState state)
{
    return roundedFace(kButton, kPage, 5, coloursFor(state), state != ButtonState::Pressed);
}

QImage loadButton(bool hover)
{
    QImage image = filledCanvas(kLoadButton, kPage);
    QPainter painter;
    startPainter(painter, image);
    const QRectF box(0.5, 0.5, kLoadButton.width() - 1, kLoadButton.height() - 1);
    const QRgb top = hover ? mix(kGreenLight, kPaper, 0.35) : kGreenLight;
    const QRgb bottom = hover ? kGreenLight : kGreen;
    gradientBox(painter, box, 6, top, bottom, hover ? kHoverEdge : kGreenDark, hover ? 1.4 : 1);
    shine(painter, box, 6);
    QPainterPath arrow;
    arrow.moveTo(12.5, 5);
    arrow.lineTo(21.5, 10);
    arrow.lineTo(12.5, 15);
    arrow.closeSubpath();
    fillAndStroke(painter, arrow, QColor::fromRgb(kPaper), kPaper, 1.2);
    return image;
}

QImage bottomBand(BandKind kind)
{
    QSize size = kStatusBox;
    if (kind == BandKind::RemainingBox)
        size = kRemainingBox;
    else if (kind == BandKind::MarkingBox)
        size = kMarkingBox;
    QImage image = filledCanvas(size, kPanel);
    QPainter painter;
    startPainter(painter, image);
    const QRectF box(1.5, 2.5, size.width() - 3, size.height() - 5);
    switch (kind) {
    case BandKind::SecondAttemptBox:
        well(painter, box, mix(kPaper, kGreenLight, 0.3), mix(kPaper, kGreenLight, 0.12));
        break;
    case BandKind::RemainingBox:
    case BandKind::StatusBox:
        well(painter, box, mix(kPaper, kPanel, 0.8), kPaper);
        break;
    case BandKind::MarkingBox: {
        well(painter, box, mix(kPaper, kPanel, 0.8), kPaper);
        const QRectF trough(kProgressFirstLeft - 2.5, kProgressTop - 2.5,
                            14 * kProgressPitch + kProgressStep.width() + 5,
                            kProgressStep.height() + 5);
        fillAndStroke(painter, roundedBox(trough, 3), QColor::fromRgb(kSteelLight), kSteel, 1);
        break;
    }
    }
    return image;
}

QImage columnHead(QSize size)
{
    QImage image = filledCanvas(size, kPage);
    QPainter painter;
    startPainter(painter, image);
    const QRectF box(0.5, 0.5, size.width() - 1, size.height() + 8); // square bottom
    painter.save();
    painter.setClipRect(QRectF(0, 0, size.width(), size.height() - 2));
    fillAndStroke(painter, roundedBox(box, 6),
                  verticalGradient(QRectF(0, 0, size.width(), size.height()), kPaper, kSky),
                  kBlueLight, 1);
    painter.restore();
    painter.fillRect(QRectF(0, size.height() - 2, size.width(), 2), QColor::fromRgb(kBlue));
    // A small orange mark at the left, where the caption begins.
    fillAndStroke(painter, roundedBox({6, 7, 4, size.height() - 15.0}, 2), QColor::fromRgb(kOrange), 0, 0);
    return image;
}

QImage progressStep()
{
    return roundedFace(kProgressStep, kSteelLight, 2, {kGreenLight, kGreen, kGreenDark}, true);
}

QImage sizeGrip()
{
    QImage image = filledCanvas(kGrip, kPanel);
    QPainter painter;
    startPainter(painter, image);
    for (int row = 0; row < 3; ++row) {
        for (int column = 2 - row; column < 3; ++column) {
            const QRectF dot(2 + 3.5 * column, 2 + 3.5 * row, 2, 2);
            painter.fillRect(dot.translated(0.8, 0.8), QColor::fromRgb(kPaper));
            painter.fillRect(dot, QColor::fromRgb(kSteel));
        }
    }
    return image;
}

QImage bullet()
{
    QImage image = filledCanvas(kBullet, kPage);
    QPainter painter;
    startPainter(painter, image);
    const QPointF centre(kBullet.width() / 2.0, kBullet.height() / 2.0);
    fillAndStroke(painter, circle(centre, 4.6), verticalGradient({1, 1, 10, 10}, kYellow, kOrange),
                  kOrangeDark, 1);
    fillAndStroke(painter, circle(centre - QPointF(1.4, 1.4), 1.3), QColor(255, 255, 255, 190), 0, 0);
    return image;
}

QImage sheetHandle()
{
    QImage image = filledCanvas(kHandle, kPanel);
    QPainter painter;
    startPainter(painter, image);
    const QRectF box(1.5, 1.5, kHandle.width() - 3, kHandle.height() - 3);
    gradientBox(painter, box, 4.5, kButtonTop, kButtonBottom, kButtonEdge);
    const qreal middle = kHandle.height() / 2.0;
    for (qreal dy : {-4.0, 0.0, 4.0}) {
        painter.setPen(QPen(QColor::fromRgb(kButtonEdge), 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(4, middle + dy), QPointF(8, middle + dy));
    }
    // Little arrows: the sheet slides right out of view and back to the left.
    QPainterPath right;
    right.moveTo(4.5, 10);
    right.lineTo(8, 13);
    right.lineTo(4.5, 16);
    right.closeSubpath();
    QPainterPath left;
    left.moveTo(7.5, kHandle.height() - 16.0);
    left.lineTo(4, kHandle.height() - 13.0);
    left.lineTo(7.5, kHandle.height() - 10.0);
    left.closeSubpath();
    fillAndStroke(painter, right, QColor::fromRgb(kBlue), kBlue, 0.8);
    fillAndStroke(painter, left, QColor::fromRgb(kBlue), kBlue, 0.8);
    return image;
}

QImage penMark()
{
    QImage image = filledCanvas(kPen, kPanel);
    drawOver(image, pencilIcon(kPen));
    return image;
}

QImage sectionBar()
{
    QImage image = roundedFace(kSectionBar, kPage, 5, {kBlueLight, kBlue, kBlueDark}, true);
    QPainter painter;
    startPainter(painter, image);
    // A small chevron at the left says "open me".
    painter.setPen(QPen(QColor::fromRgb(kPaper), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QList<QPointF>{{8, 9}, {12, 13}, {16, 9}});
    return image;
}

} // namespace kw::skin
