#include "workspace/Tavolozza.h"
#include "platform/Colori.h"
#include "platform/Numeri.h"
#include "platform/Suono.h"
#include "workspace/Fogli.h"
#include "workspace/FrmAppunti.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include "workspace/Princ.h"
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTextEdit>
#include <QVector>
#include <functional>

namespace {

const char* const NomeCollegamento = "CollegamentoTavolozzaEInfo";

// True when the window FoglioAttivo names (a sheet, or the notes for any
// other value) is open: its Toolbar2 button pressed and the window shown.
bool FinestraAttivaAperta(const Princ* p)
{
    if (!p) return false;
    if (FoglioAttivo == 1 || FoglioAttivo == 2)
        return p->Toolbar2Premuto(FoglioAttivo) && FoglioVisibile(FoglioAttivo);
    return p->Toolbar2Premuto(3) && AppuntiVisibili();
}

// Turns the clicks of the left button on the watched controls into calls of
// the palette and panel handlers: a click is a press and a release on the
// same control, the release inside it.
class Collegamento : public QObject {
public:
    explicit Collegamento(Princ* p) : QObject(p)
    {
        setObjectName(QLatin1String(NomeCollegamento));
        for (int i = 0; i < 9; ++i)
            if (QLabel* b = p->PBoxTavolozza(i)) Osserva(b, [i] { PBoxTavolozza_Click(i); });
        if (QLabel* l = p->Pannello(3)) Osserva(l, [] { StatusBar1_PanelClick(3); });
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonRelease)
            return QObject::eventFilter(o, e);
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() != Qt::LeftButton) return QObject::eventFilter(o, e);
        if (e->type() == QEvent::MouseButtonPress) {
            premuto_ = o;
            return QObject::eventFilter(o, e);
        }
        const bool clic = premuto_ == o;
        premuto_ = nullptr;
        auto* w = qobject_cast<QWidget*>(o);
        if (clic && w && w->rect().contains(m->position().toPoint())) {
            for (const auto& [controllo, azione] : osservati_)
                if (controllo == o) {
                    azione();
                    return true;
                }
        }
        return QObject::eventFilter(o, e);
    }

private:
    void Osserva(QWidget* w, std::function<void()> azione)
    {
        w->installEventFilter(this);
        osservati_.append({w, std::move(azione)});
    }

    QVector<QPair<QObject*, std::function<void()>>> osservati_;
    QPointer<QObject> premuto_;
};

} // namespace

void PBoxTavolozza_Click(int indice)
{
    if (indice < 0 || indice > 8) return;
    Suono::Riproduci(QStringLiteral("clic2.wav"));
    ColoreCorrente = MappaTavolozza[indice];

    Princ* p = Unica<Princ>::SeEsiste();
    if (p) {
        if (QLabel* vecchio = p->PBoxTavolozza(IndiceTavolozza)) vecchio->setFrameShape(QFrame::Box);
        if (QLabel* nuovo = p->PBoxTavolozza(indice)) nuovo->setFrameShape(QFrame::NoFrame);
    }
    IndiceTavolozza = uint8_t(indice);

    // A hidden window keeps its selection as it is: only the colour of what
    // comes next changes.
    if (FinestraAttivaAperta(p)) {
        if (FoglioAttivo == 1 || FoglioAttivo == 2) {
            const uint8_t s = FoglioAttivo;
            const int n = FrazioniSulFoglio(s);
            for (int i = 1; i <= n; ++i)
                if (Frazioni[s][i][3] == 1) Frazioni[s][i][4] = ColoreCorrente;
            RidisegnaFoglio(s);
            EvidenziaSelezionate(s);
        } else {
            QTextEdit* t = TxtAppunti();
            t->setTextColor(QBColor(ColoreCorrente));
            t->setFocus();
        }
    }
    QuadernoModificato = VERO;
}

Informazioni ComponiInformazioni()
{
    const Princ* p = Unica<Princ>::SeEsiste();
    const bool qualcunoAperto = p && (p->Toolbar2Premuto(1) || p->Toolbar2Premuto(2) || p->Toolbar2Premuto(3));
    if (!qualcunoAperto)
        return {QStringLiteral("Tutti i fogli sono chiusi.") + ACapo +
                    QStringLiteral("Per aprire un foglio fai clic su uno dei tre pulsanti ") +
                    QStringLiteral("che si trovano a destra della barra inferiore."),
                6};
    if (FoglioAttivo != 1 && FoglioAttivo != 2)
        return {QStringLiteral("Foglio attivo: foglio appunti") + ACapo, 5};

    const uint8_t s = FoglioAttivo;
    const int n = FrazioniSulFoglio(s);
    QString testo = (s == 1 ? QStringLiteral("Foglio attivo: foglio A") : QStringLiteral("Foglio attivo: foglio B")) +
                    ACapo + QStringLiteral("Numero totale frazioni:") + Str(n);

    struct Selezionata {
        int16_t num, den;
    };
    QVector<Selezionata> selezionate;
    int posizione = 0;
    for (int i = 1; i <= n; ++i) {
        if (Frazioni[s][i][3] != 1) continue;
        selezionate.append({Frazioni[s][i][1], Frazioni[s][i][2]});
        posizione = i;
    }
    const int k = int(selezionate.size());
    if (k == 0) {
        testo += ACapo + QStringLiteral("Frazioni selezionate: nessuna");
    } else if (k == 1) {
        testo += ACapo + QStringLiteral("Frazioni selezionate: 1") + ACapo +
                 QStringLiteral("E' selezionata la frazione:  ") + CStr(selezionate[0].num) + QLatin1Char('/') +
                 CStr(selezionate[0].den) + ACapo + QStringLiteral("Numero d'ordine della frazione:") + Str(posizione);
    } else {
        int32_t somma = 0;
        bool stessoDenominatore = true;
        for (const Selezionata& f : selezionate) {
            somma += f.num;
            if (f.den != selezionate[0].den) stessoDenominatore = false;
        }
        testo += ACapo + QStringLiteral("Frazioni selezionate:") + Str(k) + ACapo;
        if (stessoDenominatore)
            testo += QStringLiteral("Somma frazioni selezionate:") + Str(somma) + QLatin1Char('/') +
                     CStr(selezionate[0].den);
        else
            testo += QStringLiteral("Le frazioni selezionate non hanno lo stesso denominatore");
    }
    return {testo, 6};
}

void StatusBar1_PanelClick(int pannello)
{
    if (pannello != 3) return;
    const Informazioni info = ComponiInformazioni();
    MostraMessaggio(info.testo, info.tipo, QStringLiteral("Informazioni"));
}

void CollegaTavolozzaEInfo(Princ* p)
{
    if (!p || p->findChild<QObject*>(QLatin1String(NomeCollegamento), Qt::FindDirectChildrenOnly)) return;
    new Collegamento(p);
    IndiceTavolozza = 0;
    for (int i = 0; i < 9; ++i)
        if (QLabel* b = p->PBoxTavolozza(i)) b->setFrameShape(i == 0 ? QFrame::NoFrame : QFrame::Box);
}
