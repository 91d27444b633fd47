// The background's five modes on a 250 x 120 screen, and the page drawn over it.
#include <gtest/gtest.h>

#include "tests/book/book_fixture.h"
#include "tests/support/test_support.h"

using book_test::Obj;

namespace {
// Every pixel of a picture up to 128 x 128 has its own value, even in RGB565.
uint32_t Marked(int x, int y) {
    return static_cast<uint32_t>((x % 32) << 19 | (y % 64) << 10 | ((x / 32) % 4) << 6 | ((y / 64) % 2) << 5);
}

struct Background : book_test::PageTest {
    // Loads a marked picture of w x h as the page's background in the mode.
    void Use(int w, int h, int mode) {
        const std::string path = Picture("bg.bmp", w, h, Marked);
        free(background_path);
        background_path = strdup(path.c_str());
        background_mode = mode;
        PRIPRAV_POZADIE(true);
        ZOBRAZ_STRANU(back);
    }
    uint16_t Pic(int x, int y) { return background.lpDDS->Row(y)[x]; }
    // Every pixel of the back buffer: the picture's (x - dx, y - dy) inside the rectangle
    // (l, t, r, b), the fill elsewhere. The count of mismatches.
    int Mismatches(RECT shown, int dx, int dy) {
        int bad = 0;
        for (int y = 0; y < back->Height(); ++y)
            for (int x = 0; x < back->Width(); ++x) {
                const bool in = x >= shown.left && x < shown.right && y >= shown.top && y < shown.bottom;
                bad += Px(x, y) != (in ? Pic(x - dx, y - dy) : FILL);
            }
        return bad;
    }
};
}  // namespace

TEST_F(Background, TilesFillTheScreenAndTheLastColumnAndRowAreCut) {
    Use(100, 100, PX_BG_TILE);
    int bad = 0;
    for (int y = 0; y < back->Height(); ++y)
        for (int x = 0; x < back->Width(); ++x)
            bad += Px(x, y) != (x < W && y < H ? Pic(x % 100, y % 100) : FILL);
    EXPECT_EQ(bad, 0);
    // The corners of the six tiles, the cut ones included.
    EXPECT_EQ(Px(200, 100), Pic(0, 0));
    EXPECT_EQ(Px(249, 119), Pic(49, 19));
    EXPECT_EQ(Px(250, 119), FILL);
    EXPECT_EQ(Px(249, 120), FILL);
}

TEST_F(Background, SimpleShowsTheTopLeftThatFits) {
    Use(300, 200, PX_BG_SIMPLE);
    EXPECT_EQ(std::tuple(background_src.left, background_src.top, background_src.right, background_src.bottom),
              std::tuple(0, 0, W, H));
    EXPECT_EQ(Mismatches({0, 0, W, H}, 0, 0), 0);

    Use(100, 50, PX_BG_SIMPLE);
    EXPECT_EQ(std::tuple(background_src.right, background_src.bottom), std::tuple(100, 50));
    EXPECT_EQ(Mismatches({0, 0, 100, 50}, 0, 0), 0);
}

TEST_F(Background, CenterCentresASmallPictureAndShowsTheMiddleOfALargeOne) {
    Use(100, 100, PX_BG_CENTER);
    EXPECT_EQ(std::tuple(background_dst.x, background_dst.y), std::tuple(75, 10));
    EXPECT_EQ(Mismatches({75, 10, 175, 110}, 75, 10), 0);

    Use(301, 200, PX_BG_CENTER);
    EXPECT_EQ(std::tuple(background_src.left, background_src.top, background_src.right, background_src.bottom),
              std::tuple(25, 40, 275, 160));
    EXPECT_EQ(Mismatches({0, 0, W, H}, -25, -40), 0);

    Use(W, 60, PX_BG_CENTER);  // as wide as the screen
    EXPECT_EQ(std::tuple(background_dst.x, background_dst.y, background_src.right), std::tuple(0, 30, W));
    EXPECT_EQ(Mismatches({0, 30, W, 90}, 0, 30), 0);
}

TEST_F(Background, StretchCoversTheBackBufferAndNoModeDrawsNone) {
    Use(125, 60, PX_BG_STRETCH);
    EXPECT_EQ(std::tuple(background_src.right, background_src.bottom), std::tuple(125, 60));
    EXPECT_EQ(Px(0, 0), Pic(0, 0));
    EXPECT_EQ(Px(back->Width() - 1, back->Height() - 1), Pic(124, 59));
    EXPECT_EQ(Px(back->Width() / 2, back->Height() / 2), Pic(62, 30));

    Use(100, 100, PX_BG_NO);
    EXPECT_EQ(Mismatches({0, 0, 0, 0}, 0, 0), 0);
}

TEST_F(Background, NoPictureOrAMissingOneLeavesTheFill) {
    Use(100, 100, PX_BG_TILE);
    free(background_path);
    background_path = nullptr;
    PRIPRAV_POZADIE(true);
    EXPECT_EQ(background.lpDDS, nullptr);
    ZOBRAZ_STRANU(back);
    EXPECT_EQ(Mismatches({0, 0, 0, 0}, 0, 0), 0);

    background_path = strdup(tree.Path("nie.bmp").c_str());
    for (int mode = PX_BG_NO; mode <= PX_BG_TILE; ++mode) {
        background_mode = mode;
        PRIPRAV_POZADIE(true);
        ZOBRAZ_STRANU(back);
        EXPECT_EQ(Mismatches({0, 0, 0, 0}, 0, 0), 0) << mode;
    }
    ZOBRAZ_STRANU(nullptr);
}

TEST_F(Background, ObjectsDrawInRegistryOrderOverTheBackgroundAndMirrored) {
    StandardAssets();
    Use(100, 100, PX_BG_TILE);
    PRIDAJ_HERCA(pes.c_str(), 10, 10, 6, 1, 0);
    PRIDAJ_KULISU(strom.c_str(), 16, 16, 6, 1);
    ZOBRAZ_STRANU(back);
    const uint16_t red = Obj(0)->srf->lpDDS->Row(1)[1], green = Obj(1)->srf->lpDDS->Row(1)[1];
    EXPECT_EQ(Px(10, 10), red);
    EXPECT_EQ(Px(17, 17), green);        // the later object on top
    EXPECT_EQ(Px(15, 15), Pic(15, 15));  // the actor's transparent pixel
    EXPECT_EQ(Px(21, 21), Pic(21, 21));  // the prop's
    EXPECT_EQ(Px(30, 16), Pic(30, 16));  // beside the prop's phase, its frame left out

    VYMAZ_REG();
    PRIDAJ_HERCA(pes.c_str(), 10, 10, 6, 1, 0);
    Obj(0)->zrkadlo = 1;
    ZOBRAZ_STRANU(back);
    EXPECT_EQ(Px(15, 15), red);  // the hole moved with the mirrored picture
    EXPECT_EQ(Px(10, 10), red);
}

TEST_F(Background, OnAScreenSizedBufferNothingOfTheLastFrameShowsThrough) {
    IDirectDrawSurface* screen = plat_CreateTestSurface(W, H);
    auto stale_pixels = [&] {
        int n = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) n += screen->Row(y)[x] == 0x7777;
        return n;
    };
    auto draw = [&](int w, int h, int mode, bool keyed) {
        Use(w, h, mode);
        if (keyed) background.TC_NASTAV(1, 0);
        DDSURFACE_ZMAZ(screen, 0x7777);
        ZOBRAZ_STRANU(screen);
    };
    draw(100, 50, PX_BG_SIMPLE, false);
    EXPECT_EQ(std::pair(stale_pixels(), screen->Row(60)[0]), std::pair(0, FILL));
    draw(W + 20, H + 20, PX_BG_CENTER, false);
    EXPECT_EQ(std::pair(stale_pixels(), screen->Row(0)[0]), std::pair(0, Pic(10, 10)));
    draw(100, 100, PX_BG_TILE, false);
    EXPECT_EQ(std::pair(stale_pixels(), screen->Row(119)[249]), std::pair(0, Pic(49, 19)));
    // A keyed picture shows the fill through its transparent pixels.
    draw(100, 100, PX_BG_TILE, true);
    EXPECT_EQ(std::tuple(stale_pixels(), screen->Row(0)[101], screen->Row(0)[102]), std::tuple(0, FILL, Pic(2, 0)));
    screen->Release();
}
