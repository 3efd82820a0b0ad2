#include "platform/Guida.h"
#include "platform/Finestre.h"
#include "platform/Unica.h"
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The help window: one page browser that fills it. The caption follows the
// title of the page shown.
class FinestraGuida : public QWidget {
public:
    FinestraGuida() : QWidget(nullptr, Qt::Window)
    {
        setObjectName(QStringLiteral("FrmGuida"));
        setAttribute(Qt::WA_DeleteOnClose, true);
        pagina = new QTextBrowser(this);
        pagina->setObjectName(QStringLiteral("TxtGuida"));
        pagina->setOpenExternalLinks(false);
        auto* l = new QVBoxLayout(this);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(pagina);
        Intitola();
        QObject::connect(pagina, &QTextBrowser::sourceChanged, this, [this] { Intitola(); });
        resize(720, 560);
        if (QScreen* s = QGuiApplication::primaryScreen()) {
            const QRect a = s->availableGeometry();
            move(a.center() - QPoint(width() / 2, height() / 2));
        }
    }
    void Intitola()
    {
        const QString t = pagina->documentTitle().trimmed();
        setWindowTitle(t.isEmpty() ? QStringLiteral("Zefra - Guida") : QStringLiteral("Zefra - ") + t);
    }
    QTextBrowser* pagina;
};

bool Leggibile(const QString& percorso)
{
    QFile f(percorso);
    return QFileInfo(percorso).isFile() && f.open(QIODevice::ReadOnly);
}

}   // namespace

namespace Guida {

bool Mostra(const QString& percorso, const QString& ancora)
{
    if (!Leggibile(percorso)) return false;
    FinestraGuida* finestra = Unica<FinestraGuida>::Istanza();
    QTextBrowser* p = finestra->pagina;
    const QUrl indirizzo = QUrl::fromLocalFile(QFileInfo(percorso).absoluteFilePath());
    // The same page again is not reloaded by the browser; it is only
    // scrolled to the anchor below.
    if (p->source().adjusted(QUrl::RemoveFragment) != indirizzo) p->setSource(indirizzo);
    finestra->Intitola();
    PortaDavanti(finestra);
    // Scrolled once shown, when the page is laid out at the window's width.
    if (ancora.isEmpty()) p->verticalScrollBar()->setValue(0);
    else p->scrollToAnchor(ancora);
    return true;
}

QWidget* Finestra() { return Unica<FinestraGuida>::SeEsiste(); }
QTextBrowser* Pagina()
{
    FinestraGuida* f = Unica<FinestraGuida>::SeEsiste();
    return f ? f->pagina : nullptr;
}
}
