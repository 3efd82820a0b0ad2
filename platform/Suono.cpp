#include "platform/Suono.h"
#include "workspace/ModuloGenerale.h"
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {
bool registrando = false;
QStringList registrati;

void Suona(const QString& percorso)
{
    if (!QFileInfo::exists(percorso)) return;
    static QHash<QString, QSoundEffect*> effetti;
    QSoundEffect*& e = effetti[percorso];
    if (!e) {
        e = new QSoundEffect();
        e->setSource(QUrl::fromLocalFile(percorso));
    }
    e->stop();
    e->play();
}
}

namespace Suono {
void Riproduci(const QString& nomeFile)
{
    if (!SuonoAbilitato) return;
    if (registrando) { registrati << nomeFile; return; }
    Suona(PercorsoDati(nomeFile));
}

void Bip()
{
    if (registrando) { registrati << QStringLiteral("bip"); return; }
    Suona(PercorsoDati(QStringLiteral("bip.wav")));
}

void Registra(bool attivo) { registrando = attivo; }
QStringList Registrati() { return registrati; }
void AzzeraRegistrati() { registrati.clear(); }
}
