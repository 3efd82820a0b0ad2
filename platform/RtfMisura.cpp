// The parts of the cost model (RtfMisura.h) that run once per font rather
// than once per character: the font name as both writer and reader keep it,
// and the bytes of an entry of the font table.
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

}   // namespace Rtf::Interno
