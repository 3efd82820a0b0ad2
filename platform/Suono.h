#pragma once
// Sounds: WAV files from the program folder, played asynchronously.
#include <QString>
#include <QStringList>
#include <functional>

namespace Suono {
// Where the sound files are (a folder ending in "/") and whether sound is
// on, both asked at every call since either may change while the program
// runs. Until they are given, nothing plays and the beep looks for its
// file in the current folder.
void Collega(std::function<QString()> cartella, std::function<bool()> abilitato);
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
