#include "logica/Istogramma.h"
#include "platform/Numeri.h"
#include <cmath>

GeometriaIstogramma::GeometriaIstogramma(int larghezza, int altezza, std::vector<BarraIstogramma> barre)
    : larghezza_(larghezza), altezza_(altezza), barre_(std::move(barre))
{
    const int n = int(barre_.size());
    if (n == 0) return;
    spazio_ = Arrotonda32((1.0 / 3.0) * double(larghezza_) / double(n));
    larghBarra_ = int(std::floor(double(larghezza_ - spazio_) / double(n))) - spazio_;
}

ScatolaBarra GeometriaIstogramma::Scatola(int j) const
{
    const BarraIstogramma& b = barre_[size_t(j)];
    const float valore = float(b.num) / float(b.den);
    ScatolaBarra s;
    s.sinistra = spazio_ + j * (larghBarra_ + spazio_);
    s.destra = (j + 1) * (larghBarra_ + spazio_);
    s.alto = float(altezza_) - float(altezza_) * valore;
    s.basso = altezza_ - 1;
    return s;
}

int GeometriaIstogramma::BarraSotto(int x, int y) const
{
    for (int j = 0; j < int(barre_.size()); ++j) {
        const ScatolaBarra s = Scatola(j);
        if (s.sinistra < x && x < s.destra && s.alto < float(y) && y < s.basso) return j;
    }
    return -1;
}

QPoint GeometriaIstogramma::PosizioneEtichetta(int x, int y) { return QPoint(x < 100 ? x + 10 : x - 30, y - 20); }

QString GeometriaIstogramma::TestoEtichetta(const BarraIstogramma& barra)
{
    return Str(barra.num) + QLatin1Char('/') + CStr(barra.den) + QStringLiteral("  ");
}
