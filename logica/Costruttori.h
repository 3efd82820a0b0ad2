#pragma once
// What the three fraction builders (pie, grid, bar) share without a window:
// the fraction being built with its four arrow buttons, and the measures of
// the grid and of the bar previews. All lengths are pixels.
#include <cstdint>

enum class TastoCostruttore { NumPiu, NumMeno, DenPiu, DenMeno };

// The fraction being built: always 0 <= NumFraz <= DenFraz and DenFraz >= 1,
// so it is never improper. It starts as 0/1.
class StatoCostruttore {
public:
    struct Esito {
        bool clic = false;        // the click sound plays
        bool ridisegna = false;   // the preview and the caption are drawn again
    };
    // One press of a button:
    // - the numerator's buttons step NumFraz within 0..DenFraz;
    // - the denominator's buttons step DenFraz (not below 1) and start the
    //   numerator again from 0;
    // - the denominator's minus button at 1 only resets the numerator and
    //   redraws 0/1, without sound;
    // - the denominator's plus button at 32767 does nothing (one more would
    //   not fit in 16 bits).
    // A button that cannot act changes nothing, plays nothing, redraws
    // nothing.
    Esito Premi(TastoCostruttore tasto);

    int16_t NumFraz() const { return num_; }
    int16_t DenFraz() const { return den_; }

private:
    int16_t num_ = 0;
    int16_t den_ = 1;
};

// The grid of d cells: as many rows as the largest divisor of d not above
// its square root, d / rows columns, square cells whose side fits the
// columns into `altezza` pixels (rounded half to even; 0 when they do not
// fit at all). d = 12 gives 3 rows of 4; a prime d one row of d.
struct MisureGriglia {
    int righe = 1;
    int colonne = 1;
    int16_t lato = 0;
};
MisureGriglia CalcolaGriglia(int d, int altezza);

// The length of one of d segments of a bar of `lunghezza` pixels, rounded
// down (0 once d exceeds the length); 0 for d < 1.
int PassoBarra(int lunghezza, int d);
