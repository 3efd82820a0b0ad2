#include "commands/FrmSeparaDue.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Suono.h"
#include "platform/Superficie.h"
#include "workspace/Fogli.h"
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

bool PassiSeparaDue::Piu()
{
    if (Parte1 <= Passo) return false;
    Parte1 = int16_t(Parte1 - Passo);
    Parte2 = int16_t(Parte2 + Passo);
    return true;
}

bool PassiSeparaDue::Meno()
{
    if (Parte2 <= Passo) return false;
    Parte2 = int16_t(Parte2 - Passo);
    Parte1 = int16_t(Parte1 + Passo);
    return true;
}

namespace {

QPointer<FrmSeparaDue> aperto;

// Design, in twips of the client area: the pies and their captions across
// the top, the controls in a row under them.
constexpr int LarghezzaCliente = 6480, AltezzaCliente = 3480;
constexpr int AltezzaDisegno = 2520;
constexpr int Raggio = 920, AltoTorte = 1020, AltoDidascalie = 2040;
constexpr int AltoCornici = 2520, AltezzaCornice = 840, LarghezzaCornice = 1620;
constexpr int AltoBottoni = 2760, LarghezzaBottone = 1140, AltezzaBottone = 375;

QString Testo(int m, int n) { return QString::number(m) + QLatin1Char('/') + QString::number(n); }

} // namespace

FrmSeparaDue::FrmSeparaDue(int16_t num, int16_t den, int16_t colore, int16_t posizione, QWidget* parent)
    : QDialog(parent, FlagDialogoFisso()),
      passi_(num), den_(den), colore_(colore), pos_(posizione)
{
    aperto = this;
    setObjectName(QStringLiteral("FrmSeparaDue"));
    setWindowTitle(QStringLiteral("Separa in due frazioni con ugual denominatore"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(TwipInPixel(LarghezzaCliente), TwipInPixel(AltezzaCliente));

    area_ = new Superficie(this);
    area_->setObjectName(QStringLiteral("Picture"));
    area_->setGeometry(RettangoloTwip(0, 0, LarghezzaCliente, AltezzaDisegno));
    area_->BackColor = palette().color(QPalette::Window);
    area_->ForeColor = QBColor(colore_);
    area_->Font = CarattereConRiserva(QStringLiteral("MS Sans Serif"), num > 999 || den > 999 ? 10 : 14);

    frame1_ = new QGroupBox(QStringLiteral("Sposta"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(RettangoloTwip(240, AltoCornici, LarghezzaCornice, AltezzaCornice));
    auto freccia = [this](const char* nome, Qt::ArrowType verso, int sinistra) {
        auto* b = new QToolButton(frame1_);
        b->setObjectName(QString::fromUtf8(nome));
        b->setArrowType(verso);
        b->setGeometry(RettangoloTwip(sinistra, 330, 600, AltezzaBottone));
        return b;
    };
    cmdMeno_ = freccia("CmdMeno", Qt::LeftArrow, 150);
    cmdPiu_ = freccia("CmdPiù", Qt::RightArrow, 870);
    connect(cmdMeno_, &QToolButton::clicked, this, &FrmSeparaDue::CmdMeno_Click);
    connect(cmdPiu_, &QToolButton::clicked, this, &FrmSeparaDue::CmdPiu_Click);

    frame2_ = new QGroupBox(this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    frame2_->setGeometry(RettangoloTwip(240 + LarghezzaCornice + 180, AltoCornici, LarghezzaCornice, AltezzaCornice));
    auto opzione = [this](const char* nome, const QString& testo, int sinistra) {
        auto* o = new QRadioButton(testo, frame2_);
        o->setObjectName(QLatin1String(nome));
        o->setGeometry(RettangoloTwip(sinistra, 330, 660, AltezzaBottone));
        return o;
    };
    option1_ = opzione("Option1", QStringLiteral("1"), 180);
    option2_ = opzione("Option2", QStringLiteral("10"), 900);
    option1_->setChecked(true);
    connect(option1_, &QRadioButton::clicked, this, &FrmSeparaDue::Option1_Click);
    connect(option2_, &QRadioButton::clicked, this, &FrmSeparaDue::Option2_Click);

    auto bottone = [this](const char* nome, const QString& testo, int sinistra) {
        auto* b = new QPushButton(testo, this);
        b->setObjectName(QLatin1String(nome));
        b->setAutoDefault(false);
        b->setGeometry(RettangoloTwip(sinistra, AltoBottoni, LarghezzaBottone, AltezzaBottone));
        return b;
    };
    cmdAnnulla_ = bottone("CmdAnnulla", QStringLiteral("Annulla"), LarghezzaCliente - 240 - LarghezzaBottone);
    cmdOk_ = bottone("CmdOk", QStringLiteral("OK"), LarghezzaCliente - 240 - 2 * LarghezzaBottone - 120);
    cmdOk_->setDefault(true);
    connect(cmdOk_, &QPushButton::clicked, this, &FrmSeparaDue::CmdOk_Click);
    connect(cmdAnnulla_, &QPushButton::clicked, this, &FrmSeparaDue::CmdAnnulla_Click);

    Disegna();
}

void FrmSeparaDue::FrazMsuN(int16_t m, int16_t n, int X, int Y)
{
    DisegnaTorta(*area_, X, Y, Raggio, m, n, colore_, false, VarianteSeparaDue());
}

void FrmSeparaDue::Disegna()
{
    area_->Pulisci();
    FrazMsuN(passi_.NumFraz, den_, 1020, AltoTorte);
    FrazMsuN(passi_.Parte1, den_, 3180, AltoTorte);
    FrazMsuN(passi_.Parte2, den_, 5340, AltoTorte);
    auto stampa = [this](int x, int y, const QString& testo) {
        area_->CurrentX = x;
        area_->CurrentY = y;
        area_->Stampa(testo);
    };
    stampa(2016, 840, QStringLiteral("="));
    stampa(4176, 840, QStringLiteral("+"));
    stampa(240, AltoDidascalie, Testo(passi_.NumFraz, den_));
    stampa(2400, AltoDidascalie, Testo(passi_.Parte1, den_));
    stampa(4560, AltoDidascalie, Testo(passi_.Parte2, den_));
}

void FrmSeparaDue::CmdPiu_Click()
{
    if (!passi_.Piu()) return;
    Suono::Riproduci(QStringLiteral("clic2.wav"));
    Disegna();
}

void FrmSeparaDue::CmdMeno_Click()
{
    if (!passi_.Meno()) return;
    Suono::Riproduci(QStringLiteral("clic2.wav"));
    Disegna();
}

void FrmSeparaDue::Option1_Click() { passi_.Passo = 1; }
void FrmSeparaDue::Option2_Click() { passi_.Passo = 10; }
void FrmSeparaDue::CmdOk_Click() { accept(); }
void FrmSeparaDue::CmdAnnulla_Click() { reject(); }

FrmSeparaDue* FrmSeparaDueAperto() { return aperto; }
