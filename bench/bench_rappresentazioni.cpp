// The three representation drawings at a large window size (1280 x 720
// pixels), each against a floor of the same boxes, lines, polygons and
// texts drawn with bare QPainter calls into an image of the same size; and
// the opening of a representation window, drawing included, against a bare
// window that paints the same drawing.
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Superficie.h"
#include "service/Aperture.h"
#include "service/Rappresentazioni.h"
#include "workspace/ModuloGenerale.h"
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

const QSize Dimensione(1280, 720);
const FrazioneRappresentata Lineare{7, 9, 4}, Poligonale{17, 30, 10}, Rettangolare{23, 30, 9};

QFont Carattere()
{
    return CarattereConRiserva(QStringLiteral("MS Sans Serif"), 13.5);
}

QImage Immagine()
{
    QImage img(Dimensione, QImage::Format_RGB32);
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    return img;
}

template <void (*Disegna)(Tela&, const FrazioneRappresentata&)>
void Nostro(benchmark::State& stato, const FrazioneRappresentata& f)
{
    SuperficieNascosta tela;
    tela.ImpostaScala(Tela::Scala::Pixel);
    tela.RidimensionaTela(Dimensione);
    tela.BackColor = TintaServizio;
    for (auto _ : stato) {
        Disegna(tela, f);
        benchmark::DoNotOptimize(tela.Immagine().constBits());
    }
}

void BM_RapprLineare(benchmark::State& s) { Nostro<DisegnaRapprLineare>(s, Lineare); }
void BM_RapprPoligonale(benchmark::State& s) { Nostro<DisegnaRapprPoligonaleConTesto>(s, Poligonale); }
void BM_RapprRettangolare(benchmark::State& s) { Nostro<DisegnaRapprRettangolare>(s, Rettangolare); }

// The linear drawing of f with bare QPainter calls over the whole image.
void LinearePavimento(QImage& img, const QFont& font, const FrazioneRappresentata& f)
{
    const int w = img.width(), h = img.height();
    const int q = h / 2 + 8, den = f.den, num = f.num;
    const int barra = (w - 60) / den * den, unita = barra / den, fine = 30 + unita * num;
    img.fill(TintaServizio);
    QPainter p(&img);
    p.fillRect(QRect(QPoint(30, q), QPoint(30 + barra, q + 8)), QColor(130, 130, 130));
    p.fillRect(QRect(QPoint(30, q), QPoint(fine, q + 8)), QBColor(f.colore));
    p.setPen(QBColor(15));
    for (int k = 1; k < den; ++k) p.drawLine(30 + k * unita, q, 30 + k * unita, q + 9);
    p.setPen(QColor(255, 223, 191));
    p.drawLine(30, q, 30, q + 9);
    p.drawLine(30 + barra, q, 30 + barra, q + 9);
    p.setPen(QBColor(8));
    p.drawLine(29, q - 11, fine + 1, q - 11);
    p.drawLine(29, q - 11, 29, q - 5);
    p.drawLine(fine + 1, q - 11, fine + 1, q - 5);
    p.drawLine(29, q + 19, 31 + barra, q + 19);
    p.drawLine(29, q + 19, 29, q + 13);
    p.drawLine(31 + barra, q + 19, 31 + barra, q + 13);
    p.setFont(font);
    p.setPen(QBColor(1));
    p.drawText(QPoint(5, 20), QString::number(num) + QLatin1Char('/') + QString::number(den));
    p.drawText(QPoint(unita * num / 2 + 20, q - 20), QLatin1Char(' ') + QString::number(num));
    p.drawText(QPoint(barra / 2 + 20, q + 33), QLatin1Char(' ') + QString::number(den));
}

void BM_RapprLineare_Pavimento(benchmark::State& stato)
{
    QImage img = Immagine();
    const QFont font = Carattere();
    for (auto _ : stato) {
        LinearePavimento(img, font, Lineare);
        benchmark::DoNotOptimize(img.constBits());
    }
}

void BM_RapprPoligonale_Pavimento(benchmark::State& stato)
{
    QImage img = Immagine();
    const QFont font = Carattere();
    const int r = (std::min(Dimensione.width(), Dimensione.height()) - 30) / 2;
    const QPointF c(r + 30, r + 10);
    const int den = Poligonale.den, num = Poligonale.num;
    const double t = 2 * M_PI / den;
    std::vector<QPointF> vertici, ventaglio{c};
    for (int k = 1; k <= den; ++k)
        vertici.emplace_back(std::lround(r * std::cos(k * t) + c.x()), std::lround(r * std::sin(k * t) + c.y()));
    for (int k = 1; k <= num + 1; ++k)
        ventaglio.emplace_back(std::lround(r * std::cos(-(k - 1) * t) + c.x()),
                               std::lround(r * std::sin(-(k - 1) * t) + c.y()));
    for (auto _ : stato) {
        img.fill(TintaServizio);
        QPainter p(&img);
        p.setPen(QBColor(15));
        p.setBrush(QBColor(8));
        p.drawPolygon(vertici.data(), int(vertici.size()), Qt::OddEvenFill);
        p.setBrush(QBColor(Poligonale.colore));
        p.drawPolygon(ventaglio.data(), int(ventaglio.size()), Qt::OddEvenFill);
        for (const QPointF& v : vertici) p.drawLine(c, v);
        p.setFont(font);
        p.setPen(QBColor(1));
        p.drawText(QPoint(5, 20), QStringLiteral("17/30"));
        p.end();
        benchmark::DoNotOptimize(img.constBits());
    }
}

void BM_RapprRettangolare_Pavimento(benchmark::State& stato)
{
    QImage img = Immagine();
    const QFont font = Carattere();
    const int righe = RigheGriglia(Rettangolare.den), colonne = Rettangolare.den / righe;
    const int lato = std::lround(double(std::min(Dimensione.width(), Dimensione.height()) - 30) / colonne);
    for (auto _ : stato) {
        img.fill(TintaServizio);
        QPainter p(&img);
        p.setPen(QBColor(15));
        int n = 0;
        for (int i = 0; i < righe; ++i)
            for (int j = 0; j < colonne; ++j) {
                p.setBrush(++n <= Rettangolare.num ? QBColor(Rettangolare.colore) : GrigioTorta);
                p.drawRect(j * lato + 10, i * lato + 10, lato, lato);
            }
        p.setFont(font);
        p.setPen(QColor(0, 0, 128));
        p.drawText(QPoint(colonne * lato + 20, 25), QStringLiteral("23/30"));
        p.end();
        benchmark::DoNotOptimize(img.constBits());
    }
}

// Opening the linear window afresh (created, drawn, shown, painted) and
// closing it: what the pupil waits for. Its floor is a bare top-most tool
// window of the same size whose one child paints the same drawing, made
// with bare QPainter calls into an image before the show.
void BM_AperturaRapprLineare(benchmark::State& stato)
{
    FrazioniFinestre[1][1] = 3;
    FrazioniFinestre[1][2] = 4;
    FrazioniFinestre[1][4] = 12;
    for (auto _ : stato) {
        ApriFrmRapprLineare();
        QCoreApplication::processEvents();
        delete Unica<FrmRapprLineare>::SeEsiste();
    }
}

class Dipinto : public QWidget {
public:
    using QWidget::QWidget;
    QImage img;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, img); }
};

void BM_AperturaRapprLineare_Pavimento(benchmark::State& stato)
{
    ApriFrmRapprLineare();
    const QSize finestra = Unica<FrmRapprLineare>::SeEsiste()->size();
    delete Unica<FrmRapprLineare>::SeEsiste();
    const QFont font = Carattere();
    for (auto _ : stato) {
        QWidget w(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
        w.setWindowTitle(QStringLiteral("Rappresentazione lineare"));
        w.resize(finestra);
        auto* area = new Dipinto(&w);
        area->setGeometry(QRect(QPoint(0, 0), finestra));
        area->img = QImage(finestra, QImage::Format_RGB32);
        LinearePavimento(area->img, font, {3, 4, 12});
        w.show();
        w.raise();
        w.activateWindow();
        QCoreApplication::processEvents();
    }
}

}   // namespace

BENCHMARK(BM_RapprLineare)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_RapprLineare_Pavimento)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_RapprPoligonale)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_RapprPoligonale_Pavimento)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_RapprRettangolare)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_RapprRettangolare_Pavimento)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_AperturaRapprLineare)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_AperturaRapprLineare_Pavimento)->Unit(benchmark::kMillisecond)->MinTime(0.5);
