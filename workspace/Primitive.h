#pragma once
// Pieces of a fraction's picture drawn into a given surface, in pixels:
// the polygonal representation and one cell of a grid (a square, or a
// circle inscribed in it), grey or in a palette colour.
#include <cstdint>

class Tela;

// A regular polygon of Den triangles around its centre, grey with white
// edges and spokes; the Num triangles that follow one another counter-
// clockwise from the rightmost vertex are filled with palette colour
// Colore (all of them when Num >= Den). The polygon takes the surface's
// size: radius = half the smaller of width − 30 and height − 30, centre
// (r + 30, r + 10). Nothing is drawn when Den < 1 or the surface is too
// small for a positive radius.
void DisegnaRapprPoligonale(Tela& tela, int16_t Num, int16_t Den, int16_t Colore);

// One square cell of side L at row riga, column colonna (both from 1),
// with a white edge and filled with palette colour colore, or with grey
// RGB(150,150,150) when colorato is 0. Each grid has its own margins.
void DisegnaQuadrettoRettangolare(Tela& tela, int16_t L, int16_t riga, int16_t colonna, int16_t colorato,
                                  int16_t colore);   // margins 10, 10
void DisegnaQuadrettoFrazione2(Tela& tela, int16_t L, int16_t riga, int16_t colonna, int16_t colorato,
                               int16_t colore);      // margins 10, 10
void DisegnaQuadrettoFrazDiFraz(Tela& tela, int16_t L, int16_t riga, int16_t colonna, int16_t colorato,
                                int16_t colore);     // margins 10, 70
void DisegnaQuadrettoFrazDiFraz2(Tela& tela, int16_t L, int16_t riga, int16_t colonna, int16_t colorato,
                                 int16_t colore);    // margins 20, 70
// The same cell (margins 0, 64) as a white-edged circle inscribed in it.
void DisegnaCerchiettoFrazDiNum(Tela& tela, int16_t L, int16_t riga, int16_t colonna, int16_t colorato,
                                int16_t colore);
