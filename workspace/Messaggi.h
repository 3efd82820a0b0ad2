#pragma once
// The program's message box and question box.
#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

// Shows text under title as a box of the given kind (1-2 error, 3-4
// warning, 5-6 information; odd short, even tall), modal and top-most.
// Errors play "errore.wav" and, once the box is closed, are appended to
// the error register; warnings beep whatever the sound option;
// information plays "info.wav".
void MostraMessaggio(const QString& testo, int tipo, const QString& titolo);
// Asks with "Sì", "No", "Annulla" (kind 1 short, 2 tall); the answer goes
// to RispostaDomanda (1 yes, 0 no, 2 cancel, and cancel too when the box
// is closed any other way or goes with its window). On return it holds this
// question's answer, whatever another question asked meanwhile left there.
void MostraDomanda(const QString& testo, int tipo, const QString& titolo);

// After a message about the text of a field: the field takes the keys, its
// refused text selected so that typing replaces it. (The box has already
// given the keyboard back to the field's window.)
void RiportaFuoco(QWidget* campo);

// The window a new modal box should belong to, so that it stays above
// whatever the pupil is looking at (a top-most service window included);
// never the splash picture, which goes as soon as the box takes the focus.
QWidget* GenitoreModale();
// Centres a dialog over its parent (or the screen) and keeps it on screen.
void CentraDialogo(QWidget* dialogo);

// The message box.
class FrmMsg : public QDialog {
    Q_OBJECT
public:
    explicit FrmMsg(QWidget* parent = nullptr);
    // Icon, sizes, caption and text for a message of the given kind.
    void Prepara(const QString& testo, int tipo, const QString& titolo);
    void CmdOk_Click();

    QLabel* Label() const { return label_; }
    QLabel* Picture1() const { return picture1_; }
    QPushButton* CmdOk() const { return cmdOk_; }
    // Image 1 error, 2 warning, 3 information (0 before Prepara).
    int Immagine() const { return immagine_; }

private:
    QLabel* picture1_;
    QLabel* label_;
    QPushButton* cmdOk_;
    int immagine_ = 0;
};

// The question box.
class FrmMsgYN : public QDialog {
    Q_OBJECT
public:
    explicit FrmMsgYN(QWidget* parent = nullptr);
    void Prepara(const QString& testo, int tipo, const QString& titolo);
    void CmdYes_Click();
    void CmdNo_Click();
    void CmdAnnulla_Click();

    QLabel* Label() const { return label_; }
    QPushButton* CmdYes() const { return cmdYes_; }
    QPushButton* CmdNo() const { return cmdNo_; }
    QPushButton* CmdAnnulla() const { return cmdAnnulla_; }
    // This box's answer: 1 yes, 0 no, 2 cancel (also when closed any other way).
    int Risposta() const { return risposta_; }

private:
    QLabel* picture1_;
    QLabel* label_;
    QPushButton* cmdYes_;
    QPushButton* cmdNo_;
    QPushButton* cmdAnnulla_;
    int risposta_ = 2;
};
