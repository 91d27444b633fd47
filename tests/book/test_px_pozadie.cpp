// The background's five modes on a 250 x 120 screen, and the page drawn over it.
#include "tests/book/book_fixture.h"

using book_test::Obj;

namespace {
// Every pixel of a picture up to 128 x 128 has its own value, even in RGB565.
uint32_t Marked(int x, int y) {
    return static_cast<uint32_t>((x % 32) << 19 | (y % 64) << 10 | ((x / 32) % 4) << 6 | ((y / 64) % 2) << 5);
}

struct Background : book_test::PageTest {
    // A marked picture of w x h as the background in the mode, drawn on `on`.
    void Use(int w, int h, int mode, IDirectDrawSurface* on = nullptr) {
        free(background_path);
        background_path = strdup(Picture("bg.bmp", w, h, Marked).c_str());
        background_mode = mode;
        PRIPRAV_POZADIE(true);
        ZOBRAZ_STRANU(on ? on : back);
    }
    uint16_t Pic(int x, int y) { return background.lpDDS->Row(y)[x]; }
    // Pixels of the back buffer other than the picture's (x - dx, y - dy) inside `shown` and
    // the fill elsewhere.
    int Mismatches(RECT shown, int dx, int dy, int tile = 0) {
        int bad = 0;
        for (int y = 0; y < back->Height(); ++y)
            for (int x = 0; x < back->Width(); ++x) {
                const bool in = x >= shown.left && x < shown.right && y >= shown.top && y < shown.bottom;
                const uint16_t want = !in ? FILL : tile ? Pic(x % tile, y % tile) : Pic(x - dx, y - dy);
                bad += Px(x, y) != want;
            }
        return bad;
    }
    std::tuple<LONG, LONG, LONG, LONG, LONG, LONG> Geometry() {
        const RECT& s = background_src;
        return {s.left, s.top, s.right, s.bottom, background_dst.x, background_dst.y};
    }
};
}  // namespace

TEST_F(Background, TilesFillTheScreenAndTheLastColumnAndRowAreCut) {
    Use(100, 100, PX_BG_TILE);  // 3 x 2 tiles, the last column 50 wide, the last row 20 high
    EXPECT_EQ(Mismatches({0, 0, W, H}, 0, 0, 100), 0);
    EXPECT_EQ(std::tuple(Px(200, 100), Px(249, 119), Px(250, 119), Px(249, 120)),
              std::tuple(Pic(0, 0), Pic(49, 19), FILL, FILL));
}

TEST_F(Background, SimpleCenterStretchAndNone) {
    Use(300, 200, PX_BG_SIMPLE);
    EXPECT_EQ(Geometry(), std::tuple(0, 0, W, H, 0, 0));
    EXPECT_EQ(Mismatches({0, 0, W, H}, 0, 0), 0);
    Use(100, 50, PX_BG_SIMPLE);
    EXPECT_EQ(Mismatches({0, 0, 100, 50}, 0, 0), 0);

    Use(100, 100, PX_BG_CENTER);
    EXPECT_EQ(Geometry(), std::tuple(0, 0, 100, 100, 75, 10));
    EXPECT_EQ(Mismatches({75, 10, 175, 110}, 75, 10), 0);
    Use(301, 200, PX_BG_CENTER);  // its middle
    EXPECT_EQ(Geometry(), std::tuple(25, 40, 275, 160, 0, 0));
    EXPECT_EQ(Mismatches({0, 0, W, H}, -25, -40), 0);
    Use(W, 60, PX_BG_CENTER);
    EXPECT_EQ(Geometry(), std::tuple(0, 0, W, 60, 0, 30));

    Use(125, 60, PX_BG_STRETCH);  // over the whole back buffer
    EXPECT_EQ(std::tuple(background_src.right, background_src.bottom), std::tuple(125, 60));
    EXPECT_EQ(std::tuple(Px(0, 0), Px(W + 49, H + 29), Px((W + 50) / 2, (H + 30) / 2)),
              std::tuple(Pic(0, 0), Pic(124, 59), Pic(62, 30)));
    Use(100, 100, PX_BG_NO);
    EXPECT_EQ(Mismatches({0, 0, 0, 0}, 0, 0), 0);
}

TEST_F(Background, NoPictureOrAMissingOneLeavesTheFill) {
    Use(100, 100, PX_BG_TILE);
    free(background_path);
    background_path = nullptr;
    PRIPRAV_POZADIE(true);
    EXPECT_EQ(background.lpDDS, nullptr);
    background_path = strdup(tree.Path("nie.bmp").c_str());
    for (int mode = PX_BG_NO; mode <= PX_BG_TILE; ++mode) {
        background_mode = mode;
        PRIPRAV_POZADIE(true);
        ZOBRAZ_STRANU(back);
        EXPECT_EQ(Mismatches({0, 0, 0, 0}, 0, 0), 0) << mode;
    }
    ZOBRAZ_STRANU(nullptr);
}

TEST_F(Background, OnAScreenSizedBufferNothingOfTheLastFrameShowsThrough) {
    IDirectDrawSurface* screen = plat_CreateTestSurface(W, H);
    auto stale = [&](int w, int h, int mode, bool keyed) {
        DDSURFACE_ZMAZ(screen, 0x7777);
        Use(w, h, mode, keyed ? back : screen);
        if (keyed) {
            background.TC_NASTAV(1, 0);
            ZOBRAZ_STRANU(screen);
        }
        int n = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) n += screen->Row(y)[x] == 0x7777;
        return n;
    };
    EXPECT_EQ(std::pair(stale(100, 50, PX_BG_SIMPLE, false), screen->Row(60)[0]), std::pair(0, FILL));
    EXPECT_EQ(std::pair(stale(W + 20, H + 20, PX_BG_CENTER, false), screen->Row(0)[0]), std::pair(0, Pic(10, 10)));
    EXPECT_EQ(std::pair(stale(100, 100, PX_BG_TILE, false), screen->Row(119)[249]), std::pair(0, Pic(49, 19)));
    // A keyed picture shows the fill through its transparent pixels.
    EXPECT_EQ(stale(100, 100, PX_BG_TILE, true), 0);
    EXPECT_EQ(std::pair(screen->Row(0)[101], screen->Row(0)[102]), std::pair(FILL, Pic(2, 0)));
    screen->Release();
}

TEST_F(Background, ObjectsDrawInRegistryOrderOverTheBackgroundAndMirrored) {
    Use(100, 100, PX_BG_TILE);
    PRIDAJ_HERCA(pes.c_str(), 10, 10, 6, 1, 0);
    PRIDAJ_KULISU(strom.c_str(), 16, 16, 6, 1);
    ZOBRAZ_STRANU(back);
    const uint16_t red = Raw(Obj(0), 1, 1), green = Raw(Obj(1), 1, 1);
    EXPECT_EQ(std::pair(Px(10, 10), Px(17, 17)), std::pair(red, green));  // the later object on top
    // The transparent pixels of both, and beside the prop's phase (its frame left out).
    EXPECT_EQ(std::tuple(Px(15, 15), Px(21, 21), Px(30, 16)), std::tuple(Pic(15, 15), Pic(21, 21), Pic(30, 16)));
    ODSTRAN_POSLEDNY();
    Obj(0)->zrkadlo = 1;
    ZOBRAZ_STRANU(back);
    EXPECT_EQ(std::pair(Px(15, 15), Px(10, 10)), std::pair(red, red));  // the hole moved with the mirror
}
