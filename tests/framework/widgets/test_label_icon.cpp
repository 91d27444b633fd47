// Labels in the design's font and icon widgets.
#include <gtest/gtest.h>

#include <utility>

#include "framework/surface/tf_draw.h"
#include "framework/widgets/tf_dsgn.h"
#include "framework/widgets/tf_label.h"
#include "framework/widgets/tf_polchlo.h"
#include "framework/widgets/tf_policon.h"
#include "tests/framework/surface/surface_fixture.h"
#include "tests/framework/widgets/widget_fixture.h"

namespace {
struct LabelAndIcon : widget_test::ScreenTest {
    void TearDown() override {
        tf_DSGN.hFont = nullptr;
        DeleteObject(big);
        widget_test::ScreenTest::TearDown();
    }
    HFONT big = CreateFontA(30, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Verdana");
    tf_CPolCHLO root;
};
}  // namespace

TEST_F(LabelAndIcon, ALabelDrawsAndMeasuresInTheDesignFont) {
    tf_DSGN.hFont = big;
    tf_CLabel* label = new tf_CLabel(&root, 10, 20, "Abc");
    label->farba = 0x000000FF;
    int w = 0, h = 0, system_w = 0, system_h = 0;
    label->GetSize(&w, &h);
    tf_glob_ZISTI_ROZMER_TEXTU("Abc", nullptr, &system_w, &system_h);
    EXPECT_GT(h, system_h + 8);
    label->ZOBRAZ();
    const int ink = Inked(10, 20, 10 + w - 1, 20 + h - 1);
    EXPECT_GT(ink, 0);
    EXPECT_EQ(Inked(0, 0, W - 1, H - 1), ink);  // within the measured box

    label->font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));  // its own font wins
    label->GetSize(&w, &h);
    EXPECT_EQ(h, system_h);
    label->SetText(label->text);  // its own text survives
    EXPECT_STREQ(label->text, "Abc");
    label->zivy = false;
    DDSURFACE_ZMAZ(back, PAPER);
    label->ZOBRAZ();
    EXPECT_EQ(Inked(0, 0, W - 1, H - 1), 0);
    EXPECT_STREQ((new tf_CLabel(&root, 5))->text, "Label [5]");
}

TEST_F(LabelAndIcon, AnIconWidgetDrawsItsPhaseUnlessHidden) {
    srf_test::WriteFile("ikona.bmp", srf_test::Bmp({"ccccc", "cgggc", "cg.gc", "cgggc", "ccccc"}));
    tf_CDas_Surface picture;
    picture.NAHRAJ_SURFACE(dd, "ikona.bmp");
    picture.BC_NASTAV(0, 0);
    picture.TC_NASTAV(2, 2);
    root.MoveToRel(50, 60);
    tf_CPolIcon* icon = new tf_CPolIcon(&root, -1);
    icon->Dsgn_PolIcon_User(10, 10, &picture, 1, 1);
    int w = 0, h = 0;
    icon->GetSize(&w, &h);
    EXPECT_EQ(std::pair(w, icon->x), std::pair(4, 60));
    icon->ZOBRAZ();
    EXPECT_EQ(Inked(0, 0, W - 1, H - 1), 8);  // a 3 x 3 phase with a transparent middle
    EXPECT_EQ(Px(60, 70), picture.lpDDS->Row(1)[1]);
    DDSURFACE_ZMAZ(back, PAPER);
    icon->zivy = false;
    icon->ZOBRAZ();
    EXPECT_EQ(Inked(0, 0, W - 1, H - 1), 0);

    tf_CPolIcon* own = new tf_CPolIcon(&root, 0, 0, "ikona.bmp");
    EXPECT_EQ(own->vlastni, 1);
    own->Dsgn_PolIcon_User(0, 0, &picture, 1, 1);  // gives up the picture it loaded
    EXPECT_TRUE(own->vlastni == 0 && own->srf == &picture);
}
