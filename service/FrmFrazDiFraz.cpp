#include "service/FrmFrazDiFraz.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Numeri.h"
#include "platform/Superficie.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Primitive.h"
#include <algorithm>
#include <cmath>

namespace {
// The designed inner size. The squares take their side from its height; the
// picture is at least this size, larger when the drawing reaches further.
constexpr int LarghezzaImmagine = 327, AltezzaImmagine = 272;

QString Testo(int n, int d) { return CStr(n) + QLatin1Char('/') + CStr(d); }
}   // namespace

FrmFrazDiFraz::FrmFrazDiFraz(QWidget* parent)
    : FinestraServizio(QStringLiteral("FrmFrazDiFraz"), &AltoFrazDiFraz, &SinistraFrazDiFraz, 9, parent)
{
    setWindowTitle(QStringLiteral("Frazione di frazione"));
    a_ = FrazioniFinestre[9][1];
    b_ = FrazioniFinestre[9][2];
    colore1_ = FrazioniFinestre[9][4];
    c_ = FrazioniFinestre[10][1];
    d_ = FrazioniFinestre[10][2];
    colore2_ = FrazioniFinestre[10][4];

    area_ = new Superficie(this);
    area_->setObjectName(QStringLiteral("AreaFrazDiFraz"));
    area_->ImpostaScala(Tela::Scala::Pixel);
    area_->Font = CarattereConRiserva(QStringLiteral("MS Sans Serif"), 18);
    // The picture holds the whole drawing (with small squares, a hundred or
    // more rows or columns run past the designed size) and keeps it whatever
    // size the window is given: enlarging the window shows more of it.
    area_->setGeometry(QRect(QPoint(0, 0), MisuraDisegno()));
    resize(LarghezzaImmagine, AltezzaImmagine);

    const QColor sfondo = ColoreSfondoServizio();
    ImpostaSfondo(sfondo);
    area_->BackColor = sfondo;
    Disegna();
}

int FrmFrazDiFraz::Lato(int altezza, int b, int d)
{
    const int h2 = Arrotonda32(altezza / 2.0);
    const int m = std::max(b, d);
    if (h2 <= 0 || m <= 0) return 0;
    return std::max(0, Arrotonda32(double(h2) / m));
}

QSize FrmFrazDiFraz::MisuraDisegno() const
{
    const Tela& t = *area_;
    const int L = Lato(AltezzaImmagine, b_, d_);
    // Both corners of a box are drawn: the last pixel of the right grid is
    // at 20 + 2b·L. The texts under the grids start at x, and reach further
    // than the heading and the grids' own labels above them.
    const double x = 20.0 + double(b_) * L;
    const QString riga = Testo(a_, b_) + QStringLiteral(" di ") + Testo(c_, d_) + QLatin1Char('=');
    const QString risultato = Risultato();
    const double destra =
        std::max({x + b_ * double(L) + 1, x + t.LarghezzaTesto(riga), x + t.LarghezzaTesto(risultato)});
    const double basso = 95.0 + double(d_) * L + t.AltezzaTesto(risultato);
    return {std::max(LarghezzaImmagine, int(std::ceil(destra))), std::max(AltezzaImmagine, int(std::ceil(basso)))};
}

void FrmFrazDiFraz::Disegna()
{
    Tela& t = *area_;
    t.Pulisci();
    const auto scrivi = [&t](const QString& testo, int colore) {
        t.ForeColor = QBColor(colore);
        t.Stampa(testo);
    };
    t.CurrentX = 0;
    t.CurrentY = 0;
    scrivi(Testo(a_, b_), colore1_);
    scrivi(QStringLiteral(" di "), 0);
    scrivi(Testo(c_, d_), colore2_);

    const int L = Lato(AltezzaImmagine, b_, d_);
    if (L > 0) {
        for (int i = 1; i <= d_; ++i)
            for (int j = 1; j <= b_; ++j)
                DisegnaQuadrettoFrazDiFraz(t, int16_t(L), int16_t(i), int16_t(j), i <= c_ ? 1 : 0, colore2_);
        // a·c is at most b·d (≤ 10000): counted in 32 bits all the same.
        const int32_t prodotto = int32_t(a_) * c_;
        int32_t k = 0;
        for (int i = 1; i <= d_; ++i)
            for (int j = 1; j <= b_; ++j) {
                DisegnaQuadrettoFrazDiFraz2(t, int16_t(L), int16_t(i), int16_t(b_ + j), i <= c_ ? 1 : 0, colore2_);
                if (j <= a_ && k < prodotto) {
                    DisegnaQuadrettoFrazDiFraz2(t, int16_t(L), int16_t(i), int16_t(b_ + j), 1, colore1_);
                    ++k;
                }
            }
    }

    t.CurrentX = 10;
    t.CurrentY = 40;
    scrivi(Testo(c_, d_), colore2_);

    const double x = 20.0 + double(b_) * L;
    t.CurrentX = x;
    t.CurrentY = 70.0 + double(d_) * L;
    scrivi(Testo(a_, b_), colore1_);
    scrivi(QStringLiteral(" di "), 0);
    scrivi(Testo(c_, d_), colore2_);
    scrivi(QStringLiteral("="), 0);
    t.CurrentX = x;
    t.CurrentY = 95.0 + double(d_) * L;
    scrivi(Risultato(), colore1_);
}

QString FrmFrazDiFraz::Risultato() const
{
    return CStr(int32_t(a_) * c_) + QLatin1Char('/') + CStr(int32_t(b_) * d_);
}

QImage FrmFrazDiFraz::Istantanea() { return area_->Immagine(); }

void ApriFrmFrazDiFraz() { ApriFresca<FrmFrazDiFraz>(); }
