#pragma once
// The fields of a fraction record and the numbers of the sheets, as the
// fraction store (Frazioni[foglio][posizione][campo]) and every table
// shaped like it index them.
#include <cstdint>

// Field of a fraction record: numerator, denominator, selected (1 or 0),
// colour (palette index 0..15). Index 0 of a record is never used.
constexpr int CampoNum = 1;
constexpr int CampoDen = 2;
constexpr int CampoSel = 3;
constexpr int CampoColore = 4;

// The document windows: the two sheets of fractions and the notes.
constexpr uint8_t FoglioA = 1;
constexpr uint8_t FoglioB = 2;
constexpr uint8_t FoglioAppunti = 3;

// The most fractions a sheet holds.
constexpr int MaxFrazioni = 128;
