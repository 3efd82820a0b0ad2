#include "logica/Verifiche.h"
#include <QStringList>

EsitoVerifica ConfrontaVicine(RegolaVerifica regola, const std::vector<TerminiFrazione>& frazioni)
{
    EsitoVerifica esito;
    for (size_t k = 0; k + 1 < frazioni.size(); ++k) {
        const TerminiFrazione& ab = frazioni[k];
        const TerminiFrazione& cd = frazioni[k + 1];
        // a/b against c/d: with positive denominators d·a and b·c order the
        // two fractions as their values do.
        const int32_t da = int32_t(cd.den) * int32_t(ab.num);
        const int32_t bc = int32_t(ab.den) * int32_t(cd.num);
        bool rotta = false;
        switch (regola) {
        case RegolaVerifica::Uguali: rotta = da != bc; break;
        case RegolaVerifica::Crescente: rotta = da > bc; break;
        case RegolaVerifica::Decrescente: rotta = da < bc; break;
        }
        if (rotta) {
            esito.verdetto = false;
            break;
        }
        if (da == bc && regola != RegolaVerifica::Uguali) esito.pari = true;
    }
    return esito;
}

QString ElencoFrazioni(const std::vector<TerminiFrazione>& frazioni)
{
    QStringList voci;
    voci.reserve(qsizetype(frazioni.size()));
    for (const TerminiFrazione& f : frazioni) voci << QString::number(f.num) + QLatin1Char('/') + QString::number(f.den);
    return voci.join(QStringLiteral("; "));
}

QString IntestazioneVerifica(RegolaVerifica regola, const EsitoVerifica& esito, int quante)
{
    switch (regola) {
    case RegolaVerifica::Uguali:
        if (esito.verdetto) return QStringLiteral("Le frazioni seguenti sono uguali (equivalenti):");
        return quante > 2 ? QStringLiteral("Le frazioni seguenti non sono tutte uguali (equivalenti):")
                          : QStringLiteral("Le frazioni seguenti non sono uguali (equivalenti):");
    case RegolaVerifica::Crescente:
        if (!esito.verdetto) return QStringLiteral("Le frazioni seguenti non sono in ordine crescente:");
        return esito.pari ? QStringLiteral("Le frazioni seguenti sono in ordine crescente (o sono uguali):")
                          : QStringLiteral("Le frazioni seguenti sono in ordine crescente:");
    case RegolaVerifica::Decrescente:
        if (!esito.verdetto) return QStringLiteral("Le frazioni seguenti non sono in ordine decrescente:");
        return esito.pari ? QStringLiteral("Le frazioni seguenti sono in ordine decrescente (o sono uguali):")
                          : QStringLiteral("Le frazioni seguenti sono in ordine decrescente:");
    }
    return {};
}

QString DidascaliaVerifica(RegolaVerifica regola)
{
    switch (regola) {
    case RegolaVerifica::Uguali: return QStringLiteral("Le frazioni sono uguali?");
    case RegolaVerifica::Crescente: return QStringLiteral("Le frazioni sono in ordine crescente?");
    case RegolaVerifica::Decrescente: return QStringLiteral("Le frazioni sono in ordine decrescente?");
    }
    return {};
}

QString TitoloAvvisoVerifica(RegolaVerifica regola)
{
    switch (regola) {
    case RegolaVerifica::Uguali: return QStringLiteral("La frazioni sono uguali?");
    case RegolaVerifica::Crescente: return QStringLiteral("La frazioni sono in ordine crescente?");
    case RegolaVerifica::Decrescente: return QStringLiteral("La frazioni sono in ordine decrescente?");
    }
    return {};
}

QString VerdettoRiduzione(int16_t mcd)
{
    return mcd == 1 ? QStringLiteral("La frazione è ridotta ai minimi termini")
                    : QStringLiteral("La frazione non è ridotta ai minimi termini");
}

int LarghezzaRiduzione(int w) { return w >= 4000 ? w + 200 : 4000; }
