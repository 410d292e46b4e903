#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace kw {

class Pictures;
class PictureButton;

// The program's own message and yes/no dialog: a small skinned window with an
// information sign, a message and one or two picture buttons. The answer is
// written into a text the caller owns ("True" for the first button, "False"
// for the second) and left alone when the dialog closes without one.
class PopUp : public QDialog {
    Q_OBJECT

public:
    PopUp(const Pictures &pictures, QString *response, QWidget *parent = nullptr);

    // Fills the dialog for `buttons` (1: OK, 2: Yes/No) and centres it on owner.
    void CallPop(const QString &title, const QString &message, int buttons, const QWidget *owner);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void answer(bool first);
    void updateHover();

    const Pictures &m_pictures;
    QString *m_response;
    QLabel *m_title = nullptr;
    QLabel *m_info = nullptr;
    QLabel *m_message = nullptr;
    PictureButton *m_buttons[2] = {};
    QLabel *m_captions[2] = {};
    QWidget *m_topStrip[3] = {};
    QTimer *m_timer = nullptr;
};

} // namespace kw
