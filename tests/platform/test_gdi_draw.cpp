// GDI primitives on RGB565 surfaces, pixel by pixel.
#include <gtest/gtest.h>

#include <climits>

#include "tests/platform/gdi_test_util.h"

namespace {

const COLORREF WHITE = RGB(255, 255, 255), BLACK = 0, GREY = RGB(128, 128, 128);

void line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

TEST(GdiLines, EndPointExcludedAndClipped) {
    GdiSurface s(20, 20);
    SelectObject(s.dc, GetStockObject(WHITE_PEN));
    line(s.dc, 2, 5, 10, 5);
    LineTo(s.dc, 10, 12);  // on from the last end point
    line(s.dc, 17, 3, 12, 8);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(s.at(2 + i, 5), WHITE) << i;
    for (int i = 0; i < 7; ++i) EXPECT_EQ(s.at(10, 5 + i), WHITE) << i;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(s.at(17 - i, 3 + i), WHITE) << i;
    EXPECT_EQ(s.count(WHITE), 8 + 7 + 5);
    SelectObject(s.dc, GetStockObject(NULL_PEN));
    line(s.dc, 0, 0, 19, 19);
    EXPECT_EQ(s.count(WHITE), 8 + 7 + 5);
    HPEN wide = CreatePen(PS_SOLID, 3, WHITE);
    SelectObject(s.dc, wide);
    line(s.dc, 2, 16, 10, 16);  // three rows, one column more each side
    EXPECT_EQ(s.count(WHITE), 8 + 7 + 5 + 3 * 10);
    EXPECT_EQ(s.at(1, 15), WHITE);
    EXPECT_EQ(s.at(10, 17), WHITE);
    SelectObject(s.dc, GetStockObject(WHITE_PEN));
    DeleteObject(wide);

    GdiSurface far(16, 12);
    SelectObject(far.dc, GetStockObject(WHITE_PEN));
    line(far.dc, INT_MIN, 4, INT_MAX, 4);
    line(far.dc, -1000000000, -1000000000, 1000000000, 1000000000);
    line(far.dc, INT_MIN, INT_MIN, INT_MAX, INT_MIN);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(far.at(i, i), WHITE) << i;
    EXPECT_EQ(far.count(WHITE), 16 + 12 - 1);
}

TEST(GdiShapes, RectangleOutlineWithPenInsideWithBrush) {
    // A wide pen's outline straddles the box's edge: one pixel out and one in for width 3.
    for (const int width : {1, 3}) {
        GdiSurface s(16, 12);
        HPEN pen = CreatePen(PS_SOLID, width, WHITE);
        SelectObject(s.dc, pen);
        SelectObject(s.dc, GetStockObject(GRAY_BRUSH));
        Rectangle(s.dc, 2, 3, 10, 8);
        const int o = (width - 1) / 2, l = 2 - o, t = 3 - o, r = 10 + o, b = 8 + o;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool in = x >= l && x < r && y >= t && y < b;
                const bool edge = in && (x < l + width || x >= r - width || y < t + width || y >= b - width);
                EXPECT_EQ(s.at(x, y), edge ? WHITE : in ? s.stored(GREY) : BLACK) << width << ": " << x << "," << y;
            }
        DeleteObject(pen);
    }
    GdiSurface hollow(16, 12);
    SelectObject(hollow.dc, GetStockObject(WHITE_PEN));
    SelectObject(hollow.dc, GetStockObject(NULL_BRUSH));
    Rectangle(hollow.dc, 10, 8, 2, 3);  // corners swapped: the same box
    EXPECT_EQ(hollow.count(WHITE), 22);
}

TEST(GdiShapes, EllipseAndRoundRectSymmetricInTheirBox) {
    for (int w : {8, 17}) {
        GdiSurface s(30, 20);
        SelectObject(s.dc, GetStockObject(WHITE_PEN));
        SelectObject(s.dc, GetStockObject(GRAY_BRUSH));
        const int l = 3, t = 4, r = l + w, b = 15;
        Ellipse(s.dc, l, t, r, b);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x) {
                if (x < l || x >= r || y < t || y >= b) {
                    EXPECT_EQ(s.at(x, y), BLACK) << x << "," << y;
                } else {
                    EXPECT_EQ(s.at(x, y), s.at(l + r - 1 - x, y)) << x << "," << y;
                    EXPECT_EQ(s.at(x, y), s.at(x, t + b - 1 - y)) << x << "," << y;
                }
            }
        // Touches all four sides, not the corners; a closed outline around a filled inside.
        EXPECT_EQ(s.at(l, (t + b) / 2), WHITE);
        EXPECT_EQ(s.at((l + r) / 2, t), WHITE);
        EXPECT_EQ(s.at(l, t), BLACK);
        EXPECT_EQ(s.at((l + r) / 2, (t + b) / 2), s.stored(GREY));
        for (int y = t, x = l; y < b; ++y, x = l) {
            while (s.at(x, y) == BLACK) ++x;
            EXPECT_EQ(s.at(x, y), WHITE) << y;
        }
    }
    GdiSurface s(30, 20);
    SelectObject(s.dc, GetStockObject(WHITE_PEN));
    RoundRect(s.dc, 2, 2, 26, 18, 8, 8);
    EXPECT_EQ(s.at(2, 2), BLACK);
    EXPECT_EQ(s.at(25, 17), BLACK);
    for (int x = 7; x < 21; ++x) EXPECT_EQ(s.at(x, 17), WHITE) << x;
    for (int y = 7; y < 13; ++y) EXPECT_EQ(s.at(2, y), WHITE) << y;
}

TEST(GdiShapes, FillsAndHugeShapesStayOnTheSurface) {
    GdiSurface s(12, 10);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT r = {1, 2, 4, 7};
    EXPECT_NE(FillRect(s.dc, &r, red), 0);
    EXPECT_EQ(s.count(RGB(255, 0, 0)), 3 * 5);
    EXPECT_EQ(s.at(1, 2), RGB(255, 0, 0));
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
    EXPECT_EQ(s.raw(1, 1), 0xFFFF);
    SetPixel(s.dc, 2, 1, RGB(255, 0, 0));
    EXPECT_EQ(s.raw(2, 1), 0xF800);
    for (COLORREF c : {RGB(1, 2, 3), RGB(200, 100, 50), RGB(127, 128, 129), RGB(8, 4, 248)}) {
        const COLORREF got = SetPixel(s.dc, 0, 0, c);  // high bits kept, stable once stored
        EXPECT_EQ(got, s.at(0, 0));
        EXPECT_EQ(got & 0xF8FCF8, c & 0xF8FCF8);
        EXPECT_EQ(SetPixel(s.dc, 0, 0, got), got);
    }
    EXPECT_EQ(SetPixel(s.dc, 4, 0, WHITE), CLR_INVALID);
    EXPECT_EQ(GetPixel(s.dc, -1, 0), CLR_INVALID);
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
    EXPECT_FALSE(DeleteObject(red));
    EXPECT_FALSE(DeleteObject(nullptr));
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
