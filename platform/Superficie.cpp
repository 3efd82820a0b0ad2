#include "platform/Superficie.h"
#include "platform/Numeri.h"
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {
constexpr double DuePi = 2 * std::numbers::pi;
// 96 dots per inch: a point of font size is 4/3 of a pixel.
constexpr int PuntiPerMetro = 3780;
// Far beyond any surface: coordinates are clamped here before rounding.
constexpr double LimiteCoordinata = 1.0e8;
// Radii beyond this are not drawn (no surface is that large).
constexpr int LimiteRaggio = 1 << 16;
// Tolerance of the angle tests (the vectors are unit, the offsets whole pixels).
constexpr double Tolleranza = 1.0e-9;

// A blank 32-bit image at 96 dots per inch.
QImage ImmagineVuota(QSize dimensione, const QColor& sfondo)
{
    QImage img(dimensione, QImage::Format_RGB32);
    img.setDotsPerMeterX(PuntiPerMetro);
    img.setDotsPerMeterY(PuntiPerMetro);
    img.fill(sfondo);
    return img;
}

// Pixel setter on a 32-bit image, clipped to its size, with a square pen
// of the draw width.
struct Raster {
    QRgb* bits;
    qsizetype passo;
    int w, h;
    int spessore;

    Raster(QImage& img, int larghezzaPenna)
        : bits(reinterpret_cast<QRgb*>(img.bits())), passo(img.bytesPerLine() / 4), w(img.width()),
          h(img.height()), spessore(std::max(1, larghezzaPenna))
    {
    }

    void Pixel(int x, int y, QRgb c)
    {
        if (unsigned(x) < unsigned(w) && unsigned(y) < unsigned(h)) bits[y * passo + x] = c;
    }
    // One point of a line or rim: a pixel, or a square of the pen's width.
    void Punto(int x, int y, QRgb c)
    {
        if (spessore == 1) {
            Pixel(x, y, c);
            return;
        }
        const int o = (spessore - 1) / 2;
        Riempi(x - o, y - o, x - o + spessore - 1, y - o + spessore - 1, c);
    }
    // Whether a circle of radius r around (cx,cy), drawn with this pen, can
    // touch the image.
    bool Tocca(int cx, int cy, int r) const
    {
        const int m = r + spessore;
        return cx + m >= 0 && cy + m >= 0 && cx - m < w && cy - m < h;
    }
    // Every pixel of the box (l,t)-(r,b), both corners included.
    void Riempi(long long l, long long t, long long r, long long b, QRgb c)
    {
        l = std::max(l, 0LL);
        t = std::max(t, 0LL);
        r = std::min(r, (long long)w - 1);
        b = std::min(b, (long long)h - 1);
        // A box wholly beside the image leaves l past r: nothing to fill.
        if (l > r) return;
        for (long long y = t; y <= b; ++y) std::fill(bits + y * passo + l, bits + y * passo + r + 1, c);
    }
    // Line with both ends included (Bresenham).
    void Linea(int x1, int y1, int x2, int y2, QRgb c)
    {
        const int m = spessore + 2;
        if (std::max(x1, x2) < -m || std::min(x1, x2) > w + m || std::max(y1, y2) < -m || std::min(y1, y2) > h + m)
            return;
        const long long lunghezza = std::llabs((long long)x2 - x1) + std::llabs((long long)y2 - y1);
        if (lunghezza > 4LL * (w + h) + 256 && !Ritaglia(x1, y1, x2, y2, m)) return;
        const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
        const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            Punto(x1, y1, c);
            if (x1 == x2 && y1 == y2) break;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x1 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y1 += sy;
            }
        }
    }
    // Cuts a very long line to the image enlarged by m on every side
    // (Liang-Barsky); false when nothing of it is left.
    bool Ritaglia(int& x1, int& y1, int& x2, int& y2, int m) const
    {
        const double x0 = x1, y0 = y1, dx = double(x2) - x1, dy = double(y2) - y1;
        double t0 = 0, t1 = 1;
        auto prova = [&](double p, double q) {
            if (p == 0) return q >= 0;
            const double t = q / p;
            if (p < 0) {
                if (t > t1) return false;
                t0 = std::max(t0, t);
            } else {
                if (t < t0) return false;
                t1 = std::min(t1, t);
            }
            return true;
        };
        if (!prova(-dx, x0 + m) || !prova(dx, w + m - x0) || !prova(-dy, y0 + m) || !prova(dy, h + m - y0)) return false;
        x1 = Arrotonda32(x0 + t0 * dx);
        y1 = Arrotonda32(y0 + t0 * dy);
        x2 = Arrotonda32(x0 + t1 * dx);
        y2 = Arrotonda32(y0 + t1 * dy);
        return true;
    }
};

// The rim of a circle of radius r around the origin (midpoint algorithm,
// screen y downwards), the inverse distance of each rim pixel from the
// centre, and the half width of the disc on each row |dy| = 0..r.
struct Contorno {
    int r = -1;
    std::vector<QPoint> punti;
    std::vector<double> inversi;
    std::vector<int> semi;
};

const Contorno& ContornoDi(int r)
{
    // A sheet draws many circles and arcs of one radius in a row.
    static Contorno c;
    if (c.r == r) return c;
    c.r = r;
    c.punti.clear();
    c.inversi.clear();
    c.semi.assign(size_t(r) + 1, 0);
    int x = r, y = 0, d = 1 - r;
    while (x >= y) {
        const QPoint ottanti[8] = {{x, y}, {y, x}, {-y, x}, {-x, y}, {-x, -y}, {-y, -x}, {y, -x}, {x, -y}};
        for (const QPoint& p : ottanti) c.punti.push_back(p);
        c.semi[size_t(y)] = std::max(c.semi[size_t(y)], x);
        c.semi[size_t(x)] = std::max(c.semi[size_t(x)], y);
        ++y;
        if (d < 0) {
            d += 2 * y + 1;
        } else {
            --x;
            d += 2 * (y - x) + 1;
        }
    }
    c.inversi.reserve(c.punti.size());
    for (const QPoint& p : c.punti) {
        const double l = std::hypot(double(p.x()), double(p.y()));
        c.inversi.push_back(l > 0 ? 1.0 / l : 0.0);
    }
    return c;
}

// The angular range of an arc: from a0 counter-clockwise over ampiezza.
// Offsets are (dx, su) with su growing upwards.
struct Angoli {
    double a0 = 0, a1 = 0, ampiezza = DuePi;
    double ux = 1, uy = 0, vx = 1, vy = 0;

    Angoli(double inizio, double fine)
    {
        auto normale = [](double a) {
            a = std::fabs(a);
            return a > DuePi + Tolleranza ? std::fmod(a, DuePi) : a;
        };
        a0 = normale(inizio);
        a1 = normale(fine);
        ampiezza = a1 - a0;
        if (std::fabs(ampiezza) < Tolleranza) ampiezza = DuePi;   // equal ends: the whole rim
        else if (ampiezza < 0) ampiezza += DuePi;
        ux = std::cos(a0);
        uy = std::sin(a0);
        vx = std::cos(a1);
        vy = std::sin(a1);
    }
    bool Contiene(double dx, double su) const
    {
        if (ampiezza >= DuePi - Tolleranza) return true;
        const double dopoInizio = ux * su - uy * dx;   // >= 0: not clockwise of the start
        const double primaFine = dx * vy - su * vx;    // >= 0: not counter-clockwise of the end
        if (ampiezza <= DuePi / 2) return dopoInizio >= -Tolleranza && primaFine >= -Tolleranza;
        return dopoInizio >= -Tolleranza || primaFine >= -Tolleranza;
    }
};

// The rim pixel that lies nearest to the direction a (so a radius ends
// exactly on the rim): the one whose direction has the largest cosine with
// a, the first in the rim's order among equals.
//
// Every step j of the rim's construction gives one pixel to each octant, and
// its smaller coordinate (in absolute value) is j. The pixels nearest in
// angle to a have their smaller coordinate within a pixel or so of
// m = r·min(|cos a|, |sin a|), so only the steps around m can hold the best
// one: a pie's 64 radii look at a few dozen rim pixels each instead of the
// whole rim.
QPoint PuntoDelBordo(const Contorno& c, double a)
{
    const double cx = std::cos(a), su = std::sin(a);
    QPoint scelto(c.r, 0);
    const double m = c.r * std::min(std::fabs(cx), std::fabs(su));
    if (!std::isfinite(m)) return scelto;
    // The nearest pixel has always been found between floor(m) and ceil(m)
    // (every radius up to 2500 pixels, over a million angles); one step more
    // on each side costs little and leaves room for rounding.
    constexpr int Margine = 1;
    const int ultimo = int(c.punti.size() / 8) - 1;
    const int da = std::max(0, int(std::floor(m)) - Margine), fino = std::min(ultimo, int(std::ceil(m)) + Margine);
    double migliore = -2;
    for (size_t i = size_t(da) * 8; i < size_t(fino + 1) * 8; ++i) {
        const QPoint& p = c.punti[i];
        const double coseno = (p.x() * cx - p.y() * su) * c.inversi[i];
        if (coseno > migliore) {
            migliore = coseno;
            scelto = p;
        }
    }
    return scelto;
}

// The radius from the centre to that rim pixel.
void LineaRaggio(Raster& ras, int cx, int cy, const Contorno& c, double a, QRgb colore)
{
    const QPoint e = PuntoDelBordo(c, a);
    ras.Linea(cx, cy, cx + e.x(), cy + e.y(), colore);
}

// The disc (or the part of it within the angles) on the image.
void RiempiDisco(Raster& ras, int cx, int cy, const Contorno& c, const Angoli* angoli, QRgb colore)
{
    const int r = c.r;
    const int dyDa = std::max(-r, -cy), dyA = std::min(r, ras.h - 1 - cy);
    for (int dy = dyDa; dy <= dyA; ++dy) {
        const int s = c.semi[size_t(std::abs(dy))];
        const int xDa = std::max(cx - s, 0), xA = std::min(cx + s, ras.w - 1);
        QRgb* riga = ras.bits + (cy + dy) * ras.passo;
        if (!angoli) {
            if (xDa <= xA) std::fill(riga + xDa, riga + xA + 1, colore);
            continue;
        }
        for (int x = xDa; x <= xA; ++x)
            if (angoli->Contiene(x - cx, -dy)) riga[x] = colore;
    }
}
}

QPoint FineDelRaggio(int r, double angolo)
{
    return PuntoDelBordo(ContornoDi(std::clamp(r, 0, LimiteRaggio)), Angoli(angolo, angolo).a0);
}

Tela::PittoreAperto::PittoreAperto(const PittoreAperto& altro) { altro.Chiudi(); }

Tela::PittoreAperto& Tela::PittoreAperto::operator=(const PittoreAperto& altro)
{
    Chiudi();
    altro.Chiudi();
    return *this;
}

Tela::PittoreAperto::~PittoreAperto() { Chiudi(); }

void Tela::PittoreAperto::Chiudi() const
{
    if (p) {
        p->end();
        p.reset();
    }
}

Tela::Tela() : img_(ImmagineVuota(QSize(1, 1), BackColor))
{
    Font = QFont(QStringLiteral("DejaVu Sans"));
    Font.setPointSizeF(8.25);
}

Tela::~Tela() { ChiudiPittore(); }

int Tela::InPixel(double v) const
{
    double p = v / Unita();
    if (std::isnan(p)) p = -LimiteCoordinata;
    return Arrotonda32(std::clamp(p, -LimiteCoordinata, LimiteCoordinata));
}

void Tela::Prepara()
{
    const QSize voluta = DimensioneVoluta();
    if (voluta.isValid() && voluta != img_.size()) RidimensionaTela(voluta);
    const QImage::Format f = img_.format();
    if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 && f != QImage::Format_ARGB32_Premultiplied) {
        ChiudiPittore();
        img_ = img_.isNull() ? ImmagineVuota(QSize(1, 1), BackColor) : img_.convertToFormat(QImage::Format_RGB32);
    }
    if (img_.dotsPerMeterX() != PuntiPerMetro || img_.dotsPerMeterY() != PuntiPerMetro) {
        ChiudiPittore();
        img_.setDotsPerMeterX(PuntiPerMetro);
        img_.setDotsPerMeterY(PuntiPerMetro);
    }
}

QPainter& Tela::Pittore()
{
    if (!pittore_.p) {
        pittore_.p = std::make_unique<QPainter>(&img_);
        pittore_.p->setRenderHint(QPainter::Antialiasing, false);
    }
    return *pittore_.p;
}

const QImage& Tela::Immagine() const
{
    ChiudiPittore();
    return img_;
}

QImage& Tela::Immagine()
{
    ChiudiPittore();
    return img_;
}

void Tela::RidimensionaTela(QSize pixel)
{
    pixel = pixel.expandedTo(QSize(1, 1));
    if (pixel == img_.size()) return;
    ChiudiPittore();
    QImage nuova = ImmagineVuota(pixel, BackColor);
    {
        QPainter p(&nuova);
        p.drawImage(0, 0, img_);
    }
    img_ = std::move(nuova);
    Disegnato();
}

void Tela::Pulisci()
{
    ChiudiPittore();
    Prepara();
    img_.fill(BackColor);
    CurrentX = CurrentY = 0;
    Disegnato();
}

QColor Tela::Punto(double x, double y) const
{
    const int px = InPixel(x), py = InPixel(y);
    if (!img_.rect().contains(px, py)) return QColor();
    return QColor(img_.pixel(px, py));
}

void Tela::Linea(double x1, double y1, double x2, double y2, QColor colore)
{
    if (!colore.isValid()) colore = ForeColor;
    Prepara();
    Raster ras(img_, DrawWidth);
    ras.Linea(InPixel(x1), InPixel(y1), InPixel(x2), InPixel(y2), colore.rgb());
    CurrentX = x2;
    CurrentY = y2;
    Disegnato();
}

void Tela::Rettangolo(double x1, double y1, double x2, double y2, QColor colore, bool pieno)
{
    if (!colore.isValid()) colore = ForeColor;
    const int ax = InPixel(x1), bx = InPixel(x2), ay = InPixel(y1), by = InPixel(y2);
    const int l = std::min(ax, bx), r = std::max(ax, bx), t = std::min(ay, by), b = std::max(ay, by);
    Prepara();
    Raster ras(img_, DrawWidth);
    if (pieno) {
        ras.Riempi(l, t, r, b, colore.rgb());
    } else {
        if (FillStyle == Pieno) ras.Riempi(l, t, r, b, FillColor.rgb());
        const QRgb c = colore.rgb();
        ras.Linea(l, t, r, t, c);
        ras.Linea(r, t, r, b, c);
        ras.Linea(r, b, l, b, c);
        ras.Linea(l, b, l, t, c);
    }
    CurrentX = x2;
    CurrentY = y2;
    Disegnato();
}

void Tela::Cerchio(double x, double y, double r, QColor colore, double inizio, double fine)
{
    if (!colore.isValid()) colore = ForeColor;
    CurrentX = x;
    CurrentY = y;
    const double rScala = r / Unita();
    if (!(rScala >= 0) || rScala > LimiteRaggio) return;
    const int cx = InPixel(x), cy = InPixel(y), rp = Arrotonda32(rScala);
    Prepara();
    Raster ras(img_, DrawWidth);
    if (!ras.Tocca(cx, cy, rp)) {
        Disegnato();
        return;
    }
    const Contorno& bordo = ContornoDi(rp);
    const QRgb c = colore.rgb();

    if (std::isnan(inizio) || std::isnan(fine)) {
        if (FillStyle == Pieno) RiempiDisco(ras, cx, cy, bordo, nullptr, FillColor.rgb());
        for (const QPoint& p : bordo.punti) ras.Punto(cx + p.x(), cy + p.y(), c);
        Disegnato();
        return;
    }

    const Angoli angoli(inizio, fine);
    const bool raggioInizio = inizio < 0, raggioFine = fine < 0;
    // Only a sector closed by both radii is filled.
    if (raggioInizio && raggioFine && FillStyle == Pieno) RiempiDisco(ras, cx, cy, bordo, &angoli, FillColor.rgb());
    for (const QPoint& p : bordo.punti)
        if (angoli.Contiene(p.x(), -p.y())) ras.Punto(cx + p.x(), cy + p.y(), c);
    if (raggioInizio) LineaRaggio(ras, cx, cy, bordo, angoli.a0, c);
    if (raggioFine) LineaRaggio(ras, cx, cy, bordo, angoli.a1, c);
    Disegnato();
}

void Tela::Raggio(double x, double y, double r, double angolo, QColor colore)
{
    if (!colore.isValid()) colore = ForeColor;
    CurrentX = x;
    CurrentY = y;
    const double rScala = r / Unita();
    if (!(rScala >= 0) || rScala > LimiteRaggio || std::isnan(angolo)) return;
    const int cx = InPixel(x), cy = InPixel(y), rp = Arrotonda32(rScala);
    Prepara();
    Raster ras(img_, DrawWidth);
    if (ras.Tocca(cx, cy, rp)) LineaRaggio(ras, cx, cy, ContornoDi(rp), Angoli(angolo, angolo).a0, colore.rgb());
    Disegnato();
}

void Tela::Stampa(const QString& testo)
{
    Prepara();
    const double u = Unita();
    QPainter& p = Pittore();
    p.setFont(Font);
    p.setPen(ForeColor);
    const QFontMetricsF fm(Font, &img_);
    const int ascesa = QFontMetrics(Font, &img_).ascent();
    const QStringList righe = testo.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < righe.size(); ++i) {
        QString riga = righe[i];
        riga.remove(QLatin1Char('\r'));
        if (i > 0) {
            CurrentX = 0;
            CurrentY += fm.height() * u;
        }
        if (riga.isEmpty()) continue;
        p.drawText(QPoint(InPixel(CurrentX), InPixel(CurrentY) + ascesa), riga);
        CurrentX += fm.horizontalAdvance(riga) * u;
    }
    Disegnato();
}

double Tela::LarghezzaTesto(const QString& testo) const
{
    const QFontMetricsF fm(Font, &img_);
    double massimo = 0;
    for (QString riga : testo.split(QLatin1Char('\n'))) {
        riga.remove(QLatin1Char('\r'));
        massimo = std::max(massimo, fm.horizontalAdvance(riga));
    }
    return massimo * Unita();
}

double Tela::AltezzaTesto(const QString& testo) const
{
    const qsizetype righe = testo.count(QLatin1Char('\n')) + 1;
    return QFontMetricsF(Font, &img_).height() * double(righe) * Unita();
}

void Tela::Poligono(const QPointF* punti, int quanti)
{
    if (!punti || quanti < 1) return;
    std::vector<QPoint> vertici;
    vertici.reserve(size_t(quanti));
    for (int i = 0; i < quanti; ++i) vertici.emplace_back(InPixel(punti[i].x()), InPixel(punti[i].y()));
    Prepara();
    if (FillStyle == Pieno && quanti >= 3) {
        // Filled through the pixel centres, so the inside meets the edges
        // drawn below without a gap.
        QPolygonF poli;
        poli.reserve(quanti);
        for (const QPoint& v : vertici) poli << QPointF(v.x() + 0.5, v.y() + 0.5);
        QPainter& p = Pittore();
        p.setPen(Qt::NoPen);
        p.setBrush(FillColor);
        p.drawPolygon(poli, Qt::OddEvenFill);
    }
    Raster ras(img_, DrawWidth);
    const QRgb c = ForeColor.rgb();
    for (int i = 0; i < quanti; ++i) {
        const QPoint& a = vertici[size_t(i)];
        const QPoint& b = vertici[size_t((i + 1) % quanti)];
        ras.Linea(a.x(), a.y(), b.x(), b.y(), c);
    }
    Disegnato();
}

Superficie::Superficie(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    RidimensionaTela(size());
}

void Superficie::paintEvent(QPaintEvent* e)
{
    ridisegnoChiesto_ = false;
    QPainter p(this);
    const QImage& img = Immagine();
    const QRect dentro = e->rect() & img.rect();
    if (!dentro.isEmpty()) p.drawImage(dentro.topLeft(), img, dentro);
    for (const QRect& fuori : QRegion(e->rect()) - QRegion(img.rect())) p.fillRect(fuori, BackColor);
}

void Superficie::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    RidimensionaTela(size());
}

void Superficie::Disegnato()
{
    // A sheet draws thousands of pieces in a row: one repaint shows them
    // all, and asking again while it is pending only costs time. (Qt drops
    // the request of a hidden widget, and paints the whole of it when shown.)
    if (ridisegnoChiesto_) return;
    ridisegnoChiesto_ = true;
    update();
}

QSize Superficie::DimensioneVoluta() const
{
    // Qt tells a hidden widget its new size only when it is shown: what is
    // drawn before that (a window drawn while it loads) already takes that
    // size, and the resize event that comes with the show changes nothing.
    return testAttribute(Qt::WA_PendingResizeEvent) ? size() : QSize();
}
