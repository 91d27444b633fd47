// A paper screen for the widget tests, and a small skin standing in for the program's own.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "framework/surface/tf_dsrfc.h"
#include "platform/resources.h"

namespace widget_test {

// The back buffer is the whole screen; the primary beside it serves text measuring.
class ScreenTest : public testing::Test {
public:
    static constexpr uint16_t PAPER = 0x1234;
    static constexpr int W = 640, H = 480;

protected:
    void SetUp() override;
    void TearDown() override;
    uint16_t Px(int x, int y) { return back->Row(y)[x]; }
    uint16_t Raw(COLORREF c) { return static_cast<uint16_t>(DDPixelFromColor(back, c)); }
    // Pixels of the inclusive box that are no longer paper.
    int Inked(int l, int t, int r, int b);
    // n pixels from (x, y), rightwards or downwards: . paper, W white, K black, the dialog
    // border's l light, m mid, d dark, t title strip, g grey panel, f bevel fill, ? other.
    std::string Kinds(int x, int y, int n, bool down = false);

    IDirectDraw* dd = nullptr;
    IDirectDrawSurface* back = nullptr;
    IDirectDrawSurface* primary = nullptr;

private:
    int saved[4] = {};
    uint16_t named[6] = {};
};

// Content (inclusive) and fill of the phases framed in the test skin, 235 x 211 like the real
// one with a cyan border colour and magenta elsewhere: _T_x_ normal and pressed, _posuvV_
// normal and pressed, posuvV_podklad, ico_logo.
struct SkinPhase {
    int l, t, r, b;
    char fill;
};
extern const SkinPhase SKIN_PHASES[6];

// Makes the test skin the "rezia_dll.bmp" resource while alive; afterwards the resource it
// hid (the program's own) is found again.
class SkinResource {
public:
    SkinResource();
    ~SkinResource();

private:
    const plat_Resource* hidden;
};

}  // namespace widget_test
