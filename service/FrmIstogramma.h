#pragma once
// The histogram of the selected fractions: one bar per fraction on a scale
// from 0 to 1 in tenths, and a label naming the bar under the pointer. The
// window keeps its own copy of the bars it was made with, so the chart and
// the label always agree whatever later commands do to the shared tables.
#include "logica/Istogramma.h"
#include "service/FinestraServizio.h"
#include <vector>

class QLabel;
class Superficie;

class FrmIstogramma : public FinestraServizio {
    Q_OBJECT
public:
    // barre: 1..64 fractions, in their order on the sheet.
    explicit FrmIstogramma(std::vector<BarraIstogramma> barre);

    Superficie* Picture1() const { return picture1_; }
    QLabel* LblServizio() const { return lblServizio_; }
    const GeometriaIstogramma& Geometria() const { return geometria_; }

    // The chart keeps its design colours whatever the service option says.
    void AggiornaSfondoERidisegna() override {}
    // Draws the grid and the bars into Picture1 (done once, when made).
    void DisegnaIstogramma();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    // The pointer at (x, y) of the chart: show or hide the hover label.
    void PassaggioMouse(int x, int y);

    Superficie* picture1_;
    QLabel* lblServizio_;
    GeometriaIstogramma geometria_;
};
