// The window icons, the hand pointer, the information mark, the Kestrelworks
// logo and the card that shows how to type fractions.

#include "skinfamilies.h"
#include "skinpaint.h"
#include "skintheme.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace kw::skin {

namespace {

// The Kestrelworks mark: a kestrel hovering inside a round sky badge, drawn
// on a 100 x 100 grid. `detail` adds the eye stripe and the wing spots, which
// only show at larger sizes.
void kestrel(QPainter &painter, bool detail)
{
    const QRectF badge(2, 2, 96, 96);
    fillAndStroke(painter, circle({50, 50}, 47), verticalGradient(badge, kPaper, kSky), kBlue,
                  detail ? 3.5 : 7);

    const qreal edge = detail ? 2 : 0;
    // Tail, fanned and tipped with a dark band.
    const QPainterPath tail = polygon({{40, 62}, {14, 76}, {18, 86}, {44, 70}});
    fillAndStroke(painter, tail, QColor::fromRgb(kKestrelHead), kInk, edge);
    if (detail) {
        const QPainterPath band = polygon({{15.2, 79}, {18, 86}, {22.5, 83.2}, {19.6, 76.6}});
        fillAndStroke(painter, band, QColor::fromRgb(kInk), kInk, 0);
    }
    // Far wing, raised behind the body.
    QPainterPath farWing;
    farWing.moveTo(58, 48);
    farWing.cubicTo(62, 34, 70, 22, 84, 14);
    farWing.cubicTo(78, 28, 72, 42, 66, 54);
    farWing.closeSubpath();
    fillAndStroke(painter, farWing, QColor::fromRgb(mix(kKestrel, kInk, 0.3)), kInk, edge);
    // Body.
    QPainterPath body;
    body.addEllipse(QPointF(0, 0), 24, 14);
    body = QTransform().translate(50, 58).rotate(-22).map(body);
    fillAndStroke(painter, body, verticalGradient({26, 44, 48, 28}, mix(kKestrel, kCream, 0.2), kKestrel),
                  kInk, edge);
    // Pale breast.
    QPainterPath breast;
    breast.addEllipse(QPointF(0, 0), 15, 7);
    breast = QTransform().translate(58, 62).rotate(-22).map(breast);
    fillAndStroke(painter, breast, QColor::fromRgb(kCream), kCream, 0);
    // Near wing, swept up and back: russet with dark flight feathers at the tip.
    QPainterPath wing;
    wing.moveTo(52, 52);
    wing.cubicTo(42, 36, 30, 22, 10, 14);
    wing.cubicTo(22, 30, 28, 46, 38, 64);
    wing.closeSubpath();
    fillAndStroke(painter, wing, verticalGradient({10, 14, 42, 50}, mix(kKestrel, kCream, 0.25), kKestrel),
                  kInk, 0);
    painter.save();
    painter.setClipPath(wing);
    fillAndStroke(painter, circle({10, 14}, 17), QColor::fromRgb(mix(kInk, kKestrel, 0.25)), 0, 0);
    if (detail) {
        for (const QPointF &spot : {QPointF(37, 42), QPointF(43, 51), QPointF(33, 49)})
            fillAndStroke(painter, circle(spot, 1.5), QColor::fromRgb(mix(kInk, kKestrel, 0.3)), 0, 0);
    }
    painter.restore();
    fillAndStroke(painter, wing, Qt::NoBrush, kInk, edge);
    // Head with its blue-grey cap, yellow beak and a friendly eye.
    fillAndStroke(painter, circle({72, 42}, 12), QColor::fromRgb(kKestrelHead), kInk, edge);
    const QPainterPath beak = polygon({{82, 38}, {92, 43}, {83, 47}});
    fillAndStroke(painter, beak, QColor::fromRgb(kYellow), kOrangeDark, detail ? 1.5 : 0);
    fillAndStroke(painter, circle({75, 39}, 4), QColor::fromRgb(kPaper), 0, 0);
    fillAndStroke(painter, circle({76, 39}, 2.3), QColor::fromRgb(kInk), 0, 0);
    if (detail) {
        QPainterPath stripe;
        stripe.moveTo(72, 45);
        stripe.cubicTo(71, 49, 70, 51, 68, 53);
        painter.save();
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor::fromRgb(kInk), 2.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(stripe);
        painter.restore();
    }
}

void pencilGlyph(QPainter &painter)
{
    // On a 16 x 16 grid, pointing to the bottom left.
    painter.save();
    painter.translate(8, 8);
    painter.rotate(-45);
    const qreal edge = 0.9;
    fillAndStroke(painter, roundedBox({4.2, -2.5, 3.6, 5}, 1), QColor::fromRgb(kRedLight), kRedDark, edge);
    QPainterPath ferrule;
    ferrule.addRect(QRectF(2.6, -2.5, 1.8, 5));
    fillAndStroke(painter, ferrule, QColor::fromRgb(kSteelLight), kSteelDark, edge);
    QPainterPath body;
    body.addRect(QRectF(-4.5, -2.5, 7.1, 5));
    fillAndStroke(painter, body, verticalGradient({-4.5, -2.5, 7.1, 5}, kYellow, kOrange), kOrangeDark, edge);
    const QPainterPath wood = polygon({{-4.5, -2.5}, {-9, 0}, {-4.5, 2.5}});
    fillAndStroke(painter, wood, QColor::fromRgb(kCream), kOrangeDark, edge);
    const QPainterPath lead = polygon({{-7.4, -0.9}, {-9.2, 0}, {-7.4, 0.9}});
    fillAndStroke(painter, lead, QColor::fromRgb(kInk), kInk, 0.5);
    painter.restore();
}

// The largest font up to `pixelSize` in which text fits into width.
QFont fittedFont(const QString &text, int pixelSize, bool bold, qreal width)
{
    QFont font = skinFont(pixelSize, bold);
    while (pixelSize > 8 && QFontMetricsF(font).horizontalAdvance(text) > width)
        font = skinFont(--pixelSize, bold);
    return font;
}

// A fraction as written in a book: numerator over a bar over denominator,
// centred on x, with the bar at y.
void stackedFraction(QPainter &painter, qreal x, qreal y, const QString &top, const QString &bottom)
{
    const QFont font = skinFont(15, true);
    const QFontMetricsF metrics(font);
    const qreal width = std::max(metrics.horizontalAdvance(top), metrics.horizontalAdvance(bottom)) + 4;
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(kInk));
    painter.drawText(QRectF(x - width / 2, y - 19, width, 18), Qt::AlignHCenter | Qt::AlignBottom, top);
    painter.fillRect(QRectF(x - width / 2, y - 0.8, width, 1.6), QColor::fromRgb(kInk));
    painter.drawText(QRectF(x - width / 2, y + 1.5, width, 18), Qt::AlignHCenter | Qt::AlignTop, bottom);
}

// One row of the instruction card: a name, how the number looks in the
// question, an arrow, and what to type in the answer box.
void instructionRow(QPainter &painter, qreal top, const QString &name, const QString &whole,
                    const QString &numerator, const QString &denominator, const QString &typed)
{
    const qreal middle = top + 20;
    painter.setFont(skinFont(12, true));
    painter.setPen(QColor::fromRgb(kBlueDark));
    painter.drawText(QRectF(10, top, 72, 40), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, name);

    qreal fractionCentre = 104;
    if (!whole.isEmpty()) {
        painter.setFont(skinFont(17, true));
        painter.setPen(QColor::fromRgb(kInk));
        painter.drawText(QRectF(84, middle - 12, 16, 24), Qt::AlignRight | Qt::AlignVCenter, whole);
        fractionCentre = 110;
    }
    stackedFraction(painter, fractionCentre, middle, numerator, denominator);

    // Arrow.
    painter.setPen(QPen(QColor::fromRgb(kOrange), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(132, middle), QPointF(150, middle));
    painter.drawPolyline(QList<QPointF>{{145, middle - 5}, {150.5, middle}, {145, middle + 5}});

    // The answer box with the typed text and a caret after it.
    const QRectF box(158, middle - 14, 90, 28);
    fillAndStroke(painter, roundedBox(box, 3), QColor::fromRgb(kPaper), kBlueLight, 1.4);
    const QFont typing = skinFont(16, true);
    painter.setFont(typing);
    painter.setPen(QColor::fromRgb(kInk));
    const QRectF textBox = box.adjusted(8, 0, -8, 0);
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, typed);
    const qreal caretX = textBox.left() + QFontMetricsF(typing).horizontalAdvance(typed) + 2;
    painter.fillRect(QRectF(caretX, middle - 8, 1.5, 16), QColor::fromRgb(kBlue));
}

} // namespace

QImage windowIcon()
{
    return gridDrawing(kWindowIcon, 100, [](QPainter &painter) { kestrel(painter, false); });
}

QImage pencilIcon(QSize size)
{
    return gridDrawing(size, 16, pencilGlyph);
}

QImage handPointer()
{
    return gridDrawing(kHandPointer, 32, [](QPainter &painter) {
        QPainterPath hand = roundedBox({10.5, 1.5, 5.4, 18}, 2.7);             // pointing finger
        hand = hand.united(roundedBox({15.4, 11, 4.8, 10}, 2.4));               // middle finger
        hand = hand.united(roundedBox({19.7, 12, 4.6, 10}, 2.3));               // ring finger
        hand = hand.united(roundedBox({23.8, 13.5, 4.4, 9}, 2.2));              // little finger
        hand = hand.united(roundedBox({10.5, 15, 17.7, 15}, 5));                // palm
        hand = hand.united(QTransform().translate(8.5, 21).rotate(35).map(roundedBox({-5, -2.4, 10, 4.8}, 2.4))); // thumb
        fillAndStroke(painter, hand, QColor::fromRgb(kPaper), kInk, 1.4);
        painter.setPen(QPen(QColor::fromRgb(kSteel), 1, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(15.6, 15.5), QPointF(15.6, 19.5));
        painter.drawLine(QPointF(19.9, 16.5), QPointF(19.9, 20));
        painter.drawLine(QPointF(24, 18), QPointF(24, 20.5));
    });
}

QImage infoMark()
{
    QImage image = canvas(kInfoMark);
    QPainter painter;
    startPainter(painter, image);
    // The About icon's badge, scaled to the dialog's icon box.
    const qreal scale = (kInfoMark.height() - 1) / 28.0;
    painter.translate((kInfoMark.width() - 32 * scale) / 2, (kInfoMark.height() - 32 * scale) / 2);
    painter.scale(scale, scale);
    aboutIcon(painter);
    return image;
}

QImage logo()
{
    QImage image = canvas(kLogo);
    QPainter painter;
    startPainter(painter, image);
    const qreal h = kLogo.height();
    painter.save();
    painter.scale(h / 100.0, h / 100.0);
    kestrel(painter, true);
    painter.restore();

    const QString first = QStringLiteral("Kestrel");
    const QString second = QStringLiteral("works");
    const qreal left = h + 6;
    const qreal room = kLogo.width() - left - 2;
    const QFont font = fittedFont(first + second, 28, true, room);
    const QFontMetricsF metrics(font);
    const qreal baseline = h * 0.56;
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(kBlueDark));
    painter.drawText(QPointF(left, baseline), first);
    painter.setPen(QColor::fromRgb(kOrange));
    painter.drawText(QPointF(left + metrics.horizontalAdvance(first), baseline), second);

    const QString tagline = QStringLiteral("practice papers");
    painter.setFont(fittedFont(tagline, 14, true, room));
    painter.setPen(QColor::fromRgb(kSteelDark));
    painter.drawText(QPointF(left + 1, baseline + 17), tagline);
    return image;
}

QImage instruction()
{
    QImage image = canvas(kInstruction);
    QPainter painter;
    startPainter(painter, image);
    const QRectF card(0.75, 0.75, kInstruction.width() - 1.5, kInstruction.height() - 1.5);
    fillAndStroke(painter, roundedBox(card, 8), QColor::fromRgb(kNote), kOrange, 1.5);

    painter.setFont(skinFont(13, true));
    painter.setPen(QColor::fromRgb(kInk));
    painter.drawText(QRectF(10, 6, card.width() - 20, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("How to type your answer"));
    painter.fillRect(QRectF(10, 27, card.width() - 20, 1), QColor::fromRgb(mix(kOrange, kNote, 0.5)));

    instructionRow(painter, 33, QStringLiteral("Fraction"), QString(), QStringLiteral("9"),
                   QStringLiteral("28"), QStringLiteral("9/28"));
    instructionRow(painter, 78, QStringLiteral("Mixed number"), QStringLiteral("1"),
                   QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("1 3/5"));

    const QString hint = QStringLiteral("Use / for the line and one space.");
    painter.setFont(fittedFont(hint, 12, false, card.width() - 20));
    painter.setPen(QColor::fromRgb(kInk));
    painter.drawText(QRectF(10, 120, card.width() - 20, 16), Qt::AlignLeft | Qt::AlignVCenter, hint);
    return image;
}

} // namespace kw::skin
