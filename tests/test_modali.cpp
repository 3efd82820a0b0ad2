#include "Aiuti.h"
#include "platform/Finestre.h"
#include <QDialog>
#include <QTest>
#include <QWindow>

namespace {
class Modali : public ProvaZefra {
protected:
    void SetUp() override
    {
        ProvaZefra::SetUp();
        SorvegliaModali();
    }
};

bool SopraTutte(QWidget* w) { return w->windowHandle()->flags() & Qt::WindowStaysOnTopHint; }
}

TEST_F(Modali, DuranteUnDialogoSoloLuiRestaSopraEPoiTuttoTorna)
{
    QWidget tavola, nascosta;
    RendiSempreSopra(&tavola);
    RendiSempreSopra(&nascosta);
    tavola.show();
    nascosta.winId();   // a native window, but not on screen
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tavola));

    QDialog dialogo;
    RendiSempreSopra(&dialogo);
    bool visto = false;
    QuandoModale([&](QWidget* w) {
        visto = true;
        EXPECT_EQ(w, &dialogo);
        EXPECT_TRUE(SopraTutte(&dialogo));
        EXPECT_FALSE(SopraTutte(&tavola));
        EXPECT_TRUE(SopraTutte(&nascosta));
        // Minimised by the window manager all the same: it comes straight back.
        dialogo.showMinimized();
        QTimer::singleShot(0, [&] {
            EXPECT_FALSE(dialogo.isMinimized());
            EXPECT_TRUE(dialogo.isVisible());
            dialogo.reject();
        });
    });
    dialogo.exec();
    EXPECT_TRUE(visto);
    EXPECT_TRUE(QTest::qWaitFor([&] { return SopraTutte(&tavola); }));
    // The widget's own flags never changed.
    EXPECT_TRUE(tavola.windowFlags() & Qt::WindowStaysOnTopHint);
}
