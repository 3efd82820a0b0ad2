#pragma once
// Files read and written whole, within one procedure.
#include <QByteArray>
#include <QString>
#include <optional>

class QSaveFile;

// Opens f and writes all of dati into it without putting it in place yet
// (the caller's f.commit() does). On any failure, a write refused only when
// the buffer is flushed included, f is cancelled and the result is false.
bool PreparaScrittura(QSaveFile& f, const QByteArray& dati);
// Writes dati as the whole file percorso: the old file, if any, is replaced
// only by a complete new one.
bool ScriviFileIntero(const QString& percorso, const QByteArray& dati);
// Reads the whole file percorso into dati; false when it cannot be opened or
// read, or is larger than massimo bytes.
bool LeggiFileIntero(const QString& percorso, qint64 massimo, QByteArray& dati);
// Writes the file primo with datiPrimo and, beside it, writes secondo with
// *datiSecondo or, when datiSecondo holds nothing, deletes secondo if it is
// there: both take effect or neither does. Something other than a file at
// either name (a folder) fails before anything is written. On failure both
// old files stay byte for byte as they were and no temporary file is left.
// An old primo larger than massimoPrimo cannot be kept to be put back: that
// fails too, before anything is written.
bool ScriviCoppia(const QString& primo, const QByteArray& datiPrimo, const QString& secondo,
                  const std::optional<QByteArray>& datiSecondo, qint64 massimoPrimo);
