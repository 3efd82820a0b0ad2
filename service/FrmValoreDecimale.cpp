#include "service/FrmValoreDecimale.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Numeri.h"
#include "platform/Superficie.h"
#include "service/Esercizi.h"
#include "workspace/Aritmetica.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace {
// Design, in pixels of the client area.
constexpr int Larghezza = 420, Altezza = 222;
constexpr int Margine = 12;
constexpr int AltezzaRiga = 36;   // the result line's surface
// The frame of the current step, drawn by four lines.
constexpr int PassoAlto = 78, PassoBasso = 162;
constexpr int BottoniAlto = 178, BottoneLargo = 120, BottoneAlto = 30;
// Where text starts inside the two pictures (twips); the line keeps the
// same room after its last digit.
constexpr double TestoX = 120;

// The text position that centres one line of text in a picture's height.
double AltoCentrato(const Tela& t, int altezzaPixel)
{
    return std::max(0.0, (altezzaPixel * t.Unita() - t.AltezzaTesto(QStringLiteral("0"))) / 2);
}
constexpr int LightRed = 12;

QFont CarattereDivisione()
{
    return CarattereConRiserva(QStringLiteral("MS Sans Serif"), 14, true);
}
}

FrmValoreDecimale::FrmValoreDecimale(int16_t numeratore, int16_t denominatore)
    : FinestraServizio(QStringLiteral("FrmValoreDecimale"), &AltoValoreDecimale, &SinistraValoreDecimale),
      divisione_(numeratore, denominatore)
{
    setWindowTitle(QStringLiteral("Valore decimale della frazione"));
    setFont(CarattereConRiserva(QStringLiteral("MS Sans Serif"), 9.75));
    setFixedSize(Larghezza, Altezza);

    // The result line grows with every step (1/97 takes 97 of them): it
    // scrolls sideways and always shows its newest digits.
    scorrimento_ = new QScrollArea(this);
    scorrimento_->setObjectName(QStringLiteral("ScorrimentoPicture1"));
    scorrimento_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scorrimento_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scorrimento_->setWidgetResizable(false);
    const int bordo = 2 * scorrimento_->frameWidth();
    scorrimento_->setGeometry(Margine, Margine, Larghezza - 2 * Margine,
                              AltezzaRiga + bordo + scorrimento_->horizontalScrollBar()->sizeHint().height());
    picture1_ = new Superficie;
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->Font = CarattereDivisione();
    picture1_->resize(scorrimento_->width() - bordo, AltezzaRiga);
    scorrimento_->setWidget(picture1_);

    const char* lati[4] = {"Line1", "Line2", "Line3", "Line4"};
    const QRect posti[4] = {QRect(Margine, PassoAlto, Larghezza - 2 * Margine, 1),
                            QRect(Margine, PassoBasso, Larghezza - 2 * Margine, 1),
                            QRect(Margine, PassoAlto, 1, PassoBasso - PassoAlto + 1),
                            QRect(Larghezza - Margine - 1, PassoAlto, 1, PassoBasso - PassoAlto + 1)};
    for (int i = 0; i < 4; ++i) {
        auto* linea = new QFrame(this);
        linea->setObjectName(QLatin1String(lati[i]));
        linea->setGeometry(posti[i]);
        ColoraSfondo(linea, QBColor(8));
    }

    picture2_ = new Superficie(this);
    picture2_->setObjectName(QStringLiteral("Picture2"));
    picture2_->Font = CarattereDivisione();
    picture2_->setGeometry(Margine + 12, PassoAlto + 22, 190, 40);

    auto etichetta = [this](const char* nome, const QString& testo, int alto) {
        auto* l = new QLabel(testo, this);
        l->setObjectName(QLatin1String(nome));
        l->setGeometry(222, alto, 80, 26);
        return l;
    };
    auto casella = [this](const char* nome, int alto) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QLatin1String(nome));
        t->setAlignment(Qt::AlignCenter);
        t->setGeometry(302, alto, 94, 26);
        return t;
    };
    label1_ = etichetta("Label1", QStringLiteral("Quoziente"), PassoAlto + 14);
    txtQuoziente_ = casella("TxtQuoziente", PassoAlto + 14);
    label2_ = etichetta("Label2", QStringLiteral("Resto"), PassoAlto + 46);
    txtResto_ = casella("TxtResto", PassoAlto + 46);

    auto bottone = [this](const char* nome, const QString& testo, int sinistra) {
        auto* b = new QPushButton(testo, this);
        b->setObjectName(QLatin1String(nome));
        b->setGeometry(sinistra, BottoniAlto, BottoneLargo, BottoneAlto);
        return b;
    };
    const int passo = (Larghezza - 2 * Margine - BottoneLargo) / 2;
    cmdAvanti_ = bottone("CmdAvanti", QStringLiteral("Avanti"), Margine);
    cmdControlla_ = bottone("CmdControlla", QStringLiteral("Controlla"), Margine + passo);
    cmdAnnulla_ = bottone("CmdAnnulla", QStringLiteral("Annulla"), Margine + 2 * passo);
    connect(cmdAvanti_, &QPushButton::clicked, this, &FrmValoreDecimale::CmdAvanti_Click);
    connect(cmdControlla_, &QPushButton::clicked, this, &FrmValoreDecimale::CmdControlla_Click);
    connect(cmdAnnulla_, &QPushButton::clicked, this, &FrmValoreDecimale::CmdAnnulla_Click);
    setTabOrder(txtQuoziente_, txtResto_);
    setTabOrder(txtResto_, cmdAvanti_);
    setTabOrder(cmdAvanti_, cmdControlla_);
    setTabOrder(cmdControlla_, cmdAnnulla_);

    // Painted in the window's colour, which they take from it.
    for (QWidget* w : {static_cast<QWidget*>(label1_), static_cast<QWidget*>(label2_), scorrimento_->viewport()})
        w->setAutoFillBackground(true);
    ImpostaSfondo(ColoreSfondoServizio());
    txtQuoziente_->setFocus();
}

void FrmValoreDecimale::ImpostaSfondo(const QColor& colore)
{
    FinestraServizio::ImpostaSfondo(colore);
    picture1_->BackColor = colore;
    picture2_->BackColor = colore;
    DisegnaRiga();
    DisegnaDivisione();
}

void FrmValoreDecimale::DisegnaRiga()
{
    const QString& riga = divisione_.RigaDivisione();
    picture1_->ImpostaScala(Tela::Scala::Twip);
    const int serve = TwipInPixel(2 * TestoX + picture1_->LarghezzaTesto(riga));
    picture1_->resize(std::max(serve, scorrimento_->viewport()->width()), AltezzaRiga);
    picture1_->Pulisci();
    picture1_->ForeColor = QBColor(0);
    picture1_->CurrentX = TestoX;
    picture1_->CurrentY = AltoCentrato(*picture1_, AltezzaRiga);
    picture1_->Stampa(riga);
    scorrimento_->horizontalScrollBar()->setValue(scorrimento_->horizontalScrollBar()->maximum());
}

void FrmValoreDecimale::DisegnaDivisione()
{
    picture2_->Pulisci();
    picture2_->CurrentX = TestoX;
    picture2_->CurrentY = AltoCentrato(*picture2_, picture2_->height());
    // Before the first step the fraction itself is the division; then the
    // new dividend (the remainder times ten) stands out in light red.
    picture2_->ForeColor = divisione_.Avviata() ? QBColor(LightRed) : QBColor(0);
    picture2_->Stampa(CStr(divisione_.Dividendo()));
    picture2_->ForeColor = QBColor(0);
    picture2_->Stampa(divisione_.Divisore());
}

void FrmValoreDecimale::CmdAvanti_Click()
{
    if (const auto avviso = divisione_.AvvisoFinita()) {
        MostraEsito(*avviso);
        return;
    }
    const QString q = txtQuoziente_->text(), r = txtResto_->text();
    if (!ControllaIntero(q, QStringLiteral("Quoziente"))) {
        if (txtQuoziente_->isEnabled()) txtQuoziente_->setFocus();
        return;
    }
    if (!divisione_.RestoEsatto(r) && !ControllaIntero(r, QStringLiteral("Resto"))) {
        if (txtQuoziente_->isEnabled()) txtResto_->setFocus();
        return;
    }
    const int32_t dividendo = divisione_.Dividendo();
    if (const auto errore = divisione_.Passo(q.toLongLong(), r.toLongLong())) {
        MostraEsito(*errore);
        // Back to the box that was wrong (the quotient is judged first),
        // its text selected, so that the pupil can type the number again.
        QLineEdit* sbagliato = q.toLongLong() != dividendo / divisione_.Denominatore() ? txtQuoziente_ : txtResto_;
        if (sbagliato->isEnabled()) RiportaFuoco(sbagliato);
        return;
    }
    txtQuoziente_->clear();
    txtResto_->clear();
    DisegnaRiga();
    DisegnaDivisione();
    if (divisione_.Finita()) {
        txtQuoziente_->setEnabled(false);
        txtResto_->setEnabled(false);
    }
    if (txtQuoziente_->isEnabled()) txtQuoziente_->setFocus();
}

void FrmValoreDecimale::CmdControlla_Click()
{
    MostraEsito(divisione_.Verdetto());
    if (txtQuoziente_->isEnabled()) txtQuoziente_->setFocus();
}
