// Opening the table of primes (its window, and "TavolaPrimi.rtf" read through
// our rich-text reader into its box) against the floor of the same file's
// lines put into a bare QTextEdit; and opening the help window at its index.
#include "platform/Guida.h"
#include "service/FrmTavolaPrimi.h"
#include "workspace/ModuloGenerale.h"
#include <QCoreApplication>
#include <QFile>
#include <QTextCursor>
#include <QTextEdit>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

QString DaCartella(const char* nome) { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(nome); }

void BM_TavolaPrimi(benchmark::State& stato)
{
    const QString percorso = DaCartella("TavolaPrimi.rtf");
    for (auto _ : stato) {
        FrmTavolaPrimi w;
        if (!w.Carica(percorso)) {
            stato.SkipWithError("TavolaPrimi.rtf not readable");
            return;
        }
        benchmark::DoNotOptimize(w.TxtTavolaPrimi()->document());
    }
}

// The same lines, read from the same file but put into a bare box set up as
// the table's (unwrapped, same font and tab stops) with plain Qt calls (one
// block and one character format per line), without our reader.
void BM_PavimentoTavola(benchmark::State& stato)
{
    const QString percorso = DaCartella("TavolaPrimi.rtf");
    FrmTavolaPrimi sorgente;
    if (!sorgente.Carica(percorso)) {
        stato.SkipWithError("TavolaPrimi.rtf not readable");
        return;
    }
    const QStringList righe = sorgente.TxtTavolaPrimi()->toPlainText().split(QLatin1Char('\n'));
    for (auto _ : stato) {
        QWidget w;
        auto* t = new QTextEdit(&w);
        t->setReadOnly(true);
        // The same box: unwrapped rows, the same font and tab stops.
        t->setLineWrapMode(QTextEdit::NoWrap);
        t->setFont(sorgente.TxtTavolaPrimi()->font());
        t->document()->setDefaultFont(sorgente.TxtTavolaPrimi()->document()->defaultFont());
        t->document()->setDefaultTextOption(sorgente.TxtTavolaPrimi()->document()->defaultTextOption());
        QFile file(percorso);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
        QTextCursor c(t->document());
        QTextCharFormat f;
        f.setFontPointSize(13);
        c.beginEditBlock();
        for (const QString& r : righe) {
            c.insertBlock(QTextBlockFormat(), f);
            c.insertText(r);
        }
        c.endEditBlock();
        benchmark::DoNotOptimize(t->document());
    }
}

void BM_Guida(benchmark::State& stato)
{
    const QString percorso = DaCartella("Zefra.html");
    for (auto _ : stato) {
        if (!Guida::Mostra(percorso, QStringLiteral("indice"))) {
            stato.SkipWithError("Zefra.html not readable");
            return;
        }
        delete Guida::Finestra();
    }
}

}   // namespace

BENCHMARK(BM_TavolaPrimi)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_PavimentoTavola)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Guida)->Unit(benchmark::kMillisecond)->MinTime(1.0);
