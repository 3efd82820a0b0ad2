#include "workspace/FrmRegistro.h"
#include "workspace/Registro.h"
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

FrmRegistro::FrmRegistro(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmRegistro"));
    setWindowTitle(QStringLiteral("Registro degli errori"));
    rtb_ = new QTextEdit(this);
    rtb_->setObjectName(QStringLiteral("RichTextBox1"));
    rtb_->setReadOnly(true);
    rtb_->setAcceptRichText(false);
    cmdAnnulla_ = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdAnnulla_->setObjectName(QStringLiteral("CmdAnnulla"));
    cmdAnnulla_->setDefault(true);
    connect(cmdAnnulla_, &QPushButton::clicked, this, &FrmRegistro::CmdAnnulla_Click);

    auto* bottoni = new QHBoxLayout;
    bottoni->addStretch();
    bottoni->addWidget(cmdAnnulla_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rtb_);
    layout->addLayout(bottoni);
    resize(720, 520);
    cmdAnnulla_->setFocus();
}

void FrmRegistro::CaricaTesto(const QString& testo, const QColor& colore)
{
    ImpostaTestoRegistro(rtb_->document(), testo, colore);
    rtb_->moveCursor(QTextCursor::Start);
}

void FrmRegistro::CmdAnnulla_Click() { accept(); }
