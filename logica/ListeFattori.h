#pragma once
// The factor-list exercises: the pupil splits two numbers into primes, one
// prime button per move, and gathers in a third list the prime factors of
// a target: the greatest common divisor of a fraction's terms, or the least
// common denominator of two fractions. One class serves both; the kind
// chosen at construction gives the target, the titles and the texts.
#include "logica/MessaggioDaMostrare.h"
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class ListeFattori {
public:
    enum class Esercizio {
        FattoriComuni,        // numerator, denominator, common factors (MCD)
        DenominatoreComune,   // first denominator, second denominator, lcd
    };
    // The primes of the twelve buttons, button 1 first.
    static constexpr std::array<int16_t, 12> Primi{2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};

    // One list: its start value, the factors taken in order and what is left.
    // A list grows as needed (an lcd can have 23 prime factors).
    struct Lista {
        int32_t inizio = 0;
        std::vector<int16_t> fattori;
        int32_t resto = 0;
    };
    // A piece of a list's line in its palette colour.
    struct Pezzo {
        QString testo;
        int colore = 0;
        bool operator==(const Pezzo&) const = default;
    };

    // a, b: the two terms (>= 1; the denominators for the lcd). aCapo: the
    // program's line break, used by the one two-line text.
    ListeFattori(Esercizio esercizio, int32_t a, int32_t b, const QString& aCapo);

    Esercizio Tipo() const { return esercizio_; }
    // The window's caption, also the title of the third list and the verdict.
    QString Titolo() const;
    // The title of the messages of list 1 or 2.
    QString TitoloLista(int lista) const;
    // What the third list must multiply to.
    int32_t Obiettivo() const { return obiettivo_; }

    // Back to the start: list 1 active, no factors.
    void Ricomincia();
    int SezioneAttiva() const { return attiva_; }
    // 1, 2 or 3; any other value is ignored.
    void ScegliLista(int lista);
    // The next list, 1 -> 2 -> 3 -> 1.
    void Avanti();
    const Lista& DatiLista(int lista) const { return liste_[Indice(lista)]; }
    // Lists 1 and 2: the remainder is 1 (or less), or a prime after a move.
    bool Completa(int lista) const;

    // The move of button k (1..12) on the active list: nothing when the
    // prime was taken, else the error to show (the lists do not change).
    std::optional<MessaggioDaMostrare> Premi(int bottone);
    // The verdict of "Controlla"; it changes nothing.
    MessaggioDaMostrare Verdetto() const;
    // A list's line: lists 1 and 2 "12=2x2x3" (the remainder, when 2 or
    // more, in its prime colour or dark grey), list 3 only the factors.
    std::vector<Pezzo> Riga(int lista) const;

private:
    static int Indice(int lista) { return lista >= 1 && lista <= 3 ? lista - 1 : 0; }
    std::optional<MessaggioDaMostrare> PremiSuTermine(int lista, int16_t p);
    std::optional<MessaggioDaMostrare> PremiSuTerza(int16_t p);

    Esercizio esercizio_;
    int32_t a_, b_, obiettivo_;
    QString aCapo_;
    int attiva_ = 1;
    std::array<Lista, 3> liste_;
};
