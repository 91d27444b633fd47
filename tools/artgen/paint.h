// The look shared by every button: candy-coloured, glossy, with a darker rim; lighter under the
// pointer, darker and one pixel down and right while pressed.
#pragma once
#include <functional>

#include "tools/artgen/canvas.h"

namespace artgen {

enum class State { NORMAL, OVER, PRESSED };

const Rgb WHITE = {1, 1, 1};
const Rgb INK = {0.16f, 0.14f, 0.32f};  // the outline colour of marks, letters and pointers
// The button colours, one a purpose.
const Rgb SKY = Hex(0x3D9BF0);    // moving: pages, scrolling, information
const Rgb GRASS = Hex(0x34C060);  // going on: play, OK, screen
const Rgb SUN = Hex(0xFF9F1C);    // making: new page, timer
const Rgb BERRY = Hex(0xEF4B4B);  // stopping: close, cancel, leave
const Rgb GRAPE = Hex(0x9B6BF2);  // keeping: save

// The body colour of a button in a state.
Rgb StateColour(Rgb base, State s);

enum class Form { ROUNDED, ROUND };

// Where a button lies in its canvas.
struct Cell {
    float x, y, w, h;
};
struct Point {
    float x, y;
};
using GlyphAt = std::function<Sdf(float cx, float cy)>;

// A button filling the cell less one pixel on the right and at the bottom (where the pressed
// look moves to). `glyph` (may be empty) gets the centre of the button face and returns the
// pictogram there. Returns that centre.
Point Button(Canvas& c, const Cell& cell, Form form, Rgb base, State s, const GlyphAt& glyph);
// The same filling the whole canvas.
Point Button(Canvas& c, Form form, Rgb base, State s, const GlyphAt& glyph);
// A pictogram in `ink` with a soft shadow of the button's colour below it.
void Glyph(Canvas& c, const Sdf& shape, Rgb shadow, Rgb ink = WHITE);
// A mark standing on its own (tick, cross): filled, with a dark rim of its own colour and a gloss.
void Mark(Canvas& c, const Sdf& shape, Rgb colour);

// A shape shaded from `light` at row `top` to `dark` at row `bottom` inside a rim.
void Rimmed(Canvas& c, const Sdf& shape, float rim, Rgb rim_colour, float top, Rgb light, float bottom, Rgb dark);
// A part of a figure or a prop: its colour a little lighter at the top, darker at the bottom,
// with a rim of the colour's own dark shade.
void Part(Canvas& c, const Sdf& shape, float top, float bottom, Rgb colour, float rim = 2.5f);
// A soft white shine over the upper part of what is drawn inside the shape.
void Shine(Canvas& c, const Sdf& shape, float top, float bottom, float strength = 0.45f);

}  // namespace artgen
