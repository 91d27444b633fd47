// The actors ("Herci"): sprite sheets whose phases, played in a row, walk, flap, swim, hop
// and roll. Every figure faces right, the way it starts moving.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/artgen/detmath.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/scene.h"
#include "tools/artgen/starter.h"

namespace artgen {

namespace {
const Rgb CHEEK = Hex(0xFF8A80);
const Rgb NOSE_PINK = Hex(0xFF7A9A);

float as_float(double v) { return static_cast<float>(v); }
// Where one phase of n stands in the cycle, as an angle.
double turn(int i, int n) { return 2 * PI * i / n; }

// A round eye looking right: white, a dark pupil and a glint.
void eye(Canvas& c, float x, float y, float r) {
    c.Fill(Circle(x, y, r + 1.5f), Solid(INK));
    c.Fill(Circle(x, y, r), Solid(WHITE));
    c.Fill(Circle(x + r * 0.25f, y, r * 0.62f), Solid(INK));
    c.Shade(Circle(x + r * 0.45f, y - r * 0.3f, r * 0.22f), Solid(WHITE));
}

// A stroke from (x, y) of length len, turned by angle from straight down.
Sdf limb(float x, float y, float len, double angle, float r) {
    return Capsule(x, y, x + len * as_float(Sin(angle)), y + len * as_float(Cos(angle)), r);
}

void draw_dog(Canvas& c, int i) {
    const Rgb fur = Hex(0xE6A04E), dark = Darker(fur, 0.22f), cream = Hex(0xFFEBC8), ear = Hex(0x93592C);
    const double t = turn(i, 6), swing = 0.42 * Sin(t);
    const float bob = as_float(2 * (1 - Cos(2 * t)) / 2), top = 50 - bob;
    const float ground = 128;
    const auto leg = [&](float hx, double a, Rgb col) {
        const float hy = top + 28, len = ground - hy - 4;
        Part(c, limb(hx, hy, len, a, 8), hy, ground, col, 2.5f);
        const float fx = hx + len * as_float(Sin(a)), fy = hy + len * as_float(Cos(a));
        Part(c, Ellipse(fx + 4, fy + 2, 11, 7), fy - 5, fy + 9, col, 2.5f);
    };
    // Legs come out from under the body: the far pair, darker, behind the near pair.
    leg(124, -swing, dark);
    leg(60, swing, dark);
    leg(114, swing, fur);
    leg(50, -swing, fur);
    // The tail wags twice a step.
    const double wag = 0.35 * Sin(2 * t);
    Part(c, Capsule(36, top + 14, 36 - 26 * as_float(Sin(0.8 + wag)), top + 14 - 26 * as_float(Cos(0.8 + wag)), 6),
         top - 16, top + 20, fur, 2.5f);
    const Sdf body = Ellipse(88, top + 26, 58, 28);
    Part(c, body, top - 2, top + 54, fur, 2.5f);
    c.Shade(Intersect(Grow(body, -2.5f), Ellipse(92, top + 46, 44, 14)), Solid(cream));
    c.Shade(Intersect(Grow(body, -2.5f), Ellipse(70, top + 8, 18, 12)), Solid(Hex(0xB97A3C), 0.8f));
    // Collar and tag.
    Part(c, Capsule(130, top + 4, 136, top + 34, 5), top, top + 38, Hex(0xEF4B4B), 2);
    Part(c, Circle(138, top + 38, 5), top + 33, top + 43, Hex(0xFFD23F), 1.5f);
    // Head, snout, nose, tongue, eye and a floppy ear that swings with the step.
    const float hx = 156, hy = top - 4;
    Part(c, Circle(hx, hy, 30), hy - 30, hy + 30, fur, 2.5f);
    Part(c, Ellipse(hx + 22, hy + 14, 21, 14), hy, hy + 28, cream, 2.5f);
    Part(c, Ellipse(hx + 40, hy + 8, 8, 6), hy + 2, hy + 14, INK, 1);
    c.Shade(Circle(hx + 38, hy + 5, 2.2f), Solid(WHITE, 0.8f));
    c.Shade(Arc(hx + 30, hy + 16, 7, 0.3f, 2.2f, 1.6f), Solid(INK));
    Part(c, Ellipse(hx + 29, hy + 28, 6, 8), hy + 22, hy + 36, NOSE_PINK, 1.5f);
    eye(c, hx + 8, hy - 6, 6);
    c.Shade(Ellipse(hx + 6, hy + 12, 6, 4), Solid(CHEEK, 0.6f));
    Part(c, Rotate(Ellipse(hx - 18, hy + 6, 11, 24), hx - 14, hy - 16, as_float(0.25 + 0.12 * Sin(t))), hy - 18,
         hy + 30, ear, 2.5f);
}

void draw_bird(Canvas& c, int i) {
    const Rgb blue = Hex(0x3D9BF0), belly = Hex(0xFFE27A), beak = Hex(0xFF9F1C);
    // Wings up, half down, down, half up; the body rises as the wings beat down.
    const float angles[4] = {-0.3f, -1.45f, -2.55f, -1.45f}, lifts[4] = {4, 0, -5, 0};
    const float dy = lifts[i], cx = 76, cy = 74 + dy;
    Part(c, Polygon({cx - 30, cy - 2, cx - 62, cy - 18, cx - 56, cy + 2, cx - 64, cy + 20, cx - 30, cy + 12}), cy - 18,
         cy + 20, Darker(blue, 0.1f), 2.5f);
    const Sdf body = Ellipse(cx, cy, 40, 33);
    Part(c, body, cy - 33, cy + 33, blue, 2.5f);
    c.Shade(Intersect(Grow(body, -2.5f), Ellipse(cx + 12, cy + 16, 26, 18)), Solid(belly));
    Shine(c, Grow(body, -3), cy - 33, cy + 10, 0.35f);
    Part(c, Polygon({cx + 36, cy - 8, cx + 62, cy - 1, cx + 36, cy + 8}), cy - 8, cy + 8, beak, 2.5f);
    eye(c, cx + 20, cy - 12, 8);
    c.Shade(Ellipse(cx + 20, cy + 4, 7, 4), Solid(CHEEK, 0.6f));
    // A tuft on the head.
    Part(c, Union(Capsule(cx + 4, cy - 31, cx - 2, cy - 44, 3), Capsule(cx + 10, cy - 31, cx + 12, cy - 42, 3)),
         cy - 46, cy - 30, blue, 2);
    // The wing turns about the shoulder.
    const float sx = cx - 6, sy = cy - 4;
    const Sdf wing = Rotate(Union(Ellipse(sx - 6, sy - 26, 17, 30), Circle(sx, sy - 4, 13)), sx, sy, angles[i]);
    Part(c, wing, sy - 60, sy + 60, Lighter(blue, 0.15f), 2.5f);
    c.Shade(Intersect(Grow(wing, -3), Rotate(Ellipse(sx - 6, sy - 40, 10, 16), sx, sy, angles[i])),
            Solid(Darker(blue, 0.15f), 0.7f));
}

void draw_fish(Canvas& c, int i) {
    const Rgb orange = Hex(0xFF8A2A), fin = Hex(0xFF6A3D);
    const double t = turn(i, 4);
    const float swish = as_float(0.38 * Sin(t)), cy = 56 + as_float(2 * Sin(t + 1));
    const Sdf tail = Rotate(Grow(Polygon({50, cy, 10, cy - 32, 18, cy, 10, cy + 32}), 3), 50, cy, swish);
    Part(c, tail, cy - 34, cy + 34, fin, 2.5f);
    Part(c, Grow(Polygon({78, cy - 26, 104, cy - 48, 126, cy - 28}), 3), cy - 48, cy - 22, fin, 2.5f);
    const Sdf body = Ellipse(102, cy, 60, 35);
    Part(c, body, cy - 35, cy + 35, orange, 2.5f);
    for (float x : {84.0f, 126.0f}) {
        const Sdf band = Intersect(Grow(body, -2), Ellipse(x, cy, 9, 40));
        c.Shade(Grow(band, 2), Solid(Darker(orange, 0.5f)));
        c.Shade(band, Solid(WHITE));
    }
    Shine(c, Grow(body, -3), cy - 35, cy + 5, 0.4f);
    eye(c, 140, cy - 10, 8);
    c.Shade(Arc(146, cy + 8, 8, 0.4f, 2.0f, 1.8f), Solid(INK));
    c.Shade(Ellipse(134, cy + 8, 6, 4), Solid(CHEEK, 0.7f));
    // The side fin paddles against the tail.
    Part(c, Rotate(Ellipse(96, cy + 14, 14, 7), 108, cy + 12, 0.5f - swish), cy + 6, cy + 24, fin, 2);
}

void draw_rabbit(Canvas& c, int i) {
    const Rgb fur = Hex(0xD9C2AA), white = Hex(0xFFF9F2), pink = Hex(0xFFA6B9);
    // Sit, crouch, push off, fly, reach for the ground, land.
    const float rise[6] = {0, 6, -22, -44, -26, 4}, sx[6] = {1, 1.08f, 0.92f, 1, 1, 1.1f},
                sy[6] = {1, 0.9f, 1.1f, 1, 1, 0.88f};
    const float kick[6] = {0, -0.15f, 1.1f, 0.7f, -0.35f, -0.1f}, reach[6] = {0, 0, 0.6f, 0.3f, -0.8f, 0};
    const float ground = 194, bx = 70, by = ground - 42 + rise[i] + 34 * (1 - sy[i]);
    Part(c, Circle(bx - 38 * sx[i], by - 6, 12), by - 18, by + 6, white, 2.5f);
    const Sdf body = Ellipse(bx, by, 40 * sx[i], 34 * sy[i]);
    Part(c, body, by - 34, by + 34, fur, 2.5f);
    c.Shade(Intersect(Grow(body, -2.5f), Ellipse(bx + 18, by + 10, 20, 22)), Solid(white));
    // The big hind foot turns about its heel: flat while sitting, toes down as it pushes off.
    const float heel_x = bx - 22 * sx[i], heel_y = by + 28 * sy[i];
    const Sdf thigh = Ellipse(bx - 12 * sx[i], by + 10 * sy[i], 24 * sx[i], 22 * sy[i]);
    Part(c, thigh, by - 12, by + 34, fur, 2.5f);
    Part(c, Rotate(Ellipse(heel_x + 20, heel_y + 2, 25, 8), heel_x, heel_y, kick[i]), heel_y - 8, heel_y + 30, fur,
         2.5f);
    Part(c, Rotate(Ellipse(bx + 30, by + 28, 8, 13), bx + 28, by + 16, reach[i]), by + 14, by + 42, fur, 2.5f);
    // Head with long ears that trail as the rabbit rises.
    const float hx = bx + 38, hy = by - 34 * sy[i] - 4, drag = rise[i] < -10 ? 0.35f : 0.0f;
    for (float side : {0.0f, 1.0f}) {
        const float ex = hx - 8 + side * 14, tilt = -0.35f + side * 0.3f - drag;
        const Sdf ear = Rotate(Ellipse(ex, hy - 38, 10, 30), ex, hy - 12, tilt);
        Part(c, ear, hy - 70, hy - 8, side ? fur : Darker(fur, 0.1f), 2.5f);
        c.Shade(Intersect(Grow(ear, -4), Rotate(Ellipse(ex, hy - 38, 5, 22), ex, hy - 12, tilt)), Solid(pink));
    }
    Part(c, Circle(hx, hy, 24), hy - 24, hy + 24, fur, 2.5f);
    c.Shade(Ellipse(hx + 12, hy + 10, 12, 9), Solid(white));
    eye(c, hx + 8, hy - 6, 6);
    Part(c, Ellipse(hx + 22, hy + 4, 4.5f, 3.5f), hy, hy + 8, NOSE_PINK, 1.5f);
    c.Shade(Ellipse(hx + 2, hy + 8, 6, 4), Solid(CHEEK, 0.7f));
    for (float d : {-3.0f, 3.0f}) c.Shade(Capsule(hx + 22, hy + 8, hx + 36, hy + 6 + d * 2, 0.8f), Solid(INK, 0.6f));
}

// The slice of the plane between the rays from (cx, cy) at angles a0 and a1 (less than half a turn apart).
Sdf wedge(float cx, float cy, double a0, double a1) {
    const float u0x = as_float(Cos(a0)), u0y = as_float(Sin(a0)), u1x = as_float(Cos(a1)), u1y = as_float(Sin(a1));
    return [=](float x, float y) {
        const float px = x - cx, py = y - cy;
        return std::max(px * u0y - py * u0x, py * u1x - px * u1y);
    };
}

void draw_ball(Canvas& c, int i) {
    const float cx = 55, cy = 55, r = 50;
    const Sdf ball = Circle(cx, cy, r);
    Part(c, ball, cy - r, cy + r, Hex(0xF0453A), 3);
    // Three yellow slices of six; the pattern repeats every third of a turn, so six phases of a
    // twentieth of a turn each roll on without a jump.
    const double roll = i * PI / 9;
    for (int k = 0; k < 3; ++k) {
        const double a0 = roll + k * 2 * PI / 3;
        c.Shade(Intersect(Grow(ball, -1), wedge(cx, cy, a0, a0 + PI / 3)),
                VGrad(cy - r, Hex(0xFFE066), cy + r, Hex(0xFFC21A)));
    }
    Part(c, Circle(cx, cy, 11), cy - 11, cy + 11, Hex(0x3D9BF0), 2);
    c.Shade(Subtract(Circle(cx - 16, cy - 18, 20), Circle(cx - 8, cy - 8, 22)), Solid(WHITE, 0.6f));
    c.Shade(Circle(cx - 22, cy - 24, 5), Solid(WHITE, 0.8f));
}

File sheet(const char* name, int w, int h, int n, void (*draw)(Canvas&, int), std::string* faz) {
    return {std::string(name) + ".bmp", ActorSheet(w, h, n, draw, faz)};
}
}  // namespace

std::vector<File> Actors() {
    struct Actor {
        const char* name;
        int w, h, phases;
        void (*draw)(Canvas&, int);
    };
    const Actor all[] = {{"pes", 210, 140, 6, draw_dog},
                         {"vtak", 160, 150, 4, draw_bird},
                         {"ryba", 190, 112, 4, draw_fish},
                         {"zajac", 170, 200, 6, draw_rabbit},
                         {"lopta", 112, 112, 6, draw_ball}};
    std::vector<File> files;
    for (const Actor& a : all) {
        std::string faz;
        files.push_back(sheet(a.name, a.w, a.h, a.phases, a.draw, &faz));
        files.push_back({std::string(a.name) + ".faz", std::vector<uint8_t>(faz.begin(), faz.end())});
    }
    return files;
}

}  // namespace artgen
