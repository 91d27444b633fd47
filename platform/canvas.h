// Pictures with smooth edges for any background: coverage masks (text from a font's glyphs,
// rounded boxes, triangles, grown for outlines) painted in colours onto a premultiplied ARGB
// canvas, which is then blended onto an RGB565 surface. Colour keys cannot keep the soft edge
// of a letter: this can.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/ddraw.h"
#include "platform/win32.h"

struct plat_Font;

// w x h values, row after row, all 0 at first.
template <class T>
struct plat_Plane {
    int w = 0, h = 0;
    std::vector<T> px;
    plat_Plane() = default;
    plat_Plane(int w_, int h_) : w(w_), h(h_), px(size_t(w_ > 0 ? w_ : 0) * size_t(h_ > 0 ? h_ : 0), T(0)) {}
};

// How much of each pixel a shape covers, 0 ... 255.
struct plat_Mask : plat_Plane<uint8_t> {
    using plat_Plane::plat_Plane;
};

// Premultiplied 0xAARRGGBB pixels. Once painted, plat_CanvasPrepare makes it quick to blend:
// each row as runs of opaque pixels, either of one colour (a box's inside, a letter's stroke)
// or to copy (kept as RGB565, one run after another), and the pixels to mix, in a list of
// their own; everything else is skipped.
struct plat_CanvasRun {
    int x, n;
    size_t at;  // its first pixel in `copy`; for a run of one colour, that colour
    bool fill;
};
struct plat_CanvasMix {
    int x;
    uint32_t px;
};
struct plat_Canvas : plat_Plane<uint32_t> {
    using plat_Plane::plat_Plane;
    // Made by plat_CanvasPrepare: row y's runs from row_runs[y] to row_runs[y + 1], its pixels to
    // mix from row_mix[y] to row_mix[y + 1].
    std::vector<plat_CanvasRun> runs;
    std::vector<size_t> row_runs;
    std::vector<uint16_t> copy;
    std::vector<plat_CanvasMix> mix;
    std::vector<size_t> row_mix;
};

// The width of a line of Windows-1250 text in the font, in whole pixels.
int plat_TextWidth(plat_Font* font, std::string_view line);
// A line of text with the top-left of its cell at (x, y); glyphs clip to the mask.
void plat_MaskText(plat_Mask& m, plat_Font* font, int x, int y, std::string_view line);
// Each pixel takes the most of its neighbours within r pixels (an outline's shape).
plat_Mask plat_MaskGrow(const plat_Mask& m, int r);
// A box with rounded corners of radius `radius`, edges anti-aliased.
void plat_MaskRoundBox(plat_Mask& m, double left, double top, double right, double bottom, double radius);
// A filled triangle, edges anti-aliased.
void plat_MaskTriangle(plat_Mask& m, const double xs[3], const double ys[3]);
// The colour at `alpha` (0 ... 255) times the mask's coverage, laid over the canvas; the mask's
// (0, 0) on the canvas's (dx, dy).
void plat_CanvasPaint(plat_Canvas& c, const plat_Mask& m, COLORREF colour, int alpha, int dx = 0, int dy = 0);
// After the last paint: the runs that blending uses (painting again drops them).
void plat_CanvasPrepare(plat_Canvas& c);
// The canvas laid over the surface at (x, y), clipped to it.
void plat_CanvasBlend(IDirectDrawSurface* s, int x, int y, const plat_Canvas& c);
