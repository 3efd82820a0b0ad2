#include "Aiuti.h"
#include "platform/Numeri.h"
#include "platform/Colori.h"
#include <QAction>
#include <QFile>

using Stato = ProvaZefra;

TEST_F(Stato, ValoriIniziali)
{
    InizializzaApplicazione();
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_EQ(RaggioFoglioA, 900);
    EXPECT_EQ(RaggioFoglioB, 900);
    EXPECT_EQ(DistanzaTorte, 140);
    EXPECT_EQ(ColoreCorrente, 12);
    EXPECT_EQ(FattoreEquivMoltiplica, 2);
    EXPECT_EQ(FattoreDividi, 2);
    EXPECT_EQ(ModoSepara, 1);
    EXPECT_EQ(ModoVerificaTrova, 1);
    EXPECT_EQ(SuonoAbilitato, VERO);
    EXPECT_EQ(MostraFinestraAvvio, VERO);
    EXPECT_EQ(FoglioAttivo, 0);
    EXPECT_EQ(ACapo, QStringLiteral("\r\n"));
    EXPECT_DOUBLE_EQ(PiGreco, 3.14159265358979323846);
    EXPECT_EQ(AltoFattorizza, 1000);
    EXPECT_EQ(SinistraFattorizza, 3500);
    EXPECT_EQ(AltoIstogramma, 4000);
    EXPECT_EQ(SinistraIstogramma, 5000);
    EXPECT_EQ(AltoRiduzione, 1500);
    EXPECT_EQ(SinistraUguali, 2000);
    EXPECT_TRUE(CartellaProgramma.endsWith(QLatin1Char('/')));
    EXPECT_EQ(CartellaDialogoQuaderni + QLatin1Char('/'), CartellaProgramma);
    static_assert(sizeof(ContaErrori) == 4 && sizeof(FoglioAttivo) == 1 && sizeof(NumFrazioniA) == 2);
}

TEST_F(Stato, SoloNoMinuscoloSpegneLaFinestraDAvvio)
{
    for (const char* valore : {"No", "NO", "yes", ""}) {
        Impostazioni::Scrivi("zfr", "settings", "win_avvio", QLatin1String(valore));
        princ();
        InizializzaApplicazione();
        EXPECT_EQ(MostraFinestraAvvio, VERO) << valore;
        EXPECT_TRUE(princ()->MenuSpuntato("MnuImpostaWinAvvio")) << valore;
        DistruggiPrinc();
    }
    Impostazioni::Scrivi("zfr", "settings", "win_avvio", "no");
    princ();
    InizializzaApplicazione();
    EXPECT_EQ(MostraFinestraAvvio, FALSO);
    EXPECT_FALSE(princ()->MenuSpuntato("MnuImpostaWinAvvio"));
}

TEST_F(Stato, ImpostazioneAssenteLeggeTestoVuoto)
{
    EXPECT_EQ(Impostazioni::Leggi("zfr", "settings", "win_avvio"), QString());
    Impostazioni::Scrivi("zfr", "settings", "win_avvio", "no");
    EXPECT_EQ(Impostazioni::Leggi("zfr", "settings", "win_avvio"), QStringLiteral("no"));
}

TEST(Numeri, ArrotondamentoAlPari)
{
    EXPECT_EQ(Arrotonda32(2.5), 2);
    EXPECT_EQ(Arrotonda32(3.5), 4);
    EXPECT_EQ(Arrotonda32(-2.5), -2);
    EXPECT_EQ(Arrotonda32(0.5), 0);
    EXPECT_EQ(Arrotonda32(1.5), 2);
    EXPECT_EQ(Arrotonda32(2.4999), 2);
    EXPECT_EQ(Arrotonda16(32767.4), 32767);
    EXPECT_THROW(Arrotonda16(32767.5), OverflowTermini);   // rounds to 32768
    EXPECT_THROW(Arrotonda16(-32769.0), OverflowTermini);
}

TEST(Numeri, TestoConSpazioIniziale)
{
    EXPECT_EQ(Str(5), QStringLiteral(" 5"));
    EXPECT_EQ(Str(0), QStringLiteral(" 0"));
    EXPECT_EQ(Str(-7), QStringLiteral("-7"));
    EXPECT_EQ(CStr(5), QStringLiteral("5"));
}

TEST(Numeri, Overflow16Bit)
{
    EXPECT_EQ(Moltiplica16(181, 181), 32761);
    EXPECT_THROW(Moltiplica16(182, 181), OverflowTermini);
    EXPECT_EQ(Somma16(32000, 767), 32767);
    EXPECT_THROW(Somma16(32000, 768), OverflowTermini);
    EXPECT_EQ(Sottrai16(-32000, 768), -32768);
    EXPECT_THROW(Sottrai16(-32000, 769), OverflowTermini);
}

TEST(Colori, TavolozzaFissa)
{
    EXPECT_EQ(QBColor(0), QColor(0, 0, 0));
    EXPECT_EQ(QBColor(1), QColor(0, 0, 128));
    EXPECT_EQ(QBColor(7), QColor(192, 192, 192));
    EXPECT_EQ(QBColor(8), QColor(128, 128, 128));
    EXPECT_EQ(QBColor(12), QColor(255, 0, 0));
    EXPECT_EQ(QBColor(15), QColor(255, 255, 255));
    EXPECT_EQ(QBColor(16), QColor(0, 0, 0));
}

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
