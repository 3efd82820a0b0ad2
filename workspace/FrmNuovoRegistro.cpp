#include "workspace/FrmNuovoRegistro.h"
#include "platform/Finestre.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Registro.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

FrmNuovoRegistro::FrmNuovoRegistro(QWidget* parent)
    : QDialog(parent, FlagDialogoFisso())
{
    setObjectName(QStringLiteral("FrmNuovoRegistro"));
    setWindowTitle(QStringLiteral("Nuovo registro degli errori"));

    auto* label1 = new QLabel(QStringLiteral("Nome allievo"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    txtNome_ = new QLineEdit(this);
    txtNome_->setObjectName(QStringLiteral("TxtNome"));
    auto* label2 = new QLabel(QStringLiteral("Classe"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    txtClasse_ = new QLineEdit(this);
    txtClasse_->setObjectName(QStringLiteral("TxtClasse"));
    auto* label3 = new QLabel(QStringLiteral("Sarà creato un nuovo registro degli errori ed eliminato il precedente. "
                                             "Tieni presente che all'avvio di Zefra viene automaticamente creato un "
                                             "nuovo registro con il nome dell'allievo e la classe in bianco."),
                              this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setWordWrap(true);
    cmdOk_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOk_->setObjectName(QStringLiteral("CmdOk"));
    cmdOk_->setDefault(true);
    cmdAnnulla_ = new QPushButton(QStringLiteral("Annulla"), this);
    cmdAnnulla_->setObjectName(QStringLiteral("CmdAnnulla"));
    connect(cmdOk_, &QPushButton::clicked, this, &FrmNuovoRegistro::CmdOk_Click);
    connect(cmdAnnulla_, &QPushButton::clicked, this, &FrmNuovoRegistro::CmdAnnulla_Click);

    auto* campi = new QGridLayout;
    campi->addWidget(label1, 0, 0);
    campi->addWidget(txtNome_, 0, 1);
    campi->addWidget(label2, 1, 0);
    campi->addWidget(txtClasse_, 1, 1);
    auto* bottoni = new QHBoxLayout;
    bottoni->addStretch();
    bottoni->addWidget(cmdOk_);
    bottoni->addWidget(cmdAnnulla_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campi);
    layout->addSpacing(6);
    layout->addWidget(label3);
    layout->addSpacing(6);
    layout->addLayout(bottoni);
    setFixedWidth(400);
    setFixedHeight(sizeHint().height());

    txtNome_->setText(NomeAllievo);
    txtClasse_->setText(Classe);
    txtNome_->end(false);
    txtClasse_->end(false);
    txtNome_->setFocus();
}

void FrmNuovoRegistro::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // The dialog hands the first field its focus as if by Tab, which would
    // select the whole name: the caret goes back to the end of each text.
    QTimer::singleShot(0, this, [this] {
        txtNome_->end(false);
        txtClasse_->end(false);
    });
}

void FrmNuovoRegistro::CmdOk_Click()
{
    const QString nome = txtNome_->text();
    const QString classe = txtClasse_->text();
    accept();
    ConfermaNuovoRegistro(nome, classe);
}

void FrmNuovoRegistro::CmdAnnulla_Click() { reject(); }
