// Placeholder bodies: replaced when the notebook files are built.
#include "workspace/Quaderno.h"
bool SalvaQuaderno() { return false; }
bool SalvaQuadernoConNome() { return false; }
void ApriQuadernoIniziale(const QString&) {}
