#include "service/Esercizi.h"
#include "workspace/Messaggi.h"
#include <QPalette>
#include <QWidget>

void MostraEsito(const MessaggioDaMostrare& m) { MostraMessaggio(m.testo, m.tipo, m.titolo); }

void ColoraSfondo(QWidget* w, const QColor& colore)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colore);
    w->setPalette(p);
}
