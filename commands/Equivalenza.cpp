// The four factor commands: equivalent fractions by multiplying or dividing
// both terms, and one fraction multiplied or divided by a whole number.
#include "commands/Comandi.h"
#include "commands/CopiaFoglio.h"
#include "platform/Numeri.h"
#include "platform/Suono.h"
#include "workspace/Aritmetica.h"
#include "workspace/Fogli.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"

namespace {

const QString TroppoGrandi = QStringLiteral("I termini di una frazione sono numeri troppo grandi");
const QString UnaOPiu = QStringLiteral("Selezionare una o più frazioni");

void Ridisegna(int s)
{
    RidisegnaFoglio(uint8_t(s));
    EvidenziaSelezionate(uint8_t(s));
}

// Both terms of the selection changed: the sheet and its sum show them.
void Concludi(int s, const char* suono)
{
    Ridisegna(s);
    Suono::Riproduci(QLatin1String(suono));
    QuadernoModificato = VERO;
}

} // namespace

void MoltiplicaTermini(uint8_t foglio)
{
    const QString titolo = QStringLiteral("Moltiplica numeratore e denominatore");
    const int s = IndiceFoglio(foglio);
    const int16_t k = FattoreEquivMoltiplica;
    int selezionate = 0;
    for (int i = 1, n = FrazioniSulFoglio(s); i <= n; ++i) {
        if (Frazioni[s][i][3] != 1) continue;
        try {
            const int16_t num = Moltiplica16(Frazioni[s][i][1], k);
            const int16_t den = Moltiplica16(Frazioni[s][i][2], k);
            Frazioni[s][i][1] = num;
            Frazioni[s][i][2] = den;
        } catch (const OverflowTermini&) {
            // The fractions already multiplied keep their new terms: the
            // sheet and its sum must show them, and the notebook must know
            // it changed, or leaving would drop them unasked.
            MostraMessaggio(TroppoGrandi, 3, titolo);
            if (selezionate > 0) {
                Ridisegna(s);
                QuadernoModificato = VERO;
            }
            return;
        }
        ++selezionate;
    }
    if (selezionate == 0) {
        MostraMessaggio(UnaOPiu, 3, titolo);
        return;
    }
    Concludi(s, "equiv1.wav");
}

void DividiTermini(uint8_t foglio)
{
    const QString titolo = QStringLiteral("Dividi numeratore e denominatore");
    const int s = IndiceFoglio(foglio);
    const int16_t k = FattoreEquivDividi;
    if (k < 1) return;   // no path gives one; a zero would divide by zero
    const int n = FrazioniSulFoglio(s);
    int selezionate = 0;
    // All or nothing: every selected fraction is checked before any changes.
    for (int i = 1; i <= n; ++i) {
        if (Frazioni[s][i][3] != 1) continue;
        ++selezionate;
        const int16_t num = Frazioni[s][i][1], den = Frazioni[s][i][2];
        if (num % k > 0 || den % k > 0) {
            MostraMessaggio(QStringLiteral("Errore nella semplificazione della frazione: ") + Str(k) +
                                QStringLiteral(" non è un divisore comune a numeratore e denominatore della frazione ") +
                                CStr(num) + QLatin1Char('/') + CStr(den) + QStringLiteral(" (frazione n. ") + Str(i) +
                                QStringLiteral(")."),
                            2, titolo);
            return;
        }
    }
    if (selezionate == 0) {
        MostraMessaggio(UnaOPiu, 3, titolo);
        return;
    }
    for (int i = 1; i <= n; ++i) {
        if (Frazioni[s][i][3] != 1) continue;
        Frazioni[s][i][1] = int16_t(Frazioni[s][i][1] / k);
        Frazioni[s][i][2] = int16_t(Frazioni[s][i][2] / k);
    }
    Concludi(s, "equiv2.wav");
}

void MoltiplicaFrazione(uint8_t foglio)
{
    const QString titolo = QStringLiteral("Moltiplica");
    const int s = IndiceFoglio(foglio);
    const int16_t k = FattoreMoltiplica;
    const int p = UnicaSelezionataOAvvisa(uint8_t(s), titolo);
    if (p == 0) return;
    if (k == 0) {
        // Multiplying by zero takes the fraction away, as a cut does: it can
        // be pasted back.
        Suono::Riproduci(QStringLiteral("moltiplica.wav"));
        TagliaSelezione(uint8_t(s));
        QuadernoModificato = VERO;
        return;
    }
    const CopiaFoglio copia(s);
    const RigaFrazione f = copia[p];
    int16_t prodotto = 0;
    try {
        prodotto = Moltiplica16(f.num, k);
    } catch (const OverflowTermini&) {
        MostraMessaggio(TroppoGrandi, 3, titolo);
        return;
    }
    int conta = copia.Conta();
    if (prodotto <= f.den) {
        Frazioni[s][p][1] = prodotto;
    } else {
        // Past a whole the product is shown as k copies of the fraction,
        // so that no fraction on a sheet is larger than 1.
        if (conta + k - 1 > MaxFrazioni) {
            MostraMessaggio(QStringLiteral("Il foglio non può contenere più di 128 frazioni. ") + ACapo + ACapo +
                                QStringLiteral("Impossibile eseguire la moltiplicazione"),
                            4, titolo);
            return;
        }
        conta = copia.SostituisciConCopie(p, k, {f.num, f.den, 1, f.colore});
    }
    NumFrazioni(s) = int16_t(conta);
    Ridisegna(s);
    AggiornaScorrimento(uint8_t(s));
    Suono::Riproduci(QStringLiteral("moltiplica.wav"));
    QuadernoModificato = VERO;
}

void DividiFrazione(uint8_t foglio)
{
    const QString titolo = QStringLiteral("Dividi");
    const int s = IndiceFoglio(foglio);
    const int16_t k = FattoreDividi;
    const int p = UnicaSelezionataOAvvisa(uint8_t(s), titolo);
    if (p == 0) return;
    if (k < 1) return;   // no path gives one; a zero would divide by zero
    const int16_t num = Frazioni[s][p][1], den = Frazioni[s][p][2];
    const int16_t g = CalcolaMCD(k, num);
    int16_t nuovoDen = 0;
    try {
        nuovoDen = Moltiplica16(den, k / g);
    } catch (const OverflowTermini&) {
        MostraMessaggio(TroppoGrandi, 3, titolo);
        return;
    }
    Frazioni[s][p][1] = int16_t(num / g);
    Frazioni[s][p][2] = nuovoDen;
    Ridisegna(s);
    Suono::Riproduci(QStringLiteral("dividi.wav"));
    QuadernoModificato = VERO;
}
