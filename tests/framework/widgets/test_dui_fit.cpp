// The list menu fitting its screen: menus and pop-ups that open to the left or upwards where the
// screen ends, columns as wide as their captions in their font, and the marked entry.
#include "framework/surface/tf_draw.h"
#include "framework/widgets/tf_duir.h"
#include "platform/codepage.h"
#include "tests/framework/widgets/widget_fixture.h"

using namespace widget_test;

namespace {
// The list lies whole on the 1920 x 1080 screen.
bool OnScreen(tf_CDUI& l) {
    int w = 0, h = 0;
    l.GetSize(&w, &h);
    return l.x >= 0 && l.y >= 0 && l.x + w <= tf_ScreenW && l.y + h <= tf_ScreenH;
}

// Column menus 127 x 72 before the screen measures captions.
void Menu(tf_CDUI& l) {
    Fill(l, 3, 0, 0);
    l.zivy = false;
}
}  // namespace

TEST_F(Dui, MenusAndPopUpsOpenWhereTheScreenHasRoom) {
    tf_CDUI bar(1), menu, sub;
    bar.PRIDAJ(1, "Knihy...");
    Menu(menu);
    Menu(sub);
    bar.Eviduj_Master_Detail_popup(1, &menu);
    menu.Eviduj_Master_Detail_popup(3, &sub);
    const auto point = [](tf_CDUI& l, int i) {
        const RECT r = V(l, i)->obdlz;
        l.INFORMUJ_SA((r.left + r.right) / 2, (r.top + r.bottom) / 2, 0);
        return r;
    };

    bar.CHOD_NA(0, 3);  // room everywhere: below the bar's entry, right of the menu's
    bar.RESET_GEOMETRIE();
    RECT e = point(bar, 0);
    EXPECT_EQ(std::tuple(menu.zivy, menu.x, menu.y), std::tuple(true, int(e.left), int(e.bottom)));
    menu.RESET_GEOMETRIE();
    e = point(menu, 2);
    EXPECT_EQ(std::tuple(sub.zivy, sub.x, sub.y), std::tuple(true, int(menu.obal.right) - 2, int(e.top)));

    bar.CHOD_NA(1850, 1050);  // at the bottom right corner: above the entry, ending with it
    bar.RESET_GEOMETRIE();
    e = point(bar, 0);
    int w = 0, h = 0;
    menu.GetSize(&w, &h);
    EXPECT_EQ(std::tuple(menu.x + w, menu.y + h), std::tuple(int(e.right), int(e.top))) << menu.x << "," << menu.y;
    menu.RESET_GEOMETRIE();  // laid out where it went, as drawing it does
    e = point(menu, 2);      // left of the menu, its bottom at the entry's
    sub.GetSize(&w, &h);
    EXPECT_EQ(std::tuple(sub.x + w, sub.y + h), std::tuple(int(menu.obal.left) + 2, int(e.bottom)));
    EXPECT_TRUE(OnScreen(menu) && OnScreen(sub));

    tf_CDUI tall;  // taller than the screen: from its top
    Fill(tall, 60, 0, 0);
    tall.CHOD_NA_OBRAZOVKU(1900, 1070);
    EXPECT_EQ(std::tuple(tall.x, tall.y), std::tuple(1900 - w, 0));
    sub.CHOD_NA_OBRAZOVKU(1900, 1070);  // a menu opened at the pointer ends at it
    EXPECT_EQ(std::tuple(sub.x, sub.y), std::tuple(1900 - w, 1070 - h));
    sub.CHOD_NA_OBRAZOVKU(5, 6);
    EXPECT_EQ(std::tuple(sub.x, sub.y), std::tuple(5, 6));
}

// Lists drawn on a 640 x 480 screen, on a white fill.
class DuiFit : public srf_test::ScreenTest {
protected:
    void SetUp() override { ScreenTest::SetUp(), tf_CDUI_NoVoid = true; }
    static void Draw(tf_CDUI& l) {
        l.pozadie = 2;
        l.CHOD_NA(20, 20);
        l.ZOBRAZ(tf_lpDDSBack);
    }
    // Pixels of the rectangle's columns [l, r) that are not the list's white.
    int Ink(RECT e, int l, int r) {
        const uint16_t white = Raw(RGB(255, 255, 255));
        return test_support::CountIn(l, e.top, r - 1, e.bottom - 1, [&](int x, int y) { return Px(x, y) != white; });
    }
    // The caption is inked, and not within `clear` pixels of either end of its entry.
    void ExpectClearOfTheEnds(RECT e, int clear) {
        EXPECT_GT(Ink(e, e.left, e.right), 20);
        EXPECT_EQ(Ink(e, e.left, e.left + clear) + Ink(e, e.right - clear, e.right), 0) << e.left << ".." << e.right;
    }
};

TEST_F(DuiFit, AColumnIsAsWideAsItsWidestCaptionInItsFont) {
    tf_CDUI l;
    l.PRIDAJ(1, "Kratke");
    l.PRIDAJ(2, plat_W1250(u8"1-Horizontálne, pomaly a ďaleko"));
    Draw(l);
    EXPECT_GT(V(l, 1)->obdlz.right - V(l, 1)->obdlz.left, 120);
    ExpectClearOfTheEnds(V(l, 1)->obdlz, 2);
    const int narrow = V(l, 1)->obdlz.right;
    HFONT big = CreateFontA(24, 0, 0, 0, 700, 0, 0, 0, 238, 0, 0, 0, 34, "Verdana");
    l.font = big;  // measured again in the new font
    Clear();
    Draw(l);
    EXPECT_GT(V(l, 1)->obdlz.right, narrow);
    ExpectClearOfTheEnds(V(l, 1)->obdlz, 2);
    l.Nastav_Text(2, "Dve");  // short captions keep the set width
    l.RESET_GEOMETRIE();
    EXPECT_EQ(V(l, 0)->obdlz.right - V(l, 0)->obdlz.left, 120);
    l.font = nullptr;
    DeleteObject(big);

    tf_CDUIR rows;  // a row scrolled out of view widens its list as well
    rows.max_viditelnych = 3;
    for (int i = 1; i <= 6; ++i) rows.PRIDAJ(i, i == 6 ? "Nova kniha, ktora je dlha" : "Kniha");
    rows.SetTextMode("LC");
    rows.text_okraj = 40;
    Draw(rows);
    int w = 0, h = 0;
    tf_glob_ZISTI_ROZMER_TEXTU("Nova kniha, ktora je dlha", rows.font, &w, &h);
    EXPECT_GE(rows.plocha.right - rows.plocha.left, 40 + w + 2);
}

TEST_F(DuiFit, TheMarkedEntryIsFilledAndCheckedAndMakesRoomForItsMark) {
    tf_CDUI l;
    for (const char* c : {"Jeden", "Dva"}) l.PRIDAJ(c[0] == 'J' ? 1 : 2, c);
    l.SetTextMode("LC");
    l.text_okraj = 2;
    const uint16_t fill = Raw(0x0096DC96), check = Raw(0x00006E00);
    const auto count = [&](int i, uint16_t colour) {
        const RECT e = V(l, i)->obdlz;
        return test_support::CountIn(e.left, e.top, e.right - 1, e.bottom - 1, [&](int x, int y) { return Px(x, y) == colour; });
    };
    Draw(l);
    EXPECT_EQ(count(0, fill) + count(1, fill) + count(0, check) + count(1, check), 0) << "nothing marked";
    l.Oznac(2);
    Clear();
    Draw(l);
    EXPECT_EQ(std::tuple(count(0, fill), count(0, check)), std::tuple(0, 0));
    EXPECT_GT(count(1, fill), 100);
    EXPECT_GT(count(1, check), 8);
    ExpectClearOfTheEnds(V(l, 0)->obdlz, 2);
    const RECT e = V(l, 1)->obdlz;  // the caption stands right of the mark's room
    EXPECT_EQ(test_support::CountIn(e.left, e.top, e.left + tf_CDUI::SIRKA_ZNACKY - 1, e.bottom - 1,
                                    [&](int x, int y) { return Px(x, y) != fill && Px(x, y) != check; }),
              0);
    V(l, 1)->stav = 1;  // pointed at: its highlight, the mark still on it
    Draw(l);
    EXPECT_GT(count(1, check), 8);
}
