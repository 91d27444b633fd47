// The sample book's first page as the author sees it at work, written next to the test program
// as editor_screenshot.png: the hare and the dog turned to face left, the bird under the
// pointer, the main menu with the books list open, and the status line.
#include <unistd.h>

#include <filesystem>

#include "platform/backend.h"
#include "tests/book/editor_fixture.h"
#include "tests/support/png_writer.h"

using namespace editor_test;

TEST_F(Editor, ScreenshotOfTheSampleBookAtWork) {
    std::filesystem::copy(PEXLO_STARTER_DIR "/library", tree.Host("library"), std::filesystem::copy_options::recursive);
    for (const char* other : {"library/KNIHA_Les", "library/KNIHA_More"}) DrawnBook(tree, other, {{"1", ""}});
    tree.File("library/app/PX.INI", "1920 1080\n2 16");
    ASSERT_EQ(chdir(tree.Host("library/app").c_str()), 0);
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(2, 0));  // "Ukážka" lists after "Les" and "More"
        ASSERT_EQ(REG.count, 13);  // the pictures, then the title and the dog's bubble
        for (int i : {8, 9}) {  // the hare and the dog turn to the left, and stay
            const auto [x, y] = Mid(i);
            Move(x, y);
            Down(x, y);
            Move(x - 30, y);
            Move(x - 31, y);  // a last step of one pixel throws nothing
            Up(x - 31, y);
        }
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));
        Move(Mid(10).x, Mid(10).y);
        Tick();
        EXPECT_EQ(std::tuple(Obj(8)->zrkadlo, Obj(9)->zrkadlo, Obj(10)->zrkadlo, hovered), std::tuple(1, 1, 0, 10));
        EXPECT_TRUE(Outlined(Obj(10), 0x07E0)) << "the bird under the pointer";
        const RECT list = duir_KNIHY->obal;
        EXPECT_TRUE(duir_KNIHY->zivy && Shows(list.left, list.top, list.right, list.bottom, 0xFFFF)) << "the white net";
        EXPECT_TRUE(Shows(tf_ScreenCX - 75, tf_ScreenH - 25, tf_ScreenCX + 100, tf_ScreenH - 10, Raw(0xF0F0F0)));
        EXPECT_TRUE(test_support::SavePNG(plat_PrimarySurface(), PEXLO_STARTER_DIR "/../editor_screenshot.png"));
    });
}
