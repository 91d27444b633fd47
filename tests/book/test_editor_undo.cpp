// Undo and redo as the author uses them: Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z after every kind of
// edit, checked in the registry, on the screen and in the page file the page would save as.

#include "platform/backend.h"
#include "platform/codepage.h"
#include "book/px_historia.h"
#include "tests/book/editor_fixture.h"
#include "tests/book/page_dump.h"

using namespace editor_test;

namespace {
std::string said(const char8_t* text) { return plat_W1250(text); }

class Undo : public Editor {
protected:
    // The page as the author sees it above the status line, with the pointer out of the way,
    // and as it would be saved.
    std::string Now() {
        Move(W - 3, H / 2);
        Tick();
        SAVE_REG(tree.Path("look.str").c_str());
        std::string screen;
        for (int y = 0; y < H - 30; ++y) screen.append(reinterpret_cast<char*>(plat_PrimarySurface()->Row(y)), 2 * W);
        return PageDump() + tree.Read("look.str") + std::to_string(std::hash<std::string>()(screen));
    }
    // Object i taken by its middle and let go `steps` moves of (dx, dy) later.
    void Drag(int i, int dx, int dy, int steps, bool release = true) {
        POINT p = Mid(i);
        Move(p.x, p.y), Down(p.x, p.y);
        for (int s = 0; s < steps; ++s) Move(p.x += dx, p.y += dy);
        if (release) Up(p.x, p.y);
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
        } rows[] = {
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
            {u8"odstránenie objektu", [&] { Move(Mid(0).x, Mid(0).y), Key(VK_DELETE); }},  // its heir, and the picture
            {u8"spustenie animácie", [&] { Key(VK_SPACE), Tick(6), Key(VK_SPACE); }},
            {u8"odstránenie objektu", [&] { Key(VK_BACK); }},
        };
        bool shift_z = false;  // Ctrl+Y and Ctrl+Shift+Z in turn
        for (const Row& row : rows) {
            const std::string before = Now();
            ASSERT_NO_FATAL_FAILURE(row.edit());
            const std::string after = Now();
            ASSERT_NE(before, after) << said(row.what);
            Ctrl('Z');
            EXPECT_EQ(std::string(status_text), said(u8"Späť: ") + said(row.what));
            EXPECT_EQ(Now(), before);
            Ctrl(shift_z ? 'Z' : 'Y', shift_z);
            shift_z = !shift_z;
            EXPECT_EQ(std::string(status_text), said(u8"Znova: ") + said(row.what));
            EXPECT_EQ(Now(), after);
        }
    });
}

TEST_F(Undo, PlayTwoHundredStepsDirtyBadMomentsAndThePageChangesThatStartAfresh) {
    Library();
    tree.File("KNIHA_Les/2.str", "p les 4\nk strom 300 200 1 2 0\nh pes 500 300 3 1 2\n");
    Run([&] {
        PX_Editor& e = *px_editor;
        Ctrl('Z');
        Ctrl('Y');
        EXPECT_EQ(std::pair(REG.count, std::string(status_text)), std::pair(1, said(u8"Znova: nie je čo zopakovať")));
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Click(W - 3, H / 2);
        const std::string laid_out = Now();
        Key(VK_SPACE);
        Tick(20);
        Ctrl('Z');
        EXPECT_EQ(Now(), laid_out) << "every object back, playback stopped";

        const int x0 = Obj(0)->x, max = PX_HIST_MAX_STEPS;
        for (int i = 0; i < max + 50; ++i) Drag(0, 1, 0, 1);  // a pixel each
        for (int i = 0; i < 100; ++i) Ctrl('Z');              // held down: the key repeats
        EXPECT_EQ(Obj(0)->x, x0 + max - 50);
        for (int i = 0; i < max; ++i) Ctrl('Z');
        EXPECT_EQ(std::pair(Obj(0)->x, std::string(status_text)),
                  std::pair(x0 + 50, said(u8"Späť: nie je čo vrátiť"))) << "the oldest fifty went";
        for (int i = 0; i < max - 50; ++i) Ctrl('Z', true);
        Drag(1, 0, 5, 2);  // a new edit: the fifty to redo go
        const std::string edited = PageDump();
        Ctrl('Y');
        EXPECT_EQ(std::tuple(Obj(0)->x, PageDump(), std::string(status_text)),
                  std::tuple(x0 + max, edited, said(u8"Znova: nie je čo zopakovať")));

        auto dirty_shown = [&] { return Tick(), std::pair(dirty, e.tlac_Save.zivy); };
        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Save));
        Ctrl('Z');
        EXPECT_EQ(dirty_shown(), std::pair(true, true));
        Ctrl('Y');
        EXPECT_EQ(dirty_shown(), std::pair(false, false)) << "back as saved";
        const int x1 = Obj(1)->x;
        Drag(1, 10, 0, 1, false);
        Ctrl('Z');
        Ctrl('Y');
        EXPECT_EQ(std::pair(dragged, Obj(1)->x), std::pair(1, x1 + 10)) << "mid-drag: the keys wait";
        Up(Mid(1).x, Mid(1).y);
        ASSERT_NO_FATAL_FAILURE(FromMenu(1, 2));  // the new-book dialog takes the keys
        const std::string named = PageDump();
        Ctrl('Z');
        EXPECT_EQ(PageDump(), named);
        ASSERT_NO_FATAL_FAILURE(Press(*e.nova_kniha->tlac_zrus));
        RightClick(Mid(1).x, Mid(1).y);
        Ctrl('Z');
        const std::pair<bool, bool> saved = dirty_shown();
        EXPECT_EQ(std::tuple(setup_target, dui_setup->zivy, Obj(1)->x, saved),
                  std::tuple(-1, false, x1, std::pair(false, false))) << "the menu closed first, the drag undone";

        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Prev));
        const std::string shown = PageDump();
        Ctrl('Z');
        EXPECT_EQ(std::pair(PageDump(), dirty), std::pair(shown, false)) << "another page: nothing to undo";
        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Next));
        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Nova));
        ASSERT_NO_FATAL_FAILURE(FromMenu(4, 0));
        Ctrl('Z');
        EXPECT_EQ(std::tuple(current_page, REG.count, dirty), std::tuple(PX_NEW_PAGE, 0, false)) << "the new page";
        Ctrl('Z');
        Ctrl('Y');
        EXPECT_EQ(std::pair(REG.count, dirty), std::pair(1, true));
    });
}
