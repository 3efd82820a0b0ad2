// Service windows not built yet: each body below does nothing on purpose,
// so that the openers can be wired now (they write their hand-off and stop
// here). The unit that builds a window takes its body out of this file.
#include "service/Aperture.h"

void ApriFrmScomponi() {}
void ApriFrmScomponi1() {}
void ApriFrmValoreDecimale() {}
void ApriFrmFattorizza() {}
