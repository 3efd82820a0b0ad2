#include "commands/FrmFrazione.h"
#include "commands/Dialoghi.h"
#include "commands/AggiungiFrazioni.h"
#include "commands/Comandi.h"
#include "platform/Finestre.h"
#include "platform/Modale.h"
#include "platform/Numeri.h"
#include "workspace/Aritmetica.h"
#include "workspace/Fogli.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {

// Design of the dialog, in twips of its client area.
constexpr int LarghezzaCliente = 4200, AltezzaCliente = 1500;
constexpr int SinistraEtichette = 120, SinistraCaselle = 1620, SinistraBottoni = 2940;
constexpr int LarghezzaCasella = 1000, AltezzaCasella = 375;
constexpr int AltoNum = 180, AltoLinea = 700, AltoDenum = 900;

}

FrmFrazione::FrmFrazione(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmFrazione"));
    setWindowTitle(QStringLiteral("Aggiungi"));
    setFixedSize(TwipInPixel(LarghezzaCliente), TwipInPixel(AltezzaCliente));

    label1_ = new QLabel(QStringLiteral("Numeratore"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(RettangoloTwip(SinistraEtichette, AltoNum, SinistraCaselle - SinistraEtichette - 60, AltezzaCasella));
    label2_ = new QLabel(QStringLiteral("Denominatore"), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setGeometry(RettangoloTwip(SinistraEtichette, AltoDenum, SinistraCaselle - SinistraEtichette - 60, AltezzaCasella));

    auto casella = [this](const char* nome, int alto) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QLatin1String(nome));
        t->setAlignment(Qt::AlignCenter);
        t->setGeometry(RettangoloTwip(SinistraCaselle, alto, LarghezzaCasella, AltezzaCasella));
        return t;
    };
    txtNum_ = casella("TxtNum", AltoNum);
    txtDenum_ = casella("TxtDenum", AltoDenum);

    // The fraction bar between the two boxes.
    line1_ = new QFrame(this);
    line1_->setObjectName(QStringLiteral("Line1"));
    line1_->setFrameShape(QFrame::NoFrame);
    line1_->setAutoFillBackground(true);
    QPalette p = line1_->palette();
    p.setColor(QPalette::Window, Qt::black);
    line1_->setPalette(p);
    line1_->setGeometry(QRect(TwipInPixel(SinistraCaselle), TwipInPixel(AltoLinea), TwipInPixel(LarghezzaCasella), 2));

    auto bottone = [this](const char* nome, const QString& testo, int alto) {
        auto* b = new QPushButton(testo, this);
        b->setObjectName(QLatin1String(nome));
        b->setGeometry(RettangoloTwip(SinistraBottoni, alto, LarghezzaCasella, AltezzaCasella));
        return b;
    };
    command1_ = bottone("Command1", QStringLiteral("Ok"), AltoNum);
    command2_ = bottone("Command2", QStringLiteral("Annulla"), AltoDenum);
    connect(command1_, &QPushButton::clicked, this, &FrmFrazione::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &FrmFrazione::Command2_Click);

    setTabOrder(txtNum_, txtDenum_);
    setTabOrder(txtDenum_, command1_);
    setTabOrder(command1_, command2_);
}

void FrmFrazione::Command1_Click()
{
    if (!ControllaIntero(txtNum_->text(), QStringLiteral("Immissione numeratore"))) {
        RiportaFuoco(txtNum_);
        return;
    }
    if (!ControllaIntero(txtDenum_->text(), QStringLiteral("Immissione denominatore"))) {
        RiportaFuoco(txtDenum_);
        return;
    }
    // Both texts are now digits only, 0..32000.
    const int16_t d = int16_t(txtDenum_->text().toInt());
    const int16_t n = int16_t(txtNum_->text().toInt());
    if (d == 0) {
        MostraMessaggio(QStringLiteral("Il denominatore non può essere zero"), 1, QStringLiteral("Immissione denominatore"));
        RiportaFuoco(txtDenum_);
        return;
    }
    if (n == 0) {
        accept();
        return;
    }
    if (AggiungiFrazioniAlFoglio(FoglioAttivo, n, d)) accept();
}

void FrmFrazione::Command2_Click() { reject(); }

FrmFrazione* FrmFrazione::CreaUnica(int) { return new FrmFrazione(Unica<Princ>::SeEsiste()); }

void AggiungiFrazioneTermini(uint8_t finestra)
{
    if (!FoglioUtilizzabile(finestra)) return;
    if (Unica<FrmFrazione>::SeEsiste()) return;   // already open
    QMdiSubWindow* foglio = Fogli::Istanza(finestra);

    FrmFrazione* dlg = Unica<FrmFrazione>::Istanza();
    // Over the sheet: two thirds of the way down, 150 twips in from its left.
    PosizionaSopraFoglio(dlg, foglio, 150, 1 / 1.5);
    dlg->TxtNum()->setFocus();
    EseguiBox(*dlg);
    Unica<FrmFrazione>::Distruggi();
    if (Princ* p = Unica<Princ>::SeEsiste()) p->raise();
}
