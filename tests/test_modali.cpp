#include "Aiuti.h"
#include "AiutiFinestre.h"
#include "commands/Comandi.h"
#include "commands/FrmFattore.h"
#include "commands/FrmFrazione4.h"
#include "platform/Finestre.h"
#include "platform/OrdineFinestre.h"
#include "workspace/FrmSplash.h"
#include "workspace/Messaggi.h"
#include <QAction>
#include <QElapsedTimer>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>
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
    // A new main window on screen, as after start-up.
    Princ* Principale()
    {
        Unica<Princ>::Distruggi();
        InChiusura = FALSO;
        Modale::Copione(true);
        CaricaPrinc(QString());
        Modale::Copione(false);
        Princ* p = Unica<Princ>::Istanza();
        p->show();
        return p;
    }
};

// Runs azione on the open modal window as soon as it is one that e accepts.
void QuandoBoxTale(std::function<bool(QWidget*)> e, std::function<void(QWidget*)> azione, int tentativi = 1000)
{
    QTimer::singleShot(10, [=] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && e(w)) azione(w);
        else if (tentativi > 0) QuandoBoxTale(e, azione, tentativi - 1);
    });
}
// The same for the box titled titolo.
void QuandoBox(const QString& titolo, std::function<void(QWidget*)> azione)
{
    QuandoBoxTale([titolo](QWidget* w) { return w->windowTitle() == titolo; }, std::move(azione));
}

void Premi(QWidget* box, const char* bottone) { box->findChild<QPushButton*>(QLatin1String(bottone))->click(); }

QTimer* Rinvio(Princ* p) { return p->findChild<QTimer*>(QStringLiteral("RiprovaChiusura")); }
bool RinvioAttivo(Princ* p) { return Rinvio(p) && Rinvio(p)->isActive(); }

// Esci sent twice over the open box (a request repeated, as an assistive
// tool may), by a request that then goes on handling events for a few steps
// of the close's wait before it returns. The box is inside its exec() all
// that time, and so is the code that opened it: the main window must stay
// and the close must ask nothing yet.
void EsciSopraIlBox(Princ* p, QWidget* box)
{
    const QPointer<QWidget> b = box;
    p->Azione(QStringLiteral("MnuFileEsci"))->trigger();
    p->Azione(QStringLiteral("MnuFileEsci"))->trigger();
    ASSERT_TRUE(RinvioAttivo(p));
    QEventLoop attesa;
    int passi = 0;
    QObject::connect(Rinvio(p), &QTimer::timeout, &attesa, [&] {
        if (++passi == 3) attesa.quit();
    });
    // Stops at once should the close go on anyway.
    QTimer controllo;
    QObject::connect(&controllo, &QTimer::timeout, [&] {
        if (!p->isVisible() || QApplication::activeModalWidget()) attesa.quit();
    });
    controllo.start(1);
    attesa.exec();
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(BoxInCorso(b));
}

// Runs the main loop, as main() does once start-up is over, until the
// program ends it or nothing is left that could (no close waiting, no box
// open). finito: the program ended it itself (Qt's own end when the last
// window closes is off meanwhile) and its window is gone; else the window
// stays. Either way nothing is left waiting.
void FinisceComeScelto(Princ* p, bool finito)
{
    QApplication::setQuitOnLastWindowClosed(false);
    QTimer sorvegliante;
    int giri = 0;
    QObject::connect(&sorvegliante, &QTimer::timeout, [&] {
        if (!RinvioAttivo(p) && !QApplication::activeModalWidget()) QCoreApplication::exit(1);
        else if (++giri > 500) QCoreApplication::exit(2);
    });
    sorvegliante.start(20);
    EXPECT_EQ(QApplication::exec(), finito ? 0 : 1);
    QApplication::setQuitOnLastWindowClosed(true);
    EXPECT_EQ(InChiusura, finito ? VERO : FALSO);
    EXPECT_EQ(p->isVisible(), !finito);
    EXPECT_FALSE(RinvioAttivo(p));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
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

// Esci over a box of the start, which runs before the main loop does: over
// the refusal of a damaged notebook named on the command line, over the
// splash picture and over "Come iniziare" (which the splash picture's own
// close leads to). The box goes as Annulla, and so does one that the start
// shows after it; the program ends as soon as its main loop runs, with
// status 0 and nothing left waiting.
TEST_F(BoxVeri, EsciSopraUnBoxDellAvvioChiudeIlProgramma)
{
    const QString rotto = Percorso(QStringLiteral("rotto.qdn"));
    QFile f(rotto);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("non un quaderno");
    f.close();
    struct Caso {
        const char* nome;
        QString rigaComandi;
        std::function<bool(QWidget*)> box;
    };
    const Caso casi[] = {
        {"quaderno rifiutato", rotto, [](QWidget* w) { return w->windowTitle() == QLatin1String("Apri quaderno"); }},
        {"immagine iniziale", QString(), [](QWidget* w) { return qobject_cast<FrmSplash*>(w) != nullptr; }},
        {"come iniziare", QString(), [](QWidget* w) {
             // The pupil clicks the splash picture away first.
             if (qobject_cast<FrmSplash*>(w)) static_cast<QDialog*>(w)->accept();
             return w->objectName() == QLatin1String("FrmInfoAvvio");
         }},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Unica<Princ>::Distruggi();
        Princ* p = Unica<Princ>::Istanza();
        p->show();
        bool visto = false;
        QuandoBoxTale(c.box, [&](QWidget* box) {
            visto = true;
            EsciSopraIlBox(p, box);
        });
        // Start-up itself: a plain call, no event loop running.
        ASSERT_EQ(QThread::currentThread()->loopLevel(), 0);
        CaricaPrinc(c.rigaComandi);
        EXPECT_TRUE(visto);
        FinisceComeScelto(p, true);
    }
}

// Esci over the "Salvare il quaderno ?" of New or Open: the command's
// question goes as Annulla, and so does its command, which changes nothing;
// then Esci asks its own, once the command has ended. "No" ends the program,
// "Annulla" keeps it with its window, and a later Esci is asked as usual.
// The command runs before the main loop (as at start-up) or inside it (from
// the menu).
TEST_F(BoxVeri, EsciDuranteLaDomandaDiUnComando)
{
    struct Caso {
        const char* comando;
        void (*esegui)();
    };
    const Caso casi[] = {{"Apri quaderno", &MnuFileApri_Click}, {"Nuovo quaderno", &MnuFileNuovoQuaderno_Click}};
    for (const Caso& c : casi)
        for (const char* risposta : {"CmdNo", "CmdAnnulla"})
            for (const bool dalMenu : {false, true}) {
                SCOPED_TRACE(std::string(c.comando) + ", " + risposta + (dalMenu ? ", dal menu" : ", prima del ciclo"));
                Princ* p = Principale();
                Riempi(1, 3, {1, 4, 0, 12});
                NomeQuaderno = Percorso(QStringLiteral("mio.qdn"));
                QuadernoModificato = VERO;
                int dialoghi = 0;
                ImpostaDialogoQuaderno([&](const RichiestaDialogoQuaderno&) {
                    ++dialoghi;
                    return QString();
                });
                QPointer<QWidget> domandaDelComando;
                int esciChieste = 0;
                bool comandoFinito = false;
                QuandoBox(QString::fromLatin1(c.comando), [&](QWidget* box) {
                    domandaDelComando = box;
                    QuandoBox(QStringLiteral("Esci"), [&](QWidget* esci) {
                        EXPECT_TRUE(comandoFinito);
                        ++esciChieste;
                        Premi(esci, risposta);
                    });
                    EsciSopraIlBox(p, box);
                });
                auto comando = [&] {
                    c.esegui();
                    comandoFinito = true;
                };
                if (dalMenu) {
                    QTimer::singleShot(0, comando);
                } else {
                    ASSERT_EQ(QThread::currentThread()->loopLevel(), 0);
                    comando();
                }
                const bool finito = QByteArray(risposta) == "CmdNo";
                FinisceComeScelto(p, finito);
                EXPECT_TRUE(domandaDelComando.isNull());
                EXPECT_EQ(esciChieste, 1);
                EXPECT_EQ(dialoghi, 0);
                EXPECT_EQ(NumFrazioniA, 3);
                EXPECT_EQ(NomeQuaderno.toStdString(), Percorso(QStringLiteral("mio.qdn")).toStdString());
                if (finito) continue;
                // Nothing of that close is left: the next one asks at once.
                QuandoBox(QStringLiteral("Esci"), [&](QWidget* esci) { Premi(esci, "CmdNo"); });
                p->Azione(QStringLiteral("MnuFileEsci"))->trigger();
                EXPECT_EQ(InChiusura, VERO);
                EXPECT_FALSE(p->isVisible());
            }
}

// Esci over a box inside a box: "Moltiplicare per zero" asked over the
// Moltiplica dialog. Both go as Annulla and nothing is multiplied; the close
// waits for the dialog too, then asks its own question.
TEST_F(BoxVeri, EsciSopraUnBoxDentroUnBox)
{
    for (const char* risposta : {"CmdNo", "CmdAnnulla"}) {
        SCOPED_TRACE(risposta);
        Princ* p = Principale();
        Metti(1, {{1, 4, 1, 12}, {2, 3, 0, 12}});
        QuadernoModificato = VERO;
        QPointer<QWidget> dialogo;
        bool comandoFinito = false;
        int esciChieste = 0;
        QuandoBoxTale([](QWidget* w) { return qobject_cast<FrmFattore*>(w) != nullptr; }, [&](QWidget* w) {
            dialogo = w;
            auto* d = static_cast<FrmFattore*>(w);
            QuandoBoxTale([&](QWidget* b) { return b != dialogo; }, [&](QWidget* domanda) {
                EXPECT_TRUE(BoxInCorso(dialogo));
                QuandoBox(QStringLiteral("Esci"), [&](QWidget* esci) {
                    EXPECT_TRUE(comandoFinito);
                    ++esciChieste;
                    Premi(esci, risposta);
                });
                EsciSopraIlBox(p, domanda);
            });
            d->Casella()->setText(QStringLiteral("0"));
            d->BottoneOk()->click();
        });
        ChiediFattoreEdEsegui(ComandoFattore::Moltiplica, 1);
        comandoFinito = true;
        FinisceComeScelto(p, QByteArray(risposta) == "CmdNo");
        EXPECT_TRUE(dialogo.isNull());
        EXPECT_EQ(esciChieste, 1);
        EXPECT_EQ(NumFrazioniA, 2);
        EXPECT_EQ(Frazioni[1][1][1], 1);
    }
}

// A close over boxes that do not let it through is dropped and the program
// stays as it is: boxes whose code is held up once answered (its exec() not
// back) are waited for 3 s by the clock, however slowly the events come; a
// command that opens a new box each time its box is answered has four of
// them answered, and the fifth stays open.
TEST_F(BoxVeri, UnaChiusuraSopraIBoxHaUnLimite)
{
    {
        SCOPED_TRACE("held up");
        Princ* p = Principale();
        QDialog box(p);
        QElapsedTimer orologio;
        qint64 lasciata = -1;
        QuandoModale([&](QWidget*) {
            p->Azione(QStringLiteral("MnuFileEsci"))->trigger();
            orologio.start();
            // The box's code, held up: events come at most every 50 ms.
            while (lasciata < 0 && orologio.elapsed() < 8000) {
                QCoreApplication::processEvents();
                QThread::msleep(50);
                if (!RinvioAttivo(p)) lasciata = orologio.elapsed();
            }
        });
        EseguiBox(box);
        EXPECT_GE(lasciata, 2900);
        EXPECT_LE(lasciata, 5000);
    }
    {
        SCOPED_TRACE("boxes without end");
        Princ* p = Principale();
        int aperti = 0;
        bool basta = false;
        QuandoModale([&](QWidget*) { p->Azione(QStringLiteral("MnuFileEsci"))->trigger(); });
        QTimer::singleShot(0, [&] {
            QuandoBoxTale([&](QWidget*) { return aperti == 5 && !RinvioAttivo(p); }, [&](QWidget* ultimo) {
                basta = true;
                static_cast<QDialog*>(ultimo)->reject();
            });
        });
        while (!basta && aperti < 20) {
            QDialog box(p);
            ++aperti;
            EseguiBox(box);
        }
        EXPECT_EQ(aperti, 5);
        EXPECT_TRUE(p->isVisible());
        EXPECT_EQ(InChiusura, FALSO);
    }
}

// A question asked while another is open (by a request that reached the
// program some other way), and the outer one answered first: each caller
// reads the answer of its own box, whatever the pair.
TEST_F(BoxVeri, DueDomandeAnnidateLeggonoCiascunaLaPropria)
{
    const std::pair<const char*, uint8_t> bottoni[] = {{"CmdYes", 1}, {"CmdNo", 0}, {"CmdAnnulla", 2}};
    for (const auto& esterno : bottoni)
        for (const auto& interno : bottoni) {
            if (esterno.second == interno.second) continue;
            SCOPED_TRACE(std::string(esterno.first) + " fuori, " + interno.first + " dentro");
            int letta = -1;
            QuandoBox(QStringLiteral("Fuori"), [&](QWidget* fuori) {
                const QPointer<QWidget> prima = fuori;
                QuandoBox(QStringLiteral("Dentro"), [&, prima](QWidget* dentro) {
                    if (prima) Premi(prima, esterno.first);
                    Premi(dentro, interno.first);
                });
                MostraDomanda(QStringLiteral("Interna ?"), 1, QStringLiteral("Dentro"));
                letta = RispostaDomanda;
            });
            MostraDomanda(QStringLiteral("Esterna ?"), 1, QStringLiteral("Fuori"));
            EXPECT_EQ(letta, interno.second);
            EXPECT_EQ(RispostaDomanda, esterno.second);
        }
}

// The main window deleted while a command's dialog is open (a window closed
// by a request that reached the program some other way): the dialog goes
// with it, and the command reads nothing of it, nor of the sheet it stood
// over, once it is back: not even an answer given just before, which it
// would otherwise carry out (the sanitizer build sees any such read).
TEST_F(BoxVeri, IDialoghiDeiComandiSeneVannoConLaFinestraPrincipale)
{
    const std::tuple<const char*, std::function<void()>, std::function<void(QWidget*)>> comandi[] = {
        {"valore decimale", [] { AggiungiFrazioneValDecimale(1); },
         [](QWidget* w) {
             auto* d = static_cast<FrmFrazione4*>(w);
             d->TxtValoreDec()->setText(QStringLiteral("0,5"));
             d->CmdOk()->click();
         }},
        {"moltiplica", [] { ChiediFattoreEdEsegui(ComandoFattore::Moltiplica, 1); },
         [](QWidget* w) {
             auto* d = static_cast<FrmFattore*>(w);
             d->Casella()->setText(QStringLiteral("2"));
             d->BottoneOk()->click();
         }},
    };
    for (const auto& [nome, comando, risposta] : comandi)
        for (const bool risposto : {false, true}) {
            SCOPED_TRACE(std::string(nome) + (risposto ? ", answered" : ""));
            Principale();
            Metti(1, {{1, 4, 1, 12}});
            bool visto = false;
            QuandoModale([&, risposta = risposta](QWidget* dialogo) {
                visto = true;
                if (risposto) risposta(dialogo);
                // Whatever the command went on to show is only recorded.
                Modale::Copione(true);
                Unica<Princ>::Distruggi();
            });
            comando();
            EXPECT_TRUE(visto);
            EXPECT_EQ(Unica<Princ>::SeEsiste(), nullptr);
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            EXPECT_EQ(NumFrazioniA, 1);
            EXPECT_EQ(Frazioni[1][1][1], 1);
        }
}
