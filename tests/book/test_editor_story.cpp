// Stories of an author at work, told through the pointer, the keys and the timer only, each
// checked on disk, in the editor's state and on the screen.
#include "tests/book/editor_fixture.h"

using namespace editor_test;


TEST_F(Editor, ChoosesABookAndAPageAndAddsPictures) {
    Library();
    Run([&] {
        PX_Editor& e = *px_editor;
        ASSERT_NO_FATAL_FAILURE(Point(&e.dui_M, 0));  // "Knihy..."
        ASSERT_TRUE(duir_KNIHY->zivy);
        ASSERT_NO_FATAL_FAILURE(Point(duir_KNIHY, 1));
        EXPECT_EQ(std::pair(listed_book, duir_STRANY->CountR()), std::pair(101, 1)) << "pointing fills the pages";
        ASSERT_NO_FATAL_FAILURE(Choose(duir_KNIHY, 0));
        EXPECT_EQ(std::tuple(current_book, current_page, REG.count), std::tuple(100, 1, 1)) << "the first book";

        ASSERT_NO_FATAL_FAILURE(Point(&e.dui_M, 0));
        ASSERT_NO_FATAL_FAILURE(Point(duir_KNIHY, 0));
        ASSERT_NO_FATAL_FAILURE(Choose(duir_STRANY, 1));
        EXPECT_EQ(std::tuple(current_page, prev_page, next_page, REG.count), std::tuple(2, 1, 0, 2));
        Tick();
        EXPECT_EQ(Px(330, 240), Raw(0x2E9E3E)) << "the prop";
        EXPECT_EQ(Px(525, 321), Raw(0xF08A24)) << "the actor";
        EXPECT_EQ(Px(100, 700), Raw(0x5CC45C)) << "the background stretched";
        EXPECT_FALSE(e.tlac_Save.zivy);

        ASSERT_NO_FATAL_FAILURE(FromMenu(4, 0));  // "Kulisy...", strom
        ASSERT_NO_FATAL_FAILURE(FromMenu(5, 0));  // "Herci...", pes
        ASSERT_EQ(REG.count, 4);
        EXPECT_EQ(std::tuple(Obj(2)->x, Obj(2)->y, Obj(3)->x, Obj(3)->y), std::tuple(60, 80, 70, 110));
        EXPECT_EQ(std::pair(Obj(2)->motion, Obj(3)->motion), std::pair(1, 6));
        Tick();
        EXPECT_TRUE(dirty && e.tlac_Save.zivy);
        EXPECT_EQ(std::pair(Px(65, 119), Px(94, 130)), std::pair(Raw(0x2E9E3E), Raw(0xF08A24)));
    });
}
