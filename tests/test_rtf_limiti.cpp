// The notes' bounds at their edges: the writer's own limit found by search,
// the reader agreeing with it on both sides, and text at the bound on
// height laid out by Qt well within the height its layout can handle.
#include "platform/Rtf.h"
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTest>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <random>

namespace {

// A document of n pieces of one shape, as a pupil makes it.
using Forma = std::function<void(QTextCursor&, int)>;

QTextCharFormat Fmt(double punti, bool grassetto = false)
{
    QTextCharFormat f;
    f.setFontPointSize(punti);
    f.setFontWeight(grassetto ? QFont::Bold : QFont::Normal);
    return f;
}

// The box's own font: the notes' documents are shown in it.
QFont FontCasella()
{
    QFont f = QApplication::font("QTextEdit");
    f.setPointSize(12);
    return f;
}

// A document set up as the box sets up its own: its font, and words too
// long for a line broken anywhere.
void Come(QTextDocument& d)
{
    d.setDefaultFont(FontCasella());
    QTextOption o = d.defaultTextOption();
    o.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    d.setDefaultTextOption(o);
}

std::unique_ptr<QTextDocument> Componi(const Forma& forma, int n)
{
    auto d = std::make_unique<QTextDocument>();
    Come(*d);
    QTextCursor c(d.get());
    c.beginEditBlock();
    forma(c, n);
    c.endEditBlock();
    return d;
}

bool Scrive(const Forma& forma, int n) { return n <= 0 || Rtf::ScriviEntroLimiti(*Componi(forma, n)).has_value(); }

// The most pieces the writer takes: it takes n, and refuses n + 1. The
// search starts from a guess and widens by doubling, so a good guess costs
// few documents; a bad one only more of them.
int LimiteDelloScrittore(const Forma& forma, int stima)
{
    int dentro, fuori, passo = 1;
    if (Scrive(forma, stima)) {
        dentro = stima;
        while (Scrive(forma, dentro + passo)) dentro += passo, passo *= 2;
        fuori = dentro + passo;
    } else {
        fuori = stima;
        while (!Scrive(forma, std::max(fuori - passo, 0))) fuori -= passo, passo *= 2;
        dentro = std::max(fuori - passo, 0);
    }
    while (fuori - dentro > 1) {
        const int m = dentro + (fuori - dentro) / 2;
        (Scrive(forma, m) ? dentro : fuori) = m;
    }
    return dentro;
}

// n words of one shape in one size, perParagrafo to a paragraph.
Forma Parole(double punti, const QString& parola, int perParagrafo, bool grassetto = false)
{
    return [=](QTextCursor& c, int n) {
        const QTextCharFormat f = Fmt(punti, grassetto);
        c.setBlockCharFormat(f);
        QString paragrafo;
        for (int i = 0; i < n; ++i) {
            paragrafo += parola;
            if ((i + 1) % perParagrafo == 0 || i + 1 == n) {
                c.insertText(paragrafo, f);
                paragrafo.clear();
                if (i + 1 < n) c.insertBlock(QTextBlockFormat(), f);
            }
        }
    };
}

// What the model gives a character of h half points and a line of its own,
// in 1/56 of a pixel: only to guess where the search starts.
qsizetype Stima(double unitaPerPezzo) { return qsizetype(double(Rtf::AltezzaMassima) * 56 / unitaPerPezzo); }
double Carattere(double punti)
{
    const double h = std::max(punti * 2, 8.0);
    return std::min(h * h, 57 * h);
}
double Riga(double punti) { return 57 * std::max(punti * 2, 8.0); }

struct Caso {
    const char* nome;
    Forma forma;
    int stima;
    // Whether the reader refuses one piece past the writer's limit; the
    // colours past the table it takes as automatic.
    bool oltreRifiutato = true;
    // The limit the bound promises, where it says so.
    int atteso = 0;
};

}   // namespace

// Every bound at its edge, found as the writer finds it: what it writes
// there and just below the reader opens; what it refuses one piece further
// the reader refuses too (or, for colours past the table, takes and the
// writer writes again); and the writer's file at the edge with one more
// character spliced into its last paragraph is either refused by the reader
// or written again by the writer.
TEST(RtfLimiti, ScrittoreELettoreConcordanoAlBordo)
{
    std::vector<Caso> casi;
    // Bytes: words of characters written as eight bytes each (Latin
    // ligatures, which the shaping does not count), in fonts whose index in
    // the table takes two digits, changing every hundred words.
    casi.push_back({"byte", [](QTextCursor& c, int n) {
                        for (int i = 0; i < 20; ++i) {
                            QTextCharFormat f = Fmt(4);
                            f.setFontFamilies({QStringLiteral("Font%1").arg(i)});
                            c.insertText(QStringLiteral("x"), f);
                        }
                        const QString parola = QString(4, QChar(0xFB01)) + QLatin1Char(' ');
                        for (int i = 0; i < n; i += 100) {
                            QTextCharFormat f = Fmt(4);
                            f.setFontFamilies({QStringLiteral("Font%1").arg(10 + i / 100 % 10)});
                            c.insertText(parola.repeated(std::min(100, n - i)), f);
                            if (i / 100 % 40 == 39) c.insertBlock(QTextBlockFormat(), f);
                        }
                    }, int((Rtf::DimensioneMassima - 1000) / 33.063)});   // 33 bytes a word, and the font changes
    casi.push_back({"paragrafi", Parole(4, QString(), 1), Rtf::ElementiMassimi});
    casi.push_back({"pezzi in un paragrafo", [](QTextCursor& c, int n) {
                        for (int i = 0; i < n; ++i) c.insertText(QStringLiteral("ab "), Fmt(8, i % 2));
                    }, Rtf::PezziParagrafoMassimi});
    casi.push_back({"caratteri di una parola", Parole(12, QStringLiteral("a"), 1 << 30), Rtf::CaratteriParolaMassimi});
    casi.push_back({"pezzi di una parola", [](QTextCursor& c, int n) {
                        for (int i = 0; i < n; ++i) c.insertText(QStringLiteral("a"), Fmt(12, i % 2));
                    }, Rtf::PezziParolaMassimi});
    casi.push_back({"colori", [](QTextCursor& c, int n) {
                        for (int i = 0; i < n; ++i) {
                            QTextCharFormat f = Fmt(12);
                            f.setForeground(QColor::fromRgb(QRgb(i + 1)));
                            c.insertText(QStringLiteral("a "), f);
                        }
                    }, 4095, false});
    casi.push_back({"font distinti", [](QTextCursor& c, int n) {
                        for (int i = 0; i < n; ++i) {
                            QTextCharFormat f = Fmt(8 + i / 4, i % 2);
                            f.setFontItalic(i / 2 % 2);
                            c.insertText(QStringLiteral("ab "), f);
                        }
                    }, Rtf::FontDistintiMassimi - 1});
    // The height, in sizes above and below 72 pt, the words of a paragraph
    // and its end counted.
    for (double punti : {72.5, 73.0, 99.5, 500.0, 1638.0, 71.5, 40.0, 12.0}) {
        const int perParagrafo = punti > 100 ? 5 : 40;
        const double costo = 5 * Carattere(punti) + Riga(punti) / perParagrafo;
        casi.push_back({"altezza", Parole(punti, QStringLiteral("aaaa "), perParagrafo), int(Stima(costo))});
    }
    // ... and in sizes mixed in one document, a word in each.
    const double misti[] = {72.5, 4, 300.5, 12, 1000, 30.5};
    casi.push_back({"altezza in piu' dimensioni", [&misti](QTextCursor& c, int n) {
                        for (int i = 0; i < n; ++i) {
                            c.insertText(QStringLiteral("aaaa "), Fmt(misti[i % 6]));
                            if (i % 30 == 29) c.insertBlock();
                        }
                    }, int(Stima(5 * (Carattere(72.5) + Carattere(4) + Carattere(300.5) + Carattere(12) + Carattere(1000)
                                      + Carattere(30.5)) / 6))});

    // A grapheme cluster of n code points after the one that begins it
    // (after a blank, which a mark joins), in each way of joining one; a
    // surrogate pair is one code point.
    const auto grappolo = [](const QString& inizio, const QString& segno, const QString& fine, int atteso) {
        return Caso{"grappolo", [=](QTextCursor& c, int n) {
                        c.insertText(QStringLiteral("xy ") + inizio + segno.repeated(n) + fine + QStringLiteral(" z"), Fmt(12));
                    }, atteso, true, atteso};
    };
    const int unite = Rtf::CodiciGrappoloMassimi - 1;
    const QString uomo = QString::fromUcs4(U"\U0001F468");
    casi.push_back(grappolo(QStringLiteral("a"), QString(QChar(0x0301)), {}, unite));           // accents
    casi.push_back(grappolo({}, QString(QChar(0x093F)), {}, unite));                            // vowel signs, no letter
    casi.push_back(grappolo(QStringLiteral("a"), QString(QChar(0xFE0F)), {}, unite));           // variation selectors
    casi.push_back(grappolo(QStringLiteral("a"), QString::fromUcs4(U"\U0001D167"), {}, unite));  // marks past U+FFFF
    casi.push_back(grappolo(QStringLiteral("a"), QString::fromUcs4(U"\U000E0067"), {}, unite));  // tags
    casi.push_back(grappolo({}, QString(QChar(0x0600)), QStringLiteral("a"), unite));           // prepended signs
    casi.push_back(grappolo({}, QString(QChar(0x1100)), {}, unite + 1));                        // leading jamo
    casi.push_back(grappolo(uomo, QChar(0x200D) + uomo, {}, unite / 2));                       // emoji joined
    // The shaping work: Hangul syllables in small words, a unit each.
    casi.push_back({"lavoro", Parole(4, QString(4, QChar(0xAC00)) + QLatin1Char(' '), 1000),
                    int(Rtf::LavoroMassimo / 4), true, int(Rtf::LavoroMassimo / 4)});
    // Changes of direction, each a run: in one word, at its bound on runs
    // (its first run and the changes after it), also where the reader
    // reads what follows a Hebrew letter as plain text: a number, then a
    // Latin letter ...
    for (const char* latino : {"a", "1a"})
        casi.push_back({"cambi in una parola", [latino](QTextCursor& c, int n) {
                            for (int i = 0; i < n; ++i) c.insertText(i % 2 ? QString(QChar(0x05D0)) : QString::fromLatin1(latino), Fmt(12));
                        }, Rtf::PezziParolaMassimi, true, latino[1] ? 0 : Rtf::PezziParolaMassimi});
    // ... and in random stretches of plain text, each after a character
    // that leaves the shaping unsettled (a change of direction, a number
    // after right-to-left text, a prepended sign, a joiner, a mark), in one
    // word: the reader counts most of each stretch at once, the writer
    // character by character.
    casi.push_back({"testo semplice dopo altro", [](QTextCursor& c, int n) {
                        const QString prima[] = {QString(QChar(0x05D0)), QString(QChar(0x0661)), QString(QChar(0x0600)),
                                                 QString(QChar(0x200D)), QString(QChar(0x0301)), QStringLiteral("z")};
                        const char ascii[] = "ab1.Z9-(x";
                        std::mt19937 caso(7);
                        QString t;
                        for (int i = 0; i < n; ++i) {
                            t += prima[caso() % 6];
                            for (int k = int(caso() % 12); k >= 0; --k) t += QLatin1Char(ascii[caso() % 9]);
                        }
                        c.insertText(t, Fmt(12));
                    }, Rtf::PezziParolaMassimi / 2});
    // ... and in the whole text: paragraphs of Latin and Hebrew letters in
    // turn, three changes each.
    const QString alterne = (QStringLiteral("a") + QChar(0x05D0)).repeated(2);
    casi.push_back({"cambi di verso", Parole(12, alterne, 1), int(Rtf::CambiMassimi / 3), true, int(Rtf::CambiMassimi / 3)});

    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const int limite = LimiteDelloScrittore(caso.forma, caso.stima);
        ASSERT_GT(limite, 1);
        if (caso.atteso > 0) {
            EXPECT_EQ(limite, caso.atteso);
        }
        QTextDocument letto;
        QString errore;
        QByteArray alBordo;
        for (int n : {limite - 1, limite}) {
            const std::optional<QByteArray> rtf = Rtf::ScriviEntroLimiti(*Componi(caso.forma, n));
            ASSERT_TRUE(rtf.has_value()) << n;
            EXPECT_TRUE(Rtf::Leggi(*rtf, letto, &errore)) << n << ' ' << errore.toStdString();
            alBordo = *rtf;
        }
        // One piece more, written without the check, as it is and without
        // the line ends the writer puts in (the reader ignores them, so the
        // file is smaller than what the writer writes for it): the reader
        // refuses it, or takes what the writer writes again.
        QByteArray oltre = Rtf::Scrivi(*Componi(caso.forma, limite + 1));
        for (int compatto = 0; compatto < 2; ++compatto) {
            if (compatto) oltre.replace("\r\n", "");
            const bool preso = Rtf::Leggi(oltre, letto);
            EXPECT_NE(preso, caso.oltreRifiutato) << limite + 1 << ' ' << compatto;
            if (preso) {
                EXPECT_TRUE(Rtf::ScriviEntroLimiti(letto).has_value()) << compatto;
            }
        }
        // The file at the edge with a character more in its last paragraph,
        // plain or escaped.
        const qsizetype fine = alBordo.lastIndexOf("\\par");
        ASSERT_GT(fine, 0);
        for (const char* giunta : {"a", "\\'e8", "\\line "}) {
            QByteArray rtf = alBordo;
            rtf.insert(fine, giunta);
            if (Rtf::Leggi(rtf, letto)) {
                EXPECT_TRUE(Rtf::ScriviEntroLimiti(letto).has_value()) << giunta;
            }
        }
    }
}

// Text at the bound on height, in every shape that makes a document tall
// (large and small sizes, wide and narrow letters, short words, tabs, line
// breaks, empty and spaced paragraphs, one tall character on each line of
// tiny ones), opened and laid out in the box's font at the narrowest width
// the box lays its text out at: taken, and far under the height at which
// Qt's layout stops answering (8,388,607 px); one piece more refused.
TEST(RtfLimiti, AltezzaAlLimiteSiDisponeInQt)
{
    std::vector<Caso> casi;
    for (double punti : {4.0, 8.0, 12.0, 24.0, 72.0, 72.5, 200.0, 1638.0}) {
        const int perParagrafo = punti < 10 ? 20'000 : punti < 100 ? 100 : 3;
        casi.push_back({"parole", Parole(punti, QStringLiteral("mmmm "), perParagrafo),
                        int(Stima(5 * Carattere(punti) + Riga(punti) / perParagrafo))});
    }
    for (double punti : {28.0, 40.0})
        for (const QString& parola : {QStringLiteral("mmmm "), QStringLiteral("WWWW ")})
            casi.push_back({"grassetto", Parole(punti, parola, 100, true), int(Stima(5 * Carattere(punti) + Riga(punti) / 100))});
    for (double punti : {20.0, 30.0})
        casi.push_back({"una lettera", Parole(punti, QStringLiteral("W "), 200),
                        int(Stima(2 * Carattere(punti) + Riga(punti) / 200))});
    for (double punti : {20.0, 40.0}) {
        casi.push_back({"tabulazioni", Parole(punti, QStringLiteral("W\t"), 200),
                        int(Stima(Carattere(punti) + Riga(punti) + Riga(punti) / 200))});
        casi.push_back({"a capo", Parole(punti, QStringLiteral("W") + QChar(0x2028), 200),
                        int(Stima(Carattere(punti) + Riga(punti) + Riga(punti) / 200))});
    }
    for (double punti : {72.0, 300.0})
        casi.push_back({"paragrafi vuoti", Parole(punti, QString(), 1), int(Stima(Riga(punti)))});
    casi.push_back({"paragrafi spaziati", [](QTextCursor& c, int n) {
                        QTextBlockFormat b;
                        b.setTopMargin(40);
                        b.setBottomMargin(40);
                        c.setBlockFormat(b);
                        c.setBlockCharFormat(Fmt(72));
                        for (int i = 1; i < n; ++i) c.insertBlock(b, Fmt(72));
                    }, int(Stima(Riga(72) + 4 * 1200))});
    // One tall character a line, the rest of the line tiny (counted as
    // 4 pt): ended by a line break, or wrapped after it; a hundred lines to
    // a paragraph.
    for (double punti : {28.0, 40.0}) {
        const auto fila = [punti](const QString& minuscoli) {
            return [punti, minuscoli](QTextCursor& c, int n) {
                for (int i = 0; i < n; ++i) {
                    c.insertText(QStringLiteral("W"), Fmt(punti, true));
                    c.insertText(minuscoli, Fmt(1));
                    if (i % 100 == 99) c.insertBlock();
                }
            };
        };
        casi.push_back({"alto tra minuscoli, a capo", fila(QString(QChar(0x2028))),
                        int(Stima(Carattere(punti) + Riga(punti) + Riga(1) / 100))});
        if (punti > 30)
            casi.push_back({"alto tra minuscoli, a parole", fila(QStringLiteral(" ii ii ii ")),
                            int(Stima(Carattere(punti) + 10 * Carattere(1) + Riga(punti) / 100))});
    }

    // A character three ems wide (from a fallback font with tall lines),
    // each alone on its line after a tiny blank, in the size where that
    // comes nearest the count.
    casi.push_back({"tre em", [](QTextCursor& c, int n) {
                        for (int i = 0; i < n; ++i) {
                            c.insertText(QString(QChar(0x2E3B)), Fmt(26, true));
                            c.insertText(QStringLiteral(" "), Fmt(1));
                            if (i % 100 == 99) c.insertBlock();
                        }
                    }, int(Stima(Carattere(26) + Carattere(1) + Riga(26) / 100))});

    double piuAlto = 0, rapportoMassimo = 0;
    const char* nomeMassimo = "";
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const int limite = LimiteDelloScrittore(caso.forma, caso.stima);
        const std::optional<QByteArray> rtf = Rtf::ScriviEntroLimiti(*Componi(caso.forma, limite));
        ASSERT_TRUE(rtf.has_value());
        EXPECT_FALSE(Rtf::Leggi(Rtf::Scrivi(*Componi(caso.forma, limite + 1)), *std::make_unique<QTextDocument>()));
        QTextDocument d;
        Come(d);
        ASSERT_TRUE(Rtf::Leggi(*rtf, d));
        d.setTextWidth(Rtf::LarghezzaMinima);
        const double altezza = d.documentLayout()->documentSize().height();
        EXPECT_LT(altezza, 7'000'000) << limite;
        // The bound is on height, not on some other count: the text at the
        // bound fills a good part of it.

        if (altezza > piuAlto) piuAlto = altezza, nomeMassimo = caso.nome;
        rapportoMassimo = std::max(rapportoMassimo, altezza / double(Rtf::AltezzaMassima));
    }
    std::cout << "altezza massima disposta: " << qint64(piuAlto) << " px (" << nomeMassimo << "), "
              << rapportoMassimo << " del limite contato\n";

    // The shape that froze the layout: eight paragraphs of 20,000 words in
    // 72 pt, refused.
    QByteArray congelava = "{\\rtf1\\fs144 ";
    for (int i = 0; i < 8; ++i) congelava += QByteArray("aaaa ").repeated(20'000) + "\\par ";
    QTextDocument d;
    QString errore;
    EXPECT_FALSE(Rtf::Leggi(congelava + "}", d, &errore));
    EXPECT_EQ(errore.toStdString(), "Il testo RTF è troppo grande");
}

// The quick count of plain text refuses nothing the writer takes, and is
// near enough to refuse twice as much: for every end Qt makes a paragraph
// of (\n, \r, \r\n as one, U+2029), line breaks, tabs and characters, in
// the smallest size, which the count assumes.
TEST(RtfLimiti, IlContoRapidoDelTestoNonRifiutaCioCheSiScrive)
{
    const QString dieci = QStringLiteral("%1").repeated(9) + QLatin1Char('\n');
    const struct {
        const char* nome;
        QString unita;
        int stima;
    } casi[] = {
        {"\\n", QStringLiteral("\n"), Rtf::ElementiMassimi - 1},
        {"\\r", QStringLiteral("\r"), Rtf::ElementiMassimi - 1},
        {"\\r\\n", QStringLiteral("\r\n"), Rtf::ElementiMassimi - 1},
        {"U+2029", QString(QChar::ParagraphSeparator), Rtf::ElementiMassimi - 1},
        {"U+2028", dieci.arg(QChar(0x2028)), int(Stima(10 * Riga(1)))},
        {"tab", dieci.arg(QLatin1Char('\t')), int(Stima(10 * Riga(1)))},
        {"caratteri", QStringLiteral("abcd\n"), Rtf::ElementiMassimi / 2 - 1},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const Forma forma = [&caso](QTextCursor& c, int n) { c.insertText(caso.unita.repeated(n), Fmt(1)); };
        const int limite = LimiteDelloScrittore(forma, caso.stima);
        EXPECT_FALSE(Rtf::TestoOltreILimiti(caso.unita.repeated(limite))) << limite;
        EXPECT_TRUE(Rtf::TestoOltreILimiti(caso.unita.repeated(2 * (limite + 1)))) << limite;
    }
}

// The slowest text of each kind that the bounds on shaping take, found as
// the writer finds it, opened from its file into a box set up as the notes
// box, at its narrowest and then wide, scrolled to its end as Ctrl+End does
// and with a key typed there: each step within about two seconds. Kinds:
// clusters of the most marks (Devanagari vowel signs on a letter) in the
// longest words, runs of a dependent vowel that is no mark (Thai),
// Hangul syllables, and direction changing at every character (each a run
// of its own) in words and paragraphs of the most runs.
TEST(RtfLimiti, TestoLentoDaFormareSiMostraInDueSecondi)
{
#if !defined(NDEBUG) || defined(ZEFRA_SANITIZE)
    GTEST_SKIP() << "times only in the Release build";
#endif
    // Words of one shape, perParagrafo to a paragraph, the last one full
    // (a key typed there lays it out again).
    const auto parole = [](const QString& parola, int perParagrafo, double punti = 4) {
        return [=](QTextCursor& c, int n) {
            c.setBlockCharFormat(Fmt(punti));
            for (int i = 0, k = (n - 1) % perParagrafo + 1; i < n; i += k, k = perParagrafo) {
                if (i > 0) c.insertBlock(QTextBlockFormat(), Fmt(punti));
                c.insertText(parola.repeated(k), Fmt(punti));
            }
        };
    };
    const QString grappolo = QChar(0x0915) + QString(Rtf::CodiciGrappoloMassimi - 1, QChar(0x0941));
    const QString segni = grappolo.repeated(Rtf::CaratteriParolaMassimi / int(grappolo.size())) + QLatin1Char(' ');
    const QString versi = [] {
        QString p;
        for (int i = 0; i < Rtf::PezziParolaMassimi / 2; ++i) p += QStringLiteral("a") + QChar(0x0628);
        return p + QLatin1Char(' ');
    }();
    struct Lento {
        const char* nome;
        Forma forma;
        int stima;
    };
    const Lento casi[] = {
        {"grappoli di segni", parole(segni, 40), int(Rtf::LavoroMassimo / 136 / (segni.size() / grappolo.size()))},
        {"vocali dipendenti", parole(QString(999, QChar(0x0E32)) + QLatin1Char(' '), 199), int(Rtf::LavoroMassimo / 999)},
        {"sillabe hangul", parole(QString(999, QChar(0xAC00)) + QLatin1Char(' '), 199), int(Rtf::LavoroMassimo / 999)},
        {"cambi di verso", parole(versi, 99, 12), int(Rtf::CambiMassimi / Rtf::PezziParolaMassimi)},
    };
    for (const Lento& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const int limite = LimiteDelloScrittore(caso.forma, caso.stima);
        const std::optional<QByteArray> rtf = Rtf::ScriviEntroLimiti(*Componi(caso.forma, limite));
        ASSERT_TRUE(rtf.has_value());
        QTextEdit box;
        box.setFont(FontCasella());
        box.setLineWrapMode(QTextEdit::FixedPixelWidth);
        box.setLineWrapColumnOrWidth(Rtf::LarghezzaMinima);
        box.resize(Rtf::LarghezzaMinima, 600);
        box.show();
        QCoreApplication::processEvents();
        // The processor time of this thread, where Qt lays the text out:
        // the suite runs tests side by side, which would count in a clock.
        const auto msProcessore = [] {
            timespec t{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
            return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1'000'000;
        };
        const auto passo = [&](const char* nome, const std::function<void()>& fai) {
            const qint64 inizio = msProcessore();
            fai();
            box.viewport()->repaint();
            QCoreApplication::processEvents();
            const qint64 ms = msProcessore() - inizio;
            std::cout << caso.nome << ", " << nome << ": " << ms << " ms\n";
            EXPECT_LT(ms, 2000) << nome;
        };
        passo("apertura alla larghezza minima", [&] {
            auto* d = new QTextDocument(&box);
            Come(*d);
            ASSERT_TRUE(Rtf::Leggi(*rtf, *d));
            box.setDocument(d);
        });
        passo("Ctrl+Fine", [&] { box.moveCursor(QTextCursor::End); });
        passo("un tasto alla fine", [&] { QTest::keyClick(&box, Qt::Key_X); });
        passo("larga", [&] {
            box.setLineWrapMode(QTextEdit::WidgetWidth);
            box.resize(1200, 600);
            box.moveCursor(QTextCursor::End);
        });
    }
}

// Ordinary text in every script keeps what the bound on height takes of
// ordinary 12 pt text, about 486,000 characters (480,000 in paragraphs of
// ordinary length, whose ends count too): the bounds on shaping take the
// slow shapes only.
TEST(RtfLimiti, TestoComuneInOgniScritturaEntra)
{
    const QString famiglia = QString::fromUcs4(U"\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466");
    const QString campioni[] = {
        QStringLiteral("Perché la metà di sei è tre, più o meno; il 25% di 48 € fa 12 € "),
        QStringLiteral("e\u0301 cosi\u0300 pero\u0300 l'attivita\u0300 (accenti a parte) "),
        QStringLiteral("\u0627\u0644\u0652\u0643\u0650\u062A\u064E\u0627\u0628\u064F \u0641\u0650\u064A "
                       "\u0627\u0644\u0652\u0628\u064E\u064A\u0652\u062A\u0650 \u0661\u0662 \u0648\u064E 34 "),
        QStringLiteral("\u0915\u094D\u0937\u093F\u0924\u093F\u091C \u0939\u093F\u0928\u094D\u0926\u0940 "
                       "\u092D\u093E\u0937\u093E \u0967\u0968 "),
        QStringLiteral("\u0E20\u0E32\u0E29\u0E32\u0E44\u0E17\u0E22\u0E01\u0E34\u0E19\u0E02\u0E49\u0E32\u0E27 "),
        QStringLiteral("\uD55C\uAD6D\uC5B4 \uBB38\uC7A5\uC785\uB2C8\uB2E4 12 "),
        QStringLiteral("\u05E9\u05DC\u05D5\u05DD Zefra \u05E2\u05D5\u05DC\u05DD 2024 "),
        famiglia + QStringLiteral(" ") + QString::fromUcs4(U"\U0001F44B\U0001F3FD \U0001F1EE\U0001F1F9 "),
    };
    for (const QString& campione : campioni) {
        SCOPED_TRACE(campione.toStdString());
        QString paragrafo;
        while (paragrafo.size() < 770) paragrafo += campione;
        const Forma forma = [&paragrafo](QTextCursor& c, int n) {
            c.setBlockCharFormat(Fmt(12));
            for (int i = 0; i < n; ++i) {
                if (i > 0) c.insertBlock(QTextBlockFormat(), Fmt(12));
                c.insertText(paragrafo, Fmt(12));
            }
        };
        EXPECT_TRUE(Scrive(forma, int(480'000 / paragrafo.size())));
    }
}
