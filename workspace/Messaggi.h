#pragma once
// The program's message box and question box.
#include <QString>

// Shows text under title as a box of the given kind (1-2 error, 3-4
// warning, 5-6 information; odd short, even tall), modal and top-most.
void MostraMessaggio(const QString& testo, int tipo, const QString& titolo);
// Asks with "Sì", "No", "Annulla"; the answer goes to RispostaDomanda
// (1 yes, 0 no, 2 cancel).
void MostraDomanda(const QString& testo, int tipo, const QString& titolo);
