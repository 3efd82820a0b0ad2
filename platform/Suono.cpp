#include "platform/Suono.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
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
    // One player per file, kept for the next time. The application owns
    // them, so they go with it, before the audio layer under them does.
    static QHash<QString, QPointer<QSoundEffect>> effetti;
    QPointer<QSoundEffect>& e = effetti[percorso];
    if (!e) {
        e = new QSoundEffect(QCoreApplication::instance());
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
