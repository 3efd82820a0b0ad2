#include "logica/Zoom.h"
#include "platform/Numeri.h"

std::optional<int16_t> RaggioDopoZoom(int16_t raggio, bool ingrandisci)
{
    if (ingrandisci ? raggio >= RaggioMassimo : raggio <= RaggioMinimo) return std::nullopt;
    return int16_t(ingrandisci ? raggio + PassoRaggio : raggio - PassoRaggio);
}

std::optional<int> PuntiDopoZoom(std::optional<double> attuale, bool ingrandisci)
{
    if (!attuale) return 12;
    const int32_t nuovi = Arrotonda32(*attuale + (ingrandisci ? 1 : -1));
    if (nuovi < PuntiMinimi || nuovi > PuntiMassimi) return std::nullopt;
    return int(nuovi);
}
