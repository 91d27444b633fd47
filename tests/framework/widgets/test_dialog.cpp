// Dialogs: the frame's pixels, the title-strip drag, centring and the see-through
// backgrounds at the surface's edges.
#include "framework/widgets/tf_dialog.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/surface/tf_display.h"
#include "framework/widgets/tf_dialog_bg.h"
#include "framework/widgets/tf_tlac.h"
#include "tests/framework/widgets/widget_fixture.h"

using Dialog = widget_test::ScreenTest;

TEST_F(Dialog, A300x200DialogAt100HasItsRaisedBorderAndTitleStrip) {
    tf_CDDialog d;
    d.Dsgn(100, 100, 300, 200, 2);
    d.ZOBRAZ(back);
    EXPECT_EQ(Kinds(96, 250, 5) + " " + Kinds(399, 250, 6), ".lWlg gglmd.");
    EXPECT_EQ(Kinds(150, 96, 5, true) + " " + Kinds(150, 114, 3, true) + " " + Kinds(150, 299, 6, true),
              ".lWlt ttg gglmd.");
    EXPECT_EQ(Kinds(100, 100, 1) + Kinds(400, 115, 1), "tt");
    EXPECT_EQ(Inked(0, 0, W - 1, H - 1), 307 * 207);  // closed all round

    DDSURFACE_ZMAZ(back, PAPER);
    d.ram.efekt = 1;  // the net lies over what was there
    d.ZOBRAZ(back);
    EXPECT_EQ(Kinds(100, 116, 4) + Kinds(100, 117, 4), ".W.WW.W.");
}

TEST_F(Dialog, TheTitleStripGrabsAt16NotAt17AndTheDragOutlivesLeaving) {
    tf_CPolCHLO screen;
    tf_CDDialog* d = new tf_CDDialog(&screen, 5);
    d->Dsgn(100, 100, 300, 200, 2);
    tf_CTlac* button = new tf_CTlac(d, 50, 100, 11);
    d->Rodic_reset();
    EXPECT_TRUE(d->INFORMUJ_SA(150, 117, 0));
    d->INFORMUJ_SA(150, 117, 1);
    EXPECT_EQ(d->stav, 1);
    EXPECT_TRUE(d->INFORMUJ_SA(150, 116, 1));
    EXPECT_EQ(d->stav, 2);
    EXPECT_TRUE(d->INFORMUJ_SA(600, 450, 0));  // far outside
    EXPECT_EQ(std::pair(d->x, d->y), std::pair(550, 434));
    EXPECT_EQ(button->y, 534);
    EXPECT_TRUE(d->INFORMUJ_SA(600, 450, -1));
    EXPECT_FALSE(d->INFORMUJ_SA(10, 10, 0));
    EXPECT_EQ(d->stav, 0);
    d->Rodic_reset();  // stays where it was put
    EXPECT_EQ(d->x, 550);
}

TEST_F(Dialog, CentresWithItsChildrenAndHiddenDrawsNothing) {
    tf_CDDialog d;
    EXPECT_EQ(d.x, W / 2 - 150);
    d.SetSize(301, 201);
    tf_CDAS* child = new tf_CDAS(&d, 20, 30);
    d.CHOD_NA_CENTER(300, 250);
    EXPECT_EQ(std::pair(d.x, d.y), std::pair(150, 150));
    EXPECT_EQ(child->x, 170);
    d.zivy = false;
    d.ZOBRAZ(back, 0);
    EXPECT_EQ(Inked(0, 0, W - 1, H - 1), 0);
}

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

// Wide nets are dotted in blocks: every pixel between the dots keeps what was under it, on
// widths that end a block exactly and widths that leave dots over.
TEST_F(Dialog, AWideNetLeavesEveryPixelBetweenItsDotsAsItWas) {
    const uint16_t white = Raw(RGB(255, 255, 255)), black = Raw(RGB(0, 0, 0));
    const auto under = [](int x, int y) { return static_cast<uint16_t>(0x0841 * ((x + 3 * y) % 29 + 1)); };
    for (const int w : {10, 18, 23, 41}) {
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 50; ++x) back->Row(y)[x] = under(x, y);
        tf_CDUI_podklad_efekt_A_biela_siet(back, {3, 2, 3 + w, 11}, true);
        const int dots_end = 3 + 1 + 2 * ((w - 2) / 2);  // the right border's column
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 50; ++x) {
                const bool inside = x >= 3 && x < 3 + w && y >= 2 && y < 11;
                const bool border = inside && (y == 2 || y == 10 || x == 3 || x == dots_end);
                const bool dot = inside && !border && (x - 3) % 2 != (y - 2) % 2 && x < dots_end;
                const uint16_t want = border ? black : dot ? white : under(x, y);
                ASSERT_EQ(Px(x, y), want) << "width " << w << " at " << x << ", " << y;
            }
    }
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
