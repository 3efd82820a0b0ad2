#include "platform/Colori.h"
#include "platform/Numeri.h"
#include "platform/Superficie.h"
#include <QApplication>
#include <QElapsedTimer>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {
constexpr double DuePi = 6.283185307179586476925286766559;
// Colours without alpha: pixels are compared on their red, green and blue.
constexpr QRgb Bianco = 0xffffff;
constexpr QRgb Nero = 0x000000;
constexpr QRgb Rosso = 0xff0000;
constexpr QRgb Grigio = 0x969696;
constexpr QRgb Paglia = 0xffffc0;

int InPx(double twip) { return Arrotonda32(twip / 15); }
QRgb Px(const Tela& t, int x, int y) { return t.Immagine().pixel(x, y) & 0xffffffu; }
bool E(const Tela& t, int x, int y, QRgb c) { return Px(t, x, y) == (c & 0xffffffu); }

// Pixels of the rectangle [x0,x1]x[y0,y1] for which conta holds.
int Conta(const Tela& t, int x0, int y0, int x1, int y1, const std::function<bool(QRgb)>& conta)
{
    const QImage& img = t.Immagine();
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) n += conta(img.pixel(x, y) & 0xffffffu) ? 1 : 0;
    return n;
}

// Pixels of an image's rectangle that are not white.
int Conta(const QImage& img, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) n += (img.pixel(x, y) & 0xffffffu) != Bianco;
    return n;
}

// Bounding box of the pixels that differ from the background.
QRect Ingombro(const Tela& t, std::function<bool(QRgb)> scelto)
{
    const QImage& img = t.Immagine();
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (scelto(img.pixel(x, y) & 0xffffffu)) r = r.united(QRect(x, y, 1, 1));
    return r;
}

class ProvaSuperficie : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.ImpostaScala(Tela::Scala::Pixel);
        t.RidimensionaTela(QSize(200, 200));
        t.Pulisci();
    }
    // A pie as the sheets draw it: grey disc, coloured sector from 3 o'clock.
    void Torta(int cx, int cy, int r, double q)
    {
        t.FillStyle = Tela::Pieno;
        t.FillColor = QColor(Grigio);
        t.Cerchio(cx, cy, r, QColor(Bianco));
        t.FillColor = QColor(Rosso);
        t.Cerchio(cx, cy, r, QColor(Bianco), -DuePi, -DuePi * q);
    }
    SuperficieNascosta t;
};
}

TEST_F(ProvaSuperficie, SettoreDiUnQuartoCopreSoloIlQuadranteInAltoADestra)
{
    Torta(100, 100, 50, 0.25);
    const QImage& img = t.Immagine();
    int rossi = 0;
    for (int y = 50; y <= 150; ++y) {
        for (int x = 50; x <= 150; ++x) {
            const int dx = x - 100, dy = y - 100;
            if (dx * dx + dy * dy > 48 * 48) continue;   // away from the rim
            const QRgb c = img.pixel(x, y) & 0xffffffu;
            if (dx == 0 && dy <= 0) EXPECT_EQ(c, Bianco) << x << "," << y;       // upper radius
            else if (dy == 0 && dx >= 0) EXPECT_EQ(c, Bianco) << x << "," << y;  // right radius
            else if (dx > 0 && dy < 0) EXPECT_EQ(c, Rosso) << x << "," << y;
            else EXPECT_EQ(c, Grigio) << x << "," << y;
            rossi += c == Rosso;
        }
    }
    EXPECT_GT(rossi, 1500);
    // The rim stays white all round, and nothing leaks outside it.
    for (auto [x, y] : {std::pair{150, 100}, {100, 50}, {50, 100}, {100, 150}}) EXPECT_TRUE(E(t, x, y, Bianco));
    for (auto [x, y] : {std::pair{151, 100}, {100, 49}, {49, 100}, {100, 151}}) EXPECT_TRUE(E(t, x, y, Bianco));
    EXPECT_EQ(Conta(t, 0, 0, 199, 199, [](QRgb c) { return c != Bianco && c != Rosso && c != Grigio; }), 0);
}

TEST_F(ProvaSuperficie, SettoriPiuGrandiDiMezzoEdInteri)
{
    // Three quarters: everything but the lower-right quadrant.
    Torta(100, 100, 50, 0.75);
    EXPECT_TRUE(E(t, 120, 80, Rosso));
    EXPECT_TRUE(E(t, 80, 80, Rosso));
    EXPECT_TRUE(E(t, 80, 120, Rosso));
    EXPECT_TRUE(E(t, 120, 120, Grigio));
    EXPECT_TRUE(E(t, 100, 130, Bianco));   // end radius pointing down
    EXPECT_TRUE(E(t, 70, 100, Rosso));     // no radius to the left

    // q = 1: start and end coincide, the whole disc is coloured.
    t.Pulisci();
    Torta(100, 100, 50, 1.0);
    EXPECT_EQ(Conta(t, 50, 50, 150, 150, [](QRgb c) { return c == Grigio; }), 0);
    EXPECT_GT(Conta(t, 50, 50, 150, 150, [](QRgb c) { return c == Rosso; }), 7000);
}

TEST_F(ProvaSuperficie, SettoriCheNonPartonoDaTreOreEAttraversanoLoZero)
{
    t.FillStyle = Tela::Pieno;
    t.FillColor = QColor(Rosso);
    // From 12 to 9 o'clock, counter-clockwise: the upper-left quadrant.
    t.Cerchio(100, 100, 50, QColor(Nero), -DuePi / 4, -DuePi / 2);
    EXPECT_TRUE(E(t, 80, 80, Rosso));
    EXPECT_TRUE(E(t, 120, 80, Bianco));
    EXPECT_TRUE(E(t, 80, 120, Bianco));
    EXPECT_TRUE(E(t, 120, 120, Bianco));
    EXPECT_TRUE(E(t, 100, 70, Nero));   // radius to 12 o'clock
    EXPECT_TRUE(E(t, 70, 100, Nero));   // radius to 9 o'clock

    // From 6 to 12 o'clock through 3 o'clock: the right half.
    t.Pulisci();
    t.Cerchio(100, 100, 50, QColor(Nero), -DuePi * 3 / 4, -DuePi / 4);
    EXPECT_TRUE(E(t, 120, 80, Rosso));
    EXPECT_TRUE(E(t, 120, 120, Rosso));
    EXPECT_TRUE(E(t, 130, 100, Rosso));   // no radius at 3 o'clock
    EXPECT_TRUE(E(t, 80, 80, Bianco));
    EXPECT_TRUE(E(t, 80, 120, Bianco));
    EXPECT_TRUE(E(t, 49, 100, Bianco));   // the left rim is not drawn
    EXPECT_TRUE(E(t, 150, 100, Nero));    // the right rim is
}

TEST_F(ProvaSuperficie, ArcoConRaggioFinaleDisegnaSoloBordoERaggioFinale)
{
    // Unit radius as the sheets draw it: arc from 0 to a over the rim and
    // the radius at a (here a = pi/2, pointing up).
    t.ForeColor = QColor(Nero);
    t.Cerchio(100, 100, 50, QColor(), 0, -DuePi / 4);
    for (int k = 1; k < 50; ++k) {
        EXPECT_TRUE(E(t, 100, 100 - k, Nero)) << k;   // end radius
        EXPECT_TRUE(E(t, 100 + k, 100, Bianco)) << k; // no start radius
    }
    EXPECT_TRUE(E(t, 150, 100, Nero));    // the arc starts at 3 o'clock
    EXPECT_TRUE(E(t, 100, 50, Nero));     // and ends at 12
    EXPECT_GT(Conta(t, 130, 60, 150, 70, [](QRgb c) { return c == Nero; }), 0);   // rim at 45 degrees
    EXPECT_EQ(Conta(t, 45, 100 + 1, 155, 155, [](QRgb c) { return c == Nero; }), 0);   // nothing below
    EXPECT_EQ(Conta(t, 45, 45, 99, 100, [](QRgb c) { return c == Nero; }), 0);         // nothing upper left

    // An arc with no negative angle has no radius and fills nothing.
    t.Pulisci();
    t.FillStyle = Tela::Pieno;
    t.FillColor = QColor(Rosso);
    t.Cerchio(100, 100, 50, QColor(Nero), DuePi / 4, DuePi / 2);
    EXPECT_TRUE(E(t, 50, 100, Nero));
    EXPECT_TRUE(E(t, 100, 50, Nero));
    EXPECT_TRUE(E(t, 100, 80, Bianco));
    EXPECT_TRUE(E(t, 80, 100, Bianco));
    EXPECT_EQ(Conta(t, 0, 0, 199, 199, [](QRgb c) { return c == Rosso; }), 0);
}

TEST_F(ProvaSuperficie, CerchioPienoEContornoNelleDueScale)
{
    t.FillStyle = Tela::Pieno;
    t.FillColor = QColor(Rosso);
    t.Cerchio(20, 30, 10, QColor(Nero));
    EXPECT_TRUE(E(t, 20, 30, Rosso));
    for (auto [x, y] : {std::pair{10, 30}, {30, 30}, {20, 20}, {20, 40}}) EXPECT_TRUE(E(t, x, y, Nero));
    for (auto [x, y] : {std::pair{9, 30}, {31, 30}, {20, 19}, {20, 41}}) EXPECT_TRUE(E(t, x, y, Bianco));
    EXPECT_EQ(Ingombro(t, [](QRgb c) { return c != Bianco; }), QRect(QPoint(10, 20), QPoint(30, 40)));

    // Twips: 15 a pixel.
    t.Pulisci();
    t.ImpostaScala(Tela::Scala::Twip);
    EXPECT_DOUBLE_EQ(t.LarghezzaScala(), 3000);
    t.FillStyle = Tela::Trasparente;
    t.Cerchio(1500, 1500, 900, QColor(Nero));
    EXPECT_TRUE(E(t, 160, 100, Nero));
    EXPECT_TRUE(E(t, 40, 100, Nero));
    EXPECT_TRUE(E(t, 100, 100, Bianco));
    EXPECT_EQ(Ingombro(t, [](QRgb c) { return c != Bianco; }), QRect(QPoint(40, 40), QPoint(160, 160)));
    t.Linea(0, 15, 1500, 15);
    EXPECT_TRUE(E(t, 0, 1, Nero));
    EXPECT_TRUE(E(t, 100, 1, Nero));
    EXPECT_TRUE(E(t, 101, 1, Bianco));
    EXPECT_DOUBLE_EQ(t.CurrentX, 1500);
}

TEST_F(ProvaSuperficie, RettangoloContornoPienoEBF)
{
    t.Rettangolo(10, 10, 30, 30, QColor(Nero));
    EXPECT_TRUE(E(t, 10, 10, Nero));
    EXPECT_TRUE(E(t, 30, 30, Nero));
    EXPECT_TRUE(E(t, 30, 10, Nero));
    EXPECT_TRUE(E(t, 20, 30, Nero));
    EXPECT_EQ(Conta(t, 11, 11, 29, 29, [](QRgb c) { return c != Bianco; }), 0);   // transparent inside
    EXPECT_EQ(Ingombro(t, [](QRgb c) { return c != Bianco; }), QRect(QPoint(10, 10), QPoint(30, 30)));

    // Solid fill style: inside in FillColor, edge in the outline colour;
    // corners given in any order.
    t.FillStyle = Tela::Pieno;
    t.FillColor = QColor(Rosso);
    t.Rettangolo(70, 70, 50, 50, QColor(Nero));
    EXPECT_EQ(Conta(t, 51, 51, 69, 69, [](QRgb c) { return c == Rosso; }), 19 * 19);
    EXPECT_TRUE(E(t, 50, 60, Nero));
    EXPECT_TRUE(E(t, 70, 60, Nero));
    EXPECT_TRUE(E(t, 71, 60, Bianco));

    // "BF": the whole box in the given colour, whatever the fill style.
    t.FillStyle = Tela::Trasparente;
    t.Rettangolo(100, 100, 110, 105, QColor(Grigio), true);
    EXPECT_EQ(Conta(t, 100, 100, 110, 105, [](QRgb c) { return c == Grigio; }), 11 * 6);
    EXPECT_TRUE(E(t, 111, 102, Bianco));
    EXPECT_TRUE(E(t, 105, 106, Bianco));
    // Erasing a box by drawing it again in the background colour.
    t.Rettangolo(10, 10, 30, 30, QColor(Bianco));
    EXPECT_EQ(Conta(t, 0, 0, 40, 40, [](QRgb c) { return c != Bianco; }), 0);
}

TEST_F(ProvaSuperficie, SpessoreDelTratto)
{
    t.DrawWidth = 3;
    t.Linea(20, 50, 80, 50, QColor(Nero));
    EXPECT_TRUE(E(t, 50, 49, Nero));
    EXPECT_TRUE(E(t, 50, 50, Nero));
    EXPECT_TRUE(E(t, 50, 51, Nero));
    EXPECT_TRUE(E(t, 50, 52, Bianco));
    EXPECT_TRUE(E(t, 50, 48, Bianco));
    t.DrawWidth = 1;
    t.Linea(20, 100, 80, 100, QColor(Nero));
    EXPECT_TRUE(E(t, 50, 101, Bianco));
    EXPECT_TRUE(E(t, 50, 99, Bianco));
}

TEST_F(ProvaSuperficie, TestoInAltoASinistraESullaStessaRiga)
{
    t.CurrentX = 20;
    t.CurrentY = 30;
    t.ForeColor = QColor(Nero);
    t.Stampa(QStringLiteral("HHH"));
    const double dopo = t.CurrentX;
    EXPECT_DOUBLE_EQ(dopo, 20 + t.LarghezzaTesto(QStringLiteral("HHH")));
    EXPECT_DOUBLE_EQ(t.CurrentY, 30);
    const QRect primo = Ingombro(t, [](QRgb c) { return c != Bianco; });
    ASSERT_TRUE(primo.isValid());
    const int alto = int(std::ceil(t.AltezzaTesto(QStringLiteral("H"))));
    EXPECT_GE(primo.left(), 20);
    EXPECT_LE(primo.left(), 23);
    EXPECT_GE(primo.top(), 30);
    EXPECT_LE(primo.top(), 30 + alto / 2);   // the capital's top is near the line's top
    EXPECT_LE(primo.bottom(), 30 + alto);
    EXPECT_LE(primo.right(), int(std::ceil(dopo)));

    // The next piece, in its own colour, follows on the same line.
    t.ForeColor = QColor(Rosso);
    t.Stampa(QStringLiteral("HH"));
    const QRect secondo = Ingombro(t, [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 120; });
    ASSERT_TRUE(secondo.isValid());
    EXPECT_GE(secondo.left(), primo.right());
    EXPECT_LE(secondo.left(), int(dopo) + 3);
    EXPECT_EQ(secondo.top(), primo.top());
    EXPECT_EQ(secondo.bottom(), primo.bottom());

    // A larger font gives larger text.
    const double piccola = t.LarghezzaTesto(QStringLiteral("HHH"));
    t.Font.setPointSizeF(16);
    EXPECT_GT(t.LarghezzaTesto(QStringLiteral("HHH")), piccola * 1.5);
}

TEST_F(ProvaSuperficie, PulisciRiportaSfondoEPosizioneDelTesto)
{
    t.FillStyle = Tela::Pieno;
    t.Cerchio(50, 50, 20, QColor(Nero));
    t.CurrentX = 40;
    t.Stampa(QStringLiteral("abc"));
    t.BackColor = QColor(255, 255, 192);
    t.Pulisci();
    EXPECT_EQ(t.CurrentX, 0);
    EXPECT_EQ(t.CurrentY, 0);
    EXPECT_EQ(Conta(t, 0, 0, 199, 199, [](QRgb c) { return c == Paglia; }), 200 * 200);
    // Printing after clearing starts at the top-left corner.
    t.Stampa(QStringLiteral("H"));
    const QRect r = Ingombro(t, [](QRgb c) { return c != Paglia; });
    EXPECT_LE(r.left(), 3);
    EXPECT_LE(r.top(), int(t.AltezzaTesto(QStringLiteral("H"))) / 2);
}

TEST_F(ProvaSuperficie, RidimensionareConservaIlDisegno)
{
    t.Rettangolo(10, 10, 190, 190, QColor(Nero));
    t.RidimensionaTela(QSize(300, 250));
    EXPECT_EQ(t.DimensionePixel(), QSize(300, 250));
    EXPECT_TRUE(E(t, 10, 10, Nero));
    EXPECT_TRUE(E(t, 190, 190, Nero));
    EXPECT_EQ(Conta(t, 200, 0, 299, 249, [](QRgb c) { return c != Bianco; }), 0);
    t.RidimensionaTela(QSize(100, 100));
    EXPECT_TRUE(E(t, 10, 10, Nero));
    EXPECT_TRUE(E(t, 99, 10, Nero));

    // The widget keeps its drawing when it is resized and paints it; what
    // was drawn before it was shown appears once it is shown.
    Superficie w;
    w.ImpostaScala(Tela::Scala::Pixel);
    w.resize(120, 80);
    w.Rettangolo(10, 40, 20, 50, QColor(Nero), true);
    w.show();
    QApplication::processEvents();
    EXPECT_EQ(w.DimensionePixel(), QSize(120, 80));
    EXPECT_EQ(w.grab().toImage().pixel(15, 45) & 0xffffffu, Nero);
    w.Linea(0, 5, 119, 5, QColor(Rosso));
    w.resize(200, 150);
    QApplication::processEvents();
    EXPECT_EQ(w.DimensionePixel(), QSize(200, 150));
    EXPECT_TRUE(E(w, 119, 5, Rosso));
    EXPECT_TRUE(E(w, 120, 5, Bianco));
    const QImage schermo = w.grab().toImage();
    EXPECT_EQ(schermo.pixel(60, 5) & 0xffffffu, Rosso);
    EXPECT_EQ(schermo.pixel(60, 50) & 0xffffffu, Bianco);
}

TEST_F(ProvaSuperficie, UnaCopiaDellImmagineNonCambiaConIlDisegnoSuccessivo)
{
    t.Stampa(QStringLiteral("x"));   // opens the kept painter
    const QImage copia = t.Immagine();
    t.CurrentX = 100;
    t.CurrentY = 50;
    t.Stampa(QStringLiteral("yyyy"));
    t.Rettangolo(0, 100, 50, 150, QColor(Nero), true);
    t.CurrentX = 100;
    t.CurrentY = 75;
    t.Stampa(QStringLiteral("zzzz"));   // text after pixel drawing is not lost
    EXPECT_EQ(copia.pixel(20, 120) & 0xffffffu, Bianco);
    EXPECT_EQ(Px(t, 20, 120), Nero);
    EXPECT_EQ(Conta(copia, 60, 40, 199, 99), 0);
    EXPECT_GT(Conta(t.Immagine(), 100, 40, 199, 99), 0);
    EXPECT_GT(Conta(t.Immagine(), 100, 75, 199, 99), 0);

    SuperficieNascosta doppione = t;   // copies are independent too
    doppione.Stampa(QStringLiteral("zzz"));
    doppione.Rettangolo(150, 150, 160, 160, QColor(Rosso), true);
    EXPECT_TRUE(E(t, 155, 155, Bianco));
    EXPECT_TRUE(E(doppione, 155, 155, Rosso));
}

TEST_F(ProvaSuperficie, PoligonoPienoConBordiEDegenere)
{
    t.FillStyle = Tela::Pieno;
    t.FillColor = QColor(Rosso);
    t.ForeColor = QColor(Nero);
    const std::vector<QPointF> triangolo{{20, 20}, {120, 20}, {20, 120}};
    t.Poligono(triangolo);
    EXPECT_TRUE(E(t, 40, 40, Rosso));
    EXPECT_TRUE(E(t, 70, 20, Nero));
    EXPECT_TRUE(E(t, 20, 70, Nero));
    EXPECT_TRUE(E(t, 70, 70, Nero));    // on the slanted edge
    EXPECT_TRUE(E(t, 90, 90, Bianco));  // outside
    EXPECT_EQ(Conta(t, 0, 0, 199, 19, [](QRgb c) { return c != Bianco; }), 0);
    EXPECT_EQ(Conta(t, 0, 0, 19, 199, [](QRgb c) { return c != Bianco; }), 0);

    // Two points make a line; coordinates far outside neither hang nor crash.
    t.Pulisci();
    const std::vector<QPointF> segmento{{10, 150}, {60, 150}};
    t.Poligono(segmento);
    EXPECT_EQ(Conta(t, 0, 140, 199, 160, [](QRgb c) { return c == Nero; }), 51);
    t.Linea(-1e12, 180, 1e12, 180, QColor(Nero));
    EXPECT_EQ(Conta(t, 0, 180, 199, 180, [](QRgb c) { return c == Nero; }), 200);
    t.Cerchio(1e9, 1e9, 1e9, QColor(Nero));
    t.Cerchio(100, 100, std::nan(""), QColor(Nero));
    t.Rettangolo(-1e15, -1e15, 1e15, 5, QColor(Grigio), true);
    EXPECT_EQ(Conta(t, 0, 0, 199, 5, [](QRgb c) { return c == Grigio; }), 200 * 6);
}

TEST_F(ProvaSuperficie, UnFoglioDiTorteSiRidisegnaInFretta)
{
    // 128 pies with 64 unit radii each, as a full sheet at the smallest zoom.
    t.ImpostaScala(Tela::Scala::Twip);
    t.RidimensionaTela(QSize(1200, 1000));
    QElapsedTimer cronometro;
    cronometro.start();
    for (int volta = 0; volta < 2; ++volta) {
        t.Pulisci();
        for (int i = 0; i < 128; ++i) {
            const double x = 1000 + (i % 16) * 1100.0, y = 1000 + (i / 16) * 1800.0;
            t.FillStyle = Tela::Pieno;
            t.FillColor = QColor(Grigio);
            t.Cerchio(x, y, 900, QColor(Bianco));
            t.FillColor = QBColor(12);
            t.Cerchio(x, y, 900, QColor(Bianco), -DuePi, -DuePi * 37 / 64);
            t.FillStyle = Tela::Trasparente;
            for (int k = 1; k <= 64; ++k) t.Cerchio(x, y, 900, QColor(Bianco), 0, -DuePi * k / 64);
            t.CurrentX = x - 900;
            t.CurrentY = y + 900;
            t.Stampa(QStringLiteral("37/64"));
        }
        (void)t.Immagine();
    }
    const qint64 ms = cronometro.elapsed();
    std::printf("two sheets of 128 pies: %lld ms\n", (long long)ms);
    EXPECT_LT(ms, 2000);
    // The last pie is drawn: coloured between two radii of its upper left.
    const int cx = InPx(1000 + 15 * 1100.0), cy = InPx(1000 + 7 * 1800.0);
    EXPECT_TRUE(E(t, cx - 48, cy - 12, Rosso));
    EXPECT_TRUE(E(t, cx + 2, cy + 40, Grigio));
}

TEST_F(ProvaSuperficie, RiquadroPienoFuoriDallImmagineNonDisegnaNulla)
{
    // Wholly to the right, to the left, below: the image stays as it was.
    t.Rettangolo(250, 10, 260, 20, QColor(Rosso), true);
    t.Rettangolo(-30, 10, -20, 20, QColor(Rosso), true);
    t.Rettangolo(10, 300, 20, 310, QColor(Rosso), true);
    EXPECT_EQ(Conta(t, 0, 0, 199, 199, [](QRgb c) { return c != Bianco; }), 0);
    // Partly inside: only the part that lies on the image.
    t.Rettangolo(190, 10, 260, 20, QColor(Rosso), true);
    EXPECT_EQ(Ingombro(t, [](QRgb c) { return c == Rosso; }), QRect(QPoint(190, 10), QPoint(199, 20)));
}

TEST(Superficie, NascostaDisegnaGiaAllaSuaMisura)
{
    // A window drawn while it loads: its surface has its size before Qt
    // tells it, at the show, and nothing drawn is lost then.
    QWidget finestra;
    auto* s = new Superficie(&finestra);
    s->ImpostaScala(Tela::Scala::Pixel);
    s->setGeometry(0, 0, 300, 200);
    s->BackColor = QColor(255, 224, 192);
    s->Pulisci();
    s->Linea(250, 150, 290, 150, QColor(255, 0, 0));
    EXPECT_EQ(s->DimensionePixel(), QSize(300, 200));
    finestra.resize(300, 200);
    finestra.show();
    QApplication::processEvents();
    EXPECT_EQ(s->DimensionePixel(), QSize(300, 200));
    EXPECT_EQ(s->Punto(270, 150), QColor(255, 0, 0));
    EXPECT_EQ(s->Punto(10, 10), QColor(255, 224, 192));
}

namespace {
// The rim of a circle and the end of a radius on it as the surface has
// always drawn them: the midpoint rim, and for each radius a walk over every
// rim pixel for the one nearest in angle (the first among equals). The
// surface now looks at a few rim pixels only; this is what it must match.
struct BordoDiRiferimento {
    int r;
    std::vector<QPoint> punti;
    std::vector<double> inversi;

    explicit BordoDiRiferimento(int raggio) : r(raggio)
    {
        int x = r, y = 0, d = 1 - r;
        while (x >= y) {
            for (QPoint p : {QPoint(x, y), QPoint(y, x), QPoint(-y, x), QPoint(-x, y), QPoint(-x, -y), QPoint(-y, -x),
                             QPoint(y, -x), QPoint(x, -y)})
                punti.push_back(p);
            ++y;
            if (d < 0) {
                d += 2 * y + 1;
            } else {
                --x;
                d += 2 * (y - x) + 1;
            }
        }
        for (const QPoint& p : punti) {
            const double l = std::hypot(double(p.x()), double(p.y()));
            inversi.push_back(l > 0 ? 1.0 / l : 0.0);
        }
    }
    QPoint Fine(double a) const
    {
        const double cx = std::cos(a), su = std::sin(a);
        double migliore = -2;
        QPoint scelto(r, 0);
        for (size_t i = 0; i < punti.size(); ++i) {
            const double coseno = (punti[i].x() * cx - punti[i].y() * su) * inversi[i];
            if (coseno > migliore) {
                migliore = coseno;
                scelto = punti[i];
            }
        }
        return scelto;
    }
};

}   // namespace

TEST(Superficie, IRaggiDelleTorteFinisconoSugliStessiPixelDiSempre)
{
    // Every radius from 1 to 200 pixels, every angle 2π·k/den that a pie of
    // denominator 1 to 64 uses: the end pixel, and the picture of the pie's
    // radii (each in a colour of its own), are those of the reference.
    const double PiGreco = 4.0 * std::atan(1.0);
    int puntiDiversi = 0, immaginiDiverse = 0;
    QString primo;
    for (int r = 1; r <= 200; ++r) {
        const BordoDiRiferimento bordo(r);
        const int lato = 2 * r + 3, c = r + 1;
        // The radii drawn, and lines from the centre to the reference ends.
        SuperficieNascosta t, atteso;
        for (Tela* s : {(Tela*)&t, (Tela*)&atteso}) {
            s->ImpostaScala(Tela::Scala::Pixel);
            s->RidimensionaTela(QSize(lato, lato));
        }
        for (int den = 1; den <= 64; ++den) {
            t.Pulisci();
            atteso.Pulisci();
            for (int k = 1; k <= den; ++k) {
                const double a = 2 * PiGreco * k / den;
                const QPoint fine = bordo.Fine(a);
                if (FineDelRaggio(r, a) != fine && puntiDiversi++ == 0)
                    primo = QStringLiteral("r %1, %2/%3").arg(r).arg(k).arg(den);
                const QColor colore(k * 3, 255 - k * 2, den);
                t.Raggio(c, c, r, a, colore);
                atteso.Linea(c, c, c + fine.x(), c + fine.y(), colore);
            }
            if (t.Immagine() != atteso.Immagine()) ++immaginiDiverse;
        }
    }
    EXPECT_EQ(puntiDiversi, 0) << "first at " << primo.toStdString();
    EXPECT_EQ(immaginiDiverse, 0);
}

TEST(Superficie, OgniDisegnoArrivaSulloSchermoConUnSoloRidisegno)
{
    // Drawings after a repaint ask for the next one; many in a row ask once.
    struct Contatore : QObject {
        int ridisegni = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            ridisegni += e->type() == QEvent::Paint;
            return false;
        }
    } contatore;
    QWidget finestra;
    auto* s = new Superficie(&finestra);
    s->ImpostaScala(Tela::Scala::Pixel);
    s->setGeometry(0, 0, 100, 100);
    s->installEventFilter(&contatore);
    finestra.resize(100, 100);
    finestra.show();
    QApplication::processEvents();
    for (int volta = 1; volta <= 2; ++volta) {
        const int prima = contatore.ridisegni;
        for (int i = 0; i < 50; ++i) s->Linea(i, 0, i, 99, QColor(255, 0, 0));
        QApplication::processEvents();
        EXPECT_EQ(contatore.ridisegni, prima + 1);
    }
    // Drawn while hidden: painted when shown again.
    s->hide();
    s->Linea(0, 50, 99, 50, QColor(0, 0, 255));
    const int prima = contatore.ridisegni;
    s->show();
    QApplication::processEvents();
    EXPECT_GT(contatore.ridisegni, prima);
    EXPECT_EQ(s->grab().toImage().pixelColor(60, 50), QColor(0, 0, 255));
}
