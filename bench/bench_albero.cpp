// The full unfolding of the largest factor tree a term gives (32000 =
// 2^8 x 5^3: 21 nodes) through the window's node clicks, drawn once
// unfolded, against the floor of the same 21 items put into a bare
// QTreeWidget, unfolded and drawn (BM_AlberoCompleto_Pavimento).
#include "platform/Colori.h"
#include "service/FrmFattorizza.h"
#include "workspace/ModuloGenerale.h"
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <functional>

namespace {

void BM_AlberoCompleto(benchmark::State& stato)
{
    SuonoAbilitato = FALSO;
    for (auto _ : stato) {
        // Opening the window is not part of the unfolding.
        stato.PauseTiming();
        FrmFattorizza w(32000);
        stato.ResumeTiming();
        for (size_t i = 0; i < w.Albero().Nodi().size(); ++i)
            if (!w.Albero().Nodi()[i].primo) w.TreeView1_NodeClick(w.Elemento(int(i)));
        benchmark::DoNotOptimize(w.TreeView1()->viewport()->grab().toImage().constBits());
    }
}

void BM_AlberoCompleto_Pavimento(benchmark::State& stato)
{
    QPixmap verde(15, 15), rosso(15, 15);
    verde.fill(QColor(0, 176, 0));
    rosso.fill(QColor(224, 0, 0));
    const QIcon iconaVerde(verde), iconaRossa(rosso);
    for (auto _ : stato) {
        stato.PauseTiming();
        QTreeWidget t;
        t.setHeaderHidden(true);
        t.resize(290, 406);
        stato.ResumeTiming();
        // The same shape: each composite n gets its middle divisors.
        std::function<void(QTreeWidgetItem*, int)> aggiungi = [&](QTreeWidgetItem* genitore, int n) {
            int d = 0;
            for (int k = int(std::lround(std::sqrt(double(n)))); k >= 2; --k)
                if (n % k == 0) {
                    d = k;
                    break;
                }
            for (int f : {d, n / (d ? d : 1)}) {
                if (!d) break;
                auto* e = new QTreeWidgetItem(genitore, QStringList(QString::number(f)));
                e->setForeground(0, QBColor(f == 2 ? 12 : 0));
                e->setIcon(0, f == 2 || f == 5 ? iconaRossa : iconaVerde);
                aggiungi(e, f);
            }
        };
        auto* radice = new QTreeWidgetItem(&t, QStringList(QStringLiteral("32000")));
        radice->setIcon(0, iconaVerde);
        aggiungi(radice, 32000);
        t.expandAll();
        benchmark::DoNotOptimize(t.viewport()->grab().toImage().constBits());
    }
}

} // namespace

BENCHMARK(BM_AlberoCompleto)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_AlberoCompleto_Pavimento)->Unit(benchmark::kMillisecond)->MinTime(1.0);
