#include "chrome/clicklabel.h"

#include "chrome/actiontext.h"

#include <QAction>
#include <QMouseEvent>

namespace kw {

void ClickLabel::setAction(QAction *action)
{
    if (m_action == action)
        return;
    disconnect(m_actionChanged);
    m_action = action;
    if (!action)
        return;
    m_actionChanged = connect(action, &QAction::changed, this, &ClickLabel::followAction);
    followAction();
}

void ClickLabel::followAction()
{
    if (!m_action)
        return;
    setText(withoutMnemonic(m_action->text()));
    setToolTip(m_action->toolTip());
    setEnabled(m_action->isEnabled());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        // The action may have gone or been disabled by whoever heard clicked().
        if (m_action && m_action->isEnabled())
            m_action->trigger();
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace kw
