// The writer of the rich-text layer: a document or a fragment as RTF, and
// whether what it wrote stays within the reader's bounds. It counts what it
// writes with the cost model the reader counts with (RtfMisura.h), so that
// whatever it writes within the bounds the reader opens again.
#include "platform/Rtf.h"
#include "platform/RtfAltezza.h"
#include "platform/RtfMisura.h"
#include "platform/Numeri.h"
#include <QFont>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>
#include <optional>
#include <string_view>

using namespace Rtf::Interno;

namespace {

class Scrittore {
public:
    explicit Scrittore(const QTextDocument& d) : documento(d), base(d.defaultFont())
    {
        IndiceFont(base.family());
    }

    QByteArray Esegui()
    {
        for (QTextBlock b = documento.begin(); b.isValid(); b = b.next()) {
            const QTextBlockFormat fb = b.blockFormat();
            Parola("pard");
            // An absolute alignment shows the same in the left-to-right text
            // the format carries.
            uint8_t allinea = Sinistra;
            switch (fb.alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute) {
            case Qt::AlignHCenter: Parola("qc"), allinea = Centro; break;
            case Qt::AlignRight: Parola("qr"), allinea = Destra; break;
            case Qt::AlignJustify: Parola("qj"), allinea = Giustificato; break;
            default: break;
            }
            const int sopra = Twip(fb.topMargin()), sotto = Twip(fb.bottomMargin());
            if (sopra > 0) Parola("sb", sopra);
            if (sotto > 0) Parola("sa", sotto);
            inizioParagrafo = true;
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                if (!f.isValid() || f.charFormat().isImageFormat()) continue;
                Testo(f.text(), &f);
            }
            // An empty paragraph keeps the formatting of what is typed in it.
            if (inizioParagrafo) Cambia(Efficace(b.charFormat()));
            misura.FineParagrafo(allinea, sopra, sotto, attuale);
            Parola("par");
            corpo += "\r\n";
            spazio = false;
        }

        QByteArray rtf(Intestazione.data(), qsizetype(Intestazione.size()));
        qsizetype tabelle = 0;
        for (qsizetype i = 0; i < font.size(); ++i) {
            tabelle += CostoVoceFont(font[i]);
            rtf += "{\\f" + QByteArray::number(i) + QByteArray(InizioFont.data(), qsizetype(InizioFont.size()));
            QByteArray nome;
            std::swap(nome, corpo);
            spazio = false;
            Testo(font[i], nullptr);
            std::swap(nome, corpo);
            rtf += nome + ";}";
        }
        rtf.append(TraLeTabelle.data(), qsizetype(TraLeTabelle.size()));
        for (QRgb c : colori) {
            tabelle += CostoVoceColore(c);
            rtf += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c))
                   + "\\blue" + QByteArray::number(qBlue(c)) + ';';
        }
        rtf.append(DopoLeTabelle.data(), qsizetype(DopoLeTabelle.size()));
        rtf += corpo;
        rtf.append(Chiusura.data(), qsizetype(Chiusura.size()));
        misura.Tabelle(tabelle, fontDistinti.size());
        return rtf;
    }

    // Whether what Esegui wrote stays within the reader's bounds and tables.
    bool Entro(const QByteArray& rtf) const
    {
        return misura.Entro() && rtf.size() <= Rtf::DimensioneMassima && font.size() <= VociTabelleMassime
               && colori.size() < VociTabelleMassime && AltezzaEntroLimiti(documento, misura.AltezzaContata(), misura.AltezzeParagrafi());
    }

private:
    int IndiceFont(const QString& famiglia)
    {
        const QString nome = NomeFont(famiglia);
        // A font without a name is shown in the document's own.
        if (nome.isEmpty() && !font.isEmpty()) return 0;
        auto it = indiceFont.constFind(nome);
        if (it != indiceFont.constEnd()) return *it;
        font.append(nome);
        return *indiceFont.insert(nome, int(font.size() - 1));
    }

    Aspetto Efficace(const QTextCharFormat& f)
    {
        const QFont q = FontMostrato(f, base);
        Aspetto e;
        e.grassetto = q.weight() > QFont::Medium;
        e.corsivo = q.italic();
        e.sottolineato = Sottolineato(f, base);
        e.barrato = q.strikeOut();
        if (f.foreground().style() != Qt::NoBrush) {
            const QRgb c = f.foreground().color().rgb() | 0xFF000000u;
            auto it = indiceColore.constFind(c);
            if (it == indiceColore.constEnd()) {
                colori.append(c);
                it = indiceColore.insert(c, int(colori.size()));
            }
            e.colore = *it;
        }
        e.font = IndiceFont(q.family());
        e.mezziPunti = MezziPunti(q);
        fontDistinti.insert(ChiaveFont(quint32(e.font), e));
        return e;
    }

    void Cambia(const Aspetto& n)
    {
        if (n.font != attuale.font) Parola("f", n.font);
        if (n.mezziPunti != attuale.mezziPunti) Parola("fs", n.mezziPunti);
        if (n.colore != attuale.colore) Parola("cf", n.colore);
        if (n.grassetto != attuale.grassetto) Parola(n.grassetto ? "b" : "b0");
        if (n.corsivo != attuale.corsivo) Parola(n.corsivo ? "i" : "i0");
        if (n.sottolineato != attuale.sottolineato) Parola(n.sottolineato ? "ul" : "ulnone");
        if (n.barrato != attuale.barrato) Parola(n.barrato ? "strike" : "strike0");
        attuale = n;
    }

    void Parola(const char* parola, std::optional<int> parametro = std::nullopt)
    {
        corpo += '\\';
        corpo += parola;
        if (parametro) corpo += QByteArray::number(*parametro);
        spazio = true;
    }

    void Simbolo(std::string_view s)
    {
        corpo.append(s.data(), qsizetype(s.size()));
        spazio = false;
    }

    // Text with its escapes: of the fragment frammento, whose formatting
    // goes in before its first character that is written, or of a font
    // name (frammento null), where ';' is escaped and only characters the
    // name keeps come. Tabs go as they are: the reader takes them so, and
    // the file does not grow on each save.
    void Testo(const QString& t, const QTextFragment* frammento)
    {
        const bool nome = frammento == nullptr;
        bool formato = nome;
        for (QChar q : t) {
            const char16_t c = q.unicode();
            if (nome ? c < 0x20 || NonTesto(c) : Rtf::CarattereNonTenuto(c)) continue;
            if (!formato) {
                Cambia(Efficace(frammento->charFormat()));
                formato = true;
            }
            if (const std::string_view f = Fuga(c, nome); !f.empty()) Simbolo(f);
            else if (c == 0x2028 && !nome) Parola("line");
            else if (c == '\t') Simbolo("\t");
            else if (c < 0x80) {
                if (spazio) corpo += ' ';
                corpo += char(c);
                spazio = false;
            } else {
                corpo += "\\u" + QByteArray::number(int(int16_t(c))) + '?';
                spazio = false;
            }
            if (!nome) Conta(c);
        }
    }

    // Every character of text goes through here once it is written, in
    // the formatting now in force.
    void Conta(char16_t c)
    {
        misura.Carattere(c, inizioParagrafo || !(attuale == ultimo), attuale);
        inizioParagrafo = false;
        ultimo = attuale;
    }

    const QTextDocument& documento;
    const QFont base;
    QStringList font;
    QHash<QString, int> indiceFont;
    QList<QRgb> colori;
    QHash<QRgb, int> indiceColore;   // index in the table as written: 1 for the first colour
    QSet<quint64> fontDistinti;
    QByteArray corpo;
    Aspetto attuale;
    Aspetto ultimo;                 // of the last character of text written
    bool inizioParagrafo = true;    // no character of text in this paragraph yet
    Misura misura;
    bool spazio = false;   // a control word was just written: text needs a blank first
};

}   // namespace

namespace Rtf {

bool CarattereNonTenuto(char16_t c) { return (c < 0x20 && c != '\t') || Interno::NonTesto(c); }

bool TestoOltreILimiti(QStringView testo)
{
    // What the text costs at the least, as the writer counts it (Misura):
    // every paragraph is an element and ends a line, every line break and
    // tab may end one, and every other character kept costs its share of a
    // line, all in the smallest size counted. A line that holds only its
    // end, in a paragraph that holds something, is laid out as tall as the
    // document's font at the least, 12 pt in the notes box, whose lines no
    // font makes shorter than its 16 px; an empty paragraph keeps the
    // size of its own formatting, which may be the smallest.
    const qsizetype riga = CostoRiga(MezziPuntiMinimi), carattere = CostoAltezza(MezziPuntiMinimi);
    const qsizetype rigaVuota = std::max<qsizetype>(riga, UnitaPerPixel * MezziPuntiPredefiniti * 2 / 3);
    const qsizetype altezzaMassima = AltezzaMassima * UnitaPerPixel;
    qsizetype paragrafi = 0, altezza = 0;
    bool vuota = true;            // nothing yet on the line being counted
    bool paragrafoVuoto = true;   // nothing yet in the paragraph
    const qsizetype n = testo.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = testo[i].unicode();
        if (c == '\n' || c == '\r' || c == 0x2029 || c == 0x2028) {
            if (c == '\r' && i + 1 < n && testo[i + 1] == u'\n') ++i;
            const bool fine = c != 0x2028;
            altezza += vuota && !(fine && paragrafoVuoto) ? rigaVuota : riga;
            if (fine) ++paragrafi;
            vuota = true;
            paragrafoVuoto = fine;
        } else if (!CarattereNonTenuto(c)) {
            altezza += c == '\t' ? riga : carattere;
            vuota = paragrafoVuoto = false;
        }
        // The paragraph after the last end is one more.
        if (paragrafi >= ElementiMassimi || altezza > altezzaMassima) return true;
    }
    return false;
}

QByteArray Scrivi(const QTextDocument& documento)
{
    return Scrittore(documento).Esegui();
}

std::optional<QByteArray> ScriviEntroLimiti(const QTextDocument& documento)
{
    Scrittore s(documento);
    QByteArray rtf = s.Esegui();
    if (!s.Entro(rtf)) return std::nullopt;
    return rtf;
}

QByteArray Scrivi(const QTextDocumentFragment& frammento, const QFont& carattereBase)
{
    QTextDocument d;
    d.setDefaultFont(carattereBase);
    QTextCursor c(&d);
    c.insertFragment(frammento);
    return Scrivi(d);
}

QByteArray ScriviSelezione(const QTextCursor& cursore)
{
    const QFont base = cursore.document() ? cursore.document()->defaultFont() : QFont();
    return Scrivi(cursore.selection(), base);
}

}   // namespace Rtf
