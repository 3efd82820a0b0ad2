#pragma once
// What a document of rich text shows, to compare two of them: one as the box
// holds it, one as the notes file gives it back.
#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <cmath>

// Paragraph by paragraph: the alignment as the left-to-right text shows it,
// the space around the paragraph, then each run with its weight, slant,
// underline, strike, colour, family and size (to the half point, as the file
// carries sizes; a family without the blanks around its name, which name no
// other font), each resolved against the document's font. Formatting the
// file does not carry is shown where a document has it: indents, line
// height, lines that do not wrap, letter and word spacing, a colour that is
// not opaque. With paragrafi, each paragraph's own formatting as well (what
// is typed into it when empty, and the height of a line that holds only a
// line break).
inline QString Mostrato(const QTextDocument& d, bool paragrafi = false)
{
    const auto formato = [&d](const QTextCharFormat& f) {
        QFont q = f.font().resolve(d.defaultFont());
        // A relative size (a heading's) is the size its own font shows.
        if (f.hasProperty(QTextFormat::FontSizeAdjustment)) q.setPointSizeF(f.font().pointSizeF());
        QString colore = QStringLiteral("auto");
        if (f.foreground().style() != Qt::NoBrush) {
            const QColor c = f.foreground().color();
            colore = c.name(c.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
        }
        QString altro;
        if (f.hasProperty(QTextFormat::FontLetterSpacing)) altro += QStringLiteral(" lettere %1").arg(f.fontLetterSpacing());
        if (f.hasProperty(QTextFormat::FontWordSpacing)) altro += QStringLiteral(" parole %1").arg(f.fontWordSpacing());
        return QStringLiteral("[%1%2%3%4 %5 %6 %7%8] ")
            .arg(q.bold() ? 'b' : '-')
            .arg(q.italic() ? 'i' : '-')
            .arg(f.fontUnderline() ? 'u' : '-')
            .arg(q.strikeOut() ? 's' : '-')
            .arg(colore, q.family().trimmed())
            .arg(std::nearbyint(q.pointSizeF() * 2) / 2)
            .arg(altro);
    };
    QStringList parti;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat fb = b.blockFormat();
        QString par = QStringLiteral("<%1 %2 %3").arg(int(fb.alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute))
                          .arg(fb.topMargin())
                          .arg(fb.bottomMargin());
        if (fb.leftMargin() != 0 || fb.rightMargin() != 0 || fb.textIndent() != 0 || fb.indent() != 0)
            par += QStringLiteral(" rientri %1 %2 %3 %4").arg(fb.leftMargin()).arg(fb.rightMargin()).arg(fb.textIndent()).arg(fb.indent());
        if (fb.lineHeightType() != QTextBlockFormat::SingleHeight) par += QStringLiteral(" interlinea %1").arg(fb.lineHeight());
        if (fb.nonBreakableLines()) par += QStringLiteral(" senza a capo");
        par += QStringLiteral("> ");
        if (paragrafi) par += QStringLiteral("{") + (b.charFormat().properties().isEmpty() ? QString() : formato(b.charFormat())) + QStringLiteral("} ");
        QString ultimo;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QString f = formato(it.fragment().charFormat());
            if (f != ultimo) par += f;
            ultimo = f;
            par += it.fragment().text();
        }
        parti << par;
    }
    return parti.join(QStringLiteral(" | "));
}
