// The editor's sound controls in use: the microphone and R record the page's narration, one
// step to undo each; the sounds menu sets the page's background sound; M and the switch mute;
// without a microphone the button is greyed and says why; a dialog keeps its keys.
#include "book/px_editor_cmd.h"
#include "book/px_sprava.h"
#include "platform/capture.h"
#include "platform/codepage.h"
#include "platform/sound_file.h"
#include "platform/voice.h"
#include "tests/book/sound_fixture.h"
#include "tests/support/tones.h"

using namespace editor_test;
using test_support::Tone;

namespace {
// A recording under way, ticked until the capture holds `seconds`, then stopped.
void RecordFor(double seconds, const std::function<void()>& tick, const std::function<void()>& stop) {
    ASSERT_TRUE(px_narracia.nahrava);
    ASSERT_TRUE(Await([&] {
        tick();
        return PX_Narracia_Sekundy() >= seconds;
    }));
    stop();
}
}  // namespace

TEST_F(Sound, RecordingsAreStepsToUndoAndTheFileBesideThePageFollowsWhatIsSaved) {
    Library();
    Microphone(30);
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        Key('R');
        ASSERT_NO_FATAL_FAILURE(RecordFor(1.0, [&] { Tick(); }, [&] { Press(px_editor->tlac_Mikrofon); }));
        const auto first = px_narracia.hlas;
        ASSERT_TRUE(first && dirty && !px_narracia.nahrava);
        Press(px_editor->tlac_Mikrofon);  // the button starts as well, R stops
        ASSERT_NO_FATAL_FAILURE(RecordFor(0.5, [&] { Tick(); }, [&] { Key('R'); }));
        const auto second = px_narracia.hlas;
        ASSERT_TRUE(second && second != first);

        Ctrl('Z');
        EXPECT_EQ(px_narracia.hlas, first);
        EXPECT_EQ(std::string(status_text), plat_W1250(u8"Späť: nahrávka rozprávania"));
        Ctrl('Z');
        EXPECT_EQ(px_narracia.hlas, nullptr);
        Ctrl('Y');
        EXPECT_EQ(px_narracia.hlas, first);
        Ctrl('S');
        EXPECT_FALSE(dirty);
        EXPECT_EQ(Beside(tree, "KNIHA_Les/1.wav"), first->samples);

        Ctrl('Z');  // back past the save: the file must go with the next save
        EXPECT_TRUE(dirty);
        Ctrl('S');
        EXPECT_FALSE(tree.Exists("KNIHA_Les/1.wav"));
        Ctrl('Y');
        Ctrl('S');
        EXPECT_EQ(Beside(tree, "KNIHA_Les/1.wav"), first->samples);

        // Recording while the page plays: the pictures play on, the narration keeps silent until
        // the recording ends, then the new one plays.
        Key(VK_SPACE);
        Key('R');
        auto silent = [&] {
            Tick();
            EXPECT_FALSE(plat_Voice_Playing(PLAT_VOICE_NARRATION));
        };
        ASSERT_NO_FATAL_FAILURE(RecordFor(0.3, silent, [&] { Key('R'); }));
        Tick();
        EXPECT_TRUE(running && plat_Voice_Playing(PLAT_VOICE_NARRATION));
        EXPECT_NE(px_narracia.hlas, first);
        Key(VK_SPACE);

        // Leaving the page while recording keeps the recording, saved with the page.
        Key('R');
        ASSERT_NO_FATAL_FAILURE(RecordFor(0.3, [&] { Tick(); }, [&] { ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1)); }));
        EXPECT_FALSE(px_narracia.nahrava || plat_Capture_Recording());
    });
    const std::vector<int16_t> kept = Beside(tree, "KNIHA_Les/1.wav");
    EXPECT_GE(kept.size(), size_t(0.3 * PLAT_MIX_RATE));
    EXPECT_NEAR(test_support::Frequency(kept, PLAT_MIX_RATE), 440, 1);
}

TEST_F(Sound, NarrationStartsWithPlayFromItsBeginningPausesWithPauseAndStopsOnLeavingThePage) {
    Library();
    ASSERT_TRUE(plat_WriteWavFile(tree.Path("KNIHA_Les/1.wav").c_str(), Tone(300, 20, PLAT_MIX_RATE)));
    disk.emplace(tree.Host("out.raw"), tree.Host("none.raw"), 10);
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        ASSERT_NE(px_narracia.hlas, nullptr);
        Key(VK_SPACE);
        Tick();
        ASSERT_TRUE(Await([] { return plat_Voice_Position(PLAT_VOICE_NARRATION) > 0.2; }));
        Key(VK_SPACE);
        Tick();
        const double paused = plat_Voice_Position(PLAT_VOICE_NARRATION);
        Sleep(100);
        EXPECT_EQ(plat_Voice_Position(PLAT_VOICE_NARRATION), paused);
        EXPECT_FALSE(plat_Voice_Playing(PLAT_VOICE_NARRATION));
        Key(VK_SPACE);
        Tick();
        EXPECT_TRUE(plat_Voice_Playing(PLAT_VOICE_NARRATION));
        EXPECT_GE(plat_Voice_Position(PLAT_VOICE_NARRATION), paused);  // on from the pause
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        EXPECT_FALSE(plat_Voice_Playing(PLAT_VOICE_NARRATION));
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        Press(px_editor->tlac_Play);
        Tick();
        EXPECT_TRUE(plat_Voice_Playing(PLAT_VOICE_NARRATION));
        EXPECT_LT(plat_Voice_Position(PLAT_VOICE_NARRATION), paused);  // from its beginning
    });
}

TEST_F(Editor, TheSoundsMenuSetsThePagesBackgroundSoundAsAStepAndRefusesABrokenOne) {
    Library();
    tree.Dir("KNIHA_Les/Zvuky");
    const std::vector<uint8_t> bird =
        plat_EncodeSound(Tone(900, 0.5, PLAT_MIX_RATE), 1, PLAT_MIX_RATE, PLAT_SOUND_WAV16);
    tree.File("KNIHA_Les/Zvuky/a_vtak.wav", std::string(bird.begin(), bird.end()));
    tree.File("KNIHA_Les/Zvuky/b_zly.wav", "RIFF, but nothing more");
    tree.File("KNIHA_Les/Zvuky/c_text.txt", "not a sound");
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        ASSERT_NO_FATAL_FAILURE(FromMenu(7, 1));  // "Zvuky...": none, a_vtak.wav, b_zly.wav
        EXPECT_EQ(px_editor->zvuky->Count(), 3);
        EXPECT_EQ(px_narracia.pozadie, "a_vtak.wav");
        EXPECT_TRUE(dirty);
        ASSERT_NO_FATAL_FAILURE(FromMenu(7, 2));
        EXPECT_TRUE(PX_Sprava_Je_chyba()) << status_text;
        EXPECT_EQ(px_narracia.pozadie, "a_vtak.wav");
        Ctrl('Z');
        EXPECT_EQ(std::string(status_text), plat_W1250(u8"Späť: zmena zvuku strany"));
        EXPECT_EQ(px_narracia.pozadie, "");
        Ctrl('Y');
        Ctrl('S');
        const std::string with = tree.Read("KNIHA_Les/1.str");
        ASSERT_NO_FATAL_FAILURE(FromMenu(7, 0));
        EXPECT_EQ(px_narracia.pozadie_zvuk, nullptr);
        Ctrl('S');
        EXPECT_EQ(with, tree.Read("KNIHA_Les/1.str") + "z a_vtak.wav\n");
    });
}

TEST_F(Editor, WithoutAMicrophoneTheButtonIsGreyedAndSaysSoAndMuteIsKeptBetweenRuns) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        Tick();
        const tf_CTlac& mic = px_editor->tlac_Mikrofon;
        EXPECT_EQ(mic.Faza(0)->x1, px_editor->vzhlad_mikrofonu[2].Faza(0)->x1);  // the greyed look
        const uint16_t grey = Px(mic.x + 17, mic.y + 5);
        for (const auto& press : std::vector<std::function<void()>>{[&] { Press(mic); }, [&] { Key('R'); }}) {
            PX_Oznam("");
            press();
            EXPECT_FALSE(px_narracia.nahrava || dirty);
            EXPECT_TRUE(PX_Sprava_Je_chyba());
            EXPECT_NE(std::string(status_text).find(plat_W1250(u8"mikrofón")), std::string::npos) << status_text;
        }
        const tf_CTlac& mute = px_editor->tlac_Stlmenie;
        const uint16_t on = Px(mute.x + 3, mute.y + 11);  // the body, blue or red
        Key('M');
        Tick();
        EXPECT_TRUE(plat_Muted());
        EXPECT_NE(Px(mute.x + 3, mute.y + 11), on);
        EXPECT_EQ(Px(mic.x + 17, mic.y + 5), grey);
    });
    EXPECT_EQ(tree.Read("app/ZVUK.INI"), "stlmene=1\n");
    plat_SetMute(false);  // the next run takes it from the file
    Run([&] {
        EXPECT_TRUE(plat_Muted());
        Press(px_editor->tlac_Stlmenie);
        EXPECT_FALSE(plat_Muted());
    });
    EXPECT_EQ(tree.Read("app/ZVUK.INI"), "stlmene=0\n");
}

TEST_F(Sound, WhileADialogIsOpenRAndSpaceAreTyped) {
    Library();
    Microphone(5);
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        ASSERT_NO_FATAL_FAILURE(FromMenu(1, 2));  // "Nová kniha"
        Type("R M");
        Tick();
        EXPECT_EQ(std::string(px_editor->nova_kniha->Get_Text()), "R M");
        EXPECT_FALSE(px_narracia.nahrava || running || plat_Muted());
        Key(VK_ESCAPE);
        Key('R');
        EXPECT_TRUE(px_narracia.nahrava);
        Key('R');
    });
}
