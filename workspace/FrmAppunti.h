#pragma once
// The notes window "Foglio appunti": the notebook's page of free rich text
// (bold, italic, underline, colour, font size), the third document window
// of the main window beside sheets A and B. One instance, created hidden on
// first use; closing it only hides it (its text stays) unless the program
// is closing.
#include "platform/Unica.h"
#include <QMdiSubWindow>
#include <QString>
#include <functional>
#include <memory>

class QAction;
class QMimeData;
class QTextCursor;
class QTextDocument;
class QTextEdit;
class QToolBar;

class FrmAppunti : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit FrmAppunti(QWidget* parent = nullptr);
    ~FrmAppunti() override;
    // Builds the notes in the main window (see Unica).
    static FrmAppunti* CreaUnica(int);

    // The window's own toolbar (bold, italic, underline, select all) and the
    // rich text box of the notes.
    QToolBar* Toolbar1() const { return toolbar1_; }
    QTextEdit* TxtAppunti() const { return txt_; }
    // Toolbar1's button 1..4, null for any other index.
    QAction* BottoneToolbar1(int indice) const;

    // Event handlers.
    // The notes become the active window: notes state of the commands,
    // FoglioAttivo = 3, "Foglio: appunti   ", black typing in empty notes.
    void Form_Activate();
    // Another window became active: the command state follows it (a sheet
    // gives the sheet state). Null (nothing active) changes nothing.
    void Form_Deactivate(QMdiSubWindow* nuovaAttiva);
    // Lays out the text box under the toolbar.
    void Form_Resize();
    // 1 bold, 2 italic, 3 underline (each on when the selection has none of
    // it, otherwise off for the whole selection), 4 select all; any other
    // index nothing.
    void Toolbar1_ButtonClick(int indice);
    // Any change of the notes' contents marks the notebook modified, except
    // while the program itself loads or empties them (CaricaAppunti).
    void TxtAppunti_Change();

    // Hides the window; when it was the active window, the top visible
    // sheet becomes active, as in any multiple-document window.
    void Nascondi();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    class Contenuto;
    friend void CaricaAppunti(const std::function<void(QTextEdit*)>& carica);

    QWidget* contenuto_ = nullptr;
    QToolBar* toolbar1_ = nullptr;
    QTextEdit* txt_ = nullptr;
    int silenzio_ = 0;   // > 0 while a change is the program's, not the pupil's
};

// The notes window: Unica<FrmAppunti>::Istanza() creates it hidden (and
// registered for tiling in the main window) on first use.
// The notes' rich text box (creates the window if needed).
QTextEdit* TxtAppunti();
// Loaded and not hidden.
bool AppuntiVisibili();

// Toolbar2 button 3 pressed, and Open: shows the notes and makes them the
// active window (the activation runs at once). Does not touch Toolbar2 nor
// tile: the caller does.
void MostraAppunti();
// Toolbar2 button 3 released, New, Open: hides the notes (text kept); when
// they were the active window the top visible sheet becomes active. Does
// not touch Toolbar2 nor tile.
void NascondiAppunti();
// As the window's close box: Toolbar2 button 3 up, hidden, tiled, command
// state for the windows still open; really unloads only while InChiusura.
void ChiudiAppunti();

// Loads, replaces or empties the notes' content as the program does (New,
// Open): carica works on the text box while its change notification is
// suppressed, so the notebook is not marked modified; the undo history
// starts afresh afterwards.
void CaricaAppunti(const std::function<void(QTextEdit*)>& carica);
// Empties the notes the same way.
void SvuotaAppunti();
// A document set up as the notes' own (default font and layout options),
// apart from the box: a large text is built in it far faster than in a
// document the box is showing.
std::unique_ptr<QTextDocument> NuovoDocumentoAppunti();
// Puts such a document in the notes box in place of the old one, which goes,
// as CaricaAppunti does (not marked modified, no undo history).
void MettiDocumentoAppunti(std::unique_ptr<QTextDocument> documento);

// Why a save or a paste refuses notes past the bounds of the notes file.
inline const QString AppuntiTroppoLunghi = QStringLiteral("Gli appunti sono troppo lunghi");

// What a paste into the notes came to.
enum class EsitoIncolla {
    Incollato,     // it went in at the cursor, one step of the undo history
    Rifiutato,     // the notes would go past their bounds: nothing changed
    Illeggibile,   // what was given could not be read: nothing changed
};
// Pastes clipboard data into casella (the notes' box) at its cursor, in
// place of its selection: its RTF, else (none, or one the reader refuses)
// its HTML or Qt's own rich text made fit for Qt's import (HtmlIncollato),
// else its plain text, less the characters the notes file does not keep,
// in the formatting of typing. Whatever it is, it goes in as the notes file
// would read it back (written by the notes' writer, put in by its reader):
// text, bold, italic, underline, strike-through, colour, size, font,
// alignment, the space around a paragraph within the file's bounds, and
// nothing else. It is tried first on a copy of the notes, and goes in,
// with the cursor after it, as one step of the undo history, only when the
// notes with it can be saved and opened again (Rtf::ScriviEntroLimiti);
// otherwise nothing changes and the warning AppuntiTroppoLunghi is shown
// (kind 3, title "Incolla"), as for RTF past the reader's bounds with
// nothing beside it and for plain text that can never fit
// (Rtf::TestoOltreILimiti, refused before any copy). Illeggibile: nothing
// usable, nothing shown; errore, when given, then holds why the reader
// refused the RTF there was (empty when there was none). Its cost grows
// with the notes as well as with the paste (the copy and its count).
EsitoIncolla IncollaNegliAppunti(QTextEdit* casella, const QMimeData* dati, QString* errore = nullptr);
