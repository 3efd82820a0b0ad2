// The checks on the selected fractions of a sheet: all equal, increasing,
// decreasing, and in lowest terms. Each judges a copy of the selection and
// opens its result window afresh; none plays a sound or changes the sheet.
#include "commands/Comandi.h"
#include "logica/Verifiche.h"
#include "service/FrmRiduzione.h"
#include "service/FrmVerifiche.h"
#include "workspace/Aritmetica.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"

namespace {

// The selected fractions of the sheet in position order. They also go to
// rows 1.. of FrazioniAppoggio (terms only), where other procedures expect
// the last check's working copy.
std::vector<TerminiFrazione> SelezionateInOrdine(uint8_t foglio)
{
    const int s = IndiceFoglio(foglio);
    std::vector<TerminiFrazione> scelte;
    for (int i = 1; i <= FrazioniSulFoglio(s); ++i) {
        if (Frazioni[s][i][3] != 1) continue;
        const TerminiFrazione f{Frazioni[s][i][1], Frazioni[s][i][2]};
        scelte.push_back(f);
        const size_t riga = scelte.size();
        FrazioniAppoggio[riga][1] = f.num;
        FrazioniAppoggio[riga][2] = f.den;
    }
    return scelte;
}

template <class Finestra>
void VerificaVicine(RegolaVerifica regola, uint8_t foglio)
{
    const std::vector<TerminiFrazione> scelte = SelezionateInOrdine(foglio);
    const int n = int(scelte.size());
    if (n < 2) {
        MostraMessaggio(QStringLiteral("Selezionare due o più frazioni"), 3, TitoloAvvisoVerifica(regola));
        return;
    }
    const EsitoVerifica esito = ConfrontaVicine(regola, scelte);
    ApriFresca<Finestra>(IntestazioneVerifica(regola, esito, n) + ACapo + ElencoFrazioni(scelte));
}

}   // namespace

void VerificaUguali(uint8_t foglio) { VerificaVicine<FrmUguali>(RegolaVerifica::Uguali, foglio); }
void VerificaCrescente(uint8_t foglio) { VerificaVicine<FrmCrescenti>(RegolaVerifica::Crescente, foglio); }
void VerificaDecrescente(uint8_t foglio) { VerificaVicine<FrmDecrescenti>(RegolaVerifica::Decrescente, foglio); }

void VerificaRidotta(uint8_t foglio)
{
    const int s = IndiceFoglio(foglio);
    int quante = 0, posizione = 0;
    for (int i = 1; i <= FrazioniSulFoglio(s); ++i)
        if (Frazioni[s][i][3] == 1) {
            ++quante;
            posizione = i;
        }
    if (quante != 1) {
        MostraMessaggio(QStringLiteral("Selezionare una frazione (e non più di una)"), 3,
                        QStringLiteral("La frazione è ridotta ai minimi termini ?"));
        return;
    }
    const int16_t num = Frazioni[s][posizione][1], den = Frazioni[s][posizione][2];
    FrmRiduzione* w = ApriFresca<FrmRiduzione>(num, den, CalcolaMCD(num, den));
    FrazioniFinestre[4][1] = w->LarghezzaFigura();
}
