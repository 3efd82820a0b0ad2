#include "workspace/Messaggi.h"
#include "platform/Finestre.h"
#include "platform/Modale.h"
#include "platform/Suono.h"
#include "workspace/FrmSplash.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include "workspace/Registro.h"
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {
// Sizes of the two boxes, in twips (client area).
constexpr int LarghezzaMsg = 4800;
constexpr int LarghezzaMsgYN = 4560;
constexpr int LarghezzaBottone = 1092, AltezzaBottone = 372;
constexpr int SinistraTesto = 915, AltoTesto = 135, LarghezzaTestoMsg = 3750;
constexpr int LatoIcona = 480;

QString TestoPerEtichetta(QString testo)
{
    testo.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    testo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return testo;
}

QLabel* NuovaEtichetta(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QStringLiteral("Label"));
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QLabel* NuovaIcona(QWidget* parent)
{
    auto* p = new QLabel(parent);
    p->setObjectName(QStringLiteral("Picture1"));
    p->setGeometry(RettangoloTwip(180, AltoTesto, LatoIcona, LatoIcona));
    return p;
}

QPushButton* NuovoBottone(const char* nome, const QString& testo, int sinistra, QWidget* parent)
{
    auto* b = new QPushButton(testo, parent);
    b->setObjectName(QLatin1String(nome));
    b->setGeometry(RettangoloTwip(sinistra, 0, LarghezzaBottone, AltezzaBottone));
    return b;
}

// Room kept between a grown text and the buttons under it, in pixels.
constexpr int StaccoTestoBottoni = 8;

// A text longer than the box was drawn for makes the box taller rather than
// being cut off: the label grows to fit its text, and the result is the
// twips the box must grow by (0 when the text fits).
int AllungaPerTesto(QLabel* label)
{
    const int manca = label->heightForWidth(label->width()) - label->height();
    if (manca <= 0) return 0;
    label->resize(label->width(), label->height() + manca);
    return int(PixelInTwip(manca + StaccoTestoBottoni));
}

}

void RiportaFuoco(QWidget* campo)
{
    campo->setFocus(Qt::OtherFocusReason);
    if (auto* casella = qobject_cast<QLineEdit*>(campo)) casella->selectAll();
}

QWidget* GenitoreModale()
{
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = QApplication::activeWindow();
    // The splash picture goes away as soon as it loses the focus, which a box
    // over it takes: the box belongs to the window under the picture.
    if (qobject_cast<FrmSplash*>(w)) w = w->parentWidget() ? w->parentWidget()->window() : nullptr;
    return w ? w : Unica<Princ>::SeEsiste();
}

void CentraDialogo(QWidget* dialogo)
{
    QWidget* genitore = dialogo->parentWidget() ? dialogo->parentWidget()->window() : nullptr;
    QRect area;
    if (genitore && genitore->isVisible()) area = genitore->frameGeometry();
    else if (QScreen* s = QGuiApplication::primaryScreen()) area = s->availableGeometry();
    const QPoint angolo = area.center() - QPoint(dialogo->width() / 2, dialogo->height() / 2);
    PosizionaSulloSchermo(dialogo, angolo);
}

FrmMsg::FrmMsg(QWidget* parent) : QDialog(parent, FlagDialogoFisso())
{
    setObjectName(QStringLiteral("FrmMsg"));
    // The button comes first so that it is first in the tab order.
    cmdOk_ = NuovoBottone("CmdOk", QStringLiteral("OK"), 1854, this);
    cmdOk_->setDefault(true);
    picture1_ = NuovaIcona(this);
    label_ = NuovaEtichetta(this);
    connect(cmdOk_, &QPushButton::clicked, this, &FrmMsg::CmdOk_Click);
}

void FrmMsg::Prepara(const QString& testo, int tipo, const QString& titolo)
{
    const bool alto = tipo % 2 == 0;
    int altezza = alto ? 2200 : 1500;
    const int altezzaTesto = alto ? 1400 : 750;
    immagine_ = tipo <= 2 ? 1 : tipo <= 4 ? 2 : 3;
    const QStyle::StandardPixmap icona = immagine_ == 1   ? QStyle::SP_MessageBoxCritical
                                         : immagine_ == 2 ? QStyle::SP_MessageBoxWarning
                                                          : QStyle::SP_MessageBoxInformation;
    picture1_->setPixmap(style()->standardIcon(icona).pixmap(picture1_->size()));
    setWindowTitle(titolo);
    label_->setText(TestoPerEtichetta(testo));
    label_->setGeometry(RettangoloTwip(SinistraTesto, AltoTesto, LarghezzaTestoMsg, altezzaTesto));
    altezza += AllungaPerTesto(label_);
    cmdOk_->move(cmdOk_->x(), TwipInPixel(altezza - AltezzaBottone - 200));
    setFixedSize(TwipInPixel(LarghezzaMsg), TwipInPixel(altezza));
    cmdOk_->setFocus();
}

void FrmMsg::CmdOk_Click() { accept(); }

FrmMsgYN::FrmMsgYN(QWidget* parent) : QDialog(parent, FlagDialogoFisso())
{
    setObjectName(QStringLiteral("FrmMsgYN"));
    cmdYes_ = NuovoBottone("CmdYes", QStringLiteral("Sì"), 414, this);
    cmdNo_ = NuovoBottone("CmdNo", QStringLiteral("No"), 1734, this);
    cmdAnnulla_ = NuovoBottone("CmdAnnulla", QStringLiteral("Annulla"), 3054, this);
    picture1_ = NuovaIcona(this);
    picture1_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(picture1_->size()));
    label_ = NuovaEtichetta(this);
    connect(cmdYes_, &QPushButton::clicked, this, &FrmMsgYN::CmdYes_Click);
    connect(cmdNo_, &QPushButton::clicked, this, &FrmMsgYN::CmdNo_Click);
    connect(cmdAnnulla_, &QPushButton::clicked, this, &FrmMsgYN::CmdAnnulla_Click);
}

void FrmMsgYN::Prepara(const QString& testo, int tipo, const QString& titolo)
{
    int altezza = 1400, altezzaTesto = 500;
    if (tipo == 2) {
        altezza = 2100;
        altezzaTesto = 1200;
    }
    setWindowTitle(titolo);
    label_->setText(TestoPerEtichetta(testo));
    label_->setGeometry(RettangoloTwip(SinistraTesto, AltoTesto, LarghezzaMsgYN - SinistraTesto - 120, altezzaTesto));
    altezza += AllungaPerTesto(label_);
    for (QPushButton* b : {cmdYes_, cmdNo_, cmdAnnulla_})
        b->move(b->x(), TwipInPixel(altezza - AltezzaBottone - 120));
    setFixedSize(TwipInPixel(LarghezzaMsgYN), TwipInPixel(altezza));
    cmdYes_->setFocus();
}

void FrmMsgYN::CmdYes_Click()
{
    RispostaDomanda = 1;
    risposta_ = 1;
    accept();
}

void FrmMsgYN::CmdNo_Click()
{
    RispostaDomanda = 0;
    risposta_ = 0;
    accept();
}

void FrmMsgYN::CmdAnnulla_Click()
{
    RispostaDomanda = 2;
    risposta_ = 2;
    accept();
}

void MostraMessaggio(const QString& testo, int tipo, const QString& titolo)
{
    if (tipo == 1 || tipo == 2) Suono::Riproduci(QStringLiteral("errore.wav"));
    else if (tipo == 3 || tipo == 4) Suono::Bip();
    else if (tipo == 5 || tipo == 6) Suono::Riproduci(QStringLiteral("info.wav"));

    Modale::Registra({QStringLiteral("messaggio"), testo, titolo, tipo});
    if (!Modale::InCopione()) {
        BoxCustodito<FrmMsg> box(GenitoreModale());
        box->Prepara(testo, tipo, titolo);
        RendiSempreSopra(box.get());
        CentraDialogo(box.get());
        EseguiBox(*box);
    }
    // Errors go to the register only once the pupil has closed the box.
    if (tipo == 1 || tipo == 2) AggiungiAlRegistro(titolo, testo);
}

void MostraDomanda(const QString& testo, int tipo, const QString& titolo)
{
    // Anything but "Sì" and "No" (the close box, Esc) counts as cancel.
    RispostaDomanda = 2;
    Suono::Bip();
    Modale::Registra({QStringLiteral("domanda"), testo, titolo, tipo});
    if (Modale::InCopione()) {
        RispostaDomanda = uint8_t(Modale::PrendiRisposta(2));
        return;
    }
    BoxCustodito<FrmMsgYN> box(GenitoreModale());
    box->Prepara(testo, tipo, titolo);
    RendiSempreSopra(box.get());
    CentraDialogo(box.get());
    EseguiBox(*box);
    // The caller reads this box's own answer: a question asked and answered
    // while this one was open (by a command that reached the program some
    // other way) has left its answer in RispostaDomanda. A box that went
    // with its window was never answered.
    RispostaDomanda = box ? uint8_t(box->Risposta()) : uint8_t(2);
}
