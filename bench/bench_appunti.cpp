// Opening a notebook's notes: the notes file read, its document built and
// shown in the notes box at a visible size, by the steps opening a notebook
// takes for them;
// against the floor of the same document (the same paragraphs, runs and
// formats) built with bare QTextCursor calls in a bare QTextDocument and set
// on a bare QTextEdit of the same size and wrapping, shown the same way.
// Eight notes: 10,000 lines, 2,500 formatted paragraphs pasted from a web
// page, the most characters the bound on height takes (in 4 pt, paragraphs
// of ordinary length) and the tallest text it takes (large bold words), both
// in the box at its narrowest (its text laid out 100 px wide) and wide, and
// then scrolled to their end as Ctrl+End does (the whole text laid out), the
// slowest shape of runs the reader takes at its bounds, the most
// distinct fonts it takes over the most runs, the text slowest to
// shape that the bound on shaping takes (clusters of the most marks, and
// runs of a dependent vowel), narrow and wide, and the slowest wide
// characters, opened at the narrowest with a key typed at the end.
// Pasting into the notes, by the box's own paste path (HTML rewritten for
// Qt's import, written by the notes' writer and put in by their reader as
// the notes file gives it back, tried on a copy of the notes, put in and
// shown), against the
// floor of a bare QTextEdit of the same size and font pasting the HTML
// already rewritten with Qt's own paste. Two pastes, the slowest empty
// notes take: a web page (formatted runs, links) and short paragraphs, each
// as long as both the bounds of pasted HTML and those of the notes allow.
#include "logica/FileQuaderno.h"
#include "platform/HtmlIncollato.h"
#include "platform/Modale.h"
#include "platform/Rtf.h"
#include "workspace/Avvio.h"
#include "workspace/FrmAppunti.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include "workspace/Quaderno.h"
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QPointer>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

QTextCharFormat Formato(bool grassetto, bool corsivo, QColor colore = {})
{
    QTextCharFormat f;
    f.setFontWeight(grassetto ? QFont::Bold : QFont::Normal);
    f.setFontItalic(corsivo);
    if (colore.isValid()) f.setForeground(colore);
    return f;
}

void Righe(QTextCursor& c)
{
    for (int i = 0; i < 10'000; ++i) {
        if (i > 0) c.insertBlock();
        c.insertText(QStringLiteral("Riga %1 degli appunti: le frazioni equivalenti").arg(i));
    }
}

// Seven runs a paragraph, pasted as the box pastes HTML.
void PaginaWeb(QTextCursor& c)
{
    QString html;
    for (int i = 0; i < 2'500; ++i)
        html += QStringLiteral("<p>Le frazioni <b>equivalenti</b> hanno lo stesso <span style=\"color:#0000ff\">valore"
                               "</span>: per esempio <b><i>1/2 = 2/4</i></b> e così via, fino in fondo %1.</p>").arg(i);
    c.insertFragment(QTextDocumentFragment::fromHtml(html, c.document()));
}

// Just within the bound on height, the most characters: 4 pt text (smaller
// sizes count as 4 pt) in paragraphs of about 770, about 4.3 million.
void Minuti(QTextCursor& c)
{
    const QString frase = QStringLiteral("Questo è un testo lungo incollato negli appunti, con parole normali. ");
    QString paragrafo;
    while (paragrafo.size() < 700) paragrafo += frase;
    QTextCharFormat f;
    f.setFontPointSize(4);
    c.setBlockCharFormat(f);
    for (int i = 0; i < 5'600; ++i) {
        if (i > 0) c.insertBlock(QTextBlockFormat(), f);
        c.insertText(paragrafo, f);
    }
}

// Just within the bound on height, the tallest text that Qt lays out at
// 100 px: words of bold m in 40 pt, a hundred to a paragraph (about 3
// million pixels).
void Alti(QTextCursor& c)
{
    QTextCharFormat f = Formato(true, false);
    f.setFontPointSize(40);
    c.setBlockCharFormat(f);
    const QString paragrafo = QStringLiteral("mmmm ").repeated(100);
    for (int i = 0; i < 122; ++i) {
        if (i > 0) c.insertBlock(QTextBlockFormat(), f);
        c.insertText(paragrafo, f);
    }
}

// The slowest shape within the bounds: paragraphs of the most runs, each
// run a letter of its own colour inside words of the most runs; as many
// paragraphs as the bound on paragraphs and runs together allows.
void AlLimite(QTextCursor& c)
{
    const int pezzi = Rtf::PezziParagrafoMassimi - 1;
    const int paragrafi = Rtf::ElementiMassimi / (pezzi + 1);
    int k = 0;
    for (int p = 0; p < paragrafi; ++p) {
        if (p > 0) c.insertBlock();
        for (int i = 0; i < pezzi; ++i) {
            // The blank that ends a word goes with its last letter.
            const bool fineParola = i % Rtf::PezziParolaMassimi == Rtf::PezziParolaMassimi - 1;
            c.insertText(fineParola ? QStringLiteral("a ") : QStringLiteral("a"),
                         Formato(false, false, QColor::fromHsv(k++ % 300, 255, 200)));
        }
    }
}

// The most distinct fonts, each of a family of its own (the box looks each
// family up), in turn over the most runs the bounds allow, in paragraphs of
// the most runs.
void FontDistinti(QTextCursor& c)
{
    const int fonts = Rtf::FontDistintiMassimi - 1;   // the document's own font is one more
    const int pezzi = Rtf::PezziParagrafoMassimi - 1;
    const int paragrafi = Rtf::ElementiMassimi / (pezzi + 1);
    int k = 0;
    for (int p = 0; p < paragrafi; ++p) {
        if (p > 0) c.insertBlock();
        for (int i = 0; i < pezzi; ++i, ++k) {
            const int f = k % fonts;
            QTextCharFormat formato;
            formato.setFontFamilies({QStringLiteral("Famiglia %1").arg(f)});
            formato.setFontPointSize(4 + f % 8 / 2.0);   // the height of the most runs allows no more
            formato.setFontWeight(f % 2 ? QFont::Bold : QFont::Normal);
            formato.setFontItalic(f / 2 % 2);
            c.insertText(QStringLiteral("a "), formato);
        }
    }
}

// 4 pt words, in paragraphs as long as a paragraph may be.
void ParoleDi(QTextCursor& c, const QString& parola, int parole)
{
    QTextCharFormat f;
    f.setFontPointSize(4);
    c.setBlockCharFormat(f);
    const int perParagrafo = Rtf::CaratteriParagrafoMassimi / int(parola.size());
    for (int i = 0; i < parole; i += perParagrafo) {
        if (i > 0) c.insertBlock(QTextBlockFormat(), f);
        c.insertText(parola.repeated(std::min(perParagrafo, parole - i)), f);
    }
}
// Just within the bound on shaping, the text slowest to shape: words as
// long as a word may be of clusters of the most code points (a Devanagari
// letter and its vowel signs), 136 units of work each ...
void Grappoli(QTextCursor& c)
{
    const QString grappolo = QChar(0x0915) + QString(Rtf::CodiciGrappoloMassimi - 1, QChar(0x0941));
    const QString parola = grappolo.repeated(Rtf::CaratteriParolaMassimi / int(grappolo.size())) + QLatin1Char(' ');
    ParoleDi(c, parola, int(Rtf::LavoroMassimo / 136 / (parola.size() / grappolo.size())));
}
// ... and a Thai vowel that follows its consonant, with none: a unit each.
void Segni(QTextCursor& c)
{
    ParoleDi(c, QString(999, QChar(0x0E32)) + QLatin1Char(' '), int(Rtf::LavoroMassimo / 999));
}
// The slowest wide characters the bounds take: three-em dashes in bold
// 19 pt, drawn by a fallback font with tall lines, two to a line at the
// narrowest, in words as long as a word may be (a paragraph each: blanks
// between such dashes are no place to break a line), as many as the bound
// on the work of breaking them allows.
void Larghi(QTextCursor& c)
{
    QTextCharFormat f = Formato(true, false);
    f.setFontPointSize(19);
    for (int i = 0; i < 15; ++i) {
        if (i > 0) c.insertBlock(QTextBlockFormat(), f);
        c.insertText(QString(Rtf::CaratteriParolaMassimi - 1, QChar(0x2E3B)), f);
    }
}

struct Caso {
    const char* nome;
    void (*componi)(QTextCursor&);
};
const Caso Casi[] = {{"Righe", Righe},       {"PaginaWeb", PaginaWeb},       {"Minuti", Minuti},
                      {"Alti", Alti},         {"AlLimite", AlLimite},         {"FontDistinti", FontDistinti},
                      {"Grappoli", Grappoli}, {"Segni", Segni},       {"Larghi", Larghi}};

// The notes window at its narrowest, the box's text laid out 100 px wide,
// or wide, or at the size it opens with; or at its narrowest with a key
// typed at the end once the end is shown.
enum Larghezza { Solita, Stretta, Larga, StrettaConTasto };
void Dimensiona(Larghezza l)
{
    FrmAppunti* f = Unica<FrmAppunti>::Istanza();
    static const QSize solita = f->size();
    f->resize(l == Stretta || l == StrettaConTasto ? QSize(f->minimumSizeHint().width(), 600)
              : l == Larga                        ? QSize(1200, 600)
                                                  : solita);
    QCoreApplication::processEvents();
}

// One paragraph of the floor: its formats and its runs.
struct Paragrafo {
    QTextBlockFormat blocco;
    QTextCharFormat carattere;
    std::vector<std::pair<QString, QTextCharFormat>> pezzi;
};

// Everything made once: the program ready with its main window at a size
// a pupil has, a notebook of each case on the disk (empty sheets, the notes
// beside), and the document each opens to, as plain paragraphs for the floor.
struct Preparato {
    QTemporaryDir cartella;
    std::map<std::string, QString> quaderni;
    std::map<std::string, std::vector<Paragrafo>> documenti;
    bool pronto = false;

    Preparato()
    {
        if (!cartella.isValid()) return;
        InizializzaApplicazione();
        Princ* p = Unica<Princ>::Istanza();
        p->resize(1280, 800);
        p->show();
        QCoreApplication::processEvents();
        for (const Caso& caso : Casi) {
            QTextDocument d;
            QTextCursor c(&d);
            c.beginEditBlock();
            caso.componi(c);
            c.endEditBlock();
            const std::optional<QByteArray> rtf = Rtf::ScriviEntroLimiti(d);
            if (!rtf) {
                std::fprintf(stderr, "%s: past the bounds\n", caso.nome);
                return;
            }
            const QString qdn = cartella.filePath(QString::fromLatin1(caso.nome) + QStringLiteral(".qdn"));
            QFile q(qdn), a(NomeFileAppunti(qdn));
            if (!q.open(QIODevice::WriteOnly) || !a.open(QIODevice::WriteOnly)) return;
            q.write(" 0 \r\n 0 \r\n");
            a.write(*rtf);
            q.close();
            a.close();
            quaderni[caso.nome] = qdn;
            if (!CaricaQuaderno(qdn)) {
                std::fprintf(stderr, "%s: not opened\n", caso.nome);
                return;
            }
            auto& paragrafi = documenti[caso.nome];
            for (QTextBlock b = TxtAppunti()->document()->begin(); b.isValid(); b = b.next()) {
                Paragrafo par{b.blockFormat(), b.charFormat(), {}};
                for (auto it = b.begin(); !it.atEnd(); ++it)
                    par.pezzi.emplace_back(it.fragment().text(), it.fragment().charFormat());
                paragrafi.push_back(std::move(par));
            }
        }
        SvuotaAppunti();
        pronto = true;
    }
};

Preparato& Preparazione()
{
    static Preparato p;
    return p;
}

// The program's steps for the notes when a notebook opens: the file read
// whole, the document built apart, handed to the notes box in its place and
// size, painted.
void BM_Appunti(benchmark::State& stato, const char* caso, Larghezza larghezza = Solita)
{
    Preparato& p = Preparazione();
    if (!p.pronto) {
        stato.SkipWithError("notes not prepared within the bounds");
        return;
    }
    if (!CaricaQuaderno(p.quaderni[caso])) {
        stato.SkipWithError("notebook refused");
        return;
    }
    const QString nome = NomeFileAppunti(p.quaderni[caso]);
    Dimensiona(larghezza);
    for (auto _ : stato) {
        std::unique_ptr<QTextDocument> d = NuovoDocumentoAppunti();
        if (!Rtf::CaricaFile(nome, *d)) stato.SkipWithError("notes refused");
        MettiDocumentoAppunti(std::move(d));
        TxtAppunti()->viewport()->repaint();
        QCoreApplication::processEvents();
        if (larghezza != Solita) {
            TxtAppunti()->moveCursor(QTextCursor::End);
            TxtAppunti()->viewport()->repaint();
            QCoreApplication::processEvents();
        }
        if (larghezza == StrettaConTasto) {
            TxtAppunti()->textCursor().insertText(QStringLiteral("x"));
            TxtAppunti()->viewport()->repaint();
            QCoreApplication::processEvents();
        }
    }
    SvuotaAppunti();
}

// The floor: the same paragraphs and runs put with a cursor into a bare
// document, which a bare box of the same size and font takes and paints.
void BM_Appunti_Pavimento(benchmark::State& stato, const char* caso, Larghezza larghezza = Solita)
{
    Preparato& p = Preparazione();
    if (!p.pronto) {
        stato.SkipWithError("notes not prepared within the bounds");
        return;
    }
    const std::vector<Paragrafo>& paragrafi = p.documenti[caso];
    QFile file(NomeFileAppunti(p.quaderni[caso]));
    CaricaQuaderno(p.quaderni[caso]);
    Dimensiona(larghezza);
    const QSize dimensione = TxtAppunti()->size();
    const QFont carattere = TxtAppunti()->font();
    const QTextEdit::LineWrapMode modo = TxtAppunti()->lineWrapMode();
    const int larghezzaTesto = TxtAppunti()->lineWrapColumnOrWidth();
    SvuotaAppunti();
    QTextEdit box;
    box.setFont(carattere);
    box.resize(dimensione);
    box.setLineWrapColumnOrWidth(larghezzaTesto);
    box.setLineWrapMode(modo);
    box.show();
    QCoreApplication::processEvents();
    for (auto _ : stato) {
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
        file.close();
        auto* d = new QTextDocument(&box);
        d->setDefaultFont(carattere);
        QTextCursor c(d);
        c.beginEditBlock();
        for (size_t i = 0; i < paragrafi.size(); ++i) {
            if (i > 0) c.insertBlock(paragrafi[i].blocco, paragrafi[i].carattere);
            for (const auto& [testo, formato] : paragrafi[i].pezzi) c.insertText(testo, formato);
        }
        c.endEditBlock();
        // The box deletes by itself only the document it made.
        const QPointer<QTextDocument> vecchio = box.document();
        box.setDocument(d);
        if (vecchio) delete vecchio.data();
        box.viewport()->repaint();
        QCoreApplication::processEvents();
        if (larghezza != Solita) {
            box.moveCursor(QTextCursor::End);
            box.viewport()->repaint();
            QCoreApplication::processEvents();
        }
        if (larghezza == StrettaConTasto) {
            box.textCursor().insertText(QStringLiteral("x"));
            box.viewport()->repaint();
            QCoreApplication::processEvents();
        }
    }
}

// A web page's HTML as a browser copies it, n paragraphs.
QString PaginaGrande(int n)
{
    QString html = QStringLiteral("<html><body><!--StartFragment-->");
    const QString colori[] = {QStringLiteral("#ff0000"), QStringLiteral("#00aa00"), QStringLiteral("#0000ff"),
                              QStringLiteral("#333333")};
    for (int i = 0; i < n; ++i)
        html += QStringLiteral("<p style=\"margin:0 0 10px 0;font-family:Arial,sans-serif;font-size:14px;"
                               "color:#222\"><span style=\"font-weight:bold;color:%1\">Titolo %2</span> testo "
                               "normale con <a href=\"https://example.com/%2\">un collegamento</a> e <i>corsivo"
                               "</i> e altre parole ancora per fare una riga.</p>\n")
                    .arg(colori[i % 4]).arg(i);
    return html + QStringLiteral("<!--EndFragment--></body></html>");
}

// Short paragraphs, n of them.
QString ParagrafiBrevi(int n)
{
    QString html;
    for (int i = 0; i < n; ++i) html += QStringLiteral("<p>riga %1 di un elenco</p>").arg(i);
    return html;
}

// Whether empty notes take the HTML: within the bounds of pasted HTML, and
// the notes with it within the bounds of the notes file.
bool Preso(const QString& html)
{
    const std::optional<QString> riscritto = HtmlIncollato::Riscrivi(html);
    if (!riscritto) return false;
    // Counted as the paste puts it in: as the notes file gives it back.
    std::unique_ptr<QTextDocument> d = NuovoDocumentoAppunti();
    QTextDocument importato;
    importato.setDefaultFont(d->defaultFont());
    importato.setHtml(*riscritto);
    return Rtf::Leggi(Rtf::Scrivi(importato), *d) && Rtf::ScriviEntroLimiti(*d).has_value();
}

// The largest paste of each shape that empty notes take, found once by
// bisection: the slowest accepted.
QString HtmlDelCaso(const char* caso)
{
    static std::map<std::string, QString> trovati;
    const auto [it, nuovo] = trovati.try_emplace(caso);
    if (!nuovo) return it->second;
    QString (*forma)(int) = QByteArrayView(caso) == "PaginaGrande" ? PaginaGrande : ParagrafiBrevi;
    int dentro = 0, fuori = int(HtmlIncollato::TagMassimi) + 1;
    while (fuori - dentro > 1) {
        const int m = dentro + (fuori - dentro) / 2;
        (Preso(forma(m)) ? dentro : fuori) = m;
    }
    return it->second = forma(dentro);
}

// Ctrl+V into empty notes, shown.
void BM_Incolla(benchmark::State& stato, const char* caso)
{
    if (!Preparazione().pronto) {
        stato.SkipWithError("notes not prepared");
        return;
    }
    MostraAppunti();
    QTextEdit* t = TxtAppunti();
    // A refused paste shows its box recorded, not waiting for a click.
    Modale::Copione(true);
    auto* dati = new QMimeData;
    dati->setHtml(HtmlDelCaso(caso));
    QGuiApplication::clipboard()->setMimeData(dati);
    QCoreApplication::processEvents();
    for (auto _ : stato) {
        stato.PauseTiming();
        SvuotaAppunti();
        QCoreApplication::processEvents();
        stato.ResumeTiming();
        t->paste();
        t->viewport()->repaint();
        QCoreApplication::processEvents();
    }
    if (t->document()->characterCount() < 1000 || !Modale::Mostrati().isEmpty()) stato.SkipWithError("paste refused");
    Modale::Azzera();
    Modale::Copione(false);
    SvuotaAppunti();
}

// The floor: the same HTML already rewritten, pasted by a bare box of the
// same size and font with Qt's own paste, shown.
void BM_Incolla_Pavimento(benchmark::State& stato, const char* caso)
{
    if (!Preparazione().pronto) {
        stato.SkipWithError("notes not prepared");
        return;
    }
    MostraAppunti();
    const std::optional<QString> riscritto = HtmlIncollato::Riscrivi(HtmlDelCaso(caso));
    if (!riscritto) {
        stato.SkipWithError("HTML past its bounds");
        return;
    }
    QTextEdit box;
    box.setFont(TxtAppunti()->font());
    box.resize(TxtAppunti()->size());
    box.show();
    auto* dati = new QMimeData;
    dati->setHtml(*riscritto);
    QGuiApplication::clipboard()->setMimeData(dati);
    QCoreApplication::processEvents();
    for (auto _ : stato) {
        stato.PauseTiming();
        box.clear();
        QCoreApplication::processEvents();
        stato.ResumeTiming();
        box.paste();
        box.viewport()->repaint();
        QCoreApplication::processEvents();
    }
}

BENCHMARK_CAPTURE(BM_Incolla, PaginaGrande, "PaginaGrande")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Incolla_Pavimento, PaginaGrande, "PaginaGrande")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Incolla, ParagrafiBrevi, "ParagrafiBrevi")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Incolla_Pavimento, ParagrafiBrevi, "ParagrafiBrevi")->Unit(benchmark::kMillisecond)->MinTime(2.0);

BENCHMARK_CAPTURE(BM_Appunti, Righe, "Righe")->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(BM_Appunti_Pavimento, Righe, "Righe")->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(BM_Appunti, PaginaWeb, "PaginaWeb")->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(BM_Appunti_Pavimento, PaginaWeb, "PaginaWeb")->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(BM_Appunti, MinutiStretti, "Minuti", Stretta)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Appunti_Pavimento, MinutiStretti, "Minuti", Stretta)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Appunti, MinutiLarghi, "Minuti", Larga)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Appunti_Pavimento, MinutiLarghi, "Minuti", Larga)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Appunti, AltiStretti, "Alti", Stretta)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Appunti_Pavimento, AltiStretti, "Alti", Stretta)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Appunti, AltiLarghi, "Alti", Larga)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Appunti_Pavimento, AltiLarghi, "Alti", Larga)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Appunti, AlLimite, "AlLimite")->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK_CAPTURE(BM_Appunti_Pavimento, AlLimite, "AlLimite")->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK_CAPTURE(BM_Appunti, FontDistinti, "FontDistinti")->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK_CAPTURE(BM_Appunti, LarghiStrettiETasto, "Larghi", StrettaConTasto)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK_CAPTURE(BM_Appunti_Pavimento, LarghiStrettiETasto, "Larghi", StrettaConTasto)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK_CAPTURE(BM_Appunti_Pavimento, FontDistinti, "FontDistinti")->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK_CAPTURE(BM_Appunti, GrappoliStretti, "Grappoli", Stretta)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Appunti_Pavimento, GrappoliStretti, "Grappoli", Stretta)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Appunti, GrappoliLarghi, "Grappoli", Larga)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Appunti_Pavimento, GrappoliLarghi, "Grappoli", Larga)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Appunti, SegniStretti, "Segni", Stretta)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Appunti_Pavimento, SegniStretti, "Segni", Stretta)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Appunti, SegniLarghi, "Segni", Larga)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Appunti_Pavimento, SegniLarghi, "Segni", Larga)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}   // namespace
