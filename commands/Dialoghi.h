#pragma once
// What every dialog of the commands does alike: where it opens over a sheet,
// and how it takes the keyboard back after a message box.
class QWidget;

// Makes the dialog top-most and moves it over the sheet window `foglio`:
// its top-left corner `dxTwip` twips in from the sheet's left and
// `frazioneAltezza` of the sheet's height down (rounded half to even), in
// screen coordinates and kept on the screen. Call before the first show.
void PosizionaSopraFoglio(QWidget* dialogo, QWidget* foglio, int dxTwip, double frazioneAltezza);

// After a message box the dialog takes the keyboard back, in the field to
// correct with its text selected (a window manager may leave no window
// active).
void RiportaFuoco(QWidget* campo);
