#include "platform/Impostazioni.h"
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
QString cartellaScelta;
}

namespace Impostazioni {
void ImpostaCartella(const QString& cartella) { cartellaScelta = cartella; }

QString FileDi(const QString& applicazione)
{
    QString base = cartellaScelta;
    if (base.isEmpty()) base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(base).filePath(applicazione + QStringLiteral(".ini"));
}

QString Leggi(const QString& applicazione, const QString& sezione, const QString& chiave)
{
    QSettings s(FileDi(applicazione), QSettings::IniFormat);
    return s.value(sezione + QLatin1Char('/') + chiave, QString()).toString();
}

void Scrivi(const QString& applicazione, const QString& sezione, const QString& chiave,
            const QString& valore)
{
    QDir().mkpath(QFileInfo(FileDi(applicazione)).absolutePath());
    QSettings s(FileDi(applicazione), QSettings::IniFormat);
    s.setValue(sezione + QLatin1Char('/') + chiave, valore);
    s.sync();
}
}
