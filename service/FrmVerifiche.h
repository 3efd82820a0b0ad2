#pragma once
// The result windows of the equality and order checks: one wrapping label
// that holds the heading, a line break and the list of the fractions. The
// text is set once, when the window opens, and does not follow the sheet.
#include "service/FinestraServizio.h"

class QLabel;

class FrmVerificaTesto : public FinestraServizio {
    Q_OBJECT
public:
    QLabel* Label1() const { return label1_; }
    QString TestoCopia() const override;
    // A text window: the pop-up offers no bitmap copy.
    bool ConsenteCopiaBitmap() const override { return false; }

protected:
    FrmVerificaTesto(const QString& nome, const QString& didascalia, int16_t* alto, int16_t* sinistra,
                     uint8_t menu, const QString& testo);

private:
    QLabel* label1_;
};

class FrmUguali : public FrmVerificaTesto {
    Q_OBJECT
public:
    explicit FrmUguali(const QString& testo);
};

class FrmCrescenti : public FrmVerificaTesto {
    Q_OBJECT
public:
    explicit FrmCrescenti(const QString& testo);
};

class FrmDecrescenti : public FrmVerificaTesto {
    Q_OBJECT
public:
    explicit FrmDecrescenti(const QString& testo);
};
