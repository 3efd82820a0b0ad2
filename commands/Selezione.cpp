#include "commands/Comandi.h"
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
