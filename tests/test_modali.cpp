#include "Aiuti.h"
#include "AiutiFinestre.h"
#include "commands/Comandi.h"
#include "platform/Finestre.h"
#include "platform/OrdineFinestre.h"
#include "workspace/FrmSplash.h"
#include "workspace/Messaggi.h"
#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {
using Modali = ProvaZefra;
bool SopraTutte(QWidget* w) { return w->windowHandle()->flags() & Qt::WindowStaysOnTopHint; }

// Real boxes, answered by the test as they come up.
class BoxVeri : public ProvaZefra {
protected:
    void SetUp() override
    {
        ProvaZefra::SetUp();
        Inizializza();
        CreaRegistro();
        ImpostaFonteSchermo([] { return QSize(1280, 1024); });
        Modale::Copione(false);
    }
    void TearDown() override
    {
        Modale::Copione(true);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ProvaZefra::TearDown();
    }
    // The main window on screen, as after start-up.
    Princ* Principale()
    {
        Modale::Copione(true);
        CaricaPrinc(QString());
        Modale::Copione(false);
        Princ* p = Unica<Princ>::Istanza();
        p->show();
        return p;
    }
};

// Runs azione on the box titled titolo as soon as it is the open one.
void QuandoBox(const QString& titolo, std::function<void(QWidget*)> azione, int tentativi = 1000)
{
    QTimer::singleShot(10, [=] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w->windowTitle() == titolo) azione(w);
        else if (tentativi > 0) QuandoBox(titolo, azione, tentativi - 1);
    });
}

void Premi(QWidget* box, const char* bottone) { box->findChild<QPushButton*>(QLatin1String(bottone))->click(); }
}

TEST_F(Modali, DuranteUnDialogoSoloLuiRestaSopraEPoiTuttoTorna)
{
    SorvegliaModali();
    QWidget tavola;
    RendiSempreSopra(&tavola);
    tavola.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tavola));

    QDialog dialogo;
    RendiSempreSopra(&dialogo);
    bool visto = false;
    QuandoModale([&](QWidget*) {
        visto = true;
        EXPECT_TRUE(SopraTutte(&dialogo));
        EXPECT_FALSE(SopraTutte(&tavola));
        // Minimised by the window manager all the same: it comes straight back.
        dialogo.showMinimized();
        QTimer::singleShot(0, [&] {
            EXPECT_FALSE(dialogo.isMinimized());
            dialogo.reject();
        });
    });
    dialogo.exec();
    EXPECT_TRUE(visto);
    EXPECT_TRUE(QTest::qWaitFor([&] { return SopraTutte(&tavola); }));
    EXPECT_TRUE(tavola.windowFlags() & Qt::WindowStaysOnTopHint);

    // A box over the top-most window leaves it as it is: the box stays over
    // its own window anyway.
    QDialog box(&tavola);
    QuandoModale([&](QWidget*) {
        EXPECT_TRUE(SopraTutte(&tavola));
        box.reject();
    });
    box.exec();
}

// Whatever box is open, the window it belongs to may go first (deleted at
// once, or closed as a window that deletes itself on closing): the box goes
// with it, nothing is freed twice, and its caller goes on as after Annulla.
TEST_F(BoxVeri, IlBoxSeneVaConLaSuaFinestraSenzaDanni)
{
    NomeAllievo = QStringLiteral("Anna");
    const QList<QPair<const char*, std::function<bool()>>> aperture = {
        {"messaggio", [] { MostraMessaggio(QStringLiteral("Denominatore nullo"), 1, QStringLiteral("Aggiungi"));
                           return ContaErrori == 1; }},
        {"domanda", [] { RispostaDomanda = 1;
                         MostraDomanda(QStringLiteral("Salvare il quaderno ?"), 1, QStringLiteral("Esci"));
                         return RispostaDomanda == 2; }},
        {"piattaforma", [] { BoxPiattaforma(QStringLiteral("Impossibile salvare il file"), IconaBox::Critico);
                             return true; }},
        {"nuovo registro", [] { NuovoRegistro(); return NomeAllievo == QLatin1String("Anna"); }},
        {"registro", [] { MostraRegistro(); return true; }},
        {"dialogo quaderno", [] { return MostraDialogoQuaderno(false).isEmpty(); }},
    };
    for (const bool subito : {true, false}) {
        for (const auto& [nome, apri] : aperture) {
            const std::string caso = std::string(nome) + (subito ? ", eliminata" : ", chiusa");
            ContaErrori = 0;
            QPointer<QWidget> finestra = new QWidget;
            finestra->setAttribute(Qt::WA_DeleteOnClose, !subito);
            finestra->show();
            finestra->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(finestra)) << caso;
            bool visto = false;
            QuandoModale([&](QWidget* box) {
                visto = box->parentWidget() && box->parentWidget()->window() == finestra;
                if (subito) delete finestra.data();
                else finestra->close();
            });
            EXPECT_TRUE(apri()) << caso;
            EXPECT_TRUE(visto) << caso;
            EXPECT_TRUE(QTest::qWaitFor([&] { return finestra.isNull(); })) << caso;
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << caso;
        }
    }
}

// The About window goes as soon as it loses the focus: a question asked
// over it (Esci sent while it is up) stays, and its answer is the pupil's.
TEST_F(BoxVeri, LaDomandaSopraLeInformazioniResta)
{
    Princ* p = Principale();
    QuadernoModificato = VERO;
    MnuGuidaInfo_Click();
    QPointer<FrmSplash> informazioni = Unica<FrmSplash>::SeEsiste();
    ASSERT_TRUE(informazioni);
    ASSERT_TRUE(QTest::qWaitForWindowActive(informazioni));
    bool restata = false;
    QuandoBox(QStringLiteral("Esci"), [&](QWidget* box) {
        QPointer<QWidget> domanda = box;
        EXPECT_TRUE(QTest::qWaitFor([&] { return informazioni.isNull(); }));
        restata = domanda && domanda->isVisible();
        if (domanda) Premi(domanda, "CmdNo");
    });
    p->Azione(QStringLiteral("MnuFileEsci"))->trigger();
    EXPECT_TRUE(restata);
    EXPECT_EQ(InChiusura, VERO);
    EXPECT_FALSE(p->isVisible());
}

// Esci sent while New or Open asks "Salvare il quaderno ?": the open
// question ends as Annulla, and so does its command; then Esci asks its own.
// Whatever the answer, the program either ends or keeps its main window,
// and the command never goes on.
TEST_F(BoxVeri, EsciDuranteLaDomandaDiUnComando)
{
    struct Caso {
        const char* comando;
        void (*esegui)();
        const char* risposta;
    };
    const Caso casi[] = {{"Apri quaderno", &MnuFileApri_Click, "CmdNo"},
                         {"Apri quaderno", &MnuFileApri_Click, "CmdAnnulla"},
                         {"Nuovo quaderno", &MnuFileNuovoQuaderno_Click, "CmdNo"},
                         {"Nuovo quaderno", &MnuFileNuovoQuaderno_Click, "CmdAnnulla"}};
    for (const Caso& c : casi) {
        const std::string caso = std::string(c.comando) + ", " + c.risposta;
        Unica<Princ>::Distruggi();
        InChiusura = FALSO;
        Princ* p = Principale();
        Riempi(1, 3, {1, 4, 0, 12});
        NomeQuaderno = Percorso(QStringLiteral("mio.qdn"));
        QuadernoModificato = VERO;
        int dialoghi = 0;
        ImpostaDialogoQuaderno([&](const RichiestaDialogoQuaderno&) {
            ++dialoghi;
            return QString();
        });
        bool esciChiesta = false, comandoFinito = false;
        QuandoBox(QString::fromLatin1(c.comando), [&](QWidget*) {
            QuandoBox(QStringLiteral("Esci"), [&](QWidget* box) {
                // Asked only once the command under it has ended.
                EXPECT_TRUE(comandoFinito) << caso;
                esciChiesta = true;
                Premi(box, c.risposta);
            });
            p->Azione(QStringLiteral("MnuFileEsci"))->trigger();
        });
        c.esegui();
        comandoFinito = true;
        EXPECT_TRUE(QTest::qWaitFor([&] { return esciChiesta; })) << caso;
        QCoreApplication::processEvents();
        EXPECT_EQ(dialoghi, 0) << caso;
        EXPECT_EQ(NumFrazioniA, 3) << caso;
        EXPECT_EQ(NomeQuaderno.toStdString(), Percorso(QStringLiteral("mio.qdn")).toStdString()) << caso;
        const bool finito = QByteArray(c.risposta) == "CmdNo";
        EXPECT_EQ(InChiusura, finito ? VERO : FALSO) << caso;
        EXPECT_EQ(p->isVisible(), !finito) << caso;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << caso;
    }
}
