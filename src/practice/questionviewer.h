#pragma once

#include <QWebEngineView>

class QPrinter;

namespace kw {

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
    void Navigate2(const QString &path);
    QString currentFile() const { return m_file; }

signals:
    // Navigation to the page given to Navigate2 is complete.
    void pageLoaded(bool ok);
    // Control+C, Control+X or a right click inside the page.
    void guardTriggered();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void watchFocusProxy();

    QString m_file;
    QObject *m_watched = nullptr;
};

} // namespace kw
