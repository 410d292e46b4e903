#include "chrome/picturebutton.h"

#include "chrome/actionbinding.h"

#include <QAction>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace kw {

PictureButton::PictureButton(const QString &objectName, QWidget *parent) : QAbstractButton(parent)
{
    setObjectName(objectName);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractButton::clicked, this, &PictureButton::triggerAction);
}

void PictureButton::setPicture(const QPixmap &picture)
{
    setPictures({picture, picture, picture, picture});
}

void PictureButton::setPictures(const ButtonPictures &pictures)
{
    m_pictures = pictures;
    update();
}

PictureButton::Look PictureButton::look() const
{
    if (!isEnabled())
        return Look::Disabled;
    if (isDown())
        return Look::Pressed;
    // Held down but dragged off the button: it would not click if let go here.
    if (m_held)
        return Look::Off;
    return m_hovered ? Look::On : Look::Off;
}

QPixmap PictureButton::picture() const
{
    const QPixmap *chosen = &m_pictures.off;
    switch (look()) {
    case Look::Off:
        break;
    case Look::On:
        chosen = &m_pictures.on;
        break;
    case Look::Pressed:
        chosen = &m_pictures.pressed;
        break;
    case Look::Disabled:
        chosen = &m_pictures.disabled;
        break;
    }
    return chosen->isNull() ? m_pictures.off : *chosen;
}

void PictureButton::setAction(QAction *action)
{
    m_binding.bind(this, action, [this]() { followAction(); });
}

void PictureButton::followAction()
{
    if (!m_binding.action())
        return;
    setEnabled(m_binding.action()->isEnabled());
    // Only an explicit hide counts: a button whose window is not shown yet is
    // hidden too, and must not be shown on its own as a window of its own.
    const bool hidden = testAttribute(Qt::WA_WState_ExplicitShowHide) && testAttribute(Qt::WA_WState_Hidden);
    if (hidden == m_binding.action()->isVisible())
        setVisible(m_binding.action()->isVisible());
    setToolTip(m_binding.action()->toolTip());
    setAccessibleName(withoutMnemonic(m_binding.action()->text()));
    setAccessibleDescription(m_binding.action()->toolTip());
}

void PictureButton::triggerAction()
{
    m_binding.trigger();
}

QSize PictureButton::sizeHint() const
{
    return m_pictures.off.isNull() ? QSize(32, 32) : m_pictures.off.deviceIndependentSize().toSize();
}

void PictureButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    m_held = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_held = true;
    QAbstractButton::mousePressEvent(event);
    update();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_held = false;
    QAbstractButton::mouseReleaseEvent(event);
    update();
}

void PictureButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        // A disabled button gets no release, so a press in progress ends here.
        m_held = false;
        update();
    }
    QAbstractButton::changeEvent(event);
}

void PictureButton::hideEvent(QHideEvent *event)
{
    // A hidden button is under no mouse; it starts at rest when shown again.
    m_hovered = false;
    m_held = false;
    QAbstractButton::hideEvent(event);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap shown = picture();
    if (text().isEmpty()) {
        if (!shown.isNull())
            painter.drawPixmap(rect(), shown);
    } else {
        // A captioned button: the picture at its own size, the caption beside it.
        const QSize size = shown.isNull() ? QSize() : shown.deviceIndependentSize().toSize();
        const QRect area(QPoint(0, (height() - size.height()) / 2), size);
        if (!shown.isNull())
            painter.drawPixmap(area, shown);
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
