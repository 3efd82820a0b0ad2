// The exercise windows reached from the menus, as a pupil reaches them:
// the selection on the sheet goes through the opener into a fresh window.
#include "AiutiEsercizi.h"
#include "AiutiFinestre.h"
#include "service/FrmFattorizza.h"
#include "service/FrmScomponi.h"
#include "service/FrmValoreDecimale.h"
#include <QAction>
#include <QTest>

namespace {
class AperturaEsercizi : public ProvaConFoglio {
protected:
    static void Menu(const char* nome)
    {
        QAction* a = Unica<Princ>::Istanza()->Azione(QLatin1String(nome));
        ASSERT_TRUE(a) << nome;
        a->trigger();
        QCoreApplication::processEvents();
    }
};
}

TEST_F(AperturaEsercizi, DalMenuAllaFinestra)
{
    Metti(1, {{1, 2}, {3, 4, 1}, {12, 18}});
    Menu("MnuTrovaValoreDec");
    QPointer<FrmValoreDecimale> prima = Unica<FrmValoreDecimale>::SeEsiste();
    ASSERT_TRUE(prima);
    EXPECT_EQ(prima->Divisione().RigaDivisione(), QStringLiteral("3:4="));
    EXPECT_TRUE(prima->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    prima->CmdAvanti_Click();   // empty boxes: warned, nothing done
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("3|Quoziente|Immettere un numero intero"));

    // Again with another fraction: a fresh window in the old one's place.
    prima->move(prima->pos() + QPoint(40, 30));
    const QPoint dove = prima->frameGeometry().topLeft();
    Frazioni[1][2][3] = 0;
    Frazioni[1][3][3] = 1;
    Menu("MnuTrovaValoreDec");
    FrmValoreDecimale* seconda = Unica<FrmValoreDecimale>::SeEsiste();
    ASSERT_TRUE(seconda);
    EXPECT_TRUE(!prima || prima->Chiusa());
    EXPECT_EQ(seconda->Divisione().RigaDivisione(), QStringLiteral("12:18="));
    EXPECT_EQ(seconda->frameGeometry().topLeft(), dove);

    Menu("MnuTrovaFattoriComuni");
    FrmScomponi* mcd = Unica<FrmScomponi>::SeEsiste();
    ASSERT_TRUE(mcd);
    EXPECT_EQ(mcd->Liste().Obiettivo(), 6);

    Menu("MnuTrovaScomponiDenom");
    FrmFattorizza* albero = Unica<FrmFattorizza>::SeEsiste();
    ASSERT_TRUE(albero);
    EXPECT_EQ(albero->Elemento(0)->text(0), QStringLiteral("18"));

    // Two fractions for the common denominator.
    Frazioni[1][1][3] = 1;
    Menu("MnuTrovaDenominatoreComune");
    FrmScomponi1* mcm = Unica<FrmScomponi1>::SeEsiste();
    ASSERT_TRUE(mcm);
    EXPECT_EQ(mcm->Liste().Obiettivo(), 18);
}
