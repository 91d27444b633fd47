// The sample book, made at 1920 x 1080, at every screen size the resolution dialog offers:
// the whole page shown scaled, the menu bar, the page buttons and the status line whole and
// clear of each other, and a picture of each screen in build/screens/ to look at; a page of
// pictures an author brought; the bottom bar while recording, on the smallest screen.
#include <algorithm>
#include <filesystem>

#include "book/px_plocha.h"
#include "framework/surface/tf_draw.h"
#include "platform/backend.h"
#include "platform/codepage.h"
#include "platform/sound_file.h"
#include "platform/voice.h"
#include "tests/book/editor_fixture.h"
#include "tests/book/import_pictures.h"
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
    static RECT Box(tf_CPol& c) {
        int bw = 0, bh = 0;
        c.GetSize(&bw, &bh);
        return {c.x, c.y, c.x + bw, c.y + bh};
    }
    static bool Apart(const RECT& a, const RECT& b) {
        return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
    }
    static bool Inside(const RECT& r, int w, int h) { return r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h; }

    // The menu bar's items whole, each caption inside its item, left of the mute switch and the
    // title buttons; the page buttons and the status line on the screen and clear of each other.
    void ExpectControlsApart(int w, int h) {
        int titles = px_editor->tlac_Stlmenie.x;  // the mute switch, left of the title buttons
        for (int id : {TF_APP_ID_CLOSE, TF_APP_ID_INFO, TF_APP_ID_RESOLUTION, TF_APP_ID_TIMER})
            if (tf_CPol* b = screen->FindCHLWithID(id); b && b->zivy) titles = std::min<int>(titles, Box(*b).left);
        tf_CDUI& bar = px_editor->dui_M;
        for (int i = 0; i < bar.volby.count; ++i) {
            const tf_TVOLBA* v = static_cast<tf_TVOLBA*>(bar.volby.GET(i));
            int tw = 0, th = 0;
            tf_glob_ZISTI_ROZMER_TEXTU(v->text, bar.font, &tw, &th);
            EXPECT_TRUE(v->obdlz.left >= 0 && v->obdlz.right <= titles) << plat_Utf8FromCp1250(v->text);
            EXPECT_LE(tw, v->obdlz.right - v->obdlz.left) << plat_Utf8FromCp1250(v->text) << ": the caption is cut";
        }
        int sw = 0, sh = 0;
        tf_glob_ZISTI_ROZMER_TEXTU(status_text, nullptr, &sw, &sh);
        const RECT status = {w / 2 - 75, h - 25, w / 2 - 75 + sw, h - 25 + sh};
        EXPECT_TRUE(Inside(status, w, h));
        PX_Editor& e = *px_editor;
        tf_CTlac* buttons[] = {&e.tlac_Play, &e.tlac_Save, &e.tlac_Next, &e.tlac_Prev, &e.tlac_Opusti, &e.tlac_Nova,
                                &e.tlac_Mikrofon};
        for (size_t i = 0; i < std::size(buttons); ++i) {
            EXPECT_TRUE(Inside(Box(*buttons[i]), w, h)) << "button " << i;
            EXPECT_TRUE(Apart(Box(*buttons[i]), status)) << "button " << i << " over the status line";
            for (size_t j = i + 1; j < std::size(buttons); ++j)
                EXPECT_TRUE(Apart(Box(*buttons[i]), Box(*buttons[j]))) << "buttons " << i << " and " << j;
        }
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
            Save("editor-" + std::to_string(w) + "x" + std::to_string(h));
            ExpectControlsApart(w, h);
        });
    }
}

TEST_F(Screens, TheObjectMenuAtTheRightEdgeANewBookWithASlovakNameAndThePagesList) {
    ASSERT_NO_FATAL_FAILURE(StarterLibrary(1280, 720));
    const std::vector<uint8_t> wav =
        plat_EncodeSound(test_support::Tone(440, 1, PLAT_MIX_RATE), 1, PLAT_MIX_RATE, PLAT_SOUND_WAV16);
    tree.File("library/KNIHA_Ukážka/2.wav", std::string(wav.begin(), wav.end()));  // its row marked
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

TEST_F(Screens, APageOfImportedPictures) {
    Library();
    tree.Dir("src");
    const std::string photo = tree.Host("src/krajina.jpg"), flower = tree.Host("src/kvet.png");
    ASSERT_TRUE(test_support::WriteJpeg(photo, 1600, 1200, import_test::Photo(1600, 1200)));
    ASSERT_TRUE(test_support::WritePng(flower, import_test::FLOWER_W, import_test::FLOWER_H, import_test::Flower()));
    std::vector<std::string> birds;
    for (int i = 0; i < 3; ++i) {
        birds.push_back(tree.Host("src/vtak" + std::to_string(i) + ".png"));
        ASSERT_TRUE(test_support::WritePng(birds.back(), import_test::BIRD_W, import_test::BIRD_H, import_test::Bird(i)));
    }
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        Click(W - 3, H / 2);
        Key(VK_BACK);  // the drawn prop goes: the page is the imported pictures' own
        for (const auto& files : {std::vector{photo}, std::vector{flower}, birds}) {
            Drop(files);
            Key(VK_RETURN);
        }
        ASSERT_EQ(REG.count, 2);
        Obj(0)->Umiestni(W / 3, H - 30 - import_test::FLOWER_H - 60);
        Obj(1)->Umiestni(W / 2, H / 4);
        Move(W - 3, H / 2);
        Tick();
        Save("imported");
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
