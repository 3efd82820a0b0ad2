#pragma once
// The main window: a multiple-document window that frames the sheets and
// the notes, with the command toolbar at the top, the strip (palette, sum
// labels, window toolbar) at the bottom above the status bar.
#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class QLabel;
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

    // Toolbar1: positions 1..21 (separators included); null until built.
    QToolBar* Toolbar1() const { return toolbar1_; }
    QAction* BottoneToolbar1(int i) const;
    void ImpostaToolbar1(QToolBar* t) { toolbar1_ = t; }

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

private:
    void CostruisciStriscia();
    void CostruisciToolbar2();
    void CostruisciBarraStato();

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
};

// The one main window, created on first use.
Princ* princ();
// The main window if it exists, else null.
Princ* PrincSeEsiste();
// Destroys the main window (tests start each case afresh).
void DistruggiPrinc();
