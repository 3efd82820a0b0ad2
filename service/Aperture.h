#pragma once
// How the commands open the service windows. Each function is called by
// its opener right after the opener has written the window's hand-off
// (FrazioniFinestre, or FrazioniAppoggio for the histogram and the factor
// tree), and opens the window from it.

// Reused windows: created at their design place only when absent (an open
// one keeps its place and size), then they take the row just written, the
// service background, redraw, show and come to the front.
void ApriFrmRapprLineare();
void ApriFrmRapprPoligonale();
void ApriFrmRapprRettangolare();

// Fresh windows: the open one (if any) closes, recording its position; a
// new one copies its hand-off, opens at its remembered position, does its
// own extra steps and shows.
void ApriFrmFrazDiNum();
void ApriFrmFrazDiFraz();
void ApriFrmScomponi();
void ApriFrmScomponi1();
void ApriFrmValoreDecimale();
void ApriFrmFattorizza();
void ApriFrmIstogramma();
