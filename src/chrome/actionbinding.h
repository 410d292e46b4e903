#pragma once

#include <QAction>
#include <QPointer>
#include <QString>

namespace kw {

// An action's text as a reader sees it: the mnemonic markers gone ("&Save" is
// "Save") and a doubled "&&" back to one "&".
inline QString withoutMnemonic(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&'))
                ++i;
            else
                continue;
        }
        plain += text.at(i);
    }
    return plain;
}

// What a control that is a view of one action keeps of it: the action, and
// the connection that has the control follow the action's changes. A deleted
// action is simply let go.
class ActionBinding {
public:
    // Binds to action (nullptr: to none) and, when there is one, calls
    // follow now and after every change of the action.
    template <typename Follow>
    void bind(QObject *control, QAction *action, Follow follow)
    {
        if (m_action == action)
            return;
        QObject::disconnect(m_changed);
        m_action = action;
        if (!action)
            return;
        m_changed = QObject::connect(action, &QAction::changed, control, follow);
        follow();
    }
    QAction *action() const { return m_action; }
    // Triggers the action, if there still is one and it is enabled.
    void trigger() const
    {
        if (m_action && m_action->isEnabled())
            m_action->trigger();
    }

private:
    QPointer<QAction> m_action;
    QMetaObject::Connection m_changed;
};

} // namespace kw
