#include "mainwindow/aboutpage.h"

#include "chrome/background.h"
#include "chrome/clicklabel.h"
#include "chrome/pictures.h"

#include <QDir>
#include <QLabel>

namespace kw {

namespace {

QLabel *centred(QWidget *parent, const QString &name, const QString &text, int top, double scale, bool bold)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    QFont font = l->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    l->setFont(font);
    l->setGeometry(20, top, 708, QFontMetrics(font).height() + 8);
    return l;
}

} // namespace

AboutPage::AboutPage(const Pictures &pictures, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_About"));
    fillBackground(this, Qt::white);

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Logo"));
    const QPixmap picture = pictures.get(QStringLiteral("Logo.gif"));
    logo->setPixmap(picture);
    logo->setAlignment(Qt::AlignCenter);
    logo->setAccessibleName(QStringLiteral("Kestrelworks logo"));
    const QSize size = picture.isNull() ? QSize(160, 100) : picture.deviceIndependentSize().toSize();
    logo->setGeometry((748 - size.width()) / 2, 30, size.width(), size.height());

    const int below = logo->geometry().bottom() + 20;
    m_title = centred(this, QStringLiteral("ProgramName"), QString(), below, 1.6, true);
    QLabel *platform = centred(this, QStringLiteral("Label36"), QStringLiteral("For Windows"), below + 44, 1.1, false);
    centred(this, QStringLiteral("Label39"), QStringLiteral("Version 2.0"), platform->geometry().bottom() + 6, 1.1, false);

    m_link = new ClickLabel(kMakerHomePage.host(), this);
    m_link->setObjectName(QStringLiteral("lbl_KWURL"));
    m_link->setToolTip(QStringLiteral("Go to Kestrelworks home page"));
    m_link->setAccessibleName(QStringLiteral("Go to Kestrelworks home page: %1").arg(kMakerHomePage.host()));
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->setAlignment(Qt::AlignCenter);
    m_link->setStyleSheet(QStringLiteral("color: #0000c0; text-decoration: underline;"));
    m_link->setGeometry(20, platform->geometry().bottom() + 50, 708, 26);
    connect(m_link, &ClickLabel::clicked, this, [this]() { emit linkClicked(kMakerHomePage); });

    m_resultsFolder = centred(this, QStringLiteral("ResultsFolder"), QString(), m_link->geometry().bottom() + 30,
                              1.0, false);
    m_resultsFolder->setWordWrap(true);
    m_resultsFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_resultsFolder->setGeometry(m_resultsFolder->geometry().adjusted(0, 0, 0, m_resultsFolder->height()));
}

void AboutPage::setProductTitle(const QString &title)
{
    m_title->setText(title);
}

void AboutPage::setResultsFolder(const QString &folder)
{
    m_resultsFolder->setText(QStringLiteral("Your results are kept in %1").arg(QDir::toNativeSeparators(folder)));
}

} // namespace kw
