#pragma once
// Input checks and the small arithmetic the dialogs and windows rely on.
#include <QString>
#include <cstdint>
#include <optional>

class Tela;

bool ControllaIntero(const QString& Testo, const QString& Operazione);
bool ControllaDecimale(const QString& Testo, const QString& Operazione);
bool ControllaCifre(const QString& Testo, const QString& Operazione, bool ConsentiVuoto);
int16_t CalcolaMCD(int16_t a, int16_t b);
int32_t CalcolaMCDLungo(int32_t a, int32_t b);
bool VerificaPrimo(int16_t n);
int16_t TrovaMinimoDivisore(int16_t n);
std::optional<int16_t> TrovaDivisoreMassimo(int16_t n);
QString ScomponiInFattori(int16_t n);
// Prints the coloured factorisation of n at the target's text position.
void StampaFattoriColorati(Tela& destinazione, int16_t n);
uint8_t TrovaColorePrimo(int16_t p);
bool VerificaDecimaleFinito(int16_t n);
QString EstraiNomeFile(const QString& percorso);
// Changes every "." of s into "," in place and returns the changed text.
QString SostituisciPuntiConVirgole(QString& s);
