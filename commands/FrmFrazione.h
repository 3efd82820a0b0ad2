#pragma once
// The "Aggiungi" dialog that adds a fraction by its numerator and its
// denominator, and the command that opens it over the active sheet.
#include "platform/Unica.h"
#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;

class FrmFrazione : public QDialog {
    Q_OBJECT
public:
    explicit FrmFrazione(QWidget* parent = nullptr);
    // Over the main window when there is one (see Unica); open while
    // Unica<FrmFrazione>::SeEsiste() is not null.
    static FrmFrazione* CreaUnica(int);

    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QLineEdit* TxtNum() const { return txtNum_; }
    QLineEdit* TxtDenum() const { return txtDenum_; }
    QFrame* Line1() const { return line1_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

    // "Ok": checks both terms and adds the fraction to the active sheet
    // (FoglioAttivo) through the add protocol; closes the dialog when the
    // fraction was added or the numerator is 0, otherwise it stays open
    // with the pupil's text and the focus in the box to correct.
    void Command1_Click();
    // "Annulla": closes the dialog, nothing added.
    void Command2_Click();

private:
    QLabel* label1_;
    QLabel* label2_;
    QLineEdit* txtNum_;
    QLineEdit* txtDenum_;
    QFrame* line1_;
    QPushButton* command1_;
    QPushButton* command2_;
};

// The command "Inserisci i termini della frazione": places the dialog over
// the active sheet (finestra: 1 sheet A, 2 sheet B), top-most, shows it
// modally and afterwards brings the main window to the front. Nothing
// happens unless finestra is 1 or 2 and that sheet is open.
// (Also declared with the other commands in commands/Comandi.h.)
void AggiungiFrazioneTermini(uint8_t finestra);
