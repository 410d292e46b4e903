#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;

namespace kw {

class ClickLabel;
class Pictures;

// The maker's web page, which the about page's link opens.
inline const QUrl kMakerHomePage(QStringLiteral("https://www.kestrelworks.com/"));

// The about page of the Help tab: logo, product title, version and the link
// to the maker's web page.
class AboutPage : public QWidget {
    Q_OBJECT

public:
    AboutPage(const Pictures &pictures, QWidget *parent = nullptr);

    void setProductTitle(const QString &title);
    ClickLabel *link() const { return m_link; }

signals:
    // The pupil clicked the link.
    void linkClicked(const QUrl &url);

private:
    QLabel *m_title = nullptr;
    ClickLabel *m_link = nullptr;
};

} // namespace kw
