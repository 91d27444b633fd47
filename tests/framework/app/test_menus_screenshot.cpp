// The menus and lists on one headless frame, the pointer resting on the bar's first entry,
// written next to the test program as menus_screenshot.bmp and menus_screenshot.png and checked
// where a fault shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "framework/widgets/tf_dedb.h"
#include "framework/widgets/tf_dui.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_scrollbar.h"
#include "platform/backend.h"
#include "platform/pixel.h"
#include "tests/framework/app/menus_showcase.h"
#include "tests/framework/app/screenshot_fixture.h"

namespace {
tf_TVOLBA* entry(tf_CDUI* l, int i) { return static_cast<tf_TVOLBA*>(l->volby.GET(i)); }

class MenusScreenshot : public screenshot_test::Screenshot {
protected:
    void SetUp() override {
        Screenshot::SetUp();
        ASSERT_NO_FATAL_FAILURE(Capture(screen, screen.frames, false, [this] {
            const POINT p = screen.PointerSpot();
            plat_Headless_Post(WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
        }));
    }

    // Black pixels (the captions' ink) in the rectangle, right and bottom excluded.
    int Ink(RECT r) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += Px(x, y) == 0;
        return n;
    }

    // Pixel (u, v) of an icon's phase, read from its picture file: the surfaces themselves are
    // released when the screen shuts down.
    uint16_t IconPx(const tf_CIcon* icon, int u, int v) {
        const std::string name = icon->srf->subor_nazov;
        auto [at, fresh] = pictures.try_emplace(name);
        if (fresh) {
            HBITMAP bm = DDFindBitmap(name.c_str(), 0, 0);
            BITMAP info{};
            EXPECT_EQ(GetObjectA(bm, sizeof info, &info), int(sizeof info)) << name;
            const auto* rgb = static_cast<const uint32_t*>(info.bmBits);
            at->second.w = info.bmWidth;
            for (int i = 0; rgb && i < info.bmWidth * info.bmHeight; ++i)
                at->second.px.push_back(plat_XrgbTo565(rgb[i]));
            DeleteObject(bm);
        }
        const Picture& p = at->second;
        const size_t i = static_cast<size_t>((icon->faza.y1 + v) * p.w + icon->faza.x1 + u);
        return i < p.px.size() ? p.px[i] : icon->srf->TC;
    }

    // The icon drawn with its top left at (x, y), compared where it is opaque and lies in the
    // screen rows [top, bottom): how many of those pixels show it (*seen) and how many do not.
    int IconMismatches(const tf_CIcon* icon, int x, int y, int top, int bottom, int* seen) {
        const tf_TFAZA& f = icon->faza;
        int bad = 0;
        *seen = 0;
        for (int v = std::max(0, top - y); v < f.vys - 1 && y + v < bottom; ++v)
            for (int u = 0; u < f.sir - 1; ++u) {
                const uint16_t want = IconPx(icon, u, v);
                if (want == icon->srf->TC) continue;
                ++*seen;
                bad += Px(x + u, y + v) != want;
            }
        return bad;
    }

    // The track picture under a bar at `along` pixels from the bar's start: one row (or column)
    // of a tile, wherever nothing covers it.
    void ExpectTrackAt(const tf_CScrollBar* bar, int along) {
        const tf_CIcon& t = bar->podklad;
        ASSERT_TRUE(t.srf && t.faza.sir > 2 && t.faza.vys > 2);
        const bool h = bar->smer == 'H';
        const int step = (h ? t.faza.sir : t.faza.vys) - 1, in_tile = along % step;
        int seen = 0, bad = 0;
        for (int across = 0; across < (h ? t.faza.vys : t.faza.sir) - 1; ++across) {
            const int u = h ? in_tile : across, v = h ? across : in_tile;
            const uint16_t want = IconPx(&t, u, v);
            if (want == t.srf->TC) continue;
            ++seen;
            bad += Px(bar->x + (h ? along : across), bar->y + (h ? across : along)) != want;
        }
        EXPECT_GT(seen, 3);
        EXPECT_EQ(bad, 0) << (h ? "horizontal" : "vertical") << " at " << along;
    }

    struct Picture {
        int w = 0;
        std::vector<uint16_t> px;
    };
    std::map<std::string, Picture> pictures;
    menus_test::MenusScreen screen;
};

TEST_F(MenusScreenshot, IsWrittenAsBmpAndPngThatReadBack) { SaveAndReadBack("menus_screenshot"); }

TEST_F(MenusScreenshot, TheBarEntryUnderThePointerHangsItsPopUpBelowIt) {
    tf_TVOLBA* knihy = entry(screen.bar, 0);
    ASSERT_EQ(knihy->stav, 3);
    const uint16_t yellow = Raw(0x003CFFFF);
    EXPECT_TRUE(
        Shows(knihy->obdlz.left + 1, knihy->obdlz.top + 1, knihy->obdlz.left + 3, knihy->obdlz.bottom - 1, yellow));
    for (int i = 1; i < 4; ++i) {
        const RECT r = entry(screen.bar, i)->obdlz;
        EXPECT_FALSE(Shows(r.left, r.top, r.right - 1, r.bottom - 1, yellow)) << i;
        EXPECT_GT(Ink(r), 20) << entry(screen.bar, i)->text;
    }

    tf_CDUI* p = screen.popup;
    ASSERT_TRUE(p->zivy);
    EXPECT_EQ(std::pair(p->x, p->y), std::pair(int(knihy->obdlz.left), int(knihy->obdlz.bottom)));
    // Every entry's caption is written inside it, and the net's border closes the list.
    ASSERT_EQ(p->Count(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_GT(Ink(entry(p, i)->obdlz), 30) << entry(p, i)->text;
    const RECT o = p->obal;
    for (int y = o.top + 5; y < o.bottom - 5; y += 7) EXPECT_TRUE(Px(o.left, y) == 0 && Px(o.right - 1, y) == 0) << y;
    EXPECT_EQ(Changed(o.left, o.bottom + 1, o.right, o.bottom + 20), 0);
}

TEST_F(MenusScreenshot, TheArcShowsEachIconWholeAboveItsCaption) {
    tf_CDUI* a = screen.arc;
    ASSERT_EQ(a->Count(), 5);
    for (int i = 0; i < 5; ++i) {
        const tf_TVOLBA* v = entry(a, i);
        const tf_TFAZA& f = v->ikona->faza;
        const RECT& r = v->obdlz;
        int seen = 0;
        // Centred both ways in the entry.
        const int x = (r.left + r.right - f.sir + 1) / 2, y = (r.top + r.bottom - f.vys + 1) / 2;
        EXPECT_EQ(IconMismatches(v->ikona, x, y, r.top, r.bottom, &seen), 0) << v->text;
        EXPECT_GT(seen, 300) << v->text;
        EXPECT_GT(Ink({r.left, y + f.vys - 1, r.right, r.bottom}), 20) << v->text;
    }
    // The middle entry stands highest.
    EXPECT_LT(entry(a, 2)->obdlz.top, entry(a, 1)->obdlz.top);
    EXPECT_LT(entry(a, 1)->obdlz.top, entry(a, 0)->obdlz.top);
}

TEST_F(MenusScreenshot, TheScrolledRowListCutsItsTopAndBottomRows) {
    tf_CDUIR* l = screen.rows;
    ASSERT_TRUE(l->posuvanie);
    ASSERT_EQ(l->posun_r % l->krok_volby, 17);
    ASSERT_EQ(l->max_riadkov, 9);
    const tf_TVOLBA* top = entry(l, 0);
    const tf_TVOLBA* bottom = entry(l, 8);
    ASSERT_EQ(top->rez, 1);
    ASSERT_EQ(bottom->rez, 2);

    // Each icon keeps its place in the whole row; the part in view is drawn, the rest nowhere.
    for (const tf_TVOLBA* v : {top, bottom}) {
        const tf_TFAZA& f = v->ikona->faza;
        const RECT& w = v->cele_obdlz;
        const int x = w.left + l->ikona_okraj, y = (w.top + w.bottom - f.vys + 1) / 2;
        int seen = 0;
        EXPECT_EQ(IconMismatches(v->ikona, x, y, v->obdlz.top, v->obdlz.bottom, &seen), 0) << v->text;
        int whole = 0;
        IconMismatches(v->ikona, x, y, y, y + f.vys, &whole);
        EXPECT_TRUE(seen > 20 && seen < whole * 3 / 4) << v->text << ": " << seen << " of " << whole;
    }
    EXPECT_EQ(Changed(top->cele_obdlz.left, top->cele_obdlz.top, top->cele_obdlz.right, l->obal.top - 1), 0);
    EXPECT_EQ(Changed(bottom->cele_obdlz.left, l->obal.bottom + 1, bottom->cele_obdlz.right, bottom->cele_obdlz.bottom),
              0);
    // The top row's caption keeps its place in the whole row too: it runs on past the cut edge,
    // where a whole row's caption keeps clear of its edges. Captions stay a pixel inside the
    // entry.
    const auto first_line = [](const tf_TVOLBA* v) {
        return RECT{v->obdlz.left, v->obdlz.top + 1, v->obdlz.right, v->obdlz.top + 2};
    };
    EXPECT_GT(Ink(top->obdlz), 20);
    EXPECT_GT(Ink(first_line(top)), 0);
    EXPECT_EQ(Ink(first_line(entry(l, 1))), 0);

    // The rows in between are whole, with their own icons and captions in order.
    for (int i = 1; i < 8; ++i) {
        const tf_TVOLBA* v = entry(l, i);
        EXPECT_EQ(v->rez, 0);
        EXPECT_STREQ(v->text, (*l)[i]->text);
        EXPECT_EQ(v->ikona, (*l)[i]->ikona);
        int seen = 0;
        const tf_TFAZA& f = v->ikona->faza;
        EXPECT_EQ(
            IconMismatches(v->ikona, v->obdlz.left + l->ikona_okraj, (v->obdlz.top + v->obdlz.bottom - f.vys + 1) / 2,
                           v->obdlz.top, v->obdlz.bottom, &seen),
            0)
            << v->text;
    }
}

TEST_F(MenusScreenshot, ScrollBarsShowTheirTracksBetweenTheButtons) {
    for (const tf_CScrollBar* bar : {screen.vertical, screen.horizontal}) {
        const bool h = bar->smer == 'H';
        const int a = h ? bar->btnA->AktSIR() : bar->btnA->AktVYS();
        const int knob = h ? bar->posuv->x - bar->x : bar->posuv->y - bar->y;
        ASSERT_GT(knob, a + 10);
        ExpectTrackAt(bar, a + 4);
        ExpectTrackAt(bar, (a + knob) / 2);
        ExpectTrackAt(bar, knob - 3);
    }
    // The knobs sit in proportion to their values: 70 of 1 ... 100 low on the vertical bar, 35
    // of 0 ... 100 in the first half of the horizontal one.
    const tf_CScrollBar* v = screen.vertical;
    const tf_CScrollBar* h = screen.horizontal;
    EXPECT_GT(v->posuv->y - v->y, v->dlzka / 2);
    EXPECT_TRUE(h->posuv->x - h->x > h->dlzka / 5 && h->posuv->x - h->x < h->dlzka / 2);
}

TEST_F(MenusScreenshot, TheEditBoxShowsItsTextInItsSunkenField) {
    const tf_CDEDB* e = screen.edit;
    const RECT r = e->ramec;
    ASSERT_EQ(std::pair(r.left, r.top), std::pair(e->x, e->y));
    // Measured in the field's font; the display the frame was drawn on is gone.
    IDirectDrawSurface* s = plat_CreateTestSurface(8, 8);
    HDC dc = nullptr;
    ASSERT_EQ(s->GetDC(&dc), DD_OK);
    SelectObject(dc, e->font);
    SIZE size{};
    GetTextExtentPoint32A(dc, e->text, e->dlzka, &size);
    s->ReleaseDC(dc);
    s->Release();
    ASSERT_GT(size.cx, 60);
    const int w = size.cx;
    const RECT text = {r.left + 5, r.top + 5, r.left + 5 + w, std::min<LONG>(r.top + 5 + size.cy, r.bottom - 2)};
    EXPECT_GT(Ink(text), w);
    // Past the text only the field's grey.
    const uint16_t fill = Raw(0x00C8C8C8);
    for (int y = r.top + 3; y < r.bottom - 3; ++y)
        for (int x = text.right + 2; x < r.right - 3; ++x) ASSERT_EQ(Px(x, y), fill) << x << ", " << y;
    // Sunken: the dark pen on the top and left edges, white on the right and bottom.
    EXPECT_EQ(Px(r.left, r.top + 10), Raw(0x00505050));
    EXPECT_EQ(Px(r.left + 30, r.top), Raw(0x00505050));
    EXPECT_EQ(Px(r.right, r.top + 10), 0xFFFF);
    EXPECT_EQ(Px(r.left + 30, r.bottom), 0xFFFF);
}
}  // namespace
