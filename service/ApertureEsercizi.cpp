#include "service/ApertureEsercizi.h"
#include "service/FrmValoreDecimale.h"
#include "workspace/ModuloGenerale.h"

void ApriFrmValoreDecimale() { ApriFresca<FrmValoreDecimale>(FrazioniFinestre[7][1], FrazioniFinestre[7][2]); }
