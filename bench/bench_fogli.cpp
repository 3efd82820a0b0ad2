// Redraw of a full sheet: 128 pies with denominator 64 on a sheet of
// 1920 x 1080 pixels, against the floor of the same discs, sectors and
// radii drawn with bare QPainter calls into an image of the same size.
// Its main prints, for every benchmark of the program, the ratio to its
// floor with the goal.
#include "platform/Colori.h"
#include "platform/Impostazioni.h"
#include "workspace/Fogli.h"
#include "workspace/Avvio.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

const QSize Dimensione(1920, 1080);

void RiempiFoglio()
{
    for (int i = 1; i <= MaxFrazioni; ++i) {
        Frazioni[1][i][1] = int16_t(i % 64 + 1);
        Frazioni[1][i][2] = 64;
        Frazioni[1][i][3] = 0;
        Frazioni[1][i][4] = int16_t(i % 15 + 1);
    }
    NumFrazioniA = MaxFrazioni;
}

// Sheet A shown with a drawing area of exactly 1920 x 1080 pixels (once:
// the benchmark function runs several times).
bool PreparaFoglio()
{
    static bool fatto = false;
    if (fatto) return ColonneFoglioA > 0;
    fatto = true;
    InizializzaApplicazione();
    Unica<Princ>::Istanza()->resize(Dimensione + QSize(200, 300));
    Unica<Princ>::Istanza()->show();
    // Values hidden: the floor prints no captions either.
    if (QAction* a = Unica<Princ>::Istanza()->Azione(QStringLiteral("MnuImpostaMostraValori"))) a->setChecked(false);
    DistanzaTorte = 50;
    MostraFoglio(1);
    QCoreApplication::processEvents();
    FrmFoglio* f = Fogli::Istanza(1);
    const QSize cornice = f->size() - f->Area()->size();
    f->setGeometry(QRect(QPoint(0, 0), Dimensione + cornice));
    QCoreApplication::processEvents();
    RiempiFoglio();
    RidisegnaFoglio(1);
    return f->Area()->Immagine().size() == Dimensione && ColonneFoglioA > 0;
}

void BM_RidisegnaFoglio(benchmark::State& stato)
{
    if (!PreparaFoglio()) {
        stato.SkipWithError("sheet not laid out at 1920x1080");
        return;
    }
    for (auto _ : stato) {
        RidisegnaFoglio(1);
        benchmark::DoNotOptimize(Fogli::Istanza(1)->Area()->Immagine().constBits());
    }
}

void BM_RidisegnaFoglio_Pavimento(benchmark::State& stato)
{
    const int R = 900, G = 50, C = ColonneFoglioA > 0 ? ColonneFoglioA : 15;
    QImage img(Dimensione, QImage::Format_RGB32);
    const QColor bianco(255, 255, 255);
    for (auto _ : stato) {
        img.fill(TintaFoglioA);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(bianco);
        for (int i = 1; i <= MaxFrazioni; ++i) {
            const int colonna = (i - 1) % C, riga = (i - 1) / C;
            const QPointF c(((2 * colonna + 1) * (R + 50)) / 15.0, (riga * 2 * (R + G) + 50 + R) / 15.0);
            const double r = R / 15.0;
            const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
            const int num = i % 64 + 1, den = 64;
            p.setBrush(GrigioTorta);
            p.drawEllipse(box);
            p.setBrush(QBColor(i % 15 + 1));
            p.drawPie(box, 0, int(std::lround(5760.0 * num / den)));
            for (int k = 1; k <= den; ++k) {
                const double a = 2 * M_PI * k / den;
                p.drawLine(c, QPointF(c.x() + r * std::cos(a), c.y() - r * std::sin(a)));
            }
        }
        p.end();
        benchmark::DoNotOptimize(img.constBits());
    }
}

BENCHMARK(BM_RidisegnaFoglio)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_RidisegnaFoglio_Pavimento)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Prints the usual table and keeps each benchmark's time per iteration.
class Resoconto : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions, the median of them (reported after the runs)
        // stands for the benchmark: one slow run on a busy machine does
        // not make the figure.
        for (const Run& r : runs) {
            if (r.error_occurred || r.iterations <= 0) continue;
            const bool mediana = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            if (r.run_type == Run::RT_Iteration || mediana)
                secondi[r.run_name.function_name] = r.real_accumulated_time / double(r.iterations);
        }
    }
    std::map<std::string, double> secondi;   // seconds per iteration
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform says at every opening that it cannot raise a
    // window: noise between the figures.
    static const QtMessageHandler avanti = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
        if (!testo.startsWith(QLatin1String("This plugin does not support"))) avanti(tipo, contesto, testo);
    });
    QApplication app(argc, argv);
    QTemporaryDir cartella;
    Impostazioni::ImpostaCartella(cartella.path());

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Resoconto resoconto;
    benchmark::RunSpecifiedBenchmarks(&resoconto);
    benchmark::Shutdown();

    // Every drawing and opening "BM_X" beside its floor "BM_X_Pavimento",
    // the sheet redraw first: the ratio and its goal, and for an opening the
    // time it must stay under as well.
    const std::map<std::string, double> limiti = {
        {"AperturaRapprLineare", 16}, {"Guida", 200}, {"TavolaPrimi", 100}, {"Appunti/AlLimite", 2000},
        {"Appunti/FontDistinti", 2000}};
    const std::map<std::string, std::string> note = {
        {"TavolaPrimi", "; both lay the table out"}};
    // The floor of "BM_X/caso" is "BM_X_Pavimento/caso".
    const std::string pav = "_Pavimento";
    const auto funzione = [](const std::string& nome) { return nome.substr(0, nome.find('/')); };
    const auto pavimentoDi = [&](const std::string& nome) {
        const std::string f = funzione(nome);
        return f + pav + nome.substr(f.size());
    };
    std::vector<std::string> nomi;
    for (const auto& [nome, tempo] : resoconto.secondi) {
        const std::string f = funzione(nome);
        if (f.size() > pav.size() && f.compare(f.size() - pav.size(), pav.size(), pav) == 0) continue;
        if (nome == "BM_RidisegnaFoglio") nomi.insert(nomi.begin(), nome);
        else nomi.push_back(nome);
    }
    std::printf("\n");
    for (const std::string& nome : nomi) {
        const double suo = resoconto.secondi[nome] * 1000.0;
        const std::string breve = nome.substr(3);
        const auto pavimento = resoconto.secondi.find(pavimentoDi(nome));
        std::string extra;
        if (const auto l = limiti.find(breve); l != limiti.end()) extra += "; under " + std::to_string(int(l->second)) + " ms";
        if (const auto n = note.find(breve); n != note.end()) extra += n->second;
        if (pavimento == resoconto.secondi.end() || pavimento->second <= 0) {
            std::printf("%s: %.3f ms   no floor%s\n", breve.c_str(), suo, extra.c_str());
            continue;
        }
        const double suoPavimento = pavimento->second * 1000.0;
        std::printf("%s: %.3f ms   floor (bare Qt): %.3f ms   ratio %.2fx (goal <= 1.30x%s)\n", breve.c_str(), suo,
                    suoPavimento, suo / suoPavimento, extra.c_str());
    }
    Unica<Princ>::Distruggi();
    return 0;
}
