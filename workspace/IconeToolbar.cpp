#include "workspace/IconeToolbar.h"
#include "platform/Colori.h"
#include "workspace/MenuPrinc.h"
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>

// Every picture is drawn in a 34 x 33 space; the painter is scaled for the
// 2x copies, so each picture is drawn afresh at every size, never stretched.
namespace {

const QColor Nero = QBColor(0);
const QColor Bordo(64, 64, 64);
const QColor Rosso = QBColor(12);
const QColor Blu = QBColor(9);
const QColor BluScuro = QBColor(1);
const QColor Verde = QBColor(2);
const QColor Bianco = QBColor(15);
const QColor GrigioChiaro(224, 224, 224);

QFont Carattere(qreal pixel, bool grassetto = true, int larghezza = QFont::Unstretched)
{
    QFont f;
    f.setStretch(larghezza);
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                   QStringLiteral("Nimbus Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(qMax(1, int(std::lround(pixel))));
    f.setBold(grassetto);
    return f;
}

void Testo(QPainter& p, const QRectF& r, const QString& t, qreal pixel, const QColor& c, bool grassetto = true,
           int allineamento = Qt::AlignCenter, int larghezza = QFont::Unstretched)
{
    p.save();
    p.setFont(Carattere(pixel, grassetto, larghezza));
    p.setPen(c);
    p.drawText(r, allineamento, t);
    p.restore();
}

// A pie: grey disc, the first `colorate` of `parti` sectors in colour (from
// twelve o'clock, clockwise) and a white radius at each part.
void Torta(QPainter& p, QPointF c, qreal r, int parti, int colorate, const QColor& colore)
{
    p.save();
    const QRectF q(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.setPen(Qt::NoPen);
    p.setBrush(GrigioTorta);
    p.drawEllipse(q);
    if (parti > 0 && colorate > 0) {
        p.setBrush(colore);
        if (colorate >= parti) p.drawEllipse(q);
        else p.drawPie(q, 90 * 16, -colorate * 360 * 16 / parti);
    }
    if (parti > 1) {
        p.setPen(QPen(Bianco, 1.0));
        for (int i = 0; i < parti; ++i) {
            const double a = M_PI / 2 - 2 * M_PI * i / parti;
            p.drawLine(c, QPointF(c.x() + r * std::cos(a), c.y() - r * std::sin(a)));
        }
    }
    p.setPen(QPen(Bordo, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(q);
    p.restore();
}

void Freccia(QPainter& p, QPointF da, QPointF a, const QColor& c, qreal spessore = 1.6, qreal punta = 3.5)
{
    p.save();
    const QLineF l(da, a);
    const QLineF unita = l.unitVector();
    const QPointF d(unita.dx(), unita.dy());
    const QPointF n(-d.y(), d.x());
    p.setPen(QPen(c, spessore, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(da, a - d * punta);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF({a, a - d * punta * 1.6 + n * punta, a - d * punta * 1.6 - n * punta}));
    p.restore();
}

// A page with a folded corner.
void Pagina(QPainter& p, const QRectF& r, const QColor& carta = Bianco)
{
    p.save();
    const qreal piega = qMin(r.width(), r.height()) * 0.3;
    QPolygonF f({r.topLeft(), QPointF(r.right() - piega, r.top()), QPointF(r.right(), r.top() + piega),
                 r.bottomRight(), r.bottomLeft()});
    p.setPen(QPen(Bordo, 1.0));
    p.setBrush(carta);
    p.drawPolygon(f);
    p.setBrush(GrigioChiaro);
    p.drawPolygon(QPolygonF({QPointF(r.right() - piega, r.top()), QPointF(r.right() - piega, r.top() + piega),
                             QPointF(r.right(), r.top() + piega)}));
    p.restore();
}

// Lines of "writing" on a page.
void Righe(QPainter& p, const QRectF& r, int n)
{
    p.save();
    p.setPen(QPen(QBColor(8), 1.0));
    for (int i = 0; i < n; ++i) {
        const qreal y = r.top() + 0.5 + i * r.height() / n;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right() - (i % 2 ? 2 : 0), y));
    }
    p.restore();
}

void Quadratino(QPainter& p, const QRectF& r, const QColor& riempimento = Bianco)
{
    p.save();
    p.setPen(QPen(Nero, 1.0));
    p.setBrush(riempimento);
    p.drawRect(r);
    p.restore();
}

// A question mark, bold, in dark blue.
void Domanda(QPainter& p, const QRectF& r) { Testo(p, r, QStringLiteral("?"), r.height(), BluScuro); }

// ---- Families ------------------------------------------------------------

// 1-16: both terms multiplied (or divided) by k; the disc below goes from
// whole to cut in parts (or back).
void Equivalenza(QPainter& p, int k, bool dividi)
{
    const QString op = dividi ? QStringLiteral(":") : QString(QChar(0x00D7));
    const QString t = op + QString::number(k);
    const qreal dim = 9.5;
    for (int riga = 0; riga < 2; ++riga) {
        const qreal y = riga == 0 ? 1.5 : 11.5;
        Quadratino(p, QRectF(3.5, y + 1, 6, 6), QColor(255, 255, 160));
        Testo(p, QRectF(10, y - 1.5, 24, 11), t, dim, Nero, true, Qt::AlignLeft | Qt::AlignVCenter);
    }
    p.save();
    p.setPen(QPen(Nero, 1.2));
    p.drawLine(QPointF(2, 10.5), QPointF(32, 10.5));
    p.restore();
    const int parti = qMin(k, 8);
    const QPointF sx(7.5, 26.5), dx(26.5, 26.5);
    Torta(p, sx, 5.8, dividi ? parti : 1, dividi ? parti : 1, Rosso);
    Torta(p, dx, 5.8, dividi ? 1 : parti, dividi ? 1 : parti, Rosso);
    Freccia(p, QPointF(14.5, 26.5), QPointF(20.5, 26.5), Nero, 1.2, 2.2);
}

// 27-34 and 37-44: a whole-number multiplication (cross) or division (colon).
void PerNumero(QPainter& p, int k, bool dividi)
{
    p.save();
    p.setPen(QPen(Blu, 3.2, Qt::SolidLine, Qt::RoundCap));
    if (dividi) {
        p.setPen(Qt::NoPen);
        p.setBrush(Blu);
        p.drawEllipse(QPointF(8, 11), 2.7, 2.7);
        p.drawEllipse(QPointF(8, 22), 2.7, 2.7);
    } else {
        p.drawLine(QPointF(3.5, 11), QPointF(12.5, 22));
        p.drawLine(QPointF(12.5, 11), QPointF(3.5, 22));
    }
    p.restore();
    const QString n = QString::number(k);
    Testo(p, QRectF(14, 4, 20, 25), n, n.size() > 1 ? 15 : 19, Nero);
}

// The five ways of adding a fraction: a figure with an arrow into a page.
void Aggiungi(QPainter& p, int figura)
{
    Pagina(p, QRectF(20.5, 7.5, 12, 20));
    Righe(p, QRectF(22.5, 14, 8, 10), 3);
    Freccia(p, QPointF(13.5, 17.5), QPointF(25.5, 17.5), Verde, 2.2, 3.0);
    switch (figura) {
    case 23: Torta(p, QPointF(8.5, 17.5), 7.5, 4, 1, Rosso); break;
    case 56: {
        Testo(p, QRectF(0, 3, 15, 13), QStringLiteral("1"), 12, Rosso);
        p.save();
        p.setPen(QPen(Nero, 1.4));
        p.drawLine(QPointF(2, 17.5), QPointF(13, 17.5));
        p.restore();
        Testo(p, QRectF(0, 18, 15, 13), QStringLiteral("4"), 12, Rosso);
        break;
    }
    case 57:
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                Quadratino(p, QRectF(1.5 + c * 4, 11.5 + r * 4, 4, 4), (r == 0 && c < 2) ? Rosso : Bianco);
        break;
    case 63:
        for (int c = 0; c < 3; ++c) Quadratino(p, QRectF(1.5 + c * 4, 14.5, 4, 6), c == 0 ? Rosso : Bianco);
        break;
    case 64:
        Quadratino(p, QRectF(0.5, 12.5, 4, 6));
        Testo(p, QRectF(4, 12, 3, 9), QStringLiteral(","), 10, Nero);
        Quadratino(p, QRectF(7.5, 12.5, 4, 6));
        Quadratino(p, QRectF(11.5, 12.5, 4, 6));
        break;
    }
}

void Raggruppa(QPainter& p)
{
    p.save();
    p.setPen(QPen(Bordo, 1.0));
    p.setBrush(QColor(255, 255, 192));
    p.drawRoundedRect(QRectF(0.5, 1.5, 13, 30), 2, 2);
    p.restore();
    Torta(p, QPointF(7, 9), 5, 4, 1, Rosso);
    Torta(p, QPointF(7, 24), 5, 4, 1, Rosso);
    Freccia(p, QPointF(14.5, 16.5), QPointF(20.5, 16.5), Nero, 1.4, 2.4);
    Torta(p, QPointF(26.5, 16.5), 7, 4, 2, Rosso);
}

void SeparaUnita(QPainter& p)
{
    Torta(p, QPointF(8, 11), 7, 3, 2, Rosso);
    Testo(p, QRectF(0, 18, 16, 15), QStringLiteral("u"), 14, BluScuro);
    Freccia(p, QPointF(15.5, 11), QPointF(21.5, 11), Nero, 1.4, 2.4);
    Torta(p, QPointF(28, 6), 4.5, 3, 1, Rosso);
    Torta(p, QPointF(28, 17), 4.5, 3, 1, Rosso);
    Torta(p, QPointF(28, 28), 4.5, 3, 0, Rosso);
}

void SeparaDue(QPainter& p)
{
    Torta(p, QPointF(8, 16.5), 7.5, 5, 3, Rosso);
    Freccia(p, QPointF(16, 16.5), QPointF(21.5, 16.5), Nero, 1.4, 2.4);
    Torta(p, QPointF(27.5, 8), 5.5, 5, 1, Rosso);
    Torta(p, QPointF(27.5, 25), 5.5, 5, 2, Rosso);
}

void Forbici(QPainter& p)
{
    p.save();
    p.setPen(QPen(QColor(96, 96, 96), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 3), QPointF(21, 20));
    p.drawLine(QPointF(23, 3), QPointF(13, 20));
    p.setPen(QPen(Rosso, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 25), 4.5, 4.5);
    p.drawEllipse(QPointF(24, 25), 4.5, 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Nero);
    p.drawEllipse(QPointF(17, 14), 1.3, 1.3);
    p.restore();
}

void Copia(QPainter& p)
{
    Pagina(p, QRectF(3.5, 2.5, 15, 19));
    Righe(p, QRectF(5.5, 9, 9, 10), 3);
    Pagina(p, QRectF(14.5, 11.5, 15, 19));
    Righe(p, QRectF(16.5, 18, 9, 10), 3);
}

void Incolla(QPainter& p)
{
    p.save();
    p.setPen(QPen(QColor(96, 64, 0), 1.0));
    p.setBrush(QColor(192, 128, 64));
    p.drawRoundedRect(QRectF(2.5, 4.5, 19, 26), 2, 2);
    p.setBrush(QColor(192, 192, 192));
    p.drawRoundedRect(QRectF(7.5, 2.5, 9, 5), 1.5, 1.5);
    p.restore();
    Pagina(p, QRectF(14.5, 11.5, 16, 20));
    Righe(p, QRectF(16.5, 18, 10, 11), 3);
}

void Lente(QPainter& p, bool piu)
{
    p.save();
    p.setPen(QPen(QColor(128, 64, 0), 4.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(29.5, 29.5));
    p.setPen(QPen(Bordo, 2.0));
    p.setBrush(QColor(224, 240, 255));
    p.drawEllipse(QPointF(13, 13), 10, 10);
    p.setPen(QPen(BluScuro, 2.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(7.5, 13), QPointF(18.5, 13));
    if (piu) p.drawLine(QPointF(13, 7.5), QPointF(13, 18.5));
    p.restore();
}

void FrecciaBlu(QPainter& p, bool destra)
{
    QPolygonF f({QPointF(3, 16.5), QPointF(15, 5), QPointF(15, 11.5), QPointF(31, 11.5), QPointF(31, 21.5),
                 QPointF(15, 21.5), QPointF(15, 28)});
    if (destra)
        for (QPointF& q : f) q.setX(34 - q.x());
    p.save();
    p.setPen(QPen(BluScuro, 1.0));
    p.setBrush(Blu);
    p.drawPolygon(f);
    p.restore();
}

void Trasferisci(QPainter& p)
{
    Pagina(p, QRectF(0.5, 6.5, 12, 19), TintaFoglioA);
    Testo(p, QRectF(0.5, 12, 10, 12), QStringLiteral("A"), 9, Nero);
    Pagina(p, QRectF(21.5, 6.5, 12, 19), TintaFoglioB);
    Testo(p, QRectF(21.5, 12, 10, 12), QStringLiteral("B"), 9, Nero);
    Freccia(p, QPointF(10, 16), QPointF(25, 16), Rosso, 2.4, 3.0);
}

void Barre(QPainter& p, bool crescenti)
{
    Domanda(p, QRectF(0, 2, 13, 27));
    const int h[3] = {7, 14, 21};
    const QColor colori[3] = {QBColor(10), QBColor(14), Rosso};
    p.save();
    p.setPen(QPen(Bordo, 1.0));
    for (int i = 0; i < 3; ++i) {
        const int a = crescenti ? h[i] : h[2 - i];
        p.setBrush(colori[crescenti ? i : 2 - i]);
        p.drawRect(QRectF(14.5 + i * 6.5, 30.5 - a, 5, a));
    }
    p.restore();
}

void Uguali(QPainter& p)
{
    Domanda(p, QRectF(0, 2, 14, 28));
    p.save();
    p.setPen(QPen(Rosso, 3.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(16, 12.5), QPointF(31, 12.5));
    p.drawLine(QPointF(16, 20.5), QPointF(31, 20.5));
    p.restore();
}

// A small vice: a base, a fixed jaw, a sliding jaw and its screw handle.
void Morsa(QPainter& p)
{
    Domanda(p, QRectF(0, 1, 13, 26));
    p.save();
    p.setPen(QPen(Bordo, 1.0));
    p.setBrush(QColor(96, 96, 160));
    p.drawRect(QRectF(13.5, 26.5, 19, 4));      // base
    p.drawRect(QRectF(13.5, 12.5, 4, 14));      // fixed jaw
    p.drawRect(QRectF(24.5, 12.5, 4, 14));      // sliding jaw
    p.setPen(QPen(Bordo, 1.6));
    p.drawLine(QPointF(28.5, 19.5), QPointF(33, 19.5));   // screw
    p.drawLine(QPointF(33, 15), QPointF(33, 24));         // handle
    p.restore();
    // the fraction held between the jaws
    Torta(p, QPointF(21, 18), 3.2, 2, 1, Rosso);
}

void Lineare(QPainter& p)
{
    p.save();
    QPainterPath graffa;
    graffa.moveTo(2, 15);
    graffa.quadTo(2, 10, 8, 10);
    graffa.lineTo(13, 10);
    graffa.quadTo(17, 10, 17, 6);
    graffa.quadTo(17, 10, 21, 10);
    graffa.lineTo(26, 10);
    graffa.quadTo(32, 10, 32, 15);
    p.setPen(QPen(BluScuro, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(graffa);
    p.restore();
    for (int i = 0; i < 5; ++i) Quadratino(p, QRectF(1.5 + i * 6, 17.5, 6, 8), i < 2 ? Rosso : Bianco);
}

void Poligonale(QPainter& p)
{
    const QPointF c(17, 16.5);
    const qreal r = 14;
    QPolygonF rombo({QPointF(c.x(), c.y() - r), QPointF(c.x() + r, c.y()), QPointF(c.x(), c.y() + r),
                     QPointF(c.x() - r, c.y())});
    p.save();
    p.setPen(QPen(Bordo, 1.0));
    p.setBrush(GrigioTorta);
    p.drawPolygon(rombo);
    p.setBrush(Rosso);
    p.drawPolygon(QPolygonF({c, QPointF(c.x(), c.y() - r), QPointF(c.x() + r, c.y())}));
    p.setPen(QPen(Bianco, 1.0));
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    p.restore();
}

void Rettangolare(QPainter& p)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c)
            Quadratino(p, QRectF(2.5 + c * 6, 4.5 + r * 6, 6, 6), (r == 0 || (r == 1 && c < 2)) ? Rosso : Bianco);
}

void Istogramma(QPainter& p)
{
    const int h[4] = {10, 20, 14, 24};
    const QColor colori[4] = {Rosso, Blu, Verde, QBColor(13)};
    p.save();
    p.setPen(QPen(Bordo, 1.0));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colori[i]);
        p.drawRect(QRectF(5.5 + i * 7, 29.5 - h[i], 5, h[i]));
    }
    p.setPen(QPen(Nero, 1.4));
    p.drawLine(QPointF(2.5, 2), QPointF(2.5, 30.5));
    p.drawLine(QPointF(2.5, 30.5), QPointF(33, 30.5));
    p.restore();
}

void ValoreDecimale(QPainter& p)
{
    Quadratino(p, QRectF(4.5, 2.5, 6, 8));
    Testo(p, QRectF(10, 2, 5, 11), QStringLiteral(","), 11, Nero);
    Quadratino(p, QRectF(15.5, 2.5, 6, 8));
    Quadratino(p, QRectF(22.5, 2.5, 6, 8));
    Testo(p, QRectF(0, 13, 34, 9), QStringLiteral("valore"), 8, BluScuro, false, Qt::AlignCenter,
          QFont::Condensed);
    Testo(p, QRectF(0, 22, 34, 9), QStringLiteral("decimale"), 8, BluScuro, false, Qt::AlignCenter,
          QFont::Condensed);
}

// A small fraction of digits, stacked, centred on x.
void FrazioneCifre(QPainter& p, qreal x, const QString& n, const QString& d, const QColor& c)
{
    Testo(p, QRectF(x - 6, 3, 12, 12), n, 11, c);
    p.save();
    p.setPen(QPen(Nero, 1.3));
    p.drawLine(QPointF(x - 4.5, 16.5), QPointF(x + 4.5, 16.5));
    p.restore();
    Testo(p, QRectF(x - 6, 18, 12, 12), d, 11, c);
}

void Per(QPainter& p, qreal x)
{
    Testo(p, QRectF(x - 5, 9, 10, 14), QString(QChar(0x00D7)), 12, Nero);
}

void FrazDiNum(QPainter& p)
{
    FrazioneCifre(p, 7, QStringLiteral("2"), QStringLiteral("3"), Rosso);
    Per(p, 16.5);
    Quadratino(p, QRectF(22.5, 11.5, 10, 10), QColor(192, 224, 255));
}

void FrazDiFraz(QPainter& p)
{
    FrazioneCifre(p, 7, QStringLiteral("2"), QStringLiteral("3"), Rosso);
    Per(p, 17);
    FrazioneCifre(p, 27, QStringLiteral("1"), QStringLiteral("4"), Blu);
}

// A prime factor tree of squares with the letter of the term (n or d).
void Albero(QPainter& p, const QString& lettera)
{
    p.save();
    p.setPen(QPen(Bordo, 1.0));
    p.drawLine(QPointF(21, 7), QPointF(15, 16));
    p.drawLine(QPointF(21, 7), QPointF(28, 16));
    p.drawLine(QPointF(15, 18), QPointF(11, 26));
    p.drawLine(QPointF(15, 18), QPointF(19, 26));
    p.restore();
    Quadratino(p, QRectF(17.5, 1.5, 7, 7), QColor(255, 255, 160));
    Quadratino(p, QRectF(11.5, 14.5, 7, 7), QColor(255, 255, 160));
    Quadratino(p, QRectF(24.5, 14.5, 7, 7), Rosso);
    Quadratino(p, QRectF(7.5, 25.5, 7, 7), Rosso);
    Quadratino(p, QRectF(16.5, 25.5, 7, 7), Rosso);
    Testo(p, QRectF(0, 0, 12, 14), lettera, 14, BluScuro);
}

void Disegna(QPainter& p, int n)
{
    const auto& fattori = FattoriToolbar1;
    if (n >= 1 && n <= 8) return Equivalenza(p, fattori[n - 1], false);
    if (n >= 9 && n <= 16) return Equivalenza(p, fattori[n - 9], true);
    if (n >= 27 && n <= 34) return PerNumero(p, fattori[n - 27], false);
    if (n >= 37 && n <= 44) return PerNumero(p, fattori[n - 37], true);
    switch (n) {
    case 17: return Raggruppa(p);
    case 18: return SeparaUnita(p);
    case 65: return SeparaDue(p);
    case 19: return Forbici(p);
    case 20: Pagina(p, QRectF(7.5, 3.5, 19, 26)); return;
    case 47: return Copia(p);
    case 48: return Incolla(p);
    case 21: return Lente(p, true);
    case 22: return Lente(p, false);
    case 24: return FrecciaBlu(p, false);
    case 25: return FrecciaBlu(p, true);
    case 26: return Trasferisci(p);
    case 23: case 56: case 57: case 63: case 64: return Aggiungi(p, n);
    case 49: return Barre(p, true);
    case 50: return Barre(p, false);
    case 51: return Uguali(p);
    case 52: return Morsa(p);
    case 53: return Lineare(p);
    case 54: return Poligonale(p);
    case 55: return Rettangolare(p);
    case 68: return Istogramma(p);
    case 58: Testo(p, QRectF(0, 0, 34, 33), QStringLiteral("MCD"), 12.5, BluScuro); return;
    case 59: Testo(p, QRectF(0, 0, 34, 33), QStringLiteral("mcd"), 14, Verde); return;
    case 60: return ValoreDecimale(p);
    case 61: return FrazDiNum(p);
    case 62: return FrazDiFraz(p);
    case 66: return Albero(p, QStringLiteral("n"));
    case 67: return Albero(p, QStringLiteral("d"));
    default: return;
    }
}

// The greyed copy: the same shapes in light greys, lighter where the
// picture is light, so the button reads as switched off.
void Ingrigisci(QImage& img)
{
    for (int y = 0; y < img.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = riga[x];
            const int a = qAlpha(c);
            if (a == 0) continue;
            // premultiplied: bring back the colour before measuring it
            const int r = qRed(c) * 255 / a, g = qGreen(c) * 255 / a, b = qBlue(c) * 255 / a;
            const int l = (r * 11 + g * 16 + b * 5) / 32;
            const int v = 140 + l * 100 / 255;
            riga[x] = qRgba(v * a / 255, v * a / 255, v * a / 255, a);
        }
    }
}

}   // namespace

QImage DisegnaIconaToolbar1(int numero, qreal scala, bool grigia)
{
    const QSize dim(qCeil(LarghezzaIconaToolbar1 * scala), qCeil(AltezzaIconaToolbar1 * scala));
    QImage img(dim, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(scala, scala);
        Disegna(p, numero);
    }
    if (grigia) Ingrigisci(img);
    img.setDevicePixelRatio(scala);
    return img;
}

QIcon IconaToolbar1(int numero)
{
    QIcon icona;
    for (qreal scala : {1.0, 2.0}) {
        icona.addPixmap(QPixmap::fromImage(DisegnaIconaToolbar1(numero, scala, false)), QIcon::Normal);
        icona.addPixmap(QPixmap::fromImage(DisegnaIconaToolbar1(numero, scala, true)), QIcon::Disabled);
    }
    return icona;
}
