#include "tests/book/import_pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace import_test {

namespace {
constexpr uint32_t OPAQUE = 0xFF000000u;
constexpr uint32_t SKY = 0x88C8F8, PETAL = 0xF84060, STEM = 0x30A020;

// Opaque, each channel the 8-bit value of its 5 or 6 bits: rounding and truncation agree on it.
constexpr uint32_t exact(uint32_t rgb) {
    const uint32_t r = (rgb >> 19) & 31, g = (rgb >> 10) & 63, b = (rgb >> 3) & 31;
    return OPAQUE | (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
}

bool in_ellipse(int x, int y, int cx, int cy, int rx, int ry) {
    const double dx = double(x - cx) / rx, dy = double(y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

uint32_t mix(uint32_t a, uint32_t b, double t) {
    uint32_t c = 0;
    for (int s = 0; s <= 16; s += 8) {
        const double v = ((a >> s) & 0xFF) * (1 - t) + ((b >> s) & 0xFF) * t;
        c |= uint32_t(v) << s;
    }
    return c;
}
}  // namespace

test_support::PixelAt Photo(int w, int h) {
    return [w, h](int x, int y) {
        const double u = double(x) / w, v = double(y) / h;
        if (in_ellipse(x, y, w * 3 / 4, h / 5, h / 12, h / 12)) return OPAQUE | 0xFFE070;
        const double hill = 0.62 + 0.06 * std::sin(u * 9.0) + 0.03 * std::sin(u * 23.0 + 1.0);
        if (v < hill) return OPAQUE | mix(0x3A78D8, SKY, v / hill);
        return OPAQUE | mix(0x58B848, 0x2E6E2A, (v - hill) / (1 - hill));
    };
}

test_support::PixelAt Flower() {
    return [](int x, int y) {
        constexpr int cx = FLOWER_W / 2, cy = 34;
        if (in_ellipse(x, y, cx, cy, 12, 12)) return exact(0xF8D800);
        for (int p = 0; p < 6; ++p) {
            const double a = p * M_PI / 3;
            if (in_ellipse(x, y, cx + int(24 * std::cos(a)), cy + int(24 * std::sin(a)), 14, 14)) return exact(PETAL);
        }
        if (std::abs(x - cx) <= 3 && y > cy) return exact(STEM);
        if (in_ellipse(x, y, cx + 16, 92, 14, 6)) return exact(STEM);
        return 0u;
    };
}

test_support::PixelAt Bird(int phase) {
    return [phase](int x, int y) {
        constexpr int cx = BIRD_W / 2, cy = BIRD_H / 2;
        if (in_ellipse(x, y, cx + 30, cy - 6, 3, 3)) return exact(0x101010);  // the eye
        if (in_ellipse(x, y, cx + 40, cy - 2, 7, 3)) return exact(0xF8A000);  // the beak
        const int tip = phase == 0 ? 2 : phase == 1 ? cy : BIRD_H - 2;  // where the wing ends
        const int top = std::min(tip, cy - 3), bottom = std::max(tip, cy + 3);
        const int reach = 26 - std::abs(y - cy) * 18 / (BIRD_H / 2);
        if (y >= top && y <= bottom && std::abs(x - (cx - 4)) <= reach)
            return exact(0x183890);
        if (in_ellipse(x, y, cx, cy, 30, 14) || in_ellipse(x, y, cx + 28, cy - 4, 10, 10)) return exact(0x2050C8);
        return 0u;
    };
}

}  // namespace import_test
