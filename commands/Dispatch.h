#pragma once
// From a menu item or a Toolbar1 button of the main window to its command
// procedure, called with the active window FoglioAttivo.
#include <QList>
#include <QString>
#include <functional>

// Hands the menu bar and Toolbar1 of the main window their commands (the
// four entry points below). Called once at start-up, before the first click.
void CollegaComandiMenu();

// Runs a command procedure. While an observer is set (tests) the call is
// only reported to it. An OverflowTermini that escapes the procedure ends
// here: "I termini di una frazione sono numeri troppo grandi" is shown
// (kind 3, titolo; "Zefra" when empty) and the program goes on. Every
// command reached from the menus and Toolbar1 passes through here, titled
// as the menu item or button that started it.
void Chiama(const QString& titolo, const char* procedura, const QList<int>& argomenti,
            const std::function<void()>& esegui);

// A click on the menu item named nome (MnuOperaDividi ...). Items that
// only open a submenu, and unknown names, do nothing.
void EseguiVoceMenu(const QString& nome);

// The Modifica menu is opening: the one-fraction copy is offered only
// while a sheet is the active window.
void MnuModifica_Click();

// The four factor items of the menu: check the selection of the active
// sheet, then ask the factor and run the command.
void MnuEquivalenzaMoltiplica_Click();
void MnuEquivalenzaDividi_Click();
void MnuOperaMoltiplica_Click();
void MnuOperaDividi_Click();

// Toolbar1: a click on the button at position indice (1..21); separators
// and positions outside 1..21 do nothing.
void Toolbar1_ButtonClick(int indice);
// Toolbar1: a choice from a button's drop-down menu, by the item's key
// (exact, case-sensitive). The choice is recorded, the button shows it,
// then its command runs. Unknown keys do nothing.
void Toolbar1_ButtonMenuClick(const QString& chiave);

// The picture and tooltip that Toolbar1's mode buttons show for a mode.
int ImmagineModoSepara(int modo);             // button 5
int ImmagineModoAggiungi(int modo);           // button 7
int ImmagineModoVerificaTrova(int modo);      // button 21
QString SuggerimentoModoSepara(int modo);
QString SuggerimentoModoVerificaTrova(int modo);

// For tests: while an observer is set, every call of a command procedure
// from the dispatch is reported to it (procedure name and arguments, e.g.
// "ScomponiTermine" {1, 2}) in place of running the procedure.
using OsservatoreComandi = std::function<void(const QString& procedura, const QList<int>& argomenti)>;
void OsservaComandi(OsservatoreComandi osservatore);
