// The list menu: layouts and codes, the list under the pointer, pop-up chains, and its
// drawing (a highlight, entries off the screen).
#include "tests/framework/widgets/widget_fixture.h"

using namespace widget_test;
using test_support::LogHas;

TEST_F(Dui, ColumnArcAndLimitedColumnLayouts) {
    tf_CDUI l, arc(0);
    Fill(l, 3, 100, 100);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(B(V(l, i)->obdlz), (Box{103, 103 + 23 * i, 223, 123 + 23 * i}));
    EXPECT_EQ(B(l.obal), (Box{100, 100, 226, 172}));
    l.CHOD_NA_CENTER(500, 300);
    l.RESET_GEOMETRIE();
    EXPECT_EQ(B(l.obal), (Box{437, 264, 563, 336}));

    l.max_riadkov = 2;
    Fill(l, 2, 300, 300);  // five entries, two of them shown
    EXPECT_EQ(B(V(l, 1)->obdlz), (Box{303, 326, 423, 346}));
    EXPECT_EQ(V(l, 2)->obdlz.top, 264 + 3 + 46);  // kept from before
    EXPECT_EQ(std::make_pair(l.obal.bottom, l.plocha.bottom), std::make_pair(349, 346));
    EXPECT_FALSE(l.INFORMUJ_SA(310, 355, 1));  // where the third row would be

    Fill(arc, 4, 0, 0);  // the middle entries raised; the bounds kept on the screen
    const int tops[] = {61, 31, 1, 31}, L = 30;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(B(V(arc, i)->obdlz), (Box{L + 130 * i, tops[i], L + 100 + 130 * i, tops[i] + 80}));
    EXPECT_EQ(B(arc.obal), (Box{1, 1, 550, 171}));
}

TEST_F(Dui, BarEntriesAreAsWideAsTheirCaptionsWhateverTheCaption) {
    tf_CDUI l(1);
    for (const char* c : {"Knihy...", "Info", "", static_cast<const char*>(nullptr)}) l.PRIDAJ(1, c);
    l.PRIDAJ(5, std::string(100000, 'W').c_str());
    l.RESET_GEOMETRIE();
    EXPECT_EQ(B(V(l, 1)->obdlz), (Box{73, 6, 107, 26}));
    EXPECT_EQ((Box{V(l, 2)->obdlz.left, V(l, 2)->obdlz.right, V(l, 3)->obdlz.right, V(l, 4)->obdlz.right}),
              (Box{110, 112, 117, 120 + 800002}));
}

TEST_F(Dui, APressIsReportedOnceAndValueZeroNever) {
    tf_CDUI l;
    Fill(l, 3, 100, 100);  // rows at 103, 126 and 149
    l.popup = false;       // stays open after a choice
    V(l, 0)->hodnota = 0;
    V(l, 1)->hodnota = 7;
    int value = 0;
    EXPECT_TRUE(l.INFORMUJ_SA(110, 130, 1) && V(l, 1)->stav == 2);
    EXPECT_TRUE(l.INFORMUJ_MA(&value) && value == 7);
    EXPECT_FALSE(l.INFORMUJ_MA(&value));
    l.INFORMUJ_SA(110, 130, -1);
    l.INFORMUJ_SA(110, 110, 1);
    EXPECT_FALSE(l.INFORMUJ_MA(&value) || V(l, 1)->stav != 0);
    l.INFORMUJ_SA(110, 150, 2);  // the second kind of choice
    EXPECT_TRUE(l.INFORMUJ_MA(&value) && value == 103);
}

TEST_F(Dui, HoverEnteringAndLocks) {
    tf_CDUI l;
    Fill(l, 3, 100, 100);
    int index = -1, value = -1;
    l.INFORMUJ_SA(110, 130, 0);
    EXPECT_TRUE(l.INFORMUJ_MA_3(&index, &value) && V(l, 1)->stav == 1);
    EXPECT_EQ(std::make_pair(index, value), std::make_pair(1, 2));
    l.INFORMUJ_SA(110, 160, 1);  // a value waiting: no hover highlight
    l.INFORMUJ_SA(110, 130, 0);
    EXPECT_EQ(V(l, 1)->stav + V(l, 2)->stav, 0);
    l.INFORMUJ_SA(110, 160, 0);
    l.ODOBER();  // the entry just entered is gone
    EXPECT_FALSE(l.INFORMUJ_MA_3(&index, &value));
    l.zamknute = true;
    EXPECT_FALSE(l.INFORMUJ_SA(110, 110, 1));
    l.zamknute = false, l.zivy = false;
    EXPECT_FALSE(l.INFORMUJ_SA(110, 110, 1));
}

TEST_F(Dui, APopUpClosesAfterAChoiceAndOnAPressOutsideAndRefusesALoop) {
    tf_CDUI bar(1), menu;
    bar.PRIDAJ(1, "Knihy...");
    bar.RESET_GEOMETRIE();
    Fill(menu, 2, 0, 0);
    bar.Eviduj_Master_Detail_popup(1, &menu);
    menu.Eviduj_Master_Detail_popup(1, &bar);  // a loop would never close: refused
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "detail uz je v retazi"}) && !V(menu, 0)->detail);

    bar.INFORMUJ_SA(10, 10, 0);
    EXPECT_EQ(std::make_tuple(menu.zivy, menu.x, menu.y), std::make_tuple(true, 4, 26));
    menu.RESET_GEOMETRIE();
    menu.INFORMUJ_SA(menu.x + 5, menu.y + 5, 1);
    menu.INFORMUJ_SA(menu.x + 5, menu.y + 5, -1);
    EXPECT_TRUE(!menu.zivy && bar.zivy);

    bar.INFORMUJ_SA(10, 10, 0);
    EXPECT_TRUE(!menu.INFORMUJ_SA(1000, 1000, 0) && menu.zivy);  // a move outside leaves it open
    menu.INFORMUJ_SA(1000, 1000, 1);
    bar.INFORMUJ_SA(1000, 1000, 1);  // a bar is no pop-up
    EXPECT_TRUE(!menu.zivy && bar.zivy);
}

// Lists drawn on a 200 x 60 screen.
class DuiDraw : public srf_test::Screen {
protected:
    DuiDraw() : Screen(200, 60, 200, 60) {}
    void SetUp() override { Screen::SetUp(), tf_CDUI_NoVoid = true; }
};

TEST_F(DuiDraw, AHighlightFillsItsRowAndTheBackgroundOnlyTheBounds) {
    tf_CDUI l;
    l.max_riadkov = 1;
    Fill(l, 2, 10, 2);  // the second row is neither laid out nor drawn
    l.pozadie = 2;
    V(l, 0)->stav = 1;
    V(l, 1)->stav = 2;
    V(l, 1)->obdlz = {150, 5, 190, 20};
    l.ZOBRAZ(back);
    EXPECT_EQ(std::make_tuple(Px(13, 10), Px(11, 26), Px(160, 10)), std::make_tuple(Raw(0x00FF3C3C), Raw(RGB(255, 255, 255)), PAPER));
}

TEST_F(DuiDraw, EntriesOffTheScreenOrWithoutPicturesDrawOnlyWhatThereIs) {
    tf_CDas_Surface pic;
    pic.lpDDS = plat_CreateTestSurface(22, 28);
    DDSURFACE_ZMAZ(pic.lpDDS, 0xF800);
    tf_CDUI l;
    l.pozadie = 0;
    RECT r = {150, 50, 190, 70};  // partly off the screen
    l.PRIDAJ(&r, 1, "Ag", new tf_CIcon(&pic, tf_TFAZA(1, 1, 21, 27)), true);
    V(l, 0)->cele_obdlz = {20, 10, 140, 40};
    l.PRIDAJ(2, "Ag", new tf_CIcon(), true);   // a placeholder box instead of a picture
    l.PRIDAJ(3, "Ag", "no_such_picture.bmp");  // nothing at all
    l.zmena = false;
    l.ZOBRAZ(back);
    Box red{1000, 1000, -1, -1};  // the picture's bounds, cut at the screen's edges
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x)
            if (Px(x, y) == 0xF800) red = {std::min(red[0], x), std::min(red[1], y), std::max(red[2], x), std::max(red[3], y)};
    EXPECT_EQ(red, (Box{151, 51, 170, 58}));
}
