#pragma once
// Sounds: WAV files from the program folder, played asynchronously.
#include <QString>
#include <QStringList>

namespace Suono {
// Plays the named file (bare name, looked up in the program folder) only
// while sound is on. A missing file or no audio device stays silent.
void Riproduci(const QString& nomeFile);
// The warning beep: sounds whatever the sound option.
void Bip();

// For tests: while recording, nothing is played and every call that would
// sound is remembered ("bip" for the beep).
void Registra(bool attivo);
QStringList Registrati();
void AzzeraRegistrati();
}
