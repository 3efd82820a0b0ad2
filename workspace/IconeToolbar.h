#pragma once
// The pictures of the main window's command toolbar Toolbar1, drawn by the
// program itself, by their number 1..68 (34 x 33 pixels each). Numbers
// that no button uses (35, 36, 45, 46) give an empty picture.
#include <QIcon>
#include <QImage>

constexpr int LarghezzaIconaToolbar1 = 34;
constexpr int AltezzaIconaToolbar1 = 33;

// The picture drawn at the given scale (1: 34 x 33 pixels, 2: 68 x 66 ...);
// grigia gives the greyed copy shown while the button is disabled.
QImage DisegnaIconaToolbar1(int numero, qreal scala, bool grigia);

// The icon of a button: the picture and its greyed copy, at 1x and 2x.
QIcon IconaToolbar1(int numero);
