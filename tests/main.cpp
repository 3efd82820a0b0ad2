#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
