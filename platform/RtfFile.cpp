// The rich text in files and on the clipboard: a document saved as RTF
// within the bounds and loaded back through the reader, and the formats in
// which RTF goes onto the clipboard and is found there.
#include "platform/Rtf.h"
#include "platform/RtfMisura.h"
#include "platform/FileInteri.h"
#include <QFileInfo>
#include <QMimeData>
#include <QStringList>
#include <QTextDocument>
#include <optional>

using namespace Rtf::Interno;

namespace Rtf {

bool SalvaFile(const QString& percorso, const QTextDocument& documento, QString* errore)
{
    const std::optional<QByteArray> rtf = ScriviEntroLimiti(documento);
    if (!rtf) {
        if (errore) *errore = TestoTroppoGrande;
        return false;
    }
    if (!ScriviFileIntero(percorso, *rtf)) {
        if (errore) *errore = QStringLiteral("Impossibile scrivere il file ") + percorso;
        return false;
    }
    return true;
}

bool CaricaFile(const QString& percorso, QTextDocument& documento, QString* errore)
{
    QByteArray dati;
    if (!LeggiFileIntero(percorso, DimensioneMassima, dati)) {
        if (errore)
            *errore = QFileInfo(percorso).size() > DimensioneMassima
                          ? TestoTroppoGrande
                          : QStringLiteral("Impossibile leggere il file ") + percorso;
        return false;
    }
    if (dati.isEmpty()) {
        documento.clear();
        return true;
    }
    return Leggi(dati, documento, errore);
}

namespace {
// The name Qt gives the rich-text clipboard format of Windows.
const QString MimeWindows = QStringLiteral("application/x-qt-windows-mime;value=\"Rich Text Format\"");

QStringList FormatiRtf()
{
    return {TipoMime, QStringLiteral("text/richtext"), QStringLiteral("application/rtf"),
            QStringLiteral("application/x-rtf"), MimeWindows};
}
}

QMimeData* DatiAppunti(const QByteArray& rtf)
{
    auto* dati = new QMimeData;
    dati->setData(TipoMime, rtf);
#ifdef Q_OS_WIN
    dati->setData(MimeWindows, rtf);
#endif
    return dati;
}

QByteArray DaAppunti(const QMimeData* dati)
{
    if (!dati) return {};
    for (const QString& formato : FormatiRtf()) {
        if (!dati->hasFormat(formato)) continue;
        QByteArray rtf = dati->data(formato);
        // Clipboard data often ends with a NUL.
        while (rtf.endsWith('\0')) rtf.chop(1);
        if (SembraRtf(rtf)) return rtf;
    }
    return {};
}

}   // namespace Rtf
