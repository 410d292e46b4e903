#include "toolicons.h"

#include "skinpaint.h"
#include "skintheme.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace kw::skin {

namespace {

constexpr qreal kEdge = 1.2; // outline width of every icon shape

void line(QPainter &painter, QPointF from, QPointF to, QRgb colour, qreal width)
{
    painter.save();
    QPen pen(QColor::fromRgb(colour), width);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(from, to);
    painter.restore();
}

// A sheet of paper with its top-right corner folded over.
void foldedSheet(QPainter &painter, const QRectF &rect)
{
    const qreal fold = 6;
    const QPainterPath sheet = polygon({rect.topLeft(), {rect.right() - fold, rect.top()},
                                        {rect.right(), rect.top() + fold}, rect.bottomRight(),
                                        rect.bottomLeft()});
    fillAndStroke(painter, sheet, QColor::fromRgb(kPaper), kSteelDark, kEdge);
    const QPainterPath flap = polygon({{rect.right() - fold, rect.top()},
                                       {rect.right() - fold, rect.top() + fold},
                                       {rect.right(), rect.top() + fold}});
    fillAndStroke(painter, flap, QColor::fromRgb(kSteelLight), kSteelDark, kEdge);
}

// The round badge that back, forward and about stand on.
void blueBadge(QPainter &painter)
{
    const QRectF box(3, 3, 26, 26);
    fillAndStroke(painter, circle({16, 16}, 13), verticalGradient(box, kBlueLight, kBlue),
                  kBlueDark, kEdge);
    // A soft shine on the upper half.
    QPainterPath shine;
    shine.addEllipse(QRectF(8, 5, 16, 9));
    painter.save();
    painter.setOpacity(0.25);
    fillAndStroke(painter, shine, Qt::white, 0, 0);
    painter.restore();
}

void printer(QPainter &painter)
{
    QPainterPath paperIn;
    paperIn.addRect(QRectF(9, 2.5, 14, 11));
    fillAndStroke(painter, paperIn, QColor::fromRgb(kPaper), kSteelDark, kEdge);
    line(painter, {11.5, 6}, {20.5, 6}, kPaperLine, 1.3);
    const QRectF body(2.5, 11, 27, 12.5);
    gradientBox(painter, body, 3, kSteelLight, kSteel, kSteelDark, kEdge);
    QPainterPath slot;
    slot.addRect(QRectF(7, 18.5, 18, 2));
    fillAndStroke(painter, slot, QColor::fromRgb(kSteelDark), 0, 0);
    QPainterPath paperOut;
    paperOut.addRect(QRectF(8, 19.5, 16, 10));
    fillAndStroke(painter, paperOut, QColor::fromRgb(kPaper), kSteelDark, kEdge);
    line(painter, {10.5, 23}, {21.5, 23}, kBlue, 1.3);
    line(painter, {10.5, 26}, {18.5, 26}, kPaperLine, 1.3);
    fillAndStroke(painter, circle({25.5, 15}, 1.4), QColor::fromRgb(kGreen), kGreenDark, 0.6);
}

QPainterPath cog(QPointF centre, qreal outer, qreal root, int teeth)
{
    QPolygonF points;
    const qreal step = 2 * std::numbers::pi / teeth;
    for (int k = 0; k < teeth; ++k) {
        const qreal a = k * step;
        const auto at = [&](qreal angle, qreal radius) {
            return QPointF(centre.x() + radius * std::cos(angle),
                           centre.y() + radius * std::sin(angle));
        };
        points << at(a - step * 0.36, root) << at(a - step * 0.2, outer)
               << at(a + step * 0.2, outer) << at(a + step * 0.36, root);
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

} // namespace

void homeIcon(QPainter &painter)
{
    fillAndStroke(painter, roundedBox({20.5, 4.5, 4, 8}, 0.8),
                  verticalGradient({20.5, 4.5, 4, 8}, kRedLight, kRed), kRedDark, kEdge);
    const QRectF walls(7, 13, 18, 15);
    QPainterPath wallPath;
    wallPath.addRect(walls);
    fillAndStroke(painter, wallPath, verticalGradient(walls, kCream, mix(kCream, kOrange, 0.35)),
                  kOrangeDark, kEdge);
    const QRectF door(13.5, 19, 5, 9);
    gradientBox(painter, door, 1.2, kBlueLight, kBlue, kBlueDark, kEdge);
    fillAndStroke(painter, circle({17, 23.8}, 0.7), QColor::fromRgb(kYellow), 0, 0);
    for (qreal left : {8.8, 20.0}) {
        fillAndStroke(painter, roundedBox({left, 17, 3.4, 3.4}, 0.6), QColor::fromRgb(kSky),
                      kBlueDark, 0.9);
    }
    const QPainterPath roof =
        polygon({{2, 15.5}, {16, 3}, {30, 15.5}, {27.5, 18}, {16, 8}, {4.5, 18}});
    fillAndStroke(painter, roof, verticalGradient({2, 3, 28, 15}, kRedLight, kRed), kRedDark,
                  kEdge);
}

void reportIcon(QPainter &painter)
{
    foldedSheet(painter, {6, 2.5, 20, 27});
    line(painter, {9.5, 7}, {16.5, 7}, kBlue, 1.6);
    line(painter, {9.5, 10.5}, {19.5, 10.5}, kPaperLine, 1.4);
    struct Bar {
        qreal left, top;
        QRgb light, dark;
    };
    for (const Bar &bar : {Bar{9.5, 19.5, kGreenLight, kGreenDark}, Bar{14.2, 15.5, kYellow, kOrangeDark},
                           Bar{18.9, 13, kBlueLight, kBlueDark}}) {
        const QRectF r(bar.left, bar.top, 3.8, 26 - bar.top);
        QPainterPath path;
        path.addRect(r);
        fillAndStroke(painter, path, verticalGradient(r, bar.light, mix(bar.light, bar.dark, 0.5)),
                      bar.dark, 0.9);
    }
    line(painter, {8.5, 26.3}, {23.5, 26.3}, kInk, 1.1);
}

void printIcon(QPainter &painter)
{
    printer(painter);
}

void closeIcon(QPainter &painter)
{
    fillAndStroke(painter, circle({16, 16}, 13), verticalGradient({3, 3, 26, 26}, kRedLight, kRed),
                  kRedDark, kEdge);
    line(painter, {11, 11}, {21, 21}, kPaper, 3.4);
    line(painter, {21, 11}, {11, 21}, kPaper, 3.4);
}

void saveIcon(QPainter &painter)
{
    const QRectF disk(4, 4, 24, 24);
    const QPainterPath shape = polygon({{4, 4}, {25, 4}, {28, 7}, {28, 28}, {4, 28}});
    fillAndStroke(painter, shape, verticalGradient(disk, kBlueLight, kBlue), kBlueDark, kEdge);
    QPainterPath shutter;
    shutter.addRect(QRectF(10, 4, 12, 8.5));
    fillAndStroke(painter, shutter, verticalGradient({10, 4, 12, 8.5}, kPaper, kSteelLight),
                  kSteelDark, kEdge);
    QPainterPath hole;
    hole.addRect(QRectF(17.5, 5.5, 2.6, 5.5));
    fillAndStroke(painter, hole, QColor::fromRgb(kSteelDark), 0, 0);
    fillAndStroke(painter, roundedBox({8, 16, 16, 12}, 1.2), QColor::fromRgb(kPaper), kBlueDark,
                  kEdge);
    line(painter, {10.5, 20}, {21.5, 20}, kPaperLine, 1.3);
    line(painter, {10.5, 23.5}, {21.5, 23.5}, kPaperLine, 1.3);
}

void markIcon(QPainter &painter)
{
    foldedSheet(painter, {5, 3, 19, 26});
    for (qreal y : {9.0, 13.0, 17.0, 21.0, 25.0})
        line(painter, {8.5, y}, {19.5, y}, kPaperLine, 1.3);
    QPainterPath tick;
    tick.moveTo(9, 17.5);
    tick.lineTo(15, 24);
    tick.lineTo(28.5, 7.5);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    QPen pen(QColor::fromRgb(kGreenDark), 6.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawPath(tick);
    pen.setColor(QColor::fromRgb(kGreen));
    pen.setWidthF(4.2);
    painter.setPen(pen);
    painter.drawPath(tick);
    painter.restore();
}

void backIcon(QPainter &painter)
{
    blueBadge(painter);
    const QPainterPath arrow = polygon({{7.5, 16}, {15, 8.5}, {15, 12.8}, {24, 12.8}, {24, 19.2},
                                        {15, 19.2}, {15, 23.5}});
    fillAndStroke(painter, arrow, QColor::fromRgb(kPaper), kPaper, 0.8);
}

void forwardIcon(QPainter &painter)
{
    blueBadge(painter);
    const QPainterPath arrow = polygon({{24.5, 16}, {17, 8.5}, {17, 12.8}, {8, 12.8}, {8, 19.2},
                                        {17, 19.2}, {17, 23.5}});
    fillAndStroke(painter, arrow, QColor::fromRgb(kPaper), kPaper, 0.8);
}

void aboutIcon(QPainter &painter)
{
    blueBadge(painter);
    fillAndStroke(painter, circle({16, 9.4}, 2.5), QColor::fromRgb(kPaper), 0, 0);
    fillAndStroke(painter, roundedBox({13.8, 13.4, 4.4, 11.8}, 1.6), QColor::fromRgb(kPaper), 0,
                  0);
}

void trashIcon(QPainter &painter)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor::fromRgb(kSteelDark), 1.6));
    painter.drawRoundedRect(QRectF(12.5, 3, 7, 5), 1.5, 1.5);
    painter.restore();
    const QRectF lid(5, 6.5, 22, 4);
    gradientBox(painter, lid, 1.5, kSteelLight, kSteel, kSteelDark, kEdge);
    const QPainterPath body = polygon({{7.5, 11.5}, {24.5, 11.5}, {23, 29}, {9, 29}});
    fillAndStroke(painter, body, verticalGradient({7.5, 11.5, 17, 17.5}, kSteelLight, kSteel),
                  kSteelDark, kEdge);
    line(painter, {12, 14.5}, {12.6, 26.3}, kSteelDark, 1.4);
    line(painter, {16, 14.5}, {16, 26.3}, kSteelDark, 1.4);
    line(painter, {20, 14.5}, {19.4, 26.3}, kSteelDark, 1.4);
}

void setupIcon(QPainter &painter)
{
    painter.save();
    painter.scale(0.8, 0.8);
    printer(painter);
    painter.restore();
    const QPointF centre(22.5, 22.5);
    fillAndStroke(painter, cog(centre, 9, 6.6, 8),
                  verticalGradient({13.5, 13.5, 18, 18}, kYellow, kOrange), kOrangeDark, 1.1);
    fillAndStroke(painter, circle(centre, 2.8), QColor::fromRgb(kPaper), kOrangeDark, 1.1);
}

} // namespace kw::skin
