#include "chrome/popup.h"

#include "chrome/background.h"
#include "chrome/picturebutton.h"
#include "chrome/pictures.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QPolygon>
#include <QRegion>
#include <QTimer>
#include <QWindow>

namespace kw {

namespace {

constexpr QSize kClientSize(265, 150);
constexpr QSize kButtonSize(80, 25);
constexpr int kMargin = 16;          // 240 twips
constexpr int kMessageGap = 10;      // 150 twips
constexpr int kShortMessage = 33;    // shorter messages sit level with the icon's middle

QLabel *picture(QWidget *parent, const QString &name, const QPixmap &pixmap)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(pixmap);
    label->setScaledContents(true);
    label->resize(pixmap.deviceIndependentSize().toSize());
    return label;
}

} // namespace

PopUp::PopUp(const Pictures &pictures, QString *response, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_pictures(pictures), m_response(response)
{
    setObjectName(QStringLiteral("frmPopUp"));
    setModal(true);
    setFixedSize(kClientSize);
    FillBackground(this, Qt::white);
    const int w = kClientSize.width();
    const int h = kClientSize.height();

    // The frame, laid out from each picture's own size.
    QLabel *topLeft = picture(this, QStringLiteral("BTopLeft"), pictures.get(QStringLiteral("border_top_left.bmp")));
    QLabel *topRight = picture(this, QStringLiteral("BTopRight"), pictures.get(QStringLiteral("border_top_right.bmp")));
    QLabel *topCentre = picture(this, QStringLiteral("BTopCentre"), pictures.get(QStringLiteral("border_top_center.bmp")));
    QLabel *botLeft = picture(this, QStringLiteral("BBotLeft"), pictures.get(QStringLiteral("Border_bot_left.gif")));
    QLabel *botRight = picture(this, QStringLiteral("BBotRight"), pictures.get(QStringLiteral("Border_bot_right.gif")));
    QLabel *left = picture(this, QStringLiteral("BLeft"), pictures.get(QStringLiteral("border_left.bmp")));
    QLabel *right = picture(this, QStringLiteral("BRight"), pictures.get(QStringLiteral("border_right.bmp")));
    QLabel *bottom = picture(this, QStringLiteral("BBot"), pictures.get(QStringLiteral("border_bot.bmp")));
    topLeft->move(0, 0);
    topRight->move(w - topRight->width(), 0);
    topCentre->setGeometry(topLeft->width(), 0, topRight->x() - topLeft->width(), topRight->height());
    botLeft->move(0, h - botLeft->height());
    left->setGeometry(0, topLeft->height(), left->width(), botLeft->y() - topLeft->height());
    botRight->move(w - botRight->width(), h - botRight->height());
    right->setGeometry(w - right->width(), topRight->height(), right->width(), botRight->y() - topRight->height());
    bottom->setGeometry(botLeft->width(), h - bottom->height(), botRight->x() - botLeft->width(), bottom->height());
    m_topStrip[0] = topLeft;
    m_topStrip[1] = topCentre;
    m_topStrip[2] = topRight;

    m_title = new QLabel(QStringLiteral("Kestrelworks"), this);
    m_title->setObjectName(QStringLiteral("lblTitle"));
    m_title->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    m_title->setGeometry(kMargin, (topRight->height() - 18) / 2, w - 2 * kMargin - 40, 18);

    m_info = picture(this, QStringLiteral("ImgInfo"), pictures.get(QStringLiteral("info_mark.gif")));
    m_info->move(kMargin, topRight->height() + kMargin);

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int messageLeft = m_info->x() + m_info->width() + kMessageGap;
    m_message->setGeometry(messageLeft, m_info->y(), w - messageLeft - kMargin, 46);

    for (int b = 0; b < 2; ++b) {
        auto *button = new PictureButton(QStringLiteral("But%1").arg(b + 1), this);
        button->setPicture(pictures.get(QStringLiteral("button_off.bmp")));
        button->resize(kButtonSize);
        button->move(0, h - kButtonSize.height() - kMargin);
        auto *caption = new QLabel(button);
        caption->setObjectName(QStringLiteral("But%1_lbl").arg(b + 1));
        caption->setGeometry(0, 4, kButtonSize.width(), 17);
        caption->setAlignment(Qt::AlignCenter);
        caption->setAttribute(Qt::WA_TransparentForMouseEvents); // a click on the caption is a click on the button
        connect(button, &QAbstractButton::clicked, this, [this, b]() { answer(b == 0); });
        m_buttons[b] = button;
        m_captions[b] = caption;
    }

    for (QWidget *strip : m_topStrip)
        strip->installEventFilter(this);
    m_title->installEventFilter(this);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &PopUp::updateHover);
    m_timer->start();

    // Cut corners: 5 pixels at the top, 7 at the bottom.
    const QPolygon corners{{0, 5}, {1, 3}, {2, 2}, {3, 1}, {5, 0}, {w - 5, 0}, {w - 3, 1}, {w - 2, 2}, {w - 2, 3},
                           {w, 5}, {w, h - 7}, {w - 2, h - 3}, {w - 3, h - 2}, {w - 7, h}, {7, h}, {3, h - 2},
                           {2, h - 3}, {0, h - 7}};
    setMask(QRegion(corners, Qt::WindingFill));
}

void PopUp::CallPop(const QString &title, const QString &message, int buttons, const QWidget *owner)
{
    m_title->setText(title);
    m_message->setText(message);
    setWindowTitle(title);
    setAccessibleName(title);
    setAccessibleDescription(message);
    if (buttons == 2) {
        m_buttons[0]->move(m_message->x(), m_buttons[0]->y());
        m_buttons[1]->move(m_buttons[0]->x() + kButtonSize.width() + 10, m_buttons[0]->y());
        m_captions[0]->setText(QStringLiteral("Yes"));
        m_captions[1]->setText(QStringLiteral("No"));
        m_buttons[1]->show();
    } else {
        m_buttons[0]->move((width() - kButtonSize.width()) / 2, m_buttons[0]->y());
        m_captions[0]->setText(QStringLiteral("OK"));
        m_buttons[1]->hide();
    }
    for (int b = 0; b < 2; ++b)
        m_buttons[b]->setAccessibleName(m_captions[b]->text());
    m_message->move(m_message->x(), m_info->y() + (message.size() < kShortMessage ? 7 : 0));
    if (owner) {
        const QRect frame = owner->frameGeometry();
        move(frame.x() + (frame.width() - width()) / 2, frame.y() + (frame.height() - height()) / 2);
    }
    m_buttons[0]->setFocus();
}

void PopUp::answer(bool first)
{
    *m_response = first ? QStringLiteral("True") : QStringLiteral("False");
    accept();
}

void PopUp::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the button that has the focus (the first at the start);
    // Escape closes the dialog without an answer.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        for (PictureButton *button : m_buttons) {
            if (button->isVisible() && focusWidget() == button) {
                button->click();
                return;
            }
        }
        m_buttons[0]->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool PopUp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && windowHandle()) {
        windowHandle()->startSystemMove();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PopUp::updateHover()
{
    const QPoint cursor = QCursor::pos();
    for (PictureButton *button : m_buttons) {
        const QRect area(button->mapToGlobal(QPoint(0, 0)), button->size());
        button->setPicture(m_pictures.get(area.contains(cursor) ? QStringLiteral("button_on.bmp")
                                                                : QStringLiteral("button_off.bmp")));
    }
}

} // namespace kw
