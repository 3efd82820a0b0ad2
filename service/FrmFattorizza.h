#pragma once
// "Scomponi in fattori primi": the pupil factorises a term by clicking the
// green squares of a tree, each click splitting a number into two smaller
// factors, until only red squares (primes) are left.
#include "logica/AlberoFattori.h"
#include "service/FinestraServizio.h"
#include <QTreeWidget>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The tree view: it folds and unfolds only through the window's node
// click, never by itself (no arrows, double-click or keys), so that every
// split or fold comes with its sound.
class AlberoVista : public QTreeWidget {
    Q_OBJECT
public:
    explicit AlberoVista(QWidget* parent);

protected:
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
    void keyPressEvent(QKeyEvent* e) override;
};

class FrmFattorizza : public FinestraServizio {
    Q_OBJECT
public:
    // numero: the term to factorise (>= 2), copied now.
    explicit FrmFattorizza(int16_t numero);

    // A click on a node: splits, folds or unfolds it, or says it is prime.
    void TreeView1_NodeClick(QTreeWidgetItem* nodo);
    // Every click in the tree: no node stays highlighted.
    void TreeView1_Click();
    void Option1_Click();
    void Option2_Click();
    void CmdZoomPiu_Click();
    void CmdZoomMeno_Click();
    void CmdComprimi_Click();
    void CmdAnnulla_Click() { close(); }

    const AlberoFattori& Albero() const { return albero_; }
    AlberoVista* TreeView1() const { return treeView1_; }
    // The item that shows node i of the tree.
    QTreeWidgetItem* Elemento(int i) const;
    QRadioButton* Option1() const { return option1_; }
    QRadioButton* Option2() const { return option2_; }
    QPushButton* CmdZoomPiu() const { return cmdZoomPiu_; }
    QPushButton* CmdZoomMeno() const { return cmdZoomMeno_; }
    QPushButton* CmdComprimi() const { return cmdComprimi_; }
    QPushButton* CmdAnnulla() const { return cmdAnnulla_; }
    QLabel* Label1() const { return label1_; }

private:
    void CostruisciRadice();
    QTreeWidgetItem* NuovoElemento(int i, QTreeWidgetItem* genitore);
    void CambiaTipo(AlberoFattori::Tipo tipo);

    AlberoFattori albero_;
    std::vector<QTreeWidgetItem*> elementi_;   // item of node i
    AlberoVista* treeView1_;
    QLabel* label1_;
    QGroupBox* frame1_;
    QRadioButton* option1_;
    QRadioButton* option2_;
    QPushButton* cmdZoomPiu_;
    QPushButton* cmdZoomMeno_;
    QPushButton* cmdComprimi_;
    QPushButton* cmdAnnulla_;
};
