#include "workspace/Fogli.h"
#include "workspace/Attivazione.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "workspace/Aritmetica.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Opzioni.h"
#include "workspace/Princ.h"
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScrollBar>
#include <QShowEvent>
#include <algorithm>
#include <cmath>

namespace {

const QColor ColoreTesto{0, 0, 128};
const QColor Bianco{255, 255, 255};


int16_t& Raggio(uint8_t s) { return s == 1 ? RaggioFoglioA : RaggioFoglioB; }
int16_t& Colonne(uint8_t s) { return s == 1 ? ColonneFoglioA : ColonneFoglioB; }
int32_t& Scostamento(uint8_t s) { return s == 1 ? ScostamentoFoglioA : ScostamentoFoglioB; }
// Clears the selection marks of the fractions of sheet s.
void Deseleziona(uint8_t s)
{
    const int n = FrazioniSulFoglio(s);
    for (int i = 1; i <= n; ++i) Frazioni[IndiceFoglio(s)][i][CampoSel] = 0;
}

QFont FontFoglio(double punti)
{
    return CarattereConRiserva(QStringLiteral("MS Sans Serif"), punti);
}

}   // namespace

VarianteTorta VarianteFoglio() { return {GrigioTorta, 0.004, true}; }
VarianteTorta VarianteSeparaDue() { return {QBColor(8), 0.002, false}; }
VarianteTorta VarianteCostruttore() { return {QBColor(8), -1.0, false}; }

void DisegnaTorta(Tela& t, int x, int y, int R, int num, int den, int colore, bool valori, const VarianteTorta& v)
{
    if (den == 1) {
        t.FillStyle = Tela::Pieno;
        t.FillColor = (v.unoSempreColorato || num > 0) ? QBColor(colore) : v.grigio;
        t.Cerchio(x, y, R, QBColor(15));
        if (valori) {
            t.CurrentX = x - R;
            t.CurrentY = y + R;
            t.Stampa(QStringLiteral("1/1"));
        }
        return;
    }
    t.FillStyle = Tela::Pieno;
    t.FillColor = v.grigio;
    t.Cerchio(x, y, R, QBColor(15));

    // A zero denominator (only from a damaged file) counts as nothing coloured.
    const double q = den == 0 ? 0.0 : double(num) / double(den);
    if (v.soglia >= 0 && q <= v.soglia) {
        t.Linea(x, y, x + R, y, QBColor(15));
    } else if (q > 0) {
        t.FillColor = QBColor(colore);
        t.Cerchio(x, y, R, QBColor(15), -2 * PiGreco, -2 * PiGreco * q);
    }

    if (den <= 64) {
        // One white radius at each unit fraction: the radius alone, the rim
        // is already there.
        t.FillStyle = Tela::Trasparente;
        for (int k = 1; k <= den; ++k) t.Raggio(x, y, R, 2 * PiGreco * k / den, QBColor(15));
    }

    if (valori) {
        t.CurrentX = x - R;
        t.CurrentY = y + R;
        t.Stampa(QString::number(num) + QLatin1Char('/') + QString::number(den));
    }
}

namespace {

void DisegnaRiquadro(Tela& t, const GeometriaFoglio& g, int i, const QColor& colore)
{
    const QPoint c = g.Centro(i);
    t.FillStyle = Tela::Trasparente;
    t.Rettangolo(c.x() - g.R, c.y() - g.R, c.x() + g.R, c.y() + g.R, colore);
}

QString TestoFattori(int16_t num, int16_t den)
{
    return QStringLiteral(" (") + ScomponiInFattori(num) + QStringLiteral(") / (") + ScomponiInFattori(den) +
           QStringLiteral(") ");
}

QPixmap NuovaIcona()
{
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    return p;
}

} // namespace

// ---------------------------------------------------------------------------
// Geometry

GeometriaFoglio GeometriaDelFoglio(uint8_t s)
{
    GeometriaFoglio g;
    g.R = Raggio(s);
    g.G = DistanzaTorte;
    g.C = Colonne(s);
    g.S = Scostamento(s);
    return g;
}



QColor ColoreSfondoFoglio(uint8_t s)
{
    if (OpzioneFogliBianchi()) return Bianco;
    return s == 1 ? TintaFoglioA : TintaFoglioB;
}

void ApplicaSfondoFoglio(uint8_t s)
{
    if (FrmFoglio* f = Fogli::SeEsiste(s)) f->Area()->BackColor = ColoreSfondoFoglio(s);
}

// ---------------------------------------------------------------------------
// Icons of the lowest-terms image

QPixmap IconaRidotta()
{
    QPixmap p = NuovaIcona();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0, 150, 60));
    g.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QPen penna(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    g.setPen(penna);
    g.setBrush(Qt::NoBrush);
    QPainterPath spunta;
    spunta.moveTo(4.2, 8.3);
    spunta.lineTo(7.0, 11.0);
    spunta.lineTo(11.8, 5.2);
    g.drawPath(spunta);
    return p;
}

QPixmap IconaNonRidotta()
{
    QPixmap p = NuovaIcona();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(240, 130, 0));
    g.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    // A division sign: the terms still have a common divisor.
    g.setBrush(Qt::white);
    g.drawRoundedRect(QRectF(3.5, 7.0, 9.0, 2.0), 1, 1);
    g.drawEllipse(QRectF(6.7, 3.2, 2.6, 2.6));
    g.drawEllipse(QRectF(6.7, 10.2, 2.6, 2.6));
    return p;
}

// ---------------------------------------------------------------------------
// Module procedures

void DisegnaTortaFoglio(uint8_t s, int i)
{
    const GeometriaFoglio g = GeometriaDelFoglio(s);
    const int n = FrazioniSulFoglio(s);
    if (g.C <= 0 || n == 0 || i < 1 || i > n) return;
    const int16_t* r = Frazioni[IndiceFoglio(s)][i];
    const QPoint c = g.Centro(i);
    DisegnaTorta(*Fogli::Istanza(s)->Area(), c.x(), c.y(), g.R, r[CampoNum], r[CampoDen], r[CampoColore],
                 OpzioneMostraValori());
}

void RidisegnaFoglio(uint8_t s)
{
    FrmFoglio* f = Fogli::Istanza(s);
    // The white-sheets option takes effect at the next redraw, whether the
    // sheet is open or not.
    f->Area()->BackColor = ColoreSfondoFoglio(s);
    f->Area()->Pulisci();
    const int n = FrazioniSulFoglio(s);
    for (int i = 1; i <= n; ++i) DisegnaTortaFoglio(s, i);
    f->LabelServizio()->hide();
    AggiornaSommaFoglio(s);
}

void EvidenziaSelezionate(uint8_t s)
{
    const GeometriaFoglio g = GeometriaDelFoglio(s);
    if (g.C <= 0) return;
    Tela& t = *Fogli::Istanza(s)->Area();
    const int n = FrazioniSulFoglio(s);
    for (int i = 1; i <= n; ++i)
        if (Frazioni[IndiceFoglio(s)][i][CampoSel] == 1) DisegnaRiquadro(t, g, i, QBColor(1));
}

void AggiornaScorrimento(uint8_t s)
{
    FrmFoglio* f = Fogli::Istanza(s);
    const GeometriaFoglio g = GeometriaDelFoglio(s);
    const int K = CalcolaCapienza(f->AltezzaEsterna(), g.R, g.G, g.C);
    if (FrazioniSulFoglio(s) <= K) {
        f->VScroll1()->setValue(0);
        f->VScroll1()->setEnabled(false);
    } else {
        f->VScroll1()->setEnabled(true);
    }
    f->ImpostaMassimoScorrimento();
}

void AggiornaSommaFoglio(uint8_t s)
{
    Princ* p = Unica<Princ>::SeEsiste();
    if (!p) return;
    QLabel* etichetta = s == 1 ? p->LblSommaFoglioA() : p->LblSommaFoglioB();
    QLabel* immagine = s == 1 ? p->ImgRiducibilita() : p->ImgRiducibilita1();
    if (!etichetta || !immagine) return;
    auto scrivi = [&](const QString& testo) {
        etichetta->setText(testo);
        etichetta->adjustSize();
    };

    const int n = FrazioniSulFoglio(s);
    const auto& r = Frazioni[IndiceFoglio(s)];
    if (n == 0) {
        scrivi(QStringLiteral("  0  "));
        immagine->hide();
        return;
    }
    for (int i = 1; i < n; ++i) {
        if (r[i][CampoDen] != r[i + 1][CampoDen]) {
            scrivi(QStringLiteral("  ?  "));
            immagine->hide();
            return;
        }
    }
    int32_t somma = 0;
    for (int i = 1; i <= n; ++i) somma += r[i][CampoNum];
    const int32_t d = r[1][CampoDen];
    if (d == 1) scrivi(QLatin1Char(' ') + QString::number(somma) + QLatin1Char(' '));
    else scrivi(QLatin1Char(' ') + QString::number(somma) + QLatin1Char('/') + QString::number(d) + QLatin1Char(' '));

    // A zero or negative sum or denominator is never "in lowest terms" (and
    // never reaches the division of Euclid's algorithm).
    const bool ridotta = somma > 0 && d > 0 && CalcolaMCDLungo(somma, d) == 1;
    const QPixmap icona = ridotta ? IconaRidotta() : IconaNonRidotta();
    immagine->setPixmap(icona);
    immagine->resize(icona.size());
    immagine->setToolTip(ridotta ? QStringLiteral("La frazione è ridotta ai minimi termini ")
                                 : QStringLiteral("La frazione non è ridotta ai minimi termini "));
    immagine->move(etichetta->x() + etichetta->width() + TwipInPixel(30), immagine->y());
    immagine->show();
}

void DisegnaTortaImmagine(int16_t num, int16_t den, int16_t colore)
{
    const int R = Raggio(FoglioAttivo);
    const int G = DistanzaTorte;
    SuperficieNascosta& p = FrmRitagliaImmagine().Picture1;
    p.BackColor = ColoreSfondoFoglio(FoglioAttivo);
    p.RidimensionaTela(QSize(TwipInPixel(2 * R + 150), TwipInPixel(2 * R + 150 + 2 * G)));
    p.Pulisci();
    DisegnaTorta(p, R + 50, R + 50, R, num, den, colore, OpzioneMostraValori());
}

// ---------------------------------------------------------------------------
// The windows

FrmFoglio* Fogli::SeEsiste(uint8_t s)
{
    return IndiceFoglio(s) == FoglioA ? Unica<FrmFoglio, FoglioA>::SeEsiste() : Unica<FrmFoglio, FoglioB>::SeEsiste();
}
bool FoglioCaricato(uint8_t s) { return Fogli::SeEsiste(s) != nullptr; }

bool FoglioVisibile(uint8_t s)
{
    FrmFoglio* f = Fogli::SeEsiste(s);
    return f && !f->isHidden();
}

FrmFoglio* Fogli::Istanza(uint8_t s)
{
    return IndiceFoglio(s) == FoglioA ? Unica<FrmFoglio, FoglioA>::Istanza() : Unica<FrmFoglio, FoglioB>::Istanza();
}

FrmFoglio* FrmFoglio::CreaUnica(int n)
{
    auto* f = new FrmFoglio(uint8_t(n));
    AggiungiDocumento(f, n);
    return f;
}

void MostraFoglio(uint8_t s)
{
    FrmFoglio* f = Fogli::Istanza(s);
    // Showing a hidden sheet activates it again.
    if (f->isHidden()) DimenticaAttivo(f);
    f->show();
    if (Princ* p = Unica<Princ>::SeEsiste()) p->AreaMdi()->setActiveSubWindow(f);
    // While the main window is not on the screen yet the area activates
    // nothing: the sheet is the active window all the same.
    AttivaDocumento(f);
}

void NascondiFoglio(uint8_t s)
{
    FrmFoglio* f = Fogli::SeEsiste(s);
    if (!f) return;
    if (DocumentoAttivo() == f) {
        f->Form_Deactivate();
        DimenticaAttivo(f);
    }
    f->hide();
}

void ChiudiFoglio(uint8_t s)
{
    if (FrmFoglio* f = Fogli::SeEsiste(s)) f->close();
}

// The client area: the persistent drawing that receives the mouse.
class FrmFoglio::AreaFoglio : public Superficie {
public:
    AreaFoglio(FrmFoglio* finestra) : Superficie(nullptr), finestra_(finestra)
    {
        setObjectName(QStringLiteral("AreaFoglio"));
        setMouseTracking(true);
        ImpostaScala(Scala::Twip);
    }

protected:
    void mouseMoveEvent(QMouseEvent* e) override
    {
        finestra_->Form_MouseMove(e->buttons(), PixelInTwip(1) * e->position().x(),
                                  PixelInTwip(1) * e->position().y());
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        finestra_->Form_MouseDown(e->button(), e->modifiers(), PixelInTwip(1) * e->position().x(),
                                  PixelInTwip(1) * e->position().y());
    }
    void resizeEvent(QResizeEvent* e) override
    {
        Superficie::resizeEvent(e);
        finestra_->Form_Resize();
    }

private:
    FrmFoglio* finestra_;
};

FrmFoglio::FrmFoglio(uint8_t s, QWidget* parent) : QMdiSubWindow(parent), s_(s == 1 ? 1 : 2)
{
    setObjectName(s_ == 1 ? QStringLiteral("Form1") : QStringLiteral("Form2"));
    setWindowTitle(s_ == 1 ? QStringLiteral("Foglio di calcolo A") : QStringLiteral("Foglio di calcolo B"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    area_ = new AreaFoglio(this);
    area_->BackColor = ColoreSfondoFoglio(s_);
    area_->ForeColor = ColoreTesto;
    area_->Font = FontFoglio(12);
    area_->Pulisci();
    setWidget(area_);

    vscroll_ = new QScrollBar(Qt::Vertical, area_);
    vscroll_->setObjectName(QStringLiteral("VScroll1"));
    vscroll_->setRange(0, 0);
    vscroll_->setSingleStep(200);
    vscroll_->setPageStep(300);
    vscroll_->setEnabled(false);
    connect(vscroll_, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });

    label_ = new QLabel(area_);
    label_->setObjectName(QStringLiteral("LabelServizio"));
    label_->setAutoFillBackground(true);
    QPalette pal = label_->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Active, QPalette::HighlightedText));
    label_->setPalette(pal);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->hide();
}

FrmFoglio::~FrmFoglio() = default;

Superficie* FrmFoglio::Area() const { return area_; }

int FrmFoglio::LarghezzaEsterna() const { return int(PixelInTwip(width())); }
int FrmFoglio::AltezzaEsterna() const { return int(PixelInTwip(height())); }
int FrmFoglio::LarghezzaInterna() const { return int(PixelInTwip(area_->width())); }
int FrmFoglio::AltezzaInterna() const { return int(PixelInTwip(area_->height())); }

void FrmFoglio::ImpostaMassimoScorrimento()
{
    const GeometriaFoglio g = GeometriaDelFoglio(s_);
    const int n = FrazioniSulFoglio(s_);
    const int righe = g.C > 0 ? (n + g.C - 1) / g.C : 0;
    const int contenuto = righe * 2 * (g.R + g.G) + 100;
    vscroll_->setMaximum(std::max(0, contenuto - AltezzaInterna()));
    vscroll_->setPageStep(std::max(300, 2 * (g.R + g.G)));
}

void FrmFoglio::Form_Activate()
{
    FrazioneAncora = 0;
    const uint8_t altro = s_ == 1 ? 2 : 1;
    Deseleziona(altro);
    Princ* p = Unica<Princ>::SeEsiste();
    if (p && p->Toolbar2Premuto(altro)) RidisegnaFoglio(altro);
    FoglioAttivo = s_;
    if (p) p->ImpostaPannello(2, s_ == FoglioA ? QStringLiteral("Foglio: A   ") : QStringLiteral("Foglio: B   "));
}

void FrmFoglio::Form_Deactivate() { label_->hide(); }

void FrmFoglio::Form_Resize()
{
    vscroll_->setGeometry(area_->width() - vscroll_->sizeHint().width(), 0, vscroll_->sizeHint().width(),
                          area_->height());
    Colonne(s_) = CalcolaColonne(LarghezzaEsterna(), Raggio(s_));
    vscroll_->setValue(0);
    Scostamento(s_) = 0;
    AggiornaScorrimento(s_);
    RidisegnaFoglio(s_);
    EvidenziaSelezionate(s_);
}

void FrmFoglio::Form_MouseMove(Qt::MouseButtons bottoni, double X, double Y)
{
    const GeometriaFoglio g = GeometriaDelFoglio(s_);
    if (g.C <= 0) {
        FrazioneSotto = 0;
        return;
    }
    const int n = FrazioniSulFoglio(s_);
    const int i = g.Colpita(n, X, Y);
    if (i == 0) {
        if (n > 0) {
            FrazioneSotto = 0;
            label_->hide();
        }
        return;
    }

    const int16_t num = Frazioni[s_][i][CampoNum], den = Frazioni[s_][i][CampoDen];
    // With other buttons held the label keeps its text and follows the pointer.
    QString testo = label_->text();
    int sinistra = int(X) + 100;
    if (bottoni == Qt::NoButton) {
        testo = QLatin1Char(' ') + QString::number(num) + QLatin1Char('/') + QString::number(den) + QLatin1Char(' ');
    } else if (bottoni == Qt::RightButton) {
        sinistra = int(X) - 600;
        testo = TestoFattori(num, den);
    }
    MostraEtichetta(testo, sinistra, Y + 200);
    FrazioneSotto = int16_t(i);
}

void FrmFoglio::MostraEtichetta(const QString& testo, double X, double Y)
{
    label_->setText(testo);
    label_->adjustSize();
    label_->move(TwipInPixel(X), TwipInPixel(Y));
    label_->raise();
    label_->show();
}

void FrmFoglio::Form_MouseDown(Qt::MouseButton bottone, Qt::KeyboardModifiers tasti, double X, double Y)
{
    const int n = FrazioniSulFoglio(s_);
    if (n == 0) return;
    const GeometriaFoglio g = GeometriaDelFoglio(s_);
    // The pie under the press itself: the last hover may be stale after a
    // keyboard command, a scroll or a redraw.
    const int i = g.Colpita(n, X, Y);
    FrazioneSotto = int16_t(i);
    auto& r = Frazioni[s_];
    const Qt::KeyboardModifiers stato = tasti & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);

    if (bottone == Qt::RightButton) {
        if (i >= 1) {
            MostraEtichetta(TestoFattori(r[i][CampoNum], r[i][CampoDen]), X - 600, Y + 200);
        } else {
            label_->hide();
        }
        return;
    }
    if (bottone != Qt::LeftButton) return;

    if (stato == Qt::NoModifier) {
        if (i == 0) {
            Deseleziona(s_);
            RidisegnaFoglio(s_);
        } else {
            RidisegnaFoglio(s_);
            DisegnaRiquadro(*area_, g, i, QBColor(1));
            Deseleziona(s_);
            r[i][CampoSel] = 1;
            FrazioneAncora = int16_t(i);
        }
    } else if (stato == Qt::ShiftModifier) {
        if (i == 0) return;
        const int ancora = std::clamp<int>(FrazioneAncora, 1, n);
        for (int k = std::min(ancora, i); k <= std::max(ancora, i); ++k) r[k][CampoSel] = 1;
        FrazioneAncora = int16_t(i);
        EvidenziaSelezionate(s_);
    } else if (stato == Qt::ControlModifier) {
        if (i == 0) return;
        if (r[i][CampoSel] == 1) {
            DisegnaRiquadro(*area_, g, i, area_->BackColor);
            r[i][CampoSel] = 0;
        } else {
            DisegnaRiquadro(*area_, g, i, QBColor(1));
            r[i][CampoSel] = 1;
            FrazioneAncora = int16_t(i);
        }
    }
}

void FrmFoglio::VScroll1_Change()
{
    Scostamento(s_) = -vscroll_->value();
    RidisegnaFoglio(s_);
    EvidenziaSelezionate(s_);
}

void FrmFoglio::hideEvent(QHideEvent* e)
{
    // Hidden on purpose (not because the main window was): showing the
    // sheet again is a new activation.
    if (isHidden()) {
        nascostoApposta_ = true;
        if (DocumentoAttivo() == this) {
            DimenticaAttivo(this);
            Form_Deactivate();
        }
    }
    QMdiSubWindow::hideEvent(e);
}

void FrmFoglio::showEvent(QShowEvent* e)
{
    QMdiSubWindow::showEvent(e);
    // Shown again after being hidden: laid out and drawn afresh, as after a
    // resize, even when the tiling gives it back the very size it had (its
    // picture may still carry boxes of a selection cleared meanwhile).
    if (nascostoApposta_ && !e->spontaneous()) {
        nascostoApposta_ = false;
        Form_Resize();
    }
}

void FrmFoglio::closeEvent(QCloseEvent* e)
{
    if (Princ* p = Unica<Princ>::SeEsiste()) p->ImpostaToolbar2(s_, false);
    DimenticaAttivo(this);
    Form_Deactivate();
    hide();
    if (ConcludiChiusuraDocumento(this, e)) QMdiSubWindow::closeEvent(e);
}

// ---------------------------------------------------------------------------

FinestraRitaglia::FinestraRitaglia(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("FrmRitagliaImmagine"));
    Picture1.ImpostaScala(Tela::Scala::Twip);
    Picture1.ForeColor = ColoreTesto;
    Picture1.Font = FontFoglio(8.25);
}

FinestraRitaglia& FrmRitagliaImmagine()
{
    return *Unica<FinestraRitaglia>::Istanza();
}

FinestraRitaglia* FinestraRitaglia::CreaUnica(int)
{
    // It goes with the main window, when there is one.
    return new FinestraRitaglia(Unica<Princ>::SeEsiste());
}
