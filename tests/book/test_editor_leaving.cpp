// Leaving a changed page saves it first, whichever way the author leaves; a save that fails
// keeps the author on the page; undo reaches back across page turns; a page another editor
// changed meanwhile is not overwritten.
#include <filesystem>
#include <functional>

#include "framework/app/tf_appdlg.h"
#include "platform/codepage.h"
#include "tests/book/editor_fixture.h"

using namespace editor_test;

namespace {
const std::string CHANGED = "p les 4\nk strom 300 200 6 1 0\n";  // page 2 without its dog

class Leaving : public Editor {
protected:
    // Page 2 of "Les" shown, its dog removed, and its thumbnail's bytes before.
    std::string ChangePage2() {
        Tick();
        EXPECT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Key(VK_BACK);
        return tree.Read("KNIHA_Les/2.thm");
    }
};
}  // namespace

TEST_F(Leaving, EveryWayOffAChangedPageSavesItFirst) {
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"previous page", [&] { Press(px_editor->tlac_Prev); }},
        {"a page from the list", [&] { OpenPage(0, 0); }},
        {"a book from the list", [&] { FromMenu(1, 1); }},
        {"a new page", [&] { Press(px_editor->tlac_Nova); }},
        {"a new book", [&] {
             FromMenu(1, 2);
             Type("NOVA");
             Press(*px_editor->nova_kniha->tlac_ok);
         }},
        {"Koniec", [&] { Choose(&px_editor->dui_M, px_editor->dui_M.volby.count - 1); }},  // the last
        {"Esc", [&] { Key(VK_ESCAPE); }},
        {"F12", [&] { Key(VK_F12); }},
        {"the desktop's close", [&] { Post(WM_CLOSE, 0, 0); }},
    };
    for (const auto& [way, leave] : ways) {
        SCOPED_TRACE(way);
        for (const std::string& name : tree.Names())
            if (name.rfind("KNIHA_", 0) == 0) std::filesystem::remove_all(tree.Host(name));
        Library();  // each way on the library as it was
        std::string thumbnail;
        Run([&, &leave = leave] {
            thumbnail = ChangePage2();
            ASSERT_NO_FATAL_FAILURE(leave());
            EXPECT_EQ(tree.Read("KNIHA_Les/2.str"), CHANGED);
        });
        EXPECT_EQ(tree.Read("KNIHA_Les/2.str"), CHANGED);
        EXPECT_NE(tree.Read("KNIHA_Les/2.thm"), thumbnail) << "the thumbnail shows the page as saved";
    }
}

// A save that fails stops the turn and says so on screen; the end asks before dropping the changes.
TEST_F(Leaving, AFailedSaveKeepsTheAuthorOnThePage) {
    Library();
    Run([&] {
        ChangePage2();
        plat_SetWriteFailureStep(PLAT_WRITE_STEP_RENAME);
        ASSERT_NO_FATAL_FAILURE(Press(px_editor->tlac_Prev));
        EXPECT_EQ(std::tuple(current_page, REG.count, dirty), std::tuple(2, 1, true));
        EXPECT_NE(plat_Utf8FromCp1250(status_text).find("stranu sa nepodarilo uložiť"), std::string::npos);
        Tick();
        EXPECT_TRUE(Shows(W / 2 - 75, H - 25, W / 2 + 100, H - 10, Raw(0xF0F0F0))) << "the status line";
        Key(VK_ESCAPE);
        ASSERT_TRUE(px_editor->otazka->zivy) << "asked before ending without the page";
        ASSERT_NO_FATAL_FAILURE(Press(*px_editor->otazka->tlac_zrus));
        EXPECT_FALSE(px_editor->uvolnene);
        plat_SetWriteFailureStep(PLAT_WRITE_STEP_NONE);
        ASSERT_NO_FATAL_FAILURE(Press(px_editor->tlac_Prev));
        EXPECT_EQ(std::pair(current_page, tree.Read("KNIHA_Les/2.str")), std::pair(1, CHANGED));
    });
}

// Undo reaches back across a page turn that saved the page; the undone page is changed again.
TEST_F(Leaving, UndoTakesBackWhatLeavingThePageSaved) {
    Library();
    Run([&] {
        ChangePage2();
        ASSERT_NO_FATAL_FAILURE(Press(px_editor->tlac_Prev));
        ASSERT_NO_FATAL_FAILURE(Press(px_editor->tlac_Next));
        EXPECT_EQ(std::pair(REG.count, dirty), std::pair(1, false));
        Ctrl('Z');
        EXPECT_EQ(std::pair(REG.count, dirty), std::pair(2, true));
        Ctrl('S');
        EXPECT_EQ(tree.Read("KNIHA_Les/2.str"), CHANGED + "h pes 500 300 6 1 0\n");
        EXPECT_EQ(plat_Utf8FromCp1250(status_text), "Uložené: strana 2");
    });
}

// Another editor saved the page meanwhile: both versions are kept, and the author is told.
TEST_F(Leaving, APageChangedElsewhereIsNotOverwritten) {
    Library();
    Run([&] {
        ChangePage2();
        tree.File("KNIHA_Les/2.str", "h pes 1 1 6 1 0\n");
        Ctrl('S');
        EXPECT_EQ(std::pair(tree.Read("KNIHA_Les/2.str"), tree.Read("KNIHA_Les/3.str")),
                  std::pair(std::string("h pes 1 1 6 1 0\n"), CHANGED));
        EXPECT_EQ(std::tuple(current_page, prev_page, dirty), std::tuple(3, 2, false));
        EXPECT_EQ(plat_Utf8FromCp1250(status_text), "Strana 2 sa medzitým zmenila inde, uložené ako strana 3");
    });
}
