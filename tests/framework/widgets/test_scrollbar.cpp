// The scroll bar on the program's own skin: layout, range, steps, track and a bad orientation.
#include "framework/widgets/tf_scrollbar.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "framework/widgets/tf_dsgn.h"
#include "tests/framework/widgets/widget_fixture.h"
#include "tests/support/test_support.h"

namespace {
using widget_test::Reports;

struct ScrollBar : widget_test::ScreenTest {
    void SetUp() override { ScreenTest::SetUp(); tf_DSGN_INIT_Background(nullptr); }
    void TearDown() override { tf_DSGN_DONE(); ScreenTest::TearDown(); }
    // The track alone covers a w x h block from the bar's corner (or the screen's top), nothing else.
    void ExpectTrack(int w, int h) {
        for (tf_CPol* c : {(tf_CPol*)bar->posuv, (tf_CPol*)bar->btnA, (tf_CPol*)bar->btnB}) c->zivy = false;
        DDSURFACE_ZMAZ(back, PAPER);
        bar->ZOBRAZ(back);
        const int top = std::max(bar->y, 0);
        EXPECT_EQ(Inked(bar->x, top, bar->x + w - 1, top + h - 1), w * h);
        EXPECT_EQ(Inked(0, 0, W - 1, H - 1), w * h);
    }
    std::pair<int, int> Size(int w = -7, int h = -7) { bar->GetSize(&w, &h); return {w, h}; }
    widget_test::Recorder owner;
    tf_CScrollBar* bar = new tf_CScrollBar(&owner, 5);
};
}  // namespace

TEST_F(ScrollBar, AStockBarStepsWithinItsDefaultRangeAndReportsEveryStep) {
    bar->Dsgn_Stock('V', 10, 20, 200);
    owner.SetupVisual_Private();
    EXPECT_EQ(std::pair(bar->posuv->rozsah_od, bar->posuv->rozsah_do), std::pair(1, 100));
    bar->SP(-500);  // beyond the range: the knob rests against button A, which still tells
    EXPECT_EQ(bar->posuv->y, bar->btnA->y + bar->btnA->AktVYS() - 1);
    for (tf_CTlac* b : {bar->btnA, bar->btnB, bar->btnB, bar->btnA}) widget_test::Click(owner, b->x + 5, b->y + 5);
    EXPECT_EQ(owner.reports, (Reports{{5, 1}, {5, 2}, {5, 3}, {5, 2}}));
}

TEST_F(ScrollBar, AHorizontalBarKeepsItsGivenRangeAndTakesOnlyItsLengthFromSetSize) {
    bar->Dsgn_Stock('H', 0, 0, 200);
    bar->SR(7, 7);  // before set-up and kept as given; the knob widens it for itself
    owner.SetupVisual_Private();
    EXPECT_EQ(std::pair(bar->rozsah_do, bar->posuv->rozsah_do), std::pair(7, 107));
    bar->SP(500);  // beyond the range: the knob rests against button B, which ends the bar
    bar->SetSize(300, 10);
    EXPECT_EQ(Size(), std::pair(300, bar->btnA->AktVYS()));
    EXPECT_EQ(std::pair(bar->btnB->x + bar->btnB->AktSIR() - 1, bar->btnB->y), std::pair(300, 0));
    EXPECT_EQ(std::pair(bar->GP(), bar->posuv->x + bar->posuv->AktSIR() - 1), std::pair(107, bar->btnB->x));
    bar->SetSize(-40, 0);
    EXPECT_TRUE(bar->dlzka == 0 && test_support::LogHas({"TLFW ERROR: ", "zaporna dlzka", "[-40]"}));
    bar->SR(INT_MIN, INT_MAX);
    bar->SP(INT_MAX);
    bar->HandleFWInteraction(tf_CScrollBar::ID_BTN_B, 1, bar->btnB);
    bar->HandleFWInteraction(42, 3, nullptr);  // not the bar's own: passed on unchanged
    EXPECT_EQ(owner.reports, (Reports{{5, INT_MAX}, {42, 3}}));
}

TEST_F(ScrollBar, TheTrackIsTiledToTheBarsEndAndCutThere) {
    const tf_TFAZA v = tf_DSGN.posuvV_podklad.faza, h = tf_DSGN.posuvH_podklad.faza;
    bar->Dsgn_Stock('V', 100, 0, (v.y2 - v.y1) * 10);  // whole tiles only
    owner.SetupVisual_Private();
    ExpectTrack(v.x2 - v.x1, (v.y2 - v.y1) * 10);
    bar->SetSize(0, 207);
    ExpectTrack(v.x2 - v.x1, 207);
    bar->MoveToRel(100, -35);  // partly above the screen
    ExpectTrack(v.x2 - v.x1, 207 - 35);
    bar->Dsgn_Stock('H', 30, 400, 100);
    owner.SetupVisual_Private();
    ExpectTrack(100, h.y2 - h.y1);
    bar->podklad.faza.sir = 1;  // a one-pixel track has no step
    ExpectTrack(0, 0);
}

TEST_F(ScrollBar, AnUnknownOrientationIsLoggedLaidOutUprightAndDrawsNoTrack) {
    test_support::AssertCounter asserts;
    bar->Dsgn_Stock('X', 0, 0, 200);
    EXPECT_TRUE(asserts.count() == 1 && test_support::LogHas({"TF_ScrollBar_w", "TLFW ERROR: ", "neznamy smer"}));
    owner.SetupVisual_Private();
    EXPECT_EQ(std::pair(bar->posuv->smer, bar->btnB->y + bar->btnB->AktVYS() - 1), std::pair('V', 200));
    EXPECT_EQ(Size(), std::pair(-7, -7));  // left alone
    ExpectTrack(0, 0);
}
