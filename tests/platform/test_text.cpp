// Text drawn with FreeType into RGB565 surfaces, measured, aligned and clipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <tuple>

#include "tests/support/gdi_surface.h"

namespace {
using test_support::GdiSurface;

// The text at (2, 2), transparent, in `colour`; the box of what is no longer black.
RECT write(GdiSurface& s, const char* text, COLORREF colour = RGB(255, 255, 255)) {
    SetBkMode(s.dc, TRANSPARENT);
    SetTextColor(s.dc, colour);
    TextOutA(s.dc, 2, 2, text, static_cast<int>(strlen(text)));
    RECT r = {INT32_MAX, INT32_MAX, -1, -1};
    s.count([&](int x, int y) {
        if (s.at(x, y)) r = {std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x + 1),
                             std::max<LONG>(r.bottom, y + 1)};
        return false;
    });
    return r;
}

TEST(GdiText, ColourAndSlovakLetters) {
    GdiSurface s(120, 30), x(40, 30), plain(100, 30), accented(100, 30);
    const COLORREF c = s.stored(RGB(200, 40, 120));
    write(s, "Hello, Wide", RGB(200, 40, 120));
    EXPECT_GT(s.count(c), 20);  // solid strokes in the colour itself, edges blending up to it, never past
    EXPECT_EQ(s.count([&](int x, int y) {
        const COLORREF p = s.at(x, y);
        return GetRValue(p) > GetRValue(c) || GetGValue(p) > GetGValue(c) || GetBValue(p) > GetBValue(c);
    }), 0);
    const LONG x_top = write(x, "x").top;
    write(plain, "Zrusit");
    write(accented, "Zru\x9Ai\x9D");  // "Zrušiť" in Windows-1250: accents above the x height
    auto above_x = [&](const GdiSurface& g) { return g.count([&](int px, int py) { return py < x_top && g.at(px, py); }); };
    EXPECT_GT(above_x(accented), above_x(plain) + 3);
}

TEST(GdiText, MeasuringAlignmentClippingAndCreatedFonts) {
    GdiSurface s(10, 10);
    const auto measure = [&](const char* text) {
        RECT r = {10, 10, 10, 10};
        DrawTextA(s.dc, text, -1, &r, DT_CALCRECT);
        return std::pair(r.right - r.left, r.bottom - r.top);
    };
    const auto one = measure("Line"), two = measure("Line\r\nLonger line");
    EXPECT_EQ(std::tuple(measure("").first, two.second, two.first), std::tuple(0, 2 * one.second, measure("Longer line").first));
    RECT box = {20, 10, 180, 50};
    auto drawn = [&](const char* text, UINT format) {
        GdiSurface d(200, 60);
        SetTextColor(d.dc, RGB(255, 255, 255));
        SetBkMode(d.dc, TRANSPARENT);
        DrawTextA(d.dc, text, -1, &box, format);
        return write(d, "");  // the ink's box
    };
    RECT c = drawn("Mid", DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_NEAR(c.left - box.left, box.right - c.right, 3);
    EXPECT_NEAR(c.top - box.top, box.bottom - c.bottom, 6);
    box = {30, 20, 45, 27};
    c = drawn("Clipped text", 0);  // nothing past the box
    EXPECT_TRUE(c.left >= 30 && c.top >= 20 && c.right <= 45 && c.bottom <= 27 && c.right > 30);

    // A positive height is the cell's, a negative one the letters'; the width the average letter's.
    std::vector<SIZE> e;
    for (auto [h, w, weight] : {std::tuple{15, 0, FW_NORMAL}, {-30, 0, FW_NORMAL}, {15, 10, FW_NORMAL}, {15, 0, FW_BOLD}}) {
        HFONT f = CreateFontA(h, w, 0, 0, weight, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0x22, "Verdana");
        HGDIOBJ old = SelectObject(s.dc, f);
        GetTextExtentPoint32A(s.dc, "Sample", 6, &e.emplace_back());
        SelectObject(s.dc, old);
        EXPECT_TRUE(DeleteObject(f));
    }
    EXPECT_TRUE(e[0].cy == 15 && e[1].cy > 30 && e[2].cx > e[0].cx && e[3].cx > e[0].cx);
}

}  // namespace
