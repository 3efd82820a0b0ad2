#include "commands/Comandi.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"

int UnicaSelezionata(uint8_t s)
{
    const int foglio = IndiceFoglio(s);
    int quante = 0, ultima = 0;
    for (int i = 1, n = FrazioniSulFoglio(foglio); i <= n; ++i) {
        if (Frazioni[foglio][i][CampoSel] != 1) continue;
        ++quante;
        ultima = i;
    }
    return quante == 1 ? ultima : 0;
}

int UnicaSelezionataOAvvisa(uint8_t s, const QString& titolo)
{
    const int p = UnicaSelezionata(s);
    if (p == 0) MostraMessaggio(QStringLiteral("Selezionare una frazione (e non più di una)"), 3, titolo);
    return p;
}
