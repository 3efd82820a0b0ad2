#include "platform/FileInteri.h"
#include <QFile>
#include <QFileInfo>
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

bool ScriviCoppia(const QString& primo, const QByteArray& datiPrimo, const QString& secondo,
                  const std::optional<QByteArray>& datiSecondo, qint64 massimoPrimo)
{
    const auto nonUnFile = [](const QString& p) {
        const QFileInfo i(p);
        return i.exists() && !i.isFile();
    };
    if (primo.isEmpty() || secondo.isEmpty() || nonUnFile(primo) || nonUnFile(secondo)) return false;
    // The old first file, to put back should the second not follow it.
    std::optional<QByteArray> vecchio;
    if (QFileInfo::exists(primo)) {
        QByteArray b;
        if (!LeggiFileIntero(primo, massimoPrimo, b)) return false;
        vecchio = std::move(b);
    }
    QSaveFile filePrimo(primo);
    if (!PreparaScrittura(filePrimo, datiPrimo)) return false;
    QSaveFile fileSecondo(secondo);
    if (datiSecondo && !PreparaScrittura(fileSecondo, *datiSecondo)) return false;
    if (!filePrimo.commit()) return false;
    const bool fatto = datiSecondo ? fileSecondo.commit() : (!QFileInfo::exists(secondo) || QFile::remove(secondo));
    if (fatto) return true;
    if (vecchio) ScriviFileIntero(primo, *vecchio);
    else QFile::remove(primo);
    return false;
}
