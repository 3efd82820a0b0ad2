#pragma once
// "Valore decimale della frazione": the pupil finds the decimal value of a
// fraction by long division, one quotient and one remainder a step.
#include "logica/DivisioneLunga.h"
#include "service/FinestraServizio.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class Superficie;

class FrmValoreDecimale : public FinestraServizio {
    Q_OBJECT
public:
    // The fraction N/D (1 <= N <= D), copied now: the window never reads
    // the hand-off table again.
    FrmValoreDecimale(int16_t numeratore, int16_t denominatore);

    void CmdAvanti_Click();
    void CmdControlla_Click();
    void CmdAnnulla_Click() { close(); }

    const DivisioneLunga& Divisione() const { return divisione_; }
    Superficie* Picture1() const { return picture1_; }
    Superficie* Picture2() const { return picture2_; }
    QScrollArea* ScorrimentoPicture1() const { return scorrimento_; }
    QLineEdit* TxtQuoziente() const { return txtQuoziente_; }
    QLineEdit* TxtResto() const { return txtResto_; }
    QPushButton* CmdAvanti() const { return cmdAvanti_; }
    QPushButton* CmdControlla() const { return cmdControlla_; }
    QPushButton* CmdAnnulla() const { return cmdAnnulla_; }

    void ImpostaSfondo(const QColor& colore) override;

private:
    void DisegnaRiga();
    void DisegnaDivisione();

    DivisioneLunga divisione_;
    Superficie* picture1_;
    Superficie* picture2_;
    QScrollArea* scorrimento_;
    QLabel* label1_;
    QLabel* label2_;
    QLineEdit* txtQuoziente_;
    QLineEdit* txtResto_;
    QPushButton* cmdAvanti_;
    QPushButton* cmdControlla_;
    QPushButton* cmdAnnulla_;
};
