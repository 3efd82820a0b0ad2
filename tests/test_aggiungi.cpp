// Adding a fraction by its terms: the "Aggiungi" dialog, its checks, and
// the add protocol that splits improper values and keeps the 128 limit.
#include "AiutiFinestre.h"
#include "commands/AggiungiFrazioni.h"
#include "commands/FrmFrazione.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Numeri.h"
#include "workspace/Fogli.h"
#include "workspace/Registro.h"
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <vector>

namespace {

void Riempi(uint8_t s, int quante, int16_t num = 1, int16_t den = 2, int16_t sel = 0)
{
    for (int i = 1; i <= quante; ++i) {
        Frazioni[s][i][1] = num;
        Frazioni[s][i][2] = den;
        Frazioni[s][i][3] = sel;
        Frazioni[s][i][4] = 9;
    }
    NumFrazioni(s) = int16_t(quante);
}

// What the test saw of the dialog opened by the command.
struct Esito {
    bool comparso = false;
    QString fuocoIniziale;
    bool restatoAperto = false;
    QString fuocoDopo;
    QPoint posizione;
    QSize dimensione;
    bool sempreSopra = false;
    bool modale = false;
    QString numDopo, denDopo;   // the two boxes after Ok
};

class Aggiungi : public ProvaConFoglio {
protected:
    void SetUp() override
    {
        ProvaConFoglio::SetUp();
        CreaRegistro();
    }

    // Runs the command; once the dialog is up, types the two terms and
    // presses Ok, then presses Annulla if the dialog is still open.
    Esito Inserisci(const QString& num, const QString& den, const std::function<void()>& comando = {})
    {
        Esito e;
        QuandoModale([&](QWidget* w) {
            auto* d = qobject_cast<FrmFrazione*>(w);
            if (!d) {
                w->close();
                return;
            }
            e.comparso = true;
            e.posizione = d->pos();
            e.dimensione = d->frameGeometry().size();
            e.sempreSopra = d->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            e.modale = d->isModal();
            if (d->focusWidget()) e.fuocoIniziale = d->focusWidget()->objectName();
            QTest::keyClicks(d->TxtNum(), num);
            d->TxtDenum()->setText(den);
            QTest::mouseClick(d->Command1(), Qt::LeftButton);
            e.restatoAperto = d->isVisible();
            e.numDopo = d->TxtNum()->text();
            e.denDopo = d->TxtDenum()->text();
            if (d->focusWidget()) e.fuocoDopo = d->focusWidget()->objectName();
            if (e.restatoAperto) QTest::mouseClick(d->Command2(), Qt::LeftButton);
        });
        if (comando) comando();
        else AggiungiFrazioneTermini(FoglioAttivo);
        return e;
    }

};

const QString Limite = QStringLiteral("3|Aggiungi|Un foglio non può contenere più di 128 frazioni");

} // namespace

TEST_F(Aggiungi, UnaFrazioneImpropriaDiventaUnitaPiuResto)
{
    ColoreCorrente = 13;
    const Esito e = Inserisci(QStringLiteral("7"), QStringLiteral("3"));
    ASSERT_TRUE(e.comparso);
    EXPECT_TRUE(e.sempreSopra);
    EXPECT_TRUE(e.modale);
    EXPECT_EQ(e.fuocoIniziale, QStringLiteral("TxtNum"));
    EXPECT_FALSE(e.restatoAperto);
    EXPECT_EQ(Unica<FrmFrazione>::SeEsiste(), nullptr);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{3, 3, 0, 13}, {3, 3, 0, 13}, {1, 3, 0, 13}}));
    EXPECT_EQ(NumFrazioniB, 0);
    EXPECT_EQ(QuadernoModificato, VERO);
    EXPECT_EQ(Suono::Registrati(), QStringList{QStringLiteral("aggiungi.wav")});
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_EQ(Unica<Princ>::Istanza()->LblSommaFoglioA()->text(), QStringLiteral(" 7/3 "));
}

TEST_F(Aggiungi, IlProtocolloSpezzaComeUnaColonnaDiCasi)
{
    struct Caso {
        int16_t n, d;
        std::vector<std::pair<int16_t, int16_t>> attese;
    };
    const Caso casi[] = {
        {6, 3, {{3, 3}, {3, 3}}},
        {3, 3, {{3, 3}}},
        {5, 5, {{5, 5}}},
        {10, 5, {{5, 5}, {5, 5}}},
        {1, 1, {{1, 1}}},
        {4, 1, {{1, 1}, {1, 1}, {1, 1}, {1, 1}}},
        {3, 4, {{3, 4}}},
        {32000, 32000, {{32000, 32000}}},
        {32000, 16001, {{16001, 16001}, {15999, 16001}}},
    };
    for (const Caso& c : casi) {
        Riempi(2, 5);
        ColoreCorrente = 2;
        QuadernoModificato = FALSO;
        ASSERT_TRUE(AggiungiFrazioniAlFoglio(2, c.n, c.d)) << c.n << "/" << c.d;
        const auto v = FrazioniDelFoglio(2);
        ASSERT_EQ(v.size(), 5 + c.attese.size()) << c.n << "/" << c.d;
        for (size_t k = 0; k < c.attese.size(); ++k)
            EXPECT_EQ(v[5 + k], (Fr{c.attese[k].first, c.attese[k].second, 0, 2})) << c.n << "/" << c.d;
        EXPECT_EQ(v[4], (Fr{1, 2, 0, 9}));
        EXPECT_EQ(QuadernoModificato, VERO);
        EXPECT_EQ(PezziFrazione(c.n, c.d), int(c.attese.size()));
    }
    EXPECT_EQ(NumFrazioniA, 0);
    // Any sheet number but 1 is sheet B, as for every command.
    Riempi(2, 0);
    ASSERT_TRUE(AggiungiFrazioniAlFoglio(7, 1, 2));
    EXPECT_EQ(NumFrazioniB, 1);
}

TEST_F(Aggiungi, LaSelezioneEsistenteResta)
{
    Riempi(1, 3, 1, 4, 1);
    Frazioni[1][2][3] = 0;
    ASSERT_TRUE(AggiungiFrazioniAlFoglio(1, 2, 3));
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 4, 1, 9}, {1, 4, 0, 9}, {1, 4, 1, 9}, {2, 3, 0, 12}}));
}

TEST_F(Aggiungi, IPezziNuoviSiDisegnanoSenzaRidisegnareIlFoglio)
{
    // Two fractions in the store that were never drawn: a redraw of the
    // sheet would paint them.
    Riempi(1, 2);
    const GeometriaFoglio g = GeometriaDelFoglio(1);
    ASSERT_GT(g.C, 0);
    Superficie* area = Fogli::Istanza(1)->Area();
    auto dentro = [&](int i) {   // a point inside pie i, off its white radii
        const QPoint c = g.Centro(i);
        return area->Punto(c.x(), c.y() - g.R / 2);
    };
    const QColor sfondo = dentro(1);
    ASSERT_TRUE(sfondo.isValid());
    ASSERT_EQ(dentro(3), sfondo);
    ColoreCorrente = 12;
    ASSERT_TRUE(AggiungiFrazioniAlFoglio(1, 2, 2));
    EXPECT_EQ(dentro(1), sfondo);
    EXPECT_EQ(dentro(2), sfondo);
    EXPECT_EQ(dentro(3), QBColor(12));

    // The scroll bar follows the count: many fractions no longer fit.
    EXPECT_FALSE(Fogli::Istanza(1)->VScroll1()->isEnabled());
    Riempi(1, 120);
    EXPECT_FALSE(Fogli::Istanza(1)->VScroll1()->isEnabled());
    ASSERT_TRUE(AggiungiFrazioniAlFoglio(1, 1, 2));
    EXPECT_TRUE(Fogli::Istanza(1)->VScroll1()->isEnabled());

    // Without sound nothing plays; the rest is the same.
    SuonoAbilitato = FALSO;
    Suono::AzzeraRegistrati();
    QuadernoModificato = FALSO;
    ASSERT_TRUE(AggiungiFrazioniAlFoglio(1, 1, 3));
    EXPECT_TRUE(Suono::Registrati().isEmpty());
    EXPECT_EQ(QuadernoModificato, VERO);
    EXPECT_EQ(NumFrazioniA, 122);
}

TEST_F(Aggiungi, IlLimiteDi128FrazioniLasciaApertoIlDialogo)
{
    Riempi(1, 127);
    const Esito e = Inserisci(QStringLiteral("2"), QStringLiteral("1"));
    ASSERT_TRUE(e.comparso);
    EXPECT_TRUE(e.restatoAperto);
    // The pupil's text stays, to be corrected.
    EXPECT_EQ(e.numDopo, QStringLiteral("2"));
    EXPECT_EQ(e.denDopo, QStringLiteral("1"));
    EXPECT_EQ(NumFrazioniA, 127);
    EXPECT_EQ(MessaggiMostrati(), QStringList{Limite});
    EXPECT_EQ(QuadernoModificato, FALSO);
    EXPECT_EQ(Suono::Registrati(), QStringList{QStringLiteral("bip")});

    // The edges of the limit, through the protocol itself.
    Modale::Azzera();
    Riempi(1, 128);
    EXPECT_FALSE(AggiungiFrazioniAlFoglio(1, 1, 2));
    Riempi(1, 125);
    EXPECT_FALSE(AggiungiFrazioniAlFoglio(1, 10, 3));   // 3 units and 1/3: 129
    EXPECT_EQ(NumFrazioniA, 125);
    EXPECT_TRUE(AggiungiFrazioniAlFoglio(1, 7, 3));     // 3/3, 3/3, 1/3: 128
    EXPECT_EQ(NumFrazioniA, 128);
    EXPECT_EQ(FrazioniDelFoglio(1).back(), (Fr{1, 3, 0, 12}));
    Riempi(1, 126);
    EXPECT_TRUE(AggiungiFrazioniAlFoglio(1, 6, 3));     // exactly two units: 128
    EXPECT_EQ(MessaggiMostrati(), (QStringList{Limite, Limite}));
}

TEST_F(Aggiungi, UnNumeratoreEnormeERifiutatoSubito)
{
    const Esito e = Inserisci(QStringLiteral("32000"), QStringLiteral("1"));
    EXPECT_TRUE(e.restatoAperto);
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_EQ(MessaggiMostrati(), QStringList{Limite});
    // Any larger count of pieces is refused the same way, before a loop.
    EXPECT_EQ(PezziFrazione(32000, 1), 32000);
    EXPECT_FALSE(AggiungiFrazioniAlFoglio(1, 32000, 3));
    EXPECT_EQ(NumFrazioniA, 0);
}

TEST_F(Aggiungi, NumeratoreZeroChiudeSenzaAggiungere)
{
    const Esito e = Inserisci(QStringLiteral("0"), QStringLiteral("7"));
    ASSERT_TRUE(e.comparso);
    EXPECT_FALSE(e.restatoAperto);
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_EQ(QuadernoModificato, FALSO);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_TRUE(Suono::Registrati().isEmpty());
    // Terms below 1 never reach the sheet through the protocol either.
    EXPECT_FALSE(AggiungiFrazioniAlFoglio(1, 0, 5));
    EXPECT_FALSE(AggiungiFrazioniAlFoglio(1, 3, 0));
    EXPECT_FALSE(AggiungiFrazioniAlFoglio(1, -3, 4));
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
}

TEST_F(Aggiungi, DenominatoreZeroEUnErroreRegistrato)
{
    for (const char* num : {"3", "0"}) {
        Modale::Azzera();
        const Esito e = Inserisci(QLatin1String(num), QStringLiteral("0"));
        EXPECT_TRUE(e.restatoAperto) << num;
        EXPECT_EQ(e.fuocoDopo, QStringLiteral("TxtDenum")) << num;
        EXPECT_EQ(MessaggiMostrati(), QStringList{QStringLiteral("1|Immissione denominatore|Il denominatore non può essere zero")})
            << num;
    }
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_EQ(ContaErrori, 2);
    QString registro;
    ASSERT_TRUE(LeggiRegistro(registro));
    EXPECT_EQ(registro.count(QStringLiteral("Il denominatore non può essere zero")), 2);
    EXPECT_TRUE(registro.contains(QStringLiteral("OPERAZIONE ESEGUITA\r\nImmissione denominatore")));
}

TEST_F(Aggiungi, ITerminiNonValidiRestanoDaCorreggere)
{
    struct Caso {
        const char* num;
        const char* den;
        const char* titolo;
        const char* fuoco;
    };
    const Caso casi[] = {
        {"", "4", "Immissione numeratore", "TxtNum"},
        {"tre", "4", "Immissione numeratore", "TxtNum"},
        {"32001", "4", "Immissione numeratore", "TxtNum"},
        {"3", "", "Immissione denominatore", "TxtDenum"},
        {"3", " 4", "Immissione denominatore", "TxtDenum"},
        {"3", "32001", "Immissione denominatore", "TxtDenum"},
    };
    for (const Caso& c : casi) {
        Modale::Azzera();
        const Esito e = Inserisci(QLatin1String(c.num), QLatin1String(c.den));
        EXPECT_TRUE(e.restatoAperto) << c.num << "/" << c.den;
        EXPECT_EQ(e.fuocoDopo, QLatin1String(c.fuoco)) << c.num << "/" << c.den;
        ASSERT_EQ(Modale::Mostrati().size(), 1) << c.num << "/" << c.den;
        EXPECT_EQ(Modale::Mostrati()[0].tipo, 3);
        EXPECT_EQ(Modale::Mostrati()[0].titolo, QLatin1String(c.titolo));
    }
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_EQ(ContaErrori, 0);
    // 32000 is accepted in either box.
    const Esito e = Inserisci(QStringLiteral("1"), QStringLiteral("32000"));
    EXPECT_FALSE(e.restatoAperto);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 32000, 0, 12}}));
}

TEST_F(Aggiungi, AnnullaNonAggiungeNulla)
{
    QuandoModale([](QWidget* w) {
        auto* d = qobject_cast<FrmFrazione*>(w);
        ASSERT_NE(d, nullptr);
        d->TxtNum()->setText(QStringLiteral("1"));
        d->TxtDenum()->setText(QStringLiteral("2"));
        QTest::mouseClick(d->Command2(), Qt::LeftButton);
    });
    AggiungiFrazioneTermini(FoglioAttivo);
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_EQ(QuadernoModificato, FALSO);
    EXPECT_EQ(Unica<FrmFrazione>::SeEsiste(), nullptr);
}

TEST_F(Aggiungi, OgniAperturaRipartedaCaselleVuote)
{
    Inserisci(QStringLiteral("1"), QStringLiteral("5"));
    QString num = QStringLiteral("?"), den = QStringLiteral("?");
    QuandoModale([&](QWidget* w) {
        auto* d = qobject_cast<FrmFrazione*>(w);
        ASSERT_NE(d, nullptr);
        num = d->TxtNum()->text();
        den = d->TxtDenum()->text();
        d->Command2_Click();
    });
    AggiungiFrazioneTermini(FoglioAttivo);
    EXPECT_EQ(num, QString());
    EXPECT_EQ(den, QString());
}

TEST_F(Aggiungi, IlDialogoStaSopraIlFoglioAttivo)
{
    MostraFoglio(2);
    Unica<Princ>::Istanza()->ImpostaToolbar2(2, true);
    Unica<Princ>::Istanza()->Affianca();
    ASSERT_EQ(FoglioAttivo, 2);
    const Esito e = Inserisci(QStringLiteral("1"), QStringLiteral("2"));
    ASSERT_TRUE(e.comparso);
    EXPECT_EQ(NumFrazioniB, 1);
    EXPECT_EQ(NumFrazioniA, 0);

    FrmFoglio* b = Fogli::Istanza(2);
    const QPoint angolo = b->mapToGlobal(QPoint(0, 0));
    const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(schermo.contains(QRect(e.posizione, e.dimensione)));
    // 150 twips in from the sheet's left edge, unless the screen pushed it.
    if (angolo.x() + TwipInPixel(150) + e.dimensione.width() <= schermo.right() + 1) {
        EXPECT_EQ(e.posizione.x(), angolo.x() + TwipInPixel(150));
    }
    if (angolo.y() + Arrotonda32(b->height() / 1.5) + e.dimensione.height() <= schermo.bottom() + 1) {
        EXPECT_EQ(e.posizione.y(), angolo.y() + Arrotonda32(b->height() / 1.5));
    }
}

TEST_F(Aggiungi, SenzaUnFoglioApertoIlComandoNonFaNulla)
{
    auto provaSenzaDialogo = [](uint8_t finestra) {
        bool comparso = false;
        QTimer sentinella;
        sentinella.setSingleShot(true);
        QObject::connect(&sentinella, &QTimer::timeout, [&]() {
            if (QWidget* w = QApplication::activeModalWidget()) {
                comparso = true;
                w->close();
            }
        });
        sentinella.start(50);
        AggiungiFrazioneTermini(finestra);
        return comparso || Unica<FrmFrazione>::SeEsiste() != nullptr;
    };
    EXPECT_FALSE(provaSenzaDialogo(3));
    EXPECT_FALSE(provaSenzaDialogo(0));
    EXPECT_FALSE(provaSenzaDialogo(2));   // sheet B is not open
    NascondiFoglio(1);
    EXPECT_FALSE(provaSenzaDialogo(1));
    EXPECT_EQ(NumFrazioniA + NumFrazioniB, 0);
}

TEST_F(Aggiungi, ControlliConINomiDelDialogo)
{
    FrmFrazione d;
    EXPECT_EQ(d.objectName(), QStringLiteral("FrmFrazione"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Aggiungi"));
    EXPECT_EQ(d.Label1()->text(), QStringLiteral("Numeratore"));
    EXPECT_EQ(d.Label2()->text(), QStringLiteral("Denominatore"));
    EXPECT_EQ(d.Command1()->text(), QStringLiteral("Ok"));
    EXPECT_EQ(d.Command2()->text(), QStringLiteral("Annulla"));
    for (const char* nome : {"TxtNum", "TxtDenum", "Line1", "Command1", "Command2", "Label1", "Label2"})
        EXPECT_NE(d.findChild<QWidget*>(QLatin1String(nome)), nullptr) << nome;
    // Tab order: numerator, denominator, Ok, Annulla.
    auto prossimo = [](QWidget* w) {
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    EXPECT_EQ(prossimo(d.TxtNum()), d.TxtDenum());
    EXPECT_EQ(prossimo(d.TxtDenum()), d.Command1());
    EXPECT_EQ(prossimo(d.Command1()), d.Command2());
    EXPECT_EQ(prossimo(d.Command2()), d.TxtNum());
}

TEST_F(Aggiungi, IlMenuEIlBottone7ApronoIlDialogo)
{
    QAction* voce = Unica<Princ>::Istanza()->Azione(QStringLiteral("MnuOperaAggiungiTermini"));
    ASSERT_NE(voce, nullptr);
    EXPECT_EQ(voce->text(), QStringLiteral("&Inserisci i termini della frazione"));
    EXPECT_EQ(voce->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
    Esito e = Inserisci(QStringLiteral("1"), QStringLiteral("2"), [voce] { voce->trigger(); });
    EXPECT_TRUE(e.comparso);
    EXPECT_EQ(NumFrazioniA, 1);

    ModoAggiungi = 1;
    QAction* bottone = Unica<Princ>::Istanza()->BottoneToolbar1(7);
    ASSERT_NE(bottone, nullptr);
    e = Inserisci(QStringLiteral("3"), QStringLiteral("4"), [bottone] { bottone->trigger(); });
    EXPECT_TRUE(e.comparso);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2, 0, 12}, {3, 4, 0, 12}}));
}
