#include "AiutiFinestre.h"
#include "commands/Comandi.h"
#include "platform/Colori.h"
#include "platform/Stampante.h"
#include "platform/Superficie.h"
#include "service/MenuServizio.h"
#include "service/Rappresentazioni.h"
#include "workspace/Quaderno.h"
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QtTest/QTest>

namespace {

constexpr QRgb Sfondo = 0xffe0c0;

QRgb Px(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xffffffu; }
QRgb Pal(int i) { return QBColor(i).rgb() & 0xffffffu; }

// How many pixels of colour c lie in the box r.
int Conta(const QImage& img, QRect r, QRgb c)
{
    int n = 0;
    r &= img.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += Px(img, x, y) == c;
    return n;
}

template <class T>
T* Aperta() { return Unica<T>::SeEsiste(); }

class Servizio : public ProvaConFoglio {
protected:
    void TearDown() override
    {
        ImpostaSceltaMenuServizio({});
        ImpostaStampaSuFile({});
        ImpostaStampanteAssente(false);
        ChiudiFinestreServizio();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ProvaConFoglio::TearDown();
    }
    const Modale::Mostrato& Ultimo() const { return Modale::Mostrati().back(); }
};

// --- The openers ---------------------------------------------------------------------

TEST_F(Servizio, AvvisiDiSelezioneSottoIlTitoloDellApritore)
{
    const QString una = QStringLiteral("Selezionare una frazione (e non più di una)");
    const QString due = QStringLiteral("Selezionare due frazioni");
    const std::vector<std::pair<std::function<void()>, QString>> unaSola = {
        {[] { RappresentaLinea(1); }, "Rappresentazione lineare"},
        {[] { RappresentaPoligono(1); }, "Rappresentazione con un poligono"},
        {[] { RappresentaRettangolo(1); }, "Rappresentazione rettangolare"},
        {[] { TrovaFrazDiNum(1); }, "Frazione di un numero"},
        {[] { TrovaFattoriComuni(1); }, "Trova il MCD di numeratore e denominatore"},
        {[] { TrovaValoreDecimale(1); }, "Trova il valore decimale della frazione"},
        {[] { ScomponiTermine(1, 1); }, "Scomponi in fattori primi"},
    };
    const std::vector<std::pair<std::function<void()>, QString>> dueSole = {
        {[] { TrovaFrazDiFraz(1); }, "Frazione di frazione"},
        {[] { TrovaDenominatoreComune(1); }, "Riduci al minimo comun denominatore"},
    };
    // Nothing, two (or three) selected.
    for (const auto& sel : {std::initializer_list<Fr>{{1, 3}, {2, 5}},
                            std::initializer_list<Fr>{{1, 3, 1}, {2, 5, 1, 3}},
                            std::initializer_list<Fr>{{1, 3, 1}, {2, 5, 1, 3}, {3, 7, 1, 4}}}) {
        Metti(1, sel);
        const int n = ContaSelezionate(1);
        for (const auto& [apri, titolo] : unaSola) {
            Modale::Azzera();
            apri();
            ASSERT_EQ(Modale::Mostrati().size(), 1) << titolo.toStdString() << " " << n;
            EXPECT_EQ(Ultimo().testo, una);
            EXPECT_EQ(Ultimo().titolo, titolo);
            EXPECT_EQ(Ultimo().tipo, 3);
        }
        for (const auto& [apri, titolo] : dueSole) {
            Modale::Azzera();
            apri();
            EXPECT_EQ(Modale::Mostrati().size(), n == 2 ? 0u : 1u) << titolo.toStdString() << " " << n;
            if (n != 2) {
                EXPECT_EQ(Ultimo().testo, due);
                EXPECT_EQ(Ultimo().titolo, titolo);
            }
        }
    }
    EXPECT_FALSE(Aperta<FrmRapprLineare>());
}

TEST_F(Servizio, ControlliUlterioriInOrdine)
{
    const QString poligono = QStringLiteral("Rappresentazione con un poligono");
    for (int den : {1, 2, 31}) {
        Metti(1, {{1, int16_t(den), 1}});
        Modale::Azzera();
        RappresentaPoligono(1);
        ASSERT_EQ(Modale::Mostrati().size(), 1);
        EXPECT_EQ(Ultimo().testo, QStringLiteral("Rappresentazione non disponibile") + ACapo +
                                      (den < 3 ? QStringLiteral("con denominatore uguale a 1 o 2")
                                               : QStringLiteral("con denominatore maggiore di 30")));
        EXPECT_EQ(Ultimo().titolo, poligono);
        EXPECT_EQ(Ultimo().tipo, 3);
    }
    EXPECT_FALSE(Aperta<FrmRapprPoligonale>());

    // Same colours win over the size; 100 x 101 is too large, 100 x 100 is not.
    FrazioniFinestre[9][1] = FrazioniFinestre[10][1] = -7;
    Metti(1, {{1, 100, 1, 5}, {1, 101, 1, 5}});
    Modale::Azzera();
    TrovaFrazDiFraz(1);
    EXPECT_EQ(Ultimo().testo, QStringLiteral("Utilizzare per le due frazioni colori diversi"));
    Metti(1, {{1, 100, 1, 5}, {1, 101, 1, 6}});
    TrovaFrazDiFraz(1);
    EXPECT_EQ(Ultimo().testo, QStringLiteral("Opzione non disponibile. I numeri coinvolti sono troppo grandi"));
    EXPECT_EQ(Ultimo().titolo, QStringLiteral("Frazione di frazione"));
    EXPECT_EQ(FrazioniFinestre[9][1], -7);   // nothing written after a refusal
    Metti(1, {{3, 100, 1, 5}, {0, 2, 0}, {7, 100, 1, 6}, {1, 4, 0, 9}});
    Modale::Azzera();
    TrovaFrazDiFraz(1);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_EQ(FrazioniFinestre[9][1], 3);
    EXPECT_EQ(FrazioniFinestre[9][4], 5);
    EXPECT_EQ(FrazioniFinestre[10][1], 7);
    EXPECT_EQ(FrazioniFinestre[10][4], 6);

    // The number 1: an error, logged.
    Metti(1, {{1, 6, 1}});
    Modale::Azzera();
    const int32_t errori = ContaErrori;
    ScomponiTermine(1, 1);
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    EXPECT_EQ(Ultimo().testo, QStringLiteral("Il numero 1 non è scomponibile in fattori primi"));
    EXPECT_EQ(Ultimo().tipo, 1);
    EXPECT_EQ(ContaErrori, errori + 1);
    ScomponiTermine(2, 1);
    EXPECT_EQ(FrazioniAppoggio[1][1], 6);
}

TEST_F(Servizio, ConsegneDopoUnaSelezioneGiusta)
{
    // One selected: the last selected one counted is the only one.
    Metti(1, {{1, 2}, {5, 7, 1, 11}, {2, 9}});
    TrovaFattoriComuni(1);
    TrovaFrazDiNum(1);
    FrazioniFinestre[7][4] = 42;
    TrovaValoreDecimale(1);
    for (int riga : {5, 8, 7}) {
        EXPECT_EQ(FrazioniFinestre[riga][1], 5) << riga;
        EXPECT_EQ(FrazioniFinestre[riga][2], 7) << riga;
    }
    EXPECT_EQ(FrazioniFinestre[5][4], 11);
    EXPECT_EQ(FrazioniFinestre[8][4], 11);
    EXPECT_EQ(FrazioniFinestre[7][4], 42);   // the decimal value takes no colour

    Metti(1, {{1, 6, 1}, {5, 8}, {3, 10, 1}});
    TrovaDenominatoreComune(1);
    EXPECT_EQ(FrazioniFinestre[6][1], 6);
    EXPECT_EQ(FrazioniFinestre[6][2], 10);

    // Histogram: 64 go, 65 do not (the rows written while counting stay).
    Riempi(1, 65, {2, 3, 1, 4});
    Frazioni[1][65][1] = 1;
    Modale::Azzera();
    FrazioniAppoggio[130][1] = 0;
    RappresentaIstogramma(1);
    EXPECT_EQ(Ultimo().testo, QStringLiteral("Selezionare una o più frazioni (non più di 64)"));
    EXPECT_EQ(Ultimo().titolo, QStringLiteral("Istogramma"));
    EXPECT_EQ(FrazioniAppoggio[65][1], 1);
    EXPECT_EQ(FrazioniAppoggio[130][1], 0);
    Frazioni[1][65][3] = 0;
    Frazioni[1][64][2] = 5;
    Modale::Azzera();
    RappresentaIstogramma(1);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_EQ(FrazioniAppoggio[130][1], 64);
    EXPECT_EQ(FrazioniAppoggio[64][2], 5);
    EXPECT_EQ(FrazioniAppoggio[64][4], 4);

    // Nothing on the sheet changes, nothing is modified.
    EXPECT_EQ(ContaSelezionate(1), 64);
    EXPECT_EQ(QuadernoModificato, FALSO);
}

// --- The representation windows ---------------------------------------------------

TEST_F(Servizio, LineareTreQuartiComeNelDisegno)
{
    Metti(1, {{3, 4, 1, 12}});
    RappresentaLinea(1);
    FrmRapprLineare* w = Aperta<FrmRapprLineare>();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Rappresentazione lineare"));
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w->size(), QSize(337, 110));
    EXPECT_EQ(FrazioniFinestre[1][2], 4);
    const QImage img = w->Istantanea();
    ASSERT_EQ(img.size(), QSize(337, 110));
    // The bar from x 30 to 306 at y 63..71, coloured to 237.
    EXPECT_EQ(Px(img, 50, 63), Pal(12));
    EXPECT_EQ(Px(img, 236, 71), Pal(12));
    EXPECT_EQ(Px(img, 238, 66), 0x828282u);
    for (int x : {99, 168, 237}) EXPECT_EQ(Px(img, x, 66), Pal(15)) << x;
    EXPECT_EQ(Px(img, 30, 66), 0xffdfbfu);
    EXPECT_EQ(Px(img, 306, 66), 0xffdfbfu);
    EXPECT_EQ(Px(img, 307, 66), Sfondo);
    // Brackets: over the coloured part at y 52, under the bar at y 82.
    EXPECT_EQ(Px(img, 29, 52), Pal(8));
    EXPECT_EQ(Px(img, 238, 52), Pal(8));
    EXPECT_EQ(Px(img, 239, 52), Sfondo);
    EXPECT_EQ(Px(img, 307, 76), Pal(8));
    // The texts in palette 1: "3/4" at (5, 5), " 3" from (123.5, 28), " 4" from (158, 81).
    EXPECT_GT(Conta(img, QRect(5, 5, 40, 25), Pal(1)), 10);
    EXPECT_EQ(Conta(img, QRect(0, 28, 124, 20), Pal(1)), 0);
    EXPECT_GT(Conta(img, QRect(124, 28, 30, 22), Pal(1)), 5);
    EXPECT_GT(Conta(img, QRect(158, 83, 30, 22), Pal(1)), 5);

    // Narrower than 120 pixels: blank; wider again: drawn again.
    w->resize(119, 110);
    EXPECT_EQ(Conta(w->Istantanea(), QRect(0, 0, 119, 110), Sfondo), 119 * 110);
    w->resize(200, 110);
    // 140 / 4 * 4: the bar ends at 30 + 140.
    EXPECT_EQ(Px(w->Istantanea(), 170, 66), 0xffdfbfu);
}

TEST_F(Servizio, RettangolareEPoligonale)
{
    Metti(1, {{5, 12, 1, 9}});
    RappresentaRettangolo(1);
    FrmRapprRettangolare* r = Aperta<FrmRapprRettangolare>();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->size(), QSize(263, 169));
    QImage img = r->Istantanea();
    // 3 x 4 squares of 35 from (10, 10): the first row and one more coloured.
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(Px(img, (j - 1) * 35 + 27, 27), Pal(9)) << j;
    EXPECT_EQ(Px(img, 27, 62), Pal(9));
    EXPECT_EQ(Px(img, 62, 62), 0x969696u);
    EXPECT_EQ(Px(img, 132, 97), 0x969696u);
    EXPECT_EQ(Px(img, 132, 132), Sfondo);
    EXPECT_EQ(Px(img, 45, 27), Pal(15));
    // "5/12" from (160, 10) in the design's navy.
    EXPECT_EQ(Conta(img, QRect(0, 0, 160, 169), 0x000080u), 0);
    EXPECT_GT(Conta(img, QRect(160, 10, 60, 25), 0x000080u), 10);

    for (auto [den, righe] : {std::pair{6, 2}, {12, 3}, {7, 1}, {1, 1}, {30, 5}, {0, 0}}) EXPECT_EQ(RigheGriglia(den), righe);

    Metti(1, {{30, 30, 1, 10}});
    RappresentaPoligono(1);
    FrmRapprPoligonale* p = Aperta<FrmRapprPoligonale>();
    ASSERT_TRUE(p);
    EXPECT_EQ(p->size(), QSize(243, 184));
    img = p->Istantanea();
    EXPECT_EQ(Conta(img, img.rect(), Pal(8)), 0);
    EXPECT_GT(Conta(img, img.rect(), Pal(10)), 10000);
    EXPECT_GT(Conta(img, QRect(5, 5, 50, 25), Pal(1)), 10);
}

TEST_F(Servizio, RiaperturaRidisegnaSenzaSpostareESfondoAllaProssima)
{
    Metti(1, {{3, 4, 1, 12}});
    RappresentaLinea(1);
    QPointer<FrmRapprLineare> w = Aperta<FrmRapprLineare>();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->geometry().topLeft(), QPoint(35, 196));
    w->move(300, 150);
    w->resize(400, 120);
    Metti(1, {{1, 2, 1, 12}});
    RappresentaLinea(1);
    EXPECT_EQ(Aperta<FrmRapprLineare>(), w.data());
    EXPECT_EQ(w->pos(), QPoint(300, 150));
    EXPECT_EQ(w->size(), QSize(400, 120));
    EXPECT_EQ(w->Frazione().den, 2);
    // 340 / 2 * 2 = 340: one divider at 200.
    EXPECT_EQ(Px(w->Istantanea(), 200, 70), Pal(15));

    Unica<Princ>::Istanza()->Azione(QStringLiteral("MnuImpostaFinestreServizioBianche"))->setChecked(true);
    w->resize(401, 120);
    EXPECT_EQ(Px(w->Istantanea(), 2, 100), Sfondo);
    RappresentaLinea(1);
    EXPECT_EQ(Px(w->Istantanea(), 2, 100), 0xffffffu);

    // Closed, it opens again at its design place.
    w->close();
    RappresentaLinea(1);
    ASSERT_TRUE(Aperta<FrmRapprLineare>());
    EXPECT_NE(Aperta<FrmRapprLineare>(), w.data());
    EXPECT_EQ(Aperta<FrmRapprLineare>()->geometry().topLeft(), QPoint(35, 196));
    EXPECT_TRUE(Aperta<FrmRapprLineare>()->isVisible());
}

TEST_F(Servizio, ApritoreRiportaLaFinestraRidottaAdIcona)
{
    Metti(1, {{3, 4, 1, 12}});
    RappresentaLinea(1);
    QPointer<FrmRapprLineare> w = Aperta<FrmRapprLineare>();
    ASSERT_TRUE(w);
    w->showMinimized();
    ASSERT_TRUE(w->isMinimized());
    RappresentaLinea(1);
    EXPECT_EQ(Aperta<FrmRapprLineare>(), w.data());
    EXPECT_FALSE(w->isMinimized());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.data()));
}

// Whether w shows what a fresh drawing of its fraction at its size on this
// background gives.
bool Fresco(FinestraRappresentazione* w, void (*disegna)(Tela&, const FrazioneRappresentata&), QColor sfondo)
{
    SuperficieNascosta t;
    t.RidimensionaTela(w->Area()->size());
    t.BackColor = sfondo;
    disegna(t, w->Frazione());
    return w->Istantanea() == t.Immagine();
}

TEST_F(Servizio, RidisegnaSoloUnQuadroCheCambierebbe)
{
    Metti(1, {{3, 4, 1, 12}});
    RappresentaLinea(1);
    FrmRapprLineare* w = Aperta<FrmRapprLineare>();
    ASSERT_TRUE(w);
    const qint64 quadro = w->Area()->Immagine().cacheKey();
    Unica<Princ>::Istanza()->activateWindow();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(w->Area()->Immagine().cacheKey(), quadro);   // nothing changed, nothing redrawn

    Metti(1, {{2, 5, 1, 9}});
    RappresentaLinea(1);
    EXPECT_TRUE(Fresco(w, DisegnaRapprLineare, TintaServizio));
    w->resize(420, 130);
    EXPECT_TRUE(Fresco(w, DisegnaRapprLineare, TintaServizio));
    Unica<Princ>::Istanza()->Azione(QStringLiteral("MnuImpostaFinestreServizioBianche"))->setChecked(true);
    RappresentaLinea(1);
    EXPECT_TRUE(Fresco(w, DisegnaRapprLineare, Qt::white));
    w->Area()->Pulisci();   // drawn over since: the same opening draws it again
    RappresentaLinea(1);
    EXPECT_TRUE(Fresco(w, DisegnaRapprLineare, Qt::white));

    // Drawn while it loads, then given another size before it shows.
    FrmRapprLineare nascosta;
    nascosta.AggiornaSfondoERidisegna();
    nascosta.resize(200, 100);
    nascosta.show();
    EXPECT_TRUE(Fresco(&nascosta, DisegnaRapprLineare, Qt::white));
}

// --- The remembered position -------------------------------------------------------

int16_t altoProva, sinistraProva;
class FrmProva : public FinestraServizio {
public:
    FrmProva() : FinestraServizio(QStringLiteral("FrmProva"), &altoProva, &sinistraProva, 8) { resize(200, 100); }
};

TEST_F(Servizio, PosizioneRicordataEStretta16Bit)
{
    altoProva = 1500;
    sinistraProva = 2000;
    FrmProva* w = ApriFresca<FrmProva>();
    EXPECT_EQ(w->pos(), QPoint(133, 100));
    w->move(250, 180);
    QPointer<FrmProva> vecchia = w;
    w = ApriFresca<FrmProva>();
    EXPECT_TRUE(vecchia.isNull());
    EXPECT_EQ(sinistraProva, 3750);
    EXPECT_EQ(altoProva, 2700);
    EXPECT_EQ(w->pos(), QPoint(250, 180));
    w->move(3000, -3000);
    w->close();
    EXPECT_EQ(sinistraProva, 32767);
    EXPECT_EQ(altoProva, -32768);
    // Kept on the screen when it comes back.
    w = ApriFresca<FrmProva>();
    const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(schermo.contains(w->frameGeometry())) << w->frameGeometry().x() << "," << w->frameGeometry().y() << " " << w->frameGeometry().width() << "x" << w->frameGeometry().height() << " in " << schermo.width() << "x" << schermo.height();
}

// --- The pop-up -----------------------------------------------------------------------

TEST_F(Servizio, MenuVociInOrdineEClicDestroSoltanto)
{
    Metti(1, {{2, 5, 1, 12}});
    RappresentaRettangolo(1);
    FrmRapprRettangolare* w = Aperta<FrmRapprRettangolare>();
    QStringList voci;
    QList<bool> attive;
    int aperture = 0;
    ImpostaSceltaMenuServizio([&](QMenu* m) -> QAction* {
        ++aperture;
        voci.clear();
        attive.clear();
        EXPECT_EQ(m->objectName(), QStringLiteral("MnuPopUp1"));
        for (QAction* a : m->actions()) {
            voci << a->objectName() + QLatin1Char('=') + a->text();
            attive << a->isEnabled();
        }
        return nullptr;
    });
    FinestraMenuServizio = 0;
    QTest::mouseClick(w->Area(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(FinestraMenuServizio, 3);
    EXPECT_EQ(aperture, 0);
    FinestraMenuServizio = 0;
    QTest::mouseClick(w->Area(), Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_EQ(FinestraMenuServizio, 3);
    EXPECT_EQ(aperture, 1);
    EXPECT_EQ(voci, (QStringList{QStringLiteral("MnuPopUp1CreaCopiaFinestra=Crea una copia della finestra"),
                                 QStringLiteral("MnuPopUp1CopiaBitmap=Copia bitmap negli appunti di Windows"),
                                 QStringLiteral("MnuPopUp1Stampa=Stampa")}));
    EXPECT_EQ(attive, (QList<bool>{true, true, true}));
    MostraMenuServizio(w, QPoint(10, 10), false);
    EXPECT_EQ(attive, (QList<bool>{true, false, true}));
}

TEST_F(Servizio, CopiaFinestraBitmapEStampa)
{
    Metti(1, {{2, 5, 1, 12}});
    RappresentaPoligono(1);
    FrmRapprPoligonale* w = Aperta<FrmRapprPoligonale>();
    ASSERT_TRUE(w);
    QGuiApplication::clipboard()->setText(QStringLiteral("appunti dell'allievo"));

    MnuPopUp1CreaCopiaFinestra_Click(w);
    MnuPopUp1CreaCopiaFinestra_Click(w);
    QList<QWidget*> copie;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (t->windowTitle() == QStringLiteral("Copia") && t->isVisible()) copie << t;
    ASSERT_EQ(copie.size(), 2);
    EXPECT_EQ(copie[0]->size(), w->size());
    EXPECT_EQ(copie[0]->grab().toImage().convertToFormat(QImage::Format_RGB32), w->Istantanea());
    EXPECT_EQ((copie[1]->pos() - copie[0]->pos()).manhattanLength(), 40);
    EXPECT_TRUE(copie[0]->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("appunti dell'allievo"));

    MnuPopUp1CopiaBitmap_Click(w);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), w->Istantanea());
    EXPECT_TRUE(Modale::Mostrati().isEmpty());

    const QString pdf = Percorso(QStringLiteral("stampa.pdf"));
    ImpostaStampaSuFile(pdf);
    MnuPopUp1Stampa_Click(w);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    QFile f(pdf);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly) && f.read(5).startsWith("%PDF"));
    ImpostaStampanteAssente(true);
    MnuPopUp1Stampa_Click(w);
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    EXPECT_EQ(Ultimo().testo, QStringLiteral("Errore di stampante"));
    EXPECT_EQ(Ultimo().titolo, QStringLiteral("Stampa"));
    EXPECT_EQ(Ultimo().tipo, 3);

    // Closing every service window takes the copies too.
    ChiudiFinestreServizio();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Aperta<FrmRapprPoligonale>());
    for (QWidget* t : QApplication::topLevelWidgets()) EXPECT_NE(t->windowTitle(), QStringLiteral("Copia"));
}

// A check window: its text is what a copy takes; it hides a strip in print.
class FrmTesto : public FinestraServizio {
public:
    FrmTesto() : FinestraServizio(QStringLiteral("FrmUguali"), nullptr, nullptr, 6)
    {
        resize(300, 150);
        striscia = new QLabel(QStringLiteral("striscia"), this);
        striscia->setGeometry(0, 100, 300, 50);
        striscia->setAutoFillBackground(true);
        QPalette pal = striscia->palette();
        pal.setColor(QPalette::Window, Qt::blue);
        striscia->setPalette(pal);
    }
    QString TestoCopia() const override { return QStringLiteral("Le frazioni\n1/2 = 2/4"); }
    QWidget* NascondiInStampa() const override { return striscia; }
    bool ConsenteCopiaBitmap() const override { return false; }
    QLabel* striscia;
};

TEST_F(Servizio, CopiaDiTestoEStampaSenzaStriscia)
{
    FrmTesto* w = ApriFresca<FrmTesto>();
    // A press on a child that leaves it to the window counts once, menu included.
    int aperture = 0;
    ImpostaSceltaMenuServizio([&](QMenu*) -> QAction* { return ++aperture, nullptr; });
    FinestraMenuServizio = 0;
    QTest::mouseClick(w->striscia, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(FinestraMenuServizio, 6);
    EXPECT_EQ(aperture, 1);
    QTest::mouseClick(w, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(aperture, 2);
    Unica<Princ>::Istanza()->Azione(QStringLiteral("MnuImpostaFinestreServizioBianche"))->setChecked(true);
    MnuPopUp1CreaCopiaFinestra_Click(w);
    QLabel* label = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (t->windowTitle() == QStringLiteral("Copia")) label = t->findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text(), QStringLiteral("Le frazioni\n1/2 = 2/4"));
    EXPECT_EQ(label->size(), QSize(299, 149));
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(255, 255, 255));

    const QString pdf = Percorso(QStringLiteral("testo.pdf"));
    ImpostaStampaSuFile(pdf);
    MnuPopUp1Stampa_Click(w);
    EXPECT_TRUE(w->striscia->isVisible());
    EXPECT_TRUE(QFile::exists(pdf));
    ImpostaStampanteAssente(true);
    MnuPopUp1Stampa_Click(w);
    EXPECT_TRUE(w->striscia->isVisible());
    EXPECT_EQ(Ultimo().testo, QStringLiteral("Errore di stampante"));

    // A drawing that cannot reach the clipboard is reported.
    struct FrmVuota : FinestraServizio {
        FrmVuota() : FinestraServizio(QStringLiteral("FrmVuota")) {}
        QImage Istantanea() override { return {}; }
    } vuota;
    MnuPopUp1CopiaBitmap_Click(&vuota);
    EXPECT_EQ(Ultimo().testo, QStringLiteral("Memoria esaurita"));
    EXPECT_EQ(Ultimo().titolo, QStringLiteral("Copia bitmap negli appunti di Windows"));
}

}   // namespace
