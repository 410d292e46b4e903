#include "chrome/messagedialog.h"

#include "chrome/background.h"
#include "chrome/captionedbutton.h"
#include "chrome/labels.h"
#include "chrome/picturebutton.h"
#include "chrome/pictures.h"
#include "chrome/textwrap.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QScreen>
#include <QTextLayout>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace kw {

namespace {

constexpr QSize kClientSize(265, 150);
constexpr int kMaxWidth = 480;        // a long message widens the dialog up to this
constexpr QSize kButtonSize(80, 25);
constexpr int kButtonGap = 10;
constexpr int kMargin = 16;           // 240 twips
constexpr int kMessageGap = 10;       // 150 twips
constexpr int kMessageHeight = 46;    // two lines of the message font
constexpr int kShortMessage = 33;     // shorter messages sit level with the icon's middle
constexpr int kShortMessageDrop = 7;

// The text laid out as a text layout expects it: line breaks as line separators.
QString layoutText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return text;
}

} // namespace

// The message label. It wraps at word boundaries and, where one word is wider
// than the line, inside the word, so no part of a message is ever cut off; its
// heightForWidth() is the height of exactly the lines it paints.
class MessageLabel : public QLabel {
public:
    using QLabel::QLabel;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        QTextLayout layout;
        return int(std::ceil(layOut(layout, width)));
    }

    // The width of the widest line when nothing is wrapped.
    int naturalWidth() const
    {
        const QFontMetricsF metrics(font());
        qreal widest = 0;
        for (const QString &line : layoutText(text()).split(QChar::LineSeparator))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        return int(std::ceil(widest)) + 1;
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        const QRect area = contentsRect();
        QTextLayout layout;
        layOut(layout, area.width());
        layout.draw(&painter, area.topLeft());
    }

private:
    qreal layOut(QTextLayout &layout, int width) const
    {
        return wrapText(layout, layoutText(text()), font(), width);
    }
};

MessageDialog::MessageDialog(const Pictures &pictures, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmPopUp"));
    setModal(true);
    fillBackground(this, Qt::white);

    m_border = FrameBorder(this, pictures,
                           {QStringLiteral("border_top_left.bmp"), QStringLiteral("border_top_center.bmp"),
                            QStringLiteral("border_top_right.bmp"), QStringLiteral("border_left.bmp"),
                            QStringLiteral("border_right.bmp"), QStringLiteral("Border_bot_left.gif"),
                            QStringLiteral("border_bot.bmp"), QStringLiteral("Border_bot_right.gif")});

    m_title = new QLabel(QStringLiteral("Kestrelworks"), this);
    m_title->setObjectName(QStringLiteral("lblTitle"));
    m_title->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));

    m_info = pictureLabel(this, QStringLiteral("ImgInfo"), pictures.get(QStringLiteral("info_mark.gif")));
    m_info->move(kMargin, m_border.topRight->height() + kMargin);

    m_message = new MessageLabel(this);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (int b = 0; b < 2; ++b) {
        const CaptionedButton made = captionedButton(this, pictures, QStringLiteral("But%1").arg(b + 1), kButtonSize,
                                                     QStringLiteral("But%1_lbl").arg(b + 1),
                                                     QRect(0, 4, kButtonSize.width(), 17));
        m_buttons[b] = made.button;
        m_captions[b] = made.caption;
    }
    connect(m_buttons[0], &QAbstractButton::clicked, this, &QDialog::accept);
    connect(m_buttons[1], &QAbstractButton::clicked, this, &QDialog::reject);

    for (QWidget *strip : {static_cast<QWidget *>(m_border.topLeft), static_cast<QWidget *>(m_border.topCentre),
                           static_cast<QWidget *>(m_border.topRight), static_cast<QWidget *>(m_title)})
        strip->installEventFilter(this);

    layOut(kClientSize);
}

bool MessageDialog::ask(const QString &title, const QString &message)
{
    fill(title, message, true);
    return exec() == QDialog::Accepted;
}

void MessageDialog::tell(const QString &title, const QString &message)
{
    fill(title, message, false);
    exec();
}

void MessageDialog::fill(const QString &title, const QString &message, bool question)
{
    m_title->setText(title);
    m_message->setText(message);
    setWindowTitle(title);
    setAccessibleName(title);
    setAccessibleDescription(message);

    // A message that does not fit the usual two lines widens the dialog to its
    // longest line (up to the widest dialog), then makes it as tall as the
    // wrapped text, but never taller than the screen.
    const int messageLeft = m_message->x();
    const int usualWidth = kClientSize.width() - messageLeft - kMargin;
    const bool fits = m_message->heightForWidth(usualWidth) <= kMessageHeight;
    QSize size = kClientSize;
    if (!fits) {
        const int messageWidth = std::clamp(m_message->naturalWidth(), usualWidth, kMaxWidth - messageLeft - kMargin);
        const int messageHeight = m_message->heightForWidth(messageWidth);
        size = QSize(messageLeft + messageWidth + kMargin, kClientSize.height() + messageHeight - kMessageHeight);
        const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
        if (screen)
            size.setHeight(std::min(size.height(), screen->availableGeometry().height()));
    }
    layOut(size);
    if (fits && message.size() < kShortMessage)
        m_message->move(m_message->x(), m_info->y() + kShortMessageDrop);

    const int buttonTop = m_buttons[0]->y();
    if (question) {
        m_buttons[0]->move(m_message->x(), buttonTop);
        m_buttons[1]->move(m_buttons[0]->x() + kButtonSize.width() + kButtonGap, buttonTop);
        m_captions[0]->setText(QStringLiteral("Yes"));
        m_captions[1]->setText(QStringLiteral("No"));
        m_buttons[1]->show();
    } else {
        m_buttons[0]->move((width() - kButtonSize.width()) / 2, buttonTop);
        m_captions[0]->setText(QStringLiteral("OK"));
        m_buttons[1]->hide();
    }
    for (int b = 0; b < 2; ++b)
        m_buttons[b]->setAccessibleName(m_captions[b]->text());

    placeOverParent();
    m_buttons[0]->setFocus();
}

void MessageDialog::layOut(QSize size)
{
    const int w = size.width();
    const int h = size.height();
    setFixedSize(size);

    m_border.placeAround(size);

    m_title->setGeometry(kMargin, (m_border.topRight->height() - 18) / 2, w - 2 * kMargin - 40, 18);

    const int messageLeft = m_info->x() + m_info->width() + kMessageGap;
    m_message->setGeometry(messageLeft, m_info->y(), w - messageLeft - kMargin,
                           kMessageHeight + h - kClientSize.height());
    for (PictureButton *button : m_buttons)
        button->move(button->x(), h - kButtonSize.height() - kMargin);

    // Cut corners: 5 pixels at the top, 7 at the bottom.
    const QPolygon corners{{0, 5}, {1, 3}, {2, 2}, {3, 1}, {5, 0}, {w - 5, 0}, {w - 3, 1}, {w - 2, 2}, {w - 2, 3},
                           {w, 5}, {w, h - 7}, {w - 2, h - 3}, {w - 3, h - 2}, {w - 7, h}, {7, h}, {3, h - 2},
                           {2, h - 3}, {0, h - 7}};
    setMask(QRegion(corners, Qt::WindingFill));
}

void MessageDialog::placeOverParent()
{
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect over = owner ? owner->frameGeometry() : (screen ? screen->availableGeometry() : QRect());
    QPoint place(over.x() + (over.width() - width()) / 2, over.y() + (over.height() - height()) / 2);
    if (screen) {
        // A dialog that would hang off the screen is pulled back onto it.
        const QRect bounds = screen->availableGeometry();
        place.setX(std::clamp(place.x(), bounds.left(), std::max(bounds.left(), bounds.right() + 1 - width())));
        place.setY(std::clamp(place.y(), bounds.top(), std::max(bounds.top(), bounds.bottom() + 1 - height())));
    }
    move(place);
}

void MessageDialog::keyPressEvent(QKeyEvent *event)
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

bool MessageDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && windowHandle()) {
        windowHandle()->startSystemMove();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kw
