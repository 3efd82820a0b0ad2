// The options of the Imposta menu and the About item. The menu has already
// turned an option's check over when its handler runs: the handler applies
// the state the check now shows.
#include "commands/Comandi.h"
#include "platform/BarraStrumenti.h"
#include "workspace/Fogli.h"
#include "workspace/FrmSplash.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include <QTimer>

namespace {
bool Spuntato(const char* voce)
{
    Princ* p = PrincSeEsiste();
    return p && p->MenuSpuntato(QLatin1String(voce));
}
}   // namespace

void MnuImpostaMostraValori_Click()
{
    DistanzaTorte = Spuntato("MnuImpostaMostraValori") ? 140 : 50;
    if (!PrincSeEsiste()) return;
    // The row pitch changes, and with it how many rows fit: each sheet is laid
    // out again (columns, scroll bar, redraw, outlines), not only redrawn, or
    // the last rows could stay out of the scroll bar's reach.
    Foglio(1)->Form_Resize();
    Foglio(2)->Form_Resize();
}

void MnuImpostaAbilitaSuono_Click() { SuonoAbilitato = Spuntato("MnuImpostaAbilitaSuono") ? VERO : FALSO; }

// The check is the whole option: it is written at exit.
void MnuImpostaWinAvvio_Click() {}

void MnuImpostaEvBottoni_Click()
{
    if (Princ* p = PrincSeEsiste()) ImpostaBottoniInRilievo(p->Toolbar1(), Spuntato("MnuImpostaEvBottoni"));
}

void MnuImpostaEvBarra_Click()
{
    if (Princ* p = PrincSeEsiste()) ImpostaBordoBarra(p->Toolbar1(), Spuntato("MnuImpostaEvBarra"));
}

void MnuImpostaFogliCalcoloBianchi_Click()
{
    if (!PrincSeEsiste()) return;
    // Both sheets, open or not: a closed sheet shows its new colour when it
    // is opened again.
    for (uint8_t s : {uint8_t(1), uint8_t(2)}) {
        RidisegnaFoglio(s);
        EvidenziaSelezionate(s);
    }
}

void MnuImpostaFinestreServizioBianche_Click()
{
    // Each service window reads the option when it is loaded; the ones open
    // now keep their colour.
    MostraMessaggio(QStringLiteral("Il nuovo sfondo diventerà attivo alla prima utilizzazione ") +
                        QStringLiteral("di ogni finestra di servizio"),
                    5, QStringLiteral("Imposta"));
}

void MnuGuidaInfo_Click()
{
    // The splash picture, staying until a click, a key or another window.
    FrmSplash* f = frmSplash();
    f->Timer1()->stop();
    f->show();
    f->raise();
    f->activateWindow();
}
