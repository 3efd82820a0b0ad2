// Commands not built yet: each body below does nothing on purpose, so the
// menus and buttons that call it can be wired now. The unit that builds a
// command takes its body out of this file.
#include "commands/Comandi.h"
#include "workspace/Princ.h"
#include <QAction>

// Transfer, order and zoom.

// Sheet copy, select all and printing.
