#pragma once

#include <QPointer>
#include <QUrl>
#include <QWebEngineView>

class QPrinter;

namespace kw {

class QuestionPage;

// The question page viewer: shows one MIME HTML page file at a time, with
// scripts, remote content and navigation away from the page all shut off.
// Copy, cut and right clicks inside the page are reported, not acted on.
class QuestionViewer : public QWebEngineView {
    Q_OBJECT

public:
    explicit QuestionViewer(QWidget *parent = nullptr);
    ~QuestionViewer() override;

    // Shows the page file at path. The file may be deleted as soon as
    // pageLoaded has been emitted: the page stays on show.
    void showPageFile(const QString &path);
    QString currentFile() const { return m_file; }

signals:
    // Navigation to the page given to showPageFile is complete. Emitted once for
    // each showPageFile; one replaced by a newer showPageFile before it completed
    // reports false.
    void pageLoaded(bool ok);
    // Control+C, Control+X or a right click inside the page.
    void guardTriggered();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    // Keeps the key filter on the widget that receives the page's keys; the
    // view creates that widget when the page first needs it, and may replace it.
    void watchFocusProxy();

    QuestionPage *m_page = nullptr;
    QString m_file;
    QUrl m_url;
    bool m_loading = false;
    QPointer<QObject> m_watched;
};

} // namespace kw
