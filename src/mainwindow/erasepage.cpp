#include "mainwindow/erasepage.h"

#include "chrome/background.h"
#include "chrome/captionedbutton.h"
#include "chrome/picturebutton.h"
#include "chrome/pictures.h"

#include <QLabel>

namespace kw {

namespace {

constexpr QSize kButtonSize(96, 32);
constexpr int kTextLeft = 60;
constexpr int kTextWidth = 620;

QLabel *notice(QWidget *parent, const QString &name, const QString &text, int top, int height = 48)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(kTextLeft, top, kTextWidth, height);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font = l->font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    l->setFont(font);
    return l;
}

// A skin button with its caption on it, in bold.
PictureButton *eraseButton(QWidget *parent, const Pictures &pictures, const QString &name, const QString &caption,
                           const QPoint &at)
{
    const auto [button, label] = captionedButton(parent, pictures, name, kButtonSize, name + QStringLiteral("lbl"),
                                                 QRect(QPoint(0, 0), kButtonSize));
    button->move(at);
    button->setAccessibleName(caption);
    label->setText(caption);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return button;
}

} // namespace

ErasePage::ErasePage(const Pictures &pictures, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_Trash"));
    fillBackground(this, Qt::white);
    const int middle = kTextLeft + kTextWidth / 2;
    m_offer = notice(this, QStringLiteral("Trashlbl1"),
                     QStringLiteral("Click on the button below if you wish to erase all your past results and "
                                    "reset the program."),
                     90);
    m_trash = eraseButton(this, pictures, QStringLiteral("ButTrash"), QStringLiteral("Trash"),
                              QPoint(middle - kButtonSize.width() / 2, 170));
    m_question = notice(this, QStringLiteral("Trashlbl2"), QStringLiteral("Are you sure?"), 90);
    m_yes = eraseButton(this, pictures, QStringLiteral("ButTrash_Yes"), QStringLiteral("Yes"),
                            QPoint(middle - kButtonSize.width() - 12, 170));
    m_no = eraseButton(this, pictures, QStringLiteral("ButTrash_No"), QStringLiteral("No"), QPoint(middle + 12, 170));
    m_done = notice(this, QStringLiteral("Trashlbl3"), QStringLiteral("All your past results have been erased."), 90);
    m_failed = notice(this, QStringLiteral("Trashlbl4"), QString(), 90, 200);

    connect(m_trash, &QAbstractButton::clicked, this, [this]() { setState(State::Confirm); });
    connect(m_no, &QAbstractButton::clicked, this, [this]() { setState(State::Offer); });
    connect(m_yes, &QAbstractButton::clicked, this, &ErasePage::eraseConfirmed);
    setState(State::Offer);
}

void ErasePage::showOffer()
{
    setState(State::Offer);
}

void ErasePage::showErased(const QStringList &unwrittenFileNames)
{
    if (unwrittenFileNames.isEmpty()) {
        setState(State::Done);
        return;
    }
    m_failed->setText(QStringLiteral("Not every result could be erased: the program could not rewrite these files "
                                     "in its folder, so they still hold past results:\n\n%1\n\nAsk an adult to check the "
                                     "program's folder, then try again.")
                          .arg(unwrittenFileNames.join(QLatin1Char('\n'))));
    setState(State::Failed);
}

void ErasePage::setState(State state)
{
    m_state = state;
    m_offer->setVisible(state == State::Offer);
    m_trash->setVisible(state == State::Offer);
    m_question->setVisible(state == State::Confirm);
    m_yes->setVisible(state == State::Confirm);
    m_no->setVisible(state == State::Confirm);
    m_done->setVisible(state == State::Done);
    m_failed->setVisible(state == State::Failed);
}

} // namespace kw
