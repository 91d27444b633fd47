// The props ("Kulisy"): scenery pictures of one phase, on the see-through colour.
#include <tuple>
#include <utility>

#include "tools/artgen/detmath.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/pictograms.h"
#include "tools/artgen/scene.h"
#include "tools/artgen/starter.h"

namespace artgen {

namespace {
const Rgb LEAF = Hex(0x43B649);
const Rgb BARK = Hex(0x9A6236);
const Rgb APPLE = Hex(0xF0483E);
const Rgb GOLD = Hex(0xFFD23F);
const Rgb CHEEK = Hex(0xFF8A80);

Sdf unite(std::initializer_list<Sdf> parts) {
    Sdf all = nullptr;
    for (const Sdf& p : parts) all = all ? Union(all, p) : p;
    return all;
}

// A friendly face: two eyes with a glint, rosy cheeks and a smile, `s` pixels across.
void face(Canvas& c, float cx, float cy, float s) {
    for (float side : {-1.0f, 1.0f}) {
        c.Shade(Ellipse(cx + side * s * 0.22f, cy - s * 0.08f, s * 0.06f, s * 0.085f), Solid(INK));
        c.Shade(Circle(cx + side * s * 0.22f + s * 0.02f, cy - s * 0.11f, s * 0.022f), Solid(WHITE));
        c.Shade(Ellipse(cx + side * s * 0.36f, cy + s * 0.1f, s * 0.09f, s * 0.055f), Solid(CHEEK, 0.7f));
    }
    c.Shade(Arc(cx, cy + s * 0.02f, s * 0.2f, static_cast<float>(PI * 0.2), static_cast<float>(PI * 0.8), s * 0.025f),
            Solid(INK));
}

Canvas tree_prop() {
    Canvas c(300, 400);
    Part(c, Polygon({128, 240, 172, 240, 176, 360, 196, 392, 104, 392, 124, 360}), 240, 392, BARK, 3);
    c.Shade(Capsule(140, 262, 142, 370, 3), Solid(Darker(BARK, 0.25f)));
    c.Shade(Capsule(160, 300, 158, 380, 2.5f), Solid(Darker(BARK, 0.25f)));
    const Sdf crown = unite({Circle(150, 112, 92), Circle(78, 172, 66), Circle(222, 172, 66), Circle(104, 232, 60),
                             Circle(196, 232, 60), Circle(150, 210, 78)});
    Part(c, crown, 20, 290, LEAF, 3.5f);
    c.Shade(Intersect(Grow(crown, -3), Circle(150, 330, 130)), Solid(Darker(LEAF, 0.25f), 0.6f));
    // Tufts of leaves catching the light from the upper left.
    for (auto [x, y, r] : {std::tuple{118.0f, 58.0f, 30.0f}, {62, 138, 22}, {104, 196, 20}, {190, 146, 18}})
        c.Shade(Subtract(Circle(x, y, r), Circle(x + r * 0.3f, y + r * 0.35f, r)), Solid(Lighter(LEAF, 0.45f), 0.8f));
    for (auto [x, y] : {std::pair{96.0f, 120.0f}, {196, 92}, {230, 190}, {70, 212}, {150, 176}, {120, 252}, {188, 246}}) {
        Part(c, Circle(x, y, 13), y - 13, y + 13, APPLE, 2);
        c.Shade(Circle(x - 4, y - 5, 4), Solid(WHITE, 0.8f));
        c.Shade(Capsule(x, y - 13, x + 3, y - 19, 1.6f), Solid(Darker(BARK, 0.3f)));
    }
    return c;
}

Canvas house_prop() {
    Canvas c(360, 360);
    const Rgb wall = Hex(0xFFE7A8), roof = Hex(0xEE4F3F), wood = Hex(0x9A6236), glass = Hex(0x8FD6FF);
    Part(c, Box(244, 40, 284, 130, 3), 40, 130, Hex(0xC8643C), 3);
    c.Fill(Box(238, 32, 290, 48, 4), Solid(Darker(Hex(0xC8643C), 0.45f)));
    Part(c, Box(44, 150, 316, 352, 4), 150, 352, wall, 3);
    const Sdf roof_shape = Grow(Polygon({24, 172, 180, 36, 336, 172}), 6);
    Part(c, roof_shape, 30, 178, roof, 3);
    for (float y : {80.0f, 112.0f, 144.0f}) c.Shade(Intersect(Grow(roof_shape, -4), Box(0, y, 360, y + 3, 1)), Solid(Darker(roof, 0.2f)));
    Part(c, Circle(180, 118, 22), 96, 140, glass, 4);
    c.Shade(Union(Box(178, 96, 182, 140, 0), Box(158, 116, 202, 120, 0)), Solid(WHITE));
    Part(c, Box(150, 238, 210, 352, 26), 238, 352, wood, 3);
    c.Shade(Box(160, 262, 200, 300, 10), Solid(Darker(wood, 0.15f)));
    c.Shade(Circle(198, 305, 5), Solid(GOLD));
    for (float x : {70.0f, 230.0f}) {
        Part(c, Box(x, 200, x + 60, 262, 6), 200, 262, glass, 4);
        c.Shade(Union(Box(x + 28, 200, x + 32, 262, 0), Box(x, 229, x + 60, 233, 0)), Solid(WHITE));
        c.Shade(Polygon({x + 8, 256, x + 22, 206, x + 30, 206, x + 16, 256}), Solid(WHITE, 0.35f));
        Part(c, Box(x - 6, 266, x + 66, 282, 4), 266, 282, Hex(0xC8643C), 2.5f);
        for (int k = 0; k < 4; ++k)
            Part(c, Circle(x + 6 + k * 16, 262, 7), 255, 269, k % 2 ? Hex(0xFF6FAE) : GOLD, 2);
    }
    return c;
}

Canvas sun_prop() {
    Canvas c(240, 240);
    const float cx = 120, cy = 120;
    Sdf rays = nullptr;
    for (int i = 0; i < 12; ++i) {
        const double a = i * PI / 6, w = 0.17;
        const auto at = [&](double r, double da) {
            return std::pair(cx + static_cast<float>(r * Cos(a + da)), cy + static_cast<float>(r * Sin(a + da)));
        };
        const auto [x0, y0] = at(70, -w);
        const auto [x1, y1] = at(i % 2 ? 100 : 112, 0);
        const auto [x2, y2] = at(70, w);
        const Sdf ray = Grow(Polygon({x0, y0, x1, y1, x2, y2}), 3);
        rays = rays ? Union(rays, ray) : ray;
    }
    Part(c, rays, 6, 234, Hex(0xFFA726), 3);
    Part(c, Circle(cx, cy, 72), 48, 192, Hex(0xFFD83A), 3.5f);
    Shine(c, Circle(cx - 14, cy - 16, 48), 60, 140, 0.5f);
    face(c, cx, cy + 6, 100);
    return c;
}

Canvas cloud_prop() {
    Canvas c(300, 160);
    const Sdf cloud = unite({Circle(84, 98, 48), Circle(142, 72, 60), Circle(210, 88, 50), Circle(252, 114, 34),
                             Circle(46, 120, 30), Box(46, 96, 262, 148, 26)});
    Rimmed(c, cloud, 3, Hex(0x9DB8D8), 12, WHITE, 148, Hex(0xDCE9F7));
    c.Shade(Intersect(Grow(cloud, -3), Box(0, 126, 300, 160, 0)), Solid(Hex(0xC9DBF0), 0.7f));
    return c;
}

Canvas flower_prop() {
    Canvas c(100, 160);
    const Rgb stem = Hex(0x3FA34D);
    Part(c, Capsule(50, 70, 52, 154, 4), 70, 154, stem, 2);
    Part(c, Rotate(Ellipse(72, 118, 20, 8), 72, 118, -0.5f), 108, 128, stem, 2);
    Part(c, Rotate(Ellipse(30, 132, 18, 7), 30, 132, 0.5f), 124, 140, stem, 2);
    Sdf petals = nullptr;
    for (int i = 0; i < 6; ++i) {
        const double a = i * PI / 3 - PI / 2;
        const Sdf p = Circle(50 + static_cast<float>(24 * Cos(a)), 50 + static_cast<float>(24 * Sin(a)), 17);
        petals = petals ? Union(petals, p) : p;
    }
    Part(c, petals, 10, 90, Hex(0xFF6FAE), 2.5f);
    Part(c, Circle(50, 50, 15), 35, 65, GOLD, 2.5f);
    face(c, 50, 52, 26);
    return c;
}

Canvas rock_prop() {
    Canvas c(180, 120);
    const Sdf rock =
        unite({Ellipse(94, 74, 74, 40), Circle(70, 58, 42), Circle(118, 62, 36), Box(14, 70, 172, 112, 14)});
    Part(c, rock, 16, 114, Hex(0x9AA5B1), 3);
    c.Shade(Subtract(Intersect(Grow(rock, -3), Circle(66, 48, 30)), Circle(76, 62, 30)), Solid(WHITE, 0.45f));
    for (auto [x, y, r] : {std::tuple{120.0f, 78.0f, 8.0f}, {72, 94, 6}, {144, 98, 5}, {40, 84, 4}})
        c.Shade(Circle(x, y, r), Solid(Hex(0x7D8794)));
    // Moss over the top, with a few drops hanging down.
    const Sdf moss = Intersect(Grow(rock, -1), unite({Ellipse(98, 22, 44, 16), Circle(70, 34, 9), Circle(126, 36, 8)}));
    Part(c, moss, 14, 44, Hex(0x6CC04A), 2);
    return c;
}

Canvas fence_prop() {
    Canvas c(400, 140);
    const Rgb wood = Hex(0xE8B06A);
    Part(c, Box(8, 48, 392, 66, 4), 48, 66, wood, 2.5f);
    Part(c, Box(8, 98, 392, 116, 4), 98, 116, wood, 2.5f);
    for (int i = 0; i < 7; ++i) {
        const float x = 20 + i * 56.0f;
        const Sdf picket = Grow(Polygon({x, 32, x + 16, 12, x + 32, 32, x + 32, 134, x, 134}), 1);
        Part(c, picket, 12, 134, wood, 2.5f);
        c.Shade(Capsule(x + 10, 40, x + 10, 124, 1.5f), Solid(Darker(wood, 0.15f)));
        c.Shade(Circle(x + 16, 57, 2.5f), Solid(Darker(wood, 0.5f)));
        c.Shade(Circle(x + 16, 107, 2.5f), Solid(Darker(wood, 0.5f)));
    }
    return c;
}

Canvas moon_prop() {
    Canvas c(180, 200);
    const Sdf moon = Subtract(Circle(92, 100, 84), Circle(134, 78, 70));
    Rimmed(c, moon, 3.5f, Hex(0xC9A43A), 14, Hex(0xFFF6C2), 186, Hex(0xFFD95A));
    for (auto [x, y, r] : {std::tuple{28.0f, 122.0f, 7.0f}, {62, 164, 6}, {104, 170, 8}, {40, 58, 5}})
        c.Shade(Circle(x, y, r), Solid(Hex(0xF0C95A)));
    // Asleep: a closed eye, a rosy cheek and a smile, looking into the hollow.
    c.Shade(Arc(48, 92, 8, 0.2f, static_cast<float>(PI) - 0.2f, 2.2f), Solid(INK));
    c.Shade(Ellipse(42, 110, 8, 5), Solid(CHEEK, 0.8f));
    c.Shade(Arc(56, 112, 12, 0.2f, 1.3f, 2.2f), Solid(INK));
    return c;
}

Canvas star_prop() {
    Canvas c(90, 90);
    const Sdf star = Grow(Star(45, 48, 40, 18, 0), 2);
    Part(c, star, 6, 88, GOLD, 3);
    Shine(c, Grow(star, -3), 8, 80, 0.5f);
    return c;
}
}  // namespace

std::vector<File> Props() {
    return {{"strom.bmp", PropFile(tree_prop())},  {"dom.bmp", PropFile(house_prop())},
            {"slnko.bmp", PropFile(sun_prop())},   {"oblak.bmp", PropFile(cloud_prop())},
            {"kvet.bmp", PropFile(flower_prop())}, {"kamen.bmp", PropFile(rock_prop())},
            {"plot.bmp", PropFile(fence_prop())},  {"mesiac.bmp", PropFile(moon_prop())},
            {"hviezda.bmp", PropFile(star_prop())}};
}

}  // namespace artgen
