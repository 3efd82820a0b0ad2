// The openers of the service windows: each checks the selection of the
// active sheet, hands the operands to its window and opens it. They form
// one family, told once by the table below.
#include "commands/Comandi.h"
#include "service/Aperture.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include <cstdint>
#include <vector>

namespace {

enum class Regola { Una, Due, DaUnaA64 };

// A selected fraction: its position and its record as the sheet holds it.
struct Scelta {
    int posizione;
    int16_t num, den, colore;
};

// What an opener found: the fractions its rule keeps, and how many it
// counted (a rule may stop counting early).
struct Selezione {
    std::vector<Scelta> frazioni;
    int contate = 0;
};

struct Apritore {
    const char* titolo;
    Regola regola;
    // Further checks, in their order: false once one has shown its message.
    bool (*controlla)(const Selezione& s, uint8_t termine);
    // Writes the hand-off.
    void (*consegna)(const Selezione& s, uint8_t termine);
    void (*apri)();
};

const QString& TestoSelezione(Regola r)
{
    static const QString una = QStringLiteral("Selezionare una frazione (e non più di una)");
    static const QString due = QStringLiteral("Selezionare due frazioni");
    static const QString fino64 = QStringLiteral("Selezionare una o più frazioni (non più di 64)");
    return r == Regola::Una ? una : r == Regola::Due ? due : fino64;
}

// Walks the sheet in position order as the rule says. The histogram's rule
// writes the working rows while it counts, before the count is judged.
Selezione Conta(uint8_t foglio, Regola regola)
{
    const int s = IndiceFoglio(foglio);
    Selezione sel;
    for (int i = 1; i <= FrazioniSulFoglio(s); ++i) {
        const int16_t* f = Frazioni[s][i];
        if (f[3] != 1) continue;
        const Scelta scelta{i, f[1], f[2], f[4]};
        if (regola == Regola::Una) {
            // Every one is counted; the last one counted is kept.
            ++sel.contate;
            sel.frazioni.assign(1, scelta);
        } else if (regola == Regola::Due) {
            ++sel.contate;
            if (sel.contate > 2) break;
            sel.frazioni.push_back(scelta);
        } else {
            ++sel.contate;
            int16_t* riga = FrazioniAppoggio[sel.contate];
            riga[1] = scelta.num;
            riga[2] = scelta.den;
            riga[4] = scelta.colore;
        }
    }
    return sel;
}

bool ContoGiusto(Regola regola, int n)
{
    switch (regola) {
    case Regola::Una: return n == 1;
    case Regola::Due: return n == 2;
    case Regola::DaUnaA64: return n >= 1 && n <= 64;
    }
    return false;
}

void Riga(int riga, const Scelta& f, bool colore = true)
{
    FrazioniFinestre[riga][1] = f.num;
    FrazioniFinestre[riga][2] = f.den;
    if (colore) FrazioniFinestre[riga][4] = f.colore;
}

bool Nessuno(const Selezione&, uint8_t) { return true; }

bool PoligonoPossibile(const Selezione& s, uint8_t)
{
    static const QString titolo = QStringLiteral("Rappresentazione con un poligono");
    const int den = s.frazioni[0].den;
    if (den == 1 || den == 2) {
        MostraMessaggio(QStringLiteral("Rappresentazione non disponibile") + ACapo +
                            QStringLiteral("con denominatore uguale a 1 o 2"),
                        3, titolo);
        return false;
    }
    if (den >= 31) {
        MostraMessaggio(QStringLiteral("Rappresentazione non disponibile") + ACapo +
                            QStringLiteral("con denominatore maggiore di 30"),
                        3, titolo);
        return false;
    }
    return true;
}

bool FrazDiFrazPossibile(const Selezione& s, uint8_t)
{
    static const QString titolo = QStringLiteral("Frazione di frazione");
    const Scelta& a = s.frazioni[0];
    const Scelta& b = s.frazioni[1];
    if (a.colore == b.colore) {
        MostraMessaggio(QStringLiteral("Utilizzare per le due frazioni colori diversi"), 3, titolo);
        return false;
    }
    if (int32_t(a.den) * int32_t(b.den) > 10000) {
        MostraMessaggio(QStringLiteral("Opzione non disponibile. I numeri coinvolti sono troppo grandi"), 3,
                        titolo);
        return false;
    }
    return true;
}

int16_t TermineScelto(const Selezione& s, uint8_t termine)
{
    return termine == 1 ? s.frazioni[0].num : s.frazioni[0].den;
}

bool TermineScomponibile(const Selezione& s, uint8_t termine)
{
    if (TermineScelto(s, termine) != 1) return true;
    MostraMessaggio(QStringLiteral("Il numero 1 non è scomponibile in fattori primi"), 1,
                    QStringLiteral("Scomponi in fattori primi"));
    return false;
}

enum Membro {
    Linea, Poligono, Rettangolo, FrazDiNum, FrazDiFraz, FattoriComuni, ValoreDecimale, DenominatoreComune,
    Istogramma, Fattorizza
};

const Apritore Apritori[] = {
    {"Rappresentazione lineare", Regola::Una, Nessuno,
     [](const Selezione& s, uint8_t) { Riga(1, s.frazioni[0]); }, ApriFrmRapprLineare},
    {"Rappresentazione con un poligono", Regola::Una, PoligonoPossibile,
     [](const Selezione& s, uint8_t) { Riga(2, s.frazioni[0]); }, ApriFrmRapprPoligonale},
    {"Rappresentazione rettangolare", Regola::Una, Nessuno,
     [](const Selezione& s, uint8_t) { Riga(3, s.frazioni[0]); }, ApriFrmRapprRettangolare},
    {"Frazione di un numero", Regola::Una, Nessuno,
     [](const Selezione& s, uint8_t) { Riga(8, s.frazioni[0]); }, ApriFrmFrazDiNum},
    {"Frazione di frazione", Regola::Due, FrazDiFrazPossibile,
     [](const Selezione& s, uint8_t) {
         Riga(9, s.frazioni[0]);
         Riga(10, s.frazioni[1]);
     },
     ApriFrmFrazDiFraz},
    {"Trova il MCD di numeratore e denominatore", Regola::Una, Nessuno,
     [](const Selezione& s, uint8_t) { Riga(5, s.frazioni[0]); }, ApriFrmScomponi},
    {"Trova il valore decimale della frazione", Regola::Una, Nessuno,
     [](const Selezione& s, uint8_t) { Riga(7, s.frazioni[0], false); }, ApriFrmValoreDecimale},
    {"Riduci al minimo comun denominatore", Regola::Due, Nessuno,
     [](const Selezione& s, uint8_t) {
         FrazioniFinestre[6][1] = s.frazioni[0].den;
         FrazioniFinestre[6][2] = s.frazioni[1].den;
     },
     ApriFrmScomponi1},
    {"Istogramma", Regola::DaUnaA64, Nessuno,
     [](const Selezione& s, uint8_t) { FrazioniAppoggio[130][1] = int16_t(s.contate); }, ApriFrmIstogramma},
    {"Scomponi in fattori primi", Regola::Una, TermineScomponibile,
     [](const Selezione& s, uint8_t termine) { FrazioniAppoggio[1][1] = TermineScelto(s, termine); },
     ApriFrmFattorizza},
};

// The common steps: count, warn, check, hand off, open. Nothing else
// changes: no sound of its own, no selection or sheet touched.
void Esegui(Membro m, uint8_t foglio, uint8_t termine = 0)
{
    const Apritore& a = Apritori[m];
    const QString titolo = QString::fromUtf8(a.titolo);
    const Selezione s = Conta(foglio, a.regola);
    if (!ContoGiusto(a.regola, s.contate)) {
        MostraMessaggio(TestoSelezione(a.regola), 3, titolo);
        return;
    }
    if (!a.controlla(s, termine)) return;
    a.consegna(s, termine);
    a.apri();
}

}   // namespace

void RappresentaLinea(uint8_t foglio) { Esegui(Linea, foglio); }
void RappresentaPoligono(uint8_t foglio) { Esegui(Poligono, foglio); }
void RappresentaRettangolo(uint8_t foglio) { Esegui(Rettangolo, foglio); }
void TrovaFrazDiNum(uint8_t foglio) { Esegui(FrazDiNum, foglio); }
void TrovaFrazDiFraz(uint8_t foglio) { Esegui(FrazDiFraz, foglio); }
void TrovaFattoriComuni(uint8_t foglio) { Esegui(FattoriComuni, foglio); }
void TrovaValoreDecimale(uint8_t foglio) { Esegui(ValoreDecimale, foglio); }
void TrovaDenominatoreComune(uint8_t foglio) { Esegui(DenominatoreComune, foglio); }
void RappresentaIstogramma(uint8_t foglio) { Esegui(Istogramma, foglio); }
void ScomponiTermine(uint8_t termine, uint8_t foglio) { Esegui(Fattorizza, foglio, termine); }
