#pragma once
// The per-user settings store (application, section, key -> text).
#include <QString>

namespace Impostazioni {
// An absent key reads as the empty text.
QString Leggi(const QString& applicazione, const QString& sezione, const QString& chiave);
void Scrivi(const QString& applicazione, const QString& sezione, const QString& chiave,
            const QString& valore);
// Where the store lives: by default the user's configuration folder
// (~/.config/<applicazione>.ini); tests point it at a folder of their own.
void ImpostaCartella(const QString& cartella);
QString FileDi(const QString& applicazione);
}
