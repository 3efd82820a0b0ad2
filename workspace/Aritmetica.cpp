#include "workspace/Aritmetica.h"
#include "platform/Colori.h"
#include "platform/Numeri.h"
#include "platform/Superficie.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include <cmath>
#include <cstdlib>

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

// Integer part of the square root; n must not be negative.
int RadiceIntera(int n) { return int(std::floor(std::sqrt(double(n)))); }

template <typename T> T Mcd(T a, T b)
{
    // Worked in 64 bits on the magnitudes, so that no argument can divide
    // by zero or overflow on the way.
    long long g = std::llabs((long long)a), k = std::llabs((long long)b);
    if (g == 0 || k == 0) return T(g + k);
    if (k > g) std::swap(g, k);
    long long r = g % k;
    while (r > 0) {
        g = k;
        k = r;
        r = g % k;
    }
    return T(k);
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

int16_t CalcolaMCD(int16_t a, int16_t b) { return Mcd<int16_t>(a, b); }

int32_t CalcolaMCDLungo(int32_t a, int32_t b) { return Mcd<int32_t>(a, b); }

bool VerificaPrimo(int16_t n)
{
    if (n < 0) return false;
    if (n == 1) return false;
    if (n == 2) return true;
    if (n % 2 == 0) return false;
    const int limite = RadiceIntera(n);
    for (int d = 3; d <= limite; d += 2)
        if (n % d == 0) return false;
    return true;
}

int16_t TrovaMinimoDivisore(int16_t n)
{
    if (n < 0) return n;
    if (n % 2 == 0) return 2;
    const int limite = RadiceIntera(n);
    for (int d = 3; d <= limite; d += 2)
        if (n % d == 0) return int16_t(d);
    return n;
}

std::optional<int16_t> TrovaDivisoreMassimo(int16_t n)
{
    if (n < 0) return std::nullopt;
    for (int d = Arrotonda32(std::sqrt(double(n))); d >= 2; --d)
        if (n % d == 0) return int16_t(d);
    return std::nullopt;
}

QString ScomponiInFattori(int16_t n)
{
    QString fattori;
    int16_t m = n;
    while (m >= 2) {
        const int16_t p = TrovaMinimoDivisore(m);
        m = int16_t(m / p);
        fattori += QString::number(p) + QLatin1Char('x');
    }
    if (fattori.isEmpty()) return QStringLiteral("1");
    fattori.chop(1);
    return fattori;
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

uint8_t TrovaColorePrimo(int16_t p)
{
    switch (p) {
    case 2: return 12;
    case 3: return 1;
    case 5: return 2;
    case 7: return 9;
    case 11: return 5;
    case 13: return 4;
    case 17: return 3;
    case 19: return 6;
    case 23: return 11;
    case 29: return 13;
    case 31: return 10;
    default: return 0;
    }
}

bool VerificaDecimaleFinito(int16_t n)
{
    if (n <= 0) return false;
    for (;;) {
        while (n % 2 == 0) n = int16_t(n / 2);
        if (n % 5 != 0) break;
        n = int16_t(n / 5);
    }
    return n == 1;
}

QString EstraiNomeFile(const QString& percorso)
{
    const qsizetype ultima = std::max(percorso.lastIndexOf(QLatin1Char('\\')), percorso.lastIndexOf(QLatin1Char('/')));
    return percorso.mid(ultima + 1);
}

QString SostituisciPuntiConVirgole(QString& s)
{
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}
