#include "platform/Browser.h"
#include <QProcess>

namespace {
Browser::Avviatore sostituto;

bool AvviaDavvero(const QString& programma, const QStringList& argomenti)
{
    return QProcess::startDetached(programma, argomenti);
}
}

namespace Browser {

QString Programma()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("rundll32");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("open");
#else
    return QStringLiteral("xdg-open");
#endif
}

QStringList Argomenti(const QString& indirizzo)
{
#if defined(Q_OS_WIN)
    return {QStringLiteral("url.dll,FileProtocolHandler"), indirizzo};
#else
    return {indirizzo};
#endif
}

bool Apri(const QString& indirizzo)
{
    if (indirizzo.trimmed().isEmpty()) return false;
    const QString programma = Programma();
    const QStringList argomenti = Argomenti(indirizzo);
    return sostituto ? sostituto(programma, argomenti) : AvviaDavvero(programma, argomenti);
}

void ImpostaAvviatore(Avviatore avviatore) { sostituto = std::move(avviatore); }
}
