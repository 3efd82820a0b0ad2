#include "workspace/StatoComandi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include <QAction>
#include <QMenu>

namespace {

// The menus switched off with the sheet commands (Modifica is switched
// apart: it stays on for the notes).
const char* const MenuOperazioni[] = {"MnuEquivalenza", "MnuGruppo", "MnuImposta", "MnuOpera",
                                      "MnuOrdina", "MnuRappresenta", "MnuTrova", "MnuVerifica"};
// The File items that act on the active sheet or the notes.
const char* const VociFileFoglio[] = {"MnuFileCancellaFoglio", "MnuFileCopiaBitmap", "MnuFileStampa"};

void AbilitaBottoni(Princ* p, int da, int a, bool si)
{
    for (int i = da; i <= a; ++i)
        if (QAction* b = p->BottoneToolbar1(i)) b->setEnabled(si);
}

// Every action under the menu, submenus included: a menu switched off must
// not leave shortcuts of its items working.
void AbilitaAzioni(QMenu* m, bool si)
{
    for (QAction* a : m->actions()) {
        a->setEnabled(si);
        if (QMenu* sotto = a->menu()) {
            sotto->setEnabled(si);
            AbilitaAzioni(sotto, si);
        }
    }
}

void AbilitaMenu(Princ* p, const char* nome, bool si)
{
    QMenu* m = p->findChild<QMenu*>(QLatin1String(nome));
    if (!m) return;
    m->setEnabled(si);
    m->menuAction()->setEnabled(si);
    AbilitaAzioni(m, si);
}

void AbilitaVoce(Princ* p, const char* nome, bool si)
{
    if (QAction* a = p->Azione(QLatin1String(nome))) a->setEnabled(si);
}

void Imposta(bool foglio, bool appunti)
{
    Princ* p = Unica<Princ>::SeEsiste();
    if (!p) return;
    const bool documento = foglio || appunti;
    AbilitaBottoni(p, 1, 11, foglio);
    AbilitaBottoni(p, 12, 17, documento);
    AbilitaBottoni(p, 18, 21, foglio);
    for (const char* m : MenuOperazioni) AbilitaMenu(p, m, foglio);
    AbilitaMenu(p, "MnuModifica", documento);
    for (const char* v : VociFileFoglio) AbilitaVoce(p, v, documento);
    // A fraction can be copied as a picture only from a sheet.
    AbilitaVoce(p, "MnuModificaCopiaBitmap", foglio);
}

}   // namespace

void ImpostaComandiFoglio() { Imposta(true, false); }

void ImpostaComandiAppunti() { Imposta(false, true); }

void ImpostaComandiNessunFoglio() { Imposta(false, false); }

void AggiornaStatoComandi()
{
    Princ* p = Unica<Princ>::SeEsiste();
    if (!p) return;
    const bool foglioAperto = p->Toolbar2Premuto(1) || p->Toolbar2Premuto(2);
    const bool appuntiAperti = p->Toolbar2Premuto(3);
    if (appuntiAperti && FoglioAttivo == 3) {
        ImpostaComandiAppunti();
    } else if (foglioAperto) {
        ImpostaComandiFoglio();
    } else if (appuntiAperti) {
        ImpostaComandiAppunti();
    } else {
        ImpostaComandiNessunFoglio();
        p->ImpostaPannello(2, QStringLiteral("Foglio: nessuno   "));
    }
}
