// The sound device: buffers made, filled, played and mixed on the fake device; lost buffers.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "platform/dsound.h"

namespace {
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
    HRESULT Create(WORD channels, DWORD rate, WORD bits, DWORD bytes, IDirectSoundBuffer** out, WORD tag = WAVE_FORMAT_PCM) {
        const WORD align = static_cast<WORD>(channels * bits / 8);
        const WAVEFORMATEX f{tag, channels, rate, rate * align, align, bits, 0};
        DSBUFFERDESC desc{sizeof(DSBUFFERDESC), DSBCAPS_STATIC, bytes, 0, &f};
        return ds->CreateSoundBuffer(&desc, out, nullptr);
    }
    template <typename T>
    IDirectSoundBuffer* Filled(WORD channels, DWORD rate, const std::vector<T>& samples) {
        IDirectSoundBuffer* b = nullptr;
        DWORD bytes = static_cast<DWORD>(samples.size() * sizeof(T)), n;
        void* p;
        EXPECT_TRUE(Create(channels, rate, WORD{sizeof(T) * 8}, bytes, &b) == DS_OK &&
                    b->Lock(0, bytes, &p, &n, nullptr, nullptr, 0) == DS_OK);
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
    IDirectSoundBuffer* b = nullptr;
    using Format = std::tuple<WORD, DWORD, WORD, WORD>;  // tag 3: IEEE float
    for (auto [channels, rate, bits, tag] :
         {Format{1, 8000, 24, 1}, {3, 8000, 16, 1}, {1, 7999, 8, 1}, {2, 192001, 16, 1}, {1, 8000, 8, 3}})
        EXPECT_EQ(Create(channels, rate, bits, 64, &b, tag), DSERR_BADFORMAT) << channels << " " << rate << " " << bits;
    for (DWORD bytes : {0u, 3u}) EXPECT_EQ(Create(1, 8000, 8, bytes, &b), DSERR_INVALIDPARAM);
    EXPECT_EQ(Create(1, 8000, 8, 8000 * 30 + 1, &b), DSERR_OUTOFMEMORY);  // over half a minute
    ASSERT_EQ(Create(1, 8000, 8, 100, &b), DS_OK);
    void* p;
    DWORD n;
    ASSERT_TRUE(b->Lock(90, 11, &p, &n, nullptr, nullptr, 0) == DSERR_INVALIDPARAM &&  // static buffers do not wrap
                b->Lock(90, 10, &p, &n, nullptr, nullptr, 0) == DS_OK);
    memset(p, 0xF0, n);
    EXPECT_EQ(b->Lock(0, 10, &p, &n, nullptr, nullptr, 0), DSERR_INVALIDCALL);
    b->Unlock(p, n, nullptr, 0);
    plat_DSound_LoseNextPlay();  // lost until restored, then silent
    EXPECT_TRUE(b->Play(0, 0, 0) == DSERR_BUFFERLOST && b->Play(0, 0, 0) == DSERR_BUFFERLOST &&
                b->Lock(0, 64, &p, &n, nullptr, nullptr, 0) == DSERR_BUFFERLOST && plat_DSound_Plays().empty());
    ASSERT_TRUE(b->Restore() == DS_OK && b->Lock(0, 100, &p, &n, nullptr, nullptr, 0) == DS_OK);
    EXPECT_EQ(std::vector<BYTE>(static_cast<BYTE*>(p), static_cast<BYTE*>(p) + n), std::vector<BYTE>(100, 0x80));
    b->Unlock(p, n, nullptr, 0);
    b->Release();
}

TEST_F(DSound, PlayGoesOnFromTheSetPositionToTheEndMixedToTheDeviceFormat) {
    std::vector<int16_t> ramp(2 * 50);
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<int16_t>(i * 100);
    IDirectSoundBuffer* b = Filled(2, PLAT_SOUND_FAKE_RATE, ramp);
    ASSERT_TRUE(b->SetCurrentPosition(100) == DS_OK && b->Play(0, 0, 0) == DS_OK);
    EXPECT_EQ(Mix(1), std::vector<int16_t>(ramp.begin() + 50, ramp.begin() + 52));
    b->SetCurrentPosition(0);
    b->Play(0, 0, 0);  // while still playing
    EXPECT_EQ(Mix(50), ramp);
    DWORD status = 1;  // stopped at the end; released while playing, nothing is left to mix
    EXPECT_TRUE(b->GetStatus(&status) == DS_OK && status == 0 && b->Play(0, 0, 0) == DS_OK);
    b->Release();
    EXPECT_EQ(Mix(1), std::vector<int16_t>(2, 0));

    // 8-bit unsigned to 16-bit signed, saturating; a quarter of the rate plays each frame four times.
    const int n = 40, level = (0xE0 - 0x80) * 256;
    IDirectSoundBuffer* const mixed[] = {Filled(1, PLAT_SOUND_FAKE_RATE, std::vector<BYTE>(n, 0xE0)),
                                   Filled(2, PLAT_SOUND_FAKE_RATE, std::vector<int16_t>(2 * n, 30000)),
                                   Filled(1, PLAT_SOUND_FAKE_RATE / 4, std::vector<BYTE>(n, 0xE0))};
    for (IDirectSoundBuffer* each : mixed) each->Play(0, 0, 0);
    const std::vector<int16_t> out = Mix(8 * n);
    EXPECT_EQ(out[0], INT16_MAX);
    EXPECT_NEAR(out[2 * n], level, 64);  // the slower buffer alone, resampled, in both channels to its end
    EXPECT_TRUE(out[8 * n - 10] > level / 2 && out[8 * n - 9] > level / 2 && out[8 * n + 10] == 0 && out[8 * n + 11] == 0);
    for (IDirectSoundBuffer* each : mixed) each->Release();
}
