#pragma once
// The error register "registro.txt" in the program folder: UTF-8 text,
// lines ended by CR LF. A header with the pupil's name and class, then one
// entry for every error message the pupil has been shown.
#include <QDateTime>
#include <QString>
#include <functional>

class QColor;
class QPrinter;
class QTextDocument;

// Creates the register afresh with its header (pupil's name and class as
// they stand in NomeAllievo and Classe). A failure is reported by the
// platform box "Impossibile aggiornare il file registro.txt".
void CreaRegistro();
// Raises ContaErrori and appends the entry of one error message.
void AggiungiAlRegistro(const QString& titolo, const QString& testo);
// Full path of the register.
QString PercorsoRegistro();
// Reads the whole register; false when it cannot be read.
bool LeggiRegistro(QString& testo);

// File menu: "Nuovo registro degli errori" (asks name and class in
// FrmNuovoRegistro), "Mostra il registro degli errori" (FrmRegistro) and
// "Stampa il registro degli errori" (default printer).
void NuovoRegistro();
void MostraRegistro();
void StampaRegistro();

// What "OK" of the new-register dialog does: keeps name and class (line
// breaks taken out), starts the count again and re-creates the register.
void ConfermaNuovoRegistro(const QString& nome, const QString& classe);
// Puts the register's text into a document as plain text, size 12, in the
// given colour (the viewer and the printout show it alike).
void ImpostaTestoRegistro(QTextDocument* documento, const QString& testo, const QColor& colore);
// Prints the register's text (font size 12, black) on the given printer;
// false when the printer refused the job.
bool StampaTestoRegistro(const QString& testo, QPrinter& stampante);

// Date and time as the system writes them.
QString DataDiSistema(const QDate& d);
QString OraDiSistema(const QTime& t);
// The clock the register reads (tests fix it); null restores the real one.
void ImpostaOrologioRegistro(std::function<QDateTime()> orologio);
