#pragma once
// Files read and written whole, within one procedure.
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QSaveFile;

// Opens f and writes all of dati into it without putting it in place yet
// (the caller's f.commit() does). On any failure, a write refused only when
// the buffer is flushed included, f is cancelled and the result is false.
bool PreparaScrittura(QSaveFile& f, const QByteArray& dati);
// Writes dati as the whole file percorso: the old file, if any, is replaced
// only by a complete new one.
bool ScriviFileIntero(const QString& percorso, const QByteArray& dati);
// Reads the whole file percorso into dati; false when it cannot be opened or
// read, is larger than massimo bytes, or is not a regular file (a folder, a
// device, a pipe: a link to a regular file is followed). Whatever size the
// file system gives, at most massimo + 1 bytes are read, and opening never
// waits for a pipe's writer. On failure dati is left as it was.
bool LeggiFileIntero(const QString& percorso, qint64 massimo, QByteArray& dati);

// What ScriviCoppia did to the disk.
enum class EsitoCoppia {
    Fatto,            // both files are the new ones
    NienteCambiato,   // both files are byte for byte the old ones
    SoloPrimo,        // primo is the new one, secondo still the old one
};
// Writes the file primo with datiPrimo and, beside it, writes secondo with
// *datiSecondo or, when datiSecondo holds nothing, deletes secondo if it is
// there. Something other than a file at either name (a folder) fails before
// anything is written. A name that is a link, or a chain of links, acts on
// the file the system opens under that name, whether that file exists yet
// or not: each link's target is taken from the folder the link really is
// in (after the links on its own way), ".." included. The file is written
// there, put back or deleted there, and the links stay as they are. A
// chain of more than 40 links (one that does not end), and two names that
// lead to one file (the same device and inode when it is there, two hard
// links included; the same place when it is not yet), fail before
// anything is written.
//
// Both new files are written in full beside the old ones first; then the
// old primo gets a second name (a hard link, or a copy where the file
// system has no links), the new primo takes its place, and only then the
// new secondo takes its own (or secondo is deleted). Should that last step
// fail, the old primo is renamed back: NienteCambiato. Should that fail
// too, SoloPrimo. The two renames are two steps: a process that dies
// between them leaves the new primo beside the old secondo, and the old
// primo under its second name.
//
// The second name is the program's own temporary: a dot, the name of the
// file, ".zefra-" and six letters (".prova.qdn.zefra-AbCdEf"), beside the
// file. One left by a save that did not finish is deleted at the start of
// the next one (see RimuoviTemporanei). The file library (QSaveFile)
// writes each new file under no name where the file system allows it and
// gives it a name, the file's own, a dot and six letters, only for the
// instant between linking it in and renaming it over the old file; where
// the file system does not allow it, the file has that name throughout. A
// process that dies at the wrong moment may leave one: it stays, since
// nothing tells it apart from a person's own "prova.qdn.Maggio".
EsitoCoppia ScriviCoppia(const QString& primo, const QByteArray& datiPrimo, const QString& secondo,
                         const std::optional<QByteArray>& datiSecondo);
// Deletes the program's own temporaries beside percorso (the file at the
// end of its links): the regular files named a dot, its name, ".zefra-"
// and six ASCII letters, and nothing else, whatever else its name holds: a
// link so named is not the program's, and it stays, as does its target.
void RimuoviTemporanei(const QString& percorso);

// The steps of ScriviCoppia that change the disk, in the order they run.
enum class PassoCoppia { ConfermaPrimo, ConfermaSecondo, RimuoviSecondo, RipristinaPrimo };
// Tests make a step fail as a disk would: when riesce gives false the step
// is not done and counts as failed. An empty function (the default) lets
// every step run. With ferma set, the save stops as a process that dies
// there stops: that step and all after it are not done, nothing is cleaned
// up, and the result says what the disk then holds.
void ImpostaGuastoCoppia(std::function<bool(PassoCoppia)> riesce, std::optional<PassoCoppia> ferma = std::nullopt);
// Tests run prima between LeggiFileIntero's check of the file's type and
// its opening, to put something else in the file's place; an empty
// function (the default) runs nothing.
void ImpostaPrimaDiAprire(std::function<void(const QString&)> prima);
