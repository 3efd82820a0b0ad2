#include "AiutiFinestre.h"
#include "commands/Comandi.h"
#include "commands/Dispatch.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include "workspace/IconeToolbar.h"
#include "workspace/MenuPrinc.h"
#include "workspace/StatoComandi.h"
#include <QAction>
#include <QMenu>
#include <QMap>
#include <QMdiArea>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace {

struct Chiamata {
    QString procedura;
    QList<int> argomenti;
    bool operator==(const Chiamata&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Chiamata& c)
{
    o << c.procedura.toStdString() << "(";
    for (int a : c.argomenti) o << a << ",";
    return o << ")";
}

class Menu : public ProvaConFoglio {
protected:
    void SetUp() override
    {
        ProvaConFoglio::SetUp();
        OsservaComandi([this](const QString& p, const QList<int>& a) { chiamate.append({p, a}); });
    }
    void TearDown() override
    {
        OsservaComandi(nullptr);
        ProvaConFoglio::TearDown();
    }
    // Pressing or releasing a toggle of Toolbar2, as the pupil does.
    void Premi(int i) { Unica<Princ>::Istanza()->BottoneToolbar2(i)->trigger(); }
    QAction* Voce(const char* nome) { return Unica<Princ>::Istanza()->Azione(QString::fromUtf8(nome)); }
    QAction* VoceTendina(int bottone, const QString& chiave)
    {
        for (QAction* a : Unica<Princ>::Istanza()->BottoneToolbar1(bottone)->menu()->actions())
            if (a->data().toString() == chiave) return a;
        return nullptr;
    }
    void Seleziona(int s, std::initializer_list<int> posizioni, int quante)
    {
        NumFrazioni(s) = int16_t(quante);
        for (int i = 1; i <= quante; ++i) {
            Frazioni[s][i][1] = 1;
            Frazioni[s][i][2] = 2;
            Frazioni[s][i][3] = 0;
        }
        for (int i : posizioni) Frazioni[s][i][3] = 1;
    }
    QList<Chiamata> Prendi()
    {
        QList<Chiamata> c = chiamate;
        chiamate.clear();
        return c;
    }
    QList<Chiamata> chiamate;
};

// ---- Menu tree ----------------------------------------------------------------

struct Riga {
    int livello;
    const char* nome;
    const char* testo;
    const char* scorciatoia;
    int spunta;   // 0 none, 1 checkable, 2 checked
};

const Riga Albero[] = {
    {0, "MnuFile", "File", "", 0},
    {1, "MnuFileNuovoQuaderno", "&Nuovo quaderno", "Ctrl+N", 0},
    {1, "MnuFileApri", "&Apri quaderno", "", 0},
    {1, "separatore1", "-", "", 0},
    {1, "MnuFileSalva", "&Salva quaderno", "Ctrl+S", 0},
    {1, "MnuFileSalvaConNome", "Sa&lva quaderno con nome", "", 0},
    {1, "separatore2", "-", "", 0},
    {1, "MnuFileCancellaFoglio", "&Cancella il foglio", "Shift+Del", 0},
    {1, "MnuFileCopiaBitmap", "C&opia il foglio negli appunti di Windows", "", 0},
    {1, "MnuFileStampa", "Stam&pa il foglio", "", 0},
    {1, "separatore3", "-", "", 0},
    {1, "MnuFileNuovoRegistro", "Nuovo &registro degli errori", "", 0},
    {1, "MnuFileMostraRegistro", "&Mostra il registro degli errori", "", 0},
    {1, "MnuFileStampaRegistro", "S&tampa il registro degli errori", "", 0},
    {1, "separatore4", "-", "", 0},
    {1, "MnuFileEsci", "&Esci", "", 0},
    {0, "MnuModifica", "Modifica", "", 0},
    {1, "MnuModificaTaglia", "&Taglia", "Del", 0},
    {1, "MnuModificaCopia", "&Copia", "", 0},
    {1, "MnuModificaIncolla", "&Incolla", "", 0},
    {1, "separatore5", "-", "", 0},
    {1, "MnuModificaIngrandisci", "In&grandisci", "F4", 0},
    {1, "MnuModificaRiduci", "&Riduci", "F5", 0},
    {1, "separatore6", "-", "", 0},
    {1, "MnuModificaCopiaBitmap", "C&opia frazione negli appunti di Windows", "", 0},
    {1, "separatore7", "-", "", 0},
    {1, "MnuModificaSelezionaTutto", "&Seleziona tutto", "Ctrl+T", 0},
    {0, "MnuEquivalenza", "Equivalenza", "", 0},
    {1, "MnuEquivalenzaMoltiplica", "&Moltiplica numeratore e denominatore", "Ctrl+M", 0},
    {1, "MnuEquivalenzaDividi", "&Dividi numeratore e denominatore", "Ctrl+D", 0},
    {0, "MnuOpera", "Opera", "", 0},
    {1, "MnuOperaAggiungi", "&Aggiungi ", "", 0},
    {2, "MnuOperaAggiungiTermini", "&Inserisci i termini della frazione", "Ctrl+I", 0},
    {2, "separatore8", "-", "", 0},
    {2, "MnuOperaAggiungiTorta", "Rappresenta la frazione a \"&torta\"", "", 0},
    {2, "MnuOperaAggiungiLinea", "Rappresenta la frazione &linearmente", "", 0},
    {2, "MnuOperaAggiungiRettangolo", "Rappresenta la frazione con un &rettangolo", "", 0},
    {2, "separatore9", "-", "", 0},
    {2, "MnuOperaAggiungiValDecimale", "Inserisci il valore &decimale della frazione", "", 0},
    {1, "MnuOperaTogli", "&Trasferisci", "", 0},
    {1, "MnuOperaMoltiplica", "&Moltiplica", "Ctrl+F1", 0},
    {1, "MnuOperaDividi", "&Dividi", "Ctrl+F2", 0},
    {0, "MnuGruppo", "Gruppo", "", 0},
    {1, "MnuGruppoRaggruppa", "&Raggruppa", "", 0},
    {1, "MnuGruppoSepara", "&Separa", "", 0},
    {2, "MnuGruppoSeparaUnità", "Separa in &unità frazionarie con ugual denominatore", "", 0},
    {2, "MnuGruppoSeparaDue", "Separa in &due frazioni con ugual denominatore", "", 0},
    {0, "MnuOrdina", "Ordina", "", 0},
    {1, "MnuOrdinaAvanti", "Sposta &avanti", "F2", 0},
    {1, "MnuOrdinaIndietro", "Sposta &indietro", "F3", 0},
    {0, "MnuVerifica", "Verifica", "", 0},
    {1, "MnuVerificaRidotta", "La frazione è &ridotta ai minimi termini?", "Ctrl+R", 0},
    {1, "MnuVerificaUguali", "Le frazioni sono &uguali?", "", 0},
    {1, "MnuVerificaCresce", "Le frazioni sono in ordine &crescente?", "", 0},
    {1, "MnuVerificaDecresce", "Le frazioni sono in ordine &decrescente?", "", 0},
    {0, "MnuTrova", "Trova", "", 0},
    {1, "MnuTrovaScomponi", "&Scomposizione in fattori primi", "", 0},
    {2, "MnuTrovaScomponiNum", "Del &numeratore", "", 0},
    {2, "MnuTrovaScomponiDenom", "Del &denominatore", "", 0},
    {1, "separatore10", "-", "", 0},
    {1, "MnuTrovaFattoriComuni", "&MCD di numeratore e denominatore", "", 0},
    {1, "MnuTrovaDenominatoreComune", "M&inimo comun denominatore (mcd)", "", 0},
    {1, "separatore11", "-", "", 0},
    {1, "MnuTrovaFrazDiNum", "Frazione di un &numero", "", 0},
    {1, "MnuTrovaFrazDiFraz", "Frazione di &frazione", "", 0},
    {1, "separatore12", "-", "", 0},
    {1, "MnuTrovaValoreDec", "&Valore decimale della frazione", "", 0},
    {0, "MnuRappresenta", "Rappresenta", "", 0},
    {1, "MnuRappresentaLinea", "Rappresentazione &lineare", "", 0},
    {1, "MnuRappresentaPoligono", "Rappresentazione &poligonale", "", 0},
    {1, "MnuRappresentaRettangolo", "Rappresentazione &rettangolare", "", 0},
    {1, "MnuRappresentaIstogramma", "&Istogramma", "", 0},
    {0, "MnuImposta", "Imposta", "", 0},
    {1, "MnuImpostaMostraValori", "&Mostra valori", "", 2},
    {1, "MnuImpostaAbilitaSuono", "&Suono", "", 2},
    {1, "MnuImpostaWinAvvio", "Mostra &informazioni all'avvio", "", 2},
    {1, "separatore13", "-", "", 0},
    {1, "MnuImpostaEvBottoni", "&Bottoni 3D", "", 1},
    {1, "MnuImpostaEvBarra", "B&arra superiore 3D", "", 1},
    {1, "separatore14", "-", "", 0},
    {1, "MnuImpostaFogliCalcoloBianchi", "S&fondo bianco per i fogli di calcolo", "", 1},
    {1, "MnuImpostaFinestreServizioBianche", "Sf&ondo bianco per le finestre di servizio", "", 1},
    {0, "MnuGuida", "?", "", 0},
    {1, "MnuGuidaZefra", "&Guida ", "F1", 0},
    {1, "MnuGuidaGuidaRapida", "Guida &rapida", "", 0},
    {1, "MnuGuidaTavolaPrimi", "&Tavola dei numeri primi", "", 0},
    {1, "separatore15", "-", "", 0},
    {1, "MnuGuidaInfo", "&Informazioni", "", 0},
    {1, "MnuGuidaWeb", "Risorse sul &Web", "", 0},
    {2, "MnuGuidaWebZefra", "&Zefra - Aggiornamenti e risorse", "", 0},
    {2, "MnuGuidaWebSelvanto", "&Selvanto", "", 0},
    {2, "MnuGuidaWebAutore", "&Autore", "", 0},
};

QString Descrivi(int livello, QAction* a)
{
    const QString spunta = a->isCheckable() ? (a->isChecked() ? "2" : "1") : "0";
    const QString testo = a->isSeparator() ? QStringLiteral("-") : a->text();
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(livello)
        .arg(a->objectName(), testo, a->shortcut().toString(QKeySequence::PortableText), spunta);
}

void Percorri(int livello, const QList<QAction*>& azioni, QStringList& righe)
{
    for (QAction* a : azioni) {
        righe << Descrivi(livello, a);
        if (QMenu* m = a->menu()) {
            EXPECT_EQ(m->objectName(), a->objectName());
            Percorri(livello + 1, m->actions(), righe);
        }
    }
}

TEST_F(Menu, LAlberoDeiMenuSegueLaTabella)
{
    QStringList attese;
    for (const Riga& r : Albero)
        attese << QStringLiteral("%1|%2|%3|%4|%5")
                      .arg(r.livello)
                      .arg(QString::fromUtf8(r.nome), QString::fromUtf8(r.testo), QString::fromUtf8(r.scorciatoia))
                      .arg(r.spunta);
    QStringList trovate;
    Percorri(0, Unica<Princ>::Istanza()->menuBar()->actions(), trovate);
    EXPECT_EQ(trovate.size(), attese.size());
    for (int i = 0; i < std::min(trovate.size(), attese.size()); ++i) EXPECT_EQ(trovate[i], attese[i]) << i;
    // Others find every item and top-level menu by its name.
    for (const Riga& r : Albero) {
        ASSERT_NE(Voce(r.nome), nullptr) << r.nome;
        if (r.livello == 0) {
            EXPECT_NE(Unica<Princ>::Istanza()->findChild<QMenu*>(QString::fromUtf8(r.nome)), nullptr) << r.nome;
        }
    }
    EXPECT_TRUE(Unica<Princ>::Istanza()->MenuSpuntato("MnuImpostaAbilitaSuono"));
    EXPECT_FALSE(Unica<Princ>::Istanza()->MenuSpuntato("MnuImpostaEvBottoni"));
}

// ---- Toolbar1 at start ----------------------------------------------------------

TEST_F(Menu, LeVentunoPosizioniAllAvvio)
{
    const struct {
        const char* suggerimento;
        int immagine;
        bool tendina;
    } attesi[21] = {{"Moltiplica numeratore e denominatore", 1, true},
                    {"Divide numeratore e denominatore", 9, true},
                    {"", 0, false},
                    {"Raggruppa frazioni con ugual denominatore", 17, false},
                    {"Separa in unità frazionarie con ugual denominatore", 18, true},
                    {"", 0, false},
                    {"Aggiunge una frazione", 56, true},
                    {"Trasferisce da un foglio di calcolo all'altro", 26, false},
                    {"Moltiplica", 27, true},
                    {"Divide", 37, true},
                    {"", 0, false},
                    {"Taglia", 19, false},
                    {"Copia", 47, false},
                    {"Incolla", 48, false},
                    {"", 0, false},
                    {"Ingrandisce le dimensioni", 21, false},
                    {"Riduce le dimensioni", 22, false},
                    {"Sposta indietro", 24, false},
                    {"Sposta avanti", 25, false},
                    {"", 0, false},
                    {"Rappresentazione lineare", 53, true}};
    QToolBar* tb = Unica<Princ>::Istanza()->Toolbar1();
    ASSERT_NE(tb, nullptr);
    EXPECT_EQ(tb->objectName(), QStringLiteral("Toolbar1"));
    EXPECT_EQ(tb->actions().size(), 21);
    for (int i = 1; i <= 21; ++i) {
        QAction* a = Unica<Princ>::Istanza()->BottoneToolbar1(i);
        ASSERT_NE(a, nullptr) << i;
        const bool separatore = QString::fromUtf8(attesi[i - 1].suggerimento).isEmpty();
        EXPECT_EQ(a->isSeparator(), separatore) << i;
        if (!separatore) {
            EXPECT_EQ(a->toolTip(), QString::fromUtf8(attesi[i - 1].suggerimento)) << i;
        }
        EXPECT_EQ(ImmagineBottoneToolbar1(i), attesi[i - 1].immagine) << i;
        EXPECT_EQ(a->menu() != nullptr, attesi[i - 1].tendina) << i;
        if (attesi[i - 1].tendina) {
            auto* b = qobject_cast<QToolButton*>(tb->widgetForAction(a));
            ASSERT_NE(b, nullptr) << i;
            EXPECT_EQ(b->popupMode(), QToolButton::MenuButtonPopup) << i;
        }
    }
}

TEST_F(Menu, IMenuATendinaHannoITestiEOrdineDiSempre)
{
    // Each item as text|key, "-" for a separator line; spelling and leading
    // blanks exactly as the pupil has always seen them.
    const QMap<int, QStringList> attesi = {
        {1,
         {" Moltiplica numeratore e denumeratore per 2|per2", " Moltiplica numeratore e denumeratore per 3|per3",
          " Moltiplica numeratore e denumeratore per 5|per5", " Moltiplica numeratore e denumeratore per 7|per7", "-",
          " Moltiplica numeratore e denumeratore per 11|per11", " Moltiplica numeratore e denumeratore per 13|per13",
          " Moltiplica numeratore e denumeratore per 17|per17", " Moltiplica numeratore e denumeratore per 19|per19"}},
        {2,
         {"Dividi numeratore e denominatore per 2|div2", "Dividi numeratore e denominatore per 3|div3",
          "Dividi numeratore e denominatore per 5|div5", "Dividi numeratore e denominatore per 7|div7", "-",
          "Dividi numeratore e denominatore per 11|div11", "Dividi numeratore e denominatore per 13|div13",
          "Dividi numeratore e denominatore per 17|div17", "Dividi numeratore e denominatore per 19|div19"}},
        {5,
         {QString::fromUtf8("Separa in unità frazionarie con ugual denominatore|separa1"),
          "Separa in due frazioni con ugual denominatore|separa2"}},
        {7,
         {"Aggiungi una frazione inserendo numeratore e denominatore|fraz", "-",
          "Aggiungi una frazione rappresentandola a \"torta\"|circ",
          "Aggiungi una frazione rappresentandola linearmente|lin",
          "Aggiungi una frazione rappresentandola con un rettangolo|rett", "-",
          "Aggiungi una frazione inserendo il valore decimale|InsValDecimale"}},
        {9,
         {"Moltiplica per 2|m2", "Moltiplica per 3|m3", "Moltiplica per 5|m5", "Moltiplica per 7|m7", "-",
          "Moltiplica per 11|m11", "Moltiplica per 13|m13", "Moltiplica per 17|m17", "Moltiplica per 19|m19"}},
        {10,
         {"Dividi per 2|d2", "Dividi per 3|d3", "Dividi per 5|d5", "Dividi per 7|d7", "-", "Dividi per 11|d11",
          "Dividi per 13|d13", "Dividi per 17|d17", "Dividi per 19|d19"}},
        {21,
         {"Rappresentazione lineare|lineare", "Rappresentazione poligonale|poligonale",
          "Rappresentazione rettangolare|rettangolare", "Istogramma|istogramma", "-",
          "Le frazioni selezionate sono in ordine crescente?|crescente",
          "Le frazioni selezionate sono in ordine decrescente?|decrescente",
          "Le frazioni selezionate sono uguali?|uguali",
          QString::fromUtf8("La frazione selezionata è ridotta ai minimi termini?|ridotta"), "-",
          "Scomponi in fattori primi il numeratore|scomponi1", "Scomponi in fattori primi il denominatore|scomponi2",
          "-", "Trova il MCD di numeratore e denominatore|FatComuni",
          "Trova il minimo comun denominatore (mcd)|DenomComune",
          "Trova il valore decimale della frazione|ValDecimale", "-", "Frazione di un numero|FrazDiNum",
          "Frazione di frazione|FrazDiFraz"}},
    };
    for (int b = 1; b <= 21; ++b) {
        QAction* bottone = Unica<Princ>::Istanza()->BottoneToolbar1(b);
        if (!attesi.contains(b)) {
            EXPECT_EQ(bottone->menu(), nullptr) << b;
            continue;
        }
        ASSERT_NE(bottone->menu(), nullptr) << b;
        QStringList righe;
        for (QAction* a : bottone->menu()->actions()) {
            righe << (a->isSeparator() ? QStringLiteral("-") : a->text() + "|" + a->data().toString());
            // The key is also the item's name.
            if (!a->isSeparator()) {
                EXPECT_EQ(a->objectName(), a->data().toString()) << b;
            }
        }
        EXPECT_EQ(righe, attesi[b]) << b;
    }
}

// ---- Drop-down choices and clicks -------------------------------------------------

TEST_F(Menu, LaSceltaDellaTendinaFissaIlFattoreLImmagineEEseguePoiIlClicRipete)
{
    Seleziona(1, {2}, 3);
    int fattoreDurante = 0;
    OsservaComandi([&](const QString& p, const QList<int>& a) {
        chiamate.append({p, a});
        fattoreDurante = FattoreDividi;
    });
    VoceTendina(10, "d7")->trigger();
    EXPECT_EQ(FattoreDividi, 7);
    EXPECT_EQ(fattoreDurante, 7);
    EXPECT_EQ(ImmagineBottoneToolbar1(10), 40);
    EXPECT_EQ(Unica<Princ>::Istanza()->BottoneToolbar1(10)->toolTip(), QStringLiteral("Divide"));
    EXPECT_EQ(Unica<Princ>::Istanza()->BottoneToolbar1(10)->icon().pixmap(QSize(34, 33)).toImage().convertToFormat(
                  QImage::Format_ARGB32_Premultiplied),
              DisegnaIconaToolbar1(40, 1, false));
    EXPECT_EQ(Prendi(), QList<Chiamata>({{"DividiFrazione", {1}}}));

    Unica<Princ>::Istanza()->BottoneToolbar1(10)->trigger();
    EXPECT_EQ(Prendi(), QList<Chiamata>({{"DividiFrazione", {1}}}));
    EXPECT_EQ(fattoreDurante, 7);

    // The menu asks its own factor; the remembered one is not touched.
    Voce("MnuOperaDividi")->trigger();
    EXPECT_EQ(Prendi(), QList<Chiamata>({{"ChiediFattoreEdEsegui", {int(ComandoFattore::Dividi), 1}}}));
    EXPECT_EQ(FattoreDividi, 7);

    const struct {
        const char* chiave;
        int16_t* variabile;
        int bottone, immagine;
        const char* procedura;
    } casi[] = {{"per13", &FattoreEquivMoltiplica, 1, 6, "MoltiplicaTermini"},
                {"div19", &FattoreEquivDividi, 2, 16, "DividiTermini"},
                {"m2", &FattoreMoltiplica, 9, 27, "MoltiplicaFrazione"},
                {"d11", &FattoreDividi, 10, 41, "DividiFrazione"}};
    for (const auto& c : casi) {
        const QString chiave = QString::fromLatin1(c.chiave);
        Toolbar1_ButtonMenuClick(chiave);
        EXPECT_EQ(*c.variabile, chiave.mid(chiave.indexOf(QRegularExpression("\\d"))).toInt()) << c.chiave;
        EXPECT_EQ(ImmagineBottoneToolbar1(c.bottone), c.immagine) << c.chiave;
        Toolbar1_ButtonClick(c.bottone);
        EXPECT_EQ(Prendi(), QList<Chiamata>({{c.procedura, {1}}, {c.procedura, {1}}})) << c.chiave;
    }
    // Keys compare exactly: nothing for a wrong case, a factor not offered or
    // a blank.
    for (const char* k : {"D7", "per4", "m 2", "", "lineare "}) Toolbar1_ButtonMenuClick(QString::fromLatin1(k));
    EXPECT_TRUE(Prendi().isEmpty());
    EXPECT_EQ(FattoreDividi, 11);
    EXPECT_EQ(FattoreMoltiplica, 2);
}

TEST_F(Menu, OgniFattoreDelleTendineHaIlSuoValoreELaSuaImmagine)
{
    const int valori[8] = {2, 3, 5, 7, 11, 13, 17, 19};
    const struct {
        const char* chiavi[8];
        int16_t* variabile;
        int bottone;
        int immagini[8];
        const char* procedura;
        const char* suggerimento;
    } famiglie[] = {
        {{"per2", "per3", "per5", "per7", "per11", "per13", "per17", "per19"}, &FattoreEquivMoltiplica, 1,
         {1, 2, 3, 4, 5, 6, 7, 8}, "MoltiplicaTermini", "Moltiplica numeratore e denominatore"},
        {{"div2", "div3", "div5", "div7", "div11", "div13", "div17", "div19"}, &FattoreEquivDividi, 2,
         {9, 10, 11, 12, 13, 14, 15, 16}, "DividiTermini", "Divide numeratore e denominatore"},
        {{"m2", "m3", "m5", "m7", "m11", "m13", "m17", "m19"}, &FattoreMoltiplica, 9,
         {27, 28, 29, 30, 31, 32, 33, 34}, "MoltiplicaFrazione", "Moltiplica"},
        {{"d2", "d3", "d5", "d7", "d11", "d13", "d17", "d19"}, &FattoreDividi, 10,
         {37, 38, 39, 40, 41, 42, 43, 44}, "DividiFrazione", "Divide"},
    };
    int16_t* tutte[4] = {&FattoreEquivMoltiplica, &FattoreEquivDividi, &FattoreMoltiplica, &FattoreDividi};
    for (const auto& f : famiglie)
        for (int i = 7; i >= 0; --i) {
            const int16_t prima[4] = {*tutte[0], *tutte[1], *tutte[2], *tutte[3]};
            Toolbar1_ButtonMenuClick(QString::fromLatin1(f.chiavi[i]));
            EXPECT_EQ(*f.variabile, valori[i]) << f.chiavi[i];
            for (int v = 0; v < 4; ++v)   // the other factors stay
                if (tutte[v] != f.variabile) {
                    EXPECT_EQ(*tutte[v], prima[v]) << f.chiavi[i];
                }
            EXPECT_EQ(ImmagineBottoneToolbar1(f.bottone), f.immagini[i]) << f.chiavi[i];
            EXPECT_EQ(Unica<Princ>::Istanza()->BottoneToolbar1(f.bottone)->toolTip(), QString::fromLatin1(f.suggerimento));
            EXPECT_EQ(Prendi(), QList<Chiamata>({{f.procedura, {1}}})) << f.chiavi[i];
        }
}

TEST_F(Menu, IModiDelBottone21CambianoImmagineSuggerimentoEComando)
{
    const struct {
        const char* chiave;
        int modo, immagine;
        const char* suggerimento;
        Chiamata chiamata;
    } casi[] = {
        {"lineare", 1, 53, "Rappresentazione lineare", {"RappresentaLinea", {1}}},
        {"poligonale", 2, 54, "Rappresentazione poligonale", {"RappresentaPoligono", {1}}},
        {"rettangolare", 3, 55, "Rappresentazione rettangolare", {"RappresentaRettangolo", {1}}},
        {"ridotta", 4, 52, "La frazione è ridotta ai minimi termini?", {"VerificaRidotta", {1}}},
        {"FatComuni", 5, 58, "Trova il MCD di numeratore e denominatore", {"TrovaFattoriComuni", {1}}},
        {"DenomComune", 6, 59, "Trova il minimo comun denominatore", {"TrovaDenominatoreComune", {1}}},
        {"ValDecimale", 7, 60, "Trova il valore decimale della frazione", {"TrovaValoreDecimale", {1}}},
        {"FrazDiNum", 8, 61, "Frazione di un numero", {"TrovaFrazDiNum", {1}}},
        {"FrazDiFraz", 9, 62, "Frazione di frazione", {"TrovaFrazDiFraz", {1}}},
        {"uguali", 10, 51, "Le frazioni sono uguali?", {"VerificaUguali", {1}}},
        {"crescente", 11, 49, "Le frazioni sono in ordine crescente?", {"VerificaCrescente", {1}}},
        {"decrescente", 12, 50, "Le frazioni sono in ordine decrescente?", {"VerificaDecrescente", {1}}},
        {"scomponi1", 13, 66, "Scomponi in fattori primi il numeratore", {"ScomponiTermine", {1, 1}}},
        {"scomponi2", 14, 67, "Scomponi in fattori primi il denominatore", {"ScomponiTermine", {2, 1}}},
        {"istogramma", 15, 68, "Istogramma delle frazioni selezionate", {"RappresentaIstogramma", {1}}},
    };
    for (const auto& c : casi) {
        // The choice is recorded before its command runs.
        int modoDurante = 0, immagineDurante = 0;
        OsservaComandi([&](const QString& p, const QList<int>& a) {
            chiamate.append({p, a});
            modoDurante = ModoVerificaTrova;
            immagineDurante = ImmagineBottoneToolbar1(21);
        });
        VoceTendina(21, QString::fromLatin1(c.chiave))->trigger();
        EXPECT_EQ(ModoVerificaTrova, c.modo) << c.chiave;
        EXPECT_EQ(modoDurante, c.modo) << c.chiave;
        EXPECT_EQ(immagineDurante, c.immagine) << c.chiave;
        EXPECT_EQ(Unica<Princ>::Istanza()->BottoneToolbar1(21)->toolTip(), QString::fromUtf8(c.suggerimento)) << c.chiave;
        Unica<Princ>::Istanza()->BottoneToolbar1(21)->trigger();
        EXPECT_EQ(Prendi(), QList<Chiamata>({c.chiamata, c.chiamata})) << c.chiave;
    }
    ModoVerificaTrova = 16;
    Toolbar1_ButtonClick(21);
    EXPECT_TRUE(Prendi().isEmpty());
}

TEST_F(Menu, IModiDeiBottoni5E7)
{
    Toolbar1_ButtonMenuClick("circ");
    EXPECT_EQ(ModoAggiungi, 2);
    EXPECT_EQ(ImmagineBottoneToolbar1(7), 23);
    EXPECT_EQ(Unica<Princ>::Istanza()->BottoneToolbar1(7)->toolTip(), QStringLiteral("Aggiunge una frazione"));
    Toolbar1_ButtonClick(7);
    Toolbar1_ButtonMenuClick("InsValDecimale");
    EXPECT_EQ(ImmagineBottoneToolbar1(7), 64);
    Toolbar1_ButtonMenuClick("lin");
    EXPECT_EQ(ModoAggiungi, 4);
    EXPECT_EQ(ImmagineBottoneToolbar1(7), 63);
    Toolbar1_ButtonMenuClick("rett");
    EXPECT_EQ(ModoAggiungi, 3);
    EXPECT_EQ(ImmagineBottoneToolbar1(7), 57);
    Toolbar1_ButtonMenuClick("fraz");
    EXPECT_EQ(ModoAggiungi, 1);
    EXPECT_EQ(ImmagineBottoneToolbar1(7), 56);
    EXPECT_EQ(Unica<Princ>::Istanza()->BottoneToolbar1(7)->toolTip(), QStringLiteral("Aggiunge una frazione"));
    EXPECT_EQ(Prendi(), QList<Chiamata>({{"AggiungiFrazioneTorta", {}},
                                         {"AggiungiFrazioneTorta", {}},
                                         {"AggiungiFrazioneValDecimale", {1}},
                                         {"AggiungiFrazioneLinea", {}},
                                         {"AggiungiFrazioneRettangolo", {}},
                                         {"AggiungiFrazioneTermini", {1}}}));
    Toolbar1_ButtonMenuClick("separa2");
    EXPECT_EQ(ModoSepara, 2);
    EXPECT_EQ(ImmagineBottoneToolbar1(5), 65);
    EXPECT_EQ(Unica<Princ>::Istanza()->BottoneToolbar1(5)->toolTip(), QStringLiteral("Separa in due frazioni con ugual denominatore"));
    Toolbar1_ButtonClick(5);
    Toolbar1_ButtonMenuClick("separa1");
    EXPECT_EQ(Unica<Princ>::Istanza()->BottoneToolbar1(5)->toolTip(),
              QString::fromUtf8("Separa in unità frazionarie con ugual denominatore"));
    EXPECT_EQ(Prendi(), QList<Chiamata>({{"SeparaInDue", {1}}, {"SeparaInDue", {1}}, {"SeparaInUnita", {1}}}));
}

TEST_F(Menu, ISeparatoriELePosizioniFuoriNonFannoNulla)
{
    for (int i : {0, 3, 6, 11, 15, 20, 22, -1}) Toolbar1_ButtonClick(i);
    EXPECT_TRUE(Prendi().isEmpty());
    // The real buttons each reach their procedure with the active window.
    for (int i : {4, 8, 12, 13, 14, 16, 17, 18, 19}) Toolbar1_ButtonClick(i);
    EXPECT_EQ(Prendi(), QList<Chiamata>({{"RaggruppaFrazioni", {1}},
                                         {"TrasferisciFrazioni", {1}},
                                         {"TagliaSelezione", {1}},
                                         {"EseguiCopia", {1}},
                                         {"EseguiIncolla", {1}},
                                         {"IngrandisciFoglio", {1}},
                                         {"RiduciFoglio", {1}},
                                         {"SpostaIndietro", {1}},
                                         {"SpostaAvanti", {1}}}));
}

TEST_F(Menu, OgniVoceDelMenuChiamaLaSuaProcedura)
{
    // Sheet B active (not 1, so a forwarder that passes a fixed 1 is caught),
    // one fraction selected so that the four factor items pass their check.
    Premi(2);
    ASSERT_EQ(FoglioAttivo, 2);
    Seleziona(2, {1}, 1);
    const int B = 2;
    const struct {
        const char* voce;
        Chiamata chiamata;
    } tabella[] = {
        {"MnuFileNuovoQuaderno", {"MnuFileNuovoQuaderno_Click", {}}},
        {"MnuFileApri", {"MnuFileApri_Click", {}}},
        {"MnuFileSalva", {"MnuFileSalva_Click", {}}},
        {"MnuFileSalvaConNome", {"MnuFileSalvaConNome_Click", {}}},
        {"MnuFileCancellaFoglio", {"MnuFileCancellaFoglio_Click", {}}},
        {"MnuFileCopiaBitmap", {"MnuFileCopiaBitmap_Click", {}}},
        {"MnuFileStampa", {"MnuFileStampa_Click", {}}},
        {"MnuFileNuovoRegistro", {"NuovoRegistro", {}}},
        {"MnuFileMostraRegistro", {"MostraRegistro", {}}},
        {"MnuFileStampaRegistro", {"StampaRegistro", {}}},
        {"MnuFileEsci", {"MnuFileEsci_Click", {}}},
        {"MnuModificaTaglia", {"TagliaSelezione", {B}}},
        {"MnuModificaCopia", {"EseguiCopia", {B}}},
        {"MnuModificaIncolla", {"EseguiIncolla", {B}}},
        {"MnuModificaIngrandisci", {"IngrandisciFoglio", {B}}},
        {"MnuModificaRiduci", {"RiduciFoglio", {B}}},
        {"MnuModificaCopiaBitmap", {"MnuModificaCopiaBitmap_Click", {}}},
        {"MnuModificaSelezionaTutto", {"MnuModificaSelezionaTutto_Click", {}}},
        {"MnuEquivalenzaMoltiplica", {"ChiediFattoreEdEsegui", {int(ComandoFattore::EquivMoltiplica), B}}},
        {"MnuEquivalenzaDividi", {"ChiediFattoreEdEsegui", {int(ComandoFattore::EquivDividi), B}}},
        {"MnuOperaAggiungiTermini", {"AggiungiFrazioneTermini", {B}}},
        {"MnuOperaAggiungiTorta", {"AggiungiFrazioneTorta", {}}},
        {"MnuOperaAggiungiLinea", {"AggiungiFrazioneLinea", {}}},
        {"MnuOperaAggiungiRettangolo", {"AggiungiFrazioneRettangolo", {}}},
        {"MnuOperaAggiungiValDecimale", {"AggiungiFrazioneValDecimale", {B}}},
        {"MnuOperaTogli", {"TrasferisciFrazioni", {B}}},
        {"MnuOperaMoltiplica", {"ChiediFattoreEdEsegui", {int(ComandoFattore::Moltiplica), B}}},
        {"MnuOperaDividi", {"ChiediFattoreEdEsegui", {int(ComandoFattore::Dividi), B}}},
        {"MnuGruppoRaggruppa", {"RaggruppaFrazioni", {B}}},
        {"MnuGruppoSeparaUnità", {"SeparaInUnita", {B}}},
        {"MnuGruppoSeparaDue", {"SeparaInDue", {B}}},
        {"MnuOrdinaAvanti", {"SpostaAvanti", {B}}},
        {"MnuOrdinaIndietro", {"SpostaIndietro", {B}}},
        {"MnuVerificaRidotta", {"VerificaRidotta", {B}}},
        {"MnuVerificaUguali", {"VerificaUguali", {B}}},
        {"MnuVerificaCresce", {"VerificaCrescente", {B}}},
        {"MnuVerificaDecresce", {"VerificaDecrescente", {B}}},
        {"MnuTrovaScomponiNum", {"ScomponiTermine", {1, B}}},
        {"MnuTrovaScomponiDenom", {"ScomponiTermine", {2, B}}},
        {"MnuTrovaFattoriComuni", {"TrovaFattoriComuni", {B}}},
        {"MnuTrovaDenominatoreComune", {"TrovaDenominatoreComune", {B}}},
        {"MnuTrovaFrazDiNum", {"TrovaFrazDiNum", {B}}},
        {"MnuTrovaFrazDiFraz", {"TrovaFrazDiFraz", {B}}},
        {"MnuTrovaValoreDec", {"TrovaValoreDecimale", {B}}},
        {"MnuRappresentaLinea", {"RappresentaLinea", {B}}},
        {"MnuRappresentaPoligono", {"RappresentaPoligono", {B}}},
        {"MnuRappresentaRettangolo", {"RappresentaRettangolo", {B}}},
        {"MnuRappresentaIstogramma", {"RappresentaIstogramma", {B}}},
        {"MnuImpostaMostraValori", {"MnuImpostaMostraValori_Click", {}}},
        {"MnuImpostaAbilitaSuono", {"MnuImpostaAbilitaSuono_Click", {}}},
        {"MnuImpostaWinAvvio", {"MnuImpostaWinAvvio_Click", {}}},
        {"MnuImpostaEvBottoni", {"MnuImpostaEvBottoni_Click", {}}},
        {"MnuImpostaEvBarra", {"MnuImpostaEvBarra_Click", {}}},
        {"MnuImpostaFogliCalcoloBianchi", {"MnuImpostaFogliCalcoloBianchi_Click", {}}},
        {"MnuImpostaFinestreServizioBianche", {"MnuImpostaFinestreServizioBianche_Click", {}}},
        {"MnuGuidaZefra", {"MnuGuidaZefra_Click", {}}},
        {"MnuGuidaGuidaRapida", {"MnuGuidaGuidaRapida_Click", {}}},
        {"MnuGuidaTavolaPrimi", {"MnuGuidaTavolaPrimi_Click", {}}},
        {"MnuGuidaInfo", {"MnuGuidaInfo_Click", {}}},
        {"MnuGuidaWebZefra", {"MnuGuidaWebZefra_Click", {}}},
        {"MnuGuidaWebSelvanto", {"MnuGuidaWebSelvanto_Click", {}}},
        {"MnuGuidaWebAutore", {"MnuGuidaWebAutore_Click", {}}},
    };
    int foglie = 0;
    for (QAction* a : Unica<Princ>::Istanza()->findChildren<QAction*>())
        if (a->objectName().startsWith(QLatin1String("Mnu")) && !a->menu()) ++foglie;
    EXPECT_EQ(foglie, int(std::size(tabella)));   // every item is in the table
    for (const auto& r : tabella) {
        QAction* a = Voce(r.voce);
        ASSERT_NE(a, nullptr) << r.voce;
        ASSERT_TRUE(a->isEnabled()) << r.voce;
        a->trigger();
        EXPECT_EQ(Prendi(), QList<Chiamata>({r.chiamata})) << r.voce;
    }
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    // The items that only open a submenu call nothing.
    for (const char* n : {"MnuOperaAggiungi", "MnuGruppoSepara", "MnuTrovaScomponi", "MnuGuidaWeb"}) {
        EseguiVoceMenu(QString::fromLatin1(n));
        Voce(n)->trigger();
    }
    EXPECT_TRUE(Prendi().isEmpty());
}

// ---- Factor items of the menu ------------------------------------------------------

TEST_F(Menu, LeVociConFattoreControllanoLaSelezioneDelFoglioAttivo)
{
    FattoreMoltiplica = 5;
    Seleziona(1, {1, 3}, 3);
    Voce("MnuOperaMoltiplica")->trigger();
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    EXPECT_EQ(Modale::Mostrati()[0].testo, QString::fromUtf8("Selezionare una frazione (e non più di una)"));
    EXPECT_EQ(Modale::Mostrati()[0].titolo, QStringLiteral("Moltiplica"));
    EXPECT_EQ(Modale::Mostrati()[0].tipo, 3);
    EXPECT_TRUE(Prendi().isEmpty());
    EXPECT_EQ(FattoreMoltiplica, 5);
    Modale::Azzera();

    Seleziona(1, {}, 3);
    Frazioni[1][4][3] = 1;   // beyond the count: not a fraction of the sheet
    Voce("MnuEquivalenzaMoltiplica")->trigger();
    Voce("MnuEquivalenzaDividi")->trigger();
    Voce("MnuOperaDividi")->trigger();
    ASSERT_EQ(Modale::Mostrati().size(), 3);
    EXPECT_EQ(Modale::Mostrati()[0].testo, QString::fromUtf8("Selezionare una o più frazioni"));
    EXPECT_EQ(Modale::Mostrati()[0].titolo, QStringLiteral("Moltiplica numeratore e denominatore"));
    EXPECT_EQ(Modale::Mostrati()[1].titolo, QStringLiteral("Dividi numeratore e denominatore"));
    EXPECT_EQ(Modale::Mostrati()[2].titolo, QStringLiteral("Dividi"));
    EXPECT_TRUE(Prendi().isEmpty());
    Modale::Azzera();

    // Sheet B active: its own selection counts, not sheet A's.
    Seleziona(1, {1, 2}, 3);
    Seleziona(2, {2}, 2);
    Premi(2);
    ASSERT_EQ(FoglioAttivo, 2);
    Voce("MnuOperaMoltiplica")->trigger();
    Voce("MnuEquivalenzaDividi")->trigger();
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_EQ(Prendi(), QList<Chiamata>({{"ChiediFattoreEdEsegui", {int(ComandoFattore::Moltiplica), 2}},
                                         {"ChiediFattoreEdEsegui", {int(ComandoFattore::EquivDividi), 2}}}));
}

TEST_F(Menu, IComandiDelFoglioNonAgisconoSenzaIlFoglioAttivoAperto)
{
    Seleziona(1, {1}, 1);
    // The active window is a sheet that is closed.
    FoglioAttivo = 2;
    Voce("MnuRappresentaLinea")->trigger();
    Voce("MnuOperaMoltiplica")->trigger();
    Toolbar1_ButtonMenuClick("m3");
    Toolbar1_ButtonClick(12);
    EXPECT_TRUE(Prendi().isEmpty());
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    // The notes are the active window: only the commands that work on them.
    Premi(3);
    ASSERT_EQ(FoglioAttivo, 3);
    EseguiVoceMenu("MnuTrovaScomponiNum");
    EseguiVoceMenu("MnuModificaCopiaBitmap");
    EseguiVoceMenu("MnuEquivalenzaDividi");
    Toolbar1_ButtonClick(1);
    Toolbar1_ButtonClick(7);
    EXPECT_TRUE(Prendi().isEmpty());
    EseguiVoceMenu("MnuModificaTaglia");
    Toolbar1_ButtonClick(16);
    EseguiVoceMenu("MnuFileStampa");
    EseguiVoceMenu("MnuGuidaInfo");
    EXPECT_EQ(Prendi(), QList<Chiamata>({{"TagliaSelezione", {3}},
                                         {"IngrandisciFoglio", {3}},
                                         {"MnuFileStampa_Click", {}},
                                         {"MnuGuidaInfo_Click", {}}}));
    EXPECT_FALSE(FoglioUtilizzabile(3));
    EXPECT_TRUE(FinestraUtilizzabile(3));
    EXPECT_TRUE(FoglioUtilizzabile(1));
    EXPECT_FALSE(FoglioUtilizzabile(0));
}

// ---- Command states -------------------------------------------------------------

// What is on: the 21 positions, the switched menus with every action under
// them, the File items of the active window, the one-fraction copy.
QString Firma()
{
    Princ* p = Unica<Princ>::Istanza();
    QString f;
    for (int i = 1; i <= 21; ++i) f += p->BottoneToolbar1(i)->isEnabled() ? '1' : '0';
    f += ' ';
    std::function<bool(QMenu*)> tutto = [&](QMenu* m) {
        bool acceso = m->isEnabled() && m->menuAction()->isEnabled();
        for (QAction* a : m->actions()) {
            if (a->objectName() == QLatin1String("MnuModificaCopiaBitmap")) continue;
            if (a->menu()) acceso = acceso && tutto(a->menu());
            acceso = acceso && a->isEnabled();
        }
        return acceso;
    };
    std::function<bool(QMenu*)> niente = [&](QMenu* m) {
        bool spento = !m->isEnabled() && !m->menuAction()->isEnabled();
        for (QAction* a : m->actions()) {
            if (a->menu()) spento = spento && niente(a->menu());
            spento = spento && !a->isEnabled();
        }
        return spento;
    };
    for (const char* n : {"MnuModifica", "MnuEquivalenza", "MnuGruppo", "MnuImposta", "MnuOpera", "MnuOrdina",
                          "MnuRappresenta", "MnuTrova", "MnuVerifica"}) {
        QMenu* m = p->findChild<QMenu*>(QLatin1String(n));
        f += tutto(m) ? '1' : (niente(m) ? '0' : '?');
    }
    f += ' ';
    for (const char* n : {"MnuFileCancellaFoglio", "MnuFileCopiaBitmap", "MnuFileStampa", "MnuModificaCopiaBitmap"})
        f += p->Azione(QLatin1String(n))->isEnabled() ? '1' : '0';
    // Never switched: the rest of the File menu and the help menu.
    for (const char* n : {"MnuFileNuovoQuaderno", "MnuFileApri", "MnuFileEsci", "MnuFileMostraRegistro", "MnuGuida",
                          "MnuGuidaWebAutore"})
        f += p->Azione(QLatin1String(n))->isEnabled() ? "" : "!";
    return f;
}

const QString StatoFoglio = QStringLiteral("111111111111111111111 111111111 1111");
const QString StatoAppunti = QStringLiteral("000000000001111110000 100000000 1110");
const QString StatoNessuno = QStringLiteral("000000000000000000000 000000000 0000");

TEST_F(Menu, OgniStatoSiRaggiungeDaOgniAltro)
{
    const struct {
        void (*imposta)();
        QString firma;
    } stati[] = {{ImpostaComandiFoglio, StatoFoglio},
                 {ImpostaComandiAppunti, StatoAppunti},
                 {ImpostaComandiNessunFoglio, StatoNessuno}};
    EXPECT_EQ(Firma(), StatoFoglio);
    for (const auto& da : stati)
        for (const auto& a : stati) {
            da.imposta();
            ASSERT_EQ(Firma(), da.firma);
            a.imposta();
            EXPECT_EQ(Firma(), a.firma) << da.firma.toStdString() << " -> " << a.firma.toStdString();
        }
}

TEST_F(Menu, AggiornaStatoComandiGuardaPrimaLaFinestraAttiva)
{
    // Notes opened beside sheet A: the notes are active, so the notes state,
    // not the sheet state of the toggles alone.
    Premi(3);
    ASSERT_EQ(FoglioAttivo, 3);
    EXPECT_EQ(Firma(), StatoAppunti);
    AggiornaStatoComandi();
    EXPECT_EQ(Firma(), StatoAppunti);
    emit Unica<Princ>::Istanza()->findChild<QMenu*>("MnuModifica")->aboutToShow();
    EXPECT_FALSE(Voce("MnuModificaCopiaBitmap")->isEnabled());

    // The pupil clicks on the sheet beside the notes: the sheet state.
    Unica<Princ>::Istanza()->AreaMdi()->setActiveSubWindow(Fogli::Istanza(1));
    ASSERT_EQ(FoglioAttivo, 1);
    EXPECT_EQ(Firma(), StatoFoglio);
    AggiornaStatoComandi();
    EXPECT_EQ(Firma(), StatoFoglio);
    // And back to the notes.
    Unica<Princ>::Istanza()->AreaMdi()->setActiveSubWindow(Unica<FrmAppunti>::Istanza());
    ASSERT_EQ(FoglioAttivo, 3);
    EXPECT_EQ(Firma(), StatoAppunti);

    // Back to the sheet.
    Premi(1);   // releases sheet A
    Premi(1);   // and opens it again: it becomes active
    ASSERT_EQ(FoglioAttivo, 1);
    EXPECT_EQ(Firma(), StatoFoglio);
    emit Unica<Princ>::Istanza()->findChild<QMenu*>("MnuModifica")->aboutToShow();
    EXPECT_TRUE(Voce("MnuModificaCopiaBitmap")->isEnabled());

    // Sheet B opened, sheet A closed: still the sheet state.
    Premi(2);
    Premi(1);
    EXPECT_EQ(Firma(), StatoFoglio);
    // Sheet B closed, the notes stay: notes state.
    Premi(2);
    EXPECT_EQ(Firma(), StatoAppunti);
    EXPECT_NE(Unica<Princ>::Istanza()->TestoPannello(2), QStringLiteral("Foglio: nessuno   "));
    // The last window closed.
    Premi(3);
    EXPECT_EQ(Firma(), StatoNessuno);
    EXPECT_EQ(Unica<Princ>::Istanza()->TestoPannello(2), QStringLiteral("Foglio: nessuno   "));
}

TEST_F(Menu, ITastiDeiMenuSpentiNonFannoNulla)
{
    Unica<Princ>::Istanza()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Unica<Princ>::Istanza()));
    QWidget* bersaglio = Fogli::Istanza(1);
    Seleziona(1, {1}, 1);
    auto premi = [&](QWidget* w) {
        QTest::keyClick(w, Qt::Key_F2);
        QTest::keyClick(w, Qt::Key_M, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_I, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_F4);
    };
    // With a sheet the keys work.
    premi(bersaglio);
    EXPECT_EQ(Prendi(), QList<Chiamata>({{"SpostaAvanti", {1}},
                                         {"ChiediFattoreEdEsegui", {int(ComandoFattore::EquivMoltiplica), 1}},
                                         {"AggiungiFrazioneTermini", {1}},
                                         {"IngrandisciFoglio", {1}}}));
    // Notes active beside the sheet: only the zoom of the notes.
    Premi(3);
    ASSERT_EQ(FoglioAttivo, 3);
    premi(TxtAppunti());
    EXPECT_EQ(Prendi(), QList<Chiamata>({{"IngrandisciFoglio", {3}}}));
    // Nothing open: nothing at all, the sheet is not touched behind the pupil.
    Unica<Princ>::Istanza()->ImpostaToolbar2(1, false);
    Unica<Princ>::Istanza()->ImpostaToolbar2(3, false);
    AggiornaStatoComandi();
    ASSERT_EQ(Firma(), StatoNessuno);
    premi(Unica<Princ>::Istanza());
    QTest::keyClick(Unica<Princ>::Istanza(), Qt::Key_Delete);
    EXPECT_TRUE(Prendi().isEmpty());
}

TEST_F(Menu, ITastiDelleVociSulFoglioENelloStatoSenzaFinestre)
{
    Unica<Princ>::Istanza()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Unica<Princ>::Istanza()));
    Seleziona(1, {1}, 1);
    QWidget* foglio = Fogli::Istanza(1);
    const struct {
        Qt::Key tasto;
        Qt::KeyboardModifiers modificatori;
        Chiamata chiamata;
    } tasti[] = {
        {Qt::Key_Delete, Qt::NoModifier, {"TagliaSelezione", {1}}},
        {Qt::Key_Delete, Qt::ShiftModifier, {"MnuFileCancellaFoglio_Click", {}}},
        {Qt::Key_F3, Qt::NoModifier, {"SpostaIndietro", {1}}},
        {Qt::Key_F5, Qt::NoModifier, {"RiduciFoglio", {1}}},
        {Qt::Key_T, Qt::ControlModifier, {"MnuModificaSelezionaTutto_Click", {}}},
        {Qt::Key_D, Qt::ControlModifier, {"ChiediFattoreEdEsegui", {int(ComandoFattore::EquivDividi), 1}}},
        {Qt::Key_F1, Qt::ControlModifier, {"ChiediFattoreEdEsegui", {int(ComandoFattore::Moltiplica), 1}}},
        {Qt::Key_F2, Qt::ControlModifier, {"ChiediFattoreEdEsegui", {int(ComandoFattore::Dividi), 1}}},
        {Qt::Key_R, Qt::ControlModifier, {"VerificaRidotta", {1}}},
        {Qt::Key_N, Qt::ControlModifier, {"MnuFileNuovoQuaderno_Click", {}}},
        {Qt::Key_S, Qt::ControlModifier, {"MnuFileSalva_Click", {}}},
        {Qt::Key_F1, Qt::NoModifier, {"MnuGuidaZefra_Click", {}}},
    };
    for (const auto& t : tasti) {
        QTest::keyClick(foglio, t.tasto, t.modificatori);
        EXPECT_EQ(Prendi(), QList<Chiamata>({t.chiamata})) << t.chiamata.procedura.toStdString();
    }
    // Nothing open: the sheet's keys do nothing, the File and help keys that
    // are never switched still work.
    Premi(1);
    ASSERT_EQ(Firma(), StatoNessuno);
    for (const auto& t : tasti) {
        QTest::keyClick(Unica<Princ>::Istanza(), t.tasto, t.modificatori);
        const bool sempre = t.chiamata.procedura == QLatin1String("MnuFileNuovoQuaderno_Click") ||
                            t.chiamata.procedura == QLatin1String("MnuFileSalva_Click") ||
                            t.chiamata.procedura == QLatin1String("MnuGuidaZefra_Click");
        EXPECT_EQ(Prendi(), sempre ? QList<Chiamata>({t.chiamata}) : QList<Chiamata>())
            << t.chiamata.procedura.toStdString();
    }
}

TEST_F(Menu, UnOpzioneNonRestaInContrastoConLoStatoDelProgramma)
{
    // The options' handlers really run here (no observer).
    OsservaComandi(nullptr);
    QAction* suono = Voce("MnuImpostaAbilitaSuono");
    QAction* valori = Voce("MnuImpostaMostraValori");
    QAction* bianchi = Voce("MnuImpostaFogliCalcoloBianchi");
    auto coerente = [&] {
        EXPECT_EQ(suono->isChecked(), SuonoAbilitato != FALSO);
        EXPECT_EQ(valori->isChecked(), DistanzaTorte == 140);
        EXPECT_EQ(Fogli::Istanza(1)->Area()->BackColor, ColoreSfondoFoglio(1));
    };
    coerente();
    for (int volta = 0; volta < 2; ++volta) {
        suono->trigger();
        valori->trigger();
        bianchi->trigger();
        coerente();
    }
    // The start-up option is its check alone.
    Voce("MnuImpostaWinAvvio")->trigger();
    EXPECT_FALSE(Unica<Princ>::Istanza()->MenuSpuntato("MnuImpostaWinAvvio"));
    Voce("MnuImpostaWinAvvio")->trigger();
    EXPECT_TRUE(Unica<Princ>::Istanza()->MenuSpuntato("MnuImpostaWinAvvio"));
}

TEST_F(Menu, NegliAppuntiCancEditaIlTesto)
{
    Unica<Princ>::Istanza()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Unica<Princ>::Istanza()));
    Premi(3);
    QTextEdit* t = TxtAppunti();
    t->setFocus();
    QTest::keyClicks(t, QStringLiteral("abc"));
    QTest::keyClick(t, Qt::Key_Left);
    QTest::keyClick(t, Qt::Key_Delete);
    EXPECT_EQ(t->toPlainText(), QStringLiteral("ab"));
    EXPECT_TRUE(Prendi().isEmpty());

    // Shift+Del still reaches the main window's clear command.
    QTest::keyClick(t, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(t->toPlainText(), QStringLiteral("ab"));
    EXPECT_EQ(Prendi(), QList<Chiamata>({{"MnuFileCancellaFoglio_Click", {}}}));
}

// ---- Low resolution and pictures -------------------------------------------------

TEST_F(Menu, RisoluzioneBassaNascondeIBottoniDa16A20MaNonLeVoci)
{
    Unica<Princ>::Distruggi();
    RisoluzioneBassa = VERO;
    for (int i = 1; i <= 21; ++i)
        EXPECT_EQ(Unica<Princ>::Istanza()->BottoneToolbar1(i)->isVisible(), i < 16 || i > 20) << i;
    for (const char* n : {"MnuModificaIngrandisci", "MnuModificaRiduci", "MnuOrdinaAvanti", "MnuOrdinaIndietro"}) {
        EXPECT_TRUE(Voce(n)->isVisible()) << n;
        EXPECT_TRUE(Voce(n)->isEnabled()) << n;
    }
}

TEST_F(Menu, LeImmaginiDiUnaFamigliaSonoDistinteENitide)
{
    const QList<QList<int>> famiglie = {{1, 2, 3, 4, 5, 6, 7, 8},         {9, 10, 11, 12, 13, 14, 15, 16},
                                        {27, 28, 29, 30, 31, 32, 33, 34}, {37, 38, 39, 40, 41, 42, 43, 44},
                                        {21, 22, 24, 25},                 {49, 50, 66, 67, 58, 59}};
    for (const auto& f : famiglie)
        for (int i = 0; i < f.size(); ++i)
            for (int j = i + 1; j < f.size(); ++j)
                EXPECT_NE(DisegnaIconaToolbar1(f[i], 1, false), DisegnaIconaToolbar1(f[j], 1, false))
                    << f[i] << " " << f[j];
    for (int n : {1, 17, 19, 40, 53, 68}) {
        const QIcon icona = IconaToolbar1(n);
        // The 2x copy is drawn at that size, not stretched from the 1x one.
        const QImage doppia = icona.pixmap(QSize(34, 33), 2.0).toImage();
        EXPECT_EQ(doppia.size(), QSize(68, 66)) << n;
        EXPECT_EQ(doppia.convertToFormat(QImage::Format_ARGB32_Premultiplied), DisegnaIconaToolbar1(n, 2, false)) << n;
        // The disabled copy is grey, and not the normal picture.
        const QImage spenta = icona.pixmap(QSize(34, 33), 1.0, QIcon::Disabled).toImage().convertToFormat(
            QImage::Format_ARGB32);
        EXPECT_NE(spenta, DisegnaIconaToolbar1(n, 1, false).convertToFormat(QImage::Format_ARGB32)) << n;
        int colorati = 0, visibili = 0;
        for (int y = 0; y < spenta.height(); ++y)
            for (int x = 0; x < spenta.width(); ++x) {
                const QRgb c = spenta.pixel(x, y);
                if (qAlpha(c) < 255) continue;
                ++visibili;
                if (qRed(c) != qGreen(c) || qGreen(c) != qBlue(c)) ++colorati;
            }
        EXPECT_GT(visibili, 20) << n;
        EXPECT_EQ(colorati, 0) << n;
    }
    // Numbers no button uses draw nothing.
    const QImage vuota = DisegnaIconaToolbar1(35, 1, false);
    EXPECT_TRUE(std::all_of(reinterpret_cast<const QRgb*>(vuota.constBits()),
                            reinterpret_cast<const QRgb*>(vuota.constBits()) + vuota.width() * vuota.height(),
                            [](QRgb c) { return qAlpha(c) == 0; }));
}

}   // namespace
