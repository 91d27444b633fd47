// The element: its pointer machine and hit tests.
#include "framework/widgets/tf_das.h"

#include <gtest/gtest.h>

#include <utility>

#include "framework/widgets/tf_tlac.h"
#include "tests/framework/widgets/widget_fixture.h"

using Element = widget_test::ScreenTest;

TEST_F(Element, PointerMachineCountsTheFarEdgesAndKeepsThePressOutside) {
    tf_CTlac button;  // 100 x 45, without picture
    button.MoveToRel(10, 10);
    struct Step {
        int x, y, event;
        bool consumed;
        int stav;
    };
    for (const Step& s : {Step{111, 55, 0, false, 0}, {110, 55, 0, true, 1}, {110, 56, 0, false, 0},
                          {50, 30, 1, true, 0},  // a press nothing armed: taken, no effect
                          {50, 30, 0, true, 1}, {50, 30, 1, true, 2}, {400, 300, 0, true, 2}, {400, 300, -1, true, 1},
                          {400, 300, 0, false, 0}})
        EXPECT_EQ(std::pair(button.INFORMUJ_SA(s.x, s.y, s.event), button.stav), std::pair(s.consumed, s.stav))
            << s.x << "," << s.y << " " << s.event;
    EXPECT_EQ(std::pair(button.x, button.akt_faza), std::pair(10, 0));  // not dragged; pressed and back
}

TEST_F(Element, HitTestsLeaveAMarginAndTransparentPixelsOut) {
    tf_CTlac button;
    button.MoveToRel(10, 10);
    EXPECT_TRUE(button.ZASAH(11, 11) && button.ZASAH(108, 53) && button.OSTRY_ZASAH(50, 30));
    EXPECT_FALSE(button.ZASAH(10, 11) || button.ZASAH(11, 10) || button.ZASAH(109, 53) || button.ZASAH(108, 54));

    // Hit exactly where drawn, mirrored or not: a phase transparent on its left two columns.
    tf_CDas_Surface side;
    Load(side, "bok.bmp", {"cccccccc", "c..ggggc", "c..ggggc", "c..ggggc", "c..ggggc", "c..ggggc", "cccccccc"});
    side.BC_NASTAV(0, 0);
    side.TC_NASTAV(1, 1);
    for (const int zrkadlo : {0, 1}) {
        tf_CDAS drawn(50, 50);
        drawn.srf = &side;
        drawn.EVIDUJ(4, 3);
        drawn.zrkadlo = zrkadlo;
        DDSURFACE_ZMAZ(back, 0);
        drawn.ZOBRAZ(back);
        int hits = 0;
        for (int y = 49; y < 58; ++y)
            for (int x = 49; x < 59; ++x) {
                const bool shown = Px(x, y) != 0 && drawn.ZASAH(x, y);
                hits += shown;
                EXPECT_EQ(drawn.OSTRY_ZASAH(x, y), shown) << zrkadlo << ": " << x << "," << y;
            }
        EXPECT_GT(hits, 0);
    }
}
