#include "commands/Dispatch.h"
#include "workspace/Avvio.h"
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zefra"));
    // The program speaks Italian: so do Qt's own dialogs and menus.
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioneQt);
    QStringList argomenti = QApplication::arguments();
    argomenti.removeFirst();
    // The menus run the commands: handed down before the window exists.
    CollegaComandiMenu();
    Main(argomenti);
    return app.exec();
}
