// The checks on the selected fractions (equal, increasing, decreasing, in
// lowest terms) and the histogram: verdicts and geometry without windows,
// then what the windows show.
#include "AiutiFinestre.h"
#include "commands/Comandi.h"
#include "logica/Istogramma.h"
#include "logica/Verifiche.h"
#include "platform/Colori.h"
#include "platform/Superficie.h"
#include "service/Aperture.h"
#include "service/FrmIstogramma.h"
#include "service/FrmRiduzione.h"
#include "service/FrmVerifiche.h"
#include "service/MenuServizio.h"
#include "workspace/Aritmetica.h"
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

namespace {

std::vector<TerminiFrazione> F(std::initializer_list<std::pair<int, int>> termini)
{
    std::vector<TerminiFrazione> v;
    for (auto [n, d] : termini) v.push_back({int16_t(n), int16_t(d)});
    return v;
}

QString Giudizio(RegolaVerifica r, std::initializer_list<std::pair<int, int>> termini)
{
    const auto v = F(termini);
    return IntestazioneVerifica(r, ConfrontaVicine(r, v), int(v.size()));
}

}   // namespace

TEST(Verifiche, IntestazioniSecondoIlConfrontoDelleVicine)
{
    using R = RegolaVerifica;
    struct Caso {
        R regola;
        std::initializer_list<std::pair<int, int>> frazioni;
        const char* intestazione;
    };
    const Caso casi[] = {
        {R::Uguali, {{1, 2}, {2, 4}, {3, 6}}, "Le frazioni seguenti sono uguali (equivalenti):"},
        {R::Uguali, {{1, 2}, {1, 3}}, "Le frazioni seguenti non sono uguali (equivalenti):"},
        {R::Uguali, {{1, 2}, {2, 4}, {1, 3}}, "Le frazioni seguenti non sono tutte uguali (equivalenti):"},
        {R::Crescente, {{1, 3}, {1, 2}, {3, 4}}, "Le frazioni seguenti sono in ordine crescente:"},
        {R::Crescente, {{1, 3}, {2, 6}, {1, 2}}, "Le frazioni seguenti sono in ordine crescente (o sono uguali):"},
        {R::Crescente, {{1, 2}, {1, 2}}, "Le frazioni seguenti sono in ordine crescente (o sono uguali):"},
        {R::Crescente, {{1, 2}, {1, 3}}, "Le frazioni seguenti non sono in ordine crescente:"},
        // The tie comes first, then the order breaks.
        {R::Crescente, {{1, 2}, {1, 2}, {1, 3}}, "Le frazioni seguenti non sono in ordine crescente:"},
        {R::Decrescente, {{3, 4}, {1, 2}, {1, 3}}, "Le frazioni seguenti sono in ordine decrescente:"},
        {R::Decrescente, {{1, 2}, {2, 4}, {1, 3}}, "Le frazioni seguenti sono in ordine decrescente (o sono uguali):"},
        {R::Decrescente, {{1, 3}, {1, 2}}, "Le frazioni seguenti non sono in ordine decrescente:"},
        // Only neighbours count: 1/2 > 1/3 < 3/4 breaks at the second pair.
        {R::Decrescente, {{1, 2}, {1, 3}, {3, 4}}, "Le frazioni seguenti non sono in ordine decrescente:"},
    };
    for (const Caso& c : casi) EXPECT_EQ(Giudizio(c.regola, c.frazioni), QString::fromUtf8(c.intestazione));

    // The break stops the walk: a tie after it is not recorded.
    const EsitoVerifica e = ConfrontaVicine(R::Crescente, F({{2, 3}, {1, 2}, {1, 2}}));
    EXPECT_FALSE(e.verdetto);
    EXPECT_FALSE(e.pari);
    EXPECT_FALSE(ConfrontaVicine(R::Uguali, F({{1, 2}, {2, 4}})).pari);
}

TEST(Verifiche, TerminiGrandiSiConfrontanoEsattamente)
{
    // Cross products 1023936001 and 1023936000: one apart, beyond 16 bits.
    const auto v = F({{31999, 32000}, {31998, 31999}});
    EXPECT_FALSE(ConfrontaVicine(RegolaVerifica::Crescente, v).verdetto);
    const EsitoVerifica d = ConfrontaVicine(RegolaVerifica::Decrescente, v);
    EXPECT_TRUE(d.verdetto);
    EXPECT_FALSE(d.pari);
    EXPECT_TRUE(ConfrontaVicine(RegolaVerifica::Uguali, F({{32000, 32000}, {1, 1}})).verdetto);
}

TEST(Verifiche, ElencoTitoliEVerdettoDeiMinimiTermini)
{
    EXPECT_EQ(ElencoFrazioni(F({{1, 2}, {2, 4}, {3, 6}})), QStringLiteral("1/2; 2/4; 3/6"));
    EXPECT_EQ(ElencoFrazioni(F({{31999, 32000}})), QStringLiteral("31999/32000"));
    EXPECT_EQ(TitoloAvvisoVerifica(RegolaVerifica::Decrescente), QStringLiteral("La frazioni sono in ordine decrescente?"));
    EXPECT_EQ(DidascaliaVerifica(RegolaVerifica::Uguali), QStringLiteral("Le frazioni sono uguali?"));

    EXPECT_EQ(VerdettoRiduzione(CalcolaMCD(6, 8)), QStringLiteral("La frazione non è ridotta ai minimi termini"));
    EXPECT_EQ(VerdettoRiduzione(CalcolaMCD(3, 4)), QStringLiteral("La frazione è ridotta ai minimi termini"));
    EXPECT_EQ(VerdettoRiduzione(CalcolaMCD(1, 1)), QStringLiteral("La frazione è ridotta ai minimi termini"));
    EXPECT_EQ(LarghezzaRiduzione(2500), 4000);
    EXPECT_EQ(LarghezzaRiduzione(3999), 4000);
    EXPECT_EQ(LarghezzaRiduzione(4000), 4200);
    EXPECT_EQ(LarghezzaRiduzione(5000), 5200);
}

TEST(Istogramma, BarreESpaziPerNumeroDiFrazioni)
{
    const GeometriaIstogramma una(334, 178, {{1, 2, 12}});
    EXPECT_EQ(una.Spazio(), 111);
    EXPECT_EQ(una.LarghBarra(), 112);
    EXPECT_EQ(una.Scatola(0).sinistra, 111);
    EXPECT_EQ(una.Scatola(0).destra, 223);
    EXPECT_FLOAT_EQ(una.Scatola(0).alto, 89.0f);   // 1/2 reaches the middle grid line

    const GeometriaIstogramma sessantaquattro(334, 178, std::vector<BarraIstogramma>(64, {1, 1, 0}));
    EXPECT_EQ(sessantaquattro.Spazio(), 2);
    EXPECT_EQ(sessantaquattro.LarghBarra(), 3);
    EXPECT_EQ(sessantaquattro.Scatola(63).destra, 320);
    EXPECT_FLOAT_EQ(sessantaquattro.Scatola(63).alto, 0.0f);   // d/d: full height
    EXPECT_EQ(sessantaquattro.Scatola(63).basso, 177);
}

TEST(Istogramma, IlPuntatoreSopraUnaBarraSoloDentroIBordi)
{
    const GeometriaIstogramma g(334, 178, {{1, 4, 12}, {3, 4, 9}});
    EXPECT_EQ(g.Scatola(0).sinistra, 56);
    EXPECT_EQ(g.Scatola(0).destra, 139);
    EXPECT_EQ(g.Scatola(1).sinistra, 195);
    EXPECT_EQ(g.Scatola(1).destra, 278);
    EXPECT_EQ(g.BarraSotto(60, 170), 0);
    EXPECT_EQ(g.BarraSotto(200, 100), 1);
    EXPECT_EQ(g.BarraSotto(56, 170), -1);    // on the left edge
    EXPECT_EQ(g.BarraSotto(139, 170), -1);   // on the right edge
    EXPECT_EQ(g.BarraSotto(150, 170), -1);   // in the gap
    EXPECT_EQ(g.BarraSotto(60, 133), -1);    // above 1/4's top (133.5)
    EXPECT_EQ(g.BarraSotto(60, 134), 0);
    EXPECT_EQ(g.BarraSotto(60, 177), -1);    // on the bottom edge

    EXPECT_EQ(GeometriaIstogramma::PosizioneEtichetta(60, 170), QPoint(70, 150));
    EXPECT_EQ(GeometriaIstogramma::PosizioneEtichetta(99, 50), QPoint(109, 30));
    EXPECT_EQ(GeometriaIstogramma::PosizioneEtichetta(100, 50), QPoint(70, 30));
    EXPECT_EQ(GeometriaIstogramma::TestoEtichetta({3, 8, 0}), QStringLiteral(" 3/8  "));
    EXPECT_EQ(GeometriaIstogramma::TestoEtichetta({31999, 32000, 0}), QStringLiteral(" 31999/32000  "));
}

// ---- The windows ------------------------------------------------------------

class FinestreVerifica : public ProvaConFoglio {
protected:
    void TearDown() override
    {
        ImpostaSceltaMenuServizio({});
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->windowTitle() == QStringLiteral("Copia")) delete t;
        ChiudiSubito(Unica<FrmUguali>::SeEsiste());
        ChiudiSubito(Unica<FrmCrescenti>::SeEsiste());
        ChiudiSubito(Unica<FrmDecrescenti>::SeEsiste());
        ChiudiSubito(Unica<FrmRiduzione>::SeEsiste());
        ChiudiSubito(Unica<FrmIstogramma>::SeEsiste());
        ProvaConFoglio::TearDown();
    }
};

TEST_F(FinestreVerifica, UgualiMostraIntestazioneEdElencoInOrdineDiPosizione)
{
    Metti(1, {{3, 6, 1}, {5, 7}, {1, 2, 1}, {2, 4, 1}});
    NumFrazioniB = 0;
    VerificaUguali(1);
    FrmUguali* w = Unica<FrmUguali>::SeEsiste();
    ASSERT_TRUE(w);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Le frazioni sono uguali?"));
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    const QString atteso = QStringLiteral("Le frazioni seguenti sono uguali (equivalenti):\r\n3/6; 1/2; 2/4");
    EXPECT_EQ(w->Label1()->text(), atteso);
    EXPECT_EQ(w->TestoCopia(), atteso);
    EXPECT_FALSE(w->ConsenteCopiaBitmap());
    // Terms of the working copy in rows 1.., in position order.
    EXPECT_EQ(FrazioniAppoggio[2][1], 1);
    EXPECT_EQ(FrazioniAppoggio[3][2], 4);

    // The designed client area and label, the service background on both.
    EXPECT_EQ(w->size(), QSize(299, 121));
    EXPECT_EQ(w->Label1()->geometry(), QRect(1, 0, 298, 120));
    EXPECT_TRUE(w->Label1()->wordWrap());
    EXPECT_DOUBLE_EQ(w->Label1()->font().pointSizeF(), 9.75);
    EXPECT_EQ(w->palette().color(QPalette::Window), TintaServizio);
    EXPECT_EQ(w->Label1()->palette().color(QPalette::Window), TintaServizio);
    // Nothing of the text falls outside the label.
    EXPECT_LE(w->Label1()->heightForWidth(298), 120);

    // A press on the text names the window for the pop-up.
    FinestraMenuServizio = 0;
    QTest::mousePress(w->Label1(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    EXPECT_EQ(FinestraMenuServizio, 6);
    EXPECT_EQ(FrazioniDelFoglio(1)[0], (Fr{3, 6, 1, 12}));
    EXPECT_EQ(QuadernoModificato, FALSO);
    EXPECT_TRUE(Suono::Registrati().isEmpty());
}

TEST_F(FinestreVerifica, OrdineSulFoglioBDopoUnRifiutoELaStessaPosizione)
{
    Metti(2, {{1, 2}, {1, 2, 1}, {1, 3}, {1, 3, 1}});
    VerificaCrescente(2);
    FrmCrescenti* w = Unica<FrmCrescenti>::SeEsiste();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->Label1()->text(), QStringLiteral("Le frazioni seguenti non sono in ordine crescente:\r\n1/2; 1/3"));
    QTest::mousePress(w->Label1(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(FinestraMenuServizio, 4);

    // One selected: the warning, and the open window keeps its text.
    Metti(2, {{1, 2}, {1, 3, 1}});
    VerificaCrescente(2);
    EXPECT_EQ(MessaggiMostrati(), QStringList{QStringLiteral("3|La frazioni sono in ordine crescente?|Selezionare due o più frazioni")});
    EXPECT_EQ(Unica<FrmCrescenti>::SeEsiste(), w);
    EXPECT_TRUE(w->Label1()->text().endsWith(QStringLiteral("1/2; 1/3")));

    // Run again after moving it: a fresh window where the old one was.
    w->move(300, 200);
    const QPoint dove = w->frameGeometry().topLeft();
    Metti(2, {{1, 3, 1}, {1, 2, 1}});
    VerificaCrescente(2);
    FrmCrescenti* nuova = Unica<FrmCrescenti>::SeEsiste();
    ASSERT_TRUE(nuova);
    EXPECT_EQ(nuova->frameGeometry().topLeft(), dove);
    EXPECT_EQ(nuova->Label1()->text(), QStringLiteral("Le frazioni seguenti sono in ordine crescente:\r\n1/3; 1/2"));

    Modale::Azzera();
    VerificaDecrescente(2);
    ASSERT_TRUE(Unica<FrmDecrescenti>::SeEsiste());
    EXPECT_EQ(Unica<FrmDecrescenti>::SeEsiste()->windowTitle(), QStringLiteral("Le frazioni sono in ordine decrescente?"));
    QTest::mousePress(Unica<FrmDecrescenti>::SeEsiste()->Label1(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(FinestraMenuServizio, 5);
    Metti(2, {});
    VerificaUguali(2);
    EXPECT_EQ(MessaggiMostrati(), QStringList{QStringLiteral("3|La frazioni sono uguali?|Selezionare due o più frazioni")});
    EXPECT_FALSE(Unica<FrmUguali>::SeEsiste());
}

namespace {
bool Vicino(const QColor& a, QRgb b) { return (a.rgb() & 0xffffffu) == (b & 0xffffffu); }
// Whether some pixel of the columns x0..x1, rows y0..y1 has colour c.
bool C_e(const QImage& img, int x0, int x1, int y0, int y1, QRgb c)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (img.rect().contains(x, y) && (img.pixel(x, y) & 0xffffffu) == (c & 0xffffffu)) return true;
    return false;
}
}   // namespace

TEST_F(FinestreVerifica, MinimiTerminiDisegnaFattoriRegolaEVerdetto)
{
    Metti(1, {{1, 2}, {6, 8, 1}});
    VerificaRidotta(1);
    FrmRiduzione* w = Unica<FrmRiduzione>::SeEsiste();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Minimi termini ?"));
    EXPECT_EQ(FrazioniFinestre[4][1], w->LarghezzaFigura());
    EXPECT_LT(w->LarghezzaFigura(), 4000);
    EXPECT_GE(w->width(), TwipInPixel(4000));
    EXPECT_EQ(w->height(), TwipInPixel(2000));
    const QImage img = w->Area()->Immagine();
    const int fine = TwipInPixel(w->LarghezzaFigura());
    // Numerator line (rows 30..57): red 2 and navy 3; denominator line red only.
    EXPECT_TRUE(C_e(img, 7, fine, 30, 57, QBColor(12).rgb()));
    EXPECT_TRUE(C_e(img, 7, fine, 30, 57, QBColor(1).rgb()));
    EXPECT_TRUE(C_e(img, 7, fine, 60, 85, QBColor(12).rgb()));
    EXPECT_FALSE(C_e(img, 7, fine, 60, 85, QBColor(1).rgb()));
    // The rule: two pixels thick at y 866 twips, from x 100 to w.
    for (int y : {58, 59}) {
        EXPECT_TRUE(Vicino(img.pixelColor(7, y), qRgb(0, 0, 0))) << y;
        EXPECT_TRUE(Vicino(img.pixelColor(fine, y), qRgb(0, 0, 0))) << y;
        EXPECT_FALSE(Vicino(img.pixelColor(fine + 2, y), qRgb(0, 0, 0))) << y;
    }
    // The verdict below, in black on the service background.
    EXPECT_TRUE(C_e(img, 3, 40, 90, 105, qRgb(0, 0, 0)));
    EXPECT_TRUE(Vicino(img.pixelColor(img.width() - 1, img.height() - 1), TintaServizio.rgb()));
    FinestraMenuServizio = 0;
    QTest::mousePress(w->Area(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(FinestraMenuServizio, 7);
    EXPECT_TRUE(w->ConsenteCopiaBitmap());

    // Long factor lines: the window is w + 200 wide and both lines stay whole.
    Metti(1, {{4096, 8192, 1}});
    VerificaRidotta(1);
    w = Unica<FrmRiduzione>::SeEsiste();
    ASSERT_TRUE(w);
    EXPECT_GT(w->LarghezzaFigura(), 4000);
    EXPECT_EQ(w->width(), TwipInPixel(w->LarghezzaFigura() + 200));
    const QImage lunga = w->Area()->Immagine();
    const int f2 = TwipInPixel(w->LarghezzaFigura());
    EXPECT_TRUE(C_e(lunga, f2 - 25, f2, 60, 85, QBColor(12).rgb()));   // the last 2 of 8192
    EXPECT_TRUE(Vicino(lunga.pixelColor(f2, 58), qRgb(0, 0, 0)));

    // Two selected: the warning, and no window.
    ChiudiSubito(w);
    Metti(1, {{1, 2, 1}, {3, 4, 1}});
    VerificaRidotta(1);
    EXPECT_EQ(MessaggiMostrati(), QStringList{QStringLiteral(
                              "3|La frazione è ridotta ai minimi termini ?|Selezionare una frazione (e non più di una)")});
    EXPECT_FALSE(Unica<FrmRiduzione>::SeEsiste());
}

namespace {
void Muovi(QWidget* w, QPoint p)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
}   // namespace

TEST_F(FinestreVerifica, IstogrammaDisegnaDallaSuaCopiaEMostraLaFrazioneSottoIlPuntatore)
{
    FrazioniAppoggio[130][1] = 2;
    FrazioniAppoggio[1][1] = 1, FrazioniAppoggio[1][2] = 4, FrazioniAppoggio[1][4] = 12;
    FrazioniAppoggio[2][1] = 3, FrazioniAppoggio[2][2] = 4, FrazioniAppoggio[2][4] = 9;
    ApriFrmIstogramma();
    FrmIstogramma* w = Unica<FrmIstogramma>::SeEsiste();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Istogramma"));
    EXPECT_EQ(w->size(), QSize(373, 196));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_NE(w->palette().color(QPalette::Window), TintaServizio);
    EXPECT_EQ(w->Picture1()->size(), QSize(334, 178));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label5"))->text(), QStringLiteral("0,5"));
    EXPECT_TRUE(w->findChild<QLabel*>(QStringLiteral("Label0"))->font().bold());
    for (QLabel* l : w->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(w->rect().contains(l->geometry())) << l->objectName().toStdString();

    const QImage img = w->Picture1()->Immagine();
    EXPECT_TRUE(Vicino(img.pixelColor(100, 170), QBColor(12).rgb()));   // 1/4
    EXPECT_TRUE(Vicino(img.pixelColor(250, 100), QBColor(9).rgb()));    // 3/4
    EXPECT_TRUE(Vicino(img.pixelColor(100, 100), qRgb(255, 255, 255)));  // above 1/4
    EXPECT_TRUE(Vicino(img.pixelColor(20, 89), qRgb(128, 128, 128)));    // middle grid line
    EXPECT_TRUE(Vicino(img.pixelColor(150, 100), qRgb(255, 255, 255)));   // gap
    EXPECT_TRUE(Vicino(img.pixelColor(196, 89), QBColor(9).rgb()));      // the bar covers the grid

    // Other commands rewrite the hand-off rows: the window kept its own.
    Metti(1, {{1, 5, 1}, {1, 6, 1}});
    VerificaDecrescente(1);
    EXPECT_EQ(FrazioniAppoggio[2][2], 6);

    QLabel* l = w->LblServizio();
    Muovi(w->Picture1(), {200, 100});
    EXPECT_TRUE(l->isVisibleTo(w));
    EXPECT_EQ(l->text(), QStringLiteral(" 3/4  "));
    EXPECT_EQ(l->pos(), QPoint(170, 80));
    EXPECT_EQ(l->palette().color(QPalette::Window), QColor(224, 224, 224));
    EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text()));
    Muovi(w->Picture1(), {60, 170});
    EXPECT_EQ(l->text(), QStringLiteral(" 1/4  "));
    EXPECT_EQ(l->pos(), QPoint(70, 150));
    Muovi(w->Picture1(), {56, 170});
    EXPECT_FALSE(l->isVisibleTo(w));
    Muovi(w->Picture1(), {60, 170});
    QEvent uscita(QEvent::Leave);
    QApplication::sendEvent(w->Picture1(), &uscita);
    EXPECT_FALSE(l->isVisibleTo(w));
}

TEST_F(FinestreVerifica, LEtichettaDellIstogrammaRestaDentroIlGrafico)
{
    // Three bars: 37..99, 136..198 and 235..297; the last one almost 1.
    FrazioniAppoggio[130][1] = 3;
    FrazioniAppoggio[1][1] = 1, FrazioniAppoggio[1][2] = 2, FrazioniAppoggio[1][4] = 12;
    FrazioniAppoggio[2][1] = 1, FrazioniAppoggio[2][2] = 2, FrazioniAppoggio[2][4] = 9;
    FrazioniAppoggio[3][1] = 31999, FrazioniAppoggio[3][2] = 32000, FrazioniAppoggio[3][4] = 10;
    ApriFrmIstogramma();
    FrmIstogramma* w = Unica<FrmIstogramma>::SeEsiste();
    ASSERT_TRUE(w);
    QLabel* l = w->LblServizio();
    const QRect grafico = w->Picture1()->rect();
    // Near the right end, the long caption would run past the edge; near
    // the top, the label would stand above the chart.
    for (const QPoint p : {QPoint(296, 100), QPoint(296, 5), QPoint(240, 3)}) {
        Muovi(w->Picture1(), p);
        ASSERT_TRUE(l->isVisibleTo(w)) << p.x() << "," << p.y();
        EXPECT_EQ(l->text(), QStringLiteral(" 31999/32000  "));
        EXPECT_TRUE(grafico.contains(l->geometry())) << p.x() << "," << p.y();
    }
    Muovi(w->Picture1(), {296, 100});
    EXPECT_EQ(l->y(), 80);
    EXPECT_EQ(l->x() + l->width(), grafico.width());
    // Where it fits, the label keeps its usual place.
    Muovi(w->Picture1(), {150, 120});
    EXPECT_EQ(l->text(), QStringLiteral(" 1/2  "));
    EXPECT_EQ(l->pos(), QPoint(120, 100));
}

TEST_F(FinestreVerifica, IlMenuDelleFinestreDiTestoNonCopiaBitmapELaCopiaHaIlTesto)
{
    Metti(1, {{1, 2, 1}, {1, 3, 1}});
    VerificaUguali(1);
    FrmUguali* w = Unica<FrmUguali>::SeEsiste();
    ASSERT_TRUE(w);
    QList<bool> bitmap;
    bool crea = false;
    ImpostaSceltaMenuServizio([&](QMenu* m) -> QAction* {
        QAction* b = m->findChild<QAction*>(QStringLiteral("MnuPopUp1CopiaBitmap"));
        bitmap << (b && b->isEnabled());
        return crea ? m->findChild<QAction*>(QStringLiteral("MnuPopUp1CreaCopiaFinestra")) : nullptr;
    });
    QTest::mouseClick(w->Label1(), Qt::RightButton, Qt::NoModifier, QPoint(30, 30));
    EXPECT_EQ(bitmap, QList<bool>{false});

    Metti(1, {{6, 8, 1}});
    VerificaRidotta(1);
    ASSERT_TRUE(Unica<FrmRiduzione>::SeEsiste());
    QTest::mouseClick(Unica<FrmRiduzione>::SeEsiste()->Area(), Qt::RightButton, Qt::NoModifier, QPoint(30, 30));
    EXPECT_EQ(bitmap, (QList<bool>{false, true}));

    crea = true;
    QTest::mouseClick(w->Label1(), Qt::RightButton, Qt::NoModifier, QPoint(30, 30));
    QLabel* copiata = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (t->windowTitle() == QStringLiteral("Copia")) copiata = t->findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_TRUE(copiata);
    EXPECT_EQ(copiata->text(), QStringLiteral("Le frazioni seguenti non sono uguali (equivalenti):\r\n1/2; 1/3"));
    EXPECT_EQ(copiata->font(), w->Label1()->font());
}

TEST_F(FinestreVerifica, IlComandoDellIstogrammaLoApreConLeFrazioniSelezionate)
{
    Metti(1, {{1, 4, 1, 12}, {1, 2}, {3, 4, 1, 9}});
    RappresentaIstogramma(1);
    FrmIstogramma* w = Unica<FrmIstogramma>::SeEsiste();
    ASSERT_TRUE(w);
    ASSERT_EQ(w->Geometria().Barre().size(), 2u);
    EXPECT_EQ(w->Geometria().Barre()[1].num, 3);
    EXPECT_EQ(w->Geometria().Barre()[1].colore, 9);
    // Closing it records its place for the next one.
    w->move(240, 160);
    const QPoint dove = w->frameGeometry().topLeft();
    RappresentaIstogramma(1);
    ASSERT_TRUE(Unica<FrmIstogramma>::SeEsiste());
    EXPECT_EQ(Unica<FrmIstogramma>::SeEsiste()->frameGeometry().topLeft(), dove);
}
