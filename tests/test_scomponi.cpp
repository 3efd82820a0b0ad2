// The two factor-list windows: prime buttons, choosing a list by a click or
// "Avanti", what the boxes show, "Cancella" and the verdicts.
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
class Scomponi : public ProvaConFoglio {
protected:
    static void Primo(FinestraListeFattori* w, int k) { QTest::mouseClick(w->BottonePrimo(k), Qt::LeftButton); }
    static std::vector<bool> Bordi(FinestraListeFattori* w)
    {
        return {w->Riquadro(1)->Bordo(), w->Riquadro(2)->Bordo(), w->Riquadro(3)->Bordo()};
    }
    // Whether the box holds a pixel of that colour.
    static bool HaColore(Superficie* s, const QColor& c)
    {
        const QImage img = s->Immagine();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelColor(x, y) == c) return true;
        return false;
    }
};
}

TEST_F(Scomponi, MassimoComunDivisore)
{
    FrazioniFinestre[5][1] = 12;
    FrazioniFinestre[5][2] = 18;
    ApriFrmScomponi();
    FrmScomponi* w = IstanzaServizio<FrmScomponi>();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Trova il MCD di numeratore e denominatore"));
    EXPECT_EQ(w->Etichetta(3)->text(), QStringLiteral("3) Fattori primi comuni  (MCD)"));
    EXPECT_EQ(Bordi(w), (std::vector<bool>{true, false, false}));

    Primo(w, 3);
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("1|Fattori primi del numeratore|5 non è un divisore di 12"));
    EXPECT_FALSE(HaColore(w->Riquadro(1), QBColor(12)));
    Primo(w, 1);
    EXPECT_TRUE(HaColore(w->Riquadro(1), QBColor(12)));   // the factor 2
    EXPECT_TRUE(HaColore(w->Riquadro(1), QBColor(8)));    // the remainder 6
    Primo(w, 1);
    EXPECT_FALSE(HaColore(w->Riquadro(1), QBColor(8)));
    EXPECT_TRUE(HaColore(w->Riquadro(1), QBColor(1)));    // the closing 3

    QTest::mouseClick(w->Riquadro(3), Qt::LeftButton);
    EXPECT_EQ(Bordi(w), (std::vector<bool>{false, false, true}));
    Primo(w, 1);
    Primo(w, 1);
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("1|Trova il MCD di numeratore e denominatore|2x2 non è un fattore comune "));
    Primo(w, 2);
    QTest::mouseClick(w->CmdControlla(), Qt::LeftButton);
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("1|Trova il MCD di numeratore e denominatore|Non hai determinato tutti i fattori primi del denominatore"));
    QTest::mouseClick(w->CmdAvanti(), Qt::LeftButton);
    EXPECT_EQ(Bordi(w), (std::vector<bool>{true, false, false}));
    QTest::mouseClick(w->CmdAvanti(), Qt::LeftButton);
    Primo(w, 1);
    Primo(w, 2);
    QTest::mouseClick(w->CmdControlla(), Qt::LeftButton);
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("5|Trova il MCD di numeratore e denominatore|Ok, hai determinato tutti i fattori primi comuni"));
    EXPECT_EQ(ContaErrori, 3);

    QTest::mouseClick(w->CmdCancella(), Qt::LeftButton);
    EXPECT_EQ(Bordi(w), (std::vector<bool>{true, false, false}));
    EXPECT_FALSE(HaColore(w->Riquadro(3), QBColor(12)));
    EXPECT_FALSE(HaColore(w->Riquadro(1), QBColor(12)));
}

TEST_F(Scomponi, MinimoComunDenominatoreOltreSediciBit)
{
    FrazioniFinestre[6][1] = 256;
    FrazioniFinestre[6][2] = 243;
    ApriFrmScomponi1();
    FrmScomponi1* w = IstanzaServizio<FrmScomponi1>();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Riduci al minimo comun denominatore"));
    EXPECT_EQ(w->Liste().Obiettivo(), 62208);
    for (int i = 0; i < 7; ++i) Primo(w, 1);   // 256 = 2^8: the last 2 closes the list
    QTest::mouseClick(w->Riquadro(2), Qt::LeftButton);
    for (int i = 0; i < 4; ++i) Primo(w, 2);
    QTest::mouseClick(w->CmdAvanti(), Qt::LeftButton);
    for (int i = 0; i < 8; ++i) Primo(w, 1);
    QTest::mouseClick(w->CmdControlla(), Qt::LeftButton);
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("1|Riduci al minimo comun denominatore|Non hai determinato tutti i fattori primi del minimo comun denominatore"));
    for (int i = 0; i < 5; ++i) Primo(w, 2);
    Primo(w, 2);
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("1|Riduci al minimo comun denominatore|Non esistono altri fattori primi del minimo comun denominatore"));
    QTest::mouseClick(w->CmdControlla(), Qt::LeftButton);
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("5|Riduci al minimo comun denominatore|Ok, hai determinato il minimo comun denominatore"));
    EXPECT_EQ(w->palette().color(QPalette::Window), TintaServizio);
}
