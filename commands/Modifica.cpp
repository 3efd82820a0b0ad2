#include "commands/Modifica.h"
#include "commands/CopiaFoglio.h"
#include "commands/Comandi.h"
#include "platform/Colori.h"
#include "platform/Rtf.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <algorithm>
#include <array>

namespace {

const QString FinaleIncolla = QStringLiteral("usare il pulsante \"copia\" o il pulsante \"taglia\"");

bool EUnFoglio(uint8_t foglio) { return foglio == 1 || foglio == 2; }


// Puts the selection of the notes on the system clipboard, replacing
// whatever it held: the rich text and, beside it, its plain text. True when
// the clipboard really holds it afterwards.
bool SelezioneNegliAppunti(const QTextCursor& cursore)
{
    const QByteArray rtf = Rtf::ScriviSelezione(cursore);
    QMimeData* dati = Rtf::DatiAppunti(rtf);
    dati->setText(cursore.selection().toPlainText());
    QClipboard* appunti = QGuiApplication::clipboard();
    appunti->clear();
    appunti->setMimeData(dati);
    return Rtf::DaAppunti(appunti->mimeData()) == rtf;
}

// True when the clipboard data offers some rich text, readable or not.
bool OffreTestoRicco(const QMimeData* dati)
{
    if (!dati) return false;
    if (!Rtf::DaAppunti(dati).isEmpty()) return true;
    for (const QString& formato : dati->formats())
        if (formato.contains(QLatin1String("rtf"), Qt::CaseInsensitive) ||
            formato.contains(QLatin1String("rich text"), Qt::CaseInsensitive) ||
            formato.contains(QLatin1String("richtext"), Qt::CaseInsensitive))
            return true;
    return false;
}

void CopiaTesto(const QString& titolo, bool taglia)
{
    QTextEdit* t = TxtAppunti();
    QTextCursor c = t->textCursor();
    if (c.selectedText().isEmpty()) {
        MostraMessaggio(QStringLiteral("Selezionare parte del testo"), 3, titolo);
        return;
    }
    // The text leaves the notes only once the clipboard holds it.
    if (!SelezioneNegliAppunti(c)) {
        MostraMessaggio(QStringLiteral("Memoria esaurita"), 3, titolo);
        return;
    }
    if (!taglia) return;
    c.removeSelectedText();
    t->setTextCursor(c);
    QuadernoModificato = VERO;
}

void IncollaTesto()
{
    const QString titolo = QStringLiteral("Incolla");
    const QString avviso = QStringLiteral("Per incollare del testo devi prima ") + FinaleIncolla;
    const QMimeData* dati = QGuiApplication::clipboard()->mimeData();
    if (!OffreTestoRicco(dati)) {
        MostraMessaggio(avviso, 3, titolo);
        return;
    }
    // Rich text that cannot be read goes in as what is beside it, never as
    // its raw codes; with nothing beside it, the pupil is told to copy.
    const EsitoIncolla esito = IncollaNegliAppunti(TxtAppunti(), dati);
    if (esito == EsitoIncolla::Illeggibile) MostraMessaggio(avviso, 3, titolo);
    if (esito == EsitoIncolla::Incollato) QuadernoModificato = VERO;
}

} // namespace

void EseguiCopia(uint8_t foglio)
{
    if (!EUnFoglio(foglio)) {
        CopiaTesto(QStringLiteral("Copia"), false);
        return;
    }
    int k = 0;
    for (int i = 1, n = FrazioniSulFoglio(foglio); i <= n; ++i) {
        if (Frazioni[foglio][i][3] != 1) continue;
        ++k;
        for (int campo = 1; campo <= 4; ++campo) FrazioniCopiate[k][campo] = Frazioni[foglio][i][campo];
    }
    if (k > 0) NumFrazioniCopiate = int16_t(k);
    else MostraMessaggio(QStringLiteral("Selezionare una o più frazioni"), 3, QStringLiteral("Copia"));
}

void TagliaSelezione(uint8_t foglio)
{
    if (!EUnFoglio(foglio)) {
        CopiaTesto(QStringLiteral("Taglia"), true);
        return;
    }
    if (ContaSelezionate(foglio) == 0) {
        MostraMessaggio(QStringLiteral("Selezionare una o più frazioni"), 3, QStringLiteral("Taglia"));
        return;
    }
    EseguiCopia(foglio);
    // The sheet is packed from a copy of its own: the shared scratch table
    // may hold what an open service window is showing.
    const CopiaFoglio copia(foglio);
    int k = 0;
    for (int i = 1; i <= copia.Conta(); ++i) {
        if (copia[i].sel != 0) continue;
        copia.Scrivi(++k, copia[i]);
    }
    QuadernoModificato = VERO;
    NumFrazioni(foglio) = int16_t(k);
    AggiornaScorrimento(foglio);
    RidisegnaFoglio(foglio);
}

void EseguiIncolla(uint8_t foglio)
{
    if (!EUnFoglio(foglio)) {
        IncollaTesto();
        return;
    }
    const QString titolo = QStringLiteral("Incolla");
    const int n = std::clamp<int>(NumFrazioniCopiate, 0, MaxFrazioni);
    const int c = FrazioniSulFoglio(foglio);
    if (n == 0) {
        MostraMessaggio(QStringLiteral("Per incollare delle frazioni devi prima ") + FinaleIncolla, 3, titolo);
        return;
    }
    if (c + n > MaxFrazioni) {
        MostraMessaggio(QStringLiteral("Un foglio non può contenere più di 128 frazioni"), 3, titolo);
        return;
    }
    for (int i = 1; i <= c; ++i) Frazioni[foglio][i][3] = 0;
    for (int j = 1; j <= n; ++j)
        for (int campo = 1; campo <= 4; ++campo) Frazioni[foglio][c + j][campo] = FrazioniCopiate[j][campo];
    NumFrazioni(foglio) = int16_t(c + n);
    RidisegnaFoglio(foglio);
    EvidenziaSelezionate(foglio);
    AggiornaScorrimento(foglio);
    QuadernoModificato = VERO;
}

void CancellaFoglio(uint8_t foglio)
{
    if (EUnFoglio(foglio)) {
        NumFrazioni(foglio) = 0;
        AggiornaScorrimento(foglio);
        RidisegnaFoglio(foglio);
        if (Princ* p = Unica<Princ>::SeEsiste()) {
            QLabel* immagine = foglio == 1 ? p->ImgRiducibilita() : p->ImgRiducibilita1();
            if (immagine) immagine->hide();
        }
        return;
    }
    // Emptied as the program empties the notes, so that clearing by itself
    // does not mark the notebook modified.
    CaricaAppunti([](QTextEdit* t) {
        t->clear();
        QTextCharFormat f;
        f.setFontPointSize(12);
        f.setFontWeight(QFont::Normal);
        f.setFontItalic(false);
        f.setFontUnderline(false);
        f.setForeground(QBColor(ColoreCorrente));
        t->mergeCurrentCharFormat(f);
    });
}
