// Notebook commands: New, Open, Save, Save as, Clear sheet, Exit, the save
// question, the closing of service windows and the start-up open.
#include "Aiuti.h"
#include "commands/Comandi.h"
#include "workspace/Avvio.h"
#include "workspace/ContenutoFogli.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include "workspace/Quaderno.h"
#include "platform/Rtf.h"
#include <QApplication>
#include <QTextDocument>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextEdit>
#include <deque>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString NonQuaderno = QStringLiteral("Impossibile aprire il file. Non è un file di quaderno ");
const QByteArray DueFogliVuoti("\x20\x30\x20\x0D\x0A\x20\x30\x20\x0D\x0A");
const QByteArray DieciRighe(" 2 \r\n 3 \r\n 4 \r\n 1 \r\n 12 \r\n 1 \r\n 2 \r\n 0 \r\n 1 \r\n 0 \r\n");

QByteArray LeggiTutto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
}

void ScriviTutto(const QString& percorso, const QByteArray& bytes)
{
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The files of a folder, hidden ones included, but for the error register that start-up writes
// into the program folder.
QStringList FileNellaCartella(const QString& cartella)
{
    QStringList l = QDir(cartella).entryList(QDir::Files | QDir::Hidden);
    l.removeAll(QStringLiteral("registro.txt"));
    return l;
}

// Sets the notes as the pupil would have typed them.
void ScriviAppunti(const QString& testo) { TxtAppunti()->setPlainText(testo); }

class Quaderno : public ProvaZefra {
protected:
    void SetUp() override
    {
        ProvaZefra::SetUp();
        ImpostaFonteSchermo([] { return QSize(1280, 1024); });
        Unica<Princ>::Istanza()->resize(1000, 700);
        Unica<Princ>::Istanza()->show();
        CaricaPrinc(QString());
        Pronto();
    }
    void TearDown() override
    {
        ImpostaDialogoQuaderno({});
        ImpostaGuastoCoppia({});
        ImpostaFonteSchermo({});
        ProvaZefra::TearDown();
    }
    // The program folder in the temporary folder, nothing recorded yet, the
    // dialogs answered from `scelte` (an empty string cancels).
    void Pronto(bool azzera = true)
    {
        CartellaProgramma = cartella.path() + QLatin1Char('/');
        CartellaDialogoQuaderni = cartella.path();
        if (azzera) {
            QuadernoModificato = FALSO;
            Modale::Azzera();
        }
        ImpostaDialogoQuaderno([this](const RichiestaDialogoQuaderno& r) {
            richieste.push_back(r);
            if (scelte.empty()) return QString();
            const QString s = scelte.front();
            scelte.pop_front();
            return s;
        });
    }
    // The boxes of one genere shown so far.
    QList<Modale::Mostrato> Mostrati(const char* genere) const
    {
        QList<Modale::Mostrato> l;
        for (const auto& m : Modale::Mostrati())
            if (m.genere == QLatin1String(genere)) l << m;
        return l;
    }
    void AvvisoNonQuaderno() const
    {
        const auto m = Mostrati("messaggio");
        ASSERT_EQ(m.size(), 1);
        EXPECT_EQ(m[0].testo, NonQuaderno);
        EXPECT_EQ(m[0].tipo, 3);
        EXPECT_EQ(m[0].titolo, QStringLiteral("Apri quaderno"));
    }
    void Salvataggio_Fallito() const
    {
        const auto m = Mostrati("piattaforma");
        ASSERT_EQ(m.size(), 1);
        EXPECT_EQ(m[0].testo, QStringLiteral("Impossibile salvare il file"));
        EXPECT_EQ(m[0].titolo, QStringLiteral("Zefra"));
        EXPECT_EQ(m[0].tipo, 2);
    }
    static void Esempio()   // sheet A: 3/4 selected colour 12, 1/2 colour 1
    {
        ASSERT_TRUE(ApplicaContenutoQuaderno({{{3, 4, 1, 12}, {1, 2, 0, 1}}, {}}));
    }
    QString Pannello(int i) const { return Unica<Princ>::Istanza()->TestoPannello(i); }
    bool Premuto(int i) const { return Unica<Princ>::Istanza()->Toolbar2Premuto(i); }

    std::deque<QString> scelte;
    std::vector<RichiestaDialogoQuaderno> richieste;
};

} // namespace

// --- Save ------------------------------------------------------------------------

TEST_F(Quaderno, SalvaScriveIByteEsattiENonToccaNomeEStato)
{
    NomeQuaderno = Percorso("prova.qdn");
    Esempio();
    QuadernoModificato = VERO;
    MnuFileSalva_Click();
    EXPECT_EQ(LeggiTutto(NomeQuaderno), DieciRighe);
    EXPECT_EQ(QuadernoModificato, FALSO);
    EXPECT_TRUE(richieste.empty());
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_EQ(Pannello(1), QStringLiteral("Nome del quaderno: senza nome   "));
    EXPECT_FALSE(QFile::exists(Percorso("prova.rtf")));

    NumFrazioniA = 0;
    EXPECT_TRUE(SalvaQuaderno());
    EXPECT_EQ(LeggiTutto(NomeQuaderno), DueFogliVuoti);
}

TEST_F(Quaderno, AppuntiCancellatiSeVuotiTenutiSeSoloACapo)
{
    NomeQuaderno = Percorso("prova.qdn");
    ScriviTutto(Percorso("prova.rtf"), "{\\rtf1 vecchi}");
    ScriviAppunti(QStringLiteral("   "));
    ASSERT_TRUE(SalvaQuaderno());
    EXPECT_FALSE(QFile::exists(Percorso("prova.rtf")));

    ScriviAppunti(QStringLiteral("\n\n"));
    ASSERT_TRUE(SalvaQuaderno());
    EXPECT_TRUE(LeggiTutto(Percorso("prova.rtf")).startsWith("{\\rtf1"));
    SvuotaAppunti();
    ASSERT_TRUE(CaricaQuaderno(NomeQuaderno));
    EXPECT_EQ(TxtAppunti()->toPlainText(), QStringLiteral("\n\n"));
}

TEST_F(Quaderno, SalvataggioFallitoAvvisaTieneIlFlagEIlVecchioFile)
{
    // A notebook under a regular file cannot be created.
    ScriviTutto(Percorso("file"), "x");
    NomeQuaderno = Percorso("file/prova.qdn");
    QuadernoModificato = VERO;
    MnuFileSalva_Click();
    Salvataggio_Fallito();
    EXPECT_EQ(QuadernoModificato, VERO);
    EXPECT_EQ(NomeQuaderno, Percorso("file/prova.qdn"));

    // The notes cannot be written (their name is a folder): the old notebook
    // stays as it was, and nothing stray is left beside it.
    Modale::Azzera();
    NomeQuaderno = Percorso("prova.qdn");
    ScriviTutto(NomeQuaderno, DieciRighe);
    ASSERT_TRUE(QDir(cartella.path()).mkdir("prova.rtf"));
    NumFrazioniA = 0;
    ScriviAppunti(QStringLiteral("appunti"));
    EXPECT_FALSE(SalvaQuaderno());
    Salvataggio_Fallito();
    EXPECT_EQ(QuadernoModificato, VERO);
    EXPECT_EQ(LeggiTutto(NomeQuaderno), DieciRighe);
    EXPECT_EQ(FileNellaCartella(cartella.path()), QStringList({"file", "prova.qdn"}));

    // A read-only folder refuses the save, unless the tests run as root:
    // the old notebook stays whole and the flag stays set.
    if (geteuid() != 0) {
        Modale::Azzera();
        ASSERT_TRUE(QDir(cartella.path()).mkdir("sola"));
        NomeQuaderno = Percorso("sola/q.qdn");
        ScriviTutto(NomeQuaderno, DieciRighe);
        QuadernoModificato = VERO;
        QFile::setPermissions(Percorso("sola"), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(SalvaQuaderno());
        QFile::setPermissions(Percorso("sola"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Salvataggio_Fallito();
        EXPECT_EQ(QuadernoModificato, VERO);
        EXPECT_EQ(LeggiTutto(NomeQuaderno), DieciRighe);
    }

    // The close request asks, the save fails: the program keeps running.
    Modale::Azzera();
    NomeQuaderno = Percorso("file/prova.qdn");
    QuadernoModificato = VERO;
    Modale::Rispondi(1);
    EXPECT_FALSE(Unica<Princ>::Istanza()->close());
    EXPECT_EQ(InChiusura, FALSO);
    EXPECT_TRUE(Unica<Princ>::Istanza()->isVisible());
    EXPECT_EQ(QuadernoModificato, VERO);
    Salvataggio_Fallito();
}

// Notes the reader would refuse are not written: the save fails as on a full
// disk, with the reason on a second line, and nothing on the disk changes.
TEST_F(Quaderno, AppuntiTroppoLunghiNonSiSalvano)
{
    NomeQuaderno = Percorso("prova.qdn");
    ScriviTutto(NomeQuaderno, DieciRighe);
    ScriviTutto(Percorso("prova.rtf"), "{\\rtf1 vecchi}");
    // One word with a colour for every letter, one run past the bound.
    CaricaAppunti([](QTextEdit* e) {
        QTextCursor c(e->document());
        c.beginEditBlock();
        for (int i = 0; i <= Rtf::PezziParolaMassimi; ++i) {
            QTextCharFormat f;
            f.setForeground(QColor::fromHsv(i % 300, 255, 200));
            c.insertText(QStringLiteral("a"), f);
        }
        c.endEditBlock();
    });
    const QString appunti = TxtAppunti()->toPlainText();
    QuadernoModificato = VERO;
    MnuFileSalva_Click();
    const auto m = Mostrati("piattaforma");
    ASSERT_EQ(m.size(), 1);
    EXPECT_EQ(m[0].testo, QStringLiteral("Impossibile salvare il file\nGli appunti sono troppo lunghi"));
    EXPECT_EQ(m[0].tipo, 2);
    EXPECT_EQ(LeggiTutto(NomeQuaderno), DieciRighe);
    EXPECT_EQ(LeggiTutto(Percorso("prova.rtf")), QByteArray("{\\rtf1 vecchi}"));
    EXPECT_EQ(FileNellaCartella(cartella.path()), QStringList({"prova.qdn", "prova.rtf"}));
    EXPECT_EQ(TxtAppunti()->toPlainText(), appunti);
    EXPECT_EQ(QuadernoModificato, VERO);

    // One run fewer fits: saved, and it opens again the same.
    QTextCursor c(TxtAppunti()->document());
    c.movePosition(QTextCursor::End);
    c.deletePreviousChar();
    ASSERT_TRUE(SalvaQuaderno());
    SvuotaAppunti();
    ASSERT_TRUE(CaricaQuaderno(NomeQuaderno));
    EXPECT_EQ(TxtAppunti()->toPlainText(), appunti.left(appunti.size() - 1));
    EXPECT_EQ(QuadernoModificato, FALSO);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A folder where the notes file goes can be neither replaced nor deleted:
// the save fails before the notebook is written.
TEST_F(Quaderno, CartellaAlPostoDegliAppuntiNonScriveNulla)
{
    ASSERT_TRUE(QDir(cartella.path()).mkdir("nuovo.rtf"));
    NomeQuaderno = Percorso("nuovo.qdn");
    Esempio();
    ScriviAppunti(QString());
    QuadernoModificato = VERO;
    EXPECT_FALSE(SalvaQuaderno());
    Salvataggio_Fallito();
    EXPECT_FALSE(QFile::exists(NomeQuaderno));
    EXPECT_EQ(FileNellaCartella(cartella.path()), QStringList());
    EXPECT_EQ(QuadernoModificato, VERO);
}

// The save's steps failing one after another as on a disk that turns
// read-only, whoever runs the tests: the pupil is told the save failed, and
// also that the notebook file changed when it could not be put back.
TEST_F(Quaderno, SalvataggioFallitoDiceCosaCambiaSulDisco)
{
    NomeQuaderno = Percorso("prova.qdn");
    const struct {
        PassoCoppia guasto1, guasto2;
        bool soloQuaderno;
    } casi[] = {{PassoCoppia::ConfermaPrimo, PassoCoppia::ConfermaPrimo, false},
                {PassoCoppia::ConfermaSecondo, PassoCoppia::ConfermaSecondo, false},
                {PassoCoppia::ConfermaSecondo, PassoCoppia::RipristinaPrimo, true}};
    for (const auto& c : casi) {
        Modale::Azzera();
        ScriviTutto(NomeQuaderno, DieciRighe);
        ScriviTutto(Percorso("prova.rtf"), "{\\rtf1 vecchi}");
        NumFrazioniA = 0;
        ScriviAppunti(QStringLiteral("nuovi"));
        QuadernoModificato = VERO;
        ImpostaGuastoCoppia([&c](PassoCoppia p) { return p != c.guasto1 && p != c.guasto2; });
        EXPECT_FALSE(SalvaQuaderno());
        const auto m = Mostrati("piattaforma");
        ASSERT_EQ(m.size(), 1);
        EXPECT_EQ(m[0].testo, QStringLiteral("Impossibile salvare il file")
                                  + (c.soloQuaderno ? QStringLiteral("\nIl quaderno sul disco è cambiato, gli appunti no")
                                                    : QString()));
        EXPECT_EQ(LeggiTutto(NomeQuaderno), c.soloQuaderno ? DueFogliVuoti : DieciRighe);
        EXPECT_EQ(LeggiTutto(Percorso("prova.rtf")), QByteArray("{\\rtf1 vecchi}"));
        EXPECT_EQ(FileNellaCartella(cartella.path()), QStringList({"prova.qdn", "prova.rtf"}));
        EXPECT_EQ(QuadernoModificato, VERO);
    }
}

// A notes name that leads to the notebook file itself (a link either way,
// relative or absolute, both links to a third name, a hard link, a link
// through a linked folder and ".."), whether that file is there or not,
// with notes or blank: the save is refused before anything is written, with
// the message of a failed save, and the notebook stays modified. Such a
// notebook is refused at open (its notes are no RTF), and nothing changes.
TEST_F(Quaderno, AppuntiCheSonoIlQuadernoStessoNonSiSalvano)
{
    const struct {
        const char* nome;
        QList<std::pair<const char*, const char*>> collegamenti;   // "@" the case's folder
        bool fisso;                                                 // q.rtf a hard link to q.qdn
    } forme[] = {
        {"relativo", {{"q.rtf", "q.qdn"}}, false},
        {"assoluto", {{"q.rtf", "@/q.qdn"}}, false},
        {"al contrario", {{"q.qdn", "q.rtf"}}, false},
        {"a un terzo", {{"q.qdn", "x.dat"}, {"q.rtf", "@/x.dat"}}, false},
        {"cartella e ..", {{"b/vista", "../vero/sotto"}, {"q.qdn", "vero/q.qdn"}, {"q.rtf", "b/vista/../q.qdn"}}, false},
        {"fisso", {}, true},
    };
    int n = 0;
    for (const auto& f : forme)
        for (bool esiste : {false, true})
            for (bool appunti : {false, true}) {
                if (f.fisso && !esiste) continue;
                SCOPED_TRACE(std::string(f.nome) + "/" + std::to_string(esiste) + "/" + std::to_string(appunti));
                const QString d = Percorso(QStringLiteral("caso%1").arg(n++));
                ASSERT_TRUE(QDir().mkpath(d + "/vero/sotto") && QDir().mkpath(d + "/b"));
                for (const auto& [da, verso] : f.collegamenti)
                    ASSERT_EQ(::symlink(QFile::encodeName(QString::fromLatin1(verso).replace("@", d)),
                                        QFile::encodeName(d + "/" + da)),
                              0);
                NomeQuaderno = d + "/q.qdn";
                if (esiste) ScriviTutto(NomeQuaderno, DieciRighe);
                ASSERT_TRUE(!f.fisso || ::link(QFile::encodeName(NomeQuaderno), QFile::encodeName(d + "/q.rtf")) == 0);
                const QMap<QString, QByteArray> prima = ContenutoAlbero(d);
                Modale::Azzera();
                NumFrazioniA = 0;
                ScriviAppunti(appunti ? QStringLiteral("nuovi") : QString());
                QuadernoModificato = VERO;
                EXPECT_FALSE(SalvaQuaderno());
                Salvataggio_Fallito();
                EXPECT_EQ(ContenutoAlbero(d), prima);
                EXPECT_EQ(QuadernoModificato, VERO);
                if (!esiste) continue;
                EXPECT_FALSE(CaricaQuaderno(NomeQuaderno));
                EXPECT_EQ(NumFrazioniA, 0);
                EXPECT_EQ(TxtAppunti()->toPlainText(), appunti ? QStringLiteral("nuovi") : QString());
                EXPECT_EQ(ContenutoAlbero(d), prima);
            }
}

// A notebook with more after its records opens, and is then saved under its
// own name or over a file of any size; what an unfinished save of the
// program left beside it goes when it is opened.
TEST_F(Quaderno, QuadernoApertoSiSalvaDiNuovo)
{
    NomeQuaderno = Percorso("coda.qdn");
    ScriviTutto(NomeQuaderno, DieciRighe + "resto, 1, 2\r\n" + QByteArray(4000, 'z'));
    ScriviTutto(Percorso("coda.rtf"), "{\\rtf1 appunti}");
    for (const char* n : {".coda.rtf.zefra-AbcDef", ".coda.qdn.zefra-XyzUvw", "coda.rtf.AbcDef", "coda.rtf.copia"})
        ScriviTutto(Percorso(n), "resto");
    ASSERT_TRUE(CaricaQuaderno(NomeQuaderno));
    EXPECT_EQ(FileNellaCartella(cartella.path()),
              QStringList({"coda.qdn", "coda.rtf", "coda.rtf.AbcDef", "coda.rtf.copia"}));
    EXPECT_TRUE(SalvaQuaderno());
    EXPECT_EQ(LeggiTutto(NomeQuaderno), DieciRighe);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());

    {
        QFile grande(Percorso("grande.qdn"));   // 2 GiB that takes no disk
        ASSERT_TRUE(grande.open(QIODevice::WriteOnly) && grande.resize(qint64(2) << 30));
    }
    scelte = {Percorso("grande.qdn")};
    Modale::Rispondi(1);
    EXPECT_TRUE(SalvaQuadernoConNome());
    EXPECT_EQ(LeggiTutto(Percorso("grande.qdn")), DieciRighe);
    EXPECT_EQ(NomeQuaderno, Percorso("grande.qdn"));
}

// Files a person keeps beside a notebook survive its open and its save byte
// for byte, whatever their names; what a save stopped between its steps
// left of the program's own goes at the next open or at the next save.
TEST_F(Quaderno, AccantoAlQuadernoSiToglieSoloCioCheIlProgrammaLascia)
{
    NomeQuaderno = Percorso("prova.qdn");
    QStringList nomi = {"prova.qdn.backup", "prova.rtf.vecchi", "prova.qdn.Maggio", "prova.qdn.copia2",
                        "prova.rtf.123456", "prova (2).qdn",
                        // Near the program's mark, but not it.
                        "prova.qdn.zefra-AbCdEf", ".prova.qdn.zefra-AbCdE", ".prova.qdn.zefra-AbCdEfg",
                        ".prova.qdn.zefra-AbC1Ef", ".prova.rtf.ZEFRA-AbCdEf", ".prova.rtf.zefra_AbCdEf",
                        "..prova.qdn.zefra-AbCdEf", ".prova.qdnzefra-AbCdEf", ".Prova.qdn.zefra-AbCdEf",
                        ".prova.qdn.zefra-AbCdEf.bak", ".prova.zefra-AbCdEf"};
    // Six random letters, as the file library's own temporaries end.
    QRandomGenerator casuale(7);
    auto lettere = [&casuale](int n) {
        QString s;
        for (int i = 0; i < n; ++i) {
            const int k = int(casuale.bounded(52));
            s += QLatin1Char(char(k < 26 ? 'A' + k : 'a' + k - 26));
        }
        return s;
    };
    for (const char* estensione : {"qdn", "rtf", "qdn"})
        nomi << QStringLiteral("prova.%1.%2").arg(QLatin1String(estensione), lettere(6));
    QMap<QString, QByteArray> diPersona;
    for (const QString& n : nomi) {
        QByteArray b;
        for (int i = int(casuale.bounded(1, 200)); i > 0; --i) b += char(casuale.bounded(256));
        diPersona[n] = b;
        ScriviTutto(Percorso(n), b);
    }
    auto intatti = [&](const std::string& caso) {
        for (auto i = diPersona.cbegin(); i != diPersona.cend(); ++i)
            EXPECT_EQ(LeggiTutto(Percorso(i.key())), i.value()) << caso << " " << i.key().toStdString();
    };
    const QString marca = QStringLiteral(".prova.qdn.zefra-");

    const struct {
        PassoCoppia ferma;
        bool appunti;
        bool falliscePrimaIlSecondo;
    } fermate[] = {{PassoCoppia::ConfermaPrimo, true, false},
                   {PassoCoppia::ConfermaSecondo, true, false},
                   {PassoCoppia::RimuoviSecondo, false, false},
                   {PassoCoppia::RipristinaPrimo, true, true}};
    for (const auto& f : fermate)
        for (bool conApri : {true, false}) {
            const std::string caso = std::to_string(int(f.ferma)) + "/" + std::to_string(conApri);
            Modale::Azzera();
            ScriviTutto(NomeQuaderno, DieciRighe);
            ScriviTutto(Percorso("prova.rtf"), "{\\rtf1 vecchi}");
            NumFrazioniA = 0;
            ScriviAppunti(f.appunti ? QStringLiteral("nuovi") : QString());
            const bool senzaSecondo = f.falliscePrimaIlSecondo;
            ImpostaGuastoCoppia([senzaSecondo](PassoCoppia p) { return !senzaSecondo || p != PassoCoppia::ConfermaSecondo; },
                                f.ferma);
            SalvaQuaderno();
            ImpostaGuastoCoppia({});
            intatti(caso);
            // The old notebook under the program's mark, and nothing else new.
            QStringList residui = FileNellaCartella(cartella.path());
            for (const QString& n : nomi + QStringList{"prova.qdn", "prova.rtf"}) residui.removeAll(n);
            ASSERT_EQ(residui.size(), 1) << caso;
            EXPECT_TRUE(residui[0].startsWith(marca) && residui[0].size() == marca.size() + 6) << caso;
            EXPECT_EQ(LeggiTutto(Percorso(residui[0])), DieciRighe) << caso;

            if (conApri) EXPECT_TRUE(CaricaQuaderno(NomeQuaderno)) << caso;
            else EXPECT_TRUE(SalvaQuaderno()) << caso;
            intatti(caso);
            QStringList attesi = nomi;
            attesi << "prova.qdn";
            if (conApri || f.appunti) attesi << "prova.rtf";
            attesi.sort(Qt::CaseInsensitive);
            QStringList trovati = FileNellaCartella(cartella.path());
            trovati.sort(Qt::CaseInsensitive);
            EXPECT_EQ(trovati, attesi) << caso;
        }
}

// A notes file of no bytes (the program never writes one) stands for empty
// notes beside a sound notebook, as a missing one does.
TEST_F(Quaderno, AppuntiDiZeroByteSiApronoVuoti)
{
    for (bool vuoto : {true, false}) {
        ScriviTutto(Percorso("prova.qdn"), DieciRighe);
        if (vuoto) ScriviTutto(Percorso("prova.rtf"), QByteArray());
        else QFile::remove(Percorso("prova.rtf"));
        NumFrazioniA = 0;
        ScriviAppunti(QStringLiteral("vecchi appunti"));
        QuadernoModificato = VERO;
        ASSERT_TRUE(CaricaQuaderno(Percorso("prova.qdn"))) << vuoto;
        EXPECT_EQ(TxtAppunti()->toPlainText(), QString()) << vuoto;
        EXPECT_EQ(NumFrazioniA, 2) << vuoto;
        EXPECT_TRUE(AppuntiVisibili()) << vuoto;
        EXPECT_EQ(QuadernoModificato, FALSO) << vuoto;
        EXPECT_EQ(NomeQuaderno, Percorso("prova.qdn")) << vuoto;
    }
}

// --- Save as ---------------------------------------------------------------------

TEST_F(Quaderno, SalvaConNomeAggiungeQdnEChiedePrimaDiSostituire)
{
    Esempio();
    ScriviAppunti(QStringLiteral("appunti"));
    QuadernoModificato = VERO;
    scelte = {Percorso("prova")};
    MnuFileSalvaConNome_Click();
    ASSERT_EQ(richieste.size(), 1u);
    EXPECT_TRUE(richieste[0].Salva);
    EXPECT_EQ(richieste[0].Titolo, QStringLiteral("Salva quaderno con nome"));
    EXPECT_EQ(richieste[0].Cartella, cartella.path());
    EXPECT_EQ(LeggiTutto(Percorso("prova.qdn")), DieciRighe);
    EXPECT_TRUE(QFile::exists(Percorso("prova.rtf")));
    EXPECT_EQ(FileNellaCartella(cartella.path()), QStringList({"prova.qdn", "prova.rtf"}));
    EXPECT_EQ(NomeQuaderno, Percorso("prova.qdn"));
    EXPECT_EQ(Pannello(1), QStringLiteral("Nome del quaderno: prova.qdn   "));
    EXPECT_EQ(QuadernoModificato, FALSO);

    // The name now exists: "Annulla" writes nothing, "No" asks another name,
    // "Sì" replaces the file.
    NumFrazioniA = 0;
    scelte = {Percorso("prova.qdn")};
    Modale::Rispondi(2);
    EXPECT_FALSE(SalvaQuadernoConNome());
    ASSERT_EQ(Mostrati("domanda").size(), 1);
    EXPECT_EQ(Mostrati("domanda")[0].testo, QStringLiteral("Il file prova.qdn esiste già. Sostituirlo?"));
    EXPECT_EQ(LeggiTutto(Percorso("prova.qdn")), DieciRighe);
    scelte = {Percorso("prova"), Percorso("altro.qdn")};
    Modale::Rispondi(0);
    EXPECT_TRUE(SalvaQuadernoConNome());
    EXPECT_EQ(LeggiTutto(Percorso("altro.qdn")), DueFogliVuoti);
    EXPECT_EQ(LeggiTutto(Percorso("prova.qdn")), DieciRighe);
    scelte = {Percorso("prova")};
    Modale::Rispondi(1);
    EXPECT_TRUE(SalvaQuadernoConNome());
    EXPECT_EQ(LeggiTutto(Percorso("prova.qdn")), DueFogliVuoti);
}

TEST_F(Quaderno, SalvaConNomeFallitoOAnnullatoTieneNomeEStato)
{
    NomeQuaderno = Percorso("vecchio.qdn");
    Unica<Princ>::Istanza()->ImpostaPannello(1, QStringLiteral("Nome del quaderno: vecchio.qdn   "));
    QuadernoModificato = VERO;
    QWidget servizio;
    servizio.setWindowTitle(QStringLiteral("Istogramma"));
    servizio.show();
    // Cancelled: the service windows are closed all the same.
    EXPECT_FALSE(SalvaQuadernoConNome());
    EXPECT_FALSE(servizio.isVisible());

    ScriviTutto(Percorso("file"), "x");
    scelte = {Percorso("file/nuovo")};
    EXPECT_FALSE(SalvaQuadernoConNome());
    Salvataggio_Fallito();
    EXPECT_EQ(NomeQuaderno, Percorso("vecchio.qdn"));
    EXPECT_EQ(Pannello(1), QStringLiteral("Nome del quaderno: vecchio.qdn   "));
    EXPECT_EQ(QuadernoModificato, VERO);
}

// --- The save question of New and Open ----------------------------------------------

TEST_F(Quaderno, NuovoEApriNonScartanoSeIlSalvataggioNonRiesce)
{
    ScriviTutto(Percorso("file"), "x");
    ScriviTutto(Percorso("altro.qdn"), DueFogliVuoti);
    // nome: the notebook's name; scelta: the answer of the save dialog.
    auto prova = [&](void (*comando)(), const QString& nome, const QString& scelta, bool fallisce) {
        Modale::Azzera();
        richieste.clear();
        Esempio();
        NomeQuaderno = nome;
        QuadernoModificato = VERO;
        scelte = {scelta, Percorso("altro.qdn")};
        Modale::Rispondi(1);
        comando();
        EXPECT_EQ(NumFrazioniA, 2);
        EXPECT_EQ(QuadernoModificato, VERO);
        EXPECT_EQ(NomeQuaderno, nome);
        // Only the save dialog, when there was no name; never the open dialog.
        EXPECT_EQ(richieste.size(), nome.isEmpty() ? 1u : 0u);
        for (const auto& r : richieste) EXPECT_TRUE(r.Salva);
        EXPECT_EQ(Mostrati("piattaforma").size(), fallisce ? 1 : 0);
    };
    for (auto comando : {&MnuFileNuovoQuaderno_Click, &MnuFileApri_Click}) {
        prova(comando, Percorso("file/prova.qdn"), QString(), true);   // save fails
        prova(comando, QString(), QString(), false);                   // save as cancelled
        prova(comando, QString(), Percorso("file/x"), true);           // save as fails
        EXPECT_EQ(Mostrati("domanda")[0].titolo, comando == &MnuFileApri_Click ? QStringLiteral("Apri quaderno")
                                                                                : QStringLiteral("Nuovo quaderno"));
    }
}

// --- The real dialogs -------------------------------------------------------------------

TEST_F(Quaderno, DialoghiVeriTitoloFiltroECartellaDiPartenza)
{
    struct Visto {
        QString titolo;
        QStringList filtri;
        QString cartella;
        bool salva;
        QString nome;
    };
    std::vector<Visto> visti;
    // Answers the next file dialog with nome (empty: cancel).
    auto rispondi = [&visti](const QString& nome) {
        QuandoModale([&visti, nome](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            if (!d) {
                w->close();
                return;
            }
            QLineEdit* campo = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            visti.push_back({d->windowTitle(), d->nameFilters(), d->directory().absolutePath(),
                             d->acceptMode() == QFileDialog::AcceptSave, campo ? campo->text() : QString()});
            if (nome.isEmpty() || !campo) {
                d->reject();
            } else {
                // The full path typed as the name: the dialog takes it as is.
                campo->setText(nome);
                QMetaObject::invokeMethod(d, "accept");
            }
        });
    };
    ASSERT_TRUE(QDir(cartella.path()).mkdir("sotto"));
    Esempio();
    ImpostaDialogoQuaderno({});
    Modale::Copione(false);
    rispondi(Percorso("sotto/prova"));
    const bool salvato = SalvaQuadernoConNome();
    rispondi(QString());
    MnuFileApri_Click();
    Modale::Copione(true);

    EXPECT_TRUE(salvato);
    EXPECT_EQ(LeggiTutto(Percorso("sotto/prova.qdn")), DieciRighe);
    EXPECT_EQ(NomeQuaderno, Percorso("sotto/prova.qdn"));
    ASSERT_EQ(visti.size(), 2u);
    // Save as starts in the program folder, with no name preset.
    EXPECT_EQ(visti[0].titolo, QStringLiteral("Salva quaderno con nome"));
    EXPECT_EQ(visti[0].filtri, QStringList{QStringLiteral("File di quaderno (*.qdn)")});
    EXPECT_EQ(visti[0].cartella, QDir(cartella.path()).absolutePath());
    EXPECT_TRUE(visti[0].salva);
    EXPECT_TRUE(visti[0].nome.isEmpty());
    // Open then starts in the folder of the notebook just saved, its name
    // preset; cancelling it changes nothing.
    EXPECT_EQ(visti[1].titolo, QStringLiteral("Apri quaderno"));
    EXPECT_EQ(visti[1].filtri, QStringList{QStringLiteral("File di quaderno (*.qdn)")});
    EXPECT_EQ(visti[1].cartella, QDir(Percorso("sotto")).absolutePath());
    EXPECT_FALSE(visti[1].salva);
    EXPECT_EQ(visti[1].nome, QStringLiteral("prova.qdn"));
    EXPECT_EQ(NumFrazioniA, 2);
    EXPECT_EQ(Pannello(1), QStringLiteral("Nome del quaderno: prova.qdn   "));
}

// --- Open ------------------------------------------------------------------------------

TEST_F(Quaderno, ApriMostraLeFinestreSecondoIFogli)
{
    ASSERT_TRUE(QDir(cartella.path()).mkdir("sotto"));
    ASSERT_TRUE(ScriviFileQuaderno(Percorso("sotto/ambo.qdn"),
                                   {{{3, 4, 1, 12}, {1, 2, 0, 1}}, {{5, 8, 1, 9}}}));
    ASSERT_TRUE(ScriviFileQuaderno(Percorso("solob.qdn"), {{}, {{1, 3, 0, 2}}}));
    ASSERT_TRUE(ScriviFileQuaderno(Percorso("vuoto.qdn"), {{}, {}}));
    ScriviAppunti(QStringLiteral("da buttare"));
    QuadernoModificato = FALSO;
    Rtf::SalvaFile(Percorso("sotto/ambo.rtf"), QTextDocument(QStringLiteral("note di ambo")));

    // Both sheets hold fractions: everything open, sheet A active.
    scelte = {Percorso("sotto/ambo.qdn")};
    MnuFileApri_Click();
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    ASSERT_EQ(richieste.size(), 1u);
    EXPECT_FALSE(richieste[0].Salva);
    EXPECT_EQ(richieste[0].Titolo, QStringLiteral("Apri quaderno"));
    EXPECT_EQ(richieste[0].Cartella, cartella.path());
    EXPECT_EQ(NomeQuaderno, Percorso("sotto/ambo.qdn"));
    EXPECT_EQ(Pannello(1), QStringLiteral("Nome del quaderno: ambo.qdn   "));
    EXPECT_EQ(Pannello(2), QStringLiteral("Foglio: A   "));
    EXPECT_EQ(FoglioAttivo, 1);
    EXPECT_TRUE(FoglioVisibile(1) && FoglioVisibile(2) && AppuntiVisibili());
    EXPECT_TRUE(Premuto(1) && Premuto(2) && Premuto(3));
    EXPECT_EQ(TxtAppunti()->toPlainText(), QStringLiteral("note di ambo"));
    EXPECT_EQ(QuadernoModificato, FALSO);
    // Showing sheet B and then sheet A clears each other's selection.
    EXPECT_EQ(FotografaQuaderno(), (ContenutoQuaderno{{{3, 4, 0, 12}, {1, 2, 0, 1}}, {{5, 8, 0, 9}}}));
    // Tiled side by side: A, B, notes.
    EXPECT_LT(Fogli::Istanza(1)->x(), Fogli::Istanza(2)->x());
    EXPECT_LT(Fogli::Istanza(2)->x(), Unica<FrmAppunti>::Istanza()->x());

    // Only sheet B: sheet B alone with the notes; no notes file empties them.
    scelte = {Percorso("solob.qdn")};
    MnuFileApri_Click();
    ASSERT_EQ(richieste.size(), 2u);
    EXPECT_EQ(richieste[1].Cartella, Percorso("sotto"));
    EXPECT_FALSE(FoglioVisibile(1));
    EXPECT_TRUE(FoglioVisibile(2) && AppuntiVisibili());
    EXPECT_FALSE(Premuto(1));
    EXPECT_TRUE(Premuto(2) && Premuto(3));
    EXPECT_EQ(FoglioAttivo, 2);
    EXPECT_TRUE(TxtAppunti()->toPlainText().isEmpty());
    EXPECT_EQ(QuadernoModificato, FALSO);
    EXPECT_EQ(NumFrazioniA, 0);

    // Both empty: sheet A and the notes.
    scelte = {Percorso("vuoto.qdn")};
    MnuFileApri_Click();
    EXPECT_TRUE(FoglioVisibile(1) && AppuntiVisibili());
    EXPECT_FALSE(FoglioVisibile(2));
    EXPECT_TRUE(Premuto(1) && Premuto(3));
    EXPECT_FALSE(Premuto(2));
    EXPECT_EQ(FoglioAttivo, 1);
}

TEST_F(Quaderno, ApriRifiutaCioCheNonEUnQuadernoSenzaToccareNulla)
{
    Esempio();
    NomeQuaderno = Percorso("vecchio.qdn");
    Unica<Princ>::Istanza()->ImpostaPannello(1, QStringLiteral("Nome del quaderno: vecchio.qdn   "));
    ScriviAppunti(QStringLiteral("vecchi appunti"));
    QuadernoModificato = VERO;
    const ContenutoQuaderno prima = FotografaQuaderno();

    const QList<QByteArray> cattivi = {" 129 \r\n",    "-1 \r\n 0 \r\n", "1,1,0,0,0,0", "1,0,4,0,0,0",
                                       "1,5,4,0,0,0", "1,1,2,0,16,0",  "1,1,2,0,12", "abc\r\n0\r\n",
                                       "1,1,32768,0,0,0"};
    QStringList nomi;
    for (int i = 0; i < cattivi.size(); ++i) {
        nomi << Percorso(QStringLiteral("cattivo%1.qdn").arg(i));
        ScriviTutto(nomi.last(), cattivi[i]);
    }
    // A missing file, notes that are not rich text.
    ScriviTutto(Percorso("note.qdn"), DueFogliVuoti);
    ScriviTutto(Percorso("note.rtf"), "testo semplice");
    nomi << Percorso("manca.qdn") << Percorso("note.qdn");
    // Files no save writes: notes that are a pipe nobody writes to or a link
    // to a device without end, a notebook that is a pipe, a notebook with
    // more after its records than any notebook holds.
    for (const char* n : {"tubo", "zeri"}) {
        ScriviTutto(Percorso(QStringLiteral("%1.qdn").arg(n)), DueFogliVuoti);
        nomi << Percorso(QStringLiteral("%1.qdn").arg(n));
    }
    ASSERT_EQ(mkfifo(QFile::encodeName(Percorso("tubo.rtf")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), Percorso("zeri.rtf")));
    ASSERT_EQ(mkfifo(QFile::encodeName(Percorso("solotubo.qdn")).constData(), 0600), 0);
    ScriviTutto(Percorso("coda.qdn"), DueFogliVuoti + QByteArray(2 << 20, ' '));
    nomi << Percorso("solotubo.qdn") << Percorso("coda.qdn");
    // Names that do not end in ".qdn" exactly (the comparison heeds case).
    ScriviTutto(Percorso("PROVA.QDN"), DueFogliVuoti);
    ScriviTutto(Percorso("prova.txt"), DueFogliVuoti);
    const QStringList nomiRifiutati = {Percorso("PROVA.QDN"), Percorso("prova.txt")};

    for (const QString& nome : nomi + nomiRifiutati) {
        const bool perIlNome = nomiRifiutati.contains(nome);
        NomeQuaderno = Percorso("vecchio.qdn");
        Modale::Azzera();
        Modale::Rispondi(0);   // not saved: the notebook stays modified
        scelte = {nome};
        MnuFileApri_Click();
        AvvisoNonQuaderno();
        EXPECT_EQ(FotografaQuaderno(), prima) << nome.toStdString();
        // A refused name leaves the notebook without a name; a refused
        // content leaves even the name as it was.
        EXPECT_EQ(NomeQuaderno, perIlNome ? QString() : Percorso("vecchio.qdn")) << nome.toStdString();
        EXPECT_EQ(Pannello(1), QStringLiteral("Nome del quaderno: vecchio.qdn   "));
        EXPECT_EQ(TxtAppunti()->toPlainText(), QStringLiteral("vecchi appunti"));
        EXPECT_EQ(QuadernoModificato, VERO);
        EXPECT_TRUE(FoglioVisibile(1));
        EXPECT_FALSE(AppuntiVisibili());
    }

    // After the refused name, Save asks for one instead of writing anywhere.
    richieste.clear();
    MnuFileSalva_Click();
    ASSERT_EQ(richieste.size(), 1u);
    EXPECT_TRUE(richieste[0].Salva);
    EXPECT_FALSE(QFile::exists(Percorso("vecchio.qdn")));
}

TEST_F(Quaderno, SelezioniEColoriTornanoDalFile)
{
    ASSERT_TRUE(ApplicaContenutoQuaderno({{{3, 4, 1, 12}, {1, 2, 0, 1}, {7, 7, 1, 15}}, {}}));
    const ContenutoQuaderno prima = FotografaQuaderno();
    QTextCursor c(TxtAppunti()->document());
    QTextCharFormat grassetto;
    grassetto.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral("importante"), grassetto);
    scelte = {Percorso("giro.qdn")};
    ASSERT_TRUE(SalvaQuadernoConNome());
    MnuFileNuovoQuaderno_Click();
    ASSERT_EQ(NumFrazioniA, 0);
    scelte = {Percorso("giro.qdn")};
    MnuFileApri_Click();
    EXPECT_EQ(FotografaQuaderno(), prima);
    QTextCursor letto(TxtAppunti()->document());
    letto.setPosition(3);
    EXPECT_EQ(TxtAppunti()->toPlainText(), QStringLiteral("importante"));
    EXPECT_GT(letto.charFormat().fontWeight(), QFont::Medium);
}

// Opening from the notes: hiding the windows before the new notebook shows
// activates no sheet, so no selection read from the file is cleared.
TEST_F(Quaderno, AprireDagliAppuntiTieneLaSelezioneDelFoglioB)
{
    ASSERT_TRUE(ScriviFileQuaderno(Percorso("solob.qdn"), {{}, {{1, 3, 1, 2}, {2, 3, 0, 2}}}));
    Unica<Princ>::Istanza()->ImpostaToolbar2(3, true);
    MostraAppunti();
    ASSERT_EQ(FoglioAttivo, 3);
    scelte = {Percorso("solob.qdn")};
    MnuFileApri_Click();
    ASSERT_EQ(NumFrazioniB, 2);
    EXPECT_EQ(Frazioni[2][1][3], 1);
    EXPECT_EQ(Frazioni[2][2][3], 0);
    EXPECT_EQ(FoglioAttivo, 2);
}

// --- New, Clear sheet, Exit ------------------------------------------------------------

TEST_F(Quaderno, NuovoSvuotaTuttoEMostraSoloIlFoglioA)
{
    ASSERT_TRUE(ApplicaContenutoQuaderno({{{1, 2, 0, 3}}, {{1, 4, 0, 2}}}));
    NomeQuaderno = Percorso("prova.qdn");
    ScriviAppunti(QStringLiteral("appunti"));
    Unica<Princ>::Istanza()->ImpostaToolbar2(2, true);
    MostraFoglio(2);
    Unica<Princ>::Istanza()->ImpostaToolbar2(3, true);
    MostraAppunti();
    RaggioFoglioA = 1200;
    NumFrazioniCopiate = 1;
    QuadernoModificato = VERO;
    QWidget servizio;
    servizio.setWindowTitle(QStringLiteral("Rappresentazione lineare"));
    servizio.show();

    // "Annulla" keeps everything.
    Modale::Rispondi(2);
    MnuFileNuovoQuaderno_Click();
    EXPECT_EQ(NumFrazioniA, 1);
    EXPECT_TRUE(servizio.isVisible());
    ASSERT_EQ(Mostrati("domanda").size(), 1);
    EXPECT_EQ(Mostrati("domanda")[0].testo, QStringLiteral("Salvare il quaderno ?"));
    EXPECT_EQ(Mostrati("domanda")[0].tipo, 1);

    // "Sì" with a name saves first, then empties.
    Modale::Rispondi(1);
    MnuFileNuovoQuaderno_Click();
    EXPECT_EQ(LeggiTutto(Percorso("prova.qdn")), QByteArray(" 1 \r\n 1 \r\n 2 \r\n 0 \r\n 3 \r\n 1 \r\n 1 \r\n 4 \r\n 0 \r\n 2 \r\n"));
    EXPECT_TRUE(QFile::exists(Percorso("prova.rtf")));
    EXPECT_FALSE(servizio.isVisible());
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_EQ(NumFrazioniB, 0);
    EXPECT_TRUE(TxtAppunti()->toPlainText().isEmpty());
    EXPECT_EQ(QuadernoModificato, FALSO);
    EXPECT_TRUE(NomeQuaderno.isEmpty());
    EXPECT_EQ(Pannello(1), QStringLiteral("Nome quaderno: senza nome   "));
    EXPECT_EQ(Pannello(2), QStringLiteral("Foglio: A   "));
    EXPECT_TRUE(FoglioVisibile(1));
    EXPECT_FALSE(FoglioVisibile(2) || AppuntiVisibili());
    EXPECT_TRUE(Premuto(1));
    EXPECT_FALSE(Premuto(2) || Premuto(3));
    EXPECT_EQ(FoglioAttivo, 1);
    EXPECT_EQ(RaggioFoglioA, 1200);
    EXPECT_EQ(NumFrazioniCopiate, 1);
}

TEST_F(Quaderno, CancellaIlFoglioAttivoDopoLaDomanda)
{
    Esempio();
    FoglioAttivo = 1;
    for (int risposta : {0, 2}) {
        Modale::Rispondi(risposta);
        MnuFileCancellaFoglio_Click();
        EXPECT_EQ(NumFrazioniA, 2);
        EXPECT_EQ(QuadernoModificato, FALSO);
    }
    Modale::Rispondi(1);
    MnuFileCancellaFoglio_Click();
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_EQ(QuadernoModificato, VERO);

    FoglioAttivo = 2;
    MnuFileCancellaFoglio_Click();
    FoglioAttivo = 3;
    MnuFileCancellaFoglio_Click();
    QStringList testi;
    for (const auto& m : Mostrati("domanda")) {
        testi << m.testo;
        EXPECT_EQ(m.titolo, QStringLiteral("Cancella foglio"));
        EXPECT_EQ(m.tipo, 1);
    }
    EXPECT_EQ(testi.mid(2), (QStringList{"Cancellare il foglio di calcolo A?", "Cancellare il foglio di calcolo B?",
                                         "Cancellare il foglio degli appunti?"}));
}

TEST_F(Quaderno, EsciChiudeLaFinestraPrincipale)
{
    MnuFileEsci_Click();
    EXPECT_EQ(InChiusura, VERO);
    EXPECT_FALSE(Unica<Princ>::Istanza()->isVisible());
}

TEST_F(Quaderno, ChiudiFinestreServizioGuardaLeCinqueLettere)
{
    auto finestra = [](const QString& titolo) {
        auto* w = new QWidget;
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->setWindowTitle(titolo);
        w->show();
        return std::unique_ptr<QWidget>(w);
    };
    const auto servizio = finestra(QStringLiteral("Istogramma"));
    const auto minuscolo = finestra(QStringLiteral("zefra copia"));
    const auto zefra = finestra(QStringLiteral("Zefra copia"));
    const auto fogli = finestra(QStringLiteral("Fogliolina"));
    auto* figlio = Unica<Princ>::Istanza()->AreaMdi()->addSubWindow(new QWidget);
    figlio->setWindowTitle(QStringLiteral("Copia"));
    figlio->show();
    const QPointer<QMdiSubWindow> guardia(figlio);
    Unica<Princ>::Istanza()->ImpostaToolbar2(3, true);
    MostraAppunti();

    // A loaded window that is hidden goes too.
    auto* nascosta = new QWidget;
    nascosta->setAttribute(Qt::WA_DeleteOnClose, true);
    nascosta->setWindowTitle(QStringLiteral("Rappresentazione lineare"));
    const QPointer<QWidget> guardiaNascosta(nascosta);

    ChiudiFinestreServizio();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guardiaNascosta.isNull());
    EXPECT_FALSE(servizio->isVisible());
    EXPECT_FALSE(minuscolo->isVisible());
    EXPECT_TRUE(zefra->isVisible());
    EXPECT_TRUE(fogli->isVisible());
    EXPECT_TRUE(!guardia || !guardia->isVisible());
    EXPECT_TRUE(Unica<Princ>::Istanza()->isVisible());
    EXPECT_TRUE(FoglioVisibile(1) && AppuntiVisibili());
}

// --- Start-up open ------------------------------------------------------------------------

class QuadernoAvvio : public Quaderno {
protected:
    void SetUp() override
    {
        ProvaZefra::SetUp();
        ImpostaFonteSchermo([] { return QSize(1280, 1024); });
    }
    void Avvia(const QStringList& argomenti)
    {
        Main(argomenti);
        Pronto(false);
    }
    void SoloFoglioA() const
    {
        EXPECT_TRUE(FoglioVisibile(1));
        EXPECT_TRUE(FoglioCaricato(2));
        EXPECT_FALSE(FoglioVisibile(2) || AppuntiVisibili());
        EXPECT_EQ(Pannello(1), QStringLiteral("Nome del quaderno: senza nome   "));
    }
};

TEST_F(QuadernoAvvio, TraVirgoletteEConSpazi)
{
    const QString percorso = Percorso("mio quaderno.qdn");
    ASSERT_TRUE(ScriviFileQuaderno(percorso, {{}, {{2, 3, 0, 4}}}));
    const QString cartellaTesto = cartella.path();
    Avvia({QLatin1Char('"') + cartellaTesto + QStringLiteral("/mio"), QStringLiteral("quaderno.qdn\"")});
    EXPECT_EQ(NomeQuaderno, percorso);
    EXPECT_EQ(Pannello(1), QStringLiteral("Nome del quaderno: mio quaderno.qdn   "));
    EXPECT_EQ(NumFrazioniB, 1);
    EXPECT_TRUE(FoglioVisibile(2) && AppuntiVisibili());
    EXPECT_FALSE(FoglioVisibile(1));
    EXPECT_TRUE(Suono::Registrati().isEmpty());

    Unica<Princ>::Distruggi();
    AzzeraStatoGenerale();
    Avvia({cartellaTesto + QStringLiteral("/mio"), QStringLiteral("quaderno.qdn")});
    EXPECT_EQ(NomeQuaderno, percorso);
    EXPECT_EQ(NumFrazioniB, 1);
}

TEST_F(QuadernoAvvio, FileMancanteTieneIlNomePerIlPrimoSalvataggio)
{
    Avvia({Percorso("nuovo.qdn")});
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_EQ(NomeQuaderno, Percorso("nuovo.qdn"));
    SoloFoglioA();
    Esempio();
    MnuFileSalva_Click();
    EXPECT_EQ(LeggiTutto(Percorso("nuovo.qdn")), DieciRighe);
}

TEST_F(QuadernoAvvio, NomeOContenutoRifiutatiPartonoVuoti)
{
    ScriviTutto(Percorso("prova.txt"), DueFogliVuoti);
    ScriviTutto(Percorso("rotto.qdn"), " 1 \r\n 5 \r\n 4 \r\n 0 \r\n 0 \r\n 0 \r\n");
    for (const QString& nome : {Percorso("prova.txt"), Percorso("rotto.qdn")}) {
        Unica<Princ>::Distruggi();
        AzzeraStatoGenerale();
        Modale::Azzera();
        Avvia({nome});
        AvvisoNonQuaderno();
        EXPECT_TRUE(NomeQuaderno.isEmpty());
        EXPECT_EQ(NumFrazioniA, 0);
        SoloFoglioA();
    }
}
