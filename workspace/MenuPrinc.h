#pragma once
// The main window's menu bar and its command toolbar Toolbar1.
//
// Every menu item, submenu and separator carries its name as objectName
// (MnuFileApri, MnuOperaAggiungi, separatore1 ...); so does every top-level
// menu (MnuFile, MnuModifica ...), as a QMenu and as its menu-bar action.
// Toolbar1 holds 21 positions, separators included, addressed 1..21 through
// Princ::BottoneToolbar1; its drop-down items carry their key as objectName
// and data.
#include <QString>
#include <functional>

class Princ;

// What the menu bar and Toolbar1 run, handed down by the commands (see
// CollegaComandiMenu in commands/Dispatch.h) before the first click. A
// click while nothing is handed over does nothing.
struct ComandiMenu {
    std::function<void(const QString& nome)> VoceMenu;           // a menu item, by its name
    std::function<void()> AperturaModifica;                       // the Modifica menu opening
    std::function<void(int indice)> BottoneToolbar1;              // a Toolbar1 button, 1..21
    std::function<void(const QString& chiave)> TendinaToolbar1;   // a drop-down item, by its key
};
void ImpostaComandiMenu(ComandiMenu comandi);

// The eight factors offered, in this order, by the drop-down menus of the
// factor buttons (1, 2, 9 and 10); each family of button pictures follows
// the same order.
inline constexpr int FattoriToolbar1[8] = {2, 3, 5, 7, 11, 13, 17, 19};

// Builds the menu bar and Toolbar1 of p (called once, by p's constructor).
// Toolbar1 is handed to p once all its positions are there, so that on a
// low-resolution screen p hides buttons 16 to 20 at once.
void CostruisciMenuPrinc(Princ* p);

// The number of the picture that Toolbar1's button at position indice
// shows (0 for separators), and changing it.
int ImmagineBottoneToolbar1(int indice);
void ImpostaImmagineBottoneToolbar1(int indice, int immagine);
