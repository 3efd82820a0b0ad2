#pragma once
// Opening the exercise windows once their opener has checked the selection
// and written the hand-off: each closes the open instance of its window (its
// position is recorded) and opens a fresh one at the remembered place,
// which copies its operands at once.
//  - FrmScomponi: FrazioniFinestre row 5 (numerator, denominator);
//  - FrmScomponi1: row 6 (the two denominators);
//  - FrmValoreDecimale: row 7 (numerator, denominator);
//  - FrmFattorizza: FrazioniAppoggio cell (1, 1), the term to factorise.
void ApriFrmScomponi();
void ApriFrmScomponi1();
void ApriFrmValoreDecimale();
void ApriFrmFattorizza();
