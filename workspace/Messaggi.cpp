// Placeholder bodies: replaced by the real message and question boxes.
#include "workspace/Messaggi.h"
#include "platform/Modale.h"
#include "workspace/ModuloGenerale.h"
void MostraMessaggio(const QString& testo, int tipo, const QString& titolo)
{
    Modale::Registra({QStringLiteral("messaggio"), testo, titolo, tipo});
}
void MostraDomanda(const QString& testo, int tipo, const QString& titolo)
{
    Modale::Registra({QStringLiteral("domanda"), testo, titolo, tipo});
    RispostaDomanda = uint8_t(Modale::PrendiRisposta(2));
}
