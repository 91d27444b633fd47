// The surface wrapper: loading and loss; bevels drawn on its context.
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
    test_support::WriteFile("srf_halves.bmp", Bmp({"rrgg", "rrgg"}));
    test_support::WriteFile("srf_notbmp.bmp", "not");
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

// A picture is drawn in through its surface's device context, which goes once it is copied in:
// a library of pictures keeps none.
TEST_F(SurfaceLoad, PicturesKeepNoDeviceContextOnceLoadedOrRefilled) {
    const int contexts = plat_LiveDCCount();
    tf_CDas_Surface pictures[12];
    for (tf_CDas_Surface& s : pictures) Load(s, "srf_dc.bmp", PICTURE);
    EXPECT_EQ(plat_LiveDCCount(), contexts);
    const std::vector<uint16_t> loaded = pixels(pictures[3].lpDDS);
    plat_LoseAllSurfaces();
    EXPECT_EQ(pictures[3].RESTORE_SURFACE(), DD_OK);
    EXPECT_EQ(std::pair(plat_LiveDCCount(), pixels(pictures[3].lpDDS)), std::pair(contexts, loaded));
    for (IDirectDrawSurface* s : {back, primary}) s->Restore();
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

TEST_F(SurfaceDraw, AFilledBevelIsGreyInsideAndLitOnItsTopAndLeft) {
    HDC dc = nullptr;
    ASSERT_EQ(back->GetDC(&dc), DD_OK);
    RECT r = {1, 1, 6, 6};
    tf_glob_Level_efekt2_fill(dc, &r, 1);
    back->ReleaseDC(dc);
    ExpectKinds(0, 0, {".......", ".WWWWK.", ".WffdK.", ".WffdK.", ".WdddK.", ".KKKKK.", "......."});
}
