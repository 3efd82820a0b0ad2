#pragma once
// The options of the Imposta menu, as its checked items hold them. Each is
// false while the main window does not exist.

bool OpzioneMostraValori();              // "MnuImpostaMostraValori": captions under the pies
bool OpzioneSuono();                     // "MnuImpostaAbilitaSuono": sounds on
bool OpzionePulsanti3D();                // "MnuImpostaEvBottoni": raised buttons
bool OpzioneBarra3D();                   // "MnuImpostaEvBarra": raised strip
bool OpzioneFogliBianchi();              // "MnuImpostaFogliCalcoloBianchi": white sheets
bool OpzioneFinestreServizioBianche();   // "MnuImpostaFinestreServizioBianche": white service windows
