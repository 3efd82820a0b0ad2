#include "workspace/Avvio.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"

void Main(const QStringList& argomenti)
{
    Q_UNUSED(argomenti);
    Princ* p = princ();
    InizializzaApplicazione();
    p->showMaximized();
}
