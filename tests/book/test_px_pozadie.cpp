// The background's five modes on a 250 x 120 screen, and the page drawn over it.
#include "tests/book/book_fixture.h"

using namespace book_test;

namespace {
struct Background : PageTest {
    // A picture whose pixels all differ (up to 128 x 128, even in RGB565) as the background
    // in the mode, drawn on `on`.
    void Use(int w, int h, int mode, IDirectDrawSurface* on = nullptr) {
        free(background_path);
        background_path = strdup(Picture("bg.bmp", w, h, [](int x, int y) {
            return uint32_t((x % 32) << 19 | (y % 64) << 10 | (x / 32 % 4) << 6 | (y / 64 % 2) << 5);
        }).c_str());
        background_mode = mode;
        PRIPRAV_POZADIE(true);
        ZOBRAZ_STRANU(on ? on : back);
    }
    uint16_t Pic(int x, int y) { return background.lpDDS->Row(y)[x]; }
    // Pixels of `on` other than the picture's (x - dx, y - dy) (tiled by `tile`) inside
    // `shown` and other than the fill outside.
    int Wrong(RECT shown, int dx, int dy, int tile = 0, IDirectDrawSurface* on = nullptr) {
        on = on ? on : back;
        int bad = 0;
        for (int y = 0; y < on->Height(); ++y)
            for (int x = 0; x < on->Width(); ++x) {
                const bool in = x >= shown.left && x < shown.right && y >= shown.top && y < shown.bottom;
                bad += on->Row(y)[x] != (!in ? FILL : tile ? Pic(x % tile, y % tile) : Pic(x - dx, y - dy));
            }
        return bad;
    }
    std::array<LONG, 6> Geometry() {
        const RECT& s = background_src;
        return {s.left, s.top, s.right, s.bottom, background_dst.x, background_dst.y};
    }
};
}  // namespace

TEST_F(Background, EveryModesGeometryAndPixels) {
    Use(100, 100, PX_BG_TILE);  // 3 x 2 tiles, the last column 50 wide, the last row 20 high
    EXPECT_EQ(Wrong({0, 0, W, H}, 0, 0, 100), 0);
    Use(300, 200, PX_BG_SIMPLE);
    EXPECT_EQ(std::pair(Geometry(), Wrong({0, 0, W, H}, 0, 0)), std::pair(std::array<LONG, 6>{0, 0, W, H, 0, 0}, 0));
    Use(100, 50, PX_BG_SIMPLE);
    EXPECT_EQ(Wrong({0, 0, 100, 50}, 0, 0), 0);
    Use(100, 100, PX_BG_CENTER);
    EXPECT_EQ(std::pair(Geometry(), Wrong({75, 10, 175, 110}, 75, 10)),
              std::pair(std::array<LONG, 6>{0, 0, 100, 100, 75, 10}, 0));
    Use(301, 200, PX_BG_CENTER);  // its middle
    EXPECT_EQ(std::pair(Geometry(), Wrong({0, 0, W, H}, -25, -40)),
              std::pair(std::array<LONG, 6>{25, 40, 275, 160, 0, 0}, 0));
    Use(W, 60, PX_BG_CENTER);
    EXPECT_EQ(Geometry(), (std::array<LONG, 6>{0, 0, W, 60, 0, 30}));
    Use(125, 60, PX_BG_STRETCH);  // over the whole back buffer
    EXPECT_EQ(std::tuple(background_src.right, Px(0, 0), Px(W + 49, H + 29), Px(150, 75)),
              std::tuple(125, Pic(0, 0), Pic(124, 59), Pic(62, 30)));
    Use(100, 100, PX_BG_NO);
    EXPECT_EQ(Wrong({}, 0, 0), 0);
    free(background_path);
    background_path = strdup(tree.Path("nie.bmp").c_str());  // a missing picture: the fill only
    for (background_mode = PX_BG_NO; background_mode <= PX_BG_TILE; ++background_mode) {
        PRIPRAV_POZADIE(true);
        ZOBRAZ_STRANU(back);
        EXPECT_EQ(Wrong({}, 0, 0), 0) << background_mode;
    }
}

TEST_F(Background, OnAScreenSizedBufferNothingOfTheLastFrameShowsThrough) {
    IDirectDrawSurface* screen = plat_CreateTestSurface(W, H);
    DDSURFACE_ZMAZ(screen, 0x7777);
    Use(W + 20, H + 20, PX_BG_CENTER, screen);
    EXPECT_EQ(Wrong({0, 0, W, H}, -10, -10, 0, screen), 0);
    Use(100, 100, PX_BG_TILE);
    background.TC_NASTAV(1, 0);  // a keyed picture shows the fill through its transparent pixels
    ZOBRAZ_STRANU(screen);
    EXPECT_EQ(std::pair(screen->Row(0)[101], screen->Row(0)[102]), std::pair(FILL, Pic(2, 0)));
    screen->Release();
}

TEST_F(Background, ObjectsDrawInRegistryOrderOverTheBackgroundAndMirrored) {
    Use(100, 100, PX_BG_TILE);
    PRIDAJ_HERCA(pes.c_str(), 10, 10, 6, 1, 0);
    PRIDAJ_KULISU(strom.c_str(), 16, 16, 6, 1);
    ZOBRAZ_STRANU(back);
    const uint16_t red = Raw(Obj(0), 1, 1);
    // The later one on top; the transparent pixels of both; beside the prop's phase (no frame).
    EXPECT_EQ(std::tuple(Px(10, 10), Px(17, 17), Px(15, 15), Px(21, 21), Px(30, 16)),
              std::tuple(red, Raw(Obj(1), 1, 1), Pic(15, 15), Pic(21, 21), Pic(30, 16)));
    ODSTRAN_POSLEDNY();
    Obj(0)->zrkadlo = 1;
    ZOBRAZ_STRANU(back);
    EXPECT_EQ(std::pair(Px(15, 15), Px(10, 10)), std::pair(red, red));  // the hole moved with the mirror
}
