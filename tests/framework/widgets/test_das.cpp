// The element: its pointer machine, hit tests and void look; labels and icon widgets on it.
#include "framework/widgets/tf_das.h"

#include <gtest/gtest.h>

#include <utility>

#include "framework/surface/tf_draw.h"
#include "framework/widgets/tf_dsgn.h"
#include "framework/widgets/tf_label.h"
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
    void TearDown() override {
        tf_DSGN.hFont = nullptr;
        widget_test::ScreenTest::TearDown();
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

    tf_CDAS element(20, 30);
    element.INFORMUJ_SA(25, 40, 0);
    element.INFORMUJ_SA(25, 40, 1);
    element.INFORMUJ_SA(125, 140, 0);
    EXPECT_EQ(std::pair(element.x, element.y), std::pair(120, 130));
    element.zivy = false;
    EXPECT_FALSE(element.INFORMUJ_SA(125, 140, -1));
}

TEST_F(Element, HitTestsLeaveAMarginAndTransparentPixelsOut) {
    tf_CTlac button;
    button.MoveToRel(10, 10);
    EXPECT_TRUE(button.ZASAH(11, 11) && button.ZASAH(108, 53) && button.OSTRY_ZASAH(50, 30));
    EXPECT_FALSE(button.ZASAH(10, 11) || button.ZASAH(11, 10) || button.ZASAH(109, 53) || button.ZASAH(108, 54));

    tf_CDAS actor(100, 100);
    actor.srf = &picture;
    actor.EVIDUJ(2, 2);
    ASSERT_EQ(actor.AktSIR(), 6);
    EXPECT_TRUE(actor.ZASAH(102, 102) && !actor.OSTRY_ZASAH(102, 102));  // the transparent pixel
    EXPECT_TRUE(actor.OSTRY_ZASAH(101, 101) && !actor.OSTRY_ZASAH(100, 100));
    actor.ZOBRAZ(back);
    EXPECT_EQ(Px(100, 100), picture.lpDDS->Row(1)[1]);
    EXPECT_EQ(Inked(0, 0, W - 1, H - 1), 24);  // keyed at the transparent pixel

}

TEST_F(Element, VoidLookNamesItsClassAndNameOnlyAbove30x30) {
    tf_CDAS big, narrow, flat;
    big.Dsgn0_VoidDC(10, 10, 31, 31);
    narrow.Dsgn0_VoidDC(200, 10, 30, 60);
    flat.Dsgn0_VoidDC(300, 10, 60, 30);
    big.ZOBRAZ(back);
    narrow.ZOBRAZ(back);
    flat.ZOBRAZ(back);
    EXPECT_EQ(Kinds(10, 10, 1) + Kinds(40, 10, 1), "WK");
    EXPECT_GT(Inked(15, 15, 38, 28), 0);  // the class name
    EXPECT_GT(Inked(15, 31, 38, 38), 0);  // the name
    EXPECT_EQ(Inked(201, 11, 227, 67) + Inked(301, 11, 357, 37), 0);

    tf_CTlac button;
    button.Dsgn0_VoidDC(300, 100, 50, 40);
    button.SF(2);
    button.ZOBRAZ(back);
    EXPECT_EQ(Kinds(300, 100, 1) + Kinds(302, 136, 1), "df");  // sunken while pressed, filled
}

TEST_F(Element, ALabelDrawsAndMeasuresInTheDesignFont) {
    HFONT big = CreateFontA(30, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Verdana");
    tf_DSGN.hFont = big;
    tf_CLabel* label = new tf_CLabel(&root, 10, 20, "Abc");
    int w = 0, h = 0, system_w = 0, system_h = 0;
    label->GetSize(&w, &h);
    tf_glob_ZISTI_ROZMER_TEXTU("Abc", nullptr, &system_w, &system_h);
    EXPECT_GT(h, system_h + 8);
    label->ZOBRAZ();
    const int ink = Inked(10, 20, 10 + w - 1, 20 + h - 1);
    EXPECT_TRUE(ink > 0 && Inked(0, 0, W - 1, H - 1) == ink);  // within the measured box
    label->SetText(label->text);  // its own text survives
    EXPECT_STREQ(label->text, "Abc");
    DeleteObject(big);
}

TEST_F(Element, AnIconWidgetDrawsItsPhaseAndGivesUpAPictureItLoaded) {
    root.MoveToRel(50, 60);
    tf_CPolIcon* icon = new tf_CPolIcon(&root, -1);
    icon->Dsgn_PolIcon_User(10, 10, &picture, 1, 1);
    int w = 0, h = 0;
    icon->GetSize(&w, &h);
    EXPECT_EQ(std::pair(w, icon->x), std::pair(6, 60));
    icon->ZOBRAZ();
    EXPECT_EQ(Inked(0, 0, W - 1, H - 1), 24);  // a 5 x 5 phase with a transparent pixel
    EXPECT_EQ(Px(60, 70), picture.lpDDS->Row(1)[1]);
    tf_CPolIcon* own = new tf_CPolIcon(&root, 0, 0, "herec.bmp");
    EXPECT_EQ(own->vlastni, 1);
    own->Dsgn_PolIcon_User(0, 0, &picture, 1, 1);
    EXPECT_TRUE(own->vlastni == 0 && own->srf == &picture);
}
