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
#include <array>
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

// How Qt shapes a code point, as far as the cost of showing it goes.
struct Tratto {
    // How it meets the grapheme cluster before it (Unicode's rules, taken
    // so that a cluster is never counted shorter than it is).
    enum Unione : uint8_t {
        Inizia,       // begins a cluster
        Interrompe,   // a tab or line break: no cluster goes across it
        Unisce,       // joins the cluster before it: marks, joiners, selectors, modifiers, tags
        Prepone,      // begins a cluster that the next code point joins
        Zwj,          // joins, and the next code point joins it
        Regionale,    // a regional indicator: two make a flag
        HangulL, HangulV, HangulT, HangulLV, HangulLVT,
    };
    // The direction it gives its run in the layout.
    enum Verso : uint8_t {
        Neutro,       // takes the direction around it
        Sinistra,     // strong left to right
        Destra,       // strong right to left
        NumeroArabo,  // a number that always runs apart
        Numero,       // a number, apart after right-to-left text
        Controllo,    // a bidirectional control character
    };
    Unione unione = Inizia;
    Verso verso = Neutro;
    bool semplice = false;    // begins a cluster at no more cost than ASCII
    uint8_t scrittura = 0;    // QChar::Script; 0 for common and inherited
};
// The Tratto of a code point (surrogates alone are code points of their own).
Tratto TrattoDi(char32_t c);

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
        // Qt lays out a run of its own from here on: a new formatting, or
        // a change of script or direction.
        const bool cambio = Forma(u);
        cambi += cambio ? 1 : 0;
        const bool pezzo = cambio || nuovoPezzo;
        if (pezzo) {
            ++elementi;
            ++pezziParagrafo;
        }
        if (nuovoPezzo) {
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
            if (caratteriParola++ == 0 || pezzo) ++pezziParola;
            superata = superata || caratteriParola > Rtf::CaratteriParolaMassimi
                       || pezziParola > Rtf::PezziParolaMassimi;
        }
        superata = superata || caratteriParagrafo > Rtf::CaratteriParagrafoMassimi
                   || pezziParagrafo > Rtf::PezziParagrafoMassimi;
        return Entro();
    }
    // A stretch of characters that all go on the run of the character
    // before them, each a byte of ASCII other than a tab (the plain text of
    // the reader's input): the same counts as Carattere for each of them.
    // Once the text is in a Latin run and no cluster waits for what comes
    // next (after the first letter, as a rule), such characters change
    // nothing in the shaping but close the cluster before them: the rest
    // is counted at once, without the per-character work, which a large
    // document cannot afford.
    bool Semplice(const char* da, const char* a, const Aspetto& f)
    {
        while (da < a && (alto || chiave != ChiaveLatina || precedente == Tratto::Prepone || precedente == Tratto::Zwj))
            Carattere(char16_t(static_cast<unsigned char>(*da++)), false, f);
        const qsizetype n = a - da;
        if (n <= 0) return Entro();
        precedente = Tratto::Inizia;
        regionaleDispari = false;
        grappolo = 1;
        scritti += n;
        dopoParola = false;
        altezza += n * CostoAltezza(f.mezziPunti);
        piuAlto = std::max(piuAlto, f.mezziPunti);
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
        const char* ultimoBlank = a - 1;
        while (*ultimoBlank != ' ') --ultimoBlank;
        // The word going on from before ends at the first blank ...
        const qsizetype prima = blank - da;
        superata = superata || caratteriParola + prima > Rtf::CaratteriParolaMassimi;
        // ... the words between the first blank and the last can only pass
        // the bound when they are that far apart ...
        if (ultimoBlank - blank > Rtf::CaratteriParolaMassimi) {
            for (const char* q = blank + 1; q < ultimoBlank;) {
                const char* s = static_cast<const char*>(std::memchr(q, ' ', size_t(ultimoBlank - q)));
                if (!s) s = ultimoBlank;
                superata = superata || s - q > Rtf::CaratteriParolaMassimi;
                q = s + 1;
            }
        }
        // ... and the last word goes on after the stretch, one run so far.
        caratteriParola = int(a - ultimoBlank - 1);
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
        // No cluster nor run goes on into the next paragraph.
        if (alto) Punto(alto);
        alto = 0;
        grappolo = 0;
        precedente = Tratto::Interrompe;
        chiave = 0;
        versoForte = Tratto::Neutro;
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
               && altezza <= Rtf::AltezzaMassima * UnitaPerPixel && lavoro <= Rtf::LavoroMassimo
               && cambi <= Rtf::CambiMassimi;
    }

private:
    // The run of Latin letters (Verso).
    static constexpr uint32_t ChiaveLatina = uint32_t(Tratto::Sinistra) << 8 | uint8_t(QChar::Script_Latin);

    // The shaping of a UTF-16 unit: a surrogate pair is counted as one code
    // point once its second half comes, a half alone as a code point of its
    // own. True when a run of its own begins.
    bool Forma(char16_t u)
    {
        bool nuovo = false;
        if (alto && QChar::isLowSurrogate(u)) {
            nuovo = Punto(QChar::surrogateToUcs4(alto, u));
            alto = 0;
            return nuovo;
        }
        if (alto) nuovo = Punto(alto);
        alto = QChar::isHighSurrogate(u) ? u : 0;
        return (alto ? false : Punto(u)) || nuovo;
    }

    // One code point: the length of its cluster, its shaping work, and
    // whether it begins a run of its own (true).
    bool Punto(char32_t c)
    {
        static constexpr auto ascii = [] {
            std::array<Tratto, 128> t{};
            for (char32_t b = 0; b < 128; ++b) {
                const bool lettera = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
                t[b].unione = b == '\t' ? Tratto::Interrompe : Tratto::Inizia;
                t[b].verso = lettera ? Tratto::Sinistra : (b >= '0' && b <= '9') ? Tratto::Numero : Tratto::Neutro;
                t[b].semplice = true;
                t[b].scrittura = lettera ? uint8_t(QChar::Script_Latin) : 0;
            }
            return t;
        }();
        const Tratto t = c < 128 ? ascii[c] : TrattoDi(c);
        // Most text is ASCII that begins a cluster of its own and costs no
        // work: the same as below, in fewer steps, for it is read by the
        // million.
        if (t.semplice && t.unione == Tratto::Inizia && precedente != Tratto::Prepone && precedente != Tratto::Zwj
            && t.verso != Tratto::Controllo) {
            precedente = Tratto::Inizia;
            regionaleDispari = false;
            grappolo = 1;
            if (t.verso == Tratto::Neutro || (t.verso == Tratto::Numero && versoForte != Tratto::Destra)) return false;
        } else if (!Grappolo(t)) {
            return true;   // a bidirectional control
        }
        return Verso(t);
    }

    // The cluster of a code point that may join the one before it, and its
    // work; false for a bidirectional control, which begins a run.
    bool Grappolo(const Tratto& t)
    {
        bool unisce = false;
        switch (t.unione) {
        case Tratto::Unisce: case Tratto::Zwj: unisce = true; break;
        case Tratto::Regionale: unisce = precedente == Tratto::Regionale && regionaleDispari; break;
        case Tratto::HangulL: unisce = precedente == Tratto::HangulL; break;
        case Tratto::HangulV:
            unisce = precedente == Tratto::HangulL || precedente == Tratto::HangulV || precedente == Tratto::HangulLV;
            break;
        case Tratto::HangulT:
            unisce = precedente == Tratto::HangulV || precedente == Tratto::HangulT || precedente == Tratto::HangulLV
                     || precedente == Tratto::HangulLVT;
            break;
        case Tratto::HangulLV: case Tratto::HangulLVT: unisce = precedente == Tratto::HangulL; break;
        default: break;
        }
        if (t.unione != Tratto::Interrompe && (precedente == Tratto::Prepone || precedente == Tratto::Zwj)) unisce = true;
        unisce = unisce && grappolo > 0;
        regionaleDispari = t.unione == Tratto::Regionale && !unisce;
        precedente = t.unione;
        grappolo = unisce ? grappolo + 1 : 1;
        superata = superata || grappolo > Rtf::CodiciGrappoloMassimi;
        if (unisce || !t.semplice) lavoro += 1 + (grappolo - 1) / 4;
        if (t.verso != Tratto::Controllo) return true;
        chiave = ~0u;   // the next character that has a direction begins a run too
        return false;
    }

    // The run: Qt begins one where the direction or the script changes; a
    // character of neither takes those around it. True when it begins one.
    bool Verso(const Tratto& t)
    {
        uint32_t k = 0;
        switch (t.verso) {
        case Tratto::Sinistra: case Tratto::Destra:
            versoForte = t.verso;
            k = uint32_t(t.verso) << 8 | (t.scrittura ? t.scrittura : (chiave & 0xFF));
            break;
        case Tratto::NumeroArabo: k = uint32_t(t.verso) << 8; break;
        case Tratto::Numero: if (versoForte == Tratto::Destra) k = uint32_t(t.verso) << 8; break;
        default: break;
        }
        if (k == 0) return false;
        const bool cambia = chiave != 0 && k != chiave;
        chiave = k;
        return cambia;
    }

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
    // The shaping (Forma): the first half of a surrogate pair waiting for
    // its second, the code points of the cluster now open and how the last
    // one met it, the run now open (direction and script) and the last
    // strong direction in the paragraph, and the work so far.
    char16_t alto = 0;
    int grappolo = 0;
    Tratto::Unione precedente = Tratto::Interrompe;
    bool regionaleDispari = false;   // the last code point begins a flag
    uint32_t chiave = 0;
    Tratto::Verso versoForte = Tratto::Neutro;
    qsizetype lavoro = 0;
    qsizetype cambi = 0;   // runs begun by a change of script or direction
};

}   // namespace Rtf::Interno
