// GDI primitives on RGB565 surfaces, pixel by pixel.
#include <gtest/gtest.h>

#include <climits>

#include "tests/support/gdi_surface.h"

namespace {
using test_support::GdiSurface;

const COLORREF WHITE = RGB(255, 255, 255), BLACK = 0, GREY = RGB(128, 128, 128);

void line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

// Each pixel of the surface as `want(x, y)` names it: '#' white, '+' grey, '.' black.
void expect_drawn(const GdiSurface& s, const std::function<char(int, int)>& want) {
    const std::string colours = "#+.";
    const COLORREF of[] = {WHITE, s.stored(GREY), BLACK};
    EXPECT_EQ(s.count([&](int x, int y) { return s.at(x, y) != of[colours.find(want(x, y))]; }), 0);
}

TEST(GdiLines, EndPointExcludedAndClipped) {
    GdiSurface s(20, 20), far(16, 12);
    SelectObject(s.dc, GetStockObject(WHITE_PEN));
    line(s.dc, 2, 5, 10, 5);
    LineTo(s.dc, 10, 12);  // on from the last end point
    line(s.dc, 17, 3, 12, 8);
    HPEN wide = CreatePen(PS_SOLID, 3, WHITE);
    SelectObject(s.dc, wide);
    line(s.dc, 2, 16, 10, 16);  // three rows, one column more each side
    SelectObject(s.dc, GetStockObject(NULL_PEN));
    DeleteObject(wide);
    line(s.dc, 0, 0, 19, 19);
    expect_drawn(s, [](int x, int y) {
        return (y == 5 && x >= 2 && x < 10) || (x == 10 && y >= 5 && y < 12) || (x + y == 20 && x > 12 && x <= 17) ||
                       (y >= 15 && y < 18 && x >= 1 && x < 11)
                   ? '#'
                   : '.';
    });
    SelectObject(far.dc, GetStockObject(WHITE_PEN));
    line(far.dc, INT_MIN, 4, INT_MAX, 4);
    line(far.dc, -1000000000, -1000000000, 1000000000, 1000000000);
    line(far.dc, INT_MIN, INT_MIN, INT_MAX, INT_MIN);
    expect_drawn(far, [](int x, int y) { return y == 4 || x == y ? '#' : '.'; });
}

TEST(GdiShapes, RectangleOutlineWithPenInsideWithBrushCornersInAnyOrder) {
    GdiSurface s(16, 12), hollow(16, 12), wide(16, 12);
    HPEN pen3 = CreatePen(PS_SOLID, 3, WHITE);
    for (auto [srf, brush] : {std::pair{&s, GRAY_BRUSH}, {&hollow, NULL_BRUSH}, {&wide, GRAY_BRUSH}}) {
        SelectObject(srf->dc, srf == &wide ? static_cast<HGDIOBJ>(pen3) : GetStockObject(WHITE_PEN));
        SelectObject(srf->dc, GetStockObject(brush));
    }
    Rectangle(s.dc, 2, 3, 10, 8);
    Rectangle(hollow.dc, 10, 8, 2, 3);
    Rectangle(wide.dc, 2, 3, 10, 8);  // the 3-pixel pen straddles the edge: one pixel out, one in
    for (const GdiSurface* srf : {&s, &hollow, &wide})
        expect_drawn(*srf, [&](int x, int y) {
            const int o = srf == &wide, pw = 1 + 2 * o, l = 2 - o, t = 3 - o, r = 10 + o, b = 8 + o;
            const bool in = x >= l && x < r && y >= t && y < b;
            const bool edge = in && (x < l + pw || x >= r - pw || y < t + pw || y >= b - pw);
            return edge ? '#' : in && srf != &hollow ? '+' : '.';
        });
    DeleteObject(pen3);
}

TEST(GdiShapes, EllipseAndRoundRectSymmetricInTheirBox) {
    for (int w : {8, 17}) {
        GdiSurface s(30, 20);
        SelectObject(s.dc, GetStockObject(WHITE_PEN));
        SelectObject(s.dc, GetStockObject(GRAY_BRUSH));
        const int l = 3, t = 4, r = l + w, b = 15;
        Ellipse(s.dc, l, t, r, b);
        EXPECT_EQ(s.count([&](int x, int y) {
            if (x < l || x >= r || y < t || y >= b) return s.at(x, y) != BLACK;
            return s.at(x, y) != s.at(l + r - 1 - x, y) || s.at(x, y) != s.at(x, t + b - 1 - y);
        }), 0) << w;
        // Touches all four sides, not the corners; a closed outline around a filled inside.
        EXPECT_EQ(std::tuple(s.at(l, (t + b) / 2), s.at((l + r) / 2, t), s.at(l, t), s.at((l + r) / 2, (t + b) / 2)),
                  std::tuple(WHITE, WHITE, BLACK, s.stored(GREY)));
        for (int y = t, x = l; y < b; ++y, x = l) {
            while (s.at(x, y) == BLACK) ++x;
            EXPECT_EQ(s.at(x, y), WHITE) << y;
        }
    }
    GdiSurface s(30, 20);
    SelectObject(s.dc, GetStockObject(WHITE_PEN));
    RoundRect(s.dc, 2, 2, 26, 18, 8, 8);
    EXPECT_EQ(std::tuple(s.at(2, 2), s.at(25, 17)), std::tuple(BLACK, BLACK));
    EXPECT_EQ(s.count([&](int x, int y) {
        return ((y == 17 && x >= 7 && x < 21) || (x == 2 && y >= 7 && y < 13)) && s.at(x, y) != WHITE;
    }), 0) << "straight sides";
}

TEST(GdiShapes, FillsAndHugeShapesStayOnTheSurface) {
    GdiSurface s(12, 10);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT r = {1, 2, 4, 7};
    EXPECT_NE(FillRect(s.dc, &r, red), 0);
    EXPECT_EQ(std::tuple(s.count(RGB(255, 0, 0)), s.at(1, 2)), std::tuple(3 * 5, RGB(255, 0, 0)));
    DeleteObject(red);
    SelectObject(s.dc, GetStockObject(WHITE_PEN));
    SelectObject(s.dc, GetStockObject(GRAY_BRUSH));
    Rectangle(s.dc, -5, -5, INT_MAX, INT_MAX);
    EXPECT_EQ(s.count(s.stored(GREY)), 12 * 10);
    HPEN huge = CreatePen(PS_SOLID, INT_MAX, WHITE);
    SelectObject(s.dc, huge);
    Ellipse(s.dc, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    RoundRect(s.dc, INT_MIN, -3, INT_MAX, 5, INT_MAX, 40);
    line(s.dc, INT_MIN, 4, INT_MAX, 4);
    SelectObject(s.dc, GetStockObject(WHITE_PEN));
    DeleteObject(huge);
    RECT all = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    FillRect(s.dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(s.count(BLACK), 12 * 10);
}

TEST(GdiPixels, ColourRoundTripThroughRgb565) {
    GdiSurface s(4, 4);
    EXPECT_EQ(SetPixel(s.dc, 1, 1, WHITE), WHITE);
    SetPixel(s.dc, 2, 1, RGB(255, 0, 0));
    EXPECT_EQ(std::tuple(s.raw(1, 1), s.raw(2, 1)), std::tuple(uint16_t{0xFFFF}, uint16_t{0xF800}));
    for (COLORREF c : {RGB(1, 2, 3), RGB(200, 100, 50), RGB(127, 128, 129), RGB(8, 4, 248)}) {
        const COLORREF got = SetPixel(s.dc, 0, 0, c);  // high bits kept, stable once stored
        EXPECT_EQ(std::tuple(got, got & 0xF8FCF8, SetPixel(s.dc, 0, 0, got)), std::tuple(s.at(0, 0), c & 0xF8FCF8, got));
    }
    EXPECT_EQ(std::tuple(SetPixel(s.dc, 4, 0, WHITE), GetPixel(s.dc, -1, 0)), std::tuple(CLR_INVALID, CLR_INVALID));
    EXPECT_EQ(s.count(WHITE), 1);
}

TEST(GdiObjects, SelectAndDelete) {
    GdiSurface s(10, 4);
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    EXPECT_EQ(SelectObject(s.dc, red), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(s.dc, GetStockObject(NULL_BRUSH)), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(s.dc, GetStockObject(WHITE_PEN)), red);
    SelectObject(s.dc, red);
    // The pen in use deleted: the context draws with its default pen, not freed memory.
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_FALSE(DeleteObject(red) || DeleteObject(nullptr));
    SetPixel(s.dc, 0, 0, WHITE);
    line(s.dc, 0, 0, 5, 0);
    EXPECT_EQ(s.at(0, 0), BLACK);
    EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_PEN)));  // stock objects stay
    SelectObject(s.dc, GetStockObject(WHITE_PEN));
    LineTo(s.dc, 5, 3);
    EXPECT_EQ(s.at(5, 0), WHITE);
    EXPECT_FALSE(DeleteDC(s.dc));  // the surface owns its context
}

}  // namespace
