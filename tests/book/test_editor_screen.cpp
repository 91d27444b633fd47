// The editor screen as the author first sees it, and its orderly end.
#include "framework/app/tf_app.h"
#include "tests/book/editor_fixture.h"

using namespace editor_test;

TEST_F(Editor, StartsWithMenuListsAndCursorAndEscClosesInOrder) {
    Library();
    Run([&] {
        Tick();
        PX_Editor& e = *px_editor;
        EXPECT_EQ(Values(duir_KNIHY), (std::vector<int>{100, 101, PX_ID_NEW_BOOK, PX_ID_CLOSE_BOOKS}));
        for (tf_CDUI* l :
             {(tf_CDUI*)duir_KNIHY, (tf_CDUI*)duir_STRANY, (tf_CDUI*)utl_duir_Herci, dui_PozGeometria, dui_setup})
            EXPECT_FALSE(l->zivy) << l->nazov;
        EXPECT_EQ(e.group.vrstvy.count, 19);
        EXPECT_EQ(Px(300, 600), FILL) << "no page yet";
        EXPECT_NE(Px(e.tlac_Play.x + 20, e.tlac_Play.y + 18), FILL) << "the play button";
        EXPECT_EQ(Px(e.tlac_Save.x + 17, e.tlac_Save.y + 19), FILL) << "nothing to save";
        EXPECT_EQ(std::pair(e.tlac_Next.x, e.tlac_Prev.y), std::pair(W - 47, H - 50));
        Move(600, 500);
        Tick();
        EXPECT_NE(Px(602, 503), FILL) << "the cursor's tip";
        EXPECT_EQ(Px(200, 303), FILL) << "the cursor left its first place";
        Key(VK_ESCAPE);
        EXPECT_TRUE(test_support::LogHas({"PX - UVOLNI_VSETKO()"}));
        EXPECT_EQ(duir_KNIHY, nullptr);
    });
    EXPECT_EQ(exit_code, 0);
    EXPECT_EQ(tree.Read("app/PX.INI"), "1024 768\n2 16");
}
