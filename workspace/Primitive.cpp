#include "workspace/Primitive.h"
#include "platform/Colori.h"
#include "platform/Numeri.h"
#include "platform/Superficie.h"
#include <QPointF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {
// A grid cell is filled grey, or in its palette colour once coloured.
void RiempimentoCella(Tela& tela, int colorato, int colore)
{
    tela.FillStyle = Tela::Pieno;
    tela.FillColor = colorato == 0 ? GrigioTorta : QBColor(colore);
}

// Filled square cell with a white edge; adjacent cells share their edges.
void Quadretto(Tela& tela, int L, int riga, int colonna, int colorato, int colore, int mx, int my)
{
    const double u = tela.Unita();
    RiempimentoCella(tela, colorato, colore);
    // Whole numbers: 16-bit terms cannot overflow 32 bits here.
    const int32_t x1 = (colonna - 1) * L + mx, y1 = (riga - 1) * L + my;
    const int32_t x2 = colonna * L + mx, y2 = riga * L + my;
    tela.Rettangolo(x1 * u, y1 * u, x2 * u, y2 * u, QBColor(15));
}
}

void DisegnaRapprPoligonale(Tela& tela, int16_t Num, int16_t Den, int16_t Colore)
{
    if (Den < 1) return;
    const double u = tela.Unita();
    const double theta = 2 * std::numbers::pi / Den;
    const QSize dim = tela.DimensionePixel();
    const int32_t W = dim.width() - 30, H = dim.height() - 30;
    const int32_t r = Arrotonda32(std::min(W, H) / 2.0);
    if (r <= 0) return;

    const QPointF centro((r + 30) * u, (r + 10) * u);
    auto vertice = [&](double angolo) {
        return QPointF(Arrotonda32(r * std::cos(angolo) + r + 30) * u, Arrotonda32(r * std::sin(angolo) + r + 10) * u);
    };
    // Vertex k - 1 at angle k·theta; the last one is the rightmost.
    std::vector<QPointF> vertici;
    vertici.reserve(size_t(Den));
    for (int k = 1; k <= Den; ++k) vertici.push_back(vertice(k * theta));

    const QColor bianco = QBColor(15);
    tela.FillStyle = Tela::Pieno;
    tela.ForeColor = bianco;
    if (Num >= Den) {
        // The whole: every triangle in the fraction's colour.
        tela.FillColor = QBColor(Colore);
        tela.Poligono(vertici);
    } else {
        tela.FillColor = QBColor(8);
        tela.Poligono(vertici);
        // The fan of the numerator: from the centre, the vertices from the
        // rightmost one counter-clockwise (upwards on the screen).
        std::vector<QPointF> ventaglio;
        const int n = std::max<int>(Num, 0);
        ventaglio.reserve(size_t(n) + 2);
        ventaglio.push_back(centro);
        for (int k = 1; k <= n + 1; ++k) ventaglio.push_back(vertice(-(k - 1) * theta));
        tela.FillColor = QBColor(Colore);
        tela.Poligono(ventaglio);
    }
    // The spokes divide the polygon into its equal triangles.
    for (const QPointF& v : vertici) tela.Linea(centro.x(), centro.y(), v.x(), v.y(), bianco);
}

void DisegnaQuadrettoRettangolare(Tela& tela, int16_t L, int16_t riga, int16_t colonna, int16_t colorato,
                                  int16_t colore)
{
    Quadretto(tela, L, riga, colonna, colorato, colore, 10, 10);
}

void DisegnaQuadrettoFrazione2(Tela& tela, int16_t L, int16_t riga, int16_t colonna, int16_t colorato,
                               int16_t colore)
{
    Quadretto(tela, L, riga, colonna, colorato, colore, 10, 10);
}

void DisegnaQuadrettoFrazDiFraz(Tela& tela, int16_t L, int16_t riga, int16_t colonna, int16_t colorato,
                                int16_t colore)
{
    Quadretto(tela, L, riga, colonna, colorato, colore, 10, 70);
}

void DisegnaQuadrettoFrazDiFraz2(Tela& tela, int16_t L, int16_t riga, int16_t colonna, int16_t colorato,
                                 int16_t colore)
{
    Quadretto(tela, L, riga, colonna, colorato, colore, 20, 70);
}

void DisegnaCerchiettoFrazDiNum(Tela& tela, int16_t L, int16_t riga, int16_t colonna, int16_t colorato,
                                int16_t colore)
{
    const double u = tela.Unita();
    RiempimentoCella(tela, colorato, colore);
    const double meta = L / 2.0;
    const double x = colonna * L - meta, y = riga * L + 64 - meta;
    tela.Cerchio(x * u, y * u, meta * u, QBColor(15));
}
