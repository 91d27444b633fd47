// The list menu: layouts and codes, the list under the pointer, pop-up chains, and its
// drawing (highlights, captions and icons by their codes, entries off the screen).
#include "framework/widgets/tf_polchlo.h"
#include "tests/framework/widgets/widget_fixture.h"
#include "tests/framework/widgets/dui_fixture.h"

using namespace dui_test;
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

TEST_F(Dui, BadAlignmentCodesAreRefused) {
    tf_CDUI l;
    l.SetTextMode("PD");
    for (const char* bad : {"XX", "lt", "LTX", "", static_cast<const char*>(nullptr)}) l.SetIconMode(bad), l.SetTextMode(bad);
    l.SetTextMode(0);
    l.SetTextMode(10);
    EXPECT_EQ(std::string(l.text_mod) + l.ikona_mod, "PDLT");
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "tf_CDUI::SetMode"}));
}

TEST_F(Dui, APressIsReportedOnceAndValueZeroNever) {
    tf_CDUI l;
    Fill(l, 3, 100, 100);  // rows at 103, 126 and 149
    l.popup = false;       // stays open after a choice
    V(l, 0)->hodnota = 0;
    V(l, 1)->hodnota = 7;
    int value = 0, id = 0;
    EXPECT_TRUE(l.INFORMUJ_SA(110, 130, 1) && V(l, 1)->stav == 2);
    EXPECT_TRUE(l.INFORMUJ_MA(&value) && value == 7);
    EXPECT_FALSE(l.INFORMUJ_MA(&value));
    l.INFORMUJ_SA(110, 130, -1);
    l.INFORMUJ_SA(110, 110, 1);
    EXPECT_FALSE(l.INFORMUJ_MA(&value) || V(l, 1)->stav != 0);
    l.INFORMUJ_SA(110, 150, 2);  // the second kind of choice
    EXPECT_TRUE(l.INFORMUJ_MA(&value) && value == 103);

    widget_test::Recorder box;  // a container passes the choice up with the list's ID, and moves the list
    tf_CDUI* in = new tf_CDUI(&box, 42);
    Fill(*in, 2, 0, 0);
    box.INFORMUJ_SA(5, 5, 1);
    EXPECT_TRUE(box.INFORMUJ_MA(&id) && id == 42 && box.reports == (widget_test::Reports{{42, 1}}));
    box.CHOD_NA(100, 100);
    EXPECT_TRUE(in->zmena);  // laid out afresh at the next drawing
    in->RESET_GEOMETRIE();
    EXPECT_EQ(B(V(*in, 0)->obdlz), (Box{103, 103, 223, 123}));
}

TEST_F(Dui, HoverEnteringAndLocks) {
    tf_CDUI l;
    Fill(l, 3, 100, 100);
    int index = -1, value = -1;
    l.INFORMUJ_SA(110, 130, 0);
    EXPECT_TRUE(l.INFORMUJ_MA_3(&index, &value) && V(l, 1)->stav == 1);
    EXPECT_EQ(std::make_pair(index, value), std::make_pair(1, 2));
    l.INFORMUJ_SA(111, 131, 0);  // still the same entry
    EXPECT_FALSE(l.INFORMUJ_MA_3(&index, &value));
    l.INFORMUJ_SA(110, 124, 0);  // the gap between entries
    EXPECT_EQ(std::make_pair(V(l, 1)->stav, l.nad), std::make_pair(0, -1));
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

TEST_F(Dui, BarDetailListsOpenUnderTheirEntryAndSwap) {
    tf_CDUI bar(1), knihy, info, locked;
    for (const char* c : {"Knihy...", "Info", "X"}) bar.PRIDAJ(bar.Count() + 1, c);
    bar.RESET_GEOMETRIE();
    bar.Eviduj_Master_Detail_popup(1, &knihy);
    bar.Eviduj_Master_Detail_popup(2, &info);
    bar.Eviduj_Master_Detail_popup(3, &locked);
    knihy.zivy = info.zivy = locked.zivy = knihy.popup = false;
    locked.zamknute = true;
    bar.INFORMUJ_SA(10, 10, 0);
    EXPECT_TRUE(knihy.zivy && knihy.popup && !info.zivy);
    EXPECT_EQ(std::make_tuple(knihy.x, knihy.y, V(bar, 0)->stav), std::make_tuple(4, 26, 3));
    bar.INFORMUJ_SA(80, 10, 0);
    EXPECT_TRUE(!knihy.zivy && info.zivy && info.x == 73 && info.y == 26);
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
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "detail uz je v retazi"}) && !V(sub, 0)->detail);

    bar.INFORMUJ_SA(10, 10, 0);
    menu.RESET_GEOMETRIE();
    menu.INFORMUJ_SA(10, 30, 0);  // a column opens its detail at its right edge
    EXPECT_EQ(std::make_pair(sub.x, sub.y), std::make_pair(menu.obal.right - 2, 29));
    sub.RESET_GEOMETRIE();
    EXPECT_TRUE(!menu.INFORMUJ_SA(1000, 1000, 1) && menu.zivy);  // its own detail is open: it stays
    sub.INFORMUJ_SA(sub.x + 5, sub.y + 5, 1);
    sub.INFORMUJ_SA(sub.x + 5, sub.y + 5, -1);
    EXPECT_TRUE(!sub.zivy && !menu.zivy && bar.zivy);

    bar.INFORMUJ_SA(10, 10, 0);
    EXPECT_TRUE(!menu.INFORMUJ_SA(1000, 1000, 0) && menu.zivy);  // a move outside leaves it open
    menu.INFORMUJ_SA(1000, 1000, 1);
    bar.INFORMUJ_SA(1000, 1000, 1);  // a bar is no pop-up
    EXPECT_TRUE(!menu.zivy && bar.zivy);
}

namespace {
constexpr uint16_t RED = 0xF800;
const RECT WHOLE = {20, 10, 140, 40};

// Lists drawn on `got` (the back buffer) and `want`, 200 x 60.
class DuiDraw : public srf_test::Screen {
protected:
    DuiDraw() : Screen(200, 60, 200, 60) {}
    void SetUp() override {
        Screen::SetUp();
        tf_CDUI_NoVoid = true;
        got = back;
        pic.lpDDS = plat_CreateTestSurface(22, 28);
        DDSURFACE_ZMAZ(pic.lpDDS, RED);
        Clear();
    }
    void TearDown() override {
        want->Release();
        Screen::TearDown();
    }
    void Clear() { DDSURFACE_ZMAZ(got, PAPER), DDSURFACE_ZMAZ(want, PAPER); }
    // A list without background whose entries keep the rectangles they are given.
    void Entry(tf_CDUI& l, RECT r, const char* text, bool icon) {
        l.pozadie = 0;
        l.PRIDAJ(&r, 1, text, icon ? new tf_CIcon(&pic, tf_TFAZA(1, 1, 21, 27)) : nullptr, true);
        V(l, l.Count() - 1)->cele_obdlz = WHOLE;
        l.zmena = false;
    }
    Box RedBounds() {
        Box b{1000, 1000, -1, -1};
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 200; ++x)
                if (Px(x, y) == RED) b = {std::min(b[0], x), std::min(b[1], y), std::max(b[2], x), std::max(b[3], y)};
        return b;
    }

    IDirectDrawSurface *got = nullptr, *want = plat_CreateTestSurface(200, 60);
    tf_CDas_Surface pic;
};
}  // namespace

TEST_F(DuiDraw, HighlightsByState) {
    tf_CDUI l;
    l.max_riadkov = 3;
    Fill(l, 4, 10, 2);  // rows at 5, 28 and 51; the fourth is neither laid out nor drawn
    l.pozadie = 2;
    for (int i = 0; i < 4; ++i) V(l, i)->stav = i % 3 + 1;
    V(l, 3)->obdlz = {150, 5, 190, 20};
    l.ZOBRAZ(got);
    const uint16_t white = Raw(RGB(255, 255, 255)), blue = Raw(0x00FF3C3C);
    const uint16_t red = Raw(0x003C3CFF), yellow = Raw(0x003CFFFF);
    EXPECT_EQ(std::make_tuple(Px(13, 10), Px(60, 35), Px(60, 55)), std::make_tuple(blue, red, yellow));
    EXPECT_EQ(std::make_pair(Px(11, 26), Px(160, 10)), std::make_pair(white, PAPER));  // background in the bounds only
    Clear();
    tf_CDUI empty;  // no background either
    empty.pozadie = 2;
    empty.CHOD_NA(10, 10);
    empty.ZOBRAZ(got);
    EXPECT_EQ(Px(11, 11), PAPER);
}

TEST_F(DuiDraw, CaptionsAndIconsSitByTheirCode) {
    RECT size = {0, 0, 0, 0};
    HDC dc = nullptr;
    want->GetDC(&dc);
    DrawTextA(dc, "Ag", -1, &size, DT_CALCRECT);
    want->ReleaseDC(dc);
    const int w = size.right, h = size.bottom, L = WHOLE.left, T = WHOLE.top, R = WHOLE.right, B = WHOLE.bottom;
    // The text cell and the icon (20 x 26) a margin of 1 from the entry's edges, or centred in it.
    const std::tuple<const char*, int, int, Box> cases[] = {
        {"LT", L + 1, T + 1, {21, 11, 40, 36}},
        {"PD", R - 1 - w, B - 1 - h, {119, 13, 138, 38}},
        {"CC", L + 1 + (R - L - 2 - w) / 2, T + 1 + (B - T - 2 - h) / 2, {70, 12, 89, 37}}};
    for (const auto& [kod, x, y, at] : cases) {
        SCOPED_TRACE(kod);
        Clear();
        want->GetDC(&dc);
        SetBkMode(dc, TRANSPARENT);
        TextOutA(dc, x, y, "Ag", 2);
        want->ReleaseDC(dc);
        tf_CDUI l, icon;
        Entry(l, WHOLE, "Ag", false);
        Entry(icon, WHOLE, nullptr, true);
        l.SetTextMode(kod);
        icon.SetIconMode(kod);
        l.ZOBRAZ(got);
        int ink = 0, wrong = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 200; ++x) ink += want->Row(y)[x] != PAPER, wrong += Px(x, y) != want->Row(y)[x];
        EXPECT_TRUE(ink > 0 && wrong == 0);
        icon.ZOBRAZ(got);
        EXPECT_EQ(RedBounds(), at);
    }
}

TEST_F(DuiDraw, EntriesOffTheScreenOrWithoutPicturesDrawOnlyWhatThereIs) {
    tf_CDUI l;
    Entry(l, {150, 50, 190, 70}, "Ag", true);  // partly off the screen
    l.PRIDAJ(2, "Ag", new tf_CIcon(), true);      // a placeholder box instead of a picture
    l.PRIDAJ(3, "Ag", "no_such_picture.bmp");     // nothing at all
    l.zmena = false;
    l.ZOBRAZ(got);
    EXPECT_EQ(RedBounds(), (Box{151, 51, 170, 58}));
}
