// The sample book, made at 1920 x 1080, at every screen size the resolution dialog offers:
// the whole page shown scaled, the controls clear of each other, and a picture of each screen
// in build/screens/ to look at; the bottom bar while recording, on the smallest screen.
#include <filesystem>

#include "book/px_plocha.h"
#include "platform/backend.h"
#include "platform/voice.h"
#include "tests/book/sound_fixture.h"
#include "tests/support/png_writer.h"
#include "tests/support/tones.h"

using namespace editor_test;

namespace {
const std::string SCREENS = PEXLO_STARTER_DIR "/../screens/";

class Screens : public Editor {
protected:
    static void Save(const std::string& name) {
        std::filesystem::create_directories(SCREENS);
        EXPECT_TRUE(test_support::SavePNG(plat_PrimarySurface(), SCREENS + name + ".png"));
    }
};
}  // namespace

TEST_F(Screens, TheSampleBookAtEverySize) {
    const std::pair<int, int> sizes[] = {{800, 600}, {1024, 768}, {1280, 720}, {1280, 1024}, {1920, 1080}};
    display.modes.assign(std::begin(sizes), std::end(sizes));
    for (const auto& [w, h] : sizes) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        ASSERT_NO_FATAL_FAILURE(StarterLibrary(w, h));
        Run([&, w = w, h = h] {
            ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
            ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));
            Tick();
            // The menu bar's last item ends left of the mute switch and the title buttons.
            tf_CDUI& bar = px_editor->dui_M;
            EXPECT_LT(static_cast<tf_TVOLBA*>(bar.volby.GET(bar.volby.count - 1))->obdlz.right,
                      px_editor->tlac_Stlmenie.x);
            Save("editor-" + std::to_string(w) + "x" + std::to_string(h));
        });
    }
}

TEST_F(Screens, TheObjectMenuAtTheRightEdgeANewBookWithASlovakNameAndThePagesList) {
    ASSERT_NO_FATAL_FAILURE(StarterLibrary(1280, 720));
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        POINT m = {-1, -1};  // the middle of an object the pointer takes there, on the screen
        for (int i = 0; i < REG.count && hovered == -1; ++i) {
            const RECT r = PX_Na_obrazovku(RECT{Obj(i)->x, Obj(i)->y, Obj(i)->x + Obj(i)->AktSIR(), Obj(i)->y + Obj(i)->AktVYS()});
            m = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
            Move(m.x, m.y);
        }
        ASSERT_NE(hovered, -1);
        const POINT at = {1280 - 6, m.y};  // dragged to the right edge, not thrown
        Down(m.x, m.y), Move(at.x, at.y), Move(at.x, at.y), Up(at.x, at.y);
        Move(at.x, at.y);
        RightClick(at.x, at.y);
        ASSERT_NO_FATAL_FAILURE(Point(dui_setup, 1));  // "Pohyb", the motion marked
        Tick();
        EXPECT_TRUE(dui_setup->zivy && dui_setup_2->zivy);
        Save("object-menu-right-edge");
        Click(900, 620);  // on the grass: the menu closes
        ASSERT_NO_FATAL_FAILURE(FromMenu(1, 1));  // "Nová kniha" beside the sample book
        Type("Môj les 2");
        Tick();
        EXPECT_FALSE(running) << "the space typed went to the name";
        Save("new-book-slovak-name");
        Key(VK_ESCAPE);
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));  // the pages beside their book's row
        ASSERT_NO_FATAL_FAILURE(Point(duir_KNIHY, 0));
        Tick();
        EXPECT_TRUE(duir_STRANY->zivy);
        Save("pages-list");
    });
}

TEST_F(Screens, TheBottomBarWhileRecordingOnTheSmallestScreen) {
    ASSERT_NO_FATAL_FAILURE(StarterLibrary(800, 600));
    tree.File("tone.raw", test_support::RawBytes(test_support::Tone(440, 5, PLAT_MIX_RATE)));
    test_support::DiskAudio disk(tree.Host("out.raw"), tree.Host("tone.raw"), 10);
    plat_DSound_SetDevice(PLAT_SOUND_SDL);
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        Key('R');
        ASSERT_TRUE(Await([&] {
            Tick();
            return PX_Narracia_Sekundy() >= 1.2;
        }));
        Tick();
        // The level's bar over the microphone, the page's buttons beside it untouched.
        const tf_CTlac& mic = px_editor->tlac_Mikrofon;
        EXPECT_TRUE(Shows(mic.x - 40, mic.y - 20, mic.x + 70, mic.y - 1, Raw(0x40C040)));
        EXPECT_FALSE(Shows(px_editor->tlac_Opusti.x, px_editor->tlac_Nova.y, 799, 599, Raw(0x40C040)));
        Save("recording-800x600");
        Key('R');
    });
    plat_DSound_SetDevice(PLAT_SOUND_REAL);
}
