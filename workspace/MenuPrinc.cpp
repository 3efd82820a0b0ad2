#include "workspace/MenuPrinc.h"
#include "platform/BarraStrumenti.h"
#include "workspace/IconeToolbar.h"
#include "workspace/Princ.h"
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QVector>

namespace {

ComandiMenu comandi;

// One row of the menu tree: depth 0 is a menu of the bar, 1 an item of it,
// 2 an item of a submenu. An item followed by deeper rows opens a submenu.
// A row without a name is a separator.
struct Voce {
    int livello;
    const char* nome;
    const char* testo;
    const char* scorciatoia;
    int spunta;   // 0 not checkable, 1 checkable and unchecked, 2 checked
};

const Voce MenuPrincipale[] = {
    {0, "MnuFile", "File", "", 0},
    {1, "MnuFileNuovoQuaderno", "&Nuovo quaderno", "Ctrl+N", 0},
    {1, "MnuFileApri", "&Apri quaderno", "", 0},
    {1, nullptr, "-", "", 0},
    {1, "MnuFileSalva", "&Salva quaderno", "Ctrl+S", 0},
    {1, "MnuFileSalvaConNome", "Sa&lva quaderno con nome", "", 0},
    {1, nullptr, "-", "", 0},
    {1, "MnuFileCancellaFoglio", "&Cancella il foglio", "Shift+Del", 0},
    {1, "MnuFileCopiaBitmap", "C&opia il foglio negli appunti di Windows", "", 0},
    {1, "MnuFileStampa", "Stam&pa il foglio", "", 0},
    {1, nullptr, "-", "", 0},
    {1, "MnuFileNuovoRegistro", "Nuovo &registro degli errori", "", 0},
    {1, "MnuFileMostraRegistro", "&Mostra il registro degli errori", "", 0},
    {1, "MnuFileStampaRegistro", "S&tampa il registro degli errori", "", 0},
    {1, nullptr, "-", "", 0},
    {1, "MnuFileEsci", "&Esci", "", 0},

    {0, "MnuModifica", "Modifica", "", 0},
    {1, "MnuModificaTaglia", "&Taglia", "Del", 0},
    {1, "MnuModificaCopia", "&Copia", "", 0},
    {1, "MnuModificaIncolla", "&Incolla", "", 0},
    {1, nullptr, "-", "", 0},
    {1, "MnuModificaIngrandisci", "In&grandisci", "F4", 0},
    {1, "MnuModificaRiduci", "&Riduci", "F5", 0},
    {1, nullptr, "-", "", 0},
    {1, "MnuModificaCopiaBitmap", "C&opia frazione negli appunti di Windows", "", 0},
    {1, nullptr, "-", "", 0},
    {1, "MnuModificaSelezionaTutto", "&Seleziona tutto", "Ctrl+T", 0},

    {0, "MnuEquivalenza", "Equivalenza", "", 0},
    {1, "MnuEquivalenzaMoltiplica", "&Moltiplica numeratore e denominatore", "Ctrl+M", 0},
    {1, "MnuEquivalenzaDividi", "&Dividi numeratore e denominatore", "Ctrl+D", 0},

    {0, "MnuOpera", "Opera", "", 0},
    {1, "MnuOperaAggiungi", "&Aggiungi ", "", 0},
    {2, "MnuOperaAggiungiTermini", "&Inserisci i termini della frazione", "Ctrl+I", 0},
    {2, nullptr, "-", "", 0},
    {2, "MnuOperaAggiungiTorta", "Rappresenta la frazione a \"&torta\"", "", 0},
    {2, "MnuOperaAggiungiLinea", "Rappresenta la frazione &linearmente", "", 0},
    {2, "MnuOperaAggiungiRettangolo", "Rappresenta la frazione con un &rettangolo", "", 0},
    {2, nullptr, "-", "", 0},
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
    {1, nullptr, "-", "", 0},
    {1, "MnuTrovaFattoriComuni", "&MCD di numeratore e denominatore", "", 0},
    {1, "MnuTrovaDenominatoreComune", "M&inimo comun denominatore (mcd)", "", 0},
    {1, nullptr, "-", "", 0},
    {1, "MnuTrovaFrazDiNum", "Frazione di un &numero", "", 0},
    {1, "MnuTrovaFrazDiFraz", "Frazione di &frazione", "", 0},
    {1, nullptr, "-", "", 0},
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
    {1, nullptr, "-", "", 0},
    {1, "MnuImpostaEvBottoni", "&Bottoni 3D", "", 1},
    {1, "MnuImpostaEvBarra", "B&arra superiore 3D", "", 1},
    {1, nullptr, "-", "", 0},
    {1, "MnuImpostaFogliCalcoloBianchi", "S&fondo bianco per i fogli di calcolo", "", 1},
    {1, "MnuImpostaFinestreServizioBianche", "Sf&ondo bianco per le finestre di servizio", "", 1},

    {0, "MnuGuida", "?", "", 0},
    {1, "MnuGuidaZefra", "&Guida ", "F1", 0},
    {1, "MnuGuidaGuidaRapida", "Guida &rapida", "", 0},
    {1, "MnuGuidaTavolaPrimi", "&Tavola dei numeri primi", "", 0},
    {1, nullptr, "-", "", 0},
    {1, "MnuGuidaInfo", "&Informazioni", "", 0},
    {1, "MnuGuidaWeb", "Risorse sul &Web", "", 0},
    {2, "MnuGuidaWebZefra", "&Zefra - Aggiornamenti e risorse", "", 0},
    {2, "MnuGuidaWebSelvanto", "&Selvanto", "", 0},
    {2, "MnuGuidaWebAutore", "&Autore", "", 0},
};

void CostruisciBarraMenu(Princ* p)
{
    QMenuBar* barra = p->menuBar();
    QMenu* aperti[3] = {};
    int separatori = 0;
    constexpr int righe = int(std::size(MenuPrincipale));
    for (int i = 0; i < righe; ++i) {
        const Voce& v = MenuPrincipale[i];
        const QString testo = QString::fromUtf8(v.testo);
        QMenu* genitore = v.livello > 0 ? aperti[v.livello - 1] : nullptr;
        if (!v.nome) {
            QAction* s = genitore->addSeparator();
            s->setObjectName(QStringLiteral("separatore%1").arg(++separatori));
            continue;
        }
        const QString nome = QString::fromUtf8(v.nome);
        const bool apreSottomenu = v.livello == 0 || (i + 1 < righe && MenuPrincipale[i + 1].livello > v.livello);
        if (apreSottomenu) {
            QMenu* m = genitore ? genitore->addMenu(testo) : barra->addMenu(testo);
            m->setObjectName(nome);
            m->menuAction()->setObjectName(nome);
            aperti[v.livello] = m;
            continue;
        }
        QAction* a = genitore->addAction(testo);
        a->setObjectName(nome);
        if (*v.scorciatoia) a->setShortcut(QKeySequence(QString::fromLatin1(v.scorciatoia), QKeySequence::PortableText));
        if (v.spunta) {
            a->setCheckable(true);
            a->setChecked(v.spunta == 2);
        }
        QObject::connect(a, &QAction::triggered, a, [nome] {
            if (comandi.VoceMenu) comandi.VoceMenu(nome);
        });
    }
    if (QMenu* modifica = p->findChild<QMenu*>(QStringLiteral("MnuModifica")))
        QObject::connect(modifica, &QMenu::aboutToShow, modifica, [] {
            if (comandi.AperturaModifica) comandi.AperturaModifica();
        });
}

// ---- Toolbar1 ----------------------------------------------------------

enum class Stile { Semplice, Tendina, Separatore };

struct Bottone {
    Stile stile;
    int immagine;
    const char* suggerimento;
};

const Bottone BottoniToolbar1[21] = {
    {Stile::Tendina, 1, "Moltiplica numeratore e denominatore"},
    {Stile::Tendina, 9, "Divide numeratore e denominatore"},
    {Stile::Separatore, 0, ""},
    {Stile::Semplice, 17, "Raggruppa frazioni con ugual denominatore"},
    {Stile::Tendina, 18, "Separa in unità frazionarie con ugual denominatore"},
    {Stile::Separatore, 0, ""},
    {Stile::Tendina, 56, "Aggiunge una frazione"},
    {Stile::Semplice, 26, "Trasferisce da un foglio di calcolo all'altro"},
    {Stile::Tendina, 27, "Moltiplica"},
    {Stile::Tendina, 37, "Divide"},
    {Stile::Separatore, 0, ""},
    {Stile::Semplice, 19, "Taglia"},
    {Stile::Semplice, 47, "Copia"},
    {Stile::Semplice, 48, "Incolla"},
    {Stile::Separatore, 0, ""},
    {Stile::Semplice, 21, "Ingrandisce le dimensioni"},
    {Stile::Semplice, 22, "Riduce le dimensioni"},
    {Stile::Semplice, 24, "Sposta indietro"},
    {Stile::Semplice, 25, "Sposta avanti"},
    {Stile::Separatore, 0, ""},
    {Stile::Tendina, 53, "Rappresentazione lineare"},
};

// A drop-down item: text and key; "-" is a separator line.
struct VoceTendina {
    QString testo;
    QString chiave;
};

QVector<VoceTendina> VociFattori(const QString& testo, const QString& prefisso)
{
    QVector<VoceTendina> voci;
    for (int i = 0; i < 8; ++i) {
        if (i == 4) voci.append({QStringLiteral("-"), QString()});
        const QString fattore = QString::number(FattoriToolbar1[i]);
        voci.append({testo + fattore, prefisso + fattore});
    }
    return voci;
}

QVector<VoceTendina> VociTendina(int indice)
{
    // texts and keys as the pupil has always seen them (spelling included)
    static const char* const aggiungi[][2] = {
        {"Aggiungi una frazione inserendo numeratore e denominatore", "fraz"},
        {"-", ""},
        {"Aggiungi una frazione rappresentandola a \"torta\"", "circ"},
        {"Aggiungi una frazione rappresentandola linearmente", "lin"},
        {"Aggiungi una frazione rappresentandola con un rettangolo", "rett"},
        {"-", ""},
        {"Aggiungi una frazione inserendo il valore decimale", "InsValDecimale"}};
    static const char* const separa[][2] = {
        {"Separa in unità frazionarie con ugual denominatore", "separa1"},
        {"Separa in due frazioni con ugual denominatore", "separa2"}};
    static const char* const verificaTrova[][2] = {
        {"Rappresentazione lineare", "lineare"},
        {"Rappresentazione poligonale", "poligonale"},
        {"Rappresentazione rettangolare", "rettangolare"},
        {"Istogramma", "istogramma"},
        {"-", ""},
        {"Le frazioni selezionate sono in ordine crescente?", "crescente"},
        {"Le frazioni selezionate sono in ordine decrescente?", "decrescente"},
        {"Le frazioni selezionate sono uguali?", "uguali"},
        {"La frazione selezionata è ridotta ai minimi termini?", "ridotta"},
        {"-", ""},
        {"Scomponi in fattori primi il numeratore", "scomponi1"},
        {"Scomponi in fattori primi il denominatore", "scomponi2"},
        {"-", ""},
        {"Trova il MCD di numeratore e denominatore", "FatComuni"},
        {"Trova il minimo comun denominatore (mcd)", "DenomComune"},
        {"Trova il valore decimale della frazione", "ValDecimale"},
        {"-", ""},
        {"Frazione di un numero", "FrazDiNum"},
        {"Frazione di frazione", "FrazDiFraz"}};
    auto elenco = [](const auto& righe) {
        QVector<VoceTendina> voci;
        for (const auto& r : righe) voci.append({QString::fromUtf8(r[0]), QString::fromUtf8(r[1])});
        return voci;
    };
    switch (indice) {
    case 1: return VociFattori(QStringLiteral(" Moltiplica numeratore e denumeratore per "), QStringLiteral("per"));
    case 2: return VociFattori(QStringLiteral("Dividi numeratore e denominatore per "), QStringLiteral("div"));
    case 5: return elenco(separa);
    case 7: return elenco(aggiungi);
    case 9: return VociFattori(QStringLiteral("Moltiplica per "), QStringLiteral("m"));
    case 10: return VociFattori(QStringLiteral("Dividi per "), QStringLiteral("d"));
    case 21: return elenco(verificaTrova);
    default: return {};
    }
}

QMenu* CostruisciTendina(QToolBar* tb, int indice)
{
    auto* m = new QMenu(tb);
    m->setObjectName(QStringLiteral("Toolbar1_Menu%1").arg(indice));
    for (const VoceTendina& v : VociTendina(indice)) {
        if (v.testo == QLatin1String("-")) {
            m->addSeparator();
            continue;
        }
        const QString chiave = v.chiave;
        QAction* a = m->addAction(v.testo);
        a->setObjectName(chiave);
        a->setData(chiave);
        QObject::connect(a, &QAction::triggered, a, [chiave] {
            if (comandi.TendinaToolbar1) comandi.TendinaToolbar1(chiave);
        });
    }
    return m;
}

QToolBar* CostruisciToolbar1(Princ* p)
{
    auto* tb = new QToolBar(p);
    tb->setObjectName(QStringLiteral("Toolbar1"));
    tb->setWindowTitle(QStringLiteral("Toolbar1"));
    tb->setMovable(false);
    tb->setFloatable(false);
    tb->toggleViewAction()->setVisible(false);
    tb->setIconSize(QSize(LarghezzaIconaToolbar1, AltezzaIconaToolbar1));
    tb->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int i = 1; i <= 21; ++i) {
        const Bottone& b = BottoniToolbar1[i - 1];
        if (b.stile == Stile::Separatore) {
            tb->addSeparator()->setObjectName(QStringLiteral("Toolbar1_%1").arg(i));
            continue;
        }
        const QString suggerimento = QString::fromUtf8(b.suggerimento);
        auto* a = new QAction(suggerimento, tb);
        a->setObjectName(QStringLiteral("Toolbar1_%1").arg(i));
        a->setToolTip(suggerimento);
        a->setProperty("Immagine", b.immagine);
        a->setIcon(IconaToolbar1(b.immagine));
        if (b.stile == Stile::Tendina) a->setMenu(CostruisciTendina(tb, i));
        tb->addAction(a);
        if (b.stile == Stile::Tendina)
            if (auto* pulsante = qobject_cast<QToolButton*>(tb->widgetForAction(a)))
                pulsante->setPopupMode(QToolButton::MenuButtonPopup);
        QObject::connect(a, &QAction::triggered, a, [i] {
            if (comandi.BottoneToolbar1) comandi.BottoneToolbar1(i);
        });
    }
    return tb;
}

}   // namespace

void ImpostaComandiMenu(ComandiMenu c) { comandi = std::move(c); }

void CostruisciMenuPrinc(Princ* p)
{
    CostruisciBarraMenu(p);
    QToolBar* tb = CostruisciToolbar1(p);
    p->addToolBar(Qt::TopToolBarArea, tb);
    // Registering it hides buttons 16-20 when RisoluzioneBassa is already
    // set; the screen check hides them through the same window when it
    // finds the screen small later.
    p->ImpostaToolbar1(tb);
    // The look the two unchecked Imposta items stand for: flat buttons, no border.
    ImpostaBottoniInRilievo(tb, p->MenuSpuntato(QStringLiteral("MnuImpostaEvBottoni")));
    ImpostaBordoBarra(tb, p->MenuSpuntato(QStringLiteral("MnuImpostaEvBarra")));
}

int ImmagineBottoneToolbar1(int indice)
{
    Princ* p = Unica<Princ>::SeEsiste();
    QAction* a = p ? p->BottoneToolbar1(indice) : nullptr;
    return a ? a->property("Immagine").toInt() : 0;
}

void ImpostaImmagineBottoneToolbar1(int indice, int immagine)
{
    Princ* p = Unica<Princ>::SeEsiste();
    QAction* a = p ? p->BottoneToolbar1(indice) : nullptr;
    if (!a || a->isSeparator()) return;
    a->setProperty("Immagine", immagine);
    a->setIcon(IconaToolbar1(immagine));
}
