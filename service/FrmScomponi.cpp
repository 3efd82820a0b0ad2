#include "service/FrmScomponi.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Numeri.h"
#include "service/Esercizi.h"
#include "workspace/Aritmetica.h"
#include "workspace/ModuloGenerale.h"
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <array>

namespace {
// Design, in pixels of the client area.
constexpr int Larghezza = 560, Margine = 12;
constexpr int Contenuto = Larghezza - 2 * Margine;
constexpr int AltezzaRiquadro = 38;
constexpr int LatoPrimo = 40, AltezzaPrimo = 32, TraPrimi = 4;
constexpr int BottoneLargo = 120, BottoneAlto = 30;
// Where a list's line starts (twips): a little in from the border, and
// centred in the box's height.
constexpr double TestoX = 120;

QFont CarattereLista()
{
    return CarattereConRiserva(QStringLiteral("MS Sans Serif"), 12, true);
}

// The picture of a prime's button: the number in its own colour.
QIcon DisegnaPrimo(int16_t p, const QFont& carattere)
{
    QPixmap pm(LatoPrimo - 8, AltezzaPrimo - 8);
    pm.fill(Qt::transparent);
    QPainter pt(&pm);
    pt.setFont(carattere);
    pt.setPen(QBColor(TrovaColorePrimo(p)));
    pt.drawText(pm.rect(), Qt::AlignCenter, CStr(p));
    return QIcon(pm);
}

// The picture of button k (1..12), drawn once for the program's life: Qt
// keeps something of every picture it has shown, so pictures drawn anew for
// every window would pile up opening after opening.
const QIcon& IconaPrimo(int k)
{
    static const std::array<QIcon, 12> icone = [] {
        const QFont carattere = CarattereConRiserva(QStringLiteral("MS Sans Serif"), 11, true);
        std::array<QIcon, 12> tutte;
        for (int i = 0; i < 12; ++i) tutte[size_t(i)] = DisegnaPrimo(ListeFattori::Primi[i], carattere);
        return tutte;
    }();
    return icone[size_t(k - 1)];
}
}

RiquadroLista::RiquadroLista(QWidget* parent) : Superficie(parent) {}

void RiquadroLista::ImpostaBordo(bool bordo)
{
    bordo_ = bordo;
    update();
}

void RiquadroLista::paintEvent(QPaintEvent* e)
{
    Superficie::paintEvent(e);
    if (!bordo_) return;
    // The border lies over the drawing, so that it never enters it.
    QPainter p(this);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void RiquadroLista::mousePressEvent(QMouseEvent* e)
{
    Superficie::mousePressEvent(e);
    if (e->button() == Qt::LeftButton && AlClic) AlClic();
}

FinestraListeFattori::FinestraListeFattori(const QString& nome, int16_t* alto, int16_t* sinistra,
                                           ListeFattori::Esercizio esercizio, int32_t a, int32_t b,
                                           const QStringList& intestazioni)
    : FinestraServizio(nome, alto, sinistra), liste_(esercizio, a, b, ACapo)
{
    setWindowTitle(liste_.Titolo());
    setFont(CarattereConRiserva(QStringLiteral("MS Sans Serif"), 9.75));

    const char* nomiEtichette[3] = {"Label1", "Label2", "Label3"};
    const char* nomiRiquadri[3] = {"PicNum", "PicDenom", "PicFatComuni"};
    int y = Margine;
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(intestazioni.value(i), this);
        l->setObjectName(QLatin1String(nomiEtichette[i]));
        l->setWordWrap(true);
        const int h = l->heightForWidth(Contenuto);
        l->setGeometry(Margine, y, Contenuto, h);
        y += h + 4;
        auto* r = new RiquadroLista(this);
        r->setObjectName(QLatin1String(nomiRiquadri[i]));
        r->setGeometry(Margine, y, Contenuto, AltezzaRiquadro);
        r->Font = CarattereLista();
        const int lista = i + 1;
        r->AlClic = [this, lista] { Scegli(lista); };
        y += AltezzaRiquadro + 12;
        etichette_[i] = l;
        riquadri_[i] = r;
    }

    auto* barra = new QWidget(this);
    barra->setObjectName(QStringLiteral("Toolbar1"));
    barra->setGeometry(Margine, y, Contenuto, AltezzaPrimo);
    for (int k = 1; k <= 12; ++k) {
        auto* b = new QToolButton(barra);
        b->setObjectName(QStringLiteral("Primo%1").arg(k));
        b->setIcon(IconaPrimo(k));
        b->setIconSize(QSize(LatoPrimo - 8, AltezzaPrimo - 8));
        b->setToolTip(CStr(ListeFattori::Primi[k - 1]));
        b->setGeometry((k - 1) * (LatoPrimo + TraPrimi), 0, LatoPrimo, AltezzaPrimo);
        b->setAutoFillBackground(false);
        connect(b, &QToolButton::clicked, this, [this, k] { Toolbar1_ButtonClick(k); });
        primi_[k - 1] = b;
    }
    y += AltezzaPrimo + 16;

    auto bottone = [this, y](const char* nome, const QString& testo, int indice) {
        auto* b = new QPushButton(testo, this);
        b->setObjectName(QLatin1String(nome));
        b->setGeometry(Margine + indice * (Contenuto - BottoneLargo) / 3, y, BottoneLargo, BottoneAlto);
        return b;
    };
    cmdAvanti_ = bottone("CmdAvanti", QStringLiteral("Avanti"), 0);
    cmdCancella_ = bottone("CmdCancella", QStringLiteral("Cancella"), 1);
    cmdControlla_ = bottone("CmdControlla", QStringLiteral("Controlla"), 2);
    cmdAnnulla_ = bottone("CmdAnnulla", QStringLiteral("Annulla"), 3);
    connect(cmdAvanti_, &QPushButton::clicked, this, &FinestraListeFattori::CmdAvanti_Click);
    connect(cmdCancella_, &QPushButton::clicked, this, &FinestraListeFattori::CmdCancella_Click);
    connect(cmdControlla_, &QPushButton::clicked, this, &FinestraListeFattori::CmdControlla_Click);
    connect(cmdAnnulla_, &QPushButton::clicked, this, &FinestraListeFattori::CmdAnnulla_Click);
    setFixedSize(Larghezza, y + BottoneAlto + Margine);

    ImpostaSfondo(ColoreSfondoServizio());
    CmdCancella_Click();
}

void FinestraListeFattori::ImpostaSfondo(const QColor& colore)
{
    FinestraServizio::ImpostaSfondo(colore);
    for (int i = 0; i < 3; ++i) {
        ColoraSfondo(etichette_[i], colore);
        riquadri_[i]->BackColor = colore;
        DisegnaLista(i + 1);
    }
}

void FinestraListeFattori::DisegnaLista(int lista)
{
    RiquadroLista* r = Riquadro(lista);
    r->ImpostaScala(Tela::Scala::Twip);
    r->Pulisci();
    r->CurrentX = TestoX;
    r->CurrentY = std::max(0.0, (r->height() * r->Unita() - r->AltezzaTesto(QStringLiteral("0"))) / 2);
    for (const ListeFattori::Pezzo& pezzo : liste_.Riga(lista)) {
        r->ForeColor = QBColor(pezzo.colore);
        r->Stampa(pezzo.testo);
    }
    r->ForeColor = QBColor(0);
}

void FinestraListeFattori::MostraBordi()
{
    for (int i = 0; i < 3; ++i) riquadri_[i]->ImpostaBordo(liste_.SezioneAttiva() == i + 1);
}

void FinestraListeFattori::Scegli(int lista)
{
    liste_.ScegliLista(lista);
    MostraBordi();
}

void FinestraListeFattori::CmdAvanti_Click()
{
    liste_.Avanti();
    MostraBordi();
}

void FinestraListeFattori::CmdCancella_Click()
{
    liste_.Ricomincia();
    MostraBordi();
    for (int lista = 1; lista <= 3; ++lista) DisegnaLista(lista);
}

void FinestraListeFattori::CmdControlla_Click() { MostraEsito(liste_.Verdetto()); }

void FinestraListeFattori::Toolbar1_ButtonClick(int k)
{
    if (const auto errore = liste_.Premi(k)) {
        MostraEsito(*errore);
        return;
    }
    DisegnaLista(liste_.SezioneAttiva());
}

FrmScomponi::FrmScomponi(int16_t numeratore, int16_t denominatore)
    : FinestraListeFattori(QStringLiteral("FrmScomponi"), &AltoScomponi, &SinistraScomponi,
                           ListeFattori::Esercizio::FattoriComuni, numeratore, denominatore,
                           {QStringLiteral("1) Fattori primi del numeratore"), QStringLiteral("2) Fattori primi del denominatore"),
                            QStringLiteral("3) Fattori primi comuni  (MCD)")})
{
}

FrmScomponi1::FrmScomponi1(int32_t denominatore1, int32_t denominatore2)
    : FinestraListeFattori(QStringLiteral("FrmScomponi1"), &AltoScomponi1, &SinistraScomponi1,
                           ListeFattori::Esercizio::DenominatoreComune, denominatore1, denominatore2,
                           {QStringLiteral("1) Fattori primi del primo denominatore"),
                            QStringLiteral("2) Fattori primi del secondo denominatore"),
                            QStringLiteral("3) Fattori primi del minimo comun denominatore (mcd). Devi prendere il minor "
                                           "numero di fattori che ti permettono di ottenere sia un denominatore sia "
                                           "l'altro.")})
{
}
