#pragma once
// The service pop-up menu (MnuPopUp1) and its copy windows. The menu acts on
// the window that opened it: make a frozen copy of it, put its drawing on
// the clipboard, or print it.
#include <QImage>
#include <QString>
#include <functional>

class FinestraServizio;
class QAction;
class QLabel;
class QMenu;

// A frozen copy of a service window, captioned "Copia": the snapshot of a
// window that draws, or the text of a check window in its label. It has no
// pop-up and no redraw of its own and is not tracked: any number may be
// open until the pupil (or the closing of every service window) closes them.
class FrmServizio;

// The three items, acting on `sorgente`.
void MnuPopUp1CreaCopiaFinestra_Click(FinestraServizio* sorgente);
// The client drawing on the clipboard; "Memoria esaurita" when it does not
// get there.
void MnuPopUp1CopiaBitmap_Click(FinestraServizio* sorgente);
// The client area with its controls at screen size on the default printer
// (the window's NascondiInStampa widget hidden meanwhile); "Errore di
// stampante" when it cannot print.
void MnuPopUp1Stampa_Click(FinestraServizio* sorgente);

// Tests: instead of popping up, the menu is handed to `scelta`, which
// returns the action the pupil would pick (or null). An empty function
// restores the real pop-up.
void ImpostaSceltaMenuServizio(std::function<QAction*(QMenu*)> scelta);
