// The design record: built once from the skin, stock elements copied by name, and a skin
// that does not load.
#include "framework/widgets/tf_dsgn.h"

#include <gtest/gtest.h>

#include <utility>

#include "framework/core/tf_fsi.h"
#include "framework/surface/tf_display.h"
#include "framework/widgets/tf_tlac.h"
#include "tests/framework/widgets/widget_fixture.h"
#include "tests/support/test_support.h"

namespace {
bool same(const tf_TFAZA& a, const tf_TFAZA& b) { return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2; }
}  // namespace

using DesignRecord = widget_test::DesignedScreen;  // the program's own skin, from its resource

TEST_F(DesignRecord, BuildsOnceFromTheSkinResourceCopiesStockElementsByNameAndReleasesOnce) {
    EXPECT_EQ(tf_DSGN_DONE(), 0);
    ASSERT_FALSE(tf_FSI_Existuje_sub("rezia_dll.bmp"));  // the resource alone must do
    ASSERT_EQ(tf_DSGN_INIT_Background(nullptr), 1);
    tf_CDas_Surface* s = tf_DSGN.rezia_dll_srf;
    tf_CTlac* close = tf_DSGN._T_x_;
    ASSERT_TRUE(s && s->lpDDS && close->PocetFaz() == 3 && tf_DSGN._posuvV_->PocetFaz() == 3);
    EXPECT_TRUE(s->BC == s->lpDDS->Row(0)[0] && s->TC == s->lpDDS->Row(1)[1]);
    EXPECT_TRUE(same(*close->Faza(1), *close->Faza(0)) && !same(*close->Faza(2), *close->Faza(0)));  // normal and over are one picture
    tf_CTlac button;
    button.Dsgn1_Stock(5, 6, "_T_x_");
    button.EVIDUJ_CS();  // a phase of its own: the stock element keeps its three
    EXPECT_EQ(std::pair(button.PocetFaz(), close->PocetFaz()), std::pair(4, 3));
    EXPECT_TRUE(same(*button.Faza(2), *close->Faza(2)));
    const tf_TFAZA normal = *close->Faza(0);
    EXPECT_EQ(tf_DSGN_INIT_Background(nullptr), 0);
    EXPECT_TRUE(tf_DSGN.rezia_dll_srf == s && tf_DSGN._T_x_ == close);
    EXPECT_EQ(tf_DSGN_DONE(), 1);
    EXPECT_TRUE(!tf_DSGN_INIT_flag && !tf_DSGN.rezia_dll_srf && !tf_DSGN.hFont && tf_DSGN_DONE() == 0);
    EXPECT_TRUE(same(*button.Faza(0), normal));  // the copies outlive the record
}

TEST_F(DesignRecord, ASkinThatFailsLeavesVoidLooks) {
    tf_lpDD = nullptr;  // no surface can be made
    ASSERT_EQ(tf_DSGN_INIT_Background(nullptr), 1);
    EXPECT_TRUE(test_support::LogHas({"TLFW ERROR: ", "NAHRAJ_SURFACE"}));
    EXPECT_EQ(tf_DSGN._T_x_->PocetFaz(), 0);
    tf_CTlac button;
    button.Dsgn1_Stock(20, 20, "_T_x_");
    button.ZOBRAZ(back);
    EXPECT_EQ(Kinds(30, 60, 1), "f");          // the void box's fill
    tf_DSGN.ico_logo->ZOBRAZ(back, 300, 300);  // its placeholder
    EXPECT_EQ(Kinds(300, 300, 1), "W");
}
