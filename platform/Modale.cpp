#include "platform/Modale.h"
#include "platform/Finestre.h"
#include "platform/OrdineFinestre.h"
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QQueue>
#include <algorithm>

namespace {
bool copione = false;
QQueue<int> risposte;
QList<Modale::Mostrato> mostrati;
// The boxes inside EseguiBox, outermost first: exec() calls nest, so the
// last one in is the first one out.
QList<QPointer<QDialog>> inCorso;
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

QList<QPointer<QWidget>> AnnullaBoxAperti()
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
    return aperti;
}

int EseguiBox(QDialog& box)
{
    // The window the keyboard goes back to is chosen by the watcher of the
    // order, for every modal window alike; here only the field in it.
    SorvegliaModali();
    QWidget* attiva = QApplication::activeWindow();
    if (!attiva && box.parentWidget()) attiva = box.parentWidget()->window();
    const QPointer<QWidget> campo = attiva ? attiva->focusWidget() : nullptr;
    const QPointer<QWidget> finestra = attiva;
    inCorso.append(&box);
    const int esito = box.exec();
    inCorso.removeLast();
    // Taken at once when the window is already active, else as soon as the
    // window manager makes it active.
    if (finestra && campo && campo->window() == finestra && campo->isVisible() && campo->isEnabled())
        campo->setFocus(Qt::OtherFocusReason);
    return esito;
}

bool BoxInCorso(const QWidget* box)
{
    return box && std::any_of(inCorso.cbegin(), inCorso.cend(), [box](const QPointer<QDialog>& d) { return d == box; });
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
