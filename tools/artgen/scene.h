// What the starter library's pictures share: their sizes, a repeatable scatter of small
// things, ground lines, and the sheets that props and actors are put on.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/artgen/canvas.h"

namespace artgen {

// Backgrounds fill the screen the program starts with, so every background mode shows them whole.
constexpr int BG_W = 1920, BG_H = 1080;

// The same numbers on every run and every machine.
class Scatter {
public:
    explicit Scatter(uint32_t seed) : s_(seed) {}
    float Next(float lo, float hi);  // in lo ... hi

private:
    uint32_t s_;
};

// Paints only inside a box while alive (see Canvas::Limit).
class Within {
public:
    Within(Canvas& c, float x0, float y0, float x1, float y1) : c_(c) { c.Limit(x0, y0, x1, y1); }
    ~Within() { c_.Unlimit(); }
    Within(const Within&) = delete;
    Within& operator=(const Within&) = delete;

private:
    Canvas& c_;
};

// A sky over the whole width, from `top` at row 0 to `low` at the horizon.
void Sky(Canvas& c, float horizon, Rgb top, Rgb low);
// The backgrounds of the town (backgrounds_town.cpp).
Canvas Room();
Canvas Street();

// A background: the picture as its file.
std::vector<uint8_t> BackgroundFile(const Canvas& c);

// Everything below the line y = top(x) for x in 0 ... width, sampled once a column.
Sdf Ground(int width, const std::function<double(double x)>& top);

// A prop's file: the picture inside a one-pixel frame, see-through all round (pixel (6, 6) too).
std::vector<uint8_t> PropFile(const Canvas& c);
// An actor's sprite sheet: the phases in a row, framed; the frame colour at (0, 0), the
// see-through colour at (6, 6) outside every phase. `draw` paints phase i of n on a canvas
// of the phase's size. Returns the sheet; `faz` gets its phases file (a point inside each).
std::vector<uint8_t> ActorSheet(int w, int h, int n, const std::function<void(Canvas&, int)>& draw,
                                std::string* faz);

}  // namespace artgen
