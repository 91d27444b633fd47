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
        tf_lpDDSPrimary = measure;  // captions are measured on the primary
        for (IDirectDrawSurface* s : {got, want}) DDSURFACE_ZMAZ(s, PAPER);
        pic.lpDDS = plat_CreateTestSurface(22, 28);
        DDSURFACE_ZMAZ(pic.lpDDS, RED);
    }
    void TearDown() override {
        tf_lpDDSPrimary = nullptr;
        for (IDirectDrawSurface* s : {got, want, measure}) s->Release();
        Dui::TearDown();
    }
    // A list without background whose entries keep the rectangles they are given.
    void Entry(tf_CDUI& l, RECT r, const char* text, bool icon, int rez = 0) {
        l.pozadie = 0;
        l.PRIDAJ(&r, 1, text, icon ? new tf_CIcon(&pic, tf_TFAZA(1, 1, 21, 27)) : nullptr, true);
        tf_TVOLBA* v = V(l, l.Count() - 1);
        v->rez = rez;
        v->cele_obdlz = WHOLE;
        l.zmena = false;
    }
    COLORREF At(IDirectDrawSurface* s, int x, int y) {
        HDC dc = nullptr;
        s->GetDC(&dc);
        COLORREF c = GetPixel(dc, x, y);
        s->ReleaseDC(dc);
        return c;
    }
    COLORREF Stored(COLORREF c) {
        HDC dc = nullptr;
        want->GetDC(&dc);
        COLORREF s = SetPixel(dc, 0, 0, c);
        SetPixel(dc, 0, 0, RGB(255, 255, 255));
        want->ReleaseDC(dc);
        return s;
    }
    // `got` shows `want` inside `keep` (something of it) and paper elsewhere.
    void ExpectShows(RECT keep) {
        int ink = 0, wrong = 0;
        for (int y = 0; y < got->Height(); ++y)
            for (int x = 0; x < got->Width(); ++x) {
                const bool in = x >= keep.left && x < keep.right && y >= keep.top && y < keep.bottom;
                const uint16_t w = in ? want->Row(y)[x] : PAPER;
                ink += in && w != PAPER;
                wrong += got->Row(y)[x] != w;
            }
        EXPECT_GT(ink, 0);
        EXPECT_EQ(wrong, 0);
    }
    int Ink(IDirectDrawSurface* s) {
        int n = 0;
        for (int y = 0; y < s->Height(); ++y)
            for (int x = 0; x < s->Width(); ++x) n += s->Row(y)[x] != PAPER;
        return n;
    }
    Box RedBounds() {
        Box b{1000, 1000, -1, -1};
        for (int y = 0; y < got->Height(); ++y)
            for (int x = 0; x < got->Width(); ++x)
                if (got->Row(y)[x] == RED) b = {std::min(b[0], x), std::min(b[1], y), std::max(b[2], x), std::max(b[3], y)};
        return b;
    }

    IDirectDrawSurface *got = plat_CreateTestSurface(200, 60), *want = plat_CreateTestSurface(200, 60);
    IDirectDrawSurface* measure = plat_CreateTestSurface(10, 10);
    tf_CDas_Surface pic;
};
}  // namespace

TEST_F(DuiDraw, HighlightsByStateFrameAndShape) {
    tf_CDUI l;
    l.max_riadkov = 2;
    Fill(l, 3, 10, 2);  // rows at 5 and 28; the third is not laid out
    l.pozadie = 2;
    l.ramik_volieb = 1;
    V(l, 1)->stav = 2;
    V(l, 2)->stav = 2;
    V(l, 2)->obdlz = {13, 51, 133, 60};
    const COLORREF paper = At(got, 0, 0), white = Stored(RGB(255, 255, 255)), blue = Stored(0x00FF3C3C);
    l.ZOBRAZ(got);
    EXPECT_EQ(At(got, 11, 26), white);  // the background inside the bounds
    EXPECT_EQ(At(got, 13, 10), blue);   // a state-0 entry's frame
    EXPECT_EQ(At(got, 60, 10), white);
    EXPECT_EQ(At(got, 60, 35), Stored(0x003C3CFF));  // pressed: red
    EXPECT_EQ(At(got, 60, 55), paper);

    for (int s : {1, 3}) {
        V(l, 0)->stav = s;
        l.rozsir_x = 2;
        l.ZOBRAZ(got);
        EXPECT_EQ(At(got, 11, 10), s == 1 ? blue : Stored(0x003CFFFF));  // widened by 2
    }
    DDSURFACE_ZMAZ(got, PAPER);
    l.pozadie = 0, l.rozsir_x = 0, l.ramik_volieb = 0, l.kreslenie = 2;  // bevelled frames, no fill
    V(l, 0)->stav = 1;
    l.ZOBRAZ(got);
    EXPECT_EQ(At(got, 13, 5), white);  // raised
    EXPECT_EQ(At(got, 132, 24), Stored(RGB(0, 0, 0)));
    EXPECT_EQ(At(got, 60, 12), paper);
    EXPECT_EQ(At(got, 60, 28), Stored(0x00505050));  // sunken
    DDSURFACE_ZMAZ(got, PAPER);
    l.oble = true;
    l.ZOBRAZ(got);
    EXPECT_EQ(At(got, 13, 5), paper);  // the rounded corner
    EXPECT_EQ(At(got, 60, 15), blue);
}

TEST_F(DuiDraw, NothingWhenHiddenOrEmpty) {
    tf_CDUI l;
    l.pozadie = 2;
    l.ZOBRAZ(got);
    Fill(l, 1, 10, 10);
    l.zivy = false;
    l.ZOBRAZ(got);
    l.zivy = true;
    tf_lpDDSBack = got;
    l.ZOBRAZ();  // draws onto its own target only, and it has none yet
    tf_lpDDSBack = nullptr;
    l.ciel = want;
    l.ZOBRAZ();
    EXPECT_EQ(Ink(got), 0);
    EXPECT_EQ(At(want, 11, 11), Stored(RGB(255, 255, 255)));
}

TEST_F(DuiDraw, CaptionsSitByTheirCode) {
    HDC dc = nullptr;
    RECT size = {0, 0, 0, 0};
    want->GetDC(&dc);
    DrawTextA(dc, "Ag", -1, &size, DT_CALCRECT);
    want->ReleaseDC(dc);
    const int w = size.right, h = size.bottom, L = WHOLE.left, T = WHOLE.top, R = WHOLE.right, B = WHOLE.bottom;
    const struct {
        const char* kod;
        int x, y;  // the text cell, a margin of 1 from the entry's edges or centred between them
    } cases[] = {{"LT", L + 1, T + 1},
                 {"PD", R - 1 - w, B - 1 - h},
                 {"CC", L + 1 + (R - L - 2 - w) / 2, T + 1 + (B - T - 2 - h) / 2}};
    for (const auto& c : cases) {
        DDSURFACE_ZMAZ(got, PAPER);
        DDSURFACE_ZMAZ(want, PAPER);
        want->GetDC(&dc);
        SetBkMode(dc, TRANSPARENT);
        TextOutA(dc, c.x, c.y, "Ag", 2);
        want->ReleaseDC(dc);
        tf_CDUI l;
        Entry(l, WHOLE, "Ag", false);
        l.SetTextMode(c.kod);
        l.ZOBRAZ(got);
        SCOPED_TRACE(c.kod);
        ExpectShows({0, 0, 200, 60});
    }
}

TEST_F(DuiDraw, CutEntriesShowOnlyTheirVisiblePart) {
    const RECT cut[] = {{}, {20, 18, 140, 40}, {20, 10, 140, 30}};  // by rez: top or bottom off
    for (const char* kod : {"LT", "CC", "RB"})
        for (int rez : {1, 2})
            for (bool icon : {false, true}) {
                SCOPED_TRACE(std::string(kod) + " rez " + std::to_string(rez) + (icon ? " icon" : " caption"));
                DDSURFACE_ZMAZ(got, PAPER);
                DDSURFACE_ZMAZ(want, PAPER);
                tf_CDUI whole, part;
                Entry(whole, WHOLE, icon ? nullptr : "Ag", icon);
                Entry(part, cut[rez], icon ? nullptr : "Ag", icon, rez);
                for (tf_CDUI* l : {&whole, &part}) l->SetTextMode(kod), l->SetIconMode(kod);
                whole.ZOBRAZ(want);
                part.ZOBRAZ(got);
                const RECT& r = cut[rez];
                ExpectShows(icon ? r : RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1});
            }
}

TEST_F(DuiDraw, IconsSitByTheirCodeAndMissingPicturesDoNoHarm) {
    const struct {
        const char* kod;
        Box at;
    } cases[] = {{"LT", {21, 11, 40, 36}}, {"PD", {119, 13, 138, 38}}, {"CC", {70, 12, 89, 37}}};
    for (const auto& c : cases) {
        DDSURFACE_ZMAZ(got, PAPER);
        tf_CDUI l;
        Entry(l, WHOLE, nullptr, true);
        l.SetIconMode(c.kod);
        l.ZOBRAZ(got);
        EXPECT_EQ(RedBounds(), c.at) << c.kod;
    }
    DDSURFACE_ZMAZ(got, PAPER);
    tf_CDUI l;
    Entry(l, {150, 50, 190, 70}, "Ag", true);  // partly off the screen
    l.PRIDAJ(2, "Ag", new tf_CIcon(), true);      // a placeholder box instead of a picture
    l.PRIDAJ(3, "Ag", "no_such_picture.bmp");     // nothing at all
    l.zmena = false;
    l.ZOBRAZ(got);
    EXPECT_EQ(RedBounds(), (Box{151, 51, 170, 58}));
    l.SetIconMode("LT");
    l.ikona_mod[1] = 'X';  // spoilt behind its back
    l.ZOBRAZ(got);
    EXPECT_EQ(asserts.count(), 1);
}
