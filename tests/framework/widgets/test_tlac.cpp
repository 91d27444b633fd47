// Buttons, sliders and the edit box as their container reports them.
#include "framework/widgets/tf_tlac.h"

#include <gtest/gtest.h>

#include <utility>

#include "framework/widgets/tf_dedb.h"
#include "platform/window.h"
#include "tests/framework/widgets/widget_fixture.h"

namespace {
using widget_test::Reports;

void Type(tf_CDEDB& e, int n) { for (int i = 0; i < n; ++i) EXPECT_TRUE(e.INFORMUJ_SA_KLAV('A' + i % 26)); }

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
