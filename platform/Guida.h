#pragma once
// The program's help: HTML pages of ours shown in one help window. The
// window's caption begins with "Zefra", so the windows that are closed
// before a notebook is created, opened or saved under a new name leave it
// open. It is a plain window (not top-most), created on first use and
// destroyed when closed.
#include <QString>

class QTextBrowser;
class QWidget;

namespace Guida {
// Shows the page at percorso (a local HTML file) in the help window,
// scrolled to the anchor (empty: to the top), and brings the window to the
// front. When the file cannot be read, nothing is created or changed and
// the result is false.
bool Mostra(const QString& percorso, const QString& ancora = QString());

// The help window and its page browser, or null while it is not loaded.
QWidget* Finestra();
QTextBrowser* Pagina();
}
