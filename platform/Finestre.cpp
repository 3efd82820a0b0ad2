#include "platform/Finestre.h"
#include "platform/Numeri.h"
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void RendiSempreSopra(QWidget* w)
{
    if (!w) return;
    w->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void PosizionaSulloSchermo(QWidget* w, QPoint pos)
{
    if (!w) return;
    QScreen* s = QGuiApplication::screenAt(pos);
    if (!s) s = QGuiApplication::primaryScreen();
    if (s) {
        const QRect area = s->availableGeometry();
        const QSize dim = w->frameGeometry().size().isValid() ? w->frameGeometry().size() : w->size();
        pos.setX(std::max(area.left(), std::min(pos.x(), area.right() + 1 - dim.width())));
        pos.setY(std::max(area.top(), std::min(pos.y(), area.bottom() + 1 - dim.height())));
    }
    w->move(pos);
}

int TwipInPixel(double twip) { return Arrotonda32(twip / TwipPerPixel); }

QRect RettangoloTwip(int x, int y, int larghezza, int altezza)
{
    return QRect(TwipInPixel(x), TwipInPixel(y), TwipInPixel(larghezza), TwipInPixel(altezza));
}

double PixelInTwip(int pixel) { return double(pixel) * TwipPerPixel; }

QFont CarattereConRiserva(const QString& famiglia)
{
    QFont f;
    f.setFamilies({famiglia, QStringLiteral("DejaVu Sans")});
    return f;
}

QFont CarattereConRiserva(const QString& famiglia, double punti, bool grassetto)
{
    QFont f = CarattereConRiserva(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}
