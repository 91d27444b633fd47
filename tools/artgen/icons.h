// The program's emblem and the pictures that are not part of a skin.
#pragma once
#include "tools/artgen/canvas.h"

namespace artgen {

// An open picture book with a star above it, in the square (x, y) of side s.
void OpenBook(Canvas& c, float x, float y, float s);
// A closed, colourful book filling the canvas, with a margin.
void ClosedBook(Canvas& c, Rgb cover);

}  // namespace artgen
