#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;

namespace kw {

class ClickLabel;
class Pictures;

// The maker's web page, which the about page's link opens.
inline const QUrl kMakerHomePage(QStringLiteral("https://www.kestrelworks.com/"));

// The about page of the Help tab: logo, product title, version, the link
// to the maker's web page and where the results are kept.
class AboutPage : public QWidget {
    Q_OBJECT

public:
    AboutPage(const Pictures &pictures, QWidget *parent = nullptr);

    void setProductTitle(const QString &title);
    // Names the folder the pupil's results are kept in.
    void setResultsFolder(const QString &folder);
    ClickLabel *link() const { return m_link; }
    QLabel *resultsFolder() const { return m_resultsFolder; }

signals:
    // The pupil clicked the link.
    void linkClicked(const QUrl &url);

private:
    QLabel *m_title = nullptr;
    ClickLabel *m_link = nullptr;
    QLabel *m_resultsFolder = nullptr;
};

} // namespace kw
