// The prime factor tree without its window: splitting rules, folding,
// sounds, the prime's message, the rule change and the zoom steps.
#include "logica/AlberoFattori.h"
#include "AiutiLogica.h"
#include <gtest/gtest.h>

namespace {
using T = AlberoFattori::Tipo;

std::pair<int, int> Figli(const AlberoFattori& a, int i)
{
    const auto& n = a.Nodi()[i];
    return {a.Nodi()[n.figli[0]].numero, a.Nodi()[n.figli[1]].numero};
}
}

TEST(AlberoFattori, RegoleDiDivisione)
{
    for (auto [n, d, q] : {std::tuple{36, 6, 6}, {12, 3, 4}, {35, 5, 7}, {8, 2, 4}, {32, 4, 8}, {32000, 160, 200},
                           {31999, 11, 2909}}) {
        const auto f = AlberoFattori::Dividi(int16_t(n), T::DivisoriCentrali);
        ASSERT_TRUE(f) << n;
        EXPECT_EQ(*f, (std::pair<int16_t, int16_t>(d, q))) << n;
    }
    EXPECT_EQ(*AlberoFattori::Dividi(36, T::DivisoriEstremi), (std::pair<int16_t, int16_t>(2, 18)));
    EXPECT_FALSE(AlberoFattori::Dividi(13, T::DivisoriCentrali));
    EXPECT_FALSE(AlberoFattori::Dividi(0, T::DivisoriEstremi));
}

TEST(AlberoFattori, ClicDivideApreEChiude)
{
    AlberoFattori a(31999);
    auto e = a.Clic(0);
    EXPECT_TRUE(e.diviso);
    EXPECT_TRUE(e.aperto);
    EXPECT_EQ(e.suono, QStringLiteral("clic2.wav"));
    EXPECT_EQ(Figli(a, 0), std::make_pair(11, 2909));
    // 2909 is prime but above 31: black text, red square.
    EXPECT_EQ(a.Nodi()[2].colore, 0);
    EXPECT_TRUE(a.Nodi()[2].primo);
    EXPECT_EQ(a.Nodi()[1].colore, 5);
    EXPECT_EQ(a.Radice().colore, AlberoFattori::ColoreRadice);

    e = a.Clic(0);
    EXPECT_FALSE(e.diviso);
    EXPECT_FALSE(e.aperto);
    EXPECT_EQ(e.suono, QStringLiteral("clic1.wav"));
    EXPECT_EQ(a.Nodi().size(), 3u);

    AlberoFattori primo(13);
    e = primo.Clic(0);
    ASSERT_TRUE(e.messaggio);
    EXPECT_EQ(*e.messaggio, (MessaggioDaMostrare{QStringLiteral("13 è un numero primo, non è possibile esprimerlo come prodotto di due numeri interi minori di 13"),
                                                 2, QStringLiteral("Scomponi in fattori primi")}));
    EXPECT_TRUE(e.suono.isEmpty());
    EXPECT_FALSE(primo.Radice().aperto);

    // The full unfolding of 32000 = 2^8 x 5^3: eleven prime leaves.
    AlberoFattori tutto(32000);
    for (size_t i = 0; i < tutto.Nodi().size(); ++i)
        if (!tutto.Nodi()[i].primo) tutto.Clic(int(i));
    int foglie = 0;
    for (const auto& n : tutto.Nodi()) foglie += n.primo;
    EXPECT_EQ(foglie, 11);
    EXPECT_EQ(tutto.Nodi().size(), 21u);
    tutto.ComprimiTutto();
    for (const auto& n : tutto.Nodi()) EXPECT_FALSE(n.aperto);
}

TEST(AlberoFattori, CambioDiRegolaEZoom)
{
    AlberoFattori a(36);
    a.Clic(0);
    EXPECT_FALSE(a.ImpostaTipo(T::DivisoriCentrali));
    EXPECT_EQ(a.Nodi().size(), 3u);
    EXPECT_TRUE(a.ImpostaTipo(T::DivisoriEstremi));
    ASSERT_EQ(a.Nodi().size(), 1u);
    a.Clic(0);
    EXPECT_EQ(Figli(a, 0), std::make_pair(2, 18));

    for (int i = 0; i < 5; ++i) a.RiduciCarattere();
    EXPECT_DOUBLE_EQ(a.DimensioneCarattere(), 7.75);
    a.IngrandisciCarattere();
    a.IngrandisciCarattere();
    EXPECT_DOUBLE_EQ(a.DimensioneCarattere(), 11.75);
}
