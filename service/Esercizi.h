#pragma once
// Small pieces shared by the exercise windows.
#include "logica/MessaggioDaMostrare.h"
#include <QColor>
#include <QString>

class QWidget;

// Shows what an exercise asked for through the program's message box.
void MostraEsito(const MessaggioDaMostrare& m);
// Paints a label or frame's background (it fills it from now on).
void ColoraSfondo(QWidget* w, const QColor& colore);
