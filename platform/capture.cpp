// The recorder: SDL's capture device writes into a buffer made for the whole cap at the
// start, so its thread never allocates.
#include "platform/capture.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>

#include "platform/audio_internal.h"
#include "platform/sound_file.h"

namespace {
constexpr size_t CAP = size_t{PLAT_CAPTURE_MAX_SECONDS} * PLAT_MIX_RATE;
constexpr size_t LEVEL_SAMPLES = size_t{PLAT_MIX_RATE} * PLAT_CAPTURE_LEVEL_MS / 1000;

SDL_AudioDeviceID device = 0;
std::vector<int16_t> samples;  // appended by the device's thread, read under its lock
std::atomic<bool> full{false};
bool lost = false;
plat_CaptureEnd how_ended = PLAT_CAPTURE_STOPPED;

void captured(void*, Uint8* stream, int len) {
    const size_t n = static_cast<size_t>(len) / sizeof(int16_t), room = CAP - samples.size();
    const auto* in = reinterpret_cast<const int16_t*>(stream);
    samples.insert(samples.end(), in, in + std::min(n, room));
    if (n >= room) full = true;
}

void close_device(plat_CaptureEnd how) {
    SDL_CloseAudioDevice(device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device = 0;
    lost = false;
    how_ended = how;
}

}  // namespace

bool plat_Capture_Available() {
    if (!plat_SoundUsesSdl()) return false;
    if (device) return true;
    plat_QuietAlsa();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    const int n = SDL_GetNumAudioDevices(1);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return n != 0;
}

bool plat_Capture_Start(std::string* why) {
    std::string reason;
    if (device) reason = "already recording";
    else if (!plat_SoundUsesSdl()) reason = "no sound devices";
    if (reason.empty()) {
        plat_QuietAlsa();
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) reason = SDL_GetError();
    }
    if (!reason.empty()) {
        if (why) *why = reason;
        return false;
    }
    samples.clear();
    samples.reserve(CAP);
    full = false;
    lost = false;
    SDL_AudioSpec want{}, have{};
    want.freq = PLAT_MIX_RATE;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 1024;
    want.callback = captured;
    device = SDL_OpenAudioDevice(nullptr, 1, &want, &have, 0);
    if (device == 0) {
        if (why) *why = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(device, 0);
    return true;
}

bool plat_Capture_Poll() {
    if (!device) return false;
    if (full) close_device(PLAT_CAPTURE_FULL);
    else if (lost || SDL_GetAudioDeviceStatus(device) == SDL_AUDIO_STOPPED) close_device(PLAT_CAPTURE_LOST);
    return device != 0;
}

bool plat_Capture_Recording() { return device != 0; }

int plat_Capture_Level() {
    plat_AudioLock lock(device);  // the device's thread appends while it is open
    const size_t n = std::min(samples.size(), LEVEL_SAMPLES);
    int peak = 0;
    for (auto it = samples.end() - static_cast<std::ptrdiff_t>(n); it != samples.end(); ++it)
        peak = std::max(peak, std::abs(int{*it}));
    return std::min(peak, 32767);
}

double plat_Capture_Seconds() {
    plat_AudioLock lock(device);
    return static_cast<double>(samples.size()) / PLAT_MIX_RATE;
}

plat_CaptureEnd plat_Capture_HowEnded() { return how_ended; }

std::vector<int16_t> plat_Capture_Take() {
    if (device) close_device(PLAT_CAPTURE_STOPPED);
    std::vector<int16_t> out;
    out.swap(samples);
    return out;
}

void plat_Capture_LoseDevice() { lost = true; }
