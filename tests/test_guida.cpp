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
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace {

class Guide : public ProvaConFoglio {
protected:
    void SetUp() override
    {
        ProvaConFoglio::SetUp();
        Browser::ImpostaAvviatore([this](const QString& p, const QStringList& a) {
            avvii << (QStringList{p} + a);
            return browserPresente;
        });
    }
    void TearDown() override
    {
        Browser::ImpostaAvviatore(nullptr);
        delete Guida::Finestra();
        Unica<FrmTavolaPrimi>::Distruggi();
        ProvaConFoglio::TearDown();
    }
    // The program's own copy of a data file, put in the program folder.
    void Copia(const QString& nome)
    {
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + QLatin1Char('/') + nome, PercorsoDati(nome)));
    }
    void Scegli(const char* voce) { Unica<Princ>::Istanza()->Azione(QLatin1String(voce))->trigger(); }
    void ControllaAvviso(int i, const QString& testo, const QString& titolo)
    {
        ASSERT_GT(Modale::Mostrati().size(), i);
        const Modale::Mostrato& m = Modale::Mostrati()[i];
        EXPECT_EQ(m.testo, testo);
        EXPECT_EQ(m.titolo, titolo);
        EXPECT_EQ(m.tipo, 3);
    }

    QList<QStringList> avvii;
    bool browserPresente = true;
};

// The numbers of the table, after the heading's empty line.
QList<int> NumeriDellaTavola(const QTextEdit* t)
{
    QList<int> numeri;
    const QString testo = t->toPlainText();
    for (const QString& r : testo.mid(testo.indexOf(QLatin1String("\n\n"))).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        for (const QString& n : r.split(QLatin1Char('\t'))) numeri << n.toInt();
    return numeri;
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
    EXPECT_TRUE(p->toPlainText().contains(QStringLiteral("Indice degli argomenti")));
    EXPECT_GT(p->verticalScrollBar()->value(), 0);   // at the index, below the title

    Scegli("MnuGuidaGuidaRapida");
    EXPECT_EQ(Guida::Finestra(), f);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Zefra - Guida rapida"));
    EXPECT_TRUE(p->toPlainText().contains(QStringLiteral("1. Aggiungi una frazione")));

    // Its caption keeps it open through New.
    ChiudiFinestreServizio();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Guida::Finestra() && Guida::Finestra()->isVisible());
}

TEST_F(Guide, GuidaMancanteAvvisaSenzaFinestra)
{
    Scegli("MnuGuidaZefra");
    Scegli("MnuGuidaGuidaRapida");
    EXPECT_EQ(Guida::Finestra(), nullptr);
    ControllaAvviso(0, QStringLiteral("Impossibile aprire il file Zefra.html"), QStringLiteral("Guida"));
    ControllaAvviso(1, QStringLiteral("Impossibile aprire il file guida_rapida.html"), QStringLiteral("Guida rapida"));
}

TEST_F(Guide, PagineWebNelBrowser)
{
    QFile registro(PercorsoRegistro());
    const QByteArray prima = registro.open(QIODevice::ReadOnly) ? registro.readAll() : QByteArray();
    registro.close();
    Scegli("MnuGuidaWebZefra");
    Scegli("MnuGuidaWebSelvanto");
    Scegli("MnuGuidaWebAutore");
    const QList<QStringList> attesi = {
        QStringList{Browser::Programma()} + Browser::Argomenti(QStringLiteral("https://example.org/zefra/aggiornamenti")),
        QStringList{Browser::Programma()} + Browser::Argomenti(QStringLiteral("https://example.org/selvanto")),
        QStringList{Browser::Programma()} + Browser::Argomenti(QStringLiteral("https://example.org/autore"))};
    EXPECT_EQ(avvii, attesi);
    EXPECT_EQ(Browser::Argomenti(QStringLiteral("a b; c")).last(), QStringLiteral("a b; c"));
    EXPECT_TRUE(Modale::Mostrati().isEmpty());

    browserPresente = false;
    Scegli("MnuGuidaWebAutore");
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    const Modale::Mostrato m = Modale::Mostrati().first();
    EXPECT_EQ(m.genere, QStringLiteral("piattaforma"));
    EXPECT_EQ(m.testo, QStringLiteral("Non è installato Internet Explorer"));
    EXPECT_EQ(m.tipo, int(IconaBox::Critico));
    ASSERT_TRUE(!registro.exists() || registro.open(QIODevice::ReadOnly));
    EXPECT_EQ(registro.readAll(), prima);
}

TEST_F(Guide, TavolaDeiPrimi)
{
    Copia(QStringLiteral("TavolaPrimi.rtf"));
    Scegli("MnuGuidaTavolaPrimi");
    FrmTavolaPrimi* w = Unica<FrmTavolaPrimi>::SeEsiste();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    QTextEdit* t = w->TxtTavolaPrimi();
    EXPECT_TRUE(t->isReadOnly());
    const QList<int> primi = NumeriDellaTavola(t);
    ASSERT_EQ(primi.size(), 3432);
    EXPECT_EQ(primi.first(), 2);
    EXPECT_EQ(primi.last(), 31991);
    for (int i = 1; i < primi.size(); ++i) {
        ASSERT_LT(primi[i - 1], primi[i]);
        for (int d = 2; d * d <= primi[i]; ++d) ASSERT_NE(primi[i] % d, 0) << primi[i];
    }

    // The table opens at its beginning, with the caret before the heading.
    QCoreApplication::processEvents();
    EXPECT_EQ(t->textCursor().position(), 0);
    EXPECT_EQ(t->verticalScrollBar()->value(), 0);

    // Chosen again: the same window, the table read again, from the top
    // also when the pupil had scrolled to the end.
    t->verticalScrollBar()->setValue(t->verticalScrollBar()->maximum());
    t->moveCursor(QTextCursor::End);
    Scegli("MnuGuidaTavolaPrimi");
    QCoreApplication::processEvents();
    EXPECT_EQ(t->textCursor().position(), 0);
    EXPECT_EQ(t->verticalScrollBar()->value(), 0);
    t->setPlainText(QStringLiteral("x"));
    Scegli("MnuGuidaTavolaPrimi");
    EXPECT_EQ(Unica<FrmTavolaPrimi>::SeEsiste(), w);
    EXPECT_EQ(NumeriDellaTavola(t).size(), 3432);
    // Only the table shown is kept, not one more for every opening.
    EXPECT_EQ(t->findChildren<QTextDocument*>().size(), 1);

    // The box follows the window: 50 twips narrower, as high; too narrow a
    // window leaves its width alone.
    w->resize(500, 400);
    EXPECT_EQ(t->geometry(), QRect(0, 0, TwipInPixel(PixelInTwip(500) - 50), 400));
    w->resize(2, 300);
    EXPECT_EQ(t->geometry(), QRect(0, 0, TwipInPixel(PixelInTwip(500) - 50), 300));
    // 3 pixels are 45 twips: still narrower than the margin.
    w->resize(3, 280);
    EXPECT_EQ(t->geometry(), QRect(0, 0, TwipInPixel(PixelInTwip(500) - 50), 280));
    w->resize(4, 300);
    EXPECT_EQ(t->geometry(), QRect(0, 0, 1, 300));

    // In a narrow window every row of ten primes is still one line.
    w->resize(300, 300);
    w->show();
    QCoreApplication::processEvents();
    const QTextDocument* d = t->document();
    const QTextBlock riga = d->findBlock(static_cast<int>(t->toPlainText().indexOf(QLatin1String("2\t3\t5"))));
    ASSERT_TRUE(riga.isValid());
    d->documentLayout()->blockBoundingRect(riga);
    EXPECT_EQ(riga.layout()->lineCount(), 1);
    EXPECT_GT(t->horizontalScrollBar()->maximum(), 0);

    // New closes it; a missing table then gives its warning and no window.
    MnuFileNuovoQuaderno_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Unica<FrmTavolaPrimi>::SeEsiste(), nullptr);
    ASSERT_TRUE(QFile::remove(PercorsoDati(QStringLiteral("TavolaPrimi.rtf"))));
    Scegli("MnuGuidaTavolaPrimi");
    EXPECT_EQ(Unica<FrmTavolaPrimi>::SeEsiste(), nullptr);
    ControllaAvviso(0, QStringLiteral("Impossibile aprire il file TavolaPrimi.rtf"), QStringLiteral("Tavola dei numeri primi"));
}
