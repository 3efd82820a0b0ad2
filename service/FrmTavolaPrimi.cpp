#include "service/FrmTavolaPrimi.h"
#include "platform/Finestre.h"
#include "platform/Rtf.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>
#include <QTextCursor>
#include <algorithm>
#include <cmath>

namespace {
const QString NomeFile = QStringLiteral("TavolaPrimi.rtf");
// Design size of the window, twips.
constexpr int LarghezzaProgetto = 12000;
constexpr int AltezzaProgetto = 8400;
constexpr int Margine = 50;

// The font of the last character of the document: the table's numbers.
QFont CarattereDeiNumeri(const QTextDocument& d)
{
    const QTextBlock ultimo = d.lastBlock();
    QFont f = d.defaultFont();
    for (auto it = ultimo.begin(); !it.atEnd(); ++it)
        if (it.fragment().isValid()) {
            const QTextCharFormat c = it.fragment().charFormat();
            if (c.fontPointSize() > 0) f.setPointSizeF(c.fontPointSize());
        }
    return f;
}
}   // namespace

FrmTavolaPrimi::FrmTavolaPrimi(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FrmTavolaPrimi"));
    setWindowTitle(QStringLiteral("Tavola dei numeri primi minori di 32000"));
    // Closing unloads: the next opening makes a new window at its first place.
    setAttribute(Qt::WA_DeleteOnClose, true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(240, 240, 240));
    setPalette(pal);
    setAutoFillBackground(true);

    txt_ = new QTextEdit(this);
    txt_->setObjectName(QStringLiteral("TxtTavolaPrimi"));
    txt_->setReadOnly(true);
    // A row of ten primes stays one row in a narrow window (the box scrolls
    // sideways): broken rows would read as a table of another shape.
    txt_->setLineWrapMode(QTextEdit::NoWrap);
    const QFont f = CarattereConRiserva(QStringLiteral("MS Sans Serif"), 18);
    txt_->setFont(f);
    txt_->document()->setDefaultFont(f);
    txt_->move(0, 0);
    resize(TwipInPixel(LarghezzaProgetto), TwipInPixel(AltezzaProgetto));
    Form_Resize();
}

bool FrmTavolaPrimi::Carica(const QString& percorso, QString* errore)
{
    // The table is read once, into a new document that takes the box's place
    // only when it has been read: a file that cannot be read leaves the box
    // as it was.
    auto* nuovo = new QTextDocument(txt_);
    nuovo->setDefaultFont(txt_->font());
    if (!Rtf::CaricaFile(percorso, *nuovo, errore)) {
        delete nuovo;
        return false;
    }
    // The file sets no tab stops: each column holds five digits and a gap.
    // They are set before the box lays the table out (set afterwards, they
    // would lay all of it out again).
    const QFontMetricsF m(CarattereDeiNumeri(*nuovo));
    QTextOption opzione = txt_->document()->defaultTextOption();
    opzione.setTabStopDistance(std::ceil(m.horizontalAdvance(QStringLiteral("00000")) + m.averageCharWidth() * 2.5));
    nuovo->setDefaultTextOption(opzione);
    SostituisciDocumento(txt_, nuovo);
    // The pupil starts reading from the heading.
    txt_->moveCursor(QTextCursor::Start);
    txt_->verticalScrollBar()->setValue(0);
    return true;
}

void FrmTavolaPrimi::Form_Resize()
{
    // The margin is taken in twips: a window narrower than it (even by less
    // than a pixel) cannot hold the box, which then keeps its width.
    const double larghezza = PixelInTwip(width()) - Margine;
    txt_->resize(larghezza >= 0 ? TwipInPixel(larghezza) : txt_->width(), height());
}

void FrmTavolaPrimi::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    Form_Resize();
}

void MostraTavolaPrimi()
{
    const bool nuova = !Unica<FrmTavolaPrimi>::SeEsiste();
    FrmTavolaPrimi* w = Unica<FrmTavolaPrimi>::Istanza();
    if (!w->Carica(PercorsoDati(NomeFile))) {
        // A window made for nothing is never shown; one already open keeps
        // the table it shows.
        if (nuova) Unica<FrmTavolaPrimi>::Distruggi();
        MostraMessaggio(QStringLiteral("Impossibile aprire il file ") + NomeFile, 3,
                        QStringLiteral("Tavola dei numeri primi"));
        return;
    }
    if (nuova) {
        RendiSempreSopra(w);
        QRect sopra;
        if (Princ* p = Unica<Princ>::SeEsiste(); p && p->isVisible()) sopra = p->frameGeometry();
        else if (QScreen* s = QGuiApplication::primaryScreen()) sopra = s->availableGeometry();
        PosizionaSulloSchermo(w, sopra.center() - QPoint(w->width() / 2, w->height() / 2));
    }
    PortaDavanti(w);
}
