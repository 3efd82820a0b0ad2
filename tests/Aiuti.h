#pragma once
// Shared test fixture: a clean shared state, the program folder and the
// settings store in a temporary folder, scripted boxes and recorded sounds.
#include "platform/Impostazioni.h"
#include "platform/Modale.h"
#include "platform/Suono.h"
#include "commands/Dispatch.h"
#include "platform/Stampante.h"
#include "service/MenuServizio.h"
#include "workspace/Avvio.h"
#include "workspace/Fogli.h"
#include "workspace/Quaderno.h"
#include "workspace/Registro.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>

class ProvaZefra : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        Unica<Princ>::Distruggi();
        AzzeraStatoGenerale();
        // Start-up takes a folder inside the temporary one for the program's
        // own: the error register it creates goes there, not beside the
        // test program (and not among a test's notebook files).
        ASSERT_TRUE(QDir().mkpath(CartellaAvvio()));
        ImpostaCartellaEseguibile(CartellaAvvio());
        Impostazioni::ImpostaCartella(cartella.path());
        Modale::Copione(true);
        Modale::Azzera();
        Suono::Registra(true);
        Suono::AzzeraRegistrati();
        CollegaSuono();
        CollegaComandiMenu();
    }
    void TearDown() override
    {
        Unica<Princ>::Distruggi();
        Unica<FinestraRitaglia>::Distruggi();
        // Every hook a test may have set goes back to the program's own, so
        // that the next test starts as the program does.
        Modale::Azzera();
        Modale::Copione(false);
        ImpostaDialogoQuaderno({});
        ImpostaOrologioRegistro({});
        OsservaComandi({});
        ImpostaFonteSchermo({});
        ImpostaStampaSuFile({});
        ImpostaStampanteAssente(false);
        ImpostaSceltaMenuServizio({});
        Suono::AzzeraRegistrati();
        ImpostaCartellaEseguibile(QString());
    }
    // Start values, then the temporary folder as the program folder.
    void Inizializza()
    {
        InizializzaApplicazione();
        CartellaProgramma = cartella.path() + QLatin1Char('/');
    }
    // The folder start-up takes for the program's own.
    QString CartellaAvvio() const { return cartella.path() + QStringLiteral("/programma"); }
    QString Percorso(const QString& nome) const { return cartella.path() + QLatin1Char('/') + nome; }

    QTemporaryDir cartella;
};

// What the boxes showed, each as "kind|title|text".
inline QString DescriviMostrato(const Modale::Mostrato& m)
{
    return QStringLiteral("%1|%2|%3").arg(m.tipo).arg(m.titolo, m.testo);
}
inline QStringList MessaggiMostrati()
{
    QStringList l;
    for (const auto& m : Modale::Mostrati()) l << DescriviMostrato(m);
    return l;
}

// Runs azione as soon as a modal window is up (for dialogs driven by tests).
// It keeps looking until limite, a point in real time, so that a slow, busy
// machine does not leave a dialog open with nobody to answer it.
inline void QuandoModaleFino(std::function<void(QWidget*)> azione, std::chrono::steady_clock::time_point limite)
{
    QTimer::singleShot(10, [azione, limite]() {
        if (QWidget* w = QApplication::activeModalWidget()) azione(w);
        else if (std::chrono::steady_clock::now() < limite) QuandoModaleFino(azione, limite);
    });
}
inline void QuandoModale(std::function<void(QWidget*)> azione, int attesaMs = 10000)
{
    QuandoModaleFino(std::move(azione), std::chrono::steady_clock::now() + std::chrono::milliseconds(attesaMs));
}

// Everything under radice, links not followed: each name (from radice) with
// "-> " and where a link leads, "/" for a folder, or a file's bytes.
inline QMap<QString, QByteArray> ContenutoAlbero(const QString& radice)
{
    QMap<QString, QByteArray> m;
    QDirIterator i(radice, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDirIterator::Subdirectories);
    while (i.hasNext()) {
        const QString p = i.next();
        QFile f(p);
        m[QDir(radice).relativeFilePath(p)] = i.fileInfo().isSymLink() ? "-> " + i.fileInfo().symLinkTarget().toUtf8()
                                              : i.fileInfo().isDir()    ? QByteArray("/")
                                              : f.open(QIODevice::ReadOnly) ? f.readAll()
                                                                            : QByteArray("<illeggibile>");
    }
    return m;
}
