#include "Aiuti.h"
#include "platform/Finestre.h"
#include "platform/OrdineFinestre.h"
#include <QDialog>
#include <QTest>
#include <QWindow>

namespace {
using Modali = ProvaZefra;
bool SopraTutte(QWidget* w) { return w->windowHandle()->flags() & Qt::WindowStaysOnTopHint; }
}

TEST_F(Modali, DuranteUnDialogoSoloLuiRestaSopraEPoiTuttoTorna)
{
    SorvegliaModali();
    QWidget tavola;
    RendiSempreSopra(&tavola);
    tavola.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tavola));

    QDialog dialogo;
    RendiSempreSopra(&dialogo);
    bool visto = false;
    QuandoModale([&](QWidget*) {
        visto = true;
        EXPECT_TRUE(SopraTutte(&dialogo));
        EXPECT_FALSE(SopraTutte(&tavola));
        // Minimised by the window manager all the same: it comes straight back.
        dialogo.showMinimized();
        QTimer::singleShot(0, [&] {
            EXPECT_FALSE(dialogo.isMinimized());
            dialogo.reject();
        });
    });
    dialogo.exec();
    EXPECT_TRUE(visto);
    EXPECT_TRUE(QTest::qWaitFor([&] { return SopraTutte(&tavola); }));
    EXPECT_TRUE(tavola.windowFlags() & Qt::WindowStaysOnTopHint);

    // A box over the top-most window leaves it as it is: the box stays over
    // its own window anyway.
    QDialog box(&tavola);
    QuandoModale([&](QWidget*) {
        EXPECT_TRUE(SopraTutte(&tavola));
        box.reject();
    });
    box.exec();
}
