// The backgrounds in town: a child's room and a street of bright houses.
#include "tools/artgen/paint.h"
#include "tools/artgen/scene.h"

namespace artgen {

namespace {
const float W = BG_W, H = BG_H;

// A window pane showing the sky with a cloud, in a white frame with a cross.
void window(Canvas& c, float x0, float y0, float x1, float y1, float frame) {
    Within box(c, x0 - frame, y0 - frame, x1 + frame, y1 + frame);
    c.Fill(Box(x0 - frame, y0 - frame, x1 + frame, y1 + frame, frame), Solid(Hex(0xFFFDF8)));
    c.Fill(Box(x0, y0, x1, y1, 2), VGrad(y0, Hex(0x62C2F7), y1, Hex(0xCDEFFF)));
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    c.Shade(Union(Circle(x0 + (x1 - x0) * 0.3f, y0 + (y1 - y0) * 0.32f, (x1 - x0) * 0.1f),
                  Ellipse(x0 + (x1 - x0) * 0.4f, y0 + (y1 - y0) * 0.36f, (x1 - x0) * 0.16f, (y1 - y0) * 0.06f)),
            Solid(WHITE, 0.9f));
    c.Fill(Union(Box(cx - frame / 2, y0, cx + frame / 2, y1, 0), Box(x0, cy - frame / 2, x1, cy + frame / 2, 0)),
           Solid(Hex(0xFFFDF8)));
}

}  // namespace

Canvas Room() {
    Canvas c(BG_W, BG_H);
    const float floor_y = 800;
    // Striped wallpaper with little dots.
    c.Fill(Box(-8, -8, W + 8, floor_y, 0), VGrad(0, Hex(0xFFE9C2), floor_y, Hex(0xFFDCA8)));
    for (float x = 0; x < W; x += 96) {
        Within box(c, x, 0, x + 48, floor_y);
        c.Shade(Box(x, -8, x + 48, floor_y, 0), Solid(WHITE, 0.28f));
        for (float y = 40; y < floor_y - 120; y += 96) c.Shade(Circle(x + 24, y, 5), Solid(Hex(0xFFB38A), 0.6f));
    }
    {
        Within box(c, 0, floor_y - 140, W, H);
        c.Fill(Box(-8, floor_y - 130, W + 8, floor_y - 116, 0), Solid(Hex(0xF2B77E)));
        c.Fill(Box(-8, floor_y, W + 8, H + 8, 0), VGrad(floor_y, Hex(0xDDA062), H, Hex(0xC98746)));
        for (float y = floor_y + 46; y < H; y += 52) c.Shade(Box(-8, y, W + 8, y + 3, 0), Solid(Hex(0xA9692F), 0.8f));
        for (int row = 0; row * 52 + floor_y < H; ++row)
            for (float x = row % 2 ? 150.0f : 400.0f; x < W; x += 500) {
                const float y = floor_y + row * 52.0f;
                c.Shade(Box(x, y, x + 3, y + 49, 0), Solid(Hex(0xA9692F), 0.8f));
            }
        c.Fill(Box(-8, floor_y - 20, W + 8, floor_y + 4, 0), VGrad(floor_y - 20, WHITE, floor_y + 4, Hex(0xE6DED2)));
    }
    // A window with curtains, a picture on the wall, a rug and a lamp.
    window(c, 260, 170, 680, 560, 16);
    for (float side : {0.0f, 1.0f}) {
        const float x = side ? 700 : 180;
        Within box(c, x - 60, 120, x + 60, 660);
        const Sdf curtain = Polygon({x - 44, 140, x + 44, 140, x + 30, 400, x + 52, 640, x - 52, 640, x - 30, 400});
        Part(c, curtain, 140, 640, Hex(0xF06292), 3);
        for (float dx : {-18.0f, 10.0f}) c.Shade(Capsule(x + dx, 160, x + dx * 1.4f, 620, 3), Solid(Hex(0xC2185B), 0.5f));
    }
    {
        Within box(c, 120, 110, 820, 150);
        Part(c, Box(130, 124, 810, 140, 8), 124, 140, Hex(0xB07A48), 3);
    }
    {
        Within box(c, 1220, 200, 1600, 480);
        Part(c, Box(1234, 214, 1586, 466, 8), 214, 466, Hex(0xF2B33D), 4);
        c.Fill(Box(1256, 236, 1564, 444, 2), Solid(Hex(0xFFFDF6)));
        c.Shade(Circle(1320, 296, 30), Solid(Hex(0xFFC93C)));
        c.Shade(Polygon({1380, 444, 1470, 330, 1564, 444}), Solid(Hex(0x66BB6A)));
        c.Shade(Polygon({1256, 444, 1330, 370, 1420, 444}), Solid(Hex(0x43A047)));
    }
    {
        Within box(c, 420, 880, 1500, 1060);
        const Sdf rug = Ellipse(960, 970, 520, 76);
        Part(c, rug, 894, 1046, Hex(0x5C9DF2), 4);
        c.Shade(Outline(Ellipse(960, 970, 460, 58), 6), Solid(Hex(0xFFD23F)));
        c.Shade(Outline(Ellipse(960, 970, 380, 42), 4), Solid(WHITE, 0.8f));
    }
    {
        Within box(c, 1640, 300, 1860, 820);
        Part(c, Box(1742, 420, 1758, 790, 4), 420, 790, Hex(0x6D6D80), 2.5f);
        Part(c, Ellipse(1750, 796, 60, 12), 784, 808, Hex(0x6D6D80), 2.5f);
        Part(c, Polygon({1690, 440, 1810, 440, 1780, 330, 1720, 330}), 330, 440, Hex(0xFFD23F), 3);
    }
    return c;
}

namespace {
// One house of the row: walls, a roof, rows of windows and a door; its ground at 820.
void town_house(Canvas& c, float x0, float x1, float top, Rgb wall, bool gable) {
    const float ground = 822;
    Within box(c, x0 - 20, top - 140, x1 + 20, ground + 2);
    Part(c, Box(x0, top, x1, ground + 6, 3), top, ground, wall, 3);
    const Rgb roof = gable ? Hex(0xE8553F) : Darker(wall, 0.35f);
    if (gable)
        Part(c, Grow(Polygon({x0 - 14, top + 6, (x0 + x1) / 2, top - 120, x1 + 14, top + 6}), 3), top - 120, top + 8,
             roof, 3);
    else
        Part(c, Box(x0 - 12, top - 16, x1 + 12, top + 6, 4), top - 16, top + 6, roof, 3);
    const int columns = static_cast<int>((x1 - x0) / 90);
    const float step = (x1 - x0) / columns;
    for (float y = top + 40; y < ground - 160; y += 120)
        for (int k = 0; k < columns; ++k) {
            const float wx = x0 + step * k + step / 2;
            Part(c, Box(wx - 26, y, wx + 26, y + 70, 6), y, y + 70, Hex(0x8FD6FF), 4);
            c.Fill(Union(Box(wx - 2, y, wx + 2, y + 70, 0), Box(wx - 26, y + 33, wx + 26, y + 37, 0)),
                   Solid(WHITE));
            c.Shade(Polygon({wx - 20, y + 64, wx - 8, y + 6, wx - 2, y + 6, wx - 14, y + 64}), Solid(WHITE, 0.35f));
        }
    const float dx = (x0 + x1) / 2;
    Part(c, Box(dx - 34, ground - 130, dx + 34, ground + 6, 30), ground - 130, ground, Hex(0x8D5A34), 3);
    c.Shade(Circle(dx + 20, ground - 60, 5), Solid(Hex(0xFFD23F)));
}

void lamp(Canvas& c, float x) {
    Within box(c, x - 40, 480, x + 40, 900);
    Part(c, Box(x - 6, 540, x + 6, 880, 3), 540, 880, Hex(0x3F4A5A), 2.5f);
    Part(c, Box(x - 16, 860, x + 16, 892, 4), 860, 892, Hex(0x3F4A5A), 2.5f);
    Part(c, Polygon({x - 26, 544, x + 26, 544, x + 16, 500, x - 16, 500}), 500, 544, Hex(0x3F4A5A), 2.5f);
    c.Fill(Box(x - 18, 530, x + 18, 544, 3), Solid(Hex(0xFFE37A)));
}

}  // namespace

Canvas Street() {
    Canvas c(BG_W, BG_H);
    Sky(c, 830, Hex(0x4DB2F5), Hex(0xD4F1FF));
    {
        // A far skyline, pale in the haze.
        Within box(c, 0, 300, W, 830);
        Scatter at(3);
        for (float x = -40; x < W; x += at.Next(90, 150)) {
            const float top = at.Next(330, 560);
            c.Fill(Box(x, top, x + at.Next(80, 140), 840, 4), Solid(Hex(0xB3D7EE)));
        }
    }
    const struct {
        float x0, x1, top;
        uint32_t wall;
        bool gable;
    } houses[] = {{-20, 300, 420, 0xFF8A80, false},  {330, 640, 330, 0xFFD54F, true},  {670, 980, 460, 0x81D4A3, false},
                  {1010, 1300, 300, 0xB39DDB, false}, {1330, 1620, 420, 0x7EC8F2, true}, {1650, 1940, 360, 0xFFB74D, false}};
    for (const auto& h : houses) town_house(c, h.x0, h.x1, h.top, Hex(h.wall), h.gable);
    {
        Within box(c, 0, 818, W, H);
        c.Fill(Box(-8, 820, W + 8, 910, 0), VGrad(820, Hex(0xE8E2D6), 910, Hex(0xD2CABA)));
        for (float x = 0; x < W; x += 120) c.Shade(Box(x, 820, x + 3, 906, 0), Solid(Hex(0xB9B0A0)));
        c.Fill(Box(-8, 906, W + 8, 924, 0), Solid(Hex(0xA9A295)));
        c.Fill(Box(-8, 924, W + 8, H + 8, 0), VGrad(924, Hex(0x5F6573), H, Hex(0x4A505C)));
        for (float x = 40; x < W; x += 240) c.Fill(Box(x, 996, x + 130, 1008, 5), Solid(Hex(0xF6F1E4)));
    }
    for (float x : {316.0f, 996.0f, 1636.0f}) lamp(c, x);
    return c;
}

}  // namespace artgen
