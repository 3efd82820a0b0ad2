#include "platform/Lingua.h"
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// Qt's Italian catalogue names the keys as Italian keyboards do ("Canc",
// "Ins", "Pag giù"), but leaves "Shift" in English: the menus would read
// "Shift+Canc" beside "Canc". The pupil's keyboard and the help say "Maiusc".
class NomiDeiTasti : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* contesto, const char* testo, const char* disambiguazione, int n) const override
    {
        Q_UNUSED(disambiguazione);
        Q_UNUSED(n);
        if (qstrcmp(contesto, "QShortcut") == 0 && qstrcmp(testo, "Shift") == 0) return QStringLiteral("Maiusc");
        return QString();
    }
};
}   // namespace

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
    // Installed last, so it is asked first.
    QCoreApplication::installTranslator(new NomiDeiTasti(QCoreApplication::instance()));
}
