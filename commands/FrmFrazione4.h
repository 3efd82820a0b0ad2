#pragma once
// The "Aggiungi" dialog that adds a fraction from a decimal number, either
// terminating (first tab) or repeating (second tab), and the command that
// opens it over the active sheet.
#include <QDialog>
#include <cstdint>
#include <optional>
#include <utility>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

class FrmFrazione4 : public QDialog {
    Q_OBJECT
public:
    explicit FrmFrazione4(QWidget* parent = nullptr);
    // Over the main window when there is one (see Unica); open while
    // Unica<FrmFrazione4>::SeEsiste() is not null.
    static FrmFrazione4* CreaUnica(int);

    QTabBar* TabStrip1() const { return tabStrip1_; }
    QFrame* Frame1() const { return frame1_; }
    QFrame* Frame2() const { return frame2_; }
    QLineEdit* TxtValoreDec() const { return txtValoreDec_; }
    QLineEdit* TxtParteInt() const { return txtParteInt_; }
    QLineEdit* TxtAntiperiodo() const { return txtAntiperiodo_; }
    QLineEdit* TxtPeriodo() const { return txtPeriodo_; }
    QPushButton* CmdOk() const { return cmdOk_; }
    QPushButton* CmdAnnulla() const { return cmdAnnulla_; }
    // The key of the selected tab: "nonperiodico" or "periodico".
    QString ChiaveScheda() const;

    // Shows the page of the selected tab and gives the focus to its first box.
    void TabStrip1_Click();
    // Converts the number of the selected tab. A refused number leaves the
    // dialog open with the pupil's text, after its warning, with the focus
    // in the box to correct; 0 closes it with nothing to add; any other
    // value closes it and becomes the result of Esegui.
    void CmdOk_Click();
    void CmdAnnulla_Click() { reject(); }

    // Shows the dialog modally; the fraction to add once it is closed
    // (numerator and denominator, both 1..32000), or nothing (also when the
    // dialog went with its window while open, answered or not: this object
    // is gone then, and there is no window left to act on).
    std::optional<std::pair<int16_t, int16_t>> Esegui();

private:
    QTabBar* tabStrip1_;
    QFrame* frame1_;
    QFrame* frame2_;
    QLineEdit* txtValoreDec_;
    QLineEdit* txtParteInt_;
    QLineEdit* txtAntiperiodo_;
    QLineEdit* txtPeriodo_;
    QPushButton* cmdOk_;
    QPushButton* cmdAnnulla_;
    // Where the answer goes while Esegui runs: its caller's own, which is
    // still there when the dialog has gone with its window.
    std::optional<std::pair<int16_t, int16_t>>* risultato_ = nullptr;
};

// The command "Inserisci il valore decimale della frazione" (also declared
// in commands/Comandi.h): the dialog over the active sheet (finestra: 1
// sheet A, 2 sheet B), top-most and modal; once it has closed on a value,
// "Sarà inserita la frazione n/d" and the add protocol, then the main
// window comes to the front. Nothing happens unless that sheet is open.
void AggiungiFrazioneValDecimale(uint8_t finestra);
