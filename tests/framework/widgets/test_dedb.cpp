// The edit box: keys, its limit, texts and numbers, its sunken frame.
#include <gtest/gtest.h>

#include <string>

#include "framework/surface/tf_dsrfc.h"
#include "framework/widgets/tf_dedb.h"
#include "framework/widgets/tf_polchlo.h"
#include "platform/window.h"
#include "tests/framework/widgets/widget_fixture.h"

static void Type(tf_CDEDB& e, int n) { for (int i = 0; i < n; ++i) EXPECT_TRUE(e.INFORMUJ_SA_KLAV('A' + i % 26)); }

TEST(Dedb, CapitalLettersInBackspaceAndDeleteFromTheEnd) {
    tf_CPolCHLO box;
    tf_CDEDB* e = new tf_CDEDB(&box, 10, 10);
    EXPECT_TRUE(box.INFORMUJ_SA_KLAV(65));  // through the container
    std::string seen;
    for (int key : {66, 67, VK_BACK, VK_DELETE}) {
        EXPECT_TRUE(e->INFORMUJ_SA_KLAV(key));
        seen += std::string(" ") + e->Get_Text();
    }
    EXPECT_EQ(seen, " AB ABC AB A");
    for (int key : {49, 32, 97, 191, 0}) EXPECT_FALSE(box.INFORMUJ_SA_KLAV(key)) << key;
    for (int i = 0; i < 3; ++i) e->INFORMUJ_SA_KLAV(VK_BACK);
    EXPECT_TRUE(e->INFORMUJ_SA_KLAV(VK_BACK));  // empty: consumed, nothing changes
    EXPECT_EQ(e->dlzka, 0);
    for (int event : {0, 1, -1}) EXPECT_FALSE(e->INFORMUJ_SA(e->x, e->y, event));  // even on its handle
}

TEST(Dedb, TheLimitAndTheBuffer) {
    tf_CDEDB e(nullptr, 1), big(nullptr, 2, 500, nullptr), small(nullptr, 3, 4, GetStockObject(DEFAULT_GUI_FONT));
    Type(e, 52);
    EXPECT_EQ(e.dlzka, 51);  // one past the limit of 50
    EXPECT_EQ(std::make_pair(big.max_dlzka, small.font), std::make_pair(198, GetStockObject(DEFAULT_GUI_FONT)));
    Type(big, 300);
    big.max_dlzka = 100000;  // set behind its back
    Type(big, 5);
    EXPECT_EQ(std::string(big.Get_Text()).size(), 199u);
    Type(small, 9);
    EXPECT_STREQ(small.Get_Text(), "ABCDE");

    e.Set_Number(-15);
    EXPECT_EQ(std::string(e.Get_Text()) + std::to_string(e.dlzka), "-153");
    e.Set_Text(std::string(1000, 'x').c_str());
    EXPECT_EQ(std::string(e.Get_Text()), std::string(199, 'x'));
    e.INFORMUJ_SA_KLAV(VK_BACK);  // past the limit: letters are consumed and dropped
    EXPECT_TRUE(e.INFORMUJ_SA_KLAV('Q'));
    EXPECT_EQ(e.dlzka, 198);
    e.Set_Text("NAME");
    e.Set_Text(e.Get_Text() + 1);  // its own buffer back
    EXPECT_STREQ(e.Get_Text(), "AME");
    e.Set_Text(nullptr);
    EXPECT_EQ(e.dlzka, 0);
}

using DedbOnScreen = widget_test::ScreenTest;

TEST_F(DedbOnScreen, DrawsASunkenFieldWithItsText) {
    tf_CDEDB e(nullptr, 0, 0);
    e.Dsgn(10, 10, 80, 24);
    e.Set_Text("W");
    e.ZOBRAZ(back);
    e.ZOBRAZ(static_cast<IDirectDrawSurface*>(nullptr));
    const uint16_t fill = Raw(0x00C8C8C8);
    EXPECT_EQ(std::make_tuple(Px(50, 30), Px(14, 12)), std::make_tuple(fill, fill));  // the text starts 5 in
    EXPECT_EQ(Kinds(10, 20, 2) + Kinds(90, 20, 1) + Kinds(50, 34, 1), "dKWW");  // dark, black; right, bottom past the fill
    EXPECT_GT(test_support::CountIn(15, 15, 29, 29, [&](int x, int y) { return Px(x, y) != fill; }), 10);
}
