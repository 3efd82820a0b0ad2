#pragma once
// "Frazione di un numero intero": the pupil types a whole number N, a
// multiple of the fraction's denominator b, and the window draws N as b rows
// of N/b circles, the first a rows in the fraction's colour, with the result
// beside them.
#include "service/Aperture.h"
#include "service/FinestraServizio.h"

class QLabel;
class QLineEdit;
class QPushButton;
class Superficie;

class FrmFrazDiNum : public FinestraServizio {
    Q_OBJECT
public:
    // Takes the fraction from its hand-off row (FrazioniFinestre row 8);
    // `numero` goes into Text1 with the caret after it.
    explicit FrmFrazDiNum(const QString& numero = QString(), QWidget* parent = nullptr);

    QWidget* Picture1() const { return picture1_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QLineEdit* Text1() const { return text1_; }
    QPushButton* CmdOk() const { return cmdOk_; }
    Superficie* Area() const { return area_; }
    int16_t NumeroIntero() const { return numeroIntero_; }

    void CmdOk_Click();

    // Side of a circle's cell for a drawing area `altezza` pixels high and a
    // grid of q columns by b rows: (altezza − 80) / max(q, b), rounded half
    // to even; 0 when that leaves no room.
    static int Lato(int altezza, int q, int b);

    QImage Istantanea() override;
    QWidget* NascondiInStampa() const override { return picture1_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    int16_t numeratore_, denominatore_, colore_;
    int16_t numeroIntero_ = 0;
    Superficie* area_;
    QWidget* picture1_;
    QLabel* label1_;
    QLabel* label2_;
    QLineEdit* text1_;
    QPushButton* cmdOk_;
};
