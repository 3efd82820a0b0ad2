#pragma once
// The checks of what a pupil types, and the coloured factorisation; the
// plain arithmetic comes with them.
#include "logica/Aritmetica.h"
#include <QString>
#include <cstdint>

class Tela;

bool ControllaIntero(const QString& Testo, const QString& Operazione);
bool ControllaDecimale(const QString& Testo, const QString& Operazione);
bool ControllaCifre(const QString& Testo, const QString& Operazione, bool ConsentiVuoto);
// Prints the coloured factorisation of n at the target's text position.
void StampaFattoriColorati(Tela& destinazione, int16_t n);
