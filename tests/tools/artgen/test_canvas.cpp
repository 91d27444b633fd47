// The generator's drawing: shapes by signed distance, hard outlines, shading that stays inside.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "platform/bytes.h"
#include "platform/ddraw.h"
#include "tools/artgen/canvas.h"
#include "tools/artgen/detmath.h"
#include "tools/artgen/encode.h"

using namespace artgen;

namespace {
const uint16_t KEY = 0xF81F, BORDER = 0x07E0;

// The canvas as RGB565 values (KEY where nothing is drawn).
std::vector<uint16_t> pixels(const Canvas& c) {
    IDirectDrawSurface* s = plat_CreateTestSurface(c.Width(), c.Height());
    std::vector<uint16_t> v;
    if (!s) return v;
    c.Put(s, 0, 0, KEY, BORDER);
    for (int y = 0; y < c.Height(); ++y) v.insert(v.end(), s->Row(y), s->Row(y) + c.Width());
    s->Release();
    return v;
}
}  // namespace

TEST(ArtgenCanvas, OutlinesAgainstTheKeyAreHard) {
    Canvas c(40, 40);
    c.Fill(Circle(20, 20, 12.3f), Solid(Hex(0x3D9BF0)));
    const std::vector<uint16_t> v = pixels(c);
    const std::set<uint16_t> colours(v.begin(), v.end());
    EXPECT_EQ(colours.size(), 2u);  // the key and the one colour: no fringe
    const long drawn = std::count_if(v.begin(), v.end(), [](uint16_t p) { return p != KEY; });
    EXPECT_NEAR(drawn, PI * 12.3 * 12.3, 12);
    EXPECT_EQ(v[20 * 40 + 20], v[20 * 40 + 31]);  // the edge pixel is as solid as the middle
    EXPECT_EQ(v[20 * 40 + 33], KEY);
}

TEST(ArtgenCanvas, ShadingStaysOnWhatIsDrawnAndBlendsItsEdges) {
    Canvas c(20, 10);
    c.Fill(Box(0, 0, 10, 10, 0), Solid({0, 0, 0}));
    c.Shade(Box(0, 0, 20, 10, 0), Solid({1, 1, 1}, 0.5f));  // wider than the picture
    c.Shade(Box(0, 0, 20, 5.5f, 0), Solid({1, 1, 1}));      // a half-covered row 5
    const std::vector<uint16_t> v = pixels(c);
    EXPECT_EQ(v[8 * 20 + 15], KEY);
    EXPECT_EQ(v[8 * 20 + 5], 0x8410);  // half grey
    EXPECT_EQ(v[2 * 20 + 5], 0xFFFF);
    const uint16_t half = v[5 * 20 + 5];  // between the two
    EXPECT_GT(half & 31, 16);
    EXPECT_LT(half & 31, 31);
}

TEST(ArtgenCanvas, ArcsCoverTheirSweepOnly) {
    const float r = 10, w = 1;
    const auto on_circle = [&](double a) { return std::pair<float, float>(r * Cos(a), r * Sin(a)); };
    // A quarter (from the right edge down to the bottom) and most of a circle (all but that quarter).
    const Sdf quarter = Arc(0, 0, r, 0, static_cast<float>(PI / 2), w);
    const Sdf most = Arc(0, 0, r, static_cast<float>(PI / 2), static_cast<float>(2 * PI), w);
    for (double a : {0.2, 0.8, 1.4}) {
        const auto [x, y] = on_circle(a);
        EXPECT_NEAR(quarter(x, y), -w, 1e-4) << a;
        EXPECT_GT(most(x, y), 0) << a;
    }
    for (double a : {2.0, 3.2, 4.5, 6.0}) {
        const auto [x, y] = on_circle(a);
        EXPECT_GT(quarter(x, y), 0) << a;
        EXPECT_NEAR(most(x, y), -w, 1e-4) << a;
    }
    EXPECT_NEAR(quarter(r + 3, 0), 2, 1e-4);  // beside an end: distance to the round end
}

TEST(ArtgenCanvas, PolygonsKnowTheirInsideWhenHollowedOut) {
    // An L: the notch at the upper right is outside.
    const Sdf l = Polygon({0, 0, 4, 0, 4, 6, 10, 6, 10, 10, 0, 10});
    EXPECT_LT(l(2, 5), 0);
    EXPECT_LT(l(8, 8), 0);
    EXPECT_GT(l(8, 3), 0);
    EXPECT_NEAR(l(8, 3), 3, 1e-5);  // straight down to the notch's floor
    EXPECT_NEAR(l(-2, 5), 2, 1e-5);
}

TEST(ArtgenCanvas, DrawnPixelsNeverTakeTheKeyOrBorderValue) {
    Canvas c(3, 1);
    c.Fill(Box(0, 0, 1, 1, 0), Solid(Hex(0xFF00FF)));  // exactly the key
    c.Fill(Box(1, 0, 2, 1, 0), Solid(Hex(0x00FF00)));  // exactly the border
    IDirectDrawSurface* s = plat_CreateTestSurface(4, 1);
    ASSERT_NE(s, nullptr);
    c.Put(s, 1, 0, KEY, BORDER);
    EXPECT_EQ(s->Row(0)[0], 0);                // outside the canvas: untouched
    EXPECT_EQ(s->Row(0)[1] & ~31, KEY & ~31);  // only blue moves
    EXPECT_NE(s->Row(0)[1], KEY);
    EXPECT_EQ(s->Row(0)[2] & ~31, BORDER & ~31);
    EXPECT_NE(s->Row(0)[2], BORDER);
    EXPECT_EQ(s->Row(0)[3], KEY);  // not drawn: see-through
    s->Release();
}

TEST(ArtgenCanvas, WavSamplesAreRoundedAndClipped) {
    const std::vector<uint8_t> b = EncodeWav({2.0, -2.0, 0.5, 0});
    ASSERT_EQ(b.size(), 44u + 8u);
    const auto at = [&](size_t i) { return static_cast<int16_t>(plat_ReadLE(&b[44 + 2 * i], 2)); };
    EXPECT_EQ(at(0), 32767);
    EXPECT_EQ(at(1), -32767);
    EXPECT_EQ(at(2), 16384);
    EXPECT_EQ(at(3), 0);
}
