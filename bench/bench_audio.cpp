// The audio callback with a page playing: narration, looped background sound and two effects
// mixed into one 1024-frame buffer of the output (23 ms), as a share of that buffer's time,
// beside the same callback with the two effects alone in the same run. Target: pct_of_buffer
// under 2.
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "bench/bench_support.h"
#include "platform/dsound.h"
#include "platform/voice.h"

namespace {
constexpr int FRAMES = 1024;

std::shared_ptr<const plat_Sound> tone(int channels, double hz, double seconds) {
    auto s = std::make_shared<plat_Sound>();
    s->channels = channels;
    const size_t n = static_cast<size_t>(seconds * PLAT_MIX_RATE);
    for (size_t i = 0; i < n; ++i)
        for (int c = 0; c < channels; ++c)
            s->samples.push_back(static_cast<int16_t>(9000 * std::sin(2 * M_PI * hz * double(i) / PLAT_MIX_RATE)));
    return s;
}

// A second of a 16-bit stereo effect, playing.
IDirectSoundBuffer* effect(IDirectSound* ds, int16_t level) {
    const WAVEFORMATEX f{WAVE_FORMAT_PCM, 2, PLAT_SOUND_FAKE_RATE, PLAT_SOUND_FAKE_RATE * 4, 4, 16, 0};
    DSBUFFERDESC desc{sizeof(DSBUFFERDESC), DSBCAPS_STATIC, PLAT_SOUND_FAKE_RATE * 4, 0, &f};
    IDirectSoundBuffer* b = nullptr;
    void* p;
    DWORD n;
    if (ds->CreateSoundBuffer(&desc, &b, nullptr) != DS_OK) return nullptr;
    if (b->Lock(0, desc.dwBufferBytes, &p, &n, nullptr, nullptr, 0) == DS_OK) {
        std::vector<int16_t> samples(n / 2, level);
        memcpy(p, samples.data(), n);
        b->Unlock(p, n, nullptr, 0);
    }
    return b;
}

// Processor time of one callback, the effects restarted (and the voices with `voices`)
// whenever they end, averaged over n callbacks.
double callback_ns(IDirectSound* ds, IDirectSoundBuffer* const (&effects)[2], bool voices, benchmark::IterationCount n) {
    std::vector<int16_t> out(2 * FRAMES);
    const double start = bench::CpuNs();
    for (benchmark::IterationCount i = 0; i < n; ++i) {
        for (IDirectSoundBuffer* e : effects) {
            DWORD status = 0;
            if (e->GetStatus(&status) == DS_OK && !(status & DSBSTATUS_PLAYING)) e->Play(0, 0, 0);
        }
        if (voices && !plat_Voice_Playing(PLAT_VOICE_NARRATION)) plat_Voices_Play(PLAT_VOICE_BOTH);
        plat_DSound_FakeMix(ds, out.data(), FRAMES);
        benchmark::DoNotOptimize(out.data());
    }
    return (bench::CpuNs() - start) / static_cast<double>(n);
}

void BM_AudioCallback(benchmark::State& state) {
    plat_DSound_SetDevice(PLAT_SOUND_FAKE);
    IDirectSound* ds = nullptr;
    if (DirectSoundCreate(nullptr, &ds, nullptr) != DS_OK) return state.SkipWithError("no fake output");
    IDirectSoundBuffer* const effects[2] = {effect(ds, 1200), effect(ds, -700)};
    if (!effects[0] || !effects[1]) state.SkipWithError("no effect buffers");
    plat_Voice_Set(PLAT_VOICE_NARRATION, tone(1, 440, 12));
    plat_Voice_Set(PLAT_VOICE_BACKGROUND, tone(2, 220, 7));
    double cost = 1e300;
    for (auto _ : state)
        if (effects[0] && effects[1]) cost = std::min(cost, callback_ns(ds, effects, true, 200));
    plat_Voices_Stop(PLAT_VOICE_BOTH);
    double alone = 1e300;  // the baseline at its best
    for (int i = 0; i < 10 && effects[0] && effects[1]; ++i) alone = std::min(alone, callback_ns(ds, effects, false, 200));
    const double buffer_ns = 1e9 * FRAMES / PLAT_MIX_RATE;
    state.counters["pct_of_buffer"] = cost / buffer_ns * 100;
    state.counters["over_effects_alone"] = cost / alone;
    state.counters["callback_us"] = cost / 1000;
    plat_Voice_Set(PLAT_VOICE_NARRATION, nullptr);
    plat_Voice_Set(PLAT_VOICE_BACKGROUND, nullptr);
    for (IDirectSoundBuffer* e : effects)
        if (e) e->Release();
    ds->Release();
    plat_DSound_SetDevice(PLAT_SOUND_REAL);
}
BENCHMARK(BM_AudioCallback)->Name("audio callback: narration, background, two effects")->Iterations(20);

}  // namespace
