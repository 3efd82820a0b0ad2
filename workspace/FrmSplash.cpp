#include "workspace/FrmSplash.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <numbers>

namespace {
constexpr int LarghezzaImmagine = 550;
constexpr int AltezzaImmagine = 360;
}

void DisegnaTortaDecorativa(QPainter& p, QPointF centro, double raggio, int num, int den, const QColor& colore)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r(centro.x() - raggio, centro.y() - raggio, 2 * raggio, 2 * raggio);
    QPen bianco(Qt::white, std::max(1.0, raggio / 30.0));
    p.setPen(bianco);
    p.setBrush(den == 1 ? colore : GrigioTorta);
    p.drawEllipse(r);
    if (den > 1 && num > 0) {
        // Qt's angles are in sixteenths of a degree, counter-clockwise.
        p.setBrush(colore);
        p.drawPie(r, 0, int(std::lround(5760.0 * num / den)));
    }
    if (den > 1 && den <= 64) {
        for (int k = 1; k <= den; ++k) {
            const double a = 2 * std::numbers::pi * k / den;
            p.drawLine(centro, centro + QPointF(raggio * std::cos(a), -raggio * std::sin(a)));
        }
    }
    p.restore();
}

QImage DisegnaImmagineSplash()
{
    QImage img(LarghezzaImmagine, AltezzaImmagine, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    // A light card in the tint of sheet A, fading to white at the bottom.
    QLinearGradient fondo(0, 0, 0, AltezzaImmagine);
    fondo.setColorAt(0, TintaFoglioA);
    fondo.setColorAt(1, Qt::white);
    p.fillRect(img.rect(), fondo);
    const QColor blu = QBColor(1);
    p.setPen(QPen(blu, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, LarghezzaImmagine - 3, AltezzaImmagine - 3));

    // The title.
    QFont titolo = CarattereConRiserva(QStringLiteral("Verdana"));
    titolo.setBold(true);
    titolo.setPixelSize(104);
    p.setFont(titolo);
    const QRectF zonaTitolo(0, 34, LarghezzaImmagine, 130);
    p.setPen(QColor(0, 0, 0, 60));
    p.drawText(zonaTitolo.translated(4, 4), Qt::AlignCenter, QStringLiteral("Zefra"));
    p.setPen(blu);
    p.drawText(zonaTitolo, Qt::AlignCenter, QStringLiteral("Zefra"));

    QFont sottotitolo = titolo;
    sottotitolo.setBold(false);
    sottotitolo.setPixelSize(20);
    p.setFont(sottotitolo);
    p.setPen(QBColor(8));
    p.drawText(QRectF(0, 160, LarghezzaImmagine, 30), Qt::AlignCenter, QStringLiteral("le frazioni a colori"));

    // A row of pies with their values.
    struct Torta { int num, den, colore; };
    const Torta torte[] = {{1, 2, 12}, {1, 3, 9}, {3, 4, 2}, {2, 5, 13}, {5, 8, 3}};
    const int quante = int(std::size(torte));
    const double raggio = 36;
    const double passo = 98;
    const double x0 = LarghezzaImmagine / 2.0 - passo * (quante - 1) / 2.0;
    QFont valori = sottotitolo;
    valori.setBold(true);
    valori.setPixelSize(16);
    p.setFont(valori);
    for (int i = 0; i < quante; ++i) {
        const QPointF c(x0 + i * passo, 250);
        DisegnaTortaDecorativa(p, c, raggio, torte[i].num, torte[i].den, QBColor(torte[i].colore));
        p.setPen(blu);
        p.drawText(QRectF(c.x() - 40, c.y() + raggio + 6, 80, 22), Qt::AlignCenter,
                   QStringLiteral("%1/%2").arg(torte[i].num).arg(torte[i].den));
    }
    p.end();
    return img;
}

FrmSplash::FrmSplash(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose, true);

    picture1_ = new QLabel(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setPixmap(QPixmap::fromImage(DisegnaImmagineSplash()));
    picture1_->setFocusPolicy(Qt::StrongFocus);
    picture1_->installEventFilter(this);

    // The window is 100 twips wider and taller than its picture.
    const int margine = TwipInPixel(100);
    picture1_->setGeometry(margine / 2, margine / 2, LarghezzaImmagine, AltezzaImmagine);
    setFixedSize(LarghezzaImmagine + margine, AltezzaImmagine + margine);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QBColor(1));
    setPalette(pal);
    setAutoFillBackground(true);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(8000);
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, &FrmSplash::Scarica);
    timer1_->start();

    QScreen* schermo = QGuiApplication::primaryScreen();
    if (schermo) {
        const QRect g = schermo->geometry();
        PosizionaSulloSchermo(this, g.center() - QPoint(width() / 2, height() / 2));
    }
    picture1_->setFocus();
}

void FrmSplash::Scarica()
{
    if (scaricata_) return;
    scaricata_ = true;
    timer1_->stop();
    // Unloaded: the next use loads a new window.
    Unica<FrmSplash>::Dimentica(this);
    close();
}

bool FrmSplash::eventFilter(QObject* o, QEvent* e)
{
    if (o == picture1_ && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::KeyPress)) {
        Scarica();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void FrmSplash::changeEvent(QEvent* e)
{
    QDialog::changeEvent(e);
    if (e->type() != QEvent::ActivationChange) return;
    // Losing the focus counts only once the window has had it: some window
    // managers map a window inactive, or move the focus while mapping it.
    if (isActiveWindow()) eraAttiva_ = true;
    else if (eraAttiva_ && isVisible()) Scarica();
}
