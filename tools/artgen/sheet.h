// A picture file under construction on an RGB565 surface: the see-through colour everywhere,
// pictures put in, sprite phases framed by lines of the border colour.
#pragma once
#include <cstdint>
#include <vector>

#include "tools/artgen/canvas.h"

class IDirectDraw;
class IDirectDrawSurface;

namespace artgen {

// The see-through colour (magenta) and the colour of phase frames (pure green) in every sheet;
// drawn pixels never take either value.
constexpr uint16_t KEY = 0xF81F;
constexpr uint16_t BORDER = 0x07E0;

// The content of a phase, corners included; its frame runs one pixel outside.
struct Rect {
    int x0, y0, x1, y1;
    int W() const { return x1 - x0 + 1; }
    int H() const { return y1 - y0 + 1; }
};

class Sheet {
public:
    Sheet(int w, int h, uint16_t key, uint16_t border);
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    // The border colour at (0, 0), where the program reads it.
    void MarkBorderAt00();
    // Frames the rectangle and draws the canvas (of the rectangle's size) into it.
    void Place(const Rect& r, const Canvas& c);
    // The canvas at (x, y), unframed.
    void Put(int x, int y, const Canvas& c);
    // The file image; empty when the surface could not be made.
    std::vector<uint8_t> Bmp() const;
    // The same in 8-bit colour, run-length coded (see EncodeBmp8).
    std::vector<uint8_t> Bmp8() const;

private:
    IDirectDraw* dd_ = nullptr;
    IDirectDrawSurface* srf_ = nullptr;
    uint16_t key_, border_;
};

}  // namespace artgen
