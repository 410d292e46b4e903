#pragma once

#include "chrome/frameborder.h"

#include <QDialog>

class QLabel;

namespace kw {

class MessageLabel;
class Pictures;
class PictureButton;

// The program's own message and yes/no dialog: a small skinned window with an
// information sign, a message and one or two picture buttons. It is shown
// modally, centred on its parent's window, and grows to fit a long message.
class MessageDialog : public QDialog {
    Q_OBJECT

public:
    explicit MessageDialog(const Pictures &pictures, QWidget *parent = nullptr);

    // Asks a yes/no question. True for Yes; false for No, Escape or a close.
    bool ask(const QString &title, const QString &message);
    // Tells the pupil something, with an OK button.
    void tell(const QString &title, const QString &message);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fill(const QString &title, const QString &message, bool question);
    void layOut(QSize size);
    void placeOverParent();

    QLabel *m_title = nullptr;
    QLabel *m_info = nullptr;
    MessageLabel *m_message = nullptr;
    PictureButton *m_buttons[2] = {};
    QLabel *m_captions[2] = {};
    FrameBorder m_border;
};

} // namespace kw
