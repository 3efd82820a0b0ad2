// Transfer of the selected fractions to the other sheet, and moving the one
// selected fraction a place back or forward. None of them changes a value.
#include "commands/Comandi.h"
#include "commands/CopiaFoglio.h"
#include "platform/Suono.h"
#include "workspace/Fogli.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include <array>
#include <utility>

namespace {

// Back (-1) or forward (+1) by one place.
void Sposta(uint8_t foglio, int passo, const QString& titolo)
{
    const int s = IndiceFoglio(foglio);
    const int n = FrazioniSulFoglio(s);
    const int p = UnicaSelezionataOAvvisa(uint8_t(s), titolo);
    if (p == 0) return;
    const int q = p + passo;
    if (q < 1 || q > n) return;
    const RigaFrazione r = LeggiFrazione(s, p);
    ScriviFrazione(s, p, LeggiFrazione(s, q));
    ScriviFrazione(s, q, r);
    RidisegnaFoglio(s);
    EvidenziaSelezionate(s);
    QuadernoModificato = VERO;
    Suono::Riproduci(QStringLiteral("sposta.wav"));
}

} // namespace

void TrasferisciFrazioni(uint8_t foglio)
{
    const QString titolo = QStringLiteral("Trasferisci");
    const int sorgente = foglio == FoglioA ? FoglioA : FoglioB;
    const int destinazione = sorgente == FoglioA ? FoglioB : FoglioA;

    Princ* p = Unica<Princ>::SeEsiste();
    if (!p || !p->Toolbar2Premuto(destinazione)) {
        MostraMessaggio(QStringLiteral("Per trasferire una o più frazioni devi aprire ") +
                            QStringLiteral("entrambi i fogli di calcolo"),
                        3, titolo);
        return;
    }
    const int n = ContaSelezionate(uint8_t(sorgente));
    if (n == 0) {
        MostraMessaggio(QStringLiteral("Selezionare una o più frazioni"), 3, titolo);
        return;
    }
    const int primaDestinazione = FrazioniSulFoglio(destinazione);
    if (primaDestinazione + n >= MaxFrazioni + 1) {
        MostraMessaggio(destinazione == FoglioB ? QStringLiteral("Il foglio B non può contenere più di 128 frazioni")
                                          : QStringLiteral("Il foglio A non può contenere più di 128 frazioni"),
                        3, titolo);
        return;
    }

    // The source is packed from a copy of its own rather than from the
    // shared scratch table, which may still hold another command's hand-off.
    const CopiaFoglio copia(sorgente);
    int arrivo = primaDestinazione;
    for (int i = 1; i <= copia.Conta(); ++i) {
        if (copia[i].sel != 1) continue;
        ScriviFrazione(destinazione, ++arrivo, copia[i]);
    }
    NumFrazioni(destinazione) = int16_t(arrivo);
    for (int i = 1; i <= primaDestinazione; ++i) Frazioni[destinazione][i][CampoSel] = 0;

    // Every fraction that did not move stays, whatever odd flag a notebook
    // written elsewhere may have given it.
    int restano = 0;
    for (int i = 1; i <= copia.Conta(); ++i) {
        if (copia[i].sel == 1) continue;
        copia.Scrivi(++restano, copia[i]);
    }
    NumFrazioni(sorgente) = int16_t(restano);

    RidisegnaFoglio(FoglioA);
    AggiornaScorrimento(FoglioA);
    RidisegnaFoglio(FoglioB);
    AggiornaScorrimento(FoglioB);
    EvidenziaSelezionate(uint8_t(destinazione));
    MostraFoglio(uint8_t(destinazione));

    Suono::Riproduci(QStringLiteral("togli.wav"));
    QuadernoModificato = VERO;
}

void SpostaIndietro(uint8_t foglio) { Sposta(foglio, -1, QStringLiteral("Sposta indietro")); }

void SpostaAvanti(uint8_t foglio) { Sposta(foglio, +1, QStringLiteral("Sposta avanti")); }
