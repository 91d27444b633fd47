// The scroll bar (the showcase's): only what would crash, hang or overrun on bad numbers.
#include "framework/widgets/tf_scrollbar.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/framework/widgets/widget_fixture.h"
#include "tests/support/test_support.h"

namespace {
struct ScrollBar : widget_test::DesignedScreen {
    void SetUp() override { DesignedScreen::SetUp(), tf_DSGN_INIT_Background(nullptr); }
    widget_test::Recorder owner;
    tf_CScrollBar* bar = new tf_CScrollBar(&owner, 5);
};
}  // namespace

TEST_F(ScrollBar, ExtremeRangesNegativeLengthsAndAOnePixelTrackAreSafe) {
    bar->Dsgn_Stock('V', 100, -35, 207);  // partly above the screen
    owner.SetupVisual_Private();
    for (tf_CPol* c : {(tf_CPol*)bar->posuv, (tf_CPol*)bar->btnA, (tf_CPol*)bar->btnB}) c->zivy = false;
    bar->ZOBRAZ(back);
    const int w = tf_DSGN.posuvV_podklad.faza.x2 - tf_DSGN.posuvV_podklad.faza.x1;
    EXPECT_EQ(Inked(0, 0, W - 1, H - 1), w * (207 - 35));  // the track alone, cut at the screen
    bar->podklad.faza.sir = bar->podklad.faza.vys = 1;  // a one-pixel track has no step
    Clear();
    bar->ZOBRAZ(back);
    EXPECT_EQ(Inked(0, 0, W - 1, H - 1), 0);
    bar->SetSize(0, -40);
    EXPECT_TRUE(bar->dlzka == 0 && test_support::LogHas({"TLFW ERROR: ", "zaporna dlzka", "[-40]"}));
    bar->SR(INT_MIN, INT_MAX);
    bar->SP(INT_MAX);
    bar->HandleFWInteraction(tf_CScrollBar::ID_BTN_B, 1, bar->btnB);
    EXPECT_EQ(owner.reports, (widget_test::Reports{{5, INT_MAX}}));
}
