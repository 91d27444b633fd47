// Pictures, a paper screen and pixel checks shared by the surface and widget tests.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/surface/tf_dsrfc.h"
#include "tests/support/pixels.h"
#include "tests/support/temp_tree.h"

namespace srf_test {
using Rows = std::vector<std::string>;
// A 24-bit BMP, one character a pixel, top row first: B blue, . magenta, r red, g green,
// y yellow, w white, k black, c cyan.
std::string Bmp(const Rows& rows);

// A back buffer of paper (bw x bh) for a bw x bh screen, with a primary beside it for text
// measuring. The surface tests take 30 x 20 for a 20 x 12 screen, so that the framework's own
// screen clipping shows before the platform's.
class Screen : public testing::Test {
public:
    static constexpr uint16_t PAPER = 0x1234;

protected:
    Screen(int bw = 30, int bh = 20, int sw = 20, int sh = 12) : bw_(bw), bh_(bh), sw_(sw), sh_(sh) {}
    void SetUp() override;
    void TearDown() override;
    uint16_t Px(int x, int y) { return back->Row(y)[x]; }
    static uint16_t Px(IDirectDrawSurface* s, int x, int y) { return s->Row(y)[x]; }
    uint16_t Raw(COLORREF c) { return static_cast<uint16_t>(DDPixelFromColor(back, c)); }
    void Clear() { DDSURFACE_ZMAZ(back, PAPER); }
    // Pixels of the inclusive box that are no longer paper.
    int Inked(int l, int t, int r, int b);
    // n pixels from (x, y), rightwards or downwards: . paper, W white, K black, the dialog
    // border's l light, m mid, d dark (0x50 grey), t title strip, g grey panel, f bevel fill
    // (0xD8 grey), ? other.
    std::string Kinds(int x, int y, int n, bool down = false);
    void ExpectKinds(int x, int y, const Rows& rows);
    // The whole back buffer: src of s copied 1:1 to (dx, dy) (keyed: key pixels left out), paper elsewhere.
    void ExpectCopy(tf_CDas_Surface* s, int dx, int dy, RECT src, bool keyed);
    void ExpectPaper() { ExpectCopy(nullptr, 0, 0, {0, 0, 0, 0}, false); }
    void Load(tf_CDas_Surface& s, const char* name, const Rows& rows);

    IDirectDraw* dd = nullptr;
    IDirectDrawSurface* back = nullptr;
    IDirectDrawSurface* primary = nullptr;

private:
    int bw_, bh_, sw_, sh_;
    int saved[4] = {};
    uint16_t named[6] = {};
};

// The widget tests' screen: 640 x 480, the back buffer all of it.
class ScreenTest : public Screen {
public:
    static constexpr int W = 640, H = 480;

protected:
    ScreenTest() : Screen(W, H, W, H) {}
};

}  // namespace srf_test
