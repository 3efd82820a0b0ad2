#include "platform/Numeri.h"
#include <cfenv>
#include <cmath>
#include <limits>

static double ArrotondaPari(double v)
{
#ifdef __clang__
    // Clang otherwise takes the rounding mode as fixed and may round before
    // the mode is set below (GCC keeps the calls in order, and does not
    // know this pragma).
#pragma STDC FENV_ACCESS ON
#endif
    // std::nearbyint follows the current rounding mode: make sure it is
    // round-to-nearest-even whatever the caller left behind.
    const int modo = std::fegetround();
    if (modo != FE_TONEAREST) std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    if (modo != FE_TONEAREST) std::fesetround(modo);
    return r;
}

// Rounds half to even into T; a result outside T (or NaN) throws.
template <typename T>
static T ArrotondaIn(double v)
{
    const double r = ArrotondaPari(v);
    if (!(r >= std::numeric_limits<T>::min() && r <= std::numeric_limits<T>::max())) throw OverflowTermini();
    return static_cast<T>(r);
}

int32_t Arrotonda32(double v) { return ArrotondaIn<int32_t>(v); }
int16_t Arrotonda16(double v) { return ArrotondaIn<int16_t>(v); }

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
