// The factor-list exercises without their windows: moves, texts, kinds and
// the verdicts of the common-factor and the common-denominator exercise.
#include "logica/ListeFattori.h"
#include "AiutiLogica.h"
#include <gtest/gtest.h>
#include <initializer_list>

namespace {
using E = ListeFattori::Esercizio;
const QString ACapo = QStringLiteral("\r\n");
const QString TitoloMcd = QStringLiteral("Trova il MCD di numeratore e denominatore");
const QString TitoloMcm = QStringLiteral("Riduci al minimo comun denominatore");

int Bottone(int primo)
{
    for (size_t k = 0; k < ListeFattori::Primi.size(); ++k)
        if (ListeFattori::Primi[k] == primo) return int(k) + 1;
    return 0;
}

// Presses the primes on the active list; each must be accepted.
void Prendi(ListeFattori& l, std::initializer_list<int> primi)
{
    for (int p : primi) ASSERT_FALSE(l.Premi(Bottone(p))) << p;
}

std::optional<MessaggioDaMostrare> Premi(ListeFattori& l, int primo) { return l.Premi(Bottone(primo)); }

QString Testo(const std::vector<ListeFattori::Pezzo>& riga)
{
    QString s;
    for (const auto& p : riga) s += p.testo;
    return s;
}
}

TEST(ListeFattori, DodiciDiciotto)
{
    ListeFattori l(E::FattoriComuni, 12, 18, ACapo);
    EXPECT_EQ(Testo(l.Riga(1)), QStringLiteral("12="));
    EXPECT_EQ(Premi(l, 5), (MessaggioDaMostrare{QStringLiteral("5 non è un divisore di 12"), 1,
                                                QStringLiteral("Fattori primi del numeratore")}));
    Prendi(l, {2});
    EXPECT_EQ(l.Riga(1), (std::vector<ListeFattori::Pezzo>{{"12=", 0}, {"2", 12}, {"x", 0}, {"6", 8}}));
    Prendi(l, {2});
    EXPECT_EQ(l.Riga(1).back(), (ListeFattori::Pezzo{"3", 1}));
    EXPECT_EQ(Testo(l.Riga(1)), QStringLiteral("12=2x2x3"));
    EXPECT_EQ(Premi(l, 3), (MessaggioDaMostrare{QStringLiteral("Scomposizione terminata"), 1,
                                                QStringLiteral("Fattori primi del numeratore")}));
    EXPECT_EQ(l.Verdetto().testo, QStringLiteral("Non hai determinato tutti i fattori primi del denominatore"));

    l.Avanti();
    l.Avanti();
    ASSERT_EQ(l.SezioneAttiva(), 3);
    Prendi(l, {2});
    EXPECT_EQ(Premi(l, 2), (MessaggioDaMostrare{QStringLiteral("2x2 non è un fattore comune "), 1, TitoloMcd}));
    Prendi(l, {3});
    EXPECT_EQ(Testo(l.Riga(3)), QStringLiteral("2x3"));
    EXPECT_EQ(Premi(l, 7)->testo, QStringLiteral("Non esistono altri fattori primi comuni"));

    l.ScegliLista(2);
    Prendi(l, {2, 3});
    EXPECT_EQ(Testo(l.Riga(2)), QStringLiteral("18=2x3x3"));
    EXPECT_EQ(l.Verdetto(), (MessaggioDaMostrare{QStringLiteral("Ok, hai determinato tutti i fattori primi comuni"), 5, TitoloMcd}));

    l.Ricomincia();
    EXPECT_EQ(l.SezioneAttiva(), 1);
    EXPECT_TRUE(l.DatiLista(3).fattori.empty());
    EXPECT_EQ(l.DatiLista(1).resto, 12);
    EXPECT_EQ(l.Verdetto().testo, QStringLiteral("Non hai determinato tutti i fattori primi del numeratore"));
}

TEST(ListeFattori, FrazioniRidotteENumeratoreUno)
{
    ListeFattori quattroNoni(E::FattoriComuni, 4, 9, ACapo);
    quattroNoni.ScegliLista(3);
    EXPECT_EQ(Premi(quattroNoni, 2)->testo,
              QStringLiteral("Non esistono fattori primi comuni: la frazione è ridotta ai minimi termini"));

    ListeFattori unQuinto(E::FattoriComuni, 1, 5, ACapo);
    EXPECT_EQ(Premi(unQuinto, 2)->testo, QStringLiteral("Non esistono fattori primi"));
    unQuinto.ScegliLista(3);
    EXPECT_EQ(Premi(unQuinto, 5), (MessaggioDaMostrare{QStringLiteral("Non esistono fattori primi comuni: \r\nla frazione è ridotta ai minimi termini"),
                                                      1, TitoloMcd}));
    unQuinto.ScegliLista(2);
    Prendi(unQuinto, {5});
    EXPECT_EQ(Testo(unQuinto.Riga(2)), QStringLiteral("5=5"));
    EXPECT_EQ(unQuinto.Verdetto(), (MessaggioDaMostrare{QStringLiteral("Ok, non ci sono fattori primi comuni: il MCD è 1"), 5, TitoloMcd}));

    // A prime term needs its own press; a prime remainder above 37 ends the
    // list by itself, a prime term above 37 never does.
    ListeFattori primi(E::FattoriComuni, 7, 86, ACapo);
    EXPECT_FALSE(primi.Completa(1));
    Prendi(primi, {7});
    EXPECT_TRUE(primi.Completa(1));
    primi.Avanti();
    Prendi(primi, {2});
    EXPECT_TRUE(primi.Completa(2));
    EXPECT_EQ(Testo(primi.Riga(2)), QStringLiteral("86=2x43"));
    ListeFattori grande(E::FattoriComuni, 41, 82, ACapo);
    grande.ScegliLista(3);
    EXPECT_EQ(Premi(grande, 37)->testo, QStringLiteral("37 non è un fattore comune "));
    EXPECT_FALSE(grande.Completa(1));
}

TEST(ListeFattori, MinimoComunDenominatore)
{
    ListeFattori l(E::DenominatoreComune, 4, 6, ACapo);
    EXPECT_EQ(l.Obiettivo(), 12);
    EXPECT_EQ(Premi(l, 3)->titolo, QStringLiteral("Fattori primi del primo denominatore"));
    l.ScegliLista(3);
    Prendi(l, {2, 2});
    EXPECT_EQ(Premi(l, 2), (MessaggioDaMostrare{QStringLiteral("2x2x2 non è un fattore del minimo comun denominatore"), 1, TitoloMcm}));
    Prendi(l, {3});
    EXPECT_EQ(Premi(l, 5)->testo, QStringLiteral("Non esistono altri fattori primi del minimo comun denominatore"));
    EXPECT_EQ(l.Verdetto().testo, QStringLiteral("Non hai determinato tutti i fattori primi del primo denominatore"));

    ListeFattori uno(E::DenominatoreComune, 1, 1, ACapo);
    uno.ScegliLista(3);
    EXPECT_EQ(Premi(uno, 2)->testo, QStringLiteral("Non esistono fattori primi del minimo comun denominatore"));
    EXPECT_EQ(uno.Verdetto(), (MessaggioDaMostrare{QStringLiteral("Ok, il minimo comun denominatore è 1"), 5, TitoloMcm}));

    // Beyond 16 bits, and past twenty factors: 16384 x 19683 has 23.
    for (auto [a, b, fattori] : {std::tuple{256, 243, 13}, std::tuple{16384, 19683, 23}}) {
        ListeFattori g(E::DenominatoreComune, a, b, ACapo);
        for (int volte = 0; volte < 14; ++volte) (void)Premi(g, 2);
        g.Avanti();
        for (int volte = 0; volte < 9; ++volte) (void)Premi(g, 3);
        g.Avanti();
        while (!Premi(g, 2)) {}
        while (!Premi(g, 3)) {}
        EXPECT_EQ(int(g.DatiLista(3).fattori.size()), fattori);
        EXPECT_EQ(g.Verdetto(), (MessaggioDaMostrare{QStringLiteral("Ok, hai determinato il minimo comun denominatore"), 5, TitoloMcm}))
            << a << " " << b;
    }
}
