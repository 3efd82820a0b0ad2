// The histogram's drawing with 64 bars (the most it takes), against the
// floor of the same grid lines and boxes drawn with bare QPainter calls into
// an image of the chart's size.
#include "platform/Colori.h"
#include "platform/Superficie.h"
#include "service/FrmIstogramma.h"
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::vector<BarraIstogramma> SessantaquattroBarre()
{
    std::vector<BarraIstogramma> barre;
    for (int i = 1; i <= 64; ++i) barre.push_back({int16_t(i), 64, int16_t(i % 15 + 1)});
    return barre;
}

void BM_Istogramma(benchmark::State& stato)
{
    FrmIstogramma finestra(SessantaquattroBarre());
    for (auto _ : stato) {
        finestra.DisegnaIstogramma();
        benchmark::DoNotOptimize(finestra.Picture1()->Immagine().constBits());
    }
}

void BM_Istogramma_Pavimento(benchmark::State& stato)
{
    const GeometriaIstogramma g(334, 178, SessantaquattroBarre());
    QImage img(QSize(g.Larghezza(), g.Altezza()), QImage::Format_RGB32);
    for (auto _ : stato) {
        img.fill(Qt::white);
        QPainter p(&img);
        p.setPen(QColor(128, 128, 128));
        for (int k = 1; k <= 9; ++k) p.drawLine(QLineF(0, g.Altezza() * k / 10.0, g.Larghezza() - 1, g.Altezza() * k / 10.0));
        for (int j = 0; j < 64; ++j) {
            const ScatolaBarra s = g.Scatola(j);
            p.fillRect(QRectF(QPointF(s.sinistra, s.alto), QPointF(s.destra + 1, s.basso + 1)), QBColor(g.Barre()[size_t(j)].colore));
        }
        p.end();
        benchmark::DoNotOptimize(img.constBits());
    }
}

}   // namespace

BENCHMARK(BM_Istogramma)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_Istogramma_Pavimento)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
