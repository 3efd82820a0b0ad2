// The three fraction builders: their shared state machine, the measures of
// the grid and the bar, the previews, and OK through the add protocol.
#include "AiutiFinestre.h"
#include "commands/FrmCostruttori.h"
#include "platform/Colori.h"
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <cmath>

namespace {

const QColor Bianco(255, 255, 255);

class Costruttori : public ProvaConFoglio {
protected:
    // Runs the command; once its dialog is up, hands it to azione, then
    // closes it with Annulla if it is still open.
    void Con(void (*comando)(), const std::function<void(FrmCostruttore*)>& azione)
    {
        bool comparso = false;
        QuandoModale([&](QWidget* w) {
            auto* d = qobject_cast<FrmCostruttore*>(w);
            if (!d) {
                w->close();
                return;
            }
            comparso = true;
            azione(d);
            if (d->isVisible()) d->CmdAnnulla_Click();
        });
        comando();
        EXPECT_TRUE(comparso);
        EXPECT_EQ(FrmCostruttoreAperto(), nullptr);
    }
    static void Clic(QPushButton* b, int volte = 1)
    {
        for (int k = 0; k < volte; ++k) QTest::mouseClick(b, Qt::LeftButton);
    }
};

// White pixels strictly inside the disc of radius r - 5 around (x, y).
int BianchiDentro(Tela& t, int x, int y, int r)
{
    int n = 0;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            if (std::hypot(dx, dy) < r - 5 && t.Punto(x + dx, y + dy) == Bianco) ++n;
    return n;
}

bool HaColore(Tela& t, const QRect& zona, const QColor& c)
{
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            if (t.Punto(x, y) == c) return true;
    return false;
}

} // namespace

TEST(StatoCostruttore, IBottoniMuovonoLaFrazioneSenzaMaiRenderlaImpropria)
{
    using T = TastoCostruttore;
    StatoCostruttore s;
    auto premi = [&](T t) {
        const auto e = s.Premi(t);
        return QStringLiteral("%1/%2 %3%4").arg(s.NumFraz()).arg(s.DenFraz()).arg(e.clic).arg(e.ridisegna);
    };
    EXPECT_EQ(premi(T::NumPiu), "1/1 11");
    EXPECT_EQ(premi(T::NumPiu), "1/1 00");   // already d/d
    EXPECT_EQ(premi(T::DenMeno), "0/1 01");  // at 1: reset and redraw, silently
    EXPECT_EQ(premi(T::NumMeno), "0/1 00");
    EXPECT_EQ(premi(T::DenPiu), "0/2 11");
    EXPECT_EQ(premi(T::NumPiu), "1/2 11");
    EXPECT_EQ(premi(T::DenPiu), "0/3 11");   // the numerator starts again
    EXPECT_EQ(premi(T::NumPiu), "1/3 11");
    EXPECT_EQ(premi(T::DenMeno), "0/2 11");
    while (s.DenFraz() < INT16_MAX) s.Premi(T::DenPiu);
    s.Premi(T::NumPiu);
    EXPECT_EQ(premi(T::DenPiu), "1/32767 00");   // one more would not fit
}

TEST(StatoCostruttore, MisureDellaGrigliaEDellaBarra)
{
    auto griglia = [](int d) {
        const MisureGriglia m = CalcolaGriglia(d, 242);
        return QStringLiteral("%1x%2 %3").arg(m.righe).arg(m.colonne).arg(m.lato);
    };
    EXPECT_EQ(griglia(1), "1x1 242");
    EXPECT_EQ(griglia(12), "3x4 60");   // 60.5 rounds to the even 60
    EXPECT_EQ(griglia(16), "4x4 60");
    EXPECT_EQ(griglia(13), "1x13 19");
    EXPECT_EQ(griglia(36), "6x6 40");
    EXPECT_EQ(griglia(499), "1x499 0");
    EXPECT_EQ(PassoBarra(449, 4), 112);
    EXPECT_EQ(PassoBarra(449, 449), 1);
    EXPECT_EQ(PassoBarra(449, 450), 0);
}

TEST_F(Costruttori, LaTortaSiCostruisceEOkLaAggiunge)
{
    ColoreCorrente = 9;
    Con(AggiungiFrazioneTorta, [](FrmCostruttore* d) {
        EXPECT_EQ(d->objectName(), QStringLiteral("FrmFrazione1"));
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Aggiungi"));
        EXPECT_EQ(d->size(), QSize(313, 286));
        EXPECT_TRUE(d->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(d->isModal());
        EXPECT_EQ(d->focusWidget(), d->CmdOk());
        EXPECT_EQ(d->Frame1()->title(), QStringLiteral(" Denominatore"));
        EXPECT_EQ(d->Frame2()->title(), QStringLiteral(" Numeratore "));
        // 0/1: a grey disc of radius 100 around (116, 173).
        Tela& t = *d->Area();
        EXPECT_EQ(t.Punto(116, 173), QBColor(8));
        EXPECT_EQ(t.Punto(116 + 95, 173), QBColor(8));
        EXPECT_NE(t.Punto(116 + 103, 173), QBColor(8));
        Clic(d->CmdDenumPiu(), 3);
        Clic(d->CmdNumPiu(), 3);
        EXPECT_EQ(d->NumFraz(), 3);
        EXPECT_EQ(d->DenFraz(), 4);
        // Three quarters coloured from 3 o'clock counter-clockwise.
        EXPECT_EQ(t.Punto(116 + 50, 173 - 20), QBColor(9));
        EXPECT_EQ(t.Punto(116 + 50, 173 + 20), QBColor(8));
        // The caption: the numerator in the current colour, "/4" in black.
        const QRect didascalia(226, 143, 80, 30);
        EXPECT_TRUE(HaColore(t, didascalia, QBColor(9)));
        EXPECT_TRUE(HaColore(t, didascalia, QBColor(0)));
        // Enter and Esc do nothing.
        QTest::keyClick(d, Qt::Key_Escape);
        QTest::keyClick(d->CmdOk(), Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        Clic(d->CmdOk());
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{3, 4, 0, 9}}));
    EXPECT_EQ(Suono::Registrati(), QStringList(6, QStringLiteral("clic2.wav")) << QStringLiteral("aggiungi.wav"));
    EXPECT_EQ(QuadernoModificato, VERO);

    // Reopening starts from 0/1, and OK at 0 adds nothing.
    Con(AggiungiFrazioneTorta, [](FrmCostruttore* d) {
        EXPECT_EQ(d->DenFraz(), 1);
        Clic(d->CmdDenumMeno());
        Clic(d->CmdOk());
    });
    EXPECT_EQ(NumFrazioniA, 1);
    EXPECT_EQ(Suono::Registrati().size(), 7);
}

TEST_F(Costruttori, LaTortaHaUnRaggioBiancoPerUnitaFinoA64)
{
    ColoreCorrente = 12;
    FrmFrazione1 d;
    Tela& t = *d.Area();
    d.FrazMsuN(0, 64);
    EXPECT_GT(BianchiDentro(t, 116, 173, 100), 64 * 50);
    d.FrazMsuN(0, 65);
    EXPECT_EQ(BianchiDentro(t, 116, 173, 100), 0);
    // 1/1 is the whole disc in the current colour, without radii.
    d.FrazMsuN(1, 1);
    EXPECT_EQ(t.Punto(116 - 50, 173 + 50), QBColor(12));
    EXPECT_EQ(BianchiDentro(t, 116, 173, 100), 0);
}

TEST_F(Costruttori, LaDidascaliaLungaStaNellaFinestra)
{
    // Three-digit terms: the caption gets smaller instead of running out.
    ColoreCorrente = 12;
    FrmFrazione1 d;
    for (int i = 0; i < 99; ++i) d.CmdDenumPiu_Click();
    for (int i = 0; i < 100; ++i) d.CmdNumPiu_Click();
    ASSERT_EQ(d.DenFraz(), 100);
    const Tela& t = *d.Area();
    const int w = t.DimensionePixel().width();
    // Dark pixels of the black "/100", antialiased edges included.
    int nere = 0, nereAlBordo = 0;
    for (int x = 0; x < w; ++x)
        for (int y = 100; y < 200; ++y)
            if (qGray(t.Punto(x, y).rgb()) < 128 && t.Punto(x, y) != QBColor(12)) (x >= w - 1 ? nereAlBordo : nere)++;
    EXPECT_GT(nere, 20);
    EXPECT_EQ(nereAlBordo, 0);
}

TEST_F(Costruttori, LaGrigliaColoraLeCelleRigaPerRiga)
{
    ColoreCorrente = 2;
    Riempi(1, 128, {1, 2});
    Con(AggiungiFrazioneRettangolo, [](FrmCostruttore* d) {
        EXPECT_EQ(d->objectName(), QStringLiteral("FrmFrazione2"));
        EXPECT_EQ(d->size(), QSize(436, 272));
        EXPECT_EQ(d->focusWidget(), d->CmdDenumPiu());
        Tela& t = *d->Area();
        EXPECT_EQ(t.Punto(10 + 121, 10 + 121), GrigioTorta);   // the one cell of 0/1
        Clic(d->CmdDenumPiu(), 11);
        Clic(d->CmdNumPiu(), 5);
        // 3 rows of 4 cells of side 60: row 1 and the first of row 2 coloured.
        auto cella = [&](int riga, int colonna) { return t.Punto(10 + 60 * colonna - 30, 10 + 60 * riga - 30); };
        for (int c = 1; c <= 4; ++c) EXPECT_EQ(cella(1, c), QBColor(2)) << c;
        EXPECT_EQ(cella(2, 1), QBColor(2));
        EXPECT_EQ(cella(2, 2), GrigioTorta);
        EXPECT_EQ(cella(3, 4), GrigioTorta);
        EXPECT_EQ(t.Punto(10 + 60, 10 + 150), Bianco);   // a line between columns
        EXPECT_NE(t.Punto(10 + 245, 100), GrigioTorta);  // the grid ends at 10 + 240
        // A full sheet: the warning, and the dialog stays as it was.
        Clic(d->CmdOk());
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->NumFraz(), 5);
        EXPECT_EQ(cella(2, 1), QBColor(2));
        EXPECT_TRUE(HaColore(*static_cast<FrmFrazione2*>(d)->Picture1(), QRect(0, 0, 40, 40), QBColor(2)));
    });
    EXPECT_EQ(NumFrazioniA, 128);
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    EXPECT_EQ(Modale::Mostrati()[0].testo, QStringLiteral("Un foglio non può contenere più di 128 frazioni"));

    // Cells smaller than a pixel draw nothing and fail nothing.
    FrmFrazione2 g;
    for (int k = 1; k < 499; ++k) g.CmdDenumPiu_Click();
    EXPECT_EQ(g.Area()->Punto(12, 12), g.Area()->BackColor);
}

TEST_F(Costruttori, LaBarraSiTagliaInSegmentiInteri)
{
    ColoreCorrente = 12;
    Con(AggiungiFrazioneLinea, [](FrmCostruttore* d) {
        EXPECT_EQ(d->objectName(), QStringLiteral("FrmFrazione3"));
        EXPECT_EQ(d->size(), QSize(469, 145));
        EXPECT_EQ(d->focusWidget(), d->CmdDenumPiu());
        Tela& t = *d->Area();
        const QColor grigio(100, 100, 100);
        EXPECT_EQ(t.Punto(459, 84), grigio);   // 0/1: the whole bar
        Clic(d->CmdDenumPiu(), 3);
        Clic(d->CmdNumPiu(), 1);
        for (int x : {122, 234, 346}) EXPECT_EQ(t.Punto(x, 89), Bianco) << x;   // one pixel below the bar
        EXPECT_EQ(t.Punto(100, 84), QBColor(12));
        EXPECT_EQ(t.Punto(200, 84), grigio);
        EXPECT_EQ(t.Punto(458, 84), grigio);         // 4 x 112 ends at 458
        EXPECT_NE(t.Punto(459, 84), grigio);
        Clic(d->CmdOk());
    });
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 4, 0, 12}}));
}
