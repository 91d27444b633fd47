// The narration and background voices, mixed into the effects' output in its callback.
#include "platform/voice.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>

#include "platform/audio_internal.h"

static_assert(PLAT_SOUND_FAKE_RATE == PLAT_MIX_RATE, "the voices' sounds are held at the output's rate");

namespace {
struct Voice {
    std::shared_ptr<const plat_Sound> sound;
    size_t frame = 0;
    bool playing = false, paused = false, ended = false;
};

// Narration, background. Changed only with the device locked: the callback reads them.
Voice voices[2];
const void* output = nullptr;
uint32_t device = 0;
std::atomic<bool> muted{false};

Voice& of(plat_Voice v) { return voices[v == PLAT_VOICE_BACKGROUND ? 1 : 0]; }

template <typename Change>
void each(unsigned which, Change change) {
    plat_AudioLock lock(device);
    for (plat_Voice v : {PLAT_VOICE_NARRATION, PLAT_VOICE_BACKGROUND})
        if (which & v) change(of(v));
}

// The voice's next `frames` frames added at `gain`; the background starts over at its end,
// the narration ends there.
void add(Voice& v, int16_t* out, int frames, int gain, bool loop) {
    const plat_Sound& s = *v.sound;
    const size_t total = s.Frames();
    const int16_t* data = s.samples.data();
    for (size_t at = 0; at < static_cast<size_t>(frames) && total > 0;) {
        if (v.frame >= total) v.frame = 0;  // only a looping voice gets here
        const size_t n = std::min(static_cast<size_t>(frames) - at, total - v.frame);
        int16_t* o = out + 2 * at;
        if (s.channels == 1) {
            for (size_t i = 0; i < n; ++i) {
                const int32_t x = (int32_t{data[v.frame + i]} * gain) >> 15;
                o[2 * i] = plat_Saturated16(o[2 * i] + x);
                o[2 * i + 1] = plat_Saturated16(o[2 * i + 1] + x);
            }
        } else {
            const int16_t* in = data + 2 * v.frame;
            for (size_t i = 0; i < 2 * n; ++i) o[i] = plat_Saturated16(o[i] + ((int32_t{in[i]} * gain) >> 15));
        }
        at += n;
        v.frame += n;
        if (v.frame >= total && !loop) break;
    }
    if (total == 0 || (v.frame >= total && !loop)) {
        v.playing = false;
        v.ended = true;
    }
}
}  // namespace

void plat_VoicesAttach(const void* owner, uint32_t dev) {
    plat_VoicesDetach(output);
    output = owner;
    device = dev;
}

void plat_VoicesDetach(const void* owner) {
    if (!owner || owner != output) return;
    {
        plat_AudioLock lock(device);
        for (Voice& v : voices) v.playing = v.paused = false;
        output = nullptr;
    }
    device = 0;
}

void plat_VoicesMix(const void* owner, int16_t* out, int frames) {
    if (owner == output) {
        if (Voice& n = voices[0]; n.playing) add(n, out, frames, PLAT_NARRATION_GAIN, false);
        if (Voice& b = voices[1]; b.playing) add(b, out, frames, PLAT_BACKGROUND_GAIN, true);
    }
    if (muted) std::fill(out, out + 2 * frames, 0);
}

void plat_Voice_Set(plat_Voice voice, std::shared_ptr<const plat_Sound> sound) {
    {
        plat_AudioLock lock(device);
        of(voice).sound.swap(sound);
        of(voice) = {of(voice).sound};
    }
    // The old sound is let go here, outside the lock: the callback never frees memory.
}

bool plat_Voices_Play(unsigned which) {
    if (!plat_AudioOutput()) return false;
    each(which, [](Voice& v) { v = {v.sound, 0, v.sound != nullptr}; });
    return true;
}

void plat_Voices_Pause(unsigned which) {
    each(which, [](Voice& v) {
        v.paused = v.playing;
        v.playing = false;
    });
}

void plat_Voices_Resume(unsigned which) {
    each(which, [](Voice& v) {
        v.playing = v.playing || v.paused;
        v.paused = false;
    });
}

void plat_Voices_Stop(unsigned which) {
    each(which, [](Voice& v) { v = {v.sound}; });
}

bool plat_Voice_Playing(plat_Voice voice) {
    plat_AudioLock lock(device);
    return of(voice).playing;
}

bool plat_Voice_Paused(plat_Voice voice) {
    plat_AudioLock lock(device);
    return of(voice).paused;
}

bool plat_Voice_Ended(plat_Voice voice) {
    plat_AudioLock lock(device);
    return of(voice).ended;
}

double plat_Voice_Position(plat_Voice voice) {
    plat_AudioLock lock(device);
    return static_cast<double>(of(voice).frame) / PLAT_MIX_RATE;
}

// A device unplugged while open stops for good: SDL reports it stopped.
bool plat_AudioOutput() { return output && (!device || SDL_GetAudioDeviceStatus(device) != SDL_AUDIO_STOPPED); }

void plat_SetMute(bool mute) { muted = mute; }
bool plat_Muted() { return muted; }
