#include "platform/Lingua.h"
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void ImpostaLinguaItaliana()
{
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italiano);
    static QTranslator* traduzioneQt = nullptr;
    if (traduzioneQt) return;
    traduzioneQt = new QTranslator(QCoreApplication::instance());
    if (traduzioneQt->load(italiano, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduzioneQt);
}
