#include "mainwindow/trendchart.h"

#include "mainwindow/reportfigures.h"

#include <QLocale>
#include <QPainter>

namespace kw {

const QColor TrendChart::kGridColour(0xe0, 0xe0, 0xe0);
const QColor TrendChart::kDropColour(Qt::black);
const QColor TrendChart::kLineColour(0x00, 0x00, 0xff);

TrendDrawing trendDrawing(const QSizeF &size, const QList<double> &percentages)
{
    const double width = size.width();
    const double height = size.height();
    const double dx = width / (kTrendPoints + 1);
    const double dy = height / 100.0;
    TrendDrawing drawing;
    for (int g = 10; g <= 90; g += 10)
        drawing.grid.append(QLineF(width, g * dy, 0, g * dy));
    QPointF previous(0, height);
    const qsizetype n = qMin<qsizetype>(percentages.size(), kTrendPoints);
    for (qsizetype i = 1; i <= n; ++i) {
        const QPointF point(double(i) * dx, (100.0 - percentages.at(i - 1)) * dy);
        drawing.dropLines.append(QLineF(point, QPointF(point.x(), height)));
        drawing.points.append(point);
        drawing.joins.append(QLineF(point, previous));
        previous = point;
    }
    return drawing;
}

TrendChart::TrendChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RC3TrendPlot"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Trend of recent papers"));
    setAccessibleDescription(trendDescription({}));
}

void TrendChart::setValues(const QList<double> &percentages)
{
    m_values = percentages.mid(qMax<qsizetype>(0, percentages.size() - kTrendPoints));
    QList<qint64> tenths;
    for (double value : std::as_const(m_values))
        tenths.append(qRound64(value * 10));
    setAccessibleDescription(trendDescription(tenths, locale().decimalPoint().at(0)));
    update();
}

void TrendChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const TrendDrawing drawing = trendDrawing(size(), m_values);
    painter.setPen(QPen(kGridColour, 1));
    painter.drawLines(drawing.grid);
    painter.setRenderHint(QPainter::Antialiasing);
    for (qsizetype i = 0; i < drawing.points.size(); ++i) {
        painter.setPen(QPen(kDropColour, 1));
        painter.drawLine(drawing.dropLines.at(i));
        painter.setPen(Qt::NoPen);
        painter.setBrush(kLineColour);
        painter.drawEllipse(drawing.points.at(i), kDotRadius, kDotRadius);
        painter.setPen(QPen(kLineColour, 1.5));
        painter.drawLine(drawing.joins.at(i));
    }
}

} // namespace kw
