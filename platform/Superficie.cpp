#include "platform/Superficie.h"
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
constexpr double DuePi = 6.283185307179586476925286766559;

// Angle in degrees for QPainter (counter-clockwise from 3 o'clock).
double Gradi(double radianti) { return radianti * 360.0 / DuePi; }
}

Tela::Tela() : img_(1, 1, QImage::Format_RGB32)
{
    Font = QFont(QStringLiteral("DejaVu Sans"));
    Font.setPointSizeF(8.25);
    img_.fill(BackColor);
}

void Tela::RidimensionaTela(QSize pixel)
{
    pixel = pixel.expandedTo(QSize(1, 1));
    if (pixel == img_.size()) return;
    QImage nuova(pixel, QImage::Format_RGB32);
    nuova.fill(BackColor);
    {
        QPainter p(&nuova);
        p.drawImage(0, 0, img_);
    }
    img_ = std::move(nuova);
    Disegnato();
}

void Tela::Pulisci()
{
    img_.fill(BackColor);
    CurrentX = CurrentY = 0;
    Disegnato();
}

static void PreparaPenna(QPainter& p, const QColor& colore, int spessore)
{
    QPen penna(colore);
    penna.setWidth(std::max(1, spessore));
    penna.setCapStyle(Qt::SquareCap);
    penna.setJoinStyle(Qt::MiterJoin);
    p.setPen(penna);
}

void Tela::Linea(double x1, double y1, double x2, double y2, QColor colore)
{
    if (!colore.isValid()) colore = ForeColor;
    const double u = Unita();
    QPainter p(&img_);
    PreparaPenna(p, colore, DrawWidth);
    p.drawLine(QPointF(std::floor(x1 / u), std::floor(y1 / u)), QPointF(std::floor(x2 / u), std::floor(y2 / u)));
    CurrentX = x2;
    CurrentY = y2;
    Disegnato();
}

void Tela::Rettangolo(double x1, double y1, double x2, double y2, QColor colore, bool pieno)
{
    if (!colore.isValid()) colore = ForeColor;
    const double u = Unita();
    const int l = int(std::floor(std::min(x1, x2) / u)), r = int(std::floor(std::max(x1, x2) / u));
    const int t = int(std::floor(std::min(y1, y2) / u)), b = int(std::floor(std::max(y1, y2) / u));
    QPainter p(&img_);
    if (pieno) {
        p.fillRect(QRect(QPoint(l, t), QPoint(r, b)), colore);
    } else {
        if (FillStyle == Pieno) p.fillRect(QRect(QPoint(l, t), QPoint(r, b)), FillColor);
        PreparaPenna(p, colore, DrawWidth);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(QPoint(l, t), QPoint(r, b)).adjusted(0, 0, -1, -1).normalized()
                       .united(QRect(l, t, 1, 1)));
    }
    CurrentX = x2;
    CurrentY = y2;
    Disegnato();
}

void Tela::Cerchio(double x, double y, double r, QColor colore, double inizio, double fine)
{
    if (!colore.isValid()) colore = ForeColor;
    const double u = Unita();
    const QPointF c(x / u, y / u);
    const double rp = r / u;
    if (rp < 0) return;
    const QRectF box(c.x() - rp, c.y() - rp, 2 * rp, 2 * rp);
    QPainter p(&img_);
    p.setRenderHint(QPainter::Antialiasing, false);
    PreparaPenna(p, colore, DrawWidth);
    const QBrush pennello = FillStyle == Pieno ? QBrush(FillColor) : QBrush(Qt::NoBrush);

    if (std::isnan(inizio) || std::isnan(fine)) {
        p.setBrush(pennello);
        p.drawEllipse(box);
    } else {
        const bool raggioInizio = inizio < 0, raggioFine = fine < 0;
        const double a0 = std::fabs(inizio), a1 = std::fabs(fine);
        double ampiezza = a1 - a0;
        if (ampiezza <= 0) ampiezza += DuePi;
        QPainterPath arco;
        arco.arcMoveTo(box, Gradi(a0));
        arco.arcTo(box, Gradi(a0), Gradi(ampiezza));
        if (raggioInizio && raggioFine) {
            // A closed sector: filled like a circle, both radii drawn.
            QPainterPath settore;
            settore.moveTo(c);
            settore.arcTo(box, Gradi(a0), Gradi(ampiezza));
            settore.closeSubpath();
            p.setBrush(pennello);
            p.drawPath(settore);
        } else {
            p.setBrush(Qt::NoBrush);
            p.drawPath(arco);
            auto punto = [&](double a) { return QPointF(c.x() + rp * std::cos(a), c.y() - rp * std::sin(a)); };
            if (raggioInizio) p.drawLine(c, punto(a0));
            if (raggioFine) p.drawLine(c, punto(a1));
        }
    }
    CurrentX = x;
    CurrentY = y;
    Disegnato();
}

void Tela::Stampa(const QString& testo)
{
    const double u = Unita();
    QPainter p(&img_);
    p.setFont(Font);
    p.setPen(ForeColor);
    const QFontMetricsF fm(Font, &img_);
    const QPointF alto(std::floor(CurrentX / u), std::floor(CurrentY / u));
    p.drawText(QPointF(alto.x(), alto.y() + fm.ascent()), testo);
    CurrentX += fm.horizontalAdvance(testo) * u;
    Disegnato();
}

double Tela::LarghezzaTesto(const QString& testo) const
{
    return QFontMetricsF(Font, &img_).horizontalAdvance(testo) * Unita();
}

double Tela::AltezzaTesto(const QString& testo) const
{
    Q_UNUSED(testo);
    return QFontMetricsF(Font, &img_).height() * Unita();
}

void Tela::Poligono(const QPointF* punti, int quanti)
{
    if (!punti || quanti < 2) return;
    const double u = Unita();
    QPolygonF poli;
    poli.reserve(quanti);
    for (int i = 0; i < quanti; ++i) poli << QPointF(punti[i].x() / u, punti[i].y() / u);
    QPainter p(&img_);
    PreparaPenna(p, ForeColor, DrawWidth);
    p.setBrush(FillStyle == Pieno ? QBrush(FillColor) : QBrush(Qt::NoBrush));
    p.drawPolygon(poli, Qt::WindingFill);
    Disegnato();
}

Superficie::Superficie(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    RidimensionaTela(size());
}

void Superficie::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    p.fillRect(e->rect(), BackColor);
    p.drawImage(e->rect().topLeft(), Immagine(), e->rect());
}

void Superficie::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    RidimensionaTela(size());
}

void Superficie::Disegnato() { update(); }
