#include "service/FrmFattorizza.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Numeri.h"
#include "platform/Suono.h"
#include "service/Esercizi.h"
#include "workspace/ModuloGenerale.h"
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {
// Design, in pixels of the client area.
constexpr int Larghezza = 500, Altezza = 430, Margine = 12;
constexpr int LarghezzaAlbero = 290;
constexpr int Colonna = Margine + LarghezzaAlbero + 14;
constexpr int LarghezzaColonna = Larghezza - Colonna - Margine;
constexpr int LatoQuadratino = 15;

// The node pictures: a square with a shadow, green for a number that can
// still be split, red for a prime.
QIcon Quadratino(const QColor& colore)
{
    QPixmap pm(LatoQuadratino, LatoQuadratino);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.fillRect(3, 3, 12, 12, QColor(96, 96, 96));
    p.fillRect(0, 0, 12, 12, colore);
    p.setPen(colore.darker(160));
    p.drawRect(0, 0, 11, 11);
    p.setPen(colore.lighter(150));
    p.drawLine(1, 1, 10, 1);
    p.drawLine(1, 1, 1, 10);
    return QIcon(pm);
}

// A magnifying glass with a plus or a minus.
QIcon DisegnaLente(bool piu)
{
    QPixmap pm(28, 28);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 20), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 18), QPointF(25, 25));
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(QColor(210, 235, 255));
    p.drawEllipse(QPointF(11, 11), 8.5, 8.5);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(7, 11), QPointF(15, 11));
    if (piu) p.drawLine(QPointF(11, 7), QPointF(11, 15));
    return QIcon(pm);
}

// Every picture here is drawn once for the program's life: Qt files each
// new picture's scaled copies under its identity and keeps the name of the
// entry after the window is gone, so a picture drawn for every window
// leaves a little behind at every opening.
const QIcon& Lente(bool piu)
{
    static const QIcon conPiu = DisegnaLente(true), conMeno = DisegnaLente(false);
    return piu ? conPiu : conMeno;
}

const QIcon& QuadratinoVerde()
{
    static const QIcon icona = Quadratino(QColor(0, 176, 0));
    return icona;
}
const QIcon& QuadratinoRosso()
{
    static const QIcon icona = Quadratino(QColor(224, 0, 0));
    return icona;
}
}

AlberoVista::AlberoVista(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("TreeView1"));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(22);
    setIconSize(QSize(LatoQuadratino, LatoQuadratino));
    setUniformRowHeights(true);
    setAnimated(false);
    // Nothing stays highlighted: a click only splits, folds or unfolds.
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
}

void AlberoVista::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const
{
    // Dotted lines from each number to its two factors; no fold arrows.
    int livello = 0;
    for (QModelIndex i = index.parent(); i.isValid(); i = i.parent()) ++livello;
    if (livello == 0) return;
    const int passo = indentation();
    const int mezzo = rect.top() + rect.height() / 2;
    painter->save();
    painter->setPen(QPen(QColor(128, 128, 128), 1, Qt::DotLine));
    QModelIndex nodo = index;
    for (int colonna = livello - 1; colonna >= 0; --colonna) {
        const int x = rect.left() + colonna * passo + passo / 2;
        const bool seguito = nodo.sibling(nodo.row() + 1, 0).isValid();
        if (nodo == index) {
            painter->drawLine(x, rect.top(), x, seguito ? rect.bottom() : mezzo);
            painter->drawLine(x, mezzo, rect.left() + livello * passo - 2, mezzo);
        } else if (seguito) {
            painter->drawLine(x, rect.top(), x, rect.bottom());
        }
        nodo = nodo.parent();
    }
    painter->restore();
}

void AlberoVista::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Plus:
    case Qt::Key_Minus:
    case Qt::Key_Asterisk:
        e->ignore();
        return;
    default:
        QTreeWidget::keyPressEvent(e);
    }
}

FrmFattorizza::FrmFattorizza(int16_t numero)
    : FinestraServizio(QStringLiteral("FrmFattorizza"), &AltoFattorizza, &SinistraFattorizza), albero_(numero)
{
    setWindowTitle(QStringLiteral("Scomponi in fattori primi"));
    setFont(CarattereConRiserva(QStringLiteral("Comic Sans MS"), 9));
    setFixedSize(Larghezza, Altezza);

    treeView1_ = new AlberoVista(this);
    treeView1_->setGeometry(Margine, Margine, LarghezzaAlbero, Altezza - 2 * Margine);
    treeView1_->setFont(CarattereConRiserva(QStringLiteral("MS Sans Serif"), albero_.DimensioneCarattere()));
    connect(treeView1_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* nodo) {
        TreeView1_NodeClick(nodo);
        TreeView1_Click();
    });

    label1_ = new QLabel(QStringLiteral("Fai clic sui quadratini verdi, se ce ne sono, per scomporre il numero nel "
                                        "prodotto di due numeri minori di esso. Il processo ha termine quando ottieni "
                                        "solo quadratini rossi (cioè numeri primi)."),
                         this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setWordWrap(true);
    int y = Margine;
    label1_->setGeometry(Colonna, y, LarghezzaColonna, label1_->heightForWidth(LarghezzaColonna));
    y += label1_->height() + 12;

    frame1_ = new QGroupBox(QStringLiteral("Tipo scomposizione"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(Colonna, y, LarghezzaColonna, 86);
    option1_ = new QRadioButton(QStringLiteral("Divisori centrali"), frame1_);
    option1_->setObjectName(QStringLiteral("Option1"));
    option1_->setGeometry(12, 26, LarghezzaColonna - 20, 24);
    option1_->setChecked(true);
    option2_ = new QRadioButton(QStringLiteral("Divisori estremi"), frame1_);
    option2_->setObjectName(QStringLiteral("Option2"));
    option2_->setGeometry(12, 54, LarghezzaColonna - 20, 24);
    connect(option1_, &QRadioButton::clicked, this, &FrmFattorizza::Option1_Click);
    connect(option2_, &QRadioButton::clicked, this, &FrmFattorizza::Option2_Click);
    y += frame1_->height() + 14;

    auto lente = [this, y](const char* nome, bool piu, int indice, const QString& suggerimento) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromUtf8(nome));
        b->setIcon(Lente(piu));
        b->setIconSize(QSize(28, 28));
        b->setToolTip(suggerimento);
        b->setGeometry(Colonna + indice * 52, y, 44, 40);
        return b;
    };
    cmdZoomPiu_ = lente("CmdZoomPiù", true, 0, QStringLiteral("Ingrandisci"));
    cmdZoomMeno_ = lente("CmdZoomMeno", false, 1, QStringLiteral("Riduci"));
    connect(cmdZoomPiu_, &QPushButton::clicked, this, &FrmFattorizza::CmdZoomPiu_Click);
    connect(cmdZoomMeno_, &QPushButton::clicked, this, &FrmFattorizza::CmdZoomMeno_Click);

    cmdAnnulla_ = new QPushButton(QStringLiteral("Annulla"), this);
    cmdAnnulla_->setObjectName(QStringLiteral("CmdAnnulla"));
    cmdAnnulla_->setGeometry(Colonna, Altezza - Margine - 30, LarghezzaColonna, 30);
    cmdComprimi_ = new QPushButton(QStringLiteral("Comprimi tutto"), this);
    cmdComprimi_->setObjectName(QStringLiteral("CmdComprimi"));
    cmdComprimi_->setGeometry(Colonna, cmdAnnulla_->y() - 40, LarghezzaColonna, 30);
    connect(cmdComprimi_, &QPushButton::clicked, this, &FrmFattorizza::CmdComprimi_Click);
    connect(cmdAnnulla_, &QPushButton::clicked, this, &FrmFattorizza::CmdAnnulla_Click);

    CostruisciRadice();
}

QTreeWidgetItem* FrmFattorizza::Elemento(int i) const
{
    return i >= 0 && i < int(elementi_.size()) ? elementi_[i] : nullptr;
}

QTreeWidgetItem* FrmFattorizza::NuovoElemento(int i, QTreeWidgetItem* genitore)
{
    const AlberoFattori::Nodo& n = albero_.Nodi()[i];
    auto* e = genitore ? new QTreeWidgetItem(genitore) : new QTreeWidgetItem(treeView1_);
    e->setText(0, CStr(n.numero));
    e->setIcon(0, n.primo ? QuadratinoRosso() : QuadratinoVerde());
    if (n.colore != AlberoFattori::ColoreRadice) e->setForeground(0, QBColor(n.colore));
    e->setData(0, Qt::UserRole, i);
    if (int(elementi_.size()) <= i) elementi_.resize(i + 1, nullptr);
    elementi_[i] = e;
    return e;
}

void FrmFattorizza::CostruisciRadice()
{
    treeView1_->clear();
    elementi_.clear();
    NuovoElemento(0, nullptr);
}

void FrmFattorizza::TreeView1_NodeClick(QTreeWidgetItem* nodo)
{
    if (!nodo) return;
    const int i = nodo->data(0, Qt::UserRole).toInt();
    const AlberoFattori::EsitoClic esito = albero_.Clic(i);
    if (esito.messaggio) {
        MostraEsito(*esito.messaggio);
        return;
    }
    if (esito.diviso) {
        const AlberoFattori::Nodo& n = albero_.Nodi()[i];
        NuovoElemento(n.figli[0], nodo);
        NuovoElemento(n.figli[1], nodo);
    }
    if (esito.suono.isEmpty()) return;
    nodo->setExpanded(esito.aperto);
    Suono::Riproduci(esito.suono);
}

void FrmFattorizza::TreeView1_Click() { treeView1_->clearSelection(); }

void FrmFattorizza::CambiaTipo(AlberoFattori::Tipo tipo)
{
    if (albero_.ImpostaTipo(tipo)) CostruisciRadice();
}

void FrmFattorizza::Option1_Click() { CambiaTipo(AlberoFattori::Tipo::DivisoriCentrali); }

void FrmFattorizza::Option2_Click() { CambiaTipo(AlberoFattori::Tipo::DivisoriEstremi); }

void FrmFattorizza::CmdZoomPiu_Click()
{
    albero_.IngrandisciCarattere();
    QFont f = treeView1_->font();
    f.setPointSizeF(albero_.DimensioneCarattere());
    treeView1_->setFont(f);
}

void FrmFattorizza::CmdZoomMeno_Click()
{
    albero_.RiduciCarattere();
    QFont f = treeView1_->font();
    f.setPointSizeF(albero_.DimensioneCarattere());
    treeView1_->setFont(f);
}

void FrmFattorizza::CmdComprimi_Click()
{
    albero_.ComprimiTutto();
    treeView1_->collapseAll();
}
