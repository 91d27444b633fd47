// The sound device: buffers made, filled, played and mixed on the fake device; lost buffers.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/dsound.h"

namespace {
WAVEFORMATEX pcm(WORD channels, DWORD rate, WORD bits) {
    WORD align = static_cast<WORD>(channels * bits / 8);
    return {WAVE_FORMAT_PCM, channels, rate, rate * align, align, bits, 0};
}

struct DSound : testing::Test {
    void SetUp() override {
        plat_DSound_SetDevice(PLAT_SOUND_FAKE);
        ASSERT_EQ(DirectSoundCreate(nullptr, &ds, nullptr), DS_OK);
        plat_DSound_ClearPlays();
    }
    void TearDown() override {
        if (ds) ds->Release();
        plat_DSound_SetDevice(PLAT_SOUND_REAL);
    }
    HRESULT Create(const WAVEFORMATEX& f, DWORD bytes, IDirectSoundBuffer** out) {
        DSBUFFERDESC desc{sizeof(DSBUFFERDESC), DSBCAPS_STATIC, bytes, 0, &f};
        return ds->CreateSoundBuffer(&desc, out, nullptr);
    }
    template <typename T>
    IDirectSoundBuffer* Filled(const WAVEFORMATEX& f, const std::vector<T>& samples) {
        IDirectSoundBuffer* b = nullptr;
        DWORD bytes = static_cast<DWORD>(samples.size() * sizeof(T)), n;
        void* p;
        EXPECT_EQ(Create(f, bytes, &b), DS_OK);
        EXPECT_EQ(b->Lock(0, bytes, &p, &n, nullptr, nullptr, 0), DS_OK);
        memcpy(p, samples.data(), n);
        b->Unlock(p, n, nullptr, 0);
        return b;
    }
    std::vector<int16_t> Mix(int frames) {
        std::vector<int16_t> out(2 * frames);
        EXPECT_TRUE(plat_DSound_FakeMix(ds, out.data(), frames));
        return out;
    }
    IDirectSound* ds = nullptr;
};
}  // namespace

TEST_F(DSound, CreateAndLockRefuseWhatDoesNotFitAndLostBuffersComeBackSilent) {
    WAVEFORMATEX bad[] = {pcm(1, 8000, 24), pcm(3, 8000, 16), pcm(1, 7999, 8), pcm(2, 192001, 16), pcm(1, 8000, 8)};
    bad[4].wFormatTag = 3;  // IEEE float
    IDirectSoundBuffer* b = nullptr;
    for (const WAVEFORMATEX& f : bad) EXPECT_EQ(Create(f, 64, &b), DSERR_BADFORMAT);
    for (DWORD bytes : {0u, 3u}) EXPECT_EQ(Create(pcm(1, 8000, 8), bytes, &b), DSERR_INVALIDPARAM);
    EXPECT_EQ(Create(pcm(1, 8000, 8), 8000 * 30 + 1, &b), DSERR_OUTOFMEMORY);  // over half a minute
    ASSERT_EQ(Create(pcm(1, 8000, 8), 100, &b), DS_OK);
    void* p;
    DWORD n;
    EXPECT_EQ(b->Lock(90, 11, &p, &n, nullptr, nullptr, 0), DSERR_INVALIDPARAM);  // static buffers do not wrap
    ASSERT_EQ(b->Lock(90, 10, &p, &n, nullptr, nullptr, 0), DS_OK);
    memset(p, 0xF0, n);
    EXPECT_EQ(b->Lock(0, 10, &p, &n, nullptr, nullptr, 0), DSERR_INVALIDCALL);
    b->Unlock(p, n, nullptr, 0);
    plat_DSound_LoseNextPlay();
    EXPECT_EQ(b->Play(0, 0, 0), DSERR_BUFFERLOST);
    EXPECT_EQ(b->Play(0, 0, 0), DSERR_BUFFERLOST);
    EXPECT_EQ(b->Lock(0, 64, &p, &n, nullptr, nullptr, 0), DSERR_BUFFERLOST);
    EXPECT_EQ(b->Restore(), DS_OK);
    ASSERT_EQ(b->Lock(0, 100, &p, &n, nullptr, nullptr, 0), DS_OK);
    EXPECT_EQ(std::vector<BYTE>(static_cast<BYTE*>(p), static_cast<BYTE*>(p) + n), std::vector<BYTE>(100, 0x80));
    b->Unlock(p, n, nullptr, 0);
    EXPECT_TRUE(plat_DSound_Plays().empty());
    b->Release();
}

TEST_F(DSound, PlayGoesOnFromTheSetPositionToTheEndMixedToTheDeviceFormat) {
    std::vector<int16_t> ramp(2 * 50);
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<int16_t>(i * 100);
    IDirectSoundBuffer* b = Filled(pcm(2, PLAT_SOUND_FAKE_RATE, 16), ramp);
    ASSERT_EQ(b->SetCurrentPosition(100), DS_OK);
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Mix(1), std::vector<int16_t>(ramp.begin() + 50, ramp.begin() + 52));
    b->SetCurrentPosition(0);
    b->Play(0, 0, 0);  // while still playing
    EXPECT_EQ(Mix(50), ramp);
    DWORD status;
    b->GetStatus(&status);
    EXPECT_EQ(status, 0u);
    b->Play(0, 0, 0);  // released while playing: nothing is left to mix
    b->Release();
    EXPECT_EQ(Mix(1), std::vector<int16_t>(2, 0));

    // 8-bit unsigned to 16-bit signed, saturating; a quarter of the rate plays each frame four times.
    const int n = 40, level = (0xE0 - 0x80) * 256;
    IDirectSoundBuffer* hi = Filled(pcm(1, PLAT_SOUND_FAKE_RATE, 8), std::vector<BYTE>(n, 0xE0));
    IDirectSoundBuffer* st = Filled(pcm(2, PLAT_SOUND_FAKE_RATE, 16), std::vector<int16_t>(2 * n, 30000));
    IDirectSoundBuffer* q = Filled(pcm(1, PLAT_SOUND_FAKE_RATE / 4, 8), std::vector<BYTE>(n, 0xE0));
    for (IDirectSoundBuffer* each : {hi, st, q}) each->Play(0, 0, 0);
    const std::vector<int16_t> out = Mix(8 * n);
    EXPECT_EQ(out[0], INT16_MAX);
    EXPECT_NEAR(out[2 * n], level, 64);  // the slower buffer alone, resampled
    int loud = 0;
    for (int i = 0; i < 8 * n; ++i) loud += out[2 * i] > level / 2 && out[2 * i + 1] > level / 2;
    EXPECT_NEAR(loud, 4 * n, 4);
    for (IDirectSoundBuffer* each : {hi, st, q}) each->Release();
}
