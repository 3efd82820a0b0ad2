// The reader of the rich-text layer: the tokenizer and the state machine
// that read RTF into paragraphs and runs, counting them with the cost model
// the writer counts with (RtfMisura.h), and the building of the document
// from them, in one pass into an empty document or in two (the verdict
// first) at a cursor. The plain text that makes most of a large document is
// read in stretches, sixteen bytes at a time where the processor allows it.
#include "platform/Rtf.h"
#include "platform/RtfAltezza.h"
#include "platform/RtfMisura.h"
#include <QFont>
#include <QHash>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <map>
#include <optional>
#include <string_view>
#include <vector>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

using namespace Rtf::Interno;

namespace {

// Why input nested deeper than the bound is refused.
const QString TroppiGruppi = QStringLiteral("Il testo RTF ha troppi gruppi annidati");

// Bytes 0x80..0x9F of Windows-1252; the five holes map to themselves.
constexpr char16_t Cp1252Alto[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Where the RTF of an input begins: after a UTF-8 byte-order mark and any
// blanks and line ends.
qsizetype InizioRtf(const char* dati, qsizetype n)
{
    qsizetype i = (n >= 3 && std::memcmp(dati, "\xEF\xBB\xBF", 3) == 0) ? 3 : 0;
    while (i < n && (dati[i] == ' ' || dati[i] == '\t' || dati[i] == '\r' || dati[i] == '\n')) ++i;
    return i;
}

char16_t Da1252(unsigned char b)
{
    return (b >= 0x80 && b < 0xA0) ? Cp1252Alto[b - 0x80] : char16_t(b);
}

QTextBlockFormat FormatoBlocco(uint8_t allinea, int sopra, int sotto)
{
    QTextBlockFormat f;
    switch (allinea) {
    case Centro: f.setAlignment(Qt::AlignHCenter); break;
    case Destra: f.setAlignment(Qt::AlignRight); break;
    case Giustificato: f.setAlignment(Qt::AlignJustify); break;
    default: break;
    }
    if (sopra > 0) f.setTopMargin(sopra / TwipPerPixel);
    if (sotto > 0) f.setBottomMargin(sotto / TwipPerPixel);
    return f;
}

// The formatting of the text read: font and colour as the file numbers them.
struct Carattere : Aspetto {
    bool nascosto = false;
    auto operator<=>(const Carattere&) const = default;
};

enum class Destinazione : uint8_t { Testo, Font, Colori, Salta };

struct StatoGruppo {
    Carattere car;
    Destinazione dest = Destinazione::Testo;
    uint8_t allinea = Sinistra;
    int sopra = 0, sotto = 0;   // twips
    int uc = 1;
};

struct Pezzo {
    qsizetype inizio, lunghezza;
    Carattere car;
};

struct Paragrafo {
    size_t primoPezzo;
    Carattere fine;   // the formatting in force at its end
    uint8_t allinea;
    int sopra = 0, sotto = 0;
};

// What the reader holds: the text, the runs and the paragraphs (each from
// its first run to the next paragraph's) read and not yet handed on, and the
// two tables.
struct Contenuto {
    QString testo;
    std::vector<Pezzo> pezzi;
    std::vector<Paragrafo> paragrafi;
    QHash<int, QString> font;
    std::vector<std::optional<QRgb>> colori;

    QTextCharFormat Formato(const Carattere& c) const
    {
        QTextCharFormat f;
        f.setFontWeight(c.grassetto ? QFont::Bold : QFont::Normal);
        f.setFontItalic(c.corsivo);
        f.setFontUnderline(c.sottolineato);
        f.setFontStrikeOut(c.barrato);
        f.setFontPointSize(c.mezziPunti / 2.0);
        const QString nome = font.value(c.font);
        if (!nome.isEmpty()) f.setFontFamilies({nome});
        if (c.colore >= 0 && size_t(c.colore) < colori.size() && colori[size_t(c.colore)])
            f.setForeground(QColor(*colori[size_t(c.colore)]));
        return f;
    }
};

// Bytes that stand for themselves in the text of a document.
constexpr bool TestoSempliceCalcolato(unsigned char b)
{
    return b >= 0x20 && b < 0x80 && b != '\\' && b != '{' && b != '}';
}
// The same as a table: most of a large document is such bytes, and the
// reader asks about each of them.
constexpr auto TabellaTestoSemplice = [] {
    std::array<bool, 256> t{};
    for (int b = 0; b < 256; ++b) t[size_t(b)] = TestoSempliceCalcolato(static_cast<unsigned char>(b));
    return t;
}();
bool TestoSemplice(unsigned char b) { return TabellaTestoSemplice[b]; }

// Where a stretch of such bytes that begins at da ends. Where the processor
// allows it, sixteen bytes are looked at together while none of them is
// special; then one by one.
const char* FineTestoSemplice(const char* da, const char* fine)
{
    const char* q = da;
#ifdef __SSE2__
    // As signed bytes, those beyond ASCII are negative: below the blank too.
    const __m128i blank = _mm_set1_epi8(0x20), barra = _mm_set1_epi8('\\'), apre = _mm_set1_epi8('{'),
                  chiude = _mm_set1_epi8('}');
    for (; fine - q >= 16; q += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
        const __m128i speciali = _mm_or_si128(_mm_or_si128(_mm_cmplt_epi8(x, blank), _mm_cmpeq_epi8(x, barra)),
                                              _mm_or_si128(_mm_cmpeq_epi8(x, apre), _mm_cmpeq_epi8(x, chiude)));
        if (const int m = _mm_movemask_epi8(speciali)) return q + std::countr_zero(unsigned(m));
    }
#endif
    while (q < fine && TestoSemplice(static_cast<unsigned char>(*q))) ++q;
    return q;
}

bool Lettera(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool Cifra(char c) { return c >= '0' && c <= '9'; }
int Esadecimale(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Destinations whose contents are not text of the document.
bool DaSaltare(std::string_view p)
{
    static constexpr std::string_view elenco[] = {
        "annotation", "atnauthor", "atndate", "atnid", "author", "background", "bkmkend",
        "bkmkstart", "buptim", "colorschememapping", "comment", "creatim", "datafield",
        "datastore", "docvar", "doccomm", "filetbl", "fldinst", "footer", "footerf",
        "footerl", "footerr", "footnote", "ftncn", "ftnsep", "ftnsepc", "generator",
        "header", "headerf", "headerl", "headerr", "info", "keywords", "latentstyles",
        "listoverridetable", "listtable", "mmathPr", "nonshppict", "object", "objdata",
        "operator", "pgdsctbl", "pict", "printim", "private", "revtbl", "revtim", "rsidtbl",
        "rxe", "shp", "shpgrp", "shpinst", "stylesheet", "subject", "tc", "template",
        "themedata", "title", "txe", "userprops", "xe", "xmlnstbl"};
    return std::find(std::begin(elenco), std::end(elenco), p) != std::end(elenco);
}

// Control words that stand for one character.
char16_t CarattereDi(std::string_view p)
{
    struct Voce {
        std::string_view parola;
        char16_t c;
    };
    static constexpr Voce elenco[] = {
        {"tab", u'\t'},        {"cell", u'\t'},       {"nestcell", u'\t'},   {"line", 0x2028},
        {"emdash", 0x2014},    {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},
        {"rquote", 0x2019},    {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
        {"enspace", 0x2002},   {"qmspace", 0x2005},   {"zwj", 0x200D},       {"zwnj", 0x200C},
        {"ltrmark", 0x200E},   {"rtlmark", 0x200F}};
    for (const Voce& v : elenco)
        if (v.parola == p) return v.c;
    return 0;
}

// Puts paragraphs read into a document at a cursor, as they come. The first
// paragraph goes into the cursor's block; in an emptied document it also
// gives that block its format. The formats come from the tables of the
// whole input, read before.
// The formatting at a paragraph's end becomes the block's own character
// format only in an empty paragraph, where it is what is typed there; a
// paragraph with text gets none, as the box gives a pasted one. The box lays
// a line that holds only a line break at the height of the block's format
// when that is taller than the break's own: the formatting at the end would
// make such a line as tall as the paragraph's last text, whatever its break
// (and a height the bound on large text does not count).
class Applicazione {
public:
    Applicazione(QTextCursor& c, bool intero, const Contenuto& t) : cursore(c), documentoIntero(intero), tabelle(t) {}

    void Paragrafi(const Contenuto& k)
    {
        for (size_t i = 0; i < k.paragrafi.size(); ++i) {
            const Paragrafo& par = k.paragrafi[i];
            const size_t ultimo = i + 1 < k.paragrafi.size() ? k.paragrafi[i + 1].primoPezzo : k.pezzi.size();
            const QTextCharFormat proprio = ultimo == par.primoPezzo ? Formato(par.fine) : QTextCharFormat();
            if (scritti++ > 0) {
                cursore.insertBlock(FormatoBlocco(par.allinea, par.sopra, par.sotto), proprio);
            } else if (documentoIntero) {
                cursore.setBlockFormat(FormatoBlocco(par.allinea, par.sopra, par.sotto));
                cursore.setBlockCharFormat(proprio);
            }
            for (size_t j = par.primoPezzo; j < ultimo; ++j) {
                const Pezzo& pz = k.pezzi[j];
                // The document copies the text: no copy of our own on the way.
                const QString t = QString::fromRawData(k.testo.constData() + pz.inizio, pz.lunghezza);
                cursore.insertText(t, Formato(pz.car));
            }
        }
    }

private:
    // A document holds few formats among many runs: each is made once.
    const QTextCharFormat& Formato(const Carattere& car)
    {
        auto it = fatti.find(car);
        if (it == fatti.end()) it = fatti.emplace(car, tabelle.Formato(car)).first;
        return it->second;
    }

    QTextCursor& cursore;
    const bool documentoIntero;
    const Contenuto& tabelle;
    std::map<Carattere, QTextCharFormat> fatti;
    size_t scritti = 0;   // paragraphs put in so far
};

class Lettore {
public:
    // Reads the whole input, with its tables into k; false with errore set
    // when it is refused. Each paragraph, once read, goes to uscita with its
    // text and runs, and then k lets go of them: a large document is never
    // held twice. Without uscita only the verdict and the tables come out.
    // famigliaBase is the family of the document's own font, the one the
    // writer puts first in its font table.
    // Without giudica the verdict is already known (the same input read
    // again): the tables the writer will write are not counted.
    bool Analizza(const QByteArray& dati, const QString& famigliaBase, Contenuto& k, QString& errore,
                  Applicazione* destinazione = nullptr, bool giudica = true)
    {
        c = &k;
        uscita = destinazione;
        giudizio = giudica;
        if (dati.size() > Rtf::DimensioneMassima) {
            errore = TestoTroppoGrande;
            return false;
        }
        p = dati.constData() + InizioRtf(dati.constData(), dati.size());
        fine = dati.constData() + dati.size();
        if (fine - p < 5 || std::memcmp(p, "{\\rtf", 5) != 0 || (fine - p > 5 && Lettera(p[5]))) {
            errore = QStringLiteral("Il testo non è in formato RTF");
            return false;
        }
        ++p;   // the brace that opens the document; \rtf1 is read as any control word

        bool chiuso = false;
        while (p < fine && !chiuso && !troppi) {
            const unsigned char b = static_cast<unsigned char>(*p);
            if (b == '{') {
                ++p;
                daSaltare = 0;
                if (pila.size() >= size_t(Rtf::ProfonditaMassima)) {
                    errore = TroppiGruppi;
                    return false;
                }
                pila.push_back(st);
            } else if (b == '}') {
                ++p;
                daSaltare = 0;
                ChiudiNomeFont();
                if (pila.empty()) {
                    chiuso = true;
                } else {
                    st = pila.back();
                    pila.pop_back();
                }
            } else if (b == '\\') {
                ++p;
                Controllo();
            } else if (b == '\r' || b == '\n') {
                ++p;
            } else if (TestoSemplice(b) && daSaltare == 0 && st.dest == Destinazione::Testo && !st.car.nascosto) {
                const char* da = p;
                p = FineTestoSemplice(p, fine);
                AggiungiTesto(da, p);
            } else {
                ++p;
                if (b < 0x20 && b != '\t' && b != '\f') {
                    errore = QStringLiteral("Il testo RTF contiene dati non validi");
                    return false;
                }
                if (daSaltare > 0) {
                    --daSaltare;
                    continue;
                }
                if (b == '\f') continue;
                Carattere1252(b);
            }
        }
        if (!chiuso) {
            // Truncated: accepted unless it stops inside the font or colour table.
            bool inTabella = st.dest == Destinazione::Font || st.dest == Destinazione::Colori;
            for (const StatoGruppo& s : pila)
                inTabella = inTabella || s.dest == Destinazione::Font || s.dest == Destinazione::Colori;
            if (inTabella) {
                errore = QStringLiteral("Il testo RTF è incompleto");
                return false;
            }
        }
        // The last paragraph counts when it has text, or when it is the only
        // one, against the bounds too: the writer closes it with \par.
        // Without \par, its alignment and spacing are those in force at its
        // last text (at the end, when it has none).
        if (!troppi && (c->pezzi.size() > corrente.primoPezzo || paragrafiLetti == 0)) {
            const bool vuoto = c->pezzi.size() == corrente.primoPezzo;
            if (vuoto) Impagina(corrente);
            Usa(st.car, vuoto);
            if (!misura.FineParagrafo(corrente.allinea, corrente.sopra, corrente.sotto, st.car)) troppi = true;
            corrente.fine = st.car;
            c->paragrafi.push_back(corrente);
            Consegna();
        }
        // The tables as the writer will write them, once all is read.
        if (!troppi && giudizio && !ContaTabelle(famigliaBase)) troppi = true;
        if (troppi) {
            errore = TestoTroppoGrande;
            return false;
        }
        return true;
    }

    // Whether the input, read in one pass, was stopped by a table that came
    // after the text (and must be read twice).
    bool Ricomincia() const { return ricomincia; }
    // The height of what was read, as Misura counts it.
    const Misura& Conteggio() const { return misura; }

private:
    // After a backslash.
    void Controllo()
    {
        if (p >= fine) return;
        const char s = *p;
        if (!Lettera(s)) {
            ++p;
            Simbolo(s);
            return;
        }
        const char* inizio = p;
        while (p < fine && Lettera(*p)) ++p;
        // No known word is that long: a longer one stays unknown.
        const std::string_view parola = (p - inizio <= 32) ? std::string_view(inizio, size_t(p - inizio))
                                                           : std::string_view();
        bool negativo = false, haParametro = false;
        long long v = 0;
        if (p + 1 < fine && *p == '-' && Cifra(p[1])) {
            negativo = true;
            ++p;
        }
        while (p < fine && Cifra(*p)) {
            haParametro = true;
            if (v < 10'000'000'000LL) v = v * 10 + (*p - '0');
            ++p;
        }
        if (p < fine && *p == ' ') ++p;
        if (negativo) v = -v;
        const int n = int(std::clamp<long long>(v, INT32_MIN, INT32_MAX));

        if (parola == "bin") {
            // Raw data of the given length, whatever the destination.
            if (haParametro && n > 0) p += std::min<qsizetype>(n, fine - p);
            if (daSaltare > 0) --daSaltare;
            return;
        }
        if (daSaltare > 0) {   // part of the fallback of a \u
            --daSaltare;
            return;
        }
        Parola(parola, haParametro, n);
    }

    void Simbolo(char s)
    {
        if (s == '*') {   // an optional destination: not ours
            st.dest = Destinazione::Salta;
            daSaltare = 0;
            return;
        }
        if (s == '\'') {
            int h = -1, l = -1;
            if (p < fine) h = Esadecimale(*p);
            if (h >= 0) {
                ++p;
                if (p < fine) l = Esadecimale(*p);
                if (l >= 0) ++p;
            }
            if (daSaltare > 0) {
                --daSaltare;
                return;
            }
            if (h < 0) return;
            const auto b = static_cast<unsigned char>(l >= 0 ? h * 16 + l : h);
            // In a font name, an escaped ';' is part of the name.
            if (st.dest == Destinazione::Font) Aggiungi(Da1252(b));
            else Carattere1252(b);
            return;
        }
        if (daSaltare > 0) {
            --daSaltare;
            return;
        }
        switch (s) {
        case '\\': case '{': case '}': Aggiungi(char16_t(s)); break;
        case '~': Aggiungi(0x00A0); break;
        case '-': Aggiungi(0x00AD); break;
        case '_': Aggiungi(0x2011); break;
        case '\r': case '\n': if (st.dest == Destinazione::Testo) FineParagrafo(); break;
        default: break;   // \| \: and the like
        }
    }

    void Parola(std::string_view w, bool haParametro, int n)
    {
        if (st.dest == Destinazione::Salta || w.empty()) return;
        if ((w == "fonttbl" || w == "colortbl") && uscita && giudizio && paragrafiLetti > 0) {
            // Read in one pass, the paragraphs put in have their formats
            // from the tables as they were: the input must be read twice.
            ricomincia = troppi = true;
            return;
        }
        if (w == "fonttbl") {
            st.dest = Destinazione::Font;
            fontCorrente = -1;
            nomeFont.clear();
            return;
        }
        if (w == "colortbl") {
            st.dest = Destinazione::Colori;
            rosso = verde = blu = 0;
            componenti = false;
            return;
        }
        // The most frequent word of all in a text beyond ASCII, before the
        // long list of destinations.
        if (w == "u") {
            const int u = n < 0 ? n + 65536 : n;
            if (u > 0 && u <= 0xFFFF) Aggiungi(char16_t(u));
            daSaltare = st.uc;
            return;
        }
        if (w == "uc") {
            st.uc = std::clamp(haParametro ? n : 1, 0, 16);
            return;
        }
        if (DaSaltare(w)) {
            st.dest = Destinazione::Salta;
            return;
        }
        const bool acceso = !haParametro || n != 0;
        switch (st.dest) {
        case Destinazione::Font:
            if (w == "f") {
                ChiudiNomeFont();
                fontCorrente = n;
            }
            return;
        case Destinazione::Colori:
            if (w == "red") rosso = std::clamp(n, 0, 255), componenti = true;
            else if (w == "green") verde = std::clamp(n, 0, 255), componenti = true;
            else if (w == "blue") blu = std::clamp(n, 0, 255), componenti = true;
            return;
        default: break;
        }

        if (w == "par" || w == "row" || w == "nestrow" || w == "sect" || w == "page") FineParagrafo();
        else if (w == "pard") {
            st.allinea = Sinistra;
            st.sopra = st.sotto = 0;
        } else if (w == "sb") st.sopra = std::clamp(n, 0, SpazioMassimo);
        else if (w == "sa") st.sotto = std::clamp(n, 0, SpazioMassimo);
        else if (w == "plain") st.car = Carattere{Aspetto{deff}};
        else if (w == "b") st.car.grassetto = acceso;
        else if (w == "i") st.car.corsivo = acceso;
        else if (w == "strike" || w == "striked") st.car.barrato = acceso;
        else if (w == "v") st.car.nascosto = acceso;
        else if (w == "ulnone") st.car.sottolineato = false;
        else if (w.size() >= 2 && w.substr(0, 2) == "ul" && w != "ulc") st.car.sottolineato = acceso;
        else if (w == "cf") st.car.colore = std::max(n, 0);
        else if (w == "fs") st.car.mezziPunti = (haParametro && n > 0) ? std::min(n, MezziPuntiMassimi) : MezziPuntiPredefiniti;
        else if (w == "f") st.car.font = n;
        else if (w == "deff") {
            deff = n;
            st.car.font = n;
        } else if (w == "ql") st.allinea = Sinistra;
        else if (w == "qc") st.allinea = Centro;
        else if (w == "qr") st.allinea = Destra;
        else if (w == "qj") st.allinea = Giustificato;
        else if (char16_t ch = CarattereDi(w)) Aggiungi(ch);
    }

    void Carattere1252(unsigned char b)
    {
        if (st.dest == Destinazione::Colori) {
            if (b == ';') {
                if (c->colori.size() < size_t(VociTabelleMassime))
                    c->colori.push_back(componenti ? std::optional<QRgb>(qRgb(rosso, verde, blu)) : std::nullopt);
                rosso = verde = blu = 0;
                componenti = false;
            }
            return;
        }
        if (st.dest == Destinazione::Font && b == ';') {
            ChiudiNomeFont();
            return;
        }
        Aggiungi(Da1252(b));
    }

    void Aggiungi(char16_t u)
    {
        if (st.dest == Destinazione::Font) {
            // A name holds no control characters and no object placeholder.
            if (u < 0x20 || u == 0xFFFC) return;
            if (fontCorrente >= 0 && nomeFont.size() < LunghezzaNomeFontMassima) nomeFont.append(QChar(u));
            return;
        }
        if (st.dest != Destinazione::Testo || st.car.nascosto) return;
        // What the notes do not keep is left out. The object placeholder
        // goes as the objects themselves go; the other characters that are
        // no text the text box would make a paragraph of: they end one
        // here, so that they count against the bound like any paragraph end.
        if (Rtf::CarattereNonTenuto(u)) {
            if (NonTesto(u) && u != 0xFFFC) FineParagrafo();
            return;
        }
        const bool nuovo = NuovoPezzo();
        if (!misura.Carattere(u, nuovo, st.car)) {
            troppi = true;
            return;
        }
        Allunga(nuovo, 1);
        if (uscita) {
            surrogati = surrogati || QChar::isSurrogate(u);
            c->testo.append(QChar(u));
        }
    }

    // A stretch of plain text in the text of the document: what Aggiungi
    // does for each of its bytes, at once (most of a large document is
    // such text).
    void AggiungiTesto(const char* da, const char* a)
    {
        const bool nuovo = NuovoPezzo();
        if (!misura.Carattere(char16_t(static_cast<unsigned char>(*da)), nuovo, st.car) || !misura.Semplice(da + 1, a, st.car)) {
            troppi = true;
            return;
        }
        Allunga(nuovo, a - da);
        if (uscita) c->testo.append(QLatin1String(da, a - da));
    }

    // Whether text put now begins a run of its own.
    bool NuovoPezzo() const { return c->pezzi.size() == corrente.primoPezzo || !(c->pezzi.back().car == st.car); }

    // n characters more in the paragraph, before they go into the text.
    void Allunga(bool nuovo, qsizetype n)
    {
        if (nuovo) Usa(st.car, true);
        if (nuovo) c->pezzi.push_back({c->testo.size(), n, st.car});
        else c->pezzi.back().lunghezza += n;
        Impagina(corrente);
    }

    // The paragraph takes the alignment and spacing now in force.
    void Impagina(Paragrafo& par) const
    {
        par.allinea = st.allinea;
        par.sopra = st.sopra;
        par.sotto = st.sotto;
    }

    void FineParagrafo()
    {
        Usa(st.car, c->pezzi.size() == corrente.primoPezzo);
        if (!misura.FineParagrafo(st.allinea, st.sopra, st.sotto, st.car)) {
            troppi = true;
            return;
        }
        corrente.fine = st.car;
        Impagina(corrente);
        c->paragrafi.push_back(corrente);
        Consegna();
        corrente = Paragrafo{c->pezzi.size(), {}, Sinistra};
    }

    // The formatting car goes into the document (quando): its font and its
    // colour go into the tables the writer writes. Only the verdict needs
    // to know.
    void Usa(const Carattere& car, bool quando)
    {
        if (!quando || !giudizio) return;
        fontUsati.insert(ChiaveFont(quint32(car.font), car));
        coloriUsati.insert(car.colore);
    }

    // What the writer will write for the tables of the fonts and colours
    // used, and the distinct fonts it will make: a font the table does not
    // name is the document's own, as one that has its name.
    bool ContaTabelle(const QString& famigliaBase)
    {
        const QString nomeBase = NomeFont(famigliaBase);
        QHash<QString, quint32> numeri{{nomeBase, 0}};
        qsizetype costo = CostoVoceFont(nomeBase);
        QSet<quint64> distinti;
        for (quint64 chiave : std::as_const(fontUsati)) {
            const QString nome = c->font.value(int(qint32(chiave >> 32)), nomeBase);
            auto it = numeri.constFind(nome);
            if (it == numeri.constEnd()) {
                it = numeri.insert(nome, quint32(numeri.size()));
                costo += CostoVoceFont(nome);
            }
            distinti.insert((quint64(*it) << 32) | (chiave & 0xFFFFFFFFu));
        }
        QSet<QRgb> rgb;
        for (int n : std::as_const(coloriUsati))
            if (n >= 0 && size_t(n) < c->colori.size() && c->colori[size_t(n)] && !rgb.contains(*c->colori[size_t(n)])) {
                rgb.insert(*c->colori[size_t(n)]);
                costo += CostoVoceColore(*c->colori[size_t(n)]);
            }
        return misura.Tabelle(costo, distinti.size());
    }

    // The paragraphs read so far go on, and their text and runs are let go
    // (the memory stays for the next ones).
    void Consegna()
    {
        paragrafiLetti += c->paragrafi.size();
        if (uscita) {
            SistemaSurrogati();
            uscita->Paragrafi(*c);
        }
        surrogati = false;
        c->testo.resize(0);
        c->pezzi.clear();
        c->paragrafi.clear();
    }

    void ChiudiNomeFont()
    {
        if (st.dest != Destinazione::Font) return;
        const QString nome = NomeFont(nomeFont);
        if (fontCorrente >= 0 && !nome.isEmpty() && (c->font.size() < qsizetype(VociTabelleMassime) || c->font.contains(fontCorrente)))
            c->font.insert(fontCorrente, nome);
        nomeFont.clear();
        fontCorrente = -1;
    }

    // Halves of surrogate pairs that come alone become U+FFFD. The two halves
    // of a pair must lie in one paragraph; a pair split between two runs of
    // one paragraph becomes one character of the first run.
    void SistemaSurrogati()
    {
        if (!surrogati) return;
        QString& t = c->testo;
        auto& pezzi = c->pezzi;
        std::vector<bool> inizioParagrafo(size_t(t.size()) + 1, false);
        for (const Paragrafo& par : c->paragrafi)
            if (par.primoPezzo < pezzi.size()) inizioParagrafo[size_t(pezzi[par.primoPezzo].inizio)] = true;
        for (qsizetype i = 0; i < t.size(); ++i) {
            if (t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate() && !inizioParagrafo[size_t(i + 1)])
                ++i;
            else if (t[i].isSurrogate())
                t[i] = QChar(QChar::ReplacementCharacter);
        }
        for (size_t j = 1; j < pezzi.size(); ++j) {
            Pezzo& prima = pezzi[j - 1];
            Pezzo& dopo = pezzi[j];
            if (dopo.lunghezza == 0 || inizioParagrafo[size_t(dopo.inizio)]) continue;
            if (prima.inizio + prima.lunghezza != dopo.inizio || !t[dopo.inizio].isLowSurrogate()) continue;
            if (!t[dopo.inizio - 1].isHighSurrogate()) continue;
            ++prima.lunghezza;
            ++dopo.inizio;
            --dopo.lunghezza;
        }
    }

    Contenuto* c = nullptr;
    Applicazione* uscita = nullptr;   // without it, the text is not kept
    bool giudizio = true;
    bool ricomincia = false;   // a table came after text put in as it was read
    size_t paragrafiLetti = 0;
    const char* p = nullptr;
    const char* fine = nullptr;
    StatoGruppo st;
    std::vector<StatoGruppo> pila;
    Paragrafo corrente{0, {}, Sinistra};
    int deff = 0;
    int daSaltare = 0;   // characters of a \u fallback still to skip
    int fontCorrente = -1;
    QString nomeFont;
    int rosso = 0, verde = 0, blu = 0;
    bool componenti = false;
    Misura misura;
    QSet<quint64> fontUsati;   // ChiaveFont of each formatting used
    QSet<int> coloriUsati;
    bool surrogati = false;   // some text is a half of a surrogate pair
    bool troppi = false;   // past one of the bounds
};

// The input read twice: once for the verdict and the tables, without
// keeping its text; when it is accepted, again into the document at the
// cursor, paragraph by paragraph. Nothing is put in unless all of it can
// be, and no copy of the whole text is made on the way. prepara readies the
// cursor once the input is known to be accepted.
// conteggio, when given, takes the counts of the input.
template <typename Prepara>
bool LeggiEApplica(const QByteArray& rtf, QTextCursor& cursore, bool documentoIntero, QString* errore, Prepara prepara,
                   Misura* conteggio = nullptr)
{
    Contenuto tabelle;
    QString e;
    const QTextDocument* documento = cursore.document();
    const QString famigliaBase = documento ? documento->defaultFont().family() : QString();
    Lettore giudice;
    if (!giudice.Analizza(rtf, famigliaBase, tabelle, e)) {
        if (errore) *errore = e;
        return false;
    }
    if (conteggio) *conteggio = giudice.Conteggio();
    prepara();
    Applicazione uscita(cursore, documentoIntero, tabelle);
    Contenuto letto;
    // The same input gives the same verdict.
    Lettore().Analizza(rtf, famigliaBase, letto, e, &uscita, false);
    return true;
}

// An empty document is built as the input is read, in one pass (a large
// file is read once), and emptied again should the input be refused, by its
// bounds or, once built, by its height. The result: read, refused, or to be
// read twice (a table after the text).
enum class Esito { Letto, Rifiutato, DaRileggere };
Esito LeggiInUnaPassata(const QByteArray& rtf, QTextDocument& documento, QString* errore)
{
    QTextCursor c(&documento);
    const QTextBlockFormat blocco = c.blockFormat();
    const QTextCharFormat carattere = c.blockCharFormat();
    c.beginEditBlock();
    Contenuto k;
    Applicazione uscita(c, true, k);
    Lettore lettore;
    QString e;
    bool letto = lettore.Analizza(rtf, documento.defaultFont().family(), k, e, &uscita);
    const Misura& m = lettore.Conteggio();
    if (letto && !AltezzaEntroLimiti(documento, m.AltezzaContata(), m.AltezzeParagrafi())) {
        letto = false;
        e = TestoTroppoGrande;
    }
    if (!letto) {
        c.select(QTextCursor::Document);
        c.removeSelectedText();
        c.setBlockFormat(blocco);
        c.setBlockCharFormat(carattere);
    }
    c.endEditBlock();
    if (letto) return Esito::Letto;
    if (lettore.Ricomincia()) return Esito::DaRileggere;
    if (errore) *errore = e;
    return Esito::Rifiutato;
}

// The verdict on the input, its height included, from a copy built apart
// in an empty document set up as documento.
bool Accettato(const QByteArray& rtf, const QTextDocument& documento, QString* errore)
{
    QTextDocument prova;
    prova.setDefaultFont(documento.defaultFont());
    prova.setDefaultTextOption(documento.defaultTextOption());
    prova.setDocumentMargin(documento.documentMargin());
    prova.setUndoRedoEnabled(false);
    const Esito esito = LeggiInUnaPassata(rtf, prova, errore);
    if (esito != Esito::DaRileggere) return esito == Esito::Letto;
    QTextCursor c(&prova);
    Misura m;
    if (!LeggiEApplica(rtf, c, true, errore, [] {}, &m)) return false;
    if (AltezzaEntroLimiti(prova, m.AltezzaContata(), m.AltezzeParagrafi())) return true;
    if (errore) *errore = TestoTroppoGrande;
    return false;
}

}   // namespace

namespace Rtf {

bool SembraRtf(const QByteArray& dati)
{
    return dati.mid(InizioRtf(dati.constData(), dati.size()), 5) == "{\\rtf";
}

bool Leggi(const QByteArray& rtf, QTextDocument& documento, QString* errore)
{
    const bool annulla = documento.isUndoRedoEnabled();
    if (documento.isEmpty() && documento.availableUndoSteps() == 0 && documento.availableRedoSteps() == 0) {
        documento.setUndoRedoEnabled(false);
        const Esito esito = LeggiInUnaPassata(rtf, documento, errore);
        documento.setUndoRedoEnabled(annulla);
        if (esito != Esito::DaRileggere) return esito == Esito::Letto;
    }
    // The document is changed only once the input is known to be taken,
    // its height too, which only a document built from it shows.
    if (!Accettato(rtf, documento, errore)) return false;
    QTextCursor c(&documento);
    const bool letto = LeggiEApplica(rtf, c, true, errore, [&] {
        documento.setUndoRedoEnabled(false);
        c.beginEditBlock();
        c.select(QTextCursor::Document);
        c.removeSelectedText();
        c.setBlockFormat(QTextBlockFormat());
        c.setBlockCharFormat(QTextCharFormat());
        c.setCharFormat(QTextCharFormat());
    });
    if (!letto) return false;
    c.endEditBlock();
    documento.setUndoRedoEnabled(annulla);
    return true;
}

bool Inserisci(const QByteArray& rtf, QTextCursor& cursore, QString* errore)
{
    int inizio = 0;
    const bool letto = LeggiEApplica(rtf, cursore, false, errore, [&] {
        cursore.beginEditBlock();
        cursore.removeSelectedText();
        inizio = cursore.position();
    });
    if (!letto) return false;
    // The paragraphs at the two ends hold what was there and what came: the
    // formatting of their own that either had is what an empty paragraph
    // types, which a paragraph with text does not keep.
    for (QTextBlock b : {cursore.document()->findBlock(inizio), cursore.block()})
        if (b.length() > 1 && !b.charFormat().properties().isEmpty()) QTextCursor(b).setBlockCharFormat(QTextCharFormat());
    cursore.endEditBlock();
    return true;
}

bool OltreILimiti(const QString& errore) { return errore == Interno::TestoTroppoGrande || errore == TroppiGruppi; }

}   // namespace Rtf
