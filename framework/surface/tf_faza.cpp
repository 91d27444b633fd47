// Measuring and drawing phases of a surface.
#include <cstring>

#include "framework/core/tf_log.h"
#include "framework/surface/tf_display.h"
#include "framework/surface/tf_dsrfc.h"
#include "framework/surface/tf_geom.h"

namespace {
const char* const SRC = "TF_DSRFC_w";

struct Span {
    int from;   // first pixel inside
    int to;     // the border pixel, or the surface edge
    int count;  // to - from + 1
};

// Row and column 0 are never inside a phase: an unbounded scan back stops there.
template <class Pixel>
Span scan(int start, int limit, uint16_t border, Pixel pixel) {
    int i = start;
    while (pixel(i) != border && i > 0) --i;
    Span s{i + 1, i, 0};
    do {
        ++s.to;
        ++s.count;
    } while (s.to < limit && pixel(s.to) != border);
    return s;
}

// Screen clipping along one axis; false when nothing is visible. A mirrored phase is cut
// on the opposite source edge. Wide arithmetic: far-off positions must not overflow.
bool clip_axis(int pos, int size, int limit, bool mirrored, LONG* lo, LONG* hi, int* dest) {
    const long long end = static_cast<long long>(pos) + size;
    if (end < 0 || pos > limit) return false;
    if (pos < 0) {
        if (mirrored)
            *hi += pos;
        else
            *lo -= pos;
        *dest = 0;
    }
    if (end > limit) {
        const LONG over = static_cast<LONG>(end - limit - 1);
        if (mirrored)
            *lo += over;
        else
            *hi -= over;
    }
    return true;
}
}  // namespace

tf_TFAZA tf_CDas_Surface::ZAMERAJ_FAZU(int x, int y) {
    tf_TFAZA f;
    if (!lpDDS) {
        TF_LOG(TF_LOG_ERR, "tf_CDas_Surface::ZAMERAJ_FAZU() - SURFACE == NULL");
        return f;
    }
    DDSURFACEDESC ddsd = {};
    ddsd.dwSize = sizeof ddsd;
    if (lpDDS->Lock(nullptr, &ddsd, DDLOCK_WAIT | DDLOCK_READONLY, nullptr) != DD_OK) return f;
    const int W = static_cast<int>(ddsd.dwWidth);
    const int H = static_cast<int>(ddsd.dwHeight);
    if (x < 0 || y < 0 || x >= W || y >= H) {
        lpDDS->Unlock(nullptr);
        TF_LOG(TF_LOG_ERR, "tf_CDas_Surface::ZAMERAJ_FAZU() - bod mimo SURFACE");
        TF_LOG("x,y:", x, y);
        return f;
    }
    const unsigned char* base = static_cast<const unsigned char*>(ddsd.lpSurface);
    auto pixel = [&](int col, int row) {
        uint16_t p;
        memcpy(&p, base + static_cast<ptrdiff_t>(row) * ddsd.lPitch + 2 * col, 2);
        return p;
    };
    Span v = scan(y, H, BC, [&](int row) { return pixel(x, row); });
    Span h = scan(x, W, BC, [&](int col) { return pixel(col, y); });
    f.x1 = h.from;
    f.x2 = h.to;
    f.sir = h.count;
    f.y1 = v.from;
    f.y2 = v.to;
    f.vys = v.count;
    lpDDS->Unlock(nullptr);
    return f;
}

tf_TFAZA tf_CDas_Surface::ZAMERAJ_FAZU_CS() {
    tf_TFAZA f;
    f.x1 = 1;
    f.y1 = 1;
    f.x2 = sir - 1;
    f.y2 = vys - 1;
    f.sir = sir;
    f.vys = vys;
    return f;
}

void tf_CDas_Surface::ZOBRAZ_FAZU(IDirectDrawSurface* ciel, int x, int y, tf_TFAZA faza, int orez) {
    if (!ciel) return;
    RECT src = {faza.x1, faza.y1, faza.x2, faza.y2};
    int dx = x, dy = y;
    if (orez == 1 && !(clip_axis(x, faza.sir, tf_ScreenW, false, &src.left, &src.right, &dx) &&
                       clip_axis(y, faza.vys, tf_ScreenH, false, &src.top, &src.bottom, &dy)))
        return;
    draw_with_recovery([&] { return ciel->BltFast(dx, dy, lpDDS, &src, fast_flags()); });
}

void tf_CDas_Surface::ZOBRAZ_FAZU_Z(IDirectDrawSurface* ciel, int x, int y, tf_TFAZA faza, int orez) {
    if (!ciel) return;
    RECT src = {faza.x1, faza.y1, faza.x2, faza.y2};
    int dx = x, dy = y;
    if (orez == 1 && !(clip_axis(x, faza.sir, tf_ScreenW, true, &src.left, &src.right, &dx) &&
                       clip_axis(y, faza.vys, tf_ScreenH, false, &src.top, &src.bottom, &dy)))
        return;
    // One pixel narrower and lower than the source: the platform scales the phase down.
    RECT dest = {dx, dy, dx + (src.right - src.left) - 1, dy + (src.bottom - src.top) - 1};
    DDBLTFX fx = {};
    fx.dwSize = sizeof fx;
    fx.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
    draw_with_recovery([&] { return ciel->Blt(&dest, lpDDS, &src, DDBLT_KEYSRC | DDBLT_DDFX, &fx); });
}

bool tf_CDas_Surface::BOD_FAZY_Z(const tf_TFAZA& faza, int dx, int dy, int* sx, int* sy) {
    // The mirrored copy scales n + 1 source pixels onto n.
    auto sample = [](int d, int n) { return static_cast<int>(plat_StretchSource(d, n, n + 1)); };
    const int w = faza.x2 - faza.x1 - 1, h = faza.y2 - faza.y1 - 1;
    if (dx < 0 || dy < 0 || dx >= w || dy >= h) return false;
    *sx = faza.x1 + sample(w - 1 - dx, w);
    *sy = faza.y1 + sample(dy, h);
    return true;
}

void tf_CDas_Surface::ZOBRAZ_FAZU_2(IDirectDrawSurface* ciel, int L, int P, int H, int D, int x, int y, tf_TFAZA faza) {
    RECT src = {faza.x1, faza.y1, faza.x2, faza.y2};
    if (tf_glob_OREZ_Rect2LPHD(L, P, H, D, &x, &y, &src)) Zobraz_Rect(ciel, x, y, src);
}
