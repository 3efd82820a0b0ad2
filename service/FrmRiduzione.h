#pragma once
// The lowest-terms window: "n/d =", the coloured prime factors of both
// terms one above the other with a rule between them, and the verdict.
// Drawn once, when it is made; copy, bitmap and print take that drawing.
#include "service/FinestraServizio.h"

class Superficie;

class FrmRiduzione : public FinestraServizio {
    Q_OBJECT
public:
    // num/den: the selected fraction (terms >= 1); mcd: their greatest
    // common divisor, which decides the verdict.
    FrmRiduzione(int16_t num, int16_t den, int16_t mcd);

    Superficie* Area() const { return area_; }
    // Where the longer factor line ends (twips): the rule runs to it, and a
    // copy of the window draws its rule again from it.
    int16_t LarghezzaFigura() const { return larghezzaFigura_; }
    void ImpostaSfondo(const QColor& colore) override;

private:
    Superficie* area_;
    int16_t larghezzaFigura_ = 0;
};
