#include "platform/FileInteri.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::function<bool(PassoCoppia)> guasto;
std::optional<PassoCoppia> fermata;
std::function<void(const QString&)> primaDiAprire;

bool Riesce(PassoCoppia passo) { return !guasto || guasto(passo); }
bool Ferma(PassoCoppia passo) { return fermata == passo; }

// Closes a descriptor on every way out.
struct Descrittore {
    int fd;
    ~Descrittore()
    {
        if (fd >= 0) ::close(fd);
    }
};

bool FileRegolare(const QByteArray& nome)
{
    struct stat s {};
    return ::stat(nome.constData(), &s) == 0 && S_ISREG(s.st_mode);
}

// The program's own temporaries beside a file: a leading dot, the file's
// name, the program's mark and six letters (".prova.qdn.zefra-AbCdEf"), a
// name nobody types. Only names of exactly this shape are ever deleted.
const QString MarcaTemporaneo = QStringLiteral(".zefra-");
constexpr int LettereTemporaneo = 6;

QString NomeTemporaneo(const QString& percorso)
{
    const QFileInfo i(percorso);
    QString nome = QLatin1Char('.') + i.fileName() + MarcaTemporaneo;
    for (int n = 0; n < LettereTemporaneo; ++n) {
        const int k = int(QRandomGenerator::global()->bounded(52));
        nome += QLatin1Char(char(k < 26 ? 'A' + k : 'a' + k - 26));
    }
    return i.dir().filePath(nome);
}

bool NomeDiTemporaneo(const QString& nome, const QString& base)
{
    const QString inizio = QLatin1Char('.') + base + MarcaTemporaneo;
    if (nome.size() != inizio.size() + LettereTemporaneo || !nome.startsWith(inizio)) return false;
    return std::all_of(nome.begin() + inizio.size(), nome.end(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    });
}

// A second name for the file percorso, under which it survives being
// replaced: a hard link costs nothing whatever the file's size; a copy
// serves where the file system has no links. Empty on failure.
QString SecondoNome(const QString& percorso)
{
    const QByteArray da = QFile::encodeName(percorso);
    for (int prova = 0; prova < 100; ++prova) {
        const QString nome = NomeTemporaneo(percorso);
        if (::link(da.constData(), QFile::encodeName(nome).constData()) == 0) return nome;
        if (errno == EEXIST) continue;
        return QFile::copy(percorso, nome) ? nome : QString();
    }
    return {};
}

// Links followed before a chain of them counts as one that never ends (the
// system's own bound).
constexpr int CollegamentiMassimi = 40;

// The folder percorso names, as it really is (the system's own answer):
// every link on the way followed, and a ".." after a link taken from where
// that link leads. Empty when there is no such folder.
QString CartellaVera(const QString& percorso)
{
    const std::unique_ptr<char, decltype(&std::free)> vera(::realpath(QFile::encodeName(percorso).constData(), nullptr),
                                                            &std::free);
    return vera ? QFile::decodeName(vera.get()) : QString();
}

// What the link percorso holds, as written; empty when it is no link.
QString Destinazione(const QString& percorso)
{
    char verso[PATH_MAX];
    const ssize_t n = ::readlink(QFile::encodeName(percorso).constData(), verso, sizeof verso);
    return n > 0 && size_t(n) < sizeof verso ? QFile::decodeName(QByteArray(verso, n)) : QString();
}

// The file a name stands for, the very one the system opens under it: the
// folder is taken as it really is, then a link in the last place is read
// and its target, when relative, taken from that real folder, ".."
// included; and so on, whether a file is at the end or not (a save creates
// it there, and the links stay). Empty for a chain that does not end, a
// folder that is not there, and a name that ends in a folder (".", "..",
// a slash).
QString Risolto(const QString& percorso)
{
    QString p = percorso;
    for (int n = 0;; ++n) {
        const qsizetype barra = p.lastIndexOf(QLatin1Char('/'));
        const QString nome = p.mid(barra + 1);
        if (nome.isEmpty() || nome == QLatin1String(".") || nome == QLatin1String("..")) return {};
        const QString cartella =
            CartellaVera(barra < 0 ? QStringLiteral(".") : barra == 0 ? QStringLiteral("/") : p.left(barra));
        if (cartella.isEmpty()) return {};
        const QString file = cartella.endsWith(QLatin1Char('/')) ? cartella + nome : cartella + QLatin1Char('/') + nome;
        struct stat s {};
        if (::lstat(QFile::encodeName(file).constData(), &s) != 0 || !S_ISLNK(s.st_mode)) return file;
        const QString verso = Destinazione(file);
        if (n == CollegamentiMassimi || verso.isEmpty()) return {};
        p = verso.startsWith(QLatin1Char('/')) ? verso : cartella + QLatin1Char('/') + verso;
    }
}

// Whether two names already resolved are one file: one device and inode
// when it is there (two hard links included), one name when it is not yet.
bool UnoStessoFile(const QString& a, const QString& b)
{
    if (a == b) return true;
    struct stat sa {}, sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0
           && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace

bool PreparaScrittura(QSaveFile& f, const QByteArray& dati)
{
    // commit() does not notice a buffered write that the disk refused when
    // it flushes (it would put the short file in place): flush first.
    if (f.open(QIODevice::WriteOnly) && f.write(dati) == dati.size() && f.flush()) return true;
    f.cancelWriting();
    return false;
}

bool ScriviFileIntero(const QString& percorso, const QByteArray& dati)
{
    QSaveFile f(percorso);
    return PreparaScrittura(f, dati) && f.commit();
}

bool LeggiFileIntero(const QString& percorso, qint64 massimo, QByteArray& dati)
{
    const QByteArray nome = QFile::encodeName(percorso);
    // A device or a pipe is never opened: opening some of them has effects,
    // and one may give bytes without end.
    if (percorso.isEmpty() || massimo < 0 || !FileRegolare(nome)) return false;
    if (primaDiAprire) primaDiAprire(percorso);
    // Non-blocking, should a pipe take the file's place after the check:
    // the second check, on what was opened, then refuses it.
    const Descrittore d{::open(nome.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    struct stat s {};
    if (d.fd < 0 || ::fstat(d.fd, &s) != 0 || !S_ISREG(s.st_mode) || s.st_size > massimo) return false;
    // The size only sizes the buffer: a file that grows while it is read is
    // still read no further than one byte past the bound.
    QByteArray b(qsizetype(std::min<qint64>(s.st_size, massimo)) + 1, Qt::Uninitialized);
    qsizetype letti = 0;
    for (;;) {
        if (letti == b.size()) {
            if (letti > massimo) break;
            b.resize(qsizetype(std::min<qint64>(2 * qint64(b.size()), massimo + 1)));
        }
        const ssize_t n = ::read(d.fd, b.data() + letti, size_t(b.size() - letti));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        letti += n;
    }
    if (letti > massimo) return false;
    b.truncate(letti);
    dati = std::move(b);
    return true;
}

void RimuoviTemporanei(const QString& percorso)
{
    const QString file = Risolto(percorso);
    if (file.isEmpty()) return;
    const QFileInfo info(file);
    const QString base = info.fileName();
    QDir cartella = info.absoluteDir();
    // No name filter: the name may hold the filter's own wildcards.
    const QStringList nomi = cartella.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& nome : nomi)
        if (NomeDiTemporaneo(nome, base)) cartella.remove(nome);
}

EsitoCoppia ScriviCoppia(const QString& primoDato, const QByteArray& datiPrimo, const QString& secondoDato,
                         const std::optional<QByteArray>& datiSecondo)
{
    const auto nonUnFile = [](const QString& p) {
        const QFileInfo i(p);
        return i.exists() && !i.isFile();
    };
    if (primoDato.isEmpty() || secondoDato.isEmpty()) return EsitoCoppia::NienteCambiato;
    const QString primo = Risolto(primoDato);
    const QString secondo = Risolto(secondoDato);
    // Two names of one file: writing the second would destroy the first.
    if (primo.isEmpty() || secondo.isEmpty() || nonUnFile(primo) || nonUnFile(secondo) || UnoStessoFile(primo, secondo))
        return EsitoCoppia::NienteCambiato;
    RimuoviTemporanei(primo);
    RimuoviTemporanei(secondo);

    QSaveFile filePrimo(primo);
    if (!PreparaScrittura(filePrimo, datiPrimo)) return EsitoCoppia::NienteCambiato;
    QSaveFile fileSecondo(secondo);
    if (datiSecondo && !PreparaScrittura(fileSecondo, *datiSecondo)) return EsitoCoppia::NienteCambiato;
    // The old first file, to put back should the second not follow it.
    QString vecchio;
    if (QFileInfo::exists(primo)) {
        vecchio = SecondoNome(primo);
        if (vecchio.isEmpty()) return EsitoCoppia::NienteCambiato;
    }
    const auto scarta = [&vecchio] {
        if (!vecchio.isEmpty()) QFile::remove(vecchio);
    };

    // A stop leaves what a process that died there leaves: nothing cleaned.
    if (Ferma(PassoCoppia::ConfermaPrimo)) return EsitoCoppia::NienteCambiato;
    if (!Riesce(PassoCoppia::ConfermaPrimo)) filePrimo.cancelWriting();
    if (!filePrimo.commit()) {
        scarta();
        return EsitoCoppia::NienteCambiato;
    }
    bool fatto = false;
    if (datiSecondo) {
        if (Ferma(PassoCoppia::ConfermaSecondo)) return EsitoCoppia::SoloPrimo;
        if (!Riesce(PassoCoppia::ConfermaSecondo)) fileSecondo.cancelWriting();
        fatto = fileSecondo.commit();
    } else if (!QFileInfo::exists(secondo)) {
        fatto = true;
    } else {
        if (Ferma(PassoCoppia::RimuoviSecondo)) return EsitoCoppia::SoloPrimo;
        fatto = Riesce(PassoCoppia::RimuoviSecondo) && QFile::remove(secondo);
    }
    if (fatto) {
        scarta();
        return EsitoCoppia::Fatto;
    }
    if (Ferma(PassoCoppia::RipristinaPrimo)) return EsitoCoppia::SoloPrimo;
    bool rimesso = false;
    if (Riesce(PassoCoppia::RipristinaPrimo))
        rimesso = vecchio.isEmpty() ? QFile::remove(primo)
                                    : std::rename(QFile::encodeName(vecchio).constData(),
                                                  QFile::encodeName(primo).constData())
                                          == 0;
    if (rimesso) return EsitoCoppia::NienteCambiato;
    scarta();
    return EsitoCoppia::SoloPrimo;
}

void ImpostaGuastoCoppia(std::function<bool(PassoCoppia)> riesce, std::optional<PassoCoppia> ferma)
{
    guasto = std::move(riesce);
    fermata = ferma;
}

void ImpostaPrimaDiAprire(std::function<void(const QString&)> prima) { primaDiAprire = std::move(prima); }
