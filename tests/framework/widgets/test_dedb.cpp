// The edit box: keys, its limit, texts and numbers, its sunken frame.
#include <gtest/gtest.h>

#include <string>

#include "framework/widgets/tf_dedb.h"
#include "framework/widgets/tf_polchlo.h"
#include "platform/window.h"

namespace {
void Type(tf_CDEDB& e, int n) {
    for (int i = 0; i < n; ++i) EXPECT_TRUE(e.INFORMUJ_SA_KLAV('A' + i % 26));
}
}  // namespace

TEST(Dedb, CapitalLettersInBackspaceAndDeleteFromTheEnd) {
    tf_CPolCHLO box;
    tf_CDEDB* e = new tf_CDEDB(&box, 10, 10);
    EXPECT_TRUE(box.INFORMUJ_SA_KLAV(65));  // through the container
    e->INFORMUJ_SA_KLAV(66);
    e->INFORMUJ_SA_KLAV(67);
    EXPECT_STREQ(e->Get_Text(), "ABC");
    EXPECT_EQ(e->dlzka, 3);
    EXPECT_TRUE(e->INFORMUJ_SA_KLAV(VK_BACK));
    EXPECT_STREQ(e->Get_Text(), "AB");
    EXPECT_TRUE(e->INFORMUJ_SA_KLAV(VK_DELETE));
    EXPECT_STREQ(e->Get_Text(), "A");
    for (int key : {'1', ' ', 'a', 191, 0}) EXPECT_FALSE(box.INFORMUJ_SA_KLAV(key)) << key;
    e->INFORMUJ_SA_KLAV(VK_BACK);
    EXPECT_TRUE(e->INFORMUJ_SA_KLAV(VK_BACK));  // empty: consumed, nothing changes
    EXPECT_EQ(e->dlzka, 0);
    for (int event : {0, 1, -1}) EXPECT_FALSE(e->INFORMUJ_SA(e->x, e->y, event));  // even on its handle
}

TEST(Dedb, TheLimitLetsOneLetterPastItAndNeverOverrunsTheBuffer) {
    tf_CDEDB e(nullptr, 1);
    Type(e, 52);
    EXPECT_EQ(e.dlzka, 51);
    tf_CDEDB big(nullptr, 2, 500, nullptr), small(nullptr, 3, 4, GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(big.max_dlzka, 198);
    EXPECT_EQ(small.font, GetStockObject(DEFAULT_GUI_FONT));
    Type(big, 300);
    EXPECT_EQ(big.dlzka, 199);
    big.max_dlzka = 100000;  // set behind its back
    Type(big, 5);
    EXPECT_EQ(std::string(big.Get_Text()).size(), 199u);
    Type(small, 9);
    EXPECT_STREQ(small.Get_Text(), "ABCDE");
}

TEST(Dedb, TextsAndNumbersFromTheOwner) {
    tf_CDEDB e(nullptr, 0, 0);
    e.Set_Number(-15);
    EXPECT_STREQ(e.Get_Text(), "-15");
    EXPECT_EQ(e.dlzka, 3);
    e.Set_Text(std::string(1000, 'x').c_str());
    EXPECT_EQ(e.dlzka, 199);
    EXPECT_EQ(std::string(e.Get_Text()), std::string(199, 'x'));
    EXPECT_TRUE(e.INFORMUJ_SA_KLAV(VK_BACK));  // a text past the limit takes no letters, loses them
    EXPECT_TRUE(e.INFORMUJ_SA_KLAV('Q'));
    EXPECT_EQ(e.dlzka, 198);
    e.Set_Text("NAME");
    e.Set_Text(e.Get_Text() + 1);  // its own buffer back
    EXPECT_STREQ(e.Get_Text(), "AME");
    e.Set_Text(nullptr);
    EXPECT_EQ(e.dlzka, 0);
}

TEST(Dedb, DrawsASunkenFieldWithItsText) {
    IDirectDrawSurface* s = plat_CreateTestSurface(120, 60);
    tf_CDEDB e(nullptr, 0, 0);
    e.Dsgn(10, 10, 80, 24);
    e.Set_Text("W");
    e.ZOBRAZ(s);
    e.ZOBRAZ(static_cast<IDirectDrawSurface*>(nullptr));
    HDC dc = nullptr;
    s->GetDC(&dc);
    auto stored = [&](COLORREF c) {
        COLORREF old = GetPixel(dc, 119, 59), got = SetPixel(dc, 119, 59, c);
        SetPixel(dc, 119, 59, old);
        return got;
    };
    EXPECT_EQ(GetPixel(dc, 50, 30), stored(0x00C8C8C8));            // the fill
    EXPECT_EQ(GetPixel(dc, 10, 20), stored(0x00505050));            // dark left edge
    EXPECT_EQ(GetPixel(dc, 11, 20), stored(RGB(0, 0, 0)));          // black inside it
    EXPECT_EQ(GetPixel(dc, 90, 20), stored(RGB(255, 255, 255)));    // white right edge, past the fill
    EXPECT_EQ(GetPixel(dc, 50, 34), stored(RGB(255, 255, 255)));
    int ink = 0;
    for (int y = 15; y < 30; ++y)
        for (int x = 15; x < 30; ++x) ink += GetPixel(dc, x, y) != stored(0x00C8C8C8);
    EXPECT_GT(ink, 10);
    EXPECT_EQ(GetPixel(dc, 14, 12), stored(0x00C8C8C8));  // the text starts 5 in
    s->ReleaseDC(dc);
    s->Release();
}
