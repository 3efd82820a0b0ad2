#include "logica/Aritmetica.h"
#include "platform/Numeri.h"
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
// Integer part of the square root; n must not be negative.
int RadiceIntera(int n) { return int(std::floor(std::sqrt(double(n)))); }

template <typename T> T Mcd(T a, T b)
{
    // Worked in 64 bits on the magnitudes, so that no argument can divide
    // by zero or overflow on the way.
    long long g = std::llabs((long long)a), k = std::llabs((long long)b);
    if (g == 0 || k == 0) return T(g + k);
    if (k > g) std::swap(g, k);
    long long r = g % k;
    while (r > 0) {
        g = k;
        k = r;
        r = g % k;
    }
    return T(k);
}
}

int16_t CalcolaMCD(int16_t a, int16_t b) { return Mcd<int16_t>(a, b); }

int32_t CalcolaMCDLungo(int32_t a, int32_t b) { return Mcd<int32_t>(a, b); }

bool VerificaPrimo(int16_t n)
{
    if (n < 0) return false;
    if (n == 1) return false;
    if (n == 2) return true;
    if (n % 2 == 0) return false;
    const int limite = RadiceIntera(n);
    for (int d = 3; d <= limite; d += 2)
        if (n % d == 0) return false;
    return true;
}

int16_t TrovaMinimoDivisore(int16_t n)
{
    if (n < 0) return n;
    if (n % 2 == 0) return 2;
    const int limite = RadiceIntera(n);
    for (int d = 3; d <= limite; d += 2)
        if (n % d == 0) return int16_t(d);
    return n;
}

std::optional<int16_t> TrovaDivisoreMassimo(int16_t n)
{
    if (n < 0) return std::nullopt;
    for (int d = Arrotonda32(std::sqrt(double(n))); d >= 2; --d)
        if (n % d == 0) return int16_t(d);
    return std::nullopt;
}

QString ScomponiInFattori(int16_t n)
{
    QString fattori;
    int16_t m = n;
    while (m >= 2) {
        const int16_t p = TrovaMinimoDivisore(m);
        m = int16_t(m / p);
        fattori += QString::number(p) + QLatin1Char('x');
    }
    if (fattori.isEmpty()) return QStringLiteral("1");
    fattori.chop(1);
    return fattori;
}

uint8_t TrovaColorePrimo(int16_t p)
{
    switch (p) {
    case 2: return 12;
    case 3: return 1;
    case 5: return 2;
    case 7: return 9;
    case 11: return 5;
    case 13: return 4;
    case 17: return 3;
    case 19: return 6;
    case 23: return 11;
    case 29: return 13;
    case 31: return 10;
    default: return 0;
    }
}

bool VerificaDecimaleFinito(int16_t n)
{
    if (n <= 0) return false;
    for (;;) {
        while (n % 2 == 0) n = int16_t(n / 2);
        if (n % 5 != 0) break;
        n = int16_t(n / 5);
    }
    return n == 1;
}

QString EstraiNomeFile(const QString& percorso)
{
    const qsizetype ultima = std::max(percorso.lastIndexOf(QLatin1Char('\\')), percorso.lastIndexOf(QLatin1Char('/')));
    return percorso.mid(ultima + 1);
}

QString SostituisciPuntiConVirgole(QString& s)
{
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}
