// The list menu on a surface: highlights, captions and icons by their codes, cut entries.
#include "framework/surface/tf_dsrfc.h"
#include "tests/framework/widgets/dui_fixture.h"

using namespace dui_test;

namespace {
constexpr uint16_t PAPER = 0x1234, RED = 0xF800;
const RECT WHOLE = {20, 10, 140, 40};

class DuiDraw : public Dui {
protected:
    void SetUp() override {
        Dui::SetUp();
        tf_ScreenW = 200, tf_ScreenH = 60;
        tf_lpDDSPrimary = scratch;  // captions are measured on the primary
        pic.lpDDS = plat_CreateTestSurface(22, 28);
        DDSURFACE_ZMAZ(pic.lpDDS, RED);
        Clear();
    }
    void TearDown() override {
        tf_lpDDSPrimary = nullptr;
        for (IDirectDrawSurface* s : {got, want, scratch}) s->Release();
        Dui::TearDown();
    }
    void Clear() { DDSURFACE_ZMAZ(got, PAPER), DDSURFACE_ZMAZ(want, PAPER); }
    // A list without background whose entries keep the rectangles they are given.
    void Entry(tf_CDUI& l, RECT r, const char* text, bool icon, int rez = 0) {
        l.pozadie = 0;
        l.PRIDAJ(&r, 1, text, icon ? new tf_CIcon(&pic, tf_TFAZA(1, 1, 21, 27)) : nullptr, true);
        V(l, l.Count() - 1)->rez = rez, V(l, l.Count() - 1)->cele_obdlz = WHOLE;
        l.zmena = false;
    }
    uint16_t Px(int x, int y) { return got->Row(y)[x]; }
    uint16_t Raw(COLORREF c) { return static_cast<uint16_t>(DDPixelFromColor(scratch, c)); }
    // `got` shows `want` inside `keep` (something of it) and paper elsewhere.
    void ExpectShows(RECT keep) {
        int ink = 0, wrong = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 200; ++x) {
                const bool in = x >= keep.left && x < keep.right && y >= keep.top && y < keep.bottom;
                const uint16_t w = in ? want->Row(y)[x] : PAPER;
                ink += w != PAPER;
                wrong += Px(x, y) != w;
            }
        EXPECT_GT(ink, 0);
        EXPECT_EQ(wrong, 0);
    }
    Box RedBounds() {
        Box b{1000, 1000, -1, -1};
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 200; ++x)
                if (Px(x, y) == RED) b = {std::min(b[0], x), std::min(b[1], y), std::max(b[2], x), std::max(b[3], y)};
        return b;
    }

    IDirectDrawSurface *got = plat_CreateTestSurface(200, 60), *want = plat_CreateTestSurface(200, 60);
    IDirectDrawSurface* scratch = plat_CreateTestSurface(4, 4);
    tf_CDas_Surface pic;
};
}  // namespace

TEST_F(DuiDraw, HighlightsByStateFrameAndShape) {
    tf_CDUI l;
    l.max_riadkov = 3;
    Fill(l, 4, 10, 2);  // rows at 5, 28 and 51; the fourth is neither laid out nor drawn
    l.pozadie = 2, l.rozsir_x = 2;
    for (int i = 0; i < 4; ++i) V(l, i)->stav = i % 3 + 1;
    V(l, 3)->obdlz = {150, 5, 190, 20};
    l.ZOBRAZ(got);
    const uint16_t white = Raw(RGB(255, 255, 255)), blue = Raw(0x00FF3C3C);
    const uint16_t red = Raw(0x003C3CFF), yellow = Raw(0x003CFFFF);
    EXPECT_EQ(std::make_tuple(Px(11, 10), Px(60, 35), Px(60, 55)), std::make_tuple(blue, red, yellow));
    EXPECT_EQ(std::make_pair(Px(11, 26), Px(160, 10)), std::make_pair(white, PAPER));  // background in the bounds only

    V(l, 0)->stav = 0, l.ramik_volieb = 1;
    l.ZOBRAZ(got);
    EXPECT_EQ(std::make_pair(Px(13, 10), Px(60, 10)), std::make_pair(blue, white));  // a hollow frame

    Clear();
    l.pozadie = 0, l.rozsir_x = 0, l.ramik_volieb = 0, l.kreslenie = 2;  // bevels without fill
    V(l, 0)->stav = 1;
    l.ZOBRAZ(got);
    EXPECT_EQ(std::make_tuple(Px(13, 5), Px(132, 24), Px(60, 12)), std::make_tuple(white, Raw(0), PAPER));  // raised
    Clear();
    l.oble = true;
    l.ZOBRAZ(got);
    EXPECT_EQ(std::make_pair(Px(13, 5), Px(60, 15)), std::make_pair(PAPER, blue));  // a rounded corner

    Clear();
    l.zivy = false;  // hidden, then shown only on its own target
    l.ZOBRAZ(got);
    l.zivy = true;
    l.ciel = want;
    l.ZOBRAZ();
    EXPECT_EQ(std::make_pair(Px(60, 15), want->Row(15)[60]), std::make_pair(PAPER, blue));
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
        ExpectShows({0, 0, 200, 60});
        icon.ZOBRAZ(got);
        EXPECT_EQ(RedBounds(), at);
    }
}

TEST_F(DuiDraw, CutEntriesShowOnlyTheirVisiblePartAndMissingPicturesNothing) {
    const RECT cut[] = {{}, {20, 18, 140, 40}, {20, 10, 140, 30}};  // by rez: the top or the bottom off
    for (const char* kod : {"LT", "CC", "RB"})
        for (int rez : {1, 2})
            for (bool icon : {false, true}) {
                SCOPED_TRACE(std::string(kod) + " rez " + std::to_string(rez) + (icon ? " icon" : " caption"));
                Clear();
                tf_CDUI whole, part;
                Entry(whole, WHOLE, icon ? nullptr : "Ag", icon);
                Entry(part, cut[rez], icon ? nullptr : "Ag", icon, rez);
                for (tf_CDUI* l : {&whole, &part}) l->SetTextMode(kod), l->SetIconMode(kod);
                whole.ZOBRAZ(want);
                part.ZOBRAZ(got);
                const RECT& r = cut[rez];  // icons clip to the entry, captions to it less 1 all round
                ExpectShows(icon ? r : RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1});
            }
    Clear();
    tf_CDUI l;
    Entry(l, {150, 50, 190, 70}, "Ag", true);  // partly off the screen
    l.PRIDAJ(2, "Ag", new tf_CIcon(), true);      // a placeholder box instead of a picture
    l.PRIDAJ(3, "Ag", "no_such_picture.bmp");     // nothing at all
    l.zmena = false;
    l.ZOBRAZ(got);
    EXPECT_EQ(RedBounds(), (Box{151, 51, 170, 58}));
    l.ikona_mod[1] = 'X';  // spoilt behind its back
    l.ZOBRAZ(got);
    EXPECT_EQ(asserts.count(), 1);
}
