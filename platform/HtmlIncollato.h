#pragma once
// Pasted HTML made fit for Qt's HTML import before the notes take it.
//
// Qt's import and layout stall or fail on shapes a web page can hold: a
// table makes a grid of frames whose cost grows with every level of nesting
// (twenty levels take seconds, thirty never end, thousands overflow the
// stack while laying out) and with its spans (a few kilobytes of colspan and
// rowspan fill gigabytes); any element nested tens of thousands deep costs
// the import the square of its depth; and a picture, a background or a style
// sheet that names a file makes Qt read that file whole (a device never
// ends, a pipe waits for ever). The notes keep none of these: tables come
// back from the notes file as paragraphs, pictures not at all.
//
// So the rewrite goes over the tags once, builds no tree and keeps only:
// - text, as it is; a '<' that opens no tag is written "&lt;";
// - tags written again in one plain form (lower-case name, attributes in
//   double quotes, '<', '>' and '"' inside them as references), so that what
//   Qt reads as a tag is exactly a tag the rewrite left: a quoted '>', an odd
//   case or a tag left open cannot hide a table from it.
// It changes:
// - every tag of a table (table, caption, tr, td, th, thead, tbody, tfoot,
//   opening or closing) into a paragraph boundary, an empty "<div></div>"
//   (boundaries in a row make one: an empty cell adds no empty paragraph),
//   so that each cell's text is a paragraph of its own, as after a save;
// - tags opened deeper than ProfonditaMassima: dropped, with their closing
//   tags (their text stays, in the formatting of the last level kept);
// - list items (li) past the first VociListaMassime of one list (ul, ol)
//   into paragraph boundaries: their text follows the list as paragraphs;
// - a p or li opened straight inside one of its kind, and a dt or dd
//   straight inside a dt or dd: the open one is closed first, as HTML and
//   Qt's import do, so that such lists and paragraphs do not count as
//   nesting;
// - a closing tag closes the last open element of its name and the ones
//   opened inside it, each written out; one that closes nothing goes.
// It removes:
// - the characters CarattereTolto names, in the text or as numeric
//   references (a form feed or vertical tab becomes a blank);
// - comments, <!...> and <?...?> declarations;
// - script, style and title with their content, and the tags that load or
//   embed something or hold no text (img, link, col, colgroup, input, area,
//   base, embed, param, source, track, wbr, frame, keygen, image); attributes
//   that name a resource (src, srcset, background) and attributes whose
//   name is not a plain one.
// Whatever is left Qt may still try to load (a url() in a style) must be
// imported with a resource provider that loads nothing.
#include <QString>
#include <QStringView>
#include <optional>

namespace HtmlIncollato {
// Deepest nesting of elements kept. A web page's text rarely sits more than
// a few dozen elements deep; at this depth Qt imports a page as fast as a
// flat one.
inline constexpr int ProfonditaMassima = 128;
// The most items a list keeps: Qt's lists cost the square of their items to
// build and to show (ten thousand take seconds). The notes file keeps no
// list: its items come back as paragraphs.
inline constexpr int VociListaMassime = 1000;
// The most characters of HTML read, and written, and the most elements
// written (tags that open, paragraph boundaries included): past either the
// paste is too large for Qt to import, put in and lay out within about two
// seconds in the narrowest notes box (each element costs it several
// microseconds, more the deeper it is), and the caller takes the plain text
// beside it instead.
inline constexpr qsizetype LunghezzaMassima = 3 * 1024 * 1024;
inline constexpr qsizetype TagMassimi = 60'000;

// The characters of a paragraph that the notes file does not keep
// (Rtf::CarattereNonTenuto, line feed and carriage return aside, which
// here end a paragraph, as U+2029 does): a paste leaves them out, since the box would
// lay them out, a long run of them as one word, though the bounds of the
// notes do not count them.
bool CarattereTolto(char16_t c);
// Plain text without them (a form feed or vertical tab becomes a blank).
QString TestoPulito(const QString& testo);

// The HTML rewritten as above, or nothing when the input or the result would
// be past LunghezzaMassima or TagMassimi. Linear in the input.
std::optional<QString> Riscrivi(QStringView html);
}
