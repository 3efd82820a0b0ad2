// The two factor-list windows: what only the window does (prime buttons,
// choosing a list by a click or "Avanti", the coloured boxes, "Cancella");
// the exercise's texts are tested on ListeFattori itself.
#include "AiutiEsercizi.h"
#include "AiutiFinestre.h"
#include "platform/Colori.h"
#include "service/Aperture.h"
#include "service/FrmScomponi.h"
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {
class Scomponi : public ProvaConFoglio {};

void Primo(FinestraListeFattori* w, int k) { QTest::mouseClick(w->BottonePrimo(k), Qt::LeftButton); }
std::vector<bool> Bordi(FinestraListeFattori* w) { return {w->Riquadro(1)->Bordo(), w->Riquadro(2)->Bordo(), w->Riquadro(3)->Bordo()}; }
bool HaColore(Superficie* s, int indice)
{
    const QImage img = s->Immagine();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == QBColor(indice)) return true;
    return false;
}
}

TEST_F(Scomponi, BottoniRiquadriECancella)
{
    FrazioniFinestre[5][1] = 12;
    FrazioniFinestre[5][2] = 18;
    ApriFrmScomponi();
    FrmScomponi* w = Unica<FrmScomponi>::SeEsiste();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Trova il MCD di numeratore e denominatore"));
    EXPECT_EQ(w->Etichetta(3)->text(), QStringLiteral("3) Fattori primi comuni  (MCD)"));
    EXPECT_EQ(Bordi(w), (std::vector<bool>{true, false, false}));

    Primo(w, 3);
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("1|Fattori primi del numeratore|5 non è un divisore di 12"));
    Primo(w, 1);
    EXPECT_TRUE(HaColore(w->Riquadro(1), 12));   // the factor 2
    EXPECT_TRUE(HaColore(w->Riquadro(1), 8));    // the remainder 6
    Primo(w, 1);
    EXPECT_FALSE(HaColore(w->Riquadro(1), 8));
    EXPECT_TRUE(HaColore(w->Riquadro(1), 1));    // the closing 3

    QTest::mouseClick(w->Riquadro(3), Qt::LeftButton);
    EXPECT_EQ(Bordi(w), (std::vector<bool>{false, false, true}));
    Primo(w, 2);
    EXPECT_TRUE(HaColore(w->Riquadro(3), 1));
    QTest::mouseClick(w->CmdAvanti(), Qt::LeftButton);
    EXPECT_EQ(Bordi(w), (std::vector<bool>{true, false, false}));
    QTest::mouseClick(w->CmdControlla(), Qt::LeftButton);
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("1|Trova il MCD di numeratore e denominatore|Non hai determinato tutti i fattori primi del denominatore"));

    QTest::mouseClick(w->CmdCancella(), Qt::LeftButton);
    EXPECT_FALSE(HaColore(w->Riquadro(3), 1));
    EXPECT_FALSE(HaColore(w->Riquadro(1), 12));
    EXPECT_EQ(w->palette().color(QPalette::Window), TintaServizio);

    // The twin window takes its own title and its operands beyond 16 bits.
    FrazioniFinestre[6][1] = 256;
    FrazioniFinestre[6][2] = 243;
    ApriFrmScomponi1();
    FrmScomponi1* v = Unica<FrmScomponi1>::SeEsiste();
    ASSERT_TRUE(v);
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Riduci al minimo comun denominatore"));
    EXPECT_EQ(v->Liste().Obiettivo(), 62208);
}
