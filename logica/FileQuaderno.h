#pragma once
// The notebook file ".qdn" without any window: its exact bytes, an atomic
// write, a checked read into a separate copy, and the name rules of the
// notebook, its notes file and the command line.
//
// File layout: one 16-bit value a line, each line a blank (or "-" for a
// negative value), the digits, one blank and CR LF. First the count of
// sheet A, then numerator, denominator, selected flag and colour of each of
// its fractions; then the same for sheet B.
#include "logica/Frazione.h"
#include "platform/FileInteri.h"
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// One fraction of a sheet as the file holds it.
struct RecordFrazione {
    int16_t Numeratore = 1;
    int16_t Denominatore = 1;
    int16_t Selezionata = 0;   // 1 selected, 0 not
    int16_t Colore = 0;        // palette index 0..15
    bool operator==(const RecordFrazione&) const = default;
};

// Both sheets of a notebook, apart from the fraction store: fractions in
// position order (the count of a sheet is the size of its list).
struct ContenutoQuaderno {
    std::vector<RecordFrazione> FoglioA;
    std::vector<RecordFrazione> FoglioB;
    bool operator==(const ContenutoQuaderno&) const = default;
};

// True when every count is 0..128, every fraction has
// 1 <= numerator <= denominator, every flag is 0 or 1 and every colour 0..15.
bool VerificaContenutoQuaderno(const ContenutoQuaderno& contenuto);

// The exact bytes of the notebook file for a content.
QByteArray ComponiBytesQuaderno(const ContenutoQuaderno& contenuto);

// Writes the notebook file atomically: either the whole new file is in
// place or the previous file (if any) is left as it was. True on success.
// A sheet of more than 128 fractions is refused (false, nothing written).
bool ScriviFileQuaderno(const QString& percorso, const ContenutoQuaderno& contenuto);


// The largest notebook file the program can write: both sheets full, their
// two counts at most " 128 " and CR LF (7 bytes) and the 4 values of each of
// 2 x 128 fractions at their widest ("-32768 " and CR LF, 9 bytes). A larger
// file is no notebook of this program and is refused before it is read.
inline constexpr qint64 DimensioneMassimaQuaderno = 2 * 7 + 4 * 2 * MaxFrazioni * 9;

// Reads a notebook by the sequential-input rules (blanks before a value
// skipped; a value ends at a blank, a comma or the line end; the blanks and
// the one comma or line end after it are consumed; anything after the last
// record is ignored) and checks it. Only a complete, valid notebook gives a
// content: letters, an empty value, a value outside -32768..32767, a file
// that ends too early, a count outside 0..128, a fraction that is not
// 1 <= numerator <= denominator or a colour outside 0..15 give nothing.
// A selected flag other than 1 is read as 0 (not selected).
std::optional<ContenutoQuaderno> LeggiBytesQuaderno(QByteArrayView bytes);
// Also gives nothing when the file is missing, cannot be read, is not a
// regular file or is larger than DimensioneMassimaQuaderno.
std::optional<ContenutoQuaderno> LeggiFileQuaderno(const QString& percorso);

// True when the name ends in exactly ".qdn" (case counts).
bool FiniscePerQdn(const QString& nome);

// The name Save as uses: the chosen name, with ".qdn" appended unless it
// already ends in exactly ".qdn".
QString CompletaNomeQuaderno(const QString& nomeScelto);

// The notes file beside a notebook: ".rtf" in place of the final ".qdn"
// (a name without ".qdn" gets ".rtf" appended).
QString NomeFileAppunti(const QString& percorsoQuaderno);

// True when the notes hold nothing but spaces (line breaks and tabs count
// as content): such notes are not saved and their old file is deleted.
bool AppuntiVuoti(const QString& testoAppunti);

// The notebook path of the start-up open: the arguments joined with single
// blanks (a path with blanks arrives split), then one double quote dropped
// at the start and one at the end, when present.
QString PercorsoRigaComandi(const QStringList& argomenti);
