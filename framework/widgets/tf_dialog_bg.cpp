#include "framework/widgets/tf_dialog_bg.h"

#include <algorithm>
#include <cstring>

#include "framework/app/tf_appstate.h"
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
    unsigned char* base = static_cast<unsigned char*>(ddsd.lpSurface);
    // Only inside the clipped rectangle, which lies within the surface.
    auto put = [&](long long x, long long y, uint16_t v) {
        if (x >= left && x < left + w && y >= top && y < top + h) memcpy(base + y * ddsd.lPitch + 2 * x, &v, 2);
    };
    auto row_line = [&](long long y) {
        for (long long x = left; x < left + w; ++x) put(x, y, black);
    };

    if (top_line) row_line(top);
    const long long n = (w - 2) / 2;
    for (long long i = 1; i <= h - 2; ++i) {
        const long long y = top + i;
        const long long first = i % 2 == 1 ? left + 2 : left + 1;
        if (left_line) put(left, y, black);
        for (long long k = 0; k < n; ++k) put(first + 2 * k, y, white);
        if (right_line) put(left + 1 + 2 * n, y, black);
    }
    if (bottom_line) row_line(top + h - 1);
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
