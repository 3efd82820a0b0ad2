// Transfer to the other sheet, moving one fraction, zooming a sheet or the
// notes.
#include "AiutiFinestre.h"
#include "commands/Comandi.h"
#include "commands/Zoom.h"
#include "platform/Colori.h"
#include <QCoreApplication>

namespace {

class TrasferisciOrdinaZoom : public ProvaConFoglio {
protected:
    // Both sheets open, sheet A active.
    void ApriEntrambi()
    {
        princ()->ImpostaToolbar2(2, true);
        MostraFoglio(2);
        princ()->Affianca();
        MostraFoglio(1);
        QCoreApplication::processEvents();
        Modale::Azzera();
        Suono::AzzeraRegistrati();
        QuadernoModificato = FALSO;
    }
    void AttesoAvviso(const QString& testo, const QString& titolo)
    {
        ASSERT_EQ(Modale::Mostrati().size(), 1);
        EXPECT_EQ(Modale::Mostrati()[0].testo, testo);
        EXPECT_EQ(Modale::Mostrati()[0].tipo, 3);
        EXPECT_EQ(Modale::Mostrati()[0].titolo, titolo);
        Modale::Azzera();
    }
};

} // namespace

TEST_F(TrasferisciOrdinaZoom, TrasferimentoSpostaLeSelezionateInFondoAllAltroFoglio)
{
    // Sheet B closed: refused whatever is selected.
    Metti(1, {{1, 2}, {1, 3, 1}, {1, 4}, {1, 5, 1}, {1, 6}});
    TrasferisciFrazioni(1);
    AttesoAvviso(QStringLiteral("Per trasferire una o più frazioni devi aprire entrambi i fogli di calcolo"),
                 QStringLiteral("Trasferisci"));
    EXPECT_EQ(NumFrazioniA, 5);

    ApriEntrambi();
    Metti(1, {{1, 2}, {1, 3, 1, 4}, {1, 4}, {1, 5, 1, 9}, {1, 6}});
    Metti(2, {{7, 8, 1}});
    TrasferisciFrazioni(1);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2}, {1, 4}, {1, 6}}));
    EXPECT_EQ(FrazioniDelFoglio(2), (std::vector<Fr>{{7, 8}, {1, 3, 1, 4}, {1, 5, 1, 9}}));
    EXPECT_EQ(FoglioAttivo, 2);
    EXPECT_EQ(princ()->TestoPannello(2), "Foglio: B   ");
    EXPECT_EQ(Suono::Registrati(), QStringList{"togli.wav"});
    EXPECT_TRUE(QuadernoModificato);

    // Nothing selected on B now but the two: moving them back works too.
    TrasferisciFrazioni(2);
    EXPECT_EQ(FrazioniDelFoglio(2), (std::vector<Fr>{{7, 8}}));
    EXPECT_EQ(NumFrazioniA, 5);
    EXPECT_EQ(FoglioAttivo, 1);
}

TEST_F(TrasferisciOrdinaZoom, TrasferimentoRispettaIlLimiteDi128)
{
    ApriEntrambi();
    Metti(1, {{1, 2, 1}, {1, 3, 1}, {1, 4, 1}});
    Riempi(2, 126, {1, 9});
    TrasferisciFrazioni(1);
    AttesoAvviso(QStringLiteral("Il foglio B non può contenere più di 128 frazioni"), QStringLiteral("Trasferisci"));
    EXPECT_EQ(NumFrazioniA, 3);
    EXPECT_EQ(NumFrazioniB, 126);
    EXPECT_FALSE(QuadernoModificato);

    Riempi(2, 125, {1, 9});
    TrasferisciFrazioni(1);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_EQ(NumFrazioniB, 128);

    // Towards A, and with nothing selected.
    TrasferisciFrazioni(2);
    EXPECT_EQ(NumFrazioniA, 3);
    // Activating A has cleared the selection of B.
    TrasferisciFrazioni(2);
    AttesoAvviso(QStringLiteral("Selezionare una o più frazioni"), QStringLiteral("Trasferisci"));
    Riempi(2, 127, {1, 9, 1});
    TrasferisciFrazioni(2);
    AttesoAvviso(QStringLiteral("Il foglio A non può contenere più di 128 frazioni"), QStringLiteral("Trasferisci"));
}

TEST_F(TrasferisciOrdinaZoom, SpostaIndietroEAvanti)
{
    Metti(1, {{1, 2, 1, 4}, {1, 3}, {1, 4, 0, 9}});
    SpostaIndietro(1);
    Metti(1, {{1, 2, 0, 4}, {1, 3}, {1, 4, 1, 9}});
    SpostaAvanti(1);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_TRUE(Suono::Registrati().isEmpty());
    EXPECT_FALSE(QuadernoModificato);

    SpostaIndietro(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2, 0, 4}, {1, 4, 1, 9}, {1, 3}}));
    EXPECT_TRUE(QuadernoModificato);
    EXPECT_EQ(Suono::Registrati(), QStringList{"sposta.wav"});
    SpostaAvanti(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2, 0, 4}, {1, 3}, {1, 4, 1, 9}}));

    Frazioni[1][1][3] = 1;
    SpostaIndietro(1);
    AttesoAvviso(QStringLiteral("Selezionare una frazione (e non più di una)"), QStringLiteral("Sposta indietro"));
    SpostaAvanti(1);
    AttesoAvviso(QStringLiteral("Selezionare una frazione (e non più di una)"), QStringLiteral("Sposta avanti"));
    EXPECT_EQ(Frazioni[1][1][1], 1);
    EXPECT_EQ(Frazioni[1][1][2], 2);
}

TEST_F(TrasferisciOrdinaZoom, ZoomDelFoglioTraIDueEstremi)
{
    Metti(1, {{1, 2}});
    ASSERT_EQ(RaggioFoglioA, 900);
    for (int i = 0; i < 22; ++i) IngrandisciFoglio(1);
    EXPECT_EQ(RaggioFoglioA, 2000);
    EXPECT_EQ(Suono::Registrati().size(), 22);
    IngrandisciFoglio(1);
    EXPECT_EQ(RaggioFoglioA, 2000);
    EXPECT_EQ(Suono::Registrati().size(), 22);
    EXPECT_EQ(ColonneFoglioA, CalcolaColonne(Form1()->LarghezzaEsterna(), 2000));

    RaggioFoglioA = 900;
    for (int i = 0; i < 14; ++i) RiduciFoglio(1);
    EXPECT_EQ(RaggioFoglioA, 200);
    RiduciFoglio(1);
    EXPECT_EQ(RaggioFoglioA, 200);
    EXPECT_EQ(Suono::Registrati().size(), 36);
    EXPECT_EQ(Suono::Registrati().back(), "zoom.wav");
    EXPECT_FALSE(QuadernoModificato);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());

    // Captions in the tint up to 400, on sheet B too, whatever the
    // white-sheets option; the font follows 800.
    princ()->Azione(QStringLiteral("MnuImpostaFogliCalcoloBianchi"))->setChecked(true);
    RaggioFoglioB = 450;
    RiduciFoglio(2);
    EXPECT_EQ(Form2()->Area()->ForeColor, QColor(192, 255, 255));
    IngrandisciFoglio(2);
    EXPECT_EQ(Form2()->Area()->ForeColor, QColor(0, 0, 128));
    RaggioFoglioA = 850;
    IngrandisciFoglio(1);
    EXPECT_EQ(Form1()->Area()->Font.pointSizeF(), 12);
    RiduciFoglio(1);
    RiduciFoglio(1);
    EXPECT_EQ(RaggioFoglioA, 800);
    EXPECT_EQ(Form1()->Area()->Font.pointSizeF(), 8);
    EXPECT_EQ(FrmRitagliaImmagine().Picture1.Font.pointSizeF(), 8);
}

TEST_F(TrasferisciOrdinaZoom, ZoomDegliAppunti)
{
    EXPECT_EQ(PuntiDopoZoom(std::nullopt, false), 12);
    EXPECT_EQ(PuntiDopoZoom(10.5, true), 12);
    EXPECT_EQ(PuntiDopoZoom(12.5, false), 12);
    EXPECT_EQ(PuntiDopoZoom(1, false), std::nullopt);
    EXPECT_EQ(PuntiDopoZoom(1638, true), std::nullopt);

    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    QTextCursor c(t->document());
    QTextCharFormat f;
    f.setFontPointSize(10);
    c.insertText(QStringLiteral("piccolo "), f);
    f.setFontPointSize(14);
    c.insertText(QStringLiteral("grande"), f);
    Seleziona(t, 3, 11);
    IngrandisciFoglio(3);
    for (int i = 3; i < 11; ++i) EXPECT_EQ(Formato(t, i).fontPointSize(), 12) << i;
    EXPECT_EQ(Formato(t, 0).fontPointSize(), 10);
    IngrandisciFoglio(3);
    EXPECT_EQ(Formato(t, 5).fontPointSize(), 13);
    Seleziona(t, 0, 2);
    f.setFontPointSize(1);
    t->mergeCurrentCharFormat(f);
    RiduciFoglio(3);
    EXPECT_EQ(Formato(t, 0).fontPointSize(), 1);
    EXPECT_TRUE(Suono::Registrati().isEmpty());
    EXPECT_EQ(RaggioFoglioA, 900);
}
