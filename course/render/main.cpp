// kwrender: shows question pages of the embedded course in the same web view
// the player uses and saves each as a PNG, so authors can look at them.
//
//   kwrender <output folder> <question id>...

#include "data/resources.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <functional>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList ids = QApplication::arguments().mid(1);
    QTextStream err(stderr);
    if (ids.size() < 2) {
        err << "usage: kwrender <output folder> <question id>...\n";
        return 2;
    }
    const QString output = ids.takeFirst();
    QDir().mkpath(output);
    QTemporaryDir scratch;

    QWebEngineView view;
    view.settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    view.settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    view.resize(820, 900);
    view.show();

    int failures = 0;
    qsizetype next = 0;
    std::function<void()> loadNext;
    loadNext = [&]() {
        if (next >= ids.size()) {
            app.exit(failures == 0 ? 0 : 1);
            return;
        }
        const QString id = ids.at(next);
        const QString page = scratch.filePath(QStringLiteral("temppaper%1.mht").arg(id));
        if (kw::extractResourceToFile(id.toInt(), QStringLiteral("Custom"), page) != 0) {
            err << "kwrender: no page " << id << '\n';
            ++failures;
            ++next;
            // Nothing was loaded, so no load will finish: go straight on to
            // the next id (from the event loop, so a long list of missing ids
            // does not recurse).
            QTimer::singleShot(0, &app, loadNext);
            return;
        }
        view.load(QUrl::fromLocalFile(page));
    };
    QObject::connect(&view, &QWebEngineView::loadFinished, &app, [&](bool ok) {
        if (next >= ids.size())
            return;
        const QString id = ids.at(next);
        if (!ok) {
            err << "kwrender: page " << id << " did not load\n";
            ++failures;
            ++next;
            loadNext();
            return;
        }
        // Give the renderer a moment to paint before grabbing.
        QTimer::singleShot(400, &app, [&, id]() {
            view.grab().save(QDir(output).filePath(id + QStringLiteral(".png")));
            ++next;
            loadNext();
        });
    });
    loadNext();
    return app.exec();
}
