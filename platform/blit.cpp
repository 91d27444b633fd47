// Blits between RGB565 surfaces: 1:1 copies (plain or source-keyed), nearest-neighbour
// scaling with mirroring, colour fill and constant alpha. Every blit is clipped here against
// both surfaces in 64-bit arithmetic, so no coordinates can reach outside a pixel buffer.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/backend.h"
#include "platform/blit_stretch.h"
#include "platform/ddraw.h"
#include "platform/display_internal.h"

namespace {

// Eight pixels in one SSE2 / NEON register; the optimiser would not vectorise the row loops
// by itself at -O2.
typedef uint16_t Px8 __attribute__((vector_size(16)));

Px8 broadcast(uint16_t v) {
    Px8 all;
    for (int i = 0; i < 8; ++i) all[i] = v;
    return all;
}

// A half-open span on one axis; 64-bit so that any pair of LONG coordinates fits.
struct Span {
    int64_t lo, hi;
    int64_t Size() const { return hi - lo; }
};

struct Mode {
    bool keyed = false;
    uint16_t key = 0;
    bool mirrorX = false, mirrorY = false;
    bool blend = false;
    unsigned alpha = 255;
};

HRESULT ready(const IDirectDrawSurface* a, const IDirectDrawSurface* b) {
    if (a->lost || (b && b->lost)) return DDERR_SURFACELOST;
    if (a->locked || (b && b->locked)) return DDERR_WASSTILLDRAWING;
    return DD_OK;
}

// The spans of a rectangle, or of the whole surface when there is none; false when inverted.
bool spans_of(const RECT* r, const IDirectDrawSurface& s, Span& x, Span& y) {
    if (!r) {
        x = {0, s.Width()};
        y = {0, s.Height()};
        return true;
    }
    x = {r->left, r->right};
    y = {r->top, r->bottom};
    return x.Size() >= 0 && y.Size() >= 0;
}

// The destination's drawing clip on each axis.
Span clip_x(const IDirectDrawSurface& s) {
    const RECT c = s.DrawClip();
    return {c.left, c.right};
}
Span clip_y(const IDirectDrawSurface& s) {
    const RECT c = s.DrawClip();
    return {c.top, c.bottom};
}

// The columns a blit asks for, within the source: keyed runs are kept per such window (a whole
// picture, a phase).
int asked_lo(const Span& sx) { return static_cast<int>(std::max<int64_t>(sx.lo, 0)); }
int asked_hi(const Span& sx, const IDirectDrawSurface& src) {
    return static_cast<int>(std::min<int64_t>(sx.hi, src.Width()));
}

// The runs a keyed copy goes by. A surface's runs change as it is written: onto itself the
// copy goes by the mask.
plat_KeyRuns* runs_of(const IDirectDrawSurface& dst, const IDirectDrawSurface& src, const Mode& m) {
    return m.keyed && &src != &dst ? src.KeyRuns() : nullptr;
}

// Shortens a 1:1 run of n pixels from source position s to destination position d until
// both ends lie inside [0, slim) and the destination's clip d; false when nothing is left.
inline bool clip_run(int64_t& d, int64_t& s, int64_t& n, Span dclip, int64_t slim) {
    const int64_t skip = std::max(int64_t{0}, std::max(dclip.lo - d, -s));
    d += skip;
    s += skip;
    n = std::min(n - skip, std::min(dclip.hi - d, slim - s));
    return n > 0;
}

// Nearest neighbour sampled at pixel centres, as a colour-on-colour stretch does. Fills map
// with the source position of every destination pixel inside the clip whose source lies
// inside [0, slim) and returns the first such destination position. Positions come from the
// unclipped spans, so a clipped blit shows exactly the pixels of the unclipped one.
int64_t map_axis(Span d, Span s, Span clip, int slim, bool mirror, std::vector<int>& map) {
    const int64_t dn = d.Size(), sn = s.Size();
    int64_t first = 0;
    map.clear();
    for (int64_t p = std::max(d.lo, clip.lo); p < std::min(d.hi, clip.hi); ++p) {
        const int64_t i = mirror ? d.hi - 1 - p : p - d.lo;
        const int64_t src = s.lo + plat_StretchSource(i, dn, sn);
        if (src < 0 || src >= slim) {
            if (!map.empty()) break;  // monotonic: nothing further is inside
            continue;
        }
        if (map.empty()) first = p;
        map.push_back(static_cast<int>(src));
    }
    return first;
}

// Source rows [lo, hi) to read from; a private copy of them when a surface is blitted onto
// rows of itself that they overlap, so that those read the pixels as they were before the blit.
class SourceRows {
public:
    SourceRows(const IDirectDrawSurface& src, const IDirectDrawSurface& dst, int64_t lo, int64_t hi, int64_t dlo,
               int64_t dhi)
        : src(src), lo(lo) {
        if (&src != &dst || hi <= dlo || dhi <= lo) return;
        const size_t w = static_cast<size_t>(src.Width());
        copy.resize(w * static_cast<size_t>(hi - lo));
        for (int64_t y = lo; y < hi; ++y)
            memcpy(&copy[w * static_cast<size_t>(y - lo)], src.Row(static_cast<int>(y)), w * 2);
    }
    const uint16_t* Row(int64_t y) const {
        if (copy.empty()) return src.Row(static_cast<int>(y));
        return &copy[static_cast<size_t>(src.Width()) * static_cast<size_t>(y - lo)];
    }

private:
    const IDirectDrawSurface& src;
    int64_t lo;
    std::vector<uint16_t> copy;
};

void fill_row(uint16_t* d, int64_t n, uint16_t colour) {
    const Px8 v = broadcast(colour);
    const Px8 block[4] = {v, v, v, v};
    int64_t i = 0;
    // Four stores a step: with one, the loop and not memory would set the pace.
    for (; i + 32 <= n; i += 32) memcpy(d + i, block, sizeof block);
    for (; i < n; ++i) d[i] = colour;
}

unsigned mix(unsigned s, unsigned d, unsigned a) { return (s * a + d * (255 - a) + 127) / 255; }

uint16_t blend_pixel(uint16_t s, uint16_t d, unsigned a) {
    const unsigned r = mix(s >> 11, d >> 11, a);
    const unsigned g = mix((s >> 5) & 63, (d >> 5) & 63, a);
    const unsigned b = mix(s & 31, d & 31, a);
    return static_cast<uint16_t>(r << 11 | g << 5 | b);
}

// Plain rows, and keyed ones onto their own surface, read through a private copy of the rows
// that they overlap. Kept apart so that a sprite's path does not set up that copy.
__attribute__((noinline)) void copy_rows(IDirectDrawSurface& dst, int64_t x, int64_t y, IDirectDrawSurface& src,
                                         int64_t s, int64_t t, int64_t n, int64_t rows, const Mode& m) {
    const SourceRows from(src, dst, t, t + rows, y, y + rows);
    for (int64_t r = 0; r < rows; ++r) {
        uint16_t* d = dst.Row(static_cast<int>(y + r)) + x;
        const uint16_t* p = from.Row(t + r);
        if (m.keyed)
            plat_CopyRowKeyed(d, p + s, n, m.key);
        else
            memcpy(d, p + s, static_cast<size_t>(n) * 2);
    }
}

void copy1to1(IDirectDrawSurface& dst, const Span& dx, const Span& dy, IDirectDrawSurface& src, const Span& sx,
              const Span& sy, const Mode& m) {
    int64_t x = dx.lo, y = dy.lo, s = sx.lo, t = sy.lo, n = sx.Size(), rows = sy.Size();
    if (!clip_run(x, s, n, clip_x(dst), src.Width()) || !clip_run(y, t, rows, clip_y(dst), src.Height())) return;
    // One writable row counts the write to dst; the others follow it at the pitch.
    plat_KeyRuns* runs = runs_of(dst, src, m);
    if (!runs) return copy_rows(dst, x, y, src, s, t, n, rows, m);
    runs->Copy(dst.Row(static_cast<int>(y)) + x, dst.Pitch() / 2, src, asked_lo(sx), asked_hi(sx, src), s, t, n, rows,
               false);
}

// A stretch of a map along which each destination pixel moves one source pixel:
// map[at + k] == map[at] + k * step.
struct Piece {
    size_t at, n;
    int step;
};

// The map cut into such pieces; false when it takes more than `most` (a real enlargement or
// reduction).
bool unit_pieces(const std::vector<int>& map, size_t most, std::vector<Piece>& out) {
    out.clear();
    for (size_t i = 0; i < map.size(); i += out.back().n) {
        if (out.size() == most) return false;
        Piece p{i, 1, 1};
        if (i + 1 < map.size() && std::abs(map[i + 1] - map[i]) == 1) p.step = map[i + 1] - map[i];
        while (i + p.n < map.size() && map[i + p.n] - map[i + p.n - 1] == p.step) ++p.n;
        out.push_back(p);
    }
    return true;
}

// A keyed picture drawn 1:1 or nearly (facing left, or a phase drawn a pixel narrower and lower
// than its source) by its runs, a piece at a time. False when the maps are not a few such pieces.
bool copy_pieces(IDirectDrawSurface& dst, int64_t x0, int64_t y0, const std::vector<int>& xmap,
                 const std::vector<int>& ymap, IDirectDrawSurface& src, const Span& sx, plat_KeyRuns* runs) {
    constexpr size_t MOST = 4;
    std::vector<Piece> cols, rows;
    if (!runs || !unit_pieces(xmap, MOST, cols) || !unit_pieces(ymap, MOST, rows)) return false;
    if (std::any_of(rows.begin(), rows.end(), [](const Piece& r) { return r.step != 1; })) return false;
    for (const Piece& r : rows) {
        for (const Piece& c : cols) {
            const bool mirrored = c.step < 0;
            const int64_t s = xmap[mirrored ? c.at + c.n - 1 : c.at];
            runs->Copy(dst.Row(static_cast<int>(y0 + static_cast<int64_t>(r.at))) + x0 + static_cast<int64_t>(c.at),
                       dst.Pitch() / 2, src, asked_lo(sx), asked_hi(sx, src), s, ymap[r.at],
                       static_cast<int64_t>(c.n), static_cast<int64_t>(r.n), mirrored);
        }
    }
    return true;
}

// Scaling, mirroring and blending: one source lookup per destination pixel, unless a keyed picture
// goes by its runs.
void copy_mapped(IDirectDrawSurface& dst, const Span& dx, const Span& dy, IDirectDrawSurface& src, const Span& sx,
                 const Span& sy, const Mode& m) {
    std::vector<int> xmap, ymap;
    const int64_t x0 = map_axis(dx, sx, clip_x(dst), src.Width(), m.mirrorX, xmap);
    const int64_t y0 = map_axis(dy, sy, clip_y(dst), src.Height(), m.mirrorY, ymap);
    if (xmap.empty() || ymap.empty()) return;
    if (m.keyed && !m.blend && copy_pieces(dst, x0, y0, xmap, ymap, src, sx, runs_of(dst, src, m))) return;
    const auto [top, bottom] = std::minmax_element(ymap.begin(), ymap.end());
    const SourceRows from(src, dst, *top, *bottom + 1, y0, y0 + static_cast<int64_t>(ymap.size()));
    const plat_RowStretch stretch(xmap, src.Width());
    for (size_t r = 0; r < ymap.size(); ++r) {
        uint16_t* d = dst.Row(static_cast<int>(y0 + static_cast<int64_t>(r))) + x0;
        const uint16_t* p = from.Row(ymap[r]);
        if (!m.keyed && !m.blend) {  // a plain stretch, as a page shown on another screen size is
            if (r > 0 && ymap[r] == ymap[r - 1])  // enlarged: a copy of the row above
                memcpy(d, dst.Row(static_cast<int>(y0 + static_cast<int64_t>(r) - 1)) + x0, xmap.size() * 2);
            else
                stretch.Row(d, p);
            continue;
        }
        for (size_t c = 0; c < xmap.size(); ++c) {
            const uint16_t px = p[xmap[c]];
            if (m.keyed && px == m.key) continue;
            d[c] = m.blend ? blend_pixel(px, d[c], m.alpha) : px;
        }
    }
}

HRESULT draw(IDirectDrawSurface& dst, const Span& dx, const Span& dy, IDirectDrawSurface& src, const Span& sx,
             const Span& sy, const Mode& m) {
    if (dx.Size() == 0 || dy.Size() == 0) return DD_OK;
    if (sx.Size() == 0 || sy.Size() == 0) return DDERR_INVALIDRECT;
    if (dx.Size() == sx.Size() && dy.Size() == sy.Size() && !m.mirrorX && !m.mirrorY && !m.blend)
        copy1to1(dst, dx, dy, src, sx, sy, m);
    else
        copy_mapped(dst, dx, dy, src, sx, sy, m);
    return DD_OK;
}

void fill_span(IDirectDrawSurface& dst, Span dx, Span dy, uint16_t colour) {
    const Span cx = clip_x(dst), cy = clip_y(dst);
    const int64_t x0 = std::max(dx.lo, cx.lo), x1 = std::min(dx.hi, cx.hi);
    const int64_t y0 = std::max(dy.lo, cy.lo), y1 = std::min(dy.hi, cy.hi);
    for (int64_t y = y0; x0 < x1 && y < y1; ++y) fill_row(dst.Row(static_cast<int>(y)) + x0, x1 - x0, colour);
}

// Whatever reaches the primary surface is shown at once.
HRESULT shown(IDirectDrawSurface& dst, HRESULT hr) {
    if (hr == DD_OK && (dst.Caps() & DDSCAPS_PRIMARYSURFACE)) plat_PresentPrimary(dst);
    return hr;
}

}  // namespace

HRESULT plat_ShowParts(IDirectDrawSurface* back, const std::vector<RECT>& parts) {
    IDirectDrawSurface* primary = plat_PrimarySurface();
    if (!back || !primary) return DDERR_GENERIC;
    if (HRESULT hr = ready(primary, back); hr != DD_OK) return hr;
    const Span x{0, back->Width()}, y{0, back->Height()};
    for (const RECT& r : parts) {
        primary->SetDrawClip(&r);
        copy1to1(*primary, x, y, *back, x, y, Mode{});
    }
    primary->SetDrawClip(nullptr);
    plat_PresentPrimary(*primary, &parts, true);
    return DD_OK;
}

HRESULT IDirectDrawSurface::BltFast(LONG x, LONG y, IDirectDrawSurface* src, RECT* srcRect, DWORD flags) {
    if (!src) return DDERR_INVALIDPARAMS;
    if (HRESULT hr = ready(this, src); hr != DD_OK) return hr;
    Span sx, sy;
    if (!spans_of(srcRect, *src, sx, sy)) return DDERR_INVALIDRECT;
    Mode m;
    m.keyed = (flags & DDBLTFAST_SRCCOLORKEY) && src->hasKey;
    m.key = src->key;
    // A whole frame onto the screen is copied, and shown, only where it changed.
    const bool frame = x == 0 && y == 0 && sx.lo == 0 && sy.lo == 0 && sx.Size() == w && sy.Size() == h;
    if ((caps & DDSCAPS_PRIMARYSURFACE) && frame && !m.keyed && !clipped && src->w == w && src->h == h) {
        plat_PresentFrame(*this, *src);
        return DD_OK;
    }
    copy1to1(*this, {x, x + sx.Size()}, {y, y + sy.Size()}, *src, sx, sy, m);  // nothing to scale
    return shown(*this, DD_OK);
}

HRESULT IDirectDrawSurface::Blt(RECT* destRect, IDirectDrawSurface* src, RECT* srcRect, DWORD flags, DDBLTFX* fx) {
    const bool fill = flags & DDBLT_COLORFILL;
    if ((!fx && (flags & (DDBLT_COLORFILL | DDBLT_DDFX | DDBLT_ALPHASRCCONSTOVERRIDE))) || (!fill && !src))
        return DDERR_INVALIDPARAMS;
    if (HRESULT hr = ready(this, fill ? nullptr : src); hr != DD_OK) return hr;
    Span dx, dy, sx, sy;
    if (!spans_of(destRect, *this, dx, dy)) return DDERR_INVALIDRECT;
    if (fill) {
        fill_span(*this, dx, dy, static_cast<uint16_t>(fx->dwFillColor));
        return shown(*this, DD_OK);
    }
    if (!spans_of(srcRect, *src, sx, sy)) return DDERR_INVALIDRECT;
    Mode m;
    m.keyed = (flags & DDBLT_KEYSRC) && src->hasKey;
    m.key = src->key;
    if (flags & DDBLT_DDFX) {
        m.mirrorX = fx->dwDDFX & DDBLTFX_MIRRORLEFTRIGHT;
        m.mirrorY = fx->dwDDFX & DDBLTFX_MIRRORUPDOWN;
    }
    if (flags & DDBLT_ALPHASRCCONSTOVERRIDE) {
        m.alpha = std::min<DWORD>(fx->dwAlphaSrcConst, 255);
        m.blend = m.alpha < 255;  // fully opaque is a plain copy
    }
    return shown(*this, draw(*this, dx, dy, *src, sx, sy, m));
}
