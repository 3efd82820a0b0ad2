#pragma once
// What the sheet copy and the printing of the main window take out of the
// program. The handlers themselves are declared in commands/Comandi.h.
#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

class QTextDocument;

// The word that names the active window in the copy and print questions:
// "di calcolo A", "di calcolo B", otherwise "degli appunti".
QString ParolaFinestra(uint8_t foglio);

// The picture of sheet s as it goes to the clipboard: its persistent drawing
// (no scroll bar, no hover label) cut to the top left (W - 270) x (H - 330)
// twips of the window's outer size, any part beyond the drawing in the
// sheet's background colour. Null when that leaves no area.
QImage ImmagineDaCopiare(uint8_t s);

// What the notes print: a copy of the selected text when some is selected,
// otherwise of the whole notes, with the notes' own default font.
std::unique_ptr<QTextDocument> AppuntiDaStampare();
