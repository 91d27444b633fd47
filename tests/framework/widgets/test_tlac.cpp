// Buttons, sliders and switches as their container reports them.
#include "framework/widgets/tf_tlac.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/widgets/tf_polchlo.h"
#include "tests/framework/widgets/widget_fixture.h"
#include "tests/support/test_support.h"

namespace {
using widget_test::Reports;

struct Controls : widget_test::ScreenTest {
    widget_test::Recorder box;
    // Events at (x, y) in turn; then whether a poll reports.
    bool At(int x, int y, std::initializer_list<int> events) {
        for (int e : events) box.INFORMUJ_SA(x, y, e);
        return box.INFORMUJ_MA(&id);
    }
    int id = -1;
};
}  // namespace

TEST_F(Controls, AButtonIsReportedOncePerPress) {
    box.MoveToRel(100, 100);
    tf_CTlac* b = new tf_CTlac(&box, 20, 10, 7);
    EXPECT_TRUE(At(130, 120, {0, 1}) && id == 7);
    EXPECT_FALSE(box.INFORMUJ_MA(&id));
    EXPECT_EQ(b->akt_faza, 1);
    EXPECT_TRUE(At(130, 120, {-1, 1}));
    b->zivy = false;
    EXPECT_FALSE(At(130, 120, {-1, 1}));
    EXPECT_EQ(box.reports, (Reports{{7, 1}, {7, 1}}));
    EXPECT_STREQ((new tf_CTlac(&box, 8))->nazov, "ID 8");
    EXPECT_TRUE(test_support::LogHas({"TF_DAS_w", "  tf_CTlac::tf_CTlac(parent.)", "[ID 8]"}));
}

TEST_F(Controls, ASliderKeepsToItsTrackAndReportsItsValueWhileHeld) {
    box.MoveToRel(100, 200);
    tf_CPosuv* s = new tf_CPosuv(&box, 9, 0, 0);
    s->Dsgn(0, 'V', 5, 20, 100);  // y 220 ... 320 at x 105
    s->SR(0, 100);
    s->SP(0);
    EXPECT_EQ(std::pair(s->x, s->y), std::pair(105, 220));
    for (int e : {0, 1}) box.INFORMUJ_SA(105, 220, e);
    box.INFORMUJ_SA(300, 270, 0);
    EXPECT_EQ(std::make_tuple(s->GP(), s->x, s->ry), std::make_tuple(50, 105, 70));
    EXPECT_TRUE(box.INFORMUJ_MA(&id) && box.INFORMUJ_MA(&id));
    EXPECT_EQ(box.reports, (Reports{{9, 50}, {9, 50}}));
    const int ends[][3] = {{900, 100, 320}, {-50, 0, 220}};  // pointer y, value, knob y
    for (const auto& e : ends) {
        box.INFORMUJ_SA(105, e[0], 0);
        EXPECT_EQ(std::pair(s->GP(), s->y), std::pair(e[1], e[2]));
    }
    EXPECT_FALSE(At(105, -50, {-1}));
    const int ranges[][4] = {{10, 10, 10, 110}, {50, 0, 0, 50}};  // set, then kept: at least 100 apart, in order
    for (const auto& r : ranges) {
        s->SR(r[0], r[1]);
        EXPECT_EQ(std::pair(s->rozsah_od, s->rozsah_do), std::pair(r[2], r[3]));
    }
    s->SR(0, 100);
    s->SP(500);
    EXPECT_EQ(std::pair(s->GP(), s->y), std::pair(100, 320));
    box.CHOD_NA(0, 0);  // the knob goes with its parent
    EXPECT_EQ(s->y, 120);
    s->Dsgn(0, 'H', 7, 10, 200);
    s->SP(25);
    EXPECT_EQ(std::pair(s->x, s->y), std::pair(60, 7));
}

TEST_F(Controls, ASwitchTogglesOrWithRadioStaysOn) {
    tf_CDPrep* p = new tf_CDPrep(&box, 3);
    p->Dsgn0_VoidDC(0, 0, 50, 50);
    auto press = [&] { return widget_test::Click(box, 10, 10) == 3; };
    EXPECT_TRUE(press());
    EXPECT_TRUE(p->zapnute && p->hodnota == 1 && p->akt_faza == 3);
    box.INFORMUJ_SA(200, 200, 0);
    EXPECT_EQ(p->akt_faza, 2);
    EXPECT_TRUE(press());
    EXPECT_TRUE(p->hodnota == 0 && p->akt_faza == 1);
    p->radio = 1;
    press();
    press();
    EXPECT_TRUE(p->zapnute);
    EXPECT_EQ(box.reports, (Reports{{3, 1}, {3, 1}, {3, 1}, {3, 1}}));
    EXPECT_TRUE(test_support::LogHas({"  tf_CDPrep::tf_CDPrep(parent.)", "[noname_prep]"}));
}
