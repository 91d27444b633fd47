#include "framework/core/tf_fsi.h"
#include "framework/surface/tf_display.h"
#include "framework/surface/tf_icon.h"
#include "tests/framework/surface/surface_fixture.h"
#include "tests/support/test_support.h"

using namespace srf_test;
using test_support::LogHas;

namespace {
const Rows ICON = {"BBBBBB", "B.rgyB", "BgrykB", "BBBBBB"};

class Icon : public SurfaceTest {
protected:
    void SetUp() override {
        SurfaceTest::SetUp();
        WriteFile("srf_icon.bmp", Bmp(ICON));
        WriteFile("srf_icon_bad.bmp", {'B', 'M', 0, 0});
    }
};
}  // namespace

TEST_F(Icon, WithoutAPictureDrawsThePlaceholder) {
    IDirectDrawSurface* big = plat_CreateTestSurface(120, 120);
    DDSURFACE_ZMAZ(big, PAPER);
    tf_CIcon none;
    int w = 0, h = 0;
    none.GetSize2(&w, &h);
    EXPECT_EQ(std::make_pair(w, h), std::make_pair(100, 100));
    none.ZOBRAZ(big, 10, 10);
    ExpectKinds(big, 9, 9, {"PPPPP", "PWWWW", "PWPPP"});
    ExpectKinds(big, 105, 107, {"PPPGKP", "GGGGKP", "KKKKKP", "PPPPPP"});
    int text = 0;  // the class name in 0x00FF6464: blue 0xFF, red and green 0x64
    for (int y = 15; y < 35; ++y)
        for (int x = 15; x < 90; ++x) {
            uint16_t p = Px(big, x, y);
            text += (p & 31) == 31 && (p >> 11) == 0x64 >> 3 && ((p >> 5) & 63) == 0x64 >> 2;
        }
    EXPECT_GT(text, 10);
    big->Release();
}

TEST_F(Icon, FromASurfaceMeasuresItsPhase) {
    tf_CDas_Surface s;
    Load(s, "srf_icon_s.bmp", ICON);
    s.BC_NASTAV(0, 0);
    tf_CIcon whole(&s, 0, 5), measured(&s, 2, 2), given(&s, tf_TFAZA(1, 1, 3, 2));
    EXPECT_EQ(whole.faza.x2, 5);  // the whole surface less its frame
    EXPECT_EQ(whole.faza.sir, 6);
    EXPECT_EQ(measured.faza.x2, 5);
    EXPECT_EQ(measured.faza.y2, 3);
    EXPECT_EQ(given.faza.x2, 3);
    int w = 0, h = 0;
    measured.GetSize2(&w, &h);
    EXPECT_EQ(std::make_pair(w, h), std::make_pair(5, 3));

    s.TC_NASTAV(1, 1);
    tf_CIcon invalid(static_cast<tf_CDas_Surface*>(nullptr), 1, 1);
    EXPECT_TRUE(LogHas({"TF_DAS_w(", "tf_CIcon::tf_CIcon neplatny SRF [RETURN!]"}));
    invalid.ZOBRAZ(back, 0, 0);
    measured.ZOBRAZ_3_centr(back, 0, 30, 0, 20, 10, 10, 2);  // ends at x: left = 10 - 5
    ExpectCopy(&s, 5, 9, {1, 1, 5, 3}, true);
    DDSURFACE_ZMAZ(back, PAPER);
    measured.platny = 0;
    measured.ZOBRAZ(back, 0, 0);
    measured.ZOBRAZ_2(back, 0, 0);  // draws although invalid, inside (1, W - 1, 1, H - 1)
    ExpectCopy(&s, 1, 1, {2, 2, 5, 3}, true);
}

TEST_F(Icon, FromAFileOwnsItsSurfaceAndTakesTheKey) {
    int live = plat_LiveSurfaceCount();
    {
        tf_CIcon own(dd, "srf_icon.bmp");
        ASSERT_NE(own.srf, nullptr);
        EXPECT_EQ(own.vlastni, 1);
        EXPECT_EQ(own.srf->TC, Px(own.srf->lpDDS, 1, 1));
        tf_glob_Set_CIcon_default_transparency(0);
        tf_CIcon plain("srf_icon.bmp");
        tf_glob_Set_CIcon_default_transparency(1);
        EXPECT_EQ(plain.srf->TC, 0);

        own.EVIDUJ_PREBER(&plain);  // the owned surface is freed, the other one borrowed
        EXPECT_EQ(own.srf, plain.srf);
        EXPECT_EQ(own.vlastni, 0);
        EXPECT_EQ(plat_LiveSurfaceCount(), live + 1);
    }
    EXPECT_EQ(plat_LiveSurfaceCount(), live);
}

TEST_F(Icon, AResourceNeedsNoFileOnDisk) {
    AddResource("srf_icon_res.bmp", Bmp(ICON));
    ASSERT_FALSE(tf_FSI_Existuje_sub("srf_icon_res.bmp"));
    tf_CIcon res(dd, "SRF_ICON_RES.BMP");
    ASSERT_NE(res.srf, nullptr);
    EXPECT_EQ(res.platny, 1);
    res.ZOBRAZ(back, 0, 0);
    ExpectCopy(res.srf, 0, 0, {1, 1, 5, 3}, true);
}

TEST_F(Icon, UnloadableFilesLeaveAnIconThatDrawsNothing) {
    int live = plat_LiveSurfaceCount();
    tf_CIcon missing(dd, "srf_icon_missing.bmp"), bad(dd, "srf_icon_bad.bmp");
    EXPECT_TRUE(LogHas({"tf_CIcon::tf_CIcon neexist. subor [RETURN!]"}));
    EXPECT_TRUE(LogHas({"tf_CIcon::tf_CIcon nenahraty subor (B) [RETURN!]"}));
    for (tf_CIcon* i : {&missing, &bad}) {
        EXPECT_EQ(i->srf, nullptr);
        EXPECT_EQ(i->platny, 0);
        i->ZOBRAZ(back, 0, 0);
        i->ZOBRAZ_3_centr(back, 0, 30, 0, 20, 5, 5, 0);
    }
    EXPECT_EQ(plat_LiveSurfaceCount(), live);
    ExpectPaper();
}
