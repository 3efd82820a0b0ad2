#include "commands/Dispatch.h"
#include "commands/Comandi.h"
#include "platform/Numeri.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include "workspace/MenuPrinc.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include "workspace/Quaderno.h"
#include "workspace/Registro.h"
#include <QAction>
#include <QHash>
#include <algorithm>

namespace {

OsservatoreComandi osservatore;

// The caption of the menu item or Toolbar1 button whose command is running,
// for the title of the overflow message.
QString titoloInCorso;

class ComandoInCorso {
public:
    explicit ComandoInCorso(const QString& titolo) : prima_(titoloInCorso) { titoloInCorso = titolo; }
    ~ComandoInCorso() { titoloInCorso = prima_; }
    ComandoInCorso(const ComandoInCorso&) = delete;
    ComandoInCorso& operator=(const ComandoInCorso&) = delete;

private:
    QString prima_;
};

// A menu caption as a title: no "&" marks, no trailing dots.
QString TitoloDaDicitura(QString testo)
{
    testo.remove(QLatin1Char('&'));
    while (testo.endsWith(QLatin1Char('.'))) testo.chop(1);
    return testo.trimmed();
}

QString TitoloVoceMenu(const QString& nome)
{
    Princ* p = Unica<Princ>::SeEsiste();
    QAction* a = p ? p->Azione(nome) : nullptr;
    return a ? TitoloDaDicitura(a->text()) : QString();
}

QString TitoloBottoneToolbar1(int indice)
{
    Princ* p = Unica<Princ>::SeEsiste();
    QAction* a = p ? p->BottoneToolbar1(indice) : nullptr;
    return a ? TitoloDaDicitura(a->toolTip()) : QString();
}

void Chiama(const char* procedura, const QList<int>& argomenti, const std::function<void()>& esegui)
{
    ::Chiama(titoloInCorso, procedura, argomenti, esegui);
}

using Azione = std::function<void()>;

// The three kinds of call: a command of the fractions of a sheet, a
// command that also works on the notes, and an item that needs no document.
#define SUL_FOGLIO(proc)                                                                 \
    Azione([] {                                                                          \
        if (FoglioUtilizzabile(FoglioAttivo))                                            \
            Chiama(#proc, {FoglioAttivo}, [] { proc(FoglioAttivo); });                   \
    })
#define SUL_FOGLIO_SENZA_ARGOMENTI(proc)                                                 \
    Azione([] {                                                                          \
        if (FoglioUtilizzabile(FoglioAttivo)) Chiama(#proc, {}, [] { proc(); });         \
    })
#define SULLA_FINESTRA(proc)                                                             \
    Azione([] {                                                                          \
        if (FinestraUtilizzabile(FoglioAttivo))                                          \
            Chiama(#proc, {FoglioAttivo}, [] { proc(FoglioAttivo); });                   \
    })
#define SULLA_FINESTRA_SENZA_ARGOMENTI(proc)                                             \
    Azione([] {                                                                          \
        if (FinestraUtilizzabile(FoglioAttivo)) Chiama(#proc, {}, [] { proc(); });       \
    })
#define SEMPRE(proc) Azione([] { Chiama(#proc, {}, [] { proc(); }); })

Azione Scomponi(uint8_t termine)
{
    return [termine] {
        if (FoglioUtilizzabile(FoglioAttivo))
            Chiama("ScomponiTermine", {termine, FoglioAttivo}, [termine] { ScomponiTermine(termine, FoglioAttivo); });
    };
}

// The commands of the mode buttons, by mode number (index 0 unused).
const QVector<Azione>& ComandiSepara()
{
    static const QVector<Azione> c = {nullptr, SUL_FOGLIO(SeparaInUnita), SUL_FOGLIO(SeparaInDue)};
    return c;
}

const QVector<Azione>& ComandiAggiungi()
{
    static const QVector<Azione> c = {nullptr,
                                      SUL_FOGLIO(AggiungiFrazioneTermini),
                                      SUL_FOGLIO_SENZA_ARGOMENTI(AggiungiFrazioneTorta),
                                      SUL_FOGLIO_SENZA_ARGOMENTI(AggiungiFrazioneRettangolo),
                                      SUL_FOGLIO_SENZA_ARGOMENTI(AggiungiFrazioneLinea),
                                      SUL_FOGLIO(AggiungiFrazioneValDecimale)};
    return c;
}

const QVector<Azione>& ComandiVerificaTrova()
{
    static const QVector<Azione> c = {nullptr,
                                      SUL_FOGLIO(RappresentaLinea),
                                      SUL_FOGLIO(RappresentaPoligono),
                                      SUL_FOGLIO(RappresentaRettangolo),
                                      SUL_FOGLIO(VerificaRidotta),
                                      SUL_FOGLIO(TrovaFattoriComuni),
                                      SUL_FOGLIO(TrovaDenominatoreComune),
                                      SUL_FOGLIO(TrovaValoreDecimale),
                                      SUL_FOGLIO(TrovaFrazDiNum),
                                      SUL_FOGLIO(TrovaFrazDiFraz),
                                      SUL_FOGLIO(VerificaUguali),
                                      SUL_FOGLIO(VerificaCrescente),
                                      SUL_FOGLIO(VerificaDecrescente),
                                      Scomponi(1),
                                      Scomponi(2),
                                      SUL_FOGLIO(RappresentaIstogramma)};
    return c;
}

void EseguiModo(const QVector<Azione>& comandi, int modo)
{
    if (modo >= 1 && modo < comandi.size()) comandi[modo]();
}

const QHash<QString, Azione>& VociMenu()
{
    static const QHash<QString, Azione> voci = {
        {QStringLiteral("MnuFileNuovoQuaderno"), SEMPRE(MnuFileNuovoQuaderno_Click)},
        {QStringLiteral("MnuFileApri"), SEMPRE(MnuFileApri_Click)},
        {QStringLiteral("MnuFileSalva"), SEMPRE(MnuFileSalva_Click)},
        {QStringLiteral("MnuFileSalvaConNome"), SEMPRE(MnuFileSalvaConNome_Click)},
        {QStringLiteral("MnuFileCancellaFoglio"), SULLA_FINESTRA_SENZA_ARGOMENTI(MnuFileCancellaFoglio_Click)},
        {QStringLiteral("MnuFileCopiaBitmap"), SULLA_FINESTRA_SENZA_ARGOMENTI(MnuFileCopiaBitmap_Click)},
        {QStringLiteral("MnuFileStampa"), SULLA_FINESTRA_SENZA_ARGOMENTI(MnuFileStampa_Click)},
        {QStringLiteral("MnuFileNuovoRegistro"), SEMPRE(NuovoRegistro)},
        {QStringLiteral("MnuFileMostraRegistro"), SEMPRE(MostraRegistro)},
        {QStringLiteral("MnuFileStampaRegistro"), SEMPRE(StampaRegistro)},
        {QStringLiteral("MnuFileEsci"), SEMPRE(MnuFileEsci_Click)},

        {QStringLiteral("MnuModificaTaglia"), SULLA_FINESTRA(TagliaSelezione)},
        {QStringLiteral("MnuModificaCopia"), SULLA_FINESTRA(EseguiCopia)},
        {QStringLiteral("MnuModificaIncolla"), SULLA_FINESTRA(EseguiIncolla)},
        {QStringLiteral("MnuModificaIngrandisci"), SULLA_FINESTRA(IngrandisciFoglio)},
        {QStringLiteral("MnuModificaRiduci"), SULLA_FINESTRA(RiduciFoglio)},
        {QStringLiteral("MnuModificaCopiaBitmap"), SUL_FOGLIO_SENZA_ARGOMENTI(MnuModificaCopiaBitmap_Click)},
        {QStringLiteral("MnuModificaSelezionaTutto"), SULLA_FINESTRA_SENZA_ARGOMENTI(MnuModificaSelezionaTutto_Click)},

        {QStringLiteral("MnuEquivalenzaMoltiplica"), Azione(MnuEquivalenzaMoltiplica_Click)},
        {QStringLiteral("MnuEquivalenzaDividi"), Azione(MnuEquivalenzaDividi_Click)},

        {QStringLiteral("MnuOperaAggiungiTermini"), SUL_FOGLIO(AggiungiFrazioneTermini)},
        {QStringLiteral("MnuOperaAggiungiTorta"), SUL_FOGLIO_SENZA_ARGOMENTI(AggiungiFrazioneTorta)},
        {QStringLiteral("MnuOperaAggiungiLinea"), SUL_FOGLIO_SENZA_ARGOMENTI(AggiungiFrazioneLinea)},
        {QStringLiteral("MnuOperaAggiungiRettangolo"), SUL_FOGLIO_SENZA_ARGOMENTI(AggiungiFrazioneRettangolo)},
        {QStringLiteral("MnuOperaAggiungiValDecimale"), SUL_FOGLIO(AggiungiFrazioneValDecimale)},
        {QStringLiteral("MnuOperaTogli"), SUL_FOGLIO(TrasferisciFrazioni)},
        {QStringLiteral("MnuOperaMoltiplica"), Azione(MnuOperaMoltiplica_Click)},
        {QStringLiteral("MnuOperaDividi"), Azione(MnuOperaDividi_Click)},

        {QStringLiteral("MnuGruppoRaggruppa"), SUL_FOGLIO(RaggruppaFrazioni)},
        {QString::fromUtf8("MnuGruppoSeparaUnità"), SUL_FOGLIO(SeparaInUnita)},
        {QStringLiteral("MnuGruppoSeparaDue"), SUL_FOGLIO(SeparaInDue)},

        {QStringLiteral("MnuOrdinaAvanti"), SUL_FOGLIO(SpostaAvanti)},
        {QStringLiteral("MnuOrdinaIndietro"), SUL_FOGLIO(SpostaIndietro)},

        {QStringLiteral("MnuVerificaRidotta"), SUL_FOGLIO(VerificaRidotta)},
        {QStringLiteral("MnuVerificaUguali"), SUL_FOGLIO(VerificaUguali)},
        {QStringLiteral("MnuVerificaCresce"), SUL_FOGLIO(VerificaCrescente)},
        {QStringLiteral("MnuVerificaDecresce"), SUL_FOGLIO(VerificaDecrescente)},

        {QStringLiteral("MnuTrovaScomponiNum"), Scomponi(1)},
        {QStringLiteral("MnuTrovaScomponiDenom"), Scomponi(2)},
        {QStringLiteral("MnuTrovaFattoriComuni"), SUL_FOGLIO(TrovaFattoriComuni)},
        {QStringLiteral("MnuTrovaDenominatoreComune"), SUL_FOGLIO(TrovaDenominatoreComune)},
        {QStringLiteral("MnuTrovaFrazDiNum"), SUL_FOGLIO(TrovaFrazDiNum)},
        {QStringLiteral("MnuTrovaFrazDiFraz"), SUL_FOGLIO(TrovaFrazDiFraz)},
        {QStringLiteral("MnuTrovaValoreDec"), SUL_FOGLIO(TrovaValoreDecimale)},

        {QStringLiteral("MnuRappresentaLinea"), SUL_FOGLIO(RappresentaLinea)},
        {QStringLiteral("MnuRappresentaPoligono"), SUL_FOGLIO(RappresentaPoligono)},
        {QStringLiteral("MnuRappresentaRettangolo"), SUL_FOGLIO(RappresentaRettangolo)},
        {QStringLiteral("MnuRappresentaIstogramma"), SUL_FOGLIO(RappresentaIstogramma)},

        {QStringLiteral("MnuImpostaMostraValori"), SEMPRE(MnuImpostaMostraValori_Click)},
        {QStringLiteral("MnuImpostaAbilitaSuono"), SEMPRE(MnuImpostaAbilitaSuono_Click)},
        {QStringLiteral("MnuImpostaWinAvvio"), SEMPRE(MnuImpostaWinAvvio_Click)},
        {QStringLiteral("MnuImpostaEvBottoni"), SEMPRE(MnuImpostaEvBottoni_Click)},
        {QStringLiteral("MnuImpostaEvBarra"), SEMPRE(MnuImpostaEvBarra_Click)},
        {QStringLiteral("MnuImpostaFogliCalcoloBianchi"), SEMPRE(MnuImpostaFogliCalcoloBianchi_Click)},
        {QStringLiteral("MnuImpostaFinestreServizioBianche"), SEMPRE(MnuImpostaFinestreServizioBianche_Click)},

        {QStringLiteral("MnuGuidaZefra"), SEMPRE(MnuGuidaZefra_Click)},
        {QStringLiteral("MnuGuidaGuidaRapida"), SEMPRE(MnuGuidaGuidaRapida_Click)},
        {QStringLiteral("MnuGuidaTavolaPrimi"), SEMPRE(MnuGuidaTavolaPrimi_Click)},
        {QStringLiteral("MnuGuidaInfo"), SEMPRE(MnuGuidaInfo_Click)},
        {QStringLiteral("MnuGuidaWebZefra"), SEMPRE(MnuGuidaWebZefra_Click)},
        {QStringLiteral("MnuGuidaWebSelvanto"), SEMPRE(MnuGuidaWebSelvanto_Click)},
        {QStringLiteral("MnuGuidaWebAutore"), SEMPRE(MnuGuidaWebAutore_Click)},
    };
    return voci;
}

// ---- The factor commands from the menu ------------------------------------

struct VoceFattore {
    ComandoFattore comando;
    bool unaSola;            // exactly one fraction selected, else one or more
    const char* titolo;
};

void FattoreDaMenu(const VoceFattore& v)
{
    if (!FoglioUtilizzabile(FoglioAttivo)) return;
    const int selezionate = ContaSelezionate(FoglioAttivo);
    const bool adatta = v.unaSola ? selezionate == 1 : selezionate >= 1;
    if (!adatta) {
        MostraMessaggio(v.unaSola ? QStringLiteral("Selezionare una frazione (e non più di una)")
                                  : QStringLiteral("Selezionare una o più frazioni"),
                        3, QString::fromUtf8(v.titolo));
        return;
    }
    const ComandoFattore c = v.comando;
    Chiama("ChiediFattoreEdEsegui", {int(c), FoglioAttivo}, [c] { ChiediFattoreEdEsegui(c, FoglioAttivo); });
}

// ---- Toolbar1's drop-down items ----------------------------------------------

void AggiornaBottone(int indice, int immagine, const QString& suggerimento = QString())
{
    ImpostaImmagineBottoneToolbar1(indice, immagine);
    if (Princ* p = Unica<Princ>::SeEsiste(); p && !suggerimento.isNull())
        if (QAction* a = p->BottoneToolbar1(indice)) a->setToolTip(suggerimento);
}

const QHash<QString, Azione>& VociTendine()
{
    static const QHash<QString, Azione> voci = [] {
        QHash<QString, Azione> h;
        struct Famiglia {
            const char* prefisso;
            int16_t* variabile;
            int bottone;
            int primaImmagine;
            Azione comando;
        };
        const Famiglia famiglie[4] = {
            {"per", &FattoreEquivMoltiplica, 1, 1, SUL_FOGLIO(MoltiplicaTermini)},
            {"div", &FattoreEquivDividi, 2, 9, SUL_FOGLIO(DividiTermini)},
            {"m", &FattoreMoltiplica, 9, 27, SUL_FOGLIO(MoltiplicaFrazione)},
            {"d", &FattoreDividi, 10, 37, SUL_FOGLIO(DividiFrazione)},
        };
        for (const Famiglia& f : famiglie)
            for (int i = 0; i < 8; ++i) {
                const int16_t valore = int16_t(FattoriToolbar1[i]);
                const int immagine = f.primaImmagine + i;
                h.insert(QLatin1String(f.prefisso) + QString::number(valore), [f, valore, immagine] {
                    *f.variabile = valore;
                    AggiornaBottone(f.bottone, immagine);
                    ComandoInCorso c(TitoloBottoneToolbar1(f.bottone));
                    f.comando();
                });
            }
        static const char* const chiaviVerificaTrova[15] = {
            "lineare", "poligonale", "rettangolare", "ridotta", "FatComuni", "DenomComune", "ValDecimale", "FrazDiNum",
            "FrazDiFraz", "uguali", "crescente", "decrescente", "scomponi1", "scomponi2", "istogramma"};
        for (int m = 1; m <= 15; ++m)
            h.insert(QLatin1String(chiaviVerificaTrova[m - 1]), [m] {
                ModoVerificaTrova = uint8_t(m);
                AggiornaBottone(21, ImmagineModoVerificaTrova(m), SuggerimentoModoVerificaTrova(m));
                ComandoInCorso c(TitoloBottoneToolbar1(21));
                EseguiModo(ComandiVerificaTrova(), m);
            });
        static const char* const chiaviAggiungi[5] = {"fraz", "circ", "rett", "lin", "InsValDecimale"};
        for (int m = 1; m <= 5; ++m)
            h.insert(QLatin1String(chiaviAggiungi[m - 1]), [m] {
                ModoAggiungi = uint8_t(m);
                AggiornaBottone(7, ImmagineModoAggiungi(m));
                ComandoInCorso c(TitoloBottoneToolbar1(7));
                EseguiModo(ComandiAggiungi(), m);
            });
        for (int m = 1; m <= 2; ++m)
            h.insert(QStringLiteral("separa%1").arg(m), [m] {
                ModoSepara = uint8_t(m);
                AggiornaBottone(5, ImmagineModoSepara(m), SuggerimentoModoSepara(m));
                ComandoInCorso c(TitoloBottoneToolbar1(5));
                EseguiModo(ComandiSepara(), m);
            });
        return h;
    }();
    return voci;
}

}   // namespace

void Chiama(const QString& titolo, const char* procedura, const QList<int>& argomenti,
            const std::function<void()>& esegui)
{
    try {
        if (osservatore)
            osservatore(QString::fromLatin1(procedura), argomenti);
        else
            esegui();
    } catch (const OverflowTermini&) {
        // The commands catch their own overflows; this one slipped through,
        // and ending the program would lose the pupil's notebook.
        MostraMessaggio(QStringLiteral("I termini di una frazione sono numeri troppo grandi"), 3,
                        titolo.isEmpty() ? QStringLiteral("Zefra") : titolo);
    }
}

void CollegaComandiMenu()
{
    ImpostaComandiMenu({EseguiVoceMenu, MnuModifica_Click, Toolbar1_ButtonClick, Toolbar1_ButtonMenuClick});
}

// ---- Guards ----------------------------------------------------------------

// Open means both: the window's Toolbar2 toggle pressed and the window
// shown. Should the two ever disagree, the command does nothing.
bool FoglioUtilizzabile(uint8_t foglio)
{
    Princ* p = Unica<Princ>::SeEsiste();
    return p && (foglio == 1 || foglio == 2) && p->Toolbar2Premuto(foglio) && FoglioVisibile(foglio);
}

bool FinestraUtilizzabile(uint8_t foglio)
{
    if (foglio == 3) {
        Princ* p = Unica<Princ>::SeEsiste();
        return p && p->Toolbar2Premuto(3) && AppuntiVisibili();
    }
    return FoglioUtilizzabile(foglio);
}

int ContaSelezionate(uint8_t s)
{
    const int foglio = IndiceFoglio(s);
    const int n = FrazioniSulFoglio(foglio);
    int k = 0;
    for (int i = 1; i <= n; ++i)
        if (Frazioni[foglio][i][3] == 1) ++k;
    return k;
}

// ---- Menu ------------------------------------------------------------------

void EseguiVoceMenu(const QString& nome)
{
    const auto& voci = VociMenu();
    auto it = voci.constFind(nome);
    if (it == voci.constEnd()) return;
    ComandoInCorso c(TitoloVoceMenu(nome));
    (*it)();
}

void MnuModifica_Click()
{
    Princ* p = Unica<Princ>::SeEsiste();
    if (!p) return;
    QAction* modifica = p->Azione(QStringLiteral("MnuModifica"));
    if (QAction* a = p->Azione(QStringLiteral("MnuModificaCopiaBitmap")))
        a->setEnabled(modifica && modifica->isEnabled() && FoglioAttivo != 3);
}

void MnuEquivalenzaMoltiplica_Click()
{
    FattoreDaMenu({ComandoFattore::EquivMoltiplica, false, "Moltiplica numeratore e denominatore"});
}

void MnuEquivalenzaDividi_Click()
{
    FattoreDaMenu({ComandoFattore::EquivDividi, false, "Dividi numeratore e denominatore"});
}

void MnuOperaMoltiplica_Click() { FattoreDaMenu({ComandoFattore::Moltiplica, true, "Moltiplica"}); }

void MnuOperaDividi_Click() { FattoreDaMenu({ComandoFattore::Dividi, true, "Dividi"}); }

// ---- Toolbar1 ----------------------------------------------------------------

void Toolbar1_ButtonClick(int indice)
{
    static const QHash<int, Azione> bottoni = {
        {1, SUL_FOGLIO(MoltiplicaTermini)},
        {2, SUL_FOGLIO(DividiTermini)},
        {4, SUL_FOGLIO(RaggruppaFrazioni)},
        {5, [] { EseguiModo(ComandiSepara(), ModoSepara); }},
        {7, [] { EseguiModo(ComandiAggiungi(), ModoAggiungi); }},
        {8, SUL_FOGLIO(TrasferisciFrazioni)},
        {9, SUL_FOGLIO(MoltiplicaFrazione)},
        {10, SUL_FOGLIO(DividiFrazione)},
        {12, SULLA_FINESTRA(TagliaSelezione)},
        {13, SULLA_FINESTRA(EseguiCopia)},
        {14, SULLA_FINESTRA(EseguiIncolla)},
        {16, SULLA_FINESTRA(IngrandisciFoglio)},
        {17, SULLA_FINESTRA(RiduciFoglio)},
        {18, SUL_FOGLIO(SpostaIndietro)},
        {19, SUL_FOGLIO(SpostaAvanti)},
        {21, [] { EseguiModo(ComandiVerificaTrova(), ModoVerificaTrova); }},
    };
    auto it = bottoni.constFind(indice);
    if (it == bottoni.constEnd()) return;
    ComandoInCorso c(TitoloBottoneToolbar1(indice));
    (*it)();
}

void Toolbar1_ButtonMenuClick(const QString& chiave)
{
    const auto& voci = VociTendine();
    auto it = voci.constFind(chiave);
    if (it != voci.constEnd()) (*it)();
}

// ---- Pictures and tooltips of the mode buttons ----------------------------------

int ImmagineModoSepara(int modo)
{
    static const int immagini[3] = {0, 18, 65};
    return (modo >= 1 && modo <= 2) ? immagini[modo] : 0;
}

int ImmagineModoAggiungi(int modo)
{
    static const int immagini[6] = {0, 56, 23, 57, 63, 64};
    return (modo >= 1 && modo <= 5) ? immagini[modo] : 0;
}

int ImmagineModoVerificaTrova(int modo)
{
    static const int immagini[16] = {0, 53, 54, 55, 52, 58, 59, 60, 61, 62, 51, 49, 50, 66, 67, 68};
    return (modo >= 1 && modo <= 15) ? immagini[modo] : 0;
}

QString SuggerimentoModoSepara(int modo)
{
    switch (modo) {
    case 1: return QString::fromUtf8("Separa in unità frazionarie con ugual denominatore");
    case 2: return QStringLiteral("Separa in due frazioni con ugual denominatore");
    default: return QString();
    }
}

QString SuggerimentoModoVerificaTrova(int modo)
{
    static const char* const testi[16] = {"",
                                          "Rappresentazione lineare",
                                          "Rappresentazione poligonale",
                                          "Rappresentazione rettangolare",
                                          "La frazione è ridotta ai minimi termini?",
                                          "Trova il MCD di numeratore e denominatore",
                                          "Trova il minimo comun denominatore",
                                          "Trova il valore decimale della frazione",
                                          "Frazione di un numero",
                                          "Frazione di frazione",
                                          "Le frazioni sono uguali?",
                                          "Le frazioni sono in ordine crescente?",
                                          "Le frazioni sono in ordine decrescente?",
                                          "Scomponi in fattori primi il numeratore",
                                          "Scomponi in fattori primi il denominatore",
                                          "Istogramma delle frazioni selezionate"};
    return (modo >= 1 && modo <= 15) ? QString::fromUtf8(testi[modo]) : QString();
}

// ---- Observation ---------------------------------------------------------------

void OsservaComandi(OsservatoreComandi o) { osservatore = std::move(o); }
