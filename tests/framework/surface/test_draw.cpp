#include <algorithm>

#include "framework/surface/tf_display.h"
#include "framework/surface/tf_draw.h"
#include "tests/framework/surface/surface_fixture.h"
#include "tests/support/test_support.h"

using namespace srf_test;

namespace {
class Drawing : public SurfaceTest {
protected:
    void SetUp() override {
        SurfaceTest::SetUp();
        ASSERT_EQ(back->GetDC(&dc), DD_OK);
    }
    void TearDown() override {
        back->ReleaseDC(dc);
        SurfaceTest::TearDown();
    }
    HDC dc = nullptr;
    RECT r = {1, 1, 6, 6};
};
}  // namespace

TEST_F(Drawing, BevelsLightTheirEdges) {
    tf_glob_Level_efekt(dc, &r, 1);
    ExpectKinds(back, 0, 0, {"PPPPPPP", "PWWWWKP", "PWPPGKP", "PWPPGKP", "PWGGGKP", "PKKKKKP", "PPPPPPP"});
    DDSURFACE_ZMAZ(back, PAPER);
    tf_glob_Level_efekt(dc, &r, 2);
    ExpectKinds(back, 0, 0, {"PPPPPPP", "PGGGGWP", "PGKKKWP", "PGKPPWP", "PGKPPWP", "PGWWWWP", "PPPPPPP"});
}

TEST_F(Drawing, OtherModesDrawNoBevelButTheFillStillFills) {
    tf_glob_Level_efekt(dc, &r, 0);
    ExpectPaper();
    tf_glob_Level_efekt2_fill(dc, &r, 0);
    ExpectKinds(back, 0, 0, {"PPPPPPP", "PLLLLLP", "PLLLLLP", "PLLLLLP", "PLLLLLP", "PLLLLLP", "PPPPPPP"});
    tf_glob_Ramik(dc, &r, 0);
    ExpectKinds(back, 0, 0, {"PPPPPPP", "PWWWWWP", "PWLLLWP", "PWLLLWP", "PWLLLWP", "PWWWWWP", "PPPPPPP"});
}

TEST_F(Drawing, TextKeepsTheContextColour) {
    SetTextColor(dc, RGB(1, 2, 3));
    tf_glob_Text(dc, 2, 2, RGB(255, 255, 255), "Hi");
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    int white = 0;
    for (int y = 0; y < 20; ++y) white += static_cast<int>(std::count(back->Row(y), back->Row(y) + 30, 0xFFFF));
    EXPECT_GT(white, 3);
    plat_LoseAllSurfaces();
    EXPECT_EQ(tf_glob_Text_srf(back, 0, 0, 0, "x"), DDERR_SURFACELOST);
    back->Restore();
}

TEST_F(Drawing, TextMeasuring) {
    int w = 0, h = 0;
    tf_glob_ZISTI_ROZMER_TEXTU("abc", nullptr, &w, &h);
    EXPECT_EQ(std::make_pair(w, h), std::make_pair(100, 20));
    EXPECT_TRUE(test_support::LogHas({"TF_DAS_w(", "tf_glob_ZISTI_ROZMER_TEXTU: tf_lpDDSPrimary == NULL !"}));
    tf_lpDDSPrimary = plat_CreateTestSurface(50, 50);
    int one_w = 0, one_h = 0, two_w = 0, two_h = 0;
    tf_glob_ZISTI_ROZMER_TEXTU("", nullptr, &w, &h);
    EXPECT_EQ(w, 1);
    tf_glob_ZISTI_ROZMER_TEXTU("Ab", nullptr, &one_w, &one_h);
    tf_glob_ZISTI_ROZMER_TEXTU("Abcd\nAb", nullptr, &two_w, &two_h);
    EXPECT_GT(two_h, one_h);
    EXPECT_GT(two_w, one_w);
    tf_lpDDSPrimary->Release();
    tf_lpDDSPrimary = nullptr;
}

TEST_F(Drawing, BitmapSizeLeavesTheOutputsWhenMissing) {
    WriteFile("srf_size.bmp", Bmp({"rgy", "rgy"}));
    int w = -1, h = -1;
    tf_glob_GetSizeBitmap("srf_size_missing.bmp", &w, &h);
    EXPECT_EQ(std::make_pair(w, h), std::make_pair(-1, -1));
    tf_glob_GetSizeBitmap("srf_size.bmp", &w, &h);
    EXPECT_EQ(std::make_pair(w, h), std::make_pair(3, 2));
}
