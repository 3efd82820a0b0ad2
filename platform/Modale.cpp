#include "platform/Modale.h"
#include "platform/Finestre.h"
#include <QApplication>
#include <QMessageBox>
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

void BoxPiattaforma(const QString& testo, IconaBox icona)
{
    const QString titolo = QStringLiteral("Zefra");
    Modale::Registra({QStringLiteral("piattaforma"), testo, titolo, int(icona)});
    if (Modale::InCopione()) return;
    QMessageBox box(icona == IconaBox::Critico ? QMessageBox::Critical : QMessageBox::Warning, titolo, testo,
                    QMessageBox::Ok, QApplication::activeWindow());
    RendiSempreSopra(&box);
    box.exec();
}
