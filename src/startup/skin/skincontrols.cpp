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

ButtonColours ColoursFor(ButtonState state)
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
void Shine(QPainter &painter, const QRectF &box, qreal radius)
{
    painter.save();
    painter.setClipPath(RoundedBox(box, radius));
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1));
    painter.drawLine(QPointF(box.left() + radius * 0.6, box.top() + 1),
                     QPointF(box.right() - radius * 0.6, box.top() + 1));
    painter.restore();
}

// A sunken well on a panel-coloured band.
void Well(QPainter &painter, const QRectF &box, QRgb top, QRgb bottom)
{
    FillAndStroke(painter, RoundedBox(box, 4), VerticalGradient(box, top, bottom), kPanelLine, 1);
    painter.save();
    painter.setClipPath(RoundedBox(box, 4));
    painter.setPen(QPen(QColor(0, 0, 0, 28), 1));
    painter.drawLine(QPointF(box.left() + 2, box.top() + 1), QPointF(box.right() - 2, box.top() + 1));
    painter.restore();
}

} // namespace

QImage ToolButton(IconPainter icon, ButtonState state)
{
    QImage image = FilledCanvas(kToolButton, kPanel);
    QPainter painter;
    StartPainter(painter, image);
    if (state == ButtonState::On || state == ButtonState::Pressed) {
        const ButtonColours colours = ColoursFor(state);
        const QRectF box(1.5, 1.5, kToolButton.width() - 3, kToolButton.height() - 3);
        FillAndStroke(painter, RoundedBox(box, 7), VerticalGradient(box, colours.top, colours.bottom),
                      colours.edge, 1);
        if (state == ButtonState::On)
            Shine(painter, box, 7);
    }

    QImage layer = Canvas(kToolButton);
    {
        QPainter iconPainter;
        StartPainter(iconPainter, layer);
        const qreal nudge = state == ButtonState::Pressed ? 1 : 0;
        iconPainter.translate((kToolButton.width() - 32) / 2.0 + nudge, 4 + nudge);
        icon(iconPainter);
    }
    if (state == ButtonState::Disabled)
        layer = GreyedOut(layer, 0.5);
    painter.drawImage(0, 0, layer);
    return image;
}

QImage PlainButton(ButtonState state)
{
    QImage image = FilledCanvas(kButton, kPage);
    QPainter painter;
    StartPainter(painter, image);
    const ButtonColours colours = ColoursFor(state);
    const QRectF box(0.5, 0.5, kButton.width() - 1, kButton.height() - 1);
    FillAndStroke(painter, RoundedBox(box, 5), VerticalGradient(box, colours.top, colours.bottom),
                  colours.edge, 1);
    if (state != ButtonState::Pressed)
        Shine(painter, box, 5);
    return image;
}

QImage LoadButton(bool hover)
{
    QImage image = FilledCanvas(kLoadButton, kPage);
    QPainter painter;
    StartPainter(painter, image);
    const QRectF box(0.5, 0.5, kLoadButton.width() - 1, kLoadButton.height() - 1);
    const QRgb top = hover ? Mix(kGreenLight, kPaper, 0.35) : kGreenLight;
    const QRgb bottom = hover ? kGreenLight : kGreen;
    FillAndStroke(painter, RoundedBox(box, 6), VerticalGradient(box, top, bottom),
                  hover ? kHoverEdge : kGreenDark, hover ? 1.4 : 1);
    Shine(painter, box, 6);
    QPainterPath arrow;
    arrow.moveTo(12.5, 5);
    arrow.lineTo(21.5, 10);
    arrow.lineTo(12.5, 15);
    arrow.closeSubpath();
    FillAndStroke(painter, arrow, QColor::fromRgb(kPaper), kPaper, 1.2);
    return image;
}

QImage BottomBand(BandKind kind)
{
    QSize size = kStatusBox;
    if (kind == BandKind::RemainingBox)
        size = kRemainingBox;
    else if (kind == BandKind::MarkingBox)
        size = kMarkingBox;
    QImage image = FilledCanvas(size, kPanel);
    QPainter painter;
    StartPainter(painter, image);
    const QRectF box(1.5, 2.5, size.width() - 3, size.height() - 5);
    switch (kind) {
    case BandKind::SecondAttemptBox:
        Well(painter, box, Mix(kPaper, kGreenLight, 0.3), Mix(kPaper, kGreenLight, 0.12));
        break;
    case BandKind::RemainingBox:
    case BandKind::StatusBox:
        Well(painter, box, Mix(kPaper, kPanel, 0.8), kPaper);
        break;
    case BandKind::MarkingBox: {
        Well(painter, box, Mix(kPaper, kPanel, 0.8), kPaper);
        const QRectF trough(kProgressFirstLeft - 2.5, kProgressTop - 2.5,
                            14 * kProgressPitch + kProgressStep.width() + 5,
                            kProgressStep.height() + 5);
        FillAndStroke(painter, RoundedBox(trough, 3), QColor::fromRgb(kSteelLight), kSteel, 1);
        break;
    }
    }
    return image;
}

QImage ColumnHead(QSize size)
{
    QImage image = FilledCanvas(size, kPage);
    QPainter painter;
    StartPainter(painter, image);
    const QRectF box(0.5, 0.5, size.width() - 1, size.height() + 8); // square bottom
    painter.save();
    painter.setClipRect(QRectF(0, 0, size.width(), size.height() - 2));
    FillAndStroke(painter, RoundedBox(box, 6),
                  VerticalGradient(QRectF(0, 0, size.width(), size.height()), kPaper, kSky),
                  kBlueLight, 1);
    painter.restore();
    painter.fillRect(QRectF(0, size.height() - 2, size.width(), 2), QColor::fromRgb(kBlue));
    // A small orange mark at the left, where the caption begins.
    FillAndStroke(painter, RoundedBox({6, 7, 4, size.height() - 15.0}, 2), QColor::fromRgb(kOrange), 0, 0);
    return image;
}

QImage ProgressStep()
{
    QImage image = FilledCanvas(kProgressStep, kSteelLight);
    QPainter painter;
    StartPainter(painter, image);
    const QRectF box(0.5, 0.5, kProgressStep.width() - 1, kProgressStep.height() - 1);
    FillAndStroke(painter, RoundedBox(box, 2), VerticalGradient(box, kGreenLight, kGreen),
                  kGreenDark, 1);
    Shine(painter, box, 2);
    return image;
}

QImage SizeGrip()
{
    QImage image = FilledCanvas(kGrip, kPanel);
    QPainter painter;
    StartPainter(painter, image);
    for (int row = 0; row < 3; ++row) {
        for (int column = 2 - row; column < 3; ++column) {
            const QRectF dot(2 + 3.5 * column, 2 + 3.5 * row, 2, 2);
            painter.fillRect(dot.translated(0.8, 0.8), QColor::fromRgb(kPaper));
            painter.fillRect(dot, QColor::fromRgb(kSteel));
        }
    }
    return image;
}

QImage Bullet()
{
    QImage image = FilledCanvas(kBullet, kPage);
    QPainter painter;
    StartPainter(painter, image);
    const QPointF centre(kBullet.width() / 2.0, kBullet.height() / 2.0);
    FillAndStroke(painter, Circle(centre, 4.6), VerticalGradient({1, 1, 10, 10}, kYellow, kOrange),
                  kOrangeDark, 1);
    FillAndStroke(painter, Circle(centre - QPointF(1.4, 1.4), 1.3), QColor(255, 255, 255, 190), 0, 0);
    return image;
}

QImage SheetHandle()
{
    QImage image = FilledCanvas(kHandle, kPanel);
    QPainter painter;
    StartPainter(painter, image);
    const QRectF box(1.5, 1.5, kHandle.width() - 3, kHandle.height() - 3);
    FillAndStroke(painter, RoundedBox(box, 4.5), VerticalGradient(box, kButtonTop, kButtonBottom),
                  kButtonEdge, 1);
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
    FillAndStroke(painter, right, QColor::fromRgb(kBlue), kBlue, 0.8);
    FillAndStroke(painter, left, QColor::fromRgb(kBlue), kBlue, 0.8);
    return image;
}

QImage PenMark()
{
    QImage image = FilledCanvas(kPen, kPanel);
    DrawOver(image, PencilIcon(kPen));
    return image;
}

QImage SectionBar()
{
    QImage image = FilledCanvas(kSectionBar, kPage);
    QPainter painter;
    StartPainter(painter, image);
    const QRectF box(0.5, 0.5, kSectionBar.width() - 1, kSectionBar.height() - 1);
    FillAndStroke(painter, RoundedBox(box, 5), VerticalGradient(box, kBlueLight, kBlue), kBlueDark, 1);
    Shine(painter, box, 5);
    // A small chevron at the left says "open me".
    painter.setPen(QPen(QColor::fromRgb(kPaper), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QList<QPointF>{{8, 9}, {12, 13}, {16, 9}});
    return image;
}

} // namespace kw::skin
