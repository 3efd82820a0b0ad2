#pragma once
// The small arithmetic the commands, dialogs and windows rely on: greatest
// common divisor, primes, factors, names. No window and no message here.
#include <QString>
#include <cstdint>
#include <optional>

int16_t CalcolaMCD(int16_t a, int16_t b);
int32_t CalcolaMCDLungo(int32_t a, int32_t b);
bool VerificaPrimo(int16_t n);
int16_t TrovaMinimoDivisore(int16_t n);
std::optional<int16_t> TrovaDivisoreMassimo(int16_t n);
QString ScomponiInFattori(int16_t n);
uint8_t TrovaColorePrimo(int16_t p);
bool VerificaDecimaleFinito(int16_t n);
QString EstraiNomeFile(const QString& percorso);
// Changes every "." of s into "," in place and returns the changed text.
QString SostituisciPuntiConVirgole(QString& s);
