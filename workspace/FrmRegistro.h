#pragma once
// The viewer of the error register.
#include <QColor>
#include <QDialog>

class QTextEdit;
class QPushButton;

class FrmRegistro : public QDialog {
    Q_OBJECT
public:
    explicit FrmRegistro(QWidget* parent = nullptr);
    // Shows the register's text as plain text, size 12, in the given colour.
    void CaricaTesto(const QString& testo, const QColor& colore);
    void CmdAnnulla_Click();

    QTextEdit* RichTextBox1() const { return rtb_; }
    QPushButton* CmdAnnulla() const { return cmdAnnulla_; }

private:
    QTextEdit* rtb_;
    QPushButton* cmdAnnulla_;
};
