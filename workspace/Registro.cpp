#include "workspace/Registro.h"
#include "workspace/ModuloGenerale.h"
#include <QFile>

void CreaRegistro()
{
    QFile f(PercorsoDati(QStringLiteral("registro.txt")));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.close();
}
