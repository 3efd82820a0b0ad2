#pragma once
// Helpers for the tests of the exercise windows: the last message shown.
#include "AiutiLogica.h"
#include "platform/Modale.h"
#include <QString>

// The last box shown as "kind|title|text", or empty.
inline QString UltimoMessaggio()
{
    if (Modale::Mostrati().isEmpty()) return {};
    const auto& m = Modale::Mostrati().back();
    return QStringLiteral("%1|%2|%3").arg(m.tipo).arg(m.titolo, m.testo);
}
