// Cut, copy, paste and clear: fractions through the program's own fraction
// clipboard, the notes' text through the system clipboard.
#include "AiutiFinestre.h"
#include "commands/Comandi.h"
#include "commands/Dispatch.h"
#include "commands/Modifica.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Rtf.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <initializer_list>
#include <vector>

namespace {

std::vector<Fr> Copiate()
{
    std::vector<Fr> v;
    for (int i = 1; i <= NumFrazioniCopiate; ++i)
        v.push_back({FrazioniCopiate[i][1], FrazioniCopiate[i][2], FrazioniCopiate[i][3], FrazioniCopiate[i][4]});
    return v;
}

const QString AvvisoFrazioni = QStringLiteral(
    "Per incollare delle frazioni devi prima usare il pulsante \"copia\" o il pulsante \"taglia\"");
const QString AvvisoTesto =
    QStringLiteral("Per incollare del testo devi prima usare il pulsante \"copia\" o il pulsante \"taglia\"");

// True when the selection square (colour 1) stands at the top left corner of
// pie i of sheet s, within a pixel.
bool Riquadrata(uint8_t s, int i)
{
    const GeometriaFoglio g = GeometriaDelFoglio(s);
    if (g.C <= 0) return false;
    const QPoint c = g.Centro(i);
    const QImage img = Fogli::Istanza(s)->Area()->Immagine();
    const QPoint angolo(TwipInPixel(c.x() - g.R), TwipInPixel(c.y() - g.R));
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (img.valid(angolo + QPoint(dx, dy)) && img.pixelColor(angolo + QPoint(dx, dy)) == QBColor(1))
                return true;
    return false;
}

class Modifica : public ProvaConFoglio {
protected:
    void ApriAppunti()
    {
        ProvaConFoglio::ApriAppunti();
        QuadernoModificato = FALSO;
    }
    void AttesoAvviso(const QString& testo, const QString& titolo)
    {
        ASSERT_EQ(Modale::Mostrati().size(), 1);
        const Modale::Mostrato& m = Modale::Mostrati().front();
        EXPECT_EQ(m.genere, "messaggio");
        EXPECT_EQ(m.testo, testo);
        EXPECT_EQ(m.tipo, 3);
        EXPECT_EQ(m.titolo, titolo);
        Modale::Azzera();
    }
};

} // namespace

// --- Fractions ---------------------------------------------------------------

TEST_F(Modifica, CopiaTienaLOrdineEIncollaInFondoAllAltroFoglio)
{
    Metti(1, {{1, 2}, {1, 3, 1, 4}, {2, 3}, {3, 4, 1, 9}, {4, 5, 1, 2}});
    EseguiCopia(1);
    EXPECT_EQ(Copiate(), (std::vector<Fr>{{1, 3, 1, 4}, {3, 4, 1, 9}, {4, 5, 1, 2}}));
    // The sheet and the notebook state are untouched.
    EXPECT_EQ(NumFrazioniA, 5);
    EXPECT_EQ(Frazioni[1][2][3], 1);
    EXPECT_FALSE(QuadernoModificato);

    Metti(2, {{5, 6, 1, 0}, {1, 7}});
    EseguiIncolla(2);
    EXPECT_EQ(FrazioniDelFoglio(2), (std::vector<Fr>{{5, 6, 0, 0}, {1, 7}, {1, 3, 1, 4}, {3, 4, 1, 9}, {4, 5, 1, 2}}));
    EXPECT_TRUE(QuadernoModificato);
    EXPECT_EQ(Unica<Princ>::Istanza()->LblSommaFoglioB()->text(), "  ?  ");

    // A second paste appends another batch, and only it is selected.
    EseguiIncolla(2);
    ASSERT_EQ(NumFrazioniB, 8);
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(Frazioni[2][i][3], i >= 6 ? 1 : 0) << i;
    EXPECT_EQ(Frazioni[2][8][1], 4);
    // The clipboard is still there for another paste.
    EXPECT_EQ(NumFrazioniCopiate, 3);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_TRUE(Suono::Registrati().isEmpty());
}

TEST_F(Modifica, IncollaDisegnaESegnaSoloLeIncollate)
{
    Metti(1, {{1, 2, 1, 9}, {1, 3}});
    RidisegnaFoglio(1);
    EvidenziaSelezionate(1);
    ASSERT_TRUE(Riquadrata(1, 1));
    EseguiCopia(1);
    EseguiIncolla(1);
    ASSERT_EQ(NumFrazioniA, 3);
    // The sheet is drawn again: the old selection square has gone, the
    // pasted pie is drawn in its own colour and carries the square.
    EXPECT_FALSE(Riquadrata(1, 1));
    EXPECT_FALSE(Riquadrata(1, 2));
    EXPECT_TRUE(Riquadrata(1, 3));
    const GeometriaFoglio g = GeometriaDelFoglio(1);
    const QPoint c = g.Centro(3);
    EXPECT_EQ(Fogli::Istanza(1)->Area()->Immagine().pixelColor(TwipInPixel(c.x()), TwipInPixel(c.y() - g.R / 2)),
              QBColor(9));

    // A cut draws the packed sheet without the cut pie.
    TagliaSelezione(1);
    EXPECT_EQ(NumFrazioniA, 2);
    EXPECT_FALSE(Riquadrata(1, 1));
    EXPECT_FALSE(Riquadrata(1, 2));
    EXPECT_EQ(Fogli::Istanza(1)->Area()->Immagine().pixelColor(TwipInPixel(c.x()), TwipInPixel(c.y() - g.R / 2)),
              ColoreSfondoFoglio(1));
}

TEST_F(Modifica, SenzaSelezioneAvvisaETieneGliAppunti)
{
    Metti(1, {{1, 2, 1}, {2, 3}});
    EseguiCopia(1);
    Frazioni[1][1][3] = 0;
    EseguiCopia(1);
    AttesoAvviso("Selezionare una o più frazioni", "Copia");
    TagliaSelezione(1);
    AttesoAvviso("Selezionare una o più frazioni", "Taglia");
    EXPECT_EQ(NumFrazioniA, 2);
    EXPECT_FALSE(QuadernoModificato);
    // A later paste pastes what was copied before.
    EseguiIncolla(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2}, {2, 3}, {1, 2, 1}}));
    EXPECT_TRUE(Suono::Registrati().filter("wav").isEmpty());
}

TEST_F(Modifica, IncollaSenzaAppuntiAvvisa)
{
    Metti(1, {{1, 2, 1}});
    EseguiIncolla(1);
    AttesoAvviso(AvvisoFrazioni, "Incolla");
    EXPECT_EQ(NumFrazioniA, 1);
    EXPECT_EQ(Frazioni[1][1][3], 1);
    EXPECT_FALSE(QuadernoModificato);
}

TEST_F(Modifica, IncollaRispettaIlLimiteDi128)
{
    Metti(1, {{1, 2, 1}, {1, 3, 1}, {1, 4, 1}});
    EseguiCopia(1);
    Riempi(2, 126, {1, 9, 1, 5});
    EseguiIncolla(2);
    AttesoAvviso("Un foglio non può contenere più di 128 frazioni", "Incolla");
    // Nothing pasted, not even part, and the selection stays as it was.
    EXPECT_EQ(NumFrazioniB, 126);
    EXPECT_EQ(Frazioni[2][126][3], 1);
    EXPECT_FALSE(QuadernoModificato);

    Frazioni[1][3][3] = 0;
    EseguiCopia(1);
    EseguiIncolla(2);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_EQ(NumFrazioniB, 128);
    EXPECT_EQ(Frazioni[2][126][3], 0);
    EXPECT_EQ(Frazioni[2][128][2], 3);
}

TEST_F(Modifica, TagliaCompattaIlFoglio)
{
    Metti(1, {{1, 2, 1, 1}, {1, 3, 0, 2}, {2, 3, 1, 3}, {3, 4, 0, 4}, {4, 5, 1, 5}});
    for (int r = 0; r <= 130; ++r) FrazioniAppoggio[r][1] = -7;
    TagliaSelezione(1);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 3, 0, 2}, {3, 4, 0, 4}}));
    EXPECT_EQ(Copiate(), (std::vector<Fr>{{1, 2, 1, 1}, {2, 3, 1, 3}, {4, 5, 1, 5}}));
    EXPECT_TRUE(QuadernoModificato);
    EXPECT_EQ(Unica<Princ>::Istanza()->LblSommaFoglioA()->text(), "  ?  ");
    // The scratch table that service windows may be showing is left alone.
    for (int r = 0; r <= 130; ++r) ASSERT_EQ(FrazioniAppoggio[r][1], -7) << r;
    EXPECT_TRUE(Suono::Registrati().isEmpty());

    // Cutting all that is left empties the sheet.
    Frazioni[1][1][3] = 1;
    Frazioni[1][2][3] = 1;
    TagliaSelezione(1);
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_EQ(Unica<Princ>::Istanza()->LblSommaFoglioA()->text(), "  0  ");
    EXPECT_EQ(Copiate(), (std::vector<Fr>{{1, 3, 1, 2}, {3, 4, 1, 4}}));
}

TEST_F(Modifica, CancellaFoglioAzzeraSoloIlConteggio)
{
    Metti(1, {{1, 2, 1}, {1, 2}});
    EseguiCopia(1);
    RidisegnaFoglio(1);
    ASSERT_TRUE(Unica<Princ>::Istanza()->ImgRiducibilita()->isVisibleTo(Unica<Princ>::Istanza()));
    CancellaFoglio(1);
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_EQ(Frazioni[1][2][2], 2);   // the records stay, unread
    EXPECT_EQ(Unica<Princ>::Istanza()->LblSommaFoglioA()->text(), "  0  ");
    EXPECT_FALSE(Unica<Princ>::Istanza()->ImgRiducibilita()->isVisibleTo(Unica<Princ>::Istanza()));
    EXPECT_EQ(NumFrazioniCopiate, 1);
    EXPECT_FALSE(QuadernoModificato);   // the caller decides

    Metti(2, {{1, 3}});
    CancellaFoglio(2);
    EXPECT_EQ(NumFrazioniB, 0);
    EXPECT_EQ(NumFrazioniA, 0);
    EXPECT_FALSE(Unica<Princ>::Istanza()->ImgRiducibilita1()->isVisibleTo(Unica<Princ>::Istanza()));
}

TEST_F(Modifica, LaCancellazioneDelMenuChiedePrima)
{
    // "Sì" clears; "No" and "Annulla" leave everything as it was.
    for (int risposta : {0, 2, 1}) {
        Metti(1, {{1, 2}, {2, 3}});
        QuadernoModificato = FALSO;
        Modale::Azzera();
        Modale::Rispondi(risposta);
        MnuFileCancellaFoglio_Click();
        ASSERT_EQ(Modale::Mostrati().size(), 1) << risposta;
        const Modale::Mostrato& m = Modale::Mostrati().front();
        EXPECT_EQ(m.genere, "domanda");
        EXPECT_EQ(m.testo, "Cancellare il foglio di calcolo A?");
        EXPECT_EQ(m.titolo, "Cancella foglio");
        EXPECT_EQ(m.tipo, 1);
        EXPECT_EQ(NumFrazioniA, risposta == 1 ? 0 : 2) << risposta;
        EXPECT_EQ(bool(QuadernoModificato), risposta == 1) << risposta;
    }
}

TEST_F(Modifica, MenuEPulsantiArrivanoAiComandi)
{
    Metti(1, {{1, 2}, {1, 3, 1}});
    EseguiVoceMenu(QStringLiteral("MnuModificaCopia"));
    EXPECT_EQ(Copiate(), (std::vector<Fr>{{1, 3, 1, 12}}));
    Toolbar1_ButtonClick(14);
    EXPECT_EQ(NumFrazioniA, 3);
    Toolbar1_ButtonClick(12);
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 2}, {1, 3}}));
    Frazioni[1][1][3] = 1;
    EseguiVoceMenu(QStringLiteral("MnuModificaTaglia"));
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 3}}));
    Toolbar1_ButtonClick(13);
    AttesoAvviso("Selezionare una o più frazioni", "Copia");
    EseguiVoceMenu(QStringLiteral("MnuModificaIncolla"));
    EXPECT_EQ(FrazioniDelFoglio(1), (std::vector<Fr>{{1, 3}, {1, 2, 1, 12}}));
}

// --- Notes -------------------------------------------------------------------

TEST_F(Modifica, AppuntiAndataERitornoDagliAppuntiDiSistema)
{
    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    QTextCursor c(t->document());
    QTextCharFormat normale;
    normale.setForeground(QBColor(0));
    c.insertText(QStringLiteral("Uno "), normale);
    QTextCharFormat speciale;
    speciale.setFontWeight(QFont::Bold);
    speciale.setForeground(QBColor(12));
    c.insertText(QStringLiteral("rosso"), speciale);
    c.insertText(QStringLiteral(" fine"), normale);
    QuadernoModificato = FALSO;

    // Something else on the clipboard first: the copy replaces it.
    auto* vecchi = new QMimeData;
    vecchi->setData(QStringLiteral("application/x-zefra-prova"), "x");
    vecchi->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(vecchi);

    Seleziona(t, 2, 9);   // "o rosso"
    EseguiCopia(3);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    const QMimeData* dati = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(dati, nullptr);
    EXPECT_TRUE(Rtf::SembraRtf(dati->data(Rtf::TipoMime)));
    EXPECT_EQ(dati->text(), "o rosso");
    EXPECT_FALSE(dati->hasFormat("application/x-zefra-prova"));
    EXPECT_FALSE(dati->hasImage());
    EXPECT_FALSE(QuadernoModificato);
    EXPECT_EQ(t->toPlainText(), "Uno rosso fine");

    MettiInFondo(t);
    EseguiIncolla(3);
    EXPECT_EQ(t->toPlainText(), "Uno rosso fineo rosso");
    EXPECT_TRUE(QuadernoModificato);
    EXPECT_FALSE(Grassetto(Formato(t, 14)));
    EXPECT_EQ(Formato(t, 14).foreground().color(), QBColor(0));
    for (int i = 16; i < 21; ++i) {
        EXPECT_TRUE(Grassetto(Formato(t, i))) << i;
        EXPECT_EQ(Formato(t, i).foreground().color(), QBColor(12)) << i;
    }
    // The caret stands after what was pasted.
    EXPECT_EQ(t->textCursor().position(), 21);
    EXPECT_TRUE(Suono::Registrati().isEmpty());
}

TEST_F(Modifica, TagliaTestoDegliAppunti)
{
    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    t->setPlainText(QStringLiteral("prima dopo"));
    QuadernoModificato = FALSO;

    QTextCursor grassetto(t->document());
    grassetto.setPosition(0);
    grassetto.setPosition(5, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    f.setForeground(QBColor(2));
    grassetto.mergeCharFormat(f);
    QuadernoModificato = FALSO;
    // What the clipboard held before is replaced, not kept beside the cut.
    auto* vecchi = new QMimeData;
    vecchi->setData(QStringLiteral("application/x-zefra-prova"), "x");
    QGuiApplication::clipboard()->setMimeData(vecchi);

    Seleziona(t, 0, 6);
    TagliaSelezione(3);
    EXPECT_EQ(t->toPlainText(), "dopo");
    EXPECT_TRUE(QuadernoModificato);
    const QMimeData* dati = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(dati, nullptr);
    EXPECT_EQ(dati->text(), "prima ");
    EXPECT_TRUE(Rtf::SembraRtf(dati->data(Rtf::TipoMime)));
    EXPECT_FALSE(dati->hasFormat("application/x-zefra-prova"));
    EXPECT_TRUE(Modale::Mostrati().isEmpty());

    // Pasted back in front.
    Seleziona(t, 0, 0);
    EseguiIncolla(3);
    EXPECT_EQ(t->toPlainText(), "prima dopo");
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(Grassetto(Formato(t, i))) << i;
        EXPECT_EQ(Formato(t, i).foreground().color(), QBColor(2)) << i;
    }
    EXPECT_FALSE(Grassetto(Formato(t, 6)));
    // The fraction clipboard has nothing to do with the notes.
    EXPECT_EQ(NumFrazioniCopiate, 0);
}

TEST_F(Modifica, AppuntiSenzaSelezioneOSenzaTestoRicco)
{
    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    t->setPlainText(QStringLiteral("testo"));
    QuadernoModificato = FALSO;
    QGuiApplication::clipboard()->setText(QStringLiteral("solo testo semplice"));

    MettiInFondo(t);
    EseguiCopia(3);
    AttesoAvviso("Selezionare parte del testo", "Copia");
    TagliaSelezione(3);
    AttesoAvviso("Selezionare parte del testo", "Taglia");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "solo testo semplice");

    // Plain text alone is not pasted.
    EseguiIncolla(3);
    AttesoAvviso(AvvisoTesto, "Incolla");
    QGuiApplication::clipboard()->clear();
    EseguiIncolla(3);
    AttesoAvviso(AvvisoTesto, "Incolla");
    EXPECT_EQ(t->toPlainText(), "testo");
    EXPECT_FALSE(QuadernoModificato);
}

TEST_F(Modifica, TestoRiccoIllegibileIncollatoComeTestoSemplice)
{
    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    t->setPlainText(QStringLiteral("A"));
    MettiInFondo(t);
    QuadernoModificato = FALSO;

    // A raw control byte: the reader refuses it.
    auto* dati = new QMimeData;
    dati->setData(Rtf::TipoMime, QByteArray("{\\rtf1\\ansi {\\b bad\x01} text}"));
    dati->setText(QStringLiteral(" leggibile"));
    QGuiApplication::clipboard()->setMimeData(dati);
    EseguiIncolla(3);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_EQ(t->toPlainText(), "A leggibile");
    EXPECT_TRUE(QuadernoModificato);

    // Without plain text beside it, nothing goes in.
    QuadernoModificato = FALSO;
    auto* soloRtf = new QMimeData;
    soloRtf->setData(Rtf::TipoMime, QByteArray("{\\rtf1\\ansi {\\b bad\x01} text}"));
    QGuiApplication::clipboard()->setMimeData(soloRtf);
    EseguiIncolla(3);
    AttesoAvviso(AvvisoTesto, "Incolla");
    EXPECT_EQ(t->toPlainText(), "A leggibile");
    EXPECT_FALSE(QuadernoModificato);

    // Alone and past the bounds of the notes: the pupil is told so.
    auto* troppo = new QMimeData;
    troppo->setData(Rtf::TipoMime, "{\\rtf1 " + QByteArray(100'000, '{') + "x}");
    QGuiApplication::clipboard()->setMimeData(troppo);
    EseguiIncolla(3);
    AttesoAvviso("Gli appunti sono troppo lunghi", "Incolla");
    EXPECT_EQ(t->toPlainText(), "A leggibile");
    EXPECT_FALSE(QuadernoModificato);
}

TEST_F(Modifica, CancellaAppuntiEPoiScrivi)
{
    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    QTextCursor c(t->document());
    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    f.setFontItalic(true);
    f.setFontUnderline(true);
    f.setFontPointSize(20);
    f.setForeground(QBColor(2));
    c.insertText(QStringLiteral("vecchio"), f);
    MettiInFondo(t);
    ColoreCorrente = 9;
    QuadernoModificato = FALSO;

    CancellaFoglio(3);
    EXPECT_TRUE(t->toPlainText().isEmpty());
    EXPECT_FALSE(QuadernoModificato);   // the caller decides

    QTest::keyClicks(t, QStringLiteral("nuovo"));
    ASSERT_EQ(t->toPlainText(), "nuovo");
    for (int i = 0; i < 5; ++i) {
        const QTextCharFormat g = Formato(t, i);
        EXPECT_FALSE(Grassetto(g)) << i;
        EXPECT_FALSE(g.fontItalic()) << i;
        EXPECT_FALSE(g.fontUnderline()) << i;
        EXPECT_EQ(g.fontPointSize(), 12) << i;
        EXPECT_EQ(g.foreground().color(), QBColor(9)) << i;
    }
}
