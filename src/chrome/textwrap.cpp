#include "chrome/textwrap.h"

#include <QFont>
#include <QString>
#include <QTextLayout>

namespace kw {

qreal wrapText(QTextLayout &layout, const QString &text, const QFont &font, int width)
{
    layout.setText(text);
    layout.setFont(font);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return y;
}

} // namespace kw
