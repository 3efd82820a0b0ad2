#include "service/FinestraServizio.h"
#include "platform/Finestre.h"
#include "platform/Numeri.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Opzioni.h"
#include "workspace/Princ.h"
#include <QCloseEvent>
#include <QImage>
#include <QMouseEvent>
#include <algorithm>

QColor ColoreSfondoServizio()
{
    if (OpzioneFinestreServizioBianche()) return QColor(255, 255, 255);
    return QColor(255, 224, 192);
}

FinestraServizio::FinestraServizio(const QString& nome, int16_t* alto, int16_t* sinistra, uint8_t menu,
                                   QWidget* parent)
    : QWidget(parent, Qt::Tool), alto_(alto), sinistra_(sinistra), menu_(menu)
{
    setObjectName(nome);
    setAttribute(Qt::WA_DeleteOnClose, true);
    RendiSempreSopra(this);
    setAutoFillBackground(true);
}

FinestraServizio::~FinestraServizio() = default;

QPoint FinestraServizio::PosizioneRicordata() const
{
    if (!HaPosizione()) return pos();
    return QPoint(TwipInPixel(*sinistra_), TwipInPixel(*alto_));
}

QImage FinestraServizio::Istantanea() { return grab().toImage(); }

void FinestraServizio::AggiornaSfondoERidisegna() { ImpostaSfondo(ColoreSfondoServizio()); }

void FinestraServizio::ImpostaSfondo(const QColor& colore) { ColoraFinestra(this, colore); }

void FinestraServizio::RegistraPosizione()
{
    if (!HaPosizione() || registrata_) return;
    registrata_ = true;
    // The pair is 16-bit: a frame far off the screen is kept at the nearest
    // value that fits.
    const QPoint angolo = frameGeometry().topLeft();
    const auto in16 = [](int pixel) {
        const long long twip = Arrotonda32(PixelInTwip(pixel));
        return int16_t(std::clamp<long long>(twip, INT16_MIN, INT16_MAX));
    };
    *sinistra_ = in16(angolo.x());
    *alto_ = in16(angolo.y());
}

void FinestraServizio::closeEvent(QCloseEvent* e)
{
    RegistraPosizione();
    QWidget::closeEvent(e);
    if (e->isAccepted()) chiusa_ = true;
}

void FinestraServizio::mousePressEvent(QMouseEvent* e)
{
    Pressione(e->button(), e->globalPosition().toPoint());
    QWidget::mousePressEvent(e);
}

void FinestraServizio::Pressione(Qt::MouseButton bottone, QPoint globale)
{
    if (menu_ == 0) return;
    FinestraMenuServizio = menu_;
    if (bottone == Qt::RightButton) MostraMenuServizio(this, globale, ConsenteCopiaBitmap());
}

void MostraFinestraServizio(FinestraServizio* w)
{
    if (w->HaPosizione()) PosizionaSulloSchermo(w, w->PosizioneRicordata());
    w->show();
    // Before the first show the frame is not known yet: a window placed at
    // the screen's edge may stick out by its frame, so place it once more.
    if (w->HaPosizione()) PosizionaSulloSchermo(w, w->frameGeometry().topLeft());
    PortaDavanti(w);
}

void ChiudiSubito(FinestraServizio* w)
{
    if (!w) return;
    w->close();
    // Gone at once, so that the next instance never meets the old one.
    delete w;
}
