#pragma once
// Number helpers shared by every window: rounding, number-to-text and
// 16-bit arithmetic that notices overflow.
#include <QString>
#include <cstdint>
#include <stdexcept>

// Raised when a fraction's term leaves the 16-bit range.
struct OverflowTermini : std::overflow_error {
    OverflowTermini() : std::overflow_error("overflow") {}
};

// Rounds to the nearest integer, an exact half to the even neighbour.
int32_t Arrotonda32(double v);
// Same, for values that must fit 16 bits: throws OverflowTermini outside.
int16_t Arrotonda16(double v);

// Number to text as the platform converts it: one leading blank when the
// number is not negative ("Str"), or plain digits ("CStr").
QString Str(long long n);
QString CStr(long long n);

// Checked 16-bit arithmetic: throws OverflowTermini when the result does
// not fit a 16-bit signed integer.
int16_t Controlla16(long long v);
inline int16_t Somma16(long long a, long long b) { return Controlla16(a + b); }
inline int16_t Sottrai16(long long a, long long b) { return Controlla16(a - b); }
inline int16_t Moltiplica16(long long a, long long b) { return Controlla16(a * b); }
inline bool Sta16(long long v) { return v >= INT16_MIN && v <= INT16_MAX; }
