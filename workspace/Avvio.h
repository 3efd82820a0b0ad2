#pragma once
#include <QStringList>

// Entry procedure: shows the main window; the start-up work runs in its
// load handler. argomenti are the command-line arguments after the name.
void Main(const QStringList& argomenti);
