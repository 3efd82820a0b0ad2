#include "logica/Decimali.h"
#include "logica/Aritmetica.h"

namespace {
constexpr int MassimoCifre = 9;

// The value of a string of at most 9 digits; 0 for an empty string.
int32_t Valore(const QString& cifre)
{
    int32_t v = 0;
    for (QChar c : cifre) v = v * 10 + (c.unicode() - u'0');
    return v;
}

ConversioneDecimale Riduci(int32_t num, int32_t den)
{
    ConversioneDecimale r;
    r.num = num;
    r.den = den;
    if (num >= 1 && den >= 1) {
        const int32_t g = CalcolaMCDLungo(num, den);
        r.num /= g;
        r.den /= g;
    }
    return r;
}

ConversioneDecimale TroppeCifre()
{
    ConversioneDecimale r;
    r.troppeCifre = true;
    return r;
}
}

ConversioneDecimale ConvertiDecimaleFinito(const QString& testo)
{
    const qsizetype virgola = testo.indexOf(QLatin1Char(','));
    const QString intera = virgola < 0 ? testo : testo.left(virgola);
    const QString decimali = virgola < 0 ? QString() : testo.mid(virgola + 1);
    if (intera.size() + decimali.size() > MassimoCifre) return TroppeCifre();
    // 10 to the number of decimals, written as "1" and that many zeros.
    return Riduci(Valore(intera + decimali), Valore(QLatin1Char('1') + QString(decimali.size(), QLatin1Char('0'))));
}

ConversioneDecimale ConvertiDecimalePeriodico(const QString& intera, const QString& antiperiodo,
                                              const QString& periodo)
{
    if (intera.size() + antiperiodo.size() + periodo.size() > MassimoCifre) return TroppeCifre();
    const int32_t num = Valore(intera + antiperiodo + periodo) - Valore(intera + antiperiodo);
    // As many nines as repeating digits, then as many zeros as the others.
    const int32_t den = Valore(QString(periodo.size(), QLatin1Char('9')) + QString(antiperiodo.size(), QLatin1Char('0')));
    return Riduci(num, den);
}
