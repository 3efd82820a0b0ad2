#pragma once
// Where the dialogs of the commands open over a sheet.
class QWidget;

// Makes the dialog top-most and moves it over the sheet window `foglio`:
// its top-left corner `dxTwip` twips in from the sheet's left and
// `frazioneAltezza` of the sheet's height down (rounded half to even), in
// screen coordinates and kept on the screen. Call before the first show.
void PosizionaSopraFoglio(QWidget* dialogo, QWidget* foglio, int dxTwip, double frazioneAltezza);
