#include "workspace/Avvio.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/OrdineFinestre.h"
#include "platform/Modale.h"
#include "platform/Suono.h"
#include "workspace/Fogli.h"
#include "workspace/FrmInfoAvvio.h"
#include "workspace/FrmSplash.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include "workspace/Quaderno.h"
#include "workspace/Registro.h"
#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QPainter>
#include <QPointer>
#include <QScreen>

// The program's icon: a red three-quarter pie on its grey disc.
static QIcon IconaProgramma()
{
    QIcon icona;
    for (int lato : {16, 32, 64}) {
        QPixmap pm(lato, lato);
        pm.fill(Qt::transparent);
        QPainter g(&pm);
        g.setRenderHint(QPainter::Antialiasing);
        const QRectF disco(1, 1, lato - 2, lato - 2);
        g.setPen(QPen(Qt::white, lato / 16.0));
        g.setBrush(GrigioTorta);
        g.drawEllipse(disco);
        g.setBrush(QBColor(12));
        g.drawPie(disco, 0, 270 * 16);
        icona.addPixmap(pm);
    }
    return icona;
}

void CollegaSuono()
{
    Suono::Collega([] { return CartellaProgramma; }, [] { return SuonoAbilitato != FALSO; });
}

void InizializzaApplicazione()
{
    ImpostaValoriIniziali();
    CollegaSuono();
    if (!MostraFinestraAvvio)
        if (Princ* p = Unica<Princ>::SeEsiste()) p->ImpostaWinAvvio(false);
    CreaRegistro();
}

void Main(const QStringList& argomenti)
{
    QApplication::setWindowIcon(IconaProgramma());
    SorvegliaModali();
    Princ* p = Unica<Princ>::Istanza();
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
        EseguiBox(*f);
    }
    delete f.data();
}

void CaricaPrinc(const QString& rigaComandi)
{
    Princ* p = Unica<Princ>::Istanza();
    // The screen, then the strip laid out for it (the strip follows its own
    // width from now on).
    p->EsaminaSchermo();
    p->DisponiStriscia();
    p->ImpostaPannello(1, QStringLiteral("Nome del quaderno: senza nome   "));
    p->ImpostaPannello(2, QStringLiteral("Foglio: A   "));
    InizializzaApplicazione();

    if (!rigaComandi.isEmpty()) {
        ApriQuadernoIniziale(rigaComandi);
        return;
    }
    Suono::Riproduci(QStringLiteral("avvio.wav"));
    MostraFoglio(1);
    Fogli::Istanza(2);
    p->Affianca();
    MostraFinestraModale(Unica<FrmSplash>::Istanza());
    if (MostraFinestraAvvio) MostraFinestraModale(new FrmInfoAvvio(p));
}
