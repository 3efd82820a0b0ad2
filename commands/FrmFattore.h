#pragma once
// The four dialogs that ask the factor of a factor command chosen from the
// menu (FrmEquiv1, FrmEquiv2, FrmMoltiplica, FrmDividi): one class, set up
// by the command it serves.
#include "commands/Comandi.h"
#include <QDialog>
#include <QString>
#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

class FrmFattore : public QDialog {
    Q_OBJECT
public:
    explicit FrmFattore(ComandoFattore comando, QWidget* parent = nullptr);

    ComandoFattore Comando() const { return comando_; }
    // The title of the dialog and of its messages.
    QString Titolo() const;
    QLabel* Label1() const { return label1_; }
    // TxtMoltiplica or TxtDividi.
    QLineEdit* Casella() const { return casella_; }
    // CmdOk / Command1 and CmdAnnulla / Command2.
    QPushButton* BottoneOk() const { return ok_; }
    QPushButton* BottoneAnnulla() const { return annulla_; }

    // OK: checks the text (a whole number 0..32000); a zero is refused with
    // an error, except in FrmMoltiplica, which asks whether to go on (a zero
    // there removes the fraction). A refused text keeps the dialog open with
    // the focus back in the box; an accepted one closes it.
    void Ok_Click();
    // Annulla (also Esc and the close box): closes it, no factor.
    void Annulla_Click();

    // The factor accepted by OK; empty until then and after Annulla.
    std::optional<int16_t> Fattore() const { return fattore_; }

private:
    ComandoFattore comando_;
    QLabel* label1_;
    QLineEdit* casella_;
    QPushButton* ok_;
    QPushButton* annulla_;
    std::optional<int16_t> fattore_;
};

// The factor dialog while it is open, else null.
FrmFattore* FrmFattoreAperto();
