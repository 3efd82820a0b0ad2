#pragma once
// A private copy of a sheet's fractions, for the commands that rewrite a
// sheet while they still read its old order. A local copy, not the shared
// scratch table: an open service window may be showing what that holds.
#include "workspace/ModuloGenerale.h"
#include <array>
#include <cstdint>

struct RigaFrazione {
    int16_t num = 0, den = 0, sel = 0, colore = 0;
};

class CopiaFoglio {
public:
    // Sheet s: 1 = A, anything else = B.
    explicit CopiaFoglio(int s) : s_(IndiceFoglio(s)), conta_(FrazioniSulFoglio(s_))
    {
        for (int i = 1; i <= conta_; ++i)
            righe_[i] = {Frazioni[s_][i][1], Frazioni[s_][i][2], Frazioni[s_][i][3], Frazioni[s_][i][4]};
    }
    int Conta() const { return conta_; }
    // Fraction i (1..Conta()) as it was when the copy was taken.
    const RigaFrazione& operator[](int i) const { return righe_[i]; }
    // Writes r at position i (1..MaxFrazioni) of the sheet itself.
    void Scrivi(int i, const RigaFrazione& r) const
    {
        Frazioni[s_][i][1] = r.num;
        Frazioni[s_][i][2] = r.den;
        Frazioni[s_][i][3] = r.sel;
        Frazioni[s_][i][4] = r.colore;
    }

private:
    int s_;
    int conta_;
    std::array<RigaFrazione, MaxFrazioni + 1> righe_{};
};
