#pragma once
// Helpers for the tests of the exercise windows: the last message shown.
#include "Aiuti.h"
#include "AiutiLogica.h"
#include "platform/Modale.h"
#include <QString>

// The last box shown as "kind|title|text", or empty.
inline QString UltimoMessaggio()
{
    if (Modale::Mostrati().isEmpty()) return {};
    return DescriviMostrato(Modale::Mostrati().back());
}
