#pragma once
// The table of primes: a resizable, top-most window with one read-only rich
// text box that shows the table file "TavolaPrimi.rtf" of the program folder.
// One window for the program (Unica<FrmTavolaPrimi>), created on first use
// and unloaded when closed; it computes nothing.
#include "platform/Unica.h"
#include <QWidget>

class QTextEdit;

class FrmTavolaPrimi : public QWidget {
    Q_OBJECT
public:
    explicit FrmTavolaPrimi(QWidget* parent = nullptr);

    QTextEdit* TxtTavolaPrimi() const { return txt_; }

    // Loads the rich-text file into the box, with tab stops that fit five
    // digits of its last line. A file that cannot be read leaves the box as
    // it was; the result is false and errore (when given) says why.
    bool Carica(const QString& percorso, QString* errore = nullptr);

    // Fits the box to the client area: 50 twips narrower, exactly as high,
    // top-left corner fixed. A window too narrow for the margin leaves the
    // box's width as it was.
    void Form_Resize();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QTextEdit* txt_;
};

// The menu's opening of the table: loads the table afresh into the window
// (created, top-most and centred on the main window the first time), and
// shows it in front. A table that cannot be read gives a warning and shows
// no window (a window already open keeps its table).
void MostraTavolaPrimi();
