// Commands not built yet: each body below does nothing on purpose, so the
// menus and buttons that call it can be wired now. The unit that builds a
// command takes its body out of this file.
#include "commands/Comandi.h"
#include "workspace/Princ.h"
#include <QAction>

// Adding a fraction.
void AggiungiFrazioneTorta() {}
void AggiungiFrazioneLinea() {}
void AggiungiFrazioneRettangolo() {}
void AggiungiFrazioneValDecimale(uint8_t) {}

// Transfer, order and zoom.

// Sheet copy, select all and printing.

// Settings, help and web items.
//
// The menu turns an option's check over before its handler runs. Until an
// option's handler is built, its check is put back as it was, so that the
// menu never shows a state the program is not in (sound unchecked while it
// still plays, values unchecked while the rows keep their room ...).
namespace {
void LasciaLOpzioneComEra(const char* nome)
{
    if (Princ* p = Unica<Princ>::SeEsiste())
        if (QAction* a = p->Azione(QLatin1String(nome)); a && a->isCheckable()) a->setChecked(!a->isChecked());
}
}   // namespace

void MnuImpostaMostraValori_Click() { LasciaLOpzioneComEra("MnuImpostaMostraValori"); }
void MnuImpostaAbilitaSuono_Click() { LasciaLOpzioneComEra("MnuImpostaAbilitaSuono"); }
// Complete as it is: the check is the whole option, read at exit.
void MnuImpostaWinAvvio_Click() {}
void MnuImpostaEvBottoni_Click() { LasciaLOpzioneComEra("MnuImpostaEvBottoni"); }
void MnuImpostaEvBarra_Click() { LasciaLOpzioneComEra("MnuImpostaEvBarra"); }
void MnuImpostaFogliCalcoloBianchi_Click() { LasciaLOpzioneComEra("MnuImpostaFogliCalcoloBianchi"); }
void MnuImpostaFinestreServizioBianche_Click() { LasciaLOpzioneComEra("MnuImpostaFinestreServizioBianche"); }
void MnuGuidaZefra_Click() {}
void MnuGuidaGuidaRapida_Click() {}
void MnuGuidaTavolaPrimi_Click() {}
void MnuGuidaInfo_Click() {}
void MnuGuidaWebZefra_Click() {}
void MnuGuidaWebSelvanto_Click() {}
void MnuGuidaWebAutore_Click() {}
