#include "platform/Finestre.h"
#include "platform/Numeri.h"
#include <QApplication>
#include <QGuiApplication>
#include <QHash>
#include <QPalette>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

void RendiSempreSopra(QWidget* w)
{
    if (!w) return;
    w->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

Qt::WindowFlags FlagDialogoFisso()
{
    // Customised, so that the toolkit adds no button of its own choosing.
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
           Qt::MSWindowsFixedSizeDialogHint;
}

void PortaDavanti(QWidget* w)
{
    if (!w) return;
    // A minimised window stays unmapped through show() and raise(): only
    // leaving the minimised state brings it back.
    if (w->isMinimized()) w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
}

void SostituisciDocumento(QTextEdit* box, QTextDocument* nuovo)
{
    // The box deletes by itself only the first document, which it made:
    // one given to it before is ours, or every replacement would keep one
    // more document in memory.
    QTextDocument* vecchio = box->document()->parent() == box ? box->document() : nullptr;
    nuovo->setParent(box);
    box->setDocument(nuovo);
    delete vecchio;
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

const QPalette& PaletteSfondo(const QColor& colore)
{
    static QHash<QRgb, QPalette> condivise;
    static qint64 base = 0;
    const QPalette applicazione = QGuiApplication::palette();
    if (applicazione.cacheKey() != base) {
        // The application's colours changed: the shared ones follow.
        condivise.clear();
        base = applicazione.cacheKey();
    }
    auto it = condivise.constFind(colore.rgba());
    if (it == condivise.constEnd()) {
        QPalette p = applicazione;
        // Every role set: a widget given this palette keeps it as it is
        // (the very same instance) instead of a merged copy of its own.
        for (int g = 0; g < QPalette::NColorGroups; ++g)
            for (int r = 0; r < QPalette::NColorRoles; ++r)
                p.setBrush(QPalette::ColorGroup(g), QPalette::ColorRole(r),
                           applicazione.brush(QPalette::ColorGroup(g), QPalette::ColorRole(r)));
        p.setColor(QPalette::Window, colore);
        it = condivise.insert(colore.rgba(), p);
    }
    return *it;
}

namespace {
void Condividi(QWidget* genitore, const QPalette& prima, const QPalette& dopo)
{
    for (QObject* o : genitore->children()) {
        auto* figlio = qobject_cast<QWidget*>(o);
        if (!figlio || figlio->isWindow()) continue;
        // A colour of its own: neither the window's nor one it had from it.
        if (figlio->testAttribute(Qt::WA_SetPalette) && !figlio->palette().isCopyOf(prima)) continue;
        figlio->setPalette(dopo);
        Condividi(figlio, prima, dopo);
    }
}
}

void ColoraFinestra(QWidget* w, const QColor& colore)
{
    if (!w) return;
    const QPalette prima = w->palette();
    const QPalette& dopo = PaletteSfondo(colore);
    w->setPalette(dopo);
    Condividi(w, prima, dopo);
}
