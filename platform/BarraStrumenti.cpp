#include "platform/BarraStrumenti.h"
#include <QToolBar>
#include <QToolButton>

void ImpostaBottoniInRilievo(QToolBar* barra, bool rilievo)
{
    if (!barra) return;
    for (QAction* a : barra->actions())
        if (auto* b = qobject_cast<QToolButton*>(barra->widgetForAction(a))) b->setAutoRaise(!rilievo);
}

void ImpostaBordoBarra(QToolBar* barra, bool bordo)
{
    if (!barra) return;
    // Only the bar's own panel is styled: its buttons keep the platform's look.
    const QString nome = barra->objectName().isEmpty() ? QStringLiteral("QToolBar")
                                                       : QStringLiteral("QToolBar#") + barra->objectName();
    barra->setStyleSheet(bordo ? nome + QStringLiteral(" { border: 1px solid palette(shadow); }")
                               : nome + QStringLiteral(" { border: none; }"));
}
