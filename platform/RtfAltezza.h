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
#include <QFont>
#include <QHash>
#include <QTextOption>
#include <QtGlobal>
#include <memory>
#include <vector>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;
class QTextFragment;

namespace Rtf::Interno {

// The font that text in format f shows in, in a document whose font is base
// (a relative size, such as a heading's, applied), and its size in half
// points as the notes file writes it.
QFont FontMostrato(const QTextCharFormat& f, const QFont& base);
int MezziPunti(const QFont& mostrato);

// The spacing before or after a paragraph as the notes file writes it, in
// whole twips (0 for none), and whether text in format f is underlined
// there: the writer writes them so, and the height judges them so.
int Twip(qreal pixel);
bool Sottolineato(const QTextCharFormat& f, const QFont& base);

// Whether the document, whose count of height by Misura is contata units,
// perParagrafo for each of its paragraphs in turn, is within the bound on
// height and the bound on the work of breaking words too long for their
// lines (see Rtf.h). A paragraph that is laid out takes its height in
// place of its count.
bool AltezzaEntroLimiti(const QTextDocument& documento, qsizetype contata, const std::vector<qsizetype>& perParagrafo);

class Font;

// One judgement of a document's height: which of its blocks the count
// holds for, and how tall Qt lays out the others at the narrowest.
class Giudizio {
public:
    explicit Giudizio(const QTextDocument& d);
    ~Giudizio();
    Giudizio(const Giudizio&) = delete;
    Giudizio& operator=(const Giudizio&) = delete;

    // Whether the count holds for a block of Latin-1 text (testo, its n
    // characters): it does for any block when every format of the
    // document is in a font that draws Latin-1 within the count. Without
    // asking the block for its fragments, which costs a look-up in the
    // document's tree, most blocks of most notes are judged so.
    bool ContatoLatino(const QChar* testo, qsizetype n) const;
    // Whether the count of Misura holds for the block. Every character of
    // the notes goes through here at each open and save: plain ASCII is
    // looked at first.
    bool Contato(const QTextBlock& b);
    // The spacing before or after a paragraph as the file writes it, in
    // pixels.
    static double Spazio(qreal pixel);
    // The height in pixels of the lines of the block laid out at the
    // narrowest, laid out no further than limite pixels; the work of
    // breaking its words goes to lavoro.
    double Righe(const QTextBlock& b, double limite);

    qsizetype lavoro = 0;

private:
    Font* FontDelFrammento(const QTextFragment& f);
    Font& FontDi(const QTextCharFormat& f);

    const QFont base;
    bool formatiLatini = false;
    const int mezziPuntiBase;
    const double larghezza;
    QTextOption opzione;
    std::vector<std::shared_ptr<Font>> usati;   // alive while this judgement lasts
    QHash<int, Font*> perIndice;
    int ricerche;
};

}   // namespace Rtf::Interno
