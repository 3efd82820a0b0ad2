#pragma once
// The verdicts of the checks on the selected fractions: equal, increasing,
// decreasing, and in lowest terms. Plain functions on copied terms, so the
// texts and the comparisons can be tested without a window.
#include <QString>
#include <cstdint>
#include <vector>

// The two terms of a fraction as the store holds them (denominator >= 1).
struct TerminiFrazione {
    int16_t num = 0;
    int16_t den = 1;
};

// Which rule every neighbouring pair must keep.
enum class RegolaVerifica : uint8_t { Uguali, Crescente, Decrescente };

struct EsitoVerifica {
    bool verdetto = true;   // no neighbouring pair broke the rule
    bool pari = false;      // order checks: some pair was equal before any break
};

// Compares each fraction with the next by cross products in 32 bits (two
// 16-bit terms always fit), stopping at the first pair that breaks the rule.
// The equality check never records a tie. Fewer than two fractions keep
// the rule.
EsitoVerifica ConfrontaVicine(RegolaVerifica regola, const std::vector<TerminiFrazione>& frazioni);

// "1/2; 2/4; 3/6": the terms without blanks, "; " between items, nothing
// after the last one.
QString ElencoFrazioni(const std::vector<TerminiFrazione>& frazioni);

// The heading of the result for quante (>= 2) fractions.
QString IntestazioneVerifica(RegolaVerifica regola, const EsitoVerifica& esito, int quante);

// The caption of the result window, and the title of its selection warning
// (which reads "La frazioni ...", as it always has).
QString DidascaliaVerifica(RegolaVerifica regola);
QString TitoloAvvisoVerifica(RegolaVerifica regola);

// The lowest-terms check: the verdict for a fraction whose terms have
// greatest common divisor mcd.
QString VerdettoRiduzione(int16_t mcd);

// The width of the lowest-terms window (twips) for a drawing whose factor
// lines end at x = w: w + 200 from 4000 on, else 4000.
int LarghezzaRiduzione(int w);
