#include "platform/Finestre.h"
#include "platform/Numeri.h"
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>
#include <QWindow>

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

namespace {

// The top-most windows that an open modal window has taken the top-most
// state from: they go back above the others when the last one closes.
QList<QPointer<QWidget>> sospese;

bool SempreSopra(const QWidget* w)
{
    return w->windowHandle() && (w->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
}

void ImpostaSempreSopra(QWidget* w, bool sopra)
{
    // On the native window only: the widget's own flags stay, and changing
    // them would hide and re-create a window that is on screen.
    QWindow* h = w->windowHandle();
    h->setFlags(sopra ? h->flags() | Qt::WindowStaysOnTopHint : h->flags() & ~Qt::WindowStaysOnTopHint);
}

// A window manager raises a clicked window within its layer: a top-most
// tool window would cover the modal one, which the pupil then cannot find.
// So while a modal window is open it alone is top-most, with the windows it
// belongs to (a box over an exercise window): the window manager keeps a
// window's own boxes above it.
void SospendiSempreSopra(const QWidget* modale)
{
    QList<const QWidget*> suoi{modale};
    for (const QWidget* p = modale->parentWidget(); p; p = p->window()->parentWidget()) suoi.append(p->window());
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (suoi.contains(w) || w->isModal() || !w->isVisible() || !SempreSopra(w)) continue;
        ImpostaSempreSopra(w, false);
        sospese.append(w);
    }
}

void RipristinaSempreSopra()
{
    for (const QPointer<QWidget>& w : std::as_const(sospese))
        if (w && w->windowHandle()) ImpostaSempreSopra(w, true);
    sospese.clear();
}

class SorveglianteModali : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        const QEvent::Type t = e->type();
        if (t != QEvent::Show && t != QEvent::Hide && t != QEvent::WindowStateChange && t != QEvent::WindowActivate)
            return false;
        if (!o->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(o);
        if (!w->isWindow() || !w->isModal()) return false;
        if (t == QEvent::Show) {
            SospendiSempreSopra(w);
        } else if (t == QEvent::WindowActivate) {
            // The window manager raises a modal window's parent with it: the
            // windows that were top-most go back over the main window,
            // where the pupil left them (still under the modal one).
            for (const QPointer<QWidget>& s : std::as_const(sospese))
                if (s) s->raise();
        } else if (t == QEvent::Hide) {
            // Once it is gone the next modal window, if any, is known.
            QTimer::singleShot(0, qApp, [] {
                if (!QApplication::activeModalWidget()) RipristinaSempreSopra();
            });
        } else if (w->isMinimized()) {
            // Minimised anyway: back at once (after the window manager has
            // finished minimising it, or the request is lost).
            QTimer::singleShot(0, w, [w] {
                if (w->isVisible()) PortaDavanti(w);
            });
        }
        return false;
    }
};

}   // namespace

void SorvegliaModali()
{
    static SorveglianteModali* sorvegliante = nullptr;
    if (sorvegliante || !qApp) return;
    sorvegliante = new SorveglianteModali();
    sorvegliante->setParent(qApp);
    qApp->installEventFilter(sorvegliante);
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
