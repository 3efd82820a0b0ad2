#pragma once
// Opening a web address in the desktop's default browser. The address goes
// to the desktop's opener as the only argument of a program started on its
// own (no shell, nothing waited for), so an address is never read as a
// command, whatever it holds.
#include <QString>
#include <QStringList>
#include <functional>

namespace Browser {
// Starts a program with its arguments, detached; true when it started.
using Avviatore = std::function<bool(const QString& programma, const QStringList& argomenti)>;

// The desktop's opener on this system ("xdg-open", "open", or the URL
// handler of Windows) and the arguments that give it the address.
QString Programma();
QStringList Argomenti(const QString& indirizzo);

// Opens the address; false when the opener could not be started (not
// installed, not executable). An empty address opens nothing and fails.
bool Apri(const QString& indirizzo);

// For tests: every launch goes to avviatore in place of a real process (an
// empty function puts the real launch back).
void ImpostaAvviatore(Avviatore avviatore);
}
