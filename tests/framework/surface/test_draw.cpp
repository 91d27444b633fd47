// Bevels, fills and text on a device context.
#include "framework/surface/tf_draw.h"

#include "framework/surface/tf_display.h"
#include "tests/framework/surface/surface_fixture.h"
#include "tests/support/test_support.h"

using namespace srf_test;

namespace {
class Drawing : public Screen {
protected:
    void SetUp() override {
        Screen::SetUp();
        ASSERT_EQ(back->GetDC(&dc), DD_OK);
    }
    void TearDown() override {
        back->ReleaseDC(dc);
        Screen::TearDown();
    }
    HDC dc = nullptr;
    RECT r = {1, 1, 6, 6};
};
}  // namespace

TEST_F(Drawing, BevelsLightTheirEdgesOtherModesOnlyFill) {
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
}

TEST_F(Drawing, TextKeepsTheContextColourAndMeasures) {
    SetTextColor(dc, RGB(1, 2, 3));
    tf_glob_Text(dc, 2, 2, RGB(255, 255, 255), "Hi");
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_GT(test_support::CountIn(0, 0, 29, 19, [&](int x, int y) { return Px(x, y) == 0xFFFF; }), 3);
    int w = 0, h = 0;
    tf_lpDDSPrimary = nullptr;  // no screen yet: a default size
    tf_glob_ZISTI_ROZMER_TEXTU("abc", nullptr, &w, &h);
    EXPECT_EQ(std::make_tuple(w, h), std::make_tuple(100, 20));
    plat_LoseAllSurfaces();
    EXPECT_EQ(tf_glob_Text_srf(back, 0, 0, 0, "x"), DDERR_SURFACELOST);
    back->Restore();
}
