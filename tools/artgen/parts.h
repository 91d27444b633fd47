// Scroll-bar and slider parts, the same in both skins.
#pragma once
#include "tools/artgen/canvas.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/pictograms.h"

namespace artgen {

// A pill-shaped knob filling the canvas (less the pressed offset), grooved across its length.
void Knob(Canvas& c, State s);
// A small rounded button with a triangle pointing d.
void ScrollButton(Canvas& c, State s, Dir d);
// A slot for the knob to run in, the same all along its length so that copies join seamlessly.
void TrackTile(Canvas& c, bool vertical);

}  // namespace artgen
