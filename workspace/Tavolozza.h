#pragma once
// Two small controls of the main window that act on their own: the colour
// palette (nine boxes in the bottom strip) and the information panel of the
// status bar ("INFO ", panel 3).
#include <QString>
#include <cstdint>

class Princ;

// The colour index (0..15) that palette box i (0..8) shows, left to right:
// red, dark blue, dark cyan, dark yellow, blue, magenta, dark green, green,
// black.
inline constexpr int16_t MappaTavolozza[9] = {12, 1, 3, 6, 9, 13, 2, 10, 0};
// The box marked as chosen (it alone has no border); 0 with a new main
// window, which agrees with ColoreCorrente 12 at start.
inline uint8_t IndiceTavolozza = 0;

// A click on palette box i: "clic2.wav", the box's colour becomes
// ColoreCorrente, the box is marked, and the selection of the active window
// takes the colour (the selected fractions of sheet A or B, the selected
// text of the notes). While the window that FoglioAttivo names is not open,
// only the colour and the marker change. The notebook is marked modified in
// every case. Indices outside 0..8 do nothing.
void PBoxTavolozza_Click(int indice);

// A click on status panel 1..3: panel 3 shows the information message about
// the active window (kind 5 or 6, title "Informazioni"); 1 and 2 do nothing.
void StatusBar1_PanelClick(int pannello);

// The text and kind of that message for the current state, without showing
// it. The selected fractions are collected in a list of their own: the
// shared scratch table is left alone.
struct Informazioni {
    QString testo;
    int tipo = 0;
};
Informazioni ComponiInformazioni();

// Connects the nine palette boxes and status panel 3 of the main window to
// the two handlers above (mouse clicks with the left button) and puts the
// marker on box 0. Safe to call more than once for the same window.
void CollegaTavolozzaEInfo(Princ* p);
