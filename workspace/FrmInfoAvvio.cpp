#include "workspace/FrmInfoAvvio.h"
#include "platform/Colori.h"
#include "platform/Finestre.h"
#include "workspace/FrmSplash.h"
#include "workspace/Princ.h"
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int LarghezzaImmagine = 460;
constexpr int AltezzaImmagine = 187;
constexpr int LarghezzaRiquadro = 100;
constexpr int PassoRiquadri = 120;
constexpr int AltoRiquadro = 6;
constexpr int AltezzaRiquadro = 108;

QFont Carattere(int pixel, bool grassetto = false)
{
    QFont f = CarattereConRiserva(QStringLiteral("Verdana"));
    f.setPixelSize(pixel);
    f.setBold(grassetto);
    return f;
}

// A menu bar with one title highlighted and its drop-down open, the first
// item highlighted.
void DisegnaMenu(QPainter& p, int x, int y, const QStringList& titoli, int scelto, const QStringList& voci)
{
    const QColor evidenza = QBColor(1);
    p.setFont(Carattere(10));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(228, 228, 228));
    p.drawRect(x + 4, y + 8, 92, 16);
    int tx = x + 7;
    int xScelto = tx;
    for (int i = 0; i < titoli.size(); ++i) {
        const int w = p.fontMetrics().horizontalAdvance(titoli[i]) + 6;
        if (i == scelto) {
            xScelto = tx;
            p.fillRect(QRect(tx, y + 9, w, 14), evidenza);
            p.setPen(Qt::white);
        } else {
            p.setPen(Qt::black);
        }
        p.drawText(QRect(tx, y + 9, w, 14), Qt::AlignCenter, titoli[i]);
        tx += w + 2;
    }
    const int larghezza = std::min(x + 96 - xScelto, 70);
    const QRect tendina(xScelto, y + 24, larghezza, 6 + 15 * int(voci.size()));
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::white);
    p.drawRect(tendina);
    for (int i = 0; i < voci.size(); ++i) {
        const QRect riga(tendina.left() + 2, tendina.top() + 3 + 15 * i, tendina.width() - 3, 15);
        if (i == 0) {
            p.fillRect(riga, evidenza);
            p.setPen(Qt::white);
        } else {
            p.setPen(QColor(90, 90, 90));
        }
        p.drawText(riga.adjusted(3, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, voci[i]);
    }
}

void DisegnaPuntatore(QPainter& p, QPointF punta)
{
    QPainterPath freccia;
    const QPointF punti[] = {{0, 0}, {0, 16}, {4, 12}, {7, 19}, {10, 18}, {7, 11}, {12, 11}};
    freccia.moveTo(punta + punti[0]);
    for (const QPointF& q : punti) freccia.lineTo(punta + q);
    freccia.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(freccia);
}

void RiquadroAggiungi(QPainter& p, int x, int y)
{
    DisegnaMenu(p, x, y, {QStringLiteral("File"), QStringLiteral("Opera")}, 1,
                {QStringLiteral("Aggiungi"), QStringLiteral("Trasferisci"), QStringLiteral("Moltiplica")});
    // A new pie arriving.
    DisegnaTortaDecorativa(p, QPointF(x + 20, y + 88), 13, 3, 4, QBColor(12));
    p.setPen(QPen(QBColor(2), 3));
    p.drawLine(QPointF(x + 40, y + 88), QPointF(x + 50, y + 88));
    p.drawLine(QPointF(x + 45, y + 83), QPointF(x + 45, y + 93));
}

void RiquadroTermini(QPainter& p, int x, int y)
{
    const QRect finestra(x + 10, y + 8, 80, 94);
    p.setPen(QColor(110, 110, 110));
    p.setBrush(QColor(236, 236, 236));
    p.drawRect(finestra);
    p.fillRect(QRect(finestra.left() + 1, finestra.top() + 1, finestra.width() - 1, 12), QBColor(1));
    p.setFont(Carattere(14, true));
    auto campo = [&](int top, const QString& testo) {
        const QRect r(x + 32, top, 36, 20);
        p.setPen(QColor(110, 110, 110));
        p.setBrush(Qt::white);
        p.drawRect(r);
        p.setPen(QBColor(4));
        p.drawText(r, Qt::AlignCenter, testo);
    };
    campo(y + 26, QStringLiteral("3"));
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(x + 28, y + 52, x + 72, y + 52);
    campo(y + 56, QStringLiteral("4"));
    const QRect ok(x + 34, y + 82, 32, 15);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(ok);
    p.setFont(Carattere(10, true));
    p.setPen(Qt::black);
    p.drawText(ok, Qt::AlignCenter, QStringLiteral("OK"));
}

void RiquadroSeleziona(QPainter& p, int x, int y)
{
    const QRect foglio(x + 6, y + 8, 88, 94);
    p.setPen(QColor(110, 110, 110));
    p.setBrush(TintaFoglioA);
    p.drawRect(foglio);
    const double r = 13;
    DisegnaTortaDecorativa(p, QPointF(x + 22, y + 28), r, 3, 4, QBColor(12));
    DisegnaTortaDecorativa(p, QPointF(x + 50, y + 28), r, 1, 2, QBColor(9));
    DisegnaTortaDecorativa(p, QPointF(x + 78, y + 28), r, 2, 3, QBColor(2));
    DisegnaTortaDecorativa(p, QPointF(x + 22, y + 66), r, 1, 4, QBColor(13));
    // The selected pie gets its blue square.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QBColor(1), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(x + 50 - 15, y + 28 - 15, 30, 30));
    p.drawRect(QRect(x + 22 - 15, y + 66 - 15, 30, 30));
    p.setRenderHint(QPainter::Antialiasing, true);
    DisegnaPuntatore(p, QPointF(x + 28, y + 70));
}

void RiquadroComando(QPainter& p, int x, int y)
{
    DisegnaMenu(p, x, y, {QStringLiteral("Gruppo"), QStringLiteral("Verifica")}, 0,
                {QStringLiteral("Raggruppa"), QStringLiteral("Separa")});
    // What the command does: 1/4 and 2/4 grouped into 3/4.
    const double r = 10;
    DisegnaTortaDecorativa(p, QPointF(x + 16, y + 88), r, 1, 4, QBColor(12));
    DisegnaTortaDecorativa(p, QPointF(x + 46, y + 88), r, 2, 4, QBColor(12));
    DisegnaTortaDecorativa(p, QPointF(x + 84, y + 88), r, 3, 4, QBColor(12));
    p.setPen(QBColor(1));
    p.setFont(Carattere(13, true));
    p.drawText(QRectF(x + 24, y + 78, 14, 20), Qt::AlignCenter, QStringLiteral("+"));
    p.drawText(QRectF(x + 56, y + 78, 18, 20), Qt::AlignCenter, QStringLiteral("="));
}

void Freccia(QPainter& p, int x0, int x1, int y)
{
    p.setPen(QPen(QBColor(8), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(x0, y, x1 - 4, y);
    QPainterPath punta;
    punta.moveTo(x1, y);
    punta.lineTo(x1 - 7, y - 6);
    punta.lineTo(x1 - 7, y + 6);
    punta.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QBColor(8));
    p.drawPath(punta);
}
}

QImage DisegnaImmagineIstruzioni()
{
    QImage img(LarghezzaImmagine, AltezzaImmagine, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(255, 255, 240));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    using Riquadro = void (*)(QPainter&, int, int);
    const Riquadro riquadri[4] = {RiquadroAggiungi, RiquadroTermini, RiquadroSeleziona, RiquadroComando};
    const QString didascalie[4] = {
        QStringLiteral("1. Aggiungi una frazione dal menu Opera"),
        QStringLiteral("2. Scrivi numeratore e denominatore"),
        QStringLiteral("3. Fai clic sulle torte per selezionarle"),
        QStringLiteral("4. Scegli un comando dai menu"),
    };
    for (int i = 0; i < 4; ++i) {
        const int x = i * PassoRiquadri;
        const QRectF cornice(x + 0.5, AltoRiquadro + 0.5, LarghezzaRiquadro - 1, AltezzaRiquadro);
        p.setPen(QColor(170, 170, 170));
        p.setBrush(Qt::white);
        p.drawRoundedRect(cornice, 6, 6);
        p.save();
        p.setClipRect(cornice);
        riquadri[i](p, x, AltoRiquadro);
        p.restore();
        if (i < 3) Freccia(p, x + LarghezzaRiquadro + 4, x + PassoRiquadri - 4, AltoRiquadro + AltezzaRiquadro / 2);
        p.setFont(Carattere(11, true));
        p.setPen(QBColor(1));
        p.drawText(QRect(x, AltoRiquadro + AltezzaRiquadro + 6, LarghezzaRiquadro, 60),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, didascalie[i]);
    }
    p.end();
    return img;
}

FrmInfoAvvio::FrmInfoAvvio(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmInfoAvvio"));
    setWindowTitle(QStringLiteral("Come iniziare"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setPixmap(QPixmap::fromImage(DisegnaImmagineIstruzioni()));
    image1_->setFixedSize(LarghezzaImmagine, AltezzaImmagine);

    check1_ = new QCheckBox(QStringLiteral("Non mostrare più questa finestra all'avvio"), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setChecked(false);

    cmdChiudi_ = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdChiudi_->setObjectName(QStringLiteral("CmdChiudi"));
    cmdChiudi_->setDefault(true);
    connect(cmdChiudi_, &QPushButton::clicked, this, &QDialog::close);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(image1_);
    auto* riga = new QHBoxLayout();
    riga->addWidget(check1_);
    riga->addStretch(1);
    riga->addWidget(cmdChiudi_);
    colonna->addLayout(riga);
    colonna->setSizeConstraint(QLayout::SetFixedSize);

    if (QScreen* s = QGuiApplication::primaryScreen()) {
        adjustSize();
        PosizionaSulloSchermo(this, s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    cmdChiudi_->setFocus();
}

void FrmInfoAvvio::done(int risultato)
{
    if (check1_->isChecked())
        if (Princ* p = Unica<Princ>::SeEsiste()) p->ImpostaWinAvvio(false);
    QDialog::done(risultato);
}
