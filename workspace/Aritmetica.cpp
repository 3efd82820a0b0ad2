#include "workspace/Aritmetica.h"
#include "platform/Colori.h"
#include "platform/Numeri.h"
#include "platform/Superficie.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"

namespace {
bool Cifra(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool SoloCifre(const QString& s)
{
    for (QChar c : s)
        if (!Cifra(c)) return false;
    return true;
}

// Only the blank counts as space around a typed number (a tab does not).
QString TogliSpazi(const QString& s)
{
    qsizetype inizio = 0, fine = s.size();
    while (inizio < fine && s[inizio] == QLatin1Char(' ')) ++inizio;
    while (fine > inizio && s[fine - 1] == QLatin1Char(' ')) --fine;
    return s.mid(inizio, fine - inizio);
}
}

bool ControllaIntero(const QString& Testo, const QString& Operazione)
{
    if (TogliSpazi(Testo).isEmpty()) {
        MostraMessaggio(QStringLiteral("Immettere un numero intero"), 3, Operazione);
        return false;
    }
    if (!SoloCifre(Testo)) {
        MostraMessaggio(QStringLiteral("Sono stati immessi caratteri non consentiti. Immettere un numero intero."), 3,
                        Operazione);
        return false;
    }
    if (Testo.size() >= 6) {
        MostraMessaggio(QStringLiteral("Il numero immesso è troppo grande"), 3, Operazione);
        return false;
    }
    // 32000 itself is accepted, though the message speaks of "minore".
    if (Testo.toInt() >= 32001) {
        MostraMessaggio(QStringLiteral("Inserire un numero minore di 32000"), 3, Operazione);
        return false;
    }
    return true;
}

bool ControllaDecimale(const QString& Testo, const QString& Operazione)
{
    if (TogliSpazi(Testo).isEmpty()) {
        MostraMessaggio(QStringLiteral("Immettere un numero decimale"), 3, Operazione);
        return false;
    }
    if (Testo.size() >= 11) {
        MostraMessaggio(QStringLiteral("Sono stati immessi troppi caratteri"), 3, Operazione);
        return false;
    }
    bool valido = true;
    int virgole = 0;
    qsizetype ultimaVirgola = -1;
    for (qsizetype i = 0; i < Testo.size(); ++i) {
        if (Testo[i] == QLatin1Char(',')) {
            ++virgole;
            ultimaVirgola = i;
        } else if (!Cifra(Testo[i])) {
            valido = false;
        }
    }
    if (virgole == 1 && (ultimaVirgola == 0 || ultimaVirgola == Testo.size() - 1)) valido = false;
    if (valido && virgole <= 1) return true;
    MostraMessaggio(QStringLiteral("Sono stati immessi caratteri non consentiti. Immettere un numero decimale.") + ACapo +
                        ACapo + QStringLiteral("Ad esempio immettere 1 oppure 1,5"),
                    4, Operazione);
    return false;
}

bool ControllaCifre(const QString& Testo, const QString& Operazione, bool ConsentiVuoto)
{
    if (ConsentiVuoto) {
        if (!SoloCifre(Testo)) {
            MostraMessaggio(QStringLiteral("Sono stati immessi caratteri non consentiti. Immettere caratteri numerici o "
                                           "lasciare vuoto il campo."),
                            4, Operazione);
            return false;
        }
    } else {
        if (TogliSpazi(Testo).isEmpty()) {
            MostraMessaggio(QStringLiteral("Immettere caratteri numerici"), 3, Operazione);
            return false;
        }
        if (!SoloCifre(Testo)) {
            MostraMessaggio(QStringLiteral("Sono stati immessi caratteri non consentiti. Immettere caratteri numerici."),
                            3, Operazione);
            return false;
        }
    }
    if (Testo.size() >= 11) {
        MostraMessaggio(QStringLiteral("Sono stati immessi troppi caratteri"), 3, Operazione);
        return false;
    }
    return true;
}

void StampaFattoriColorati(Tela& destinazione, int16_t n)
{
    // Numbers are printed as the platform prints them: a blank where the
    // sign would stand and one blank after.
    if (n == 1) {
        destinazione.Stampa(Str(1) + QLatin1Char(' '));
        return;
    }
    if (n < 2) return;
    int16_t m = n;
    for (;;) {
        const int16_t p = TrovaMinimoDivisore(m);
        m = int16_t(m / p);
        destinazione.ForeColor = QBColor(TrovaColorePrimo(p));
        destinazione.Stampa(Str(p) + QLatin1Char(' '));
        destinazione.ForeColor = QBColor(0);
        if (m < 2) break;
        destinazione.Stampa(QStringLiteral("x"));
    }
}
