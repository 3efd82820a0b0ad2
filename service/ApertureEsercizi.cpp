#include "service/Aperture.h"
#include "service/FrmFattorizza.h"
#include "service/FrmScomponi.h"
#include "service/FrmValoreDecimale.h"
#include "workspace/ModuloGenerale.h"

void ApriFrmValoreDecimale() { ApriFresca<FrmValoreDecimale>(FrazioniFinestre[7][1], FrazioniFinestre[7][2]); }

void ApriFrmScomponi() { ApriFresca<FrmScomponi>(FrazioniFinestre[5][1], FrazioniFinestre[5][2]); }

void ApriFrmScomponi1() { ApriFresca<FrmScomponi1>(int32_t(FrazioniFinestre[6][1]), int32_t(FrazioniFinestre[6][2])); }

void ApriFrmFattorizza() { ApriFresca<FrmFattorizza>(FrazioniAppoggio[1][1]); }
