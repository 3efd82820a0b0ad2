#include "workspace/Opzioni.h"
#include "workspace/Princ.h"

namespace {
bool Spuntata(const char* voce)
{
    const Princ* p = Unica<Princ>::SeEsiste();
    return p && p->MenuSpuntato(QLatin1String(voce));
}
}

bool OpzioneMostraValori() { return Spuntata("MnuImpostaMostraValori"); }
bool OpzioneSuono() { return Spuntata("MnuImpostaAbilitaSuono"); }
bool OpzionePulsanti3D() { return Spuntata("MnuImpostaEvBottoni"); }
bool OpzioneBarra3D() { return Spuntata("MnuImpostaEvBarra"); }
bool OpzioneFogliBianchi() { return Spuntata("MnuImpostaFogliCalcoloBianchi"); }
bool OpzioneFinestreServizioBianche() { return Spuntata("MnuImpostaFinestreServizioBianche"); }
