#include "platform/Colori.h"
#include "platform/Superficie.h"
#include "workspace/Primitive.h"
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {
// Colours without alpha: pixels are compared on their red, green and blue.
constexpr QRgb Bianco = 0xffffff;      // palette 15
constexpr QRgb GrigioScuro = 0x808080; // palette 8
constexpr QRgb Grigio = 0x969696;      // grey cells
constexpr QRgb Rosso = 0xff0000;       // palette 12
constexpr QRgb Sfondo = 0xffe0c0;      // service-window tint

const double Pi = 4.0 * std::atan(1.0);

class Primitive : public ::testing::Test {
protected:
    void SetUp() override { Prepara(QSize(330, 230)); }
    void Prepara(QSize dim)
    {
        t.ImpostaScala(Tela::Scala::Pixel);
        t.RidimensionaTela(dim);
        t.BackColor = QColor(Sfondo);
        t.Pulisci();
    }
    QRgb Px(int x, int y) const { return t.Immagine().pixel(x, y) & 0xffffffu; }
    // The pixel at distance d from (cx, cy) in the direction phi, counted
    // counter-clockwise from 3 o'clock as seen on the screen.
    QRgb Verso(int cx, int cy, double phi, double d) const
    {
        return Px(int(std::floor(cx + d * std::cos(phi) + 0.5)), int(std::floor(cy - d * std::sin(phi) + 0.5)));
    }
    bool BiancoVicino(int x, int y) const
    {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (Px(x + dx, y + dy) == Bianco) return true;
        return false;
    }
    int Conta(QRgb c) const
    {
        const QImage& img = t.Immagine();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xffffffu) == c;
        return n;
    }
    QRect Ingombro() const
    {
        const QImage& img = t.Immagine();
        QRect r;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) & 0xffffffu) != Sfondo) r = r.united(QRect(x, y, 1, 1));
        return r;
    }
    SuperficieNascosta t;
};
}

TEST_F(Primitive, QuadrettiAlloroPostoConBordoBianco)
{
    DisegnaQuadrettoRettangolare(t, 20, 1, 1, 1, 12);
    EXPECT_EQ(Ingombro(), QRect(QPoint(10, 10), QPoint(30, 30)));
    EXPECT_EQ(Px(10, 10), Bianco);
    EXPECT_EQ(Px(30, 30), Bianco);
    EXPECT_EQ(Px(20, 10), Bianco);
    EXPECT_EQ(Px(20, 20), Rosso);
    EXPECT_EQ(Px(11, 29), Rosso);

    t.Pulisci();
    DisegnaQuadrettoRettangolare(t, 20, 2, 3, 1, 12);
    EXPECT_EQ(Ingombro(), QRect(QPoint(50, 30), QPoint(70, 50)));

    // The builder's grid has the same margins.
    t.Pulisci();
    DisegnaQuadrettoFrazione2(t, 20, 2, 3, 1, 12);
    EXPECT_EQ(Ingombro(), QRect(QPoint(50, 30), QPoint(70, 50)));

    // Adjacent cells share their edge: a white line between them.
    t.Pulisci();
    DisegnaQuadrettoRettangolare(t, 20, 1, 1, 1, 12);
    DisegnaQuadrettoRettangolare(t, 20, 1, 2, 0, 12);
    EXPECT_EQ(Ingombro(), QRect(QPoint(10, 10), QPoint(50, 30)));
    EXPECT_EQ(Px(29, 20), Rosso);
    EXPECT_EQ(Px(30, 20), Bianco);
    EXPECT_EQ(Px(31, 20), Grigio);
}

TEST_F(Primitive, QuadrettiDellaFrazioneDiFrazione)
{
    DisegnaQuadrettoFrazDiFraz(t, 20, 1, 1, 1, 12);
    EXPECT_EQ(Ingombro(), QRect(QPoint(10, 70), QPoint(30, 90)));
    t.Pulisci();
    DisegnaQuadrettoFrazDiFraz2(t, 20, 1, 1, 1, 12);
    EXPECT_EQ(Ingombro(), QRect(QPoint(20, 70), QPoint(40, 90)));
    t.Pulisci();
    DisegnaQuadrettoFrazDiFraz2(t, 15, 3, 2, 1, 12);
    EXPECT_EQ(Ingombro(), QRect(QPoint(35, 100), QPoint(50, 115)));
}

TEST_F(Primitive, NonColoratoEGrigioQualunqueColore)
{
    DisegnaQuadrettoRettangolare(t, 20, 1, 1, 0, 12);
    EXPECT_EQ(Px(20, 20), Grigio);
    DisegnaQuadrettoFrazDiFraz(t, 20, 1, 1, 0, 9);
    EXPECT_EQ(Px(20, 80), Grigio);
    DisegnaCerchiettoFrazDiNum(t, 20, 2, 2, 0, 12);
    EXPECT_EQ(Px(30, 94), Grigio);
    EXPECT_EQ(Conta(Rosso), 0);
    // Any non-zero flag colours the cell.
    DisegnaQuadrettoRettangolare(t, 20, 1, 3, -1, 9);
    EXPECT_EQ(Px(60, 20), QBColor(9).rgb() & 0xffffffu);
}

TEST_F(Primitive, CerchiettoInscrittoNellaCella)
{
    DisegnaCerchiettoFrazDiNum(t, 20, 1, 1, 1, 12);
    EXPECT_EQ(Px(10, 74), Rosso);   // centre
    EXPECT_EQ(Px(0, 74), Bianco);   // rim, radius 10
    EXPECT_EQ(Px(20, 74), Bianco);
    EXPECT_EQ(Px(10, 64), Bianco);
    EXPECT_EQ(Px(10, 84), Bianco);
    EXPECT_EQ(Ingombro(), QRect(QPoint(0, 64), QPoint(20, 84)));
    // Corners of the cell stay outside the circle.
    EXPECT_EQ(Px(1, 65), Sfondo);
    EXPECT_EQ(Px(19, 83), Sfondo);
}

TEST_F(Primitive, PoligonoMisureECentroDallaFinestra)
{
    // 330 x 230: W 300, H 200, r 100, centre (130, 110).
    int16_t num = 0, den = 4, colore = 12;
    DisegnaRapprPoligonale(t, num, den, colore);
    EXPECT_EQ(Ingombro(), QRect(QPoint(30, 10), QPoint(230, 210)));
    EXPECT_EQ(Px(230, 110), Bianco);   // rightmost vertex
    EXPECT_EQ(Px(130, 10), Bianco);    // top
    EXPECT_EQ(Px(30, 110), Bianco);    // left
    EXPECT_EQ(Px(130, 210), Bianco);   // bottom
    EXPECT_EQ(Px(130, 110), Bianco);   // the spokes meet at the centre
    EXPECT_EQ(Px(130, 60), Bianco);    // on the spoke going up

    // W 305, H 205: half of 205 is 102.5, which goes to the even 102;
    // centre (132, 112), rightmost vertex (234, 112).
    Prepara(QSize(335, 235));
    DisegnaRapprPoligonale(t, num, den, colore);
    EXPECT_EQ(Ingombro(), QRect(QPoint(30, 10), QPoint(234, 214)));
    EXPECT_EQ(Px(132, 112), Bianco);
    EXPECT_EQ(Px(234, 112), Bianco);

    // A tall window takes its width: r = 85, centre (115, 95); the
    // rightmost vertex falls on the window's right edge.
    Prepara(QSize(200, 300));
    DisegnaRapprPoligonale(t, num, den, colore);
    EXPECT_EQ(Ingombro(), QRect(QPoint(30, 10), QPoint(199, 180)));
    EXPECT_EQ(Px(115, 10), Bianco);
    EXPECT_EQ(Px(115, 180), Bianco);
    EXPECT_EQ(Px(30, 95), Bianco);
    EXPECT_EQ(Px(115, 95), Bianco);
}

TEST_F(Primitive, PentagonoSenzaNumeratoreGrigioConCinqueRaggiBianchi)
{
    DisegnaRapprPoligonale(t, 0, 5, 12);
    EXPECT_EQ(Conta(Rosso), 0);
    EXPECT_GT(Conta(GrigioScuro), 20000);
    const double theta = 2 * Pi / 5;
    for (int k = 1; k <= 5; ++k) {
        // Vertex k at angle k·theta clockwise on the screen; its spoke is white.
        const double phi = -k * theta;
        for (double d : {25.0, 50.0, 75.0})
            EXPECT_TRUE(BiancoVicino(int(std::floor(130 + d * std::cos(phi) + 0.5)),
                                     int(std::floor(110 - d * std::sin(phi) + 0.5))))
                << k << " " << d;
        // Half way between two spokes the triangle is grey.
        EXPECT_EQ(Verso(130, 110, phi + theta / 2, 50), GrigioScuro) << k;
    }
}

TEST_F(Primitive, NumeratoreUgualeAlDenominatoreTuttoColorato)
{
    DisegnaRapprPoligonale(t, 5, 5, 12);
    EXPECT_EQ(Conta(GrigioScuro), 0);
    EXPECT_GT(Conta(Rosso), 20000);
    EXPECT_TRUE(BiancoVicino(130 + 50, 110));   // the spokes are still drawn
}

TEST_F(Primitive, DueOttaviColoranoITriangoliTraDestraEAlto)
{
    DisegnaRapprPoligonale(t, 2, 8, 12);
    const double theta = 2 * Pi / 8;
    for (int k = 0; k < 8; ++k) {
        const QRgb atteso = k < 2 ? Rosso : GrigioScuro;
        EXPECT_EQ(Verso(130, 110, (k + 0.5) * theta, 60), atteso) << k;
    }
    EXPECT_EQ(Px(180, 110), Bianco);   // spoke to the rightmost vertex
    EXPECT_EQ(Px(130, 60), Bianco);    // spoke to the topmost vertex
}

TEST_F(Primitive, TrentaTrentesimiNonSforaETuttoColorato)
{
    DisegnaRapprPoligonale(t, 30, 30, 12);
    EXPECT_EQ(Conta(GrigioScuro), 0);
    EXPECT_GT(Conta(Rosso), 25000);
    // 29/30: one grey triangle left, just below the rightmost vertex.
    t.Pulisci();
    DisegnaRapprPoligonale(t, 29, 30, 12);
    EXPECT_EQ(Verso(130, 110, -Pi / 30, 70), GrigioScuro);
    EXPECT_EQ(Verso(130, 110, Pi / 30, 70), Rosso);
    EXPECT_EQ(Verso(130, 110, Pi - Pi / 30, 70), Rosso);
}

TEST_F(Primitive, FinestraTroppoPiccolaNonDisegnaNiente)
{
    for (QSize dim : {QSize(30, 230), QSize(330, 30), QSize(31, 31), QSize(10, 10)}) {
        Prepara(dim);
        DisegnaRapprPoligonale(t, 1, 4, 12);
        EXPECT_FALSE(Ingombro().isValid()) << dim.width() << "x" << dim.height();
    }
    // The smallest window that gives a positive radius draws the polygon.
    Prepara(QSize(32, 32));
    DisegnaRapprPoligonale(t, 1, 4, 12);
    EXPECT_TRUE(Ingombro().isValid());
    // A denominator below 1 draws nothing either.
    Prepara(QSize(330, 230));
    DisegnaRapprPoligonale(t, 1, 0, 12);
    EXPECT_FALSE(Ingombro().isValid());
}
