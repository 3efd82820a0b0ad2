#pragma once
// The long division of N by D, one step at a time: the pupil gives the
// quotient and the remainder of the current division, an accepted step
// writes the quotient digit into the result line and sets up the next
// division with the remainder times ten.
#include "logica/MessaggioDaMostrare.h"
#include <QString>
#include <cstdint>
#include <optional>

class DivisioneLunga {
public:
    // Room for the remainders that are compared to spot a period: once it
    // is full the division counts as periodic and nothing more is stored.
    static constexpr int MaxResti = 100;

    // numeratore >= 0, denominatore >= 1 (a smaller denominator is taken
    // as 1, so that no step can divide by zero).
    DivisioneLunga(int16_t numeratore, int16_t denominatore);

    int16_t Numeratore() const { return num_; }
    int16_t Denominatore() const { return den_; }
    // The dividend of the current division: N at the start, then ten times
    // the last accepted remainder; 0 once the division is finished.
    int32_t Dividendo() const { return dividendo_; }
    bool Finita() const { return dividendo_ == 0; }
    // Whether a step has been accepted yet.
    bool Avviata() const { return virgolaInserita_; }
    bool Periodico() const { return periodico_; }
    int NumResti() const { return numResti_; }
    // "N:D=" followed by the accepted quotients, with a comma after the
    // first one unless N = D ("3:4=0,75").
    const QString& RigaDivisione() const { return riga_; }
    // The divisor part of the current division, ":D=".
    QString Divisore() const;

    // The warning for a step asked after the end, or nothing while the
    // division goes on. The window asks this before it checks the boxes.
    std::optional<MessaggioDaMostrare> AvvisoFinita() const;
    // Whether a remainder typed as plain digits is exactly the right one.
    // Denominators above 32000 can need remainders above 32000, which the
    // usual input check refuses: such a remainder is taken without it.
    bool RestoEsatto(const QString& testo) const;
    // Checks a step (the quotient first); nothing on success, when the
    // state has moved on, else the error to show and nothing changes.
    std::optional<MessaggioDaMostrare> Passo(long long quoziente, long long resto);
    // The verdict of "Controlla"; it changes nothing.
    MessaggioDaMostrare Verdetto() const;

private:
    int16_t num_, den_;
    int32_t dividendo_;
    QString riga_;
    bool virgolaInserita_ = false;
    bool periodico_ = false;
    int32_t resti_[MaxResti + 1] = {};
    int numResti_ = 0;
};
