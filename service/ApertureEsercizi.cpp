// The exercise windows open fresh from the hand-off their opener has just
// written; each window copies its operands at once.
#include "logica/Frazione.h"
#include "service/Aperture.h"
#include "service/FrmFattorizza.h"
#include "service/FrmScomponi.h"
#include "service/FrmValoreDecimale.h"
#include "workspace/ModuloGenerale.h"

void ApriFrmValoreDecimale()
{
    ApriFresca<FrmValoreDecimale>(FrazioniFinestre[7][CampoNum], FrazioniFinestre[7][CampoDen]);
}

void ApriFrmScomponi() { ApriFresca<FrmScomponi>(FrazioniFinestre[5][CampoNum], FrazioniFinestre[5][CampoDen]); }

void ApriFrmScomponi1()
{
    ApriFresca<FrmScomponi1>(int32_t(FrazioniFinestre[6][CampoNum]), int32_t(FrazioniFinestre[6][CampoDen]));
}

void ApriFrmFattorizza() { ApriFresca<FrmFattorizza>(FrazioniAppoggio[1][CampoNum]); }
