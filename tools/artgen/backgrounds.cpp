// The backgrounds ("Pozadia") out of doors: a meadow, the sea and a night sky. Soft and
// without rims, so that the props and actors in front of them stand out.
#include <tuple>
#include <vector>

#include "tools/artgen/detmath.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/pictograms.h"
#include "tools/artgen/scene.h"
#include "tools/artgen/starter.h"

namespace artgen {

namespace {
const float W = BG_W, H = BG_H;

float as_float(double v) { return static_cast<float>(v); }

// Rolling land whose edge is y = base + the sum of waves (height, length, shift).
Sdf hills(float base, std::initializer_list<std::tuple<double, double, double>> waves) {
    std::vector<std::tuple<double, double, double>> w(waves);
    return Ground(BG_W, [=](double x) {
        double y = base;
        for (auto [height, length, shift] : w) y += height * Sin(x / length + shift);
        return y;
    });
}

// A small round tree far away, standing at (x, y).
void far_tree(Canvas& c, float x, float y, float s, Rgb leaf) {
    Within box(c, x - s, y - 2.6f * s, x + s, y + 1);
    c.Fill(Box(x - s * 0.12f, y - s, x + s * 0.12f, y, 1), Solid(Hex(0x8A6A4A)));
    c.Fill(Ellipse(x, y - 1.6f * s, s * 0.8f, s), Solid(leaf));
    c.Shade(Ellipse(x - s * 0.25f, y - 2 * s, s * 0.35f, s * 0.4f), Solid(WHITE, 0.2f));
}

Canvas meadow() {
    Canvas c(BG_W, BG_H);
    Sky(c, 700, Hex(0x4DB2F5), Hex(0xD4F1FF));
    {
        Within box(c, 0, 440, W, H);
        c.Fill(hills(560, {{46, 260, 0}, {22, 97, 1}}), VGrad(500, Hex(0xB3E3BC), 720, Hex(0x93D3A0)));
    }
    Scatter at(7);
    for (int i = 0; i < 14; ++i) {
        const float x = at.Next(20, W - 20), s = at.Next(14, 22);
        far_tree(c, x, as_float(600 + 46 * Sin(x / 260.0) + 22 * Sin(x / 97.0 + 1)) + 30, s, Hex(0x5DB870));
    }
    {
        Within box(c, 0, 560, W, H);
        c.Fill(hills(660, {{40, 330, 2}, {16, 120, 0}}), VGrad(600, Hex(0x9BDD6E), 820, Hex(0x78C856)));
    }
    const Sdf front = hills(770, {{20, 410, 0.5}});
    // A sandy path winding from the front into the hills.
    const Sdf path = Polygon({760, H + 4, 1180, H + 4, 1090, 930, 1120, 840, 1020, 762, 990, 762, 1040, 840, 990, 930});
    {
        Within box(c, 0, 730, W, H);
        c.Fill(front, VGrad(740, Hex(0x70CC48), H, Hex(0x4FAA36)));
        c.Shade(Grow(path, 2), Solid(Hex(0xD9B878)));
        c.Shade(path, VGrad(760, Hex(0xF1DDA4), H, Hex(0xE6C987)));
    }
    // Flowers and tufts of grass, smaller towards the hills.
    const Rgb petals[3] = {WHITE, Hex(0xFFE066), Hex(0xFF8FC0)};
    for (int i = 0; i < 120; ++i) {
        const float y = at.Next(800, H - 10), x = at.Next(10, W - 10), s = 0.5f + (y - 780) / 300;
        if (front(x, y) > -6 || path(x, y) < 14) continue;
        Within box(c, x - 12 * s, y - 16 * s, x + 12 * s, y + 4);
        if (i % 3) {
            for (float dx : {-6.0f, 0.0f, 6.0f})
                c.Shade(Capsule(x, y, x + dx * s, y - 14 * s, 1.6f * s), Solid(Hex(0x3E9A2E)));
        } else {
            for (int k = 0; k < 5; ++k) {
                const double a = k * 2 * PI / 5;
                c.Fill(Circle(x + as_float(5 * s * Cos(a)), y - 8 * s + as_float(5 * s * Sin(a)), 3.6f * s),
                       Solid(petals[i % 9 / 3]));
            }
            c.Fill(Circle(x, y - 8 * s, 2.6f * s), Solid(Hex(0xFFB020)));
        }
    }
    return c;
}

Canvas sea() {
    Canvas c(BG_W, BG_H);
    const float horizon = 470;
    Sky(c, horizon, Hex(0x52BDF7), Hex(0xDDF5FF));
    {
        // An island with a palm far out, and a sailing boat.
        Within box(c, 1380, 300, 1760, horizon + 2);
        c.Fill(Ellipse(1560, horizon + 6, 150, 34), Solid(Hex(0xF0D79A)));
        c.Fill(Arc(1640, 450, 120, as_float(PI * 1.05), as_float(PI * 1.42), 7), Solid(Hex(0x9A7048)));
        // Leaves hanging from the top of the trunk.
        for (double a : {-0.5, 0.3, 1.0, 2.1, 2.85, 3.65}) {
            const float tx = 1606 + as_float(64 * Cos(a)), ty = 338 + as_float(40 * Sin(a)) + 18;
            c.Fill(Union(Capsule(1606, 338, (1606 + tx) / 2, ty - 14, 8), Capsule((1606 + tx) / 2, ty - 14, tx, ty, 6)),
                   Solid(Hex(0x3FAE55)));
        }
    }
    {
        Within box(c, 330, 330, 520, horizon + 4);
        c.Fill(Polygon({420, 340, 420, 448, 350, 448}), Solid(WHITE));
        c.Fill(Polygon({428, 360, 428, 448, 490, 448}), Solid(Hex(0xFFE3E3)));
        c.Fill(Polygon({340, 452, 500, 452, 480, 474, 360, 474}), Solid(Hex(0xEF4B4B)));
    }
    {
        Within box(c, 0, horizon, W, H);
        c.Fill(Box(-8, horizon, W + 8, H + 8, 0), VGrad(horizon, Hex(0x47B8EA), H, Hex(0x1170B8)));
        c.Shade(Box(-8, horizon, W + 8, horizon + 4, 0), Solid(WHITE, 0.6f));
    }
    // Streaks of light on the water and gentle crests, longer and bolder towards the front.
    Scatter at(11);
    for (int i = 0; i < 70; ++i) {
        const float y = at.Next(horizon + 16, H - 10), x = at.Next(0, W), s = 0.35f + (y - horizon) / 330;
        Within box(c, x - 130 * s, y - 12 * s, x + 130 * s, y + 6 * s);
        if (i % 2) {
            c.Shade(Capsule(x - 110 * s, y, x + 110 * s, y, 2.2f * s), Solid(WHITE, 0.25f));
        } else {
            const float r = 36 * s;
            for (float dx : {-0.9f * r, 0.9f * r})
                c.Shade(Arc(x + dx, y + r, r, as_float(PI * 1.5 - 0.55), as_float(PI * 1.5 + 0.55), 2.4f * s),
                        Solid(WHITE, 0.6f));
        }
    }
    return c;
}

Canvas night() {
    Canvas c(BG_W, BG_H);
    c.Fill(Box(-8, -8, W + 8, H + 8, 0), VGrad(0, Hex(0x131C55), H, Hex(0x46428F)));
    Scatter at(5);
    for (int i = 0; i < 220; ++i) {
        const float x = at.Next(0, W), y = at.Next(0, 900), r = at.Next(1.2f, 3.2f);
        Within box(c, x - 12, y - 12, x + 12, y + 12);
        if (i % 11 == 0) {
            c.Fill(Grow(Star(x, y, 10, 4, 0), 0.8f), Solid(Hex(0xFFF3B0)));
        } else {
            c.Fill(Circle(x, y, r), Solid(i % 4 ? Hex(0xFFFBE6) : Hex(0xBFD8FF)));
        }
    }
    {
        Within box(c, 0, 820, W, H);
        c.Fill(hills(930, {{40, 300, 1}, {14, 90, 0}}), VGrad(880, Hex(0x2C4B7A), H, Hex(0x1E3760)));
        c.Fill(hills(1000, {{30, 250, 4}}), VGrad(960, Hex(0x1F3D66), H, Hex(0x152B4D)));
    }
    // Lit windows of a village far away.
    for (int i = 0; i < 9; ++i) {
        const float x = 140 + i * 205 + at.Next(-40, 40);
        const float y = as_float(930 + 40 * Sin(x / 300 + 1) + 14 * Sin(x / 90)) + 14;
        Within box(c, x - 20, y - 30, x + 20, y + 4);
        c.Fill(Polygon({x - 14, y - 12, x, y - 26, x + 14, y - 12, x + 14, y + 2, x - 14, y + 2}), Solid(Hex(0x16294A)));
        c.Fill(Box(x - 5, y - 9, x + 5, y - 1, 1), Solid(Hex(0xFFD866)));
    }
    return c;
}
}  // namespace

std::vector<File> Backgrounds() {
    return {{"luka.bmp", BackgroundFile(meadow())},
            {"more.bmp", BackgroundFile(sea())},
            {"noc.bmp", BackgroundFile(night())},
            {"izba.bmp", BackgroundFile(Room())},
            {"ulica.bmp", BackgroundFile(Street())}};
}

}  // namespace artgen
