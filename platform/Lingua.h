#pragma once
// The program speaks Italian whatever the machine's language: dates, times
// and numbers follow Italian (Italy), and Qt's own dialogs and menus read
// Italian wherever Qt's Italian catalogue has the text.

// Makes Italian (Italy) the default locale and installs Qt's Italian texts
// (once; the catalogue may be missing, then Qt's texts stay English).
// Call after the application object exists.
void ImpostaLinguaItaliana();
