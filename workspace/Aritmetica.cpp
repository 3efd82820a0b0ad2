// Placeholder bodies: replaced by the real input checks and arithmetic.
#include "workspace/Aritmetica.h"
bool ControllaIntero(const QString&, const QString&) { return false; }
bool ControllaDecimale(const QString&, const QString&) { return false; }
bool ControllaCifre(const QString&, const QString&, bool) { return false; }
int16_t CalcolaMCD(int16_t, int16_t) { return 1; }
int32_t CalcolaMCDLungo(int32_t, int32_t) { return 1; }
bool VerificaPrimo(int16_t) { return false; }
int16_t TrovaMinimoDivisore(int16_t n) { return n; }
std::optional<int16_t> TrovaDivisoreMassimo(int16_t) { return std::nullopt; }
QString ScomponiInFattori(int16_t n) { return QString::number(n); }
void StampaFattoriColorati(Tela&, int16_t) {}
uint8_t TrovaColorePrimo(int16_t) { return 0; }
bool VerificaDecimaleFinito(int16_t) { return false; }
QString EstraiNomeFile(const QString& p) { return p; }
void SostituisciPuntiConVirgole(QString&) {}
