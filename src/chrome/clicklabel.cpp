#include "chrome/clicklabel.h"

#include "chrome/actionbinding.h"

#include <QAction>
#include <QMouseEvent>

namespace kw {

void ClickLabel::setAction(QAction *action)
{
    m_binding.bind(this, action, [this]() { followAction(); });
}

void ClickLabel::followAction()
{
    if (!m_binding.action())
        return;
    setText(withoutMnemonic(m_binding.action()->text()));
    setToolTip(m_binding.action()->toolTip());
    setEnabled(m_binding.action()->isEnabled());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        // The action may have gone or been disabled by whoever heard clicked().
        m_binding.trigger();
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace kw
