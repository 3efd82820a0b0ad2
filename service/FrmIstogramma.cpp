#include "service/FrmIstogramma.h"
#include "service/Aperture.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Superficie.h"
#include "workspace/ModuloGenerale.h"
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>
#include <algorithm>

namespace {
// Design sizes in pixels: the client area, and the chart's inner area with
// the 2-pixel sunken border around it.
constexpr QSize Cliente(373, 196);
constexpr int Bordo = 2;
const QRect CorniceGrafico(30, 10, 338, 182);
constexpr int LarghezzaGrafico = 334, AltezzaGrafico = 178;
const QColor GrigioGriglia(128, 128, 128);
const QColor SfondoEtichetta(224, 224, 224);

QFont Verdana(bool grassetto = false)
{
    return CarattereConRiserva(QStringLiteral("Verdana"), 8.25, grassetto);
}

struct EtichettaScala {
    const char* testo;
    int sinistra, alto;   // twips
    bool grassetto;
};
const EtichettaScala Scala[11] = {
    {" 0", 240, 2700, true}, {"0,1", 157, 2430, false}, {"0,2", 157, 2160, false}, {"0,3", 157, 1890, false},
    {"0,4", 157, 1620, false}, {"0,5", 120, 1350, true}, {"0,6", 157, 1080, false}, {"0,7", 157, 810, false},
    {"0,8", 157, 540, false}, {"0,9", 157, 270, false}, {"1", 315, 0, true}};
}   // namespace

FrmIstogramma::FrmIstogramma(std::vector<BarraIstogramma> barre)
    : FinestraServizio(QStringLiteral("FrmIstogramma"), &AltoIstogramma, &SinistraIstogramma, 0),
      geometria_(LarghezzaGrafico, AltezzaGrafico, std::move(barre))
{
    setWindowTitle(QStringLiteral("Istogramma"));
    setFixedSize(Cliente);
    FinestraServizio::ImpostaSfondo(QApplication::palette().color(QPalette::Button));

    for (int k = 0; k <= 10; ++k) {
        auto* l = new QLabel(QString::fromLatin1(Scala[k].testo), this);
        l->setObjectName(QStringLiteral("Label%1").arg(k));
        l->setFont(Verdana(Scala[k].grassetto));
        l->adjustSize();
        l->move(TwipInPixel(Scala[k].sinistra), TwipInPixel(Scala[k].alto));
    }

    picture1_ = new Superficie(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setGeometry(CorniceGrafico.adjusted(Bordo, Bordo, -Bordo, -Bordo));
    picture1_->ImpostaScala(Tela::Scala::Pixel);
    picture1_->BackColor = QApplication::palette().color(QPalette::Base);
    picture1_->Font = Verdana();
    picture1_->setMouseTracking(true);
    picture1_->installEventFilter(this);

    lblServizio_ = new QLabel(picture1_);
    lblServizio_->setObjectName(QStringLiteral("LblServizio"));
    lblServizio_->setFont(Verdana());
    lblServizio_->setAutoFillBackground(true);
    QPalette pal = lblServizio_->palette();
    pal.setColor(QPalette::Window, SfondoEtichetta);
    pal.setColor(QPalette::WindowText, QColor(0, 0, 0));
    lblServizio_->setPalette(pal);
    lblServizio_->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblServizio_->hide();

    DisegnaIstogramma();
}

void FrmIstogramma::DisegnaIstogramma()
{
    Tela& t = *picture1_;
    t.Pulisci();
    const int W = geometria_.Larghezza(), H = geometria_.Altezza();
    for (int k = 1; k <= 9; ++k) t.Linea(0, H * k / 10.0, W - 1, H * k / 10.0, GrigioGriglia);
    for (int j = 0; j < int(geometria_.Barre().size()); ++j) {
        const ScatolaBarra s = geometria_.Scatola(j);
        t.Rettangolo(s.sinistra, s.alto, s.destra, s.basso, QBColor(geometria_.Barre()[size_t(j)].colore), true);
    }
}

void FrmIstogramma::PassaggioMouse(int x, int y)
{
    const int j = geometria_.BarraSotto(x, y);
    if (j < 0) {
        lblServizio_->hide();
        return;
    }
    lblServizio_->setText(GeometriaIstogramma::TestoEtichetta(geometria_.Barre()[size_t(j)]));
    lblServizio_->adjustSize();
    // Over the top of a tall bar, or near the right end of the chart with a
    // long caption, the label would be cut by the chart's edge: it is kept
    // inside, where the pupil can read it.
    QPoint posto = GeometriaIstogramma::PosizioneEtichetta(x, y);
    posto.setX(std::clamp(posto.x(), 0, std::max(0, picture1_->width() - lblServizio_->width())));
    posto.setY(std::clamp(posto.y(), 0, std::max(0, picture1_->height() - lblServizio_->height())));
    lblServizio_->move(posto);
    lblServizio_->show();
}

bool FrmIstogramma::eventFilter(QObject* o, QEvent* e)
{
    if (o == picture1_) {
        if (e->type() == QEvent::MouseMove) {
            const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
            PassaggioMouse(p.x(), p.y());
        } else if (e->type() == QEvent::Leave) {
            // No move event follows the pointer out of the chart: a label
            // left shown would name a bar the pointer has left.
            lblServizio_->hide();
        }
    }
    return FinestraServizio::eventFilter(o, e);
}

void FrmIstogramma::paintEvent(QPaintEvent* e)
{
    FinestraServizio::paintEvent(e);
    QPainter p(this);
    qDrawWinPanel(&p, CorniceGrafico, palette(), true);
}

void ApriFrmIstogramma()
{
    const int n = std::clamp<int>(FrazioniAppoggio[130][1], 0, 64);
    std::vector<BarraIstogramma> barre;
    barre.reserve(size_t(n));
    for (int i = 1; i <= n; ++i)
        barre.push_back({FrazioniAppoggio[i][1], FrazioniAppoggio[i][2], FrazioniAppoggio[i][4]});
    ApriFresca<FrmIstogramma>(std::move(barre));
}
