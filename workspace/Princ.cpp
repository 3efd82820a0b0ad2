#include "workspace/Princ.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Modale.h"
#include "workspace/Attivazione.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include "workspace/MenuPrinc.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Quaderno.h"
#include "workspace/StatoComandi.h"
#include "workspace/Tavolozza.h"
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>

namespace {
std::function<QSize()> fonteSchermo;

// The wait of a close that arrives over boxes: a look every 10 ms, at most
// 3 s by the clock (however slowly the looks come) for the answered boxes to
// come back, and at most four rounds of boxes answered for one close.
constexpr int PassoRinvio = 10, MassimoGiri = 4;
constexpr std::chrono::milliseconds AttesaMassima{3000};

QString StileEtichettaSomma(const QColor& sfondo)
{
    return QStringLiteral("QLabel { background: %1; color: rgb(255,0,0); }").arg(sfondo.name());
}

// A small window with a title bar, its body in the given tint.
void DisegnaFinestrella(QPainter& p, const QRectF& r, const QColor& tinta)
{
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(tinta);
    p.drawRect(r);
    p.fillRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width(), 3.5), QBColor(1));
}

// The pictures of Toolbar2's buttons, drawn for a 20 x 20 button at the
// given pixel ratio: the two sheets (their tint and letter), the notes (a
// lined page) and the tiling (two windows side by side).
QPixmap DisegnaIconaToolbar2(int bottone, qreal rapporto)
{
    constexpr int lato = 20;
    QPixmap pm(int(lato * rapporto), int(lato * rapporto));
    pm.setDevicePixelRatio(rapporto);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    switch (bottone) {
    case 1:
    case 2: {
        DisegnaFinestrella(p, QRectF(1.5, 1.5, 17, 17), bottone == 1 ? TintaFoglioA : TintaFoglioB);
        QFont f = CarattereConRiserva(QStringLiteral("Verdana"));
        f.setBold(true);
        f.setPixelSize(12);
        p.setFont(f);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setPen(bottone == 1 ? QBColor(4) : QBColor(1));
        p.drawText(QRectF(2, 5, 17, 14), Qt::AlignCenter, bottone == 1 ? QStringLiteral("A") : QStringLiteral("B"));
        break;
    }
    case 3: {
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 2.5, 13, 16));
        p.setPen(QPen(QBColor(9), 1));
        for (int y = 7; y <= 16; y += 3) p.drawLine(QPointF(5.5, y + 0.5), QPointF(14.5, y + 0.5));
        p.setPen(QPen(QBColor(12), 1));
        p.drawLine(QPointF(6.5, 3), QPointF(6.5, 18));
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QBColor(7));
        for (int x = 6; x <= 14; x += 4) p.drawRect(QRectF(x - 0.5, 0.5, 2, 3));
        break;
    }
    default:
        DisegnaFinestrella(p, QRectF(0.5, 2.5, 8.5, 15), TintaFoglioA);
        DisegnaFinestrella(p, QRectF(10.5, 2.5, 8.5, 15), TintaFoglioB);
        break;
    }
    p.end();
    return pm;
}

QIcon IconaToolbar2(int bottone)
{
    QIcon icona;
    for (qreal r : {1.0, 2.0}) icona.addPixmap(DisegnaIconaToolbar2(bottone, r));
    return icona;
}

// Tiling order of a child window: sheet A, sheet B, notes, then the rest.
int OrdineFiglio(const QMdiSubWindow* w)
{
    const QString nomi[2] = {w->objectName(), w->widget() ? w->widget()->objectName() : QString()};
    for (const QString& n : nomi) {
        if (n == QLatin1String("Form1")) return 1;
        if (n == QLatin1String("Form2")) return 2;
        if (n == QLatin1String("FrmAppunti")) return 3;
    }
    return 4;
}
}

QString TestoRisoluzioneBassa()
{
    return QStringLiteral("Per questo programma è consigliata una risoluzione dello schermo 800x600 o superiore. ") +
           QStringLiteral("L'attuale risoluzione è inferiore a quella consigliata: ") +
           QStringLiteral("alcuni pulsanti non saranno visibili, utilizzare la barra dei menu (o i tasti opportuni).");
}

QSize DimensioneSchermo()
{
    if (fonteSchermo) return fonteSchermo();
    const Princ* p = Unica<Princ>::SeEsiste();
    QScreen* s = p ? p->screen() : nullptr;
    if (!s) s = QGuiApplication::primaryScreen();
    // Without any screen there is nothing to warn about.
    return s ? s->size() : QSize(800, 600);
}

void ImpostaFonteSchermo(std::function<QSize()> fonte) { fonteSchermo = std::move(fonte); }


Princ::Princ(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Princ"));
    setWindowTitle(QStringLiteral("Zefra"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    riprova_ = new QTimer(this);
    riprova_->setObjectName(QStringLiteral("RiprovaChiusura"));
    riprova_->setInterval(PassoRinvio);
    connect(riprova_, &QTimer::timeout, this, &Princ::RiprovaChiusura);

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
    picture1_->installEventFilter(this);
    CostruisciBarraStato();
    CostruisciMenuPrinc(this);
    CollegaTavolozzaEInfo(this);
    DisponiStriscia();
}

Princ::~Princ() = default;

void Princ::CostruisciStriscia()
{
    picture1_ = new QFrame(centralWidget());
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setFrameShape(QFrame::NoFrame);

    const QFont verdana = CarattereConRiserva(QStringLiteral("Verdana"), 14.25);
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
    imgA_->resize(IconaRidotta().size());
    imgA_->hide();
    imgB_ = new QLabel(picture1_);
    imgB_->setObjectName(QStringLiteral("ImgRiducibilità1"));
    imgB_->resize(IconaRidotta().size());
    imgB_->hide();

    for (int i = 0; i < 9; ++i) {
        auto* b = new QLabel(picture1_);
        b->setObjectName(QStringLiteral("PBoxTavolozza%1").arg(i));
        b->setFixedSize(TwipInPixel(250), TwipInPixel(250));
        b->setAutoFillBackground(true);
        QPalette p = b->palette();
        p.setColor(QPalette::Window, QBColor(MappaTavolozza[i]));
        b->setPalette(p);
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
    for (int i = 0; i < 4; ++i) {
        QAction* a = toolbar2_->addAction(IconaToolbar2(i + 1), suggerimenti[i]);
        a->setObjectName(QStringLiteral("Toolbar2_%1").arg(i + 1));
        a->setToolTip(suggerimenti[i]);
        a->setCheckable(i < 3);
        connect(a, &QAction::triggered, this, [this, i]() { ClicToolbar2(i + 1); });
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

QAction* BottoneAlPosto(const QToolBar* t, int i)
{
    if (!t) return nullptr;
    const auto azioni = t->actions();
    return (i >= 1 && i <= azioni.size()) ? azioni[i - 1] : nullptr;
}

QAction* Princ::BottoneToolbar2(int i) const { return BottoneAlPosto(toolbar2_, i); }

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

void Princ::ImpostaToolbar1(QToolBar* t)
{
    toolbar1_ = t;
    ApplicaRisoluzioneBassa();
}

QAction* Princ::BottoneToolbar1(int i) const { return BottoneAlPosto(toolbar1_, i); }

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
}

void Princ::Affianca()
{
    // Open means not hidden: the main window itself may not be on the
    // screen yet (during start-up, in tests).
    QList<QPair<int, QMdiSubWindow*>> aperti;
    for (const auto& f : figli_)
        if (f.second && f.second->mdiArea() == mdi_ && f.second->isVisibleTo(mdi_)) aperti.append({f.first, f.second});
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        if (!w->isVisibleTo(mdi_)) continue;
        if (std::none_of(aperti.begin(), aperti.end(), [w](const auto& a) { return a.second == w; }))
            aperti.append({OrdineFiglio(w), w});
    }
    if (aperti.isEmpty()) return;
    std::stable_sort(aperti.begin(), aperti.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<QMdiSubWindow*> visibili;
    for (const auto& a : aperti) visibili << a.second;
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

bool Princ::eventFilter(QObject* o, QEvent* e)
{
    if (o == picture1_ && e->type() == QEvent::Resize) DisponiStriscia();
    return QMainWindow::eventFilter(o, e);
}

void Princ::DisponiStriscia()
{
    // Everything is measured in twips from the strip's own width, so that
    // Toolbar2 stays inside the window whatever its size or screen.
    const bool bassa = RisoluzioneBassa != FALSO;
    toolbar2_->adjustSize();
    const double larghezza = PixelInTwip(picture1_->width());
    const double altezza = PixelInTwip(picture1_->height());
    const double sinistraToolbar2 = larghezza - PixelInTwip(toolbar2_->width()) - (bassa ? 0 : 700);
    toolbar2_->move(TwipInPixel(sinistraToolbar2), 0);

    for (QLabel* img : {imgA_, imgB_})
        img->move(img->x(), TwipInPixel((altezza - PixelInTwip(img->height())) / 3));

    const double punti = bassa ? 9 : 14.25;
    for (QLabel* l : {lblSommaA_, lblSommaB_}) {
        if (l->font().pointSizeF() != punti) {
            QFont f = l->font();
            f.setPointSizeF(punti);
            l->setFont(f);
            l->adjustSize();
        }
    }
    lblSommaA_->move(TwipInPixel(45), TwipInPixel(60));
    lblSommaB_->move(TwipInPixel(bassa ? 2270 : 3270), TwipInPixel(60));

    for (int i = 0; i < 9; ++i) {
        QLabel* b = pbox_[i];
        const double alto = (altezza - PixelInTwip(b->height())) / 2.3;
        b->move(TwipInPixel(sinistraToolbar2 - 200 - (9 - i) * 300), TwipInPixel(alto));
    }
}

void Princ::EsaminaSchermo()
{
    const QSize schermo = DimensioneSchermo();
    if (schermo.width() >= 800 && schermo.height() >= 600) return;
    RisoluzioneBassa = VERO;
    ApplicaRisoluzioneBassa();
    BoxPiattaforma(TestoRisoluzioneBassa(), IconaBox::Esclamativo);
}

void Princ::ApplicaRisoluzioneBassa()
{
    if (!RisoluzioneBassa) return;
    for (int i = 16; i <= 20; ++i)
        if (QAction* a = BottoneToolbar1(i)) a->setVisible(false);
}

void Princ::ClicToolbar2(int i)
{
    switch (i) {
    case 1:
    case 2: {
        const uint8_t s = uint8_t(i);
        const uint8_t altro = uint8_t(3 - i);
        if (Toolbar2Premuto(i)) {
            for (int k = 1; k <= MaxFrazioni; ++k) Frazioni[altro][k][3] = 0;
            RidisegnaFoglio(altro);
            ImpostaPannello(2, i == 1 ? QStringLiteral("Foglio: A   ") : QStringLiteral("Foglio: B   "));
            MostraFoglio(s);
        } else {
            NascondiFoglio(s);
            AttivaDocumentoInCima();
        }
        break;
    }
    case 3:
        if (Toolbar2Premuto(3)) {
            ImpostaPannello(2, QStringLiteral("Foglio: appunti   "));
            MostraAppunti();
        } else {
            NascondiAppunti();
            AttivaDocumentoInCima();
        }
        break;
    case 4:
        Affianca();
        return;
    default:
        return;
    }
    Affianca();
    AggiornaStatoComandi();
}

bool Princ::RichiestaChiusura()
{
    if (QuadernoModificato) {
        MostraDomanda(QStringLiteral("Salvare il quaderno ?"), 1, QStringLiteral("Esci"));
        switch (RispostaDomanda) {
        case 1:
            // A save that does not succeed keeps the program running, so
            // that nothing is lost.
            if (!SalvaOChiediNome()) return false;
            break;
        case 0:
            break;
        default:
            return false;
        }
    }
    InChiusura = VERO;

    // Every other window unloads: the sheets, the notes, then any
    // remaining window (service windows, dialogs, copies).
    for (uint8_t s : {uint8_t(1), uint8_t(2)})
        if (FoglioCaricato(s)) ChiudiFoglio(s);
    QList<QPointer<QWidget>> finestre;
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (!qobject_cast<FrmFoglio*>(w)) finestre << w;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == this || !w->isWindow()) continue;
        const Qt::WindowType tipo = w->windowType();
        if (tipo == Qt::Popup || tipo == Qt::ToolTip || tipo == Qt::Desktop) continue;
        finestre << w;
    }
    for (const QPointer<QWidget>& w : finestre)
        if (w) w->close();
    return true;
}

void Princ::ScaricaPrinc()
{
    scaricato_ = true;
    ScriviWinAvvio(MenuSpuntato(QStringLiteral("MnuImpostaWinAvvio")));
}

void Princ::RiprovaChiusura()
{
    if (QApplication::activeModalWidget()) {
        // A box that will not close keeps the program as it is.
        if (giri_ >= MassimoGiri) {
            FineRinvio();
            return;
        }
        ++giri_;
        scadenza_.setRemainingTime(AttesaMassima);
        boxAnnullati_ += AnnullaBoxAperti();
        return;
    }
    const bool inCorso = std::any_of(boxAnnullati_.cbegin(), boxAnnullati_.cend(),
                                     [](const QPointer<QWidget>& b) { return BoxInCorso(b); });
    if (inCorso) {
        if (scadenza_.hasExpired()) FineRinvio();
        return;
    }
    FineRinvio();
    close();
}

void Princ::FineRinvio()
{
    riprova_->stop();
    boxAnnullati_.clear();
}

void Princ::closeEvent(QCloseEvent* e)
{
    if (scaricato_) {
        e->accept();
        return;
    }
    // A close that arrives while a box is open (from an assistive tool, say:
    // mouse and keyboard cannot reach this window then) must not close the
    // window under the box, whose command would go on without it. The open
    // boxes are answered Annulla, so that their commands end, and then the
    // close is asked again with its own question. A close that arrives
    // while that one waits is the same request: asking it at once would
    // close the window under the commands still on their way out.
    if (riprova_->isActive()) {
        e->ignore();
        return;
    }
    if (QApplication::activeModalWidget()) {
        e->ignore();
        boxAnnullati_ = AnnullaBoxAperti();
        if (!boxAnnullati_.isEmpty()) {
            scadenza_.setRemainingTime(AttesaMassima);
            giri_ = 1;
            riprova_->start();
        }
        return;
    }
    if (!RichiestaChiusura()) {
        e->ignore();
        return;
    }
    ScaricaPrinc();
    e->accept();
    // The program ends with its main window, even while a command that
    // opened a box is still unwinding under it.
    QCoreApplication::quit();
}
