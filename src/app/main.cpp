#include "data/clock.h"
#include "mainwindow/mainwindow.h"
#include "startup/startup.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

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

    const QString folder = kw::chooseDataFolder(QApplication::applicationDirPath(),
                                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (folder.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Kestrelworks"),
                              QStringLiteral("Your results cannot be saved: neither the program's folder nor "
                                             "your own data folder can be written to. Ask an adult to check the "
                                             "installation."));
        return 1;
    }

    kw::SystemClock clock;
    kw::MainWindowContext context;
    context.folder = folder;
    context.clock = &clock;
    context.ask = [](const QString &title, const QString &text, const QStringList &buttons) {
        return ask(nullptr, title, text, buttons);
    };
    kw::MainWindow window(context);
    window.show();
    return app.exec();
}
