// Drawing through a surface's device context: lines, rectangles, ellipses, fills, pixels and
// stretched copies. Geometry is done in 64 bits and clipped to the surface before any loop, so
// no coordinate can write outside the surface or make a loop run long.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/gdi_internal.h"

plat_Box plat_SurfaceBox(IDirectDrawSurface* s) {
    const RECT c = s->DrawClip();
    return {c.left, c.top, c.right, c.bottom};
}

plat_Box plat_Intersect(const plat_Box& a, const plat_Box& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

void plat_FillBox(IDirectDrawSurface* s, const plat_Box& clip, plat_Box box, uint16_t v) {
    box = plat_Intersect(box, clip);
    if (box.left >= box.right) return;
    for (int64_t y = box.top; y < box.bottom; ++y) {
        uint16_t* row = s->Row(static_cast<int>(y));
        std::fill(row + box.left, row + box.right, v);
    }
}

namespace {

// A pen or brush that paints, else null.
const plat_GdiObject* paints(const plat_GdiObject* o) { return o && !o->hollow ? o : nullptr; }

// A pen's dab: width × width pixels centred on (x, y).
void plot(IDirectDrawSurface* s, int64_t x, int64_t y, int64_t width, uint16_t v) {
    const int64_t l = x - (width - 1) / 2, t = y - (width - 1) / 2;
    plat_FillBox(s, plat_SurfaceBox(s), {l, t, l + width, t + width}, v);
}

// Bresenham from (x0, y0) towards (x1, y1), the end point excluded. Only the steps whose
// dab may reach the surface are walked; the minor coordinate of the first of them is computed
// directly.
void draw_line(IDirectDrawSurface* s, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t width, uint16_t v) {
    const int64_t dx = x1 - x0, dy = y1 - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t n = xMajor ? std::llabs(dx) : std::llabs(dy);  // pixels drawn
    const int64_t nMinor = xMajor ? std::llabs(dy) : std::llabs(dx);
    if (n == 0) return;
    const int64_t sMajor = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int64_t sMinor = (xMajor ? dy : dx) >= 0 ? 1 : -1;
    const int64_t m0 = xMajor ? x0 : y0, k0 = xMajor ? y0 : x0;
    const int64_t size = xMajor ? s->Width() : s->Height();

    // Steps i in [first, last) put the major coordinate m0 + i·sMajor inside [-width, size + width).
    int64_t first = sMajor > 0 ? -width - m0 : m0 - (size + width - 1);
    int64_t last = sMajor > 0 ? size + width - m0 : m0 + width + 1;
    first = std::max<int64_t>(first, 0);
    last = std::min(last, n);
    if (first >= last) return;

    // Minor offset at step i: floor((2·i·nMinor + n) / (2·n)), kept as quotient and remainder.
    const __int128 start = static_cast<__int128>(2) * first * nMinor + n;
    int64_t q = static_cast<int64_t>(start / (2 * n));
    int64_t r = static_cast<int64_t>(start % (2 * n));
    for (int64_t i = first; i < last; ++i) {
        const int64_t m = m0 + i * sMajor, k = k0 + q * sMinor;
        if (xMajor)
            plot(s, m, k, width, v);
        else
            plot(s, k, m, width, v);
        r += 2 * nMinor;
        if (r >= 2 * n) {
            r -= 2 * n;
            ++q;
        }
    }
}

// A box with rounded corners (corner ellipse ew × eh; an ellipse when they equal the box; a
// rectangle when either is 0). Row extents are in doubled coordinates from the box's centre
// line: a row covers the pixel centres with |X2| <= m, m of the parity of w − 1.
struct Shape {
    int64_t left, top, w, h, ew, eh;

    int64_t extent(int64_t y) const {
        if (y < top || y >= top + h) return -1;
        const int64_t ay = std::llabs(2 * (y - top) - (h - 1));
        double m = static_cast<double>(w);
        const int64_t into = ay - (h - eh);
        if (ew > 0 && eh > 0 && into > 0) {
            const double f = static_cast<double>(into) / static_cast<double>(eh);
            m -= static_cast<double>(ew) * (1.0 - std::sqrt(std::max(0.0, 1.0 - f * f)));
        }
        int64_t mi = std::min(static_cast<int64_t>(std::floor(m)), w - 1);
        if ((mi - (w - 1)) % 2) --mi;
        return mi;
    }
    int64_t column(int64_t x2) const { return left + (x2 + w - 1) / 2; }
};

// The inside with the brush, the outline with the pen, as wide as the pen and centred on the
// box's edge. A pixel is outline when a pixel within the pen's width less one (counted along the
// axes: over the sides of a rectangle exactly the width) lies outside the shape.
void draw_shape(HDC dc, int64_t l, int64_t t, int64_t r, int64_t b, int64_t ew, int64_t eh) {
    IDirectDrawSurface* s = plat_DrawSurface(dc);
    if (!s) return;
    if (r < l) std::swap(l, r);
    if (b < t) std::swap(t, b);
    const plat_GdiObject* pen = paints(dc->pen);
    const plat_GdiObject* brush = paints(dc->brush);
    if (r == l || b == t || (!pen && !brush)) return;
    const int64_t pw = pen ? pen->width : 0, out = pw > 1 ? (pw - 1) / 2 : 0, grow = pw > 1 ? pw - 1 : 0;
    l -= out;
    t -= out;
    r += grow - out;
    b += grow - out;
    const Shape sh{l, t, r - l, b - t, std::clamp<int64_t>(ew + grow, 0, r - l), std::clamp<int64_t>(eh + grow, 0, b - t)};
    const uint16_t penPx = pen ? plat_To565(pen->colour) : 0;
    const uint16_t brushPx = brush ? plat_To565(brush->colour) : 0;
    const plat_Box clip = plat_SurfaceBox(s);
    if (sh.ew == 0 || sh.eh == 0) {
        // A rectangle: its four sides and the box inside, without the rows' geometry.
        if (brush) plat_FillBox(s, clip, {l + pw, t + pw, r - pw, b - pw}, brushPx);
        if (pen) {
            for (const plat_Box side : {plat_Box{l, t, r, t + pw}, plat_Box{l, b - pw, r, b},
                                        plat_Box{l, t + pw, l + pw, b - pw}, plat_Box{r - pw, t + pw, r, b - pw}})
                plat_FillBox(s, clip, side, penPx);
        }
        return;
    }

    const int64_t y0 = std::max(t, clip.top), y1 = std::min(b, clip.bottom);
    for (int64_t y = y0; y < y1; ++y) {
        const int64_t m = sh.extent(y);
        if (m < 0) continue;
        // Without a pen the brush covers the outline too.
        int64_t inner = m;
        for (int64_t d = -pw; d <= pw; ++d) inner = std::min<int64_t>(inner, sh.extent(y + d) - 2 * (pw - std::llabs(d)));
        const plat_Box row{sh.column(-m), y, sh.column(m) + 1, y + 1};
        if (inner >= 0) {
            const plat_Box in{sh.column(-inner), y, sh.column(inner) + 1, y + 1};
            if (brush) plat_FillBox(s, clip, in, brushPx);
            if (pen) {
                plat_FillBox(s, clip, {row.left, y, in.left, y + 1}, penPx);
                plat_FillBox(s, clip, {in.right, y, row.right, y + 1}, penPx);
            }
        } else if (pen) {
            plat_FillBox(s, clip, row, penPx);
        }
    }
}

}  // namespace

BOOL MoveToEx(HDC dc, int x, int y, POINT* old) {
    if (!dc) return FALSE;
    if (old) *old = dc->pos;
    dc->pos = {x, y};
    return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
    IDirectDrawSurface* s = plat_DrawSurface(dc);
    if (!s) return FALSE;
    if (const plat_GdiObject* pen = paints(dc->pen))
        draw_line(s, dc->pos.x, dc->pos.y, x, y, pen->width, plat_To565(pen->colour));
    dc->pos = {x, y};
    return TRUE;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    if (!plat_DrawSurface(dc)) return FALSE;
    draw_shape(dc, left, top, right, bottom, 0, 0);
    return TRUE;
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
    if (!plat_DrawSurface(dc)) return FALSE;
    const int64_t w = std::llabs(int64_t(right) - left), h = std::llabs(int64_t(bottom) - top);
    draw_shape(dc, left, top, right, bottom, w, h);
    return TRUE;
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int ew, int eh) {
    if (!plat_DrawSurface(dc)) return FALSE;
    draw_shape(dc, left, top, right, bottom, ew, eh);
    return TRUE;
}

int FillRect(HDC dc, const RECT* r, HBRUSH brush) {
    IDirectDrawSurface* s = plat_DrawSurface(dc);
    const plat_GdiObject* b = plat_ValidObject(brush, plat_GdiKind::BRUSH);
    if (!s || !r || !b) return 0;
    if (!b->hollow) plat_FillBox(s, plat_SurfaceBox(s), {r->left, r->top, r->right, r->bottom}, plat_To565(b->colour));
    return 1;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour) {
    IDirectDrawSurface* s = plat_DrawSurface(dc);
    if (!s) return CLR_INVALID;
    const plat_Box in = plat_SurfaceBox(s);
    if (x < in.left || y < in.top || x >= in.right || y >= in.bottom) return CLR_INVALID;
    const uint16_t v = plat_To565(colour);
    s->Row(y)[x] = v;
    return plat_From565(v);
}

COLORREF GetPixel(HDC dc, int x, int y) {
    IDirectDrawSurface* s = plat_DrawSurface(dc);
    if (!s || x < 0 || y < 0 || x >= s->Width() || y >= s->Height()) return CLR_INVALID;
    return plat_From565(s->Row(y)[x]);
}

BOOL StretchBlt(HDC dst, int dx, int dy, int dw, int dh, HDC src, int sx, int sy, int sw, int sh, DWORD rop) {
    IDirectDrawSurface* ds = plat_DrawSurface(dst);
    IDirectDrawSurface* ss = plat_DrawSurface(src);
    const plat_GdiObject* bm = src && !ss ? src->bitmap : nullptr;
    if (!ds || (!ss && !bm) || rop != SRCCOPY || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return FALSE;

    // The source as RGB565; a copy when it is the destination itself, so rows read are not
    // rows already written.
    const int srcW = ss ? ss->Width() : bm->w, srcH = ss ? ss->Height() : bm->h;
    std::vector<uint16_t> snapshot;
    if (ss == ds) {
        snapshot.reserve(static_cast<size_t>(srcW) * srcH);
        for (int y = 0; y < srcH; ++y) snapshot.insert(snapshot.end(), ss->Row(y), ss->Row(y) + srcW);
    }
    auto source = [&](int64_t x, int64_t y) -> uint16_t {
        const size_t at = static_cast<size_t>(y) * srcW + static_cast<size_t>(x);
        if (bm) return plat_XrgbTo565(bm->px[at]);
        return ss == ds ? snapshot[at] : ss->Row(static_cast<int>(y))[x];
    };

    // Nearest neighbour: the source pixel under the centre of each destination pixel.
    const plat_Box area = plat_Intersect(plat_SurfaceBox(ds), {dx, dy, int64_t(dx) + dw, int64_t(dy) + dh});
    std::vector<int64_t> cols;
    for (int64_t x = area.left; x < area.right; ++x) cols.push_back(sx + (2 * (x - dx) + 1) * sw / (2 * int64_t(dw)));
    for (int64_t y = area.top; y < area.bottom; ++y) {
        const int64_t srow = sy + (2 * (y - dy) + 1) * sh / (2 * int64_t(dh));
        if (srow < 0 || srow >= srcH) continue;
        uint16_t* out = ds->Row(static_cast<int>(y));
        for (size_t i = 0; i < cols.size(); ++i)
            if (cols[i] >= 0 && cols[i] < srcW) out[area.left + static_cast<int64_t>(i)] = source(cols[i], srow);
    }
    return TRUE;
}
