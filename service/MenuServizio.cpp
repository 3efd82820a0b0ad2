// The service pop-up menu: copy window, bitmap copy and print of a service
// window. (Its items are completed with the copy windows.)
#include "service/FinestraServizio.h"

void MostraMenuServizio(FinestraServizio*, QPoint, bool) {}
