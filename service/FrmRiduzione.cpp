#include "service/FrmRiduzione.h"
#include "logica/Verifiche.h"
#include "platform/Numeri.h"
#include "platform/Superficie.h"
#include "workspace/Aritmetica.h"
#include "workspace/ModuloGenerale.h"
#include <algorithm>

namespace {
constexpr int AltezzaTwip = 2000;
constexpr double Margine = 100;
constexpr double RigaNumeratore = 450, RigaDenominatore = 850, RigaRegola = 866;
constexpr double XVerdetto = 50, YVerdetto = 1350;

QFont Carattere(double punti)
{
    return CarattereConRiserva(QStringLiteral("MS Sans Serif"), punti);
}

// Where the factor line of n printed from (x, y) ends, in twips.
double FineFattori(Tela& tela, double y, int16_t n)
{
    tela.CurrentX = Margine;
    tela.CurrentY = y;
    StampaFattoriColorati(tela, n);
    return tela.CurrentX;
}

int16_t In16(double twip) { return int16_t(std::clamp<int32_t>(Arrotonda32(twip), 0, INT16_MAX)); }
}   // namespace

FrmRiduzione::FrmRiduzione(int16_t num, int16_t den, int16_t mcd)
    : FinestraServizio(QStringLiteral("FrmRiduzione"), &AltoRiduzione, &SinistraRiduzione, 7)
{
    setWindowTitle(QStringLiteral("Minimi termini ?"));
    area_ = new Superficie(this);
    area_->setObjectName(QStringLiteral("Area"));
    area_->Font = Carattere(18);

    // The surface keeps only what fits, so both factor lines are measured
    // before it takes its size.
    SuperficieNascosta misura;
    misura.Font = area_->Font;
    const int16_t w = std::max(In16(FineFattori(misura, RigaNumeratore, num)),
                               In16(FineFattori(misura, RigaDenominatore, den)));
    larghezzaFigura_ = w;
    // The verdict is written in whatever font stands in for the designed
    // one; a wider stand-in widens the window rather than cut the verdict.
    const QString verdetto = VerdettoRiduzione(mcd);
    misura.Font = Carattere(10);
    const double fineVerdetto = XVerdetto + misura.LarghezzaTesto(verdetto) + XVerdetto;
    const double larghezza = std::max<double>(LarghezzaRiduzione(w), fineVerdetto);
    const QSize cliente(TwipInPixel(larghezza), TwipInPixel(AltezzaTwip));
    resize(cliente);
    area_->setGeometry(QRect(QPoint(0, 0), cliente));
    ImpostaSfondo(ColoreSfondoServizio());
    area_->Pulisci();

    Tela& t = *area_;
    t.CurrentX = Margine;
    t.CurrentY = 0;
    t.Stampa(CStr(num) + QLatin1Char('/') + CStr(den) + QStringLiteral(" =") + ACapo);
    FineFattori(t, RigaNumeratore, num);
    FineFattori(t, RigaDenominatore, den);
    t.DrawWidth = 2;
    t.Linea(Margine, RigaRegola, w, RigaRegola, QColor(0, 0, 0));
    t.DrawWidth = 1;
    t.CurrentX = XVerdetto;
    t.CurrentY = YVerdetto;
    t.Font = Carattere(10);
    t.Stampa(verdetto);
    t.Font = Carattere(18);
}

void FrmRiduzione::ImpostaSfondo(const QColor& colore)
{
    FinestraServizio::ImpostaSfondo(colore);
    // The surface's background is only what the next clearing paints: the
    // drawing stays as it was made.
    area_->BackColor = colore;
}
