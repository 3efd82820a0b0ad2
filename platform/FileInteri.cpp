#include "platform/FileInteri.h"
#include <QFile>
#include <QSaveFile>

bool PreparaScrittura(QSaveFile& f, const QByteArray& dati)
{
    // commit() does not notice a buffered write that the disk refused when
    // it flushes (it would put the short file in place): flush first.
    if (f.open(QIODevice::WriteOnly) && f.write(dati) == dati.size() && f.flush()) return true;
    f.cancelWriting();
    return false;
}

bool ScriviFileIntero(const QString& percorso, const QByteArray& dati)
{
    QSaveFile f(percorso);
    return PreparaScrittura(f, dati) && f.commit();
}

bool LeggiFileIntero(const QString& percorso, qint64 massimo, QByteArray& dati)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly) || f.size() > massimo) return false;
    dati = f.readAll();
    return f.error() == QFileDevice::NoError;
}
