#include "workspace/Quaderno.h"
#include "platform/FileInteri.h"
#include "platform/Finestre.h"
#include "platform/Modale.h"
#include "platform/Rtf.h"
#include "workspace/Aritmetica.h"
#include "workspace/ContenutoFogli.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include "workspace/StatoComandi.h"
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTextDocument>
#include <QTextEdit>

namespace {

const QString TitoloApri = QStringLiteral("Apri quaderno");
const QString TitoloSalvaConNome = QStringLiteral("Salva quaderno con nome");
const QString TestoNonQuaderno = QStringLiteral("Impossibile aprire il file. Non è un file di quaderno ");

FonteDialogoQuaderno fonteDialogo;


// --- Dialogs -------------------------------------------------------------------

QString DialogoReale(const RichiestaDialogoQuaderno& r)
{
    BoxCustodito<QFileDialog> custodito(GenitoreModale(), r.Titolo, r.Cartella,
                                        QStringLiteral("File di quaderno (*.qdn)"));
    QFileDialog& d = *custodito;
    d.setObjectName(QStringLiteral("CommonDialog1"));
    d.setAcceptMode(r.Salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Any name is accepted: Open itself tells the pupil when it is no notebook.
    d.setFileMode(QFileDialog::AnyFile);
    // Save as asks before replacing a file once the name is complete (".qdn"
    // may still be added to it).
    d.setOption(QFileDialog::DontConfirmOverwrite, true);
    d.setLabelText(QFileDialog::LookIn, QStringLiteral("Cerca in:"));
    d.setLabelText(QFileDialog::FileName, QStringLiteral("Nome file:"));
    d.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo file:"));
    d.setLabelText(QFileDialog::Accept, r.Salva ? QStringLiteral("Salva") : QStringLiteral("Apri"));
    d.setLabelText(QFileDialog::Reject, QStringLiteral("Annulla"));
    if (!r.NomeProposto.isEmpty()) d.selectFile(r.NomeProposto);
    // Above the top-most service windows, like every modal window.
    RendiSempreSopra(&d);
    // Accepted means still there: a dialog that went with its window was rejected.
    if (EseguiBox(d) != QDialog::Accepted) return {};
    const QStringList scelti = d.selectedFiles();
    return scelti.isEmpty() ? QString() : scelti.first();
}

QString MostraDialogo(bool salva, const QString& titolo)
{
    const RichiestaDialogoQuaderno r{salva, titolo, CartellaDialogoQuaderni, NomeQuaderno};
    if (fonteDialogo) return fonteDialogo(r);
    if (Modale::InCopione()) {
        Modale::Registra({QStringLiteral("dialogo"), r.Cartella, r.Titolo, 0});
        return {};
    }
    return DialogoReale(r);
}

// --- Writing ---------------------------------------------------------------------

// The second line of a failed save's message: why it failed (notes past
// their bounds, AppuntiTroppoLunghi), or that the notebook file changed
// without its notes (empty when the disk refused and nothing changed).
const QString SoloQuadernoCambiato = QStringLiteral("Il quaderno sul disco è cambiato, gli appunti no");

// Writes the notebook and then its notes file (see ScriviCoppia for the
// order and what a failure leaves). Notes that could not be read back (past
// the bounds of the rich-text reader) are not written: the save fails with
// motivo set, as it does when the notebook file changed but the notes file
// could not follow it.
bool ScriviQuaderno(const QString& percorso, QString& motivo)
{
    if (percorso.isEmpty()) return false;
    const QTextEdit* txt = TxtAppunti();
    std::optional<QByteArray> rtf;
    if (!AppuntiVuoti(txt->toPlainText())) {
        rtf = Rtf::ScriviEntroLimiti(*txt->document());
        if (!rtf) {
            motivo = AppuntiTroppoLunghi;
            return false;
        }
    }
    const EsitoCoppia esito = ScriviCoppia(percorso, ComponiBytesQuaderno(), NomeFileAppunti(percorso), rtf);
    if (esito == EsitoCoppia::SoloPrimo) motivo = SoloQuadernoCambiato;
    return esito == EsitoCoppia::Fatto;
}

// --- Reading ---------------------------------------------------------------------

// The empty notebook the program starts with: sheet A shown, sheet B loaded
// hidden.
void AvvioSenzaQuaderno()
{
    MostraFoglio(1);
    Fogli::Istanza(FoglioB);
    if (Princ* p = Unica<Princ>::SeEsiste()) p->Affianca();
}

// The wait cursor while a notebook loads (large notes take a moment).
struct CursoreAttesa {
    CursoreAttesa() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursoreAttesa() { QApplication::restoreOverrideCursor(); }
    CursoreAttesa(const CursoreAttesa&) = delete;
    CursoreAttesa& operator=(const CursoreAttesa&) = delete;
};

bool DaTenere(const QWidget* w)
{
    const QString inizio = w->windowTitle().left(5);
    return inizio == QLatin1String("Zefra") || inizio == QLatin1String("Fogli");
}

} // namespace

void ImpostaDialogoQuaderno(FonteDialogoQuaderno fonte) { fonteDialogo = std::move(fonte); }

QString TestoNomeQuaderno(const QString& nomeFile)
{
    return QStringLiteral("Nome del quaderno: ") + nomeFile + QStringLiteral("   ");
}

QString MostraDialogoQuaderno(bool salva) { return MostraDialogo(salva, salva ? TitoloSalvaConNome : TitoloApri); }

void AvvisaNonQuaderno() { MostraMessaggio(TestoNonQuaderno, 3, TitoloApri); }

// The question before New and Open discard the notebook. False when the
// command must stop: "Annulla", a cancelled Save as, or a save that failed.
bool ChiediDiSalvare(const QString& titolo)
{
    if (!QuadernoModificato) return true;
    MostraDomanda(QStringLiteral("Salvare il quaderno ?"), 1, titolo);
    switch (RispostaDomanda) {
    case 1:
        return SalvaOChiediNome();
    case 0:
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------------

void ChiudiFinestreServizio()
{
    QList<QPointer<QWidget>> daChiudere;
    if (Princ* p = Unica<Princ>::SeEsiste())
        for (QMdiSubWindow* w : p->AreaMdi()->subWindowList())
            if (!DaTenere(w)) daChiudere << w;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType tipo = w->windowType();
        if (tipo == Qt::Popup || tipo == Qt::ToolTip || tipo == Qt::Desktop) continue;
        if (!DaTenere(w)) daChiudere << w;
    }
    // Closing one window may take others with it.
    for (const QPointer<QWidget>& w : daChiudere)
        if (w) w->close();
}

bool SalvaQuaderno() { return SalvaQuaderno(NomeQuaderno); }

bool SalvaQuaderno(const QString& percorso)
{
    QString motivo;
    if (!ScriviQuaderno(percorso, motivo)) {
        QString testo = QStringLiteral("Impossibile salvare il file");
        if (!motivo.isEmpty()) testo += QLatin1Char('\n') + motivo;
        BoxPiattaforma(testo, IconaBox::Critico);
        return false;
    }
    QuadernoModificato = FALSO;
    return true;
}

bool SalvaQuadernoConNome()
{
    ChiudiFinestreServizio();
    QString scelto;
    for (;;) {
        scelto = MostraDialogoQuaderno(true);
        if (scelto.isEmpty()) return false;
        scelto = CompletaNomeQuaderno(scelto);
        if (!QFileInfo::exists(scelto)) break;
        MostraDomanda(QStringLiteral("Il file ") + QFileInfo(scelto).fileName()
                          + QStringLiteral(" esiste già. Sostituirlo?"),
                      1, TitoloSalvaConNome);
        if (RispostaDomanda == 1) break;
        // "No" chooses another name, "Annulla" gives up.
        if (RispostaDomanda != 0) return false;
    }
    CartellaDialogoQuaderni = QFileInfo(scelto).absolutePath();
    Princ* p = Unica<Princ>::SeEsiste();
    if (!p || !p->Toolbar2Premuto(3)) NascondiAppunti();
    if (!SalvaQuaderno(scelto)) return false;
    NomeQuaderno = scelto;
    if (p) p->ImpostaPannello(1, TestoNomeQuaderno(QFileInfo(scelto).fileName()));
    return true;
}

bool SalvaOChiediNome() { return NomeQuaderno.isEmpty() ? SalvaQuadernoConNome() : SalvaQuaderno(); }

bool CaricaQuaderno(const QString& percorso)
{
    const CursoreAttesa attesa;
    // Everything is read and checked before anything changes.
    const std::optional<ContenutoQuaderno> contenuto = LeggiFileQuaderno(percorso);
    if (!contenuto) return false;
    const QString nomeAppunti = NomeFileAppunti(percorso);
    // What an unfinished save left beside the pair goes before the notes
    // are read.
    RimuoviTemporanei(percorso);
    RimuoviTemporanei(nomeAppunti);
    // The notes are built apart and go into their box in one piece (an
    // empty notes file as empty notes, as a missing one).
    std::unique_ptr<QTextDocument> appunti;
    if (QFileInfo::exists(nomeAppunti)) {
        appunti = NuovoDocumentoAppunti();
        if (!Rtf::CaricaFile(nomeAppunti, *appunti)) return false;
    }

    if (!ApplicaContenutoQuaderno(*contenuto)) return false;
    QuadernoModificato = FALSO;
    NomeQuaderno = percorso;

    Princ* p = Unica<Princ>::SeEsiste();
    auto premi = [p](int i, bool premuto) {
        if (p) p->ImpostaToolbar2(i, premuto);
    };
    NascondiAppunti();
    NascondiFoglio(2);
    NascondiFoglio(1);
    premi(3, true);
    // New notes go in once their box has its place and size: laid out
    // only once.
    SvuotaAppunti();
    AggiornaScorrimento(2);
    AggiornaScorrimento(1);
    MostraAppunti();
    if (NumFrazioniA == 0 && NumFrazioniB > 0) {
        MostraFoglio(2);
        premi(1, false);
        premi(2, true);
    } else if (NumFrazioniB == 0) {
        premi(1, true);
        premi(2, false);
        MostraFoglio(1);
    } else {
        premi(1, true);
        premi(2, true);
        MostraFoglio(2);
        MostraFoglio(1);
    }
    if (p) p->Affianca();
    if (appunti) MettiDocumentoAppunti(std::move(appunti));
    // A sheet left hidden shows the new notebook when it is opened again,
    // and both sum labels follow the new fractions.
    RidisegnaFoglio(2);
    RidisegnaFoglio(1);
    AggiornaStatoComandi();
    return true;
}

void ApriQuadernoIniziale(const QString& rigaComandi)
{
    const QString percorso = PercorsoRigaComandi({rigaComandi});
    const bool nomeDiQuaderno = FiniscePerQdn(percorso);
    if (nomeDiQuaderno && !QFileInfo::exists(percorso)) {
        // A notebook still to be made: the first Save creates it.
        NomeQuaderno = percorso;
        AvvioSenzaQuaderno();
        return;
    }
    if (!nomeDiQuaderno || !CaricaQuaderno(percorso)) {
        AvvisaNonQuaderno();
        NomeQuaderno.clear();
        AvvioSenzaQuaderno();
        return;
    }
    if (Princ* p = Unica<Princ>::SeEsiste()) p->ImpostaPannello(1, TestoNomeQuaderno(EstraiNomeFile(NomeQuaderno)));
}
