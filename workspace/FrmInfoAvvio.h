#pragma once
// The start-up information window "Come iniziare": a picture that shows how
// to begin, the box that switches the window off for the next starts, and
// the close button.
#include <QDialog>
#include <QImage>

class QCheckBox;
class QLabel;
class QPushButton;

class FrmInfoAvvio : public QDialog {
    Q_OBJECT
public:
    explicit FrmInfoAvvio(QWidget* parent = nullptr);

    QLabel* Image1() const { return image1_; }
    QCheckBox* Check1() const { return check1_; }
    QPushButton* CmdChiudi() const { return cmdChiudi_; }

    // Every way the window closes ends here: a ticked box unchecks the
    // menu item "Mostra informazioni all'avvio"; an unticked box changes
    // nothing.
    void done(int risultato) override;

private:
    QLabel* image1_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QPushButton* cmdChiudi_ = nullptr;
};

// The instructions picture (460 x 187 pixels).
QImage DisegnaImmagineIstruzioni();
