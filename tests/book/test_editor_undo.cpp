// Undo and redo as the author uses them: Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z after every kind of
// edit, checked in the registry, on the screen and in the page file the page would save as.
#include "book/px_historia.h"
#include "platform/backend.h"
#include "platform/codepage.h"
#include "tests/book/editor_fixture.h"
#include "tests/book/page_dump.h"

using namespace editor_test;

namespace {
// The page as the author sees it and as it would be saved.
struct Look {
    std::string page, file;
    std::vector<uint16_t> screen;  // above the status line
};

std::string Said(const char8_t* text) { return plat_W1250(text); }

class Undo : public Editor {
protected:
    void Ctrl(int vk, bool shift = false) {
        plat_Headless_SetKeyDown(VK_CONTROL, true);
        plat_Headless_SetKeyDown(VK_SHIFT, shift);
        Key(vk);
        plat_Headless_SetKeyDown(VK_SHIFT, false);
        plat_Headless_SetKeyDown(VK_CONTROL, false);
    }
    // With the pointer out of the way, one frame drawn.
    Look Now() {
        Move(W - 3, H / 2);
        Tick();
        SAVE_REG(tree.Path("look.str").c_str());
        Look l{page_dump::Dump(), tree.Read("look.str"), {}};
        for (int y = 0; y < H - 30; ++y)
            for (int x = 0; x < W; ++x) l.screen.push_back(Px(x, y));
        return l;
    }
    // What differs between two looks; empty when nothing does.
    static std::string Differ(const Look& a, const Look& b) {
        size_t pixels = 0;
        for (size_t i = 0; i < a.screen.size(); ++i) pixels += a.screen[i] != b.screen[i];
        std::string d = a.page == b.page ? "" : "registry:\n" + a.page + "--\n" + b.page;
        if (a.file != b.file) d += "file:\n" + a.file + "--\n" + b.file;
        return pixels ? d + std::to_string(pixels) + " pixels" : d;
    }
    void Hover(int i) {
        CHerec* o = Obj(i);
        ASSERT_TRUE(o);
        Move(o->x + o->AktSIR() / 2, o->y + o->AktVYS() / 2);
        ASSERT_EQ(hovered, i);
    }
    // The object menu of object i: its item, and the entry of that item's submenu.
    void ObjectMenu(int i, int item, int entry) {
        ASSERT_NO_FATAL_FAILURE(Hover(i));
        Post(WM_RBUTTONDOWN, 0, MAKELPARAM(Obj(i)->x + Obj(i)->AktSIR() / 2, Obj(i)->y + Obj(i)->AktVYS() / 2));
        tf_CDUI* submenus[] = {dui_setup_1, dui_setup_2, dui_setup_3, dui_setup_4};
        ASSERT_NO_FATAL_FAILURE(Point(dui_setup, item - 1));
        ASSERT_NO_FATAL_FAILURE(Choose(submenus[item - 1], entry));
    }
    // Object i taken by its middle and let go `steps` moves of (dx, dy) later.
    void Drag(int i, int dx, int dy, int steps) {
        ASSERT_NO_FATAL_FAILURE(Hover(i));
        int x = Obj(i)->x + Obj(i)->AktSIR() / 2, y = Obj(i)->y + Obj(i)->AktVYS() / 2;
        Down(x, y);
        for (int s = 0; s < steps; ++s) Move(x += dx, y += dy);
        Up(x, y);
    }
};
}  // namespace

TEST_F(Undo, EveryKindOfEditIsUndoneAndRedoneToTheVeryPixelAndByte) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));  // "Les" page 1: strom at (300, 200)
        Click(W - 3, H / 2);                       // the lists close
        struct Row {
            const char8_t* what;
            std::function<void()> edit;
        };
        const Row rows[] = {
            {u8"pridanie pozadia", [&] { FromMenu(3, 0); }},
            {u8"zmena geometrie pozadia", [&] { FromMenu(6, 2); }},  // centred
            {u8"pridanie kulisy", [&] { FromMenu(4, 0); }},          // shares the picture of strom
            {u8"pridanie herca", [&] { FromMenu(5, 0); }},
            {u8"kópia objektu", [&] { ObjectMenu(2, 1, 1); }},
            {u8"zmena pohybu", [&] { ObjectMenu(3, 2, 2); }},  // the copy waves
            {u8"zmena kolízie", [&] { ObjectMenu(3, 3, 1); }},
            {u8"zmena animácie", [&] { ObjectMenu(3, 4, 1); }},
            {u8"presun objektu", [&] { Drag(2, -10, 10, 3); }},            // thrown: it moves now
            {u8"odstránenie objektu", [&] { ObjectMenu(0, 1, 0); }},       // the picture's owner goes
            {u8"odstránenie objektu", [&] { Hover(0), Key(VK_DELETE); }},  // and its heir: the picture with it
            {u8"spustenie animácie", [&] { Key(VK_SPACE), Tick(6), Key(VK_SPACE); }},
            {u8"odstránenie objektu", [&] { Key(VK_BACK); }},
        };
        bool shift_z = false;  // Ctrl+Y and Ctrl+Shift+Z in turn
        for (const Row& row : rows) {
            const Look before = Now();
            ASSERT_NO_FATAL_FAILURE(row.edit());
            const Look after = Now();
            ASSERT_NE(Differ(before, after), "") << Said(row.what);
            Ctrl('Z');
            EXPECT_EQ(std::string(status_text), Said(u8"Späť: ") + Said(row.what));
            EXPECT_EQ(Differ(Now(), before), "") << Said(row.what);

            Ctrl(shift_z ? 'Z' : 'Y', shift_z);
            shift_z = !shift_z;
            EXPECT_EQ(std::string(status_text), Said(u8"Znova: ") + Said(row.what));
            EXPECT_EQ(Differ(Now(), after), "") << Said(row.what);
        }
        EXPECT_EQ(std::pair(REG.count, PX_HIST_Krokov()), std::pair(1, int(std::size(rows))));
    });
}
