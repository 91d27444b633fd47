// The program's name in round, chunky letters of our own.
#pragma once
#include "tools/artgen/canvas.h"

namespace artgen {

// "Pexlo" with its left end at x and its baseline at y: each letter in its own bright colour,
// outlined and slightly tilted, as on a picture book's cover.
void Wordmark(Canvas& c, float x, float baseline, float cap_height);

}  // namespace artgen
