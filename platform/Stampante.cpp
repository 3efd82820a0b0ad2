#include "platform/Stampante.h"
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <memory>

namespace {

QString fileDiProva;
bool senzaStampante = false;

std::unique_ptr<QPrinter> ApriStampante()
{
    if (senzaStampante) return nullptr;
    if (!fileDiProva.isEmpty()) {
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(fileDiProva);
        return p;
    }
    const QPrinterInfo predefinita = QPrinterInfo::defaultPrinter();
    if (predefinita.isNull()) return nullptr;
    auto p = std::make_unique<QPrinter>(predefinita, QPrinter::HighResolution);
    if (!p->isValid()) return nullptr;
    return p;
}

}   // namespace

bool StampaPagina(const std::function<bool(QPainter&, QPrinter&)>& disegna)
{
    const auto stampante = ApriStampante();
    if (!stampante) return false;
    QPainter pittore;
    if (!pittore.begin(stampante.get())) return false;
    const bool riuscito = disegna(pittore, *stampante);
    pittore.end();
    return riuscito && stampante->printerState() != QPrinter::Error;
}

bool StampaImmagine(const QImage& immagine)
{
    if (immagine.isNull()) return false;
    return StampaPagina([&](QPainter& p, QPrinter& stampante) {
        // Screen size on paper: one pixel of a 96-dpi screen each.
        const double scala = stampante.resolution() / 96.0;
        p.scale(scala, scala);
        p.drawImage(0, 0, immagine);
        return true;
    });
}

bool StampaDocumento(QTextDocument& documento)
{
    const auto stampante = ApriStampante();
    if (!stampante) return false;
    documento.print(stampante.get());
    return stampante->printerState() != QPrinter::Error;
}

void ImpostaStampaSuFile(const QString& pdf) { fileDiProva = pdf; }
void ImpostaStampanteAssente(bool assente) { senzaStampante = assente; }
