#include "platform/Lingua.h"
#include "workspace/Avvio.h"
#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zefra"));
    ImpostaLinguaItaliana();
    QStringList argomenti = QApplication::arguments();
    argomenti.removeFirst();
    Main(argomenti);
    return app.exec();
}
