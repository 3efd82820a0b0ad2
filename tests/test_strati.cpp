#include "AiutiFinestre.h"
#include "commands/Dispatch.h"
#include "platform/Numeri.h"
#include "platform/Unica.h"
#include "workspace/MenuPrinc.h"
#include "workspace/Opzioni.h"
#include <QAction>
#include <QMenu>
#include <QToolBar>

namespace {

const QString TroppoGrandi = QStringLiteral("I termini di una frazione sono numeri troppo grandi");

class Contata : public QObject {
public:
    static inline int create = 0;
    static Contata* CreaUnica(int n)
    {
        ++create;
        auto* c = new Contata;
        c->setObjectName(QStringLiteral("n%1").arg(n));
        return c;
    }
};

}   // namespace

using Strati = ProvaConFoglio;

TEST_F(Strati, UnOverflowSfuggitoAlComandoDiventaUnMessaggio)
{
    bool dopo = false;
    Chiama(QStringLiteral("Moltiplica"), "MoltiplicaFrazione", {1}, [&] {
        Moltiplica16(200, 200);
        dopo = true;
    });
    EXPECT_FALSE(dopo);
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    EXPECT_EQ(Modale::Mostrati()[0].testo, TroppoGrandi);
    EXPECT_EQ(Modale::Mostrati()[0].tipo, 3);
    EXPECT_EQ(Modale::Mostrati()[0].titolo, QStringLiteral("Moltiplica"));

    // The program goes on: the next command runs as usual, without a title
    // the box is the program's.
    Modale::Azzera();
    bool eseguito = false;
    Chiama(QString(), "Altro", {}, [&] { eseguito = true; });
    EXPECT_TRUE(eseguito);
    EXPECT_TRUE(Modale::Mostrati().isEmpty());
    Chiama(QString(), "Altro", {}, [] { Somma16(32767, 1); });
    ASSERT_EQ(Modale::Mostrati().size(), 1);
    EXPECT_EQ(Modale::Mostrati()[0].titolo, QStringLiteral("Zefra"));
}

TEST_F(Strati, DalMenuEDallaBarraIlMessaggioPortaIlNomeDelComando)
{
    // A command that overflows, reached by a click like the pupil's.
    OsservaComandi([](const QString&, const QList<int>&) { Moltiplica16(300, 300); });
    Unica<Princ>::SeEsiste()->Azione(QStringLiteral("MnuGruppoRaggruppa"))->trigger();
    Unica<Princ>::SeEsiste()->BottoneToolbar1(4)->trigger();
    ASSERT_EQ(Modale::Mostrati().size(), 2);
    EXPECT_EQ(Modale::Mostrati()[0].testo, TroppoGrandi);
    EXPECT_EQ(Modale::Mostrati()[0].titolo, QStringLiteral("Raggruppa"));
    EXPECT_EQ(Modale::Mostrati()[1].titolo, QStringLiteral("Raggruppa frazioni con ugual denominatore"));
    EXPECT_TRUE(Unica<Princ>::SeEsiste()->isVisible());
}

TEST_F(Strati, IlMenuRiceveDallAltoCioCheEsegue)
{
    QStringList ricevuti;
    ImpostaComandiMenu({[&](const QString& n) { ricevuti << n; }, [&] { ricevuti << QStringLiteral("apertura"); },
                        [&](int i) { ricevuti << QString::number(i); },
                        [&](const QString& k) { ricevuti << QStringLiteral("tendina ") + k; }});
    Princ* p = Unica<Princ>::SeEsiste();
    p->Azione(QStringLiteral("MnuFileSalva"))->trigger();
    p->BottoneToolbar1(19)->trigger();
    p->BottoneToolbar1(1)->menu()->actions().first()->trigger();
    EXPECT_EQ(ricevuti, (QStringList{"MnuFileSalva", "19", "tendina per2"}));
    EXPECT_TRUE(QuadernoModificato == FALSO);   // nothing ran but the recorder

    // Nothing handed over: a click does nothing.
    ImpostaComandiMenu({});
    p->Azione(QStringLiteral("MnuFileSalva"))->trigger();
    EXPECT_EQ(ricevuti.size(), 3);
}

TEST_F(Strati, OpzioniDalleVociSpuntate)
{
    Princ* p = Unica<Princ>::SeEsiste();
    const struct {
        const char* voce;
        bool (*opzione)();
    } coppie[] = {{"MnuImpostaMostraValori", OpzioneMostraValori},
                  {"MnuImpostaAbilitaSuono", OpzioneSuono},
                  {"MnuImpostaEvBottoni", OpzionePulsanti3D},
                  {"MnuImpostaEvBarra", OpzioneBarra3D},
                  {"MnuImpostaFogliCalcoloBianchi", OpzioneFogliBianchi},
                  {"MnuImpostaFinestreServizioBianche", OpzioneFinestreServizioBianche}};
    for (const auto& c : coppie) {
        QAction* a = p->Azione(QLatin1String(c.voce));
        ASSERT_TRUE(a) << c.voce;
        a->setChecked(true);
        EXPECT_TRUE(c.opzione()) << c.voce;
        a->setChecked(false);
        EXPECT_FALSE(c.opzione()) << c.voce;
        a->setChecked(true);
    }
    Unica<Princ>::Distruggi();
    for (const auto& c : coppie) EXPECT_FALSE(c.opzione()) << c.voce;
}

TEST_F(Strati, UnaSolaIstanzaPerFinestra)
{
    using Prima = Unica<Contata, 1>;
    using Seconda = Unica<Contata, 2>;
    Contata::create = 0;
    EXPECT_EQ(Prima::SeEsiste(), nullptr);   // asking never creates
    EXPECT_EQ(Contata::create, 0);
    Contata* a = Prima::Istanza();
    EXPECT_EQ(Prima::Istanza(), a);
    EXPECT_EQ(Prima::SeEsiste(), a);
    EXPECT_EQ(a->objectName(), QStringLiteral("n1"));
    EXPECT_EQ(Seconda::Istanza()->objectName(), QStringLiteral("n2"));
    EXPECT_EQ(Contata::create, 2);
    // Forgotten as it unloads itself, it stays alive for its owner.
    Prima::Dimentica(a);
    EXPECT_EQ(Prima::SeEsiste(), nullptr);
    delete a;
    // Deleted by other means, it is seen as gone.
    delete Seconda::SeEsiste();
    EXPECT_EQ(Seconda::SeEsiste(), nullptr);
    Prima::Istanza();
    Prima::Distruggi();
    EXPECT_EQ(Prima::SeEsiste(), nullptr);
    EXPECT_EQ(Contata::create, 3);
}

TEST_F(Strati, IlSuonoChiedeInterruttoreECartellaAChiLoAvvia)
{
    bool acceso = false;
    int cartellaChiesta = 0;
    Suono::Collega([&] { ++cartellaChiesta; return Percorso(QString()); }, [&] { return acceso; });
    Suono::Riproduci(QStringLiteral("aggiungi.wav"));
    acceso = true;
    Suono::Riproduci(QStringLiteral("info.wav"));
    Suono::Bip();
    EXPECT_EQ(Suono::Registrati(), (QStringList{"info.wav", "bip"}));
    EXPECT_EQ(cartellaChiesta, 0);   // recording: nothing looked up, nothing played
}
