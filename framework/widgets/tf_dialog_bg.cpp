#include "framework/widgets/tf_dialog_bg.h"

#include <algorithm>
#include <cstring>

#include "framework/surface/tf_display.h"
#include "framework/surface/tf_dsrfc.h"

namespace {
// Keeps [*start, *start + *len) within [1, limit - 1); a cut side loses its border line.
void clip(long long* start, long long* len, int limit, bool* first_line, bool* last_line) {
    if (*start < 1) {
        *len -= 1 - *start;
        *start = 1;
        *first_line = false;
    }
    if (*start + *len > limit - 1) {
        *len = limit - 1 - *start;
        *last_line = false;
    }
}

// White into p[0], p[2], ... p[2n - 2]. Whole blocks of sixteen pixels are read, dotted and
// written back in one vector each; p[2n - 1] still lies within the net's rectangle, so no
// block reaches past it.
void dots(uint16_t* p, long long n, uint16_t white) {
    typedef uint16_t Px16 __attribute__((vector_size(32)));
    Px16 keep, dot;
    for (int i = 0; i < 16; ++i) {
        keep[i] = i % 2 ? 0xFFFF : 0;
        dot[i] = i % 2 ? 0 : white;
    }
    long long k = 0;
    for (; k + 8 <= n; k += 8) {
        Px16 block;
        memcpy(&block, p + 2 * k, sizeof block);
        block = (block & keep) | dot;
        memcpy(p + 2 * k, &block, sizeof block);
    }
    for (; k < n; ++k) p[2 * k] = white;
}
}  // namespace

HRESULT tf_CDUI_podklad_efekt_A_biela_siet(IDirectDrawSurface* ciel, RECT r, bool okraj) {
    if (!ciel) return DDERR_INVALIDPARAMS;
    const uint16_t white = static_cast<uint16_t>(DDPixelFromColor(ciel, 0x00FFFFFF));
    const uint16_t black = static_cast<uint16_t>(DDPixelFromColor(ciel, 0));
    DDSURFACEDESC ddsd = {};
    ddsd.dwSize = sizeof ddsd;
    HRESULT hr = ciel->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr);
    if (hr != DD_OK) return hr;

    // Wide: a rectangle far off the surface must not overflow.
    long long left = r.left, top = r.top, w = static_cast<long long>(r.right) - r.left,
              h = static_cast<long long>(r.bottom) - r.top;
    bool top_line = okraj, bottom_line = okraj, left_line = okraj, right_line = okraj;
    clip(&top, &h, std::min(tf_ScreenH, static_cast<int>(ddsd.dwHeight)), &top_line, &bottom_line);
    clip(&left, &w, std::min(tf_ScreenW, static_cast<int>(ddsd.dwWidth)), &left_line, &right_line);
    // Only what lies inside the surface's drawing clip is written; the dots keep their places.
    const RECT c = ciel->DrawClip();
    const long long y0 = std::max<long long>(top, c.top), y1 = std::min<long long>(top + h, c.bottom);
    const long long x0 = std::max<long long>(left, c.left), x1 = std::min<long long>(left + w, c.right);
    if (w > 0 && h > 0 && x0 < x1) {
        // The clipped rectangle lies within the surface, so its rows are written directly.
        unsigned char* base = static_cast<unsigned char*>(ddsd.lpSurface);
        auto row = [&](long long y) { return reinterpret_cast<uint16_t*>(base + y * ddsd.lPitch); };
        auto point = [&](uint16_t* line, long long x) {
            if (x >= x0 && x < x1) line[x] = black;
        };
        const long long n = (w - 2) / 2;
        for (long long y = y0; y < y1; ++y) {
            uint16_t* line = row(y);
            if ((y == top && top_line) || (y == top + h - 1 && bottom_line)) {
                std::fill(line + x0, line + x1, black);
                continue;
            }
            if (y == top || y == top + h - 1) continue;
            if (left_line) point(line, left);
            const long long start = (y - top) % 2 == 1 ? left + 2 : left + 1;
            const long long first = std::max(0LL, (x0 - start + 1) / 2), last = std::min(n, (x1 - start + 1) / 2);
            if (first < last) dots(line + start + 2 * first, last - first, white);
            if (right_line && w >= 2) point(line, left + 1 + 2 * n);
        }
    }
    return ciel->Unlock(nullptr);
}

void tf_CDUI_podklad_efekt_B_mliecny(HDC hdc, RECT r) {
    auto lighter = [](int v) { return std::min(v + 80, 255); };
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const COLORREF c = GetPixel(hdc, x, y);
            if (c == CLR_INVALID) continue;  // outside the surface
            SetPixel(hdc, x, y, RGB(lighter(GetRValue(c)), lighter(GetGValue(c)), lighter(GetBValue(c))));
        }
}
