#pragma once

#include "chrome/actionbinding.h"

#include <QLabel>



namespace kw {

// A caption that acts as the control it names when clicked.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // A click on the caption triggers the action while it is enabled; the
    // caption's text, tool tip and enabled state follow the action.
    void setAction(QAction *action);
    QAction *action() const { return m_binding.action(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void followAction();

    ActionBinding m_binding;
};

} // namespace kw
