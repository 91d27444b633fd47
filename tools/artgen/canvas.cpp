#include "tools/artgen/canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/ddraw.h"
#include "tools/artgen/detmath.h"

namespace artgen {

namespace {
float len(float x, float y) { return std::sqrt(x * x + y * y); }
float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

// The nearest RGB565 value.
uint16_t to565(Rgb c) {
    const auto q = [](float v, int top) { return static_cast<uint16_t>(std::floor(clamp01(v) * top + 0.5f)); };
    return static_cast<uint16_t>(q(c.r, 31) << 11 | q(c.g, 63) << 5 | q(c.b, 31));
}
}  // namespace

Rgb Hex(uint32_t v) {
    return {static_cast<float>(v >> 16 & 255) / 255, static_cast<float>(v >> 8 & 255) / 255,
            static_cast<float>(v & 255) / 255};
}

Rgb Mix(Rgb a, Rgb b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Rgb Lighter(Rgb c, float t) { return Mix(c, {1, 1, 1}, t); }
Rgb Darker(Rgb c, float t) { return Mix(c, {0, 0, 0}, t); }

Sdf Circle(float cx, float cy, float r) {
    return [=](float x, float y) { return len(x - cx, y - cy) - r; };
}

Sdf Ellipse(float cx, float cy, float rx, float ry) {
    return [=](float x, float y) {
        const float px = (x - cx) / rx, py = (y - cy) / ry;
        const float k0 = len(px, py), k1 = len(px / rx, py / ry);
        return k1 > 0 ? k0 * (k0 - 1) / k1 : -std::min(rx, ry);
    };
}

Sdf Box(float x0, float y0, float x1, float y1, float radius) {
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    return [=](float x, float y) {
        const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
        return len(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Sdf Capsule(float ax, float ay, float bx, float by, float r) {
    return [=](float x, float y) {
        const float ex = bx - ax, ey = by - ay, wx = x - ax, wy = y - ay;
        const float ee = ex * ex + ey * ey;
        const float t = ee > 0 ? clamp01((wx * ex + wy * ey) / ee) : 0;
        return len(wx - ex * t, wy - ey * t) - r;
    };
}

Sdf Polygon(std::vector<float> xy) {
    return [v = std::move(xy)](float x, float y) {
        const size_t n = v.size() / 2;
        float best = (x - v[0]) * (x - v[0]) + (y - v[1]) * (y - v[1]);
        bool inside = false;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            const float ex = v[2 * j] - v[2 * i], ey = v[2 * j + 1] - v[2 * i + 1];
            const float wx = x - v[2 * i], wy = y - v[2 * i + 1];
            const float ee = ex * ex + ey * ey;
            const float t = ee > 0 ? clamp01((wx * ex + wy * ey) / ee) : 0;
            const float bx = wx - ex * t, by = wy - ey * t;
            best = std::min(best, bx * bx + by * by);
            // Crossing count along a ray to the right decides inside from outside.
            const bool up = y >= v[2 * i + 1], down = y<v[2 * j + 1], left = ex * wy> ey * wx;
            if ((up && down && left) || (!up && !down && !left)) inside = !inside;
        }
        return (inside ? -1.0f : 1.0f) * std::sqrt(best);
    };
}

Sdf Ring(float cx, float cy, float r, float half_width) {
    return [=](float x, float y) { return std::fabs(len(x - cx, y - cy) - r) - half_width; };
}

Sdf Arc(float cx, float cy, float r, float a0, float a1, float half_width) {
    const float u0x = static_cast<float>(Cos(a0)), u0y = static_cast<float>(Sin(a0));
    const float u1x = static_cast<float>(Cos(a1)), u1y = static_cast<float>(Sin(a1));
    const bool wide = a1 - a0 > PI;
    return [=](float x, float y) {
        const float px = x - cx, py = y - cy;
        const float from_start = u0x * py - u0y * px, to_end = px * u1y - py * u1x;
        const bool within = wide ? !(from_start < 0 && to_end < 0) : (from_start >= 0 && to_end >= 0);
        if (within) return std::fabs(len(px, py) - r) - half_width;
        return std::min(len(px - r * u0x, py - r * u0y), len(px - r * u1x, py - r * u1y)) - half_width;
    };
}

Sdf HalfPlaneBelow(float row) {
    return [=](float, float y) { return row - y; };
}

Sdf HalfPlaneAbove(float row) {
    return [=](float, float y) { return y - row; };
}

Sdf Union(Sdf a, Sdf b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
Sdf Intersect(Sdf a, Sdf b) {
    return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}
Sdf Subtract(Sdf a, Sdf b) {
    return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
Sdf Grow(Sdf s, float d) {
    return [=](float x, float y) { return s(x, y) - d; };
}
Sdf Outline(Sdf s, float half_width) {
    return [=](float x, float y) { return std::fabs(s(x, y)) - half_width; };
}
Sdf Move(Sdf s, float dx, float dy) {
    return [=](float x, float y) { return s(x - dx, y - dy); };
}
Sdf Rotate(Sdf s, float cx, float cy, float angle) {
    const float c = static_cast<float>(Cos(angle)), sn = static_cast<float>(Sin(angle));
    return [=](float x, float y) {
        const float px = x - cx, py = y - cy;
        return s(cx + c * px + sn * py, cy - sn * px + c * py);
    };
}

Paint Solid(Rgb c, float a) {
    return [=](float, float) { return Rgba{c, a}; };
}

Paint VGrad(float y0, Rgb c0, float y1, Rgb c1) {
    return [=](float, float y) { return Rgba{Mix(c0, c1, clamp01((y - y0) / (y1 - y0))), 1}; };
}

Paint VGradAlpha(float y0, Rgba c0, float y1, Rgba c1) {
    return [=](float, float y) {
        const float t = clamp01((y - y0) / (y1 - y0));
        return Rgba{Mix(c0.c, c1.c, t), c0.a + (c1.a - c0.a) * t};
    };
}

Canvas::Canvas(int w, int h)
    : w_(std::max(w, 0)), h_(std::max(h, 0)), px_(static_cast<size_t>(w_) * h_), solid_(px_.size(), 0) {}

void Canvas::Fill(const Sdf& shape, const Paint& p) { paint(shape, p, true); }
void Canvas::Shade(const Sdf& shape, const Paint& p) { paint(shape, p, false); }

void Canvas::Limit(float x0, float y0, float x1, float y1) {
    lx0_ = std::clamp(static_cast<int>(std::floor(x0)), 0, w_);
    ly0_ = std::clamp(static_cast<int>(std::floor(y0)), 0, h_);
    lx1_ = std::clamp(static_cast<int>(std::ceil(x1)) + 1, lx0_, w_);
    ly1_ = std::clamp(static_cast<int>(std::ceil(y1)) + 1, ly0_, h_);
}

void Canvas::paint(const Sdf& shape, const Paint& p, bool widen) {
    for (int y = ly0_; y < ly1_; ++y)
        for (int x = lx0_; x < lx1_; ++x) {
            const float sx = x + 0.5f, sy = y + 0.5f;
            const float cover = clamp01(0.5f - shape(sx, sy));
            if (cover <= 0) continue;
            const Rgba ink = p(sx, sy);
            const size_t i = index(x, y);
            if (solid_[i]) {
                px_[i] = Mix(px_[i], ink.c, ink.a * cover);
            } else if (widen && cover >= 0.5f && ink.a >= 0.5f) {
                px_[i] = ink.c;
                solid_[i] = 1;
            }
        }
}

void Canvas::Put(IDirectDrawSurface* s, int x0, int y0, uint16_t key, uint16_t border) const {
    DDSURFACEDESC d = {};
    d.dwSize = sizeof d;
    if (!s || s->Lock(nullptr, &d, DDLOCK_WAIT, nullptr) != DD_OK) return;
    for (int y = 0; y < h_; ++y) {
        const int sy = y0 + y;
        if (sy < 0 || sy >= static_cast<int>(d.dwHeight)) continue;
        auto* row =
            reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(d.lpSurface) + static_cast<ptrdiff_t>(sy) * d.lPitch);
        for (int x = 0; x < w_; ++x) {
            const int sx = x0 + x;
            if (sx < 0 || sx >= static_cast<int>(d.dwWidth)) continue;
            uint16_t v = key;
            if (solid_[index(x, y)]) {
                v = to565(px_[index(x, y)]);
                // Never the see-through or the frame colour: the lowest bits of blue moved.
                for (uint16_t bit = 1; v == key || v == border; bit <<= 1) v ^= bit;
            }
            row[sx] = v;
        }
    }
    s->Unlock(nullptr);
}

}  // namespace artgen
