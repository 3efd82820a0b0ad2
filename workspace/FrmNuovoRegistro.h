#pragma once
// The dialog that re-creates the error register under a pupil's name and
// class.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class FrmNuovoRegistro : public QDialog {
    Q_OBJECT
public:
    // Loads with the current name and class, the caret at the end of each.
    explicit FrmNuovoRegistro(QWidget* parent = nullptr);
    void CmdOk_Click();
    void CmdAnnulla_Click();

    QLineEdit* TxtNome() const { return txtNome_; }
    QLineEdit* TxtClasse() const { return txtClasse_; }
    QPushButton* CmdOk() const { return cmdOk_; }
    QPushButton* CmdAnnulla() const { return cmdAnnulla_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    QLineEdit* txtNome_;
    QLineEdit* txtClasse_;
    QPushButton* cmdOk_;
    QPushButton* cmdAnnulla_;
};
