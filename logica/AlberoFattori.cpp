#include "logica/AlberoFattori.h"
#include "platform/Numeri.h"
#include "logica/Aritmetica.h"

AlberoFattori::AlberoFattori(int16_t radice) : radice_(radice) { SoloRadice(); }

void AlberoFattori::SoloRadice()
{
    nodi_.clear();
    Aggiungi(radice_, NessunNodo, ColoreRadice);
}

int AlberoFattori::Aggiungi(int16_t numero, int genitore, int colore)
{
    Nodo n;
    n.numero = numero;
    n.primo = VerificaPrimo(numero);
    n.colore = colore;
    n.genitore = genitore;
    nodi_.push_back(n);
    return int(nodi_.size()) - 1;
}

std::optional<std::pair<int16_t, int16_t>> AlberoFattori::Dividi(int16_t n, Tipo tipo)
{
    if (n < 4 || VerificaPrimo(n)) return std::nullopt;
    int16_t d = 0;
    if (tipo == Tipo::DivisoriCentrali) {
        const std::optional<int16_t> massimo = TrovaDivisoreMassimo(n);
        if (!massimo) return std::nullopt;
        d = *massimo;
    } else {
        d = TrovaMinimoDivisore(n);
    }
    return std::pair<int16_t, int16_t>(d, int16_t(n / d));
}

bool AlberoFattori::ImpostaTipo(Tipo tipo)
{
    if (tipo == tipo_) return false;
    tipo_ = tipo;
    SoloRadice();
    return true;
}

AlberoFattori::EsitoClic AlberoFattori::Clic(int i)
{
    EsitoClic esito;
    if (i < 0 || i >= int(nodi_.size())) return esito;
    const int16_t n = nodi_[i].numero;
    if (nodi_[i].primo) {
        esito.messaggio = MessaggioDaMostrare{CStr(n) + QStringLiteral(" è un numero primo, non è possibile esprimerlo ") +
                                                  QStringLiteral("come prodotto di due numeri interi minori di ") + CStr(n),
                                              2, QStringLiteral("Scomponi in fattori primi")};
        return esito;
    }
    if (!nodi_[i].Diviso()) {
        const auto fattori = Dividi(n, tipo_);
        if (!fattori) return esito;
        const int d = Aggiungi(fattori->first, i, TrovaColorePrimo(fattori->first));
        const int q = Aggiungi(fattori->second, i, TrovaColorePrimo(fattori->second));
        nodi_[i].figli[0] = d;
        nodi_[i].figli[1] = q;
        esito.diviso = true;
    }
    Nodo& nodo = nodi_[i];
    nodo.aperto = !nodo.aperto;
    esito.aperto = nodo.aperto;
    esito.suono = nodo.aperto ? QStringLiteral("clic2.wav") : QStringLiteral("clic1.wav");
    return esito;
}

void AlberoFattori::ComprimiTutto()
{
    for (Nodo& n : nodi_) n.aperto = false;
}
