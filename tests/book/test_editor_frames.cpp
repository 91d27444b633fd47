// Frames on demand: an idle editor composes nothing, input and playback compose, and every
// frame shown is, pixel for pixel, the frame a full redraw on that tick would show.
#include "book/px_plocha.h"
#include "tests/book/editor_fixture.h"

using namespace editor_test;

namespace {
class Frames : public Editor {
protected:
    // One tick; whether it presented a frame. The screen it leaves must equal a full redraw
    // made at once (which leaves the program's own wish for a frame, or for parts, as it was).
    bool Step() {
        const unsigned before = plat_Headless_Presented();
        Tick();
        const bool composed = plat_Headless_Presented() != before;
        parts_shown += composed && plat_Headless_PresentedParts() > 0;
        EXPECT_EQ(RowUnlikeFullRedraw(), -1) << "on tick " << ticks;
        ++ticks;
        return composed;
    }
    // Of n ticks, how many presented a frame.
    int Steps(int n) {
        int composed = 0;
        for (int i = 0; i < n; ++i) composed += Step();
        return composed;
    }
    int ticks = 0;
    int parts_shown = 0;  // frames of which only parts were composed and shown
};
}  // namespace

TEST_F(Frames, AnIdlePageComposesNothingInputOneFramePlaybackEveryTick) {
    Library();
    Run([&] {
        EXPECT_EQ(Steps(5), 1) << "the first frame, whole at once";
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));  // strom at (300, 200), pes at (500, 300)
        Move(540, 321);  // pes thrown to the left, to fly once the page plays
        Down(540, 321);
        Move(530, 321);
        Up(520, 321);
        Steps(2);
        EXPECT_EQ(Steps(50), 0) << "a paused page with no input";
        EXPECT_TRUE(plat_IsDrowsy()) << "idle a while, it waits for input without waking each tick";
        Move(700, 600);
        EXPECT_FALSE(plat_IsDrowsy()) << "input wakes it";
        EXPECT_EQ(Steps(10), 1) << "a pointer move";
        Key(VK_SPACE);
        const int x = Obj(1)->x;
        EXPECT_EQ(Steps(20), 20) << "a playing page";
        EXPECT_NE(Obj(1)->x, x);
        EXPECT_GE(parts_shown, 15) << "playing, only the objects' parts of the screen are drawn";
        EXPECT_FALSE(plat_IsDrowsy());
        Key(VK_SPACE);
        EXPECT_EQ(Steps(20), 1) << "paused again";
        Down(700, 600);
        Up(700, 600);
        EXPECT_EQ(Steps(5), 1) << "a click on the bare page";
    });
}

TEST_F(Frames, WhatIsDrawnEqualsAFullRedrawThroughDragMenuAndMessage) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Steps(2);
        // A drag: each step of it shows, and the outline with it.
        Move(540, 321);
        EXPECT_EQ(Steps(3), 1);
        Down(540, 321);
        for (int i = 1; i <= 5; ++i) {
            Move(540 - 7 * i, 321 + 3 * i);
            EXPECT_EQ(Steps(2), 1) << "drag step " << i;
        }
        Up(505, 336);
        Steps(3);
        // The main menu opens under the pointer, the books list beside it.
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));
        EXPECT_EQ(Steps(3), 1);
        ASSERT_NO_FATAL_FAILURE(Point(duir_KNIHY, 1));
        Steps(3);
        Move(700, 600);
        Steps(3);
        // A message shows at once and gives way after its time, on a tick without input.
        Ctrl('S');
        EXPECT_EQ(Steps(3), 1);
        const std::string message = status_text;
        EXPECT_EQ(Steps(20), 0);
        plat_Headless_AdvanceTime(3100);
        EXPECT_EQ(Steps(1), 1) << "the message timed out";
        EXPECT_NE(message, status_text);
        // Playing after all that: every tick a frame.
        Key(VK_SPACE);
        EXPECT_EQ(Steps(30), 30);
    });
}

TEST_F(Frames, APageShownScaledComposesOnDemandToo) {
    Library();
    tree.File("KNIHA_Les/KNIHA.INI", "strana 1920 1080\n");  // shown at 1024 x 576, bars above and below
    Run([&] {
        EXPECT_EQ(Steps(5), 1);
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        // A text's soft edges are blended once a frame, in parts too.
        Key('T');
        Type("Ahoj");
        Key(VK_ESCAPE);
        Steps(2);
        EXPECT_EQ(Steps(20), 0);
        const RECT pes = PX_Na_obrazovku({Obj(1)->x + 20, Obj(1)->y + 20, Obj(1)->x + 20, Obj(1)->y + 20});
        Move(pes.left, pes.top);  // its outline shows
        EXPECT_EQ(Steps(3), 1);
        Key(VK_SPACE);
        EXPECT_EQ(Steps(10), 10);
        EXPECT_GE(parts_shown, 5) << "the scaled page's objects drawn alone";
    });
}
