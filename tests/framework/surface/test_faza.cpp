// Phases: measured between border lines, drawn clipped to the screen or a window, mirrored.
#include "framework/surface/tf_display.h"
#include "tests/framework/surface/surface_fixture.h"

using namespace srf_test;

namespace {
// A 3 x 3 phase (content columns 1..3) and a 9-wide one (5..13) with key pixels.
const Rows SHEET = {"BBBBBBBBBBBBBBB", "BrgkBrgywcgrycB", "BgryBgry.gr.gyB", "BygrBygrgygrgrB", "BBBBBBBBBBBBBBB"};

class Phase : public Screen {
protected:
    void SetUp() override {
        Screen::SetUp();
        Load(s, "srf_sheet.bmp", SHEET);
        s.BC_NASTAV(0, 0);
        s.TC_NASTAV(8, 2);
        small = s.ZAMERAJ_FAZU(2, 2);
        wide = s.ZAMERAJ_FAZU(8, 2);
    }
    tf_CDas_Surface s;
    tf_TFAZA small, wide;
};

void expect_phase(const tf_TFAZA& f, int x1, int y1, int x2, int y2, int sir, int vys) {
    EXPECT_EQ(std::vector<int>({f.x1, f.y1, f.x2, f.y2, f.sir, f.vys}), std::vector<int>({x1, y1, x2, y2, sir, vys}));
}
}  // namespace

TEST_F(Phase, MeasuresFromBorderToBorderFromAnyPointInsideAndDefaultsOutside) {
    expect_phase(small, 1, 1, 4, 4, 4, 4);  // x2 is the border column, sir one more than drawn
    expect_phase(s.ZAMERAJ_FAZU(3, 3), 1, 1, 4, 4, 4, 4);  // from its last row and column
    expect_phase(wide, 5, 1, 14, 4, 10, 4);
    for (POINT p : std::vector<POINT>{{15, 2}, {-1, 2}, {2, 5}, {2, -1}})
        expect_phase(s.ZAMERAJ_FAZU(p.x, p.y), 0, 0, 0, 0, 100, 100);
    tf_CDas_Surface empty;
    expect_phase(empty.ZAMERAJ_FAZU(1, 1), 0, 0, 0, 0, 100, 100);
    const auto keys = std::pair(s.TC, s.BC);
    s.TC_NASTAV(15, 2), s.BC_NASTAV(-1, 0), empty.TC_NASTAV(1, 1);  // outside, or no picture: nothing read
    EXPECT_EQ(std::pair(s.TC, s.BC), keys);
    s.BC = PAPER;  // no border anywhere: the edges bound the phase
    expect_phase(s.ZAMERAJ_FAZU(2, 2), 1, 1, 15, 5, 15, 5);
}

TEST_F(Phase, ScreenClippingCutsTheSource) {
    s.ZOBRAZ_FAZU(back, -5, 2, wide, 1);  // from its sixth column at column 0
    ExpectCopy(&s, 0, 2, {10, 1, 14, 4}, true);
    Clear();
    s.ZOBRAZ_FAZU(back, 17, -2, wide, 1);  // last column on 19 = screen width - 1
    ExpectCopy(&s, 17, 0, {5, 3, 8, 4}, true);
    Clear();
    s.ZOBRAZ_FAZU(back, tf_ScreenW, 2, wide, 1);
    s.ZOBRAZ_FAZU(back, 3, tf_ScreenH, wide, 1);
    ExpectPaper();
    s.ZOBRAZ_FAZU(back, 22, 2, wide, 0);  // unclipped: only the platform cuts at the buffer's edge
    ExpectCopy(&s, 22, 2, {5, 1, 14, 4}, true);
}

TEST_F(Phase, MirroredDrawingIsOnePixelSmallerAndAlwaysKeyed) {
    s.TC_NASTAV(3, 1);  // black: plain drawing would be opaque
    ASSERT_EQ(s.TC, 0);
    s.ZOBRAZ_FAZU_Z(back, 5, 5, small, 0);
    EXPECT_EQ(Px(5, 5), PAPER);              // source (3, 1), keyed out
    EXPECT_EQ(Px(6, 6), Px(s.lpDDS, 1, 3));  // 3 x 3 sampled down to 2 x 2
    EXPECT_EQ(Inked(7, 5, 9, 9) + Inked(5, 7, 6, 9), 0);
    Clear();
    s.ZOBRAZ_FAZU_Z(back, -3, 5, wide, 1);  // the screen's left edge cuts the source's right side
    s.ZOBRAZ_FAZU_Z(back, 17, 5, wide, 1);  // and its right edge the source's left side
    EXPECT_EQ(Px(0, 5), Px(s.lpDDS, 10, 1));
    EXPECT_EQ(Px(17, 5), Px(s.lpDDS, 13, 1));
    EXPECT_EQ(Px(19, 5), PAPER);
}
