#include "Aiuti.h"
#include "workspace/ContenutoFogli.h"
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <csignal>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using FileQuaderno = ProvaZefra;

namespace {

void MettiFrazione(int foglio, int pos, int16_t n, int16_t d, int16_t sel, int16_t col)
{
    Frazioni[foglio][pos][1] = n;
    Frazioni[foglio][pos][2] = d;
    Frazioni[foglio][pos][3] = sel;
    Frazioni[foglio][pos][4] = col;
}

QByteArray LeggiTutto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
}

bool ScriviTutto(const QString& percorso, const QByteArray& bytes)
{
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Bytes this process has taken with read() so far (all its threads).
qint64 ByteLettiDalProcesso()
{
    QFile f(QStringLiteral("/proc/self/io"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& riga : f.readAll().split('\n'))
        if (riga.startsWith("rchar:")) return riga.mid(6).trimmed().toLongLong();
    return -1;
}

// Sheet A 3/4 selected colour 12, then 1/2 not selected colour 1; B empty.
const QByteArray EsempioDieciRighe(" 2 \r\n 3 \r\n 4 \r\n 1 \r\n 12 \r\n 1 \r\n 2 \r\n 0 \r\n 1 \r\n 0 \r\n");

} // namespace

TEST_F(FileQuaderno, ScritturaByteEsatti)
{
    EXPECT_EQ(ComponiBytesQuaderno(), QByteArray("\x20\x30\x20\x0D\x0A\x20\x30\x20\x0D\x0A"));

    NumFrazioniA = 2;
    MettiFrazione(1, 1, 3, 4, 1, 12);
    MettiFrazione(1, 2, 1, 2, 0, 1);
    MettiFrazione(2, 1, 7, 9, 1, 5); // beyond B's count: not written
    EXPECT_EQ(ComponiBytesQuaderno(), EsempioDieciRighe);

    ContenutoQuaderno c;
    c.FoglioB = {{-5, 32767, 0, 15}, {-32768, 10, 1, 0}};
    EXPECT_EQ(ComponiBytesQuaderno(c),
              QByteArray(" 0 \r\n 2 \r\n-5 \r\n 32767 \r\n 0 \r\n 15 \r\n-32768 \r\n 10 \r\n 1 \r\n 0 \r\n"));

    ContenutoQuaderno pieno;
    pieno.FoglioA.assign(128, {1, 2, 0, 3});
    pieno.FoglioB.assign(128, {5, 6, 1, 4});
    EXPECT_EQ(ComponiBytesQuaderno(pieno).count("\r\n"), 2 + 4 * 256);
}

TEST_F(FileQuaderno, SalvataggioERiletturaRestituisconoIlQuaderno)
{
    NumFrazioniA = 3;
    MettiFrazione(1, 1, 3, 4, 1, 12);
    MettiFrazione(1, 2, 1, 2, 0, 1);
    MettiFrazione(1, 3, 64, 64, 1, 0);
    NumFrazioniB = 1;
    MettiFrazione(2, 1, 1, 32000, 0, 15);
    const ContenutoQuaderno prima = FotografaQuaderno();
    const QString percorso = Percorso("prova.qdn");
    ASSERT_TRUE(ScriviFileQuaderno(percorso, prima));
    ASSERT_TRUE(ScriviTutto(percorso + "x", "")); // unrelated file, left alone
    ASSERT_TRUE(ScriviFileQuaderno(percorso)); // overwrites the first save
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files), QStringList({"prova.qdn", "prova.qdnx"}));

    AzzeraStatoGenerale();
    MettiFrazione(1, 4, 9, 9, 0, 2); // above the count read: kept
    const auto letto = LeggiFileQuaderno(percorso);
    ASSERT_TRUE(letto.has_value());
    EXPECT_EQ(*letto, prima);
    ASSERT_TRUE(ApplicaContenutoQuaderno(*letto));
    EXPECT_EQ(NumFrazioniA, 3);
    EXPECT_EQ(NumFrazioniB, 1);
    EXPECT_EQ(FotografaQuaderno(), prima);
    EXPECT_EQ(Frazioni[1][4][1], 9);
}

TEST_F(FileQuaderno, LetturaConVirgoleESpaziInPiu)
{
    const QList<QByteArray> varianti = {
        "2,3,4\r\n1,12\r\n1 , 2,0,  1\r\n0",
        "  2   \r\n\t3 4 1 12\n1\r2\r\n0 ,1\r\n 0 \r\nresto ignorato, 99, xyz\r\n",
        "+2,+3,4,1,12,1,2,-0,1,0,",
        "002 \r\n 3 \r\n 4 \r\n 1 \r\n 12 \r\n 1 \r\n 2 \r\n 0 \r\n 1 \r\n 0",
    };
    const auto atteso = LeggiBytesQuaderno(EsempioDieciRighe);
    ASSERT_TRUE(atteso.has_value());
    ASSERT_EQ(atteso->FoglioA, (std::vector<RecordFrazione>{{3, 4, 1, 12}, {1, 2, 0, 1}}));
    EXPECT_TRUE(atteso->FoglioB.empty());
    for (const QByteArray& v : varianti) {
        const auto letto = LeggiBytesQuaderno(v);
        ASSERT_TRUE(letto.has_value()) << v.constData();
        EXPECT_EQ(*letto, *atteso) << v.constData();
    }
}

TEST_F(FileQuaderno, FlagDiversoDaUnoNonSelezionato)
{
    const auto letto = LeggiBytesQuaderno("3\r\n1,2,2,0\r\n1,2,-1,0\r\n1,2,0,0\r\n0\r\n");
    ASSERT_TRUE(letto.has_value());
    for (const RecordFrazione& r : letto->FoglioA) EXPECT_EQ(r.Selezionata, 0);
}

TEST_F(FileQuaderno, FileNonValidiRifiutati)
{
    const QList<QByteArray> cattivi = {
        " 129 \r\n",                                   // count A over 128
        " 0 \r\n 129 \r\n",                            // count B over 128
        "-1 \r\n 0 \r\n",                              // negative count
        " 1 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n",  // denominator 0
        " 1 \r\n 0 \r\n 4 \r\n 0 \r\n 0 \r\n 0 \r\n",  // numerator 0
        " 1 \r\n-1 \r\n 4 \r\n 0 \r\n 0 \r\n 0 \r\n",  // negative numerator
        " 1 \r\n 5 \r\n 4 \r\n 0 \r\n 0 \r\n 0 \r\n",  // 5/4
        " 1 \r\n 1 \r\n 2 \r\n 0 \r\n 16 \r\n 0 \r\n", // colour 16
        " 1 \r\n 1 \r\n 2 \r\n 0 \r\n-1 \r\n 0 \r\n",  // colour -1
        " 1 \r\n 1 \r\n 2 \r\n 0 \r\n 0 \r\n",         // B count missing
        " 2 \r\n 1 \r\n 2 \r\n 0 \r\n 0 \r\n 0 \r\n",  // second record missing
        "",
        "   \r\n",
        "abc\r\n 0 \r\n",                              // letters
        " 1 \r\n 1 \r\n 2x \r\n 0 \r\n 0 \r\n 0 \r\n", // letters in a value
        " 1 \r\n 1 \r\n 2 \r\n 0 \r\n 3.0 \r\n 0 \r\n",// not a whole number
        " 1 \r\n 1 \r\n 32768 \r\n 0 \r\n 0 \r\n 0 \r\n", // over 32767
        " 0 \r\n 99999999999999999999 \r\n",
        " 0 \r\n-32769 \r\n",
        " 1 \r\n 1 \r\n 2 \r\n 0 \r\n 0 \r\n\r\n 0 \r\n", // empty line stands for a value
        "0,,0",                                        // empty value
        "- 0\r\n0\r\n",
    };
    for (const QByteArray& b : cattivi) EXPECT_FALSE(LeggiBytesQuaderno(b).has_value()) << b.constData();

    // Every cut that loses the final value makes the example unreadable.
    const qsizetype ultimaCifra = EsempioDieciRighe.size() - 4;
    ASSERT_EQ(EsempioDieciRighe.at(ultimaCifra), '0');
    for (qsizetype n = 0; n <= ultimaCifra; ++n)
        EXPECT_FALSE(LeggiBytesQuaderno(EsempioDieciRighe.left(n)).has_value()) << n;
    EXPECT_TRUE(LeggiBytesQuaderno(EsempioDieciRighe.left(ultimaCifra + 1)).has_value());

    EXPECT_FALSE(LeggiFileQuaderno(Percorso("manca.qdn")).has_value());
    EXPECT_FALSE(LeggiFileQuaderno(cartella.path()).has_value());
}

TEST_F(FileQuaderno, ContenutoNonValidoNonToccaIlDeposito)
{
    NumFrazioniA = 1;
    MettiFrazione(1, 1, 1, 3, 1, 4);
    const ContenutoQuaderno prima = FotografaQuaderno();
    ContenutoQuaderno c;
    c.FoglioA = {{1, 2, 0, 0}};
    for (RecordFrazione cattivo : {RecordFrazione{0, 2, 0, 0}, RecordFrazione{3, 2, 0, 0},
                                   RecordFrazione{1, 2, 2, 0}, RecordFrazione{1, 2, 0, 16}}) {
        c.FoglioB = {cattivo};
        EXPECT_FALSE(ApplicaContenutoQuaderno(c));
        EXPECT_EQ(FotografaQuaderno(), prima);
    }
    c.FoglioB.assign(129, {1, 2, 0, 0});
    EXPECT_FALSE(ApplicaContenutoQuaderno(c));
    EXPECT_EQ(FotografaQuaderno(), prima);
    c.FoglioB.resize(128);
    EXPECT_TRUE(ApplicaContenutoQuaderno(c));
    EXPECT_EQ(NumFrazioniB, 128);
    EXPECT_EQ(FotografaQuaderno(), c);
}

TEST_F(FileQuaderno, ScritturaFallitaLasciaIlVecchioFile)
{
    NumFrazioniA = 2;
    MettiFrazione(1, 1, 3, 4, 1, 12);
    MettiFrazione(1, 2, 1, 2, 0, 1);

    // A path under a regular file, and a path that is a folder.
    const QString nonCartella = Percorso("file");
    ASSERT_TRUE(ScriviTutto(nonCartella, "vecchio"));
    EXPECT_FALSE(ScriviFileQuaderno(nonCartella + "/prova.qdn"));
    EXPECT_EQ(LeggiTutto(nonCartella), QByteArray("vecchio"));
    ASSERT_TRUE(QDir(cartella.path()).mkdir("cartella.qdn"));
    EXPECT_FALSE(ScriviFileQuaderno(Percorso("cartella.qdn")));
    EXPECT_TRUE(QFileInfo(Percorso("cartella.qdn")).isDir());
    EXPECT_FALSE(ScriviFileQuaderno(QString()));

    // The disk refuses the write half way (file size limit): the old
    // notebook stays whole and no stray file is left.
    const QString percorso = Percorso("prova.qdn");
    ASSERT_TRUE(ScriviTutto(percorso, EsempioDieciRighe));
    NumFrazioniA = 100;
    for (int i = 1; i <= 100; ++i) MettiFrazione(1, i, 1, 2, 0, 3);
    rlimit vecchio {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vecchio), 0);
    const auto gestore = std::signal(SIGXFSZ, SIG_IGN);
    rlimit piccolo = vecchio;
    piccolo.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &piccolo), 0);
    const bool esito = ScriviFileQuaderno(percorso);
    setrlimit(RLIMIT_FSIZE, &vecchio);
    std::signal(SIGXFSZ, gestore);
    EXPECT_FALSE(esito);
    EXPECT_EQ(LeggiTutto(percorso), EsempioDieciRighe);
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files), QStringList({"file", "prova.qdn"}));

    // A sheet larger than the store allows is never written.
    ContenutoQuaderno troppe;
    troppe.FoglioA.assign(129, {1, 2, 0, 0});
    EXPECT_FALSE(ScriviFileQuaderno(percorso, troppe));
    EXPECT_EQ(LeggiTutto(percorso), EsempioDieciRighe);
}

TEST_F(FileQuaderno, RegoleDeiNomi)
{
    EXPECT_TRUE(FiniscePerQdn("C:/scuola/prova.qdn"));
    EXPECT_TRUE(FiniscePerQdn(".qdn"));
    for (const char* n : {"PROVA.QDN", "prova.Qdn", "prova", "prova.qdn ", "prova.qdnx", "qdn", ""})
        EXPECT_FALSE(FiniscePerQdn(n)) << n;

    EXPECT_EQ(CompletaNomeQuaderno("C:/scuola/prova"), QStringLiteral("C:/scuola/prova.qdn"));
    EXPECT_EQ(CompletaNomeQuaderno("C:/scuola/prova.qdn"), QStringLiteral("C:/scuola/prova.qdn"));
    EXPECT_EQ(CompletaNomeQuaderno("PROVA.QDN"), QStringLiteral("PROVA.QDN.qdn"));
    EXPECT_EQ(CompletaNomeQuaderno("a.qdn.bak"), QStringLiteral("a.qdn.bak.qdn"));

    EXPECT_EQ(NomeFileAppunti("C:\\scuola\\prova.qdn"), QStringLiteral("C:\\scuola\\prova.rtf"));
    EXPECT_EQ(NomeFileAppunti("/a.qdn/b.qdn"), QStringLiteral("/a.qdn/b.rtf"));
    EXPECT_EQ(NomeFileAppunti("/scuola/prova"), QStringLiteral("/scuola/prova.rtf"));

    EXPECT_TRUE(AppuntiVuoti(""));
    EXPECT_TRUE(AppuntiVuoti("    "));
    for (const char* t : {"\r\n", " \r\n ", "\t", " a "}) EXPECT_FALSE(AppuntiVuoti(t)) << t;
}

TEST_F(FileQuaderno, RigaDiComando)
{
    EXPECT_EQ(PercorsoRigaComandi({"\"C:\\scuola\\mio", "quaderno.qdn\""}),
              QStringLiteral("C:\\scuola\\mio quaderno.qdn"));
    EXPECT_EQ(PercorsoRigaComandi({"/home/a", "b", "c.qdn"}), QStringLiteral("/home/a b c.qdn"));
    EXPECT_EQ(PercorsoRigaComandi({"/home/a b/c.qdn"}), QStringLiteral("/home/a b/c.qdn"));
    EXPECT_EQ(PercorsoRigaComandi({"\"x.qdn"}), QStringLiteral("x.qdn"));
    EXPECT_EQ(PercorsoRigaComandi({"x.qdn\""}), QStringLiteral("x.qdn"));
    EXPECT_EQ(PercorsoRigaComandi({"\"\"x.qdn\"\""}), QStringLiteral("\"x.qdn\""));
    EXPECT_EQ(PercorsoRigaComandi({"a\"b.qdn"}), QStringLiteral("a\"b.qdn"));
    EXPECT_EQ(PercorsoRigaComandi({}), QString());
}

// Whatever the file system says of a file's size, a read takes no more than
// the bound allows, and what is not a regular file is not read at all.
TEST_F(FileQuaderno, LetturaSoloDiFileRegolariEntroIlLimite)
{
    constexpr qint64 limite = 1000;
    const QByteArray pieno(limite, 'x');
    ASSERT_TRUE(ScriviTutto(Percorso("pieno"), pieno));
    ASSERT_TRUE(ScriviTutto(Percorso("oltre"), pieno + 'x'));
    ASSERT_TRUE(QFile::link(Percorso("pieno"), Percorso("collegamento")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), Percorso("zeri")));
    {
        QFile rado(Percorso("rado"));   // 1 GiB that takes no disk
        ASSERT_TRUE(rado.open(QIODevice::WriteOnly) && rado.resize(qint64(1) << 30));
    }
    ASSERT_EQ(mkfifo(QFile::encodeName(Percorso("muto")).constData(), 0600), 0);
    // A pipe that holds more than the bound, its bytes waiting.
    ASSERT_EQ(mkfifo(QFile::encodeName(Percorso("pieno di byte")).constData(), 0600), 0);
    const int scrittore = ::open(QFile::encodeName(Percorso("pieno di byte")).constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(scrittore, 0);
    const QByteArray blocco(4096, 'y');
    qint64 offerti = 0;
    for (ssize_t n; (n = ::write(scrittore, blocco.constData(), size_t(blocco.size()))) > 0;) offerti += n;
    ASSERT_GT(offerti, limite);

    const struct {
        const char* nome;
        bool letto;
    } casi[] = {{"pieno", true},  {"collegamento", true}, {"oltre", false},       {"rado", false},
                {"zeri", false},  {"muto", false},        {"pieno di byte", false}, {"manca", false},
                {"", false}};   // the folder itself
    for (const auto& c : casi) {
        QByteArray dati("prima");
        const qint64 primaDi = ByteLettiDalProcesso();
        // A pipe without a writer would hold this call for good.
        EXPECT_EQ(LeggiFileIntero(Percorso(c.nome), limite, dati), c.letto) << c.nome;
        EXPECT_EQ(dati, c.letto ? pieno : QByteArray("prima")) << c.nome;
        EXPECT_LT(ByteLettiDalProcesso() - primaDi, 64 * 1024) << c.nome;
    }
    int inAttesa = 0;
    ASSERT_EQ(ioctl(scrittore, FIONREAD, &inAttesa), 0);
    EXPECT_EQ(inAttesa, offerti);   // not one byte taken from the pipe
    ::close(scrittore);
}

// A file whose size the file system gives as 0 and that holds more (a /proc
// file) is read no further than the bound allows, below its length and
// above it; and a pipe put in a file's place after its type was checked is
// refused on what was opened, not one byte taken from it.
TEST_F(FileQuaderno, LetturaEntroIlLimiteQualunqueSiaLaDimensioneDetta)
{
    for (const char* nome : {"/proc/self/status", "/proc/self/smaps"}) {
        const QString percorso = QString::fromLatin1(nome);
        ASSERT_EQ(QFileInfo(percorso).size(), 0) << nome;
        const QByteArray tutto = LeggiTutto(percorso);
        const qint64 lunghezza = tutto.size();
        // A power of two at most half the length: a buffer that doubled
        // past the bound would take twice the bound.
        qint64 sotto = 1;
        while (4 * sotto <= lunghezza) sotto *= 2;
        ASSERT_GE(sotto, 512) << nome;
        for (const qint64 limite : {sotto, 2 * lunghezza}) {
            QByteArray dati("prima");
            const qint64 primaDi = ByteLettiDalProcesso();
            const bool letto = LeggiFileIntero(percorso, limite, dati);
            // Beside the file, the count holds what reading the count took.
            const qint64 presi = ByteLettiDalProcesso() - primaDi;
            if (limite < lunghezza) {
                EXPECT_FALSE(letto) << nome;
                EXPECT_EQ(dati, QByteArray("prima")) << nome;
                EXPECT_LE(presi, limite + 1 + 200) << nome;
            } else {
                ASSERT_TRUE(letto) << nome;
                EXPECT_EQ(dati.left(dati.indexOf('\n')), tutto.left(tutto.indexOf('\n'))) << nome;
                EXPECT_GT(dati.size(), lunghezza / 2) << nome;
                EXPECT_LE(dati.size(), limite) << nome;
            }
        }
    }

    struct Scambio {
        explicit Scambio(std::function<void(const QString&)> f) { ImpostaPrimaDiAprire(std::move(f)); }
        ~Scambio() { ImpostaPrimaDiAprire({}); }
        Scambio(const Scambio&) = delete;
        Scambio& operator=(const Scambio&) = delete;
    };
    const QString percorso = Percorso("scambiato");
    const QByteArray tubo = QFile::encodeName(Percorso("tubo"));
    for (bool conByte : {false, true}) {
        ASSERT_TRUE(ScriviTutto(percorso, "regolare"));
        ASSERT_EQ(mkfifo(tubo.constData(), 0600), 0);
        // A pipe without a writer reads as empty; one with bytes gives them.
        const int scrittore = conByte ? ::open(tubo.constData(), O_RDWR | O_NONBLOCK) : -1;
        ASSERT_EQ(scrittore >= 0, conByte);
        if (conByte) {
            ASSERT_EQ(::write(scrittore, "dal tubo", 8), 8);
        }
        {
            const Scambio scambio([&](const QString& p) {
                EXPECT_EQ(p, percorso);
                ASSERT_EQ(::rename(tubo.constData(), QFile::encodeName(percorso).constData()), 0);
            });
            QByteArray dati("prima");
            EXPECT_FALSE(LeggiFileIntero(percorso, 1000, dati)) << conByte;
            EXPECT_EQ(dati, QByteArray("prima")) << conByte;
        }
        struct stat s {};
        ASSERT_EQ(::lstat(QFile::encodeName(percorso).constData(), &s), 0);
        EXPECT_TRUE(S_ISFIFO(s.st_mode)) << conByte;
        if (conByte) {
            int inAttesa = 0;
            ASSERT_EQ(ioctl(scrittore, FIONREAD, &inAttesa), 0);
            EXPECT_EQ(inAttesa, 8);
            ::close(scrittore);
        }
        ASSERT_TRUE(QFile::remove(percorso));
    }
}

// The bound on a notebook file is the largest the writer makes; a notebook
// with blanks after it up to the bound reads, one byte more is refused
// unread.
TEST_F(FileQuaderno, QuadernoOltreIlLimiteRifiutato)
{
    ContenutoQuaderno largo;
    largo.FoglioA.assign(MaxFrazioni, {-32768, -32768, -32768, -32768});
    largo.FoglioB = largo.FoglioA;
    EXPECT_EQ(ComponiBytesQuaderno(largo).size(), DimensioneMassimaQuaderno);

    ContenutoQuaderno pieno;
    pieno.FoglioA.assign(MaxFrazioni, {32767, 32767, 1, 15});
    pieno.FoglioB = pieno.FoglioA;
    const QByteArray bytes = ComponiBytesQuaderno(pieno);
    for (qint64 coda : {qint64(0), DimensioneMassimaQuaderno - bytes.size(), DimensioneMassimaQuaderno - bytes.size() + 1,
                        qint64(2) << 20}) {
        ASSERT_TRUE(ScriviTutto(Percorso("q.qdn"), bytes + QByteArray(coda, coda % 2 ? '\t' : ' ')));
        const qint64 primaDi = ByteLettiDalProcesso();
        const auto letto = LeggiFileQuaderno(Percorso("q.qdn"));
        const bool entro = bytes.size() + coda <= DimensioneMassimaQuaderno;
        EXPECT_EQ(letto.has_value(), entro) << coda;
        if (entro) EXPECT_EQ(*letto, pieno);
        else EXPECT_LT(ByteLettiDalProcesso() - primaDi, 64 * 1024) << coda;
    }
}

namespace {

// What ScriviCoppia's steps do while a test makes one of them fail.
struct GuastoCoppia {
    explicit GuastoCoppia(std::function<bool(PassoCoppia)> f, std::optional<PassoCoppia> ferma = std::nullopt)
    {
        ImpostaGuastoCoppia(std::move(f), ferma);
    }
    ~GuastoCoppia() { ImpostaGuastoCoppia({}); }
    GuastoCoppia(const GuastoCoppia&) = delete;
    GuastoCoppia& operator=(const GuastoCoppia&) = delete;
};

} // namespace

// Every way the pair save can fail, with old files or without, notes
// written or deleted: the result says which files changed, the disk holds
// exactly that, and no temporary is left.
TEST_F(FileQuaderno, CoppiaDiceCosaHaFatto)
{
    enum class Guasto { Nessuno, Primo, Secondo, SecondoERipristino };
    const QString q = Percorso("q.qdn");
    const QString a = Percorso("q.rtf");
    for (Guasto g : {Guasto::Nessuno, Guasto::Primo, Guasto::Secondo, Guasto::SecondoERipristino})
        for (bool vecchioQ : {false, true})
            for (bool vecchiA : {false, true})
                for (bool nuoviA : {false, true}) {
                    const std::string caso = std::to_string(int(g)) + "/" + std::to_string(vecchioQ) + "/"
                                             + std::to_string(vecchiA) + "/" + std::to_string(nuoviA);
                    QFile::remove(q);
                    QFile::remove(a);
                    ASSERT_TRUE(!vecchioQ || ScriviTutto(q, "vecchio"));
                    ASSERT_TRUE(!vecchiA || ScriviTutto(a, "vecchi appunti"));
                    const QByteArray primaQ = LeggiTutto(q), primaA = LeggiTutto(a);
                    const GuastoCoppia guasto([g](PassoCoppia p) {
                        switch (p) {
                        case PassoCoppia::ConfermaPrimo: return g != Guasto::Primo;
                        case PassoCoppia::RipristinaPrimo: return g != Guasto::SecondoERipristino;
                        default: return g == Guasto::Nessuno || g == Guasto::Primo;
                        }
                    });
                    const std::optional<QByteArray> appunti =
                        nuoviA ? std::optional<QByteArray>("nuovi appunti") : std::nullopt;
                    const EsitoCoppia esito = ScriviCoppia(q, "nuovo", a, appunti);

                    // Deleting notes that are not there cannot fail.
                    const bool secondoFallisce =
                        (g == Guasto::Secondo || g == Guasto::SecondoERipristino) && (nuoviA || vecchiA);
                    const EsitoCoppia atteso = g == Guasto::Primo ? EsitoCoppia::NienteCambiato
                                               : !secondoFallisce ? EsitoCoppia::Fatto
                                               : g == Guasto::Secondo ? EsitoCoppia::NienteCambiato
                                                                      : EsitoCoppia::SoloPrimo;
                    EXPECT_EQ(esito, atteso) << caso;
                    const bool nuovoQ = atteso != EsitoCoppia::NienteCambiato;
                    EXPECT_EQ(LeggiTutto(q), nuovoQ ? QByteArray("nuovo") : primaQ) << caso;
                    const QByteArray nuoviAppunti = nuoviA ? QByteArray("nuovi appunti") : QByteArray("<assente>");
                    EXPECT_EQ(LeggiTutto(a), atteso == EsitoCoppia::Fatto ? nuoviAppunti : primaA) << caso;
                    QStringList attesi;
                    if (nuovoQ || vecchioQ) attesi << "q.qdn";
                    if (atteso == EsitoCoppia::Fatto ? nuoviA : vecchiA) attesi << "q.rtf";
                    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files | QDir::Hidden), attesi) << caso;
                }
}

// The program's own temporaries that an unfinished save left go at the next
// save, and nothing else does, whatever its name; an old notebook of any
// size, or one reached through a link, is replaced.
TEST_F(FileQuaderno, CoppiaTogliIResiduiESostituisceFileGrandi)
{
    const QStringList residui = {".q.rtf.zefra-AbcDef", ".q.qdn.zefra-QWERTY", ".q.rtf.zefra-zzzzzz"};
    const QStringList altri = {"q.rtf.zzzzzz",        "q.qdn.QWERTY",        "q.rtf.bak",
                               "q.rtf.AbcDefg",       "q.rtf.zefra-AbcDef",  ".q.rtf.zefra-AbcDe",
                               ".q.rtf.zefra-AbcDefg", ".q.rtf.zefra-Abc1ef", ".x.rtf.zefra-AbcDef",
                               ".q.rtf.Zefra-AbcDef", ".q.rtfzefra-AbcDef",  "q.rtf"};
    for (const QString& n : residui + altri) ASSERT_TRUE(ScriviTutto(Percorso(n), "residuo"));
    ASSERT_TRUE(QDir(cartella.path()).mkdir(".q.rtf.zefra-Cartel"));
    // A link named as a temporary is a person's, as is the file it leads to.
    ASSERT_TRUE(ScriviTutto(Percorso("compito.txt"), "del pupillo"));
    ASSERT_EQ(::symlink("compito.txt", QFile::encodeName(Percorso(".q.qdn.zefra-Legame"))), 0);
    {
        QFile grande(Percorso("q.qdn"));   // 3 GiB that takes no disk
        ASSERT_TRUE(grande.open(QIODevice::WriteOnly) && grande.resize(qint64(3) << 30));
    }
    EXPECT_EQ(ScriviCoppia(Percorso("q.qdn"), "nuovo", Percorso("q.rtf"), QByteArray("appunti")), EsitoCoppia::Fatto);
    EXPECT_EQ(LeggiTutto(Percorso("q.qdn")), QByteArray("nuovo"));
    EXPECT_EQ(LeggiTutto(Percorso("q.rtf")), QByteArray("appunti"));
    for (const QString& n : residui) EXPECT_FALSE(QFile::exists(Percorso(n))) << n.toStdString();
    for (const QString& n : altri) {
        if (n == "q.rtf") continue;
        EXPECT_EQ(LeggiTutto(Percorso(n)), QByteArray("residuo")) << n.toStdString();
    }
    EXPECT_TRUE(QFileInfo(Percorso(".q.rtf.zefra-Cartel")).isDir());
    EXPECT_TRUE(QFileInfo(Percorso(".q.qdn.zefra-Legame")).isSymLink());
    EXPECT_EQ(LeggiTutto(Percorso(".q.qdn.zefra-Legame")) + LeggiTutto(Percorso("compito.txt")), "del pupillodel pupillo");

    ASSERT_TRUE(QDir(cartella.path()).mkdir("vero"));
    ASSERT_TRUE(QFile::link(Percorso("vero/q.qdn"), Percorso("l.qdn")));
    ASSERT_TRUE(ScriviTutto(Percorso("vero/q.qdn"), "vecchio"));
    const GuastoCoppia guasto([](PassoCoppia p) { return p != PassoCoppia::ConfermaSecondo; });
    EXPECT_EQ(ScriviCoppia(Percorso("l.qdn"), "nuovo", Percorso("l.rtf"), QByteArray("a")),
              EsitoCoppia::NienteCambiato);
    EXPECT_TRUE(QFileInfo(Percorso("l.qdn")).isSymLink());
    EXPECT_EQ(LeggiTutto(Percorso("vero/q.qdn")), QByteArray("vecchio"));
    EXPECT_EQ(QDir(Percorso("vero")).entryList(QDir::Files | QDir::Hidden), QStringList({"q.qdn"}));
}

// A notebook or notes name that is a link, a chain of links, or that passes
// through a linked folder, relative or absolute, ".." after a link
// included, to a file there or not yet: the save writes the files the
// system opens under the two names, keeps every link, and nothing else
// appears or goes in the folders; a put-back deletes that file and not a
// link; the result is what the disk then holds, and an open through the
// same names reads it. A chain longer than the system follows is refused
// before anything is written.
TEST_F(FileQuaderno, CollegamentiSeguitiComeLiSegueIlSistema)
{
    enum class Guasto { Nessuno, Secondo, SecondoERipristino };
    // The folder of the two names, the links (from the case's folder "@";
    // "%n" the linked name, "%m" the other, "%e" the linked one's
    // extension), and where the linked and the other name really lead.
    const struct {
        const char* nome;
        const char* cartella;
        QList<std::pair<const char*, const char*>> collegamenti;
        const char *fineLegato, *fineLibero;
    } forme[] = {
        {"assoluto", "", {{"%n", "@/vero/x.%e"}}, "vero/x.%e", "%m"},
        {"relativo", "", {{"%n", "vero/x.%e"}}, "vero/x.%e", "%m"},
        {"doppio", "", {{"%n", "mezzo.%e"}, {"mezzo.%e", "@/vero/x.%e"}}, "vero/x.%e", "%m"},
        {"cartella e ..", "b/vista", {{"b/vista", "../vero/sotto"}, {"vero/sotto/%n", "../x.%e"}}, "vero/x.%e",
         "vero/sotto/%m"},
        {".. dopo una cartella", "", {{"b/vista", "@/vero/sotto"}, {"%n", "@/b/vista/../x.%e"}}, "vero/x.%e", "%m"},
        {"catena di cartelle",
         "",
         {{"%n", "b/vista/y.%e"}, {"b/vista", "../vero/sotto"}, {"vero/sotto/y.%e", "../giu/../z.%e"},
          {"vero/giu", "@/altrove"}},
         "z.%e",
         "%m"},
    };
    int n = 0;
    for (const auto& f : forme)
        for (bool alPrimo : {true, false})
            for (bool esiste : {false, true})
                for (Guasto g : {Guasto::Nessuno, Guasto::Secondo, Guasto::SecondoERipristino}) {
                    SCOPED_TRACE(std::string(f.nome) + "/" + std::to_string(alPrimo) + "/" + std::to_string(esiste) + "/"
                                 + std::to_string(int(g)));
                    const QString d = Percorso(QStringLiteral("caso%1").arg(n++));
                    for (const char* c : {"/vero/sotto", "/b", "/altrove"}) ASSERT_TRUE(QDir().mkpath(d + c));
                    const QString legato = alPrimo ? "q.qdn" : "q.rtf", libero = alPrimo ? "q.rtf" : "q.qdn";
                    const auto nome = [&](const char* s) {
                        return QString::fromLatin1(s).replace("%n", legato).replace("%m", libero).replace("%e", legato.right(3)).replace("@", d);
                    };
                    for (const auto& [da, verso] : f.collegamenti)
                        ASSERT_EQ(::symlink(QFile::encodeName(nome(verso)), QFile::encodeName(d + "/" + nome(da))), 0);
                    const QString q = QDir::cleanPath(d + "/" + f.cartella + "/q.qdn");
                    const QString a = QDir::cleanPath(d + "/" + f.cartella + "/q.rtf");
                    const QString fineQ = nome(alPrimo ? f.fineLegato : f.fineLibero);
                    const QString fineA = nome(alPrimo ? f.fineLibero : f.fineLegato);
                    ASSERT_TRUE(!esiste || (ScriviTutto(q, "vecchio") && ScriviTutto(a, "vecchi appunti")));
                    QMap<QString, QByteArray> atteso = ContenutoAlbero(d);
                    // The system wrote the old files where the shape says.
                    ASSERT_EQ(atteso.value(fineQ) + atteso.value(fineA), esiste ? "vecchiovecchi appunti" : "");

                    const GuastoCoppia guasto([g](PassoCoppia p) {
                        return g == Guasto::Nessuno || (p != PassoCoppia::ConfermaSecondo
                                                        && (g != Guasto::SecondoERipristino || p != PassoCoppia::RipristinaPrimo));
                    });
                    const EsitoCoppia esito = ScriviCoppia(q, "nuovo", a, QByteArray("appunti"));
                    const EsitoCoppia previsto = g == Guasto::Nessuno   ? EsitoCoppia::Fatto
                                                 : g == Guasto::Secondo ? EsitoCoppia::NienteCambiato
                                                                        : EsitoCoppia::SoloPrimo;
                    EXPECT_EQ(esito, previsto);
                    if (previsto != EsitoCoppia::NienteCambiato) atteso[fineQ] = "nuovo";
                    if (previsto == EsitoCoppia::Fatto) atteso[fineA] = "appunti";
                    EXPECT_EQ(ContenutoAlbero(d), atteso);
                    for (const auto& [nomeDato, fine] : {std::pair(q, fineQ), std::pair(a, fineA)}) {
                        QByteArray letto("<assente>");
                        LeggiFileIntero(nomeDato, 100, letto);
                        EXPECT_EQ(letto, atteso.value(fine, "<assente>")) << nomeDato.toStdString();
                    }
                }

    // Chains of 40 links, which the system follows, and of 41, which it
    // does not: the save goes as far as an open does.
    for (int k : {40, 41}) {
        const QString c = Percorso(QStringLiteral("catena%1/").arg(k));
        ASSERT_TRUE(QDir().mkpath(c) && ScriviTutto(c + "fine.qdn", "vecchio"));
        for (int i = 0; i < k; ++i) {
            const QString verso = i + 1 < k ? QStringLiteral("l%1").arg(i + 1) : QStringLiteral("fine.qdn");
            ASSERT_EQ(::symlink(QFile::encodeName(verso), QFile::encodeName(c + QStringLiteral("l%1").arg(i))), 0);
        }
        const bool apre = QFile(c + "l0").open(QIODevice::ReadOnly);
        EXPECT_EQ(apre, k == 40);
        EXPECT_EQ(ScriviCoppia(c + "l0", "nuovo", c + "q.rtf", std::nullopt),
                  apre ? EsitoCoppia::Fatto : EsitoCoppia::NienteCambiato) << k;
        EXPECT_EQ(LeggiTutto(c + "fine.qdn"), apre ? QByteArray("nuovo") : QByteArray("vecchio")) << k;
        EXPECT_EQ(QDir(c).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), k + 1) << k;
    }

    // A link to itself, and two links to each other.
    ASSERT_TRUE(QDir(cartella.path()).mkdir("giro"));
    const QString g = Percorso("giro/");
    ASSERT_EQ(::symlink("q.qdn", QFile::encodeName(g + "q.qdn")), 0);
    ASSERT_EQ(::symlink("b.rtf", QFile::encodeName(g + "a.rtf")), 0);
    ASSERT_EQ(::symlink("a.rtf", QFile::encodeName(g + "b.rtf")), 0);
    ASSERT_TRUE(ScriviTutto(g + "a.qdn", "vecchio"));
    EXPECT_EQ(ScriviCoppia(g + "q.qdn", "nuovo", g + "q.rtf", QByteArray("appunti")), EsitoCoppia::NienteCambiato);
    EXPECT_EQ(ScriviCoppia(g + "a.qdn", "nuovo", g + "a.rtf", QByteArray("appunti")), EsitoCoppia::NienteCambiato);
    EXPECT_EQ(LeggiTutto(g + "a.qdn"), QByteArray("vecchio"));
    EXPECT_EQ(QDir(g).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"a.qdn", "a.rtf", "b.rtf", "q.qdn"}));
    for (const char* l : {"q.qdn", "a.rtf", "b.rtf"}) EXPECT_TRUE(QFileInfo(g + l).isSymLink()) << l;
}
