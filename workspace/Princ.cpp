#include "workspace/Princ.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "workspace/MenuPrinc.h"
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QPointer<Princ> istanza;

QString StileEtichettaSomma(const QColor& sfondo)
{
    return QStringLiteral("QLabel { background: %1; color: rgb(255,0,0); }").arg(sfondo.name());
}
}

Princ* princ()
{
    if (!istanza) istanza = new Princ();
    return istanza;
}

Princ* PrincSeEsiste() { return istanza; }

void DistruggiPrinc()
{
    delete istanza.data();
    istanza = nullptr;
}

Princ::Princ(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Princ"));
    setWindowTitle(QStringLiteral("Zefra"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* centro = new QWidget(this);
    auto* colonna = new QVBoxLayout(centro);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    mdi_ = new QMdiArea(centro);
    mdi_->setObjectName(QStringLiteral("AreaMdi"));
    mdi_->setBackground(palette().brush(QPalette::Dark));
    colonna->addWidget(mdi_, 1);
    setCentralWidget(centro);

    CostruisciStriscia();
    colonna->addWidget(picture1_);
    CostruisciBarraStato();
    CostruisciMenuPrinc(this);
}

Princ::~Princ() = default;

void Princ::CostruisciStriscia()
{
    picture1_ = new QFrame(centralWidget());
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setFrameShape(QFrame::NoFrame);

    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSizeF(14.25);
    auto creaSomma = [&](const char* nome, const QColor& tinta, const QString& suggerimento) {
        auto* l = new QLabel(QStringLiteral("  0  "), picture1_);
        l->setObjectName(QLatin1String(nome));
        l->setFont(verdana);
        l->setAutoFillBackground(true);
        l->setStyleSheet(StileEtichettaSomma(tinta));
        l->setToolTip(suggerimento);
        l->adjustSize();
        return l;
    };
    lblSommaA_ = creaSomma("LblSommaFoglioA", TintaFoglioA, QStringLiteral("Somma frazioni foglio A "));
    lblSommaB_ = creaSomma("LblSommaFoglioB", TintaFoglioB, QStringLiteral("Somma frazioni foglio B "));
    imgA_ = new QLabel(picture1_);
    imgA_->setObjectName(QStringLiteral("ImgRiducibilità"));
    imgA_->hide();
    imgB_ = new QLabel(picture1_);
    imgB_->setObjectName(QStringLiteral("ImgRiducibilità1"));
    imgB_->hide();

    static const int indici[9] = {12, 1, 3, 6, 9, 13, 2, 10, 0};
    for (int i = 0; i < 9; ++i) {
        auto* b = new QLabel(picture1_);
        b->setObjectName(QStringLiteral("PBoxTavolozza%1").arg(i));
        b->setFixedSize(TwipInPixel(250), TwipInPixel(250));
        b->setAutoFillBackground(true);
        QPalette p = b->palette();
        p.setColor(QPalette::Window, QBColor(indici[i]));
        b->setPalette(p);
        b->setFrameShape(i == 0 ? QFrame::NoFrame : QFrame::Box);
        b->setToolTip(QStringLiteral("Applica il colore alla frazione o al testo selezionato"));
        pbox_[i] = b;
    }
    CostruisciToolbar2();
    picture1_->setFixedHeight(toolbar2_->sizeHint().height() + TwipInPixel(40));
}

void Princ::CostruisciToolbar2()
{
    toolbar2_ = new QToolBar(picture1_);
    toolbar2_->setObjectName(QStringLiteral("Toolbar2"));
    toolbar2_->setIconSize(QSize(20, 20));
    const QString suggerimenti[4] = {QStringLiteral("Apre/chiude foglio A"), QStringLiteral("Apre/chiude foglio B"),
                                     QStringLiteral("Apre/chiude appunti"), QStringLiteral("Dispone finestre")};
    const QString testi[4] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("Ap"), QStringLiteral("D")};
    for (int i = 0; i < 4; ++i) {
        QAction* a = toolbar2_->addAction(testi[i]);
        a->setObjectName(QStringLiteral("Toolbar2_%1").arg(i + 1));
        a->setToolTip(suggerimenti[i]);
        a->setCheckable(i < 3);
    }
    ImpostaToolbar2(1, true);
    toolbar2_->adjustSize();
}

void Princ::CostruisciBarraStato()
{
    QStatusBar* sb = statusBar();
    sb->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(sb);
        l->setObjectName(QStringLiteral("Pannello%1").arg(i + 1));
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        sb->addWidget(l, i == 2 ? 1 : 0);
        pannelli_[i] = l;
    }
    pannelli_[2]->setText(QStringLiteral("INFO "));
    pannelli_[2]->setToolTip(QStringLiteral("Fai clic"));
}

QAction* Princ::BottoneToolbar2(int i) const
{
    const auto azioni = toolbar2_->actions();
    return (i >= 1 && i <= azioni.size()) ? azioni[i - 1] : nullptr;
}

bool Princ::Toolbar2Premuto(int i) const
{
    QAction* a = BottoneToolbar2(i);
    return a && a->isCheckable() && a->isChecked();
}

void Princ::ImpostaToolbar2(int i, bool premuto)
{
    if (QAction* a = BottoneToolbar2(i)) {
        const QSignalBlocker blocco(a);
        a->setChecked(premuto);
    }
}

QAction* Princ::BottoneToolbar1(int i) const
{
    if (!toolbar1_) return nullptr;
    const auto azioni = toolbar1_->actions();
    return (i >= 1 && i <= azioni.size()) ? azioni[i - 1] : nullptr;
}

void Princ::ImpostaPannello(int i, const QString& testo)
{
    if (QLabel* l = Pannello(i)) l->setText(testo);
}

QString Princ::TestoPannello(int i) const
{
    QLabel* l = Pannello(i);
    return l ? l->text() : QString();
}

QLabel* Princ::Pannello(int i) const { return (i >= 1 && i <= 3) ? pannelli_[i - 1] : nullptr; }

QLabel* Princ::PBoxTavolozza(int i) const { return (i >= 0 && i < 9) ? pbox_[i] : nullptr; }

QAction* Princ::Azione(const QString& nome) const
{
    return findChild<QAction*>(nome);
}

bool Princ::MenuSpuntato(const QString& nome) const
{
    QAction* a = Azione(nome);
    return a && a->isChecked();
}

void Princ::ImpostaWinAvvio(bool spuntato)
{
    if (QAction* a = Azione(QStringLiteral("MnuImpostaWinAvvio"))) a->setChecked(spuntato);
}

void Princ::RegistraFiglio(QMdiSubWindow* w, int ordine)
{
    figli_.append({ordine, w});
    std::stable_sort(figli_.begin(), figli_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
}

void Princ::Affianca()
{
    QList<QMdiSubWindow*> visibili;
    for (const auto& f : figli_)
        if (f.second && f.second->isVisible()) visibili << f.second;
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (w->isVisible() && !visibili.contains(w)) visibili << w;
    if (visibili.isEmpty()) return;
    const QRect area = mdi_->viewport()->rect();
    const int n = visibili.size();
    for (int i = 0; i < n; ++i) {
        const int x0 = area.width() * i / n;
        const int x1 = area.width() * (i + 1) / n;
        if (visibili[i]->isMinimized() || visibili[i]->isMaximized()) visibili[i]->showNormal();
        visibili[i]->setGeometry(x0, 0, x1 - x0, area.height());
    }
}

void Princ::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    Affianca();
}
