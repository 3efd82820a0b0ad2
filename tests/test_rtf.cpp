#include "AiutiRtf.h"
#include "platform/Rtf.h"
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Texts compared as std::string, so that failures print them readably.
std::string S(const QString& s) { return s.toStdString(); }

// The formatting of a run: "[b i u #ff0000 14] ".
QString Formato(const QTextDocument& d, const QTextCharFormat& f)
{
    const QFont q = f.font().resolve(d.defaultFont());
    const QString colore = f.foreground().style() == Qt::NoBrush ? QStringLiteral("auto")
                                                                 : f.foreground().color().name();
    return QString(QLatin1Char('[')) + QLatin1Char(q.bold() ? 'b' : '-') + QLatin1Char(q.italic() ? 'i' : '-')
           + QLatin1Char(f.fontUnderline() ? 'u' : '-') + QLatin1Char(' ') + colore + QLatin1Char(' ')
           + QString::number(q.pointSizeF()) + QStringLiteral("] ");
}

// Each run's formatting followed by its text, and "|" between paragraphs:
// "[b i u #ff0000 14] testo". With unisci, neighbours that look the same
// are taken as one run, and an empty paragraph is just empty (as the file
// format carries them).
QString Descrivi(const QTextDocument& d, bool unisci = false)
{
    QStringList parti;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        QString par, ultimo;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QString f = Formato(d, it.fragment().charFormat());
            if (!unisci || f != ultimo) par += f;
            ultimo = f;
            par += it.fragment().text();
        }
        // An empty paragraph: the formatting of what is typed into it.
        if (!unisci && b.length() == 1) par = QStringLiteral("vuoto ") + Formato(d, b.charFormat());
        parti << par;
    }
    return parti.join(QStringLiteral(" | "));
}

// The text of each paragraph, joined by '\n' (line breaks stay U+2028).
QString Testo(const QTextDocument& d)
{
    QStringList righe;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) righe << b.text();
    return righe.join(QLatin1Char('\n'));
}

QTextCharFormat Fmt(bool b, bool i, bool u, QColor colore, double punti)
{
    QTextCharFormat f;
    f.setFontWeight(b ? QFont::Bold : QFont::Normal);
    f.setFontItalic(i);
    f.setFontUnderline(u);
    if (colore.isValid()) f.setForeground(colore);
    f.setFontPointSize(punti);
    return f;
}

// A document with every formatting that must travel, accents, escapes,
// tabs, line breaks and empty paragraphs.
void RiempiEsempio(QTextDocument& d)
{
    QTextCursor c(&d);
    c.insertText(QStringLiteral("Perché è così: "), Fmt(false, false, false, {}, 12));
    c.insertText(QStringLiteral("metà"), Fmt(true, false, false, {}, 12));
    c.insertText(QStringLiteral(" e "), Fmt(false, true, false, Qt::red, 12));
    c.insertText(QStringLiteral("più"), Fmt(true, true, true, QColor(0, 0, 128), 18));
    c.insertBlock();
    c.insertBlock();
    c.insertText(QStringLiteral("{graffe} \\barra\\ 3/4\tcolonna") + QChar(0x2028) + QStringLiteral("a capo"),
                 Fmt(false, false, true, Qt::black, 10.5));
    c.insertBlock();
    c.insertText(QStringLiteral("€ 5 — «ok» ") + QString::fromUtf8("\xF0\x9D\x84\x9E") + QChar(0x00A0) + QStringLiteral("fine"),
                 Fmt(false, false, false, {}, 36));
    // An empty last paragraph formatted for what will be typed in it.
    c.insertBlock(QTextBlockFormat(), Fmt(true, false, false, Qt::darkGreen, 20));
}

}   // namespace

TEST(Rtf, RitornoCompletoDiTestoEFormati)
{
    QTextDocument originale;
    RiempiEsempio(originale);
    const QByteArray rtf = Rtf::Scrivi(originale);

    QTextDocument letto;
    QString errore;
    ASSERT_TRUE(Rtf::Leggi(rtf, letto, &errore)) << errore.toStdString();
    EXPECT_EQ(S(Testo(letto)), S(Testo(originale)));
    EXPECT_EQ(letto.blockCount(), 5);
    EXPECT_EQ(S(Descrivi(letto)), S(Descrivi(originale)));
    // Written again, the same bytes: nothing drifts on repeated saves.
    EXPECT_EQ(Rtf::Scrivi(letto), rtf);
}

TEST(Rtf, IlTestoScrittoEStandard)
{
    QTextDocument d;
    RiempiEsempio(d);
    const QByteArray rtf = Rtf::Scrivi(d);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0"));
    EXPECT_TRUE(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;\\red0\\green0\\blue0;\\red0\\green128\\blue0;}"));
    EXPECT_TRUE(rtf.contains("\\pard Perch\\u233? \\u232? cos\\u236?: \\b met\\u224?\\cf1\\b0\\i  e "));
    EXPECT_TRUE(rtf.contains("\\fs36\\cf2\\b\\ul pi\\u249?"));
    EXPECT_TRUE(rtf.contains("\\{graffe\\} \\\\barra\\\\ 3/4\tcolonna\\line a capo"));
    EXPECT_TRUE(rtf.contains("\\fs21"));
    EXPECT_TRUE(rtf.contains("\\u8364? 5 \\u8212? \\u171?ok\\u187? \\u-10188?\\u-8930?\\~fine"));
    EXPECT_TRUE(rtf.contains("\\cf0"));
    EXPECT_TRUE(rtf.endsWith("}\r\n"));
    // Plain ASCII, and the braces that are not escaped balance.
    int profondita = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        ASSERT_LT(static_cast<unsigned char>(rtf[i]), 0x80);
        if (rtf[i] == '\\') ++i;
        else if (rtf[i] == '{') ++profondita;
        else if (rtf[i] == '}') --profondita;
        ASSERT_GE(profondita, 0);
    }
    EXPECT_EQ(profondita, 0);
    // One \par for each paragraph, the last one included.
    EXPECT_EQ(rtf.count("\\par"), 5 + rtf.count("\\pard"));
}

TEST(Rtf, ParagrafiVuotiESoloACapo)
{
    for (const QString& testo : {QString(), QStringLiteral("\n"), QStringLiteral("\n\n\n"),
                                 QStringLiteral("a\n"), QStringLiteral("\na"), QStringLiteral("a\n\nb")}) {
        QTextDocument d;
        d.setPlainText(testo);
        QTextDocument letto;
        letto.setPlainText(QStringLiteral("da sostituire"));
        ASSERT_TRUE(Rtf::Leggi(Rtf::Scrivi(d), letto));
        EXPECT_EQ(letto.blockCount(), d.blockCount()) << testo.toStdString();
        EXPECT_EQ(S(letto.toPlainText()), S(testo));
    }
    // A document of line breaks inside one paragraph.
    QTextDocument d;
    QTextCursor(&d).insertText(QString(3, QChar(0x2028)));
    QTextDocument letto;
    ASSERT_TRUE(Rtf::Leggi(Rtf::Scrivi(d), letto));
    EXPECT_EQ(letto.blockCount(), 1);
    EXPECT_EQ(letto.begin().text(), QString(3, QChar(0x2028)));
}

TEST(Rtf, FontEAllineamentoTornano)
{
    QTextDocument d;
    d.setDefaultFont(QFont(QStringLiteral("MS Sans Serif"), 18));
    QTextCursor c(&d);
    c.insertText(QStringLiteral("base "));
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Courier New")});
    c.insertText(QStringLiteral("fisso"), f);
    QTextBlockFormat centro;
    centro.setAlignment(Qt::AlignHCenter);
    c.insertBlock(centro);
    c.insertText(QStringLiteral("al centro"));

    QTextDocument letto;
    ASSERT_TRUE(Rtf::Leggi(Rtf::Scrivi(d), letto));
    const QTextBlock primo = letto.begin();
    auto it = primo.begin();
    EXPECT_EQ(it.fragment().charFormat().font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(it.fragment().charFormat().fontPointSize(), 18);
    ++it;
    EXPECT_EQ(it.fragment().text(), QStringLiteral("fisso"));
    EXPECT_EQ(it.fragment().charFormat().font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(primo.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(primo.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST(Rtf, GruppiSalvanoERipristinanoLoStato)
{
    QTextDocument d;
    ASSERT_TRUE(Rtf::Leggi("{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New}}{\\colortbl;\\red255\\green0\\blue0;}"
                           "a{\\b b{\\i\\cf1\\fs40 c}d}e\\ul f\\ulnone g\\b h\\plain i\\f0 j}", d));
    EXPECT_EQ(S(Descrivi(d)), S(QStringLiteral("[--- auto 12] a[b-- auto 12] b[bi- #ff0000 20] c[b-- auto 12] d"
                                               "[--- auto 12] e[--u auto 12] f[--- auto 12] g[b-- auto 12] h"
                                               "[--- auto 12] i[--- auto 12] j")));
    // A font entry without its ';' still names the font; \plain goes back to \deff.
    for (auto it = d.begin().begin(); !it.atEnd(); ++it)
        EXPECT_EQ(S(it.fragment().charFormat().font().family()),
                  it.fragment().text() == QStringLiteral("j") ? "Arial" : "Courier New")
            << S(it.fragment().text());
}

// What a word processor writes: generator, style sheet, info, theme data,
// fields, pictures (hex and binary), \uc with fallbacks, lists, code-page
// bytes, line ends in the middle of words.
TEST(Rtf, DocumentoDiUnWordProcessor)
{
    QByteArray bin = "\\bin12 {}\\}{\\{x\\par";   // 12 raw bytes full of RTF syntax
    const QByteArray rtf =
        "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff0\\deff0\\stshfdbch0\\deflang1040\\deflangfe1040\r\n"
        "{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}\r\n"
        "{\\f1\\fbidi \\fswiss\\fcharset0\\fprq2{\\*\\panose 020b0604020202020204}Arial;}\r\n"
        "{\\f37\\fbidi \\fswiss\\fcharset0\\fprq2 Calibri{\\*\\falt Calibri Light};}}\r\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\ctextone\\ctint255\\cshade255\\red255\\green0\\blue0;}\r\n"
        "{\\*\\defchp \\f37\\fs22 }{\\*\\defpap \\ql \\li0\\ri0\\sa160\\sl259\\slmult1 }\r\n"
        "{\\stylesheet{\\ql \\li0\\ri0\\widctlpar\\f37\\fs22\\lang1040 \\snext0 \\sqformat \\spriority0 Normal;}"
        "{\\*\\cs10 \\additive \\ssemihidden Default Paragraph Font;}{\\s15\\ql Titolo 1;}}\r\n"
        "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}{\\levelnumbers;}}\\listid7}}\r\n"
        "{\\*\\rsidtbl \\rsid1510734\\rsid3611592}{\\mmathPr\\mmathFont34\\mbrkBin0}\r\n"
        "{\\info{\\title Appunti}{\\author Maestra Rossi}{\\operator Maestra Rossi}"
        "{\\creatim\\yr2024\\mo3\\dy5\\hr10\\min2}{\\version2}{\\edmins1}{\\nofpages1}}\r\n"
        "{\\*\\xmlnstbl {\\xmlns1 http://schemas.microsoft.com/office/word/2003/wordml}}\r\n"
        "{\\*\\generator Microsoft Word 16;}\\paperw11906\\paperh16838\\margl1134\\margr1134\\widowctrl\r\n"
        "\\sectd \\ltrsect\\linex0\\endnhere\\sectlinegrid360\\sectdefaultcl\r\n"
        "{\\header \\pard\\plain Intestazione che non si vede\\par}\r\n"
        "\\pard\\plain \\ltrpar\\s15\\ql \\li0\\ri0\\widctlpar\\wrapdefault\\aspalpha\\faauto\\rin0\\lin0\\itap0 "
        "\\rtlch\\fcs1 \\af0\\afs24\\alang1025 \\ltrch\\fcs0 \\f0\\fs24\\lang1040\\langfe1040\\cgrid\\langnp1040\\langfenp1040 "
        "{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid3611592 Il perch\\'e8 del \\'93 quaderno\\'94 costa 5 \\u8364?.}\r\n"
        "{\\*\\bkmkstart inizio}{\\*\\bkmkend inizio}"
        "{\\b\\f1\\fs28\\cf3 Gras\r\nsetto rosso}\\b0\\cf0  normale\\par\r\n"
        "\\pard \\qc {\\i corsivo\\i0 , {\\ul sotto\\ulnone lineato}} \\'a0fine\\~riga\\line seconda\\tab tab\\-bato\\_x\\par\r\n"
        "{\\listtext\\pard\\plain \\f3\\fs24 \\'b7\\tab}\\pard \\ql \\fi-360\\li720\\ls7 elenco\\par\r\n"
        "\\pard \\uc2 euro \\u8364\\'80\\'80, \\uc1 pi\\u249\\'f9 \\u-4064 ?fine\\par\r\n"
        "{\\*\\shppict{\\pict{\\*\\picprop\\shplid1025{\\sp{\\sn shapeType}{\\sv 75}}}\\picscalex100\\pngblip\r\n"
        "89504e470d0a1a0a0000000d49484452000000010000000108060000001f15c489\r\n}}"
        "{\\nonshppict{\\pict\\wmetafile8\\picw26\\pich26 " + bin + "}}"
        "{\\field{\\*\\fldinst {HYPERLINK \"https://example.org\"}}{\\fldrslt {\\ul\\cf2 collegamento}}}"
        "{\\v testo nascosto}\\par\r\n"
        "{\\*\\themedata 504b030414000600080000002100e9de0fbfff0000001c020000130000005b436f6e74656e74}\r\n"
        "{\\*\\datastore 01050000\r\n02000000}}\r\n";

    QTextDocument d;
    QString errore;
    ASSERT_TRUE(Rtf::Leggi(rtf, d, &errore)) << errore.toStdString();
    const QString atteso = QStringLiteral("Il perch\u00e8 del \u201c quaderno\u201d costa 5 \u20ac.Grassetto rosso normale\n"
                                          "corsivo, sottolineato \u00a0fine\u00a0riga\u2028seconda\ttab\u00adbato\u2011x\n"
                                          "\u00b7\telenco\n"
                                          "euro \u20ac, pi\u00f9 \uf020fine\n"
                                          "collegamento");
    EXPECT_EQ(S(Testo(d)), S(atteso));

    const QTextBlock primo = d.begin();
    auto it = primo.begin();
    QTextCharFormat f = it.fragment().charFormat();
    EXPECT_EQ(f.font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(f.fontPointSize(), 12);
    EXPECT_FALSE(f.font().bold());
    EXPECT_EQ(f.foreground().style(), Qt::NoBrush);
    ++it;
    f = it.fragment().charFormat();
    EXPECT_EQ(it.fragment().text(), QStringLiteral("Grassetto rosso"));
    EXPECT_TRUE(f.font().bold());
    EXPECT_EQ(f.font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(f.fontPointSize(), 14);
    EXPECT_EQ(f.foreground().color(), QColor(255, 0, 0));
    ++it;
    EXPECT_EQ(it.fragment().text(), QStringLiteral(" normale"));
    EXPECT_FALSE(it.fragment().charFormat().font().bold());
    EXPECT_EQ(it.fragment().charFormat().foreground().style(), Qt::NoBrush);
    EXPECT_EQ(primo.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    // The link text keeps its own formatting.
    const QTextBlock ultimo = d.lastBlock();
    EXPECT_TRUE(ultimo.begin().fragment().charFormat().fontUnderline());
    EXPECT_EQ(ultimo.begin().fragment().charFormat().foreground().color(), QColor(0, 0, 255));
}

// What LibreOffice writes: \loch and \hich runs, \uN with a code-page byte
// as its fallback, a list override table that is not starred, page styles,
// a bullet in \listtext.
TEST(Rtf, DocumentoDiLibreOffice)
{
    const QByteArray rtf =
        "{\\rtf1\\ansi\\deff3\\adeflang1025\n"
        "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f1\\froman\\fprq2\\fcharset2 Symbol;}"
        "{\\f3\\froman\\fprq2\\fcharset0 Liberation Serif{\\*\\falt Times New Roman};}"
        "{\\f5\\fnil\\fprq0\\fcharset2 OpenSymbol{\\*\\falt Arial Unicode MS};}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}\n"
        "{\\stylesheet{\\s0\\snext0\\rtlch\\af6\\afs24\\alang1081 \\ltrch\\lang1040\\langfe2052\\hich\\af3\\loch"
        "\\nowidctlpar\\hyphpar0\\ltrpar\\cf0\\f3\\fs24\\lang1040\\dbch\\af6\\langfe2052 Normal;}\n"
        "{\\*\\cs15\\snext15\\rtlch\\af5 \\ltrch\\hich\\af5\\loch\\f5\\dbch\\af5 Bullets;}\n"
        "{\\s17\\sbasedon0\\snext17\\loch\\sl276\\slmult1\\sb0\\sa140 Text Body;}\n"
        "}{\\*\\listtable{\\list\\listtemplateid1\n"
        "{\\listlevel\\levelnfc23\\leveljc0\\levelstartat1\\levelfollow0{\\leveltext \\'01\\u8226 ?;}{\\levelnumbers;}"
        "\\f5\\rtlch\\af5 \\ltrch\\loch\\fi-283\\li709}\\listid1}\n"
        "}{\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}"
        "{\\*\\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}"
        "{\\info{\\creatim\\yr0\\mo0\\dy0\\hr0\\min0}{\\revtim\\yr0\\mo0\\dy0\\hr0\\min0}}"
        "{\\*\\userprops{\\propname Quaderno}\\proptype30{\\staticval di Luca}}\\deftab709\n"
        "\\hyphauto1\\viewscale100\n"
        "{\\*\\pgdsctbl\n"
        "{\\pgdsc0\\pgdscuse451\\pgwsxn11906\\pghsxn16838\\marglsxn1134\\margrsxn1134\\pgdscnxt0 Default Page Style;}}\n"
        "\\formshade\\paperh16838\\paperw11906\\margl1134\\margr1134\\sectd\\sbknone\\pgndec\\sftnnar\\saftnnrlc\n"
        "{\\*\\ftnsep\\chftnsep}\\pgndec\\pard\\plain \\s17\\loch\\sl276\\slmult1\\sb0\\sa140\\ql\\ltrpar{\\loch\n"
        "Il perch\\u232\\'e8 }{\\loch\\b\\loch\n"
        "met\\u224\\'e0}{\\loch\n"
        " }{\\loch\\ul\\ulc0\\loch\n"
        "sotto}{\\loch\n"
        " }{\\loch\\cf3\\fs36\\loch\n"
        "rosso grande}{\\loch\n"
        " \\u8364\\'80 \\u8220\\'93virgolette\\u8221\\'94}\n"
        "\\par \\pard\\plain \\s17\\loch\\sl276\\slmult1\\sb0\\sa140\\qc\\ltrpar{\\loch\n"
        "centro\\line a capo}\n"
        "\\par \\pard\\plain \\s17\\loch\\sl276\\slmult1\\sb0\\sa140{\\listtext\\pard\\plain \\rtlch\\af5 "
        "\\ltrch\\hich\\af5\\loch\\f5\\dbch\\af5 \\u8226\\'95\\tab}\\ilvl0\\ls1 \\li0\\ri0\\lin0\\rin0\\fi-283"
        "\\ql\\tx709\\li709\\ri0\\lin709\\rin0\\fi-283\\sb0\\sa140\\ltrpar{\\loch\n"
        "uno}\n"
        "\\par }";
    QTextDocument d;
    QString errore;
    ASSERT_TRUE(Rtf::Leggi(rtf, d, &errore)) << errore.toStdString();
    EXPECT_EQ(S(Testo(d)), S(QStringLiteral("Il perch\u00e8 met\u00e0 sotto rosso grande \u20ac \u201cvirgolette\u201d\n"
                                            "centro\u2028a capo\n"
                                            "\u2022\tuno")));
    EXPECT_EQ(S(Descrivi(d).section(QStringLiteral(" | "), 0, 0)),
              S(QStringLiteral("[--- auto 12] Il perch\u00e8 [b-- auto 12] met\u00e0[--- auto 12]  [--u auto 12] sotto"
                               "[--- auto 12]  [--- #ff0000 18] rosso grande"
                               "[--- auto 12]  \u20ac \u201cvirgolette\u201d")));
    EXPECT_EQ(d.begin().begin().fragment().charFormat().font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(d.begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST(Rtf, NonRtfEDanneggiatiDannoErrore)
{
    QTextDocument d;
    d.setPlainText(QStringLiteral("da conservare"));
    const QByteArray cattivi[] = {
        "", "   ", "Solo testo", "<html><body>ciao</body></html>", "{\\rtfx ciao}", "{rtf1 ciao}",
        "\\rtf1 ciao}", QByteArray("{\\rtf1 a\0b}", 11), "{\\rtf1{\\fonttbl{\\f0 Arial;}",
        "{\\rtf1{\\colortbl;\\red255", "{\\rtf1" + QByteArray(300, '{') + "x" + QByteArray(301, '}')};
    for (const QByteArray& dati : cattivi) {
        QString errore;
        EXPECT_FALSE(Rtf::Leggi(dati, d, &errore)) << dati.left(40).toStdString();
        EXPECT_FALSE(errore.isEmpty());
        EXPECT_EQ(d.toPlainText(), QStringLiteral("da conservare"));
    }
    // The same refusals when pasting: the text at the cursor stays.
    QTextCursor c(&d);
    c.select(QTextCursor::Document);
    EXPECT_FALSE(Rtf::Inserisci("Solo testo", c));
    EXPECT_EQ(d.toPlainText(), QStringLiteral("da conservare"));
}

TEST(Rtf, TroncatoOStranoNonInventaTesto)
{
    QTextDocument originale;
    RiempiEsempio(originale);
    const QByteArray rtf = Rtf::Scrivi(originale);
    const QString tutto = Testo(originale);
    const qsizetype font0 = rtf.indexOf("{\\fonttbl") + 9, font1 = rtf.indexOf("}\r\n{\\colortbl");
    const qsizetype colori0 = rtf.indexOf("{\\colortbl") + 10, colori1 = rtf.indexOf("}\r\n\\uc1");
    ASSERT_TRUE(font0 > 9 && font1 > font0 && colori0 > font1 && colori1 > colori0);
    for (qsizetype n = 0; n <= rtf.size(); ++n) {
        QTextDocument d;
        const bool ok = Rtf::Leggi(rtf.left(n), d);
        if (n < 5 || (n >= font0 && n <= font1) || (n >= colori0 && n <= colori1)) {
            EXPECT_FALSE(ok) << n;
            continue;
        }
        ASSERT_TRUE(ok) << n;
        // Only the last token can be cut: at most two characters at the end
        // are not the document's (a cut \u number, a cut surrogate pair).
        const QString letto = Testo(d);
        EXPECT_TRUE(tutto.startsWith(letto.chopped(std::min<qsizetype>(2, letto.size()))))
            << n << " " << letto.toStdString();
    }

    struct Caso {
        const char* rtf;
        const char* testo;
    };
    const Caso casi[] = {
        {"{\\rtf1 uno}}}} due", "uno"},                                    // extra closing braces
        {"{\\rtf1 a\\'zzb\\'4", "azzb"},   // bad hex; a control character is dropped
        {"{\\rtf1 a\\u99999999999999999999?b\\u-99999999999999?c}", "abc"},
        {"{\\rtf1 a\\fs-5 b\\fs99999999999 c\\cf99999 d\\f-7 e}", "abcde"},
        {"{\\rtf1 a\\uc99999999 \\u8364 bcdefghijklmnopqrstuvwxyz}", "a\u20acrstuvwxyz"},   // at most 16 skipped
        {"{\\rtf1 a\\bin99999999999", "a"},
        {"{\\rtf1 a\\bin-5 b}", "ab"},
        {"{\\rtf1 a\\", "a"},
        {"{\\rtf1 a\\u", "a"},
        {"{\\rtf1 a\\u-", "a"},
        {"{\\rtf1 \\u55348?\\u56606?x\\u55348?y}", "\U0001D11Ex\uFFFDy"},
        {"{\\rtf1 {\\colortbl\\red0\\green0\\blue255;}\\cf0 blu}", "blu"},
    };
    for (const Caso& caso : casi) {
        QTextDocument d;
        ASSERT_TRUE(Rtf::Leggi(caso.rtf, d)) << caso.rtf;
        EXPECT_EQ(S(Testo(d)), caso.testo) << caso.rtf;
    }
    // Colour entry 0 that is a real colour is not the automatic one.
    QTextDocument d;
    ASSERT_TRUE(Rtf::Leggi("{\\rtf1 {\\colortbl\\red0\\green0\\blue255;}\\cf0 blu}", d));
    EXPECT_EQ(d.begin().begin().fragment().charFormat().foreground().color(), QColor(0, 0, 255));
    // A control word thousands of letters long is one unknown word.
    ASSERT_TRUE(Rtf::Leggi("{\\rtf1 a\\" + QByteArray(100000, 'x') + "5 b}", d));
    EXPECT_EQ(S(Testo(d)), "ab");
}

TEST(Rtf, AnnidamentoLimitato)
{
    // Up to the limit the groups work and restore the state on the way out.
    const int livelli = Rtf::ProfonditaMassima - 1;
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < livelli; ++i) rtf += i == livelli / 2 ? "{\\b " : "{";
    rtf += "x";
    rtf += QByteArray(livelli, '}');
    rtf += "y}";
    QTextDocument d;
    ASSERT_TRUE(Rtf::Leggi(rtf, d));
    EXPECT_EQ(S(Descrivi(d)), S(QStringLiteral("[b-- auto 12] x[--- auto 12] y")));

    // A million open braces: refused, quickly and without exhausting memory.
    QString errore;
    EXPECT_FALSE(Rtf::Leggi("{\\rtf1 " + QByteArray(1'000'000, '{'), d, &errore));
    EXPECT_FALSE(errore.isEmpty());
    // Paragraphs and runs by the million cost the document far more memory
    // than their bytes: refused past the limit, accepted up to it (in a
    // size small enough for their height).
    QByteArray paragrafi = "{\\rtf1\\fs8 ";
    for (int i = 0; i < Rtf::ElementiMassimi; ++i) paragrafi += "\\par ";
    ASSERT_TRUE(Rtf::Leggi(paragrafi + "}", d, &errore)) << errore.toStdString();
    EXPECT_EQ(d.blockCount(), Rtf::ElementiMassimi);
    errore.clear();
    EXPECT_FALSE(Rtf::Leggi(paragrafi + "\\par x}", d, &errore));
    EXPECT_FALSE(errore.isEmpty());
    EXPECT_EQ(d.blockCount(), Rtf::ElementiMassimi);   // left as it was
    QByteArray pezzi = "{\\rtf1\\fs8 ";
    for (int i = 0; i < Rtf::ElementiMassimi / 2 + 1; ++i) pezzi += "\\b a\\b0 b";
    EXPECT_FALSE(Rtf::Leggi(pezzi + "}", d));
    // Also inside a skipped destination.
    EXPECT_FALSE(Rtf::Leggi("{\\rtf1 {\\*\\x " + QByteArray(1'000'000, '{') + QByteArray(1'000'000, '}') + "}}", d));
}

TEST(Rtf, DatiCasualiNonBloccano)
{
    QRandomGenerator gen(4242);
    const QByteArray pezzi[] = {"{", "}", "\\", "\\b", "\\u", "\\uc", "\\'", "\\bin", "\\*", "\\par", "\\fonttbl",
                                "\\colortbl", "\\pict", "-", "9", "99999", ";", "a", " ", "\r\n", "\\fs", "\\cf", "\\f"};
    for (int prova = 0; prova < 3000; ++prova) {
        QByteArray rtf = "{\\rtf1 ";
        const int lunghezza = int(gen.bounded(60));
        for (int i = 0; i < lunghezza; ++i) rtf += pezzi[gen.bounded(int(std::size(pezzi)))];
        QTextDocument d;
        QString errore;
        const bool ok = Rtf::Leggi(rtf, d, &errore);
        EXPECT_TRUE(ok || !errore.isEmpty()) << rtf.toStdString();
        EXPECT_LE(d.characterCount(), rtf.size() + 1);
    }
}

TEST(Rtf, InserisciAlCursore)
{
    QTextDocument sorgente;
    sorgente.setPlainText(QStringLiteral("primo\nsecondo"));
    QTextCursor sel(&sorgente);
    sel.setPosition(2);
    sel.setPosition(9, QTextCursor::KeepAnchor);   // "imo\nsec"
    QTextCharFormat grassetto;
    grassetto.setFontWeight(QFont::Bold);
    sel.mergeCharFormat(grassetto);
    const QByteArray rtf = Rtf::ScriviSelezione(sel);

    QTextDocument d;
    d.setPlainText(QStringLiteral("XY"));
    QTextCursor c(&d);
    c.setPosition(1);
    ASSERT_TRUE(Rtf::Inserisci(rtf, c));
    EXPECT_EQ(d.toPlainText(), QStringLiteral("Ximo\nsecY"));
    EXPECT_TRUE(d.begin().begin().fragment().text() == QStringLiteral("X"));
    auto it = d.begin().begin();
    ++it;
    EXPECT_TRUE(it.fragment().charFormat().font().bold());
    // One undo step takes the paste back.
    d.undo();
    EXPECT_EQ(d.toPlainText(), QStringLiteral("XY"));

    // Inline text replaces the selection; a selection that ends with a
    // paragraph mark brings the paragraph break with it.
    QTextCursor t(&d);
    t.setPosition(0);
    t.setPosition(1, QTextCursor::KeepAnchor);
    ASSERT_TRUE(Rtf::Inserisci("{\\rtf1 ab\\par}", t));
    EXPECT_EQ(d.toPlainText(), QStringLiteral("abY"));
    ASSERT_TRUE(Rtf::Inserisci("{\\rtf1 cd\\par\\par}", t));
    EXPECT_EQ(d.toPlainText(), QStringLiteral("abcd\nY"));
    // An empty selection written and pasted changes nothing.
    QTextCursor vuoto(&sorgente);
    ASSERT_TRUE(Rtf::Inserisci(Rtf::ScriviSelezione(vuoto), t));
    EXPECT_EQ(d.toPlainText(), QStringLiteral("abcd\nY"));
}

TEST(Rtf, FileEAppunti)
{
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QString percorso = cartella.filePath(QStringLiteral("prova.rtf"));
    QTextDocument d;
    RiempiEsempio(d);
    QString errore;
    ASSERT_TRUE(Rtf::SalvaFile(percorso, d, &errore)) << errore.toStdString();
    QTextDocument letto;
    ASSERT_TRUE(Rtf::CaricaFile(percorso, letto, &errore)) << errore.toStdString();
    EXPECT_EQ(S(Descrivi(letto)), S(Descrivi(d)));

    EXPECT_FALSE(Rtf::CaricaFile(cartella.filePath(QStringLiteral("manca.rtf")), letto, &errore));
    EXPECT_FALSE(errore.isEmpty());
    EXPECT_FALSE(Rtf::SalvaFile(cartella.filePath(QStringLiteral("non/esiste/x.rtf")), d));
    // A file that is not RTF leaves the document as it was.
    QFile testo(cartella.filePath(QStringLiteral("testo.rtf")));
    ASSERT_TRUE(testo.open(QIODevice::WriteOnly));
    testo.write("appunti in testo semplice\r\n");
    testo.close();
    EXPECT_FALSE(Rtf::CaricaFile(testo.fileName(), letto));
    EXPECT_EQ(S(Descrivi(letto)), S(Descrivi(d)));

    // The clipboard carries the rich text only, and gives it back.
    const QByteArray rtf = Rtf::Scrivi(d);
    QGuiApplication::clipboard()->setMimeData(Rtf::DatiAppunti(rtf));
    const QMimeData* dati = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(dati, nullptr);
    EXPECT_FALSE(dati->hasText());
    EXPECT_TRUE(dati->hasFormat(Rtf::TipoMime));
    EXPECT_EQ(Rtf::DaAppunti(dati), rtf);
    // Plain text or a rich-text format holding something else: no rich text.
    QGuiApplication::clipboard()->setText(QStringLiteral("solo testo"));
    EXPECT_TRUE(Rtf::DaAppunti(QGuiApplication::clipboard()->mimeData()).isEmpty());
    auto falso = std::make_unique<QMimeData>();
    falso->setData(Rtf::TipoMime, "non rtf");
    EXPECT_TRUE(Rtf::DaAppunti(falso.get()).isEmpty());
    EXPECT_TRUE(Rtf::DaAppunti(nullptr).isEmpty());
    QGuiApplication::clipboard()->clear();
}

// What the reader takes in, the writer gives back: a second round trip
// changes nothing, and no character or paragraph slips past the bounds.
TEST(Rtf, LetturaEScritturaConcordano)
{
    const auto giro = [](const QByteArray& rtf, QTextDocument& d) {
        EXPECT_TRUE(Rtf::Leggi(rtf, d)) << rtf.constData();
        const QByteArray scritto = Rtf::Scrivi(d);
        QTextDocument di;
        EXPECT_TRUE(Rtf::Leggi(scritto, di));
        EXPECT_EQ(S(Testo(di)), S(Testo(d))) << rtf.constData();
        EXPECT_EQ(di.blockCount(), d.blockCount()) << rtf.constData();
        EXPECT_EQ(Rtf::Scrivi(di), scritto);
    };
    // The object placeholder is dropped, like the objects.
    QTextDocument d1;
    giro("{\\rtf1 a\\u-4?b}", d1);
    EXPECT_EQ(S(Testo(d1)), "ab");

    // No control character reaches a font name.
    QTextDocument d2;
    giro("{\\rtf1{\\fonttbl{\\f0 Arial \\u1;}}\\f0 x}", d2);
    EXPECT_EQ(S(d2.begin().begin().fragment().charFormat().fontFamilies().toStringList().value(0)), "Arial");

    // A pair split by a paragraph end leaves no lone half; split between two
    // runs of one paragraph it stays one character.
    QTextDocument d3;
    giro("{\\rtf1 \\u-10179?\\par \\u-8704?}", d3);
    EXPECT_EQ(S(Testo(d3)), "\xEF\xBF\xBD\n\xEF\xBF\xBD");
    QTextDocument d4;
    giro("{\\rtf1 a\\u-10179?{\\b \\u-8704?}b}", d4);
    const QString t4 = Testo(d4);
    ASSERT_EQ(t4.size(), 4);
    EXPECT_TRUE(t4[1].isHighSurrogate() && t4[2].isLowSurrogate());
    for (QTextBlock b = d4.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QString f = it.fragment().text();
            EXPECT_FALSE(!f.isEmpty() && (f.front().isLowSurrogate() || f.back().isHighSurrogate())) << S(f);
        }

    // Characters that the text box turns into paragraphs are paragraph ends.
    QTextDocument d5;
    giro("{\\rtf1 a\\u8233?b\\u-560?c\\u-559?d}", d5);
    EXPECT_EQ(S(Testo(d5)), "a\nb\nc\nd");

    // ... and so they count against the bound like \par.
    QByteArray molti = "{\\rtf1 ";
    QByteArray par = molti;
    for (int i = 0; i < 1'500'000; ++i) {
        molti += "\\u8233?";
        par += "\\par ";
    }
    molti += "}";
    par += "}";
    QTextDocument d6, d7;
    EXPECT_FALSE(Rtf::Leggi(par, d7));
    EXPECT_FALSE(Rtf::Leggi(molti, d6));
}

namespace {

// A document of n pieces of one shape, made as a pupil makes them.
using Forma = void (*)(QTextCursor&, int);
void Righe(QTextCursor& c, int n)
{
    for (int i = 0; i < n; ++i) {
        if (i > 0) c.insertBlock();
        c.insertText(QStringLiteral("riga %1 degli appunti").arg(i));
    }
}
// Empty paragraphs in 4 pt, the most that their height allows.
void Vuote(QTextCursor& c, int n)
{
    c.setBlockCharFormat(Fmt(false, false, false, {}, 4));
    c.setCharFormat(Fmt(false, false, false, {}, 4));
    for (int i = 1; i < n; ++i) c.insertBlock();
}
// Words alternately bold, one run each.
void PezziBrevi(QTextCursor& c, int n)
{
    for (int i = 0; i < n; ++i) c.insertText(QStringLiteral("ab "), Fmt(i % 2, false, false, {}, 12));
}
// n paragraphs and runs together, 999 runs a paragraph, in 4 pt.
void PezziAPagine(QTextCursor& c, int n)
{
    c.setBlockCharFormat(Fmt(false, false, false, {}, 4));
    for (int i = 1; i < n; ++i) {
        if (i % 1000 == 0) c.insertBlock();
        else c.insertText(QStringLiteral("ab "), Fmt(i % 2, false, false, {}, 4));
    }
}
void ColoriInUnaParola(QTextCursor& c, int n)
{
    for (int i = 0; i < n; ++i) c.insertText(QStringLiteral("a"), Fmt(false, false, false, QColor::fromHsv(i % 300, 255, 200), 12));
}
// Paragraphs of a web page, pasted as the text box pastes HTML.
void PaginaWeb(QTextCursor& c, int n)
{
    QString html;
    for (int i = 0; i < n; ++i)
        html += QStringLiteral("<p>Le frazioni <b>equivalenti</b> hanno lo <i>stesso</i> <span style=\"color:#0000ff\">valore</span>:"
                               " <u>1/2</u> = <b><i>2/4</i></b> %1</p>").arg(i);
    c.insertFragment(QTextDocumentFragment::fromHtml(html, c.document()));
}
void FuoriDalPianoBase(QTextCursor& c, int n)
{
    const QString chiave = QString::fromUtf8("\xF0\x9D\x84\x9E \xF0\x9F\x8D\x95 ");   // 𝄞 🍕
    for (int i = 0; i < n; ++i) {
        if (i > 0) c.insertBlock();
        c.insertText(chiave + QString::number(i), Fmt(i % 3 == 0, false, false, {}, 12));
    }
}

// In one edit block, as a paste is: the cursor does not lay the paragraph
// out again after every piece.
void Componi(QTextDocument& d, Forma forma, int n)
{
    QTextCursor c(&d);
    c.beginEditBlock();
    forma(c, n);
    c.endEditBlock();
}

// Written within the bounds, read back the same: text, paragraphs and runs.
void TornaUguale(Forma forma, int n, const char* nome)
{
    QTextDocument d;
    Componi(d, forma, n);
    const std::optional<QByteArray> rtf = Rtf::ScriviEntroLimiti(d);
    ASSERT_TRUE(rtf.has_value()) << nome;
    QTextDocument letto;
    QString errore;
    ASSERT_TRUE(Rtf::Leggi(*rtf, letto, &errore)) << nome << ' ' << S(errore);
    EXPECT_EQ(letto.blockCount(), d.blockCount()) << nome;
    EXPECT_TRUE(letto.toPlainText() == d.toPlainText()) << nome;
    EXPECT_TRUE(Descrivi(letto, true) == Descrivi(d, true)) << nome;
}

// At the bound the writer writes and the reader reads; one piece more and
// the writer refuses, as the reader does with what would have been written.
void AlLimite(Forma forma, int limite, const char* nome)
{
    TornaUguale(forma, limite, nome);
    QTextDocument oltre, letto;
    Componi(oltre, forma, limite + 1);
    EXPECT_FALSE(Rtf::ScriviEntroLimiti(oltre).has_value()) << nome;
    EXPECT_FALSE(Rtf::Leggi(Rtf::Scrivi(oltre), letto)) << nome;
}

}   // namespace

// Whatever notes the writer writes, the reader reads back the same, and the
// writer never writes what the reader refuses.
TEST(Rtf, CioCheSiScriveSiRilegge)
{
    TornaUguale(Righe, 12'000, "righe");
    TornaUguale(Vuote, 20'001, "vuote");
    TornaUguale(PezziBrevi, 20'000, "grassetti");
    TornaUguale(ColoriInUnaParola, Rtf::PezziParolaMassimi, "colori");
    TornaUguale(PaginaWeb, 3'000, "pagina web");
    TornaUguale(FuoriDalPianoBase, 2'000, "fuori dal piano base");

    // Paragraphs and runs together: empty paragraphs, then runs.
    AlLimite(Vuote, Rtf::ElementiMassimi, "paragrafi");
    AlLimite(PezziAPagine, Rtf::ElementiMassimi, "pezzi");
    AlLimite(PezziBrevi, Rtf::PezziParagrafoMassimi, "pezzi in un paragrafo");
    AlLimite(ColoriInUnaParola, Rtf::PezziParolaMassimi, "pezzi in una parola");
    AlLimite([](QTextCursor& c, int n) { c.insertText(QString(n, QLatin1Char('a'))); }, Rtf::CaratteriParolaMassimi,
             "caratteri di una parola");
    AlLimite([](QTextCursor& c, int n) {
        QString t(n, QLatin1Char('a'));
        for (int i = 9; i < n; i += 10) t[i] = QLatin1Char(' ');
        c.insertText(t);
    }, Rtf::CaratteriParagrafoMassimi, "caratteri di un paragrafo");
}

// A last paragraph without \par counts as the writer will write it: a file
// just within the bound opens, and written again still opens.
TEST(Rtf, UltimoParagrafoSenzaParContato)
{
    QByteArray rtf = "{\\rtf1\\fs8 ";
    for (int i = 0; i < Rtf::ElementiMassimi - 2; ++i) rtf += "\\par ";
    QTextDocument d;
    ASSERT_TRUE(Rtf::Leggi(rtf + "x}", d));   // E-2 paragraphs, a run, the last paragraph
    const std::optional<QByteArray> scritto = Rtf::ScriviEntroLimiti(d);
    ASSERT_TRUE(scritto.has_value());
    QTextDocument di;
    EXPECT_TRUE(Rtf::Leggi(*scritto, di));
    EXPECT_EQ(di.blockCount(), d.blockCount());
    EXPECT_FALSE(Rtf::Leggi(rtf + "\\par x}", d));
}

// The byte bound: the writer writes up to it and refuses past it, and the
// reader agrees on both sides. The writer counts a few bytes it may not
// write (the indices of the first run's font and colour at their widest),
// never fewer than it writes.
TEST(Rtf, LimiteDiByte)
{
    // Paragraphs of long words of 4 pt characters written as eight bytes
    // each (the height keeps plain text far below the bound; Latin
    // ligatures, which the bound on shaping does not count) up to just
    // below the bound, then the last one filled with plain letters (one
    // byte each) to write exactly the bound.
    const QString parola = QString(1000, QChar(0xFB01)) + QLatin1Char(' ');
    QString paragrafo;
    while (paragrafo.size() < Rtf::CaratteriParagrafoMassimi / 2) paragrafo += parola;
    QTextDocument d;
    QTextCursor c(&d);
    c.beginEditBlock();
    c.setBlockCharFormat(Fmt(false, false, false, {}, 4));
    c.setCharFormat(Fmt(false, false, false, {}, 4));
    const qsizetype byteParagrafo = Rtf::Scrivi(QTextDocumentFragment::fromPlainText(paragrafo), d.defaultFont()).size();
    const qsizetype quanti = Rtf::DimensioneMassima / byteParagrafo - 1;
    for (qsizetype i = 0; i < quanti; ++i) {
        c.insertText(paragrafo);
        c.insertBlock();
    }
    const QString resto = paragrafo + paragrafo;
    qsizetype scarto = Rtf::DimensioneMassima - Rtf::Scrivi(d).size();
    for (qsizetype preso = 0, k; scarto >= 150; preso += k) {
        k = (scarto - 100) / 8;
        c.insertText(resto.mid(preso, k));
        scarto = Rtf::DimensioneMassima - Rtf::Scrivi(d).size();
    }
    ASSERT_GT(scarto, 0);
    ASSERT_LT(scarto, 200);
    c.insertText(QString(scarto, QLatin1Char('b')));
    c.endEditBlock();
    ASSERT_EQ(Rtf::Scrivi(d).size(), Rtf::DimensioneMassima);

    // The fewest characters taken off the end for the writer to accept.
    const int coda = 64;
    const QString fine = d.lastBlock().text().right(coda);
    const auto senza = [&](int k, auto prova) {
        QTextCursor t(&d);
        t.movePosition(QTextCursor::End);
        t.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, k);
        const QString tolti = t.selectedText();
        t.removeSelectedText();
        prova();
        t.insertText(tolti);
    };
    int k = 0, oltre = coda;
    while (k < oltre) {
        const int m = (k + oltre) / 2;
        bool entro = false;
        senza(m, [&] { entro = Rtf::ScriviEntroLimiti(d).has_value(); });
        (entro ? oltre : k) = entro ? m : m + 1;
    }
    ASSERT_LE(k, 16);
    senza(k, [&] {
        const std::optional<QByteArray> rtf = Rtf::ScriviEntroLimiti(d);
        ASSERT_TRUE(rtf.has_value());
        QTextDocument letto;
        EXPECT_TRUE(Rtf::Leggi(*rtf, letto));
        QTextCursor(&d).insertText(QStringLiteral("b"));
        EXPECT_FALSE(Rtf::ScriviEntroLimiti(d).has_value());
        EXPECT_FALSE(Rtf::Leggi(Rtf::Scrivi(d), letto));
        QTextCursor(&d).deleteChar();
    });
    EXPECT_EQ(d.lastBlock().text().right(coda), fine);
}

// The bounds on one word hold however its letters come: in stretches of
// plain text broken by escapes, the word going on from one stretch to the
// next, or a long word between the blanks of one stretch.
TEST(Rtf, ParolaLungaComunqueScritta)
{
    const int n = Rtf::CaratteriParolaMassimi;
    const auto leggi = [](const QByteArray& testo) {
        QTextDocument d;
        return Rtf::Leggi("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}" + testo + "}", d);
    };
    QByteArray parola;
    for (int i = 0; i < n; ++i) parola += i % 7 == 3 ? "\\'e8" : i % 11 == 5 ? "\\u233?" : i % 13 == 8 ? "\\{" : "a";
    EXPECT_TRUE(leggi("x " + parola + " y"));
    EXPECT_FALSE(leggi("x " + parola + "a y"));
    EXPECT_FALSE(leggi("x a" + parola + " y"));
    const QByteArray lunga(n, 'a');
    EXPECT_TRUE(leggi("b " + lunga + " c d"));
    EXPECT_FALSE(leggi("b " + lunga + "a c d"));
    EXPECT_FALSE(leggi("b c " + lunga + "aa d e"));
    // Many short words together are no long word.
    QByteArray brevi;
    for (int i = 0; i < n; ++i) brevi += "ab ";
    EXPECT_TRUE(leggi(brevi));
    // Runs of two letters inside one word: the second letter adds no run.
    QByteArray colori;
    for (int i = 0; i < Rtf::PezziParolaMassimi; ++i) colori += i % 2 ? "\\cf1 ab" : "\\cf2 ab";
    EXPECT_TRUE(leggi(colori + " z"));
    EXPECT_FALSE(leggi(colori + "\\cf2 ab z"));
}

// Nothing goes into the document before the whole input is accepted: a
// colour table after the text still colours it, and a refusal found at the
// very end leaves the text, the selection and the undo history as they were.
TEST(Rtf, RifiutoAllaFineNonToccaNulla)
{
    QTextDocument d;
    ASSERT_TRUE(Rtf::Leggi("{\\rtf1 \\cf1 a\\par\\qc b{\\colortbl;\\red255\\green0\\blue0;}}", d));
    EXPECT_EQ(S(Descrivi(d)), "[--- #ff0000 12] a | [--- #ff0000 12] b");
    EXPECT_EQ(d.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    QByteArray lungo = "{\\rtf1 ";
    for (int i = 0; i < Rtf::ElementiMassimi / 2; ++i) lungo += "a\\par ";
    lungo += "b}";
    QTextDocument e;
    e.setPlainText(QStringLiteral("XY"));
    QTextCursor c(&e);
    c.setPosition(1);
    c.insertText(QStringLiteral("Z"));
    const int passi = e.availableUndoSteps();
    c.setPosition(0);
    c.setPosition(2, QTextCursor::KeepAnchor);
    EXPECT_FALSE(Rtf::Inserisci(lungo, c));
    EXPECT_FALSE(Rtf::Leggi(lungo, e));
    EXPECT_EQ(S(e.toPlainText()), "XZY");
    EXPECT_EQ(c.selectionStart(), 0);
    EXPECT_EQ(c.selectionEnd(), 2);
    EXPECT_EQ(e.availableUndoSteps(), passi);
    EXPECT_TRUE(e.isUndoRedoEnabled());
    // An empty document, built as the input is read, is empty again after
    // the refusal, its paragraph formatted as before, nothing to undo.
    QTextDocument vuoto;
    QTextBlockFormat centro;
    centro.setAlignment(Qt::AlignHCenter);
    QTextCursor(&vuoto).setBlockFormat(centro);
    vuoto.clearUndoRedoStacks();
    EXPECT_FALSE(Rtf::Leggi(lungo, vuoto));
    EXPECT_TRUE(vuoto.isEmpty());
    EXPECT_EQ(vuoto.blockCount(), 1);
    EXPECT_EQ(vuoto.begin().blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(vuoto.availableUndoSteps(), 0);
    // Within the bound by one element, the same input is taken whole.
    lungo.chop(2);
    ASSERT_TRUE(Rtf::Leggi(lungo + "}", e));
    EXPECT_EQ(e.blockCount(), Rtf::ElementiMassimi / 2);
}

namespace {

// The height the text takes laid out at a fixed width, with every size
// rounded to the half point as the file carries it.
qreal Altezza(const QTextDocument& d)
{
    std::unique_ptr<QTextDocument> copia(d.clone());
    const auto arrotonda = [](QTextCharFormat f) {
        // A format without a size of its own takes the document's.
        if (!f.hasProperty(QTextFormat::FontPointSize) && !f.hasProperty(QTextFormat::FontPixelSize)
            && !f.hasProperty(QTextFormat::FontSizeAdjustment))
            return f;
        const qreal punti = std::nearbyint(f.font().pointSizeF() * 2) / 2;
        f.clearProperty(QTextFormat::FontSizeAdjustment);
        f.setFontPointSize(punti);
        return f;
    };
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        QTextCursor c(copia->findBlock(b.position()));
        c.setBlockCharFormat(arrotonda(b.charFormat()));
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            c.setPosition(it.fragment().position());
            c.setPosition(it.fragment().position() + it.fragment().length(), QTextCursor::KeepAnchor);
            c.setCharFormat(arrotonda(it.fragment().charFormat()));
        }
    }
    copia->setTextWidth(400);
    return copia->size().height();
}

// A paragraph of lines broken by <br> in sizes mixed at random, some lines
// holding only their break: each such line is as tall as its break.
QString ACapoMisti(QRandomGenerator& gen)
{
    static const int punti[] = {8, 12, 20, 40};
    QString p = QStringLiteral("<p>");
    for (int i = 0, n = 2 + int(gen.bounded(6)); i < n; ++i) {
        const QString span = QStringLiteral("<span style=\"font-size:%1pt\">").arg(punti[gen.bounded(int(std::size(punti)))]);
        switch (gen.bounded(3)) {
        case 0: p += QStringLiteral("<br>"); break;
        case 1: p += span + QStringLiteral("<br></span>"); break;
        default: p += span + QStringLiteral("riga</span>"); break;
        }
    }
    return p + QStringLiteral("</p>");
}

// HTML as a web page gives it, pasted by the text box's own paste path.
void IncollaHtml(QTextDocument& d, const QString& html)
{
    QTextEdit box;
    box.setDocument(&d);
    auto* dati = new QMimeData;
    dati->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(dati);
    box.paste();
    box.setDocument(nullptr);
    QGuiApplication::clipboard()->clear();
}

}   // namespace

// Pasted from a web page, saved and opened: the same text, paragraphs and
// formats, and (where the format carries the whole layout: no tables, no
// lists) the same height at a fixed width. Saved again, the same bytes. The
// same file whose last paragraph has no \par, as word processors write it,
// opens the same.
TEST(Rtf, CioCheSiVedeTornaDopoIlSalvataggio)
{
    const QString pezzi[] = {
        QStringLiteral("<h1>Titolo</h1>"), QStringLiteral("<h2>Sezione due</h2>"), QStringLiteral("<h3>Tre</h3>"),
        QStringLiteral("<h4>Quattro</h4>"), QStringLiteral("<h5>Cinque</h5>"), QStringLiteral("<h6>Sei</h6>"),
        QStringLiteral("<p>un <big>grande</big> e un <small>piccolo</small></p>"),
        QStringLiteral("<p><font size=1>f1</font> <font size=3>f3</font> <font size=5>f5</font> <font size=7>f7</font></p>"),
        QStringLiteral("<p style=\"font-size:xx-large\">enorme</p>"), QStringLiteral("<p style=\"font-size:x-small\">minuto</p>"),
        QStringLiteral("<p align=right>destra</p>"), QStringLiteral("<p align=center>centro</p>"),
        QStringLiteral("<p align=justify>giustificato con parole abbastanza da andare a capo almeno una volta o due</p>"),
        QStringLiteral("<p align=left>sinistra</p>"), QStringLiteral("<div align=right>div a destra</div>"),
        QStringLiteral("<div align=center><b>div</b> al centro</div>"), QStringLiteral("<p style=\"text-align:right\">css</p>"),
        QStringLiteral("<p><s>barrato</s> <u>sotto</u> <i>corsivo</i> <span style=\"color:#c00000\">rosso</span></p>"),
        QStringLiteral("<p><span style=\"font-family:'A;B'\">punto e virgola</span> "
                       "<span style=\"font-family:'  Spazi  '\">spazi</span></p>"),
        QStringLiteral("<p>colonna\tcolonna\tcolonna</p>"),
    };
    const QString senzaAltezza[] = {
        QStringLiteral("<table><tr><td align=right>uno</td><td align=center>due</td></tr><tr><td>tre</td><td>4</td></tr></table>"),
        QStringLiteral("<ul><li>primo</li><li><b>secondo</b></li></ul>"), QStringLiteral("<ol><li align=right>uno</li></ol>"),
    };
    QRandomGenerator gen(29);
    for (int prova = 0; prova < 60; ++prova) {
        QString html;
        bool altezza = true;
        for (int i = 0, n = 1 + int(gen.bounded(6)); i < n; ++i) {
            if (gen.bounded(5) == 0) {
                html += senzaAltezza[gen.bounded(int(std::size(senzaAltezza)))];
                altezza = false;
            } else if (gen.bounded(4) == 0) {
                html += ACapoMisti(gen);
            } else {
                html += pezzi[gen.bounded(int(std::size(pezzi)))];
            }
        }
        QTextDocument d;
        d.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 12));
        IncollaHtml(d, html);
        const std::optional<QByteArray> rtf = Rtf::ScriviEntroLimiti(d);
        ASSERT_TRUE(rtf.has_value()) << S(html);
        QByteArray senzaPar = *rtf;
        senzaPar.remove(senzaPar.lastIndexOf("\\par"), 4);
        // Without its \par an empty last paragraph is no paragraph.
        const bool ancheSenzaPar = d.lastBlock().length() > 1 || d.blockCount() == 1;
        for (const QByteArray& file : {*rtf, senzaPar}) {
            if (file != *rtf && !ancheSenzaPar) continue;
            const std::string caso = S(html) + (file == *rtf ? "" : " (senza \\par)");
            QTextDocument letto;
            letto.setDefaultFont(d.defaultFont());
            ASSERT_TRUE(Rtf::Leggi(file, letto)) << caso;
            EXPECT_EQ(letto.blockCount(), d.blockCount()) << caso;
            EXPECT_EQ(S(Mostrato(letto)), S(Mostrato(d))) << caso;
            if (altezza) {
                EXPECT_EQ(Altezza(letto), Altezza(d)) << caso;
            }
            EXPECT_EQ(Rtf::Scrivi(letto), *rtf) << caso;
        }
    }
}

namespace {

// Whatever the reader accepts, the writer writes again within the bounds,
// and that reads back to what the first reading showed, written again to
// the same bytes.
void SiRisalva(const QByteArray& rtf, const char* nome)
{
    QTextDocument d;
    if (!Rtf::Leggi(rtf, d)) return;
    const std::optional<QByteArray> scritto = Rtf::ScriviEntroLimiti(d);
    ASSERT_TRUE(scritto.has_value()) << nome << ' ' << S(QString::fromLatin1(rtf.left(300)));
    QTextDocument di;
    ASSERT_TRUE(Rtf::Leggi(*scritto, di)) << nome;
    EXPECT_EQ(S(Mostrato(di)), S(Mostrato(d))) << nome << ' ' << S(QString::fromLatin1(rtf.left(300)));
    EXPECT_EQ(Rtf::Scrivi(di), *scritto) << nome;
}

}   // namespace

// Accepted, then saved unchanged: over generated inputs of every kind the
// reader takes, and over files at the bounds that grow when written.
TEST(Rtf, CioCheSiApreSiRisalva)
{
    const QByteArray tabelle =
        "{\\fonttbl{\\f0 Arial;}{\\f1   A\\'3bB  ;}{\\f2 \\u-560?Nome\\u8233?;}{\\f3 Arial;}{\\f4 " + QByteArray(260, 'N')
        + ";}}{\\colortbl;\\red255\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue9;}";
    const QByteArray pezzi[] = {"{", "}", "\\b ", "\\i ", "\\ul ", "\\strike ", "\\plain ", "\\f1 ", "\\f2 ", "\\f3 ",
                                "\\f4 ", "\\f9 ", "\\fs7 ", "\\fs99999 ", "\\cf1 ", "\\cf2 ", "\\cf3 ", "\\cf9 ", "\\qr ",
                                "\\qc ", "\\qj ", "\\pard ", "\\sb240 ", "\\sa99999 ", "\\par ", "\\line ", "\\tab ",
                                "\t", "\\'e8", "\xe8", "\\u8364?", "\\u-10179?\\u-8704?", "\\{", "testo ", "a", " ",
                                "\\v nascosto\\v0 ", "\\cell ", "\\row ", "\\~"};
    QRandomGenerator gen(1107);
    for (int prova = 0; prova < 2000; ++prova) {
        QByteArray rtf = "{\\rtf1\\deff0" + tabelle;
        for (int i = 0, n = int(gen.bounded(40)); i < n; ++i) rtf += pezzi[gen.bounded(int(std::size(pezzi)))];
        SiRisalva(rtf + "}", "generato");
    }
    // Tab-separated columns of megabytes (in 4 pt, as many as their
    // height allows): written as they are read.
    QByteArray riga;
    while (riga.size() < 1000) riga += "12\t3/4\tmet\\'e0\t";
    QByteArray colonne = "{\\rtf1\\fs8 ";
    while (colonne.size() < 2'000'000) colonne += riga + "\\par\r\n";
    SiRisalva(colonne + "}", "colonne");
    QTextDocument d;
    ASSERT_TRUE(Rtf::Leggi(colonne + "}", d));
    // Files of small text whose every byte grows when written (a euro sign,
    // one byte, is written in seven) to just below the height bound, some
    // 30 MB written, and just past it: saved again, or refused.
    QByteArray paragrafo;
    for (int i = 0; i < 20; ++i) paragrafo += QByteArray(4999, '\x80') + ' ';
    QByteArray crescono = "{\\rtf1\\fs8 ";
    for (int i = 0; i < 43; ++i) crescono += paragrafo + "\\par ";
    QTextDocument letto;
    EXPECT_TRUE(Rtf::Leggi(crescono + "}", letto));
    SiRisalva(crescono + "}", "byte che crescono");
    crescono += paragrafo + "\\par " + paragrafo;
    EXPECT_FALSE(Rtf::Leggi(crescono + "}", letto));
    SiRisalva(crescono + "}", "byte che crescono oltre");
    const qsizetype n = Rtf::DimensioneMassima - 8;
    QByteArray paragrafi = "{\\rtf1 ";
    while (paragrafi.size() < n) paragrafi += "\\\r";
    SiRisalva(paragrafi + "}", "paragrafi brevi");
}

// The tables: the writer keeps as many colours as the reader, and refuses
// notes that need more (fonts meet the bound on distinct fonts long before
// the table's); names come back as they went.
TEST(Rtf, TabelleUgualiNeiDueSensi)
{
    const auto colori = [](QTextCursor& c, int n) {
        for (int i = 0; i < n; ++i) c.insertText(QStringLiteral("a "), Fmt(false, false, false, QColor::fromRgb(QRgb(i + 1)), 12));
    };
    // Entry 0 of the colour table is the automatic colour: 4095 of the
    // pupil's own come back, one more and the writer refuses (a file from
    // elsewhere with more opens, the colours past the table automatic).
    TornaUguale(colori, 4095, "colori");
    QTextDocument troppi;
    Componi(troppi, colori, 4096);
    EXPECT_FALSE(Rtf::ScriviEntroLimiti(troppi).has_value());

    // Names with ';', blanks, past 200 characters, with characters that are
    // no text: written as the reader keeps them, read back as written.
    const QString nomi[] = {QStringLiteral("A;B"), QStringLiteral("  Spazi  "), QString(250, QLatin1Char('L')),
                            QStringLiteral("X") + QChar(0xFDD0) + QChar(0x2029) + QStringLiteral("Y") + QChar(0xFDD1),
                            QString(199, QLatin1Char('s')) + QString::fromUtf8("\xF0\x9D\x84\x9E"),
                            QStringLiteral("{\\}") + QChar(0x00E8)};
    const QString attesi[] = {QStringLiteral("A;B"), QStringLiteral("Spazi"), QString(200, QLatin1Char('L')),
                              QStringLiteral("XY"), QString(199, QLatin1Char('s')), QStringLiteral("{\\}") + QChar(0x00E8)};
    for (size_t i = 0; i < std::size(nomi); ++i) {
        QTextDocument d;
        QTextCharFormat f;
        f.setFontFamilies({nomi[i]});
        QTextCursor(&d).insertText(QStringLiteral("x"), f);
        const QByteArray rtf = Rtf::Scrivi(d);
        QTextDocument letto;
        ASSERT_TRUE(Rtf::Leggi(rtf, letto));
        EXPECT_EQ(S(letto.begin().begin().fragment().charFormat().font().family()), S(attesi[i]));
        EXPECT_EQ(Rtf::Scrivi(letto), rtf);
    }
}

// Fonts of distinct family, size, weight and slant: up to the bound the
// file opens, one more and it is refused; the writer agrees.
TEST(Rtf, FontDistintiLimitati)
{
    const auto forme = [](QTextCursor& c, int n) {
        for (int i = 0; i < n; ++i) {
            QTextCharFormat f;
            f.setFontFamilies({QStringLiteral("F%1").arg(i % 7)});
            f.setFontPointSize(8 + (i / 28) / 2.0);
            f.setFontWeight(i % 2 ? QFont::Bold : QFont::Normal);
            f.setFontItalic(i / 2 % 2);
            c.insertText(QStringLiteral("ab "), f);
        }
        // Runs that repeat a font already used add none.
        c.insertText(QStringLiteral("di nuovo"), QTextCharFormat());
    };
    AlLimite(forme, Rtf::FontDistintiMassimi - 1, "font distinti");   // the document's own font is one more
    // Text in the largest size: a character takes a line of the narrowest
    // box; one paragraph of it, its end a line more.
    const auto grandi = [](QTextCursor& c, int n) { c.insertText(QString(n, QLatin1Char('M')), Fmt(false, false, false, {}, 1638)); };
    AlLimite(grandi, int(Rtf::AltezzaMassima * 56 / (57 * 3276)) - 1, "testo enorme");
}

