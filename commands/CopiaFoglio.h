#pragma once
// A fraction record read out of the store, and a private copy of a sheet's
// fractions for the commands that rewrite a sheet while they still read its
// old order. A local copy, not the shared scratch table: an open service
// window may be showing what that holds.
#include "workspace/ModuloGenerale.h"
#include <array>
#include <cstdint>

struct RigaFrazione {
    int16_t num = 0, den = 0, sel = 0, colore = 0;
};

// Fraction i of the store's sheet s (1 or 2), and writing one there.
inline RigaFrazione LeggiFrazione(int s, int i)
{
    return {Frazioni[s][i][CampoNum], Frazioni[s][i][CampoDen], Frazioni[s][i][CampoSel], Frazioni[s][i][CampoColore]};
}
inline void ScriviFrazione(int s, int i, const RigaFrazione& r)
{
    Frazioni[s][i][CampoNum] = r.num;
    Frazioni[s][i][CampoDen] = r.den;
    Frazioni[s][i][CampoSel] = r.sel;
    Frazioni[s][i][CampoColore] = r.colore;
}

class CopiaFoglio {
public:
    // Sheet s: 1 = A, anything else = B.
    explicit CopiaFoglio(int s) : s_(IndiceFoglio(s)), conta_(FrazioniSulFoglio(s_))
    {
        for (int i = 1; i <= conta_; ++i) righe_[i] = LeggiFrazione(s_, i);
    }
    int Conta() const { return conta_; }
    // Fraction i (1..Conta()) as it was when the copy was taken.
    const RigaFrazione& operator[](int i) const { return righe_[i]; }
    // Writes r at position i (1..MaxFrazioni) of the sheet itself.
    void Scrivi(int i, const RigaFrazione& r) const { ScriviFrazione(s_, i, r); }
    // Puts `quante` records r in place of fraction p of the sheet itself and
    // the fractions after p behind them; returns the sheet's new count. The
    // caller has checked that it stays within MaxFrazioni.
    int SostituisciConCopie(int p, int quante, const RigaFrazione& r) const
    {
        for (int j = p; j <= p + quante - 1; ++j) Scrivi(j, r);
        for (int j = p + 1; j <= conta_; ++j) Scrivi(j + quante - 1, righe_[j]);
        return conta_ + quante - 1;
    }

private:
    int s_;
    int conta_;
    std::array<RigaFrazione, MaxFrazioni + 1> righe_{};
};
