#pragma once
// Window helpers: top-most windows and placement on the screen.
#include <QFont>
#include <QPoint>
#include <QRect>
class QWidget;

// Makes a window stay above the others; call before it is first shown.
void RendiSempreSopra(QWidget* w);
// Moves a top-level window to pos (screen coordinates), kept inside the
// available area of the screen that holds that point.
void PosizionaSulloSchermo(QWidget* w, QPoint pos);
// Twips to pixels and back (15 twips a pixel).
constexpr int TwipPerPixel = 15;
int TwipInPixel(double twip);
// A box given in twips (left, top, width, height), in pixels.
QRect RettangoloTwip(int x, int y, int larghezza, int altezza);
inline QRect RettangoloTwip(const QRect& twip) { return RettangoloTwip(twip.x(), twip.y(), twip.width(), twip.height()); }
double PixelInTwip(int pixel);

// A font of the given family, falling back to DejaVu Sans where that family
// is not installed (the designed fonts are Windows ones).
QFont CarattereConRiserva(const QString& famiglia);
// The same at a size in points, bold or not.
QFont CarattereConRiserva(const QString& famiglia, double punti, bool grassetto = false);
