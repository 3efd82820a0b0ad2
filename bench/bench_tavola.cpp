// Opening the table of primes as the menu opens it (its window, and
// "TavolaPrimi.rtf" read through our rich-text reader into a detached
// document that then takes the box's place, the window shown and painted)
// against the floor of the same lines with the same formats put with bare Qt
// calls into a detached document of a bare box, swapped in and shown the
// same way. Both lay the table out, when it takes the box's place, and
// paint it at the show. And opening the help window at its index against a
// bare page browser showing the same page.
#include "platform/Guida.h"
#include "service/FrmTavolaPrimi.h"
#include "workspace/ModuloGenerale.h"
#include <QCoreApplication>
#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextBrowser>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <vector>

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
        w.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w.TxtTavolaPrimi()->document());
    }
}

// One line of the table with the formats the reader gave it.
struct Riga {
    QString testo;
    QTextBlockFormat blocco;
    QTextCharFormat carattere;
};

void BM_TavolaPrimi_Pavimento(benchmark::State& stato)
{
    const QString percorso = DaCartella("TavolaPrimi.rtf");
    FrmTavolaPrimi sorgente;
    if (!sorgente.Carica(percorso)) {
        stato.SkipWithError("TavolaPrimi.rtf not readable");
        return;
    }
    const QTextEdit* box = sorgente.TxtTavolaPrimi();
    std::vector<Riga> righe;
    for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next())
        righe.push_back({b.text(), b.blockFormat(), b.begin().atEnd() ? b.charFormat() : b.begin().fragment().charFormat()});
    for (auto _ : stato) {
        // The same window: its size, and a read-only, unwrapped box of its
        // size, font and tab stops.
        QWidget w(nullptr, Qt::Window);
        w.resize(sorgente.size());
        auto* t = new QTextEdit(&w);
        t->setReadOnly(true);
        t->setLineWrapMode(QTextEdit::NoWrap);
        t->setFont(box->font());
        t->setGeometry(box->geometry());
        QFile file(percorso);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
        auto* d = new QTextDocument(t);
        d->setDefaultFont(box->document()->defaultFont());
        d->setDefaultTextOption(box->document()->defaultTextOption());
        d->setUndoRedoEnabled(false);
        QTextCursor c(d);
        c.beginEditBlock();
        for (size_t i = 0; i < righe.size(); ++i) {
            if (i == 0) {
                c.setBlockFormat(righe[i].blocco);
                c.setBlockCharFormat(righe[i].carattere);
            } else {
                c.insertBlock(righe[i].blocco, righe[i].carattere);
            }
            c.insertText(righe[i].testo, righe[i].carattere);
        }
        c.endEditBlock();
        t->setDocument(d);
        t->moveCursor(QTextCursor::Start);
        w.show();
        QCoreApplication::processEvents();
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

// The same page in a bare window of the help window's size with one page
// browser that fills it, shown and scrolled to the same anchor.
void BM_Guida_Pavimento(benchmark::State& stato)
{
    const QUrl indirizzo = QUrl::fromLocalFile(DaCartella("Zefra.html"));
    for (auto _ : stato) {
        QWidget w(nullptr, Qt::Window);
        auto* pagina = new QTextBrowser(&w);
        auto* l = new QVBoxLayout(&w);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(pagina);
        w.resize(720, 560);
        pagina->setSource(indirizzo);
        w.setWindowTitle(pagina->documentTitle());
        w.show();
        w.raise();
        w.activateWindow();
        pagina->scrollToAnchor(QStringLiteral("indice"));
        benchmark::DoNotOptimize(pagina->document());
    }
}

}   // namespace

BENCHMARK(BM_TavolaPrimi)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_TavolaPrimi_Pavimento)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Guida)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Guida_Pavimento)->Unit(benchmark::kMillisecond)->MinTime(1.0);
