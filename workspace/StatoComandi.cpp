// Placeholder bodies: replaced when the command states are built.
#include "workspace/StatoComandi.h"
void ImpostaComandiFoglio() {}
void ImpostaComandiAppunti() {}
void ImpostaComandiNessunFoglio() {}
void AggiornaStatoComandi() {}
