#include <cstring>

#include "framework/surface/tf_display.h"
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

using SurfaceLoad = SurfaceTest;

TEST_F(SurfaceLoad, ResourceFirstThenFileAtOwnOrRequestedSize) {
    AddResource("srf_both.bmp", Bmp({"rrr", "rrr"}));
    WriteFile("srf_both.bmp", Bmp({"rrgg", "rrgg"}));
    WriteFile("srf_halves.bmp", Bmp({"rrgg", "rrgg"}));
    tf_CDas_Surface s;
    s.NAHRAJ_SURFACE(dd, "srf_both.bmp");
    EXPECT_EQ(std::make_pair(s.sir, s.vys), std::make_pair(3, 2));
    int live = plat_LiveSurfaceCount();
    s.NAHRAJ_SURFACE_2_stretch(dd, "srf_halves.bmp", 8, 6);
    ASSERT_NE(s.lpDDS, nullptr);
    EXPECT_EQ(plat_LiveSurfaceCount(), live);  // the first surface was released
    EXPECT_EQ(std::make_pair(s.lpDDS->Width(), s.lpDDS->Height()), std::make_pair(8, 6));
    EXPECT_EQ(s.stretch, 1);
    EXPECT_NE(Px(s.lpDDS, 3, 5), Px(s.lpDDS, 4, 0));  // red half, green half
    s.NAHRAJ_SURFACE(dd, "srf_halves.bmp");
    EXPECT_EQ(std::make_pair(s.sir, s.stretch), std::make_pair(4, uint8_t(0)));
}

TEST_F(SurfaceLoad, FailedLoadsLeaveAnEmptyWrapperAndLog) {
    WriteFile("srf_notbmp.bmp", {'n', 'o', 't'});
    tf_CDas_Surface s, never;
    Load(s, "srf_ok.bmp", PICTURE);
    s.NAHRAJ_SURFACE(dd, "srf_notbmp.bmp");
    EXPECT_EQ(s.lpDDS, nullptr);
    EXPECT_TRUE(
        LogHas({"TF_DSRFC_w(", "TLFW ERROR:  [tf_CDas_Surface::NAHRAJ_SURFACE() - Neuspesne nahratie SURFACE]"}));
    EXPECT_TRUE(LogHas({"TF_DSRFC_w(", "subor: [srf_notbmp.bmp]"}));
    s.NAHRAJ_SURFACE_2_stretch(dd, "srf_missing.bmp", 30, 20);
    EXPECT_EQ(s.lpDDS, nullptr);
    EXPECT_EQ(std::make_tuple(s.sir, s.vys, s.stretch), std::make_tuple(30, 20, uint8_t(1)));
    EXPECT_TRUE(LogHas({"NAHRAJ_SURFACE_2_stretch() - Neuspesne nahratie SURFACE"}));
    EXPECT_TRUE(LogHas({"sir,vys: [30] [20]"}));
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
    EXPECT_EQ(std::make_pair(s.TC, s.BC), std::make_pair(Px(s.lpDDS, 1, 1), Px(s.lpDDS, 0, 0)));
    DDCOLORKEY key = {};
    ASSERT_EQ(s.lpDDS->GetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    EXPECT_EQ(key.dwColorSpaceLowValue, s.TC);
    s.TC_NASTAV(6, 1);  // outside: not read, logged
    s.BC_NASTAV(-1, 0);
    EXPECT_EQ(std::make_pair(s.TC, s.BC), std::make_pair(Px(s.lpDDS, 1, 1), Px(s.lpDDS, 0, 0)));
    EXPECT_TRUE(LogHas({"x,y: [-1] [0]"}));
    empty.TC_NASTAV(1, 1);
    EXPECT_TRUE(LogHas({"tf_CDas_Surface::TC_NASTAV() - SURFACE == NULL"}));
}

using SurfaceDraw = SurfaceTest;

TEST_F(SurfaceDraw, OneToOneFormsCopyExactlyAndHonourTheKey) {
    tf_CDas_Surface s;
    Load(s, "srf_draw.bmp", PICTURE);
    s.TC_NASTAV(1, 1);
    s.ZOBRAZ(5, 7);
    ExpectCopy(&s, 5, 7, {0, 0, 6, 4}, true);
    DDSURFACE_ZMAZ(back, PAPER);
    s.Zobraz_Rect(2, 3, {1, 1, 4, 3});
    ExpectCopy(&s, 2, 3, {1, 1, 4, 3}, true);
    DDSURFACE_ZMAZ(back, PAPER);
    s.Zobraz_Center();
    ExpectCopy(&s, 7, 4, {0, 0, 6, 4}, true);  // ((20 - 6) / 2, (12 - 4) / 2)
    DDSURFACE_ZMAZ(back, PAPER);
    s.ZOBRAZ_ALPHA(back, 1, 2, 255);  // opaque, never keyed
    ExpectCopy(&s, 1, 2, {0, 0, 6, 4}, false);
}

TEST_F(SurfaceDraw, BlackKeyDrawsOpaqueThroughEveryFastForm) {
    tf_CDas_Surface s;
    Load(s, "srf_black.bmp", {"BBBB", "BkrB", "BBBB"});
    s.TC_NASTAV(1, 1);
    ASSERT_EQ(s.TC, 0);
    s.ZOBRAZ(back, 0, 0);
    s.Zobraz_Rect(back, 5, 0, {0, 0, 4, 3});
    s.ZOBRAZ_FAZU(back, 10, 0, s.ZAMERAJ_FAZU_CS(), 1);
    s.ZOBRAZ_FAZU_2(back, 0, 30, 0, 20, 15, 0, s.ZAMERAJ_FAZU_CS());
    tf_ScreenW = 44;
    tf_ScreenH = 5;
    s.Zobraz_Center(back);  // at (20, 1)
    for (POINT p : std::vector<POINT>{{1, 1}, {6, 1}, {10, 0}, {15, 0}, {21, 2}})
        EXPECT_EQ(Px(back, p.x, p.y), 0) << p.x;
}

TEST_F(SurfaceDraw, StretchedFormsScaleAndIgnoreTheKey) {
    tf_CDas_Surface s;
    Load(s, "srf_stretch.bmp", PICTURE);
    s.TC_NASTAV(1, 1);
    s.Zobraz_Stretch_2(back, {2, 2, 14, 10});
    s.Zobraz_Stretch_1(back, {20, 0, 26, 4}, {1, 1, 4, 3});
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x) ASSERT_EQ(Px(back, 2 + x, 2 + y), Px(s.lpDDS, x / 2, y / 2)) << x << "," << y;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) ASSERT_EQ(Px(back, 20 + x, y), Px(s.lpDDS, 1 + x / 2, 1 + y / 2));
    EXPECT_EQ(Px(back, 14, 10), PAPER);
    s.Zobraz_Stretch_4(back);
    EXPECT_EQ(Px(back, 29, 19), Px(s.lpDDS, 5, 3));
    EXPECT_EQ(Px(back, 5, 5), Px(s.lpDDS, 1, 1));  // the key pixel, drawn
    s.Zobraz_Stretch_3(back, {2, 1, 5, 3});
    EXPECT_EQ(std::make_pair(Px(back, 0, 0), Px(back, 29, 19)), std::make_pair(Px(s.lpDDS, 2, 1), Px(s.lpDDS, 4, 2)));
}

TEST_F(SurfaceDraw, CentreTruncatesTowardZero) {
    Rows rows(1083, "gggg");
    rows[0] = "rrrr";
    rows[1] = "yyyy";
    IDirectDrawSurface* screen = plat_CreateTestSurface(8, 1080);
    tf_ScreenW = 8;
    tf_ScreenH = 1080;
    tf_CDas_Surface tall;
    Load(tall, "srf_tall3.bmp", rows);
    tall.Zobraz_Center(screen);
    EXPECT_EQ(Px(screen, 2, 0), Px(tall.lpDDS, 0, 1));  // y = -1
    rows.resize(1081);
    Load(tall, "srf_tall1.bmp", rows);
    tall.Zobraz_Center(screen);
    EXPECT_EQ(Px(screen, 2, 0), Px(tall.lpDDS, 0, 0));  // y = 0
    screen->Release();
}

TEST_F(SurfaceDraw, LostSurfaceIsRefilledByOneDrawAndShownByTheNext) {
    tf_CDas_Surface s, wide;
    Load(s, "srf_lost.bmp", PICTURE);
    wide.NAHRAJ_SURFACE_2_stretch(dd, "srf_lost.bmp", 12, 8);
    const std::vector<uint16_t> picture = pixels(s.lpDDS), stretched = pixels(wide.lpDDS);
    plat_LoseAllSurfaces();
    back->Restore();  // the application brings its own buffers back
    DDSURFACE_ZMAZ(back, PAPER);
    s.ZOBRAZ(back, 3, 3);
    wide.ZOBRAZ(back, 10, 10);
    ExpectPaper();
    EXPECT_EQ(pixels(s.lpDDS), picture);
    EXPECT_EQ(pixels(wide.lpDDS), stretched);
    s.ZOBRAZ(back, 3, 3);
    ExpectCopy(&s, 3, 3, {0, 0, 6, 4}, false);
}

TEST_F(SurfaceDraw, BusyTargetDoesNotHang) {
    tf_CDas_Surface s;
    Load(s, "srf_busy.bmp", PICTURE);
    DDSURFACEDESC d = {};
    ASSERT_EQ(back->Lock(nullptr, &d, DDLOCK_WAIT, nullptr), DD_OK);
    s.ZOBRAZ(back, 0, 0);
    back->Unlock(nullptr);
    ExpectPaper();
}

TEST_F(SurfaceLoad, PixelFromColourAndPalettes) {
    tf_CDas_Surface s;
    Load(s, "srf_pix.bmp", {"rg", "gg"});
    const uint16_t red = Px(s.lpDDS, 0, 0);
    EXPECT_EQ(std::make_pair(DDPixelFromColor(s.lpDDS, RGB(255, 255, 255)), DDPixelFromColor(s.lpDDS, 0)),
              std::make_pair(0xFFFFu, 0u));
    EXPECT_EQ(std::make_pair(DDPixelFromColor(s.lpDDS, CLR_INVALID), uint32_t(Px(s.lpDDS, 0, 0))),
              std::make_pair(uint32_t(red), uint32_t(red)));  // read, and put back after writing

    IDirectDrawPalette* missing = DDLoadPalette(dd, "srf_nothing.bmp");
    IDirectDrawPalette* deep = DDLoadPalette(dd, "srf_pix.bmp");  // 24 bits: no table
    const PALETTEENTRY e = missing->entries[182];                 // 101 101 10
    EXPECT_EQ(std::make_tuple(e.peRed, e.peGreen, e.peBlue), std::make_tuple(182, 182, 170));
    EXPECT_EQ(memcmp(missing->entries, deep->entries, sizeof missing->entries), 0);
    std::vector<unsigned char> bmp8 = Bmp({"r"});  // 8 bits, two entries, claims 5000
    bmp8.resize(54 + 8);
    bmp8[28] = 8;
    bmp8[46] = 0x88;
    bmp8[47] = 0x13;
    memcpy(&bmp8[54], "\1\2\3\0\4\5\6\0", 8);
    AddResource("srf_pal8.bmp", bmp8);
    IDirectDrawPalette* eight = DDLoadPalette(dd, "srf_pal8.bmp");
    EXPECT_EQ(std::make_pair(eight->entries[1].peRed, eight->entries[1].peBlue), std::make_pair(BYTE(6), BYTE(4)));
    EXPECT_EQ(memcmp(&eight->entries[2], &missing->entries[2], 254 * sizeof(PALETTEENTRY)), 0);
    for (IDirectDrawPalette* p : {missing, deep, eight}) p->Release();
}
