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

// Pixels of colore (or, when colore is invalid, not of the background) on
// sheet s, inside r (pixels; the whole sheet when r is empty).
int Pixel(uint8_t s, QColor colore, QRect r = {})
{
    const QImage img = Fogli::Istanza(s)->Area()->Immagine();
    const QColor fondo = Fogli::Istanza(s)->Area()->BackColor;
    r = r.isEmpty() ? img.rect() : r & img.rect();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += colore.isValid() ? img.pixelColor(x, y) == colore : img.pixelColor(x, y) != fondo;
    return n;
}

// Ink in the band under the first pie, where its caption goes.
int Didascalia(uint8_t s)
{
    const GeometriaFoglio g = GeometriaDelFoglio(s);
    const QPoint c = g.Centro(1);
    return Pixel(s, QColor(), QRect(QPoint(TwipInPixel(c.x() - g.R), TwipInPixel(c.y() + g.R) + 2),
                                    QPoint(TwipInPixel(c.x()), TwipInPixel(c.y() + g.R + 2 * g.G) - 1)));
}

class MenuImposta : public ProvaConFoglio {
protected:
    void SetUp() override
    {
        ProvaConFoglio::SetUp();
        // Sheet B laid out once and closed again, as after the pupil used it.
        MostraFoglio(2);
        Unica<Princ>::Istanza()->Affianca();
        QCoreApplication::processEvents();
        NascondiFoglio(2);
        QCoreApplication::processEvents();
    }
    void Scegli(const char* voce) { Unica<Princ>::Istanza()->Azione(QLatin1String(voce))->trigger(); }
};

}   // namespace

TEST_F(MenuImposta, MostraValoriRidisponeEntrambiIFogli)
{
    // Three columns; two rows fit only while the values are hidden.
    Fogli::Istanza(1)->setGeometry(0, 0, 400, 290);
    QCoreApplication::processEvents();
    ASSERT_EQ(ColonneFoglioA, 3);
    ASSERT_GT(ColonneFoglioB, 0);
    Riempi(1, 6, {1, 2});
    Metti(2, {{1, 3}});

    Scegli("MnuImpostaMostraValori");
    EXPECT_EQ(DistanzaTorte, 50);
    EXPECT_EQ(GeometriaDelFoglio(1).Centro(4).y(), 2850);
    EXPECT_EQ(Didascalia(1) + Didascalia(2), 0);
    EXPECT_FALSE(Fogli::Istanza(1)->VScroll1()->isEnabled());

    Scegli("MnuImpostaMostraValori");
    EXPECT_EQ(DistanzaTorte, 140);
    EXPECT_GT(Didascalia(1), 5);
    EXPECT_GT(Didascalia(2), 5);   // sheet B, closed, laid out too
    // The second row no longer fits: the bar takes the pupil down to it.
    QScrollBar* barra = Fogli::Istanza(1)->VScroll1();
    ASSERT_TRUE(barra->isEnabled());
    barra->setValue(barra->maximum());
    const GeometriaFoglio g = GeometriaDelFoglio(1);
    EXPECT_LE(g.Centro(6).y() + g.R, Fogli::Istanza(1)->AltezzaInterna());
}

TEST_F(MenuImposta, SuonoSpentoTaceMaIlBipResta)
{
    Scegli("MnuImpostaAbilitaSuono");
    Suono::Riproduci(QStringLiteral("aggiungi.wav"));
    MostraMessaggio(QStringLiteral("x"), 3, QStringLiteral("t"));
    Scegli("MnuImpostaAbilitaSuono");
    Suono::Riproduci(QStringLiteral("zoom.wav"));
    EXPECT_EQ(Suono::Registrati(), (QStringList{QStringLiteral("bip"), QStringLiteral("zoom.wav")}));
}

TEST_F(MenuImposta, FogliBianchiSubitoAncheChiusiConLaSelezione)
{
    Metti(1, {{1, 2, 1}});
    Metti(2, {{2, 3, 1}});
    Scegli("MnuImpostaFogliCalcoloBianchi");
    for (uint8_t s : {uint8_t(1), uint8_t(2)}) {
        EXPECT_EQ(Fogli::Istanza(s)->Area()->Immagine().pixelColor(2, 2), QColor(255, 255, 255)) << int(s);
        EXPECT_GT(Pixel(s, QBColor(1)), 20) << int(s);   // the selection box
    }
    Scegli("MnuImpostaFogliCalcoloBianchi");
    EXPECT_EQ(Fogli::Istanza(1)->Area()->Immagine().pixelColor(2, 2), TintaFoglioA);
    EXPECT_EQ(Fogli::Istanza(2)->Area()->Immagine().pixelColor(2, 2), TintaFoglioB);
}

TEST_F(MenuImposta, BottoniEBarra3D)
{
    QToolBar* barra = Unica<Princ>::Istanza()->Toolbar1();
    // How many buttons are flat, and whether the left edge is darker than
    // the empty right end of the bar.
    auto piatti = [&] {
        int n = 0;
        for (QToolButton* b : barra->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
            n += b->isVisible() && b->autoRaise();
        return n;
    };
    auto bordo = [&] {
        const QImage img = barra->grab().toImage();
        const int y = img.height() / 2;
        return img.pixelColor(0, y).lightness() < img.pixelColor(img.width() - 4, y).lightness() - 40;
    };
    EXPECT_EQ(piatti(), 16);
    EXPECT_FALSE(bordo());
    Scegli("MnuImpostaEvBottoni");
    Scegli("MnuImpostaEvBarra");
    EXPECT_EQ(piatti(), 0);
    EXPECT_TRUE(bordo());
    Scegli("MnuImpostaEvBottoni");
    Scegli("MnuImpostaEvBarra");
    EXPECT_EQ(piatti(), 16);
    EXPECT_FALSE(bordo());
}

TEST_F(MenuImposta, FinestreServizioBiancheAvvisaNeiDueSensi)
{
    const QByteArray registro = LeggiRegistro();
    FinestraServizio aperta(QStringLiteral("FrmProva"));
    aperta.AggiornaSfondoERidisegna();
    Scegli("MnuImpostaFinestreServizioBianche");
    // The next window takes white; the open one keeps its colour.
    EXPECT_EQ(ColoreSfondoServizio(), QColor(255, 255, 255));
    EXPECT_EQ(aperta.palette().color(QPalette::Window), TintaServizio);
    Scegli("MnuImpostaFinestreServizioBianche");
    const auto& m = Modale::Mostrati();
    ASSERT_EQ(m.size(), 2);
    for (const Modale::Mostrato& x : m) {
        EXPECT_EQ(x.testo, QStringLiteral("Il nuovo sfondo diventerà attivo alla prima utilizzazione di ogni finestra di servizio"));
        EXPECT_EQ(x.titolo, QStringLiteral("Imposta"));
        EXPECT_EQ(x.tipo, 5);
    }
    EXPECT_EQ(LeggiRegistro(), registro);
}

TEST_F(MenuImposta, InformazioniRestaFinoAUnClic)
{
    Scegli("MnuGuidaInfo");
    FrmSplash* f = Unica<FrmSplash>::SeEsiste();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible() && !f->isModal());
    EXPECT_FALSE(f->Timer1()->isActive());   // nothing takes it away after 8000 ms
    QTest::mouseClick(f->Picture1(), Qt::LeftButton);
    EXPECT_EQ(Unica<FrmSplash>::SeEsiste(), nullptr);
}
