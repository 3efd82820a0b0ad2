#pragma once
// The layer under every modal box. The running program always shows the
// real box; a test can switch to a script, in which case boxes are not
// shown but recorded, and questions take the answers queued beforehand.
#include <QList>
#include <QPointer>
#include <QString>
#include <utility>

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
class QWidget;

// A box held on the heap for as long as its caller needs it. A box is the
// child of the window it belongs to, so that it stays above that window;
// but that window may be deleted while the box is open (one that closes
// itself on losing the focus, or one closed by a command that reaches the
// program some other way), and it deletes its children: a box on the
// stack would be freed by it. Here the box then simply goes with it, and
// the holder deletes whatever is left when it goes out of scope.
template <class T>
class BoxCustodito {
public:
    template <class... A>
    explicit BoxCustodito(A&&... argomenti) : box_(new T(std::forward<A>(argomenti)...))
    {
    }
    ~BoxCustodito() { delete box_.data(); }
    BoxCustodito(const BoxCustodito&) = delete;
    BoxCustodito& operator=(const BoxCustodito&) = delete;

    T* get() const { return box_.data(); }
    T* operator->() const { return box_.data(); }
    T& operator*() const { return *box_; }
    // False once the box has gone with its window.
    explicit operator bool() const { return !box_.isNull(); }

private:
    QPointer<T> box_;
};

// Answers every open modal window as its Annulla (or close box) would, so
// that the command that opened each one reads a cancel and ends. Returns
// the windows it answered (none when none was open); each is hidden at
// once, but a box's exec() returns only once control is back in its loop.
QList<QPointer<QWidget>> AnnullaBoxAperti();

// Shows a box modally and, once the pupil has closed it, gives the keyboard
// back as the watcher of the order does for every modal window
// (OrdineFinestre.h): the window that was active when the box opened, or
// one the program showed meanwhile, is activated again, and the field that
// had the keys there has them again (a caller that then names another one
// with setFocus() gets that one). A window manager left to itself may give
// the keyboard to the main window, where a Delete cuts the selection.
// Returns what exec() returns (QDialog::Rejected when the box went with
// its window); the box is not touched once exec() has returned. Every modal
// window of the program runs through here.
int EseguiBox(QDialog& box);

// True while box runs in EseguiBox: from its showing until its exec() has
// returned (a box answered but not yet back from exec() is still running,
// and so is the code of whatever opened it).
bool BoxInCorso(const QWidget* box);

// The platform's own message box: title "Zefra", OK only, not logged.
enum class IconaBox { Esclamativo = 1, Critico = 2 };
void BoxPiattaforma(const QString& testo, IconaBox icona);
