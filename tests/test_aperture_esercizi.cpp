// The exercise windows reached from the menus, as a pupil reaches them:
// the selection on the sheet goes through the opener into a fresh window.
// Qt's pixmap cache shows how much it holds only to tests that ask first.
#define Q_TEST_QPIXMAPCACHE
#include <QPixmapCache>
#include "AiutiEsercizi.h"
#include "AiutiFinestre.h"
#include "service/FrmFattorizza.h"
#include "service/FrmScomponi.h"
#include "service/FrmValoreDecimale.h"
#include "logica/Frazione.h"
#include "service/Aperture.h"
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <array>

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

// Opens a window as its opener does and draws all of it, buttons and boxes
// included, as the screen would.
template <class T>
T* ApriEDisegna(void (*apri)())
{
    apri();
    T* w = Unica<T>::SeEsiste();
    if (w) (void)w->grab();
    return w;
}
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

TEST_F(AperturaEsercizi, TrecentoAperturePoiLaMemoriaResta)
{
    FrazioniFinestre[5][CampoNum] = FrazioniFinestre[7][CampoNum] = 1;
    FrazioniFinestre[5][CampoDen] = FrazioniFinestre[7][CampoDen] = 7;
    FrazioniFinestre[6][CampoNum] = 4;
    FrazioniFinestre[6][CampoDen] = 6;
    FrazioniAppoggio[1][CampoNum] = 360;
    // What Qt files the drawings of the buttons, boxes and pictures under:
    // the same in every window, or each opening leaves its entries behind.
    using Chiavi = std::array<qint64, 5>;
    const auto giro = [](Chiavi& chiavi) {
        auto* valore = ApriEDisegna<FrmValoreDecimale>(ApriFrmValoreDecimale);
        auto* mcd = ApriEDisegna<FrmScomponi>(ApriFrmScomponi);
        auto* mcm = ApriEDisegna<FrmScomponi1>(ApriFrmScomponi1);
        auto* albero = ApriEDisegna<FrmFattorizza>(ApriFrmFattorizza);
        ASSERT_TRUE(valore && mcd && mcm && albero);
        chiavi = {valore->CmdAvanti()->palette().cacheKey(), valore->TxtQuoziente()->palette().cacheKey(),
                  mcd->BottonePrimo(1)->palette().cacheKey(), mcm->BottonePrimo(12)->icon().cacheKey(),
                  albero->CmdZoomPiu()->icon().cacheKey()};
        for (QWidget* w : std::initializer_list<QWidget*>{valore, mcd, mcm, albero}) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);   // gone, as after Alt+F4
    };
    Chiavi prima{}, ora{};
    giro(prima);   // what the first opening builds once for the program's life
    const int cachePrima = QPixmapCache::totalUsed();
    const qsizetype widgetPrima = QApplication::allWidgets().size();
    for (int volta = 2; volta <= 300; ++volta) {
        giro(ora);
        ASSERT_EQ(ora, prima) << "opening " << volta;
    }
    EXPECT_LE(QPixmapCache::totalUsed(), cachePrima);
    EXPECT_EQ(QApplication::allWidgets().size(), widgetPrima);
}
