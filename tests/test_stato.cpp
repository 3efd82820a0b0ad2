#include "Aiuti.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Numeri.h"
#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSoundEffect>
#include <algorithm>
#include <cfenv>
#include <cmath>
#include <type_traits>

using Stato = ProvaZefra;

// The widths and bounds of the shared state.
static_assert(std::is_same_v<decltype(Frazioni), int16_t[3][129][5]>);
static_assert(std::is_same_v<decltype(FrazioniAppoggio), int16_t[131][5]>);
static_assert(std::is_same_v<decltype(FrazioniCopiate), int16_t[129][5]>);
static_assert(std::is_same_v<decltype(FrazioniFinestre), int16_t[11][5]>);
static_assert(std::is_same_v<decltype(PuntiPoligono), PuntoLungo[31]>);
static_assert(std::is_same_v<decltype(PuntoLungo::x), int32_t> && std::is_same_v<decltype(PuntoLungo::y), int32_t>);
static_assert(std::is_same_v<decltype(NumFrazioniA), int16_t> && std::is_same_v<decltype(NumFrazioniCopiate), int16_t>);
static_assert(std::is_same_v<decltype(RaggioFoglioB), int16_t> && std::is_same_v<decltype(ColonneFoglioA), int16_t>);
static_assert(std::is_same_v<decltype(ScostamentoFoglioA), int32_t> && std::is_same_v<decltype(ScostamentoFoglioB), int32_t>);
static_assert(std::is_same_v<decltype(ContaErrori), int32_t>);
static_assert(std::is_same_v<decltype(FoglioAttivo), uint8_t> && std::is_same_v<decltype(RispostaDomanda), uint8_t>);
static_assert(std::is_same_v<decltype(ModoVerificaTrova), uint8_t> && std::is_same_v<decltype(FinestraMenuServizio), uint8_t>);
static_assert(std::is_same_v<decltype(SuonoAbilitato), int16_t> && std::is_same_v<decltype(ColoreCorrente), int16_t>);
static_assert(std::is_same_v<decltype(AltoIstogramma), int16_t> && std::is_same_v<decltype(PiGreco), double>);

namespace {
// The 22 remembered positions with their start values, in table order.
struct Posizione {
    int16_t* v;
    int16_t inizio;
};
const Posizione Posizioni[] = {
    {&AltoScomponi, 1500},       {&SinistraScomponi, 2000},       {&AltoScomponi1, 1500},
    {&SinistraScomponi1, 2000},  {&AltoValoreDecimale, 1500},     {&SinistraValoreDecimale, 2000},
    {&AltoFrazDiNum, 1500},      {&SinistraFrazDiNum, 2000},      {&AltoFrazDiFraz, 1500},
    {&SinistraFrazDiFraz, 2000}, {&AltoUguali, 1500},             {&SinistraUguali, 2000},
    {&AltoCrescenti, 1500},      {&SinistraCrescenti, 2000},      {&AltoDecrescenti, 1500},
    {&SinistraDecrescenti, 2000}, {&AltoFattorizza, 1000},        {&SinistraFattorizza, 3500},
    {&AltoRiduzione, 1500},      {&SinistraRiduzione, 2000},      {&AltoIstogramma, 4000},
    {&SinistraIstogramma, 5000}};

// Every variable with a value it never has at start, as after a long session.
void Sporca()
{
    for (int s = 0; s < 3; ++s)
        for (int i = 0; i < 129; ++i)
            for (int c = 0; c < 5; ++c) Frazioni[s][i][c] = int16_t(7);
    FrazioniAppoggio[130][1] = 33;
    FrazioniAppoggio[1][1] = 12;
    FrazioniCopiate[128][4] = 9;
    NumFrazioniCopiate = 5;
    FrazioniFinestre[10][2] = 8;
    PuntiPoligono[30] = PuntoLungo{123, 456};
    NumFrazioniA = 128;
    NumFrazioniB = 3;
    RaggioFoglioA = 2000;
    RaggioFoglioB = 200;
    ColonneFoglioA = 4;
    ColonneFoglioB = 6;
    ScostamentoFoglioA = -70000;
    ScostamentoFoglioB = -15;
    DistanzaTorte = 50;
    MostraFinestraAvvio = FALSO;
    SuonoAbilitato = FALSO;
    RisoluzioneBassa = VERO;
    InChiusura = VERO;
    QuadernoModificato = VERO;
    FoglioAttivo = 2;
    RispostaDomanda = 2;
    ModoSepara = 2;
    ModoAggiungi = 5;
    ModoVerificaTrova = 15;
    FinestraMenuServizio = 9;
    ColoreCorrente = 3;
    FattoreEquivMoltiplica = 7;
    FattoreEquivDividi = -1;
    FattoreMoltiplica = 11;
    FattoreDividi = 13;
    ContaErrori = 70000;
    PiGreco = 3;
    CartellaProgramma = QStringLiteral("/altrove/");
    CartellaDialogoQuaderni = QStringLiteral("/altrove/quaderni");
    ACapo = QStringLiteral("\n");
    NomeQuaderno = QStringLiteral("/tmp/vecchio.qdn");
    UltimoNumeroFrazDiNum = QStringLiteral("48");
    NomeAllievo = QStringLiteral("Anna");
    Classe = QStringLiteral("3B");
    for (const Posizione& p : Posizioni) *p.v = 77;
}

QByteArray Leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}

TEST_F(Stato, InizializzaApplicazioneDaIValoriDiPartenza)
{
    // A register left by an earlier run is replaced.
    {
        QFile vecchio(CartellaAvvio() + QStringLiteral("/registro.txt"));
        ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
        vecchio.write("Errore #1 ore 10:00:00\r\nvecchio\r\n");
    }
    Sporca();
    InizializzaApplicazione();

    EXPECT_EQ(CartellaProgramma, CartellaAvvio() + QLatin1Char('/'));
    EXPECT_EQ(CartellaDialogoQuaderni, CartellaAvvio());
    EXPECT_EQ(PercorsoDati(QStringLiteral("avvio.wav")), CartellaAvvio() + QStringLiteral("/avvio.wav"));
    EXPECT_EQ(MostraFinestraAvvio, VERO);
    EXPECT_EQ(SuonoAbilitato, VERO);
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_EQ(NumFrazioniB, 0);
    EXPECT_EQ(RaggioFoglioA, 900);
    EXPECT_EQ(RaggioFoglioB, 900);
    EXPECT_EQ(ColonneFoglioA, 0);
    EXPECT_EQ(ColonneFoglioB, 0);
    EXPECT_EQ(ScostamentoFoglioA, 0);
    EXPECT_EQ(ScostamentoFoglioB, 0);
    EXPECT_EQ(ColoreCorrente, 12);
    EXPECT_EQ(FattoreEquivMoltiplica, 2);
    EXPECT_EQ(FattoreEquivDividi, 2);
    EXPECT_EQ(FattoreMoltiplica, 2);
    EXPECT_EQ(FattoreDividi, 2);
    EXPECT_EQ(ModoVerificaTrova, 1);
    EXPECT_EQ(ModoAggiungi, 1);
    EXPECT_EQ(ModoSepara, 1);
    EXPECT_EQ(ContaErrori, 0);
    EXPECT_EQ(QuadernoModificato, FALSO);
    EXPECT_EQ(NomeQuaderno, QString());
    EXPECT_EQ(DistanzaTorte, 140);
    EXPECT_DOUBLE_EQ(PiGreco, 3.14159265358979323846);
    EXPECT_EQ(ACapo, QStringLiteral("\r\n"));
    for (size_t i = 0; i < std::size(Posizioni); ++i) EXPECT_EQ(*Posizioni[i].v, Posizioni[i].inizio) << i;
    EXPECT_EQ(UltimoNumeroFrazDiNum, QString());
    EXPECT_EQ(NomeAllievo, QString());
    EXPECT_EQ(Classe, QString());

    // The fresh register, in the program folder, with empty name and class.
    const QString registro = QString::fromUtf8(Leggi(CartellaAvvio() + QStringLiteral("/registro.txt")));
    EXPECT_TRUE(registro.startsWith(QStringLiteral("ZEFRA - Registro degli errori\r\n"))) << registro.toStdString();
    EXPECT_TRUE(registro.contains(QStringLiteral("\r\nNome allievo: \r\nClasse: \r\n"))) << registro.toStdString();
    EXPECT_FALSE(registro.contains(QStringLiteral("vecchio")));
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
}

TEST_F(Stato, InizializzaNonToccaTabelleNeStatoDiLavoro)
{
    Sporca();
    InizializzaApplicazione();
    // The tables and the working variables keep what they hold; the flag of
    // the screen check stays as that check set it.
    EXPECT_EQ(Frazioni[1][1][1], 7);
    EXPECT_EQ(Frazioni[2][128][4], 7);
    EXPECT_EQ(FrazioniAppoggio[130][1], 33);
    EXPECT_EQ(FrazioniAppoggio[1][1], 12);
    EXPECT_EQ(FrazioniCopiate[128][4], 9);
    EXPECT_EQ(NumFrazioniCopiate, 5);
    EXPECT_EQ(FrazioniFinestre[10][2], 8);
    EXPECT_EQ(PuntiPoligono[30].x, 123);
    EXPECT_EQ(PuntiPoligono[30].y, 456);
    EXPECT_EQ(FoglioAttivo, 2);
    EXPECT_EQ(InChiusura, VERO);
    EXPECT_EQ(RispostaDomanda, 2);
    EXPECT_EQ(FinestraMenuServizio, 9);
    EXPECT_EQ(RisoluzioneBassa, VERO);

    // Resetting for a test puts everything back to zero and empty.
    AzzeraStatoGenerale();
    EXPECT_EQ(Frazioni[2][128][4], 0);
    EXPECT_EQ(FrazioniAppoggio[130][1], 0);
    EXPECT_EQ(PuntiPoligono[30].x, 0);
    EXPECT_EQ(RisoluzioneBassa, FALSO);
    EXPECT_EQ(RaggioFoglioA, 0);
    EXPECT_EQ(ContaErrori, 0);
    EXPECT_EQ(AltoIstogramma, 0);
    EXPECT_TRUE(CartellaProgramma.isEmpty());
    EXPECT_TRUE(ACapo.isEmpty());
}

TEST_F(Stato, CartellaDelProgrammaConLaBarraFinale)
{
    // The folder of the executable: the test program itself lies there.
    ImpostaCartellaEseguibile(QString());
    const QString propria = CartellaEseguibile();
    EXPECT_TRUE(propria.endsWith(QLatin1Char('/')));
    EXPECT_FALSE(propria.endsWith(QStringLiteral("//")));
    EXPECT_TRUE(QFileInfo::exists(propria + QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
    // A folder that already ends in "/" (the root) gets a second one.
    ImpostaCartellaEseguibile(QStringLiteral("/"));
    EXPECT_EQ(CartellaEseguibile(), QStringLiteral("//"));
}

TEST_F(Stato, RegistroNonScrivibileLasciaImpostatoTuttoIlResto)
{
    ImpostaCartellaEseguibile(Percorso("non/esiste"));
    Sporca();
    InizializzaApplicazione();
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    const Modale::Mostrato& m = Modale::Mostrati().first();
    EXPECT_EQ(m.genere, QStringLiteral("piattaforma"));
    EXPECT_EQ(m.testo, QStringLiteral("Impossibile aggiornare il file registro.txt"));
    EXPECT_EQ(m.titolo, QStringLiteral("Zefra"));
    EXPECT_EQ(m.tipo, int(IconaBox::Critico));
    // The steps before the register have run.
    EXPECT_EQ(CartellaProgramma, Percorso("non/esiste/"));
    EXPECT_EQ(RaggioFoglioB, 900);
    EXPECT_EQ(ContaErrori, 0);
    EXPECT_EQ(SinistraIstogramma, 5000);
    EXPECT_EQ(NomeAllievo, QString());
    EXPECT_EQ(ACapo, QStringLiteral("\r\n"));
}

TEST_F(Stato, SoloNoMinuscoloSpegneLaFinestraDAvvio)
{
    // First run: no setting stored at all.
    Unica<Princ>::Istanza();
    InizializzaApplicazione();
    EXPECT_EQ(MostraFinestraAvvio, VERO);
    EXPECT_TRUE(Unica<Princ>::Istanza()->MenuSpuntato("MnuImpostaWinAvvio"));
    Unica<Princ>::Distruggi();

    for (const char* valore : {"No", "NO", "yes", "", " no", "no "}) {
        Impostazioni::Scrivi("zfr", "settings", "win_avvio", QLatin1String(valore));
        Unica<Princ>::Istanza();
        MostraFinestraAvvio = FALSO;
        InizializzaApplicazione();
        EXPECT_EQ(MostraFinestraAvvio, VERO) << valore;
        EXPECT_TRUE(Unica<Princ>::Istanza()->MenuSpuntato("MnuImpostaWinAvvio")) << valore;
        Unica<Princ>::Distruggi();
    }
    Impostazioni::Scrivi("zfr", "settings", "win_avvio", "no");
    Unica<Princ>::Istanza();
    InizializzaApplicazione();
    EXPECT_EQ(MostraFinestraAvvio, FALSO);
    EXPECT_FALSE(Unica<Princ>::Istanza()->MenuSpuntato("MnuImpostaWinAvvio"));
    // Without the main window the setting is still read.
    Unica<Princ>::Distruggi();
    InizializzaApplicazione();
    EXPECT_EQ(MostraFinestraAvvio, FALSO);
}

TEST_F(Stato, ImpostazioniNelFileDellApplicazione)
{
    EXPECT_EQ(Impostazioni::Leggi("zfr", "settings", "win_avvio"), QString());
    // The store's folder is made when it is missing.
    Impostazioni::ImpostaCartella(Percorso("config/nuova"));
    Impostazioni::Scrivi("zfr", "settings", "win_avvio", "no");
    EXPECT_EQ(Impostazioni::FileDi("zfr"), Percorso("config/nuova/zfr.ini"));
    const QByteArray testo = Leggi(Percorso("config/nuova/zfr.ini"));
    EXPECT_TRUE(testo.contains("[settings]")) << testo.toStdString();
    EXPECT_TRUE(testo.contains("win_avvio=no")) << testo.toStdString();
    EXPECT_EQ(Impostazioni::Leggi("zfr", "settings", "win_avvio"), QStringLiteral("no"));
    // Other sections and applications are apart.
    EXPECT_EQ(Impostazioni::Leggi("zfr", "altro", "win_avvio"), QString());
    EXPECT_EQ(Impostazioni::Leggi("altra", "settings", "win_avvio"), QString());
    Impostazioni::Scrivi("zfr", "settings", "win_avvio", "yes");
    EXPECT_EQ(Impostazioni::Leggi("zfr", "settings", "win_avvio"), QStringLiteral("yes"));
}

TEST(Numeri, ArrotondamentoAlPari)
{
    EXPECT_EQ(Arrotonda32(2.5), 2);
    EXPECT_EQ(Arrotonda32(3.5), 4);
    EXPECT_EQ(Arrotonda32(-2.5), -2);
    EXPECT_EQ(Arrotonda32(-1.5), -2);
    EXPECT_EQ(Arrotonda32(0.5), 0);
    EXPECT_EQ(Arrotonda32(1.5), 2);
    EXPECT_EQ(Arrotonda32(2.4999), 2);
    EXPECT_EQ(Arrotonda32(2.5001), 3);
    EXPECT_EQ(Arrotonda16(32767.4), 32767);
    EXPECT_EQ(Arrotonda16(-32768.5), -32768);   // the even neighbour fits
    EXPECT_THROW(Arrotonda16(32767.5), OverflowTermini);   // rounds to 32768
    EXPECT_THROW(Arrotonda16(-32769.0), OverflowTermini);
    EXPECT_THROW(Arrotonda32(3.0e9), OverflowTermini);
    EXPECT_THROW(Arrotonda16(std::nan("")), OverflowTermini);

    // Whatever rounding mode was left behind, halves still go to the even
    // neighbour, and the mode is given back.
    const int prima = std::fegetround();
    std::fesetround(FE_UPWARD);
    EXPECT_EQ(Arrotonda32(2.5), 2);
    EXPECT_EQ(Arrotonda32(2.2), 2);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    std::fesetround(FE_DOWNWARD);
    EXPECT_EQ(Arrotonda16(3.5), 4);
    EXPECT_EQ(Arrotonda16(-2.2), -2);
    std::fesetround(prima);
}

TEST(Numeri, TestoConSpazioIniziale)
{
    EXPECT_EQ(Str(5), QStringLiteral(" 5"));
    EXPECT_EQ(Str(0), QStringLiteral(" 0"));
    EXPECT_EQ(Str(32767), QStringLiteral(" 32767"));
    EXPECT_EQ(Str(-7), QStringLiteral("-7"));
    EXPECT_EQ(Str(-32768), QStringLiteral("-32768"));
    EXPECT_EQ(CStr(5), QStringLiteral("5"));
    EXPECT_EQ(CStr(0), QStringLiteral("0"));
    EXPECT_EQ(CStr(-7), QStringLiteral("-7"));
}

TEST(Numeri, Overflow16Bit)
{
    EXPECT_EQ(Moltiplica16(181, 181), 32761);
    EXPECT_THROW(Moltiplica16(182, 181), OverflowTermini);
    EXPECT_THROW(Moltiplica16(-182, 181), OverflowTermini);
    EXPECT_EQ(Moltiplica16(-128, 256), -32768);
    EXPECT_EQ(Somma16(32000, 767), 32767);
    EXPECT_THROW(Somma16(32000, 768), OverflowTermini);
    EXPECT_EQ(Sottrai16(-32000, 768), -32768);
    EXPECT_THROW(Sottrai16(-32000, 769), OverflowTermini);
    // Products of two 16-bit terms never wrap before the check.
    EXPECT_THROW(Moltiplica16(32767, 32767), OverflowTermini);
    EXPECT_TRUE(Sta16(-32768));
    EXPECT_FALSE(Sta16(32768));
}

TEST(Colori, TavolozzaFissa)
{
    const QColor attesi[16] = {{0, 0, 0},       {0, 0, 128},     {0, 128, 0},   {0, 128, 128},
                               {128, 0, 0},     {128, 0, 128},   {128, 128, 0}, {192, 192, 192},
                               {128, 128, 128}, {0, 0, 255},     {0, 255, 0},   {0, 255, 255},
                               {255, 0, 0},     {255, 0, 255},   {255, 255, 0}, {255, 255, 255}};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(QBColor(i), attesi[i]) << i;
    EXPECT_EQ(QBColor(16), QColor(0, 0, 0));
    EXPECT_EQ(QBColor(-1), QColor(0, 0, 0));
    EXPECT_EQ(GrigioTorta, QColor(150, 150, 150));
    EXPECT_EQ(TintaFoglioA, QColor(255, 255, 192));
    EXPECT_EQ(TintaFoglioB, QColor(192, 255, 255));
    EXPECT_EQ(TintaServizio, QColor(255, 224, 192));
}

TEST(Finestre, TwipEPixel)
{
    EXPECT_EQ(TwipInPixel(15), 1);
    EXPECT_EQ(TwipInPixel(900), 60);
    EXPECT_EQ(TwipInPixel(22), 1);       // 1.47
    EXPECT_EQ(TwipInPixel(337.5), 22);   // 22.5: to the even neighbour
    EXPECT_EQ(TwipInPixel(352.5), 24);   // 23.5
    EXPECT_EQ(TwipInPixel(-900), -60);
    EXPECT_DOUBLE_EQ(PixelInTwip(7), 105);
}

TEST(Finestre, SempreSopraEDentroLoSchermo)
{
    QWidget w;
    RendiSempreSopra(&w);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    RendiSempreSopra(nullptr);   // nothing to do, no crash

    QScreen* schermo = QGuiApplication::primaryScreen();
    ASSERT_NE(schermo, nullptr);
    const QRect area = schermo->availableGeometry();
    w.resize(200, 100);
    PosizionaSulloSchermo(&w, area.topLeft() + QPoint(30, 40));
    EXPECT_EQ(w.pos(), area.topLeft() + QPoint(30, 40));
    // Past the right and bottom edges: pulled back inside.
    PosizionaSulloSchermo(&w, area.bottomRight() + QPoint(500, 500));
    EXPECT_EQ(w.pos(), QPoint(area.right() + 1 - 200, area.bottom() + 1 - 100));
    // Past the left and top edges.
    PosizionaSulloSchermo(&w, area.topLeft() - QPoint(300, 300));
    EXPECT_EQ(w.pos(), area.topLeft());
    PosizionaSulloSchermo(nullptr, QPoint(0, 0));
}

TEST_F(Stato, BoxEDomandeInCopione)
{
    // Queued answers come out in order, then the default.
    Modale::Rispondi(1);
    Modale::Rispondi(2);
    EXPECT_EQ(Modale::PrendiRisposta(0), 1);
    EXPECT_EQ(Modale::PrendiRisposta(0), 2);
    EXPECT_EQ(Modale::PrendiRisposta(0), 0);
    EXPECT_EQ(Modale::PrendiRisposta(2), 2);

    // The platform box: title "Zefra", its icon, recorded and not shown.
    BoxPiattaforma(QStringLiteral("Impossibile salvare il file"), IconaBox::Critico);
    BoxPiattaforma(QStringLiteral("Attenzione"), IconaBox::Esclamativo);
    ASSERT_EQ(Modale::Mostrati().size(), 2);
    EXPECT_EQ(Modale::Mostrati()[0].genere, QStringLiteral("piattaforma"));
    EXPECT_EQ(Modale::Mostrati()[0].testo, QStringLiteral("Impossibile salvare il file"));
    EXPECT_EQ(Modale::Mostrati()[0].titolo, QStringLiteral("Zefra"));
    EXPECT_EQ(Modale::Mostrati()[0].tipo, 2);
    EXPECT_EQ(Modale::Mostrati()[1].tipo, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Forgetting clears both what was shown and the answers still queued.
    Modale::Rispondi(1);
    Modale::Azzera();
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_EQ(Modale::PrendiRisposta(0), 0);
}

namespace {
// The sound players the application owns for a file or, given none, those
// still reading their files.
qsizetype LettoriDi(const QString& file)
{
    const auto tutti = QCoreApplication::instance()->findChildren<QSoundEffect*>(Qt::FindDirectChildrenOnly);
    return std::count_if(tutti.begin(), tutti.end(), [&](QSoundEffect* e) {
        return file.isEmpty() ? e->status() == QSoundEffect::Loading : e->source().fileName() == file;
    });
}
// Waits until the players have read their files, as they have long before
// the program ends: Qt's sound layer, ended in the middle of a file, leaves
// that reading behind.
void AttendiLettori()
{
    const QDeadlineTimer limite(30000);
    while (LettoriDi(QString()) > 0 && !limite.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}
}   // namespace

TEST_F(Stato, SuonoMancanteNonBloccaNeFallisce)
{
    Suono::Registra(false);
    SuonoAbilitato = VERO;
    CartellaProgramma = cartella.path() + QLatin1Char('/');
    Suono::Riproduci(QStringLiteral("non_esiste.wav"));
    Suono::Bip();
    Suono::Registra(true);
    Suono::Riproduci(QStringLiteral("aggiungi.wav"));
    SuonoAbilitato = FALSO;
    Suono::Riproduci(QStringLiteral("errore.wav"));
    Suono::Bip();
    EXPECT_EQ(Suono::Registrati(), (QStringList{"aggiungi.wav", "bip"}));
}

TEST_F(Stato, SuoniVeriSenzaDispositivoAudioNonBloccano)
{
    // The real files beside the program, played for real: with no audio
    // device (as on a build machine) each call returns at once and nothing
    // breaks; a sound played again restarts.
    Suono::Registra(false);
    SuonoAbilitato = VERO;
    CartellaProgramma = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    QElapsedTimer cronometro;
    cronometro.start();
    for (int volta = 0; volta < 3; ++volta) {
        Suono::Riproduci(QStringLiteral("clic1.wav"));
        Suono::Bip();
    }
    QCoreApplication::processEvents();
    EXPECT_LT(cronometro.elapsed(), 3000);
    Suono::Registra(true);
    // One player a file, owned by the application, which frees it as it goes.
    for (const char* file : {"clic1.wav", "bip.wav"}) EXPECT_EQ(LettoriDi(QLatin1String(file)), 1) << file;
    AttendiLettori();
}

TEST(Risorse, ISediciSuoniStannoAccantoAlProgramma)
{
    // The build copies the sounds beside the executable: 16-bit PCM WAVs.
    const QDir cartella(QCoreApplication::applicationDirPath());
    for (const char* nome : {"avvio.wav", "aggiungi.wav", "errore.wav", "info.wav", "clic1.wav", "clic2.wav",
                             "equiv1.wav", "equiv2.wav", "raggruppa.wav", "separa.wav", "zoom.wav", "togli.wav",
                             "sposta.wav", "moltiplica.wav", "dividi.wav", "bip.wav"}) {
        const QByteArray dati = Leggi(cartella.filePath(QLatin1String(nome)));
        ASSERT_GT(dati.size(), 44) << nome;
        EXPECT_EQ(dati.left(4), QByteArray("RIFF")) << nome;
        EXPECT_EQ(dati.mid(8, 4), QByteArray("WAVE")) << nome;
        const int fmt = dati.indexOf("fmt ");
        ASSERT_GE(fmt, 12) << nome;
        const auto parola = [&](int da) { return int(uchar(dati[da])) | (int(uchar(dati[da + 1])) << 8); };
        EXPECT_EQ(parola(fmt + 8), 1) << nome;     // PCM
        EXPECT_EQ(parola(fmt + 22), 16) << nome;   // bits per sample
        // Short: a few seconds at most.
        EXPECT_LT(dati.size(), 200000) << nome;
    }
}
