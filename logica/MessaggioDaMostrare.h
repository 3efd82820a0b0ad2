#pragma once
// What a window-free exercise asks its window to show in the message box:
// the window passes it on to MostraMessaggio unchanged.
#include <QString>

struct MessaggioDaMostrare {
    QString testo;
    int tipo = 0;   // the kinds of MostraMessaggio: 1-2 error, 3-4 warning, 5-6 information
    QString titolo;
    bool operator==(const MessaggioDaMostrare&) const = default;
};
