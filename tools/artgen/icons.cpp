#include "tools/artgen/icons.h"

#include "tools/artgen/paint.h"
#include "tools/artgen/pictograms.h"

namespace artgen {

namespace {
const Rgb STAR = Hex(0xFFD23F);
const Rgb PAPER = Hex(0xFFFDF6);
const Rgb CREAM = Hex(0xF3E6C8);

// Points given as fractions of a square at (x, y) with side s.
struct Square {
    float x, y, s;
    float X(float u) const { return x + u * s; }
    float Y(float v) const { return y + v * s; }
    Sdf Poly(std::initializer_list<float> uv) const {
        std::vector<float> xy;
        bool is_x = true;
        for (float f : uv) {
            xy.push_back(is_x ? X(f) : Y(f));
            is_x = !is_x;
        }
        return Polygon(std::move(xy));
    }
};

// A shape with a dark rim and a top-to-bottom shading of its colour.
void rimmed(Canvas& c, const Sdf& shape, float rim, float top, float bottom, Rgb light, Rgb dark) {
    Rimmed(c, shape, rim, INK, top, light, bottom, dark);
}
}  // namespace

void OpenBook(Canvas& c, float x, float y, float s) {
    const Square q{x, y, s};
    const float rim = s * 0.03f;
    const Rgb cover = Hex(0xE8453C);
    rimmed(c, q.Poly({0.03f, 0.47f, 0.5f, 0.57f, 0.97f, 0.47f, 0.97f, 0.9f, 0.5f, 0.99f, 0.03f, 0.9f}), rim, q.Y(0.47f),
           q.Y(0.99f), Lighter(cover, 0.2f), Darker(cover, 0.15f));
    const Sdf left = q.Poly(
        {0.08f, 0.43f, 0.2f, 0.38f, 0.35f, 0.39f, 0.5f, 0.5f, 0.5f, 0.92f, 0.35f, 0.84f, 0.2f, 0.83f, 0.08f, 0.86f});
    const Sdf right = q.Poly(
        {0.92f, 0.43f, 0.8f, 0.38f, 0.65f, 0.39f, 0.5f, 0.5f, 0.5f, 0.92f, 0.65f, 0.84f, 0.8f, 0.83f, 0.92f, 0.86f});
    rimmed(c, left, rim, q.Y(0.38f), q.Y(0.92f), PAPER, CREAM);
    rimmed(c, right, rim, q.Y(0.38f), q.Y(0.92f), PAPER, CREAM);
    // A picture on the left page: a sun over a green hill.
    c.Shade(Intersect(Grow(left, -rim * 0.5f), Circle(q.X(0.34f), q.Y(1.02f), s * 0.26f)), Solid(Hex(0x49C15A)));
    c.Shade(Circle(q.X(0.22f), q.Y(0.55f), s * 0.055f), Solid(Hex(0xFFB020)));
    // Lines of text on the right page.
    for (int i = 0; i < 3; ++i) {
        const float v = 0.53f + 0.1f * i;
        c.Shade(Capsule(q.X(0.59f), q.Y(v + 0.01f), q.X(0.83f), q.Y(v - 0.02f), s * 0.022f), Solid(Hex(0x8FB8E8)));
    }
    c.Shade(Capsule(q.X(0.5f), q.Y(0.52f), q.X(0.5f), q.Y(0.9f), rim * 0.6f), Solid(Darker(CREAM, 0.3f)));
    // The star, rimmed and shining.
    const Sdf star = Grow(Star(q.X(0.5f), q.Y(0.21f), s * 0.19f, s * 0.085f, 0), s * 0.012f);
    rimmed(c, star, rim, q.Y(0.03f), q.Y(0.36f), Lighter(STAR, 0.4f), Hex(0xFFB000));
    c.Shade(Intersect(Grow(star, -rim * 0.6f), HalfPlaneAbove(q.Y(0.18f))), Solid(WHITE, 0.35f));
}

void ClosedBook(Canvas& c, Rgb cover) {
    const float w = static_cast<float>(c.Width()), h = static_cast<float>(c.Height());
    const float bw = h * 0.72f, bh = h * 0.84f, x0 = (w - bw) / 2 - 3, y0 = (h - bh) / 2 - 2, x1 = x0 + bw,
                y1 = y0 + bh;
    const float rim = 1.3f, spine = bw * 0.2f;
    // The pages show on the right and at the bottom, behind the cover.
    const Sdf pages = Box(x0 + 5, y0 + 5, x1 + 5, y1 + 5, 5);
    rimmed(c, pages, rim, y0, y1 + 5, PAPER, CREAM);
    for (int i = 1; i <= 3; ++i) {
        const float o = 1.5f * i;
        c.Shade(Capsule(x1 + o, y0 + 8, x1 + o, y1 + o, 0.35f), Solid(Darker(CREAM, 0.25f)));
        c.Shade(Capsule(x0 + 8, y1 + o, x1 + o, y1 + o, 0.35f), Solid(Darker(CREAM, 0.25f)));
    }
    // A ribbon hanging out at the bottom.
    rimmed(c,
           Polygon({x0 + bw * 0.62f, y1 - 2, x0 + bw * 0.74f, y1 - 2, x0 + bw * 0.74f, y1 + 9, x0 + bw * 0.68f, y1 + 6,
                    x0 + bw * 0.62f, y1 + 9}),
           1, y1, y1 + 9, Hex(0xF0453A), Darker(Hex(0xF0453A), 0.2f));
    const Sdf front = Box(x0, y0, x1, y1, 5);
    rimmed(c, front, rim, y0, y1, Lighter(cover, 0.25f), Darker(cover, 0.12f));
    // The spine, darker, with two golden bands.
    const Sdf spine_band = Intersect(Grow(front, -rim * 0.6f), [=](float x, float) { return x - (x0 + spine); });
    c.Shade(spine_band, Solid(Darker(cover, 0.3f), 0.8f));
    for (float v : {0.14f, 0.86f})
        c.Shade(Intersect(spine_band, Box(x0, y0 + bh * v - 1.5f, x0 + spine, y0 + bh * v + 1.5f, 0)), Solid(STAR));
    // A label with a star on the cover.
    const float lx0 = x0 + spine + 5, lx1 = x1 - 6, ly0 = y0 + bh * 0.2f, ly1 = y0 + bh * 0.62f;
    rimmed(c, Box(lx0, ly0, lx1, ly1, 4), 1, ly0, ly1, PAPER, CREAM);
    const Sdf star =
        Grow(Star((lx0 + lx1) / 2, (ly0 + ly1) / 2 + 1, (ly1 - ly0) * 0.36f, (ly1 - ly0) * 0.16f, 0), 0.6f);
    rimmed(c, star, 1, ly0, ly1, Lighter(STAR, 0.3f), Hex(0xFFA800));
    // Shine across the upper cover.
    c.Shade(Intersect(Grow(front, -rim * 2), Ellipse(x0 + bw * 0.35f, y0, bw * 0.8f, bh * 0.35f)),
            VGradAlpha(y0, {WHITE, 0.45f}, y0 + bh * 0.35f, {WHITE, 0.0f}));
}

}  // namespace artgen
