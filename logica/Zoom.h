#pragma once
// The size steps of the zoom commands, apart from the windows they act on.
#include <cstdint>
#include <optional>

// Smallest and largest pie radius of a sheet (twips) and the step between.
constexpr int16_t RaggioMinimo = 200;
constexpr int16_t RaggioMassimo = 2000;
constexpr int16_t PassoRaggio = 50;

// The radius after one zoom step (in: larger), or nothing when the radius
// is already at that end.
std::optional<int16_t> RaggioDopoZoom(int16_t raggio, bool ingrandisci);

// Font sizes of the notes (points) the rich text box can hold.
constexpr double PuntiMinimi = 1;
constexpr double PuntiMassimi = 1638;

// The notes' font size after one zoom step: 12 when the selected text has
// no single size (attuale empty), otherwise one point more or less rounded
// to a whole number, a half going to the even one. Nothing when that size
// falls outside PuntiMinimi..PuntiMassimi.
std::optional<int> PuntiDopoZoom(std::optional<double> attuale, bool ingrandisci);
