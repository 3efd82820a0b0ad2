#include "workspace/Avvio.h"
#include "platform/Modale.h"
#include "platform/Suono.h"
#include "workspace/Fogli.h"
#include "workspace/FrmInfoAvvio.h"
#include "workspace/FrmSplash.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include "workspace/Quaderno.h"
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QScreen>

void Main(const QStringList& argomenti)
{
    Princ* p = princ();
    // The window fills the screen even where no window manager maximizes it.
    if (QScreen* s = p->screen()) p->setGeometry(s->availableGeometry());
    p->showMaximized();
    CaricaPrinc(argomenti.join(QLatin1Char(' ')));
}

void MostraFinestraModale(QDialog* finestra)
{
    QPointer<QDialog> f(finestra);
    if (Modale::InCopione()) {
        Modale::Registra({QStringLiteral("finestra"), f->objectName(), f->windowTitle(), 0});
    } else {
        f->exec();
    }
    delete f.data();
}

void CaricaPrinc(const QString& rigaComandi)
{
    Princ* p = princ();
    // The screen, then the strip laid out for it (the strip follows its own
    // width from now on).
    p->EsaminaSchermo();
    p->DisponiStriscia();
    // Box 0 holds the current colour: it has no border.
    p->PBoxTavolozza(0)->setFrameShape(QFrame::NoFrame);
    p->ImpostaPannello(1, QStringLiteral("Nome del quaderno: senza nome   "));
    p->ImpostaPannello(2, QStringLiteral("Foglio: A   "));
    InizializzaApplicazione();

    if (!rigaComandi.isEmpty()) {
        ApriQuadernoIniziale(rigaComandi);
        return;
    }
    Suono::Riproduci(QStringLiteral("avvio.wav"));
    MostraFoglio(1);
    Foglio(2);
    p->Affianca();
    MostraFinestraModale(frmSplash());
    if (MostraFinestraAvvio) MostraFinestraModale(new FrmInfoAvvio(p));
}
