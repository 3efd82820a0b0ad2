#include "platform/Numeri.h"
#include <cfenv>
#include <cmath>

static double ArrotondaPari(double v)
{
    // std::nearbyint follows the current rounding mode: make sure it is
    // round-to-nearest-even whatever the caller left behind.
    const int modo = std::fegetround();
    if (modo != FE_TONEAREST) std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    if (modo != FE_TONEAREST) std::fesetround(modo);
    return r;
}

int32_t Arrotonda32(double v)
{
    const double r = ArrotondaPari(v);
    if (!(r >= INT32_MIN && r <= INT32_MAX)) throw OverflowTermini();
    return static_cast<int32_t>(r);
}

int16_t Arrotonda16(double v)
{
    const double r = ArrotondaPari(v);
    if (!(r >= INT16_MIN && r <= INT16_MAX)) throw OverflowTermini();
    return static_cast<int16_t>(r);
}

QString Str(long long n)
{
    return n < 0 ? QString::number(n) : QStringLiteral(" ") + QString::number(n);
}

QString CStr(long long n) { return QString::number(n); }

int16_t Controlla16(long long v)
{
    if (!Sta16(v)) throw OverflowTermini();
    return static_cast<int16_t>(v);
}
