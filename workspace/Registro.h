#pragma once
// The error register "registro.txt" in the program folder.
#include <QString>

// Creates the register afresh with its header (pupil's name and class as
// they stand in NomeAllievo and Classe).
void CreaRegistro();
