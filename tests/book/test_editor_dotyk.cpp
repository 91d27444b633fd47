// A finger on a touch screen: it drags and throws as the mouse does, and held still on a picture
// it opens the picture's menu, as a right click does; a mouse held still only drags.
#include "book/px_dotyk.h"
#include "tests/book/editor_fixture.h"

using namespace editor_test;

namespace {
class Touch : public Editor {
protected:
    // A press held for `ms` on the point, from a finger or from a mouse.
    void Hold(POINT p, uint32_t ms, bool finger) {
        Move(p.x, p.y);
        Post(WM_LBUTTONDOWN, finger ? PLAT_MK_TOUCH : 0, MAKELPARAM(p.x, p.y));
        plat_Headless_AdvanceTime(ms);
        Tick();
    }
};
}  // namespace

TEST_F(Touch, ALongPressOnAPictureOpensItsMenuAndItsReleaseChoosesNothing) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        const POINT dog = Mid(1);
        const int x = Obj(1)->x, motion = Obj(1)->motion;
        Hold(dog, PX_DLHY_DOTYK_MS - 100, true);
        EXPECT_FALSE(dui_setup->zivy) << "not yet";
        EXPECT_EQ(dragged, 1) << "the finger holds the picture as a mouse would";
        plat_Headless_AdvanceTime(100);
        Tick();
        ASSERT_TRUE(dui_setup->zivy) << "the menu of the picture under the finger";
        EXPECT_EQ(setup_target, 1);
        EXPECT_EQ(dragged, -1) << "let go of";
        Post(WM_LBUTTONUP, PLAT_MK_TOUCH, MAKELPARAM(dog.x, dog.y));
        Tick(5);
        EXPECT_TRUE(dui_setup->zivy) << "the lifted finger chooses nothing";
        EXPECT_EQ(std::pair(Obj(1)->x, Obj(1)->motion), std::pair(x, motion));
        EXPECT_EQ(REG.count, 2);
        ASSERT_NO_FATAL_FAILURE(ObjectMenu(1, 2, 3));  // and it works as a right click's: "3-2D Voľné"
        EXPECT_EQ(Obj(1)->motion, 3);

        Click(5, H / 2);  // closes it
        Hold(dog, PX_DLHY_DOTYK_MS * 2, false);
        EXPECT_FALSE(dui_setup->zivy) << "a mouse held still drags";
        Up(dog.x, dog.y);
        const POINT tree = Mid(0);
        Move(tree.x, tree.y);
        Post(WM_LBUTTONDOWN, PLAT_MK_TOUCH, MAKELPARAM(tree.x, tree.y));
        Post(WM_MOUSEMOVE, PLAT_MK_TOUCH, MAKELPARAM(tree.x + 30, tree.y));
        plat_Headless_AdvanceTime(PX_DLHY_DOTYK_MS * 2);
        Tick();
        EXPECT_FALSE(dui_setup->zivy) << "a finger that moved drags";
        Post(WM_LBUTTONUP, PLAT_MK_TOUCH, MAKELPARAM(tree.x + 30, tree.y));
        EXPECT_EQ(Obj(0)->x, 300 + 30) << "and drops where it was lifted";
    });
}
