#include "platform/Suono.h"
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {
bool registrando = false;
QStringList registrati;
std::function<QString()> cartellaSuoni;
std::function<bool()> suonoAbilitato;

QString Percorso(const QString& nomeFile) { return (cartellaSuoni ? cartellaSuoni() : QString()) + nomeFile; }

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
void Collega(std::function<QString()> cartella, std::function<bool()> abilitato)
{
    cartellaSuoni = std::move(cartella);
    suonoAbilitato = std::move(abilitato);
}

void Riproduci(const QString& nomeFile)
{
    if (!suonoAbilitato || !suonoAbilitato()) return;
    if (registrando) { registrati << nomeFile; return; }
    Suona(Percorso(nomeFile));
}

void Bip()
{
    if (registrando) { registrati << QStringLiteral("bip"); return; }
    Suona(Percorso(QStringLiteral("bip.wav")));
}

void Registra(bool attivo) { registrando = attivo; }
QStringList Registrati() { return registrati; }
void AzzeraRegistrati() { registrati.clear(); }
}
