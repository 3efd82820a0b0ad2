#include "service/FrmVerifiche.h"
#include "logica/Verifiche.h"
#include "platform/Finestre.h"
#include "workspace/ModuloGenerale.h"
#include <QLabel>

namespace {
// Client area of the design, twips.
constexpr int LarghezzaTwip = 4485;
constexpr int AltezzaTwip = 1815;
}   // namespace

FrmVerificaTesto::FrmVerificaTesto(const QString& nome, const QString& didascalia, int16_t* alto,
                                   int16_t* sinistra, uint8_t menu, const QString& testo)
    : FinestraServizio(nome, alto, sinistra, menu)
{
    setWindowTitle(didascalia);
    resize(TwipInPixel(LarghezzaTwip), TwipInPixel(AltezzaTwip));

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    const QFont f = CarattereConRiserva(QStringLiteral("MS Sans Serif"), 9.75);
    // The window carries the label's font, so a copy of it writes alike.
    setFont(f);
    label1_->setFont(f);
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1_->setTextFormat(Qt::PlainText);
    label1_->setAutoFillBackground(true);
    // Sized once from the client area: resizing the window later leaves
    // the text where it is. Presses on the label reach the window, which
    // records itself for the pop-up.
    label1_->setGeometry(TwipInPixel(10), 0, TwipInPixel(LarghezzaTwip - 10), TwipInPixel(AltezzaTwip - 10));
    label1_->setText(testo);

    ImpostaSfondo(ColoreSfondoServizio());
}

QString FrmVerificaTesto::TestoCopia() const { return label1_->text(); }

FrmUguali::FrmUguali(const QString& testo)
    : FrmVerificaTesto(QStringLiteral("FrmUguali"), DidascaliaVerifica(RegolaVerifica::Uguali), &AltoUguali,
                       &SinistraUguali, 6, testo)
{
}

FrmCrescenti::FrmCrescenti(const QString& testo)
    : FrmVerificaTesto(QStringLiteral("FrmCrescenti"), DidascaliaVerifica(RegolaVerifica::Crescente),
                       &AltoCrescenti, &SinistraCrescenti, 4, testo)
{
}

FrmDecrescenti::FrmDecrescenti(const QString& testo)
    : FrmVerificaTesto(QStringLiteral("FrmDecrescenti"), DidascaliaVerifica(RegolaVerifica::Decrescente),
                       &AltoDecrescenti, &SinistraDecrescenti, 5, testo)
{
}
