#include "service/Rappresentazioni.h"
#include "service/Aperture.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Numeri.h"
#include "platform/Superficie.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Primitive.h"
#include <QEvent>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

namespace {

const QFont& CarattereRappresentazioni()
{
    static const QFont f = [] {
        return CarattereConRiserva(QStringLiteral("MS Sans Serif"), 13.5);
    }();
    return f;
}

void PreparaTela(Tela& tela)
{
    tela.ImpostaScala(Tela::Scala::Pixel);
    tela.Font = CarattereRappresentazioni();
    tela.DrawWidth = 1;
    tela.Pulisci();
}

// "3/4": the terms without blanks.
QString TestoFrazione(const FrazioneRappresentata& f) { return CStr(f.num) + QLatin1Char('/') + CStr(f.den); }

void StampaIn(Tela& tela, double x, double y, const QString& testo)
{
    tela.CurrentX = x;
    tela.CurrentY = y;
    tela.Stampa(testo);
}

// Design colour of the rectangular window's caption.
const QColor BluCaption(0, 0, 128);
// The two ends of the bar.
const QColor EstremiBarra(255, 223, 191);
const QColor GrigioBarra(130, 130, 130);

QRect ClientPixel(QRect twip)
{
    return QRect(TwipInPixel(twip.x()), TwipInPixel(twip.y()), TwipInPixel(twip.width()),
                 TwipInPixel(twip.height()));
}

}   // namespace

// --- The drawings ----------------------------------------------------------------

void DisegnaRapprLineare(Tela& tela, const FrazioneRappresentata& f)
{
    PreparaTela(tela);
    const QSize dim = tela.DimensionePixel();
    if (dim.width() < 120 || f.den < 1) return;
    const int num = f.num, den = f.den;
    const int quota = Arrotonda32(dim.height() / 2.0 + 8);
    const int x0 = 30;
    const int lungBarra = (dim.width() - 60) / den * den;
    const int lungUnita = lungBarra / den;
    const int fineColore = x0 + lungUnita * num;

    tela.Rettangolo(x0, quota, x0 + lungBarra, quota + 8, GrigioBarra, true);
    tela.Rettangolo(x0, quota, fineColore, quota + 8, QBColor(f.colore), true);
    const QColor bianco = QBColor(15);
    for (int k = 1; k <= den - 1; ++k) tela.Linea(x0 + k * lungUnita, quota, x0 + k * lungUnita, quota + 9, bianco);
    tela.Linea(x0, quota, x0, quota + 9, EstremiBarra);
    tela.Linea(x0 + lungBarra, quota, x0 + lungBarra, quota + 9, EstremiBarra);

    tela.ForeColor = QBColor(1);
    StampaIn(tela, 5, 5, TestoFrazione(f));

    // The numerator's bracket over the coloured part, the denominator's
    // under the whole bar; each label centred (roughly) on its bracket.
    const QColor grigio = QBColor(8);
    const int sx = x0 - 1, dxSopra = fineColore + 1, dxSotto = x0 + lungBarra + 1;
    tela.Linea(sx, quota - 11, dxSopra, quota - 11, grigio);
    tela.Linea(sx, quota - 11, sx, quota - 5, grigio);
    tela.Linea(dxSopra, quota - 11, dxSopra, quota - 5, grigio);
    StampaIn(tela, lungUnita * num / 2.0 + x0 - 10, quota - 35, Str(num));

    tela.Linea(sx, quota + 19, dxSotto, quota + 19, grigio);
    tela.Linea(sx, quota + 19, sx, quota + 13, grigio);
    tela.Linea(dxSotto, quota + 19, dxSotto, quota + 13, grigio);
    StampaIn(tela, lungBarra / 2.0 + x0 - 10, quota + 18, Str(den));
}

void DisegnaRapprPoligonaleConTesto(Tela& tela, const FrazioneRappresentata& f)
{
    PreparaTela(tela);
    if (f.den < 1) return;
    DisegnaRapprPoligonale(tela, f.num, f.den, f.colore);
    tela.ForeColor = QBColor(1);
    StampaIn(tela, 5, 5, TestoFrazione(f));
}

int RigheGriglia(int den)
{
    int righe = 0;
    for (int i = 1; i * i <= den; ++i)
        if (den % i == 0) righe = i;
    return righe;
}

void DisegnaRapprRettangolare(Tela& tela, const FrazioneRappresentata& f)
{
    PreparaTela(tela);
    if (f.den < 1) return;
    const int righe = RigheGriglia(f.den);
    const int colonne = f.den / righe;
    const QSize dim = tela.DimensionePixel();
    const int minimo = std::min(dim.width(), dim.height());
    const int lato = Arrotonda32(double(minimo - 30) / colonne);
    // A window too small for a square of one pixel shows only the caption.
    if (lato >= 1) {
        int c = 0;
        for (int i = 1; i <= righe; ++i)
            for (int j = 1; j <= colonne; ++j) {
                ++c;
                DisegnaQuadrettoRettangolare(tela, int16_t(lato), int16_t(i), int16_t(j), c <= f.num ? 1 : 0,
                                             f.colore);
            }
    }
    tela.ForeColor = BluCaption;
    StampaIn(tela, colonne * lato + 10 + 10, 10, TestoFrazione(f));
}

// --- The windows -------------------------------------------------------------------

FinestraRappresentazione::FinestraRappresentazione(const QString& nome, const QString& titolo, int riga,
                                                   uint8_t menu, QRect clientTwip)
    : FinestraServizio(nome, nullptr, nullptr, menu), area_(new Superficie(this)), riga_(riga)
{
    setWindowTitle(titolo);
    // Sizable, without minimise and maximise buttons.
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    area_->setObjectName(QStringLiteral("Area"));
    area_->Font = CarattereRappresentazioni();
    ImpostaSfondo(TintaServizio);
    setGeometry(ClientPixel(clientTwip));
    area_->setGeometry(rect());
}

void FinestraRappresentazione::AggiornaSfondoERidisegna()
{
    const int16_t* r = FrazioniFinestre[riga_];
    frazione_ = {r[1], r[2], r[4]};
    ImpostaSfondo(ColoreSfondoServizio());
    Disegna();
}

void FinestraRappresentazione::ImpostaSfondo(const QColor& colore)
{
    FinestraServizio::ImpostaSfondo(colore);
    area_->BackColor = colore;
}

QImage FinestraRappresentazione::Istantanea() { return area_->Immagine(); }

FinestraRappresentazione::Disegnato FinestraRappresentazione::Attuale() const
{
    // The drawing takes the surface's widget size, before the show too.
    return {area_->size(), frazione_, area_->BackColor, area_->Immagine().cacheKey()};
}

void FinestraRappresentazione::Disegna()
{
    if (disegnato_ == Attuale()) return;
    DisegnaFigura();
    disegnato_ = Attuale();
}

void FinestraRappresentazione::resizeEvent(QResizeEvent* e)
{
    FinestraServizio::resizeEvent(e);
    area_->setGeometry(rect());
    Disegna();
}

void FinestraRappresentazione::changeEvent(QEvent* e)
{
    FinestraServizio::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) Disegna();
}

FrmRapprLineare::FrmRapprLineare()
    : FinestraRappresentazione(QStringLiteral("FrmRapprLineare"), QStringLiteral("Rappresentazione lineare"), 1, 1,
                               QRect(525, 2940, 5055, 1650))
{
}

void FrmRapprLineare::DisegnaFigura() { DisegnaRapprLineare(*area_, frazione_); }

FrmRapprPoligonale::FrmRapprPoligonale()
    : FinestraRappresentazione(QStringLiteral("FrmRapprPoligonale"), QStringLiteral("Rappresentazione poligonale"),
                               2, 2, QRect(1770, 2730, 3645, 2760))
{
}

void FrmRapprPoligonale::DisegnaFigura() { DisegnaRapprPoligonaleConTesto(*area_, frazione_); }

FrmRapprRettangolare::FrmRapprRettangolare()
    : FinestraRappresentazione(QStringLiteral("FrmRapprRettangolare"),
                               QStringLiteral("Rappresentazione rettangolare"), 3, 3, QRect(750, 2535, 3945, 2535))
{
}

void FrmRapprRettangolare::DisegnaFigura() { DisegnaRapprRettangolare(*area_, frazione_); }

void ApriFrmRapprLineare() { ApriRiusata<FrmRapprLineare>(); }
void ApriFrmRapprPoligonale() { ApriRiusata<FrmRapprPoligonale>(); }
void ApriFrmRapprRettangolare() { ApriRiusata<FrmRapprRettangolare>(); }
