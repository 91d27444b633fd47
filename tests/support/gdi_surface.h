// A test surface with its device context, and pixel counting.
#pragma once
#include <functional>

#include "platform/ddraw.h"
#include "platform/gdi.h"
#include "tests/support/pixels.h"

namespace test_support {

struct GdiSurface {
    GdiSurface(int w, int h) : srf(plat_CreateTestSurface(w, h)) { srf->GetDC(&dc); }
    ~GdiSurface() { srf->Release(); }
    COLORREF at(int x, int y) const { return GetPixel(dc, x, y); }
    // A colour as the surface stores it (found through a spare pixel).
    COLORREF stored(COLORREF c) const {
        const COLORREF old = GetPixel(dc, 0, 0), got = SetPixel(dc, 0, 0, c);
        SetPixel(dc, 0, 0, old);
        return got;
    }
    int count(const std::function<bool(int, int)>& pred) const {
        return CountIn(0, 0, srf->Width() - 1, srf->Height() - 1, pred);
    }
    int count(COLORREF c) const {
        return count([&](int x, int y) { return at(x, y) == c; });
    }

    IDirectDrawSurface* srf;
    HDC dc = nullptr;
};

}  // namespace test_support
