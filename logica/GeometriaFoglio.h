#pragma once
// Plain geometry of a sheet of pies (no window needed): where each pie
// stands, which pie a point hits, how many columns and pies fit. All
// lengths are twips.
#include <QPoint>
#include <cstdint>

// The grid of one sheet: radius, gap, columns and scroll offset.
struct GeometriaFoglio {
    int R = 900;        // radius
    int G = 140;        // DistanzaTorte
    int C = 0;          // columns
    int32_t S = 0;      // offset (0 or negative)
    // Centre of pie i (1-based); only meaningful while C > 0.
    QPoint Centro(int i) const;
    // Lowest position 1..n whose centre is nearer than R to (x, y); 0 if none
    // (always 0 while C = 0).
    int Colpita(int n, double x, double y) const;
};
// Columns for an outer width W (never negative).
int16_t CalcolaColonne(int W, int R);
// Pies that fit without scrolling for an outer height H (never negative).
int CalcolaCapienza(int H, int R, int G, int C);
// Distance of two points, computed in double and returned in single precision.
float CalcolaDistanza(double x1, double y1, double x2, double y2);
