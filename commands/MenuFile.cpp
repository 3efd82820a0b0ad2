// The File menu's handlers: New, Open, Save, Save as, Clear sheet and Exit.
#include "commands/Comandi.h"
#include "commands/Modifica.h"
#include "logica/FileQuaderno.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include "workspace/Quaderno.h"
#include "workspace/StatoComandi.h"
#include <QFileInfo>
#include <QTextEdit>

void MnuFileNuovoQuaderno_Click()
{
    if (!ChiediDiSalvare(QStringLiteral("Nuovo quaderno"))) return;
    ChiudiFinestreServizio();
    QuadernoModificato = FALSO;
    NomeQuaderno.clear();
    Princ* p = Unica<Princ>::SeEsiste();
    if (!p) return;
    NascondiFoglio(2);
    NascondiAppunti();
    MostraFoglio(1);
    p->Affianca();
    p->ImpostaToolbar2(1, true);
    p->ImpostaToolbar2(2, false);
    p->ImpostaToolbar2(3, false);
    p->ImpostaPannello(1, QStringLiteral("Nome quaderno: senza nome   "));
    p->ImpostaPannello(2, QStringLiteral("Foglio: A   "));
    AggiornaStatoComandi();
    // Emptying the notes here is the program's doing, not a change by the
    // pupil: it does not mark the new notebook modified.
    CaricaAppunti([](QTextEdit*) { CancellaFoglio(3); });
    CancellaFoglio(2);
    CancellaFoglio(1);
}

void MnuFileApri_Click()
{
    if (!ChiediDiSalvare(QStringLiteral("Apri quaderno"))) return;
    ChiudiFinestreServizio();
    const QString scelto = MostraDialogoQuaderno(false);
    if (scelto.isEmpty()) return;
    const QString titoloFile = QFileInfo(scelto).fileName();
    // A name that is not a notebook's: the notebook on screen stays, but
    // without a name (the status bar keeps the old one), so that the next
    // Save asks for a name.
    if (!FiniscePerQdn(titoloFile)) {
        AvvisaNonQuaderno();
        NomeQuaderno.clear();
        return;
    }
    CartellaDialogoQuaderni = QFileInfo(scelto).absolutePath();
    // A file that is not a sound notebook changes nothing, its name included.
    if (!CaricaQuaderno(scelto)) {
        AvvisaNonQuaderno();
        return;
    }
    if (Princ* p = Unica<Princ>::SeEsiste()) p->ImpostaPannello(1, TestoNomeQuaderno(titoloFile));
}

void MnuFileSalva_Click() { SalvaOChiediNome(); }

void MnuFileSalvaConNome_Click() { SalvaQuadernoConNome(); }

void MnuFileCancellaFoglio_Click()
{
    QString parola;
    switch (FoglioAttivo) {
    case 1: parola = QStringLiteral("di calcolo A"); break;
    case 2: parola = QStringLiteral("di calcolo B"); break;
    case 3: parola = QStringLiteral("degli appunti"); break;
    default: return;
    }
    MostraDomanda(QStringLiteral("Cancellare il foglio ") + parola + QStringLiteral("?"), 1,
                  QStringLiteral("Cancella foglio"));
    if (RispostaDomanda != 1) return;
    CancellaFoglio(FoglioAttivo);
    QuadernoModificato = VERO;
}

void MnuFileEsci_Click()
{
    if (Princ* p = Unica<Princ>::SeEsiste()) p->close();
}
