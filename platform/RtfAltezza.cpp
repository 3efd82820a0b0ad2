// The height of the notes at the box's narrowest: the count of Misura where
// it holds, Qt's own line layout where it does not (RtfAltezza.h).
#include "platform/RtfAltezza.h"
#include "platform/Numeri.h"
#include "platform/Rtf.h"
#include "platform/RtfMisura.h"
#include <QFont>
#include <QHash>
#include <QList>
#include <QRawFont>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace Rtf::Interno {

QFont FontMostrato(const QTextCharFormat& f, const QFont& base)
{
    QFont q = f.font().resolve(base);
    if (f.hasProperty(QTextFormat::FontSizeAdjustment)) {
        const QFont mostrato = f.font();
        if (mostrato.pointSizeF() > 0) q.setPointSizeF(mostrato.pointSizeF());
        else if (mostrato.pixelSize() > 0) q.setPixelSize(mostrato.pixelSize());
    }
    return q;
}

int MezziPunti(const QFont& q)
{
    double punti = q.pointSizeF();
    if (punti <= 0 && q.pixelSize() > 0) punti = q.pixelSize() * 72.0 / 96.0;
    if (punti <= 0) punti = MezziPuntiPredefiniti / 2.0;
    return std::clamp(Arrotonda32(std::min(punti, 10000.0) * 2), 1, MezziPuntiMassimi);
}

bool Sottolineato(const QTextCharFormat& f, const QFont& base)
{
    if (!f.hasProperty(QTextFormat::TextUnderlineStyle) && !f.hasProperty(QTextFormat::FontUnderline))
        return base.underline();
    return (f.underlineStyle() != QTextCharFormat::NoUnderline && f.underlineStyle() != QTextCharFormat::SpellCheckUnderline)
           || f.fontUnderline();
}

int Twip(qreal pixel)
{
    return pixel > 0 ? std::clamp(Arrotonda32(std::min<qreal>(pixel, SpazioMassimo) * TwipPerPixel), 0, SpazioMassimo) : 0;
}

namespace {

// A character's advance times its font's line height, in squared ems, up
// to which the count holds: text of such characters, however its lines
// are broken, takes at most about half the height the count charges.
constexpr double AreaSicura = 1.6;
// A font whose lines are taller than this, in ems, is taller than the
// count's line of its own.
constexpr double RigaSicura = 1.5;
// Characters whose advance is looked up in one document (beyond the
// printable ASCII of each font): past them, a paragraph is measured.
constexpr int RicercheMassime = 65'536;
// Fonts whose facts are kept between judgements (a document uses at most
// FontDistintiMassimi).
constexpr qsizetype FontTenutiMassimi = 1024;

// The font a run is laid out in, as the notes file keeps it.
QFont FontTenuto(const QTextCharFormat& f, const QFont& base)
{
    const QFont q = FontMostrato(f, base);
    QFont n = base;
    const QString nome = NomeFont(q.family());
    n.setFamilies({nome.isEmpty() ? NomeFont(base.family()) : nome});
    n.setPointSizeF(MezziPunti(q) / 2.0);
    n.setWeight(q.weight() > QFont::Medium ? QFont::Bold : QFont::Normal);
    n.setItalic(q.italic());
    n.setUnderline(Sottolineato(f, base));
    n.setStrikeOut(q.strikeOut());
    return n;
}

}   // namespace

// What the count needs to know of a font: whether a character is drawn
// by it and narrow enough.
class Font {
public:
    explicit Font(const QFont& f) : font(f), grezzo(QRawFont::fromFont(f))
    {
        mezziPunti = MezziPunti(f);
        em = grezzo.isValid() ? grezzo.pixelSize() : 0;
        const qreal riga = grezzo.isValid() ? grezzo.ascent() + grezzo.descent() + grezzo.leading() : 0;
        righeAlte = !(em > 0) || riga > RigaSicura * em;
        sogliaAvanzamento = righeAlte || !(riga > 0) ? -1 : AreaSicura * em * em / riga;
        QString ascii;   // and the rest of Latin-1
        for (char16_t c = 0x20; c < 0x100; ++c)
            if (c < 0x7F || c >= 0xA0) ascii += QChar(c);
        const QList<quint32> glifi = grezzo.isValid() ? grezzo.glyphIndexesForString(ascii) : QList<quint32>();
        const QList<QPointF> avanzamenti = grezzo.isValid() ? grezzo.advancesForGlyphIndexes(glifi) : QList<QPointF>();
        sicuri.fill(false);
        sicuri['\t'] = true;
        for (qsizetype i = 0; i < ascii.size() && i < glifi.size() && i < avanzamenti.size(); ++i)
            sicuri[ascii[i].unicode()] = glifi[i] != 0 && avanzamenti[i].x() <= sogliaAvanzamento;
        latinoSicuro = !righeAlte && std::all_of(sicuri.begin() + 0x20, sicuri.begin() + 0x7F, [](bool b) { return b; })
                       && std::all_of(sicuri.begin() + 0xA0, sicuri.end(), [](bool b) { return b; });
    }

    bool SicuroLatino(char16_t c) const { return sicuri[c]; }
    // Whether the character c is drawn by this font within the count's
    // bounds; ricerche counts down the look-ups left.
    bool Sicuro(char32_t c, int& ricerche)
    {
        if (c < 0x100) return sicuri[c];
        if (auto it = altri.constFind(c); it != altri.constEnd()) return *it;
        if (ricerche <= 0 || righeAlte) return false;
        --ricerche;
        bool sicuro = false;
        if (grezzo.supportsCharacter(c)) {
            const QList<quint32> glifi = grezzo.glyphIndexesForString(QString::fromUcs4(&c, 1));
            const QList<QPointF> a = grezzo.advancesForGlyphIndexes(glifi);
            sicuro = glifi.size() == 1 && glifi[0] != 0 && a.size() == 1 && a[0].x() <= sogliaAvanzamento;
        }
        altri.insert(c, sicuro);
        return sicuro;
    }

    const QFont font;
    int mezziPunti = 0;
    bool righeAlte = false;
    bool latinoSicuro = false;   // every printable character of Latin-1, and its lines

private:
    QRawFont grezzo;
    qreal em = 0;
    qreal sogliaAvanzamento = -1;
    std::array<bool, 256> sicuri{};   // Latin-1
    QHash<char32_t, bool> altri;
};

Giudizio::Giudizio(const QTextDocument& d)
    : base(d.defaultFont()), mezziPuntiBase(MezziPunti(d.defaultFont())),
      larghezza(Rtf::LarghezzaMinima - 2 * d.documentMargin()), ricerche(RicercheMassime)
{
    opzione.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    formatiLatini = true;
    for (const QTextFormat& f : d.allFormats())
        if (f.isCharFormat() && !f.isImageFormat()) formatiLatini = formatiLatini && FontDi(f.toCharFormat()).latinoSicuro;
}

Giudizio::~Giudizio() = default;

bool Giudizio::ContatoLatino(const QChar* testo, qsizetype n) const
{
    if (!formatiLatini) return false;
    for (const QChar* fine = testo + n; testo < fine; ++testo)
        if (const char16_t c = testo->unicode(); (c < 0x20 && c != '\t') || (c >= 0x7F && c < 0xA0) || c > 0xFF)
            return false;
    return true;
}

bool Giudizio::Contato(const QTextBlock& b)
{
    const QString testo = b.text();
    bool vuoto = true;
    // The fragments follow each other in the block's text (their
    // positions are costly to ask for).
    qsizetype inizio = 0;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        const qsizetype da = inizio;
        inizio += f.length();
        Font* font = f.isValid() ? FontDelFrammento(f) : nullptr;
        if (!font) continue;
        const QChar* q = testo.constData() + da;
        const QChar* const fine = testo.constData() + std::min(inizio, testo.size());
        for (; q < fine; ++q) {
            const char16_t c = q->unicode();
            if (c >= 0x20 && c < 0x7F) {
                if (!font->SicuroLatino(c)) return false;
                vuoto = false;
                continue;
            }
            if (Rtf::CarattereNonTenuto(c)) continue;
            vuoto = false;
            if (QChar::isSurrogate(c) || !font->Sicuro(c, ricerche)) return false;
            // A line that holds only a break is as tall as the
            // document's font.
            if (c == 0x2028 && font->mezziPunti < mezziPuntiBase) return false;
        }
    }
    return !vuoto || !FontDi(b.charFormat()).righeAlte;
}

double Giudizio::Spazio(qreal pixel) { return Twip(pixel) / TwipPerPixel; }

double Giudizio::Righe(const QTextBlock& b, double limite)
{
    QString testo;
    QList<QTextLayout::FormatRange> formati;
    const QString proprio = b.text();
    qsizetype inizio = 0;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        const qsizetype da = inizio;
        inizio += f.length();
        const Font* font = f.isValid() ? FontDelFrammento(f) : nullptr;
        if (!font) continue;
        const qsizetype prima = testo.size();
        const qsizetype fine = std::min(inizio, proprio.size());
        for (qsizetype i = da; i < fine; ++i)
            if (!Rtf::CarattereNonTenuto(proprio[i].unicode())) testo += proprio[i];
        if (testo.size() == prima) continue;
        if (!formati.isEmpty() && formati.last().format.font() == font->font) {
            formati.last().length += int(testo.size() - prima);
        } else {
            QTextLayout::FormatRange r;
            r.start = int(prima);
            r.length = int(testo.size() - prima);
            r.format.setFont(font->font, QTextCharFormat::FontPropertiesAll);
            formati.append(r);
        }
    }
    // A line that holds no text is as tall as the block's own font:
    // the document's, unless the paragraph is empty.
    QTextLayout layout(testo, testo.isEmpty() ? FontDi(b.charFormat()).font : base);
    layout.setTextOption(opzione);
    layout.setFormats(formati);
    std::unique_ptr<QTextBoundaryFinder> rotture;
    double altezza = 0;
    layout.beginLayout();
    for (QTextLine riga = layout.createLine(); riga.isValid(); riga = layout.createLine()) {
        riga.setLineWidth(larghezza);
        // As the document's layout steps from line to line: the
        // font's leading included, whatever its sign.
        altezza += std::ceil(riga.ascent() + riga.descent() + riga.leading());
        // A line that ends inside a word: Qt goes over the rest of the
        // word again for it.
        const int fine = riga.textStart() + riga.textLength();
        if (fine < testo.size()) {
            if (!rotture) rotture = std::make_unique<QTextBoundaryFinder>(QTextBoundaryFinder::Line, testo);
            rotture->setPosition(fine);
            if (!rotture->isAtBoundary()) {
                const qsizetype dopo = rotture->toNextBoundary();
                lavoro += (dopo < 0 ? testo.size() : dopo) - riga.textStart();
            }
        }
        if (altezza > limite || lavoro > Rtf::LavoroRottureMassimo) break;
    }
    layout.endLayout();
    return altezza;
}

// The font of a fragment's text; none for a picture, which the notes do
// not keep.
Font* Giudizio::FontDelFrammento(const QTextFragment& f)
{
    const int indice = f.charFormatIndex();
    if (auto it = perIndice.constFind(indice); it != perIndice.constEnd()) return *it;
    const QTextCharFormat formato = f.charFormat();
    Font* font = formato.isImageFormat() ? nullptr : &FontDi(formato);
    perIndice.insert(indice, font);
    return font;
}

// The font of a format. What is known of a font is kept from one judgement
// to the next: a font's file takes milliseconds to load.
Font& Giudizio::FontDi(const QTextCharFormat& f)
{
    const QFont n = FontTenuto(f, base);
    const QString chiave = n.key();
    static QHash<QString, std::shared_ptr<Font>> noti;
    auto it = noti.find(chiave);
    if (it == noti.end()) {
        if (noti.size() >= FontTenutiMassimi) noti.clear();
        it = noti.insert(chiave, std::make_shared<Font>(n));
    }
    usati.push_back(*it);   // alive while this judgement lasts
    return **it;
}

bool AltezzaEntroLimiti(const QTextDocument& documento, qsizetype contata, const std::vector<qsizetype>& perParagrafo)
{
    const qsizetype limite = Rtf::AltezzaMassima * UnitaPerPixel;
    if (contata > limite) return false;
    // Should the paragraphs counted not be the document's blocks, a block
    // laid out is charged on top of its count.
    const bool appaiati = perParagrafo.size() == size_t(documento.blockCount());
    Giudizio g(documento);
    double resto = double(limite - contata) / UnitaPerPixel;
    // The whole text at once, the blocks one after the other in it, each
    // with its separator.
    const QString testo = documento.toRawText();
    qsizetype inizio = 0;
    size_t i = 0;
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next(), ++i) {
        const qsizetype n = b.length() - 1;
        const char16_t separatore = inizio + n < testo.size() ? testo[inizio + n].unicode() : 0x2029;
        const bool latino = inizio + n <= testo.size() && (separatore == 0x2029 || separatore == 0xFDD0 || separatore == 0xFDD1)
                            && g.ContatoLatino(testo.constData() + inizio, n);
        inizio += n + 1;
        if (latino || g.Contato(b)) continue;
        if (appaiati) resto += double(perParagrafo[i]) / UnitaPerPixel;
        // Its spacing whole: the layout takes the larger of the space
        // after a paragraph and before the next, and none after the last.
        const QTextBlockFormat fb = b.blockFormat();
        resto -= g.Spazio(fb.topMargin()) + g.Spazio(fb.bottomMargin());
        resto -= g.Righe(b, resto);
        if (resto < 0 || g.lavoro > Rtf::LavoroRottureMassimo) return false;
    }
    return true;
}

}   // namespace Rtf::Interno
