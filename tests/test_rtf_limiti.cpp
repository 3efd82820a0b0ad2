// The notes' bounds at their edges: the writer's own limit found by search,
// the reader agreeing with it on both sides, and text at the bound on
// height laid out by Qt well within the height its layout can handle.
#include "platform/Rtf.h"
#include "platform/RtfAltezza.h"
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontMetricsF>
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

// Qt's layout stops answering past 8,388,607 px: the notes keep well below.
constexpr double AltezzaSicura = 0.6 * 8'388'607;

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
    // Lines that hold only a line break, in text far smaller than the
    // document's font, whose lines they take; characters three ems wide,
    // bold, each alone on its line and drawn by a fallback font.
    casi.push_back({"a capo in testo minuscolo", Parole(0.5, QString(QChar(0x2028)), 1000), 260'000});
    casi.push_back({"glifi larghi", Parole(19, QString(QChar(0x2E3B)) + QLatin1Char(' '), 100, true), 140'000});
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
        Come(letto);
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
        QTextDocument d;
        Come(d);
        EXPECT_FALSE(Rtf::Leggi(Rtf::Scrivi(*Componi(caso.forma, limite + 1)), d));
        ASSERT_TRUE(Rtf::Leggi(*rtf, d));
        d.setTextWidth(Rtf::LarghezzaMinima);
        const double altezza = d.documentLayout()->documentSize().height();
        EXPECT_LT(altezza, AltezzaSicura) << limite;
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

namespace {

// The height in pixels at which the box lays out the whole document at its
// narrowest, every paragraph laid out as the bound lays the ones it
// measures out.
double AltezzaDisposta(const QTextDocument& documento)
{
    Rtf::Interno::Giudizio g(documento);
    double altezza = 2 * documento.documentMargin(), dopo = 0;
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat fb = b.blockFormat();
        altezza += std::max(dopo, g.Spazio(fb.topMargin())) + g.Righe(b, 1e12);
        dopo = g.Spazio(fb.bottomMargin());
    }
    return altezza;
}

// For each block of the document, whether the count holds for it.
std::vector<bool> BlocchiContati(const QTextDocument& documento)
{
    Rtf::Interno::Giudizio g(documento);
    std::vector<bool> contati;
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next()) contati.push_back(g.Contato(b));
    return contati;
}

}   // namespace

// The height the bound lays a paragraph out at is Qt's own: documents of
// every shape, as the reader builds them, laid out whole at the narrowest
// by the bound and by the box's document layout.
TEST(RtfLimiti, AltezzaMisurataComeQt)
{
    const QString larghi = QString(QChar(0x2E3B)) + QChar(0xFDFD) + QChar(0xA9C1) + QLatin1Char(' ');
    const std::vector<std::pair<const char*, Forma>> forme = {
        {"parole", Parole(12, QStringLiteral("parole normali "), 30)},
        {"grassetto grande", Parole(40, QStringLiteral("WWWW "), 5, true)},
        {"a capo minuscoli", Parole(0.5, QString(QChar(0x2028)), 7)},
        {"a capo e testo", Parole(3, QStringLiteral("ab") + QChar(0x2028) + QChar(0x2028), 9)},
        {"paragrafi vuoti minuscoli", Parole(1, QString(), 1)},
        {"tabulazioni", Parole(9, QStringLiteral("W\tW"), 20)},
        {"glifi larghi", Parole(19, larghi, 10, true)},
        {"parola lunga larga", Parole(30, QString(QChar(0x2E3B)), 40)},
        {"altri sistemi", Parole(14, QStringLiteral("\u0915\u093f\u0928 \u4e2d\u6587 \U0001F600 \u05e9\u05dc "), 12)},
        {"misti", [](QTextCursor& c, int n) {
             QTextBlockFormat b;
             b.setTopMargin(7.5);
             b.setBottomMargin(100);
             for (int i = 0; i < n; ++i) {
                 c.insertText(QStringLiteral("x\u2e3a "), Fmt(4 + i % 50, i % 3 == 0));
                 QTextCharFormat f = Fmt(12);
                 f.setFontFamilies({QFontDatabase::families().value(i % 7)});
                 c.insertText(QStringLiteral("mi\u2028"), f);
                 if (i % 6 == 5) c.insertBlock(b);
             }
         }},
    };
    for (const auto& [nome, forma] : forme) {
        SCOPED_TRACE(nome);
        QTextDocument d;
        Come(d);
        ASSERT_TRUE(Rtf::Leggi(Rtf::Scrivi(*Componi(forma, 60)), d));
        const double misurata = AltezzaDisposta(d);
        d.setTextWidth(Rtf::LarghezzaMinima);
        EXPECT_NEAR(misurata, d.documentLayout()->documentSize().height(), 0.5);
    }
}

namespace {

// A character c (UTF-32) in a font: family, weight and size in half points.
struct Campione {
    QString famiglia;
    bool grassetto;
    char32_t c;
    int mezziPunti;
    double rapporto = 0;   // laid out / counted, for a paragraph that the count judges
};

// Paragraphs of the character each followed by a tiny blank (which the
// count charges as little as it charges anything), units to a paragraph:
// wide enough, each takes a line of its own.
Forma Soli(const Campione& k, int unita)
{
    return [k, unita](QTextCursor& c, int n) {
        QTextCharFormat f = Fmt(k.mezziPunti / 2.0, k.grassetto);
        f.setFontFamilies({k.famiglia});
        c.setBlockCharFormat(f);
        const QString carattere = QString::fromUcs4(&k.c, 1);
        for (int i = 0; i < n; ++i) {
            if (i > 0) c.insertBlock(QTextBlockFormat(), f);
            for (int j = 0; j < unita; ++j) {
                c.insertText(carattere, f);
                c.insertText(QStringLiteral(" "), Fmt(1));
            }
        }
    };
}

// A character of every 128 code points (the blocks of Unicode begin on
// such bounds, or within them) up to the ideographs of the supplementary
// planes, which are all alike, and the widest known.
constexpr size_t Larghissimi = 10;
std::vector<char32_t> CaratteriCampione()
{
    std::vector<char32_t> v = {0x2E3A, 0x2E3B, 0xFDFD, 0xA9C1, 0x0BF5, 0x12031, 0x1242B, 0x2031, 0x0FD0, 0x102A};
    for (char32_t inizio = 0x80; inizio < 0x20100; inizio += 0x80) {
        if (inizio >= 0xD800 && inizio < 0xF900) continue;   // surrogates, private use
        for (char32_t c = inizio; c < inizio + 0x80; c += 13)
            if (QChar::isPrint(c) && QChar::category(c) != QChar::Other_NotAssigned) {
                v.push_back(c);
                break;
            }
    }
    return v;
}

}   // namespace

// Every font family installed, regular and bold, with a sample of every
// block of characters, each alone on its lines at the narrowest in the
// size that just makes it so (the count charges a character least there):
// where the count judges such text, it must not pass what it charges; the
// worst of these, and the widest characters that the bound lays out, at
// the writer's own largest document, must lay out within 0.6 of the height
// Qt's layout can handle.
TEST(RtfLimiti, OgniFontEntroLAltezza)
{
    QElapsedTimer tempo;
    tempo.start();
    const std::vector<char32_t> caratteri = CaratteriCampione();
    const double meta = (Rtf::LarghezzaMinima - 8) / 2.0 + 0.5;
    std::vector<Campione> peggiori;
    int contati = 0, misurati = 0, variante = 0;
    for (const QString& famiglia : QFontDatabase::families()) {
        for (bool grassetto : {false, true}) {
            // Each family and weight takes the widest known and a third of
            // the blocks, in turn: every block is seen in a third of the
            // fonts, and the run stays within a minute (a font's fallbacks
            // for each script take milliseconds to load).
            ++variante;
            QFont f(famiglia);
            f.setPixelSize(100);
            f.setBold(grassetto);
            const QFontMetricsF m(f);
            // Each character in the size that makes it just wider than half
            // the narrowest line, on a scale of sizes a quarter apart.
            std::vector<Campione> campioni;
            for (size_t j = 0; j < caratteri.size(); ++j) {
                const char32_t c = caratteri[j];
                if (j >= Larghissimi && (j + variante) % 3 != 0) continue;
                const double em = m.horizontalAdvance(QString::fromUcs4(&c, 1)) / 100;
                if (em < 0.05) continue;
                const double pixel = std::pow(1.25, std::ceil(std::log(meta / em) / std::log(1.25)));
                const int mezzi = int(std::ceil(pixel * 0.75 * 2));
                if (mezzi >= 1 && mezzi <= 3276) campioni.push_back({famiglia, grassetto, c, mezzi});
            }
            QTextDocument d;
            Come(d);
            QTextCursor cur(&d);
            cur.beginEditBlock();
            for (size_t i = 0; i < campioni.size(); ++i) {
                if (i > 0) cur.insertBlock();
                Soli(campioni[i], 8)(cur, 1);
            }
            cur.endEditBlock();
            const std::vector<bool> contato = BlocchiContati(d);
            d.setTextWidth(Rtf::LarghezzaMinima);
            size_t i = 0;
            for (QTextBlock b = d.begin(); b.isValid(); b = b.next(), ++i) {
                Campione& k = campioni[i];
                if (!contato[i]) {
                    ++misurati;
                    continue;
                }
                ++contati;
                // What the count charges: each character and blank (as
                // 4 pt), and the paragraph's end.
                const double h = std::max(k.mezziPunti, 8);
                const double unita = 8 * (std::min(h * h, 57 * h) + 64) + 57 * h;
                k.rapporto = d.documentLayout()->blockBoundingRect(b).height() / (unita / 56);
                peggiori.push_back(k);
            }
        }
    }
    std::sort(peggiori.begin(), peggiori.end(), [](const Campione& a, const Campione& b) { return a.rapporto > b.rapporto; });
    peggiori.resize(std::min<size_t>(peggiori.size(), 2));
    // ... and the widest characters, which the bound lays out.
    for (char32_t c : {char32_t(0x2E3B), char32_t(0xFDFD)}) peggiori.push_back({FontCasella().family(), true, c, 38});
    std::cout << "campioni contati " << contati << ", misurati " << misurati << "; il peggiore contato disposto a "
              << (peggiori.empty() ? 0.0 : peggiori[0].rapporto) << " del conto\n";

    double massimo = 0;
    for (const Campione& k : peggiori) {
        SCOPED_TRACE(QStringLiteral("%1 %2 U+%3 %4 mezzi punti, rapporto %5")
                         .arg(k.famiglia).arg(k.grassetto).arg(uint(k.c), 4, 16, QLatin1Char('0'))
                         .arg(k.mezziPunti).arg(k.rapporto).toStdString());
        // The largest document of the shape the writer takes, and the
        // reader with it; one paragraph more refused by both.
        const Forma forma = Soli(k, 50);
        QTextDocument piccolo;
        Come(piccolo);
        ASSERT_TRUE(Rtf::Leggi(Rtf::Scrivi(*Componi(forma, 1)), piccolo));
        piccolo.setTextWidth(Rtf::LarghezzaMinima);
        const double perParagrafo = piccolo.documentLayout()->documentSize().height() - 8;
        // The search starts where the count, or the layout, puts the bound
        // on height, or where the bound on runs and paragraphs is.
        const double h = std::max(k.mezziPunti, 8);
        const double stima = k.rapporto > 0 ? 50 * (std::min(h * h, 57 * h) + 64) + 57 * h : perParagrafo * 56;
        const int limite = LimiteDelloScrittore(forma, std::min(int(Rtf::AltezzaMassima * 56 / stima), Rtf::ElementiMassimi / 101));
        // Laid out only when it cannot pass what Qt's layout handles.
        ASSERT_LT(limite * perParagrafo, 8'000'000);
        QTextDocument d;
        Come(d);
        ASSERT_TRUE(Rtf::Leggi(*Rtf::ScriviEntroLimiti(*Componi(forma, limite)), d));
        EXPECT_FALSE(Rtf::Leggi(Rtf::Scrivi(*Componi(forma, limite + 1)), piccolo));
        d.setTextWidth(Rtf::LarghezzaMinima);
        const double altezza = d.documentLayout()->documentSize().height();
        EXPECT_LT(altezza, AltezzaSicura);
        massimo = std::max(massimo, altezza);

    }
    std::cout << "altezza massima disposta dei font: " << qint64(massimo) << " px, " << massimo / Rtf::AltezzaMassima
              << " del limite, " << massimo / 8'388'607 << " di quanto Qt dispone; " << tempo.elapsed() << " ms\n";
}
