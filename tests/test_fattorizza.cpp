// The prime factor tree window: clicks on the nodes with their sounds and
// messages, the two splitting rules, folding everything and the zoom.
#include "AiutiEsercizi.h"
#include "AiutiFinestre.h"
#include "platform/Colori.h"
#include "service/Aperture.h"
#include "service/FrmFattorizza.h"
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
class Fattorizza : public ProvaConFoglio {
protected:
    FrmFattorizza* Apri(int16_t n)
    {
        FrazioniAppoggio[1][1] = n;
        ApriFrmFattorizza();
        FrmFattorizza* w = Unica<FrmFattorizza>::SeEsiste();
        QCoreApplication::processEvents();
        return w;
    }
    // A pupil's click on the number of node i.
    static void Clic(FrmFattorizza* w, int i)
    {
        QTreeWidget* t = w->TreeView1();
        const QRect r = t->visualItemRect(w->Elemento(i));
        ASSERT_TRUE(r.isValid()) << i;
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, QPoint(r.right() - 4, r.center().y()));
    }
    static QStringList Figli(FrmFattorizza* w, int i)
    {
        QStringList l;
        for (int k = 0; k < w->Elemento(i)->childCount(); ++k) l << w->Elemento(i)->child(k)->text(0);
        return l;
    }
};
}

TEST_F(Fattorizza, ClicSuiNodi)
{
    SuonoAbilitato = VERO;
    FrmFattorizza* w = Apri(36);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Scomponi in fattori primi"));
    EXPECT_EQ(w->TreeView1()->topLevelItemCount(), 1);
    Clic(w, 0);
    EXPECT_EQ(Figli(w, 0), (QStringList{"6", "6"}));
    EXPECT_TRUE(w->Elemento(0)->isExpanded());
    EXPECT_EQ(Suono::Registrati(), QStringList{"clic2.wav"});
    Clic(w, 1);   // 6 -> 2, 3
    EXPECT_EQ(Figli(w, 1), (QStringList{"2", "3"}));
    EXPECT_EQ(w->Elemento(3)->foreground(0).color(), QBColor(12));
    Suono::AzzeraRegistrati();
    Clic(w, 0);
    EXPECT_FALSE(w->Elemento(0)->isExpanded());
    EXPECT_EQ(Suono::Registrati(), QStringList{"clic1.wav"});
    EXPECT_EQ(w->Elemento(0)->childCount(), 2);
    Clic(w, 0);
    Suono::AzzeraRegistrati();
    Clic(w, 3);   // the prime 2
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("2|Scomponi in fattori primi|2 è un numero primo, non è possibile esprimerlo come prodotto di due numeri interi minori di 2"));
    EXPECT_EQ(Suono::Registrati(), QStringList{"errore.wav"});
    EXPECT_EQ(ContaErrori, 1);

    QTest::mouseClick(w->CmdComprimi(), Qt::LeftButton);
    EXPECT_FALSE(w->Elemento(1)->isExpanded());

    // Clicking the selected option keeps the tree; the other one leaves
    // only the root, which then splits off its smallest prime.
    QTest::mouseClick(w->Option1(), Qt::LeftButton);
    EXPECT_EQ(w->Elemento(0)->childCount(), 2);
    QTest::mouseClick(w->Option2(), Qt::LeftButton);
    ASSERT_TRUE(w->Option2()->isChecked());
    EXPECT_EQ(w->Elemento(0)->childCount(), 0);
    EXPECT_EQ(w->TreeView1()->topLevelItemCount(), 1);
    Clic(w, 0);
    EXPECT_EQ(Figli(w, 0), (QStringList{"2", "18"}));
}

TEST_F(Fattorizza, PrimoGrandeEZoom)
{
    FrmFattorizza* w = Apri(13);
    Clic(w, 0);
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("2|Scomponi in fattori primi|13 è un numero primo, non è possibile esprimerlo come prodotto di due numeri interi minori di 13"));
    EXPECT_EQ(w->Elemento(0)->childCount(), 0);

    w = Apri(31999);
    Clic(w, 0);
    EXPECT_EQ(w->Elemento(2)->foreground(0).color(), QBColor(0));   // 2909
    // The keyboard does not fold what the clicks unfolded.
    w->TreeView1()->setCurrentItem(w->Elemento(0));
    QTest::keyClick(w->TreeView1(), Qt::Key_Left);
    EXPECT_TRUE(w->Elemento(0)->isExpanded());

    for (int i = 0; i < 3; ++i) QTest::mouseClick(w->CmdZoomMeno(), Qt::LeftButton);
    QTest::mouseClick(w->CmdZoomPiu(), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(w->TreeView1()->font().pointSizeF(), 9.75);
    // Its own colours, whatever the service windows' option.
    EXPECT_NE(w->palette().color(QPalette::Window), TintaServizio);
}
