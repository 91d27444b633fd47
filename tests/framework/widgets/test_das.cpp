// The element: its pointer machine and hit tests; icon widgets on it.
#include "framework/widgets/tf_das.h"

#include <gtest/gtest.h>

#include <utility>

#include "framework/widgets/tf_policon.h"
#include "framework/widgets/tf_tlac.h"
#include "tests/framework/widgets/widget_fixture.h"

namespace {
struct Element : widget_test::ScreenTest {
    // A 5 x 5 green phase framed in cyan with one magenta (transparent) pixel at (3, 3).
    void SetUp() override {
        widget_test::ScreenTest::SetUp();
        srf_test::WriteFile("herec.bmp", srf_test::Bmp({"ccccccc", "cgggggc", "cgggggc", "cgg.ggc", "cgggggc",
                                                        "cgggggc", "ccccccc"}));
        picture.NAHRAJ_SURFACE(dd, "herec.bmp");
        picture.BC_NASTAV(0, 0);
        picture.TC_NASTAV(3, 3);
    }
    tf_CDas_Surface picture;
    tf_CPolCHLO root;
};
}  // namespace

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
    srf_test::WriteFile("bok.bmp", srf_test::Bmp({"cccccccc", "c..ggggc", "c..ggggc", "c..ggggc", "c..ggggc",
                                                  "c..ggggc", "cccccccc"}));
    tf_CDas_Surface side;
    side.NAHRAJ_SURFACE(dd, "bok.bmp");
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

TEST_F(Element, AnIconWidgetDrawsItsPhaseAndGivesUpAPictureItLoaded) {
    root.MoveToRel(50, 60);
    tf_CPolIcon* icon = new tf_CPolIcon(&root, -1);
    icon->Dsgn_PolIcon_User(10, 10, &picture, 1, 1);
    int w = 0, h = 0;
    icon->GetSize(&w, &h);
    EXPECT_EQ(std::pair(w, icon->x), std::pair(6, 60));
    tf_CPolIcon* own = new tf_CPolIcon(&root, 0, 0, "herec.bmp");
    EXPECT_EQ(own->vlastni, 1);
    own->Dsgn_PolIcon_User(0, 0, &picture, 1, 1);
    EXPECT_TRUE(own->vlastni == 0 && own->srf == &picture);
}
