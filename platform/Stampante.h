#pragma once
// The printer: the system's default printer, or a PDF file while a test
// asks for one. Every function returns false, having printed nothing
// visible, when there is no default printer, the painter does not start or
// the printer ends in error; the caller tells the pupil.
#include <QString>
#include <functional>

class QImage;
class QPainter;
class QPrinter;
class QTextDocument;

// One page painted by `disegna` (which may return false to report its own
// failure). The painter's origin is the top left of the printable area.
bool StampaPagina(const std::function<bool(QPainter&, QPrinter&)>& disegna);
// An image at screen size (96 dots per inch) at the top left of the page.
bool StampaImmagine(const QImage& immagine);
// A text document over as many pages as it takes.
bool StampaDocumento(QTextDocument& documento);

// Tests: print into this PDF file instead of the default printer; an empty
// name goes back to the printer.
void ImpostaStampaSuFile(const QString& pdf);
// Tests: behave as if no printer were installed (takes precedence over the
// PDF file).
void ImpostaStampanteAssente(bool assente);
