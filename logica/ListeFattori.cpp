#include "logica/ListeFattori.h"
#include "platform/Numeri.h"
#include "logica/Aritmetica.h"
#include <QStringList>
#include <algorithm>

namespace {
constexpr int Nero = 0, GrigioScuro = 8;

// Only terms up to 32767 reach the prime test: the first two lists start
// from 16-bit terms.
bool Primo(int32_t n) { return n >= 2 && n <= INT16_MAX && VerificaPrimo(int16_t(n)); }
int ColorePrimo(int32_t n) { return n <= INT16_MAX ? TrovaColorePrimo(int16_t(n)) : Nero; }
}

ListeFattori::ListeFattori(Esercizio esercizio, int32_t a, int32_t b, const QString& aCapo)
    : esercizio_(esercizio), a_(a), b_(b), aCapo_(aCapo)
{
    if (esercizio_ == Esercizio::FattoriComuni) {
        obiettivo_ = CalcolaMCD(int16_t(a_), int16_t(b_));
    } else {
        // At most 32767 x 32767: the product fits 32 bits.
        const int32_t mcd = CalcolaMCDLungo(a_, b_);
        obiettivo_ = mcd > 0 ? int32_t((int64_t(a_) * b_) / mcd) : 0;
    }
    Ricomincia();
}

QString ListeFattori::Titolo() const
{
    return esercizio_ == Esercizio::FattoriComuni ? QStringLiteral("Trova il MCD di numeratore e denominatore")
                                                  : QStringLiteral("Riduci al minimo comun denominatore");
}

QString ListeFattori::TitoloLista(int lista) const
{
    if (esercizio_ == Esercizio::FattoriComuni)
        return lista == 1 ? QStringLiteral("Fattori primi del numeratore") : QStringLiteral("Fattori primi del denominatore");
    return lista == 1 ? QStringLiteral("Fattori primi del primo denominatore")
                      : QStringLiteral("Fattori primi del secondo denominatore");
}

void ListeFattori::Ricomincia()
{
    const int32_t inizi[3] = {a_, b_, obiettivo_};
    for (int i = 0; i < 3; ++i) {
        liste_[i].inizio = inizi[i];
        liste_[i].resto = inizi[i];
        liste_[i].fattori.clear();
    }
    attiva_ = 1;
}

void ListeFattori::ScegliLista(int lista)
{
    if (lista >= 1 && lista <= 3) attiva_ = lista;
}

void ListeFattori::Avanti() { attiva_ = attiva_ % 3 + 1; }

bool ListeFattori::Completa(int lista) const
{
    const Lista& l = DatiLista(lista);
    return l.resto <= 1 || (Primo(l.resto) && !l.fattori.empty());
}

std::optional<MessaggioDaMostrare> ListeFattori::Premi(int bottone)
{
    if (bottone < 1 || bottone > int(Primi.size())) return std::nullopt;
    const int16_t p = Primi[bottone - 1];
    return attiva_ == 3 ? PremiSuTerza(p) : PremiSuTermine(attiva_, p);
}

std::optional<MessaggioDaMostrare> ListeFattori::PremiSuTermine(int lista, int16_t p)
{
    Lista& l = liste_[Indice(lista)];
    const QString titolo = TitoloLista(lista);
    // A term of 0 (only a notebook written elsewhere can hold one) has no
    // factorisation either.
    if (l.inizio <= 1) return MessaggioDaMostrare{QStringLiteral("Non esistono fattori primi"), 1, titolo};
    if (Completa(lista)) return MessaggioDaMostrare{QStringLiteral("Scomposizione terminata"), 1, titolo};
    if (l.resto % p != 0)
        return MessaggioDaMostrare{CStr(p) + QStringLiteral(" non è un divisore di ") + CStr(l.resto), 1, titolo};
    l.fattori.push_back(p);
    l.resto /= p;
    return std::nullopt;
}

std::optional<MessaggioDaMostrare> ListeFattori::PremiSuTerza(int16_t p)
{
    Lista& l = liste_[2];
    const QString titolo = Titolo();
    const bool mcd = esercizio_ == Esercizio::FattoriComuni;
    if (mcd && a_ == 1)
        return MessaggioDaMostrare{QStringLiteral("Non esistono fattori primi comuni: ") + aCapo_ +
                                       QStringLiteral("la frazione è ridotta ai minimi termini"),
                                   1, titolo};
    if (!mcd && a_ == 1 && b_ == 1)
        return MessaggioDaMostrare{QStringLiteral("Non esistono fattori primi del minimo comun denominatore"), 1, titolo};
    if (l.resto == 1) {
        if (l.fattori.empty() && mcd)
            return MessaggioDaMostrare{QStringLiteral("Non esistono fattori primi comuni: ") +
                                           QStringLiteral("la frazione è ridotta ai minimi termini"),
                                       1, titolo};
        if (!l.fattori.empty())
            return MessaggioDaMostrare{mcd ? QStringLiteral("Non esistono altri fattori primi comuni")
                                           : QStringLiteral("Non esistono altri fattori primi del minimo comun denominatore"),
                                       1, titolo};
    }
    if (l.resto % p != 0) {
        // The power of p the move asks for: p once more than list 3 holds it.
        const auto volte = std::count(l.fattori.begin(), l.fattori.end(), p) + 1;
        QStringList potenza;
        for (qsizetype i = 0; i < volte; ++i) potenza << CStr(p);
        return MessaggioDaMostrare{potenza.join(QLatin1Char('x')) +
                                       (mcd ? QStringLiteral(" non è un fattore comune ")
                                            : QStringLiteral(" non è un fattore del minimo comun denominatore")),
                                   1, titolo};
    }
    l.fattori.push_back(p);
    l.resto /= p;
    return std::nullopt;
}

MessaggioDaMostrare ListeFattori::Verdetto() const
{
    const QString titolo = Titolo();
    const bool mcd = esercizio_ == Esercizio::FattoriComuni;
    if (!Completa(1))
        return {mcd ? QStringLiteral("Non hai determinato tutti i fattori primi del numeratore")
                    : QStringLiteral("Non hai determinato tutti i fattori primi del primo denominatore"),
                1, titolo};
    if (!Completa(2))
        return {mcd ? QStringLiteral("Non hai determinato tutti i fattori primi del denominatore")
                    : QStringLiteral("Non hai determinato tutti i fattori primi del secondo denominatore"),
                1, titolo};
    int64_t prodotto = 1;
    for (int16_t f : liste_[2].fattori) prodotto *= f;
    if (prodotto != obiettivo_)
        return {mcd ? QStringLiteral("Non hai determinato tutti i fattori primi comuni")
                    : QStringLiteral("Non hai determinato tutti i fattori primi del minimo comun denominatore"),
                1, titolo};
    if (liste_[2].fattori.empty())
        return {mcd ? QStringLiteral("Ok, non ci sono fattori primi comuni: il MCD è 1")
                    : QStringLiteral("Ok, il minimo comun denominatore è 1"),
                5, titolo};
    return {mcd ? QStringLiteral("Ok, hai determinato tutti i fattori primi comuni")
                : QStringLiteral("Ok, hai determinato il minimo comun denominatore"),
            5, titolo};
}

std::vector<ListeFattori::Pezzo> ListeFattori::Riga(int lista) const
{
    const Lista& l = DatiLista(lista);
    std::vector<Pezzo> riga;
    const bool termine = lista != 3;
    if (termine) riga.push_back({CStr(l.inizio) + QLatin1Char('='), Nero});
    for (size_t i = 0; i < l.fattori.size(); ++i) {
        if (i > 0) riga.push_back({QStringLiteral("x"), Nero});
        riga.push_back({CStr(l.fattori[i]), ColorePrimo(l.fattori[i])});
    }
    // Before the first move a term shows only "12=".
    if (termine && l.resto >= 2 && !l.fattori.empty()) {
        riga.push_back({QStringLiteral("x"), Nero});
        riga.push_back({CStr(l.resto), Primo(l.resto) ? ColorePrimo(l.resto) : GrigioScuro});
    }
    return riga;
}
