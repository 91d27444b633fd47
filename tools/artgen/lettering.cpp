#include "tools/artgen/lettering.h"

#include "tools/artgen/detmath.h"
#include "tools/artgen/paint.h"

namespace artgen {

namespace {
struct Letter {
    Sdf shape;
    float width;
};

// Letters are strokes of half width w on a baseline b, starting at column x.
Letter letter_p(float x, float b, float cap, float w) {
    const float top = b - cap + w, r = cap * 0.28f, reach = x + w + cap * 0.2f;
    const float mid = top + 2 * r;
    Sdf stem = Capsule(x + w, top, x + w, b - w, w);
    Sdf bowl_shape = Union(Union(Capsule(x + w, top, reach, top, w), Capsule(x + w, mid, reach, mid, w)),
                           Arc(reach, top + r, r, static_cast<float>(-PI / 2), static_cast<float>(PI / 2), w));
    return {Union(stem, bowl_shape), reach + r + w - x};
}

Letter letter_e(float x, float b, float xh, float w) {
    const float r = xh / 2 - w, cx = x + r + w, cy = b - xh / 2;
    Sdf bar = Capsule(cx - r, cy, cx + r, cy, w * 0.8f);
    Sdf bow = Arc(cx, cy, r, static_cast<float>(PI * 0.4), static_cast<float>(PI * 2), w);
    return {Union(bar, bow), 2 * (r + w)};
}

Letter letter_x(float x, float b, float xh, float w) {
    const float span = xh * 0.9f;
    return {
        Union(Capsule(x + w, b - xh + w, x + span - w, b - w, w), Capsule(x + w, b - w, x + span - w, b - xh + w, w)),
        span};
}

Letter letter_l(float x, float b, float cap, float w) {
    return {Capsule(x + w, b - cap - w * 0.3f, x + w, b - w, w), 2 * w};
}

Letter letter_o(float x, float b, float xh, float w) {
    const float r = xh / 2 - w;
    return {Ring(x + r + w, b - xh / 2, r, w), 2 * (r + w)};
}

using Maker = Letter (*)(float x, float baseline, float height, float half_width);
const struct {
    Maker make;
    bool tall;  // cap height, else x-height
} GLYPHS[5] = {{letter_p, true}, {letter_e, false}, {letter_x, false}, {letter_l, true}, {letter_o, false}};
}  // namespace

void Wordmark(Canvas& c, float x, float baseline, float cap) {
    const float w = cap * 0.095f, xh = cap * 0.72f, gap = cap * 0.1f, rim = cap * 0.055f;
    const Rgb colours[] = {Hex(0xF0453A), Hex(0xFF9A1F), Hex(0x2EBD59), Hex(0x2D8CF0), Hex(0xA259F0)};
    const float tilt[] = {-0.09f, 0.06f, -0.05f, 0.08f, -0.06f};
    const float lift[] = {0, -1, 1, -1, 0};
    Letter letters[5];
    float pen = x;
    for (int i = 0; i < 5; ++i) {
        const float b = baseline + lift[i];
        letters[i] = GLYPHS[i].make(pen, b, GLYPHS[i].tall ? cap : xh, w);
        const float cx = pen + letters[i].width / 2, cy = b - xh / 2;
        letters[i].shape = Rotate(letters[i].shape, cx, cy, tilt[i]);
        pen += letters[i].width + gap;
    }
    // A soft shadow first, then each letter with its dark rim, colour and shine.
    for (const Letter& l : letters) c.Shade(Move(Grow(l.shape, rim), rim * 0.8f, rim * 1.2f), Solid(INK, 0.25f));
    for (int i = 0; i < 5; ++i) {
        const Sdf& s = letters[i].shape;
        c.Fill(Grow(s, rim), Solid(INK));
        c.Fill(s, VGrad(baseline - cap, Lighter(colours[i], 0.35f), baseline, Darker(colours[i], 0.08f)));
        // Shine along the upper left edges: the letter less itself moved down and right.
        c.Shade(Intersect(Grow(s, -w * 0.25f), Subtract(s, Move(s, w * 0.45f, w * 0.6f))), Solid(WHITE, 0.55f));
    }
}

}  // namespace artgen
