// Text drawn with FreeType into RGB565 surfaces, measured, aligned and clipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "tests/support/gdi_surface.h"

namespace {
using test_support::GdiSurface;

const COLORREF WHITE = RGB(255, 255, 255);

// The text at (2, 2), transparent; the bounding box of what is no longer black.
RECT write(GdiSurface& s, const char* text, COLORREF colour = WHITE) {
    SetBkMode(s.dc, TRANSPARENT);
    SetTextColor(s.dc, colour);
    TextOutA(s.dc, 2, 2, text, static_cast<int>(strlen(text)));
    RECT r = {INT32_MAX, INT32_MAX, -1, -1};
    s.count([&](int x, int y) {
        if (s.at(x, y))
            r = {std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x + 1),
                 std::max<LONG>(r.bottom, y + 1)};
        return false;
    });
    return r;
}

SIZE measure(HDC dc, const char* text) {
    RECT r = {10, 10, 10, 10};
    DrawTextA(dc, text, -1, &r, DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

TEST(GdiText, ColourAndBackgroundModes) {
    GdiSurface s(120, 30);
    const COLORREF c = s.stored(RGB(200, 40, 120));
    write(s, "Hello, Wide", RGB(200, 40, 120));
    EXPECT_GT(s.count(c), 20);  // solid strokes in the colour itself, edges blending up to it, never past
    EXPECT_EQ(s.count([&](int x, int y) {
        const COLORREF p = s.at(x, y);
        return GetRValue(p) > GetRValue(c) || GetGValue(p) > GetGValue(c) || GetBValue(p) > GetBValue(c);
    }), 0);

    GdiSurface before(100, 30), t(100, 30);
    before.pattern();
    SIZE cell;
    GetTextExtentPoint32A(t.dc, "Wax", 3, &cell);
    auto in_cell = [&](int x, int y) { return x >= 2 && x < 2 + cell.cx && y >= 2 && y < 2 + cell.cy; };
    auto changed_away = [&](int x, int y) {  // a glyph may overhang its cell by a pixel
        return t.raw(x, y) != before.raw(x, y) && !in_cell(x, y) && !in_cell(x - 1, y) && !in_cell(x + 1, y);
    };
    // Transparent: most of the cell as it was; opaque with text in the background colour: all of it that colour.
    for (int mode : {TRANSPARENT, OPAQUE}) {
        t.pattern();
        SetBkColor(t.dc, RGB(0, 0, 255));
        SetTextColor(t.dc, mode == OPAQUE ? RGB(0, 0, 255) : WHITE);
        SetBkMode(t.dc, mode);
        TextOutA(t.dc, 2, 2, "Wax", 3);
        EXPECT_EQ(t.count(changed_away), 0) << mode;
        if (mode == OPAQUE)
            EXPECT_EQ(t.count([&](int x, int y) { return in_cell(x, y) && t.at(x, y) != RGB(0, 0, 255); }), 0);
        else
            EXPECT_GT(t.count([&](int x, int y) { return in_cell(x, y) && t.raw(x, y) == before.raw(x, y); }),
                      cell.cx * cell.cy / 2);
    }
}

TEST(GdiText, MeasuringAlignmentAndClipping) {
    GdiSurface s(10, 10);
    const SIZE one = measure(s.dc, "Line"), two = measure(s.dc, "Line\r\nLonger line");
    SIZE ext;
    GetTextExtentPoint32A(s.dc, "Line", 4, &ext);
    RECT r = {0, 0, 0, 0};
    EXPECT_EQ(std::tuple(measure(s.dc, "").cx, two.cy, two.cx, ext.cx, ext.cy),
              std::tuple(0, 2 * one.cy, measure(s.dc, "Longer line").cx, one.cx, one.cy));
    EXPECT_GT(measure(s.dc, "Line, wider").cx, one.cx);
    EXPECT_EQ(DrawTextA(s.dc, "Line\nLine", -1, &r, DT_CALCRECT | DT_SINGLELINE), ext.cy);

    RECT box = {20, 10, 180, 50};
    auto drawn = [&](const char* text, UINT format) {
        GdiSurface d(200, 60);
        SetTextColor(d.dc, WHITE);
        SetBkMode(d.dc, TRANSPARENT);
        DrawTextA(d.dc, text, -1, &box, format);
        return write(d, "");  // nothing more written: the ink's box
    };
    RECT c = drawn("Mid", DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_NEAR(c.left - box.left, box.right - c.right, 3);
    EXPECT_NEAR(c.top - box.top, box.bottom - c.bottom, 6);
    c = drawn("Low", DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    EXPECT_NEAR(c.right, box.right, 2);
    EXPECT_NEAR(c.bottom, box.bottom, 6);
    box = {30, 20, 45, 27};
    c = drawn("Clipped text", 0);
    EXPECT_TRUE(c.left >= 30 && c.top >= 20 && c.right <= 45 && c.bottom <= 27);
    EXPECT_GT(drawn("Clipped text", DT_NOCLIP).right, 45);
}

TEST(GdiText, SlovakLettersFromWindows1250) {
    GdiSurface x(40, 30), plain(100, 30), accented(100, 30);
    const int x_top = write(x, "x").top;
    write(plain, "Zrusit");
    write(accented, "Zru\x9Ai\x9D");  // "Zrušiť"
    auto above_x = [&](const GdiSurface& s) {
        return s.count([&](int px, int py) { return py < x_top && s.at(px, py) != 0; });
    };
    EXPECT_GT(above_x(accented), above_x(plain) + 3);
    EXPECT_GT(plain.count([&](int px, int py) { return plain.raw(px, py) != accented.raw(px, py); }), 10);
}

TEST(GdiText, CreatedFonts) {
    GdiSurface s(10, 10);
    auto extent = [&](HFONT f) {
        SIZE e;
        SelectObject(s.dc, f);
        GetTextExtentPoint32A(s.dc, "Sample", 6, &e);
        return e;
    };
    auto font = [](int h, int w, int weight, const char* face) {
        return CreateFontA(h, w, 0, 0, weight, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0x22, face);
    };
    const SIZE system = extent(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    HFONT f[] = {font(15, 0, FW_NORMAL, "Verdana"), font(-30, 0, FW_NORMAL, "No Such Face"),
                 font(15, 10, FW_NORMAL, "Verdana"), font(15, 20, FW_NORMAL, "Verdana"),
                 font(15, 0, FW_BOLD, "Verdana")};
    const SIZE cell = extent(f[0]), big = extent(f[1]), wide = extent(f[2]), wider = extent(f[3]), bold = extent(f[4]);
    EXPECT_EQ(cell.cy, 15);  // a positive height is the cell's, a negative one the letters'
    EXPECT_TRUE(big.cy > 30 && big.cx > system.cx);
    EXPECT_TRUE(wide.cx > cell.cx && bold.cx > cell.cx);  // the width is the average letter's
    EXPECT_NEAR(wider.cx, 2 * wide.cx, wide.cx / 20);
    for (HFONT h : f) EXPECT_TRUE(DeleteObject(h));
    EXPECT_EQ(extent(nullptr).cx, system.cx);  // the last one was selected: back on the system font
}

}  // namespace
