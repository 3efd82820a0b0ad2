// Grouping fractions with the same denominator, and splitting one fraction
// into unit fractions or into two fractions.
#include "commands/Comandi.h"
#include "commands/CopiaFoglio.h"
#include "commands/FrmSeparaDue.h"
#include "platform/Finestre.h"
#include "platform/Modale.h"
#include "platform/Numeri.h"
#include "platform/Suono.h"
#include "workspace/Fogli.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include <QPointer>

namespace {

const QString NumeratoreUno = QStringLiteral("Non si può separare una frazione con numeratore 1");
const QString Limite = QStringLiteral("Un foglio non può contenere più di 128 frazioni");

// The one selected fraction of the sheet, split into `pezzi(f)` fractions:
// its position, or 0 once a message has said why it cannot be split (not
// exactly one selected, numerator 1, or a sheet that would pass 128).
int DaSeparare(int s, const CopiaFoglio& copia, const QString& titolo, int (*pezzi)(const RigaFrazione&))
{
    const int p = UnicaSelezionataOAvvisa(uint8_t(s), titolo);
    if (p == 0) return 0;
    const RigaFrazione& f = copia[p];
    if (f.num == 1) {
        MostraMessaggio(NumeratoreUno, 1, titolo);
        return 0;
    }
    if (copia.Conta() + pezzi(f) - 1 > MaxFrazioni) {
        MostraMessaggio(Limite, 3, titolo);
        return 0;
    }
    return p;
}

// The sheet now holds conta fractions: scroll bar, drawing, boxes, sound.
void Concludi(int s, int conta)
{
    NumFrazioni(s) = int16_t(conta);
    AggiornaScorrimento(uint8_t(s));
    RidisegnaFoglio(uint8_t(s));
    EvidenziaSelezionate(uint8_t(s));
}

} // namespace

void RaggruppaFrazioni(uint8_t foglio)
{
    const QString titolo = QStringLiteral("Raggruppa");
    const int s = IndiceFoglio(foglio);
    const CopiaFoglio copia(s);
    int selezionate = 0, f = 0;
    int16_t somma = 0;
    // One pass finds the sum and any mismatch; whichever comes first in
    // the order of the sheet is what the pupil is told.
    for (int i = 1; i <= copia.Conta(); ++i) {
        if (copia[i].sel != 1) continue;
        ++selezionate;
        try {
            somma = Somma16(somma, copia[i].num);
        } catch (const OverflowTermini&) {
            MostraMessaggio(QStringLiteral("I termini di una frazione sono numeri troppo grandi"), 3, titolo);
            return;
        }
        if (f == 0) f = i;
        if (copia[i].den != copia[f].den) {
            MostraMessaggio(QStringLiteral("Le frazioni da raggruppare non hanno lo stesso denominatore"), 1, titolo);
            return;
        }
    }
    if (selezionate < 2) {
        MostraMessaggio(QStringLiteral("Selezionare due o più frazioni"), 3, titolo);
        return;
    }
    const int16_t d = copia[f].den, c = copia[f].colore;
    int w = 0;
    if (somma <= d) {
        copia.Scrivi(f, {somma, d, 1, c});
        w = 1;
    } else {
        // Past a whole: one d/d for each unit, then what is left.
        const int q = somma / d, r = somma - q * d;
        for (int j = 0; j < q; ++j) copia.Scrivi(f + j, {d, d, 1, c});
        w = q;
        if (r > 0) copia.Scrivi(f + w++, {int16_t(r), d, 1, c});
    }
    int k = f + w;
    for (int i = f + 1; i <= copia.Conta(); ++i)
        if (copia[i].sel != 1) copia.Scrivi(k++, copia[i]);
    Concludi(s, copia.Conta() - selezionate + w);
    Suono::Riproduci(QStringLiteral("raggruppa.wav"));
    QuadernoModificato = VERO;
}

void SeparaInUnita(uint8_t foglio)
{
    const QString titolo = QStringLiteral("Separa");
    const int s = IndiceFoglio(foglio);
    const CopiaFoglio copia(s);
    const int p = DaSeparare(s, copia, titolo, [](const RigaFrazione& f) { return int(f.num); });
    if (p == 0) return;
    const RigaFrazione f = copia[p];
    Concludi(s, copia.SostituisciConCopie(p, f.num, {1, f.den, 1, f.colore}));
    Suono::Riproduci(QStringLiteral("separa.wav"));
    QuadernoModificato = VERO;
}

void SeparaInDue(uint8_t foglio)
{
    const QString titolo = QStringLiteral("Separa in due frazioni");
    const int s = IndiceFoglio(foglio);
    if (FrmSeparaDueAperto()) return;
    const CopiaFoglio copia(s);
    const int p = DaSeparare(s, copia, titolo, [](const RigaFrazione&) { return 2; });
    if (p == 0) return;
    const RigaFrazione f = copia[p];

    // Guarded: the dialog belongs to the main window, which may go first.
    QPointer<FrmSeparaDue> dlg = new FrmSeparaDue(f.num, f.den, f.colore, int16_t(p), Unica<Princ>::SeEsiste());
    RendiSempreSopra(dlg);
    CentraDialogo(dlg);
    const bool accettato = EseguiBox(*dlg) == QDialog::Accepted;
    if (!dlg) return;
    // The dialog is closed but still here: its parts go on the sheet, the
    // rest of the sheet moves one place right.
    const RigaFrazione parte1{dlg->Parte1(), dlg->DenFraz(), 1, dlg->ColoreFraz()};
    const RigaFrazione parte2{dlg->Parte2(), dlg->DenFraz(), 1, dlg->ColoreFraz()};
    const int pos = dlg->PosFraz();
    delete dlg.data();
    if (!accettato) return;
    copia.Scrivi(pos, parte1);
    copia.Scrivi(pos + 1, parte2);
    for (int k = pos + 2; k <= copia.Conta() + 1; ++k) copia.Scrivi(k, copia[k - 1]);
    Concludi(s, copia.Conta() + 1);
    Suono::Riproduci(QStringLiteral("separa.wav"));
    QuadernoModificato = VERO;
}
