#include "Aiuti.h"
#include "platform/Finestre.h"
#include "platform/OrdineFinestre.h"
#include <QDialog>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The names of the watched windows, in the order they are raised.
class Rialzi : public QObject {
public:
    void Osserva(QWidget* w) { w->installEventFilter(this); }
    QStringList visti;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::ZOrderChange) visti << o->objectName();
        return false;
    }
};

// The offscreen platform says so at every raise: the order is read from the
// raises themselves here.
QtMessageHandler gestorePrecedente = nullptr;
void TaceRialzo(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo)
{
    if (gestorePrecedente && !testo.contains(QStringLiteral("does not support raise")))
        gestorePrecedente(tipo, contesto, testo);
}

bool SempreSopra(const QWidget* w) { return w->windowHandle()->flags() & Qt::WindowStaysOnTopHint; }

bool Attiva(QWidget* w)
{
    w->activateWindow();
    return QTest::qWaitFor([w] { return QApplication::activeWindow() == w; });
}

// A main window shown with the keyboard, and a new one not shown yet; the
// raises of both are watched.
bool PrincipaleENuova(Rialzi& rialzi, QWidget& principale, QWidget& nuova)
{
    principale.setObjectName(QStringLiteral("principale"));
    nuova.setObjectName(QStringLiteral("nuova"));
    principale.show();
    if (!Attiva(&principale)) return false;
    rialzi.Osserva(&principale);
    rialzi.Osserva(&nuova);
    return true;
}

}   // namespace

class OrdineFinestre : public ProvaZefra {
protected:
    void SetUp() override
    {
        ProvaZefra::SetUp();
        SorvegliaModali();
        // What an earlier test left to do once its last box had gone.
        QCoreApplication::processEvents();
        gestorePrecedente = qInstallMessageHandler(TaceRialzo);
    }
    void TearDown() override
    {
        qInstallMessageHandler(gestorePrecedente);
        ProvaZefra::TearDown();
    }
};

// Three top-most windows brought forward by the pupil in every order, the
// keyboard in the main window or in the top one of them, and a box of that
// window: while it is open the others lose their top-most state and are
// raised in their order; once it is closed every window is raised in the
// order it stood in, the one with the keyboard last, and has the keyboard.
TEST_F(OrdineFinestre, UnBoxLasciaOgniFinestraAlSuoPosto)
{
    const QStringList aperte{QStringLiteral("istogramma"), QStringLiteral("lineare"), QStringLiteral("uguali")};
    QStringList servizi = aperte;
    do {
        for (const bool dalServizio : {false, true}) {
            SCOPED_TRACE(servizi.join(QLatin1Char(' ')).toStdString() + (dalServizio ? ", box of a service window" : ""));
            Rialzi rialzi;
            QWidget principale;
            principale.setObjectName(QStringLiteral("principale"));
            principale.show();
            // Shown in one order, brought forward one by one in the order
            // under test.
            std::vector<std::unique_ptr<QWidget>> finestre;
            std::vector<QWidget*> inOrdine(servizi.size());
            for (const QString& nome : aperte) {
                finestre.push_back(std::make_unique<QWidget>(nullptr, Qt::Tool));
                QWidget* w = finestre.back().get();
                w->setObjectName(nome);
                RendiSempreSopra(w);
                w->show();
                inOrdine[servizi.indexOf(nome)] = w;
            }
            for (QWidget* w : inOrdine) ASSERT_TRUE(Attiva(w));
            QStringList atteso = servizi;
            QWidget* tastiera = inOrdine.back();
            if (!dalServizio) {
                ASSERT_TRUE(Attiva(&principale));
                atteso.append(principale.objectName());
                tastiera = &principale;
            } else {
                atteso.prepend(principale.objectName());
            }
            rialzi.Osserva(&principale);
            for (QWidget* w : inOrdine) rialzi.Osserva(w);

            QDialog box(tastiera);
            RendiSempreSopra(&box);
            bool visto = false;
            QuandoModale([&](QWidget*) {
                visto = true;
                // Raised in their order once the box is active; the box's own
                // window keeps its top-most state.
                QStringList sospese = servizi;
                if (dalServizio) sospese.removeLast();
                EXPECT_TRUE(QTest::qWaitFor([&] { return rialzi.visti == sospese; })) << rialzi.visti.join(' ').toStdString();
                for (QWidget* w : inOrdine) EXPECT_EQ(SempreSopra(w), w == tastiera) << w->objectName().toStdString();
                rialzi.visti.clear();
                box.reject();
            });
            box.exec();
            EXPECT_TRUE(visto);
            EXPECT_TRUE(QTest::qWaitFor([&] { return rialzi.visti == atteso; })) << rialzi.visti.join(' ').toStdString();
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == tastiera; }));
            for (QWidget* w : inOrdine) EXPECT_TRUE(SempreSopra(w)) << w->objectName().toStdString();
            if (HasFailure()) return;   // one order that fails says enough
        }
    } while (std::next_permutation(servizi.begin(), servizi.end()));
}

// A caller that shows a window as soon as its box has closed gives that
// window the keyboard: it is raised last, over the one that had it before.
TEST_F(OrdineFinestre, LaFinestraApertaDopoIlBoxPrendeLaTastiera)
{
    Rialzi rialzi;
    QWidget principale, nuova(nullptr, Qt::Tool);
    ASSERT_TRUE(PrincipaleENuova(rialzi, principale, nuova));
    QDialog box(&principale);
    QuandoModale([&](QWidget*) { box.reject(); });
    box.exec();
    nuova.show();
    rialzi.visti.clear();   // the toolkit's own, as it shows the window
    ASSERT_TRUE(QTest::qWaitFor([&] { return rialzi.visti.size() == 2; })) << rialzi.visti.join(' ').toStdString();
    EXPECT_EQ(rialzi.visti.join(QLatin1Char(' ')).toStdString(), "principale nuova");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &nuova; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &nuova);
}

// A window the program shows while a box is open (a request that reached it
// some other way than the blocked mouse and keyboard) is the newest one:
// once the box has closed it is raised last, over the window that had the
// keyboard before the box, and has the keyboard, also when the caller then
// brings its own window forward.
TEST_F(OrdineFinestre, LaFinestraApertaDuranteIlBoxVaDavanti)
{
    for (const bool rialzata : {false, true}) {
        SCOPED_TRACE(rialzata ? "the caller raises its window" : "");
        Rialzi rialzi;
        QWidget principale, nuova;
        ASSERT_TRUE(PrincipaleENuova(rialzi, principale, nuova));
        QDialog box(&principale);
        QuandoModale([&](QWidget*) {
            nuova.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&nuova));
            QCoreApplication::processEvents();
            rialzi.visti.clear();   // the toolkit's own, as it shows the window
            box.reject();
        });
        box.exec();
        if (rialzata) principale.raise();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &nuova; }));
        QCoreApplication::processEvents();
        EXPECT_EQ(rialzi.visti.mid(rialzi.visti.size() - 2).join(QLatin1Char(' ')).toStdString(), "principale nuova");
        EXPECT_EQ(QApplication::activeWindow(), &nuova);
    }
}
