#pragma once
// Rich text in RTF 1.x for the rich text boxes: the notes file, the notes on
// the clipboard and any rich-text file the program loads. Qt reads and writes
// no RTF, so this layer does both, from and into a QTextDocument. This is
// its one interface; its parts are RtfMisura (the counts of the bounds that
// writer and reader share), RtfScrittore (the writer), RtfLettore (the
// reader) and RtfFile (files and the clipboard).
//
// What travels: the text, bold, italic, underline, strike-through, the text
// colour, the font size as shown (a relative size such as a heading's is
// written as the size it shows), the font family, the paragraph alignment
// (left, centre, right, justified; an absolute one as its side) and the
// space before and after a paragraph. Line breaks inside a paragraph are
// \line (U+2028 in the document), non-breaking space \~, soft hyphen \-,
// non-breaking hyphen \_; tabs are written as the tab byte itself, which
// word processors take as \tab (and \tab is read too).
// What does not travel: pictures and other objects, links (their text
// stays), lists (their items stay as paragraphs, without bullets or
// numbers), tables and frames (cells as paragraphs when written, as
// tab-separated lines when read), indents, line spacing, background and
// highlight colours, sizes finer than the half point, other character
// formats (superscript, small capitals, letter spacing ...), weights other
// than normal and bold (up to medium they come back normal, heavier ones
// bold), transparent and translucent colours (they come back opaque: text
// in the web's "transparent" shows, in black), paragraphs that do not wrap
// (<pre>, white-space:nowrap: they come back wrapping), control characters
// other than the tab (left out), blanks around a font name, and the text
// direction.
//
// Writer: ASCII only. `{\rtf1\ansi\ansicpg1252\deff0`, a font table (font 0
// is the document's default font; a ';' in a name is \'3b), a colour table
// whose entry 0 is the automatic colour (text without a colour of its own
// is written \cf0), then one `\pard ... \par` per paragraph, the last one
// included, as word processors write it. Every character beyond ASCII is
// \uN? (N as a signed 16-bit number, characters beyond U+FFFF as two halves
// of a surrogate pair). Sizes are written in half points, rounded half to
// even; spacing in twips.
//
// Reader: tolerant of what word processors write. Groups save and restore
// the character and paragraph state; `{\*...}` groups and destinations that
// hold no text of the document (style sheet, info, headers, footers,
// footnotes, pictures, objects, shapes, list tables, ...) are skipped, with
// their \binN data; unknown control words are ignored. \'hh is decoded in
// the Windows-1252 code page, \uN is read with its fallback skipped as \ucN
// says (whatever \ansicpg or \fcharset claim). Every run read gets its
// bold, italic, underline, strike-through and size set explicitly, and its
// family when the font table names its font; text without \fs is 12 pt (the
// format's default); \cf0 and colours missing from the table are the
// automatic colour (no colour of its own). The tables keep 4096 entries
// each; a font name keeps no control characters nor U+FFFC, U+FDD0,
// U+FDD1, U+2029, no blanks around it and at most 200 units, as the writer
// writes it. \sb and \sa are taken up to 600 twips.
// \cell is read as a tab and \row, \sect and \page as paragraph ends, so a
// table comes out as lines of tab-separated cells. Hidden text (\v) is left
// out. CR and LF in the source are ignored.
// A \par that is the last thing in the document ends the last paragraph and
// opens no empty one after it (so what the writer writes comes back with the
// same paragraphs, empty ones included). A last paragraph without \par has
// the alignment and spacing in force at its last text. The formatting in
// force at a paragraph's end is what is typed into it when it is empty; a
// paragraph with text takes no formatting of its own from it, so that a
// line holding only a line break is as tall as its own break (or as the
// document's font, when that is taller).
//
// Errors (the function returns false, gives a message in Italian and leaves
// the document untouched):
// - input that does not begin with `{\rtf` (a UTF-8 byte-order mark, blanks
//   and line ends before it are allowed);
// - input past one of the bounds above;
// - groups nested deeper than ProfonditaMassima (skipped groups included);
// - raw control bytes such as NUL, which no RTF writer puts outside \bin data;
// - input that ends inside the font or colour table.
// Input that simply stops before its closing braces (a truncated file, or one
// whose last braces are missing) is accepted with the text read up to there:
// at worst the control word that was cut is lost. Whatever follows the brace
// that closes the document is ignored. The reader never recurses, skips at
// most 16 fallback characters after \uN, and its memory grows at most
// linearly with the input.
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

class QFont;
class QMimeData;
class QTextCursor;
class QTextDocument;
class QTextDocumentFragment;

namespace Rtf {
// The bounds of what the reader takes in, against hostile or damaged files
// that would freeze the box showing them. The writer keeps the same bounds,
// counted the same way (ScriviEntroLimiti), so that whatever it writes opens
// again, and whatever the reader takes in it writes again within them.
// A document within all of them shows in about two seconds at most, at the
// box's narrowest and widest; a pupil's notes stay far below:
// - the size of the input in bytes, and of what the writer would write for
//   what was read, counted never below what it writes (the height below
//   keeps plain text far under it: only text written as escapes, such as
//   characters beyond ASCII in small sizes, comes near it);
inline constexpr qsizetype DimensioneMassima = 32 * 1024 * 1024;
// - paragraphs and runs of formatting together (a paragraph without its
//   closing \par counts as one with it); each costs the document far more
//   memory than its bytes. A change of script or of direction inside a run
//   (from Latin to Arabic, from Hebrew to a number, a bidirectional control
//   character) counts as a run too, here and in the bounds on runs below:
//   Qt shapes and lays out each such stretch as a run of its own, at far
//   more than a character's cost;
inline constexpr int ElementiMassimi = 250'000;
// - the characters and the runs of one paragraph: the box lays a whole
//   paragraph out again at every key typed in it, at a cost that grows with
//   both;
inline constexpr int CaratteriParagrafoMassimi = 200'000;
inline constexpr int PezziParagrafoMassimi = 50'000;
// - the characters and the runs of one unbroken word (a stretch without a
//   blank, tab or line break): the box breaks a word too long for its line
//   at a cost that grows with the square of its length, and far faster
//   with every change of formatting inside it.
inline constexpr int CaratteriParolaMassimi = 5'000;
inline constexpr int PezziParolaMassimi = 500;
// - the code points of one grapheme cluster: a character with the marks,
//   joiners, variation selectors, emoji modifiers and tags and the
//   conjoining jamo that join it, and what follows a prepended sign or a
//   zero-width joiner (a run of signs with no letter before it is one
//   cluster too). Qt's shaping of a cluster grows with the square of its
//   length. As in Unicode's stream-safe text, 30 code points may join the
//   one that begins a cluster; a surrogate pair is one code point.
inline constexpr int CodiciGrappoloMassimi = 31;
// - the shaping work of the whole text, in units: a code point costs
//   1 + (the code points before it in its cluster) / 4, except one that
//   begins a cluster and is ASCII, Latin, Greek, Cyrillic or common
//   punctuation, which Qt lays out as fast as ASCII and which only the
//   height below bounds. Complex scripts, CJK, Hangul, emoji and marks
//   take several times as long; ordinary text in any script costs about a
//   unit a character, so the bound takes more such text than the bound on
//   height takes of 12 pt text.
inline constexpr qsizetype LavoroMassimo = 500'000;
// - the changes of script or direction in the whole text (each also a run,
//   above): Qt lays out the runs they make at the cost of runs of
//   formatting, and a text can make one of every character.
inline constexpr qsizetype CambiMassimi = 100'000;
// - the fonts of distinct family, size, weight and slant that the text
//   uses: the box makes each anew, and past a few hundred it makes them
//   again and again as it lays the text out.
inline constexpr int FontDistintiMassimi = 256;
// - the height of the text as a box LarghezzaMinima wide lays it out, in
//   pixels: Qt's layout of a document stops answering once the document is
//   taller than 8,388,607 pixels (its coordinates run out), whatever the
//   size of its text. It is counted in whole units, 56 to a pixel, the
//   same way by the writer and the reader:
//   . a character of text in h half points (h counted as no less than 8:
//     4 pt) costs min(h * h, 57 * h); a line filled with text of pixel size
//     s (= h * 2 / 3) takes about 1.9 * s * s / LarghezzaMinima pixels a
//     character, about half of this, and no character takes more than a line of
//     its own;
//   . a line of its own costs 57 * h for the tallest text h since the last
//     line break (a line of text in the box's font is about 0.78 * h
//     pixels tall, 43.5 * h units): the end of every paragraph (the last
//     one too, with or without \par; its end's formatting counted as text
//     of its last line), a line break and a tab (either may end a line
//     before it is full);
//   . the space before and after a paragraph, 4 units a twip.
//   This count holds for characters that the font of their run draws
//   itself, no wider than 1.6 squared ems over that font's line height in
//   ems, in fonts whose lines are at most 1.5 ems tall, and for lines that
//   hold only a line break in text no smaller than the document's font. A
//   paragraph where it may not hold (a character drawn by a fallback font,
//   or as wide as a dash three ems long, a font with tall lines, a line
//   break in small text) is laid out once the document is built, by Qt's
//   own line layout at LarghezzaMinima, and its height in pixels is added
//   to the count (RtfAltezza.h).
//   At most 5,000,000 pixels so counted: about 486,000 characters of 12 pt
//   text, 34,000 of 72 pt, 1,500 of 1638 pt, 4,375,000 of 4 pt or smaller.
//   Text at this bound lays out at 100 px under 5 million pixels tall,
//   0.6 of what Qt's layout can handle, in every installed font, and the
//   most characters it allows are laid out whole in well under a second.
inline constexpr qsizetype AltezzaMassima = 5'000'000;
// - the work of breaking words too long for their line, in the paragraphs
//   that the height lays out: for each line that ends inside a word, the
//   characters from the line's start to the word's end, which Qt's layout
//   goes over for that line. Characters that each take a line of their own
//   make it grow with the square of the word's length.
inline constexpr qsizetype LavoroRottureMassimo = 100'000'000;
// The narrowest width in pixels at which the notes box lays its text out
// (a narrower box wraps it at this width, with a horizontal scroll bar):
// the height above is counted at this width.
inline constexpr int LarghezzaMinima = 100;
// Groups nested deeper are refused (skipped groups included).
inline constexpr int ProfonditaMassima = 256;
// The clipboard's rich-text format.
inline const QString TipoMime = QStringLiteral("text/rtf");

// The whole document as RTF.
QByteArray Scrivi(const QTextDocument& documento);
// The same, or nothing when the document goes past one of the bounds above
// (the reader would refuse it) or needs more colours than the reader's
// table keeps (they would come back automatic): the notes file is written
// with this.
std::optional<QByteArray> ScriviEntroLimiti(const QTextDocument& documento);
// A fragment as RTF; carattereBase stands for the font of the document the
// fragment comes from (its text without a font or size of its own uses it).
QByteArray Scrivi(const QTextDocumentFragment& frammento, const QFont& carattereBase);
// The cursor's selection as RTF (empty selection: a document with no text).
QByteArray ScriviSelezione(const QTextCursor& cursore);

// True when the bytes begin, after blanks, with `{\rtf`.
bool SembraRtf(const QByteArray& dati);

// True for a character of text that the notes file does not keep (the
// writer leaves it out): control characters other than the tab, U+FFFC
// (which stands for an object), the paragraph separator U+2029 and the
// frame markers U+FDD0 and U+FDD1.
bool CarattereNonTenuto(char16_t c);

// Replaces the whole document with the RTF text. Loading is not undoable: the
// document's undo history is emptied. On failure the document is unchanged.
bool Leggi(const QByteArray& rtf, QTextDocument& documento, QString* errore = nullptr);
// Puts the RTF text at the cursor, in place of its selection (one undo step),
// as the document would be read back after a save: the paragraphs at either
// end of what went in, which it joins to text of the document, keep no
// formatting of their own once they hold text (the file keeps none for such
// a paragraph, and the box lays out by it a line that holds only a line
// break). On failure nothing changes.
bool Inserisci(const QByteArray& rtf, QTextCursor& cursore, QString* errore = nullptr);
// True when errore, as Leggi, Inserisci or CaricaFile give it, says the input
// is past one of the bounds above (too large, nested too deep) rather than
// not RTF at all or damaged.
bool OltreILimiti(const QString& errore);

// True when plain text can never be part of notes within the bounds above,
// whatever its formatting and the notes around it: counted in one pass, with
// each paragraph the text box makes (at \n, \r, \r\n taken as one, U+2029)
// an element, and each of them, each line break (U+2028) and tab a line, and
// every other character kept, in the smallest size; a line that holds only
// its end at least as tall as the notes box's 12 pt. Text short of this may
// still be past the bounds once its formatting and the notes are counted.
bool TestoOltreILimiti(QStringView testo);

// Whole-file helpers. Saving replaces the file only once all of it has been
// written, and refuses a document past the bounds. A missing or unreadable
// file is an error; an empty one (0 bytes, which the writer never writes:
// blank notes leave no file) loads as an empty document.
bool SalvaFile(const QString& percorso, const QTextDocument& documento, QString* errore = nullptr);
bool CaricaFile(const QString& percorso, QTextDocument& documento, QString* errore = nullptr);

// Clipboard data holding the RTF bytes in the rich-text format only (no plain
// text beside it); the caller hands it to QClipboard::setMimeData.
QMimeData* DatiAppunti(const QByteArray& rtf);
// The RTF bytes that clipboard data holds, or empty when it holds no rich
// text (nothing, plain text only, a picture).
QByteArray DaAppunti(const QMimeData* dati);
}
