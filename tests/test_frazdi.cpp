#include "Aiuti.h"
#include "AiutiFinestre.h"
#include "commands/Comandi.h"
#include "platform/Stampante.h"
#include "service/MenuServizio.h"
#include <QFile>
#include "platform/Colori.h"
#include "platform/Superficie.h"
#include "service/FrmFrazDiFraz.h"
#include "service/FrmFrazDiNum.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
class FrazioneDi : public ProvaZefra {
protected:
    void SetUp() override
    {
        ProvaZefra::SetUp();
        Inizializza();
        Modale::Azzera();
    }
    void TearDown() override
    {
        if (auto* w = Unica<FrmFrazDiNum>::SeEsiste()) ChiudiSubito(w);
        if (auto* w = Unica<FrmFrazDiFraz>::SeEsiste()) ChiudiSubito(w);
        ProvaZefra::TearDown();
    }
    static void Riga(int r, int n, int d, int colore)
    {
        FrazioniFinestre[r][1] = int16_t(n);
        FrazioniFinestre[r][2] = int16_t(d);
        FrazioniFinestre[r][4] = int16_t(colore);
    }
    static FrmFrazDiNum* DiNumero(int n, int d, int colore, const char* numero)
    {
        Riga(8, n, d, colore);
        ApriFrmFrazDiNum();
        FrmFrazDiNum* w = Unica<FrmFrazDiNum>::SeEsiste();
        w->Text1()->setText(QString::fromUtf8(numero));
        w->CmdOk_Click();
        return w;
    }
    // Some pixel of the box (x1,y1)-(x2,y2) has the colour.
    static bool Contiene(const Tela& t, int x1, int y1, int x2, int y2, const QColor& c)
    {
        for (int x = x1; x <= x2; ++x)
            for (int y = y1; y <= y2; ++y)
                if (t.Punto(x, y) == c) return true;
        return false;
    }
};
const QColor Grigio(150, 150, 150), Bianco(255, 255, 255);
}   // namespace

TEST_F(FrazioneDi, TreQuartiDiDodici)
{
    FrmFrazDiNum* w = DiNumero(3, 4, 12, "12");
    EXPECT_EQ(w->Label1()->text(), QStringLiteral("3/4"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Frazione di un numero intero"));
    ASSERT_EQ(w->Area()->height(), 300);
    EXPECT_EQ(FrmFrazDiNum::Lato(300, 3, 4), 55);
    const Tela& t = *w->Area();
    for (double x : {27.5, 82.5, 137.5}) {
        for (double y : {91.5, 146.5, 201.5}) EXPECT_EQ(t.Punto(x, y), QBColor(12)) << x << "," << y;
        EXPECT_EQ(t.Punto(x, 256.5), Grigio) << x;
    }
    // No fourth column.
    EXPECT_EQ(t.Punto(192.5, 91.5), ColoreSfondoServizio());
    // The result, 9, right of the grid at half the coloured rows' height.
    EXPECT_TRUE(Contiene(t, 175, 127, 190, 145, QBColor(12)));
    EXPECT_FALSE(Contiene(t, 166, 127, 172, 145, QBColor(12)));
    EXPECT_TRUE(Modale::Mostrati().isEmpty());

    EXPECT_EQ(FrmFrazDiNum::Lato(300, 2, 5), 44);
    EXPECT_EQ(FrmFrazDiNum::Lato(300, 20, 2), 11);
    EXPECT_EQ(FrmFrazDiNum::Lato(79, 1, 1), 0);
    EXPECT_EQ(FrmFrazDiNum::Lato(300, 6400, 5), 0);
}

TEST_F(FrazioneDi, NumeriRifiutatiLascianoIlDisegno)
{
    FrmFrazDiNum* w = DiNumero(1, 2, 9, "4");
    const QImage prima = w->Area()->Immagine().copy();
    struct Caso { const char* testo; const char* messaggio; };
    for (const Caso& c : {Caso{"7", "Devi immettere un multiplo del denominatore"}, Caso{"", nullptr},
                          Caso{"32001", nullptr}, Caso{"1 2", nullptr}}) {
        Modale::Azzera();
        w->Text1()->setText(QString::fromUtf8(c.testo));
        w->CmdOk_Click();
        ASSERT_EQ(Modale::Mostrati().size(), 1) << c.testo;
        EXPECT_EQ(Modale::Mostrati()[0].tipo, 3);
        EXPECT_EQ(Modale::Mostrati()[0].titolo, QStringLiteral("Frazione di un numero"));
        if (c.messaggio) {
            EXPECT_EQ(Modale::Mostrati()[0].testo, QString::fromUtf8(c.messaggio));
        }
        EXPECT_EQ(w->Area()->Immagine(), prima) << c.testo;
    }
    // 0 is a multiple of everything: no circle, the result 0.
    Modale::Azzera();
    w->Text1()->setText(QStringLiteral("0"));
    w->CmdOk_Click();
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    EXPECT_FALSE(Contiene(*w->Area(), 0, 40, 100, 290, QBColor(9)) && Contiene(*w->Area(), 0, 60, 100, 290, Grigio));
    EXPECT_TRUE(Contiene(*w->Area(), 10, 100, 25, 115, QBColor(9)));
}

TEST_F(FrazioneDi, CelleTroppoPiccoleEUltimoNumero)
{
    // L rounds to 0, then a window lower than its margin: texts, no circle.
    FrmFrazDiNum* w = DiNumero(5, 8, 12, "32000");
    EXPECT_FALSE(Contiene(*w->Area(), 0, 70, 100, 250, Grigio));
    w->resize(w->width(), 60);
    w->CmdOk_Click();
    EXPECT_TRUE(Contiene(*w->Area(), 20, 0, 120, 20, QBColor(12)));

    // The number typed last, even a refused one, comes back with the caret
    // after it.
    w->Text1()->setText(QStringLiteral("7"));
    w->close();
    QApplication::processEvents();
    EXPECT_EQ(UltimoNumeroFrazDiNum, QStringLiteral("7"));
    Riga(8, 1, 3, 2);
    ApriFrmFrazDiNum();
    FrmFrazDiNum* nuova = Unica<FrmFrazDiNum>::SeEsiste();
    ASSERT_TRUE(nuova);
    EXPECT_EQ(nuova->Text1()->text(), QStringLiteral("7"));
    EXPECT_EQ(nuova->Text1()->cursorPosition(), 1);
    EXPECT_EQ(nuova->Label1()->text(), QStringLiteral("1/3"));
}

TEST_F(FrazioneDi, UnMezzoDiDueTerzi)
{
    Riga(9, 1, 2, 12);
    Riga(10, 2, 3, 9);
    ApriFrmFrazDiFraz();
    FrmFrazDiFraz* w = Unica<FrmFrazDiFraz>::SeEsiste();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Frazione di frazione"));
    EXPECT_EQ(FrmFrazDiFraz::Lato(272, 2, 3), 45);
    const Tela& t = *w->Area();
    EXPECT_EQ(t.Punto(30, 90), QBColor(9));
    EXPECT_EQ(t.Punto(75, 140), QBColor(9));
    EXPECT_EQ(t.Punto(30, 180), Grigio);
    EXPECT_EQ(t.Punto(130, 90), QBColor(12));
    EXPECT_EQ(t.Punto(130, 140), QBColor(12));
    EXPECT_EQ(t.Punto(175, 90), QBColor(9));
    EXPECT_EQ(t.Punto(175, 180), Grigio);
    EXPECT_EQ(t.Punto(55, 90), Bianco);
    EXPECT_EQ(t.Punto(105, 90), ColoreSfondoServizio());
    // Label, the line under the right grid, the result.
    EXPECT_TRUE(Contiene(t, 10, 41, 30, 60, QBColor(9)));
    EXPECT_TRUE(Contiene(t, 110, 206, 130, 225, QBColor(12)));
    EXPECT_TRUE(Contiene(t, 110, 231, 130, 250, QBColor(12)));
}

TEST_F(FrazioneDi, GrigliaDegenereERisultatoNonRidotto)
{
    EXPECT_EQ(FrmFrazDiFraz::Lato(272, 300, 30), 0);
    EXPECT_EQ(FrmFrazDiFraz::Lato(272, 272, 1), 0);   // 136/272 = 0.5, to the even 0
    Riga(9, 1, 300, 12);
    Riga(10, 1, 30, 9);
    ApriFrmFrazDiFraz();
    const Tela& t = *Unica<FrmFrazDiFraz>::SeEsiste()->Area();
    EXPECT_TRUE(Contiene(t, 20, 71, 40, 90, QBColor(12)));
    EXPECT_TRUE(Contiene(t, 20, 96, 40, 115, QBColor(12)));
    EXPECT_FALSE(Contiene(t, 0, 70, 20, 70, Grigio));

    // A fresh opening replaces the window: one instance, at the same place.
    Riga(9, 1, 1, 12);
    Riga(10, 3, 5, 9);
    ApriFrmFrazDiFraz();
    const Tela& u = *Unica<FrmFrazDiFraz>::SeEsiste()->Area();
    EXPECT_EQ(FrmFrazDiFraz::Lato(272, 1, 5), 27);
    EXPECT_EQ(u.Punto(20, 80), QBColor(9));    // left grid, one column
    EXPECT_EQ(u.Punto(50, 80), QBColor(12));   // right grid: all of c/d in 1/1's colour
    EXPECT_EQ(u.Punto(50, 180), Grigio);
}

TEST_F(FrazioneDi, ConQuadrettiDiUnPixelIlDisegnoStaTuttoNellImmagine)
{
    // A larger denominator from 137 to 271 gives squares of one pixel: the
    // grids and the texts under them run past the designed 327 x 272.
    struct Coppia {
        int a, b, c, d;
    };
    for (const Coppia& k : {Coppia{1, 5, 1, 256}, Coppia{1, 256, 1, 5}, Coppia{1, 137, 2, 3}, Coppia{3, 4, 5, 271},
                            Coppia{199, 200, 49, 50}}) {
        SCOPED_TRACE(QStringLiteral("%1/%2 di %3/%4").arg(k.a).arg(k.b).arg(k.c).arg(k.d).toStdString());
        Riga(9, k.a, k.b, 12);
        Riga(10, k.c, k.d, 9);
        ApriFrmFrazDiFraz();
        FrmFrazDiFraz* w = Unica<FrmFrazDiFraz>::SeEsiste();
        ASSERT_TRUE(w);
        ASSERT_EQ(FrmFrazDiFraz::Lato(272, k.b, k.d), 1);
        const Tela& t = *w->Area();
        const QSize dim = t.DimensionePixel();
        EXPECT_TRUE(dim.width() >= 327 && dim.height() >= 272);
        // The window keeps its designed size; copies take the whole picture.
        EXPECT_EQ(w->size(), QSize(327, 272));
        EXPECT_EQ(w->Istantanea().size(), dim);
        // The right grid's corners (squares of one pixel are all white edge).
        const int x = 20 + k.b, fondo = 70 + k.d;
        EXPECT_EQ(t.Punto(x + k.b, fondo), Bianco);
        EXPECT_EQ(t.Punto(x, 70), Bianco);
        // The line "a/b di c/d=" and the result, whole inside the picture,
        // the result drawn up to its last digit.
        const QString risultato = QString::number(k.a * k.c) + QLatin1Char('/') + QString::number(k.b * k.d);
        const int fine = x + int(t.LarghezzaTesto(risultato)), sotto = 95 + k.d + int(t.AltezzaTesto(risultato));
        EXPECT_LE(x + t.LarghezzaTesto(QStringLiteral("%1/%2 di %3/%4=").arg(k.a).arg(k.b).arg(k.c).arg(k.d)), dim.width());
        EXPECT_TRUE(fine <= dim.width() && sotto <= dim.height());
        EXPECT_TRUE(Contiene(t, x, fondo + 1, x + 20, fondo + 20, QBColor(12)));
        EXPECT_TRUE(Contiene(t, fine - 12, 96 + k.d, fine - 1, sotto - 1, QBColor(12)));
    }
}

TEST_F(FrazioneDi, DalleFrazioniSelezionateEStampa)
{
    // The first by position is a/b, whatever order the pupil clicked in.
    Metti(1, {{1, 2, 1, 12}, {2, 3, 1, 9}});
    TrovaFrazDiFraz(1);
    FrmFrazDiFraz* f = Unica<FrmFrazDiFraz>::SeEsiste();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->Area()->Punto(130, 90), QBColor(12));
    EXPECT_EQ(f->Area()->Punto(175, 90), QBColor(9));

    Metti(1, {{3, 4, 1, 12}});
    UltimoNumeroFrazDiNum = QStringLiteral("12");
    TrovaFrazDiNum(1);
    FrmFrazDiNum* w = Unica<FrmFrazDiNum>::SeEsiste();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->Label1()->text(), QStringLiteral("3/4"));
    EXPECT_EQ(w->Text1()->text(), QStringLiteral("12"));
    w->CmdOk_Click();

    // On paper the drawing, not the strip; the strip is back afterwards,
    // whether the printer works or not.
    const QString pdf = Percorso(QStringLiteral("frazdinum.pdf"));
    ImpostaStampaSuFile(pdf);
    MnuPopUp1Stampa_Click(w);
    EXPECT_GT(QFile(pdf).size(), 0);
    EXPECT_TRUE(w->Picture1()->isVisible());
    ImpostaStampanteAssente(true);
    MnuPopUp1Stampa_Click(w);
    ImpostaStampanteAssente(false);
    ImpostaStampaSuFile({});
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    EXPECT_EQ(Modale::Mostrati()[0].testo, QStringLiteral("Errore di stampante"));
    EXPECT_TRUE(w->Picture1()->isVisible());
    // The copy takes the drawing, heading included.
    EXPECT_EQ(w->Istantanea(), w->Area()->Immagine());
}

TEST_F(FrazioneDi, SiApreSulloSfondoDiServizioPrimaDelPrimoOk)
{
    // Before any number is accepted the whole window, strip and drawing
    // area, wears the service background: no white block below the strip.
    Riga(8, 2, 3, 13);
    ApriFrmFrazDiNum();
    FrmFrazDiNum* w = Unica<FrmFrazDiNum>::SeEsiste();
    ASSERT_TRUE(w);
    const Tela& t = *w->Area();
    ASSERT_GT(t.Immagine().height(), 250);
    for (int y : {60, 150, 250})
        for (int x : {5, 150, 300}) EXPECT_EQ(t.Punto(x, y), TintaServizio) << x << "," << y;
    EXPECT_FALSE(Contiene(t, 0, 40, 330, 290, Bianco));
    EXPECT_EQ(w->findChild<QWidget*>(QStringLiteral("Picture1"))->palette().color(QPalette::Window), TintaServizio);
}
