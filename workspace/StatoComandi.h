#pragma once
// Enabling of the main window's commands by which document windows are open.
//
// Three states: a sheet open (every command on), only the notes (the file,
// edit and zoom commands on, the sheet commands off), nothing open (every
// document command off). A menu that is switched off has every item under
// it switched off too, so its shortcut keys do nothing either.

// The sheet state: the 21 positions of Toolbar1 and the switched menus on.
void ImpostaComandiFoglio();
// The notes state.
void ImpostaComandiAppunti();
// The no-window state.
void ImpostaComandiNessunFoglio();
// Chooses the state from the active window and the open windows (Toolbar2's
// toggles): the notes when they are active and open; otherwise the sheet
// state when a sheet is open; otherwise the notes state when the notes are
// open; otherwise no window, and status panel 2 reads "Foglio: nessuno   ".
void AggiornaStatoComandi();
