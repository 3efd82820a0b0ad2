#include "workspace/Attivazione.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include "workspace/StatoComandi.h"
#include <QCloseEvent>
#include <QMdiArea>
#include <QPointer>

namespace {
QPointer<QMdiArea> areaCollegata;
QPointer<QMdiSubWindow> attivo;
}

void CollegaAttivazione(QMdiArea* area)
{
    if (areaCollegata == area) return;
    areaCollegata = area;
    attivo = area->activeSubWindow();
    QObject::connect(area, &QMdiArea::subWindowActivated, area, &AttivaDocumento);
}

void AggiungiDocumento(QMdiSubWindow* w, int ordine)
{
    // Without a main window (only in a test) the window stays on its own.
    Princ* p = Unica<Princ>::SeEsiste();
    if (!p) return;
    CollegaAttivazione(p->AreaMdi());
    p->AreaMdi()->addSubWindow(w);
    w->hide();
    p->RegistraFiglio(w, ordine);
}

void AttivaDocumento(QMdiSubWindow* w)
{
    if (!w || w == attivo) return;
    QPointer<QMdiSubWindow> prima = attivo;
    attivo = w;
    if (auto* f = qobject_cast<FrmFoglio*>(prima.data())) f->Form_Deactivate();
    else if (auto* a = qobject_cast<FrmAppunti*>(prima.data())) a->Form_Deactivate(w);
    if (auto* f = qobject_cast<FrmFoglio*>(w)) f->Form_Activate();
    else if (auto* a = qobject_cast<FrmAppunti*>(w)) a->Form_Activate();
}

QMdiSubWindow* DocumentoAttivo() { return attivo; }

void DimenticaAttivo(QMdiSubWindow* w)
{
    if (w && attivo == w) attivo = nullptr;
}

void AttivaDocumentoInCima()
{
    if (attivo || InChiusura || !areaCollegata) return;
    const auto finestre = areaCollegata->subWindowList(QMdiArea::StackingOrder);
    for (auto it = finestre.crbegin(); it != finestre.crend(); ++it) {
        QMdiSubWindow* w = *it;
        if (w->isHidden() || !(qobject_cast<FrmFoglio*>(w) || qobject_cast<FrmAppunti*>(w))) continue;
        areaCollegata->setActiveSubWindow(w);
        AttivaDocumento(w);
        return;
    }
}

bool ConcludiChiusuraDocumento(QMdiSubWindow* w, QCloseEvent* e)
{
    AttivaDocumentoInCima();
    if (Princ* p = Unica<Princ>::SeEsiste()) p->Affianca();
    AggiornaStatoComandi();
    if (!InChiusura) {
        e->ignore();
        return false;
    }
    w->setAttribute(Qt::WA_DeleteOnClose, true);
    return true;
}
