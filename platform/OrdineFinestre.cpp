#include "platform/OrdineFinestre.h"
#include "platform/Finestre.h"
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// The program's top-level windows, bottom to top.
QList<QPointer<QWidget>> ordine;
// The top-most windows that an open modal window has taken the top-most
// state from.
QList<QPointer<QWidget>> sospese;
// The window that had the keyboard when the first modal window opened.
QPointer<QWidget> tastiera;
// The last window the program showed while a modal window was open.
QPointer<QWidget> apertaColBox;
// From the first modal window shown until the order is made again after
// the last one: the window manager's own moves then are not the pupil's.
bool modaleAperta = false;

// A window that takes a place among the others: not a menu or a tip (which
// the window manager does not stack), not a modal one (which goes when it
// is answered).
bool HaUnPosto(const QWidget* w)
{
    const Qt::WindowType tipo = w->windowType();
    return !w->isModal() && tipo != Qt::Popup && tipo != Qt::ToolTip && tipo != Qt::Desktop;
}

void MettiInCima(QWidget* w)
{
    ordine.removeIf([w](const QPointer<QWidget>& p) { return !p || p == w; });
    ordine.append(w);
}

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

bool DaRialzare(const QWidget* w) { return w && w->isVisible() && !w->isMinimized(); }

// A window manager raises a clicked window within its layer: a top-most
// tool window would cover the modal one, which the pupil then cannot find.
// So while a modal window is open it alone is top-most, with the windows it
// belongs to (a box over an exercise window): the window manager keeps a
// window's own boxes above it. They leave their layer bottom first: the
// window manager puts each one just under the window with the keyboard, so
// they keep their order among themselves.
void SospendiSempreSopra(const QWidget* modale)
{
    QList<const QWidget*> suoi{modale};
    for (const QWidget* p = modale->parentWidget(); p; p = p->window()->parentWidget()) suoi.append(p->window());
    // Any window not in the order (shown before the watcher was installed)
    // goes first, in the toolkit's order.
    QList<QWidget*> daSospendere;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!ordine.contains(w)) daSospendere.append(w);
    for (const QPointer<QWidget>& w : std::as_const(ordine))
        if (w) daSospendere.append(w);
    for (QWidget* w : std::as_const(daSospendere)) {
        if (suoi.contains(w) || w->isModal() || !w->isVisible() || !SempreSopra(w)) continue;
        ImpostaSempreSopra(w, false);
        sospese.append(w);
    }
}

// The window manager raises a modal window's parent with it, and may put the
// windows that lost their top-most state under it: they go back over it in
// their order, still under the modal window. (Openbox may raise the parent
// once more as it marks the box active, and then refuses other raises until
// the box closes: they stay under it, in their order, until then.)
// True while the watcher itself raises windows: those raises are not the
// program bringing a window forward.
bool rialzando = false;

void RialzaSospese()
{
    rialzando = true;
    for (const QPointer<QWidget>& w : std::as_const(ordine))
        if (DaRialzare(w) && sospese.contains(w)) w->raise();
    rialzando = false;
}

void Ripristina()
{
    // Top-most again first: the window manager puts a window that changes
    // layer on the top of its new one, and the order is made after that.
    for (const QPointer<QWidget>& w : std::as_const(sospese))
        if (w && w->windowHandle()) ImpostaSempreSopra(w, true);
    sospese.clear();
    if (DaRialzare(tastiera)) MettiInCima(tastiera);
    rialzando = true;
    for (const QPointer<QWidget>& w : std::as_const(ordine))
        if (DaRialzare(w)) w->raise();
    rialzando = false;
    if (DaRialzare(tastiera)) tastiera->activateWindow();
    tastiera = nullptr;
    apertaColBox = nullptr;
    modaleAperta = false;
}

class SorveglianteModali : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        const QEvent::Type t = e->type();
        if (t != QEvent::Show && t != QEvent::Hide && t != QEvent::WindowStateChange && t != QEvent::WindowActivate &&
            t != QEvent::ZOrderChange && t != QEvent::WindowUnblocked)
            return false;
        if (!o->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(o);
        if (!w->isWindow()) return false;
        if (t == QEvent::WindowUnblocked) {
            // The modal window over it is going, still on screen: the
            // keyboard is asked for now, before the window manager hands it
            // to a window of its own choosing as the modal one disappears
            // (a window that goes as it loses the keyboard would go then).
            if (modaleAperta && DaRialzare(w) &&
                (QApplication::activeModalWidget() ? w == QApplication::activeModalWidget() : w == tastiera))
                w->activateWindow();
            return false;
        }
        if (!w->isModal()) {
            if (!HaUnPosto(w)) return false;
            // A window just shown or raised is put on top by the window
            // manager, and so is one the pupil activates (the program never
            // lowers a window of its own).
            const bool davanti = t == QEvent::Show || (t == QEvent::ZOrderChange && !rialzando);
            if (davanti || (t == QEvent::WindowActivate && !modaleAperta)) MettiInCima(w);
            const bool mostrata = t == QEvent::Show && !e->spontaneous();
            // Between the last modal window gone and the order made again,
            // one the program shows then (a caller going on after its box)
            // is the one to have the keyboard, and so is one it brings
            // forward, unless a window was shown while the box was open:
            // that one was asked for last (the caller brings its own window
            // forward whatever happened meanwhile).
            if (davanti && modaleAperta && !QApplication::activeModalWidget() && (mostrata || !DaRialzare(apertaColBox)))
                tastiera = w;
            // Shown by the program while a modal window is open (a request
            // that reached it some other way than the blocked mouse and
            // keyboard): the newest window, so the one in front with the
            // keyboard once the modal windows are gone. Raises are left out:
            // the window manager raises a modal window's own windows with it.
            if (mostrata && modaleAperta) {
                tastiera = w;
                if (QApplication::activeModalWidget()) apertaColBox = w;
            }
            // Hidden by the program (not minimised): shown again, it comes
            // on top.
            if (t == QEvent::Hide && !e->spontaneous())
                ordine.removeIf([w](const QPointer<QWidget>& p) { return !p || p == w; });
            return false;
        }
        if (t == QEvent::Show) {
            if (!modaleAperta) {
                modaleAperta = true;
                // Nothing active yet (the window manager has not answered a
                // window just shown): the window the modal one belongs to is
                // the one the pupil works in.
                QWidget* attiva = QApplication::activeWindow();
                if (!attiva && w->parentWidget()) attiva = w->parentWidget()->window();
                tastiera = attiva && HaUnPosto(attiva) ? attiva : nullptr;
            }
            SospendiSempreSopra(w);
        } else if (t == QEvent::WindowActivate) {
            RialzaSospese();
        } else if (t == QEvent::Hide) {
            // Once it is gone the next modal window, if any, is known: the
            // one under it has the keyboard again, or, after the last one,
            // the window chosen for it.
            QTimer::singleShot(0, qApp, [] {
                if (QWidget* sotto = QApplication::activeModalWidget()) sotto->activateWindow();
                else if (modaleAperta) Ripristina();
            });
        } else if (t == QEvent::WindowStateChange && w->isMinimized()) {
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
