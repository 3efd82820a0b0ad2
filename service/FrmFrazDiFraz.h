#pragma once
// "Frazione di frazione": a/b of c/d shown as two grids of d rows by b
// columns; drawn once when the window opens, a snapshot afterwards.
#include "service/Aperture.h"
#include "service/FinestraServizio.h"

class Superficie;

class FrmFrazDiFraz : public FinestraServizio {
    Q_OBJECT
public:
    // Takes a/b from FrazioniFinestre row 9 and c/d from row 10 and draws.
    explicit FrmFrazDiFraz(QWidget* parent = nullptr);

    Superficie* Area() const { return area_; }
    // Side of a square for an image `altezza` pixels high: half the height
    // (rounded half to even) over max(b, d), rounded half to even.
    static int Lato(int altezza, int b, int d);

    QImage Istantanea() override;

private:
    // Size in pixels of the picture: the designed 327 x 272, or more where
    // the grids or the texts under them reach further.
    QSize MisuraDisegno() const;
    // The product "a·c/b·d", in 32 bits.
    QString Risultato() const;
    void Disegna();
    Superficie* area_;
    int16_t a_, b_, colore1_, c_, d_, colore2_;
};
