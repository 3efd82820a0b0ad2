#pragma once
// The splash window: a captionless picture centred on the screen that goes
// away after 8 seconds, on a click or a key on the picture, or when it loses
// the focus. The About command shows the same window with the timer off.
#include "platform/Unica.h"
#include <QDialog>
#include <QImage>

class QLabel;
class QPainter;
class QTimer;

class FrmSplash : public QDialog {
    Q_OBJECT
public:
    explicit FrmSplash(QWidget* parent = nullptr);

    QLabel* Picture1() const { return picture1_; }
    QTimer* Timer1() const { return timer1_; }

    // Unloads the window (closes and destroys it).
    void Scarica();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    QLabel* picture1_ = nullptr;
    QTimer* timer1_ = nullptr;
    bool eraAttiva_ = false;
    bool scaricata_ = false;
};

// The splash picture (550 x 360 pixels).
QImage DisegnaImmagineSplash();

// A pie as the sheets draw it: grey disc, the coloured sector of num/den
// counter-clockwise from 3 o'clock, a white radius at each unit fraction.
void DisegnaTortaDecorativa(QPainter& p, QPointF centro, double raggio, int num, int den, const QColor& colore);
