#pragma once
// The three "Aggiungi" dialogs that build a proper fraction with four arrow
// buttons over a preview: FrmFrazione1 (a pie), FrmFrazione2 (a grid of
// squares), FrmFrazione3 (a segmented bar). They share the state machine
// of logica/Costruttori.h and the caption "n/d" (n in the current colour,
// "/d" in black); OK adds the fraction to the active sheet through the add
// protocol. Each dialog draws in pixels on a surface that covers its client
// area, and draws 0/1 before it is first shown.
#include "logica/Costruttori.h"
#include <QDialog>
#include <cstdint>

class QGroupBox;
class QPushButton;
class Superficie;
class Tela;

class FrmCostruttore : public QDialog {
    Q_OBJECT
public:
    QGroupBox* Frame1() const { return frame1_; }   // " Denominatore"
    QGroupBox* Frame2() const { return frame2_; }   // " Numeratore "
    QPushButton* CmdDenumMeno() const { return cmdDenumMeno_; }
    QPushButton* CmdDenumPiu() const { return cmdDenumPiu_; }
    QPushButton* CmdNumMeno() const { return cmdNumMeno_; }
    QPushButton* CmdNumPiu() const { return cmdNumPiu_; }
    QPushButton* CmdOk() const { return cmdOk_; }
    QPushButton* CmdAnnulla() const { return cmdAnnulla_; }
    // The window's own drawing (client area, pixels).
    Superficie* Area() const { return area_; }

    int16_t NumFraz() const { return stato_.NumFraz(); }
    int16_t DenFraz() const { return stato_.DenFraz(); }

    void CmdNumPiu_Click() { Premi(TastoCostruttore::NumPiu); }
    void CmdNumMeno_Click() { Premi(TastoCostruttore::NumMeno); }
    void CmdDenumPiu_Click() { Premi(TastoCostruttore::DenPiu); }
    void CmdDenumMeno_Click() { Premi(TastoCostruttore::DenMeno); }
    // 0 closes without adding; otherwise the fraction goes to the active
    // sheet (FoglioAttivo) and the dialog closes, unless the sheet is full:
    // then the warning, and the dialog stays open as it was.
    void CmdOk_Click();
    void CmdAnnulla_Click() { reject(); }

protected:
    // Where the controls are, in twips of the client area.
    struct Disegno {
        int larghezza, altezza;
        QRect frame1, frame2, ok, annulla;
    };
    FrmCostruttore(const QString& nome, const Disegno& disegno, QWidget* parent);

    // The preview after the denominator changed, and after the numerator
    // changed: each draws its caption too.
    virtual void DisegnaDopoDenominatore() = 0;
    virtual void DisegnaDopoNumeratore() = 0;
    // Prints the caption at (x, y) of t in the dialog's font.
    void StampaDidascalia(Tela& t, double x, double y) const;
    // Client size, pixels.
    int W() const { return width(); }
    int H() const { return height(); }

    void keyPressEvent(QKeyEvent* e) override;

    StatoCostruttore stato_;

private:
    void Premi(TastoCostruttore tasto);

    Superficie* area_;
    QGroupBox* frame1_;
    QGroupBox* frame2_;
    QPushButton* cmdDenumMeno_;
    QPushButton* cmdDenumPiu_;
    QPushButton* cmdNumMeno_;
    QPushButton* cmdNumPiu_;
    QPushButton* cmdOk_;
    QPushButton* cmdAnnulla_;
};

// The pie: grey disc of radius 100 centred at (W / 2 − 40, H / 2 + 30),
// the sector of the fraction in the current colour, a white radius at each
// unit fraction up to 64. Focus at start on OK.
class FrmFrazione1 : public FrmCostruttore {
    Q_OBJECT
public:
    explicit FrmFrazione1(QWidget* parent = nullptr);
    // Over the main window when there is one (see Unica).
    static FrmFrazione1* CreaUnica(int);
    // Clears the window and draws the pie of m/n, then the caption.
    void FrazMsuN(int16_t m, int16_t n);

protected:
    void DisegnaDopoDenominatore() override;
    void DisegnaDopoNumeratore() override;
};

// The grid: DenFraz squares in rows (logica CalcolaGriglia) fitted into
// AltezzaArea − 30 pixels, the first NumFraz row by row in the current
// colour; the caption in Picture1. Focus at start on CmdDenumPiù.
class FrmFrazione2 : public FrmCostruttore {
    Q_OBJECT
public:
    explicit FrmFrazione2(QWidget* parent = nullptr);
    // Over the main window when there is one (see Unica).
    static FrmFrazione2* CreaUnica(int);
    Superficie* Picture1() const { return picture1_; }
    int16_t AltezzaArea() const { return altezzaArea_; }
    // The empty grey grid of DenFraz cells with its white lines.
    void DisegnaGriglia();
    // Every cell again, the first NumFraz coloured.
    void ColoraCelle();

protected:
    void DisegnaDopoDenominatore() override;
    void DisegnaDopoNumeratore() override;

private:
    void Didascalia();
    Superficie* picture1_;
    int16_t altezzaArea_;
};

// The bar from XInizio to XFine between YAlto and YBasso, cut into DenFraz
// whole segments, the first NumFraz in the current colour; caption at
// (50, 100). Focus at start on CmdDenumPiù.
class FrmFrazione3 : public FrmCostruttore {
    Q_OBJECT
public:
    explicit FrmFrazione3(QWidget* parent = nullptr);
    // Over the main window when there is one (see Unica).
    static FrmFrazione3* CreaUnica(int);
    static constexpr int XInizio = 10, YAlto = 80, YBasso = 88;
    int XFine() const { return xFine_; }

protected:
    void DisegnaDopoDenominatore() override { Disegna(); }
    void DisegnaDopoNumeratore() override { Disegna(); }

private:
    void Disegna();
    int xFine_;
};

// The builder open now (any of the three, each a single instance through
// Unica), else null.
FrmCostruttore* FrmCostruttoreAperto();

// The three commands (also declared in commands/Comandi.h): each shows its
// dialog top-most, centred on the screen, modally.
void AggiungiFrazioneTorta();
void AggiungiFrazioneRettangolo();
void AggiungiFrazioneLinea();
