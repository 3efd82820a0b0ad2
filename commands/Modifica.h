#pragma once
// Cut, copy, paste and clear: fractions through the program's own fraction
// clipboard (FrazioniCopiate, NumFrazioniCopiate), the notes' text through
// the system clipboard (rich text, with its plain text beside it).
//
// The three commands of the Modifica menu and of Toolbar1 buttons 12-14 are
// declared in commands/Comandi.h:
//   EseguiCopia(foglio)      copy the selection;
//   TagliaSelezione(foglio)  cut the selection (the sheet is packed);
//   EseguiIncolla(foglio)    paste at the end of the sheet, or at the caret
//                            of the notes.
// foglio 1 is sheet A, 2 sheet B, any other value the notes. None of them
// plays a sound; cut and paste mark the notebook modified, copy never does.
#include <cstdint>

// Empties sheet 1 or 2 (count 0, drawn empty, its lowest-terms image
// hidden) or, for any other value, the notes (the next typing plain
// 12-point text in the current colour). The fraction clipboard is kept.
// Does not mark the notebook modified: the caller decides.
void CancellaFoglio(uint8_t foglio);

