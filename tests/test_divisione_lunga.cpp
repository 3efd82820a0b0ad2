// The long division exercise without its window: steps, the result line,
// the period and the verdicts.
#include "logica/DivisioneLunga.h"
#include "AiutiLogica.h"
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {
const QString TitoloEsercizio = QStringLiteral("Trova il valore decimale della frazione");

// Makes every step right (quotient and remainder of the current dividend).
void PassiGiusti(DivisioneLunga& d, int quanti)
{
    for (int i = 0; i < quanti; ++i)
        ASSERT_FALSE(d.Passo(d.Dividendo() / d.Denominatore(), d.Dividendo() % d.Denominatore()));
}
}

TEST(DivisioneLunga, UnQuartoFinoAlRestoNullo)
{
    DivisioneLunga d(1, 4);
    EXPECT_EQ(d.RigaDivisione(), QStringLiteral("1:4="));
    EXPECT_EQ(d.Verdetto(), (MessaggioDaMostrare{QStringLiteral("Non hai portato a termine la divisione (fino a un resto nullo)"),
                                                 1, TitoloEsercizio}));
    EXPECT_FALSE(d.AvvisoFinita());
    ASSERT_FALSE(d.Passo(0, 1));
    // 10:4 with quotient 3: the quotient is judged before the remainder.
    EXPECT_EQ(d.Passo(3, 2), (MessaggioDaMostrare{QStringLiteral("Quoziente errato"), 1,
                                                  QStringLiteral("Valore decimale della frazione")}));
    EXPECT_EQ(d.Passo(2, 6)->testo, QStringLiteral("Resto errato"));
    EXPECT_EQ(d.Dividendo(), 10);
    ASSERT_FALSE(d.Passo(2, 2));
    ASSERT_FALSE(d.Passo(5, 0));
    EXPECT_EQ(d.RigaDivisione(), QStringLiteral("1:4=0,25"));
    EXPECT_TRUE(d.Finita());
    EXPECT_EQ(d.Verdetto(), (MessaggioDaMostrare{QStringLiteral("Ok, hai eseguito correttamente la divisione"), 5,
                                                 TitoloEsercizio}));
    EXPECT_EQ(d.AvvisoFinita(), (MessaggioDaMostrare{QStringLiteral("Il resto è 0, la divisione è terminata"), 3,
                                                     TitoloEsercizio}));
}

TEST(DivisioneLunga, PeriodoRiconosciutoQuandoUnRestoTorna)
{
    DivisioneLunga d(1, 7);
    PassiGiusti(d, 6);
    EXPECT_EQ(d.RigaDivisione(), QStringLiteral("1:7=0,14285"));
    EXPECT_EQ(d.Verdetto().testo, QStringLiteral("Prosegui nella divisione"));
    EXPECT_EQ(d.Verdetto().tipo, 5);
    ASSERT_FALSE(d.Passo(7, 1));
    EXPECT_EQ(d.Verdetto(), (MessaggioDaMostrare{QStringLiteral("Ok, il risultato della divisione è un numero periodico, puoi fermarti ..."),
                                                 5, TitoloEsercizio}));
    // Going on is still allowed, but nothing more is stored.
    ASSERT_FALSE(d.Passo(1, 3));
    EXPECT_EQ(d.NumResti(), 7);
    EXPECT_EQ(d.RigaDivisione(), QStringLiteral("1:7=0,1428571"));

    DivisioneLunga sesto(1, 6);   // remainders 1, 4, 4
    PassiGiusti(sesto, 2);
    EXPECT_FALSE(sesto.Periodico());
    PassiGiusti(sesto, 1);
    EXPECT_TRUE(sesto.Periodico());

    // 2/4 is 1/2 in lowest terms: its division must end.
    DivisioneLunga due(2, 4);
    PassiGiusti(due, 1);
    EXPECT_EQ(due.Verdetto().tipo, 1);
}

TEST(DivisioneLunga, CasiLimite)
{
    DivisioneLunga intero(5, 5);
    PassiGiusti(intero, 1);
    EXPECT_EQ(intero.RigaDivisione(), QStringLiteral("5:5=1"));
    EXPECT_TRUE(intero.Finita());

    DivisioneLunga piccola(1, 32000);   // dividends up to 160000
    PassiGiusti(piccola, 9);
    EXPECT_EQ(piccola.RigaDivisione(), QStringLiteral("1:32000=0,00003125"));
    EXPECT_TRUE(piccola.Finita());

    // 1/97 repeats only after 96 remainders; the 100th stored one counts
    // as a period whatever it is.
    DivisioneLunga lunga(1, 97);
    PassiGiusti(lunga, 96);
    EXPECT_FALSE(lunga.Periodico());
    PassiGiusti(lunga, 1);
    EXPECT_TRUE(lunga.Periodico());
    EXPECT_EQ(lunga.RigaDivisione().size(), QStringLiteral("1:97=0,").size() + 96);

    // Remainders above 32000: typed as the plain right digits they pass.
    DivisioneLunga grande(7, 32767);
    PassiGiusti(grande, 1);   // 70:32767, remainder 70
    PassiGiusti(grande, 3);   // 70000:32767 = 2 remainder 4466, ...
    EXPECT_FALSE(grande.RestoEsatto(QStringLiteral("")));
    const int32_t giusto = grande.Dividendo() % 32767;
    EXPECT_TRUE(grande.RestoEsatto(QString::number(giusto)));
    EXPECT_FALSE(grande.RestoEsatto(QString::number(giusto + 1)));
    EXPECT_FALSE(grande.RestoEsatto(QStringLiteral(" ") + QString::number(giusto)));
    DivisioneLunga oltre(32001, 32767);
    PassiGiusti(oltre, 1);   // 32001:32767, q 0, r 32001
    EXPECT_EQ(oltre.Dividendo(), 320010);
    EXPECT_TRUE(DivisioneLunga(32001, 32767).RestoEsatto(QStringLiteral("32001")));
}
