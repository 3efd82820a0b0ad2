#pragma once
// Files read and written whole, within one procedure.
#include <QByteArray>
#include <QString>

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
