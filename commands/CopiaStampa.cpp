// The active sheet or the notes out of the program (the platform clipboard,
// the printer) and select all. None of these plays a sound or marks the
// notebook modified.
#include "commands/CopiaStampa.h"
#include "commands/Comandi.h"
#include "platform/AppuntiSistema.h"
#include "platform/Finestre.h"
#include "platform/Rtf.h"
#include "platform/Stampante.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {

bool EUnFoglio(uint8_t foglio) { return foglio == FoglioA || foglio == FoglioB; }

} // namespace

QString ParolaFinestra(uint8_t foglio)
{
    switch (foglio) {
    case FoglioA: return QStringLiteral("di calcolo A");
    case FoglioB: return QStringLiteral("di calcolo B");
    default: return QStringLiteral("degli appunti");
    }
}

QImage ImmagineDaCopiare(uint8_t s)
{
    const FrmFoglio* f = Fogli::Istanza(s);
    const int larghezza = TwipInPixel(f->LarghezzaEsterna() - 270);
    const int altezza = TwipInPixel(f->AltezzaEsterna() - 330);
    if (larghezza <= 0 || altezza <= 0) return QImage();
    QImage ritaglio(larghezza, altezza, QImage::Format_RGB32);
    if (ritaglio.isNull()) return QImage();
    ritaglio.fill(f->Area()->BackColor);
    QPainter p(&ritaglio);
    p.drawImage(0, 0, f->Area()->Immagine());
    return ritaglio;
}

std::unique_ptr<QTextDocument> AppuntiDaStampare()
{
    QTextEdit* t = TxtAppunti();
    const QTextCursor c = t->textCursor();
    if (!c.hasSelection()) return std::unique_ptr<QTextDocument>(t->document()->clone());
    auto documento = std::make_unique<QTextDocument>();
    documento->setDefaultFont(t->document()->defaultFont());
    QTextCursor(documento.get()).insertFragment(c.selection());
    return documento;
}

void MnuFileCopiaBitmap_Click()
{
    const uint8_t foglio = FoglioAttivo;
    const QString titolo = QStringLiteral("Copia il foglio negli appunti di Windows");
    MostraDomanda(QStringLiteral("Copiare il foglio ") + ParolaFinestra(foglio) +
                      QStringLiteral(" negli appunti di Windows?"),
                  1, titolo);
    if (RispostaDomanda != 1) return;
    // The notes go as rich text alone: a plain copy beside it would let
    // other programs paste it without its formatting.
    const bool riuscita = EUnFoglio(foglio) ? ImmagineNegliAppunti(ImmagineDaCopiare(foglio))
                                            : RtfNegliAppunti(Rtf::Scrivi(*TxtAppunti()->document()));
    if (!riuscita) MostraMessaggio(QStringLiteral("Memoria esaurita"), 3, titolo);
}

void MnuModificaCopiaBitmap_Click()
{
    const QString titolo = QStringLiteral("Copia frazione negli appunti di Windows");
    const int s = IndiceFoglio(FoglioAttivo);
    const int ultima = UnicaSelezionataOAvvisa(uint8_t(s), titolo);
    if (ultima == 0) return;
    const int16_t* r = Frazioni[s][ultima];
    DisegnaTortaImmagine(r[CampoNum], r[CampoDen], r[CampoColore]);
    if (!ImmagineNegliAppunti(FrmRitagliaImmagine().Picture1.Immagine()))
        MostraMessaggio(QStringLiteral("Memoria esaurita"), 3, titolo);
}

void MnuFileStampa_Click()
{
    const uint8_t foglio = FoglioAttivo;
    const QString titolo = QStringLiteral("Stampa foglio");
    MostraDomanda(QStringLiteral("Stampare il foglio ") + ParolaFinestra(foglio) + QStringLiteral("?"), 1, titolo);
    if (RispostaDomanda != 1) return;
    bool riuscita;
    if (EUnFoglio(foglio)) {
        // The persistent drawing holds neither the scroll bar nor the hover
        // label, so nothing has to be hidden for the printout.
        riuscita = StampaImmagine(Fogli::Istanza(foglio)->Area()->Immagine());
    } else {
        const auto documento = AppuntiDaStampare();
        riuscita = StampaDocumento(*documento);
    }
    if (!riuscita) MostraMessaggio(QStringLiteral("Errore di stampante"), 3, titolo);
}

void MnuModificaSelezionaTutto_Click()
{
    const uint8_t foglio = FoglioAttivo;
    if (!EUnFoglio(foglio)) {
        QTextEdit* t = TxtAppunti();
        QTextCursor c(t->document());
        c.select(QTextCursor::Document);
        t->setTextCursor(c);
        return;
    }
    for (int i = 1, n = FrazioniSulFoglio(foglio); i <= n; ++i) Frazioni[foglio][i][CampoSel] = 1;
    EvidenziaSelezionate(foglio);
}
