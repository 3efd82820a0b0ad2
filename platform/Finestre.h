#pragma once
// Window helpers: top-most windows and placement on the screen (the order
// of the windows around a modal one is in OrdineFinestre.h).
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
class QPalette;
class QTextDocument;
class QTextEdit;
class QWidget;

// Makes a window stay above the others; call before it is first shown.
void RendiSempreSopra(QWidget* w);
// The flags of a fixed-size dialog: a title and a close box, and no
// minimise or maximise button asked of the window manager (a modal window
// that goes to the task bar takes the whole program with it).
Qt::WindowFlags FlagDialogoFisso();
// Shows a window and brings it to the front, active, for an opener that
// reuses an open window: one that the pupil minimised comes back in its
// normal state.
void PortaDavanti(QWidget* w);
// Gives the box a document built apart (read while the box went on showing
// the old one), which the box then owns; a document given to it earlier goes.
void SostituisciDocumento(QTextEdit* box, QTextDocument* nuovo);
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

// The application's palette with the window background in the given colour
// and every other role fixed as it is: one instance per colour, shared by
// every widget given it. The style caches its pictures of buttons, boxes and
// scroll bars under the palette's identity, and Qt keeps each cache name
// for good: a palette made anew for every window would leave a trail of
// them behind at every opening.
const QPalette& PaletteSfondo(const QColor& colore);
// Gives window w that background through the shared palette, and the same
// palette to each child widget that has no colour of its own (so that the
// buttons and boxes of every window of that colour share it too). A child
// with a palette of its own keeps it, with what lies inside it.
void ColoraFinestra(QWidget* w, const QColor& colore);
