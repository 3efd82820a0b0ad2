#include "platform/Lingua.h"
#include <QKeySequence>
#include <QLocale>
#include <gtest/gtest.h>

// The shortcuts of the menus name the keys in Italian, Shift included, and
// a key Qt does not translate itself keeps its own name.
TEST(Lingua, INomiDeiTastiNelleScorciatoie)
{
    const QLocale prima;
    ImpostaLinguaItaliana();
    ImpostaLinguaItaliana();   // a second call installs nothing twice
    const QString cancella = QKeySequence(QStringLiteral("Shift+Del"), QKeySequence::PortableText)
                                 .toString(QKeySequence::NativeText);
    EXPECT_TRUE(cancella.startsWith(QStringLiteral("Maiusc+"))) << cancella.toStdString();
    EXPECT_FALSE(cancella.contains(QStringLiteral("Shift")));
    EXPECT_EQ(QKeySequence(QStringLiteral("Ctrl+S"), QKeySequence::PortableText).toString(QKeySequence::NativeText),
              QStringLiteral("Ctrl+S"));
    EXPECT_EQ(QKeySequence(QStringLiteral("F4"), QKeySequence::PortableText).toString(QKeySequence::NativeText),
              QStringLiteral("F4"));
    // The portable form, which the program never shows, stays English.
    EXPECT_EQ(QKeySequence(QStringLiteral("Shift+Del"), QKeySequence::PortableText).toString(QKeySequence::PortableText),
              QStringLiteral("Shift+Del"));
    QLocale::setDefault(prima);
}
