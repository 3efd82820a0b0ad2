#include "Aiuti.h"
#include "platform/Colori.h"
#include "platform/Superficie.h"
#include "workspace/Aritmetica.h"

namespace {
class Aritmetica : public ProvaZefra {
protected:
    void SetUp() override
    {
        ProvaZefra::SetUp();
        Inizializza();
        Modale::Azzera();
        Suono::AzzeraRegistrati();
    }
};

struct Caso {
    const char* testo;
    bool esito;
    const char* messaggio;   // empty when accepted
    int tipo;
};

// Runs one check and compares its result and the one message it showed.
template <typename F> void Verifica(const Caso& c, F controllo)
{
    Modale::Azzera();
    Suono::AzzeraRegistrati();
    const QString testo = QString::fromUtf8(c.testo);
    EXPECT_EQ(controllo(testo), c.esito) << c.testo;
    if (c.esito) {
        EXPECT_TRUE(Modale::Mostrati().isEmpty()) << c.testo;
        return;
    }
    ASSERT_EQ(Modale::Mostrati().size(), 1) << c.testo;
    const Modale::Mostrato& m = Modale::Mostrati().first();
    EXPECT_EQ(m.genere, QStringLiteral("messaggio"));
    EXPECT_EQ(m.testo, QString::fromUtf8(c.messaggio)) << c.testo;
    EXPECT_EQ(m.tipo, c.tipo) << c.testo;
    EXPECT_EQ(m.titolo, QStringLiteral("Immissione numeratore")) << c.testo;
    // Warnings beep and never reach the register.
    EXPECT_EQ(Suono::Registrati(), QStringList{QStringLiteral("bip")}) << c.testo;
    EXPECT_EQ(ContaErrori, 0);
}

const char* const NonIntero = "Sono stati immessi caratteri non consentiti. Immettere un numero intero.";
const char* const NonDecimale = "Sono stati immessi caratteri non consentiti. Immettere un numero decimale.\r\n\r\n"
                                "Ad esempio immettere 1 oppure 1,5";
const char* const Troppi = "Sono stati immessi troppi caratteri";
}

TEST_F(Aritmetica, ControllaInteroLimitiEMessaggi)
{
    const Caso casi[] = {
        {"", false, "Immettere un numero intero", 3},
        {"   ", false, "Immettere un numero intero", 3},
        {" 12", false, NonIntero, 3},
        {"12 ", false, NonIntero, 3},
        {"1 2", false, NonIntero, 3},
        {"-5", false, NonIntero, 3},
        {"1,5", false, NonIntero, 3},
        {"\t", false, NonIntero, 3},
        {"0", true, "", 0},
        {"00012", true, "", 0},
        {"31999", true, "", 0},
        {"32000", true, "", 0},
        {"32001", false, "Inserire un numero minore di 32000", 3},
        {"99999", false, "Inserire un numero minore di 32000", 3},
        {"123456", false, "Il numero immesso è troppo grande", 3},
        {"000012", false, "Il numero immesso è troppo grande", 3},
    };
    for (const Caso& c : casi)
        Verifica(c, [](const QString& t) { return ControllaIntero(t, QStringLiteral("Immissione numeratore")); });
}

TEST_F(Aritmetica, ControllaDecimaleVirgolaELunghezza)
{
    const Caso casi[] = {
        {"1,5", true, "", 0},
        {"15", true, "", 0},
        {"0,0001", true, "", 0},
        {"1234567890", true, "", 0},
        {"12345678,9", true, "", 0},
        {"", false, "Immettere un numero decimale", 3},
        {"  ", false, "Immettere un numero decimale", 3},
        {"12345678901", false, Troppi, 3},
        {"1,23456789a", false, Troppi, 3},
        {",5", false, NonDecimale, 4},
        {"1,", false, NonDecimale, 4},
        {"123456789,", false, NonDecimale, 4},
        {"1,2,3", false, NonDecimale, 4},
        {"1,,5", false, NonDecimale, 4},
        {",", false, NonDecimale, 4},
        {"1.5", false, NonDecimale, 4},
        {"1, 5", false, NonDecimale, 4},
        {" 1,5", false, NonDecimale, 4},
    };
    for (const Caso& c : casi)
        Verifica(c, [](const QString& t) { return ControllaDecimale(t, QStringLiteral("Immissione numeratore")); });
}

TEST_F(Aritmetica, ControllaCifreConESenzaCampoVuoto)
{
    const char* const NonCifreVuoto =
        "Sono stati immessi caratteri non consentiti. Immettere caratteri numerici o lasciare vuoto il campo.";
    const Caso conVuoto[] = {
        {"", true, "", 0},
        {"0123456789", true, "", 0},
        {"12a", false, NonCifreVuoto, 4},
        {"  ", false, NonCifreVuoto, 4},
        {"1,5", false, NonCifreVuoto, 4},
        {"01234567890", false, Troppi, 3},
    };
    for (const Caso& c : conVuoto)
        Verifica(c, [](const QString& t) { return ControllaCifre(t, QStringLiteral("Immissione numeratore"), true); });

    const Caso senzaVuoto[] = {
        {"", false, "Immettere caratteri numerici", 3},
        {"   ", false, "Immettere caratteri numerici", 3},
        {"12a", false, "Sono stati immessi caratteri non consentiti. Immettere caratteri numerici.", 3},
        {" 12", false, "Sono stati immessi caratteri non consentiti. Immettere caratteri numerici.", 3},
        {"0123456789", true, "", 0},
        {"01234567890", false, Troppi, 3},
    };
    for (const Caso& c : senzaVuoto)
        Verifica(c,
                 [](const QString& t) { return ControllaCifre(t, QStringLiteral("Immissione numeratore"), false); });
}

TEST(AritmeticaPura, MassimoComuneDivisore)
{
    EXPECT_EQ(CalcolaMCD(12, 18), 6);
    EXPECT_EQ(CalcolaMCD(18, 12), 6);
    EXPECT_EQ(CalcolaMCD(7, 7), 7);
    EXPECT_EQ(CalcolaMCD(1, 32000), 1);
    EXPECT_EQ(CalcolaMCD(32000, 31999), 1);
    EXPECT_EQ(CalcolaMCD(32000, 16000), 16000);
    EXPECT_EQ(CalcolaMCD(32000, 2909 * 10), 10);
    EXPECT_EQ(CalcolaMCD(32761, 181), 181);
    // A zero argument gives the other one, never a division by zero.
    EXPECT_EQ(CalcolaMCD(0, 5), 5);
    EXPECT_EQ(CalcolaMCD(5, 0), 5);
    EXPECT_EQ(CalcolaMCD(0, -5), 5);
    EXPECT_EQ(CalcolaMCD(0, 0), 0);
    EXPECT_EQ(CalcolaMCD(-12, 18), 6);
    EXPECT_EQ(CalcolaMCD(-12, -18), 6);

    EXPECT_EQ(CalcolaMCDLungo(1000000, 750000), 250000);
    EXPECT_EQ(CalcolaMCDLungo(2147483647, 2147483646), 1);
    EXPECT_EQ(CalcolaMCDLungo(32000L * 32000L, 32000), 32000);
    EXPECT_EQ(CalcolaMCDLungo(0, -7), 7);
    EXPECT_EQ(CalcolaMCDLungo(7, 0), 7);
}

TEST(AritmeticaPura, PrimiEDivisori)
{
    for (int n : {2, 3, 5, 7, 11, 97, 2909, 32719, 32749}) EXPECT_TRUE(VerificaPrimo(int16_t(n))) << n;
    for (int n : {-7, -2, 0, 1, 4, 9, 25, 49, 31999, 32000, 32761, 32767}) EXPECT_FALSE(VerificaPrimo(int16_t(n))) << n;

    EXPECT_EQ(TrovaMinimoDivisore(1), 1);
    EXPECT_EQ(TrovaMinimoDivisore(0), 2);
    EXPECT_EQ(TrovaMinimoDivisore(2), 2);
    EXPECT_EQ(TrovaMinimoDivisore(9), 3);
    EXPECT_EQ(TrovaMinimoDivisore(15), 3);
    EXPECT_EQ(TrovaMinimoDivisore(49), 7);
    EXPECT_EQ(TrovaMinimoDivisore(97), 97);
    EXPECT_EQ(TrovaMinimoDivisore(32000), 2);
    EXPECT_EQ(TrovaMinimoDivisore(31999), 11);
    EXPECT_EQ(TrovaMinimoDivisore(32761), 181);
    EXPECT_EQ(TrovaMinimoDivisore(32749), 32749);
    EXPECT_EQ(TrovaMinimoDivisore(-9), -9);

    EXPECT_EQ(TrovaDivisoreMassimo(12), std::optional<int16_t>(3));
    EXPECT_EQ(TrovaDivisoreMassimo(20), std::optional<int16_t>(4));
    EXPECT_EQ(TrovaDivisoreMassimo(8), std::optional<int16_t>(2));
    EXPECT_EQ(TrovaDivisoreMassimo(4), std::optional<int16_t>(2));
    EXPECT_EQ(TrovaDivisoreMassimo(32000), std::optional<int16_t>(160));
    EXPECT_EQ(TrovaDivisoreMassimo(31999), std::optional<int16_t>(11));
    EXPECT_EQ(TrovaDivisoreMassimo(32761), std::optional<int16_t>(181));
    for (int n : {-4, 0, 1, 2, 3, 13, 32749}) EXPECT_FALSE(TrovaDivisoreMassimo(int16_t(n)).has_value()) << n;
}

TEST(AritmeticaPura, ScomposizioneEColori)
{
    EXPECT_EQ(ScomponiInFattori(0), QStringLiteral("1"));
    EXPECT_EQ(ScomponiInFattori(1), QStringLiteral("1"));
    EXPECT_EQ(ScomponiInFattori(-6), QStringLiteral("1"));
    EXPECT_EQ(ScomponiInFattori(2), QStringLiteral("2"));
    EXPECT_EQ(ScomponiInFattori(7), QStringLiteral("7"));
    EXPECT_EQ(ScomponiInFattori(12), QStringLiteral("2x2x3"));
    EXPECT_EQ(ScomponiInFattori(360), QStringLiteral("2x2x2x3x3x5"));
    EXPECT_EQ(ScomponiInFattori(32000), QStringLiteral("2x2x2x2x2x2x2x2x5x5x5"));
    EXPECT_EQ(ScomponiInFattori(31999), QStringLiteral("11x2909"));
    EXPECT_EQ(ScomponiInFattori(32767), QStringLiteral("7x31x151"));
    EXPECT_EQ(ScomponiInFattori(32749), QStringLiteral("32749"));

    const int primi[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31};
    const int colori[] = {12, 1, 2, 9, 5, 4, 3, 6, 11, 13, 10};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(TrovaColorePrimo(int16_t(primi[i])), colori[i]) << primi[i];
    for (int n : {0, 1, 4, 37, 2909, 31999, 32000, -2}) EXPECT_EQ(TrovaColorePrimo(int16_t(n)), 0) << n;
}

TEST(AritmeticaPura, DecimaleFinito)
{
    for (int n : {1, 2, 4, 5, 8, 10, 16, 20, 25, 40, 125, 16384, 32000}) EXPECT_TRUE(VerificaDecimaleFinito(int16_t(n))) << n;
    // 0 and negative values end at once (false) instead of looping.
    for (int n : {-40, -1, 0, 3, 6, 7, 12, 15, 30, 31999}) EXPECT_FALSE(VerificaDecimaleFinito(int16_t(n))) << n;
}

TEST(AritmeticaPura, NomeFileEVirgole)
{
    EXPECT_EQ(EstraiNomeFile(QStringLiteral("C:\\Scuola\\Quaderni\\frazioni.qdn")), QStringLiteral("frazioni.qdn"));
    EXPECT_EQ(EstraiNomeFile(QStringLiteral("/home/allievo/quaderni/frazioni.qdn")), QStringLiteral("frazioni.qdn"));
    EXPECT_EQ(EstraiNomeFile(QStringLiteral("C:\\a/b\\c.qdn")), QStringLiteral("c.qdn"));
    EXPECT_EQ(EstraiNomeFile(QStringLiteral("D:/a\\b/c.qdn")), QStringLiteral("c.qdn"));
    EXPECT_EQ(EstraiNomeFile(QStringLiteral("frazioni.qdn")), QStringLiteral("frazioni.qdn"));
    EXPECT_EQ(EstraiNomeFile(QStringLiteral("C:\\Quaderni\\")), QString());
    EXPECT_EQ(EstraiNomeFile(QString()), QString());

    // Changed in place, and the changed text is handed back too.
    QString s = QStringLiteral("1.5 e 2.25.");
    EXPECT_EQ(SostituisciPuntiConVirgole(s), QStringLiteral("1,5 e 2,25,"));
    EXPECT_EQ(s, QStringLiteral("1,5 e 2,25,"));
    QString senza = QStringLiteral("1;5:2");
    SostituisciPuntiConVirgole(senza);
    EXPECT_EQ(senza, QStringLiteral("1;5:2"));
    // Long texts are changed all the way to the end.
    QString lungo(300, QLatin1Char('.'));
    SostituisciPuntiConVirgole(lungo);
    EXPECT_EQ(lungo, QString(300, QLatin1Char(',')));
}

namespace {
// Counts the pixels whose colour is near the given one.
int PixelVicini(const QImage& img, const QColor& c)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (std::abs(p.red() - c.red()) < 40 && std::abs(p.green() - c.green()) < 40 &&
                std::abs(p.blue() - c.blue()) < 40)
                ++n;
        }
    return n;
}

struct TelaProva : SuperficieNascosta {
    TelaProva()
    {
        ImpostaScala(Scala::Pixel);
        RidimensionaTela(QSize(400, 40));
        Font.setPixelSize(24);
        Font.setBold(true);
        Pulisci();
    }
};
}

TEST(AritmeticaPura, FattoriColoratiSuUnaRiga)
{
    TelaProva t;
    t.ForeColor = QBColor(10);
    StampaFattoriColorati(t, 12);
    EXPECT_GT(PixelVicini(t.Immagine(), QBColor(12)), 10);   // the 2s in red
    EXPECT_GT(PixelVicini(t.Immagine(), QBColor(1)), 10);    // the 3 in dark blue
    EXPECT_EQ(PixelVicini(t.Immagine(), QBColor(10)), 0);    // the colour before is not used
    EXPECT_EQ(t.ForeColor, QBColor(0));
    EXPECT_DOUBLE_EQ(t.CurrentY, 0);
    EXPECT_NEAR(t.CurrentX, t.LarghezzaTesto(QStringLiteral(" 2 x 2 x 3 ")), 1.0);

    // 1 is printed in the colour already set; 0 and negatives print nothing.
    TelaProva uno;
    uno.ForeColor = QBColor(10);
    StampaFattoriColorati(uno, 1);
    EXPECT_GT(PixelVicini(uno.Immagine(), QBColor(10)), 10);
    EXPECT_NEAR(uno.CurrentX, uno.LarghezzaTesto(QStringLiteral(" 1 ")), 0.5);
    for (int n : {0, -12}) {
        TelaProva vuota;
        const QImage prima = vuota.Immagine();
        StampaFattoriColorati(vuota, int16_t(n));
        EXPECT_EQ(vuota.Immagine(), prima) << n;
        EXPECT_DOUBLE_EQ(vuota.CurrentX, 0) << n;
    }
}
