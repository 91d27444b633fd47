// The page's sound in the running editor, on SDL's file-backed audio drivers: a narration
// recorded from a tone file, saved beside the page and read back with it; the page played
// with its narration over its background sound at their gains, paused, and muted.
#include <algorithm>

#include "platform/bytes.h"
#include "platform/capture.h"
#include "platform/voice.h"
#include "tests/book/sound_fixture.h"
#include "tests/support/tones.h"

using namespace editor_test;
using test_support::Tone;

TEST_F(Sound, ANarrationRecordedWhilePlayingIsSavedBesideThePageAndComesBackWithIt) {
    Library();
    Microphone(5);
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        Key(VK_SPACE);
        ASSERT_TRUE(PX_Narracia_Moze_nahravat());
        ASSERT_TRUE(PX_Narracia_Nahravaj());
        ASSERT_TRUE(Await([&] {
            Tick();
            return PX_Narracia_Sekundy() >= 3.0;
        }));
        EXPECT_GT(PX_Narracia_Uroven(), 30);  // the tone is loud
        PX_Narracia_Zastav_nahravanie();
        EXPECT_TRUE(dirty && px_narracia.zmenena && !plat_Capture_Recording());
        Tick();  // the page still plays: the new narration from its start
        EXPECT_TRUE(plat_Voice_Playing(PLAT_VOICE_NARRATION) || plat_Voice_Ended(PLAT_VOICE_NARRATION));
        Key(VK_SPACE);
        Press(px_editor->tlac_Save);
        EXPECT_FALSE(dirty || px_narracia.zmenena);
        const auto recorded = px_narracia.hlas;
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        EXPECT_EQ(px_narracia.hlas, nullptr);
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        ASSERT_NE(px_narracia.hlas, nullptr);
        EXPECT_EQ(px_narracia.hlas->samples, recorded->samples);
    });
    // A 16-bit mono wave at the mixer's rate that holds the tone for the seconds recorded.
    const std::string wav = tree.Read("KNIHA_Les/1.wav");
    ASSERT_GT(wav.size(), 44u);
    const auto* b = reinterpret_cast<const uint8_t*>(wav.data());
    EXPECT_EQ(std::tuple(plat_ReadLE(b + 20, 2), plat_ReadLE(b + 22, 2), plat_ReadLE(b + 24, 4), plat_ReadLE(b + 34, 2)),
              std::tuple(1u, 1u, uint32_t{PLAT_MIX_RATE}, 16u));
    const std::vector<int16_t> heard = test_support::RawSamples(wav.substr(44));
    EXPECT_NEAR(test_support::Frequency(heard, PLAT_MIX_RATE), 440, 1);
    EXPECT_GE(heard.size(), 3u * PLAT_MIX_RATE);
    EXPECT_LT(heard.size(), 4u * PLAT_MIX_RATE);  // stopped about when asked
}

TEST_F(Sound, ThePagePlaysItsNarrationOverItsBackgroundPausesBothAndMuteSilencesAll) {
    DrawnBook(tree, "KNIHA_Zvuk", {{"1", "k strom 300 200 6 1 0\nz more.wav\n"}});
    tree.Dir("KNIHA_Zvuk/Zvuky");
    const std::vector<uint8_t> sea = plat_EncodeSound(Tone(700, 10, PLAT_MIX_RATE, 2, 8000), 2, PLAT_MIX_RATE,
                                                      PLAT_SOUND_WAV16);
    tree.File("KNIHA_Zvuk/Zvuky/more.wav", std::string(sea.begin(), sea.end()));
    ASSERT_TRUE(plat_WriteWavFile(tree.Path("KNIHA_Zvuk/1.wav").c_str(), Tone(300, 1, PLAT_MIX_RATE)));
    disk.emplace(tree.Host("out.raw"), tree.Host("none.raw"), 10);
    std::shared_ptr<const plat_Sound> voice, background;
    size_t played = 0;
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        voice = px_narracia.hlas, background = px_narracia.pozadie_zvuk;
        ASSERT_TRUE(voice && background);
        EXPECT_EQ(px_narracia.pozadie, "more.wav");
        ASSERT_TRUE(Await([] {  // the page's click is over
            DWORD status = 0;
            IDirectSoundBuffer* click = zvuk_naraz ? zvuk_naraz->m_pBuffer : nullptr;
            return !click || (click->GetStatus(&status) == DS_OK && !(status & DSBSTATUS_PLAYING));
        }));
        Key(VK_SPACE);
        Tick();
        ASSERT_TRUE(Await([] { return plat_Voice_Ended(PLAT_VOICE_NARRATION); }));
        Key(VK_SPACE);
        Tick();
        played = static_cast<size_t>(std::lround(plat_Voice_Position(PLAT_VOICE_BACKGROUND) * PLAT_MIX_RATE));
        Sleep(100);
        EXPECT_EQ(std::lround(plat_Voice_Position(PLAT_VOICE_BACKGROUND) * PLAT_MIX_RATE), long(played));
        EXPECT_FALSE(plat_Voice_Playing(PLAT_VOICE_NARRATION) || plat_Voice_Playing(PLAT_VOICE_BACKGROUND));

        ASSERT_TRUE(PX_Stlmenie_Nastav(true));
        Key(VK_SPACE);
        Tick();
        ASSERT_TRUE(Await([&] { return plat_Voice_Position(PLAT_VOICE_BACKGROUND) * PLAT_MIX_RATE > played + 22050; }));
        Key(VK_SPACE);
        Tick();
        PX_Stlmenie_Nastav(false);
    });
    ASSERT_TRUE(voice && background && played > voice->Frames());
    ASSERT_LT(played, background->Frames());  // the background did not start over

    // What was heard: silence and the click, then narration and background together at their
    // gains for as long as the page played, then silence while paused and while muted.
    std::vector<int16_t> expected(2 * played);
    for (size_t i = 0; i < played; ++i)
        for (size_t c = 0; c < 2; ++c) {
            const int32_t n = i < voice->Frames() ? voice->samples[i] : 0;
            const int32_t v = n + ((int32_t{background->samples[2 * i + c]} * PLAT_BACKGROUND_GAIN) >> 15);
            expected[2 * i + c] = static_cast<int16_t>(std::clamp(v, -32768, 32767));
        }
    const std::vector<int16_t> out = test_support::RawSamples(tree.Read("out.raw"));
    const auto at = std::search(out.begin(), out.end(), expected.begin(), expected.begin() + 64);
    ASSERT_NE(at, out.end()) << "the page's sound never started";
    const size_t k = static_cast<size_t>(at - out.begin());
    ASSERT_GE(out.size(), k + expected.size() + 2 * 22050);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), at));
    EXPECT_EQ(std::count(at + std::ptrdiff_t(expected.size()), at + std::ptrdiff_t(expected.size() + 2 * 22050), 0),
              2 * 22050);
    EXPECT_EQ(tree.Read("app/ZVUK.INI"), "stlmene=0\n");
}
