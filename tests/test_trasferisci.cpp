// Transfer to the other sheet, moving one fraction, zooming a sheet or the notes.
#include "AiutiFinestre.h"
#include "commands/Comandi.h"
#include "logica/Zoom.h"

namespace {
class TrasferisciOrdinaZoom : public ProvaConFoglio {
protected:
    void Avviso(const QString& testo, const QString& titolo)
    {
        ASSERT_EQ(Modale::Mostrati().size(), 1);
        EXPECT_EQ(Modale::Mostrati()[0].testo + "|" + Modale::Mostrati()[0].titolo, testo + "|" + titolo);
        EXPECT_EQ(Modale::Mostrati()[0].tipo, 3);
        Modale::Azzera();
    }
};
} // namespace

TEST_F(TrasferisciOrdinaZoom, Trasferimento)
{
    const QString t = QStringLiteral("Trasferisci");
    const auto a = {Fr{1, 2}, Fr{1, 3, 1, 4}, Fr{1, 4}, Fr{1, 5, 1, 9}, Fr{1, 6}};
    Metti(1, a);
    TrasferisciFrazioni(1);
    Avviso(QStringLiteral("Per trasferire una o più frazioni devi aprire entrambi i fogli di calcolo"), t);
    Unica<Princ>::Istanza()->ImpostaToolbar2(2, true);
    MostraFoglio(2);
    MostraFoglio(1);
    Metti(1, a);
    Metti(2, {{7, 8, 1}});
    Suono::AzzeraRegistrati();
    TrasferisciFrazioni(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2}, {1, 4}, {1, 6}}));
    EXPECT_EQ(FrazioniDelFoglio(2), (std::vector<Fr>{{7, 8}, {1, 3, 1, 4}, {1, 5, 1, 9}}));
    EXPECT_EQ(FoglioAttivo, 2);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), "Foglio: B   ");
    EXPECT_EQ(Suono::Registrati(), QStringList{"togli.wav"});
    EXPECT_TRUE(QuadernoModificato);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());

    // 126 + 3 is refused, 125 + 3 fills the sheet; the other way round too.
    Metti(1, {{1, 2, 1}, {1, 3, 1}, {1, 4, 1}});
    Riempi(2, 126, {1, 9});
    TrasferisciFrazioni(1);
    Avviso(QStringLiteral("Il foglio B non può contenere più di 128 frazioni"), t);
    EXPECT_EQ(NumFrazioniA, 3);
    Riempi(2, 125, {1, 9});
    TrasferisciFrazioni(1);
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_EQ(NumFrazioniB, 128);
    Riempi(1, 126, {1, 2});
    TrasferisciFrazioni(2);
    Avviso(QStringLiteral("Il foglio A non può contenere più di 128 frazioni"), t);
    Frazioni[FoglioB][128][CampoSel] = Frazioni[FoglioB][127][CampoSel] = Frazioni[FoglioB][126][CampoSel] = 0;
    TrasferisciFrazioni(2);
    Avviso(QStringLiteral("Selezionare una o più frazioni"), t);
}

TEST_F(TrasferisciOrdinaZoom, SpostaIndietroEAvanti)
{
    Metti(1, {{1, 2, 1, 4}, {1, 3}, {1, 4, 0, 9}});
    SpostaIndietro(1);
    Frazioni[FoglioA][1][CampoSel] = 0;
    Frazioni[FoglioA][3][CampoSel] = 1;
    SpostaAvanti(1);
    EXPECT_TRUE(Modale::Mostrati().isEmpty() && Suono::Registrati().isEmpty() && !QuadernoModificato);
    SpostaIndietro(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2, 0, 4}, {1, 4, 1, 9}, {1, 3}}));
    EXPECT_TRUE(QuadernoModificato);
    EXPECT_EQ(Suono::Registrati(), QStringList{"sposta.wav"});
    Frazioni[FoglioA][1][CampoSel] = 1;
    SpostaIndietro(1);
    Avviso(QStringLiteral("Selezionare una frazione (e non più di una)"), QStringLiteral("Sposta indietro"));
    SpostaAvanti(1);
    Avviso(QStringLiteral("Selezionare una frazione (e non più di una)"), QStringLiteral("Sposta avanti"));
    EXPECT_EQ(Frazioni[FoglioA][2][CampoNum], 1);
}

TEST_F(TrasferisciOrdinaZoom, Zoom)
{
    for (int i = 0; i < 23; ++i) IngrandisciFoglio(1);
    EXPECT_EQ(RaggioFoglioA, 2000);
    EXPECT_EQ(Suono::Registrati().size(), 22);
    EXPECT_EQ(ColonneFoglioA, CalcolaColonne(Fogli::Istanza(FoglioA)->LarghezzaEsterna(), 2000));
    RaggioFoglioA = 900;
    for (int i = 0; i < 15; ++i) RiduciFoglio(1);
    EXPECT_EQ(RaggioFoglioA, 200);
    EXPECT_EQ(Suono::Registrati().size(), 36);
    EXPECT_FALSE(QuadernoModificato);
    // Captions in the sheet's tint up to 400, white sheets or not.
    Unica<Princ>::Istanza()->Azione(QStringLiteral("MnuImpostaFogliCalcoloBianchi"))->setChecked(true);
    RaggioFoglioB = 450;
    RiduciFoglio(2);
    EXPECT_EQ(Fogli::Istanza(FoglioB)->Area()->ForeColor, QColor(192, 255, 255));
    IngrandisciFoglio(2);
    EXPECT_EQ(Fogli::Istanza(FoglioB)->Area()->ForeColor, QColor(0, 0, 128));
    RaggioFoglioA = 850;
    RiduciFoglio(1);
    EXPECT_EQ(Fogli::Istanza(FoglioA)->Area()->Font.pointSizeF(), 8);
    EXPECT_EQ(FrmRitagliaImmagine().Picture1.Font.pointSizeF(), 8);

    EXPECT_EQ(PuntiDopoZoom(10.5, true), 12);
    EXPECT_EQ(PuntiDopoZoom(1638, true), std::nullopt);
    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    QTextCharFormat f;
    f.setFontPointSize(10);
    QTextCursor(t->document()).insertText(QStringLiteral("dieci "), f);
    f.setFontPointSize(14);
    MettiInFondo(t);
    t->textCursor().insertText(QStringLiteral("quattordici"), f);
    Seleziona(t, 3, 9);
    IngrandisciFoglio(3);
    EXPECT_EQ(Formato(t, 3).fontPointSize(), 12);
    EXPECT_EQ(Formato(t, 8).fontPointSize(), 12);
    IngrandisciFoglio(3);
    EXPECT_EQ(Formato(t, 5).fontPointSize(), 13);
    f.setFontPointSize(1);
    t->mergeCurrentCharFormat(f);
    RiduciFoglio(3);
    EXPECT_EQ(Formato(t, 5).fontPointSize(), 1);
    EXPECT_EQ(Suono::Registrati().size(), 39);   // the notes zoom silently
}
