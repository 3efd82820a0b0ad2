#pragma once
// The two factor-list exercise windows: "Trova il MCD di numeratore e
// denominatore" (FrmScomponi) and "Riduci al minimo comun denominatore"
// (FrmScomponi1). They share one window class; the exercise itself lives
// in ListeFattori.
#include "logica/ListeFattori.h"
#include "platform/Superficie.h"
#include "service/FinestraServizio.h"
#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QToolButton;

// A list box: a drawing surface with a single border while its list is
// active, that reports a press.
class RiquadroLista : public Superficie {
    Q_OBJECT
public:
    explicit RiquadroLista(QWidget* parent);
    void ImpostaBordo(bool bordo);
    bool Bordo() const { return bordo_; }
    std::function<void()> AlClic;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    bool bordo_ = false;
};

class FinestraListeFattori : public FinestraServizio {
    Q_OBJECT
public:
    void CmdAvanti_Click();
    void CmdCancella_Click();
    void CmdControlla_Click();
    void CmdAnnulla_Click() { close(); }
    void PicNum_Click() { Scegli(1); }
    void PicDenom_Click() { Scegli(2); }
    void PicFatComuni_Click() { Scegli(3); }
    // Button k (1..12): the prime 2, 3, 5, ... 37.
    void Toolbar1_ButtonClick(int k);

    const ListeFattori& Liste() const { return liste_; }
    // List 1, 2 or 3's box.
    RiquadroLista* Riquadro(int lista) const { return riquadri_[lista >= 1 && lista <= 3 ? lista - 1 : 0]; }
    QLabel* Etichetta(int lista) const { return etichette_[lista >= 1 && lista <= 3 ? lista - 1 : 0]; }
    QToolButton* BottonePrimo(int k) const { return primi_[k >= 1 && k <= 12 ? k - 1 : 0]; }
    QPushButton* CmdAvanti() const { return cmdAvanti_; }
    QPushButton* CmdCancella() const { return cmdCancella_; }
    QPushButton* CmdControlla() const { return cmdControlla_; }
    QPushButton* CmdAnnulla() const { return cmdAnnulla_; }

    void ImpostaSfondo(const QColor& colore) override;

protected:
    FinestraListeFattori(const QString& nome, int16_t* alto, int16_t* sinistra, ListeFattori::Esercizio esercizio,
                         int32_t a, int32_t b, const QStringList& intestazioni);

private:
    void Scegli(int lista);
    void MostraBordi();
    void DisegnaLista(int lista);

    ListeFattori liste_;
    std::array<QLabel*, 3> etichette_{};
    std::array<RiquadroLista*, 3> riquadri_{};
    std::array<QToolButton*, 12> primi_{};
    QPushButton* cmdAvanti_;
    QPushButton* cmdCancella_;
    QPushButton* cmdControlla_;
    QPushButton* cmdAnnulla_;
};

// The greatest common divisor of a fraction's terms (1 <= N <= D).
class FrmScomponi : public FinestraListeFattori {
    Q_OBJECT
public:
    FrmScomponi(int16_t numeratore, int16_t denominatore);
};

// The least common denominator of two fractions' denominators (>= 1).
class FrmScomponi1 : public FinestraListeFattori {
    Q_OBJECT
public:
    FrmScomponi1(int32_t denominatore1, int32_t denominatore2);
};
