#pragma once
// The height of the notes as the notes box lays them out at its narrowest,
// shared by the rich-text layer's writer (ScriviEntroLimiti) and its reader
// (Leggi, once the document is built) and by no one else: both judge a
// document with the same call, on the document as the notes file keeps it
// (each run in the font, size, weight and slant the file writes for it), so
// that what one takes the other takes.
//
// The count of Misura (RtfMisura.h) charges each character and line as
// text of the box's own kind takes them. It holds where each character is
// drawn by the font its run names, no wider than about one and a half of
// that font's ems, in a font whose lines are at most one and a half ems
// tall, and where no line holds only a line break in text smaller than the
// document's font. A paragraph where any of that fails is laid out by Qt's
// own line layout at the narrowest width, and its height is added to the
// count: the document is within the bound when the sum is.
#include <QtGlobal>
#include <vector>

class QFont;
class QTextCharFormat;
class QTextDocument;

namespace Rtf::Interno {

// The font that text in format f shows in, in a document whose font is base
// (a relative size, such as a heading's, applied), and its size in half
// points as the notes file writes it.
QFont FontMostrato(const QTextCharFormat& f, const QFont& base);
int MezziPunti(const QFont& mostrato);

// Whether the document, whose count of height by Misura is contata units,
// perParagrafo for each of its paragraphs in turn, is within the bound on
// height and the bound on the work of breaking words too long for their
// lines (see Rtf.h). A paragraph that is laid out takes its height in
// place of its count.
bool AltezzaEntroLimiti(const QTextDocument& documento, qsizetype contata, const std::vector<qsizetype>& perParagrafo);

// The height in pixels at which the box lays out the whole document at its
// narrowest, every paragraph laid out as the bound lays the ones it
// measures out (for tests: it is Qt's own layout's height).
double AltezzaDisposta(const QTextDocument& documento);

// For each block of the document, whether the count holds for it (it is
// not laid out to judge the document).
std::vector<bool> BlocchiContati(const QTextDocument& documento);

}   // namespace Rtf::Interno
