#include "commands/Dialoghi.h"
#include "platform/Finestre.h"
#include "platform/Numeri.h"
#include <QWidget>

void PosizionaSopraFoglio(QWidget* dialogo, QWidget* foglio, int dxTwip, double frazioneAltezza)
{
    const QPoint angolo = foglio->mapToGlobal(QPoint(0, 0));
    const QPoint posizione = angolo + QPoint(TwipInPixel(dxTwip), Arrotonda32(foglio->height() * frazioneAltezza));
    RendiSempreSopra(dialogo);
    PosizionaSulloSchermo(dialogo, posizione);
}
