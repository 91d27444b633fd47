// The surface wrapper: loading, keys, loss; bevels drawn on its context.
#include <cstring>

#include "framework/surface/tf_display.h"
#include "framework/surface/tf_draw.h"
#include "tests/framework/surface/surface_fixture.h"
#include "tests/support/test_support.h"

using namespace srf_test;
using test_support::LogHas;

namespace {
const Rows PICTURE = {"BBBBBB", "B.rgyB", "Bwk.cB", "BBBBBB"};

std::vector<uint16_t> pixels(IDirectDrawSurface* s) {
    std::vector<uint16_t> v;
    for (int y = 0; y < s->Height(); ++y) v.insert(v.end(), s->Row(y), s->Row(y) + s->Width());
    return v;
}
}  // namespace

using SurfaceLoad = Screen;
using SurfaceDraw = Screen;

TEST_F(SurfaceLoad, OwnOrRequestedSizeAndFailuresLeaveAnEmptyWrapperAndLog) {
    WriteFile("srf_halves.bmp", Bmp({"rrgg", "rrgg"}));
    WriteFile("srf_notbmp.bmp", {'n', 'o', 't'});
    tf_CDas_Surface s, never;
    Load(s, "srf_ok.bmp", PICTURE);
    const int live = plat_LiveSurfaceCount();
    s.NAHRAJ_SURFACE_2_stretch(dd, "srf_halves.bmp", 8, 6);
    ASSERT_NE(s.lpDDS, nullptr);
    EXPECT_EQ(plat_LiveSurfaceCount(), live);  // the first surface was released
    EXPECT_EQ(std::make_tuple(s.lpDDS->Width(), s.lpDDS->Height(), s.stretch), std::make_tuple(8, 6, uint8_t(1)));
    EXPECT_NE(Px(s.lpDDS, 3, 5), Px(s.lpDDS, 4, 0));  // red half, green half

    s.NAHRAJ_SURFACE(dd, "srf_notbmp.bmp");
    EXPECT_EQ(s.lpDDS, nullptr);
    EXPECT_TRUE(LogHas({"TF_DSRFC_w(", "TLFW ERROR:  [tf_CDas_Surface::NAHRAJ_SURFACE() - Neuspesne nahratie SURFACE]"}));
    s.NAHRAJ_SURFACE_2_stretch(dd, "srf_missing.bmp", 30, 20);
    EXPECT_EQ(std::make_tuple(s.lpDDS, s.sir, s.vys, s.stretch), std::make_tuple(nullptr, 30, 20, uint8_t(1)));
    EXPECT_TRUE(LogHas({"NAHRAJ_SURFACE_2_stretch() - Neuspesne nahratie SURFACE"}));
    s.ZOBRAZ(back, 0, 0);  // dropped quietly
    ExpectPaper();
    never.RENAHRAJ_SURFACE();
    EXPECT_TRUE(LogHas({"RENAHRAJ_SURFACE() - subor_nazov == NULL"}));
}

TEST_F(SurfaceLoad, KeyAndBorderColoursComeFromPixelsInside) {
    tf_CDas_Surface s, empty;
    Load(s, "srf_keys.bmp", PICTURE);
    s.TC_NASTAV(1, 1);
    s.BC_NASTAV(0, 0);
    DDCOLORKEY key = {};
    ASSERT_EQ(s.lpDDS->GetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    EXPECT_EQ(std::make_tuple(s.TC, s.BC, key.dwColorSpaceLowValue),
              std::make_tuple(Px(s.lpDDS, 1, 1), Px(s.lpDDS, 0, 0), DWORD(Px(s.lpDDS, 1, 1))));
    s.TC_NASTAV(6, 1);  // outside: not read, logged
    s.BC_NASTAV(-1, 0);
    EXPECT_EQ(std::make_tuple(s.TC, s.BC), std::make_tuple(Px(s.lpDDS, 1, 1), Px(s.lpDDS, 0, 0)));
    empty.TC_NASTAV(1, 1);
}

TEST_F(SurfaceDraw, LostSurfaceIsRefilledByOneDrawAndShownByTheNextABusyTargetGetsNothing) {
    tf_CDas_Surface s, wide;
    Load(s, "srf_lost.bmp", PICTURE);
    wide.NAHRAJ_SURFACE_2_stretch(dd, "srf_lost.bmp", 12, 8);
    const std::vector<uint16_t> picture = pixels(s.lpDDS), stretched = pixels(wide.lpDDS);
    plat_LoseAllSurfaces();
    back->Restore();  // the application brings its own buffers back
    Clear();
    s.ZOBRAZ(back, 3, 3);
    wide.ZOBRAZ(back, 10, 10);
    ExpectPaper();
    EXPECT_EQ(pixels(s.lpDDS), picture);
    EXPECT_EQ(pixels(wide.lpDDS), stretched);
    DDSURFACEDESC d = {};
    ASSERT_EQ(back->Lock(nullptr, &d, DDLOCK_WAIT, nullptr), DD_OK);
    s.ZOBRAZ(back, 0, 0);  // does not hang
    back->Unlock(nullptr);
    ExpectPaper();
    s.ZOBRAZ(back, 3, 3);
    ExpectCopy(&s, 3, 3, {0, 0, 6, 4}, false);
}

TEST_F(SurfaceLoad, PixelFromColour) {
    tf_CDas_Surface s;
    Load(s, "srf_pix.bmp", {"rg", "gg"});
    const uint16_t red = Px(s.lpDDS, 0, 0);
    EXPECT_EQ(std::make_tuple(DDPixelFromColor(s.lpDDS, RGB(255, 255, 255)), DDPixelFromColor(s.lpDDS, 0),
                              DDPixelFromColor(s.lpDDS, CLR_INVALID), Px(s.lpDDS, 0, 0)),
              std::make_tuple(0xFFFFu, 0u, uint32_t(red), red));  // read, and put back after writing
}

TEST_F(SurfaceDraw, BevelsLightTheirEdgesOtherModesOnlyFill) {
    HDC dc = nullptr;
    ASSERT_EQ(back->GetDC(&dc), DD_OK);
    RECT r = {1, 1, 6, 6};
    const std::pair<int, Rows> bevels[] = {
        {1, {".......", ".WWWWK.", ".W..dK.", ".W..dK.", ".WdddK.", ".KKKKK.", "......."}},
        {0, {".......", ".......", ".......", ".......", ".......", ".......", "......."}}};
    for (const auto& [mode, rows] : bevels) {
        Clear();
        tf_glob_Level_efekt(dc, &r, mode);
        ExpectKinds(0, 0, rows);
    }
    tf_glob_Level_efekt2_fill(dc, &r, 0);
    ExpectKinds(0, 1, {".fffff."});
    back->ReleaseDC(dc);
}
