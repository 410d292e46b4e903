#include "practice/markingprogress.h"

#include "chrome/pictures.h"
#include "data/clock.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace kw {

namespace {

// Swallows the pupil's input to every window while it lives.
class InputBlocker : public QObject {
public:
    InputBlocker() { qApp->installEventFilter(this); }
    ~InputBlocker() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::Close:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

MarkingProgress::MarkingProgress(const Pictures &pictures, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fmeMark"));
    auto *background = new QLabel(this);
    const QPixmap panel = pictures.get(QStringLiteral("bottombg4.bmp"));
    background->setPixmap(panel);
    background->setScaledContents(true);
    resize(panel.isNull() ? QSize(200, 25) : panel.deviceIndependentSize().toSize());
    background->resize(size());
    const QPixmap bar = pictures.get(QStringLiteral("progressbar.bmp"));
    const QSize barSize = bar.isNull() ? QSize(10, 12) : bar.deviceIndependentSize().toSize();
    const int pitch = barSize.width() + 2;
    const int left = (width() - kSteps * pitch) / 2;
    for (int i = 0; i < kSteps; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("imgBar%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        label->setPixmap(bar);
        label->setGeometry(left + i * pitch, (height() - barSize.height()) / 2, barSize.width(), barSize.height());
        label->hide();
        m_bars[std::size_t(i)] = label;
    }
    setAccessibleName(QStringLiteral("Marking"));
    hide();
}

void MarkingProgress::run(const Clock &clock)
{
    InputBlocker blocker;
    for (QLabel *bar : m_bars)
        bar->hide();
    raise();
    show();
    repaint();
    for (QLabel *bar : m_bars) {
        clock.wait(kStepMs);
        bar->show();
        bar->repaint();
    }
    hide();
}

} // namespace kw
