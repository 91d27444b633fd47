// The tuning mode on the editor: its own widgets live in a layered group beside the screen's
// tree, and the mode reaches them; the editor's keys stay out of it.
#include "framework/tuning/tf_km.h"
#include "tests/book/editor_fixture.h"

using namespace editor_test;

TEST_F(Editor, TheTuningModeReachesTheEditorsWidgetsAndKeepsItsStateBetweenEntries) {
    Library();
    Run([&] {
        PX_Editor& e = *px_editor;
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        const int objects = REG.count;
        Ctrl(VK_F1);
        ASSERT_TRUE(tf_KM_on);
        EXPECT_EQ(tf_KM_cPol_10, screen) << "each entry starts on the screen";
        const POINT m = Mid(1);
        Move(m.x, m.y);
        Down(m.x, m.y);
        Move(m.x + 40, m.y);
        Up(m.x + 40, m.y);
        EXPECT_EQ(std::tuple(dragged, Obj(1)->x, tf_KM_cPol_10), std::tuple(-1, 500, screen)) << "no object is a widget";
        const RECT r = static_cast<tf_TVOLBA*>(e.dui_M.volby.GET(0))->obdlz;
        Down(r.left + 5, r.top + 5);
        Up(r.left + 5, r.top + 5);
        EXPECT_EQ(tf_KM_cPol_10, &e.dui_M) << "the menu bar, taken where it lies";
        for (int i = 0; i < 12 && tf_KM_mod != 1; ++i) Key(VK_F1);
        EXPECT_EQ(std::pair(tf_KM_mod, tf_KM_cDUI_1), std::pair(1, static_cast<tf_CDUI*>(&e.dui_M))) << "its list layout";
        Key(VK_TAB);
        EXPECT_NE(tf_KM_cPol_10, &e.dui_M);
        EXPECT_NE(tf_KM_cPol_10, nullptr) << "the group's next shown widget";
        Key(VK_BACK);
        EXPECT_EQ(tf_KM_cPol_10, screen) << "Backspace goes up to the screen...";
        EXPECT_EQ(REG.count, objects) << "...and takes no object from the page";
        Key(VK_SPACE);
        EXPECT_FALSE(running);

        const auto kept = std::tuple(tf_KM_mod, tf_KM_cDUI_1, tf_KM_cPolCHLO_9, tf_KM_index);
        Ctrl(VK_F1);
        EXPECT_FALSE(tf_KM_on);
        Ctrl(VK_F1);
        EXPECT_EQ(std::tuple(tf_KM_mod, tf_KM_cDUI_1, tf_KM_cPolCHLO_9, tf_KM_index), kept) << "as the last entry left it";
        EXPECT_EQ(tf_KM_cPol_10, screen);
        Ctrl(VK_F1);
    });
}
