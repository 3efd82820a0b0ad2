#pragma once
class Princ;
// Builds the main window's menu bar and its command toolbar Toolbar1.
void CostruisciMenuPrinc(Princ* p);
