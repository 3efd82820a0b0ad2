#pragma once
// The bar chart of the selected fractions: where each bar lies in a drawing
// area of W x H pixels, which bar is under the pointer, and what the hover
// label says and where it goes. Drawing and hit test share one box per bar,
// so the label never names a bar other than the one drawn under the pointer.
#include <QPoint>
#include <QString>
#include <cstdint>
#include <vector>

// One bar: the fraction's terms and its palette colour (0..15).
struct BarraIstogramma {
    int16_t num = 0;
    int16_t den = 1;
    int16_t colore = 0;
};

// A bar's box in pixels of the drawing area: columns sinistra..destra,
// from the top alto (not rounded) down to basso, both ends included.
struct ScatolaBarra {
    int sinistra = 0;
    int destra = 0;
    float alto = 0;
    int basso = 0;
};

class GeometriaIstogramma {
public:
    // W x H: the inner size of the drawing area; barre: 1..64 bars.
    GeometriaIstogramma(int larghezza, int altezza, std::vector<BarraIstogramma> barre);

    int Larghezza() const { return larghezza_; }
    int Altezza() const { return altezza_; }
    // The gap before each bar, W / (3n) rounded half to even, and the width
    // that the remaining room leaves to each bar.
    int Spazio() const { return spazio_; }
    int LarghBarra() const { return larghBarra_; }
    const std::vector<BarraIstogramma>& Barre() const { return barre_; }

    // The box of bar j (0-based). The top is H - H·v with v the value in
    // single precision, so a value of 1 reaches the top edge.
    ScatolaBarra Scatola(int j) const;
    // The first bar strictly inside whose box (x, y) lies, or -1: an edge,
    // a gap or the room above a bar is outside.
    int BarraSotto(int x, int y) const;

    // The hover label's top-left corner for the pointer at (x, y): 10 px
    // to the right while x < 100, else from 30 px to the left; 20 px above.
    static QPoint PosizioneEtichetta(int x, int y);
    // " 3/8  ": the numerator with its leading blank, "/", the denominator,
    // two blanks.
    static QString TestoEtichetta(const BarraIstogramma& barra);

private:
    int larghezza_;
    int altezza_;
    int spazio_ = 0;
    int larghBarra_ = 0;
    std::vector<BarraIstogramma> barre_;
};
