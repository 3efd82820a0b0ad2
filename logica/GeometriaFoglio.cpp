#include "logica/GeometriaFoglio.h"
#include "logica/Frazione.h"
#include <algorithm>
#include <cmath>

QPoint GeometriaFoglio::Centro(int i) const
{
    if (C <= 0) return {};
    const int colonna = (i - 1) % C, riga = (i - 1) / C;
    return QPoint((2 * colonna + 1) * (R + 50), riga * 2 * (R + G) + S + 50 + R);
}

int GeometriaFoglio::Colpita(int n, double x, double y) const
{
    if (C <= 0) return 0;
    for (int i = 1; i <= n; ++i) {
        const QPoint c = Centro(i);
        if (CalcolaDistanza(x, y, c.x(), c.y()) < float(R)) return i;
    }
    return 0;
}

int16_t CalcolaColonne(int W, int R)
{
    const int passo = 2 * R + 100;
    if (passo <= 0 || W - 200 <= 0) return 0;
    return int16_t(std::min(MaxFrazioni, (W - 200) / passo));
}

int CalcolaCapienza(int H, int R, int G, int C)
{
    // The row pitch is the drawing pitch, so every row that is cut off at the
    // bottom can be reached by scrolling.
    const int passo = 2 * R + 2 * G;
    if (passo <= 0 || C <= 0 || H - 450 <= 0) return 0;
    return (H - 450) / passo * C;
}

float CalcolaDistanza(double x1, double y1, double x2, double y2)
{
    return float(std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1)));
}
