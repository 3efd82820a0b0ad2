// Zoom in and out: a sheet changes its pie radius, the notes the font size
// of the selected text.
#include "commands/Comandi.h"
#include "logica/Zoom.h"
#include "platform/Colori.h"
#include "platform/Suono.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include "workspace/ModuloGenerale.h"
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

const QColor ColoreDidascalie{0, 0, 128};

int16_t& Raggio(int s) { return s == FoglioA ? RaggioFoglioA : RaggioFoglioB; }
int16_t& Colonne(int s) { return s == FoglioA ? ColonneFoglioA : ColonneFoglioB; }

void ZoomFoglio(int s, bool ingrandisci)
{
    const std::optional<int16_t> nuovo = RaggioDopoZoom(Raggio(s), ingrandisci);
    if (!nuovo) return;
    const int16_t R = *nuovo;
    Raggio(s) = R;

    FrmFoglio* f = Fogli::Istanza(uint8_t(s));
    Superficie* area = f->Area();
    // Small pies have no room for their captions: they are written in the
    // sheet's own tint, even while the sheets are white.
    area->ForeColor = R <= 400 ? (s == FoglioA ? TintaFoglioA : TintaFoglioB) : ColoreDidascalie;
    const double punti = R > 800 ? 12 : 8;
    area->Font.setPointSizeF(punti);
    FrmRitagliaImmagine().Picture1.Font.setPointSizeF(punti);

    Colonne(s) = CalcolaColonne(f->LarghezzaEsterna(), R);
    AggiornaScorrimento(uint8_t(s));
    RidisegnaFoglio(uint8_t(s));
    EvidenziaSelezionate(uint8_t(s));
    Suono::Riproduci(QStringLiteral("zoom.wav"));
}

double Punti(const QTextCharFormat& formato, const QTextDocument& documento)
{
    const double p = formato.fontPointSize();
    return p > 0 ? p : documento.defaultFont().pointSizeF();
}

// The one font size of the selected text (of the typing position when
// nothing is selected), or nothing when the selection mixes sizes.
std::optional<double> PuntiSelezione(const QTextCursor& c)
{
    const QTextDocument& documento = *c.document();
    if (!c.hasSelection()) return Punti(c.charFormat(), documento);
    const int inizio = c.selectionStart(), fine = c.selectionEnd();
    std::optional<double> trovato;
    for (QTextBlock b = documento.findBlock(inizio); b.isValid() && b.position() < fine; b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment pezzo = it.fragment();
            if (pezzo.position() >= fine || pezzo.position() + pezzo.length() <= inizio) continue;
            const double p = Punti(pezzo.charFormat(), documento);
            if (trovato && *trovato != p) return std::nullopt;
            trovato = p;
        }
    }
    // Only paragraph ends selected: the size they are typed in.
    if (!trovato) return Punti(c.charFormat(), documento);
    return trovato;
}

void ZoomAppunti(bool ingrandisci)
{
    QTextEdit* t = TxtAppunti();
    const std::optional<int> punti = PuntiDopoZoom(PuntiSelezione(t->textCursor()), ingrandisci);
    if (!punti) return;
    QTextCharFormat formato;
    formato.setFontPointSize(*punti);
    t->mergeCurrentCharFormat(formato);
}

void Zoom(uint8_t foglio, bool ingrandisci)
{
    if (foglio == FoglioA || foglio == FoglioB) ZoomFoglio(foglio, ingrandisci);
    else ZoomAppunti(ingrandisci);
}

} // namespace

void IngrandisciFoglio(uint8_t foglio) { Zoom(foglio, true); }

void RiduciFoglio(uint8_t foglio) { Zoom(foglio, false); }
