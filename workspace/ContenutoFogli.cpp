#include "workspace/ContenutoFogli.h"
#include "workspace/ModuloGenerale.h"
#include <algorithm>

namespace {

std::vector<RecordFrazione> FotografaFoglio(int foglio, int16_t conteggio)
{
    const int n = std::clamp<int>(conteggio, 0, MaxFrazioni);
    std::vector<RecordFrazione> righe;
    righe.reserve(n);
    for (int i = 1; i <= n; ++i) {
        const int16_t* f = Frazioni[foglio][i];
        righe.push_back({f[CampoNum], f[CampoDen], f[CampoSel], f[CampoColore]});
    }
    return righe;
}

void ApplicaFoglio(int foglio, const std::vector<RecordFrazione>& righe)
{
    for (size_t k = 0; k < righe.size(); ++k) {
        int16_t* f = Frazioni[foglio][k + 1];
        f[CampoNum] = righe[k].Numeratore;
        f[CampoDen] = righe[k].Denominatore;
        f[CampoSel] = righe[k].Selezionata;
        f[CampoColore] = righe[k].Colore;
    }
}

} // namespace

ContenutoQuaderno FotografaQuaderno()
{
    return {FotografaFoglio(FoglioA, NumFrazioniA), FotografaFoglio(FoglioB, NumFrazioniB)};
}

bool ApplicaContenutoQuaderno(const ContenutoQuaderno& contenuto)
{
    if (!VerificaContenutoQuaderno(contenuto)) return false;
    ApplicaFoglio(FoglioA, contenuto.FoglioA);
    ApplicaFoglio(FoglioB, contenuto.FoglioB);
    NumFrazioniA = static_cast<int16_t>(contenuto.FoglioA.size());
    NumFrazioniB = static_cast<int16_t>(contenuto.FoglioB.size());
    return true;
}

QByteArray ComponiBytesQuaderno() { return ComponiBytesQuaderno(FotografaQuaderno()); }

bool ScriviFileQuaderno(const QString& percorso) { return ScriviFileQuaderno(percorso, FotografaQuaderno()); }
