#pragma once
// The two looks of a toolbar that the settings switch: raised or flat
// buttons, a single fixed border around the bar or none.
class QToolBar;

// Raised: every button stands out as a button at all times. Flat: a button
// shows its frame only under the mouse. A null toolbar is left alone.
void ImpostaBottoniInRilievo(QToolBar* barra, bool rilievo);
// A one-pixel line in the shadow colour around the bar, or no border.
void ImpostaBordoBarra(QToolBar* barra, bool bordo);
