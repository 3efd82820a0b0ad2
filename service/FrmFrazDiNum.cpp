#include "service/FrmFrazDiNum.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Numeri.h"
#include "platform/Superficie.h"
#include "workspace/Aritmetica.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Primitive.h"
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {
const QString Titolo = QStringLiteral("Frazione di un numero");
// The strip across the top (twips) and the room the window opens with.
constexpr int LarghezzaStriscia = 4344, AltezzaStriscia = 530;
constexpr int AltezzaIniziale = 300;   // pixels of drawing area

QFont Carattere(double punti, bool grassetto = false)
{
    return CarattereConRiserva(QStringLiteral("MS Sans Serif"), punti, grassetto);
}
}   // namespace

FrmFrazDiNum::FrmFrazDiNum(const QString& numero, QWidget* parent)
    : FinestraServizio(QStringLiteral("FrmFrazDiNum"), &AltoFrazDiNum, &SinistraFrazDiNum, 8, parent)
{
    setWindowTitle(QStringLiteral("Frazione di un numero intero"));
    numeratore_ = FrazioniFinestre[8][1];
    denominatore_ = FrazioniFinestre[8][2];
    colore_ = FrazioniFinestre[8][4];

    area_ = new Superficie(this);
    area_->setObjectName(QStringLiteral("AreaFrazDiNum"));
    area_->ImpostaScala(Tela::Scala::Pixel);
    area_->Font = Carattere(12);

    picture1_ = new QWidget(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setAutoFillBackground(true);
    picture1_->setGeometry(0, 0, TwipInPixel(LarghezzaStriscia), TwipInPixel(AltezzaStriscia));

    label1_ = new QLabel(picture1_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setFont(Carattere(12, true));
    label1_->setText(CStr(numeratore_) + QLatin1Char('/') + CStr(denominatore_));
    QPalette pl = label1_->palette();
    pl.setColor(QPalette::WindowText, QBColor(colore_));
    label1_->setPalette(pl);
    label1_->adjustSize();

    label2_ = new QLabel(QStringLiteral("di"), picture1_);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setFont(Carattere(12, true));
    label2_->adjustSize();

    text1_ = new QLineEdit(picture1_);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setText(numero);
    text1_->setCursorPosition(int(numero.size()));
    text1_->setFont(Carattere(10));
    cmdOk_ = new QPushButton(QStringLiteral("OK"), picture1_);
    cmdOk_->setObjectName(QStringLiteral("CmdOk"));
    cmdOk_->setFont(Carattere(10));

    // The strip follows the width of the fraction's caption (twips).
    const int alto = TwipInPixel(AltezzaStriscia);
    const double larghezza1 = PixelInTwip(label1_->width());
    const double sinistra2 = larghezza1 + 200, sinistra3 = sinistra2 + 350, sinistraOk = sinistra3 + 750;
    label1_->move(0, (alto - label1_->height()) / 2);
    label2_->move(TwipInPixel(sinistra2), (alto - label2_->height()) / 2);
    text1_->setGeometry(TwipInPixel(sinistra3), 5, TwipInPixel(700), alto - 10);
    cmdOk_->setGeometry(TwipInPixel(sinistraOk), 4, TwipInPixel(600), alto - 8);
    picture1_->resize(std::max(picture1_->width(), cmdOk_->geometry().right() + 6), alto);

    connect(cmdOk_, &QPushButton::clicked, this, [this] { CmdOk_Click(); });
    connect(text1_, &QLineEdit::returnPressed, this, [this] { CmdOk_Click(); });

    const int larghezza = std::max(picture1_->width(), 340);
    resize(larghezza, AltezzaIniziale);
    area_->setGeometry(0, 0, larghezza, AltezzaIniziale);
    // The drawing area is cleared in the service colour too, or the window
    // would open white below its strip until the first OK.
    const QColor sfondo = ColoreSfondoServizio();
    ImpostaSfondo(sfondo);
    area_->BackColor = sfondo;
    area_->Pulisci();
}

void FrmFrazDiNum::resizeEvent(QResizeEvent* e)
{
    FinestraServizio::resizeEvent(e);
    area_->setGeometry(rect());
}

int FrmFrazDiNum::Lato(int altezza, int q, int b)
{
    const int h = altezza - 80;
    const int m = std::max(q, b);
    if (h <= 0 || m <= 0) return 0;
    return std::max(0, Arrotonda32(double(h) / m));
}

void FrmFrazDiNum::CmdOk_Click()
{
    // The background of the moment, used only by a drawing that goes ahead:
    // a refused number leaves the picture exactly as it was.
    const QColor sfondo = ColoreSfondoServizio();
    if (!ControllaIntero(text1_->text(), Titolo)) {
        text1_->setFocus();
        return;
    }
    const int16_t N = int16_t(text1_->text().trimmed().toInt());
    numeroIntero_ = N;
    if (N % denominatore_ != 0) {
        MostraMessaggio(QStringLiteral("Devi immettere un multiplo del denominatore"), 3, Titolo);
        text1_->setFocus();
        return;
    }
    ImpostaSfondo(sfondo);
    area_->BackColor = sfondo;
    const int q = N / denominatore_;
    area_->Pulisci();
    const int L = Lato(area_->height(), q, denominatore_);

    area_->CurrentX = 20;
    area_->CurrentY = 0;
    area_->ForeColor = QBColor(colore_);
    area_->Stampa(CStr(numeratore_) + QLatin1Char('/') + CStr(denominatore_));
    area_->ForeColor = QBColor(0);
    area_->Stampa(QStringLiteral(" di ") + CStr(N));

    if (L > 0)
        for (int i = 1; i <= denominatore_; ++i)
            for (int j = 1; j <= q; ++j)
                DisegnaCerchiettoFrazDiNum(*area_, int16_t(L), int16_t(i), int16_t(j), i <= numeratore_ ? 1 : 0, colore_);

    area_->CurrentX = double(q) * L + 10;
    area_->CurrentY = double(numeratore_) * L / 2 + 44;
    area_->ForeColor = QBColor(colore_);
    area_->Stampa(CStr(q * numeratore_));
}

QImage FrmFrazDiNum::Istantanea() { return area_->Immagine(); }

void FrmFrazDiNum::closeEvent(QCloseEvent* e)
{
    UltimoNumeroFrazDiNum = text1_->text();
    FinestraServizio::closeEvent(e);
}

void ApriFrmFrazDiNum()
{
    FrmFrazDiNum* w = ApriFresca<FrmFrazDiNum>(UltimoNumeroFrazDiNum);
    w->Text1()->setFocus();
}
