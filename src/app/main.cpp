#include "data/clock.h"
#include "mainwindow/contents.h"
#include "mainwindow/selectionstate.h"
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

    const QString folder = kw::ChooseDataFolder(QApplication::applicationDirPath(),
                                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (folder.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Kestrelworks"),
                              QStringLiteral("Your results cannot be saved: neither the program's folder (%1) nor "
                                             "your own data folder can be written to. Ask an adult to check the "
                                             "installation.")
                                  .arg(QApplication::applicationDirPath()));
        return 1;
    }

    kw::SelectionState state;
    kw::SystemClock clock;
    kw::ContentsSetup setup;
    setup.folder = folder;
    setup.state = &state;
    setup.clock = &clock;
    setup.ask = [](const QString &title, const QString &text, const QStringList &buttons) {
        return ask(nullptr, title, text, buttons);
    };
    kw::Contents window(setup);
    window.show();
    return app.exec();
}
