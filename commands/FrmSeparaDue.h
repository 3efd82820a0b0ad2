#pragma once
// The dialog "Separa in due frazioni con ugual denominatore": the pupil
// moves units between the two parts of a fraction with the arrows, then
// OK hands the two parts to the command that opened it.
#include <QDialog>
#include <cstdint>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QToolButton;
class Superficie;

// How the units of NumFraz are shared between the two parts: Parte1 +
// Parte2 = NumFraz always, and a part never drops below 1. No window.
struct PassiSeparaDue {
    int16_t NumFraz = 2;
    int16_t Parte1 = 1, Parte2 = 1;
    int16_t Passo = 1;   // units moved per click, 1 or 10

    // Opens with all but one unit in the first part.
    explicit PassiSeparaDue(int16_t num) : NumFraz(num), Parte1(int16_t(num - 1)), Parte2(1) {}
    // Moves Passo units from the first part to the second when the first
    // has more than Passo; true when something moved.
    bool Piu();
    // The other way round.
    bool Meno();
};

class FrmSeparaDue : public QDialog {
    Q_OBJECT
public:
    // num/den: the fraction to split (1 < num <= den), in palette colour
    // colore, at position posizione of its sheet.
    FrmSeparaDue(int16_t num, int16_t den, int16_t colore, int16_t posizione, QWidget* parent = nullptr);

    int16_t NumFraz() const { return passi_.NumFraz; }
    int16_t DenFraz() const { return den_; }
    int16_t ColoreFraz() const { return colore_; }
    int16_t PosFraz() const { return pos_; }
    int16_t Parte1() const { return passi_.Parte1; }
    int16_t Parte2() const { return passi_.Parte2; }
    int16_t Passo() const { return passi_.Passo; }

    Superficie* Area() const { return area_; }
    QGroupBox* Frame1() const { return frame1_; }
    QGroupBox* Frame2() const { return frame2_; }
    QToolButton* CmdMeno() const { return cmdMeno_; }
    QToolButton* CmdPiu() const { return cmdPiu_; }
    QRadioButton* Option1() const { return option1_; }
    QRadioButton* Option2() const { return option2_; }
    QPushButton* CmdOk() const { return cmdOk_; }
    QPushButton* CmdAnnulla() const { return cmdAnnulla_; }

    void CmdMeno_Click();
    void CmdPiu_Click();
    void Option1_Click();
    void Option2_Click();
    // OK only closes the dialog as accepted: the caller reads the parts.
    void CmdOk_Click();
    void CmdAnnulla_Click();

    // The pie of m/n centred at (X, Y) (twips), with this dialog's grey,
    // smallest sector and colour.
    void FrazMsuN(int16_t m, int16_t n, int X, int Y);

private:
    // The three pies, the signs and the captions.
    void Disegna();

    PassiSeparaDue passi_;
    int16_t den_, colore_, pos_;
    Superficie* area_;
    QGroupBox* frame1_;
    QGroupBox* frame2_;
    QToolButton* cmdMeno_;
    QToolButton* cmdPiu_;
    QRadioButton* option1_;
    QRadioButton* option2_;
    QPushButton* cmdOk_;
    QPushButton* cmdAnnulla_;
};

// The dialog while it is open, else null.
FrmSeparaDue* FrmSeparaDueAperto();
