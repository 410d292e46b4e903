#include "chrome/picturebutton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace kw {

PictureButton::PictureButton(const QString &objectName, QWidget *parent) : QAbstractButton(parent)
{
    setObjectName(objectName);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

QSize PictureButton::sizeHint() const
{
    return m_picture.isNull() ? QSize(32, 32) : m_picture.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (text().isEmpty()) {
        if (!m_picture.isNull())
            painter.drawPixmap(rect(), m_picture);
    } else {
        // A captioned button: the picture at its own size, the caption beside it.
        const QSize size = m_picture.isNull() ? QSize() : m_picture.deviceIndependentSize().toSize();
        const QRect picture(QPoint(0, (height() - size.height()) / 2), size);
        if (!m_picture.isNull())
            painter.drawPixmap(picture, m_picture);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(rect().adjusted(size.width() + 4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace kw
