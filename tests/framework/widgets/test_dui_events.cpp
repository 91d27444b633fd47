// The list menu under the pointer: entry states, polling and pop-up chains.
#include "framework/widgets/tf_polchlo.h"
#include "tests/framework/widgets/dui_fixture.h"

using namespace dui_test;

namespace {
// A container that records what reaches it.
struct Owner : tf_CPolCHLO {
    bool HandleFWInteraction(int id, int value, tf_CPol*) override {
        got = {id, value};
        return true;
    }
    std::pair<int, int> got{0, 0};
};
}  // namespace

TEST_F(Dui, APressIsReportedOnceAndValueZeroNever) {
    tf_CDUI l;
    Fill(l, 3, 100, 100);
    l.popup = false;  // stays open after a choice
    V(l, 0)->hodnota = 0;
    V(l, 1)->hodnota = 7;
    int value = 0;
    EXPECT_TRUE(l.INFORMUJ_SA(110, 130, 1));
    EXPECT_EQ(V(l, 1)->stav, 2);
    EXPECT_TRUE(l.INFORMUJ_MA(&value) && value == 7);
    EXPECT_FALSE(l.INFORMUJ_MA(&value));
    l.INFORMUJ_SA(110, 130, -1);
    EXPECT_EQ(V(l, 1)->stav, 0);
    l.INFORMUJ_SA(110, 110, 1);
    EXPECT_FALSE(l.INFORMUJ_MA(&value));
    l.INFORMUJ_SA(110, 150, 2);  // the second kind of choice
    EXPECT_TRUE(l.INFORMUJ_MA(&value) && value == 103);

    Owner box;  // a container passes the choice up with the list's ID
    tf_CDUI* in = new tf_CDUI(&box, 42);
    Fill(*in, 2, 0, 0);
    in->INFORMUJ_SA(5, 5, 1);
    int id = 0;
    EXPECT_TRUE(box.INFORMUJ_MA(&id));
    EXPECT_EQ(id, 42);
    EXPECT_EQ(box.got, std::make_pair(42, 1));
}

TEST_F(Dui, HoverAndEnteringAnEntry) {
    tf_CDUI l;
    Fill(l, 3, 100, 100);
    int index = -1, value = -1;
    l.INFORMUJ_SA(110, 130, 0);
    EXPECT_EQ(V(l, 1)->stav, 1);
    EXPECT_TRUE(l.INFORMUJ_MA_3(&index, &value));
    EXPECT_EQ(std::make_pair(index, value), std::make_pair(1, 2));
    l.INFORMUJ_SA(111, 131, 0);  // still the same entry
    EXPECT_FALSE(l.INFORMUJ_MA_3(&index, &value));
    l.INFORMUJ_SA(110, 124, 0);  // the gap between entries
    EXPECT_EQ(V(l, 1)->stav, 0);
    EXPECT_EQ(l.nad, -1);
    l.INFORMUJ_SA(110, 160, 1);  // a value waiting: no hover highlight
    l.INFORMUJ_SA(110, 130, 0);
    EXPECT_EQ(V(l, 1)->stav, 0);
    EXPECT_EQ(V(l, 2)->stav, 0);
    EXPECT_FALSE(l.INFORMUJ_SA(99, 130, 0));
    EXPECT_EQ(l.nad, -1);
    l.INFORMUJ_MA(&value);
    l.INFORMUJ_SA(110, 160, 0);
    l.ODOBER();  // the entry last entered is gone
    l.ODOBER();
    EXPECT_FALSE(l.INFORMUJ_MA_3(&index, &value));

    l.posun = 1, l.posun_x = 50, l.posun_y = 0;  // input shifted back by the highlight shift
    EXPECT_TRUE(l.INFORMUJ_SA(160, 110, 0));
    EXPECT_EQ(V(l, 0)->stav, 1);
    l.zamknute = true;
    EXPECT_FALSE(l.INFORMUJ_SA(160, 110, 1));
    l.zamknute = false;
    l.zivy = false;
    EXPECT_FALSE(l.INFORMUJ_SA(160, 110, 1));
}

TEST_F(Dui, BarDetailListsOpenUnderTheirEntryAndSwap) {
    tf_CDUI bar(1), knihy, info, locked;
    bar.PRIDAJ(1, "Knihy...");
    bar.PRIDAJ(2, "Info");
    bar.PRIDAJ(3, "X");
    bar.RESET_GEOMETRIE();
    bar.Eviduj_Master_Detail_popup(1, &knihy);
    bar.Eviduj_Master_Detail_popup(2, &info);
    bar.Eviduj_Master_Detail_popup(3, &locked);
    bar.Eviduj_Master_Detail_popup(99, &bar);  // no such entry
    knihy.zivy = info.zivy = locked.zivy = false;
    knihy.popup = info.popup = false;
    locked.zamknute = true;
    EXPECT_EQ(knihy.master, &bar);

    bar.INFORMUJ_SA(10, 10, 0);
    EXPECT_TRUE(knihy.zivy && knihy.popup && !info.zivy);
    EXPECT_EQ(std::make_pair(knihy.x, knihy.y), std::make_pair(4, 26));
    EXPECT_EQ(V(bar, 0)->stav, 3);
    bar.INFORMUJ_SA(80, 10, 0);
    EXPECT_TRUE(!knihy.zivy && info.zivy);
    EXPECT_EQ(std::make_pair(info.x, info.y), std::make_pair(73, 26));
    bar.INFORMUJ_SA(112, 10, 0);
    EXPECT_TRUE(!info.zivy && !locked.zivy);
}

TEST_F(Dui, PopUpChainsCloseAfterAChoiceAndOnAPressOutside) {
    tf_CDUI bar(1), menu, sub;
    bar.PRIDAJ(1, "Knihy...");
    bar.RESET_GEOMETRIE();
    Fill(menu, 2, 0, 0);
    Fill(sub, 2, 0, 0);
    bar.Eviduj_Master_Detail_popup(1, &menu);
    menu.Eviduj_Master_Detail_popup(1, &sub);
    sub.Eviduj_Master_Detail_popup(2, &bar);  // a loop would never close: refused
    sub.Eviduj_Master_Detail_popup(1, &sub);
    EXPECT_TRUE(test_support::LogHas({"TLFW ERROR: ", "detail uz je v retazi"}));
    EXPECT_EQ(V(sub, 0)->detail, nullptr);

    bar.INFORMUJ_SA(10, 10, 0);
    menu.RESET_GEOMETRIE();
    menu.INFORMUJ_SA(10, 30, 0);
    EXPECT_EQ(std::make_pair(sub.x, sub.y), std::make_pair(menu.obal.right - 2, 29));
    sub.RESET_GEOMETRIE();
    EXPECT_FALSE(menu.INFORMUJ_SA(1000, 1000, 1));  // its own detail is open: it stays
    EXPECT_TRUE(menu.zivy);
    sub.INFORMUJ_SA(sub.x + 5, sub.y + 5, 1);
    sub.INFORMUJ_SA(sub.x + 5, sub.y + 5, -1);
    EXPECT_TRUE(!sub.zivy && !menu.zivy && bar.zivy);

    bar.INFORMUJ_SA(10, 10, 0);
    sub.zivy = false;
    EXPECT_FALSE(menu.INFORMUJ_SA(1000, 1000, 0));  // a move outside leaves it open
    EXPECT_TRUE(menu.zivy);
    menu.INFORMUJ_SA(1000, 1000, 1);
    EXPECT_FALSE(menu.zivy);
    bar.INFORMUJ_SA(1000, 1000, 1);  // a bar is no pop-up
    EXPECT_TRUE(bar.zivy);
}
