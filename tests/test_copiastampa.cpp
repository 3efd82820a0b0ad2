// A sheet, one fraction or the notes to the system clipboard or the printer;
// select all.
#include "AiutiFinestre.h"
#include "commands/Comandi.h"
#include "commands/CopiaStampa.h"
#include "platform/Rtf.h"
#include "platform/Stampante.h"
#include "workspace/Registro.h"
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QScrollBar>

namespace {
class CopiaStampa : public ProvaConFoglio {
protected:
    void TearDown() override
    {
        ImpostaStampaSuFile(QString());
        ImpostaStampanteAssente(false);
        ProvaConFoglio::TearDown();
    }
    static QClipboard* Appunti() { return QGuiApplication::clipboard(); }
    // The texts, kinds and titles shown since the last call.
    static QStringList Mostrati()
    {
        QStringList l;
        for (const auto& m : Modale::Mostrati()) l << m.testo + "|" + QString::number(m.tipo) + "|" + m.titolo;
        Modale::Azzera();
        return l;
    }
};
const QString CopiaFoglio = QStringLiteral("|1|Copia il foglio negli appunti di Windows");
const QString UnaSola = QStringLiteral("Selezionare una frazione (e non più di una)|3|Copia frazione negli appunti di Windows");
} // namespace

TEST_F(CopiaStampa, CopiaNegliAppunti)
{
    Metti(1, {{3, 4}, {1, 2}});
    RidisegnaFoglio(1);
    const QString domanda = QStringLiteral("Copiare il foglio di calcolo A negli appunti di Windows?") + CopiaFoglio;
    for (int risposta : {0, 2, 1}) {
        Appunti()->setText(QStringLiteral("prima"));
        Modale::Rispondi(risposta);
        MnuFileCopiaBitmap_Click();
        EXPECT_EQ(Mostrati(), QStringList{domanda});
        EXPECT_EQ(Appunti()->text(), risposta == 1 ? "" : "prima");
    }
    EXPECT_EQ(Appunti()->image().size(), QSize(Fogli::Istanza(FoglioA)->width() - 18, Fogli::Istanza(FoglioA)->height() - 22));
    EXPECT_EQ(Appunti()->image().pixelColor(0, 0), QColor(255, 255, 192));
    Unica<Princ>::Istanza()->Azione(QStringLiteral("MnuImpostaFogliCalcoloBianchi"))->setChecked(true);
    RidisegnaFoglio(1);
    EXPECT_EQ(ImmagineDaCopiare(1).pixelColor(0, 0), QColor(255, 255, 255));

    // One fraction: none or two selected are refused without a question.
    Appunti()->setText(QStringLiteral("prima"));
    for (int due : {0, 1}) {
        Frazioni[FoglioA][2][CampoSel] = int16_t(due);
        MnuModificaCopiaBitmap_Click();
        EXPECT_EQ(Mostrati(), QStringList{UnaSola});
        Frazioni[FoglioA][1][CampoSel] = 1;
    }
    EXPECT_EQ(Appunti()->text(), "prima");
    Frazioni[FoglioA][2][CampoSel] = 0;
    MnuModificaCopiaBitmap_Click();
    EXPECT_EQ(Appunti()->image().size(), QSize(130, 149));
    EXPECT_EQ(Appunti()->image().pixelColor(65, 30), QColor(255, 0, 0));

    // No room left for a picture.
    Fogli::Istanza(FoglioA)->resize(15, 200);
    Modale::Rispondi(1);
    MnuFileCopiaBitmap_Click();
    EXPECT_EQ(Mostrati().last(), "Memoria esaurita|3|Copia il foglio negli appunti di Windows");
    EXPECT_EQ(ContaErrori, 0);

    ApriAppunti();
    TxtAppunti()->setPlainText(QStringLiteral("Note di prova"));
    QuadernoModificato = FALSO;
    Modale::Rispondi(1);
    MnuFileCopiaBitmap_Click();
    EXPECT_EQ(Appunti()->mimeData()->formats(), QStringList{Rtf::TipoMime});
    QTextDocument letto;
    ASSERT_TRUE(Rtf::Leggi(Rtf::DaAppunti(Appunti()->mimeData()), letto));
    EXPECT_EQ(letto.toPlainText(), "Note di prova");
    EXPECT_FALSE(QuadernoModificato);
}

TEST_F(CopiaStampa, Stampa)
{
    Riempi(1, 60, {1, 3});
    AggiornaScorrimento(1);
    ImpostaStampanteAssente(true);
    Modale::Rispondi(1);
    MnuFileStampa_Click();
    EXPECT_EQ(Mostrati(), (QStringList{"Stampare il foglio di calcolo A?|1|Stampa foglio",
                                       "Errore di stampante|3|Stampa foglio"}));
    EXPECT_EQ(ContaErrori, 0);
    EXPECT_TRUE(Fogli::Istanza(FoglioA)->VScroll1()->isVisible());

    ImpostaStampanteAssente(false);
    const QString pdf = Percorso(QStringLiteral("foglio.pdf"));
    ImpostaStampaSuFile(pdf);
    Modale::Rispondi(1);
    MnuFileStampa_Click();
    EXPECT_EQ(Mostrati().size(), 1);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("/Image"));   // the sheet's picture is on the page

    ApriAppunti();
    TxtAppunti()->setPlainText(QStringLiteral("tutto il testo"));
    EXPECT_EQ(AppuntiDaStampare()->toPlainText(), "tutto il testo");
    Seleziona(TxtAppunti(), 6, 8);
    EXPECT_EQ(AppuntiDaStampare()->toPlainText(), "il");

    // The register prints through the same printer.
    CreaRegistro();
    ImpostaStampaSuFile(Percorso(QStringLiteral("registro.pdf")));
    StampaRegistro();
    EXPECT_TRUE(QFile::exists(Percorso(QStringLiteral("registro.pdf"))));
    ImpostaStampanteAssente(true);
    StampaRegistro();
    EXPECT_EQ(Mostrati(), QStringList{"Errore di stampante|3|Stampa registro"});
}

TEST_F(CopiaStampa, SelezionaTutto)
{
    Riempi(1, 60, {1, 4});
    AggiornaScorrimento(1);
    Fogli::Istanza(FoglioA)->VScroll1()->setValue(Fogli::Istanza(FoglioA)->VScroll1()->maximum());
    ASSERT_GT(Fogli::Istanza(FoglioA)->VScroll1()->value(), 0);
    MnuModificaSelezionaTutto_Click();
    for (int i = 1; i <= 60; ++i) EXPECT_EQ(Frazioni[FoglioA][i][CampoSel], 1) << i;
    EXPECT_FALSE(QuadernoModificato);
    ApriAppunti();
    TxtAppunti()->setPlainText(QStringLiteral("riga uno\nriga due"));
    MnuModificaSelezionaTutto_Click();
    EXPECT_EQ(TxtAppunti()->textCursor().selectedText().size(), 17);
}
