#pragma once
// The prime factor tree: the root is a number, and a click on a composite
// node splits it into two factors (the first time) and folds or unfolds it,
// until every leaf is a prime. The window mirrors these nodes.
#include "logica/MessaggioDaMostrare.h"
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

class AlberoFattori {
public:
    enum class Tipo {
        DivisoriCentrali = 1,   // the largest divisor up to the rounded square root, and its cofactor
        DivisoriEstremi = 2,    // the smallest prime factor, and its cofactor
    };
    static constexpr int ColoreRadice = -1;   // the root keeps the tree's own text colour
    static constexpr int NessunNodo = -1;

    struct Nodo {
        int16_t numero = 0;
        bool primo = false;
        int colore = ColoreRadice;   // palette index of the text
        int genitore = NessunNodo;
        int figli[2] = {NessunNodo, NessunNodo};
        bool aperto = false;
        bool Diviso() const { return figli[0] != NessunNodo; }
    };
    // What a click did, for the window to mirror.
    struct EsitoClic {
        std::optional<MessaggioDaMostrare> messaggio;
        bool diviso = false;   // two children were added
        bool aperto = false;   // the node's state after the click
        QString suono;         // the file to play, empty for none
    };

    // The tree of radice (a term, >= 2) with the root alone, folded, split
    // by the middle divisors.
    explicit AlberoFattori(int16_t radice);

    // The two factors of a composite n >= 4 by the given rule, or nothing
    // for a prime or a number below 4 that cannot be split.
    static std::optional<std::pair<int16_t, int16_t>> Dividi(int16_t n, Tipo tipo);

    Tipo TipoScomposizione() const { return tipo_; }
    // A different rule throws the tree away and leaves the root alone;
    // returns whether that happened.
    bool ImpostaTipo(Tipo tipo);

    const std::vector<Nodo>& Nodi() const { return nodi_; }
    const Nodo& Radice() const { return nodi_.front(); }

    // A click on node i: a prime gives its message and nothing else; a
    // composite is split when it has no children yet, then folded or
    // unfolded with its sound. Numbers below 2 (only a zero term read from
    // a notebook written elsewhere) do nothing.
    EsitoClic Clic(int i);
    // Folds every node: only the root shows. No sound.
    void ComprimiTutto();

    // The tree's font size in points: 9.75 at the start, +2 a zoom in with
    // no limit, -1 a zoom out while the size is at least 8.
    double DimensioneCarattere() const { return dimensione_; }
    void IngrandisciCarattere() { dimensione_ += 2; }
    void RiduciCarattere()
    {
        if (dimensione_ >= 8) dimensione_ -= 1;
    }

private:
    int Aggiungi(int16_t numero, int genitore, int colore);
    void SoloRadice();

    int16_t radice_;
    Tipo tipo_ = Tipo::DivisoriCentrali;
    std::vector<Nodo> nodi_;
    double dimensione_ = 9.75;
};
