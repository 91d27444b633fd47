// The voices on the fake output: mixed with the effects at their stated gains, paused and
// resumed together, the narration ending and the background looping, and the mute.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/dsound.h"
#include "platform/voice.h"

namespace {
std::shared_ptr<const plat_Sound> constant(int channels, std::vector<int16_t> frame, size_t frames) {
    auto s = std::make_shared<plat_Sound>();
    s->channels = channels;
    for (size_t i = 0; i < frames; ++i) s->samples.insert(s->samples.end(), frame.begin(), frame.end());
    return s;
}

struct Voices : testing::Test {
    void SetUp() override {
        plat_DSound_SetDevice(PLAT_SOUND_FAKE);
        ASSERT_EQ(DirectSoundCreate(nullptr, &ds, nullptr), DS_OK);
        plat_Voice_Set(PLAT_VOICE_NARRATION, constant(1, {10000}, 100));
        plat_Voice_Set(PLAT_VOICE_BACKGROUND, constant(2, {8000, -8000}, 30));
    }
    void TearDown() override {
        plat_SetMute(false);
        plat_Voice_Set(PLAT_VOICE_NARRATION, nullptr);
        plat_Voice_Set(PLAT_VOICE_BACKGROUND, nullptr);
        if (ds) ds->Release();
        plat_DSound_SetDevice(PLAT_SOUND_REAL);
    }
    std::vector<int16_t> Mix(int frames) {
        std::vector<int16_t> out(2 * static_cast<size_t>(frames));
        EXPECT_TRUE(plat_DSound_FakeMix(ds, out.data(), frames));
        return out;
    }
    // An effect of one 16-bit stereo frame value, `frames` long, playing.
    IDirectSoundBuffer* Effect(int16_t value, DWORD frames) {
        const WAVEFORMATEX f{WAVE_FORMAT_PCM, 2, PLAT_SOUND_FAKE_RATE, PLAT_SOUND_FAKE_RATE * 4, 4, 16, 0};
        DSBUFFERDESC desc{sizeof(DSBUFFERDESC), DSBCAPS_STATIC, frames * 4, 0, &f};
        IDirectSoundBuffer* b = nullptr;
        void* p;
        DWORD n;
        EXPECT_TRUE(ds->CreateSoundBuffer(&desc, &b, nullptr) == DS_OK && b->Lock(0, frames * 4, &p, &n, nullptr, nullptr, 0) == DS_OK);
        std::vector<int16_t> samples(2 * frames, value);
        memcpy(p, samples.data(), n);
        b->Unlock(p, n, nullptr, 0);
        b->Play(0, 0, 0);
        return b;
    }
    IDirectSound* ds = nullptr;
};

// The background's frames at its gain, as the mixer scales them (rounded down).
constexpr int16_t BG = static_cast<int16_t>((8000 * PLAT_BACKGROUND_GAIN) >> 15);
constexpr int16_t BG_R = static_cast<int16_t>((-8000 * PLAT_BACKGROUND_GAIN) >> 15);
}  // namespace

TEST_F(Voices, NarrationAndLoopedBackgroundMixWithTheEffectsAtTheirGains) {
    EXPECT_EQ(BG, 2399);  // 30 %, rounded down on both sides
    EXPECT_EQ(BG_R, -2400);
    IDirectSoundBuffer* click = Effect(1000, 10);
    ASSERT_TRUE(plat_Voices_Play(PLAT_VOICE_BOTH));
    std::vector<int16_t> out = Mix(5);
    EXPECT_EQ(std::vector<int16_t>(out.begin(), out.begin() + 2), (std::vector<int16_t>{11000 + BG, 11000 + BG_R}));
    out = Mix(100);  // the click ends at 10, the narration at 100; the background loops every 30
    EXPECT_EQ(out[2 * 4], 11000 + BG);
    EXPECT_EQ(out[2 * 5], 10000 + BG);
    EXPECT_EQ(out[2 * 94 + 1], 10000 + BG_R);
    EXPECT_EQ(out[2 * 95], BG);
    EXPECT_TRUE(plat_Voice_Ended(PLAT_VOICE_NARRATION) && !plat_Voice_Playing(PLAT_VOICE_NARRATION));
    EXPECT_TRUE(plat_Voice_Playing(PLAT_VOICE_BACKGROUND) && !plat_Voice_Ended(PLAT_VOICE_BACKGROUND));
    EXPECT_DOUBLE_EQ(plat_Voice_Position(PLAT_VOICE_BACKGROUND), double(105 % 30) / PLAT_MIX_RATE);
    click->Release();
}

TEST_F(Voices, PauseHoldsBothWhereTheyAreResumeGoesOnStopGoesBackAndMuteSilencesEverything) {
    plat_Voices_Play(PLAT_VOICE_BOTH);
    Mix(40);
    plat_Voices_Pause(PLAT_VOICE_BOTH);
    EXPECT_EQ(Mix(50), std::vector<int16_t>(100, 0));
    EXPECT_TRUE(plat_Voice_Paused(PLAT_VOICE_NARRATION) && plat_Voice_Paused(PLAT_VOICE_BACKGROUND));
    EXPECT_DOUBLE_EQ(plat_Voice_Position(PLAT_VOICE_NARRATION), 40.0 / PLAT_MIX_RATE);
    plat_Voices_Resume(PLAT_VOICE_BOTH);
    Mix(60);
    EXPECT_TRUE(plat_Voice_Ended(PLAT_VOICE_NARRATION));  // 40 + 60: the whole narration

    plat_SetMute(true);
    IDirectSoundBuffer* click = Effect(1000, 10);
    plat_Voices_Play(PLAT_VOICE_BOTH);
    EXPECT_EQ(Mix(20), std::vector<int16_t>(40, 0));
    EXPECT_DOUBLE_EQ(plat_Voice_Position(PLAT_VOICE_NARRATION), 20.0 / PLAT_MIX_RATE);  // time goes on, unheard
    plat_SetMute(false);
    EXPECT_EQ(Mix(1)[0], 10000 + BG);

    plat_Voices_Stop(PLAT_VOICE_BOTH);
    EXPECT_FALSE(plat_Voice_Playing(PLAT_VOICE_NARRATION) || plat_Voice_Paused(PLAT_VOICE_NARRATION));
    EXPECT_EQ(plat_Voice_Position(PLAT_VOICE_NARRATION), 0.0);
    click->Release();
}

TEST_F(Voices, WithoutAnOutputNothingPlaysAndANewSoundStopsItsVoice) {
    plat_Voices_Play(PLAT_VOICE_BOTH);
    plat_Voice_Set(PLAT_VOICE_BACKGROUND, constant(1, {5}, 3));
    EXPECT_FALSE(plat_Voice_Playing(PLAT_VOICE_BACKGROUND));
    EXPECT_TRUE(plat_Voice_Playing(PLAT_VOICE_NARRATION));
    ds->Release();
    ds = nullptr;
    EXPECT_FALSE(plat_AudioOutput());
    EXPECT_FALSE(plat_Voice_Playing(PLAT_VOICE_NARRATION));
    EXPECT_FALSE(plat_Voices_Play(PLAT_VOICE_BOTH));
    EXPECT_FALSE(plat_Voice_Playing(PLAT_VOICE_NARRATION));
    plat_DSound_SetDevice(PLAT_SOUND_NONE);
    EXPECT_EQ(DirectSoundCreate(nullptr, &ds, nullptr), DSERR_NODRIVER);
    EXPECT_FALSE(plat_Voices_Play(PLAT_VOICE_BOTH));
}
