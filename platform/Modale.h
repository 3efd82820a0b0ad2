#pragma once
// The layer under every modal box. The running program always shows the
// real box; a test can switch to a script, in which case boxes are not
// shown but recorded, and questions take the answers queued beforehand.
#include <QList>
#include <QString>

namespace Modale {
struct Mostrato {
    QString genere;   // "messaggio", "domanda" or "piattaforma"
    QString testo;
    QString titolo;
    int tipo = 0;     // kind of the box (icon for the platform box: 1 exclamation, 2 critical)
};

void Copione(bool attivo);
bool InCopione();
// Queues the answer the next scripted question gives.
void Rispondi(int risposta);
// Takes the next queued answer, or predefinita when none is queued.
int PrendiRisposta(int predefinita);
// Remembers a box among the shown ones, only while the boxes are scripted.
void Registra(const Mostrato& m);
const QList<Mostrato>& Mostrati();
void Azzera();   // forgets what was shown and the queued answers
}

class QDialog;

// Shows a box modally and, once the pupil has closed it, gives the keyboard
// back: the window that was active when the box opened is activated again
// and its focus widget takes the keys (a caller that then names another
// one with setFocus() gets that one). A window manager left to itself may
// give the keyboard to the main window, where a Delete cuts the selection.
// Returns what exec() returns.
int EseguiBox(QDialog& box);

// The platform's own message box: title "Zefra", OK only, not logged.
enum class IconaBox { Esclamativo = 1, Critico = 2 };
void BoxPiattaforma(const QString& testo, IconaBox icona);
