#pragma once
// The notebook as the fraction store holds it: the bridge between the
// shared state and the file format of logica/FileQuaderno.h.
#include "logica/FileQuaderno.h"

// Copy of both sheets of the fraction store (Frazioni, NumFrazioniA/B).
ContenutoQuaderno FotografaQuaderno();

// Puts a notebook into the fraction store: counts and positions 1..count
// of both sheets (positions above the count keep what they held). A content
// that VerificaContenutoQuaderno refuses leaves the store untouched and
// gives false.
bool ApplicaContenutoQuaderno(const ContenutoQuaderno& contenuto);

// The exact bytes of the notebook file for the store.
QByteArray ComponiBytesQuaderno();
// Writes the store as a notebook file (see ScriviFileQuaderno).
bool ScriviFileQuaderno(const QString& percorso);
