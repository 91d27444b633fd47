// A page's narration beyond recording it: the pages list marks the pages that have one, a page
// row's menu removes it as a step, and an unsaved recording survives a kill (even one while
// recording again) through the recovery file, leaving the narration beside the page whole.
#include "book/px_editor_cmd.h"
#include "book/px_ks.h"
#include "book/px_sprava.h"
#include "platform/codepage.h"
#include "platform/sound_file.h"
#include "tests/book/editor_processes.h"
#include "tests/book/sound_fixture.h"
#include "tests/support/tones.h"

using namespace editor_test;
using test_support::Tone;

namespace {
class NarrationMark : public Editor {
protected:
    // The pages list of "Les" shown.
    void Pages() {
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));
        ASSERT_NO_FATAL_FAILURE(Point(duir_KNIHY, 0));
        Tick();
    }
    // The speaker mark's sky under the page number of row i, right of its thumbnail.
    static bool Marked(int i) {
        const RECT r = static_cast<tf_TVOLBA*>(duir_STRANY->volby.GET(i))->obdlz;
        const int y = (r.top + r.bottom) / 2 + 8;
        return Shows(r.left + duir_STRANY->ikona_okraj + PX_NAHLAD_SIR + 1, y, r.right - 1, y + 17,
                     test_support::Px(px_editor->rezia.lpDDS, 431, 118));  // right of the thumbnail
    }
    // The menu of page row i: its items' count, and item `item` chosen when asked.
    int RowMenu(int i, int item = -1) {
        Tick();
        const RECT r = static_cast<tf_TVOLBA*>(duir_STRANY->volby.GET(i))->obdlz;
        Move((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        Post(WM_RBUTTONDOWN, 0, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        const int n = px_editor->riadok->zivy ? px_editor->riadok->Count() : 0;
        if (item >= 0) Choose(px_editor->riadok, item);
        else Click(W - 3, H / 2);  // a press elsewhere closes it
        return n;
    }
};
}  // namespace

TEST_F(NarrationMark, PagesWithANarrationAreMarkedAndTheRowMenuRemovesItAsAStepOnThePageItShows) {
    Library();
    ASSERT_TRUE(plat_WriteWavFile(tree.Path("KNIHA_Les/2.wav").c_str(), Tone(300, 1, PLAT_MIX_RATE)));
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        ASSERT_NO_FATAL_FAILURE(Pages());
        EXPECT_FALSE(Marked(0));
        EXPECT_TRUE(Marked(1));
        EXPECT_EQ(RowMenu(0), 1) << "a page without a narration: delete only";
        ASSERT_NO_FATAL_FAILURE(Pages());
        ASSERT_EQ(RowMenu(1, 1), 2);  // "Odstrániť rozprávanie" on page 2, from page 1
        EXPECT_EQ(current_page, 2) << "shown, so that the author sees and hears what went";
        EXPECT_TRUE(px_narracia.hlas == nullptr && dirty);
        EXPECT_EQ(plat_Utf8FromCp1250(status_text), "Rozprávanie odstránené: strana 2 (Ctrl+Z ho vráti)");
        Ctrl('Z');
        EXPECT_NE(px_narracia.hlas, nullptr);
        Ctrl('Y');
        Ctrl('S');
        EXPECT_FALSE(tree.Exists("KNIHA_Les/2.wav"));
        ASSERT_NO_FATAL_FAILURE(Pages());
        EXPECT_FALSE(Marked(1)) << "the mark follows the save";
        EXPECT_EQ(RowMenu(1), 1);
    });
}

TEST_F(Sound, AKillWhileRecordingLeavesTheNarrationBesideThePageWholeAndTheNextStartBringsTheUnsavedOneBack) {
    Library();
    const std::vector<int16_t> saved = Tone(300, 2, PLAT_MIX_RATE);
    ASSERT_TRUE(plat_WriteWavFile(tree.Path("KNIHA_Les/1.wav").c_str(), saved));
    Microphone(30);
    Signal recording;
    const pid_t child = Fork([&] {
        Run([&] {
            ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
            Key('R');
            ASSERT_TRUE(Await([&] { return Tick(), PX_Narracia_Sekundy() >= 1.0; }));
            Key('R');  // kept unsaved: the clock goes on, the recovery file takes it
            plat_Headless_AdvanceTime(2500);
            Tick();
            plat_WaitForWrites();
            Key('R');  // and recording again when killed
            ASSERT_TRUE(Await([&] { return Tick(), PX_Narracia_Sekundy() >= 0.3; }));
            recording.Give();
            for (;;) Sleep(100);
        });
    });
    ASSERT_GT(child, 0);
    ASSERT_EQ(recording.Take(), '.');
    ASSERT_EQ(Ended(child, true), "signal 9");
    EXPECT_EQ(Beside(tree, "KNIHA_Les/1.wav"), saved) << "the saved narration is whole and as it was";
    EXPECT_EQ(NamesStarting(tree, {PLAT_WRITE_TEMP_PREFIX}), std::vector<std::string>{});
    ASSERT_EQ(Ended(Fork([&] {
                  Run([&] {
                      ASSERT_TRUE(px_editor->otazka->zivy) << "the unsaved changes offered back";
                      ASSERT_NO_FATAL_FAILURE(Press(*px_editor->otazka->tlac_ok));
                      ASSERT_TRUE(px_narracia.hlas && dirty);
                      EXPECT_NEAR(px_narracia.hlas->Seconds(), 1.0, 0.3);
                      Ctrl('Z');
                      EXPECT_EQ(px_narracia.hlas->samples, saved) << "undo: the page as saved";
                      Ctrl('Y');
                      Ctrl('S');
                  });
              })),
              "exit 0");
    const std::vector<int16_t> kept = Beside(tree, "KNIHA_Les/1.wav");
    EXPECT_NEAR(double(kept.size()) / PLAT_MIX_RATE, 1.0, 0.3);
    EXPECT_NEAR(test_support::Frequency(kept, PLAT_MIX_RATE), 440, 1);
    EXPECT_EQ(NamesStarting(tree, {".pexlo-obnova-"}), std::vector<std::string>{}) << "the recovery file and its WAV";
}
