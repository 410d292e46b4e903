#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kwpractice"));
    QApplication::setOrganizationName(QStringLiteral("Kestrelworks"));

    // The main window arrives with the course; until then the player only
    // proves that it starts.
    QLabel window(QStringLiteral("Kestrelworks practice papers"));
    window.setObjectName(QStringLiteral("Contents"));
    window.setAlignment(Qt::AlignCenter);
    window.resize(480, 160);
    window.show();
    return app.exec();
}
