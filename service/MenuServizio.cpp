// The service pop-up menu: copy window, bitmap copy and print of a service
// window.
#include "service/MenuServizio.h"
#include "platform/AppuntiSistema.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "platform/Stampante.h"
#include "service/FinestraServizio.h"
#include "workspace/Messaggi.h"
#include "workspace/ModuloGenerale.h"
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPointer>

class FrmServizio : public FinestraServizio {
public:
    FrmServizio() : FinestraServizio(QStringLiteral("FrmServizio"))
    {
        setWindowTitle(QStringLiteral("Copia"));
        setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    }

    // The frozen picture, drawn at the top left.
    void ImpostaFoto(const QImage& foto)
    {
        foto_ = foto;
        update();
    }
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (foto_.isNull()) return;
        QPainter p(this);
        p.drawImage(0, 0, foto_);
    }

private:
    QImage foto_;
};

namespace {

std::function<QAction*(QMenu*)> sceltaDiProva;

// Where the next copy goes: 20 pixels right of and below the last copy
// still open, or of the window copied.
QPointer<QWidget> ultimaCopia;

void MostraCopia(FrmServizio* copia, FinestraServizio* sorgente)
{
    const QWidget* rif = ultimaCopia ? ultimaCopia.data() : sorgente;
    ultimaCopia = copia;
    PosizionaSulloSchermo(copia, rif->frameGeometry().topLeft() + QPoint(20, 20));
    copia->show();
    copia->raise();
}

}   // namespace

void ImpostaSceltaMenuServizio(std::function<QAction*(QMenu*)> scelta) { sceltaDiProva = std::move(scelta); }

void MostraMenuServizio(FinestraServizio* sorgente, QPoint punto, bool copiaBitmap)
{
    if (!sorgente) return;
    QMenu menu(sorgente);
    menu.setObjectName(QStringLiteral("MnuPopUp1"));
    auto voce = [&](const char* nome, const QString& testo) {
        QAction* a = menu.addAction(testo);
        a->setObjectName(QLatin1String(nome));
        return a;
    };
    QAction* crea = voce("MnuPopUp1CreaCopiaFinestra", QStringLiteral("Crea una copia della finestra"));
    QAction* bitmap = voce("MnuPopUp1CopiaBitmap", QStringLiteral("Copia bitmap negli appunti di Windows"));
    QAction* stampa = voce("MnuPopUp1Stampa", QStringLiteral("Stampa"));
    bitmap->setEnabled(copiaBitmap);

    // The window may close while the menu is up (a notebook opened through
    // a shortcut): act only on one that is still there.
    const QPointer<FinestraServizio> guardia(sorgente);
    QAction* scelta = sceltaDiProva ? sceltaDiProva(&menu) : menu.exec(punto);
    if (!guardia || !scelta || !scelta->isEnabled()) return;
    if (scelta == crea) MnuPopUp1CreaCopiaFinestra_Click(sorgente);
    else if (scelta == bitmap) MnuPopUp1CopiaBitmap_Click(sorgente);
    else if (scelta == stampa) MnuPopUp1Stampa_Click(sorgente);
}

void MnuPopUp1CreaCopiaFinestra_Click(FinestraServizio* sorgente)
{
    if (!sorgente) return;
    auto* copia = new FrmServizio;
    copia->resize(sorgente->size());
    const QString testo = sorgente->TestoCopia();
    if (!testo.isEmpty()) {
        // A check window: its text, on the service background, in a label
        // 10 twips smaller than the window both ways.
        const QColor sfondo = ColoreSfondoServizio();
        copia->ImpostaSfondo(sfondo);
        auto* label = new QLabel(testo, copia);
        label->setObjectName(QStringLiteral("Label1"));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(sorgente->font());
        label->setAutoFillBackground(true);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, sfondo);
        label->setPalette(pal);
        const int meno = TwipInPixel(10);
        label->setGeometry(0, 0, sorgente->width() - meno, sorgente->height() - meno);
    } else {
        copia->ImpostaFoto(sorgente->Istantanea());
        if (sorgente->NumeroMenu() == 7) {
            // The lowest-terms window's rule, as wide as its figure.
            const int x1 = TwipInPixel(100), y = TwipInPixel(866);
            const int x2 = TwipInPixel(FrazioniFinestre[4][1]);
            if (x2 >= x1) {
                auto* linea = new QWidget(copia);
                linea->setObjectName(QStringLiteral("Line1"));
                linea->setAutoFillBackground(true);
                QPalette pal = linea->palette();
                pal.setColor(QPalette::Window, Qt::black);
                linea->setPalette(pal);
                linea->setGeometry(x1, y, x2 - x1 + 1, 1);
            }
        }
    }
    MostraCopia(copia, sorgente);
}

void MnuPopUp1CopiaBitmap_Click(FinestraServizio* sorgente)
{
    if (!sorgente) return;
    if (!ImmagineNegliAppunti(sorgente->Istantanea()))
        MostraMessaggio(QStringLiteral("Memoria esaurita"), 3, QStringLiteral("Copia bitmap negli appunti di Windows"));
}

void MnuPopUp1Stampa_Click(FinestraServizio* sorgente)
{
    if (!sorgente) return;
    QPointer<QWidget> nascosto = sorgente->NascondiInStampa();
    const bool eraVisibile = nascosto && nascosto->isVisible();
    if (eraVisibile) nascosto->hide();
    const QImage pagina = sorgente->grab().toImage();
    // The strip comes back before anything is reported.
    if (eraVisibile && nascosto) nascosto->show();
    if (!StampaImmagine(pagina)) MostraMessaggio(QStringLiteral("Errore di stampante"), 3, QStringLiteral("Stampa"));
}
