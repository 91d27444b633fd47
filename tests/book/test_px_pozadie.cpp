// The background's five modes on a 250 x 120 screen (the objects over it are the editor
// stories' to see).
#include "tests/book/book_fixture.h"

using namespace book_test;

namespace {
struct Background : PageTest {
    // A w x h picture whose pixels all differ (up to 128 x 128, even in RGB565) as the
    // background in the mode, drawn on `on`.
    void Use(int w, int h, int mode, IDirectDrawSurface* on) {
        free(background_path);
        background_path = strdup(Picture("bg.bmp", w, h, [](int x, int y) {
            return uint32_t((x % 32) << 19 | (y % 64) << 10 | (x / 32 % 4) << 6 | (y / 64 % 2) << 5);
        }).c_str());
        background_mode = mode;
        PRIPRAV_POZADIE(true);
        ZOBRAZ_STRANU(on);
    }
    uint16_t Pic(int x, int y) { return background.lpDDS->Row(y)[x]; }
};
}  // namespace

// Each mode's source and place, and every pixel of the back buffer: the picture's (x - dx,
// y - dy) (tiled by `tile`) inside `shown`, the fill outside; a screen-sized buffer that held
// the last frame shows nothing of it.
TEST_F(Background, EveryModesGeometryAndPixels) {
    IDirectDrawSurface* screen = plat_CreateTestSurface(W, H);
    DDSURFACE_ZMAZ(screen, 0x7777);
    const struct {
        int w, h, mode;
        std::array<LONG, 6> geometry;  // source left, top, right, bottom; destination x, y
        RECT shown;
        int dx, dy, tile;
        IDirectDrawSurface* on;
    } rows[] = {
        {100, 100, PX_BG_TILE, {}, {0, 0, W, H}, 0, 0, 100, back},  // last column 50 wide
        {300, 200, PX_BG_SIMPLE, {0, 0, W, H, 0, 0}, {0, 0, W, H}, 0, 0, 0, back},
        {100, 50, PX_BG_SIMPLE, {0, 0, 100, 50, 0, 0}, {0, 0, 100, 50}, 0, 0, 0, back},
        {100, 100, PX_BG_CENTER, {0, 0, 100, 100, 75, 10}, {75, 10, 175, 110}, 75, 10, 0, back},
        {301, 200, PX_BG_CENTER, {25, 40, 275, 160, 0, 0}, {0, 0, W, H}, -25, -40, 0, back},  // its middle
        {W + 20, H + 20, PX_BG_CENTER, {10, 10, W + 10, H + 10, 0, 0}, {0, 0, W, H}, -10, -10, 0, screen},
        {100, 100, PX_BG_NO, {}, {}, 0, 0, 0, back},
    };
    for (const auto& r : rows) {
        Use(r.w, r.h, r.mode, r.on);
        const RECT& s = background_src;
        if (r.mode == PX_BG_SIMPLE || r.mode == PX_BG_CENTER) {
            EXPECT_EQ((std::array<LONG, 6>{s.left, s.top, s.right, s.bottom, background_dst.x, background_dst.y}),
                      r.geometry) << r.w << " " << r.mode;
        }
        int bad = 0;
        for (int y = 0; y < r.on->Height(); ++y)
            for (int x = 0; x < r.on->Width(); ++x) {
                const bool in = x >= r.shown.left && x < r.shown.right && y >= r.shown.top && y < r.shown.bottom;
                bad += r.on->Row(y)[x] != (!in ? FILL : r.tile ? Pic(x % r.tile, y % r.tile) : Pic(x - r.dx, y - r.dy));
            }
        EXPECT_EQ(bad, 0) << r.w << " " << r.mode;
    }
    Use(125, 60, PX_BG_STRETCH, back);  // over the whole back buffer
    EXPECT_EQ(std::tuple(background_src.right, Px(0, 0), Px(W + 49, H + 29), Px(150, 75)),
              std::tuple(125, Pic(0, 0), Pic(124, 59), Pic(62, 30)));
    Use(100, 100, PX_BG_TILE, back);
    background.TC_NASTAV(1, 0);  // a keyed picture shows the fill through its transparent pixels
    ZOBRAZ_STRANU(screen);
    EXPECT_EQ(std::pair(screen->Row(0)[101], screen->Row(0)[102]), std::pair(FILL, Pic(2, 0)));
    screen->Release();
    free(background_path);
    background_path = strdup(tree.Path("nie.bmp").c_str());  // a missing picture: the fill only
    for (background_mode = PX_BG_NO; background_mode <= PX_BG_TILE; ++background_mode) {
        PRIPRAV_POZADIE(true);
        ZOBRAZ_STRANU(back);
        EXPECT_EQ(std::pair(Px(0, 0), Px(W + 49, H + 29)), std::pair(FILL, FILL)) << background_mode;
    }
}
