#include "platform/Modale.h"
#include "platform/Finestre.h"
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QQueue>

namespace {
bool copione = false;
QQueue<int> risposte;
QList<Modale::Mostrato> mostrati;
}

namespace Modale {
void Copione(bool attivo) { copione = attivo; }
bool InCopione() { return copione; }
void Rispondi(int risposta) { risposte.enqueue(risposta); }
int PrendiRisposta(int predefinita) { return risposte.isEmpty() ? predefinita : risposte.dequeue(); }
void Registra(const Mostrato& m)
{
    // The running program keeps no list of what it showed.
    if (copione) mostrati.append(m);
}
const QList<Mostrato>& Mostrati() { return mostrati; }
void Azzera()
{
    mostrati.clear();
    risposte.clear();
}
}

bool AnnullaBoxAperti()
{
    QList<QPointer<QWidget>> aperti;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isModal()) aperti << w;
    // Closing one may take others with it.
    for (const QPointer<QWidget>& w : std::as_const(aperti)) {
        if (!w) continue;
        if (auto* d = qobject_cast<QDialog*>(w.data())) d->reject();
        else w->close();
    }
    return !aperti.isEmpty();
}

int EseguiBox(QDialog& box)
{
    QPointer<QWidget> finestra = QApplication::activeWindow();
    // Nothing active yet (the window manager has not answered a window just
    // shown): the window the box belongs to is the one the pupil works in.
    if (!finestra && box.parentWidget()) finestra = box.parentWidget()->window();
    const QPointer<QWidget> campo = finestra ? finestra->focusWidget() : nullptr;
    const int esito = box.exec();
    if (finestra && finestra->isVisible()) {
        finestra->activateWindow();
        // Taken at once when the window is already active, else as soon as
        // the window manager makes it active.
        if (campo && campo->window() == finestra && campo->isVisible() && campo->isEnabled())
            campo->setFocus(Qt::OtherFocusReason);
    }
    return esito;
}

void BoxPiattaforma(const QString& testo, IconaBox icona)
{
    const QString titolo = QStringLiteral("Zefra");
    Modale::Registra({QStringLiteral("piattaforma"), testo, titolo, int(icona)});
    if (Modale::InCopione()) return;
    BoxCustodito<QMessageBox> box(icona == IconaBox::Critico ? QMessageBox::Critical : QMessageBox::Warning, titolo,
                                  testo, QMessageBox::Ok, QApplication::activeWindow());
    RendiSempreSopra(box.get());
    EseguiBox(*box);
}
