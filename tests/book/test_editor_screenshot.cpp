// A garden page as the author sees it while at work, written next to the test program as
// editor_screenshot.png: props, actors (the birds on the left face left), the butterfly
// under the pointer, the main menu with the books list open, and the status line.
#include <unistd.h>

#include "platform/backend.h"
#include "tests/book/editor_fixture.h"
#include "tests/support/png_writer.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/sheet.h"

using namespace artgen;
using editor_test::Editor;
using editor_test::H;
using editor_test::W;

namespace {
// A picture of `phases` phases side by side, each w x h and framed, drawn by `paint`.
std::string sheet_bmp(int w, int h, int phases, const std::function<void(Canvas&, int)>& paint) {
    Sheet sheet(phases * (w + 1) + 1, h + 2, KEY, BORDER);
    for (int i = 0; i < phases; ++i) {
        Canvas c(w, h);
        paint(c, i);
        sheet.Place({i * (w + 1) + 1, 1, i * (w + 1) + w, h}, c);
    }
    const std::vector<uint8_t> bmp = sheet.Bmp();
    return std::string(bmp.begin(), bmp.end());
}

std::string phases_file(int w, int phases) {
    std::string faz;
    for (int i = 0; i < phases; ++i) faz += std::to_string(i * (w + 1) + w / 2) + " 3\n";
    return faz;
}

void draw_garden(Canvas& c) {
    const float w = float(c.Width()), h = float(c.Height());
    c.Fill(Box(0, 0, w, h, 0), VGrad(0, Hex(0x7EC8FF), h * 0.6f, Hex(0xE6F6FF)));
    c.Fill(Circle(w * 0.85f, h * 0.16f, h * 0.09f), Solid(Hex(0xFFD23F)));
    c.Fill(Ellipse(w * 0.2f, h * 1.05f, w * 0.5f, h * 0.45f), VGrad(h * 0.6f, Hex(0x7ED957), h, Hex(0x3FA34D)));
    c.Fill(Ellipse(w * 0.85f, h * 1.1f, w * 0.55f, h * 0.48f), VGrad(h * 0.6f, Hex(0x96E06A), h, Hex(0x4DB05A)));
    const uint32_t petals[] = {0xFFFFFF, 0xFF6FB5, 0xFFD23F, 0x9B6BF2};
    for (int i = 0; i < 14; ++i) {  // flowers in the grass
        const float x = float(37 * i % 500 + 6), y = h * 0.8f + float(53 * i % 60);
        c.Fill(Circle(x, y, 4), Solid(Hex(petals[i % 4])));
        c.Fill(Circle(x, y, 1.5f), Solid(Hex(0xFF9F1C)));
    }
}

void draw_tree(Canvas& c) {
    c.Fill(Box(40, 70, 56, 126, 3), Solid(Hex(0x9A5B2E)));
    c.Fill(Union(Circle(48, 44, 36), Union(Circle(24, 66, 20), Circle(72, 66, 20))), Solid(Hex(0x43B649)));
    c.Shade(Circle(36, 30, 14), Solid(Hex(0x7ED957)));
    for (float x : {30.f, 62.f, 48.f}) c.Fill(Circle(x, x == 48.f ? 58 : 44, 5), Solid(Hex(0xF0453A)));
}

void draw_house(Canvas& c) {
    c.Fill(Box(14, 56, 118, 126, 2), Solid(Hex(0xFFE3A3)));
    c.Fill(Polygon({4, 60, 66, 8, 128, 60}), Solid(Hex(0xE8453C)));
    c.Fill(Box(54, 84, 78, 126, 4), Solid(Hex(0x8A5A3C)));
    for (float x : {26.f, 90.f}) c.Fill(Box(x, 72, x + 18, 90, 2), Solid(Hex(0x8FD3FF)));
}

void draw_cloud(Canvas& c) {
    c.Fill(Union(Union(Circle(34, 40, 22), Circle(64, 30, 26)), Union(Circle(94, 42, 20), Box(30, 40, 100, 62, 10))),
           Solid(WHITE));
}

void draw_bird(Canvas& c, int phase) {
    c.Fill(Polygon({66, 30, 82, 36, 66, 40}), Solid(Hex(0xFF9F1C)));
    c.Fill(Ellipse(40, 38, 28, 20), Solid(Hex(0x3D9BF0)));
    c.Fill(Polygon({20, 38, 4, phase == 1 ? 36.f : 26.f, 10, 46}), Solid(Hex(0x2D7DD2)));
    c.Fill(Polygon({30, 34, 50, 34, 36, phase == 1 ? 60.f : 8.f}), Solid(Hex(0x9B6BF2)));
    c.Fill(Circle(56, 30, 4), Solid(WHITE));
    c.Fill(Circle(57, 30, 2), Solid(INK));
}

void draw_butterfly(Canvas& c, int phase) {
    const float open = phase == 1 ? 0.6f : 1.0f;
    for (float s : {-1.f, 1.f}) {
        c.Fill(Ellipse(40 + s * 18 * open, 26, 17 * open, 20), Solid(Hex(0xFF6FB5)));
        c.Fill(Ellipse(40 + s * 14 * open, 52, 12 * open, 13), Solid(Hex(0xFFB020)));
        c.Shade(Circle(40 + s * 20 * open, 24, 5 * open), Solid(WHITE));
    }
    c.Fill(Capsule(40, 16, 40, 62, 4), Solid(INK));
}

void draw_ladybug(Canvas& c, int phase) {
    c.Fill(Circle(58, 34, 12), Solid(INK));
    c.Fill(Ellipse(34, 36, 26, 22), Solid(Hex(0xF0453A)));
    c.Fill(Capsule(34, 14, 34, 58, 1.5f), Solid(INK));
    for (float x : {22.f, 46.f}) c.Fill(Circle(x, phase ? 30 : 42, 5), Solid(INK));
}

std::string binary_dir() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    const std::string exe = n > 0 ? std::string(path, size_t(n)) : "./x";
    return exe.substr(0, exe.rfind('/'));
}
}  // namespace

TEST_F(Editor, ScreenshotOfAGardenPage) {
    const std::string book = reinterpret_cast<const char*>(u8"KNIHA_Záhrada");
    for (const char* other : {"KNIHA_Les", "KNIHA_More", "KNIHA_Zvieratka"}) Book(other, {{"1", ""}});
    Book(book, {{"1",
                 "p luka 4\nk mrak 120 60 1 2 0\nk mrak 640 110 1 2 0\nk strom 250 400 6 1 0\n"
                 "k dom 380 340 6 1 0\nk strom 830 360 6 1 0\nh vtak 250 170 5 1 4\nh vtak 560 230 5 1 4\n"
                 "h vtak 700 160 5 1 4\nh motyl 180 560 4 1 2\nh lienka 600 600 3 1 0\n"}});
    Canvas garden(512, 384);
    draw_garden(garden);
    Sheet luka(512, 384, KEY, BORDER);
    luka.Put(0, 0, garden);
    const std::vector<uint8_t> luka_bmp = luka.Bmp();
    tree.File(book + "/Pozadia/luka.bmp", std::string(luka_bmp.begin(), luka_bmp.end()));
    const std::pair<const char*, std::function<void(Canvas&)>> props[] = {
        {"strom", draw_tree}, {"dom", draw_house}, {"mrak", draw_cloud}};
    for (const auto& [name, paint] : props)
        tree.File(book + "/Kulisy/" + name + ".bmp", sheet_bmp(130, 130, 1, [&](Canvas& c, int) { paint(c); }));
    const std::pair<const char*, void (*)(Canvas&, int)> actors[] = {
        {"vtak", draw_bird}, {"motyl", draw_butterfly}, {"lienka", draw_ladybug}};
    for (const auto& [name, paint] : actors) {
        tree.File(book + "/Herci/" + name + ".bmp", sheet_bmp(86, 70, 2, paint));
        tree.File(book + "/Herci/" + name + ".faz", phases_file(86, 2));
    }
    Run([&] {
        PX_Editor& e = *px_editor;
        ASSERT_NO_FATAL_FAILURE(Point(&e.dui_M, 0));
        ASSERT_NO_FATAL_FAILURE(Point(duir_KNIHY, 3));  // the last: "á" sorts after "v"
        ASSERT_NO_FATAL_FAILURE(Choose(duir_STRANY, 0));
        ASSERT_EQ(REG.count, 10);
        for (int i : {5, 6}) {  // two birds turn to the left, and stay
            Move(Obj(i)->x + 40, Obj(i)->y + 38);
            Down(Obj(i)->x + 40, Obj(i)->y + 38);
            Move(Obj(i)->x + 10, Obj(i)->y + 38);
            Move(Obj(i)->x + 39, Obj(i)->y + 38);
            Up(Obj(i)->x + 39, Obj(i)->y + 38);
        }
        ASSERT_NO_FATAL_FAILURE(Point(&e.dui_M, 0));
        Move(Obj(8)->x + 40, Obj(8)->y + 16);
        Tick();
        EXPECT_EQ(std::tuple(Obj(5)->zrkadlo, Obj(6)->zrkadlo, Obj(7)->zrkadlo, hovered), std::tuple(1, 1, 0, 8));
        EXPECT_TRUE(Outlined(Obj(8), 0x07E0)) << "the butterfly under the pointer";
        EXPECT_TRUE(duir_KNIHY->zivy && Shows(duir_KNIHY->obal.left, duir_KNIHY->obal.top, duir_KNIHY->obal.right,
                                              duir_KNIHY->obal.bottom, 0xFFFF))
            << "the books list over the white net";
        for (int i : {5, 7})  // the beak is on the side the bird faces
            EXPECT_EQ(Px(Obj(i)->x + (Obj(i)->zrkadlo ? 14 : 71), Obj(i)->y + 36), Raw(0xFF9F1C)) << i;
        EXPECT_TRUE(Shows(W / 2 - 75, H - 25, W / 2 + 100, H - 10, Raw(0xF0F0F0))) << "the status line";
        EXPECT_TRUE(test_support::SavePNG(plat_PrimarySurface(), binary_dir() + "/editor_screenshot.png"));
    });
}
