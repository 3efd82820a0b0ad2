// The parts of the cost model (RtfMisura.h) that run once per font rather
// than once per character: the font name as both writer and reader keep it,
// and the bytes of an entry of the font table; and how a code point beyond
// ASCII is shaped, which looks it up in Qt's tables.
#include "platform/RtfMisura.h"

namespace Rtf::Interno {

QString NomeFont(const QString& nome)
{
    QString n;
    n.reserve(std::min<qsizetype>(nome.size(), LunghezzaNomeFontMassima));
    for (QChar q : nome)
        if (q.unicode() >= 0x20 && !NonTesto(q.unicode())) n.append(q);
    n = n.trimmed();
    if (n.size() > LunghezzaNomeFontMassima) {
        n.truncate(LunghezzaNomeFontMassima);
        if (n.back().isHighSurrogate()) n.chop(1);
        n = n.trimmed();
    }
    return n;
}

qsizetype CostoVoceFont(const QString& nome)
{
    qsizetype n = 3 + 4 + qsizetype(InizioFont.size()) + 2;   // {\fNNNN ... ;}
    for (QChar q : nome) n += CostoCarattere(q.unicode(), true);
    return n;
}

namespace {

// Code points that the cluster after them joins (Unicode's Prepend).
bool Prepende(char32_t c)
{
    return (c >= 0x0600 && c <= 0x0605) || c == 0x06DD || c == 0x070F || c == 0x0890 || c == 0x0891 || c == 0x08E2
           || c == 0x0D4E || c == 0x110BD || c == 0x110CD || c == 0x111C2 || c == 0x111C3 || c == 0x1193F
           || c == 0x11941 || c == 0x11A3A || (c >= 0x11A84 && c <= 0x11A89) || c == 0x11D46 || c == 0x11F02;
}

// Letters and punctuation that begin a cluster and that Qt lays out at the
// cost of ASCII, in the fonts that draw Latin: Latin, Greek and Cyrillic
// (their combining marks aside), Latin ligatures, common punctuation,
// number forms, arrows and mathematical operators.
bool Semplice(char32_t c)
{
    return c < 0x0300 || (c >= 0x0370 && c <= 0x0482) || (c >= 0x048A && c <= 0x052F)
           || (c >= 0x1E00 && c <= 0x1FFF) || (c >= 0x2010 && c <= 0x2027) || (c >= 0x2030 && c <= 0x205E)
           || (c >= 0x20A0 && c <= 0x20C0) || (c >= 0x2150 && c <= 0x22FF) || (c >= 0xFB00 && c <= 0xFB06);
}

}   // namespace

Tratto TrattoDi(char32_t c)
{
    Tratto t;
    if (c == '\t' || c == 0x2028) {
        t.unione = Tratto::Interrompe;
        t.semplice = true;
        return t;
    }
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing: case QChar::Mark_SpacingCombining: case QChar::Mark_Enclosing:
        t.unione = Tratto::Unisce;
        break;
    default: break;
    }
    if (c == 0x200D) t.unione = Tratto::Zwj;
    else if (c == 0x200C || (c >= 0x1F3FB && c <= 0x1F3FF) || (c >= 0xE0020 && c <= 0xE007F) || c == 0xFF9E
             || c == 0xFF9F || c == 0x0E33 || c == 0x0EB3)
        t.unione = Tratto::Unisce;
    else if (c >= 0x1F1E6 && c <= 0x1F1FF) t.unione = Tratto::Regionale;
    else if ((c >= 0x1100 && c <= 0x115F) || (c >= 0xA960 && c <= 0xA97C)) t.unione = Tratto::HangulL;
    else if ((c >= 0x1160 && c <= 0x11A7) || (c >= 0xD7B0 && c <= 0xD7C6)) t.unione = Tratto::HangulV;
    else if ((c >= 0x11A8 && c <= 0x11FF) || (c >= 0xD7CB && c <= 0xD7FB)) t.unione = Tratto::HangulT;
    else if (c >= 0xAC00 && c <= 0xD7A3) t.unione = (c - 0xAC00) % 28 == 0 ? Tratto::HangulLV : Tratto::HangulLVT;
    else if (Prepende(c)) t.unione = Tratto::Prepone;
    t.semplice = t.unione == Tratto::Inizia && Semplice(c);

    switch (QChar::direction(c)) {
    case QChar::DirL: t.verso = Tratto::Sinistra; break;
    case QChar::DirR: case QChar::DirAL: t.verso = Tratto::Destra; break;
    case QChar::DirAN: t.verso = Tratto::NumeroArabo; break;
    case QChar::DirEN: t.verso = Tratto::Numero; break;
    case QChar::DirLRE: case QChar::DirLRO: case QChar::DirRLE: case QChar::DirRLO: case QChar::DirPDF:
    case QChar::DirLRI: case QChar::DirRLI: case QChar::DirFSI: case QChar::DirPDI:
        t.verso = Tratto::Controllo;
        break;
    default: break;
    }
    const QChar::Script s = QChar::script(c);
    t.scrittura = (s == QChar::Script_Common || s == QChar::Script_Inherited || s == QChar::Script_Unknown) ? 0 : uint8_t(s);
    return t;
}

}   // namespace Rtf::Interno
