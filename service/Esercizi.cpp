#include "service/Esercizi.h"
#include "platform/Finestre.h"
#include "workspace/Messaggi.h"
#include <QPalette>
#include <QWidget>

void MostraEsito(const MessaggioDaMostrare& m) { MostraMessaggio(m.testo, m.tipo, m.titolo); }

void ColoraSfondo(QWidget* w, const QColor& colore)
{
    w->setAutoFillBackground(true);
    w->setPalette(PaletteSfondo(colore));
}
