// The row list: the view over the rows, plain and scrolled by pixels, the scroll buttons,
// finding rows, and rows or lists going away under the pointer.
#include "framework/widgets/tf_duir.h"

#include <string>

#include "tests/framework/widgets/widget_fixture.h"

using namespace widget_test;

namespace {
struct Rows : Dui {
    // Rows valued 101 ... captioned "Row 0", "Row 1", ..., the list at (100, 100).
    static void Add(tf_CDUIR& l, int n) {
        for (int i = l.CountR(), end = l.CountR() + n; i < end; ++i) l.PRIDAJ(101 + i, ("Row " + std::to_string(i)).c_str());
        l.CHOD_NA(100, 100);
        l.RESET_GEOMETRIER();
    }
    // View entry i shows row `row` (its value and its very caption).
    static void ExpectShows(tf_CDUIR& l, int i, int row) {
        EXPECT_TRUE(V(l, i)->hodnota == l[row]->hodnota && V(l, i)->text == l[row]->text) << "entry " << i;
    }
};
// Rows step 23 from the area's top 103; the slider column starts at 226.
Box whole(int top) { return {103, top, 223, top + 20}; }
}  // namespace

TEST_F(Rows, FewRowsFitInAPlainColumnMoreScrollBesideASlider) {
    tf_CDUIR l;
    Add(l, 5);
    EXPECT_TRUE(l.volby.count == 5 && !l.posuvanie && !l.posuvnik.zivy && !l.tlac_hore.zivy && l.max_posun == 0);
    ExpectShows(l, 4, 4);
    EXPECT_EQ(B(V(l, 4)->obdlz), whole(103 + 4 * 23));

    Add(l, 5);
    EXPECT_TRUE(l.posuvanie && l.posuvnik.zivy && l.tlac_hore.zivy && l.tlac_dole.zivy);
    EXPECT_EQ(std::make_tuple(l.max_posun, l.volby.count, l.max_riadkov), std::make_tuple(69, 8, 7));
    ExpectShows(l, 6, 6);
    EXPECT_EQ(B(V(l, 6)->obdlz), whole(103 + 23 * 6));

    l.posuvnik.SP(10);  // row 0 shows its lower 10 pixels, row 7 its upper 8
    l.RESET_GEOMETRIER();
    EXPECT_EQ(l.max_riadkov, 8);
    ExpectShows(l, 0, 0);
    EXPECT_EQ(std::make_tuple(V(l, 0)->rez, B(V(l, 0)->obdlz), B(V(l, 0)->cele_obdlz)),
              std::make_tuple(1, (Box{103, 103, 223, 113}), (Box{103, 93, 223, 113})));
    EXPECT_EQ(std::make_pair(V(l, 1)->rez, B(V(l, 1)->obdlz)), std::make_pair(0, whole(93 + 23)));
    ExpectShows(l, 7, 7);
    EXPECT_EQ(std::make_tuple(V(l, 7)->rez, B(V(l, 7)->obdlz), B(V(l, 7)->cele_obdlz)),
              std::make_tuple(2, (Box{103, 254, 223, 261}), whole(254)));

    while (l.CountR() > 5) l.ODOBERR();  // back to the plain column, the offset forgotten
    EXPECT_TRUE(!l.posuvanie && l.posun_r == 0 && l.volby.count == 5 && V(l, 0)->rez == 0);
}

TEST_F(Rows, ScrollButtonsStepByATenthAndOffsetsStayInRange) {
    tf_CDUIR l;
    Add(l, 10);
    auto press = [&](tf_CTlac& t) {
        l.INFORMUJ_SA(t.x + 5, t.y + 5, 0), l.INFORMUJ_SA(t.x + 5, t.y + 5, 1), l.RESET_GEOMETRIER();
        return l.posun_r;
    };
    EXPECT_EQ(press(l.tlac_dole), 6);
    EXPECT_EQ(press(l.tlac_dole), 12);
    EXPECT_EQ(press(l.tlac_hore), 6);
    int value = 0;
    EXPECT_FALSE(l.INFORMUJ_MA(&value));  // the buttons choose no row
    for (int i = 0; i < 2; ++i) press(l.tlac_hore);
    EXPECT_EQ(l.posun_r, 0);

    l.Nastav_Konstanty(2, 3, 120, 1);  // a range under ten pixels still moves
    l.RESET_GEOMETRIER();
    EXPECT_EQ(std::make_pair(l.max_posun, press(l.tlac_dole)), std::make_pair(9, 1));
    l.posuvnik.poz = 1000;  // beyond the end: the last rows, never past them
    l.RESET_GEOMETRIER();
    EXPECT_EQ(l.posun_r, 9);
}

TEST_F(Rows, AListEmptiedUnderThePointerReportsNothing) {
    tf_CDUIR l;
    l.popup = false;  // kept open, as the resolution dialog keeps its list
    Add(l, 10);
    l.INFORMUJ_SA(150, 150, 0);  // onto the third row
    int index = 0, value = 0;
    ASSERT_TRUE(l.INFORMUJ_MA_3(&index, &value));
    l.VYMAZR();
    EXPECT_EQ(std::make_pair(l.volby.count, l.posuvanie), std::make_pair(0, false));
    EXPECT_FALSE(l.INFORMUJ_MA_3(&index, &value));
    l.INFORMUJ_SA(150, 150, 1);
    EXPECT_FALSE(l.INFORMUJ_MA(&value));
}
