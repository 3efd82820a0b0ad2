#pragma once
// The two sheet windows (sheet A = Form1, sheet B = Form2) and the module
// procedures that draw a sheet, outline its selection and keep its scroll
// bar and its sum label on the main window up to date. Sheet s: 1 = A,
// anything else = B. All lengths are twips unless said otherwise.
#include "logica/GeometriaFoglio.h"
#include "platform/Superficie.h"
#include "platform/Unica.h"
#include <QMdiSubWindow>
#include <QPixmap>
#include <cstdint>

class QLabel;
class QScrollBar;
class FrmFoglio;

// ---------------------------------------------------------------------------
// Module procedures (callable whether the window is shown or hidden; a sheet
// window that is not loaded yet is loaded, hidden, on first use).

// Draws pie i of sheet s at its place in the grid; nothing while the sheet
// has no columns, no fractions, or i is outside 1..count.
void DisegnaTortaFoglio(uint8_t s, int i);
// Clears the sheet in its background colour (ColoreSfondoFoglio), draws
// every pie, hides the hover label, updates the sum.
void RidisegnaFoglio(uint8_t s);
// Draws the blue box around every selected pie (adds boxes only).
void EvidenziaSelezionate(uint8_t s);
// Enables the scroll bar when the pies do not all fit, else disables it and
// scrolls back to the top.
void AggiornaScorrimento(uint8_t s);
// Sum label and lowest-terms image of sheet s on the main window.
void AggiornaSommaFoglio(uint8_t s);
// Draws one fraction alone into FrmRitagliaImmagine().Picture1 (radius and
// tint of the active sheet).
void DisegnaTortaImmagine(int16_t num, int16_t den, int16_t colore);
// The pie of a fraction and its variants: the sheet's, the split-in-two
// dialog's and the pie builder's differ in the grey under the sector, in the
// smallest value still drawn as a sector (at or below it only a white radius
// line is drawn; negative: any value above 0 is a sector) and in whether a
// denominator 1 colours the whole disc even for 0/1.
struct VarianteTorta {
    QColor grigio;
    double soglia;
    bool unoSempreColorato;
};
VarianteTorta VarianteFoglio();
VarianteTorta VarianteSeparaDue();
VarianteTorta VarianteCostruttore();
// Draws num/den centred at (x, y) with radius R in the target's units: the
// grey disc with a white rim, the coloured sector from 3 o'clock counter-
// clockwise, a white radius at each unit fraction up to 64, and the caption
// "num/den" at the current font under the pie when valori is true.
void DisegnaTorta(Tela& t, int x, int y, int R, int num, int den, int colore, bool valori,
                  const VarianteTorta& v = VarianteFoglio());

// The current geometry of sheet s from the shared state.
GeometriaFoglio GeometriaDelFoglio(uint8_t s);

// Background colour of sheet s now: its tint, or white while the white-sheets
// option is on.
QColor ColoreSfondoFoglio(uint8_t s);
// Gives a loaded sheet the background colour of ColoreSfondoFoglio at once
// (RidisegnaFoglio does it by itself before clearing the sheet).
void ApplicaSfondoFoglio(uint8_t s);

// The two pictures of the lowest-terms image (reduced, not reduced).
QPixmap IconaRidotta();
QPixmap IconaNonRidotta();

// ---------------------------------------------------------------------------
// The sheet windows.

// The two sheet windows, each a single instance of its own
// (Unica<FrmFoglio, 1> for A, Unica<FrmFoglio, 2> for B), reached by the
// sheet's number s (1 = A, anything else = B).
struct Fogli {
    // The window if loaded, else null (never creates it).
    static FrmFoglio* SeEsiste(uint8_t s);
    // The window, created (hidden, registered for tiling in the main
    // window) on first use.
    static FrmFoglio* Istanza(uint8_t s);
};
bool FoglioCaricato(uint8_t s);
// Loaded and not hidden.
bool FoglioVisibile(uint8_t s);
// Loads the sheet if needed, shows it and activates it (the activation runs
// at once, even while the main window is not on the screen yet). It does not
// touch Toolbar2 nor tile: the caller does.
void MostraFoglio(uint8_t s);
// Hides the sheet (Toolbar2 release); it stays loaded with all its state.
// Always hide a sheet through this, not with hide(), so that showing it
// again counts as an activation.
void NascondiFoglio(uint8_t s);
// Closes the sheet as its close box does: hides it unless InChiusura, in
// which case it really unloads.
void ChiudiFoglio(uint8_t s);

class FrmFoglio : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit FrmFoglio(uint8_t s, QWidget* parent = nullptr);
    ~FrmFoglio() override;

    // Builds sheet n (1 A, 2 B) in the main window (see Unica).
    static FrmFoglio* CreaUnica(int n);

    uint8_t NumeroFoglio() const { return s_; }
    // The drawing area (client area, twips; the window's BackColor, ForeColor
    // and Font for the captions are those of this surface).
    Superficie* Area() const;
    QScrollBar* VScroll1() const { return vscroll_; }
    QLabel* LabelServizio() const { return label_; }

    int16_t FrazioneSotto = 0;
    int16_t FrazioneAncora = 0;

    // Outer size in twips (frame included), inner size in twips.
    int LarghezzaEsterna() const;
    int AltezzaEsterna() const;
    int LarghezzaInterna() const;
    int AltezzaInterna() const;

    // Event handlers (X, Y in twips of the client area).
    void Form_Activate();
    void Form_Deactivate();
    void Form_Resize();
    void Form_MouseMove(Qt::MouseButtons bottoni, double X, double Y);
    void Form_MouseDown(Qt::MouseButton bottone, Qt::KeyboardModifiers tasti, double X, double Y);
    void VScroll1_Change();

protected:
    void closeEvent(QCloseEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    class AreaFoglio;
    void ImpostaMassimoScorrimento();
    // Shows the hover label with the given text at (X, Y), twips.
    void MostraEtichetta(const QString& testo, double X, double Y);
    uint8_t s_;
    AreaFoglio* area_ = nullptr;
    QScrollBar* vscroll_ = nullptr;
    QLabel* label_ = nullptr;
    // Hidden on purpose (closed, or its Toolbar2 button released) since it
    // was last on the screen.
    bool nascostoApposta_ = false;
    friend void AggiornaScorrimento(uint8_t s);
};

// ---------------------------------------------------------------------------
// The never-shown window whose Picture1 is the program's off-screen bitmap
// (one pie drawn alone, cropping before the clipboard). Captions in
// RGB(0,0,128), 8.25 pt until a zoom command changes the size. Lives as long
// as the main window.
class FinestraRitaglia : public QObject {
    Q_OBJECT
public:
    explicit FinestraRitaglia(QObject* parent = nullptr);
    // Owned by the main window when there is one (see Unica).
    static FinestraRitaglia* CreaUnica(int);
    SuperficieNascosta Picture1;
};
FinestraRitaglia& FrmRitagliaImmagine();
