#include "logica/DivisioneLunga.h"
#include "platform/Numeri.h"
#include "logica/Aritmetica.h"
#include <algorithm>

namespace {
const QString TitoloEsercizio = QStringLiteral("Trova il valore decimale della frazione");
const QString TitoloPasso = QStringLiteral("Valore decimale della frazione");
}

DivisioneLunga::DivisioneLunga(int16_t numeratore, int16_t denominatore)
    : num_(numeratore), den_(std::max<int16_t>(denominatore, 1)), dividendo_(numeratore)
{
    riga_ = CStr(num_) + QLatin1Char(':') + CStr(den_) + QLatin1Char('=');
}

QString DivisioneLunga::Divisore() const { return QLatin1Char(':') + CStr(den_) + QLatin1Char('='); }

std::optional<MessaggioDaMostrare> DivisioneLunga::AvvisoFinita() const
{
    if (!Finita()) return std::nullopt;
    return MessaggioDaMostrare{QStringLiteral("Il resto è 0, la divisione è terminata"), 3, TitoloEsercizio};
}

bool DivisioneLunga::RestoEsatto(const QString& testo) const
{
    if (testo.isEmpty() || testo.size() > 10) return false;
    for (QChar c : testo)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return testo.toLongLong() == dividendo_ % den_;
}

std::optional<MessaggioDaMostrare> DivisioneLunga::Passo(long long quoziente, long long resto)
{
    if (quoziente != dividendo_ / den_) return MessaggioDaMostrare{QStringLiteral("Quoziente errato"), 1, TitoloPasso};
    if (resto != dividendo_ % den_) return MessaggioDaMostrare{QStringLiteral("Resto errato"), 1, TitoloPasso};
    const int32_t r = int32_t(resto);
    if (!periodico_) {
        periodico_ = std::find(resti_ + 1, resti_ + 1 + numResti_, r) != resti_ + 1 + numResti_;
        resti_[++numResti_] = r;
        if (numResti_ >= MaxResti) periodico_ = true;
    }
    riga_ += CStr(quoziente);
    if (!virgolaInserita_ && num_ != den_) riga_ += QLatin1Char(',');
    virgolaInserita_ = true;
    dividendo_ = r * 10;
    return std::nullopt;
}

MessaggioDaMostrare DivisioneLunga::Verdetto() const
{
    if (Finita()) return {QStringLiteral("Ok, hai eseguito correttamente la divisione"), 5, TitoloEsercizio};
    const int16_t mcd = CalcolaMCD(num_, den_);
    if (VerificaDecimaleFinito(int16_t(den_ / (mcd > 0 ? mcd : 1))))
        return {QStringLiteral("Non hai portato a termine la divisione (fino a un resto nullo)"), 1, TitoloEsercizio};
    if (periodico_)
        return {QStringLiteral("Ok, il risultato della divisione è un numero periodico, ") + QStringLiteral("puoi fermarti ..."),
                5, TitoloEsercizio};
    return {QStringLiteral("Prosegui nella divisione"), 5, TitoloEsercizio};
}
