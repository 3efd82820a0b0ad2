#include "commands/FrmCostruttori.h"
#include "commands/AggiungiFrazioni.h"
#include "commands/Comandi.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Modale.h"
#include "platform/Numeri.h"
#include "platform/Suono.h"
#include "platform/Superficie.h"
#include "platform/Unica.h"
#include "workspace/Fogli.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Primitive.h"
#include "workspace/Princ.h"
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

const QColor GrigioBarra{100, 100, 100};
const QColor Bianco{255, 255, 255};

// The 20 x 20 picture of an arrow button: a triangle pointing left or right.
QIcon Freccia(bool destra)
{
    QPixmap p(20, 20);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(Qt::black);
    const QPolygonF punta = destra ? QPolygonF({QPointF(6, 3), QPointF(16, 10), QPointF(6, 17)})
                                   : QPolygonF({QPointF(14, 3), QPointF(4, 10), QPointF(14, 17)});
    g.drawPolygon(punta);
    return QIcon(p);
}

QFont CarattereDidascalia()
{
    return CarattereConRiserva(QStringLiteral("Verdana"), 18);
}

// Neither OK nor Annulla answers Enter: no button is ever the default.
QPushButton* Bottone(const QString& nome, const QString& testo, QWidget* genitore)
{
    auto* b = new QPushButton(testo, genitore);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    return b;
}

// A frame with its minus button on the left and its plus button on the right.
QGroupBox* Cornice(const QString& nome, const QString& titolo, const QRect& dove, QPushButton*& meno,
                   QPushButton*& piu, const QString& nomeMeno, const QString& nomePiu, QWidget* genitore)
{
    auto* f = new QGroupBox(titolo, genitore);
    f->setObjectName(nome);
    f->setGeometry(RettangoloTwip(dove));
    f->setAutoFillBackground(true);
    const QSize b(TwipInPixel(612), TwipInPixel(372));
    const int y = f->height() - b.height() - 8;
    meno = Bottone(nomeMeno, QString(), f);
    meno->setIcon(Freccia(false));
    meno->setIconSize(QSize(20, 20));
    meno->setGeometry(QRect(QPoint(f->width() / 2 - b.width() - 6, y), b));
    piu = Bottone(nomePiu, QString(), f);
    piu->setIcon(Freccia(true));
    piu->setIconSize(QSize(20, 20));
    piu->setGeometry(QRect(QPoint(f->width() / 2 + 6, y), b));
    return f;
}

template <typename T> void Apri(QWidget* (*fuoco)(T*))
{
    if (FrmCostruttoreAperto()) return;
    T* dlg = Unica<T>::Istanza();
    RendiSempreSopra(dlg);
    if (QScreen* s = QGuiApplication::primaryScreen())
        PosizionaSulloSchermo(dlg, s->availableGeometry().center() - QPoint(dlg->width() / 2, dlg->height() / 2));
    fuoco(dlg)->setFocus();
    EseguiBox(*dlg);
    Unica<T>::Distruggi();
}
}

// ---------------------------------------------------------------------------

FrmCostruttore::FrmCostruttore(const QString& nome, const Disegno& d, QWidget* parent)
    : QDialog(parent, FlagDialogoFisso())
{
    setObjectName(nome);
    setWindowTitle(QStringLiteral("Aggiungi"));
    setFixedSize(TwipInPixel(d.larghezza), TwipInPixel(d.altezza));

    // The surface first, so every control lies above it.
    area_ = new Superficie(this);
    area_->setObjectName(QStringLiteral("Area"));
    area_->ImpostaScala(Tela::Scala::Pixel);
    area_->BackColor = palette().color(QPalette::Window);
    area_->Font = CarattereDidascalia();
    area_->setGeometry(rect());
    area_->Pulisci();

    frame1_ = Cornice(QStringLiteral("Frame1"), QStringLiteral(" Denominatore"), d.frame1, cmdDenumMeno_,
                      cmdDenumPiu_, QStringLiteral("CmdDenumMeno"), QStringLiteral("CmdDenumPiù"), this);
    frame2_ = Cornice(QStringLiteral("Frame2"), QStringLiteral(" Numeratore "), d.frame2, cmdNumMeno_,
                      cmdNumPiu_, QStringLiteral("CmdNumMeno"), QStringLiteral("CmdNumPiù"), this);
    QPalette rosso = frame2_->palette();
    rosso.setColor(QPalette::WindowText, QColor(255, 0, 0));
    frame2_->setPalette(rosso);
    for (QPushButton* b : {cmdNumMeno_, cmdNumPiu_}) b->setPalette(palette());

    cmdOk_ = Bottone(QStringLiteral("CmdOk"), QStringLiteral("OK"), this);
    cmdOk_->setGeometry(RettangoloTwip(d.ok));
    cmdAnnulla_ = Bottone(QStringLiteral("CmdAnnulla"), QStringLiteral("Annulla"), this);
    cmdAnnulla_->setGeometry(RettangoloTwip(d.annulla));

    connect(cmdNumPiu_, &QPushButton::clicked, this, &FrmCostruttore::CmdNumPiu_Click);
    connect(cmdNumMeno_, &QPushButton::clicked, this, &FrmCostruttore::CmdNumMeno_Click);
    connect(cmdDenumPiu_, &QPushButton::clicked, this, &FrmCostruttore::CmdDenumPiu_Click);
    connect(cmdDenumMeno_, &QPushButton::clicked, this, &FrmCostruttore::CmdDenumMeno_Click);
    connect(cmdOk_, &QPushButton::clicked, this, &FrmCostruttore::CmdOk_Click);
    connect(cmdAnnulla_, &QPushButton::clicked, this, &FrmCostruttore::CmdAnnulla_Click);
}

void FrmCostruttore::Premi(TastoCostruttore tasto)
{
    const StatoCostruttore::Esito e = stato_.Premi(tasto);
    if (e.clic) Suono::Riproduci(QStringLiteral("clic2.wav"));
    if (!e.ridisegna) return;
    if (tasto == TastoCostruttore::DenPiu || tasto == TastoCostruttore::DenMeno) DisegnaDopoDenominatore();
    else DisegnaDopoNumeratore();
}

void FrmCostruttore::CmdOk_Click()
{
    if (stato_.NumFraz() == 0) {
        accept();
        return;
    }
    if (AggiungiFrazioniAlFoglio(FoglioAttivo, stato_.NumFraz(), stato_.DenFraz())) accept();
}

void FrmCostruttore::StampaDidascalia(Tela& t, double x, double y) const
{
    const QString numeratore = QString::number(stato_.NumFraz());
    const QString resto = QLatin1Char('/') + QString::number(stato_.DenFraz());
    // The caption keeps its size while it fits beside the picture; longer
    // terms make it smaller rather than run past the window's edge.
    t.Font = CarattereDidascalia();
    const double spazio = t.LarghezzaScala() - x;
    while (t.Font.pointSizeF() > 8 && t.LarghezzaTesto(numeratore + resto) > spazio)
        t.Font.setPointSizeF(t.Font.pointSizeF() - 1);
    t.CurrentX = x;
    t.CurrentY = y;
    t.ForeColor = QBColor(ColoreCorrente);
    t.Stampa(numeratore);
    t.ForeColor = QBColor(0);
    t.Stampa(resto);
}

void FrmCostruttore::keyPressEvent(QKeyEvent* e)
{
    // Enter and Esc do nothing here: the pupil closes with OK or Annulla.
    switch (e->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        e->accept();
        return;
    default:
        QDialog::keyPressEvent(e);
    }
}

// ---------------------------------------------------------------------------

FrmFrazione1::FrmFrazione1(QWidget* parent)
    : FrmCostruttore(QStringLiteral("FrmFrazione1"),
                     {4695, 4290, QRect(285, 75, 1785, 825), QRect(2580, 75, 1785, 825), QRect(3465, 3840, 1170, 372),
                      QRect(3465, 3360, 1170, 372)},
                     parent)
{
    FrazMsuN(0, 1);
}

void FrmFrazione1::FrazMsuN(int16_t m, int16_t n)
{
    Superficie& t = *Area();
    t.Pulisci();
    const int x = Arrotonda32(W() / 2.0 - 40), y = Arrotonda32(H() / 2.0 + 30);
    DisegnaTorta(t, x, y, 100, m, n, ColoreCorrente, false, VarianteCostruttore());
    StampaDidascalia(t, W() / 2.0 + 70, H() / 2.0);
}

void FrmFrazione1::DisegnaDopoDenominatore() { FrazMsuN(stato_.NumFraz(), stato_.DenFraz()); }
void FrmFrazione1::DisegnaDopoNumeratore() { FrazMsuN(stato_.NumFraz(), stato_.DenFraz()); }

// ---------------------------------------------------------------------------

FrmFrazione2::FrmFrazione2(QWidget* parent)
    : FrmCostruttore(QStringLiteral("FrmFrazione2"),
                     {6540, 4080, QRect(4725, 120, 1695, 810), QRect(4725, 1065, 1695, 795),
                      QRect(4080, 3600, 1140, 372), QRect(5340, 3600, 1140, 372)},
                     parent)
{
    altezzaArea_ = Arrotonda16(H());
    picture1_ = new Superficie(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->ImpostaScala(Tela::Scala::Pixel);
    picture1_->BackColor = palette().color(QPalette::Window);
    picture1_->Font = Area()->Font;
    picture1_->setGeometry(RettangoloTwip(QRect(4800, 2280, 1560, 852)));
    picture1_->Pulisci();
    picture1_->lower();
    Area()->lower();
    // The grid of 0/1: one grey square as high as the grid may be.
    DisegnaQuadrettoFrazione2(*Area(), int16_t(altezzaArea_ - 30), 1, 1, 0, ColoreCorrente);
    Didascalia();
}

void FrmFrazione2::DisegnaGriglia()
{
    Superficie& t = *Area();
    t.Pulisci();
    const MisureGriglia m = CalcolaGriglia(stato_.DenFraz(), altezzaArea_ - 30);
    // Cells narrower than a pixel leave nothing to see.
    if (m.lato < 1) return;
    const int L = m.lato, destra = 10 + m.colonne * L, basso = 10 + m.righe * L;
    t.FillStyle = Tela::Pieno;
    t.FillColor = GrigioTorta;
    t.Rettangolo(10, 10, destra, basso, Bianco);
    t.FillStyle = Tela::Trasparente;
    for (int k = 1; k < m.righe; ++k) t.Linea(10, 10 + k * L, destra, 10 + k * L, Bianco);
    for (int k = 1; k < m.colonne; ++k) t.Linea(10 + k * L, 10, 10 + k * L, basso, Bianco);
}

void FrmFrazione2::ColoraCelle()
{
    const MisureGriglia m = CalcolaGriglia(stato_.DenFraz(), altezzaArea_ - 30);
    if (m.lato < 1) return;
    for (int a = 1; a <= m.righe; ++a)
        for (int b = 1; b <= m.colonne; ++b) {
            const bool colorata = (a - 1) * m.colonne + b <= stato_.NumFraz();
            DisegnaQuadrettoFrazione2(*Area(), m.lato, int16_t(a), int16_t(b), colorata ? 1 : 0, ColoreCorrente);
        }
}

void FrmFrazione2::DisegnaDopoDenominatore()
{
    DisegnaGriglia();
    Didascalia();
}

void FrmFrazione2::DisegnaDopoNumeratore()
{
    ColoraCelle();
    Didascalia();
}

void FrmFrazione2::Didascalia()
{
    picture1_->Pulisci();
    StampaDidascalia(*picture1_, 0, 0);
}

// ---------------------------------------------------------------------------

FrmFrazione3::FrmFrazione3(QWidget* parent)
    : FrmCostruttore(QStringLiteral("FrmFrazione3"),
                     {7035, 2175, QRect(255, 45, 1800, 825), QRect(2265, 45, 1800, 825), QRect(5625, 1770, 1380, 372),
                      QRect(4125, 1770, 1380, 372)},
                     parent)
{
    xFine_ = Arrotonda32(W() - 10.0);
    Area()->Rettangolo(XInizio, YAlto, xFine_, YBasso, GrigioBarra, true);
    StampaDidascalia(*Area(), 50, 100);
}

void FrmFrazione3::Disegna()
{
    Superficie& t = *Area();
    const int d = stato_.DenFraz(), n = stato_.NumFraz();
    const int s = PassoBarra(xFine_ - XInizio, d);
    t.Pulisci();
    t.Rettangolo(XInizio, YAlto, XInizio + d * s, YBasso, GrigioBarra, true);
    if (n > 0) t.Rettangolo(XInizio, YAlto, XInizio + n * s, YBasso, QBColor(ColoreCorrente), true);
    // Past the bar's length every mark falls on its left end: one is enough.
    const int segni = s > 0 ? d - 1 : std::min(d - 1, 1);
    for (int k = 1; k <= segni; ++k) t.Linea(XInizio + k * s, YAlto, XInizio + k * s, YBasso + 1, Bianco);
    StampaDidascalia(t, 50, 100);
}

// ---------------------------------------------------------------------------

FrmFrazione1* FrmFrazione1::CreaUnica(int) { return new FrmFrazione1(Unica<Princ>::SeEsiste()); }
FrmFrazione2* FrmFrazione2::CreaUnica(int) { return new FrmFrazione2(Unica<Princ>::SeEsiste()); }
FrmFrazione3* FrmFrazione3::CreaUnica(int) { return new FrmFrazione3(Unica<Princ>::SeEsiste()); }

FrmCostruttore* FrmCostruttoreAperto()
{
    if (FrmCostruttore* d = Unica<FrmFrazione1>::SeEsiste()) return d;
    if (FrmCostruttore* d = Unica<FrmFrazione2>::SeEsiste()) return d;
    return Unica<FrmFrazione3>::SeEsiste();
}

void AggiungiFrazioneTorta()
{
    Apri<FrmFrazione1>([](FrmFrazione1* d) -> QWidget* { return d->CmdOk(); });
}

void AggiungiFrazioneRettangolo()
{
    Apri<FrmFrazione2>([](FrmFrazione2* d) -> QWidget* { return d->CmdDenumPiu(); });
}

void AggiungiFrazioneLinea()
{
    Apri<FrmFrazione3>([](FrmFrazione3* d) -> QWidget* { return d->CmdDenumPiu(); });
}
