#pragma once
// The cost model of the rich-text layer, shared by its writer
// (RtfScrittore.cpp) and its reader (RtfLettore.cpp) and by no one else: the
// rest of the program includes platform/Rtf.h. A bound that the writer and
// the reader share is counted by one piece of code that both call, Misura,
// with what it needs: the constants of the format, the formatting of a run
// as the file holds it (Aspetto), the font name as both keep it, and the
// bytes the writer writes for a character, an escape, a change of
// formatting and the entries of the tables. Both call these for every
// character, so the small ones are inline here.
#include "platform/Rtf.h"
#include <QColor>
#include <QString>
#include <algorithm>
#include <compare>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace Rtf::Interno {

inline constexpr int MezziPuntiPredefiniti = 24;   // 12 pt when a text gives no \fs
inline constexpr int MezziPuntiMassimi = 3276;     // 1638 pt, the largest size word processors take

// The count of the height of the text (Misura), in units of 1/56 of a pixel
// of height in a box LarghezzaMinima wide. Characters are counted at no less
// than 4 pt: smaller ones take no less time to lay out, and so the most
// characters a file holds stays under four and a half million.
inline constexpr int UnitaPerPixel = 56;
inline constexpr int MezziPuntiMinimi = 8;
// A line of its own: a line as tall as text of h half points takes 57 * h
// units (about 1.3 times what a line of the box's font takes).
inline constexpr int UnitaRigaPerMezzoPunto = 57;
// Spacing before and after a paragraph: per twip (a twip is 56 / 15 units).
inline constexpr int UnitaPerTwip = 4;

// The height a character of text in h half points costs: h * h units (about
// twice the most that a character takes in a full line, which is about
// 1.9 * s * s / LarghezzaMinima pixels for a pixel size s = h * 2 / 3),
// never more than a line of its own, which a character too wide for the
// rest of a line takes.
inline constexpr qsizetype CostoAltezza(int mezziPunti)
{
    const qsizetype h = std::max(mezziPunti, MezziPuntiMinimi);
    return std::min(h * h, UnitaRigaPerMezzoPunto * h);
}
// A line of its own for text in h half points.
inline constexpr qsizetype CostoRiga(int mezziPunti)
{
    return UnitaRigaPerMezzoPunto * qsizetype(std::max(mezziPunti, MezziPuntiMinimi));
}

enum Allineamento : uint8_t { Sinistra, Centro, Destra, Giustificato };

// The space before and after a paragraph, in twips (the box's margins are
// pixels: 15 twips each). Larger values are taken as this: 40 pixels, more
// than a heading of a web page takes, and few enough that the most
// paragraphs a file holds stay far within the height the box can lay out.
inline constexpr int SpazioMassimo = 600;
inline constexpr double TwipPerPixel = 15.0;

// Entries of the font table and of the colour table (the automatic colour,
// entry 0, included) that the reader keeps; the writer writes no more.
inline constexpr int VociTabelleMassime = 4096;
inline constexpr int LunghezzaNomeFontMassima = 200;

// The formatting of a run as the file holds it: font and colour as indices
// in the tables.
struct Aspetto {
    int font = 0;
    int colore = 0;   // 0 = automatic
    int mezziPunti = MezziPuntiPredefiniti;
    bool grassetto = false, corsivo = false, sottolineato = false, barrato = false;
    auto operator<=>(const Aspetto&) const = default;
};

// What the reader and the file helpers say of input, or of a document,
// past one of the bounds.
inline const QString TestoTroppoGrande = QStringLiteral("Il testo RTF è troppo grande");

// Characters of the document that are no text of the notes: the object
// placeholder (objects are not carried), and the paragraph separator and
// frame markers that the text box makes into paragraphs of their own.
inline bool NonTesto(char16_t u) { return u == 0xFFFC || u == 0x2029 || u == 0xFDD0 || u == 0xFDD1; }

// A font name as both the writer and the reader keep it: no control
// characters nor characters that are no text, no blanks around it, at most
// LunghezzaNomeFontMassima units (a pair of surrogates is not cut).
QString NomeFont(const QString& nome);

// Bytes of a number written in decimal.
inline int Cifre(long long n)
{
    int c = n < 0 ? 2 : 1;
    for (n = n < 0 ? -n : n; n >= 10; n /= 10) ++c;
    return c;
}

// The escape the writer writes for a character of text (or of a font
// name) that has one of its own, or nothing.
inline std::string_view Fuga(char16_t c, bool nome)
{
    switch (c) {
    case '\\': return "\\\\";
    case '{': return "\\{";
    case '}': return "\\}";
    case ';': return nome ? "\\'3b" : "";
    case 0x00A0: return nome ? "" : "\\~";
    case 0x00AD: return nome ? "" : "\\-";
    case 0x2011: return nome ? "" : "\\_";
    default: return "";
    }
}

// A character that the writer puts as it is, so after a control word it
// needs the blank that ends the word.
inline bool DopoBlank(char16_t c) { return c >= 0x20 && c < 0x80 && c != '\\' && c != '{' && c != '}'; }

// What the writer writes for a character of text (or of a font name),
// blank after a control word aside.
inline int CostoCarattere(char16_t c, bool nome)
{
    // Most characters are ASCII that goes as it is: counted before the
    // escapes are looked at, for this runs on every character read.
    if (DopoBlank(c) && (c != ';' || !nome)) return 1;
    if (const std::string_view f = Fuga(c, nome); !f.empty()) return int(f.size());
    if (!nome && c == 0x2028) return 5;   // \line
    if (c == '\t') return 1;
    return 3 + Cifre(int16_t(c));   // \uN?
}

// What the writer writes to go from one formatting to the next. The indices
// of fonts and colours are counted with four digits, the most the tables
// hold: the reader does not know which index a font will take when written.
inline int CostoCambio(const Aspetto& da, const Aspetto& a)
{
    int n = 0;
    if (a.font != da.font) n += 2 + 4;
    if (a.mezziPunti != da.mezziPunti) n += 3 + Cifre(a.mezziPunti);
    if (a.colore != da.colore) n += 3 + 4;
    if (a.grassetto != da.grassetto) n += a.grassetto ? 2 : 3;
    if (a.corsivo != da.corsivo) n += a.corsivo ? 2 : 3;
    if (a.sottolineato != da.sottolineato) n += a.sottolineato ? 3 : 7;
    if (a.barrato != da.barrato) n += a.barrato ? 7 : 8;
    return n;
}

// The fixed parts of what the writer writes.
inline constexpr std::string_view Intestazione = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
inline constexpr std::string_view TraLeTabelle = "}\r\n{\\colortbl ;";
inline constexpr std::string_view DopoLeTabelle = "}\r\n\\uc1\r\n";
inline constexpr std::string_view Chiusura = "}\r\n";
inline constexpr std::string_view InizioFont = "\\fnil\\fcharset0 ";

// What the writer writes for an entry of the font table (its index counted
// with four digits) and of the colour table.
qsizetype CostoVoceFont(const QString& nome);
inline qsizetype CostoVoceColore(QRgb c)
{
    return 4 + Cifre(qRed(c)) + 6 + Cifre(qGreen(c)) + 5 + Cifre(qBlue(c)) + 1;
}

// A font as the box makes it, for the bound on distinct fonts.
inline quint64 ChiaveFont(quint32 font, const Aspetto& a)
{
    return (quint64(font) << 32) | (quint64(quint16(a.mezziPunti)) << 2) | (a.grassetto ? 2u : 0u) | (a.corsivo ? 1u : 0u);
}

// What makes a document costly to show, and the bytes the writer writes for
// it, counted character by character in the same way by the writer (for
// each character it writes) and the reader (for each character it keeps):
// a file within the bounds as the writer counts it is within them as the
// reader counts it, and what the reader accepts the writer writes again
// within them (its bytes counted at most as they will be written).
class Misura {
public:
    // One character of text in the formatting a; nuovoPezzo when it begins
    // a run (the first character of a paragraph, or one whose formatting
    // differs from the character before it). False once a bound is passed.
    bool Carattere(char16_t u, bool nuovoPezzo, const Aspetto& a)
    {
        if (nuovoPezzo) {
            ++elementi;
            ++pezziParagrafo;
            Formato(a);
            dopoParola = true;
        }
        scritti += CostoCarattere(u, false) + (dopoParola && DopoBlank(u) ? 1 : 0);
        dopoParola = u == 0x2028;
        ContaAltezza(u, a.mezziPunti);
        ++caratteriParagrafo;
        if (u == ' ' || u == '\t' || u == 0x2028) {
            caratteriParola = pezziParola = 0;
        } else {
            if (caratteriParola++ == 0 || nuovoPezzo) ++pezziParola;
            superata = superata || caratteriParola > Rtf::CaratteriParolaMassimi
                       || pezziParola > Rtf::PezziParolaMassimi;
        }
        superata = superata || caratteriParagrafo > Rtf::CaratteriParagrafoMassimi
                   || pezziParagrafo > Rtf::PezziParagrafoMassimi;
        return Entro();
    }
    // A stretch of characters that all go on the run of the character
    // before them, each a byte of ASCII other than a tab (the plain text of
    // the reader's input): the same counts as Carattere for each of them,
    // without the per-character work, which a large document cannot afford.
    bool Semplice(const char* da, const char* a)
    {
        const qsizetype n = a - da;
        if (n <= 0) return Entro();
        scritti += n;
        dopoParola = false;
        altezza += n * CostoAltezza(ultimo.mezziPunti);
        piuAlto = std::max(piuAlto, ultimo.mezziPunti);
        caratteriParagrafo = int(std::min<qsizetype>(caratteriParagrafo + n, Rtf::DimensioneMassima));
        superata = superata || caratteriParagrafo > Rtf::CaratteriParagrafoMassimi;
        const void* primo = std::memchr(da, ' ', size_t(n));
        if (!primo) {
            // One word, going on from before the stretch. Its runs do not
            // grow: the stretch is no new run.
            if (caratteriParola == 0) pezziParola = 1;
            caratteriParola = int(std::min<qsizetype>(caratteriParola + n, Rtf::DimensioneMassima));
            superata = superata || caratteriParola > Rtf::CaratteriParolaMassimi;
            return Entro();
        }
        const char* blank = static_cast<const char*>(primo);
        const char* ultimo = a - 1;
        while (*ultimo != ' ') --ultimo;
        // The word going on from before ends at the first blank ...
        const qsizetype prima = blank - da;
        superata = superata || caratteriParola + prima > Rtf::CaratteriParolaMassimi;
        // ... the words between the first blank and the last can only pass
        // the bound when they are that far apart ...
        if (ultimo - blank > Rtf::CaratteriParolaMassimi) {
            for (const char* q = blank + 1; q < ultimo;) {
                const char* s = static_cast<const char*>(std::memchr(q, ' ', size_t(ultimo - q)));
                if (!s) s = ultimo;
                superata = superata || s - q > Rtf::CaratteriParolaMassimi;
                q = s + 1;
            }
        }
        // ... and the last word goes on after the stretch, one run so far.
        caratteriParola = int(a - ultimo - 1);
        pezziParola = caratteriParola > 0 ? 1 : 0;
        superata = superata || caratteriParola > Rtf::CaratteriParolaMassimi;
        return Entro();
    }
    // The end of a paragraph (the last one too, with or without \par), with
    // its alignment and spacing; an empty one keeps fine, the formatting of
    // what is typed in it.
    bool FineParagrafo(uint8_t allinea, int sopra, int sotto, const Aspetto& fine)
    {
        ++elementi;
        if (caratteriParagrafo == 0) Formato(fine);
        scritti += 5 + (allinea != Sinistra ? 3 : 0) + 6;   // \pard \qc ... \par CR LF
        if (sopra > 0) scritti += 3 + Cifre(sopra);
        if (sotto > 0) scritti += 3 + Cifre(sotto);
        // Its last line, as tall as the tallest text on it or as its end's
        // formatting, and its spacing.
        altezza += CostoRiga(std::max(piuAlto, fine.mezziPunti))
                   + UnitaPerTwip * (qsizetype(std::max(sopra, 0)) + std::max(sotto, 0));
        piuAlto = 0;
        ChiudiAltezzaParagrafo();
        dopoParola = true;
        caratteriParagrafo = pezziParagrafo = caratteriParola = pezziParola = 0;
        return Entro();
    }
    // The tables and the fixed parts, once the text is counted; fontDistinti
    // the fonts of distinct family, size, weight and slant.
    bool Tabelle(qsizetype costo, qsizetype fontDistinti)
    {
        scritti += costo + qsizetype(Intestazione.size() + TraLeTabelle.size() + DopoLeTabelle.size() + Chiusura.size());
        superata = superata || fontDistinti > Rtf::FontDistintiMassimi;
        return Entro();
    }
    // The height counted so far, in units (see ContaAltezza), and that of
    // each paragraph ended so far.
    qsizetype AltezzaContata() const { return altezza; }
    const std::vector<qsizetype>& AltezzeParagrafi() const { return altezzeParagrafi; }
    bool Entro() const
    {
        return !superata && elementi <= Rtf::ElementiMassimi && scritti <= Rtf::DimensioneMassima
               && altezza <= Rtf::AltezzaMassima * UnitaPerPixel;
    }

private:
    // A character of text in h half points. Text fills the lines it wraps
    // into, so a character costs its share of a full line; what can end a
    // line before it is full (a line break, a tab that goes past the box,
    // the end of the paragraph) costs a whole line as tall as the tallest
    // text since the last line break, which that line cannot pass.
    void ContaAltezza(char16_t u, int mezziPunti)
    {
        piuAlto = std::max(piuAlto, mezziPunti);
        if (u == 0x2028 || u == '\t') {
            altezza += CostoRiga(piuAlto);
            // The line after a break is at least as tall as the break.
            if (u == 0x2028) piuAlto = mezziPunti;
        } else {
            altezza += CostoAltezza(mezziPunti);
        }
    }

    void ChiudiAltezzaParagrafo()
    {
        altezzeParagrafi.push_back(altezza - altezzaPrima);
        altezzaPrima = altezza;
    }

    // The writer goes over to formatting a.
    void Formato(const Aspetto& a)
    {
        scritti += CostoCambio(ultimo, a);
        ultimo = a;
    }

    qsizetype elementi = 0;
    qsizetype scritti = 0;
    qsizetype altezza = 0;   // units, see ContaAltezza
    qsizetype altezzaPrima = 0;   // before the paragraph being counted
    std::vector<qsizetype> altezzeParagrafi;
    int piuAlto = 0;         // half points of the tallest text since the last line break
    int caratteriParagrafo = 0, pezziParagrafo = 0, caratteriParola = 0, pezziParola = 0;
    // The formatting last gone over to: at first none, so that the first
    // run counts its font and colour whatever their indices.
    Aspetto ultimo{-1, -1};
    bool dopoParola = true;   // the last thing written is a control word
    bool superata = false;
};

}   // namespace Rtf::Interno
