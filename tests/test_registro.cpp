#include "Aiuti.h"
#include "platform/Colori.h"
#include "platform/Lingua.h"
#include "workspace/FrmNuovoRegistro.h"
#include "workspace/FrmRegistro.h"
#include "workspace/Messaggi.h"
#include "workspace/Registro.h"
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

namespace {
class Registro : public ProvaZefra {
protected:
    void SetUp() override
    {
        ProvaZefra::SetUp();
        localePrima = QLocale();
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        Orologio(QTime(14, 7, 9));
        Inizializza();
        CreaRegistro();
        Modale::Azzera();
        Suono::AzzeraRegistrati();
    }
    void TearDown() override
    {
        ImpostaOrologioRegistro(nullptr);
        QLocale::setDefault(localePrima);
        ProvaZefra::TearDown();
    }
    void Orologio(QTime ora)
    {
        ImpostaOrologioRegistro([ora] { return QDateTime(QDate(2024, 3, 5), ora); });
    }
    QByteArray Byte() const
    {
        QFile f(Percorso(QStringLiteral("registro.txt")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
    }
    static QByteArray Intestazione(const char* nome = "", const char* classe = "")
    {
        return QByteArray("ZEFRA - Registro degli errori\r\n"
                          "Data e ora di creazione del registro: 05/03/24; 14:07:09\r\n"
                          "Nome allievo: ") +
               nome + "\r\nClasse: " + classe + "\r\n\r\n\r\n";
    }
    QLocale localePrima;
};

const QByteArray Uguali(48, '=');
}

TEST_F(Registro, IntestazioneEDueErrori)
{
    EXPECT_EQ(Byte(), Intestazione());
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files), QStringList{QStringLiteral("registro.txt")});

    MostraMessaggio(QStringLiteral("Il denominatore non può essere zero"), 1, QStringLiteral("Immissione denominatore"));
    MostraMessaggio(QStringLiteral("Un foglio non può contenere più di 128 frazioni"), 3, QStringLiteral("Aggiungi"));
    Orologio(QTime(9, 5, 0));
    MostraMessaggio(QStringLiteral("Prima riga") + ACapo + QStringLiteral("seconda riga"), 2, QString());

    const QByteArray atteso = Intestazione() + "Errore #1 ore 14:07:09\r\n" + Uguali +
                              "\r\n\r\nOPERAZIONE ESEGUITA\r\nImmissione denominatore\r\n\r\n"
                              "MESSAGGIO EMESSO\r\nIl denominatore non pu\xc3\xb2 essere zero\r\n\r\n\r\n"
                              "Errore #2 ore 09:05:00\r\n" +
                              Uguali +
                              "\r\n\r\nOPERAZIONE ESEGUITA\r\n\r\n\r\n"
                              "MESSAGGIO EMESSO\r\nPrima riga\r\nseconda riga\r\n\r\n\r\n";
    EXPECT_EQ(Byte(), atteso);
    EXPECT_EQ(ContaErrori, 2);
    // One file only, whatever step wrote it.
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files), QStringList{QStringLiteral("registro.txt")});
}

TEST_F(Registro, OraSenzaFusoOrario)
{
    // The zone of the long time format goes, with the brackets some
    // languages put around it; quoted words of the format stay.
    const QTime ora(14, 7, 9);
    EXPECT_EQ(OraDiSistema(ora), QStringLiteral("14:07:09"));
    QLocale::setDefault(QLocale(QLocale::Catalan, QLocale::Spain));
    EXPECT_EQ(OraDiSistema(ora), QStringLiteral("14:07:09"));
    QLocale::setDefault(QLocale(QLocale::Basque, QLocale::Spain));
    EXPECT_EQ(OraDiSistema(ora), QStringLiteral("14:07:09"));
    QLocale::setDefault(QLocale(QLocale::LowGerman, QLocale::Germany));
    EXPECT_EQ(OraDiSistema(ora), QStringLiteral("Klock 14.07:09"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(OraDiSistema(ora), QStringLiteral("2:07:09 PM"));

    // The header follows the same format.
    CreaRegistro();
    EXPECT_TRUE(Byte().contains("Data e ora di creazione del registro: 3/5/24; 2:07:09 PM\r\n")) << Byte().constData();
}

TEST_F(Registro, ItalianoAncheSuUnaMacchinaInC)
{
    // A machine without a language of its own: the program still writes the
    // Italian short date and time.
    QLocale::setDefault(QLocale::c());
    ImpostaLinguaItaliana();
    CreaRegistro();
    EXPECT_TRUE(Byte().startsWith(Intestazione())) << Byte().constData();
    EXPECT_EQ(QLocale().toString(1234.5, 'f', 1), QStringLiteral("1.234,5"));
}

TEST_F(Registro, NuovoRegistroRicominciaDaUno)
{
    MostraMessaggio(QStringLiteral("Sbagliato"), 1, QStringLiteral("Prova"));
    MostraMessaggio(QStringLiteral("Sbagliato"), 1, QStringLiteral("Prova"));
    EXPECT_EQ(ContaErrori, 2);

    ConfermaNuovoRegistro(QStringLiteral("Maria Rossi "), QStringLiteral("3ª B"));
    EXPECT_EQ(NomeAllievo, QStringLiteral("Maria Rossi "));
    EXPECT_EQ(Classe, QStringLiteral("3ª B"));
    EXPECT_EQ(ContaErrori, 0);
    EXPECT_EQ(Byte(), Intestazione("Maria Rossi ", "3\xc2\xaa B"));

    MostraMessaggio(QStringLiteral("Sbagliato"), 1, QStringLiteral("Prova"));
    EXPECT_TRUE(Byte().startsWith(Intestazione("Maria Rossi ", "3\xc2\xaa B") + "Errore #1 ore 14:07:09\r\n"));
    EXPECT_FALSE(Byte().contains("Errore #2"));
}

TEST_F(Registro, NomeEClasseSuUnaRigaSola)
{
    ConfermaNuovoRegistro(QStringLiteral("Maria\r\nRossi"), QStringLiteral("3\nB\r"));
    EXPECT_EQ(Byte(), Intestazione("MariaRossi", "3B"));
    EXPECT_EQ(Byte().count("\r\n"), 6);
}

TEST_F(Registro, AggiuntaSuRegistroMancanteLoCrea)
{
    ASSERT_TRUE(QFile::remove(Percorso(QStringLiteral("registro.txt"))));
    MostraMessaggio(QStringLiteral("Errore"), 2, QStringLiteral("Prova"));
    EXPECT_TRUE(Byte().startsWith("Errore #1 ore 14:07:09\r\n" + Uguali + "\r\n"));
}

TEST_F(Registro, FileNonScrivibileUsaIlBoxDellaPiattaforma)
{
    CartellaProgramma = Percorso(QStringLiteral("non_esiste/"));
    const Modale::Mostrato guasto{QStringLiteral("piattaforma"),
                                  QStringLiteral("Impossibile aggiornare il file registro.txt"), QStringLiteral("Zefra"),
                                  int(IconaBox::Critico)};
    const auto uguale = [](const Modale::Mostrato& a, const Modale::Mostrato& b) {
        return a.genere == b.genere && a.testo == b.testo && a.titolo == b.titolo && a.tipo == b.tipo;
    };

    CreaRegistro();
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    EXPECT_TRUE(uguale(Modale::Mostrati()[0], guasto));

    // The count is raised even though the entry cannot be written.
    Modale::Azzera();
    MostraMessaggio(QStringLiteral("Sbagliato"), 1, QStringLiteral("Prova"));
    ASSERT_EQ(Modale::Mostrati().size(), 2);
    EXPECT_EQ(Modale::Mostrati()[0].genere, QStringLiteral("messaggio"));
    EXPECT_TRUE(uguale(Modale::Mostrati()[1], guasto));
    EXPECT_EQ(ContaErrori, 1);

    Modale::Azzera();
    ConfermaNuovoRegistro(QStringLiteral("Luca"), QStringLiteral("4A"));
    EXPECT_EQ(NomeAllievo, QStringLiteral("Luca"));
    EXPECT_EQ(ContaErrori, 0);
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    EXPECT_TRUE(uguale(Modale::Mostrati()[0], guasto));
}

TEST_F(Registro, DialogoNuovoRegistro)
{
    NomeAllievo = QStringLiteral("Anna");
    Classe = QStringLiteral("5C");
    const QByteArray prima = Byte();
    bool visto = false;
    QuandoModale([&](QWidget* w) {
        visto = true;
        auto* d = qobject_cast<FrmNuovoRegistro*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(w->objectName(), QStringLiteral("FrmNuovoRegistro"));
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Nuovo registro degli errori"));
        EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(d->TxtNome()->text(), QStringLiteral("Anna"));
        EXPECT_EQ(d->TxtNome()->cursorPosition(), 4);
        EXPECT_EQ(d->TxtClasse()->cursorPosition(), 2);
        EXPECT_FALSE(d->TxtNome()->hasSelectedText());
        EXPECT_EQ(w->focusWidget(), d->TxtNome());
        const auto testo = [w](const char* nome) {
            auto* l = w->findChild<QLabel*>(QLatin1String(nome));
            return l ? l->text() : QStringLiteral("<assente>");
        };
        EXPECT_EQ(testo("Label1"), QStringLiteral("Nome allievo"));
        EXPECT_EQ(testo("Label2"), QStringLiteral("Classe"));
        EXPECT_EQ(testo("Label3"),
                  QStringLiteral("Sarà creato un nuovo registro degli errori ed eliminato il precedente. Tieni presente "
                                 "che all'avvio di Zefra viene automaticamente creato un nuovo registro con il nome "
                                 "dell'allievo e la classe in bianco."));
        EXPECT_EQ(d->CmdOk()->text(), QStringLiteral("OK"));
        EXPECT_EQ(d->CmdAnnulla()->text(), QStringLiteral("Annulla"));
        d->TxtNome()->setText(QStringLiteral("Giulia"));
        d->CmdAnnulla()->click();
    });
    NuovoRegistro();
    EXPECT_TRUE(visto);
    EXPECT_EQ(NomeAllievo, QStringLiteral("Anna"));
    EXPECT_EQ(Byte(), prima);

    MostraMessaggio(QStringLiteral("Sbagliato"), 1, QStringLiteral("Prova"));
    QuandoModale([&](QWidget* w) {
        auto* d = qobject_cast<FrmNuovoRegistro*>(w);
        ASSERT_NE(d, nullptr);
        d->TxtNome()->setText(QStringLiteral(" Giulia"));
        d->TxtClasse()->setText(QStringLiteral("2D"));
        d->CmdOk()->click();
    });
    NuovoRegistro();
    EXPECT_EQ(NomeAllievo, QStringLiteral(" Giulia"));
    EXPECT_EQ(ContaErrori, 0);
    EXPECT_EQ(Byte(), Intestazione(" Giulia", "2D"));
}

TEST_F(Registro, MostraIlRegistro)
{
    MostraMessaggio(QStringLiteral("Sbagliato"), 1, QStringLiteral("Prova"));
    bool visto = false;
    QuandoModale([&](QWidget* w) {
        visto = true;
        auto* f = qobject_cast<FrmRegistro*>(w);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(w->objectName(), QStringLiteral("FrmRegistro"));
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Registro degli errori"));
        EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(f->CmdAnnulla()->text(), QStringLiteral("Chiudi"));
        EXPECT_EQ(f->RichTextBox1()->objectName(), QStringLiteral("RichTextBox1"));
        EXPECT_EQ(f->RichTextBox1()->toPlainText(), QString::fromUtf8(Byte()).replace(QStringLiteral("\r\n"), "\n"));
        QTextCursor c(f->RichTextBox1()->document());
        c.setPosition(3);
        EXPECT_EQ(c.charFormat().foreground().color(), QBColor(1));
        EXPECT_EQ(c.charFormat().fontPointSize(), 12);
        f->CmdAnnulla()->click();
    });
    MostraRegistro();
    EXPECT_TRUE(visto);
    EXPECT_TRUE(Modale::Mostrati().size() == 1);   // only the error above
}

TEST_F(Registro, RegistroMancanteNonBloccaMostraEStampa)
{
    ASSERT_TRUE(QFile::remove(Percorso(QStringLiteral("registro.txt"))));
    MostraRegistro();
    StampaRegistro();
    ASSERT_EQ(Modale::Mostrati().size(), 2);
    EXPECT_EQ(Modale::Mostrati()[0].testo, QStringLiteral("Impossibile leggere il file registro.txt"));
    EXPECT_EQ(Modale::Mostrati()[0].tipo, 3);
    EXPECT_EQ(Modale::Mostrati()[1].testo, QStringLiteral("Errore di stampante"));
    EXPECT_EQ(Modale::Mostrati()[1].tipo, 3);
    EXPECT_EQ(Modale::Mostrati()[1].titolo, QStringLiteral("Stampa registro"));
    EXPECT_EQ(ContaErrori, 0);
    EXPECT_EQ(Byte(), QByteArray("<assente>"));
}

TEST_F(Registro, StampaSenzaStampante)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed here";
    StampaRegistro();
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    EXPECT_EQ(Modale::Mostrati()[0].testo, QStringLiteral("Errore di stampante"));
    EXPECT_EQ(Modale::Mostrati()[0].tipo, 3);
    EXPECT_EQ(Suono::Registrati(), QStringList{QStringLiteral("bip")});
}

TEST_F(Registro, StampaDelTestoSuFilePdf)
{
    MostraMessaggio(QStringLiteral("Sbagliato"), 1, QStringLiteral("Prova"));
    QString testo;
    ASSERT_TRUE(LeggiRegistro(testo));
    EXPECT_EQ(testo.toUtf8(), Byte());
    QPrinter stampante;
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setOutputFileName(Percorso(QStringLiteral("registro.pdf")));
    EXPECT_TRUE(StampaTestoRegistro(testo, stampante));
    QFile pdf(Percorso(QStringLiteral("registro.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray contenuto = pdf.readAll();
    EXPECT_TRUE(contenuto.startsWith("%PDF"));
    EXPECT_GT(contenuto.size(), 1000);
}
