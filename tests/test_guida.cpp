#include "AiutiFinestre.h"
#include "commands/Comandi.h"
#include "platform/Browser.h"
#include "platform/Finestre.h"
#include "platform/Guida.h"
#include "service/FrmTavolaPrimi.h"
#include "workspace/Quaderno.h"
#include "workspace/Registro.h"
#include <QAction>
#include <QFile>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextEdit>

namespace {

struct Avvio {
    QString programma;
    QStringList argomenti;
};

class Guide : public ProvaConFoglio {
protected:
    void SetUp() override
    {
        ProvaConFoglio::SetUp();
        Browser::ImpostaAvviatore([this](const QString& p, const QStringList& a) {
            avvii.append({p, a});
            return browserPresente;
        });
    }
    void TearDown() override
    {
        Browser::ImpostaAvviatore(nullptr);
        if (QWidget* g = Guida::Finestra()) delete g;
        delete FrmTavolaPrimiSeCaricata();
        ProvaConFoglio::TearDown();
    }
    // The program's own copy of a data file, put in the program folder.
    void Copia(const QString& nome)
    {
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + QLatin1Char('/') + nome, PercorsoDati(nome)));
    }
    void Scegli(const char* voce) { princ()->Azione(QLatin1String(voce))->trigger(); }
    void AttendiChiusure() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    static QByteArray Registro()
    {
        QFile f(PercorsoRegistro());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QList<Avvio> avvii;
    bool browserPresente = true;
};

// The numbers of the table, after the heading's empty line.
QList<int> NumeriDellaTavola(const QTextEdit* t)
{
    const QStringList righe = t->toPlainText().split(QLatin1Char('\n'));
    QList<int> numeri;
    bool tabella = false;
    for (const QString& r : righe) {
        if (r.trimmed().isEmpty()) {
            tabella = true;
            continue;
        }
        if (tabella)
            for (const QString& n : r.split(QLatin1Char('\t'))) numeri << n.toInt();
    }
    return numeri;
}

bool Primo(int n)
{
    if (n < 2) return false;
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0) return false;
    return true;
}

}   // namespace

TEST_F(Guide, GuidaEGuidaRapidaInUnaFinestra)
{
    Copia(QStringLiteral("Zefra.html"));
    Copia(QStringLiteral("guida_rapida.html"));
    Scegli("MnuGuidaZefra");
    QWidget* f = Guida::Finestra();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Zefra - Guida"));
    QTextBrowser* p = Guida::Pagina();
    EXPECT_EQ(p->source().fileName(), QStringLiteral("Zefra.html"));
    EXPECT_TRUE(p->toPlainText().contains(QStringLiteral("Indice degli argomenti")));
    EXPECT_GT(p->verticalScrollBar()->value(), 0);   // at the index, below the title

    Scegli("MnuGuidaGuidaRapida");
    EXPECT_EQ(Guida::Finestra(), f);
    EXPECT_EQ(p->source().fileName(), QStringLiteral("guida_rapida.html"));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Zefra - Guida rapida"));
    EXPECT_TRUE(p->toPlainText().contains(QStringLiteral("1. Aggiungi una frazione")));

    // Its caption keeps it open through New.
    ChiudiFinestreServizio();
    AttendiChiusure();
    ASSERT_NE(Guida::Finestra(), nullptr);
    EXPECT_TRUE(Guida::Finestra()->isVisible());
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
}

TEST_F(Guide, GuidaMancanteAvvisaSenzaFinestra)
{
    Scegli("MnuGuidaZefra");
    Scegli("MnuGuidaGuidaRapida");
    EXPECT_EQ(Guida::Finestra(), nullptr);
    const auto& m = Modale::Mostrati();
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m[0].testo, QStringLiteral("Impossibile aprire il file Zefra.html"));
    EXPECT_EQ(m[0].titolo, QStringLiteral("Guida"));
    EXPECT_EQ(m[0].tipo, 3);
    EXPECT_EQ(m[1].testo, QStringLiteral("Impossibile aprire il file guida_rapida.html"));
    EXPECT_EQ(m[1].titolo, QStringLiteral("Guida rapida"));
}

TEST_F(Guide, PagineWebNelBrowser)
{
    const QByteArray registro = Registro();
    Scegli("MnuGuidaWebZefra");
    Scegli("MnuGuidaWebSelvanto");
    Scegli("MnuGuidaWebAutore");
    ASSERT_EQ(avvii.size(), 3);
    const char* indirizzi[] = {"https://example.org/zefra/aggiornamenti", "https://example.org/selvanto",
                               "https://example.org/autore"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(avvii[i].programma, Browser::Programma());
        EXPECT_EQ(avvii[i].argomenti, Browser::Argomenti(QString::fromLatin1(indirizzi[i])));
    }
    EXPECT_EQ(Browser::Argomenti(QStringLiteral("a b")).last(), QStringLiteral("a b"));
    EXPECT_TRUE(Modale::Mostrati().isEmpty());

    browserPresente = false;
    Scegli("MnuGuidaWebAutore");
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    const Modale::Mostrato m = Modale::Mostrati().first();
    EXPECT_EQ(m.genere, QStringLiteral("piattaforma"));
    EXPECT_EQ(m.testo, QStringLiteral("Non è installato Internet Explorer"));
    EXPECT_EQ(m.titolo, QStringLiteral("Zefra"));
    EXPECT_EQ(m.tipo, int(IconaBox::Critico));
    EXPECT_EQ(Registro(), registro);
}

TEST_F(Guide, TavolaDeiPrimi)
{
    Copia(QStringLiteral("TavolaPrimi.rtf"));
    Scegli("MnuGuidaTavolaPrimi");
    FrmTavolaPrimi* w = FrmTavolaPrimiSeCaricata();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Tavola dei numeri primi minori di 32000"));
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(240, 240, 240));
    QTextEdit* t = w->TxtTavolaPrimi();
    EXPECT_TRUE(t->isReadOnly());
    const QList<int> primi = NumeriDellaTavola(t);
    ASSERT_EQ(primi.size(), 3432);
    EXPECT_EQ(primi.first(), 2);
    EXPECT_EQ(primi.last(), 31991);
    for (int i = 0; i < primi.size(); ++i) {
        ASSERT_TRUE(Primo(primi[i])) << primi[i];
        if (i > 0) {
            ASSERT_LT(primi[i - 1], primi[i]);
        }
    }

    // Chosen again: the same window, the table read again.
    t->setPlainText(QStringLiteral("x"));
    Scegli("MnuGuidaTavolaPrimi");
    EXPECT_EQ(FrmTavolaPrimiSeCaricata(), w);
    EXPECT_EQ(NumeriDellaTavola(t).size(), 3432);

    // The box follows the window: 50 twips narrower, as high; too narrow a
    // window leaves its width alone.
    w->resize(500, 400);
    EXPECT_EQ(t->geometry(), QRect(0, 0, TwipInPixel(PixelInTwip(500) - 50), 400));
    w->resize(2, 300);
    EXPECT_EQ(t->geometry(), QRect(0, 0, TwipInPixel(PixelInTwip(500) - 50), 300));

    // New closes it; a missing table then gives its warning and no window.
    MnuFileNuovoQuaderno_Click();
    AttendiChiusure();
    EXPECT_EQ(FrmTavolaPrimiSeCaricata(), nullptr);
    ASSERT_TRUE(QFile::remove(PercorsoDati(QStringLiteral("TavolaPrimi.rtf"))));
    Scegli("MnuGuidaTavolaPrimi");
    EXPECT_EQ(FrmTavolaPrimiSeCaricata(), nullptr);
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    EXPECT_EQ(Modale::Mostrati()[0].testo, QStringLiteral("Impossibile aprire il file TavolaPrimi.rtf"));
    EXPECT_EQ(Modale::Mostrati()[0].titolo, QStringLiteral("Tavola dei numeri primi"));
    EXPECT_EQ(Modale::Mostrati()[0].tipo, 3);
}
