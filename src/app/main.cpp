#include "data/clock.h"
#include "data/filewriter.h"
#include "mainwindow/mainwindow.h"
#include "practice/practicewindow.h"
#include "startup/singleinstance.h"
#include "startup/startup.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include <cstdio>

namespace {

int ask(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton *> added;
    for (const QString &caption : buttons)
        added.append(box.addButton(caption, QMessageBox::AcceptRole));
    box.exec();
    return int(added.indexOf(box.clickedButton()));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kwpractice"));
    QApplication::setOrganizationName(QStringLiteral("Kestrelworks"));

    const kw::DataFolder dataFolder = kw::chooseDataFolder(
        QApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (dataFolder.path.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Kestrelworks"), dataFolder.problem);
        return 1;
    }
    const QString folder = dataFolder.path;
    if (!dataFolder.copiedFiles.isEmpty())
        QMessageBox::information(nullptr, QStringLiteral("Kestrelworks"),
                                 QStringLiteral("The program's folder cannot be written to, so your results are now "
                                                "kept in your own data folder. Your earlier results were copied "
                                                "there:\n%1")
                                     .arg(dataFolder.copiedFiles.join(QLatin1Char('\n'))));

    kw::SingleInstance instance(folder);
    if (!instance.acquire()) {
        std::fprintf(stderr, "kwpractice: already open on this data folder\n");
        QMessageBox::information(nullptr, QStringLiteral("Kestrelworks"),
                                 QStringLiteral("Kestrelworks is already open. Its window has been brought "
                                                "forward: carry on working there."));
        return 0;
    }

    kw::SystemClock clock;
    const kw::FileWriter writer;
    kw::MainWindowContext context;
    context.folder = folder;
    context.clock = &clock;
    context.writer = &writer;
    context.ask = [](const QString &title, const QString &text, const QStringList &buttons) {
        return ask(nullptr, title, text, buttons);
    };
    kw::MainWindow window(context);
    QObject::connect(&instance, &kw::SingleInstance::activationRequested, &window, [&window]() {
        QWidget *front = window.practiceWindow() ? static_cast<QWidget *>(window.practiceWindow()) : &window;
        front->showNormal();
        front->raise();
        front->activateWindow();
    });
    window.show();
    return app.exec();
}
