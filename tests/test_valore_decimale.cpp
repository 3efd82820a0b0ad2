// The long division window: the pupil's steps through the boxes and buttons,
// what the two pictures show, the checks of the boxes and the verdicts.
#include "AiutiEsercizi.h"
#include "AiutiFinestre.h"
#include "platform/Colori.h"
#include "service/Aperture.h"
#include "service/FrmValoreDecimale.h"
#include "platform/Superficie.h"
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {
class ValoreDecimale : public ProvaConFoglio {
protected:
    FrmValoreDecimale* Apri(int16_t n, int16_t d)
    {
        FrazioniFinestre[7][1] = n;
        FrazioniFinestre[7][2] = d;
        ApriFrmValoreDecimale();
        return Unica<FrmValoreDecimale>::SeEsiste();
    }
    void Passo(FrmValoreDecimale* w, const QString& q, const QString& r)
    {
        w->TxtQuoziente()->setText(q);
        w->TxtResto()->setText(r);
        QTest::mouseClick(w->CmdAvanti(), Qt::LeftButton);
    }
    // Whether the picture holds a pixel of that colour.
    static bool HaColore(Superficie* s, const QColor& c)
    {
        const QImage img = s->Immagine();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelColor(x, y) == c) return true;
        return false;
    }
};
}

TEST_F(ValoreDecimale, UnQuarto)
{
    FrmValoreDecimale* w = Apri(1, 4);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Valore decimale della frazione"));
    EXPECT_EQ(w->palette().color(QPalette::Window), TintaServizio);
    EXPECT_FALSE(HaColore(w->Picture2(), QBColor(12)));

    QTest::mouseClick(w->CmdControlla(), Qt::LeftButton);
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("1|Trova il valore decimale della frazione|Non hai portato a termine la divisione (fino a un resto nullo)"));
    EXPECT_EQ(ContaErrori, 1);
    Passo(w, QStringLiteral("0"), QString());
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("3|Resto|Immettere un numero intero"));
    EXPECT_EQ(w->focusWidget(), w->TxtResto());
    Passo(w, QStringLiteral("0"), QStringLiteral("1"));
    EXPECT_TRUE(w->TxtQuoziente()->text().isEmpty());
    EXPECT_TRUE(HaColore(w->Picture2(), QBColor(12)));
    Passo(w, QStringLiteral("3"), QStringLiteral("2"));
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("1|Valore decimale della frazione|Quoziente errato"));
    EXPECT_EQ(w->TxtQuoziente()->text(), QStringLiteral("3"));
    Passo(w, QStringLiteral("2"), QStringLiteral("2"));
    Passo(w, QStringLiteral("5"), QStringLiteral("0"));
    EXPECT_EQ(w->Divisione().RigaDivisione(), QStringLiteral("1:4=0,25"));
    EXPECT_FALSE(w->TxtQuoziente()->isEnabled());
    EXPECT_FALSE(w->TxtResto()->isEnabled());
    QTest::mouseClick(w->CmdAvanti(), Qt::LeftButton);
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("3|Trova il valore decimale della frazione|Il resto è 0, la divisione è terminata"));

    // Closing records the place where it opens next time.
    w->move(w->pos() + QPoint(30, 20));
    QTest::mouseClick(w->CmdAnnulla(), Qt::LeftButton);
    EXPECT_NE(AltoValoreDecimale, 1500);
}

TEST_F(ValoreDecimale, LineaLungaERestiGrandi)
{
    FrmValoreDecimale* w = Apri(1, 97);
    for (int i = 0; i < 97; ++i) {
        const int32_t d = w->Divisione().Dividendo();
        Passo(w, QString::number(d / 97), QString::number(d % 97));
    }
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    // The newest digits are in view at the right end of the line.
    QScrollBar* barra = w->ScorrimentoPicture1()->horizontalScrollBar();
    EXPECT_GT(barra->maximum(), 0);
    EXPECT_EQ(barra->value(), barra->maximum());
    EXPECT_GE(w->Picture1()->width(), w->Picture1()->LarghezzaTesto(w->Divisione().RigaDivisione()) / 15);

    // A fresh opening forgets the old division.
    w = Apri(7, 32767);
    EXPECT_EQ(w->Divisione().RigaDivisione(), QStringLiteral("7:32767="));
    Passo(w, QStringLiteral("0"), QStringLiteral("7"));
    for (int i = 0; i < 4; ++i) {
        const int32_t d = w->Divisione().Dividendo();
        Passo(w, QString::number(d / 32767), QString::number(d % 32767));
    }
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    // A wrong remainder above 32000 is still refused by the usual check.
    Passo(w, QStringLiteral("0"), QStringLiteral("32766"));
    EXPECT_FALSE(Modale::Mostrati().isEmpty());
}

TEST_F(ValoreDecimale, UnPassoSbagliatoTornaAllaCasellaDaCorreggere)
{
    FrmValoreDecimale* w = Apri(1, 3);
    // 1:3 gives 0 remainder 1. A wrong quotient is judged first, even with a
    // wrong remainder too: the quotient box takes the focus, its text selected.
    w->CmdAvanti()->setFocus();
    Passo(w, QStringLiteral("2"), QStringLiteral("2"));
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("1|Valore decimale della frazione|Quoziente errato"));
    EXPECT_EQ(w->focusWidget(), w->TxtQuoziente());
    EXPECT_EQ(w->TxtQuoziente()->selectedText(), QStringLiteral("2"));
    // A right quotient with a wrong remainder: the remainder box.
    w->CmdAvanti()->setFocus();
    Passo(w, QStringLiteral("0"), QStringLiteral("2"));
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("1|Valore decimale della frazione|Resto errato"));
    EXPECT_EQ(w->focusWidget(), w->TxtResto());
    EXPECT_EQ(w->TxtResto()->selectedText(), QStringLiteral("2"));
    EXPECT_EQ(w->TxtQuoziente()->text(), QStringLiteral("0"));
    // The step then goes through as usual.
    Passo(w, QStringLiteral("0"), QStringLiteral("1"));
    EXPECT_EQ(w->Divisione().RigaDivisione(), QStringLiteral("1:3=0,"));
    EXPECT_EQ(w->focusWidget(), w->TxtQuoziente());
}
