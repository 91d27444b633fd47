// The premultiplied canvas: soft edges mix with whatever lies under them, nothing is written
// outside the surface, and shapes cover what they should.
#include <gtest/gtest.h>

#include "platform/canvas.h"
#include "platform/font.h"
#include "platform/pixel.h"
#include "tests/platform/blit_fixture.h"

using namespace blit_fixture;

TEST(Canvas, BlendsSoftEdgesOverAnyGroundAndClips) {
    plat_Mask m(3, 1);
    m.px = {255, 128, 0};
    plat_Canvas c(3, 1);
    plat_CanvasPaint(c, m, RGB(255, 255, 255), 255);
    for (uint16_t ground : {uint16_t(0), plat_To565(RGB(0, 0, 255))}) {
        Srf s = blank(4, 2);
        for (int x = 0; x < 4; ++x) s->Row(1)[x] = ground;
        plat_CanvasBlend(s.get(), 1, 1, c);
        const COLORREF half = plat_From565(s->Row(1)[2]);
        EXPECT_EQ(std::tuple(s->Row(1)[0], s->Row(1)[1], s->Row(1)[3]), std::tuple(ground, uint16_t(0xFFFF), ground));
        EXPECT_NEAR(GetRValue(half), 128, 8);                                     // half white over the ground
        EXPECT_NEAR(GetBValue(half), ground ? 255 : 128, 8);
    }
    Srf s = blank(4, 2);
    for (int x : {-2, 3, 100, -100}) plat_CanvasBlend(s.get(), x, x, c);  // partly or wholly outside
    EXPECT_EQ(dump(s).find('#'), std::string::npos) << dump(s);
}

TEST(Canvas, ShapesAndTextCoverWhatTheyShould) {
    plat_Mask m(40, 20);
    plat_MaskRoundBox(m, 0, 0, 40, 20, 8);
    EXPECT_EQ(std::tuple(m.px[10 * 40 + 20], m.px[0]), std::tuple(255, 0)) << "full inside, the corner cut";
    const double xs[3] = {0, 40, 0}, ys[3] = {0, 0, 20};
    plat_Mask t(40, 20);
    plat_MaskTriangle(t, xs, ys);
    EXPECT_EQ(std::tuple(t.px[2 * 40 + 2], t.px[18 * 40 + 38]), std::tuple(255, 0));
    plat_Mask g = plat_MaskGrow(t, 3);
    EXPECT_EQ(std::tuple(g.px[12 * 40 + 20], t.px[12 * 40 + 20]), std::tuple(255, 0)) << "grown by three pixels";

    plat_Font* f = plat_OpenFont(-20, 0, 700, "DejaVu Sans");
    const std::string word = "Wy";
    plat_Mask w(plat_TextWidth(f, word), plat_FontHeight(f));
    plat_MaskText(w, f, 0, 0, word);
    plat_MaskText(w, f, -500, -500, word);  // wholly outside: nothing, and no harm
    int covered = 0;
    for (uint8_t a : w.px) covered += a > 0;
    EXPECT_GT(covered, w.w * w.h / 10);
    EXPECT_GT(w.w, 20);
    plat_CloseFont(f);
}

// Whatever runs a prepared canvas keeps (long runs of one colour, opaque pixels of many
// colours, soft ones), blended at once inside a clip it gives each pixel as that pixel alone.
TEST(Canvas, RunsBlendAsTheirPixelsEachAlone) {
    const int w = 150, h = 4;
    plat_Canvas c(w, h);
    for (int x = 0; x < w; ++x) {
        const uint32_t soft = uint32_t(x % 7 * 36) << 24 | uint32_t(x % 7 * 30) << 8;  // 0 ... 216
        c.px[size_t(x)] = x < 100 ? 0xFF2040C0 : soft;                                // a box's row, then soft
        c.px[size_t(w + x)] = 0xFF000000 | uint32_t(x * 0x010305);                      // every pixel its own
        c.px[size_t(2 * w + x)] = x % 90 < 70 ? 0xFFFFFFFF : x % 3 ? 0x80404040 : 0;     // strokes and edges
        c.px[size_t(3 * w + x)] = soft;
    }
    plat_CanvasPrepare(c);
    auto ground = [](int x, int y) { return uint16_t(x * 997 + y * 131); };
    Srf s = blank(w + 10, h + 2);
    for (int y = 0; y < h + 2; ++y)
        for (int x = 0; x < w + 10; ++x) s->Row(y)[x] = ground(x, y);
    const RECT clip = {13, 1, w + 1, h};  // the canvas's left columns and last row cut
    s->SetDrawClip(&clip);
    plat_CanvasBlend(s.get(), 5, 1, c);
    for (int y = 0; y < h + 2; ++y)
        for (int x = 0; x < w + 10; ++x) {
            Srf alone = blank(1, 1);
            alone->Row(0)[0] = ground(x, y);
            const bool inside = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
            if (inside) {
                plat_Canvas one(1, 1);
                one.px[0] = c.px[size_t(y - 1) * size_t(w) + size_t(x - 5)];
                plat_CanvasBlend(alone.get(), 0, 0, one);
            }
            ASSERT_EQ(s->Row(y)[x], alone->Row(0)[0]) << "at " << x << ", " << y;
        }
}
