#pragma once
// The shared base of the service windows: a top-level tool window that stays
// above the others, one instance per kind, deleted when closed, that may
// remember where it was closed (a pair of 16-bit twips variables of the
// shared state) and may open the service pop-up menu on a right click.
//
// A window of a kind is opened in one of two ways:
//  - ApriFresca<T>(...): the open instance of T (if any) closes, recording
//    its position, and a new one is created, placed at its pair and shown;
//  - ApriRiusata<T>(...): T is created at its design place only when absent;
//    an open one keeps its place and size (and leaves the minimised state);
//    both then take the service background, redraw, show and come to the
//    front.
#include "platform/Finestre.h"
#include "platform/Unica.h"
#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <utility>

class QImage;

// White while the white-service-windows option is checked, else
// RGB(255,224,192).
QColor ColoreSfondoServizio();

class FinestraServizio : public QWidget {
    Q_OBJECT
public:
    // nome: the form's name (objectName). alto/sinistra: its remembered pair
    // (null for the windows that have none). menu: the number the window
    // writes in FinestraMenuServizio on every mouse press (1..9), 0 for a
    // window without the service pop-up.
    FinestraServizio(const QString& nome, int16_t* alto = nullptr, int16_t* sinistra = nullptr,
                     uint8_t menu = 0, QWidget* parent = nullptr);
    ~FinestraServizio() override;

    uint8_t NumeroMenu() const { return menu_; }
    // True once the window has closed (it is deleted at the next turn of
    // the event loop): an opener treats it as absent.
    bool Chiusa() const { return chiusa_; }
    bool HaPosizione() const { return alto_ && sinistra_; }
    // Where the pair says the frame's top-left corner goes, in pixels.
    QPoint PosizioneRicordata() const;

    // The window's drawing as the pupil sees it (client area): what a copy
    // window, the bitmap copy and the print take. The default grabs the
    // client area with its child widgets.
    virtual QImage Istantanea();
    // The text of a check window (sources 4 to 6 of the pop-up); empty for
    // the windows that draw.
    virtual QString TestoCopia() const { return {}; }
    // The widget that must not appear on paper (hidden while printing and
    // shown again afterwards), or null.
    virtual QWidget* NascondiInStampa() const { return nullptr; }
    // Applies the background rule and redraws (for reused windows; the
    // default only sets the background).
    virtual void AggiornaSfondoERidisegna();
    // Whether the pop-up offers "Copia bitmap negli appunti di Windows".
    virtual bool ConsenteCopiaBitmap() const { return true; }

    // Sets the window's (and its drawing areas') background colour.
    virtual void ImpostaSfondo(const QColor& colore);

protected:
    void closeEvent(QCloseEvent* e) override;
    // A press anywhere in the window counts: drawing areas and labels leave
    // their presses to the window.
    void mousePressEvent(QMouseEvent* e) override;
    // Records the position in the pair (frame's top-left, twips, clamped to
    // 16 bits). Called when the window closes.
    void RegistraPosizione();

private:
    void Pressione(Qt::MouseButton bottone, QPoint globale);
    int16_t* alto_;
    int16_t* sinistra_;
    uint8_t menu_;
    bool registrata_ = false;
    bool chiusa_ = false;
};

// Opens the service pop-up for window `sorgente` at the global point `punto`
// (FinestraMenuServizio must already name it). copiaBitmap false greys the
// bitmap item.
void MostraMenuServizio(FinestraServizio* sorgente, QPoint punto, bool copiaBitmap);

// Shows a window that is not shown yet, above the others.
void MostraFinestraServizio(FinestraServizio* w);
// Closes the open instance of a kind at once (its position is recorded).
void ChiudiSubito(FinestraServizio* w);

template <class T, class... Argomenti>
T* ApriFresca(Argomenti&&... argomenti)
{
    if (T* vecchia = Unica<T>::SeEsiste()) ChiudiSubito(vecchia);   // closed or not, it goes now
    T* nuova = new T(std::forward<Argomenti>(argomenti)...);
    Unica<T>::Imposta(nuova);
    MostraFinestraServizio(nuova);
    return nuova;
}

template <class T, class... Argomenti>
T* ApriRiusata(Argomenti&&... argomenti)
{
    T* w = Unica<T>::SeEsiste();
    if (w && w->Chiusa()) {
        // Closed but not yet deleted: showing it again would leave a
        // window that its pending deletion takes away under the pupil.
        delete w;
        w = nullptr;
    }
    const bool nuova = !w;
    if (nuova) {
        w = new T(std::forward<Argomenti>(argomenti)...);
        Unica<T>::Imposta(w);
    }
    w->AggiornaSfondoERidisegna();
    if (nuova) MostraFinestraServizio(w);
    else PortaDavanti(w);   // minimised by the pupil, it comes back too
    return w;
}
