#pragma once
// From a decimal number typed by the pupil to a fraction in lowest terms.
// Both conversions work in 32-bit integers: the nine-digit limit keeps
// every intermediate value below 10^9.
#include <QString>
#include <cstdint>

struct ConversioneDecimale {
    // More than 9 digits in all: nothing was converted.
    bool troppeCifre = false;
    // The value, reduced when the numerator is at least 1 (0 keeps its
    // denominator unreduced: the caller treats 0 as "nothing to add").
    int32_t num = 0;
    int32_t den = 1;
};

// A terminating number: digits with at most one comma that is neither
// first nor last (the text has passed ControllaDecimale). "0,75" gives
// 3/4, "2" gives 2/1, "1234567890" has too many digits.
ConversioneDecimale ConvertiDecimaleFinito(const QString& testo);

// A repeating number from its integer part, the digits after the comma that
// do not repeat (may be empty) and the repeating digits, each digits only
// (the texts have passed ControllaCifre). 1, 2, 3 (1,2333...) gives 37/30;
// more than 9 digits in all are too many.
ConversioneDecimale ConvertiDecimalePeriodico(const QString& intera, const QString& antiperiodo,
                                              const QString& periodo);
