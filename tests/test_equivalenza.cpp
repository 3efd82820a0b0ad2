// The factor commands (equivalent fractions, one fraction multiplied or
// divided by a whole number) and the dialogs that ask their factor.
#include "AiutiFinestre.h"
#include "commands/Comandi.h"
#include "commands/Dispatch.h"
#include "commands/FrmFattore.h"
#include "workspace/Registro.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class Fattori : public ProvaConFoglio {
protected:
    void SetUp() override
    {
        ProvaConFoglio::SetUp();
        CreaRegistro();
    }
    bool NelRegistro(const QString& testo)
    {
        QString r;
        return LeggiRegistro(r) && r.contains(testo);
    }
    // Whether pie i of sheet A shows something other than the background.
    bool Disegnata(int i)
    {
        const GeometriaFoglio g = GeometriaDelFoglio(1);
        const QPoint c = g.Centro(i);
        return Fogli::Istanza(1)->Area()->Punto(c.x() - g.R / 2, c.y() + g.R / 3) != ColoreSfondoFoglio(1);
    }
};

const QString TroppoGrandi = QStringLiteral("I termini di una frazione sono numeri troppo grandi");

} // namespace

TEST_F(Fattori, DividereITerminiETuttoONiente)
{
    Metti(1, {{2, 4, 1}, {1, 3}, {1, 3}, {1, 3}, {3, 6, 1}});
    FattoreEquivDividi = 2;
    DividiTermini(1);
    const QString errore = QStringLiteral("Errore nella semplificazione della frazione:  2 non è un divisore comune a "
                                          "numeratore e denominatore della frazione 3/6 (frazione n.  5).");
    EXPECT_EQ(MessaggiMostrati(), QStringList{QStringLiteral("2|Dividi numeratore e denominatore|") + errore});
    EXPECT_TRUE(NelRegistro(errore));
    EXPECT_EQ(FrazioniDelFoglio(1)[0], (Fr{2, 4, 1}));
    EXPECT_EQ(QuadernoModificato, FALSO);
    EXPECT_TRUE(Suono::Registrati().filter(QStringLiteral("equiv")).isEmpty());

    Metti(1, {{3, 6, 1}, {1, 2}, {6, 9, 1, 4}});
    FattoreEquivDividi = 3;
    DividiTermini(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2, 1}, {1, 2}, {2, 3, 1, 4}}));
    EXPECT_EQ(QuadernoModificato, VERO);
    EXPECT_TRUE(Suono::Registrati().contains(QStringLiteral("equiv2.wav")));

    Modale::Azzera();
    Metti(1, {{3, 6}});
    DividiTermini(1);
    MoltiplicaTermini(1);
    EXPECT_EQ(MessaggiMostrati(), (QStringList{QStringLiteral("3|Dividi numeratore e denominatore|Selezionare una o più frazioni"),
                                       QStringLiteral("3|Moltiplica numeratore e denominatore|Selezionare una o più frazioni")}));
}

TEST_F(Fattori, UnTraboccoNelMoltiplicareITerminiTieneIPrimiProdottiEliSalva)
{
    Metti(1, {{2, 3, 1}, {1, 5}});
    FattoreEquivMoltiplica = 4;
    MoltiplicaTermini(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{8, 12, 1}, {1, 5}}));
    EXPECT_TRUE(Suono::Registrati().contains(QStringLiteral("equiv1.wav")));

    Metti(1, {{3, 4, 1}, {200, 300, 1}});
    RidisegnaFoglio(1);
    Fogli::Istanza(1)->Area()->Pulisci();
    Unica<Princ>::Istanza()->LblSommaFoglioA()->setText(QStringLiteral("vecchia"));
    QuadernoModificato = FALSO;
    Suono::AzzeraRegistrati();
    FattoreEquivMoltiplica = 200;
    MoltiplicaTermini(1);
    EXPECT_EQ(MessaggiMostrati(), QStringList{QStringLiteral("3|Moltiplica numeratore e denominatore|") + TroppoGrandi});
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{600, 800, 1}, {200, 300, 1}}));
    // The sheet and its sum show what the store holds, and the change is
    // not lost on leaving.
    EXPECT_TRUE(Disegnata(1));
    EXPECT_NE(Unica<Princ>::Istanza()->LblSommaFoglioA()->text(), QStringLiteral("vecchia"));
    EXPECT_EQ(QuadernoModificato, VERO);
    EXPECT_TRUE(Suono::Registrati().filter(QStringLiteral("equiv")).isEmpty());
    Modale::Rispondi(2);
    MnuFileNuovoQuaderno_Click();
    ASSERT_FALSE(Modale::Mostrati().isEmpty());
    EXPECT_EQ(Modale::Mostrati().last().testo, QStringLiteral("Salvare il quaderno ?"));

    // A first fraction that overflows changes nothing at all.
    Metti(1, {{200, 300, 1}});
    QuadernoModificato = FALSO;
    MoltiplicaTermini(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{200, 300, 1}}));
    EXPECT_EQ(QuadernoModificato, FALSO);
}

TEST_F(Fattori, MoltiplicareUnaFrazioneOltreLInteroNeFaCopie)
{
    FattoreMoltiplica = 3;
    Metti(1, {{1, 5, 1, 2}});
    MoltiplicaFrazione(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{3, 5, 1, 2}}));

    Metti(1, {{1, 2}, {2, 5, 1, 9}, {3, 4}, {5, 6}});
    MoltiplicaFrazione(1);
    EXPECT_EQ(FrazioniDelFoglio(1),
              (std::vector<Fr>{{1, 2}, {2, 5, 1, 9}, {2, 5, 1, 9}, {2, 5, 1, 9}, {3, 4}, {5, 6}}));
    EXPECT_TRUE(Suono::Registrati().contains(QStringLiteral("moltiplica.wav")));
    EXPECT_EQ(QuadernoModificato, VERO);

    Riempi(1, 127, {1, 2});
    Frazioni[1][1][1] = 2;
    Frazioni[1][1][2] = 5;
    Frazioni[1][1][3] = 1;
    MoltiplicaFrazione(1);
    EXPECT_EQ(NumFrazioniA, 127);
    EXPECT_EQ(MessaggiMostrati().last(), QStringLiteral("4|Moltiplica|Il foglio non può contenere più di 128 frazioni. ") +
                                     ACapo + ACapo + QStringLiteral("Impossibile eseguire la moltiplicazione"));

    // The product is checked before the limit.
    Metti(1, {{200, 300, 1}});
    FattoreMoltiplica = 200;
    MoltiplicaFrazione(1);
    EXPECT_EQ(MessaggiMostrati().last(), QStringLiteral("3|Moltiplica|") + TroppoGrandi);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{200, 300, 1}}));
}

TEST_F(Fattori, DividereUnaFrazione)
{
    auto dividi = [](Fr f, int16_t k) {
        Metti(1, {{1, 2}, f});
        FattoreDividi = k;
        DividiFrazione(1);
        return FrazioniDelFoglio(1)[1];
    };
    EXPECT_EQ(dividi({4, 5, 1}, 2), (Fr{2, 5, 1}));
    EXPECT_EQ(dividi({3, 4, 1}, 2), (Fr{3, 8, 1}));
    EXPECT_EQ(dividi({6, 7, 1, 3}, 4), (Fr{3, 14, 1, 3}));
    EXPECT_EQ(dividi({1, 16384, 1}, 2), (Fr{1, 16384, 1}));
    EXPECT_EQ(MessaggiMostrati(), QStringList{QStringLiteral("3|Dividi|") + TroppoGrandi});
    Metti(1, {{1, 2, 1}, {1, 3, 1}});
    DividiFrazione(1);
    MoltiplicaFrazione(1);
    EXPECT_EQ(MessaggiMostrati().mid(1), (QStringList{QStringLiteral("3|Dividi|Selezionare una frazione (e non più di una)"),
                                              QStringLiteral("3|Moltiplica|Selezionare una frazione (e non più di una)")}));
}

TEST_F(Fattori, IQuattroDialoghiRifiutanoLoZeroETornanoAlFattoreDelBottone)
{
    struct Atteso {
        ComandoFattore c;
        const char *nome, *etichetta, *casella, *ok, *annulla, *zero;
    };
    const Atteso attesi[] = {
        {ComandoFattore::EquivMoltiplica, "FrmEquiv1", "Moltiplica numeratore e denominatore  per", "TxtMoltiplica",
         "CmdOk", "CmdAnnulla", "1|Moltiplica numeratore e denominatore|Non puoi moltiplicare il denominatore per zero !"},
        {ComandoFattore::EquivDividi, "FrmEquiv2", "Dividi numeratore e denominatore  per", "TxtDividi", "CmdOk",
         "CmdAnnulla", "1|Dividi numeratore e denominatore|Non puoi dividere per zero !"},
        {ComandoFattore::Dividi, "FrmDividi", "Dividi la frazione selezionata per", "TxtDividi", "Command1", "Command2",
         "1|Dividi|Non puoi dividere per zero"},
    };
    Metti(1, {{2, 4, 1}});
    const QPoint angoloFoglio = Fogli::Istanza(1)->mapToGlobal(QPoint(0, 0));
    for (const Atteso& a : attesi) {
        Modale::Azzera();
        bool visto = false, restaAperto = false;
        QuandoModale([&](QWidget* w) {
            auto* d = qobject_cast<FrmFattore*>(w);
            if (!d) return w->close();
            visto = d->objectName() == QLatin1String(a.nome) && d->Label1()->text() == QString::fromUtf8(a.etichetta) &&
                    d->Casella()->objectName() == QLatin1String(a.casella) &&
                    d->BottoneOk()->objectName() == QLatin1String(a.ok) &&
                    d->BottoneAnnulla()->objectName() == QLatin1String(a.annulla) && d->focusWidget() == d->Casella() &&
                    d->windowFlags().testFlag(Qt::WindowStaysOnTopHint) && d->x() > angoloFoglio.x() &&
                    d->y() > angoloFoglio.y() + Fogli::Istanza(1)->height() / 2;
            QTest::keyClicks(d->Casella(), QStringLiteral("0"));
            QTest::keyClick(d->Casella(), Qt::Key_Return);
            // The refused text stays, selected: what the pupil types next replaces it.
            restaAperto = d->isVisible() && d->Casella()->text() == QStringLiteral("0") &&
                          d->Casella()->selectedText() == QStringLiteral("0");
            QTest::keyClick(d->Casella(), Qt::Key_Escape);
            return true;
        });
        ChiediFattoreEdEsegui(a.c, 1);
        EXPECT_TRUE(visto) << a.nome;
        EXPECT_TRUE(restaAperto) << a.nome;
        EXPECT_EQ(MessaggiMostrati(), QStringList{QString::fromUtf8(a.zero)}) << a.nome;
        EXPECT_TRUE(NelRegistro(QString::fromUtf8(a.zero).section(QLatin1Char('|'), 2))) << a.nome;
        EXPECT_EQ(FrmFattoreAperto(), nullptr);
    }
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{2, 4, 1}}));
    EXPECT_EQ(QuadernoModificato, FALSO);

    // A typed factor is used once; the toolbar's stays.
    Toolbar1_ButtonMenuClick(QStringLiteral("div2"));
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2, 1}}));
    Metti(1, {{3, 9, 1}});
    QuandoModale([](QWidget* w) {
        if (auto* d = qobject_cast<FrmFattore*>(w)) {
            QTest::keyClicks(d->Casella(), QStringLiteral("3"));
            QTest::mouseClick(d->BottoneOk(), Qt::LeftButton);
        } else {
            w->close();
        }
    });
    MnuEquivalenzaDividi_Click();
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 3, 1}}));
    EXPECT_EQ(FattoreEquivDividi, 2);
}

TEST_F(Fattori, MoltiplicarePerZeroChiedeETaglia)
{
    Metti(1, {{1, 2}, {3, 7, 1, 5}});
    const QString domanda = QStringLiteral("Moltiplicare per zero equivale ad eliminare la frazione.") + ACapo + ACapo +
                            QStringLiteral("Vuoi continuare?");
    bool apertoDopoNo = false;
    QuandoModale([&](QWidget* w) {
        auto* d = qobject_cast<FrmFattore*>(w);
        if (!d || d->objectName() != QLatin1String("FrmMoltiplica")) return w->close();
        QTest::keyClicks(d->Casella(), QStringLiteral("0"));
        Modale::Rispondi(0);
        QTest::mouseClick(d->BottoneOk(), Qt::LeftButton);
        apertoDopoNo = d->isVisible();
        Modale::Rispondi(1);
        QTest::mouseClick(d->BottoneOk(), Qt::LeftButton);
        return true;
    });
    MnuOperaMoltiplica_Click();
    EXPECT_TRUE(apertoDopoNo);
    ASSERT_EQ(Modale::Mostrati().size(), 2);
    EXPECT_EQ(Modale::Mostrati()[0].testo, domanda);
    EXPECT_EQ(Modale::Mostrati()[0].tipo, 2);
    EXPECT_EQ(Modale::Mostrati()[0].titolo, QStringLiteral("Moltiplica"));
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2}}));
    EXPECT_EQ(FattoreMoltiplica, 2);
    EXPECT_EQ(QuadernoModificato, VERO);
    EseguiIncolla(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2}, {3, 7, 1, 5}}));
}
