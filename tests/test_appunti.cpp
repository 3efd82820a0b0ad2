// The notes window: its toolbar's formatting, activation and deactivation,
// closing that only hides, the layout and the modified flag.
#include "AiutiFinestre.h"
#include "AiutiRtf.h"
#include "commands/Comandi.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/HtmlIncollato.h"
#include "platform/Rtf.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMimeData>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextList>
#include <QToolBar>
#include <functional>
#include <memory>
#include <tuple>

namespace {

using Proprieta = bool (*)(const QTextCharFormat&);
bool Corsivo(const QTextCharFormat& f) { return f.fontItalic(); }
bool Sottolineato(const QTextCharFormat& f) { return f.fontUnderline(); }

// How many characters in [da, a) have the property.
int QuantiCon(QTextEdit* t, int da, int a, Proprieta p)
{
    int n = 0;
    for (int i = da; i < a; ++i) {
        QTextCursor c(t->document());
        c.setPosition(i + 1);   // the format of the character before the cursor
        if (p(c.charFormat())) ++n;
    }
    return n;
}

using Note = ProvaConFoglio;

} // namespace

TEST_F(Note, IlPulsanteTogliePrimaIlFormatoDaUnaSelezioneMista)
{
    const struct {
        int bottone;
        Proprieta p;
        const char* html;
    } casi[] = {
        {1, Grassetto, "<b>uno</b> due"},
        {2, Corsivo, "<i>uno</i> due"},
        {3, Sottolineato, "<u>uno</u> due"},
    };
    for (const auto& c : casi) {
        QTextEdit* t = TxtAppunti();
        CaricaAppunti([&](QTextEdit* e) { e->setHtml(QLatin1String(c.html)); });
        ASSERT_EQ(t->toPlainText(), QStringLiteral("uno due"));
        ASSERT_EQ(QuantiCon(t, 0, 7, c.p), 3) << c.bottone;
        Seleziona(t, 0, 7);
        Unica<FrmAppunti>::Istanza()->BottoneToolbar1(c.bottone)->trigger();
        EXPECT_EQ(QuantiCon(t, 0, 7, c.p), 0) << c.bottone;
        Unica<FrmAppunti>::Istanza()->Toolbar1_ButtonClick(c.bottone);
        EXPECT_EQ(QuantiCon(t, 0, 7, c.p), 7) << c.bottone;
        // A selection with none of it gets it; the text outside is untouched.
        CaricaAppunti([&](QTextEdit* e) { e->setHtml(QLatin1String(c.html)); });
        Seleziona(t, 4, 7);
        Unica<FrmAppunti>::Istanza()->Toolbar1_ButtonClick(c.bottone);
        EXPECT_EQ(QuantiCon(t, 0, 7, c.p), 6) << c.bottone;
        EXPECT_EQ(QuantiCon(t, 3, 4, c.p), 0) << c.bottone;
    }
}

TEST_F(Note, SenzaSelezioneIlPulsanteValePerCioCheSiScrive)
{
    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    QTest::keyClicks(t, QStringLiteral("ab"));
    Unica<FrmAppunti>::Istanza()->Toolbar1_ButtonClick(1);
    QTest::keyClicks(t, QStringLiteral("cd"));
    Unica<FrmAppunti>::Istanza()->Toolbar1_ButtonClick(1);
    QTest::keyClicks(t, QStringLiteral("e"));
    EXPECT_EQ(t->toPlainText(), QStringLiteral("abcde"));
    EXPECT_EQ(QuantiCon(t, 0, 2, Grassetto), 0);
    EXPECT_EQ(QuantiCon(t, 2, 4, Grassetto), 2);
    EXPECT_EQ(QuantiCon(t, 4, 5, Grassetto), 0);
}

TEST_F(Note, SelezionaTuttoSuAppuntiVuotiNonCambiaNulla)
{
    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    QuadernoModificato = FALSO;
    Unica<FrmAppunti>::Istanza()->Toolbar1_ButtonClick(4);
    EXPECT_FALSE(t->textCursor().hasSelection());
    EXPECT_TRUE(t->toPlainText().isEmpty());
    EXPECT_EQ(QuadernoModificato, FALSO);

    CaricaAppunti([](QTextEdit* e) { e->setPlainText(QStringLiteral("prima riga\nè la seconda")); });
    Seleziona(t, 2, 3);
    Unica<FrmAppunti>::Istanza()->BottoneToolbar1(4)->trigger();
    EXPECT_EQ(t->textCursor().selectionStart(), 0);
    EXPECT_EQ(t->textCursor().selectionEnd(), t->toPlainText().size());
    // Indices outside the toolbar do nothing.
    const QString prima = t->toHtml();
    for (int i : {0, 5, -1}) Unica<FrmAppunti>::Istanza()->Toolbar1_ButtonClick(i);
    EXPECT_EQ(t->toHtml(), prima);
    EXPECT_EQ(QuadernoModificato, FALSO);
}

TEST_F(Note, ChiudereNascondeETieneIlTesto)
{
    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    QTest::keyClicks(t, QStringLiteral("Tre quarti sono piu di meta"));
    Seleziona(t, 0, 3);
    Unica<FrmAppunti>::Istanza()->Toolbar1_ButtonClick(1);
    const QString html = t->toHtml();
    FrmAppunti* f = Unica<FrmAppunti>::Istanza();

    f->close();
    EXPECT_FALSE(AppuntiVisibili());
    EXPECT_EQ(Unica<FrmAppunti>::SeEsiste(), f);
    EXPECT_FALSE(Unica<Princ>::Istanza()->Toolbar2Premuto(3));

    ApriAppunti();
    EXPECT_TRUE(AppuntiVisibili());
    EXPECT_EQ(Unica<FrmAppunti>::Istanza(), f);
    EXPECT_EQ(t->toHtml(), html);
    EXPECT_EQ(FoglioAttivo, 3);
}

TEST_F(Note, MentreIlProgrammaSiChiudeLaFinestraSiScarica)
{
    ApriAppunti();
    InChiusura = VERO;
    ChiudiAppunti();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Unica<FrmAppunti>::SeEsiste(), nullptr);
    EXPECT_FALSE(Unica<Princ>::Istanza()->Toolbar2Premuto(3));
}

TEST_F(Note, AppuntiVuotiSiScrivonoInNeroDopoIlRosso)
{
    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    // The palette gave red to the notes, then the pupil went to sheet A.
    t->setTextColor(QBColor(12));
    MostraFoglio(1);
    ASSERT_EQ(FoglioAttivo, 1);
    MostraAppunti();
    ASSERT_EQ(FoglioAttivo, 3);
    QTest::keyClicks(t, QStringLiteral("nero"));
    ASSERT_EQ(t->toPlainText(), QStringLiteral("nero"));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ColoreCarattere(t, i), QBColor(0)) << i;

    // Notes that hold text keep the colour the palette gave.
    MettiInFondo(t);
    t->setTextColor(QBColor(12));
    MostraFoglio(1);
    MostraAppunti();
    QTest::keyClicks(t, QStringLiteral("rosso"));
    EXPECT_EQ(ColoreCarattere(t, 5), QBColor(12));
    EXPECT_EQ(ColoreCarattere(t, 0), QBColor(0));
}

TEST_F(Note, SoloIlPupilloSegnaIlQuadernoModificato)
{
    QTextEdit* t = TxtAppunti();
    CaricaAppunti([](QTextEdit* e) { e->setHtml(QStringLiteral("<b>caricati</b> dal <font color=red>file</font>")); });
    EXPECT_EQ(QuadernoModificato, FALSO);
    EXPECT_FALSE(t->document()->isUndoAvailable());
    ApriAppunti();
    EXPECT_EQ(QuadernoModificato, FALSO);
    SvuotaAppunti();
    EXPECT_TRUE(t->toPlainText().isEmpty());
    MostraFoglio(1);
    MostraAppunti();   // black for the empty notes: not a change
    EXPECT_EQ(QuadernoModificato, FALSO);
    Unica<FrmAppunti>::Istanza()->Toolbar1_ButtonClick(2);   // no selection: only what comes next
    EXPECT_EQ(QuadernoModificato, FALSO);

    QTest::keyClicks(t, QStringLiteral("a"));
    EXPECT_EQ(QuadernoModificato, VERO);

    QuadernoModificato = FALSO;
    Seleziona(t, 0, 1);
    Unica<FrmAppunti>::Istanza()->Toolbar1_ButtonClick(3);
    EXPECT_EQ(QuadernoModificato, VERO);

    QuadernoModificato = FALSO;
    QTest::keyClick(t, Qt::Key_Delete);
    EXPECT_EQ(QuadernoModificato, VERO);
}

TEST_F(Note, AttivazioneEDisattivazione)
{
    QMdiArea* area = Unica<Princ>::Istanza()->AreaMdi();
    auto operazioni = [] { return Unica<Princ>::Istanza()->BottoneToolbar1(1)->isEnabled(); };
    auto modifica = [] { return Unica<Princ>::Istanza()->BottoneToolbar1(12)->isEnabled(); };
    ASSERT_EQ(FoglioAttivo, 1);
    ApriAppunti();
    EXPECT_EQ(FoglioAttivo, 3);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), QStringLiteral("Foglio: appunti   "));
    EXPECT_FALSE(operazioni());
    EXPECT_TRUE(modifica());

    // Losing the active child (the application lost the focus, a modal box)
    // and getting the same one back change nothing.
    Unica<Princ>::Istanza()->ImpostaPannello(2, QStringLiteral("x"));
    emit area->subWindowActivated(nullptr);
    EXPECT_FALSE(operazioni());
    emit area->subWindowActivated(Unica<FrmAppunti>::Istanza());
    EXPECT_EQ(FoglioAttivo, 3);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), QStringLiteral("x"));

    area->setActiveSubWindow(Fogli::Istanza(1));
    EXPECT_EQ(FoglioAttivo, 1);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), QStringLiteral("Foglio: A   "));
    EXPECT_TRUE(operazioni());
    area->setActiveSubWindow(Unica<FrmAppunti>::Istanza());
    EXPECT_EQ(FoglioAttivo, 3);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), QStringLiteral("Foglio: appunti   "));
    EXPECT_FALSE(operazioni());

    // Notes alone: a focus change never brings back the sheet commands.
    NascondiFoglio(1);
    Unica<Princ>::Istanza()->ImpostaToolbar2(1, false);
    emit area->subWindowActivated(nullptr);
    emit area->subWindowActivated(Unica<FrmAppunti>::Istanza());
    EXPECT_FALSE(operazioni());
    EXPECT_TRUE(modifica());
}

TEST_F(Note, IlBottone3DellaSecondaBarraMostraENascondeGliAppunti)
{
    ASSERT_EQ(Unica<FrmAppunti>::SeEsiste(), nullptr);   // the button loads them on first use
    QAction* b = Unica<Princ>::Istanza()->BottoneToolbar2(3);
    b->trigger();
    EXPECT_TRUE(AppuntiVisibili());
    EXPECT_EQ(FoglioAttivo, 3);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), QStringLiteral("Foglio: appunti   "));
    EXPECT_FALSE(Unica<Princ>::Istanza()->BottoneToolbar1(1)->isEnabled());
    b->trigger();
    EXPECT_FALSE(AppuntiVisibili());
    EXPECT_FALSE(Unica<Princ>::Istanza()->Toolbar2Premuto(3));
    EXPECT_TRUE(Unica<Princ>::Istanza()->BottoneToolbar1(1)->isEnabled());
}

TEST_F(Note, ChiudendoGliAppuntiAttiviTornaAttivoIlFoglio)
{
    ApriAppunti();
    ASSERT_EQ(FoglioAttivo, 3);
    ChiudiAppunti();
    EXPECT_EQ(FoglioAttivo, 1);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), QStringLiteral("Foglio: A   "));
    EXPECT_FALSE(Unica<Princ>::Istanza()->Toolbar2Premuto(3));

    // With no sheet open nothing else becomes active.
    ApriAppunti();
    NascondiFoglio(1);
    Unica<Princ>::Istanza()->ImpostaToolbar2(1, false);
    ChiudiAppunti();
    EXPECT_FALSE(AppuntiVisibili());
    EXPECT_EQ(FoglioAttivo, 3);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), QStringLiteral("Foglio: nessuno   "));
    // Opening them again is a new activation.
    Unica<Princ>::Istanza()->ImpostaPannello(2, QString());
    ApriAppunti();
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), QStringLiteral("Foglio: appunti   "));
}

TEST_F(Note, FinestraEBarraConINomiGiusti)
{
    FrmAppunti* f = Unica<FrmAppunti>::Istanza();
    EXPECT_EQ(f->objectName(), QStringLiteral("FrmAppunti"));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Foglio appunti"));
    EXPECT_EQ(f->parentWidget() ? f->mdiArea() : nullptr, Unica<Princ>::Istanza()->AreaMdi());
    EXPECT_EQ(f->findChild<QToolBar*>(QStringLiteral("Toolbar1")), f->Toolbar1());
    EXPECT_EQ(f->findChild<QTextEdit*>(QStringLiteral("TxtAppunti")), f->TxtAppunti());
    const QStringList suggerimenti{QStringLiteral("Grassetto"), QStringLiteral("Corsivo"), QStringLiteral("Sottolineato"),
                                   QStringLiteral("Seleziona tutto")};
    ASSERT_EQ(f->Toolbar1()->actions().size(), 4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(f->BottoneToolbar1(i)->toolTip(), suggerimenti[i - 1]);
        EXPECT_FALSE(f->BottoneToolbar1(i)->icon().isNull());
    }
    EXPECT_EQ(f->BottoneToolbar1(5), nullptr);
    EXPECT_TRUE(f->TxtAppunti()->acceptRichText());
    EXPECT_FALSE(AppuntiVisibili());   // created hidden
}

TEST_F(Note, IlTestoStaSottoLaBarra)
{
    ApriAppunti();
    FrmAppunti* f = Unica<FrmAppunti>::Istanza();
    for (const QSize dimensione : {QSize(520, 380), QSize(300, 600)}) {
        f->resize(dimensione);
        const QWidget* cliente = f->widget();
        const int barra = f->Toolbar1()->height();
        ASSERT_GT(barra, 0);
        EXPECT_EQ(f->TxtAppunti()->geometry(),
                  QRect(0, barra, cliente->width() - TwipInPixel(50), cliente->height() - barra));
    }
    // Too small for its controls: no negative sizes, no failure.
    f->resize(1, 1);
    EXPECT_GE(f->TxtAppunti()->width(), 0);
    EXPECT_GE(f->TxtAppunti()->height(), 0);
    // However narrow the box, its text is laid out no narrower than the
    // notes' bound on height assumes; wide, it fills the box again.
    const QTextEdit* t = f->TxtAppunti();
    for (const int larghezza : {1, 90, 150, 120, 600}) {
        f->resize(larghezza, 300);
        QCoreApplication::processEvents();
        const int attesa = std::max(t->viewport()->width(), Rtf::LarghezzaMinima);
        EXPECT_EQ(t->document()->textWidth(), attesa) << larghezza;
    }
}

TEST_F(Note, LaTastieraCopiaEIncollaIlTestoRicco)
{
    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    CaricaAppunti([](QTextEdit* e) { e->setHtml(QStringLiteral("<b>metà</b> e più")); });
    QClipboard* appunti = QGuiApplication::clipboard();

    // Ctrl+C gives the rich text as RTF, as the Copia command does.
    Seleziona(t, 0, 6);
    QTest::keyClick(t, Qt::Key_C, Qt::ControlModifier);
    const QByteArray rtf = Rtf::DaAppunti(appunti->mimeData());
    ASSERT_FALSE(rtf.isEmpty());
    QTextDocument copiato;
    ASSERT_TRUE(Rtf::Leggi(rtf, copiato));
    EXPECT_EQ(copiato.toPlainText(), QStringLiteral("metà e"));
    EXPECT_TRUE(copiato.begin().begin().fragment().charFormat().font().bold());
    EXPECT_EQ(appunti->text(), QStringLiteral("metà e"));

    // Ctrl+V takes what the Copia command left: RTF alone.
    appunti->setMimeData(Rtf::DatiAppunti("{\\rtf1 {\\i corsivo}{\\cf1 x}}"));
    MettiInFondo(t);
    QuadernoModificato = FALSO;
    QTest::keyClick(t, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(t->toPlainText(), QStringLiteral("metà e piùcorsivox"));
    EXPECT_EQ(QuantiCon(t, 10, 17, Corsivo), 7);
    EXPECT_EQ(QuantiCon(t, 17, 18, Corsivo), 0);
    EXPECT_EQ(QuadernoModificato, VERO);

    // Plain text from elsewhere still goes in, in the formatting of typing.
    appunti->setText(QStringLiteral(" fine"));
    Unica<FrmAppunti>::Istanza()->Toolbar1_ButtonClick(1);
    QTest::keyClick(t, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(t->toPlainText(), QStringLiteral("metà e piùcorsivox fine"));
    EXPECT_EQ(QuantiCon(t, 17, 23, Grassetto), 5);
    appunti->clear();
}

// Sheets and notes share one record of the active window, also while the
// main window is not on the screen (start-up, opening a notebook).
TEST_F(Note, FogliEAppuntiSiPassanoLAttivazioneAnchePrimaDiComparire)
{
    Unica<Princ>::Distruggi();
    Inizializza();
    ASSERT_FALSE(Unica<Princ>::Istanza()->isVisible());
    MostraAppunti();
    EXPECT_EQ(FoglioAttivo, 3);
    MostraFoglio(1);
    EXPECT_EQ(FoglioAttivo, 1);
    MostraAppunti();
    EXPECT_EQ(FoglioAttivo, 3);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), QStringLiteral("Foglio: appunti   "));
    MostraFoglio(2);
    EXPECT_EQ(FoglioAttivo, 2);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), QStringLiteral("Foglio: B   "));
}

// Hiding or closing the active document window makes the top visible one
// active, as in any multiple-document window.
TEST_F(Note, LaFinestraInCimaDiventaAttivaQuandoLAttivaSiChiude)
{
    Metti(1, {{1, 2, 1}});
    Unica<Princ>::Istanza()->BottoneToolbar2(2)->trigger();   // sheet B opens and is active
    ASSERT_EQ(FoglioAttivo, 2);
    Unica<Princ>::Istanza()->BottoneToolbar2(2)->trigger();   // ... and is closed again
    EXPECT_EQ(FoglioAttivo, 1);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), QStringLiteral("Foglio: A   "));

    // Closing sheet A with its close box while only the notes stay open:
    // the notes become active and the commands follow them.
    ApriAppunti();
    MostraFoglio(1);
    ASSERT_EQ(FoglioAttivo, 1);
    ChiudiFoglio(1);
    EXPECT_EQ(FoglioAttivo, 3);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), QStringLiteral("Foglio: appunti   "));
    EXPECT_FALSE(Unica<Princ>::Istanza()->BottoneToolbar1(1)->isEnabled());
    EXPECT_TRUE(Unica<Princ>::Istanza()->BottoneToolbar1(12)->isEnabled());
}

// Pasting with nothing usable on the clipboard (nothing owns it yet, or it
// holds only a picture) leaves the notes as they were, by every road.
TEST_F(Note, IncollareSenzaNullaDiUtileNonCambiaNulla)
{
    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    CaricaAppunti([](QTextEdit* e) { e->setPlainText(QStringLiteral("parola")); });
    MettiInFondo(t);
    QClipboard* appunti = QGuiApplication::clipboard();
    auto soloImmagine = [] {
        auto* d = new QMimeData;
        d->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
        return d;
    };
    for (QMimeData* dati : {new QMimeData, soloImmagine()}) {
        appunti->setMimeData(dati);
        appunti->setMimeData(new QMimeData, QClipboard::Selection);
        QuadernoModificato = FALSO;
        QTest::keyClick(t, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(t, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::mouseClick(t->viewport(), Qt::MiddleButton, {}, QPoint(5, 5));
        EXPECT_EQ(t->toPlainText(), QStringLiteral("parola"));
        EXPECT_EQ(QuadernoModificato, FALSO);
    }
    appunti->clear();
}

namespace {

// The paragraphs of the notes that hold some text, each with its blanks
// made single.
QStringList ParagrafiPieni(const QTextDocument* d)
{
    QStringList l;
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next())
        if (!b.text().trimmed().isEmpty()) l << b.text().simplified();
    return l;
}

// Something of what Qt makes for tables and pictures, or a list longer
// than a list keeps.
bool HaTabelleImmaginiOListeLunghe(const QTextDocument* d)
{
    if (!d->rootFrame()->childFrames().isEmpty()) return true;
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next()) {
        if (b.textList() && b.textList()->count() > HtmlIncollato::VociListaMassime) return true;
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) return true;
    }
    return false;
}

struct Incollo {
    QString nome;
    QString html;
    QString testo;         // the plain text beside it
    bool preso;            // taken, or refused with the warning
    QStringList attesi;    // taken: the paragraphs that follow "inizio"
    QByteArray rtf = {};   // RTF beside them, in the format below
    QString formatoRtf = Rtf::TipoMime;
    QString avviso = AppuntiTroppoLunghi;   // refused: what the pupil is told
    qint64 millisecondi = 2000;             // within which the paste returns
};

QStringList Numerati(const QString& modello, int n)
{
    QStringList l;
    for (int i = 0; i < n; ++i) l << modello.arg(i);
    return l;
}

// Pastes that stall or crash Qt's HTML import and layout, or that the notes
// could not save, generated at several sizes.
std::vector<Incollo> IncolliOstili()
{
    std::vector<Incollo> casi;
    // Layout tables nested deeper and deeper: each level's text a paragraph.
    for (int profondita : {1, 5, 20, 30, 300, 3000}) {
        QString html;
        for (int i = 0; i < profondita; ++i) html += QStringLiteral("<table><tr><td>x%1").arg(i);
        for (int i = 0; i < profondita; ++i) html += QStringLiteral("</td></tr></table>");
        casi.push_back({QStringLiteral("tabelle annidate %1").arg(profondita), html, {}, true,
                        Numerati(QStringLiteral("x%1"), profondita)});
    }
    // Wild spans, and many cells: each cell a paragraph, in order.
    QRandomGenerator caso(33);
    for (const auto& [righe, colonne, span] : {std::tuple{20, 10, 1000}, std::tuple{60, 30, 50}, std::tuple{300, 30, 1}}) {
        QString html = QStringLiteral("<table border=1>");
        QStringList celle;
        for (int r = 0; r < righe; ++r) {
            html += QStringLiteral("<tr>");
            for (int c = 0; c < colonne; ++c) {
                html += QStringLiteral("<td colspan=%1 rowspan='%2'>c%3_%4</td>")
                            .arg(caso.bounded(1, span + 1)).arg(caso.bounded(1, span + 1)).arg(r).arg(c);
                celle << QStringLiteral("c%1_%2").arg(r).arg(c);
            }
            html += QStringLiteral("</tr>");
        }
        casi.push_back({QStringLiteral("%1 x %2 celle").arg(righe).arg(colonne), html + QStringLiteral("</table>"), {},
                        true, celle});
    }
    // Spans nested thousands deep.
    QString parole, lettere;
    for (int i = 0; i < 20'000; ++i)
        parole += QStringLiteral("<span style=\"color:#%1\">w%2 ").arg(i % 7 * 30, 6, 10, QLatin1Char('0')).arg(i);
    for (int i = 0; i < 100'000; ++i) lettere += QStringLiteral("<span>x");
    casi.push_back({QStringLiteral("span annidati"), parole, {}, true,
                    {Numerati(QStringLiteral("w%1"), 20'000).join(QLatin1Char(' '))}});
    // ... whose text is one word past the longest the notes keep.
    casi.push_back({QStringLiteral("una parola annidata"), lettere, {}, false, {}});
    // A list far longer than a list keeps: every item still a paragraph.
    QString lista = QStringLiteral("<ol>");
    for (int i = 0; i < 20'000; ++i) lista += QStringLiteral("<li>v%1</li>").arg(i);
    casi.push_back({QStringLiteral("lista lunga"), lista + QStringLiteral("</ol>"), {}, true,
                    Numerati(QStringLiteral("v%1"), 20'000)});
    // Pictures and backgrounds that name a device that never ends.
    casi.push_back({QStringLiteral("immagini"),
                    QStringLiteral("<p style=\"background-image:url(/dev/zero)\">a<img src=\"/dev/zero\">"
                                   "<span style=\"background: url('file:///dev/zero')\">b</span></p>"),
                    {}, true, {QStringLiteral("ab")}});
    // Too large to import as HTML: the plain text beside it, or nothing.
    QString grande;
    for (qsizetype i = 0; i <= HtmlIncollato::TagMassimi; ++i) grande += QStringLiteral("<b>x</b> ");
    casi.push_back({QStringLiteral("HTML enorme col testo"), grande, QStringLiteral("testo\tsemplice"), true,
                    {QStringLiteral("testo semplice")}});
    casi.push_back({QStringLiteral("HTML enorme da solo"), grande, {}, false, {}});
    // Characters the notes do not keep, far more than a word holds.
    casi.push_back({QStringLiteral("controlli"), {}, QStringLiteral("a") + QString(200'000, QChar(1)) + QStringLiteral("b"),
                    true, {QStringLiteral("ab")}});
    // Spacing, indents and line heights far past what the notes file keeps,
    // which Qt would lay out as they are.
    const auto m = QStringLiteral("m%1"), me = QStringLiteral("m%1 e");
    for (const auto& [nome, modello, riga, n] :
         {std::tuple{"margini enormi", "<p style=\"margin-top:1000000px\">m%1</p>", m, 10},
          std::tuple{"margini grandi", "<p style=\"margin:40000px\">m%1</p>", m, 250},
          std::tuple{"div", "<div style=\"margin-bottom:1000000px;margin-left:90000px\">m%1</div>", m, 20},
          std::tuple{"titoli", "<h1 style=\"margin:1000000px;text-indent:50000px\">m%1</h1>", m, 20},
          std::tuple{"voci", "<li style=\"margin-top:1000000px\">m%1</li>", m, 20},
          std::tuple{"interlinea", "<p style=\"line-height:100000%\">m%1</p>", m, 3000},
          std::tuple{"spaziature", "<p style=\"letter-spacing:900px;word-spacing:900px;white-space:nowrap\">m%1 e</p>", me, 50},
          std::tuple{"trasparenti", "<p><span style=\"color:transparent\">m%1</span> "
                                    "<span style=\"color:rgba(255,0,0,0.3)\">e</span></p>", me, 50}})
        casi.push_back({QString::fromLatin1(nome), Numerati(QString::fromLatin1(modello), n).join(QString()), {}, true,
                        Numerati(riga, n)});
    // Lone halves of surrogate pairs, which the notes file reads back as
    // U+FFFD, in HTML and in plain text.
    const QString sostituto(QChar::ReplacementCharacter);
    casi.push_back({QStringLiteral("surrogati HTML"), QStringLiteral("<p>a&#xD800;b&#xDC00;</p>"), {}, true,
                    {QStringLiteral("a") + sostituto + QStringLiteral("b") + sostituto}});
    casi.push_back({QStringLiteral("surrogati"), {}, QStringLiteral("a") + QChar(0xDBFF) + QStringLiteral("\nb"), true,
                    {QStringLiteral("a") + sostituto, QStringLiteral("b")}});
    // RTF whose spacing is past what the file keeps.
    casi.push_back({QStringLiteral("RTF spaziato"), {}, {}, true, Numerati(QStringLiteral("s%1"), 10),
                    "{\\rtf1 " + Numerati(QStringLiteral("\\sb2000000\\sa900000 s%1\\par "), 10).join(QString()).toLatin1() + "}"});
    // Lines by every end Qt makes a paragraph or a line of: a few go in,
    // a million are refused at once.
    casi.push_back({QStringLiteral("righe \\r"), {}, Numerati(QStringLiteral("r%1\r"), 1000).join(QString()), true,
                    Numerati(QStringLiteral("r%1"), 1000)});
    casi.push_back({QStringLiteral("righe \\r\\n"), {}, Numerati(QStringLiteral("r%1\r\n"), 1000).join(QString()), true,
                    Numerati(QStringLiteral("r%1"), 1000)});
    for (const QString& fine : {QStringLiteral("\r"), QStringLiteral("\r\n"), QStringLiteral("\n"), QString(QChar(0x2028)),
                               QString(QChar::ParagraphSeparator)})
        casi.push_back({QStringLiteral("un milione di righe %1").arg(int(fine.back().unicode())), {}, fine.repeated(1'000'000),
                        false, {}, {}, Rtf::TipoMime, AppuntiTroppoLunghi, 500});
    // RTF alone past the bounds of the notes, or that the reader cannot
    // read: said, never silent.
    const QByteArray righe = "{\\rtf1 " + QByteArray("\\trowd\\cellx900 x\\cell\\row ").repeated(150'000) + "}";
    const QByteArray gruppi = "{\\rtf1 " + QByteArray(100'000, '{') + "x}";
    for (const QString& formato : {Rtf::TipoMime, QStringLiteral("application/rtf")}) {
        casi.push_back({QStringLiteral("righe di tabella come ") + formato, {}, {}, false, {}, righe, formato});
        casi.push_back({QStringLiteral("gruppi annidati come ") + formato, {}, {}, false, {}, gruppi, formato});
    }
    casi.push_back({QStringLiteral("RTF illeggibile"), {}, {}, false, {}, "{\\rtf1 {\\b x\x01}}", Rtf::TipoMime,
                    QStringLiteral("Impossibile incollare il testo. Il testo RTF contiene dati non validi")});
    return casi;
}

} // namespace

// Whatever HTML or text the clipboard holds, Ctrl+V into the notes takes it
// (with no table and no picture, each cell's text a paragraph of its own, in
// order) or refuses it with the warning and nothing changed; either way the
// box answers the next key.
TEST_F(Note, GliIncolliOstiliSiPrendonoOSiRifiutano)
{
    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    QClipboard* appunti = QGuiApplication::clipboard();
#ifdef ZEFRA_SANITIZE
    const qint64 lentezza = 10;
#else
    const qint64 lentezza = 1;
#endif
    for (const Incollo& caso : IncolliOstili()) {
        SCOPED_TRACE(caso.nome.toStdString());
        // Notes as a notes file gives them: a paragraph, then an empty one.
        CaricaAppunti([](QTextEdit* e) { ASSERT_TRUE(Rtf::Leggi("{\\rtf1 inizio\\par\\fs40\\b\\par}", *e->document())); });
        const QString prima = Mostrato(*t->document(), true);
        MettiInFondo(t);
        Modale::Azzera();
        QuadernoModificato = FALSO;
        auto* dati = new QMimeData;
        if (!caso.html.isEmpty()) dati->setHtml(caso.html);
        if (!caso.testo.isEmpty()) dati->setText(caso.testo);
        if (!caso.rtf.isEmpty()) dati->setData(caso.formatoRtf, caso.rtf);
        appunti->setMimeData(dati);
        QElapsedTimer cronometro;
        cronometro.start();
        QTest::keyClick(t, Qt::Key_V, Qt::ControlModifier);
        EXPECT_LT(cronometro.elapsed(), caso.millisecondi * lentezza);
        if (caso.preso) {
            EXPECT_EQ(ParagrafiPieni(t->document()), QStringList{QStringLiteral("inizio")} + caso.attesi);
            EXPECT_FALSE(HaTabelleImmaginiOListeLunghe(t->document()));
            EXPECT_EQ(QuadernoModificato, VERO);
            EXPECT_TRUE(Modale::Mostrati().isEmpty());
            // The notes hold what the notes file gives back, formats and all.
            QTextDocument riletto;
            riletto.setDefaultFont(t->document()->defaultFont());
            ASSERT_TRUE(Rtf::Leggi(Rtf::Scrivi(*t->document()), riletto));
            EXPECT_EQ(Mostrato(*t->document(), true).toStdString(), Mostrato(riletto, true).toStdString());
        } else {
            EXPECT_EQ(Mostrato(*t->document(), true), prima);
            EXPECT_EQ(QuadernoModificato, FALSO);
            EXPECT_EQ(MessaggiMostrati(), QStringList{QStringLiteral("3|Incolla|") + caso.avviso});
        }
        QTest::keyClick(t, Qt::Key_Z);
        EXPECT_TRUE(t->toPlainText().endsWith(QLatin1Char('z')));
    }
    appunti->clear();
}

// A paste is judged with the notes it joins, by every road into the box:
// one that alone would fit but would take the notes past a bound of the
// notes file (here the distinct fonts) is refused with nothing changed; one
// within them goes in as one step the undo takes back.
TEST_F(Note, IlLimiteValeConGliAppuntiPerOgniVia)
{
    ApriAppunti();
    QTextEdit* t = TxtAppunti();
    QClipboard* appunti = QGuiApplication::clipboard();
    QString pieni;
    for (int i = 1; i <= Rtf::FontDistintiMassimi; ++i) pieni += QStringLiteral("<span style=\"font-family:'F%1'\">a </span>").arg(i);
    CaricaAppunti([&](QTextEdit* e) { e->setHtml(pieni); });
    const QString prima = t->toPlainText();
    ASSERT_TRUE(Rtf::ScriviEntroLimiti(*t->document()));
    {
        std::unique_ptr<QTextDocument> oltre(t->document()->clone());
        QTextCursor c(oltre.get());
        c.movePosition(QTextCursor::End);
        QTextCharFormat f;
        f.setFontFamilies({QStringLiteral("Nuova")});
        c.insertText(QStringLiteral("b"), f);
        ASSERT_FALSE(Rtf::ScriviEntroLimiti(*oltre));
    }
    auto html = [](const char* famiglia) {
        auto* d = new QMimeData;
        d->setHtml(QStringLiteral("<span style=\"font-family:'%1'\">b</span>").arg(QLatin1String(famiglia)));
        return d;
    };
    auto rtf = [](const char* famiglia) {
        return Rtf::DatiAppunti(QByteArray("{\\rtf1{\\fonttbl{\\f0 ") + famiglia + ";}}\\f0 b}");
    };
    const QPoint dentro(20, 10);
    bool rilasciato = false;
    // Ctrl+V, a drop, the middle button (where the system has a selection).
    const std::function<void(QMimeData*)> vie[] = {
        [&](QMimeData* d) {
            appunti->setMimeData(d);
            QTest::keyClick(t, Qt::Key_V, Qt::ControlModifier);
        },
        [&](QMimeData* d) {
            QDragEnterEvent entra(dentro, Qt::CopyAction, d, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(t->viewport(), &entra);
            QDragMoveEvent muove(dentro, Qt::CopyAction, d, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(t->viewport(), &muove);
            QDropEvent rilascio(QPointF(dentro), Qt::CopyAction, d, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(t->viewport(), &rilascio);
            // What the source is told was taken.
            rilasciato = rilascio.isAccepted() && rilascio.dropAction() == Qt::CopyAction;
            delete d;
        },
        [&](QMimeData* d) {
            appunti->setMimeData(d, QClipboard::Selection);
            QTest::mouseClick(t->viewport(), Qt::MiddleButton, {}, dentro);
        },
    };
    for (bool comeRtf : {false, true}) {
        for (size_t via = 0; via < std::size(vie) + (comeRtf ? 1 : 0); ++via) {
            if (via == 2 && !appunti->supportsSelection()) continue;
            SCOPED_TRACE(testing::Message() << (comeRtf ? "RTF" : "HTML") << " road " << via);
            auto incolla = [&](const char* famiglia) {
                QMimeData* d = comeRtf ? rtf(famiglia) : html(famiglia);
                if (via < std::size(vie)) {
                    vie[via](d);
                } else {   // the Incolla command
                    appunti->setMimeData(d);
                    FoglioAttivo = 3;
                    EseguiIncolla(3);
                }
            };
            MettiInFondo(t);
            Modale::Azzera();
            QuadernoModificato = FALSO;
            incolla("Nuova");
            EXPECT_EQ(t->toPlainText(), prima);
            EXPECT_EQ(QuadernoModificato, FALSO);
            EXPECT_EQ(MessaggiMostrati(), QStringList{QStringLiteral("3|Incolla|Gli appunti sono troppo lunghi")});
            EXPECT_TRUE(via != 1 || !rilasciato);

            Modale::Azzera();
            incolla("F7");
            EXPECT_TRUE(via != 1 || rilasciato);
            EXPECT_EQ(t->toPlainText().size(), prima.size() + 1);
            EXPECT_EQ(t->toPlainText().count(QLatin1Char('b')), 1);
            EXPECT_EQ(QuadernoModificato, VERO);
            EXPECT_TRUE(Modale::Mostrati().isEmpty());
            t->undo();
            EXPECT_EQ(t->toPlainText(), prima);
        }
    }
    appunti->clear();
    appunti->clear(QClipboard::Selection);
}
