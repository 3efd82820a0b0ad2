#include "commands/FrmFattore.h"
#include "commands/Dialoghi.h"
#include "platform/Finestre.h"
#include "platform/Modale.h"
#include "workspace/Aritmetica.h"
#include "workspace/Fogli.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {

QPointer<FrmFattore> aperto;

struct Impostazione {
    const char* nome;
    const char* titolo;
    const char* etichetta;
    const char* casella;
    const char* ok;
    const char* annulla;
    // What OK does with a zero: the error to show, or (null) the question of
    // FrmMoltiplica.
    const char* zeroRifiutato;
    int16_t* variabile;
    void (*esegui)(uint8_t);
};

const Impostazione& Di(ComandoFattore c)
{
    static const Impostazione tabella[4] = {
        {"FrmEquiv1", "Moltiplica numeratore e denominatore", "Moltiplica numeratore e denominatore  per",
         "TxtMoltiplica", "CmdOk", "CmdAnnulla", "Non puoi moltiplicare il denominatore per zero !",
         &FattoreEquivMoltiplica, MoltiplicaTermini},
        {"FrmEquiv2", "Dividi numeratore e denominatore", "Dividi numeratore e denominatore  per", "TxtDividi",
         "CmdOk", "CmdAnnulla", "Non puoi dividere per zero !", &FattoreEquivDividi, DividiTermini},
        {"FrmMoltiplica", "Moltiplica", "Moltiplica la frazione selezionata per", "TxtMoltiplica", "Command1",
         "Command2", nullptr, &FattoreMoltiplica, MoltiplicaFrazione},
        {"FrmDividi", "Dividi", "Dividi la frazione selezionata per", "TxtDividi", "Command1", "Command2",
         "Non puoi dividere per zero", &FattoreDividi, DividiFrazione},
    };
    const int i = int(c) - 1;
    return tabella[i >= 0 && i < 4 ? i : 0];
}

// Design of the dialog, in twips of its client area: the label across the
// top, the box and the two buttons in a row under it.
constexpr int Margine = 120, LarghezzaMinima = 4800, AltezzaCliente = 1260;
constexpr int AltoEtichetta = 120, AltezzaEtichetta = 300;
constexpr int AltoRiga = 600, AltezzaRiga = 375;
constexpr int LarghezzaCasella = 1400, LarghezzaBottone = 1200, Spazio = 120;

} // namespace

FrmFattore::FrmFattore(ComandoFattore comando, QWidget* parent)
    : QDialog(parent, FlagDialogoFisso()),
      comando_(comando)
{
    const Impostazione& imp = Di(comando);
    setObjectName(QLatin1String(imp.nome));
    setWindowTitle(Titolo());
    setWindowModality(Qt::ApplicationModal);

    label1_ = new QLabel(QString::fromUtf8(imp.etichetta), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    // Wide enough for the label whatever the font.
    const int larghezzaTesto = int(PixelInTwip(label1_->sizeHint().width()));
    const int larghezza = std::max(LarghezzaMinima, larghezzaTesto + 2 * Margine);
    setFixedSize(TwipInPixel(larghezza), TwipInPixel(AltezzaCliente));
    label1_->setGeometry(RettangoloTwip(Margine, AltoEtichetta, larghezza - 2 * Margine, AltezzaEtichetta));

    casella_ = new QLineEdit(this);
    casella_->setObjectName(QLatin1String(imp.casella));
    casella_->setGeometry(RettangoloTwip(Margine, AltoRiga, LarghezzaCasella, AltezzaRiga));

    auto bottone = [this](const char* nome, const QString& testo, int sinistra) {
        auto* b = new QPushButton(testo, this);
        b->setObjectName(QLatin1String(nome));
        b->setAutoDefault(false);
        b->setGeometry(RettangoloTwip(sinistra, AltoRiga, LarghezzaBottone, AltezzaRiga));
        return b;
    };
    const int sinistraAnnulla = larghezza - Margine - LarghezzaBottone;
    annulla_ = bottone(imp.annulla, QStringLiteral("Annulla"), sinistraAnnulla);
    ok_ = bottone(imp.ok, QStringLiteral("OK"), sinistraAnnulla - Spazio - LarghezzaBottone);
    ok_->setDefault(true);   // Enter in the box is OK
    connect(ok_, &QPushButton::clicked, this, &FrmFattore::Ok_Click);
    connect(annulla_, &QPushButton::clicked, this, &FrmFattore::Annulla_Click);

    setTabOrder(casella_, ok_);
    setTabOrder(ok_, annulla_);
    casella_->setFocus();
}

QString FrmFattore::Titolo() const { return QString::fromUtf8(Di(comando_).titolo); }

void FrmFattore::Ok_Click()
{
    const Impostazione& imp = Di(comando_);
    const QString titolo = Titolo();
    if (!ControllaIntero(casella_->text(), titolo)) {
        RiportaFuoco(casella_);
        return;
    }
    // Only digits now, 0..32000.
    const int16_t valore = int16_t(casella_->text().toInt());
    if (valore == 0) {
        if (imp.zeroRifiutato) {
            MostraMessaggio(QString::fromUtf8(imp.zeroRifiutato), 1, titolo);
            RiportaFuoco(casella_);
            return;
        }
        MostraDomanda(QStringLiteral("Moltiplicare per zero equivale ad eliminare la frazione.") + ACapo + ACapo +
                          QStringLiteral("Vuoi continuare?"),
                      2, titolo);
        if (RispostaDomanda != 1) {
            RiportaFuoco(casella_);
            return;
        }
    }
    fattore_ = valore;
    accept();
}

void FrmFattore::Annulla_Click()
{
    fattore_.reset();
    reject();
}

FrmFattore* FrmFattoreAperto() { return aperto; }

void ChiediFattoreEdEsegui(ComandoFattore comando, uint8_t foglio)
{
    if (!FoglioUtilizzabile(foglio) || aperto) return;
    const Impostazione& imp = Di(comando);
    // Either window may go while the dialog is open (the dialog with its
    // main window): neither is touched afterwards unless it is still here.
    const QPointer<QMdiSubWindow> finestraFoglio = Fogli::Istanza(foglio);

    std::optional<int16_t> fattore;
    {
        auto* dlg = new FrmFattore(comando, Unica<Princ>::SeEsiste());
        aperto = dlg;
        PosizionaSopraFoglio(dlg, finestraFoglio, 200, 2.0 / 3);
        dlg->Casella()->setFocus();
        EseguiBox(*dlg);
        if (aperto && aperto->result() == QDialog::Accepted) fattore = aperto->Fattore();
        delete aperto.data();
    }
    if (Princ* p = Unica<Princ>::SeEsiste()) p->raise();
    if (finestraFoglio && finestraFoglio->isVisible()) finestraFoglio->setFocus(Qt::OtherFocusReason);
    if (!fattore) return;

    // The typed factor is used once: the toolbar's remembered one comes
    // back whatever the command does.
    struct RimettiFattore {
        int16_t* variabile;
        int16_t salvato;
        ~RimettiFattore() { *variabile = salvato; }
    } rimetti{imp.variabile, *imp.variabile};
    *imp.variabile = *fattore;
    imp.esegui(foglio);
}
