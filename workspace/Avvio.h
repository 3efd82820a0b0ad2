#pragma once
#include <QString>
#include <QStringList>

class QDialog;

// The start-up of the program: the start values of the shared state
// (ImpostaValoriIniziali), the sound layer tied to the program folder and
// the sound option, the main window's check of the start-up window item
// (when the main window exists) and, last, a fresh error register (its
// failure leaves the rest set). Called once by the main window's load.
void InizializzaApplicazione();
// Hands the sound layer the program folder and the sound option.
void CollegaSuono();

// Entry procedure: shows the main window, then runs its load handler.
// argomenti are the command-line arguments after the program's name.
void Main(const QStringList& argomenti);

// The main window's load handler, in order: the screen check, the strip,
// the status texts, the start values; then either the notebook named on
// the command line, or the start sound, sheet A shown and sheet B loaded
// hidden, the splash and (unless switched off) the start-up information
// window, each modal.
void CaricaPrinc(const QString& rigaComandi);

// Runs a start-up window modally and destroys it afterwards. While the
// boxes are scripted (tests) the window is not run: it is recorded among
// the shown boxes as genere "finestra", testo = its object name, titolo =
// its caption, and destroyed.
void MostraFinestraModale(QDialog* finestra);
