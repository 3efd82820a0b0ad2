#pragma once
// The fixed 16-colour palette, addressed by index 0..15.
#include <QColor>

QColor QBColor(int indice);   // out-of-range indices give black
inline const QColor GrigioTorta{150, 150, 150};
inline const QColor TintaFoglioA{255, 255, 192};
inline const QColor TintaFoglioB{192, 255, 255};
inline const QColor TintaServizio{255, 224, 192};
