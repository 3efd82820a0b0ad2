#include "logica/Costruttori.h"
#include "platform/Numeri.h"
#include <cmath>

StatoCostruttore::Esito StatoCostruttore::Premi(TastoCostruttore tasto)
{
    switch (tasto) {
    case TastoCostruttore::NumPiu:
        if (num_ >= den_) return {};
        ++num_;
        return {true, true};
    case TastoCostruttore::NumMeno:
        if (num_ <= 0) return {};
        --num_;
        return {true, true};
    case TastoCostruttore::DenPiu:
        if (den_ == INT16_MAX) return {};
        ++den_;
        num_ = 0;
        return {true, true};
    case TastoCostruttore::DenMeno:
        num_ = 0;
        if (den_ <= 1) return {false, true};
        --den_;
        return {true, true};
    }
    return {};
}

MisureGriglia CalcolaGriglia(int d, int altezza)
{
    MisureGriglia m;
    if (d < 1) return m;
    const int radice = int(std::sqrt(double(d)));
    for (int r = radice; r >= 1; --r) {
        if (d % r == 0) {
            m.righe = r;
            break;
        }
    }
    m.colonne = d / m.righe;
    m.lato = altezza <= 0 ? 0 : Arrotonda16(double(altezza) / m.colonne);
    return m;
}

int PassoBarra(int lunghezza, int d)
{
    if (d < 1 || lunghezza <= 0) return 0;
    return lunghezza / d;
}
