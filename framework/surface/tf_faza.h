// A phase: one sprite frame inside a surface, measured from a pixel to its border lines.
#pragma once

// The source rectangle is (x1, y1)-(x2, y2) with right and bottom exclusive; sir and vys
// are one larger than the drawn size and serve the screen clipping.
struct tf_TFAZA {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int sir = 100;
    int vys = 100;

    tf_TFAZA() = default;
    tf_TFAZA(int x, int y, int sir_, int vys_)
        : x1(x), y1(y), x2(x + sir_ - 1), y2(y + vys_ - 1), sir(sir_), vys(vys_) {}
};
