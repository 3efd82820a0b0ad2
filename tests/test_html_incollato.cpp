// The rewrite of pasted HTML: what Qt's import may read as a tag is only
// what the rewrite left, and nothing it leaves builds a table, loads a file
// or nests without bound.
#include "platform/HtmlIncollato.h"
#include <gtest/gtest.h>
#include <string_view>

using namespace std::string_view_literals;

namespace {

std::string S(const QString& s) { return s.toStdString(); }

std::string Riscritto(const QString& html)
{
    const std::optional<QString> r = HtmlIncollato::Riscrivi(html);
    return r ? S(*r) : std::string("<rifiutato>");
}

QString Ripeti(const QString& pezzo, int n)
{
    QString s;
    for (int i = 0; i < n; ++i) s += pezzo;
    return s;
}

} // namespace

TEST(HtmlIncollato, GettoniDifficili)
{
    const struct {
        const char* html;
        const char* atteso;
    } casi[] = {
        // Every tag of a table a paragraph boundary, one for a row of them.
        {"<TABLE border=1><TR><TD>a</TD><td>b</td></tr>\n<tr><th>c</table>d",
         "<div></div>a<div></div>b<div></div>\nc<div></div>d"},
        {"<table><caption>t</caption><colgroup><col span=2></colgroup><tbody><tr><td></td><td>x",
         "<div></div>t<div></div>x"},
        // A comment or a quoted value hides no tag from the rewrite, and
        // none is left for Qt to find in them.
        {"a<!-- <table><tr><td> -->b<!-->c", "ab"},
        {"<span title=\"x>y<table>\" class='a\"b' id=k lang = it hidden>t</span>",
         "<span title=\"x&gt;y&lt;table&gt;\" class=\"a&quot;b\" id=\"k\" lang=\"it\" hidden>t</span>"},
        {"<!DOCTYPE html><?xml version=\"1.0\"?><![CDATA[<table>]]>z", "]]>z"},
        {"</ table>x</>y", "xy"},
        // A '<' that opens no tag is text.
        {"3 < 5 <= 6 <", "3 &lt; 5 &lt;= 6 &lt;"},
        // A tag the input leaves unfinished goes.
        {"a<table", "a"},
        {"a<td title=\"x", "a"},
        // Case, and a closing tag closing what opened inside it.
        {"<B><I>x</B>y</I>", "<b><i>x</i></b>y"},
        {"<div/>x<br/><hr>", "<div/>x<br><hr>"},
        // What loads a resource, runs or is not text goes.
        {"<img src=\"/dev/zero\">x<link rel=stylesheet href=/dev/zero>y", "xy"},
        {"<body background=\"/dev/zero\" bgcolor=red><p srcset=a src=b>x", "<body bgcolor=\"red\"><p>x"},
        {"<style>td { color: red }</style><SCRIPT>if (a<b) w('<table>')</script >z<title>t</title>",
         "z"},
        {"<script>never closed <table>", ""},
        {"<input><wbr><embed><source><track><area><base><param><frame><keygen><image>x", "x"},
        {"<p =\"x\" a\"b=1 o:p=2>x", "<p o:p=\"2\">x"},
        // Paragraphs and items opened inside their own kind close it first.
        {"<p>a<p>b<li>c<li>d<dt>e<dd>f<dt>g", "<p>a</p><p>b<li>c</li><li>d<dt>e</dt><dd>f</dd><dt>g"},
        // Characters the notes do not keep, raw or as references; other
        // references stay for Qt to read.
        {"a\x01" "b&#1;c&#x0;d&#65;e&#xFFFC;f&#+1;g&#0000000001;h&amp;i&#65 j&#x1F600;",
         "abcd&#65;efgh&amp;i&#65 j&#x1F600;"},
        {"a\fb\vc\td", "a b c\td"},
    };
    for (const auto& c : casi) EXPECT_EQ(Riscritto(QString::fromUtf8(c.html)), c.atteso) << c.html;
}

TEST(HtmlIncollato, AnnidamentoEListeLimitati)
{
    const int p = HtmlIncollato::ProfonditaMassima;
    // Nested deeper than kept: the tags past the depth go with their
    // closings, every text stays in its place.
    QString html, atteso;
    for (int i = 0; i < p + 50; ++i) {
        html += QStringLiteral("<span>%1").arg(i);
        atteso += i < p ? QStringLiteral("<span>%1").arg(i) : QString::number(i);
    }
    html += Ripeti(QStringLiteral("</span>"), p + 50) + QStringLiteral("<i>fine</i>");
    atteso += Ripeti(QStringLiteral("</span>"), p) + QStringLiteral("<i>fine</i>");
    EXPECT_EQ(Riscritto(html), S(atteso));

    // Stray closings cost nothing and close nothing.
    EXPECT_EQ(Riscritto(Ripeti(QStringLiteral("<b>"), 3) + Ripeti(QStringLiteral("</i>"), 50'000) + QStringLiteral("x")),
              "<b><b><b>x");

    // Tables nested thousands deep: no nesting at all.
    const QString tabelle = Ripeti(QStringLiteral("<table><tr><td>x"), 3000) + Ripeti(QStringLiteral("</td></tr></table>"), 3000);
    EXPECT_EQ(Riscritto(tabelle), S(Ripeti(QStringLiteral("<div></div>x"), 3000) + QStringLiteral("<div></div>")));

    // A list keeps its first items; the others follow it as paragraphs, in
    // their order, and a list inside counts its own.
    const int v = HtmlIncollato::VociListaMassime;
    QString lista = QStringLiteral("<ul>"), attesa = QStringLiteral("<ul>");
    for (int i = 0; i < v + 3; ++i) {
        lista += QStringLiteral("<li>%1").arg(i);
        if (i > 0 && i <= v) attesa += QStringLiteral("</li>");
        attesa += (i < v ? QStringLiteral("<li>%1") : QStringLiteral("<div></div>%1")).arg(i);
    }
    lista += QStringLiteral("<ol><li>a</ol></ul>");
    attesa += QStringLiteral("<ol><li>a</li></ol></ul>");
    EXPECT_EQ(Riscritto(lista), S(attesa));
}

TEST(HtmlIncollato, TroppoGrandeSiRifiuta)
{
    const qsizetype l = HtmlIncollato::LunghezzaMassima;
    EXPECT_NE(Riscritto(QString(l, QLatin1Char('a'))), "<rifiutato>");
    EXPECT_EQ(Riscritto(QString(l + 1, QLatin1Char('a'))), "<rifiutato>");
    // Written longer than read: each cell's boundary is longer than its tag.
    const QString cella = QStringLiteral("<td>") + QString(60, QLatin1Char('c'));
    ASSERT_LE(l / cella.size(), HtmlIncollato::TagMassimi);
    EXPECT_EQ(Riscritto(Ripeti(cella, int(l / cella.size()))), "<rifiutato>");
    const int t = int(HtmlIncollato::TagMassimi);
    EXPECT_NE(Riscritto(Ripeti(QStringLiteral("<b>x</b>"), t)), "<rifiutato>");
    EXPECT_EQ(Riscritto(Ripeti(QStringLiteral("<b>x</b>"), t + 1)), "<rifiutato>");
    EXPECT_EQ(Riscritto(Ripeti(QStringLiteral("<td>x"), t + 1)), "<rifiutato>");
    // Comments cost nothing written.
    EXPECT_EQ(Riscritto(Ripeti(QStringLiteral("<!---->"), t + 1) + QStringLiteral("x")), "x");
}

TEST(HtmlIncollato, TestoPulito)
{
    const std::u16string_view sporco = u"a\u0001b\u0000c\fd\ve\tf\ng\rh\uFFFCi\uFDD0\uFDD1j\u2029k"sv;
    EXPECT_EQ(S(HtmlIncollato::TestoPulito(QString::fromUtf16(sporco.data(), qsizetype(sporco.size())))),
              S(QString::fromUtf16(u"abc d e\tf\ng\rhij\u2029k")));
}
