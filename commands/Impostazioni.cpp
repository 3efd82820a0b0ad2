// The options of the Imposta menu and the About item. The menu has already
// turned an option's check over when its handler runs: the handler applies
// the state the check now shows.
#include "commands/Comandi.h"
#include "platform/BarraStrumenti.h"
#include "platform/Finestre.h"
#include "workspace/Fogli.h"
#include "workspace/FrmSplash.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Opzioni.h"
#include "workspace/Princ.h"
#include <QTimer>

void MnuImpostaMostraValori_Click()
{
    DistanzaTorte = OpzioneMostraValori() ? 140 : 50;
    if (!Unica<Princ>::SeEsiste()) return;
    // The row pitch changes, and with it how many rows fit: each sheet is laid
    // out again (columns, scroll bar, redraw, outlines), not only redrawn, or
    // the last rows could stay out of the scroll bar's reach.
    Fogli::Istanza(FoglioA)->Form_Resize();
    Fogli::Istanza(FoglioB)->Form_Resize();
}

void MnuImpostaAbilitaSuono_Click() { SuonoAbilitato = OpzioneSuono() ? VERO : FALSO; }

// The check is the whole option: it is written at exit.
void MnuImpostaWinAvvio_Click() {}

void MnuImpostaEvBottoni_Click()
{
    if (Princ* p = Unica<Princ>::SeEsiste()) ImpostaBottoniInRilievo(p->Toolbar1(), OpzionePulsanti3D());
}

void MnuImpostaEvBarra_Click()
{
    if (Princ* p = Unica<Princ>::SeEsiste()) ImpostaBordoBarra(p->Toolbar1(), OpzioneBarra3D());
}

void MnuImpostaFogliCalcoloBianchi_Click()
{
    if (!Unica<Princ>::SeEsiste()) return;
    // Both sheets, open or not: a closed sheet shows its new colour when it
    // is opened again.
    for (uint8_t s : {FoglioA, FoglioB}) {
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
    FrmSplash* f = Unica<FrmSplash>::Istanza();
    f->Timer1()->stop();
    PortaDavanti(f);
}
