// The list menu's layouts, class defaults, placeholders and alignment codes.
#include <string>

#include "framework/widgets/tf_polchlo.h"
#include "tests/framework/widgets/dui_fixture.h"

using namespace dui_test;
using test_support::LogHas;

TEST_F(Dui, ColumnOfThreeAndItsBounds) {
    tf_CDUI l;
    Fill(l, 3, 100, 100);
    EXPECT_EQ(B(V(l, 0)->obdlz), (Box{103, 103, 223, 123}));
    EXPECT_EQ(B(V(l, 1)->obdlz), (Box{103, 126, 223, 146}));
    EXPECT_EQ(B(V(l, 2)->obdlz), (Box{103, 149, 223, 169}));
    EXPECT_EQ(B(l.obal), (Box{100, 100, 226, 172}));
    EXPECT_EQ((Box{l.plocha.left, l.plocha.top, l.plocha.right, l.plocha.bottom}), (Box{103, 103, 223, 169}));
    int w = 0, h = 0;
    l.GetSize(&w, &h);
    EXPECT_EQ(std::make_pair(w, h), std::make_pair(127, 73));
    l.CHOD_NA_CENTER(500, 300);  // laid out again at the next drawing
    l.RESET_GEOMETRIE();
    EXPECT_EQ(B(l.obal), (Box{437, 264, 563, 336}));
}

TEST_F(Dui, MaxRiadkovLaysOutDrawsAndHitsOnlyTheFirstRows) {
    tf_CDUI l;
    Fill(l, 5, 100, 100);
    l.max_riadkov = 2;
    l.CHOD_NA(300, 300);
    l.RESET_GEOMETRIE();
    EXPECT_EQ(B(V(l, 1)->obdlz), (Box{303, 326, 423, 346}));
    EXPECT_EQ(B(V(l, 2)->obdlz), (Box{103, 149, 223, 169}));  // kept from before
    EXPECT_EQ(B(l.obal), (Box{300, 300, 426, 349}));
    EXPECT_EQ(l.plocha.bottom, 346);
    int value = 0;
    EXPECT_FALSE(l.INFORMUJ_SA(310, 355, 1));  // where the third row would be
    EXPECT_FALSE(l.INFORMUJ_MA(&value));
}

TEST_F(Dui, ArcOfFourRaisesTheMiddleAndKeepsItsBoundsOnScreen) {
    tf_CDUI l(0);
    Fill(l, 4, 0, 0);
    const int tops[] = {61, 31, 1, 31}, lefts[] = {30, 160, 290, 420};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(B(V(l, i)->obdlz), (Box{lefts[i], tops[i], lefts[i] + 100, tops[i] + 80}));
    EXPECT_EQ(B(l.obal), (Box{1, 1, 550, 171}));
}

TEST_F(Dui, BarEntriesAreAsWideAsTheirCaptionsWhateverTheCaption) {
    tf_CDUI l(1);
    l.PRIDAJ(1, "Knihy...");
    l.PRIDAJ(2, "Info");
    l.RESET_GEOMETRIE();
    EXPECT_EQ(B(V(l, 0)->obdlz), (Box{4, 6, 70, 26}));
    EXPECT_EQ(B(V(l, 1)->obdlz), (Box{73, 6, 107, 26}));
    EXPECT_EQ(B(l.obal), (Box{1, 3, 1919, 29}));
    l.PRIDAJ(3, "");
    l.PRIDAJ(4, static_cast<const char*>(nullptr));
    l.PRIDAJ(5, std::string(100000, 'W').c_str());
    l.RESET_GEOMETRIE();
    EXPECT_EQ(B(V(l, 2)->obdlz), (Box{110, 6, 112, 26}));
    EXPECT_EQ(B(V(l, 3)->obdlz), (Box{115, 6, 117, 26}));
    EXPECT_EQ(V(l, 4)->obdlz.right, 120 + 800002);
    EXPECT_EQ(V(l, 3)->text, nullptr);
}

TEST_F(Dui, ClassDefaultsAndInvalidClasses) {
    tf_CDUI arc("menu_a", 0), bar(1), column(7);
    EXPECT_STREQ(arc.nazov, "menu_a");
    EXPECT_EQ(arc.class_id, 11);
    EXPECT_EQ(std::make_pair(arc.x, arc.y), std::make_pair(960 + 15, 540));  // no entries yet
    EXPECT_EQ(std::make_pair(bar.x, bar.y), std::make_pair(1, 3));
    EXPECT_EQ(column.trieda, 2);
    EXPECT_EQ(std::make_pair(column.x, column.y), std::make_pair(960 - 63, 540 - 3));
    EXPECT_EQ(std::string(arc.text_mod) + arc.ikona_mod + bar.text_mod + bar.ikona_mod + column.text_mod + column.ikona_mod,
              "CBCCCCLCCCLT");
    EXPECT_TRUE(column.popup && !arc.popup && !bar.popup);
    column.RESET_DEFAULT(3);
    EXPECT_TRUE(LogHas({"TF_DUI_w(", "tf_CDUI::RESET_DEFAULT() - zadana nekorektna trieda [3]"}));
    EXPECT_EQ(column.trieda, 2);
    column.Nastav_Triedu(1);
    EXPECT_EQ(std::make_pair(column.sir_znaku, column.popup), std::make_pair(8, false));
    column.trieda = 9;  // set behind its back
    column.RESET_GEOMETRIE();
    column.RESET_DEFAULT();
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "RESET_GEOMETRIE() - trieda"}));
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "tf_CDUI::Inic_KP() - neznama trieda "}));
    EXPECT_EQ(asserts.count(), 3);  // the layout once by itself, then within the reset
}

TEST_F(Dui, PlaceholdersGiveWayToTheFirstRealEntries) {
    tf_CDUI_NoVoid = false;
    tf_CDUI l;
    ASSERT_EQ(l.Count(), 3);
    l.PRIDAJ(5, "A");
    l.PRIDAJ(6, "B");
    EXPECT_STREQ(V(l, 0)->text, "A");
    EXPECT_STREQ(V(l, 1)->text, "B");
    EXPECT_STREQ(V(l, 2)->text, "void_2");
    EXPECT_EQ(V(l, 2)->hodnota, 2);
    l.PRIDAJ(9, "void_9");  // placeholders come last
    EXPECT_EQ(l.Count(), 4);

    tf_CDUI shrunk;  // one placeholder taken away: the rest still give way, then entries append
    shrunk.ODOBER();
    for (const char* c : {"A", "B", "C"}) shrunk.PRIDAJ(1, c);
    EXPECT_EQ(shrunk.Count(), 3);
    EXPECT_STREQ(V(shrunk, 2)->text, "C");
    shrunk.VYMAZ();
    shrunk.ODOBER();
    EXPECT_EQ(shrunk.Count(), 0);
    EXPECT_TRUE(tf_CDUI_NoVoid);
}

TEST_F(Dui, AlignmentCodes) {
    tf_CDUI l;
    l.SetTextMode("PD");
    EXPECT_STREQ(l.text_mod, "PD");
    l.SetTextMode_NEXT();  // a Slovak code has no successor
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "SetMode_NEXT_EN"}));
    EXPECT_STREQ(l.text_mod, "LT");
    l.SetIconMode(9);
    l.SetIconMode_NEXT();
    EXPECT_STREQ(l.ikona_mod, "LT");
    l.SetTextMode(5);
    l.SetTextMode_NEXT();
    EXPECT_STREQ(l.text_mod, "RC");
    EXPECT_EQ(asserts.count(), 1);
    for (const char* bad : {"XX", "lt", "LTX", "", static_cast<const char*>(nullptr)}) l.SetIconMode(bad);
    l.SetTextMode(0);
    l.SetTextMode(10);
    EXPECT_EQ(std::string(l.text_mod) + l.ikona_mod, "RCLT");
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "tf_CDUI::SetMode"}));
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "SetMode_EN"}));
    EXPECT_EQ(asserts.count(), 8);
}

TEST_F(Dui, AListInAContainerFollowsIt) {
    tf_CPolCHLO box;
    tf_CDUI* l = new tf_CDUI(&box, 20, 30);  // owned by the container
    l->Dsgn(20, 30);
    Fill(*l, 1, l->x, l->y);
    box.CHOD_NA(100, 100);
    EXPECT_TRUE(l->zmena);  // laid out afresh at the next drawing
    l->RESET_GEOMETRIE();
    EXPECT_EQ(B(V(*l, 0)->obdlz), (Box{123, 133, 243, 153}));
    l->CHOD_NA(10, 10);
    EXPECT_EQ(std::make_pair(l->rx, l->ry), std::make_pair(-90, -90));
}
