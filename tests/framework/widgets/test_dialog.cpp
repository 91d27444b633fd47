// Dialogs: the see-through backgrounds at the surface's edges.
#include "framework/widgets/tf_dialog_bg.h"

#include <gtest/gtest.h>

#include "framework/surface/tf_display.h"
#include "tests/framework/widgets/widget_fixture.h"

using Dialog = widget_test::ScreenTest;

TEST_F(Dialog, TheWhiteNetIsCutAtTheScreenAndTheSurface) {
    tf_CDUI_podklad_efekt_A_biela_siet(back, {-3, -4, 10, 8}, true);  // cut at the top and left
    ExpectKinds(0, 0, {"...........", "...........", "...W.W.WK..", "..W.W.W.K..", "...W.W.WK..", "..W.W.W.K..",
                       "...W.W.WK..", ".KKKKKKKKK.", "..........."});
    // A screen larger than the surface: the surface's edges cut too.
    tf_ScreenW = 4 * W;
    tf_ScreenH = 4 * H;
    DDSURFACE_ZMAZ(back, PAPER);
    tf_CDUI_podklad_efekt_A_biela_siet(back, {W - 10, H - 10, W + 60, H + 40}, true);
    EXPECT_EQ(Kinds(W - 11, H - 10, 11) + Kinds(W - 11, H - 9, 11), ".KKKKKKKKK..K.W.W.W...");
    EXPECT_EQ(Inked(W - 1, 0, W - 1, H - 1) + Inked(0, H - 1, W - 1, H - 1) + Inked(0, 0, W - 12, H - 1), 0);
}

TEST_F(Dialog, TheMilkyBackgroundKeepsToTheSurface) {
    const uint16_t green = Raw(RGB(0, 255, 0)), milky = Raw(RGB(80, 255, 80));
    DDSURFACE_ZMAZ(back, green);
    HDC dc = nullptr;
    ASSERT_EQ(back->GetDC(&dc), DD_OK);
    tf_CDUI_podklad_efekt_B_mliecny(dc, {W - 2, H - 2, W + 50, H + 50});  // partly off the surface
    back->ReleaseDC(dc);
    EXPECT_TRUE(Px(W - 2, H - 2) == milky && Px(W - 3, H - 2) == green);
}
