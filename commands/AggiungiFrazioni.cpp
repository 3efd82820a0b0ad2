#include "commands/AggiungiFrazioni.h"
#include "platform/Suono.h"
#include "workspace/Fogli.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"

int PezziFrazione(int n, int d)
{
    if (n < 1 || d < 1) return 0;
    if (n <= d) return 1;
    return n / d + (n % d > 0 ? 1 : 0);
}

bool AggiungiFrazioniAlFoglio(uint8_t foglio, int16_t n, int16_t d)
{
    const int pezzi = PezziFrazione(n, d);
    if (pezzi == 0) return false;
    const int s = IndiceFoglio(foglio);
    int16_t& conta = NumFrazioni(s);
    // The test comes before any append, so even 32000/1 costs nothing.
    if (conta + pezzi > MaxFrazioni) {
        MostraMessaggio(QStringLiteral("Un foglio non può contenere più di 128 frazioni"), 3, QStringLiteral("Aggiungi"));
        return false;
    }

    auto accoda = [&](int16_t num, int16_t den) {
        ++conta;
        Frazioni[s][conta][1] = num;
        Frazioni[s][conta][2] = den;
        Frazioni[s][conta][3] = 0;
        Frazioni[s][conta][4] = ColoreCorrente;
        DisegnaTortaFoglio(foglio, conta);
    };
    if (n > d) {
        const int q = n / d;
        const int16_t r = int16_t(n - q * d);
        for (int k = 0; k < q; ++k) accoda(d, d);
        if (r > 0) accoda(r, d);
    } else {
        accoda(n, d);
    }

    Suono::Riproduci(QStringLiteral("aggiungi.wav"));
    QuadernoModificato = VERO;
    AggiornaScorrimento(foglio);
    AggiornaSommaFoglio(foglio);
    return true;
}
