#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef ZEFRA_SANITIZE
// The sanitizer build's defaults for this program, also while the build
// lists its tests. Leaks are looked for at every exit; the leak scan skips
// the thread storage of libraries loaded later (the print plugins): the
// sanitizer's reading of it crashes on this system's C library, ending a
// test that passed.
extern "C" const char* __asan_default_options() { return "detect_leaks=1:intercept_tls_get_addr=0"; }
#endif

int main(int argc, char** argv)
{
    // Headless unless told otherwise (also while the build lists the tests).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Whatever Qt or a test keeps in the user's configuration folder (the
    // file dialogs' history, settings) goes to a folder of this run only:
    // the real one is never touched, and test programs running side by
    // side do not share files.
    QTemporaryDir configurazione;
    if (configurazione.isValid()) qputenv("XDG_CONFIG_HOME", QFile::encodeName(configurazione.path()));
    QApplication app(argc, argv);
    // A modal window that nobody answers for 30 seconds is closed, so that a
    // test waiting for it fails instead of hanging.
    QPointer<QWidget> modale;
    int secondi = 0;
    QTimer guardia;
    QObject::connect(&guardia, &QTimer::timeout, [&]() {
        QWidget* w = QApplication::activeModalWidget();
        if (w != modale) {
            modale = w;
            secondi = 0;
            return;
        }
        if (w && ++secondi >= 30) {
            ADD_FAILURE() << "modal window left open: " << w->objectName().toStdString();
            if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
            else w->close();
        }
    });
    guardia.start(1000);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
