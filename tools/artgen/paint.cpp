#include "tools/artgen/paint.h"

#include <algorithm>

namespace artgen {

Rgb StateColour(Rgb base, State s) {
    switch (s) {
        case State::OVER:
            return Lighter(base, 0.22f);
        case State::PRESSED:
            return Darker(base, 0.14f);
        case State::NORMAL:
            break;
    }
    return base;
}

namespace {
// The glossy body of a button on `shape`, which spans x0 ... x1, y0 ... y1.
void glossy_body(Canvas& c, const Sdf& shape, float x0, float y0, float x1, float y1, Rgb base, State s) {
    const Rgb col = StateColour(base, s);
    const float h = y1 - y0, cx = (x0 + x1) / 2;
    c.Fill(shape, VGrad(y0, Darker(col, 0.22f), y1, Darker(col, 0.5f)));
    c.Fill(Grow(shape, -1.25f), VGrad(y0, Lighter(col, 0.3f), y1, Darker(col, 0.06f)));
    // The shine of a rounded surface: strong at the top, fading out above the middle.
    const float shine = s == State::PRESSED ? 0.3f : 0.62f;
    Sdf gloss = Intersect(Grow(shape, -2.0f), Ellipse(cx, y0 + h * 0.1f, (x1 - x0) * 0.6f, h * 0.48f));
    c.Shade(gloss, VGradAlpha(y0, {WHITE, shine}, y0 + h * 0.55f, {WHITE, 0.05f}));
    // Light thrown back at the bottom edge.
    const float glow_top = y1 - h * 0.32f;
    const Rgb glow = Lighter(col, 0.55f);
    c.Shade(Intersect(Grow(shape, -1.6f), HalfPlaneBelow(glow_top)),
            VGradAlpha(glow_top, {glow, 0}, y1 - 1, {glow, 0.4f}));
}
}  // namespace

Point Button(Canvas& c, Form form, Rgb base, State s, const GlyphAt& glyph) {
    return Button(c, {0, 0, static_cast<float>(c.Width()), static_cast<float>(c.Height())}, form, base, s, glyph);
}

Point Button(Canvas& c, const Cell& cell, Form form, Rgb base, State s, const GlyphAt& glyph) {
    const float off = s == State::PRESSED ? 1.0f : 0.0f;
    const float x0 = cell.x + off, y0 = cell.y + off, x1 = x0 + cell.w - 1, y1 = y0 + cell.h - 1;
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const Sdf shape = form == Form::ROUND ? Ellipse(cx, cy, (x1 - x0) / 2, (y1 - y0) / 2)
                                          : Box(x0, y0, x1, y1, std::min(x1 - x0, y1 - y0) * 0.3f);
    glossy_body(c, shape, x0, y0, x1, y1, base, s);
    const Sdf mark = glyph ? glyph(cx, cy) : nullptr;
    if (mark) Glyph(c, mark, Darker(StateColour(base, s), 0.45f));
    return {cx, cy};
}

void Glyph(Canvas& c, const Sdf& shape, Rgb shadow, Rgb ink) {
    c.Shade(Move(shape, 0, 1), Solid(shadow, 0.6f));
    c.Shade(shape, Solid(ink));
}

void Mark(Canvas& c, const Sdf& shape, Rgb colour) {
    const float h = static_cast<float>(c.Height());
    c.Fill(Grow(shape, 1.1f), Solid(Darker(colour, 0.45f)));
    c.Fill(shape, VGrad(0, Lighter(colour, 0.15f), h, Darker(colour, 0.1f)));
    c.Shade(Intersect(Grow(shape, -0.8f), HalfPlaneAbove(h * 0.45f)),
            VGradAlpha(0, {WHITE, 0.4f}, h * 0.45f, {WHITE, 0.0f}));
}

void Rimmed(Canvas& c, const Sdf& shape, float rim, Rgb rim_colour, float top, Rgb light, float bottom, Rgb dark) {
    c.Fill(Grow(shape, rim), Solid(rim_colour));
    c.Fill(shape, VGrad(top, light, bottom, dark));
}

void Part(Canvas& c, const Sdf& shape, float top, float bottom, Rgb colour, float rim) {
    Rimmed(c, shape, rim, Darker(colour, 0.5f), top, Lighter(colour, 0.18f), bottom, Darker(colour, 0.12f));
}

void Shine(Canvas& c, const Sdf& shape, float top, float bottom, float strength) {
    const float mid = top + (bottom - top) * 0.45f;
    c.Shade(Intersect(shape, HalfPlaneAbove(mid)), VGradAlpha(top, {WHITE, strength}, mid, {WHITE, 0.0f}));
}

}  // namespace artgen
