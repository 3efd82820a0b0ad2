// Sheet windows: geometry, drawing of the pies, hover captions, the three
// kinds of press, activation, scrolling, closing and the sum labels.
#include "Aiuti.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "workspace/Fogli.h"
#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QMdiArea>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <initializer_list>

namespace {

struct Fr {
    int16_t num, den, colore = 12;
};

void Metti(uint8_t s, std::initializer_list<Fr> frazioni)
{
    int16_t n = 0;
    for (const Fr& f : frazioni) {
        ++n;
        Frazioni[s][n][1] = f.num;
        Frazioni[s][n][2] = f.den;
        Frazioni[s][n][3] = 0;
        Frazioni[s][n][4] = f.colore;
    }
    NumFrazioni(s) = n;
}

void MettiUguali(uint8_t s, int quante, Fr f)
{
    for (int i = 1; i <= quante; ++i) {
        Frazioni[s][i][1] = f.num;
        Frazioni[s][i][2] = f.den;
        Frazioni[s][i][3] = 0;
        Frazioni[s][i][4] = f.colore;
    }
    NumFrazioni(s) = int16_t(quante);
}

std::vector<int> Selezionate(uint8_t s)
{
    std::vector<int> v;
    for (int i = 1; i <= NumFrazioni(s); ++i)
        if (Frazioni[s][i][3] == 1) v.push_back(i);
    return v;
}

QPoint Px(double xTwip, double yTwip) { return QPoint(TwipInPixel(xTwip), TwipInPixel(yTwip)); }

QColor Pixel(uint8_t s, double xTwip, double yTwip)
{
    return Fogli::Istanza(s)->Area()->Immagine().pixelColor(Px(xTwip, yTwip));
}

bool StessaImmagine(const QLabel* l, const QPixmap& p)
{
    return l->pixmap().toImage().convertToFormat(QImage::Format_ARGB32) ==
           p.toImage().convertToFormat(QImage::Format_ARGB32);
}

// The pixel at distance r (twips) from (x, y) in the direction a, and
// whether it or one of its eight neighbours is white.
QPoint SulRaggio(int xTwip, int yTwip, double rTwip, double a)
{
    return Px(xTwip + rTwip * std::cos(a), yTwip - rTwip * std::sin(a));
}
bool BiancoVicino(uint8_t s, QPoint p)
{
    const QImage& img = Fogli::Istanza(s)->Area()->Immagine();
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (img.pixelColor(p + QPoint(dx, dy)) == QColor(255, 255, 255)) return true;
    return false;
}
bool Bianco(uint8_t s, QPoint p) { return Fogli::Istanza(s)->Area()->Immagine().pixelColor(p) == QColor(255, 255, 255); }

// Radii of a pie with denominator den: which of the den directions carry a
// white radius, and whether the directions halfway between them are free.
struct Raggi {
    int presenti = 0, traInMezzo = 0;
};
Raggi ContaRaggi(uint8_t s, QPoint c, int den, double r)
{
    Raggi esito;
    for (int k = 0; k < den; ++k) {
        if (BiancoVicino(s, SulRaggio(c.x(), c.y(), r, 2 * M_PI * k / den))) ++esito.presenti;
        if (Bianco(s, SulRaggio(c.x(), c.y(), r, 2 * M_PI * (k + 0.5) / den))) ++esito.traInMezzo;
    }
    return esito;
}

// The ink of a caption: every pixel of the box (pixels, right and bottom
// excluded) that is not the background, and the darkest of them.
struct Inchiostro {
    QRect riquadro;
    QColor scuro;
};
Inchiostro TrovaInchiostro(const QImage& img, QRect box, QColor sfondo)
{
    Inchiostro esito;
    int minimo = 3 * 256;
    for (int y = box.top(); y <= box.bottom() && y < img.height(); ++y)
        for (int x = box.left(); x <= box.right() && x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c == sfondo) continue;
            esito.riquadro |= QRect(x, y, 1, 1);
            if (c.red() + c.green() < minimo) {
                minimo = c.red() + c.green();
                esito.scuro = c;
            }
        }
    return esito;
}
// Dark blue RGB(0,0,128), allowing for the smoothing of small letters.
bool BluScuro(QColor c) { return c.red() < 60 && c.green() < 60 && c.blue() > 100 && c.blue() < 160; }

} // namespace

class ProvaFogli : public ProvaZefra {
protected:
    void SetUp() override
    {
        ProvaZefra::SetUp();
        Inizializza();
        Unica<Princ>::Istanza()->resize(1280, 1024);
        Unica<Princ>::Istanza()->show();
        Fogli::Istanza(2);
        MostraFoglio(1);
        Unica<Princ>::Istanza()->Affianca();
        QCoreApplication::processEvents();
    }

    // Gives sheet s an outer size in pixels (the resize lays it out again).
    void Dimensiona(uint8_t s, int larghezza, int altezza)
    {
        Fogli::Istanza(s)->setGeometry(0, 0, larghezza, altezza);
        QCoreApplication::processEvents();
    }

    QWidget* Area(uint8_t s = 1) { return Fogli::Istanza(s)->Area(); }
    QLabel* Etichetta(uint8_t s = 1) { return Fogli::Istanza(s)->LabelServizio(); }

    // A pointer movement with no button held, delivered to the sheet itself
    // (QTest only moves the cursor in that case, which sends nothing when
    // the cursor is already there).
    void Muovi(uint8_t s, double x, double y) { MuoviPx(Area(s), Px(x, y)); }
    static void MuoviPx(QWidget* w, QPoint p)
    {
        QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    void Clic(uint8_t s, double x, double y, Qt::KeyboardModifiers m = Qt::NoModifier,
              Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseClick(Area(s), b, m, Px(x, y));
    }
    void Ridisegna(uint8_t s)
    {
        RidisegnaFoglio(s);
        EvidenziaSelezionate(s);
        AggiornaScorrimento(s);
    }
    void ImpostaMenu(const char* nome, bool v) { Unica<Princ>::Istanza()->Azione(QLatin1String(nome))->setChecked(v); }
};

// --- Plain geometry --------------------------------------------------------

TEST(GeometriaFoglio, CentriDellEsempio)
{
    GeometriaFoglio g;
    g.R = 900;
    g.G = 140;
    g.C = 3;
    EXPECT_EQ(g.Centro(1), QPoint(950, 950));
    EXPECT_EQ(g.Centro(2), QPoint(2850, 950));
    EXPECT_EQ(g.Centro(4), QPoint(950, 3030));
    g.S = -2080;
    EXPECT_EQ(g.Centro(4), QPoint(950, 950));
    // Hit test: strictly nearer than R, lowest position first.
    g.S = 0;
    EXPECT_EQ(g.Colpita(6, 950, 950), 1);
    EXPECT_EQ(g.Colpita(6, 950 + 899, 950), 1);
    EXPECT_EQ(g.Colpita(6, 950 + 900, 950), 0);
    EXPECT_EQ(g.Colpita(6, 2850, 3030), 5);
    EXPECT_EQ(g.Colpita(4, 2850, 3030), 0);
    g.C = 0;
    EXPECT_EQ(g.Colpita(6, 950, 950), 0);
}

TEST(GeometriaFoglio, ColonneECapienza)
{
    EXPECT_EQ(CalcolaColonne(2 * 900 + 299, 900), 0);
    EXPECT_EQ(CalcolaColonne(2 * 900 + 300, 900), 1);
    EXPECT_EQ(CalcolaColonne(200 + 3 * 1900, 900), 3);
    EXPECT_EQ(CalcolaColonne(-5000, 900), 0);
    // Values hidden: the literal pitch 2R + G + 50 is the drawing pitch.
    for (int H : {450, 2349, 2350, 6150, 9000})
        EXPECT_EQ(CalcolaCapienza(H, 900, 50, 4), (H - 450) / (2 * 900 + 50 + 50) * 4) << H;
    // Values shown: two rows by 2R + G + 50 = 1990 but only one of 2080.
    EXPECT_EQ(CalcolaCapienza(450 + 4000, 900, 140, 3), 3);
    EXPECT_EQ(CalcolaCapienza(450 + 4160, 900, 140, 3), 6);
    EXPECT_EQ(CalcolaCapienza(100, 900, 140, 3), 0);
    EXPECT_EQ(CalcolaCapienza(9000, 900, 140, 0), 0);
}

TEST(GeometriaFoglio, DistanzaInSingolaPrecisione)
{
    EXPECT_FLOAT_EQ(CalcolaDistanza(0, 0, 3, 4), 5.0f);
    EXPECT_EQ(CalcolaDistanza(1, 1, 1, 1), 0.0f);
    EXPECT_EQ(CalcolaDistanza(0, 0, 1, 1), float(std::sqrt(2.0)));
}

// --- Windows ---------------------------------------------------------------

TEST_F(ProvaFogli, FinestreAllAvvio)
{
    FrmFoglio* a = Fogli::Istanza(1);
    FrmFoglio* b = Fogli::Istanza(2);
    EXPECT_EQ(a->objectName(), "Form1");
    EXPECT_EQ(b->objectName(), "Form2");
    EXPECT_EQ(a->windowTitle(), "Foglio di calcolo A");
    EXPECT_EQ(b->windowTitle(), "Foglio di calcolo B");
    EXPECT_TRUE(Unica<Princ>::Istanza()->AreaMdi()->subWindowList().contains(a));
    EXPECT_TRUE(FoglioVisibile(1));
    EXPECT_TRUE(FoglioCaricato(2));
    EXPECT_FALSE(FoglioVisibile(2));
    EXPECT_EQ(FoglioAttivo, 1);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), "Foglio: A   ");
    EXPECT_EQ(a->Area()->BackColor, QColor(255, 255, 192));
    EXPECT_EQ(b->Area()->BackColor, QColor(192, 255, 255));
    EXPECT_EQ(Pixel(1, 500, 500), QColor(255, 255, 192));
    // The bar stands on the right edge at full height; the label is hidden.
    QScrollBar* bar = a->VScroll1();
    EXPECT_EQ(bar->objectName(), "VScroll1");
    EXPECT_EQ(bar->geometry().right(), a->Area()->width() - 1);
    EXPECT_EQ(bar->height(), a->Area()->height());
    EXPECT_EQ(a->LabelServizio()->objectName(), "LabelServizio");
    EXPECT_FALSE(a->LabelServizio()->isVisible());
    // Columns come from the outer width.
    EXPECT_EQ(ColonneFoglioA, CalcolaColonne(a->LarghezzaEsterna(), 900));
    EXPECT_GT(ColonneFoglioA, 2);
}

TEST_F(ProvaFogli, ColonneECapienzaDallaMisuraEsterna)
{
    // 394 pixels across frame included are 5910 twips: three columns; the
    // inner width alone would give two. 169 pixels down: one row of three
    // without scrolling (the inner height would give none).
    FrmFoglio* a = Fogli::Istanza(1);
    Metti(1, {{1, 2}, {1, 3}, {1, 4}});
    Dimensiona(1, 394, 169);
    ASSERT_EQ(a->LarghezzaEsterna(), 394 * 15);
    ASSERT_EQ(a->AltezzaEsterna(), 169 * 15);
    ASSERT_EQ(CalcolaColonne(a->LarghezzaInterna(), 900), 2) << "no frame to tell the two widths apart";
    EXPECT_EQ(ColonneFoglioA, 3);
    EXPECT_EQ(GeometriaDelFoglio(1).Centro(3), QPoint(4750, 950));
    EXPECT_FALSE(a->VScroll1()->isEnabled());
    Metti(1, {{1, 2}, {1, 3}, {1, 4}, {1, 5}});
    AggiornaScorrimento(1);
    EXPECT_TRUE(a->VScroll1()->isEnabled());
}

TEST_F(ProvaFogli, RiapertoSenzaRiquadriVecchi)
{
    // Sheets A and B side by side; a pie of B selected and boxed.
    Unica<Princ>::Istanza()->ImpostaToolbar2(2, true);
    Unica<Princ>::Istanza()->ClicToolbar2(2);
    QCoreApplication::processEvents();
    Metti(2, {{1, 2}, {1, 3}});
    Ridisegna(2);
    const GeometriaFoglio g = GeometriaDelFoglio(2);
    const QPoint c = g.Centro(1);
    Clic(2, c.x(), c.y());
    ASSERT_EQ(Selezionate(2), std::vector<int>{1});
    ASSERT_EQ(Pixel(2, c.x() - g.R, c.y()), QBColor(1));
    const QRect prima = Fogli::Istanza(2)->geometry();

    // B closed, A activated (B loses its selection), B reopened: the tiling
    // gives it back the same size, and no box of the old selection is left.
    Fogli::Istanza(2)->close();
    Unica<Princ>::Istanza()->AreaMdi()->setActiveSubWindow(Fogli::Istanza(1));
    EXPECT_TRUE(Selezionate(2).empty());
    Unica<Princ>::Istanza()->ImpostaToolbar2(2, true);
    Unica<Princ>::Istanza()->ClicToolbar2(2);
    QCoreApplication::processEvents();
    ASSERT_EQ(Fogli::Istanza(2)->geometry(), prima);
    EXPECT_EQ(FoglioAttivo, 2);
    EXPECT_NE(Pixel(2, c.x() - g.R, c.y()), QBColor(1));
    EXPECT_EQ(Pixel(2, c.x() + 400, c.y() - 300), QBColor(12));   // the pies are there
}

TEST_F(ProvaFogli, ChiuderNascondeSalvoInChiusura)
{
    Metti(1, {{1, 2}});
    FrmFoglio* a = Fogli::Istanza(1);
    EXPECT_FALSE(a->close());
    EXPECT_TRUE(FoglioCaricato(1));
    EXPECT_FALSE(FoglioVisibile(1));
    EXPECT_FALSE(Unica<Princ>::Istanza()->Toolbar2Premuto(1));
    EXPECT_EQ(NumFrazioniA, 1);
    // Shown again it is active again, with its state.
    Unica<Princ>::Istanza()->ImpostaToolbar2(1, true);
    MostraFoglio(2);
    EXPECT_EQ(FoglioAttivo, 2);
    MostraFoglio(1);
    EXPECT_EQ(FoglioAttivo, 1);
    EXPECT_EQ(a, Fogli::Istanza(1));

    InChiusura = VERO;
    EXPECT_TRUE(a->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(FoglioCaricato(1));
}

// --- Drawing ---------------------------------------------------------------

TEST_F(ProvaFogli, TorteDisegnateComeDescritto)
{
    ImpostaMenu("MnuImpostaMostraValori", false);
    DistanzaTorte = 50;
    Dimensiona(1, 8 * 1900 / 15, 700);
    ASSERT_GE(ColonneFoglioA, 4);
    Metti(1, {{1, 64, 9}, {1, 65, 9}, {1, 250, 9}, {1, 1, 12}});
    Ridisegna(1);
    const GeometriaFoglio g = GeometriaDelFoglio(1);
    const QColor grigio(150, 150, 150), blu = QBColor(9), rosso = QBColor(12);

    // 1/64: 64 white radii.
    const QPoint c1 = g.Centro(1);
    const Raggi r64 = ContaRaggi(1, c1, 64, 720);
    EXPECT_EQ(r64.presenti, 64);
    EXPECT_EQ(r64.traInMezzo, 0);

    // 1/65: none but the two edges of its thin sector.
    const QPoint c2 = g.Centro(2);
    const Raggi r65 = ContaRaggi(1, c2, 65, 720);
    EXPECT_LE(r65.presenti, 4);
    EXPECT_EQ(Pixel(1, c2.x() - 450, c2.y()), grigio);
    EXPECT_EQ(Pixel(1, c2.x() + 700, c2.y() - 30), blu);

    // 1/250: grey disc, one white radius pointing right, no sector.
    const QPoint c3 = g.Centro(3);
    const Raggi r250 = ContaRaggi(1, c3, 64, 720);
    EXPECT_EQ(r250.presenti, 1);
    EXPECT_TRUE(Bianco(1, SulRaggio(c3.x(), c3.y(), 600, 0)));
    EXPECT_EQ(Pixel(1, c3.x() + 600, c3.y() - 60), grigio);
    EXPECT_EQ(Pixel(1, c3.x() - 600, c3.y()), grigio);

    // 1/1: a full disc in its colour; no caption while values are hidden.
    const QPoint c4 = g.Centro(4);
    for (auto [dx, dy] : {std::pair{0, 300}, {300, 0}, {-500, -200}, {200, -600}, {-450, 450}})
        EXPECT_EQ(Pixel(1, c4.x() + dx, c4.y() + dy), rosso) << dx << "," << dy;
    EXPECT_EQ(Pixel(1, c4.x(), c4.y() - 300), rosso);
    auto testoSotto = [&](QPoint c) {
        int scritti = 0;
        for (int x = c.x() - g.R; x < c.x(); x += 15)
            for (int y = c.y() + g.R + 45; y < c.y() + g.R + 200; y += 15)
                if (Pixel(1, x, y) != QColor(255, 255, 192)) ++scritti;
        return scritti;
    };
    EXPECT_EQ(testoSotto(c4), 0);

    // Values shown: "1/1" under the disc in the caption colour.
    ImpostaMenu("MnuImpostaMostraValori", true);
    Ridisegna(1);
    EXPECT_GT(testoSotto(c4), 5);
}

TEST_F(ProvaFogli, SettoreDelValore)
{
    ImpostaMenu("MnuImpostaMostraValori", false);
    Metti(1, {{3, 4, 10}});
    Ridisegna(1);
    const QPoint c = GeometriaDelFoglio(1).Centro(1);
    const QColor verde = QBColor(10), grigio(150, 150, 150);
    // Counter-clockwise from 3 o'clock: upper right, upper left, lower left
    // coloured; lower right grey.
    EXPECT_EQ(Pixel(1, c.x() + 400, c.y() - 300), verde);
    EXPECT_EQ(Pixel(1, c.x() - 400, c.y() - 300), verde);
    EXPECT_EQ(Pixel(1, c.x() - 400, c.y() + 300), verde);
    EXPECT_EQ(Pixel(1, c.x() + 400, c.y() + 300), grigio);
    // Outside the rim: the sheet's tint.
    EXPECT_EQ(Pixel(1, c.x() + 940, c.y() + 940), QColor(255, 255, 192));
}

TEST_F(ProvaFogli, NessunaColonnaNessunDisegno)
{
    Metti(1, {{1, 2}, {1, 3}});
    Frazioni[1][1][3] = 1;
    Dimensiona(1, 130, 400);   // narrower than 2R + 300 twips
    EXPECT_EQ(ColonneFoglioA, 0);
    // Nothing drawn, nothing under the pointer, no error.
    EXPECT_EQ(Pixel(1, 950, 950), QColor(255, 255, 192));
    Muovi(1, 950, 950);
    EXPECT_FALSE(Etichetta()->isVisible());
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneSotto, 0);
    Clic(1, 950, 950, Qt::ShiftModifier);
    EXPECT_EQ(Selezionate(1), std::vector<int>{1});
    Clic(1, 950, 950);
    EXPECT_TRUE(Selezionate(1).empty());
    // A tiny window: no negative columns, no capacity.
    Dimensiona(1, 2, 2);
    EXPECT_EQ(ColonneFoglioA, 0);
    EXPECT_EQ(CalcolaCapienza(Fogli::Istanza(1)->AltezzaEsterna(), 900, 140, 0), 0);
}

TEST_F(ProvaFogli, ImmagineDiUnaTorta)
{
    FoglioAttivo = 2;
    RaggioFoglioB = 600;
    DisegnaTortaImmagine(1, 2, 12);
    const SuperficieNascosta& p = FrmRitagliaImmagine().Picture1;
    EXPECT_EQ(p.DimensionePixel(), QSize(TwipInPixel(1350), TwipInPixel(1350 + 280)));
    EXPECT_EQ(p.Immagine().pixelColor(Px(20, 20)), QColor(192, 255, 255));
    EXPECT_EQ(p.Immagine().pixelColor(Px(650, 400)), QBColor(12));    // upper half coloured
    EXPECT_EQ(p.Immagine().pixelColor(Px(650, 900)), QColor(150, 150, 150));
    // Values shown: the caption's top-left corner at (50, 2R + 50), dark
    // blue, in the picture's own smaller font (8.25 pt).
    EXPECT_EQ(p.Font.family(), "MS Sans Serif");
    EXPECT_DOUBLE_EQ(p.Font.pointSizeF(), 8.25);
    const QRect sotto(0, TwipInPixel(1250) + 1, p.DimensionePixel().width(), p.DimensionePixel().height());
    const Inchiostro scritta = TrovaInchiostro(p.Immagine(), sotto, QColor(192, 255, 255));
    ASSERT_FALSE(scritta.riquadro.isEmpty());
    EXPECT_LE(scritta.riquadro.top(), TwipInPixel(1250) + 4);
    EXPECT_GE(scritta.riquadro.left(), TwipInPixel(50));
    EXPECT_LE(scritta.riquadro.left(), TwipInPixel(50) + 3);
    EXPECT_LE(scritta.riquadro.height(), 11);
    EXPECT_TRUE(BluScuro(scritta.scuro)) << scritta.scuro.name().toStdString();

    // Sheet A active: its radius and its tint.
    FoglioAttivo = 1;
    DisegnaTortaImmagine(1, 2, 12);
    EXPECT_EQ(p.DimensionePixel(), QSize(TwipInPixel(1950), TwipInPixel(1950 + 280)));
    EXPECT_EQ(p.Immagine().pixelColor(Px(20, 20)), QColor(255, 255, 192));

    FoglioAttivo = 2;
    ImpostaMenu("MnuImpostaFogliCalcoloBianchi", true);
    DisegnaTortaImmagine(1, 1, 9);
    EXPECT_EQ(p.Immagine().pixelColor(Px(20, 20)), QColor(255, 255, 255));
    EXPECT_EQ(p.Immagine().pixelColor(Px(650, 900)), QBColor(9));
    // "1/1" under the full disc.
    EXPECT_FALSE(TrovaInchiostro(p.Immagine(), sotto, QColor(255, 255, 255)).riquadro.isEmpty());
    ImpostaMenu("MnuImpostaMostraValori", false);
    DisegnaTortaImmagine(1, 1, 9);
    EXPECT_TRUE(TrovaInchiostro(p.Immagine(), sotto, QColor(255, 255, 255)).riquadro.isEmpty());
}

TEST_F(ProvaFogli, DidascalieDeiValoriNelCarattereDelFoglio)
{
    // The sheet's font "MS Sans Serif" 12 pt (another sans face where it is
    // missing) and text colour RGB(0,0,128).
    const Superficie* a = Fogli::Istanza(1)->Area();
    EXPECT_EQ(a->Font.family(), "MS Sans Serif");
    EXPECT_DOUBLE_EQ(a->Font.pointSizeF(), 12.0);
    EXPECT_FALSE(QFontInfo(a->Font).family().isEmpty());
    EXPECT_EQ(a->ForeColor, QColor(0, 0, 128));

    ImpostaMenu("MnuImpostaMostraValori", true);
    Metti(1, {{1, 2}});
    Ridisegna(1);
    const QPoint c = GeometriaDelFoglio(1).Centro(1);
    // Below the rim, left half: the caption with its top-left corner at
    // (x - R, y + R).
    const QRect sotto(TwipInPixel(c.x() - 900), TwipInPixel(c.y() + 900) + 1, TwipInPixel(900),
                      TwipInPixel(280));
    const Inchiostro scritta = TrovaInchiostro(a->Immagine(), sotto, QColor(255, 255, 192));
    ASSERT_FALSE(scritta.riquadro.isEmpty());
    EXPECT_LE(scritta.riquadro.top(), TwipInPixel(c.y() + 900) + 5);
    EXPECT_LE(scritta.riquadro.left(), TwipInPixel(c.x() - 900) + 3);
    EXPECT_EQ(scritta.scuro, QColor(0, 0, 128));
    // 12 points are 16 pixels: "1/2" stands at least 12 pixels tall, and
    // it fits in the room under the pie (2G).
    EXPECT_GE(scritta.riquadro.height(), 12);
    EXPECT_LE(scritta.riquadro.bottom(), TwipInPixel(c.y() + 900 + 2 * 140));
}

TEST_F(ProvaFogli, FogliBianchiAlRidisegno)
{
    ImpostaMenu("MnuImpostaFogliCalcoloBianchi", true);
    RidisegnaFoglio(1);
    RidisegnaFoglio(2);   // hidden, turns white all the same
    EXPECT_EQ(Fogli::Istanza(1)->Area()->BackColor, QColor(255, 255, 255));
    EXPECT_EQ(Fogli::Istanza(2)->Area()->BackColor, QColor(255, 255, 255));
    EXPECT_EQ(Pixel(1, 300, 300), QColor(255, 255, 255));
    ImpostaMenu("MnuImpostaFogliCalcoloBianchi", false);
    RidisegnaFoglio(1);
    RidisegnaFoglio(2);
    EXPECT_EQ(Pixel(1, 300, 300), QColor(255, 255, 192));
    EXPECT_EQ(Fogli::Istanza(2)->Area()->BackColor, QColor(192, 255, 255));
}

// --- Hover -----------------------------------------------------------------

TEST_F(ProvaFogli, DidascaliaAlPassaggio)
{
    Metti(1, {{3, 4}, {1, 2}});
    Ridisegna(1);
    const GeometriaFoglio g = GeometriaDelFoglio(1);
    const QPoint c = g.Centro(2);
    Muovi(1, c.x(), c.y());
    QLabel* l = Etichetta();
    EXPECT_TRUE(l->isVisible());
    EXPECT_EQ(l->text(), " 1/2 ");
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneSotto, 2);
    const QPoint dove = Px(c.x(), c.y());
    EXPECT_EQ(l->pos(), QPoint(TwipInPixel(dove.x() * 15 + 100), TwipInPixel(dove.y() * 15 + 200)));

    Muovi(1, g.Centro(1).x() + 100, g.Centro(1).y());
    EXPECT_EQ(l->text(), " 3/4 ");
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneSotto, 1);

    // Left button held: the label follows to pie 2 (X + 100, Y + 200) but
    // keeps the caption it had.
    {
        const QPoint p2 = Px(c.x() - 200, c.y());
        QMouseEvent e(QEvent::MouseMove, p2, Area()->mapToGlobal(p2), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Area(), &e);
        EXPECT_EQ(l->text(), " 3/4 ");
        EXPECT_EQ(Fogli::Istanza(1)->FrazioneSotto, 2);
        EXPECT_EQ(l->pos(), QPoint(TwipInPixel(p2.x() * 15 + 100), TwipInPixel(p2.y() * 15 + 200)));
    }

    // Off every pie: hidden.
    Muovi(1, g.Centro(1).x(), g.Centro(1).y() + g.R + 60);
    EXPECT_FALSE(l->isVisible());
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneSotto, 0);

    // A redraw hides it too.
    Muovi(1, g.Centro(1).x(), g.Centro(1).y());
    EXPECT_TRUE(l->isVisible());
    RidisegnaFoglio(1);
    EXPECT_FALSE(l->isVisible());
}

TEST_F(ProvaFogli, DidascaliaDeiFattori)
{
    Metti(1, {{3, 4}});
    Ridisegna(1);
    const QPoint c = GeometriaDelFoglio(1).Centro(1);
    QLabel* l = Etichetta();
    // Right press on the pie: factor caption 600 twips to the left.
    QTest::mousePress(Area(), Qt::RightButton, Qt::NoModifier, Px(c.x(), c.y()));
    EXPECT_TRUE(l->isVisible());
    EXPECT_EQ(l->text(), " (3) / (2x2) ");
    const QPoint p = Px(c.x(), c.y());
    EXPECT_EQ(l->x(), TwipInPixel(p.x() * 15 - 600));
    // Moving with the right button held keeps the factor caption.
    QTest::mouseMove(Area(), p + QPoint(3, 0));
    EXPECT_EQ(l->text(), " (3) / (2x2) ");
    EXPECT_EQ(l->x(), TwipInPixel((p.x() + 3) * 15 - 600));
    QTest::mouseRelease(Area(), Qt::RightButton, Qt::NoModifier, p + QPoint(3, 0));
    // No button: the value caption again.
    MuoviPx(Area(), p);
    EXPECT_EQ(l->text(), " 3/4 ");
    // A right press on empty space hides it.
    QTest::mouseClick(Area(), Qt::RightButton, Qt::NoModifier, Px(c.x(), c.y() + 1200));
    EXPECT_FALSE(l->isVisible());
}

// --- Presses ---------------------------------------------------------------

TEST_F(ProvaFogli, ClicSemplice)
{
    Metti(1, {{1, 2}, {1, 3}, {1, 4}, {1, 5}});
    Frazioni[1][3][3] = 1;
    Ridisegna(1);
    const GeometriaFoglio g = GeometriaDelFoglio(1);
    const QPoint c2 = g.Centro(2), c3 = g.Centro(3);
    Clic(1, c2.x(), c2.y());
    EXPECT_EQ(Selezionate(1), std::vector<int>{2});
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneAncora, 2);
    // The blue box around pie 2 only; pie 3's box is gone.
    EXPECT_EQ(Pixel(1, c2.x() - g.R, c2.y()), QBColor(1));
    EXPECT_EQ(Pixel(1, c2.x(), c2.y() + g.R), QBColor(1));
    EXPECT_NE(Pixel(1, c3.x(), c3.y() - g.R), QBColor(1));
    // On empty space everything is deselected.
    Clic(1, c2.x(), c2.y() + g.R + 40);
    EXPECT_TRUE(Selezionate(1).empty());
    EXPECT_NE(Pixel(1, c2.x() - g.R, c2.y()), QBColor(1));
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneAncora, 2);
    EXPECT_EQ(QuadernoModificato, FALSO);
}

TEST_F(ProvaFogli, ClicConShift)
{
    MettiUguali(1, 8, {1, 9});
    Ridisegna(1);
    const GeometriaFoglio g = GeometriaDelFoglio(1);
    // Right after activation the anchor is 0: the range starts at 1.
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneAncora, 0);
    Clic(1, g.Centro(4).x(), g.Centro(4).y(), Qt::ShiftModifier);
    EXPECT_EQ(Selezionate(1), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneAncora, 4);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(Pixel(1, g.Centro(i).x() - g.R, g.Centro(i).y()), QBColor(1)) << i;

    // Anchor 6, Shift on 2: 2..6, pie 8 kept.
    for (int i = 1; i <= 8; ++i) Frazioni[1][i][3] = 0;
    Frazioni[1][8][3] = 1;
    Fogli::Istanza(1)->FrazioneAncora = 6;
    Clic(1, g.Centro(2).x(), g.Centro(2).y(), Qt::ShiftModifier);
    EXPECT_EQ(Selezionate(1), (std::vector<int>{2, 3, 4, 5, 6, 8}));
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneAncora, 2);
    // Shift on empty space: nothing.
    Clic(1, g.Centro(1).x(), g.Centro(1).y() + g.R + 40, Qt::ShiftModifier);
    EXPECT_EQ(Selezionate(1).size(), 6u);
}

TEST_F(ProvaFogli, ClicConCtrl)
{
    ImpostaMenu("MnuImpostaFogliCalcoloBianchi", true);
    Metti(1, {{1, 2}, {2, 3}, {3, 4}});
    Ridisegna(1);
    const GeometriaFoglio g = GeometriaDelFoglio(1);
    const QPoint c1 = g.Centro(1), c3 = g.Centro(3);
    Clic(1, c3.x(), c3.y(), Qt::ControlModifier);
    EXPECT_EQ(Selezionate(1), std::vector<int>{3});
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneAncora, 3);
    EXPECT_EQ(Pixel(1, c3.x() - g.R, c3.y() - g.R), QBColor(1));
    Clic(1, c1.x(), c1.y(), Qt::ControlModifier);
    EXPECT_EQ(Selezionate(1), (std::vector<int>{1, 3}));
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneAncora, 1);
    // Again on 3: its box erased in white, the anchor stays.
    Clic(1, c3.x(), c3.y(), Qt::ControlModifier);
    EXPECT_EQ(Selezionate(1), std::vector<int>{1});
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneAncora, 1);
    EXPECT_EQ(Pixel(1, c3.x() - g.R, c3.y()), QColor(255, 255, 255));
    EXPECT_EQ(Pixel(1, c3.x() - g.R, c3.y() - g.R), QColor(255, 255, 255));
    EXPECT_EQ(Pixel(1, c1.x() - g.R, c1.y() - g.R), QBColor(1));
    // Other buttons and key states do nothing.
    Clic(1, c1.x(), c1.y(), Qt::ShiftModifier | Qt::ControlModifier);
    Clic(1, c1.x(), c1.y(), Qt::AltModifier);
    Clic(1, c3.x(), c3.y(), Qt::NoModifier, Qt::MiddleButton);
    EXPECT_EQ(Selezionate(1), std::vector<int>{1});
}

TEST_F(ProvaFogli, IlClicGuardaDoveAvviene)
{
    Metti(1, {{1, 2}, {1, 3}});
    Frazioni[1][2][3] = 1;
    Ridisegna(1);
    const GeometriaFoglio g = GeometriaDelFoglio(1);
    // The last hover found pie 1; the press lands on empty space without a
    // move in between: it is a press on empty space.
    Muovi(1, g.Centro(1).x(), g.Centro(1).y());
    ASSERT_EQ(Fogli::Istanza(1)->FrazioneSotto, 1);
    const QPoint vuoto = Px(g.Centro(1).x(), g.Centro(1).y() + g.R + 60);
    QTest::mousePress(Area(), Qt::LeftButton, Qt::NoModifier, vuoto);
    QTest::mouseRelease(Area(), Qt::LeftButton, Qt::NoModifier, vuoto);
    EXPECT_TRUE(Selezionate(1).empty());
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneSotto, 0);
}

TEST_F(ProvaFogli, FoglioVuotoIgnoraIClic)
{
    Metti(1, {});
    Ridisegna(1);
    Clic(1, 950, 950);
    Clic(1, 950, 950, Qt::ShiftModifier);
    QTest::mouseClick(Area(), Qt::RightButton, Qt::NoModifier, Px(950, 950));
    EXPECT_FALSE(Etichetta()->isVisible());
    EXPECT_EQ(Unica<Princ>::Istanza()->LblSommaFoglioA()->text(), "  0  ");
}

// --- Activation ------------------------------------------------------------

TEST_F(ProvaFogli, AttivazioneDeselezionaLAltroFoglio)
{
    Metti(1, {{1, 2}, {1, 3}});
    Metti(2, {{1, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8}});
    Unica<Princ>::Istanza()->ImpostaToolbar2(2, true);
    MostraFoglio(2);
    Unica<Princ>::Istanza()->Affianca();
    QCoreApplication::processEvents();
    EXPECT_EQ(FoglioAttivo, 2);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), "Foglio: B   ");

    // Shift right after activation selects 1..4.
    const GeometriaFoglio gb = GeometriaDelFoglio(2);
    Clic(2, gb.Centro(4).x(), gb.Centro(4).y(), Qt::ShiftModifier);
    EXPECT_EQ(Selezionate(2), (std::vector<int>{1, 2, 3, 4}));

    // Sheet A selected by hand and boxed, then A activated: B deselected and
    // redrawn, A keeps its own.
    Frazioni[1][1][3] = 1;
    Fogli::Istanza(1)->FrazioneAncora = 2;
    Unica<Princ>::Istanza()->AreaMdi()->setActiveSubWindow(Fogli::Istanza(1));
    EXPECT_EQ(FoglioAttivo, 1);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), "Foglio: A   ");
    EXPECT_TRUE(Selezionate(2).empty());
    EXPECT_NE(Pixel(2, gb.Centro(1).x() - gb.R, gb.Centro(1).y()), QBColor(1));
    EXPECT_EQ(Selezionate(1), std::vector<int>{1});
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneAncora, 0);

    // Spurious activations change nothing: the same window again, or none.
    Frazioni[2][5][3] = 1;
    Fogli::Istanza(1)->FrazioneAncora = 2;
    Unica<Princ>::Istanza()->AreaMdi()->setActiveSubWindow(Fogli::Istanza(1));
    emit Unica<Princ>::Istanza()->AreaMdi()->subWindowActivated(nullptr);
    emit Unica<Princ>::Istanza()->AreaMdi()->subWindowActivated(Fogli::Istanza(1));
    EXPECT_EQ(Selezionate(2), std::vector<int>{5});
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneAncora, 2);
    EXPECT_EQ(FoglioAttivo, 1);
}

TEST_F(ProvaZefra, FoglioAttivoAppenaMostratoAncheAFinestraNascosta)
{
    Inizializza();
    // The main window exists but is not on the screen yet.
    Unica<Princ>::Istanza();
    MostraFoglio(2);
    EXPECT_EQ(FoglioAttivo, 2);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), "Foglio: B   ");
    Unica<Princ>::Istanza()->resize(1280, 1024);
    Unica<Princ>::Istanza()->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(FoglioAttivo, 2);
    EXPECT_TRUE(FoglioVisibile(2));
}

TEST_F(ProvaFogli, DisattivazioneNascondeLaDidascalia)
{
    Metti(1, {{1, 2}});
    Ridisegna(1);
    const QPoint c = GeometriaDelFoglio(1).Centro(1);
    Muovi(1, c.x(), c.y());
    ASSERT_TRUE(Etichetta()->isVisible());
    Unica<Princ>::Istanza()->ImpostaToolbar2(2, true);
    MostraFoglio(2);
    EXPECT_FALSE(Etichetta(1)->isVisible());
}

// --- Scrolling -------------------------------------------------------------

TEST_F(ProvaFogli, BarraDiScorrimento)
{
    QScrollBar* bar = Fogli::Istanza(1)->VScroll1();
    const int C = ColonneFoglioA;
    ASSERT_GT(C, 0);
    const int K = CalcolaCapienza(Fogli::Istanza(1)->AltezzaEsterna(), 900, 140, C);
    ASSERT_GT(K, 0);
    MettiUguali(1, K, {1, 2});
    Ridisegna(1);
    EXPECT_FALSE(bar->isEnabled());
    ASSERT_LE(K + 1, 128);
    MettiUguali(1, K + 1, {1, 2});
    Ridisegna(1);
    EXPECT_TRUE(bar->isEnabled());
    // The second row starts at (950, 3030).
    Muovi(1, 950, 3030);
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneSotto, C + 1);
    // The last row can be scrolled fully into view.
    const GeometriaFoglio g = GeometriaDelFoglio(1);
    const int ultimaRiga = (NumFrazioniA - 1) / C;
    EXPECT_GE(bar->maximum(),
              ultimaRiga * 2 * (g.R + g.G) + 50 + 2 * g.R + g.G - Fogli::Istanza(1)->AltezzaInterna());

    // Scrolling moves the drawing up by the bar's value.
    MettiUguali(1, 128, {1, 2});
    AggiornaScorrimento(1);
    ASSERT_GE(bar->maximum(), 2080);
    bar->setValue(2080);
    EXPECT_EQ(ScostamentoFoglioA, -2080);
    const QPoint primo = GeometriaDelFoglio(1).Centro(1);
    EXPECT_EQ(primo.y(), 950 - 2080);
    // Row 2 now stands where row 1 was: pie C + 1 at (950, 950).
    Muovi(1, 950, 950);
    EXPECT_EQ(Fogli::Istanza(1)->FrazioneSotto, C + 1);

    // Back to few pies: disabled and back at the top.
    MettiUguali(1, 1, {1, 2});
    AggiornaScorrimento(1);
    EXPECT_FALSE(bar->isEnabled());
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(ScostamentoFoglioA, 0);

    // A resize scrolls back to the top too.
    MettiUguali(1, 128, {1, 2});
    AggiornaScorrimento(1);
    bar->setValue(1000);
    Dimensiona(1, 600, 500);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(ScostamentoFoglioA, 0);
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->height(), Fogli::Istanza(1)->Area()->height());
}

TEST_F(ProvaFogli, UltimaRigaRaggiungibileConIValori)
{
    // Outer height where the literal pitch would count 2 rows but only one
    // full row (with its caption) is drawn.
    FrmFoglio* f = Fogli::Istanza(1);
    const int pxAlt = (450 + 4000) / 15;
    Dimensiona(1, 3 * 1900 / 15 + 20, pxAlt);
    const int C = ColonneFoglioA;
    ASSERT_GT(C, 0);
    MettiUguali(1, 2 * C, {1, 2});
    Ridisegna(1);
    EXPECT_TRUE(f->VScroll1()->isEnabled());
}

// --- Sum label -------------------------------------------------------------

TEST_F(ProvaFogli, EtichettaDellaSomma)
{
    QLabel* lbl = Unica<Princ>::Istanza()->LblSommaFoglioA();
    QLabel* img = Unica<Princ>::Istanza()->ImgRiducibilita();
    const QString ridotta = "La frazione è ridotta ai minimi termini ";
    const QString nonRidotta = "La frazione non è ridotta ai minimi termini ";

    Metti(1, {});
    AggiornaSommaFoglio(1);
    EXPECT_EQ(lbl->text(), "  0  ");
    EXPECT_TRUE(img->isHidden());

    // A redraw updates it.
    Metti(1, {{1, 5}, {2, 5}});
    RidisegnaFoglio(1);
    EXPECT_EQ(lbl->text(), " 3/5 ");

    Metti(1, {{1, 4}, {2, 4}});
    AggiornaSommaFoglio(1);
    EXPECT_EQ(lbl->text(), " 3/4 ");
    EXPECT_FALSE(img->isHidden());
    EXPECT_EQ(img->toolTip(), ridotta);
    EXPECT_TRUE(StessaImmagine(img, IconaRidotta()));
    EXPECT_EQ(img->x(), lbl->x() + lbl->width() + TwipInPixel(30));

    Metti(1, {{2, 4}});
    AggiornaSommaFoglio(1);
    EXPECT_EQ(lbl->text(), " 2/4 ");
    EXPECT_EQ(img->toolTip(), nonRidotta);
    EXPECT_TRUE(StessaImmagine(img, IconaNonRidotta()));

    Metti(1, {{1, 2}, {1, 4}});
    AggiornaSommaFoglio(1);
    EXPECT_EQ(lbl->text(), "  ?  ");
    EXPECT_TRUE(img->isHidden());

    Metti(1, {{1, 1}, {1, 1}});
    AggiornaSommaFoglio(1);
    EXPECT_EQ(lbl->text(), " 2 ");
    EXPECT_EQ(img->toolTip(), ridotta);

    // The sum is kept in 32 bits.
    MettiUguali(1, 128, {32000, 32001});
    AggiornaSommaFoglio(1);
    EXPECT_EQ(lbl->text(), " 4096000/32001 ");

    // Sheet B has its own label and image.
    Metti(2, {{1, 3}});
    AggiornaSommaFoglio(2);
    EXPECT_EQ(Unica<Princ>::Istanza()->LblSommaFoglioB()->text(), " 1/3 ");
    EXPECT_FALSE(Unica<Princ>::Istanza()->ImgRiducibilita1()->isHidden());
    EXPECT_EQ(lbl->text(), " 4096000/32001 ");
}

TEST_F(ProvaFogli, SommaSenzaDivisioniPerZero)
{
    QLabel* lbl = Unica<Princ>::Istanza()->LblSommaFoglioA();
    QLabel* img = Unica<Princ>::Istanza()->ImgRiducibilita();
    Metti(1, {{1, 0}});
    AggiornaSommaFoglio(1);
    EXPECT_EQ(lbl->text(), " 1/0 ");
    EXPECT_TRUE(StessaImmagine(img, IconaNonRidotta()));
    Metti(1, {{0, 1}});
    AggiornaSommaFoglio(1);
    EXPECT_EQ(lbl->text(), " 0 ");
    EXPECT_TRUE(StessaImmagine(img, IconaNonRidotta()));
    Metti(1, {{-3, 5}});
    AggiornaSommaFoglio(1);
    EXPECT_TRUE(StessaImmagine(img, IconaNonRidotta()));
    // Drawing a damaged record does not fail either.
    RidisegnaFoglio(1);
}
