// GDI primitives on RGB565 surfaces, pixel by pixel.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "tests/support/gdi_surface.h"

namespace {
using test_support::GdiSurface;

const COLORREF WHITE = RGB(255, 255, 255), BLACK = 0, GREY = RGB(128, 128, 128);

void line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

// Lines without their end point, rectangles in any corner order (pen outline, brush inside),
// shapes far past the surface clipped; each pixel as `want` names it: '#' white, '+' grey, '.' black.
TEST(GdiShapes, LinesRectanglesAndHugeShapesPixelByPixel) {
    using Draw = std::function<void(HDC)>;
    using Want = std::function<char(int, int)>;
    const std::pair<Draw, Want> rows[] = {
        {[](HDC dc) {
             line(dc, 2, 5, 10, 5);
             LineTo(dc, 10, 12);  // on from the last end point
             line(dc, 17, 3, 12, 8);
         },
         [](int x, int y) {
             return (y == 5 && x >= 2 && x < 10) || (x == 10 && y >= 5 && y < 12) || (x + y == 20 && x > 12 && x <= 17)
                        ? '#'
                        : '.';
         }},
        {[](HDC dc) {
             line(dc, INT_MIN, 4, INT_MAX, 4);
             line(dc, -1000000000, -1000000000, 1000000000, 1000000000);
         },
         [](int x, int y) { return y == 4 || x == y ? '#' : '.'; }},
        {[](HDC dc) { Rectangle(dc, 10, 8, 2, 3); },
         [](int x, int y) {
             const bool in = x >= 2 && x < 10 && y >= 3 && y < 8;
             return in && (x == 2 || x == 9 || y == 3 || y == 7) ? '#' : in ? '+' : '.';
         }},
        {[](HDC dc) {
             Ellipse(dc, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
             Rectangle(dc, -5, -5, INT_MAX, INT_MAX);
         },
         [](int, int) { return '+'; }},
        {[](HDC dc) {  // a 3-pixel pen straddles the one-pixel line and edge: one pixel out, one in
             HPEN wide = CreatePen(PS_SOLID, 3, WHITE);
             SelectObject(dc, wide);
             line(dc, 2, 16, 10, 16);
             Rectangle(dc, 2, 3, 10, 8);
             SelectObject(dc, GetStockObject(WHITE_PEN));
             DeleteObject(wide);
         },
         [](int x, int y) {
             const bool in = x >= 1 && x < 11 && y >= 2 && y < 9;
             if (y >= 15 && y < 18 && x >= 1 && x < 11) return '#';
             return in && (x < 4 || x >= 8 || y < 5 || y >= 6) ? '#' : in ? '+' : '.';
         }},
        {[](HDC dc) {  // a pen as wide as an int draws only what lies on the surface
             HPEN huge = CreatePen(PS_SOLID, INT_MAX, WHITE);
             SelectObject(dc, huge);
             Ellipse(dc, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
             line(dc, INT_MIN, 4, INT_MAX, 4);
             SelectObject(dc, GetStockObject(WHITE_PEN));
             DeleteObject(huge);
         },
         [](int, int) { return '#'; }},
    };
    for (const auto& [draw, want] : rows) {
        GdiSurface s(20, 20);
        SelectObject(s.dc, GetStockObject(WHITE_PEN));
        SelectObject(s.dc, GetStockObject(GRAY_BRUSH));
        draw(s.dc);
        const COLORREF of[] = {WHITE, s.stored(GREY), BLACK};
        EXPECT_EQ(s.count([&](int x, int y) { return s.at(x, y) != of[std::string("#+.").find(want(x, y))]; }), 0)
            << &want - &rows[0].second;
    }
}

TEST(GdiShapes, EllipseSymmetricInItsBoxOutlinedAndFilled) {
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
        EXPECT_EQ(std::tuple(s.at(l, (t + b) / 2), s.at((l + r) / 2, t), s.at(l, t), s.at((l + r) / 2, (t + b) / 2)),
                  std::tuple(WHITE, WHITE, BLACK, s.stored(GREY)));
    }
}

TEST(GdiPixels, ColourRoundTripThroughRgb565AndObjectsDeletedInUse) {
    GdiSurface s(10, 4);
    SetPixel(s.dc, 2, 1, RGB(255, 0, 0));
    EXPECT_EQ(SetPixel(s.dc, 1, 1, WHITE), WHITE);
    EXPECT_EQ(std::tuple(s.srf->Row(1)[1], s.srf->Row(1)[2]), std::tuple(uint16_t{0xFFFF}, uint16_t{0xF800}));
    for (COLORREF c : {RGB(1, 2, 3), RGB(200, 100, 50), RGB(127, 128, 129), RGB(8, 4, 248)}) {
        const COLORREF got = SetPixel(s.dc, 0, 0, c);  // high bits kept, stable once stored
        EXPECT_EQ(std::tuple(got, got & 0xF8FCF8, SetPixel(s.dc, 0, 0, got)), std::tuple(s.at(0, 0), c & 0xF8FCF8, got));
    }
    EXPECT_EQ(std::tuple(SetPixel(s.dc, 10, 0, WHITE), GetPixel(s.dc, -1, 0)), std::tuple(CLR_INVALID, CLR_INVALID));
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    EXPECT_EQ(SelectObject(s.dc, red), GetStockObject(BLACK_PEN));
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

// Deleting an object visits the contexts that hold it, not every live one: those that let it
// go keep their own choice. A surface keeps its context from GetDC to the last ReleaseDC.
TEST(GdiContexts, DeletingAnObjectResetsItsHoldersAloneAndSurfacesKeepNoIdleContext) {
    const int before = plat_LiveDCCount();
    GdiSurface a(6, 2), b(6, 2);  // each keeps its context: no ReleaseDC
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HDC memory = CreateCompatibleDC(nullptr);
    for (HDC dc : {a.dc, b.dc, memory}) SelectObject(dc, red);
    EXPECT_TRUE(DeleteDC(memory));
    SelectObject(b.dc, GetStockObject(WHITE_PEN));
    EXPECT_TRUE(DeleteObject(red));
    for (GdiSurface* s : {&a, &b}) {
        SetPixel(s->dc, 0, 1, GREY);
        line(s->dc, 0, 1, 5, 1);
    }
    EXPECT_EQ(std::tuple(a.at(0, 1), b.at(0, 1)), std::tuple(BLACK, WHITE));

    IDirectDrawSurface* s = plat_CreateTestSurface(4, 4);
    HDC first = nullptr, again = nullptr;
    ASSERT_EQ(s->GetDC(&first), DD_OK);
    ASSERT_EQ(s->GetDC(&again), DD_OK);
    EXPECT_EQ(std::tuple(first, plat_LiveDCCount()), std::tuple(again, before + 3));
    EXPECT_EQ(s->ReleaseDC(again), DD_OK);
    EXPECT_EQ(plat_LiveDCCount(), before + 3);
    EXPECT_EQ(s->ReleaseDC(first), DD_OK);
    EXPECT_EQ(std::tuple(plat_LiveDCCount(), s->ReleaseDC(first)), std::tuple(before + 2, DDERR_INVALIDPARAMS));
    s->Release();
}

}  // namespace
