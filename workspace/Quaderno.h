#pragma once
// Notebook files: the ".qdn" notebook and its notes file, and the File
// menu's New, Open, Save, Save as, Clear sheet.
#include <QString>

// Writes the notebook under NomeQuaderno; true when both files were written.
bool SalvaQuaderno();
// The Save-as command: asks a name and saves; true when saved (false when
// the pupil cancelled or the write failed).
bool SalvaQuadernoConNome();
// Opens the notebook named on the command line at start-up.
void ApriQuadernoIniziale(const QString& rigaComandi);
