// The colour palette of the main window and the information panel of its
// status bar.
#include "AiutiFinestre.h"
#include "commands/AggiungiFrazioni.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include "workspace/Tavolozza.h"
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <initializer_list>

namespace {

class Tavolozza : public ProvaConFoglio {
protected:
    void Clic(int box) { QTest::mouseClick(Unica<Princ>::Istanza()->PBoxTavolozza(box), Qt::LeftButton); }
    QFrame::Shape Bordo(int box) const { return Unica<Princ>::Istanza()->PBoxTavolozza(box)->frameShape(); }
};

} // namespace

TEST_F(Tavolozza, RicoloraLeSelezionateEDaIlColoreAlleNuove)
{
    Metti(1, {{1, 2}, {2, 2, 1}, {1, 3}, {3, 4, 1, 2}});
    RidisegnaFoglio(1);
    Clic(4);   // blue
    EXPECT_EQ(ColoreCorrente, 9);
    EXPECT_EQ(IndiceTavolozza, 4);
    EXPECT_EQ(Frazioni[1][1][4], 12);
    EXPECT_EQ(Frazioni[1][2][4], 9);
    EXPECT_EQ(Frazioni[1][3][4], 12);
    EXPECT_EQ(Frazioni[1][4][4], 9);
    // Selection and count are untouched; the notebook is modified.
    EXPECT_EQ(NumFrazioniA, 4);
    EXPECT_EQ(Frazioni[1][2][3], 1);
    EXPECT_EQ(Frazioni[1][1][3], 0);
    EXPECT_TRUE(QuadernoModificato);
    EXPECT_EQ(Suono::Registrati(), QStringList{"clic2.wav"});

    // The sheet is drawn again: the whole pie 2/2 is blue above its centre.
    const GeometriaFoglio g = GeometriaDelFoglio(1);
    ASSERT_GT(g.C, 0);
    const QPoint c = g.Centro(2);
    const QPoint px(TwipInPixel(c.x()), TwipInPixel(c.y() - g.R / 2));
    EXPECT_EQ(Fogli::Istanza(1)->Area()->Immagine().pixelColor(px), QBColor(9));

    // The next fraction takes the palette colour.
    ASSERT_TRUE(AggiungiFrazioniAlFoglio(1, 1, 5));
    EXPECT_EQ(NumFrazioniA, 5);
    EXPECT_EQ(Frazioni[1][5][4], 9);
}

TEST_F(Tavolozza, SoloIlRiquadroSceltoResteSenzaBordo)
{
    EXPECT_EQ(Bordo(0), QFrame::NoFrame);
    for (int i = 1; i < 9; ++i) EXPECT_EQ(Bordo(i), QFrame::Box) << i;
    Clic(3);
    Clic(7);
    EXPECT_EQ(ColoreCorrente, 10);
    EXPECT_EQ(IndiceTavolozza, 7);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(Bordo(i), i == 7 ? QFrame::NoFrame : QFrame::Box) << i;
    // Clicking the chosen box again keeps it without a border.
    Clic(7);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(Bordo(i), i == 7 ? QFrame::NoFrame : QFrame::Box) << i;
    // Only the left button clicks.
    QTest::mouseClick(Unica<Princ>::Istanza()->PBoxTavolozza(2), Qt::RightButton);
    EXPECT_EQ(IndiceTavolozza, 7);
    EXPECT_EQ(ColoreCorrente, 10);
}

TEST_F(Tavolozza, OgniRiquadroDaIlColoreCheMostra)
{
    // Left to right: red, dark blue, dark cyan, dark yellow, blue, magenta,
    // dark green, green, black.
    const int16_t attesi[9] = {12, 1, 3, 6, 9, 13, 2, 10, 0};
    Metti(1, {{1, 2, 1}});
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(MappaTavolozza[i], attesi[i]) << i;
        Clic(i);
        EXPECT_EQ(ColoreCorrente, attesi[i]) << i;
        EXPECT_EQ(Frazioni[1][1][4], attesi[i]) << i;
        EXPECT_EQ(Unica<Princ>::Istanza()->PBoxTavolozza(i)->palette().color(QPalette::Window), QBColor(ColoreCorrente)) << i;
    }
    // The recoloured pie keeps its selection square.
    const GeometriaFoglio g = GeometriaDelFoglio(1);
    const QPoint c = g.Centro(1);
    bool riquadro = false;
    const QImage img = Fogli::Istanza(1)->Area()->Immagine();
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const QPoint q(TwipInPixel(c.x() - g.R) + dx, TwipInPixel(c.y() - g.R) + dy);
            riquadro = riquadro || (img.valid(q) && img.pixelColor(q) == QBColor(1));
        }
    EXPECT_TRUE(riquadro);
    EXPECT_EQ(Suono::Registrati().size(), 9);
}

TEST_F(Tavolozza, SenzaSelezioneCambiaColoreEModifica)
{
    SuonoAbilitato = FALSO;
    Metti(1, {{1, 2, 0, 4}, {1, 3, 0, 5}});
    Clic(8);
    EXPECT_EQ(ColoreCorrente, 0);
    EXPECT_EQ(Frazioni[1][1][4], 4);
    EXPECT_EQ(Frazioni[1][2][4], 5);
    EXPECT_TRUE(QuadernoModificato);
    EXPECT_TRUE(Suono::Registrati().isEmpty());
}

TEST_F(Tavolozza, UnaFinestraChiusaNonVieneRicolorata)
{
    Metti(1, {{1, 2, 1, 12}});
    NascondiFoglio(1);
    Unica<Princ>::Istanza()->ImpostaToolbar2(1, false);
    FoglioAttivo = 1;
    Clic(1);
    EXPECT_EQ(ColoreCorrente, 1);
    EXPECT_EQ(IndiceTavolozza, 1);
    EXPECT_EQ(Frazioni[1][1][4], 12);
    EXPECT_TRUE(QuadernoModificato);

    // The notes named active while they are not even loaded: they are not
    // created, and nothing else changes either.
    FoglioAttivo = 3;
    Clic(2);
    EXPECT_EQ(ColoreCorrente, 3);
    EXPECT_EQ(Unica<FrmAppunti>::SeEsiste(), nullptr);
    EXPECT_EQ(Frazioni[1][1][4], 12);

    // Hidden notes keep the colour of their selected text.
    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    t->setPlainText(QStringLiteral("testo"));
    t->selectAll();
    Unica<Princ>::Istanza()->ImpostaToolbar2(3, false);
    NascondiAppunti();
    FoglioAttivo = 3;
    Clic(5);
    EXPECT_EQ(ColoreCarattere(t, 0), QBColor(0));
}

TEST_F(Tavolozza, ColoraIlTestoSelezionatoDegliAppunti)
{
    Metti(1, {{1, 2, 1, 12}});
    ApriAppunti();
    EXPECT_EQ(FoglioAttivo, 3);
    QTextEdit* t = TxtAppunti();
    t->setPlainText(QStringLiteral("ciao mondo"));
    QTextCursor c(t->document());
    c.setPosition(0);
    c.setPosition(4, QTextCursor::KeepAnchor);
    t->setTextCursor(c);
    QuadernoModificato = FALSO;
    Clic(5);   // magenta
    EXPECT_EQ(ColoreCorrente, 13);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ColoreCarattere(t, i), QBColor(13)) << i;
    for (int i = 4; i < 10; ++i) EXPECT_EQ(ColoreCarattere(t, i), QBColor(0)) << i;
    EXPECT_EQ(Frazioni[1][1][4], 12);
    EXPECT_TRUE(QuadernoModificato);
}

// --- Status information ------------------------------------------------------

TEST_F(Tavolozza, InformazioniConTuttiIFogliChiusi)
{
    NascondiFoglio(1);
    Unica<Princ>::Istanza()->ImpostaToolbar2(1, false);
    for (uint8_t attivo : {1, 2, 3}) {
        FoglioAttivo = attivo;
        const Informazioni info = ComponiInformazioni();
        EXPECT_EQ(info.testo, "Tutti i fogli sono chiusi.\r\nPer aprire un foglio fai clic su uno dei tre pulsanti "
                              "che si trovano a destra della barra inferiore.");
        EXPECT_EQ(info.tipo, 6);
    }
}

TEST_F(Tavolozza, InformazioniSugliAppunti)
{
    ApriAppunti();
    const Informazioni info = ComponiInformazioni();
    EXPECT_EQ(info.testo, "Foglio attivo: foglio appunti\r\n");
    EXPECT_EQ(info.tipo, 5);
}

TEST_F(Tavolozza, InformazioniSulFoglio)
{
    Metti(1, {{1, 2}, {1, 3}, {2, 5}});
    EXPECT_EQ(ComponiInformazioni().testo,
              "Foglio attivo: foglio A\r\nNumero totale frazioni: 3\r\nFrazioni selezionate: nessuna");
    EXPECT_EQ(ComponiInformazioni().tipo, 6);

    // One selected fraction, at position 7 of sheet B with 10 fractions.
    Metti(2, {{1, 2}, {1, 2}, {1, 2}, {1, 2}, {1, 2}, {1, 2}, {3, 4, 1}, {1, 2}, {1, 2}, {1, 2}});
    FoglioAttivo = 2;
    EXPECT_EQ(ComponiInformazioni().testo,
              "Foglio attivo: foglio B\r\nNumero totale frazioni: 10\r\nFrazioni selezionate: 1\r\n"
              "E' selezionata la frazione:  3/4\r\nNumero d'ordine della frazione: 7");

    // Several with the same denominator: the sum as it is, not reduced.
    Metti(2, {{3, 4, 1}, {1, 2}, {3, 4, 1}});
    EXPECT_EQ(ComponiInformazioni().testo,
              "Foglio attivo: foglio B\r\nNumero totale frazioni: 3\r\nFrazioni selezionate: 2\r\n"
              "Somma frazioni selezionate: 6/4");
    Metti(2, {{1, 6, 1}, {4, 6, 1}, {5, 6, 1}, {6, 6, 1}});
    EXPECT_EQ(ComponiInformazioni().testo,
              "Foglio attivo: foglio B\r\nNumero totale frazioni: 4\r\nFrazioni selezionate: 4\r\n"
              "Somma frazioni selezionate: 16/6");
    // Different denominators.
    Metti(2, {{1, 2, 1}, {1, 3, 1}});
    EXPECT_EQ(ComponiInformazioni().testo,
              "Foglio attivo: foglio B\r\nNumero totale frazioni: 2\r\nFrazioni selezionate: 2\r\n"
              "Le frazioni selezionate non hanno lo stesso denominatore");
}

TEST_F(Tavolozza, LInformazioneNonToccaLaTabellaDiAppoggio)
{
    for (int r = 0; r <= 130; ++r)
        for (int f = 0; f <= 4; ++f) FrazioniAppoggio[r][f] = int16_t(1000 + r * 5 + f);
    Metti(1, {{1, 2, 1}, {2, 3, 1}, {3, 4, 1}});
    ComponiInformazioni();
    for (int r = 0; r <= 130; ++r)
        for (int f = 0; f <= 4; ++f) ASSERT_EQ(FrazioniAppoggio[r][f], 1000 + r * 5 + f) << r << "," << f;
}

TEST_F(Tavolozza, IlClicSulPannelloMostraLeInformazioni)
{
    Metti(1, {{1, 2, 1}, {1, 2, 1}});
    QTest::mouseClick(Unica<Princ>::Istanza()->Pannello(1), Qt::LeftButton);
    QTest::mouseClick(Unica<Princ>::Istanza()->Pannello(2), Qt::LeftButton);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    QTest::mouseClick(Unica<Princ>::Istanza()->Pannello(3), Qt::LeftButton);
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    const Modale::Mostrato& m = Modale::Mostrati().front();
    EXPECT_EQ(m.genere, "messaggio");
    EXPECT_EQ(m.titolo, "Informazioni");
    EXPECT_EQ(m.tipo, 6);
    EXPECT_EQ(m.testo, "Foglio attivo: foglio A\r\nNumero totale frazioni: 2\r\nFrazioni selezionate: 2\r\n"
                       "Somma frazioni selezionate: 2/2");
    // Nothing changes but what was shown.
    EXPECT_FALSE(QuadernoModificato);
    StatusBar1_PanelClick(2);
    EXPECT_EQ(Modale::Mostrati().size(), 1);
}
