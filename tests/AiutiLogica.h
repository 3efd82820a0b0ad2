#pragma once
// Readable failures for the window-free exercises.
#include "logica/MessaggioDaMostrare.h"
#include <ostream>

inline void PrintTo(const MessaggioDaMostrare& m, std::ostream* o)
{
    *o << "{\"" << m.testo.toStdString() << "\", " << m.tipo << ", \"" << m.titolo.toStdString() << "\"}";
}
