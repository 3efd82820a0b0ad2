#pragma once
// The three representation windows: the fraction handed over by its opener
// as a segmented bar, a regular polygon cut into equal triangles, or a grid
// of equal squares. Each copies its row of FrazioniFinestre (1, 2, 3) when
// its opener reopens it, and clears and redraws the whole picture whenever
// it is activated or resized, in pixels, unless the picture held is already
// the one that would be drawn.
#include "service/FinestraServizio.h"
#include <QColor>
#include <QSize>
#include <cstdint>
#include <optional>

class Superficie;
class Tela;

// What a representation shows: numerator, denominator and palette colour.
struct FrazioneRappresentata {
    int16_t num = 0, den = 0, colore = 0;
    bool operator==(const FrazioneRappresentata&) const = default;
};

class FinestraRappresentazione : public FinestraServizio {
    Q_OBJECT
public:
    Superficie* Area() const { return area_; }
    const FrazioneRappresentata& Frazione() const { return frazione_; }

    // Takes the row its opener has just written, the background, and
    // redraws.
    void AggiornaSfondoERidisegna() override;
    void ImpostaSfondo(const QColor& colore) override;
    QImage Istantanea() override;
    // Clears and draws the whole picture for the current size, fraction and
    // background; when the picture held is the one last drawn from exactly
    // these, untouched since, it stays as it is.
    void Disegna();

protected:
    // riga: the row of FrazioniFinestre; clientTwip: the design client area
    // (screen twips).
    FinestraRappresentazione(const QString& nome, const QString& titolo, int riga, uint8_t menu,
                             QRect clientTwip);
    virtual void DisegnaFigura() = 0;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

    Superficie* area_;
    FrazioneRappresentata frazione_;

private:
    // What the picture is drawn from, and the picture it left. An opening
    // loads the row, shows the window (Qt resizes it) and activates it:
    // three redraws, of which only the first would change a pixel.
    struct Disegnato {
        QSize dimensione;
        FrazioneRappresentata frazione;
        QColor sfondo;
        qint64 quadro = 0;   // the image's cache key: any change to it changes the key
        bool operator==(const Disegnato&) const = default;
    };
    Disegnato Attuale() const;
    std::optional<Disegnato> disegnato_;
    int riga_;
};

class FrmRapprLineare : public FinestraRappresentazione {
    Q_OBJECT
public:
    FrmRapprLineare();

protected:
    void DisegnaFigura() override;
};

class FrmRapprPoligonale : public FinestraRappresentazione {
    Q_OBJECT
public:
    FrmRapprPoligonale();

protected:
    void DisegnaFigura() override;
};

class FrmRapprRettangolare : public FinestraRappresentazione {
    Q_OBJECT
public:
    FrmRapprRettangolare();

protected:
    void DisegnaFigura() override;
};

// The drawings themselves, on any surface of the given size (pixel scale is
// set here): what the windows draw and what the benchmark times. A
// denominator below 1 draws nothing (a notebook written elsewhere may hold
// one); the surface is cleared first in every case.
void DisegnaRapprLineare(Tela& tela, const FrazioneRappresentata& f);
void DisegnaRapprPoligonaleConTesto(Tela& tela, const FrazioneRappresentata& f);
void DisegnaRapprRettangolare(Tela& tela, const FrazioneRappresentata& f);
// Rows of the rectangular grid: the largest divisor of den not above its
// square root (1 for a prime, 0 for den < 1).
int RigheGriglia(int den);
