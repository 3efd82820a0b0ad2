#include "AiutiFinestre.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "service/FinestraServizio.h"
#include "workspace/FrmSplash.h"
#include "workspace/Messaggi.h"
#include "workspace/Registro.h"
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

QByteArray LeggiRegistro()
{
    QFile f(PercorsoRegistro());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Pixels of the sheet's picture that are neither its background nor grey
// or white pie colours, inside the band under pie i where its caption goes.
int InchiostroSotto(uint8_t s, int i)
{
    const GeometriaFoglio g = GeometriaDelFoglio(s);
    const QImage img = Foglio(s)->Area()->Immagine();
    const QColor fondo = Foglio(s)->Area()->BackColor;
    const QPoint c = g.Centro(i);
    int n = 0;
    for (int x = TwipInPixel(c.x() - g.R); x < TwipInPixel(c.x()); ++x)
        for (int y = TwipInPixel(c.y() + g.R) + 2; y < TwipInPixel(c.y() + g.R + 2 * g.G); ++y)
            if (img.rect().contains(x, y) && img.pixelColor(x, y) != fondo) ++n;
    return n;
}

int PixelDiColore(uint8_t s, QColor colore)
{
    const QImage img = Foglio(s)->Area()->Immagine();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == colore) ++n;
    return n;
}

class Impostazioni : public ProvaConFoglio {
protected:
    // Sheet B laid out once and closed again, as after the pupil used it.
    void ApriEChiudiB()
    {
        MostraFoglio(2);
        princ()->Affianca();
        QCoreApplication::processEvents();
        NascondiFoglio(2);
        QCoreApplication::processEvents();
        ASSERT_GT(ColonneFoglioB, 0);
    }
    void Scegli(const char* voce) { princ()->Azione(QLatin1String(voce))->trigger(); }
    bool Spuntata(const char* voce) { return princ()->MenuSpuntato(QLatin1String(voce)); }
};

}   // namespace

TEST_F(Impostazioni, MostraValoriRidisponeEntrambiIFogli)
{
    ApriEChiudiB();
    // Three columns; two rows fit only while the values are hidden.
    Foglio(1)->setGeometry(0, 0, 400, 290);
    QCoreApplication::processEvents();
    ASSERT_EQ(ColonneFoglioA, 3);
    Riempi(1, 6, {1, 2});
    Metti(2, {{1, 3}});
    RidisegnaFoglio(1);
    RidisegnaFoglio(2);
    ASSERT_GT(InchiostroSotto(1, 1), 5);
    ASSERT_GT(InchiostroSotto(2, 1), 5);

    Scegli("MnuImpostaMostraValori");
    EXPECT_FALSE(Spuntata("MnuImpostaMostraValori"));
    EXPECT_EQ(DistanzaTorte, 50);
    EXPECT_EQ(GeometriaDelFoglio(1).Centro(4).y(), 2850);
    EXPECT_EQ(InchiostroSotto(1, 1), 0);
    EXPECT_EQ(InchiostroSotto(2, 1), 0);   // sheet B, closed, laid out too
    EXPECT_FALSE(Foglio(1)->VScroll1()->isEnabled());

    Scegli("MnuImpostaMostraValori");
    EXPECT_EQ(DistanzaTorte, 140);
    EXPECT_EQ(GeometriaDelFoglio(1).Centro(4).y(), 3030);
    EXPECT_GT(InchiostroSotto(1, 1), 5);
    EXPECT_GT(InchiostroSotto(2, 1), 5);
    // The second row no longer fits: the bar takes the pupil down to it.
    QScrollBar* barra = Foglio(1)->VScroll1();
    ASSERT_TRUE(barra->isEnabled());
    barra->setValue(barra->maximum());
    const GeometriaFoglio g = GeometriaDelFoglio(1);
    EXPECT_LE(g.Centro(6).y() + g.R, Foglio(1)->AltezzaInterna());
}

TEST_F(Impostazioni, SuonoSpentoTaceMaIlBipResta)
{
    Scegli("MnuImpostaAbilitaSuono");
    EXPECT_EQ(SuonoAbilitato, FALSO);
    Suono::Riproduci(QStringLiteral("aggiungi.wav"));
    MostraMessaggio(QStringLiteral("x"), 1, QStringLiteral("t"));
    MostraMessaggio(QStringLiteral("x"), 3, QStringLiteral("t"));
    EXPECT_EQ(Suono::Registrati(), QStringList{QStringLiteral("bip")});

    Scegli("MnuImpostaAbilitaSuono");
    EXPECT_EQ(SuonoAbilitato, VERO);
    Suono::Riproduci(QStringLiteral("aggiungi.wav"));
    EXPECT_EQ(Suono::Registrati().last(), QStringLiteral("aggiungi.wav"));
}

TEST_F(Impostazioni, FogliBianchiSubitoAncheChiusiConLaSelezione)
{
    ApriEChiudiB();
    Metti(1, {{1, 2, 1}});
    Metti(2, {{2, 3, 1}});
    ASSERT_FALSE(FoglioVisibile(2));
    Scegli("MnuImpostaFogliCalcoloBianchi");
    for (uint8_t s : {uint8_t(1), uint8_t(2)}) {
        EXPECT_EQ(Foglio(s)->Area()->Immagine().pixelColor(2, 2), QColor(255, 255, 255)) << int(s);
        EXPECT_GT(PixelDiColore(s, QBColor(1)), 20) << int(s);   // the selection box
    }
    Scegli("MnuImpostaFogliCalcoloBianchi");
    EXPECT_EQ(Foglio(1)->Area()->Immagine().pixelColor(2, 2), TintaFoglioA);
    EXPECT_EQ(Foglio(2)->Area()->Immagine().pixelColor(2, 2), TintaFoglioB);
}

TEST_F(Impostazioni, BottoniEBarra3D)
{
    QToolBar* barra = princ()->Toolbar1();
    auto pulsanti = [&] {
        QList<QToolButton*> l;
        for (int i = 1; i <= 21; ++i)
            if (auto* b = qobject_cast<QToolButton*>(barra->widgetForAction(princ()->BottoneToolbar1(i)))) l << b;
        return l;
    };
    // The left edge against the empty right end of the bar.
    auto bordo = [&] {
        const QImage img = barra->grab().toImage();
        const int y = img.height() / 2;
        return img.pixelColor(0, y).lightness() < img.pixelColor(img.width() - 4, y).lightness() - 40;
    };
    ASSERT_EQ(pulsanti().size(), 16);
    // At start: flat buttons, no border.
    for (QToolButton* b : pulsanti()) EXPECT_TRUE(b->autoRaise());
    EXPECT_FALSE(bordo());

    Scegli("MnuImpostaEvBottoni");
    Scegli("MnuImpostaEvBarra");
    for (QToolButton* b : pulsanti()) EXPECT_FALSE(b->autoRaise());
    EXPECT_TRUE(bordo());

    Scegli("MnuImpostaEvBottoni");
    Scegli("MnuImpostaEvBarra");
    for (QToolButton* b : pulsanti()) EXPECT_TRUE(b->autoRaise());
    EXPECT_FALSE(bordo());
}

TEST_F(Impostazioni, FinestreServizioBiancheAvvisaNeiDueSensi)
{
    const QByteArray registro = LeggiRegistro();
    FinestraServizio aperta(QStringLiteral("FrmProva"));
    aperta.AggiornaSfondoERidisegna();
    aperta.show();
    const QString testo = QStringLiteral("Il nuovo sfondo diventerà attivo alla prima utilizzazione di ogni finestra di servizio");
    Scegli("MnuImpostaFinestreServizioBianche");
    EXPECT_TRUE(Spuntata("MnuImpostaFinestreServizioBianche"));
    // The next window takes white; the open one keeps its colour.
    EXPECT_EQ(ColoreSfondoServizio(), QColor(255, 255, 255));
    EXPECT_EQ(aperta.palette().color(QPalette::Window), TintaServizio);
    Scegli("MnuImpostaFinestreServizioBianche");
    EXPECT_FALSE(Spuntata("MnuImpostaFinestreServizioBianche"));
    const auto& m = Modale::Mostrati();
    ASSERT_EQ(m.size(), 2);
    for (const Modale::Mostrato& x : m) {
        EXPECT_EQ(x.testo, testo);
        EXPECT_EQ(x.titolo, QStringLiteral("Imposta"));
        EXPECT_EQ(x.tipo, 5);
    }
    EXPECT_EQ(LeggiRegistro(), registro);
    EXPECT_EQ(Suono::Registrati(), (QStringList{QStringLiteral("info.wav"), QStringLiteral("info.wav")}));
}

TEST_F(Impostazioni, InformazioniRestaFinoAUnClic)
{
    Scegli("MnuGuidaInfo");
    FrmSplash* f = FrmSplashSeCaricata();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_FALSE(f->isModal());
    EXPECT_FALSE(f->Timer1()->isActive());   // nothing takes it away after 8000 ms
    QTest::mouseClick(f->Picture1(), Qt::LeftButton);
    EXPECT_EQ(FrmSplashSeCaricata(), nullptr);
}
