#include "practice/questionviewer.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineSettings>

namespace kw {

namespace {

// Two URLs name the same local file.
bool sameFile(const QUrl &a, const QUrl &b)
{
    return a.isLocalFile() && b.isLocalFile()
        && a.adjusted(QUrl::NormalizePathSegments | QUrl::StripTrailingSlash | QUrl::RemoveQuery
                      | QUrl::RemoveFragment)
           == b.adjusted(QUrl::NormalizePathSegments | QUrl::StripTrailingSlash | QUrl::RemoveQuery
                         | QUrl::RemoveFragment);
}

bool isCopyOrCut(const QKeyEvent *key)
{
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut))
        return true;
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    return mods == Qt::ControlModifier && (key->key() == Qt::Key_C || key->key() == Qt::Key_X);
}

} // namespace

// The page only ever goes to the file the viewer was told to show: links,
// other schemes, history and new windows are all refused.
class QuestionPage : public QWebEnginePage {
public:
    explicit QuestionPage(QObject *parent) : QWebEnginePage(parent) {}

    void allow(const QUrl &url) { m_allowed = url; }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame) override
    {
        return isMainFrame && sameFile(url, m_allowed);
    }
    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }

private:
    QUrl m_allowed;
};

QuestionViewer::QuestionViewer(QWidget *parent) : QWebEngineView(parent)
{
    setObjectName(QStringLiteral("brwWebBrowser"));
    auto *page = new QuestionPage(this);
    m_page = page;
    QWebEngineSettings *s = page->settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    // The page's stylesheet and pictures are parts of the MIME HTML file
    // itself ("cid:" references), so the page needs no other file.
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    s->setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
    s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    setPage(page);

    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
        // A stopped load is one a newer navigation replaced; that navigation
        // reports for itself.
        if (!m_loading || info.status() == QWebEngineLoadingInfo::LoadStartedStatus
            || info.status() == QWebEngineLoadingInfo::LoadStoppedStatus || !sameFile(info.url(), m_url))
            return;
        m_loading = false;
        emit pageLoaded(info.status() == QWebEngineLoadingInfo::LoadSucceededStatus);
    });
}

QuestionViewer::~QuestionViewer()
{
    if (m_watched)
        m_watched->removeEventFilter(this);
}

void QuestionViewer::showPageFile(const QString &path)
{
    // A navigation still under way is replaced, and reported as not shown.
    if (m_loading) {
        m_loading = false;
        emit pageLoaded(false);
    }
    m_file = path;
    m_url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    m_page->allow(m_url);
    m_loading = true;
    load(m_url);
}

void QuestionViewer::contextMenuEvent(QContextMenuEvent *event)
{
    // Reached once for each context menu the page asks for; none is shown.
    event->accept();
    emit guardTriggered();
}

bool QuestionViewer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watched
        && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (isCopyOrCut(key)) {
            // The override is accepted so that no shortcut of the window takes
            // the key; the key press that follows it is the one reported.
            event->accept();
            if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
                emit guardTriggered();
            return true;
        }
    }
    return QWebEngineView::eventFilter(watched, event);
}

bool QuestionViewer::event(QEvent *event)
{
    const bool result = QWebEngineView::event(event);
    switch (event->type()) {
    case QEvent::ChildAdded:
    case QEvent::ChildPolished:
        watchFocusProxy();
        break;
    default:
        break;
    }
    return result;
}

void QuestionViewer::watchFocusProxy()
{
    QWidget *proxy = focusProxy();
    if (proxy == m_watched)
        return;
    if (m_watched)
        m_watched->removeEventFilter(this);
    m_watched = proxy;
    if (proxy)
        proxy->installEventFilter(this);
}

} // namespace kw
