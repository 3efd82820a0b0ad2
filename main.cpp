#include "commands/Dispatch.h"
#include "platform/Lingua.h"
#include "workspace/Avvio.h"
#include <QApplication>

int main(int argc, char* argv[])
{
    // Under Wayland a program cannot place its own windows, and the service
    // windows must reopen where the pupil left them: prefer the X server
    // when there is one (Wayland stays the fallback).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zefra"));
    ImpostaLinguaItaliana();
    QStringList argomenti = QApplication::arguments();
    argomenti.removeFirst();
    // The menus run the commands: handed down before the window exists.
    CollegaComandiMenu();
    Main(argomenti);
    return app.exec();
}
