// Grouping fractions, the split into unit fractions and the split in two
// with its dialog.
#include "AiutiFinestre.h"
#include "commands/Comandi.h"
#include "commands/FrmSeparaDue.h"
#include "platform/Colori.h"
#include "workspace/Registro.h"
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QPushButton>

namespace {

class Gruppi : public ProvaConFoglio {
protected:
    void SetUp() override
    {
        ProvaConFoglio::SetUp();
        CreaRegistro();
    }
};

} // namespace

TEST_F(Gruppi, RaggruppareSommaINumeratoriAlPostoDelPrimo)
{
    Metti(1, {{1, 2}, {1, 4, 1, 12}, {1, 3}, {2, 3}, {2, 4, 1, 9}, {5, 6}});
    RaggruppaFrazioni(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2}, {3, 4, 1, 12}, {1, 3}, {2, 3}, {5, 6}}));
    EXPECT_TRUE(Suono::Registrati().contains(QStringLiteral("raggruppa.wav")));
    EXPECT_EQ(QuadernoModificato, VERO);

    Metti(1, {{3, 4, 1}, {3, 4, 1}});
    RaggruppaFrazioni(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{4, 4, 1}, {2, 4, 1}}));
    Metti(1, {{5, 5, 1}, {1, 3}, {5, 5, 1}});
    RaggruppaFrazioni(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{5, 5, 1}, {5, 5, 1}, {1, 3}}));
    Metti(1, {{2, 4, 1}, {2, 4, 1}});
    RaggruppaFrazioni(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{4, 4, 1}}));
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
}

TEST_F(Gruppi, RaggruppareRifiutaESegnalaIlPrimoProblema)
{
    Metti(1, {{1, 4, 1}, {1, 3, 1}});
    RaggruppaFrazioni(1);
    const QString diversi = QStringLiteral("Le frazioni da raggruppare non hanno lo stesso denominatore");
    EXPECT_EQ(MessaggiMostrati(), QStringList{QStringLiteral("1|Raggruppa|") + diversi});
    QString registro;
    ASSERT_TRUE(LeggiRegistro(registro));
    EXPECT_TRUE(registro.contains(diversi));

    // Whichever is met first along the sheet is told.
    Modale::Azzera();
    Metti(1, {{32000, 32000, 1}, {1000, 32000, 1}, {1, 3, 1}});
    RaggruppaFrazioni(1);
    Metti(1, {{1, 3, 1}, {1, 4, 1}, {32000, 32000, 1}, {1000, 32000, 1}});
    RaggruppaFrazioni(1);
    Metti(1, {{1, 3, 1}, {1, 3}});
    RaggruppaFrazioni(1);
    EXPECT_EQ(MessaggiMostrati(), (QStringList{QStringLiteral("3|Raggruppa|I termini di una frazione sono numeri troppo grandi"),
                                       QStringLiteral("1|Raggruppa|") + diversi,
                                       QStringLiteral("3|Raggruppa|Selezionare due o più frazioni")}));
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 3, 1}, {1, 3}}));
    EXPECT_EQ(QuadernoModificato, FALSO);
}

TEST_F(Gruppi, SeparareInUnitaFrazionarie)
{
    Metti(1, {{1, 2}, {3, 5, 1, 4}, {2, 3}});
    SeparaInUnita(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2}, {1, 5, 1, 4}, {1, 5, 1, 4}, {1, 5, 1, 4}, {2, 3}}));
    EXPECT_TRUE(Suono::Registrati().contains(QStringLiteral("separa.wav")));

    Metti(1, {{1, 5, 1}});
    SeparaInUnita(1);
    Riempi(1, 127, {1, 2});
    Frazioni[1][127][1] = 3;
    Frazioni[1][127][2] = 5;
    Frazioni[1][127][3] = 1;
    SeparaInUnita(1);
    EXPECT_EQ(NumFrazioniA, 127);
    EXPECT_EQ(MessaggiMostrati(), (QStringList{QStringLiteral("1|Separa|Non si può separare una frazione con numeratore 1"),
                                       QStringLiteral("3|Separa|Un foglio non può contenere più di 128 frazioni")}));
    Frazioni[1][127][1] = 2;
    SeparaInUnita(1);
    EXPECT_EQ(NumFrazioniA, 128);
}

TEST_F(Gruppi, SepararInDueConIlDialogo)
{
    Metti(1, {{1, 2}, {12, 30, 1, 4}, {2, 3}});
    QStringList visti;
    QuandoModale([&](QWidget* w) {
        auto* d = qobject_cast<FrmSeparaDue*>(w);
        if (!d) return w->close();
        auto parti = [&] { visti << QStringLiteral("%1+%2").arg(d->Parte1()).arg(d->Parte2()); };
        parti();
        QTest::mouseClick(d->Option2(), Qt::LeftButton, {}, QPoint(5, d->Option2()->height() / 2));
        QTest::mouseClick(d->CmdPiu(), Qt::LeftButton);
        parti();
        QTest::mouseClick(d->CmdPiu(), Qt::LeftButton);
        parti();
        QTest::mouseClick(d->CmdMeno(), Qt::LeftButton);
        QTest::mouseClick(d->CmdMeno(), Qt::LeftButton);   // 1 is not more than 10
        QTest::mouseClick(d->CmdPiu(), Qt::LeftButton);
        parti();
        visti << (d->windowFlags().testFlag(Qt::WindowStaysOnTopHint) ? QStringLiteral("sopra") : QString());
        QTest::mouseClick(d->CmdOk(), Qt::LeftButton);
        return true;
    });
    SeparaInDue(1);
    EXPECT_EQ(visti, (QStringList{"11+1", "1+11", "1+11", "1+11", "sopra"}));
    EXPECT_EQ(Suono::Registrati().count(QStringLiteral("clic2.wav")), 3);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2}, {1, 30, 1, 4}, {11, 30, 1, 4}, {2, 3}}));
    EXPECT_TRUE(Suono::Registrati().contains(QStringLiteral("separa.wav")));
    EXPECT_EQ(QuadernoModificato, VERO);
    EXPECT_EQ(FrmSeparaDueAperto(), nullptr);

    // Annulla changes nothing.
    QuadernoModificato = FALSO;
    Metti(1, {{5, 7, 1}});
    QuandoModale([](QWidget* w) {
        if (auto* d = qobject_cast<FrmSeparaDue*>(w)) {
            QTest::mouseClick(d->CmdPiu(), Qt::LeftButton);
            QTest::mouseClick(d->CmdAnnulla(), Qt::LeftButton);
        } else {
            w->close();
        }
    });
    SeparaInDue(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{5, 7, 1}}));
    EXPECT_EQ(QuadernoModificato, FALSO);

    // Refusals come before the dialog.
    Riempi(1, 128, {2, 3});
    SeparaInDue(1);
    Frazioni[1][2][3] = 1;
    SeparaInDue(1);
    Metti(1, {{1, 3, 1}});
    SeparaInDue(1);
    const QString t = QStringLiteral("|Separa in due frazioni|");
    EXPECT_EQ(MessaggiMostrati(), (QStringList{QStringLiteral("3") + t + QStringLiteral("Selezionare una frazione (e non più di una)"),
                                       QStringLiteral("3") + t + QStringLiteral("Un foglio non può contenere più di 128 frazioni"),
                                       QStringLiteral("1") + t + QStringLiteral("Non si può separare una frazione con numeratore 1")}));
}

TEST_F(Gruppi, IlDialogoDisegnaLeTreTorte)
{
    FrmSeparaDue d(300, 600, 12, 1, Unica<Princ>::Istanza());
    Superficie* a = d.Area();
    // 300/600 = 299/600 + 1/600: the last is only its radius line.
    EXPECT_EQ(a->Punto(1020, 1020 - 600), QBColor(12));
    EXPECT_EQ(a->Punto(1020, 1020 + 600), QBColor(8));
    EXPECT_EQ(a->Punto(3180 + 60, 1020 - 600), QBColor(12));
    EXPECT_EQ(a->Punto(5340 + 600, 1020 - 60), QBColor(8));
    EXPECT_EQ(a->Punto(5340 + 600, 1020), QBColor(15));
    EXPECT_EQ(d.Area()->Font.pointSize(), 14);
    FrmSeparaDue grande(1000, 1000, 9, 1, Unica<Princ>::Istanza());
    EXPECT_EQ(grande.Area()->Font.pointSize(), 10);
    // The captions sit under the pies, in the fraction's colour.
    bool colorata = false;
    for (int x = 240; x < 1400 && !colorata; x += 15)
        for (int y = 2040; y < 2400 && !colorata; y += 15) colorata = grande.Area()->Punto(x, y) == QBColor(9);
    EXPECT_TRUE(colorata);
}
