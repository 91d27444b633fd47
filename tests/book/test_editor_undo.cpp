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

TEST_F(Undo, PlayIsUndoneInOneStepAndTwoHundredStepsAreKept) {
    Library();
    tree.File("KNIHA_Les/2.str", "p les 4\nk strom 300 200 1 2 0\nh pes 500 300 3 1 2\n");
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Click(W - 3, H / 2);
        const Look laid_out = Now();
        Key(VK_SPACE);
        Tick(20);
        const std::string played = page_dump::Dump();
        Ctrl('Z');
        EXPECT_EQ(Differ(Now(), laid_out), "") << "every object back, playback stopped";
        EXPECT_EQ(std::string(status_text), Said(u8"Späť: spustenie animácie"));
        Ctrl('Y');
        EXPECT_EQ(std::pair(page_dump::Dump(), running), std::pair(played, true)) << "as it was undone";
        Key(VK_SPACE);

        const int x0 = Obj(0)->x;
        for (int i = 0; i < 250; ++i) ASSERT_NO_FATAL_FAILURE(Drag(0, 1, 0, 1)) << i;  // one pixel each
        ASSERT_EQ(Obj(0)->x, x0 + 250);
        for (int i = 0; i < 100; ++i) Ctrl('Z');  // held down: the key repeats
        EXPECT_EQ(Obj(0)->x, x0 + 150);
        for (int i = 0; i < 110; ++i) Ctrl('Z');
        EXPECT_EQ(std::pair(Obj(0)->x, std::string(status_text)),
                  std::pair(x0 + 50, Said(u8"Späť: nie je čo vrátiť"))) << "the oldest fifty went";
        for (int i = 0; i < 150; ++i) Ctrl('Z', true);
        EXPECT_EQ(Obj(0)->x, x0 + 200);
        ASSERT_NO_FATAL_FAILURE(Drag(1, 0, 5, 2));  // a new edit: the fifty to redo go
        const std::string dragged_last = page_dump::Dump();
        Ctrl('Y');
        EXPECT_EQ(std::pair(page_dump::Dump(), std::string(status_text)),
                  std::pair(dragged_last, Said(u8"Znova: nie je čo zopakovať")));
        EXPECT_EQ(PX_HIST_Krokov(), 151) << "150 done and the new one";
    });
}

TEST_F(Undo, DirtyFollowsTheHistoryWhichAnotherPageStartsAfresh) {
    Library();
    Run([&] {
        PX_Editor& e = *px_editor;
        Ctrl('Z');
        Ctrl('Y');  // no page at all
        EXPECT_EQ(std::pair(REG.count, std::string(status_text)), std::pair(0, Said(u8"Znova: nie je čo zopakovať")));
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        auto shown = [&] {
            Tick();
            return std::pair(dirty, e.tlac_Save.zivy);
        };
        ASSERT_NO_FATAL_FAILURE(Drag(0, 5, 5, 2));
        EXPECT_EQ(shown(), std::pair(true, true));
        Ctrl('Z');
        EXPECT_EQ(shown(), std::pair(false, false)) << "back as loaded";
        Ctrl('Y');
        EXPECT_EQ(shown(), std::pair(true, true));
        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Save));
        const std::string saved = tree.Read("KNIHA_Les/1.str");
        Ctrl('Z');
        EXPECT_EQ(shown(), std::pair(true, true)) << "saving keeps the history";
        Ctrl('Y');
        EXPECT_EQ(shown(), std::pair(false, false)) << "back as saved";
        ASSERT_NO_FATAL_FAILURE(FromMenu(5, 0));
        ASSERT_NO_FATAL_FAILURE(FromMenu(1, 2));  // the new-book dialog takes the keys
        const std::string with_actor = page_dump::Dump();
        Ctrl('Z');
        EXPECT_EQ(std::pair(page_dump::Dump(), dirty), std::pair(with_actor, true));
        ASSERT_NO_FATAL_FAILURE(Press(*e.nova_kniha->tlac_zrus));
        Ctrl('Z');
        EXPECT_EQ(std::tuple(REG.count, dirty, tree.Read("KNIHA_Les/1.str")), std::tuple(1, false, saved));

        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Next));
        const std::string next = page_dump::Dump();
        Ctrl('Z');
        EXPECT_EQ(std::pair(page_dump::Dump(), std::string(status_text)),
                  std::pair(next, Said(u8"Späť: nie je čo vrátiť")));
        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Nova));
        Ctrl('Z');
        ASSERT_NO_FATAL_FAILURE(FromMenu(4, 0));
        Ctrl('Z');
        EXPECT_EQ(std::tuple(REG.count, dirty, current_page), std::tuple(0, false, PX_NEW_PAGE)) << "the new page";
        Ctrl('Y');
        EXPECT_EQ(std::pair(REG.count, dirty), std::pair(1, true));
    });
}

TEST_F(Undo, WaitsForTheDragToEndAndClosesTheObjectMenuFirst) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        ASSERT_NO_FATAL_FAILURE(Drag(1, 4, 0, 5));
        const std::string first_drag = page_dump::Dump();
        ASSERT_NO_FATAL_FAILURE(Hover(1));
        Down(Obj(1)->x + 20, Obj(1)->y + 20);
        Move(Obj(1)->x + 30, Obj(1)->y + 20);
        Ctrl('Z');
        Ctrl('Y');
        EXPECT_EQ(std::pair(dragged, Obj(1)->x), std::pair(1, 530)) << "mid-drag: the keys wait";
        Up(Obj(1)->x + 30, Obj(1)->y + 20);
        Ctrl('Z');
        EXPECT_EQ(page_dump::Dump(), first_drag);
        ASSERT_NO_FATAL_FAILURE(Hover(1));
        Post(WM_RBUTTONDOWN, 0, MAKELPARAM(Obj(1)->x + 24, Obj(1)->y + 20));
        Tick();
        ASSERT_TRUE(dui_setup->zivy);
        Ctrl('Z');
        Tick();
        EXPECT_EQ(std::tuple(setup_target, dui_setup->zivy, Obj(1)->x), std::tuple(-1, false, 500));
    });
}
