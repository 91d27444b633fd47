// Coverage masks and the premultiplied canvas; shapes get their soft edges from the distance
// of each pixel's centre to the edge, text from the glyphs' own coverage.
#include "platform/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/font.h"
#include "platform/pixel.h"

namespace {
uint8_t coverage(double inside) {  // how far the pixel's centre lies inside the edge
    return static_cast<uint8_t>(std::lround(std::clamp(inside + 0.5, 0.0, 1.0) * 255.0));
}

void cover(plat_Mask& m, int x, int y, uint8_t v) {
    uint8_t& a = m.px[size_t(y) * size_t(m.w) + size_t(x)];
    a = std::max(a, v);
}

// The rows and columns of the mask a shape within these bounds can touch.
struct Span {
    int l, t, r, b;
};
Span span(const plat_Mask& m, double left, double top, double right, double bottom) {
    auto lo = [](double v, int n) { return std::clamp(static_cast<int>(std::floor(v)) - 1, 0, n); };
    auto hi = [](double v, int n) { return std::clamp(static_cast<int>(std::ceil(v)) + 1, 0, n); };
    return {lo(left, m.w), lo(top, m.h), hi(right, m.w), hi(bottom, m.h)};
}

// One direction of the growth: along rows (step 1) or along columns (step w).
plat_Mask grow_along(const plat_Mask& m, int r, bool rows) {
    plat_Mask out(m.w, m.h);
    const int n = rows ? m.w : m.h, lines = rows ? m.h : m.w;
    const size_t step = rows ? 1 : size_t(m.w), line_step = rows ? size_t(m.w) : 1;
    for (int l = 0; l < lines; ++l) {
        const uint8_t* in = m.px.data() + size_t(l) * line_step;
        uint8_t* o = out.px.data() + size_t(l) * line_step;
        for (int i = 0; i < n; ++i) {
            uint8_t best = 0;
            for (int j = std::max(0, i - r); j <= std::min(n - 1, i + r) && best < 255; ++j)
                best = std::max(best, in[size_t(j) * step]);
            o[size_t(i) * step] = best;
        }
    }
    return out;
}

uint32_t over(uint32_t src, uint32_t dst) {
    const uint32_t inv = 255 - (src >> 24);
    auto ch = [&](int shift) {
        return ((src >> shift) & 255) + (((dst >> shift) & 255) * inv + 127) / 255;
    };
    return ch(24) << 24 | ch(16) << 16 | ch(8) << 8 | ch(0);
}
// A premultiplied pixel over an RGB565 one, in whole numbers: the edges of every text are
// mixed on every frame.
uint16_t mix565(uint16_t d, uint32_t p) {
    const uint32_t inv = 255 - (p >> 24);
    const uint32_t r5 = (d >> 11) & 31, g6 = (d >> 5) & 63, b5 = d & 31;
    auto mix = [inv](uint32_t dst, uint32_t src) {
        const uint32_t t = dst * inv + 128;
        return std::min<uint32_t>(255, src + ((t + (t >> 8)) >> 8));
    };
    const uint32_t r = mix(r5 << 3 | r5 >> 2, (p >> 16) & 255), g = mix(g6 << 2 | g6 >> 4, (p >> 8) & 255),
                   b = mix(b5 << 3 | b5 >> 2, p & 255);
    return static_cast<uint16_t>((r >> 3) << 11 | (g >> 2) << 5 | b >> 3);
}

// The opaque pixels from x to e: pieces of one colour long enough to fill, what lies between
// them to copy.
constexpr int FILL_FROM = 64;
void opaque(plat_Canvas& c, const uint32_t* row, int x, int e) {
    int copy_from = x;
    auto copy_to = [&](int end) {
        if (end <= copy_from) return;
        c.runs.push_back({copy_from, end - copy_from, c.copy.size(), false});
        for (int i = copy_from; i < end; ++i) c.copy.push_back(plat_XrgbTo565(row[i]));
    };
    for (int i = x, j; i < e; i = j) {
        for (j = i + 1; j < e && row[j] == row[i];) ++j;
        if (j - i < FILL_FROM) continue;
        copy_to(i);
        c.runs.push_back({i, j - i, plat_XrgbTo565(row[i]), true});
        copy_from = j;
    }
    copy_to(e);
}

// One colour, sixteen pixels at a time (the last sixteen may overlap the ones before: the same
// colour again), so that even a long run takes few steps.
void fill(uint16_t* o, size_t n, uint16_t v) {
    uint16_t block[16];
    std::fill_n(block, 16, v);
    if (n < 16) {  // what the clip left of a run
        std::copy_n(block, n, o);
        return;
    }
    for (size_t i = 0; i + 16 < n; i += 16) memcpy(o + i, block, sizeof block);
    memcpy(o + n - 16, block, sizeof block);
}
}  // namespace

int plat_TextWidth(plat_Font* font, std::string_view line) {
    int w = 0;
    for (unsigned char c : line) w += plat_GetGlyph(font, c).advance;
    return w;
}

void plat_MaskText(plat_Mask& m, plat_Font* font, int x, int y, std::string_view line) {
    const int baseline = y + plat_FontAscent(font);
    for (unsigned char c : line) {
        const plat_Glyph& g = plat_GetGlyph(font, c);
        const int gx = x + g.left, gy = baseline - g.top;
        for (int row = std::max(0, -gy); row < g.h && gy + row < m.h; ++row)
            for (int col = std::max(0, -gx); col < g.w && gx + col < m.w; ++col)
                cover(m, gx + col, gy + row, g.coverage[size_t(row) * size_t(g.w) + size_t(col)]);
        x += g.advance;
    }
}

plat_Mask plat_MaskGrow(const plat_Mask& m, int r) {
    if (r <= 0 || m.px.empty()) return m;
    return grow_along(grow_along(m, r, true), r, false);
}

void plat_MaskRoundBox(plat_Mask& m, double left, double top, double right, double bottom, double radius) {
    const double cx = (left + right) / 2, cy = (top + bottom) / 2;
    radius = std::clamp(radius, 0.0, std::min(right - left, bottom - top) / 2);
    const double hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
    const Span s = span(m, left, top, right, bottom);
    for (int y = s.t; y < s.b; ++y)
        for (int x = s.l; x < s.r; ++x) {
            const double qx = std::fabs(x + 0.5 - cx) - hx, qy = std::fabs(y + 0.5 - cy) - hy;
            const double out = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
            const double d = out + std::min(std::max(qx, qy), 0.0) - radius;
            if (const uint8_t v = coverage(-d)) cover(m, x, y, v);
        }
}

void plat_MaskTriangle(plat_Mask& m, const double xs[3], const double ys[3]) {
    const double area = (xs[1] - xs[0]) * (ys[2] - ys[0]) - (ys[1] - ys[0]) * (xs[2] - xs[0]);
    if (area == 0) return;
    const double sign = area > 0 ? 1 : -1;
    const Span s = span(m, *std::min_element(xs, xs + 3), *std::min_element(ys, ys + 3),
                        *std::max_element(xs, xs + 3), *std::max_element(ys, ys + 3));
    for (int y = s.t; y < s.b; ++y)
        for (int x = s.l; x < s.r; ++x) {
            double inside = 1e9;
            for (int i = 0; i < 3; ++i) {
                const int j = (i + 1) % 3;
                const double ex = xs[j] - xs[i], ey = ys[j] - ys[i];
                const double len = std::hypot(ex, ey);
                if (len == 0) continue;
                inside = std::min(inside, sign * (ex * (y + 0.5 - ys[i]) - ey * (x + 0.5 - xs[i])) / len);
            }
            if (const uint8_t v = coverage(inside)) cover(m, x, y, v);
        }
}

void plat_CanvasPaint(plat_Canvas& c, const plat_Mask& m, COLORREF colour, int alpha, int dx, int dy) {
    c.row_runs.clear();
    alpha = std::clamp(alpha, 0, 255);
    for (int y = std::max(0, -dy); y < m.h && y + dy < c.h; ++y)
        for (int x = std::max(0, -dx); x < m.w && x + dx < c.w; ++x) {
            const uint32_t a = (m.px[size_t(y) * size_t(m.w) + size_t(x)] * uint32_t(alpha) + 127) / 255;
            if (a == 0) continue;
            auto pre = [a](uint32_t v) { return (v * a + 127) / 255; };
            const uint32_t src =
                a << 24 | pre(GetRValue(colour)) << 16 | pre(GetGValue(colour)) << 8 | pre(GetBValue(colour));
            uint32_t& d = c.px[size_t(y + dy) * size_t(c.w) + size_t(x + dx)];
            d = over(src, d);
        }
}

void plat_CanvasPrepare(plat_Canvas& c) {
    c.runs.clear();
    c.copy.clear();
    c.mix.clear();
    c.row_runs.assign(1, 0);
    c.row_mix.assign(1, 0);
    for (int y = 0; y < c.h; ++y) {
        const uint32_t* row = c.px.data() + size_t(y) * size_t(c.w);
        for (int x = 0; x < c.w;) {
            const uint32_t a = row[x] >> 24;
            int e = x + 1;
            if (a == 255) {
                while (e < c.w && row[e] >> 24 == 255) ++e;
                opaque(c, row, x, e);
            } else if (a != 0) {
                c.mix.push_back({x, row[x]});
            }
            x = e;
        }
        c.row_runs.push_back(c.runs.size());
        c.row_mix.push_back(c.mix.size());
    }
}

void plat_CanvasBlend(IDirectDrawSurface* s, int x, int y, const plat_Canvas& c) {
    if (!s) return;
    if (c.row_runs.size() != size_t(c.h) + 1) {
        plat_Canvas prepared = c;
        plat_CanvasPrepare(prepared);
        return plat_CanvasBlend(s, x, y, prepared);
    }
    const RECT k = s->DrawClip();  // within the surface
    const int top = std::max(0, k.top - y), bottom = std::min(c.h, k.bottom - y);
    const int left = std::max(0, k.left - x), right = std::min(c.w, k.right - x);
    for (int row = top; row < bottom; ++row) {
        uint16_t* out = s->Row(y + row) + x;
        for (size_t r = c.row_runs[size_t(row)]; r < c.row_runs[size_t(row) + 1]; ++r) {
            const plat_CanvasRun& run = c.runs[r];
            const int from = std::max(run.x, left), to = std::min(run.x + run.n, right);
            if (from >= to) continue;
            if (run.fill)
                fill(out + from, size_t(to - from), uint16_t(run.at));
            else
                memcpy(out + from, c.copy.data() + run.at + size_t(from - run.x), size_t(to - from) * 2);
        }
        for (size_t i = c.row_mix[size_t(row)]; i < c.row_mix[size_t(row) + 1]; ++i)
            if (const plat_CanvasMix& m = c.mix[i]; m.x >= left && m.x < right) out[m.x] = mix565(out[m.x], m.px);
    }
}
