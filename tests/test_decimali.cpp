// Adding a fraction from a decimal number: the two conversions, and the
// "Aggiungi" dialog with its two tabs, its checks and its announcement.
#include "AiutiFinestre.h"
#include "commands/FrmFrazione4.h"
#include "logica/Decimali.h"
#include "platform/Unica.h"
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace {

QString Testo(const ConversioneDecimale& c)
{
    return c.troppeCifre ? QStringLiteral("troppe") : QStringLiteral("%1/%2").arg(c.num).arg(c.den);
}

const QString Limite = QStringLiteral("3|Aggiungi|Un foglio non può contenere più di 128 frazioni");
const QString TroppoGrandi = QStringLiteral("3|Aggiungi|I termini della frazione sono numeri troppo grandi");
QString Annuncio(const char* f) { return QStringLiteral("5|Aggiungi|Sarà inserita la frazione ") + QLatin1String(f); }

struct Esito {
    bool comparso = false, restatoAperto = false;
    QString fuoco, valore;
};

class Decimale : public ProvaConFoglio {
protected:
    // Opens the dialog, lets compila fill it, presses OK, and Annulla when
    // the dialog is still open.
    Esito Prova(const std::function<void(FrmFrazione4*)>& compila)
    {
        Esito e;
        QuandoModale([&](QWidget* w) {
            auto* d = qobject_cast<FrmFrazione4*>(w);
            if (!d) {
                w->close();
                return;
            }
            e.comparso = true;
            compila(d);
            QTest::mouseClick(d->CmdOk(), Qt::LeftButton);
            e.restatoAperto = d->isVisible();
            e.valore = d->TxtValoreDec()->text();
            if (d->focusWidget()) e.fuoco = d->focusWidget()->objectName();
            if (e.restatoAperto) d->CmdAnnulla_Click();
        });
        AggiungiFrazioneValDecimale(FoglioAttivo);
        return e;
    }
    Esito Finito(const QString& testo)
    {
        return Prova([&](FrmFrazione4* d) { d->TxtValoreDec()->setText(testo); });
    }
    Esito Periodico(const char* i, const char* a, const char* p)
    {
        return Prova([&](FrmFrazione4* d) {
            d->TabStrip1()->setCurrentIndex(1);
            d->TxtParteInt()->setText(QLatin1String(i));
            d->TxtAntiperiodo()->setText(QLatin1String(a));
            d->TxtPeriodo()->setText(QLatin1String(p));
        });
    }
};

} // namespace

TEST(ConversioneDecimale, NumeriFinitiEPeriodiciInTerminiMinimi)
{
    const std::pair<const char*, const char*> finiti[] = {
        {"0,75", "3/4"},         {"1,5", "3/2"},         {"2", "2/1"},        {"0,00004", "1/25000"},
        {"0,00003", "3/100000"}, {"32000,5", "64001/2"}, {"0", "0/1"},        {"0,0", "0/10"},
        {"12345,6789", "123456789/10000"}, {"999999999", "999999999/1"}, {"1234567890", "troppe"},
        {"1234,567890", "troppe"},
    };
    for (const auto& [testo, atteso] : finiti)
        EXPECT_EQ(Testo(ConvertiDecimaleFinito(QLatin1String(testo))), QLatin1String(atteso)) << testo;

    const std::tuple<const char*, const char*, const char*, const char*> periodici[] = {
        {"1", "2", "3", "37/30"},  {"0", "", "3", "1/3"},         {"0", "", "9", "1/1"},
        {"0", "12", "34", "611/4950"}, {"999", "", "999999", "1000/1"}, {"0", "", "0", "0/9"},
        {"5", "", "0", "5/1"},     {"123", "456", "7890", "troppe"}, {"12", "3456", "7890", "troppe"},
        {"12", "3456", "789", "41111111/3330000"},
        {"0", "", "00001", "1/99999"},
    };
    for (const auto& [i, a, p, atteso] : periodici)
        EXPECT_EQ(Testo(ConvertiDecimalePeriodico(QLatin1String(i), QLatin1String(a), QLatin1String(p))),
                  QLatin1String(atteso))
            << i << "," << a << "(" << p << ")";
}

TEST_F(Decimale, UnNumeroFinitoEAnnunciatoEPoiAggiunto)
{
    ColoreCorrente = 12;
    Esito e = Finito(QStringLiteral("0,75"));
    ASSERT_TRUE(e.comparso);
    EXPECT_FALSE(e.restatoAperto);
    EXPECT_EQ(Unica<FrmFrazione4>::SeEsiste(), nullptr);
    EXPECT_EQ(MessaggiMostrati(), QStringList{Annuncio("3/4")});
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{3, 4, 0, 12}}));
    EXPECT_EQ(Suono::Registrati(), (QStringList{QStringLiteral("info.wav"), QStringLiteral("aggiungi.wav")}));
    EXPECT_EQ(QuadernoModificato, VERO);

    // A typed point becomes a comma in the box; 3/2 is two pieces.
    Modale::Azzera();
    Metti(1, {});
    e = Finito(QStringLiteral("1.5"));
    EXPECT_EQ(e.valore, QStringLiteral("1,5"));
    EXPECT_EQ(MessaggiMostrati(), QStringList{Annuncio("3/2")});
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{2, 2, 0, 12}, {1, 2, 0, 12}}));

    // On a sheet of 127 the announcement comes first, then the refusal, with
    // the dialog already gone.
    Modale::Azzera();
    Riempi(1, 127, {1, 3});
    e = Finito(QStringLiteral("1.5"));
    EXPECT_FALSE(e.restatoAperto);
    EXPECT_EQ(MessaggiMostrati(), (QStringList{Annuncio("3/2"), Limite}));
    EXPECT_EQ(NumFrazioniA, 127);
}

TEST_F(Decimale, INumeriRifiutatiLascianoApertoIlDialogo)
{
    const std::pair<QString, QString> casi[] = {
        {QStringLiteral("0,00003"), TroppoGrandi},
        {QStringLiteral("32000,5"), TroppoGrandi},
        {QStringLiteral("1234567890"), QStringLiteral("3|Aggiungi|Il numero ha troppe cifre")},
        {QString(300, QLatin1Char('7')), QStringLiteral("3|Aggiungi|Sono stati immessi troppi caratteri")},
        {QStringLiteral(",5"), QString()},
    };
    for (const auto& [testo, messaggio] : casi) {
        Modale::Azzera();
        const Esito e = Finito(testo);
        EXPECT_TRUE(e.restatoAperto) << testo.toStdString();
        EXPECT_EQ(e.fuoco, QStringLiteral("TxtValoreDec")) << testo.toStdString();
        EXPECT_EQ(e.valore, testo);
        ASSERT_EQ(Modale::Mostrati().size(), 1) << testo.toStdString();
        if (!messaggio.isEmpty()) {
            EXPECT_EQ(MessaggiMostrati()[0], messaggio);
        } else {
            EXPECT_EQ(Modale::Mostrati()[0].tipo, 4) << testo.toStdString();   // the example of ControllaDecimale
        }
    }
    // Zero closes without a word.
    Modale::Azzera();
    const Esito e = Finito(QStringLiteral("0"));
    EXPECT_FALSE(e.restatoAperto);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_EQ(QuadernoModificato, FALSO);
}

TEST_F(Decimale, IlNumeroPeriodicoControllaOgniCasellaConIlSuoTitolo)
{
    Esito e = Periodico("1", "2", "3");
    EXPECT_EQ(MessaggiMostrati(), QStringList{Annuncio("37/30")});
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{30, 30, 0, 12}, {7, 30, 0, 12}}));

    struct Caso {
        const char *i, *a, *p, *messaggio, *fuoco;
    };
    const Caso casi[] = {
        {"123", "456", "7890", "3|Aggiungi|Parte intera, antiperiodo e periodo non devono avere in totale più di 9 cifre",
         "TxtParteInt"},
        {"", "", "3", "3|Parte intera|Immettere caratteri numerici", "TxtParteInt"},
        {"1", "x", "3", nullptr, "TxtAntiperiodo"},
        {"1", "2", "", "3|Periodo|Immettere caratteri numerici", "TxtPeriodo"},
        {"0", "", "00001", "3|Aggiungi|I termini della frazione sono numeri troppo grandi", "TxtParteInt"},
    };
    for (const Caso& c : casi) {
        Modale::Azzera();
        e = Periodico(c.i, c.a, c.p);
        EXPECT_TRUE(e.restatoAperto) << c.i << "," << c.a << "(" << c.p << ")";
        EXPECT_EQ(e.fuoco, QLatin1String(c.fuoco)) << c.i << "," << c.a << "(" << c.p << ")";
        ASSERT_EQ(Modale::Mostrati().size(), 1);
        if (c.messaggio) {
            EXPECT_EQ(MessaggiMostrati()[0], QString::fromUtf8(c.messaggio));
        } else {
            EXPECT_EQ(Modale::Mostrati()[0].titolo, QStringLiteral("Antiperiodo"));
        }
    }
    EXPECT_EQ(NumFrazioniA, 2);
}

TEST_F(Decimale, LeSchedeEITasti)
{
    QStringList visto;
    Prova([&](FrmFrazione4* d) {
        visto << d->windowTitle() << d->focusWidget()->objectName() << d->ChiaveScheda()
              << QString::number(d->Frame1()->isVisible()) << QString::number(d->Frame2()->isVisible());
        EXPECT_TRUE(d->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(d->isModal());
        d->TabStrip1()->setCurrentIndex(1);
        visto << d->focusWidget()->objectName() << d->ChiaveScheda() << QString::number(d->Frame1()->isVisible())
              << QString::number(d->Frame2()->isVisible());
        d->TabStrip1()->setCurrentIndex(0);
        visto << d->focusWidget()->objectName();
        // Enter is OK.
        QTest::keyClicks(d->TxtValoreDec(), QStringLiteral("0,5"));
        QTest::keyClick(d->TxtValoreDec(), Qt::Key_Return);
        visto << QString::number(d->isVisible());
    });
    EXPECT_EQ(visto, (QStringList{"Aggiungi", "TxtValoreDec", "nonperiodico", "1", "0", "TxtParteInt", "periodico", "0",
                                  "1", "TxtValoreDec", "0"}));
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2, 0, 12}}));

    // Esc is Annulla.
    QuandoModale([](QWidget* w) {
        auto* d = qobject_cast<FrmFrazione4*>(w);
        ASSERT_NE(d, nullptr);
        d->TxtValoreDec()->setText(QStringLiteral("3"));
        QTest::keyClick(d->TxtValoreDec(), Qt::Key_Escape);
    });
    AggiungiFrazioneValDecimale(FoglioAttivo);
    EXPECT_EQ(Unica<FrmFrazione4>::SeEsiste(), nullptr);
    EXPECT_EQ(NumFrazioniA, 1);
}
