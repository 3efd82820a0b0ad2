#pragma once
// Notebook files: the ".qdn" notebook and its notes file beside it, saved,
// opened and laid out (the File menu's handlers are in commands/).
//
// Saving writes both files in full beside the old ones, then renames the
// notebook file into place and then the notes file (or deletes the notes
// file, for blank notes), and reports whether it succeeded. When the notes
// cannot follow, the old notebook file is put back: the save fails with
// "Impossibile salvare il file" and the disk holds the old pair. Should the
// put-back fail too, the message has the second line "Il quaderno sul disco
// è cambiato, gli appunti no". A failed save leaves the notebook marked
// modified. Notes the notes reader would refuse (past its bounds) are never
// written: the save fails, with the second line "Gli appunti sono troppo
// lunghi", and the notes stay in their box. A program stopped between the
// two renames leaves the new notebook file beside the old notes; the next
// open or save of that notebook deletes the program's own temporaries
// beside them (a leading dot, the file's name, ".zefra-" and six letters:
// see ScriviCoppia) and no other file, whatever its name. Links in either
// name are followed as the system follows them, so a save writes the files
// that opening reads; a notes name that leads to the notebook file itself
// is refused before anything is written ("Impossibile salvare il file").
// Opening such a notebook reads the notebook file as its notes, which are
// no RTF: it is refused as any notebook with unreadable notes is.
// Opening shows the wait cursor, reads and checks the whole notebook and its
// notes first (a file that is refused changes nothing on the screen), then
// puts the notes in their box in one piece. Only regular files are read
// (never a device or a pipe), and a notebook file larger than the largest
// the program writes is refused unread.
#include <QString>
#include <functional>

// Writes the notebook under NomeQuaderno; true when both files were written.
bool SalvaQuaderno();
// Writes the notebook file and its notes file (deleted when the notes are
// blank) under percorso. On success QuadernoModificato is cleared; on
// failure the platform box says so, the old files stay as they were and
// the flag keeps its value. Neither NomeQuaderno nor the status bar change.
bool SalvaQuaderno(const QString& percorso);
// The Save-as command: closes the service windows, asks a name (".qdn"
// appended when missing; an existing file is replaced only after a yes),
// saves, and on success takes the name. True when saved (false when the
// pupil cancelled or the write failed).
bool SalvaQuadernoConNome();
// Saves under NomeQuaderno, or through Save as while the notebook has no
// name yet (the Save command). True when saved.
bool SalvaOChiediNome();

// Reads the notebook percorso and its notes file; only when both are sound
// does it put them in place and lay the windows out as an opened notebook
// does (notes shown, sheet A shown unless only sheet B holds fractions,
// sheet B shown only when it holds fractions, tiled). A notes file that is
// missing or empty (0 bytes) gives empty notes. NomeQuaderno becomes
// percorso and QuadernoModificato false. False (nothing changed) when the
// file is missing, unreadable or not a notebook of this program, or its
// notes file cannot be read (the notebook file itself among them, when the
// notes name leads there).
bool CaricaQuaderno(const QString& percorso);

// Opens the notebook named on the command line at start-up (rigaComandi:
// the arguments joined with single blanks). A name not ending in ".qdn", or
// a file that is not a notebook, is refused with a warning and the program
// starts with an empty notebook; a file that does not exist yet keeps its
// name, for the first Save.
void ApriQuadernoIniziale(const QString& rigaComandi);

// Unloads every window but the main window, the sheets and the notes (the
// windows whose caption begins with "Zefra" or "Fogli").
void ChiudiFinestreServizio();

// The status bar's notebook name: "Nome del quaderno: " + nomeFile + "   ".
QString TestoNomeQuaderno(const QString& nomeFile);
// The question before New and Open discard the notebook ("Salvare il
// quaderno ?", kind 1, titolo). False when the command must stop:
// "Annulla", a cancelled Save as, or a save that failed.
bool ChiediDiSalvare(const QString& titolo);
// The open (salva false, "Apri quaderno") or save dialog ("Salva quaderno
// con nome"), starting in CartellaDialogoQuaderni with NomeQuaderno
// proposed: the chosen full path, or empty when cancelled.
QString MostraDialogoQuaderno(bool salva);
// Refuses a file that is not a notebook: "Impossibile aprire il file. Non
// è un file di quaderno " (kind 3, "Apri quaderno").
void AvvisaNonQuaderno();

// --- The open and save dialogs ---------------------------------------------
struct RichiestaDialogoQuaderno {
    bool Salva = false;     // false the open dialog, true the save dialog
    QString Titolo;         // "Apri quaderno" or "Salva quaderno con nome"
    QString Cartella;       // the folder the dialog starts in
    QString NomeProposto;   // the name preset in the dialog (NomeQuaderno)
};
// Shows the dialog and gives the chosen full path, or empty when cancelled.
using FonteDialogoQuaderno = std::function<QString(const RichiestaDialogoQuaderno&)>;
// Puts another source in place of the real dialog (tests); an empty
// function restores the real dialog. While the boxes are scripted and no
// source is set, the dialog is recorded among the shown boxes (genere
// "dialogo") and counts as cancelled.
void ImpostaDialogoQuaderno(FonteDialogoQuaderno fonte);
