#include "logica/FileQuaderno.h"
#include "logica/Frazione.h"
#include "platform/Numeri.h"
#include <algorithm>

namespace {

const QString EstensioneQuaderno = QStringLiteral(".qdn");
const QString EstensioneAppunti = QStringLiteral(".rtf");

bool RecordValido(const RecordFrazione& r)
{
    return r.Numeratore >= 1 && r.Numeratore <= r.Denominatore && (r.Selezionata == 0 || r.Selezionata == 1)
           && r.Colore >= 0 && r.Colore <= 15;
}

bool FoglioValido(const std::vector<RecordFrazione>& righe)
{
    return righe.size() <= static_cast<size_t>(MaxFrazioni) && std::all_of(righe.begin(), righe.end(), RecordValido);
}

// One value in the print style of a number: sign place, digits, a blank, CR LF.
void AggiungiValore(QByteArray& out, int16_t valore)
{
    if (valore >= 0) out.append(' ');
    out.append(QByteArray::number(valore));
    out.append(" \r\n");
}

void AggiungiFoglio(QByteArray& out, const std::vector<RecordFrazione>& righe)
{
    AggiungiValore(out, static_cast<int16_t>(righe.size()));
    for (const RecordFrazione& r : righe) {
        AggiungiValore(out, r.Numeratore);
        AggiungiValore(out, r.Denominatore);
        AggiungiValore(out, r.Selezionata);
        AggiungiValore(out, r.Colore);
    }
}

// Sequential reading of whole numbers from the bytes of a file.
class LettoreValori {
public:
    explicit LettoreValori(QByteArrayView b) : bytes(b) {}

    // The next value, or nothing when it is missing, empty, not a whole
    // number or outside the 16-bit range.
    std::optional<int16_t> Leggi()
    {
        SaltaSpazi();
        bool negativo = false;
        if (Resta() && (Ora() == '-' || Ora() == '+')) {
            negativo = Ora() == '-';
            ++pos;
        }
        long long valore = 0;
        int cifre = 0;
        for (; Resta() && !FineValore(Ora()); ++pos) {
            const char c = Ora();
            if (c < '0' || c > '9') return std::nullopt;
            ++cifre;
            if (valore <= 32768) valore = valore * 10 + (c - '0');
        }
        if (cifre == 0) return std::nullopt;
        if (negativo) valore = -valore;
        if (!Sta16(valore)) return std::nullopt;
        ConsumaSeparatore();
        return static_cast<int16_t>(valore);
    }

private:
    static bool Spazio(char c) { return c == ' ' || c == '\t'; }
    static bool FineValore(char c) { return Spazio(c) || c == ',' || c == '\r' || c == '\n'; }
    bool Resta() const { return pos < bytes.size(); }
    char Ora() const { return bytes[pos]; }
    void SaltaSpazi()
    {
        while (Resta() && Spazio(Ora())) ++pos;
    }
    // The blanks after a value, then one comma or one line end.
    void ConsumaSeparatore()
    {
        SaltaSpazi();
        if (!Resta()) return;
        if (Ora() == ',' || Ora() == '\n') {
            ++pos;
        } else if (Ora() == '\r') {
            ++pos;
            if (Resta() && Ora() == '\n') ++pos;
        }
    }

    QByteArrayView bytes;
    qsizetype pos = 0;
};

std::optional<std::vector<RecordFrazione>> LeggiFoglio(LettoreValori& lettore)
{
    const std::optional<int16_t> conteggio = lettore.Leggi();
    if (!conteggio || *conteggio < 0 || *conteggio > MaxFrazioni) return std::nullopt;
    std::vector<RecordFrazione> righe;
    righe.reserve(*conteggio);
    for (int i = 0; i < *conteggio; ++i) {
        const auto num = lettore.Leggi();
        const auto den = lettore.Leggi();
        const auto sel = lettore.Leggi();
        const auto col = lettore.Leggi();
        if (!num || !den || !sel || !col) return std::nullopt;
        const RecordFrazione r{*num, *den, static_cast<int16_t>(*sel == 1 ? 1 : 0), *col};
        if (!RecordValido(r)) return std::nullopt;
        righe.push_back(r);
    }
    return righe;
}

} // namespace

bool VerificaContenutoQuaderno(const ContenutoQuaderno& contenuto)
{
    return FoglioValido(contenuto.FoglioA) && FoglioValido(contenuto.FoglioB);
}

QByteArray ComponiBytesQuaderno(const ContenutoQuaderno& contenuto)
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(8 * (2 + 4 * (contenuto.FoglioA.size() + contenuto.FoglioB.size()))));
    AggiungiFoglio(out, contenuto.FoglioA);
    AggiungiFoglio(out, contenuto.FoglioB);
    return out;
}

bool ScriviFileQuaderno(const QString& percorso, const ContenutoQuaderno& contenuto)
{
    if (contenuto.FoglioA.size() > static_cast<size_t>(MaxFrazioni)
        || contenuto.FoglioB.size() > static_cast<size_t>(MaxFrazioni))
        return false;
    if (percorso.isEmpty()) return false;
    // The new file is written beside the old one and takes its place only
    // when complete: a failure at any point leaves the old file as it was.
    return ScriviFileIntero(percorso, ComponiBytesQuaderno(contenuto));
}

std::optional<ContenutoQuaderno> LeggiBytesQuaderno(QByteArrayView bytes)
{
    LettoreValori lettore(bytes);
    auto foglioA = LeggiFoglio(lettore);
    if (!foglioA) return std::nullopt;
    auto foglioB = LeggiFoglio(lettore);
    if (!foglioB) return std::nullopt;
    return ContenutoQuaderno{std::move(*foglioA), std::move(*foglioB)};
}

std::optional<ContenutoQuaderno> LeggiFileQuaderno(const QString& percorso)
{
    QByteArray bytes;
    if (!LeggiFileIntero(percorso, DimensioneMassimaQuaderno, bytes)) return std::nullopt;
    return LeggiBytesQuaderno(bytes);
}

bool FiniscePerQdn(const QString& nome) { return nome.endsWith(EstensioneQuaderno, Qt::CaseSensitive); }

QString CompletaNomeQuaderno(const QString& nomeScelto)
{
    return FiniscePerQdn(nomeScelto) ? nomeScelto : nomeScelto + EstensioneQuaderno;
}

QString NomeFileAppunti(const QString& percorsoQuaderno)
{
    if (FiniscePerQdn(percorsoQuaderno))
        return percorsoQuaderno.left(percorsoQuaderno.size() - EstensioneQuaderno.size()) + EstensioneAppunti;
    return percorsoQuaderno + EstensioneAppunti;
}

bool AppuntiVuoti(const QString& testoAppunti)
{
    for (QChar c : testoAppunti)
        if (c != QLatin1Char(' ')) return false;
    return true;
}

QString PercorsoRigaComandi(const QStringList& argomenti)
{
    QString percorso = argomenti.join(QLatin1Char(' '));
    if (percorso.startsWith(QLatin1Char('"'))) percorso.remove(0, 1);
    if (percorso.endsWith(QLatin1Char('"'))) percorso.chop(1);
    return percorso;
}
