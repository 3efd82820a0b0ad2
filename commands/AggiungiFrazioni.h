#pragma once
// The add protocol: the one way every add dialog (by terms, from a decimal
// number, the three builders) appends fractions to the active sheet and
// brings the sheet, its sum label and the notebook state up to date.
#include <cstdint>

// How many fractions n/d becomes on a sheet: one when n <= d, otherwise
// n \ d whole units d/d plus one more when the remainder is not 0.
// 0 for terms below 1.
int PezziFrazione(int n, int d);

// Appends n/d to sheet foglio (1 = sheet A, any other value = sheet B):
// n <= d gives the one fraction n/d; n > d gives n \ d whole units, each
// stored as d/d, then the remainder r/d when r is not 0. Every new
// fraction goes at the end, unselected, in ColoreCorrente, and is drawn as
// a pie (the pies already there are not redrawn). Then "aggiungi.wav",
// QuadernoModificato, the sheet's scroll bar and its sum label.
// When the pieces would take the sheet past 128 fractions nothing is added:
// the warning "Un foglio non può contenere più di 128 frazioni" (kind 3,
// "Aggiungi") is shown and the result is false. Terms below 1 add nothing
// and give false without a message (the dialogs deal with them first).
// True when the fractions were added: the calling dialog then closes.
bool AggiungiFrazioniAlFoglio(uint8_t foglio, int16_t n, int16_t d);
