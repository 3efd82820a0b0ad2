#pragma once
// The main window: a multiple-document window that frames the sheets and
// the notes, with the command toolbar at the top, the strip (palette, sum
// labels, window toolbar) at the bottom above the status bar.
#include "platform/Unica.h"
#include <QDeadlineTimer>
#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QLabel;
class QTimer;
class QToolBar;
class QAction;
class QFrame;
class QStatusBar;

class Princ : public QMainWindow {
    Q_OBJECT
public:
    explicit Princ(QWidget* parent = nullptr);
    ~Princ() override;

    QMdiArea* AreaMdi() const { return mdi_; }

    // Toolbar2: buttons 1..4 (1-3 toggles for sheet A, sheet B, notes).
    QToolBar* Toolbar2() const { return toolbar2_; }
    QAction* BottoneToolbar2(int i) const;
    bool Toolbar2Premuto(int i) const;
    // Sets a toggle's state without running its click handler.
    void ImpostaToolbar2(int i, bool premuto);

    // Click on a Toolbar2 button (1..4), after the toggle has changed state.
    void ClicToolbar2(int i);

    // Toolbar1: positions 1..21 (separators included); null until built.
    QToolBar* Toolbar1() const { return toolbar1_; }
    QAction* BottoneToolbar1(int i) const;
    // Registers Toolbar1; on a low-resolution screen buttons 16-20 are
    // hidden at once if they are there already.
    void ImpostaToolbar1(QToolBar* t);

    // The screen check: below 800 x 600 pixels it sets RisoluzioneBassa,
    // hides Toolbar1's buttons 16-20 and warns with the platform's box.
    void EsaminaSchermo();
    // Hides Toolbar1's buttons 16-20 while RisoluzioneBassa is set (nothing
    // otherwise, nothing while Toolbar1 does not exist). Safe to call again,
    // for instance once Toolbar1 has its buttons.
    void ApplicaRisoluzioneBassa();
    // Places the controls of the strip for its current width (called on
    // every resize of the strip).
    void DisponiStriscia();

    // The close request: the save question when the notebook is modified,
    // then InChiusura and every other window unloaded. False when the
    // closing is cancelled (Annulla, a cancelled or failed save). A close
    // of the window while a box is open first answers the box Annulla.
    bool RichiestaChiusura();
    // The unload of the main window: writes the setting "win_avvio".
    void ScaricaPrinc();

    // Status bar panels 1..3.
    void ImpostaPannello(int i, const QString& testo);
    QString TestoPannello(int i) const;
    QLabel* Pannello(int i) const;

    // The strip.
    QFrame* Picture1() const { return picture1_; }
    QLabel* LblSommaFoglioA() const { return lblSommaA_; }
    QLabel* LblSommaFoglioB() const { return lblSommaB_; }
    QLabel* ImgRiducibilita() const { return imgA_; }
    QLabel* ImgRiducibilita1() const { return imgB_; }
    QLabel* PBoxTavolozza(int i) const;

    // A menu action by its name (MnuImpostaMostraValori ...); null if none.
    QAction* Azione(const QString& nome) const;
    bool MenuSpuntato(const QString& nome) const;
    void ImpostaWinAvvio(bool spuntato);

    // Tiles the visible child windows side by side, in the order sheet A,
    // sheet B, notes.
    void Affianca();

    // The child windows registered by their owners, for tiling.
    void RegistraFiglio(QMdiSubWindow* w, int ordine);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void CostruisciStriscia();
    void CostruisciToolbar2();
    void CostruisciBarraStato();
    // A close that arrived while boxes were open, which it answered Annulla:
    // one step of the timer that asks it again once every box answered is
    // back from its exec() (and so the code that opened it has gone on). A
    // box opened meanwhile is that code going on: it is answered Annulla as
    // well. Bounded: the wait for the boxes of a round to come back has a
    // deadline on the clock, and the rounds of boxes answered are counted;
    // past either the close is dropped and the program stays as it is.
    void RiprovaChiusura();
    void FineRinvio();

    QMdiArea* mdi_ = nullptr;
    QToolBar* toolbar1_ = nullptr;
    QToolBar* toolbar2_ = nullptr;
    QFrame* picture1_ = nullptr;
    QLabel* lblSommaA_ = nullptr;
    QLabel* lblSommaB_ = nullptr;
    QLabel* imgA_ = nullptr;
    QLabel* imgB_ = nullptr;
    QLabel* pbox_[9] = {};
    QLabel* pannelli_[3] = {};
    QList<QPair<int, QPointer<QMdiSubWindow>>> figli_;
    bool scaricato_ = false;
    // The timer (named "RiprovaChiusura") runs only while a close waits.
    QTimer* riprova_ = nullptr;
    QList<QPointer<QWidget>> boxAnnullati_;
    QDeadlineTimer scadenza_;
    int giri_ = 0;
};

// The warning of the screen check.
QString TestoRisoluzioneBassa();
// Size of the screen in logical pixels, for the screen check. By default the
// screen of the main window (the primary screen before it exists); a test
// can put another source in its place (an empty function restores it).
QSize DimensioneSchermo();
void ImpostaFonteSchermo(std::function<QSize()> fonte);

// Button i (1-based, separators counted) of a toolbar; null when the toolbar
// is null or has no such position.
QAction* BottoneAlPosto(const QToolBar* t, int i);
