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

class DSound : public ::testing::Test {
protected:
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

TEST_F(DSound, CreateAndLockRefuseWhatDoesNotFit) {
    WAVEFORMATEX bad[] = {pcm(1, 8000, 24),   pcm(0, 8000, 8), pcm(3, 8000, 16), pcm(1, 7999, 8),
                          pcm(2, 192001, 16), pcm(1, 8000, 8), pcm(2, 8000, 16)};
    bad[5].wFormatTag = 3;  // IEEE float
    bad[6].nBlockAlign = 2;
    IDirectSoundBuffer* b = nullptr;
    for (const WAVEFORMATEX& f : bad) EXPECT_EQ(Create(f, 64, &b), DSERR_BADFORMAT);
    for (DWORD bytes : {0u, 3u, DSBSIZE_MAX + 1u}) EXPECT_EQ(Create(pcm(1, 8000, 8), bytes, &b), DSERR_INVALIDPARAM);
    EXPECT_EQ(Create(pcm(1, 8000, 8), 8000 * 30 + 1, &b), DSERR_OUTOFMEMORY);  // over half a minute
    EXPECT_EQ(b, nullptr);
    ASSERT_EQ(Create(pcm(1, 8000, 8), 100, &b), DS_OK);
    void* p;
    DWORD n;
    EXPECT_EQ(b->Lock(90, 11, &p, &n, nullptr, nullptr, 0), DSERR_INVALIDPARAM);  // static buffers do not wrap
    ASSERT_EQ(b->Lock(90, 10, &p, &n, nullptr, nullptr, 0), DS_OK);
    EXPECT_EQ(static_cast<BYTE*>(p)[9], 0x80);  // a new 8-bit buffer holds silence
    EXPECT_EQ(b->Lock(0, 10, &p, &n, nullptr, nullptr, 0), DSERR_INVALIDCALL);
    b->Release();
}

TEST_F(DSound, PlayGoesOnFromTheSetPositionToTheEnd) {
    std::vector<int16_t> ramp(2 * 50);
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<int16_t>(i * 100);
    IDirectSoundBuffer* b = Filled(pcm(2, PLAT_SOUND_FAKE_RATE, 16), ramp);
    ASSERT_EQ(b->SetCurrentPosition(100), DS_OK);
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Mix(1), std::vector<int16_t>(ramp.begin() + 50, ramp.begin() + 52));
    b->SetCurrentPosition(0);
    b->Play(0, 0, 0);  // while still playing
    ASSERT_EQ(plat_DSound_Plays().size(), 2u);
    EXPECT_EQ(std::tuple(plat_DSound_Plays()[0].position, plat_DSound_Plays()[1].position), std::tuple(100u, 0u));
    EXPECT_EQ(Mix(50), ramp);
    DWORD status;
    b->GetStatus(&status);
    EXPECT_EQ(status, 0u);
    b->Play(0, 0, 0);  // released while playing: nothing is left to mix
    b->Release();
    EXPECT_EQ(Mix(1), std::vector<int16_t>(2, 0));
}

TEST_F(DSound, MixConvertsToTheDeviceFormatAndSaturates) {
    const int n = 40, level = (0xE0 - 0x80) * 256;  // 8-bit unsigned to 16-bit signed
    std::vector<int16_t> wide(2 * n);
    for (int i = 0; i < n; ++i) wide[2 * i] = 30000, wide[2 * i + 1] = -30000;
    IDirectSoundBuffer* lo = Filled(pcm(1, PLAT_SOUND_FAKE_RATE, 8), std::vector<BYTE>(n, 0x100 - 0xE0));
    IDirectSoundBuffer* hi = Filled(pcm(1, PLAT_SOUND_FAKE_RATE, 8), std::vector<BYTE>(n, 0xE0));
    IDirectSoundBuffer* st = Filled(pcm(2, PLAT_SOUND_FAKE_RATE, 16), wide);
    for (auto [mono, left, right] : {std::tuple{lo, 30000 - level, INT16_MIN}, {hi, INT16_MAX, level - 30000}}) {
        mono->Play(0, 0, 0);
        st->Play(0, 0, 0);
        std::vector<int16_t> out = Mix(n);
        EXPECT_NEAR(out[0], left, 2);
        EXPECT_NEAR(out[1], right, 2);
    }
    // A quarter of the device's rate plays four device frames for each of its own.
    IDirectSoundBuffer* q = Filled(pcm(1, PLAT_SOUND_FAKE_RATE / 4, 8), std::vector<BYTE>(n, 0xE0));
    q->Play(0, 0, 0);
    std::vector<int16_t> out = Mix(8 * n);
    int loud = 0;
    for (int i = 0; i < 8 * n; ++i) loud += out[2 * i] > level / 2 && out[2 * i + 1] > level / 2;
    EXPECT_NEAR(loud, 4 * n, 4);
    for (IDirectSoundBuffer* b : {lo, hi, st, q}) b->Release();
}

TEST_F(DSound, LostBufferRefusesUntilRestoredAndComesBackSilent) {
    IDirectSoundBuffer* b = Filled(pcm(1, 8000, 8), std::vector<BYTE>(64, 0xF0));
    plat_DSound_LoseNextPlay();
    EXPECT_EQ(b->Play(0, 0, 0), DSERR_BUFFERLOST);
    EXPECT_EQ(b->Play(0, 0, 0), DSERR_BUFFERLOST);
    void* p;
    DWORD n;
    EXPECT_EQ(b->Lock(0, 64, &p, &n, nullptr, nullptr, 0), DSERR_BUFFERLOST);
    EXPECT_EQ(b->Restore(), DS_OK);
    ASSERT_EQ(b->Lock(0, 64, &p, &n, nullptr, nullptr, 0), DS_OK);
    EXPECT_EQ(std::vector<BYTE>(static_cast<BYTE*>(p), static_cast<BYTE*>(p) + n), std::vector<BYTE>(64, 0x80));
    b->Unlock(p, n, nullptr, 0);
    EXPECT_TRUE(plat_DSound_Plays().empty());
    // A buffer keeps its device alive, so the device may go first.
    ds->Release();
    ds = nullptr;
    EXPECT_EQ(b->Play(0, 0, 0), DS_OK);
    b->Release();
}
