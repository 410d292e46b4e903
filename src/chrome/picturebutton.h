#pragma once

#include "chrome/actionbinding.h"

#include <QAbstractButton>
#include <QPixmap>



namespace kw {

// The pictures of a button, one for each state it can show. A null on,
// pressed or disabled picture means the off picture is shown instead, so a
// button without them can leave them out: ButtonPictures{off, on}.
struct ButtonPictures {
    QPixmap off{}, on{}, pressed{}, disabled{};
};

// A button drawn entirely by skin pictures. The picture follows the button's
// own state: disabled, held down, under the mouse or at rest, switched from
// Qt's enter, leave, press, release and enable events. It takes keyboard focus
// and carries an accessible name, so it works without a mouse too.
class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class Look { Off, On, Pressed, Disabled };
    Q_ENUM(Look)

    explicit PictureButton(const QString &objectName, QWidget *parent = nullptr);

    // The same picture in every state.
    void setPicture(const QPixmap &picture);
    void setPictures(const ButtonPictures &pictures);

    // The look the button's state calls for, and the picture that shows it.
    Look look() const;
    QPixmap picture() const;

    // Makes the button a view of the action: a click triggers it, and the
    // button's enabled state, visibility, tool tip and accessible name and
    // description follow it for as long as it is set.
    void setAction(QAction *action);
    QAction *action() const { return m_binding.action(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void followAction();
    void triggerAction();

    ButtonPictures m_pictures;
    bool m_hovered = false;
    bool m_held = false;       // the left button went down on this button and is still down
    ActionBinding m_binding;
};

} // namespace kw
