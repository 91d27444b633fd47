// What the output's parts share: the effects' device (dsound.cpp), the voices and the mute
// (voice.cpp), and the recorder (capture.cpp).
#pragma once
#include <SDL.h>

#include <algorithm>
#include <cstdint>

#include "platform/dsound.h"

// The device choice of plat_DSound_SetDevice.
plat_SoundDevice plat_ChosenSoundDevice();

// An SDL audio device's lock while the guard lives (the callback then waits); none for 0.
class plat_AudioLock {
public:
    explicit plat_AudioLock(uint32_t device) : device_(device) {
        if (device_) SDL_LockAudioDevice(device_);
    }
    ~plat_AudioLock() {
        if (device_) SDL_UnlockAudioDevice(device_);
    }
    plat_AudioLock(const plat_AudioLock&) = delete;
    plat_AudioLock& operator=(const plat_AudioLock&) = delete;

private:
    uint32_t device_;
};

// Whether the device choice and the backend let the program open SDL's audio devices.
bool plat_SoundUsesSdl();
// On a machine without a sound card ALSA complains on stderr before SDL gives up on it.
void plat_QuietAlsa();

// Mixed samples stay within 16 bits: loud parts clip instead of wrapping around.
inline int16_t plat_Saturated16(int32_t v) { return static_cast<int16_t>(std::clamp<int32_t>(v, INT16_MIN, INT16_MAX)); }

// The voices play on the output opened last (`owner`), while it lives; `device` is 0 for
// the fake. Detaching stops them.
void plat_VoicesAttach(const void* owner, uint32_t device);
void plat_VoicesDetach(const void* owner);
// Adds the playing voices into the stereo frames when `owner` is the attached output, then
// silences the frames while muted. Called with the device locked.
void plat_VoicesMix(const void* owner, int16_t* out, int frames);
