// The floor kwbench measures the player's idle cost against: what any
// program showing a question page costs while the pupil does nothing. A
// window with a web view on one question page, a focused line edit and a
// label clock ticking once a second.
//
// kwidlefloor <question id> <seconds>: prints "ready" once the page is
// loaded, then the idle_cpu line after that many seconds without input.

#include "data/resources.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <cstdio>

#include "idlecpu.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kwidlefloor <question id> <seconds>\n");
        return 2;
    }
    const int question = QByteArray(argv[1]).toInt();
    const int seconds = QByteArray(argv[2]).toInt();
    QTemporaryDir folder;
    const QString page = folder.filePath(QStringLiteral("page.mht"));
    if (!folder.isValid() || kw::extractResourceToFile(question, QStringLiteral("Custom"), page) != 0) {
        std::fprintf(stderr, "kwidlefloor: question %d could not be written out\n", question);
        return 1;
    }

    QWidget window;
    // The size a practice window opens at (four fifths of the screen): under
    // software rendering, drawing a window with a web view costs by its area.
    if (const QScreen *screen = window.screen()) {
        const QRect area = screen->availableGeometry();
        window.setGeometry(area.x() + area.width() / 10, area.y() + area.height() / 10, area.width() * 8 / 10,
                           area.height() * 8 / 10);
    }
    auto *view = new QWebEngineView;
    view->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    auto *answer = new QLineEdit;
    auto *clock = new QLabel;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(view, 1);
    layout->addWidget(answer);
    layout->addWidget(clock);
    QTimer tick;
    tick.setInterval(1000);
    QObject::connect(&tick, &QTimer::timeout, clock, [clock]() {
        clock->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    });
    tick.start();

    QObject::connect(view, &QWebEngineView::loadFinished, &window, [&](bool ok) {
        if (!ok) {
            std::fprintf(stderr, "kwidlefloor: the page did not load\n");
            QCoreApplication::exit(1);
            return;
        }
        // Activated only now, as the player's practice window is: a window
        // activated before it is mapped stays inactive, and its cursor
        // would not blink.
        window.activateWindow();
        answer->setFocus();
        std::printf("ready\n");
        std::fflush(stdout);
        const QByteArray line = kwbench::idleCpuLine(kwbench::measureIdleCpu(seconds));
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }, Qt::SingleShotConnection);
    window.show();
    view->load(QUrl::fromLocalFile(page));
    return app.exec();
}
