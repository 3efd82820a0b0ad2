// The help items, the table of primes and the three web pages of the ? menu.
#include "commands/Comandi.h"
#include "platform/Browser.h"
#include "platform/Guida.h"
#include "platform/Modale.h"
#include "service/FrmTavolaPrimi.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"

namespace {

void ApriGuida(const QString& nome, const QString& ancora, const QString& titolo)
{
    if (!Guida::Mostra(PercorsoDati(nome), ancora))
        MostraMessaggio(QStringLiteral("Impossibile aprire il file ") + nome, 3, titolo);
}

// The web pages, one address each. The reserved example.org addresses stand
// until the owner gives the real ones.
struct PaginaWeb {
    const char* voce;
    const char* indirizzo;
};
const PaginaWeb PagineWeb[] = {
    {"MnuGuidaWebZefra", "https://example.org/zefra/aggiornamenti"},
    {"MnuGuidaWebSelvanto", "https://example.org/selvanto"},
    {"MnuGuidaWebAutore", "https://example.org/autore"},
};

void ApriPaginaWeb(const char* voce)
{
    for (const PaginaWeb& p : PagineWeb)
        if (qstrcmp(p.voce, voce) == 0) {
            if (!Browser::Apri(QString::fromLatin1(p.indirizzo)))
                BoxPiattaforma(QStringLiteral("Non è installato Internet Explorer"), IconaBox::Critico);
            return;
        }
}

}   // namespace

void MnuGuidaZefra_Click()
{
    ApriGuida(QStringLiteral("Zefra.html"), QStringLiteral("indice"), QStringLiteral("Guida"));
}

void MnuGuidaGuidaRapida_Click()
{
    ApriGuida(QStringLiteral("guida_rapida.html"), QStringLiteral("passo1"), QStringLiteral("Guida rapida"));
}

void MnuGuidaTavolaPrimi_Click() { MostraTavolaPrimi(); }

void MnuGuidaWebZefra_Click() { ApriPaginaWeb("MnuGuidaWebZefra"); }
void MnuGuidaWebSelvanto_Click() { ApriPaginaWeb("MnuGuidaWebSelvanto"); }
void MnuGuidaWebAutore_Click() { ApriPaginaWeb("MnuGuidaWebAutore"); }
