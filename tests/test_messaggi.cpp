#include "Aiuti.h"
#include "platform/Finestre.h"
#include "workspace/Messaggi.h"
#include "workspace/Registro.h"
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
class Messaggi : public ProvaZefra {
protected:
    void SetUp() override
    {
        ProvaZefra::SetUp();
        Inizializza();
        CreaRegistro();
        Modale::Azzera();
        Suono::AzzeraRegistrati();
    }
    void TearDown() override
    {
        Modale::Copione(true);
        ProvaZefra::TearDown();
    }
    QString Registro() const
    {
        QFile f(Percorso(QStringLiteral("registro.txt")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
};

template <typename T> T* Figlio(QWidget* w, const char* nome) { return w->findChild<T*>(QLatin1String(nome)); }
}

TEST_F(Messaggi, SuonoERegistroPerOgniTipo)
{
    struct Atteso {
        int tipo;
        QStringList conSuono, senzaSuono;
        bool registrato;
    };
    const QStringList errore{QStringLiteral("errore.wav")}, bip{QStringLiteral("bip")},
        info{QStringLiteral("info.wav")};
    const Atteso attesi[] = {{1, errore, {}, true}, {2, errore, {}, true}, {3, bip, bip, false},
                             {4, bip, bip, false},  {5, info, {}, false},  {6, info, {}, false}};
    for (bool suono : {true, false}) {
        for (const Atteso& a : attesi) {
            SuonoAbilitato = suono ? VERO : FALSO;
            Suono::AzzeraRegistrati();
            Modale::Azzera();
            const int32_t prima = ContaErrori;
            const QString righePrima = Registro();
            MostraMessaggio(QStringLiteral("Testo %1").arg(a.tipo), a.tipo, QStringLiteral("Titolo"));
            EXPECT_EQ(Suono::Registrati(), suono ? a.conSuono : a.senzaSuono) << a.tipo << suono;
            ASSERT_EQ(Modale::Mostrati().size(), 1);
            EXPECT_EQ(Modale::Mostrati()[0].genere, QStringLiteral("messaggio"));
            EXPECT_EQ(Modale::Mostrati()[0].tipo, a.tipo);
            EXPECT_EQ(Modale::Mostrati()[0].titolo, QStringLiteral("Titolo"));
            EXPECT_EQ(ContaErrori, prima + (a.registrato ? 1 : 0)) << a.tipo;
            EXPECT_EQ(Registro().size() > righePrima.size(), a.registrato) << a.tipo;
            EXPECT_EQ(Registro().contains(QStringLiteral("Testo %1").arg(a.tipo)), a.registrato) << a.tipo;
        }
    }
    EXPECT_EQ(ContaErrori, 4);
}

TEST_F(Messaggi, BoxVeroDiErroreRegistraSoloDopoLaChiusura)
{
    Modale::Copione(false);
    bool visto = false;
    QuandoModale([&](QWidget* w) {
        visto = true;
        EXPECT_EQ(w->objectName(), QStringLiteral("FrmMsg"));
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Immissione denominatore"));
        EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(Figlio<QLabel>(w, "Label")->text(), QStringLiteral("Il denominatore non può essere zero"));
        auto* ok = Figlio<QPushButton>(w, "CmdOk");
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), QStringLiteral("OK"));
        EXPECT_EQ(w->focusWidget(), ok);
        // Short box: 1500 twips, the button 200 twips above the bottom.
        EXPECT_EQ(w->height(), TwipInPixel(1500));
        EXPECT_EQ(w->width(), TwipInPixel(4800));
        EXPECT_NEAR(w->height() - ok->geometry().bottom() - 1, TwipInPixel(200), 1);
        EXPECT_EQ(static_cast<FrmMsg*>(w)->Immagine(), 1);
        // Still open: nothing written yet.
        EXPECT_FALSE(Registro().contains(QStringLiteral("Errore #")));
        EXPECT_EQ(ContaErrori, 0);
        ok->click();
    });
    MostraMessaggio(QStringLiteral("Il denominatore non può essere zero"), 1, QStringLiteral("Immissione denominatore"));
    EXPECT_TRUE(visto);
    EXPECT_EQ(ContaErrori, 1);
    EXPECT_TRUE(Registro().contains(QStringLiteral("Errore #1 ore ")));
    EXPECT_EQ(Suono::Registrati(), QStringList{QStringLiteral("errore.wav")});
}

TEST_F(Messaggi, BoxAltoEChiusuraConEsc)
{
    Modale::Copione(false);
    QuandoModale([&](QWidget* w) {
        auto* box = static_cast<FrmMsg*>(w);
        EXPECT_EQ(box->height(), TwipInPixel(2200));
        EXPECT_EQ(box->Label()->height(), TwipInPixel(1400));
        EXPECT_NEAR(box->height() - box->CmdOk()->geometry().bottom() - 1, TwipInPixel(200), 1);
        EXPECT_EQ(box->Immagine(), 2);
        QTest::keyClick(w, Qt::Key_Escape);
    });
    MostraMessaggio(QStringLiteral("Attenzione"), 4, QStringLiteral("Prova"));
    EXPECT_EQ(Suono::Registrati(), QStringList{QStringLiteral("bip")});

    // An error closed from the close box is still logged.
    QuandoModale([&](QWidget* w) {
        EXPECT_EQ(static_cast<FrmMsg*>(w)->Immagine(), 1);
        w->close();
    });
    MostraMessaggio(QStringLiteral("Sbagliato"), 2, QStringLiteral("Prova"));
    EXPECT_EQ(ContaErrori, 1);
    EXPECT_TRUE(Registro().contains(QStringLiteral("Sbagliato")));
}

TEST_F(Messaggi, MisureEIconaPerTipo)
{
    struct Atteso {
        int tipo, altezza, altezzaTesto, immagine;
    };
    const Atteso attesi[] = {{1, 1500, 750, 1}, {2, 2200, 1400, 1}, {3, 1500, 750, 2},
                             {4, 2200, 1400, 2}, {5, 1500, 750, 3}, {6, 2200, 1400, 3}};
    QImage iconePrima;
    for (const Atteso& a : attesi) {
        FrmMsg box;
        box.Prepara(QStringLiteral("Breve"), a.tipo, QStringLiteral("Titolo %1").arg(a.tipo));
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Titolo %1").arg(a.tipo));
        EXPECT_EQ(box.width(), TwipInPixel(4800)) << a.tipo;
        EXPECT_EQ(box.height(), TwipInPixel(a.altezza)) << a.tipo;
        EXPECT_EQ(box.Label()->geometry(), QRect(TwipInPixel(915), TwipInPixel(135), TwipInPixel(3750),
                                                 TwipInPixel(a.altezzaTesto)))
            << a.tipo;
        EXPECT_EQ(box.CmdOk()->geometry(), QRect(TwipInPixel(1854), TwipInPixel(a.altezza - 372 - 200),
                                                 TwipInPixel(1092), TwipInPixel(372)))
            << a.tipo;
        EXPECT_EQ(box.Immagine(), a.immagine) << a.tipo;
        // Each class has its own picture: error, warning and information differ.
        const QImage icona = box.Picture1()->pixmap().toImage();
        EXPECT_FALSE(icona.isNull()) << a.tipo;
        if (a.tipo % 2 == 1 && a.tipo > 1) {
            EXPECT_NE(icona, iconePrima) << a.tipo;
        }
        iconePrima = icona;
    }
}

TEST_F(Messaggi, TestoLungoNonVieneTagliato)
{
    Modale::Copione(false);
    QString lungo;
    for (int i = 0; i < 12; ++i) lungo += QStringLiteral("Una frase abbastanza lunga da andare a capo. ");
    QuandoModale([&](QWidget* w) {
        auto* box = static_cast<FrmMsg*>(w);
        EXPECT_GT(box->height(), TwipInPixel(1500));
        EXPECT_GE(box->Label()->height(), box->Label()->heightForWidth(box->Label()->width()));
        EXPECT_GE(box->CmdOk()->y() - box->Label()->geometry().bottom(), 8);
        EXPECT_LE(box->CmdOk()->geometry().bottom(), box->height());
        box->CmdOk()->click();
    });
    MostraMessaggio(lungo, 5, QStringLiteral("Informazione"));

    // The question box grows the same way, its three buttons under the text.
    for (int tipo : {1, 2}) {
        FrmMsgYN domanda;
        domanda.Prepara(lungo, tipo, QStringLiteral("Zefra"));
        EXPECT_GT(domanda.height(), TwipInPixel(tipo == 1 ? 1400 : 2100));
        EXPECT_EQ(domanda.width(), TwipInPixel(4560));
        EXPECT_GE(domanda.Label()->height(), domanda.Label()->heightForWidth(domanda.Label()->width()));
        for (QPushButton* b : {domanda.CmdYes(), domanda.CmdNo(), domanda.CmdAnnulla()}) {
            EXPECT_GE(b->y() - domanda.Label()->geometry().bottom(), 8) << tipo;
            EXPECT_LE(b->geometry().bottom(), domanda.height()) << tipo;
        }
    }
}

TEST_F(Messaggi, BoxSopraLaFinestraDiServizioAttiva)
{
    QWidget servizio;
    servizio.setObjectName(QStringLiteral("FrmServizio"));
    RendiSempreSopra(&servizio);
    servizio.show();
    servizio.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&servizio));
    ASSERT_EQ(QApplication::activeWindow(), &servizio);
    EXPECT_EQ(GenitoreModale(), &servizio);

    Modale::Copione(false);
    QWidget* genitore = nullptr;
    QuandoModale([&](QWidget* w) {
        genitore = w->parentWidget();
        static_cast<FrmMsg*>(w)->CmdOk()->click();
    });
    MostraMessaggio(QStringLiteral("Selezionare due frazioni"), 3, QStringLiteral("Servizio"));
    EXPECT_EQ(genitore, &servizio);
}

TEST_F(Messaggi, DomandaInCopione)
{
    SuonoAbilitato = FALSO;
    Modale::Rispondi(1);
    Modale::Rispondi(0);
    MostraDomanda(QStringLiteral("Salvare il quaderno ?"), 1, QStringLiteral("Esci"));
    EXPECT_EQ(RispostaDomanda, 1);
    MostraDomanda(QStringLiteral("Salvare il quaderno ?"), 1, QStringLiteral("Esci"));
    EXPECT_EQ(RispostaDomanda, 0);
    // No answer queued: cancel, whatever the previous answer was.
    RispostaDomanda = 1;
    MostraDomanda(QStringLiteral("Salvare il quaderno ?"), 2, QStringLiteral("Esci"));
    EXPECT_EQ(RispostaDomanda, 2);
    // The beep sounds with sound off too; questions are never logged.
    EXPECT_EQ(Suono::Registrati(), (QStringList{"bip", "bip", "bip"}));
    ASSERT_EQ(Modale::Mostrati().size(), 3);
    EXPECT_EQ(Modale::Mostrati()[2].genere, QStringLiteral("domanda"));
    EXPECT_EQ(Modale::Mostrati()[2].tipo, 2);
    EXPECT_EQ(ContaErrori, 0);
}

TEST_F(Messaggi, DomandaVeraTreRisposteEChiusura)
{
    Modale::Copione(false);
    struct Caso {
        const char* bottone;   // null: closed by the close box; "esc": Esc key
        int prima, attesa, tipo;
    };
    const Caso casi[] = {{"CmdYes", 0, 1, 1},   {"CmdNo", 1, 0, 2},  {"CmdAnnulla", 1, 2, 1},
                         {nullptr, 1, 2, 2},    {"esc", 0, 2, 1}};
    for (const Caso& c : casi) {
        RispostaDomanda = uint8_t(c.prima);
        bool visto = false;
        QuandoModale([&](QWidget* w) {
            visto = true;
            auto* box = static_cast<FrmMsgYN*>(w);
            EXPECT_EQ(w->objectName(), QStringLiteral("FrmMsgYN"));
            EXPECT_EQ(w->windowTitle(), QStringLiteral("Nuovo quaderno"));
            EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
            EXPECT_EQ(box->CmdYes()->text(), QStringLiteral("Sì"));
            EXPECT_EQ(box->CmdNo()->text(), QStringLiteral("No"));
            EXPECT_EQ(box->CmdAnnulla()->text(), QStringLiteral("Annulla"));
            EXPECT_EQ(w->focusWidget(), box->CmdYes());
            EXPECT_EQ(box->CmdYes()->x(), TwipInPixel(414));
            EXPECT_EQ(box->CmdNo()->x(), TwipInPixel(1734));
            EXPECT_EQ(box->CmdAnnulla()->x(), TwipInPixel(3054));
            EXPECT_EQ(w->width(), TwipInPixel(4560));
            EXPECT_EQ(w->height(), TwipInPixel(c.tipo == 1 ? 1400 : 2100));
            EXPECT_EQ(box->Label()->height(), TwipInPixel(c.tipo == 1 ? 500 : 1200));
            for (QPushButton* b : {box->CmdYes(), box->CmdNo(), box->CmdAnnulla()})
                EXPECT_NEAR(w->height() - b->geometry().bottom() - 1, TwipInPixel(120), 1);
            if (!c.bottone) w->close();
            else if (QByteArray(c.bottone) == "esc") QTest::keyClick(w, Qt::Key_Escape);
            else Figlio<QPushButton>(w, c.bottone)->click();
        });
        MostraDomanda(QStringLiteral("Salvare il quaderno ?"), c.tipo, QStringLiteral("Nuovo quaderno"));
        EXPECT_TRUE(visto);
        EXPECT_EQ(RispostaDomanda, c.attesa) << (c.bottone ? c.bottone : "chiusura");
    }
    EXPECT_EQ(Suono::Registrati().count(QStringLiteral("bip")), 5);
}

TEST_F(Messaggi, ChiusoIlBoxLaTastieraTornaAllaFinestraDelCampo)
{
    // An exercise window with two fields, the second one in use.
    QWidget esercizio, principale;
    auto* primo = new QLineEdit(&esercizio);
    auto* secondo = new QLineEdit(&esercizio);
    principale.show();
    esercizio.show();
    esercizio.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&esercizio));
    secondo->setFocus();

    Modale::Copione(false);
    for (int caso : {0, 1, 2}) {
        // The window manager hands the keyboard to the main window as the box goes.
        QuandoModale([&](QWidget* box) {
            box->close();
            principale.activateWindow();
        });
        if (caso == 1) MostraDomanda(QStringLiteral("Salvare il quaderno ?"), 1, QStringLiteral("Esci"));
        else MostraMessaggio(QStringLiteral("Devi immettere un multiplo del denominatore"), 3, QStringLiteral("Prova"));
        // Last, the caller names another field once the box is closed: that one wins.
        if (caso == 2) RiportaFuoco(primo);
        QWidget* atteso = caso == 2 ? primo : secondo;
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == atteso; })) << caso;
        EXPECT_EQ(QApplication::activeWindow(), &esercizio) << caso;
    }
}
