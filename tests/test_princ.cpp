#include "Aiuti.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "workspace/Avvio.h"
#include "workspace/ContenutoFogli.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include "workspace/FrmInfoAvvio.h"
#include "workspace/FrmSplash.h"
#include "workspace/Quaderno.h"
#include "workspace/StatoComandi.h"
#include <QAction>
#include <QCheckBox>
#include <QEventLoop>
#include <QFile>
#include <QSet>
#include <QStatusBar>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace {
const QString NomeIniziale = QStringLiteral("Nome del quaderno: senza nome   ");

// The start-up with a normal screen and the modal windows recorded.
class AvvioPrinc : public ProvaZefra {
protected:
    void SetUp() override
    {
        ProvaZefra::SetUp();
        ImpostaFonteSchermo([] { return QSize(1280, 1024); });
    }
    void TearDown() override
    {
        ImpostaFonteSchermo({});
        ProvaZefra::TearDown();
    }
    QStringList FinestreMostrate() const
    {
        QStringList l;
        for (const auto& m : Modale::Mostrati())
            if (m.genere == QLatin1String("finestra")) l << m.testo;
        return l;
    }
    QString WinAvvio() const { return Impostazioni::Leggi("zfr", "settings", "win_avvio"); }
    // Puts n fractions 1/4 on sheet s, all selected.
    static void Riempi(int s, int n)
    {
        NumFrazioni(s) = int16_t(n);
        for (int i = 1; i <= n; ++i) {
            Frazioni[s][i][1] = 1;
            Frazioni[s][i][2] = 4;
            Frazioni[s][i][3] = 1;
            Frazioni[s][i][4] = 12;
        }
    }
    static int Selezionate(int s)
    {
        int n = 0;
        for (int i = 1; i <= MaxFrazioni; ++i) n += Frazioni[s][i][3] == 1;
        return n;
    }
    static void Elimina()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// Waits (processing events) until a visible modal window is up; null after
// about two seconds.
QWidget* AttendiModale()
{
    for (int i = 0; i < 200; ++i) {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w->isVisible()) return w;
        QTest::qWait(10);
    }
    return nullptr;
}
}

// --- Start-up --------------------------------------------------------------

TEST_F(AvvioPrinc, SenzaRigaDiComandoSuonoFogliSplashEInformazioni)
{
    Main({});
    Princ* p = Unica<Princ>::SeEsiste();
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(FinestreMostrate(), (QStringList{"frmSplash", "FrmInfoAvvio"}));
    EXPECT_EQ(Modale::Mostrati().last().titolo, QStringLiteral("Come iniziare"));
    EXPECT_EQ(Modale::Mostrati().size(), 2);   // no warning on a large screen
    EXPECT_EQ(Suono::Registrati(), QStringList{"avvio.wav"});
    // Sheet A open and active, sheet B loaded but hidden, notes closed.
    EXPECT_TRUE(FoglioVisibile(1));
    EXPECT_TRUE(FoglioCaricato(2));
    EXPECT_FALSE(FoglioVisibile(2));
    EXPECT_EQ(FoglioAttivo, 1);
    EXPECT_TRUE(p->Toolbar2Premuto(1));
    EXPECT_FALSE(p->Toolbar2Premuto(2));
    EXPECT_FALSE(p->Toolbar2Premuto(3));
    EXPECT_EQ(p->TestoPannello(1), NomeIniziale);
    EXPECT_EQ(p->TestoPannello(2), QStringLiteral("Foglio: A   "));
    EXPECT_EQ(p->TestoPannello(3), QStringLiteral("INFO "));
    // The start values are in place and the screen is not low.
    EXPECT_EQ(ColoreCorrente, 12);
    EXPECT_EQ(RaggioFoglioA, 900);
    EXPECT_EQ(RisoluzioneBassa, FALSO);
    EXPECT_EQ(MostraFinestraAvvio, VERO);
    EXPECT_TRUE(p->MenuSpuntato("MnuImpostaWinAvvio"));
    // Sheet A fills the client area.
    const QRect area = p->AreaMdi()->viewport()->rect();
    EXPECT_EQ(Fogli::Istanza(1)->geometry(), QRect(0, 0, area.width(), area.height()));
}

TEST_F(AvvioPrinc, PercorsoSullaRigaDiComandoSaltaSuonoSplashEInformazioni)
{
    Impostazioni::Scrivi("zfr", "settings", "win_avvio", "no");
    NumFrazioniA = NumFrazioniB = 0;
    ASSERT_TRUE(ScriviFileQuaderno(Percorso("un quaderno.qdn")));
    Main(Percorso("un quaderno.qdn").split(QLatin1Char(' ')));
    EXPECT_TRUE(FinestreMostrate().isEmpty());
    EXPECT_FALSE(Suono::Registrati().contains(QStringLiteral("avvio.wav")));
    // The setting has still been read, and is written back at exit.
    EXPECT_EQ(MostraFinestraAvvio, FALSO);
    EXPECT_FALSE(Unica<Princ>::Istanza()->MenuSpuntato("MnuImpostaWinAvvio"));
    // The path with a blank, split in two arguments, arrives whole.
    EXPECT_EQ(NomeQuaderno, Percorso("un quaderno.qdn"));
    Impostazioni::Scrivi("zfr", "settings", "win_avvio", "");
    ASSERT_TRUE(Unica<Princ>::Istanza()->RichiestaChiusura());
    Unica<Princ>::Istanza()->ScaricaPrinc();
    EXPECT_EQ(WinAvvio(), QStringLiteral("no"));
}

TEST_F(AvvioPrinc, ImpostazioneNoSaltaLeInformazioniESpegneLaVoce)
{
    Impostazioni::Scrivi("zfr", "settings", "win_avvio", "no");
    CaricaPrinc(QString());
    EXPECT_EQ(FinestreMostrate(), QStringList{"frmSplash"});
    EXPECT_FALSE(Unica<Princ>::Istanza()->MenuSpuntato("MnuImpostaWinAvvio"));
    // Checking the item again before exit stores "yes".
    Unica<Princ>::Istanza()->ImpostaWinAvvio(true);
    ASSERT_TRUE(Unica<Princ>::Istanza()->RichiestaChiusura());
    Unica<Princ>::Istanza()->ScaricaPrinc();
    EXPECT_EQ(WinAvvio(), QStringLiteral("yes"));
}

TEST_F(AvvioPrinc, LeFinestreDAvvioGiranoModaliUnaDopoLAltra)
{
    // The real route: both windows run their own modal loop, the splash
    // first, with sheet A already behind it.
    Modale::Copione(false);
    QStringList ordine;
    bool foglioDietro = false;
    QStringList suoniPrima;
    QTimer::singleShot(0, [&] {
        QWidget* splash = AttendiModale();
        ASSERT_NE(splash, nullptr);
        ordine << splash->objectName();
        foglioDietro = FoglioVisibile(1);
        suoniPrima = Suono::Registrati();
        QLabel* quadro = splash->findChild<QLabel*>("Picture1");
        ASSERT_NE(quadro, nullptr);
        QTest::mouseClick(quadro, Qt::LeftButton);
        // The information window comes once the splash's loop has ended.
        QTimer::singleShot(0, [&] {
            QWidget* info = AttendiModale();
            ASSERT_NE(info, nullptr);
            ordine << info->objectName();
            info->findChild<QCheckBox*>("Check1")->setChecked(true);
            info->findChild<QPushButton*>("CmdChiudi")->click();
        });
    });
    CaricaPrinc(QString());
    Modale::Copione(true);
    EXPECT_EQ(ordine, (QStringList{"frmSplash", "FrmInfoAvvio"}));
    EXPECT_TRUE(foglioDietro);
    EXPECT_EQ(suoniPrima, QStringList{"avvio.wav"});
    EXPECT_EQ(Unica<FrmSplash>::SeEsiste(), nullptr);
    // The ticked box switched the item off; the exit stores "no".
    EXPECT_FALSE(Unica<Princ>::Istanza()->MenuSpuntato("MnuImpostaWinAvvio"));
    Unica<Princ>::Istanza()->ScaricaPrinc();
    EXPECT_EQ(WinAvvio(), QStringLiteral("no"));
}

TEST_F(AvvioPrinc, IlControlloDelloSchermoPrecedeStatoEValoriIniziali)
{
    // What the load handler has done by the time it asks for the screen:
    // nothing of the status texts nor of the start values yet.
    QString pannelloAlControllo = QStringLiteral("non chiamato");
    int coloreAlControllo = -1;
    ColoreCorrente = 0;
    ImpostaFonteSchermo([&] {
        if (Princ* p = Unica<Princ>::SeEsiste()) pannelloAlControllo = p->TestoPannello(1);
        coloreAlControllo = ColoreCorrente;
        return QSize(1280, 1024);
    });
    CaricaPrinc(QString());
    EXPECT_EQ(pannelloAlControllo, QString());
    EXPECT_EQ(coloreAlControllo, 0);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(1), NomeIniziale);
    EXPECT_EQ(ColoreCorrente, 12);
}

// --- Start-up information window ---------------------------------------------

TEST_F(AvvioPrinc, FinestraInformazioniSpuntaSoloSeLaCasellaESpuntata)
{
    Unica<Princ>::Istanza();
    {
        // Closed by its close box with the box unticked: nothing changes.
        FrmInfoAvvio f(Unica<Princ>::Istanza());
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Come iniziare"));
        EXPECT_EQ(f.Check1()->text(), QStringLiteral("Non mostrare più questa finestra all'avvio"));
        EXPECT_EQ(f.CmdChiudi()->text(), QStringLiteral("Chiudi"));
        EXPECT_FALSE(f.Check1()->isChecked());
        EXPECT_EQ(f.Image1()->pixmap().size(), QSize(460, 187));
        f.show();
        f.close();
        EXPECT_TRUE(Unica<Princ>::Istanza()->MenuSpuntato("MnuImpostaWinAvvio"));
    }
    {
        // An unticked box never checks the item again.
        Unica<Princ>::Istanza()->ImpostaWinAvvio(false);
        FrmInfoAvvio f(Unica<Princ>::Istanza());
        f.show();
        f.CmdChiudi()->click();
        EXPECT_FALSE(f.isVisible());
        EXPECT_FALSE(Unica<Princ>::Istanza()->MenuSpuntato("MnuImpostaWinAvvio"));
    }
    {
        // Ticked and closed by the close box (not the button) unchecks it.
        Unica<Princ>::Istanza()->ImpostaWinAvvio(true);
        FrmInfoAvvio f(Unica<Princ>::Istanza());
        f.show();
        f.Check1()->setChecked(true);
        f.close();
        EXPECT_FALSE(Unica<Princ>::Istanza()->MenuSpuntato("MnuImpostaWinAvvio"));
    }
}

// --- Splash ------------------------------------------------------------------

TEST_F(AvvioPrinc, SplashMisureETimer)
{
    QPointer<FrmSplash> f = Unica<FrmSplash>::Istanza();
    EXPECT_EQ(f, Unica<FrmSplash>::Istanza());   // one instance
    EXPECT_EQ(f->objectName(), QStringLiteral("frmSplash"));
    EXPECT_TRUE(f->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(f->Picture1()->pixmap().size(), QSize(550, 360));
    EXPECT_EQ(f->size(), QSize(550 + TwipInPixel(100), 360 + TwipInPixel(100)));
    EXPECT_EQ(f->Timer1()->interval(), 8000);
    EXPECT_TRUE(f->Timer1()->isActive());
    f->show();
    // The tick unloads it (a short interval stands in for the 8 seconds).
    f->Timer1()->start(20);
    QTRY_VERIFY_WITH_TIMEOUT(f.isNull(), 2000);
}

TEST_F(AvvioPrinc, SplashSiChiudeConClicOTasto)
{
    QPointer<FrmSplash> f = Unica<FrmSplash>::Istanza();
    f->show();
    QTest::mouseClick(f->Picture1(), Qt::LeftButton);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(Unica<FrmSplash>::SeEsiste(), nullptr);   // unloaded: the next use loads it anew
    Elimina();
    EXPECT_TRUE(f.isNull());

    f = Unica<FrmSplash>::Istanza();
    f->show();
    QTest::keyClick(f->Picture1(), Qt::Key_Space);
    EXPECT_FALSE(f->isVisible());
}

TEST_F(AvvioPrinc, SplashSiChiudePerdendoIlFuocoSoloDopoAverloAvuto)
{
    QWidget altra;
    altra.resize(100, 100);
    altra.show();
    QPointer<FrmSplash> f = Unica<FrmSplash>::Istanza();
    // As the About command shows it: no timer.
    f->Timer1()->stop();
    f->show();
    // A deactivation before the window has ever been active is ignored.
    QEvent cambio(QEvent::ActivationChange);
    QApplication::sendEvent(f, &cambio);
    EXPECT_TRUE(f->isVisible());
    QApplication::setActiveWindow(f);
    ASSERT_TRUE(f->isActiveWindow());
    EXPECT_TRUE(f->isVisible());
    QApplication::setActiveWindow(&altra);
    EXPECT_FALSE(f->isVisible());
}

TEST_F(AvvioPrinc, ImmaginiDisegnateNelleMisureGiuste)
{
    const QImage splash = DisegnaImmagineSplash();
    EXPECT_EQ(splash.size(), QSize(550, 360));
    const QImage istruzioni = DisegnaImmagineIstruzioni();
    EXPECT_EQ(istruzioni.size(), QSize(460, 187));
    // Drawn pictures, not blank cards: many colours of the palette appear.
    QSet<QRgb> colori;
    for (int y = 0; y < splash.height(); y += 3)
        for (int x = 0; x < splash.width(); x += 3) colori.insert(splash.pixel(x, y));
    EXPECT_GT(colori.size(), 20);
}

// --- Screen check ----------------------------------------------------------------

TEST_F(AvvioPrinc, RisoluzioneBassaNascondeIPulsanti16a20EAvvisa)
{
    struct Caso { QSize schermo; bool bassa; };
    for (const Caso& c : {Caso{{800, 600}, false}, Caso{{800, 599}, true}, Caso{{799, 600}, true},
                          Caso{{1280, 1024}, false}}) {
        Unica<Princ>::Distruggi();
        RisoluzioneBassa = FALSO;
        Modale::Azzera();
        ImpostaFonteSchermo([c] { return c.schermo; });
        Princ* p = Unica<Princ>::Istanza();
        // Toolbar1 with its 21 positions (a stand-in when the real one is
        // not built).
        if (!p->BottoneToolbar1(21)) {
            auto* t = new QToolBar(p);
            for (int i = 1; i <= 21; ++i) t->addAction(QString::number(i));
            p->ImpostaToolbar1(t);
        }
        p->EsaminaSchermo();
        const QString caso = QStringLiteral("%1x%2").arg(c.schermo.width()).arg(c.schermo.height());
        EXPECT_EQ(RisoluzioneBassa, c.bassa ? VERO : FALSO) << caso.toStdString();
        for (int i = 1; i <= 21; ++i)
            EXPECT_EQ(p->BottoneToolbar1(i)->isVisible(), !(c.bassa && i >= 16 && i <= 20))
                << caso.toStdString() << " button " << i;
        if (c.bassa) {
            ASSERT_EQ(Modale::Mostrati().size(), 1);
            const auto& m = Modale::Mostrati().first();
            EXPECT_EQ(m.genere, QStringLiteral("piattaforma"));
            EXPECT_EQ(m.titolo, QStringLiteral("Zefra"));
            EXPECT_EQ(m.tipo, int(IconaBox::Esclamativo));
            EXPECT_EQ(m.testo,
                      QStringLiteral("Per questo programma è consigliata una risoluzione dello schermo 800x600 o "
                                     "superiore. L'attuale risoluzione è inferiore a quella consigliata: alcuni "
                                     "pulsanti non saranno visibili, utilizzare la barra dei menu (o i tasti "
                                     "opportuni)."));
        } else {
            EXPECT_TRUE(Modale::Mostrati().isEmpty());
        }
    }
}

TEST_F(AvvioPrinc, RisoluzioneBassaValeAncheperUnaToolbar1CostruitaDopo)
{
    ImpostaFonteSchermo([] { return QSize(640, 480); });
    Princ* p = Unica<Princ>::Istanza();
    p->ImpostaToolbar1(nullptr);
    p->EsaminaSchermo();   // no Toolbar1: nothing to hide, no crash
    EXPECT_EQ(RisoluzioneBassa, VERO);
    auto* t = new QToolBar(p);
    for (int i = 1; i <= 21; ++i) t->addAction(QString::number(i));
    p->ImpostaToolbar1(t);
    EXPECT_FALSE(p->BottoneToolbar1(16)->isVisible());
    EXPECT_FALSE(p->BottoneToolbar1(20)->isVisible());
    EXPECT_TRUE(p->BottoneToolbar1(15)->isVisible());
    EXPECT_TRUE(p->BottoneToolbar1(21)->isVisible());
    p->ApplicaRisoluzioneBassa();   // again: same result
    EXPECT_FALSE(p->BottoneToolbar1(18)->isVisible());
    EXPECT_TRUE(p->BottoneToolbar1(21)->isVisible());
}

TEST_F(AvvioPrinc, AvvioConRisoluzioneBassaAvvisaPrimaDelloSplash)
{
    ImpostaFonteSchermo([] { return QSize(800, 599); });
    CaricaPrinc(QString());
    ASSERT_GE(Modale::Mostrati().size(), 2);
    EXPECT_EQ(Modale::Mostrati()[0].genere, QStringLiteral("piattaforma"));
    EXPECT_EQ(Modale::Mostrati()[1].testo, QStringLiteral("frmSplash"));
    // InizializzaApplicazione leaves the flag the screen check set.
    EXPECT_EQ(RisoluzioneBassa, VERO);
}

// --- The strip ---------------------------------------------------------------------

TEST_F(AvvioPrinc, StrisciaSegueLaPropriaLarghezza)
{
    Princ* p = Unica<Princ>::Istanza();
    p->resize(1280, 900);
    p->show();
    QTest::qWait(0);
    for (int larghezza : {1280, 900, 700}) {
        p->resize(larghezza, 800);
        QCoreApplication::processEvents();
        const int w = p->Picture1()->width();
        const QRect t2 = p->Toolbar2()->geometry();
        // Toolbar2 ends 700 twips short of the right end of the strip.
        EXPECT_NEAR(w - t2.right() - 1, TwipInPixel(700), 1) << larghezza;
        EXPECT_EQ(t2.top(), 0);
        // Boxes 300 twips apart, box 8 starting 500 twips left of Toolbar2.
        for (int i = 0; i < 8; ++i)
            EXPECT_NEAR(p->PBoxTavolozza(i + 1)->x() - p->PBoxTavolozza(i)->x(), TwipInPixel(300), 1);
        EXPECT_NEAR(t2.left() - p->PBoxTavolozza(8)->x(), TwipInPixel(500), 1);
        EXPECT_NEAR(t2.left() - p->PBoxTavolozza(0)->x(), TwipInPixel(2900), 1);
        for (int i = 0; i < 9; ++i) {
            EXPECT_GE(p->PBoxTavolozza(i)->y(), 0);
            EXPECT_LE(p->PBoxTavolozza(i)->geometry().bottom(), p->Picture1()->height());
        }
    }
    // The strip is as tall as Toolbar2 plus 40 twips, at the bottom just
    // above the status bar.
    EXPECT_NEAR(p->Picture1()->height(), p->Toolbar2()->height() + TwipInPixel(40), 1);
    const QPoint fondoStriscia = p->Picture1()->mapTo(p, QPoint(0, p->Picture1()->height()));
    EXPECT_NEAR(fondoStriscia.y(), p->statusBar()->geometry().top(), 1);
    EXPECT_EQ(p->LblSommaFoglioA()->pos(), QPoint(TwipInPixel(45), TwipInPixel(60)));
    EXPECT_EQ(p->LblSommaFoglioB()->x(), TwipInPixel(3270));
    EXPECT_DOUBLE_EQ(p->LblSommaFoglioA()->font().pointSizeF(), 14.25);
}

TEST_F(AvvioPrinc, StrisciaAltezzeComeCalcolate)
{
    Princ* p = Unica<Princ>::Istanza();
    p->resize(1000, 700);
    p->show();
    Inizializza();
    Riempi(1, 1);   // 1/4: the lowest-terms image of sheet A is shown
    AggiornaSommaFoglio(1);
    QCoreApplication::processEvents();
    const double h = PixelInTwip(p->Picture1()->height());
    EXPECT_EQ(p->Toolbar2()->y(), 0);
    // Palette boxes: (strip height - box height) / 2.3 from the top.
    for (int i = 0; i < 9; ++i) {
        QLabel* b = p->PBoxTavolozza(i);
        EXPECT_EQ(b->y(), TwipInPixel((h - PixelInTwip(b->height())) / 2.3)) << i;
    }
    // Lowest-terms images: a third of the spare height from the top.
    for (QLabel* img : {p->ImgRiducibilita(), p->ImgRiducibilita1()})
        EXPECT_EQ(img->y(), TwipInPixel((h - PixelInTwip(img->height())) / 3));
    EXPECT_TRUE(p->ImgRiducibilita()->isVisibleTo(p));
    // Beside its label, inside the strip.
    EXPECT_GT(p->ImgRiducibilita()->x(), p->LblSommaFoglioA()->geometry().right());
    EXPECT_LE(p->ImgRiducibilita()->geometry().bottom(), p->Picture1()->height());
}

TEST_F(AvvioPrinc, StrisciaConRisoluzioneBassa)
{
    ImpostaFonteSchermo([] { return QSize(799, 600); });
    Princ* p = Unica<Princ>::Istanza();
    p->resize(799, 560);
    p->show();
    CaricaPrinc(QString());
    QCoreApplication::processEvents();
    EXPECT_NEAR(p->Toolbar2()->geometry().right() + 1, p->Picture1()->width(), 1);
    EXPECT_NEAR(p->Toolbar2()->x() - p->PBoxTavolozza(8)->x(), TwipInPixel(500), 1);
    EXPECT_DOUBLE_EQ(p->LblSommaFoglioA()->font().pointSizeF(), 9);
    EXPECT_DOUBLE_EQ(p->LblSommaFoglioB()->font().pointSizeF(), 9);
    EXPECT_EQ(p->LblSommaFoglioB()->x(), TwipInPixel(2270));
}

TEST_F(AvvioPrinc, TavolozzaEToolbar2ComeDisegnate)
{
    CaricaPrinc(QString());
    Princ* p = Unica<Princ>::Istanza();
    const int indici[9] = {12, 1, 3, 6, 9, 13, 2, 10, 0};
    for (int i = 0; i < 9; ++i) {
        QLabel* b = p->PBoxTavolozza(i);
        EXPECT_EQ(b->objectName(), QStringLiteral("PBoxTavolozza%1").arg(i));
        EXPECT_EQ(b->palette().color(QPalette::Window), QBColor(indici[i]));
        EXPECT_EQ(b->frameShape(), i == 0 ? QFrame::NoFrame : QFrame::Box) << i;
        EXPECT_EQ(b->size(), QSize(TwipInPixel(250), TwipInPixel(250)));
        EXPECT_EQ(b->toolTip(), QStringLiteral("Applica il colore alla frazione o al testo selezionato"));
    }
    const QString suggerimenti[4] = {"Apre/chiude foglio A", "Apre/chiude foglio B", "Apre/chiude appunti",
                                     "Dispone finestre"};
    for (int i = 1; i <= 4; ++i) {
        QAction* a = p->BottoneToolbar2(i);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->toolTip(), suggerimenti[i - 1]);
        EXPECT_EQ(a->isCheckable(), i < 4);
        EXPECT_FALSE(a->icon().isNull());
    }
    EXPECT_EQ(p->LblSommaFoglioA()->toolTip(), QStringLiteral("Somma frazioni foglio A "));
    EXPECT_EQ(p->LblSommaFoglioB()->toolTip(), QStringLiteral("Somma frazioni foglio B "));
    EXPECT_EQ(p->Pannello(3)->toolTip(), QStringLiteral("Fai clic"));
}

// --- Toolbar2 ----------------------------------------------------------------------------

TEST_F(AvvioPrinc, Toolbar2ApreEChiudeIFogliEPulisceLaSelezioneDellAltro)
{
    CaricaPrinc(QString());
    Princ* p = Unica<Princ>::Istanza();
    Riempi(1, 3);
    Riempi(2, 5);
    RidisegnaFoglio(1);
    RidisegnaFoglio(2);

    // Releasing button 1 hides sheet A and keeps its fractions.
    p->BottoneToolbar2(1)->trigger();
    EXPECT_FALSE(p->Toolbar2Premuto(1));
    EXPECT_FALSE(FoglioVisibile(1));
    EXPECT_TRUE(FoglioCaricato(1));
    EXPECT_EQ(NumFrazioniA, 3);
    EXPECT_EQ(Selezionate(2), 5);

    // Button 2 down: sheet A's selection goes, sheet B opens and fills the area.
    p->BottoneToolbar2(2)->trigger();
    EXPECT_TRUE(p->Toolbar2Premuto(2));
    EXPECT_TRUE(FoglioVisibile(2));
    EXPECT_EQ(Selezionate(1), 0);
    EXPECT_EQ(p->TestoPannello(2), QStringLiteral("Foglio: B   "));
    EXPECT_EQ(FoglioAttivo, 2);
    const QRect area = p->AreaMdi()->viewport()->rect();
    EXPECT_EQ(Fogli::Istanza(2)->geometry(), QRect(0, 0, area.width(), area.height()));

    // Button 1 down again: sheet B's selection goes; A left of B.
    Riempi(2, 5);
    p->BottoneToolbar2(1)->trigger();
    EXPECT_TRUE(FoglioVisibile(1));
    EXPECT_EQ(NumFrazioniA, 3);
    EXPECT_EQ(Selezionate(2), 0);
    EXPECT_EQ(p->TestoPannello(2), QStringLiteral("Foglio: A   "));
    EXPECT_EQ(FoglioAttivo, 1);
    EXPECT_EQ(Fogli::Istanza(1)->geometry().left(), 0);
    EXPECT_EQ(Fogli::Istanza(2)->geometry().left(), area.width() / 2);

    // Button 2 up hides sheet B; A takes the whole area again.
    p->BottoneToolbar2(2)->trigger();
    EXPECT_FALSE(FoglioVisibile(2));
    EXPECT_EQ(Fogli::Istanza(1)->geometry().width(), area.width());
}

TEST_F(AvvioPrinc, Toolbar2ApreEChiudeGliAppunti)
{
    CaricaPrinc(QString());
    Princ* p = Unica<Princ>::Istanza();
    Riempi(1, 2);
    p->BottoneToolbar2(3)->trigger();
    EXPECT_TRUE(p->Toolbar2Premuto(3));
    EXPECT_TRUE(AppuntiVisibili());
    EXPECT_EQ(p->TestoPannello(2), QStringLiteral("Foglio: appunti   "));
    EXPECT_EQ(FoglioAttivo, 3);
    EXPECT_EQ(Selezionate(1), 2);   // opening the notes leaves the sheets' selection
    const QRect area = p->AreaMdi()->viewport()->rect();
    EXPECT_EQ(Unica<FrmAppunti>::Istanza()->geometry().left(), area.width() / 2);   // right of sheet A
    p->BottoneToolbar2(3)->trigger();
    EXPECT_FALSE(AppuntiVisibili());
    EXPECT_TRUE(Unica<FrmAppunti>::SeEsiste() != nullptr);   // hidden, not unloaded
    EXPECT_EQ(Fogli::Istanza(1)->geometry().width(), area.width());
}

TEST_F(AvvioPrinc, DisponeFinestreSoloAffianca)
{
    CaricaPrinc(QString());
    Princ* p = Unica<Princ>::Istanza();
    Riempi(2, 4);
    Fogli::Istanza(1)->setGeometry(10, 20, 200, 150);
    p->BottoneToolbar2(4)->trigger();
    const QRect area = p->AreaMdi()->viewport()->rect();
    EXPECT_EQ(Fogli::Istanza(1)->geometry(), QRect(0, 0, area.width(), area.height()));
    EXPECT_EQ(Selezionate(2), 4);
    EXPECT_TRUE(p->Toolbar2Premuto(1));
    EXPECT_FALSE(p->BottoneToolbar2(4)->isChecked());
    EXPECT_EQ(p->TestoPannello(2), QStringLiteral("Foglio: A   "));
}

TEST_F(AvvioPrinc, Toolbar2RidecideIComandiMaDisponeFinestreNo)
{
    CaricaPrinc(QString());
    Princ* p = Unica<Princ>::Istanza();
    QAction* aggiungi = p->BottoneToolbar1(7);
    QAction* taglia = p->BottoneToolbar1(12);
    ASSERT_NE(aggiungi, nullptr);
    ASSERT_NE(taglia, nullptr);

    // Closing the only open sheet: no window open.
    p->BottoneToolbar2(1)->trigger();
    EXPECT_EQ(p->TestoPannello(2), QStringLiteral("Foglio: nessuno   "));
    EXPECT_FALSE(aggiungi->isEnabled());
    EXPECT_FALSE(taglia->isEnabled());

    // "Dispone finestre" leaves the commands as they are.
    p->BottoneToolbar2(4)->trigger();
    EXPECT_FALSE(aggiungi->isEnabled());
    EXPECT_EQ(p->TestoPannello(2), QStringLiteral("Foglio: nessuno   "));

    // Only the notes: the edit commands come back, the sheet ones do not.
    p->BottoneToolbar2(3)->trigger();
    EXPECT_EQ(p->TestoPannello(2), QStringLiteral("Foglio: appunti   "));
    EXPECT_FALSE(aggiungi->isEnabled());
    EXPECT_TRUE(taglia->isEnabled());

    // Sheet B opened: the sheet state.
    p->BottoneToolbar2(2)->trigger();
    EXPECT_EQ(p->TestoPannello(2), QStringLiteral("Foglio: B   "));
    EXPECT_TRUE(aggiungi->isEnabled());

    // Switched off by hand, "Dispone finestre" does not switch them on.
    ImpostaComandiNessunFoglio();
    p->BottoneToolbar2(4)->trigger();
    EXPECT_FALSE(aggiungi->isEnabled());
}

// --- Tiling ---------------------------------------------------------------------------------

TEST_F(AvvioPrinc, AffiancaUnaDueTreFinestreNellOrdineABAppunti)
{
    Princ* p = Unica<Princ>::Istanza();
    p->resize(1000, 700);
    p->show();
    Inizializza();
    // The notes window is created first: the order still is A, B, notes.
    FrmAppunti* appunti = Unica<FrmAppunti>::Istanza();
    Fogli::Istanza(2);
    Fogli::Istanza(1);

    auto atteso = [&](int i, int n) {
        const QRect area = p->AreaMdi()->viewport()->rect();
        const int x0 = area.width() * i / n, x1 = area.width() * (i + 1) / n;
        return QRect(x0, 0, x1 - x0, area.height());
    };
    MostraAppunti();
    p->Affianca();
    EXPECT_EQ(appunti->geometry(), atteso(0, 1));

    MostraFoglio(2);
    p->Affianca();
    EXPECT_EQ(Fogli::Istanza(2)->geometry(), atteso(0, 2));
    EXPECT_EQ(appunti->geometry(), atteso(1, 2));

    MostraFoglio(1);
    p->Affianca();
    EXPECT_EQ(Fogli::Istanza(1)->geometry(), atteso(0, 3));
    EXPECT_EQ(Fogli::Istanza(2)->geometry(), atteso(1, 3));
    EXPECT_EQ(appunti->geometry(), atteso(2, 3));

    // Every resize of the main window tiles again.
    p->resize(760, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(Fogli::Istanza(1)->geometry(), atteso(0, 3));
    EXPECT_EQ(appunti->geometry(), atteso(2, 3));
    EXPECT_LT(appunti->geometry().right(), 760);
}

// --- Close request and unload ---------------------------------------------------------

TEST_F(AvvioPrinc, ChiusuraSenzaModificheScaricaTutto)
{
    CaricaPrinc(QString());
    MostraAppunti();
    QWidget servizio;
    servizio.setWindowTitle("servizio");
    servizio.show();
    ASSERT_TRUE(Unica<Princ>::Istanza()->close());
    EXPECT_EQ(InChiusura, VERO);
    EXPECT_FALSE(servizio.isVisible());
    Elimina();
    EXPECT_FALSE(FoglioCaricato(1));
    EXPECT_FALSE(FoglioCaricato(2));
    EXPECT_EQ(Unica<FrmAppunti>::SeEsiste(), nullptr);
    EXPECT_TRUE(std::none_of(Modale::Mostrati().begin(), Modale::Mostrati().end(),
                             [](const auto& m) { return m.genere == QLatin1String("domanda"); }));
    EXPECT_EQ(WinAvvio(), QStringLiteral("yes"));
}

TEST_F(AvvioPrinc, ChiusuraConModificheLeTreRisposte)
{
    // Annulla: nothing changes, nothing is written.
    CaricaPrinc(QString());
    QuadernoModificato = VERO;
    Modale::Azzera();
    Modale::Rispondi(2);
    EXPECT_FALSE(Unica<Princ>::Istanza()->close());
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    EXPECT_EQ(Modale::Mostrati()[0].genere, QStringLiteral("domanda"));
    EXPECT_EQ(Modale::Mostrati()[0].testo, QStringLiteral("Salvare il quaderno ?"));
    EXPECT_EQ(Modale::Mostrati()[0].titolo, QStringLiteral("Esci"));
    EXPECT_EQ(Modale::Mostrati()[0].tipo, 1);
    EXPECT_EQ(InChiusura, FALSO);
    EXPECT_TRUE(FoglioVisibile(1));
    EXPECT_TRUE(FoglioCaricato(2));
    EXPECT_EQ(QuadernoModificato, VERO);
    EXPECT_EQ(WinAvvio(), QString());

    // Yes with a save that fails (a folder that does not exist): the program
    // keeps running with everything as it was.
    NomeQuaderno = Percorso("manca/quaderno.qdn");
    Modale::Rispondi(1);
    EXPECT_FALSE(Unica<Princ>::Istanza()->close());
    EXPECT_EQ(InChiusura, FALSO);
    EXPECT_TRUE(FoglioVisibile(1));
    EXPECT_EQ(WinAvvio(), QString());
    EXPECT_FALSE(QFile::exists(NomeQuaderno));

    // No: the program closes without saving; only the setting is written.
    NomeQuaderno = Percorso("quaderno.qdn");
    Modale::Rispondi(0);
    EXPECT_TRUE(Unica<Princ>::Istanza()->close());
    EXPECT_EQ(InChiusura, VERO);
    EXPECT_FALSE(QFile::exists(NomeQuaderno));
    EXPECT_EQ(WinAvvio(), QStringLiteral("yes"));
    Elimina();
    EXPECT_FALSE(FoglioCaricato(1));
}

TEST_F(AvvioPrinc, ChiusuraSalvaPrimaDiUscire)
{
    CaricaPrinc(QString());
    // Unnamed notebook, Save-as dialog cancelled: the program keeps running.
    QuadernoModificato = VERO;
    Modale::Rispondi(1);
    EXPECT_FALSE(Unica<Princ>::Istanza()->close());
    EXPECT_EQ(InChiusura, FALSO);
    EXPECT_EQ(QuadernoModificato, VERO);
    EXPECT_TRUE(FoglioVisibile(1));
    EXPECT_EQ(WinAvvio(), QString());

    // Save-as given a name: saved under it, then the program closes.
    ImpostaDialogoQuaderno([this](const RichiestaDialogoQuaderno&) { return Percorso("nuovo.qdn"); });
    Modale::Rispondi(1);
    const bool chiuso = Unica<Princ>::Istanza()->close();
    ImpostaDialogoQuaderno({});
    EXPECT_TRUE(chiuso);
    EXPECT_TRUE(QFile::exists(Percorso("nuovo.qdn")));
    EXPECT_EQ(InChiusura, VERO);
    EXPECT_EQ(WinAvvio(), QStringLiteral("yes"));
}

TEST_F(AvvioPrinc, ChiusuraSalvaSulNomeDelQuaderno)
{
    CaricaPrinc(QString());
    Riempi(1, 2);
    NomeQuaderno = Percorso("mio.qdn");
    QuadernoModificato = VERO;
    Modale::Rispondi(1);
    EXPECT_TRUE(Unica<Princ>::Istanza()->close());
    EXPECT_EQ(InChiusura, VERO);
    const auto letto = LeggiFileQuaderno(Percorso("mio.qdn"));
    ASSERT_TRUE(letto.has_value());
    EXPECT_EQ(letto->FoglioA.size(), 2u);
}
