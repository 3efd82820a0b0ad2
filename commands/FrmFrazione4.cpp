#include "commands/FrmFrazione4.h"
#include "commands/AggiungiFrazioni.h"
#include "commands/Comandi.h"
#include "commands/Dialoghi.h"
#include "logica/Decimali.h"
#include "platform/Finestre.h"
#include "platform/Modale.h"
#include "platform/Unica.h"
#include "workspace/Aritmetica.h"
#include "workspace/Fogli.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

const QString Titolo = QStringLiteral("Aggiungi");
const QString ChiaveNonPeriodico = QStringLiteral("nonperiodico");
const QString ChiavePeriodico = QStringLiteral("periodico");
constexpr int32_t MassimoTermine = 32000;

QLabel* Etichetta(const char* nome, const QString& testo, QWidget* genitore, bool aCapo = false)
{
    auto* l = new QLabel(testo, genitore);
    l->setObjectName(QLatin1String(nome));
    l->setWordWrap(aCapo);
    return l;
}

QLineEdit* Casella(const char* nome, QWidget* genitore)
{
    auto* t = new QLineEdit(genitore);
    t->setObjectName(QLatin1String(nome));
    t->setMinimumWidth(140);
    return t;
}

void InserisciFrazione(uint8_t foglio, int16_t n, int16_t d)
{
    // Announced before the limit test: the pupil sees what was understood
    // even when the sheet turns out to be full.
    MostraMessaggio(QStringLiteral("Sarà inserita la frazione %1/%2").arg(n).arg(d), 5, Titolo);
    AggiungiFrazioniAlFoglio(foglio, n, d);
}
}

FrmFrazione4::FrmFrazione4(QWidget* parent)
    : QDialog(parent, FlagDialogoFisso())
{
    setObjectName(QStringLiteral("FrmFrazione4"));
    setWindowTitle(Titolo);

    tabStrip1_ = new QTabBar(this);
    tabStrip1_->setObjectName(QStringLiteral("TabStrip1"));
    tabStrip1_->setExpanding(false);
    tabStrip1_->addTab(QStringLiteral("Numero non periodico"));
    tabStrip1_->setTabData(0, ChiaveNonPeriodico);
    tabStrip1_->addTab(QStringLiteral("Numero periodico"));
    tabStrip1_->setTabData(1, ChiavePeriodico);

    auto pagina = [this](const char* nome) {
        auto* f = new QFrame(this);
        f->setObjectName(QLatin1String(nome));
        f->setFrameShape(QFrame::StyledPanel);
        return f;
    };

    frame1_ = pagina("Frame1");
    auto* g1 = new QGridLayout(frame1_);
    txtValoreDec_ = Casella("TxtValoreDec", frame1_);
    g1->addWidget(Etichetta("Label1", QStringLiteral("Valore decimale"), frame1_), 0, 0);
    g1->addWidget(txtValoreDec_, 0, 1);
    g1->addWidget(Etichetta("Label6",
                            QStringLiteral("Qui puoi inserire un numero con la virgola come 1,5 o un numero intero come 2"),
                            frame1_, true),
                  1, 0, 1, 2);
    g1->setRowStretch(2, 1);

    frame2_ = pagina("Frame2");
    auto* g2 = new QGridLayout(frame2_);
    txtParteInt_ = Casella("TxtParteInt", frame2_);
    txtAntiperiodo_ = Casella("TxtAntiperiodo", frame2_);
    txtPeriodo_ = Casella("TxtPeriodo", frame2_);
    g2->addWidget(Etichetta("Label2", QStringLiteral("Parte intera"), frame2_), 0, 0);
    g2->addWidget(txtParteInt_, 0, 1);
    g2->addWidget(Etichetta("Label3", QStringLiteral("Antiperiodo"), frame2_), 1, 0);
    g2->addWidget(txtAntiperiodo_, 1, 1);
    g2->addWidget(Etichetta("Label4", QStringLiteral("Periodo"), frame2_), 2, 0);
    g2->addWidget(txtPeriodo_, 2, 1);
    g2->addWidget(Etichetta("Label5", QStringLiteral("Se non c'è antiperiodo lascia vuoto il campo relativo"), frame2_, true),
                  3, 0, 1, 2);
    frame2_->hide();

    cmdOk_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOk_->setObjectName(QStringLiteral("CmdOk"));
    cmdOk_->setDefault(true);
    cmdAnnulla_ = new QPushButton(QStringLiteral("Annulla"), this);
    cmdAnnulla_->setObjectName(QStringLiteral("CmdAnnulla"));
    cmdAnnulla_->setAutoDefault(false);

    auto* bottoni = new QHBoxLayout;
    bottoni->addStretch(1);
    bottoni->addWidget(cmdOk_);
    bottoni->addWidget(cmdAnnulla_);
    auto* v = new QVBoxLayout(this);
    v->setSpacing(0);
    v->addWidget(tabStrip1_);
    // Both pages share one place under the tabs; only one is shown.
    auto* pagine = new QGridLayout;
    pagine->addWidget(frame1_, 0, 0);
    pagine->addWidget(frame2_, 0, 0);
    v->addLayout(pagine);
    v->addSpacing(10);
    v->addLayout(bottoni);

    // The pages keep the size of the larger one whichever is shown, and the
    // hints wrap inside that width.
    for (QFrame* f : {frame1_, frame2_}) {
        QSizePolicy p = f->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        f->setSizePolicy(p);
    }
    frame1_->setMinimumWidth(360);
    setFixedSize(sizeHint());

    connect(tabStrip1_, &QTabBar::currentChanged, this, &FrmFrazione4::TabStrip1_Click);
    connect(cmdOk_, &QPushButton::clicked, this, &FrmFrazione4::CmdOk_Click);
    connect(cmdAnnulla_, &QPushButton::clicked, this, &FrmFrazione4::CmdAnnulla_Click);
}

QString FrmFrazione4::ChiaveScheda() const { return tabStrip1_->tabData(tabStrip1_->currentIndex()).toString(); }

void FrmFrazione4::TabStrip1_Click()
{
    const bool primo = tabStrip1_->currentIndex() == 0;
    frame1_->setVisible(primo);
    frame2_->setVisible(!primo);
    (primo ? txtValoreDec_ : txtParteInt_)->setFocus(Qt::OtherFocusReason);
}

void FrmFrazione4::CmdOk_Click()
{
    ConversioneDecimale c;
    const bool periodico = ChiaveScheda() == ChiavePeriodico;
    if (!periodico) {
        QString testo = txtValoreDec_->text();
        txtValoreDec_->setText(SostituisciPuntiConVirgole(testo));
        if (!ControllaDecimale(testo, Titolo)) {
            RiportaFuoco(txtValoreDec_);
            return;
        }
        c = ConvertiDecimaleFinito(testo);
        if (c.troppeCifre) {
            MostraMessaggio(QStringLiteral("Il numero ha troppe cifre"), 3, Titolo);
            RiportaFuoco(txtValoreDec_);
            return;
        }
    } else {
        const struct {
            QLineEdit* casella;
            QString titolo;
            bool vuotoAmmesso;
        } campi[] = {{txtParteInt_, QStringLiteral("Parte intera"), false},
                     {txtAntiperiodo_, QStringLiteral("Antiperiodo"), true},
                     {txtPeriodo_, QStringLiteral("Periodo"), false}};
        for (const auto& k : campi) {
            if (!ControllaCifre(k.casella->text(), k.titolo, k.vuotoAmmesso)) {
                RiportaFuoco(k.casella);
                return;
            }
        }
        c = ConvertiDecimalePeriodico(txtParteInt_->text(), txtAntiperiodo_->text(), txtPeriodo_->text());
        if (c.troppeCifre) {
            MostraMessaggio(QStringLiteral("Parte intera, antiperiodo e periodo non devono avere in totale più di 9 cifre"),
                            3, Titolo);
            RiportaFuoco(txtParteInt_);
            return;
        }
    }

    if (c.num == 0) {
        accept();
        return;
    }
    if (c.num > MassimoTermine || c.den > MassimoTermine) {
        MostraMessaggio(QStringLiteral("I termini della frazione sono numeri troppo grandi"), 3, Titolo);
        RiportaFuoco(periodico ? txtParteInt_ : txtValoreDec_);
        return;
    }
    if (risultato_) *risultato_ = std::make_pair(int16_t(c.num), int16_t(c.den));
    accept();
}

std::optional<std::pair<int16_t, int16_t>> FrmFrazione4::Esegui()
{
    std::optional<std::pair<int16_t, int16_t>> risultato;
    risultato_ = &risultato;
    // The dialog belongs to the main window, which may go first: then it
    // went with it, and nothing of it is read or taken.
    const QPointer<FrmFrazione4> questo(this);
    EseguiBox(*this);
    if (!questo) return std::nullopt;
    risultato_ = nullptr;
    return risultato;
}

FrmFrazione4* FrmFrazione4::CreaUnica(int) { return new FrmFrazione4(Unica<Princ>::SeEsiste()); }

void AggiungiFrazioneValDecimale(uint8_t finestra)
{
    if (!FoglioUtilizzabile(finestra)) return;
    if (Unica<FrmFrazione4>::SeEsiste()) return;   // already open
    FrmFrazione4* dlg = Unica<FrmFrazione4>::Istanza();
    // Over the sheet: a third of the way down, 150 twips in from its left.
    PosizionaSopraFoglio(dlg, Fogli::Istanza(finestra), 150, 1.0 / 3);
    dlg->TxtValoreDec()->setFocus();
    const auto frazione = dlg->Esegui();
    Unica<FrmFrazione4>::Distruggi();
    if (frazione) InserisciFrazione(finestra, frazione->first, frazione->second);
    if (Princ* p = Unica<Princ>::SeEsiste()) p->raise();
}
