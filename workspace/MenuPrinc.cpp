#include "workspace/MenuPrinc.h"
#include "workspace/Princ.h"
#include <QAction>
#include <QMenu>
#include <QMenuBar>

void CostruisciMenuPrinc(Princ* p)
{
    QMenu* imposta = p->menuBar()->addMenu(QStringLiteral("&Imposta"));
    imposta->setObjectName(QStringLiteral("MnuImposta"));
    auto aggiungi = [&](const char* nome, const QString& testo, bool spuntato) {
        QAction* a = imposta->addAction(testo);
        a->setObjectName(QLatin1String(nome));
        a->setCheckable(true);
        a->setChecked(spuntato);
    };
    aggiungi("MnuImpostaMostraValori", QStringLiteral("Mostra &valori"), true);
    aggiungi("MnuImpostaFogliCalcoloBianchi", QStringLiteral("Fogli di calcolo &bianchi"), false);
    aggiungi("MnuImpostaWinAvvio", QStringLiteral("Mostra &informazioni all'avvio"), true);
}
