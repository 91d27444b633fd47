// DirectSound on SDL's audio device: every buffer is converted once to the device's format
// (16-bit stereo) and the playing ones are added up, saturating, in the audio callback.
#include "platform/dsound.h"

#include <SDL.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/audio_internal.h"

namespace {

std::vector<plat_SoundPlay> fake_plays;
bool lose_next_play = false;

bool playable(const WAVEFORMATEX& f) {
    return f.wFormatTag == WAVE_FORMAT_PCM && (f.nChannels == 1 || f.nChannels == 2) &&
           (f.wBitsPerSample == 8 || f.wBitsPerSample == 16) && f.nBlockAlign == f.nChannels * f.wBitsPerSample / 8 &&
           f.nSamplesPerSec >= PLAT_SOUND_MIN_RATE && f.nSamplesPerSec <= PLAT_SOUND_MAX_RATE;
}

// The whole frames of `pcm` as stereo 16-bit frames at `rate`; empty when SDL cannot convert.
std::vector<int16_t> converted(const WAVEFORMATEX& f, const std::vector<BYTE>& pcm, int rate) {
    std::vector<int16_t> out;
    SDL_AudioStream* s = SDL_NewAudioStream(f.wBitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB, f.nChannels,
                                            static_cast<int>(f.nSamplesPerSec), AUDIO_S16SYS, 2, rate);
    if (!s) return out;
    int whole = static_cast<int>(pcm.size() / f.nBlockAlign * f.nBlockAlign);
    if (SDL_AudioStreamPut(s, pcm.data(), whole) == 0 && SDL_AudioStreamFlush(s) == 0) {
        out.resize(static_cast<size_t>(SDL_AudioStreamAvailable(s)) / sizeof(int16_t) / 2 * 2);
        int got = SDL_AudioStreamGet(s, out.data(), static_cast<int>(out.size() * sizeof(int16_t)));
        out.resize(got > 0 ? static_cast<size_t>(got) / sizeof(int16_t) / 2 * 2 : 0);
    }
    SDL_FreeAudioStream(s);
    return out;
}

}  // namespace

IDirectSoundBuffer::IDirectSoundBuffer(IDirectSound* owner, const WAVEFORMATEX& format, DWORD bytes)
    : owner(owner), format(format), pcm(bytes) {
    owner->AddRef();
    silence();  // converted for the device when written (Unlock), once
}

IDirectSoundBuffer::~IDirectSoundBuffer() { owner->Release(); }

void IDirectSoundBuffer::silence() {
    std::fill(pcm.begin(), pcm.end(), format.wBitsPerSample == 8 ? 0x80 : 0);
    std::fill(mixed.begin(), mixed.end(), 0);
}

DWORD IDirectSoundBuffer::play_position() const {
    uint64_t frame = uint64_t{cursor} * format.nSamplesPerSec / static_cast<uint64_t>(owner->rate);
    return static_cast<DWORD>(std::min<uint64_t>(frame * format.nBlockAlign, pcm.size()));
}

HRESULT IDirectSoundBuffer::Lock(DWORD offset, DWORD bytes, void** part1, DWORD* bytes1, void** part2, DWORD* bytes2,
                                 DWORD flags) {
    if (!part1 || !bytes1) return DSERR_INVALIDPARAM;
    *part1 = nullptr;
    *bytes1 = 0;
    if (part2) *part2 = nullptr;
    if (bytes2) *bytes2 = 0;
    if (lost) return DSERR_BUFFERLOST;
    if (locked) return DSERR_INVALIDCALL;
    if (flags != 0 || bytes == 0 || offset >= pcm.size() || bytes > pcm.size() - offset) return DSERR_INVALIDPARAM;
    *part1 = pcm.data() + offset;
    *bytes1 = bytes;
    locked = true;
    return DS_OK;
}

HRESULT IDirectSoundBuffer::Unlock(void*, DWORD, void*, DWORD) {
    if (!locked) return DSERR_INVALIDCALL;
    locked = false;
    std::vector<int16_t> fresh = converted(format, pcm, owner->rate);
    owner->lock();
    mixed.swap(fresh);
    owner->unlock();
    return DS_OK;
}

HRESULT IDirectSoundBuffer::SetCurrentPosition(DWORD position) {
    if (position >= pcm.size()) return DSERR_INVALIDPARAM;
    owner->lock();
    cursor = uint64_t{position / format.nBlockAlign} * static_cast<uint64_t>(owner->rate) / format.nSamplesPerSec;
    owner->unlock();
    return DS_OK;
}

HRESULT IDirectSoundBuffer::Play(DWORD, DWORD, DWORD flags) {
    if (flags != 0) return DSERR_INVALIDPARAM;
    if (lose_next_play) {
        lose_next_play = false;
        lost = true;
    }
    owner->lock();
    std::erase(owner->playing, this);
    playing = !lost;
    if (playing) owner->playing.push_back(this);
    const DWORD from = play_position();
    owner->unlock();
    if (lost) return DSERR_BUFFERLOST;
    if (owner->fake) fake_plays.push_back({this, from, static_cast<DWORD>(pcm.size()), format});
    return DS_OK;
}

HRESULT IDirectSoundBuffer::GetStatus(DWORD* status) {
    if (!status) return DSERR_INVALIDPARAM;
    owner->lock();
    *status = (playing ? DSBSTATUS_PLAYING : 0) | (lost ? DSBSTATUS_BUFFERLOST : 0);
    owner->unlock();
    return DS_OK;
}

HRESULT IDirectSoundBuffer::Restore() {
    // A lost buffer is off the device's list, so its samples can be cleared unlocked.
    if (lost) silence();
    lost = false;
    return DS_OK;
}

DWORD IDirectSoundBuffer::Release() {
    DWORD left = --refs;
    if (left == 0) {
        owner->lock();
        std::erase(owner->playing, this);
        owner->unlock();
        delete this;
    }
    return left;
}

IDirectSound::IDirectSound(bool fake, int rate) : fake(fake), rate(rate) {}

IDirectSound::~IDirectSound() {
    plat_VoicesDetach(this);
    if (fake) return;
    if (device) SDL_CloseAudioDevice(device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

DWORD IDirectSound::AddRef() { return ++refs; }
DWORD IDirectSound::Release() {
    DWORD left = --refs;
    if (left == 0) delete this;
    return left;
}

void IDirectSound::lock() {
    if (device) SDL_LockAudioDevice(device);
}
void IDirectSound::unlock() {
    if (device) SDL_UnlockAudioDevice(device);
}

HRESULT IDirectSound::SetCooperativeLevel(HWND, DWORD level) {
    return level == DSSCL_NORMAL ? DS_OK : DSERR_INVALIDPARAM;
}

HRESULT IDirectSound::CreateSoundBuffer(const DSBUFFERDESC* desc, IDirectSoundBuffer** out, void*) {
    if (!out) return DSERR_INVALIDPARAM;
    *out = nullptr;
    if (!desc || desc->dwSize != sizeof(DSBUFFERDESC) || !desc->lpwfxFormat) return DSERR_INVALIDPARAM;
    if (desc->dwBufferBytes < DSBSIZE_MIN || desc->dwBufferBytes > DSBSIZE_MAX) return DSERR_INVALIDPARAM;
    WAVEFORMATEX f{};
    memcpy(&f, desc->lpwfxFormat, offsetof(WAVEFORMATEX, cbSize));  // PCM records may end before cbSize
    if (!playable(f)) return DSERR_BADFORMAT;
    if (desc->dwBufferBytes / f.nBlockAlign > uint64_t{PLAT_SOUND_MAX_SECONDS} * f.nSamplesPerSec)
        return DSERR_OUTOFMEMORY;
    *out = new IDirectSoundBuffer(this, f, desc->dwBufferBytes);
    return DS_OK;
}

void IDirectSound::audio_callback(void* self, uint8_t* stream, int len) {
    static_cast<IDirectSound*>(self)->mix(reinterpret_cast<int16_t*>(stream), len / 4);
}

// Called with the device locked (SDL holds the lock around its callback). The effects, then
// the voices and the mute.
void IDirectSound::mix(int16_t* out, int frames) {
    std::fill(out, out + 2 * frames, 0);
    for (IDirectSoundBuffer* b : playing) {
        const size_t total = b->mixed.size() / 2;
        // A position rounded past the converted end just ends the buffer.
        const size_t n = b->cursor < total ? std::min<size_t>(static_cast<size_t>(frames), total - b->cursor) : 0;
        for (size_t i = 0; i < 2 * n; ++i) out[i] = plat_Saturated16(int32_t{out[i]} + b->mixed[2 * b->cursor + i]);
        b->cursor += n;
        if (b->cursor >= total) {
            // A buffer that played to its end starts over on its next Play.
            b->cursor = 0;
            b->playing = false;
        }
    }
    std::erase_if(playing, [](const IDirectSoundBuffer* b) { return !b->playing; });
    plat_VoicesMix(this, out, frames);
}

HRESULT DirectSoundCreate(void* guid, IDirectSound** out, void*) {
    if (!out) return DSERR_INVALIDPARAM;
    *out = nullptr;
    if (guid || plat_ChosenSoundDevice() == PLAT_SOUND_NONE) return DSERR_NODRIVER;
    if (plat_ChosenSoundDevice() == PLAT_SOUND_FAKE) {
        *out = new IDirectSound(true, PLAT_SOUND_FAKE_RATE);
        plat_VoicesAttach(*out, 0);
        return DS_OK;
    }
    if (!plat_SoundUsesSdl()) return DSERR_NODRIVER;
    plat_QuietAlsa();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return DSERR_NODRIVER;
    auto* ds = new IDirectSound(false, 0);
    SDL_AudioSpec want{}, have{};
    want.freq = PLAT_SOUND_FAKE_RATE;  // held: the voices' sounds are made at this rate
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = IDirectSound::audio_callback;
    want.userdata = ds;
    ds->device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (ds->device == 0) {
        ds->Release();
        return DSERR_NODRIVER;
    }
    ds->rate = have.freq;
    plat_VoicesAttach(ds, ds->device);
    SDL_PauseAudioDevice(ds->device, 0);
    *out = ds;
    return DS_OK;
}

const std::vector<plat_SoundPlay>& plat_DSound_Plays() { return fake_plays; }
void plat_DSound_ClearPlays() { fake_plays.clear(); }
void plat_DSound_LoseNextPlay() { lose_next_play = true; }

bool plat_DSound_FakeMix(IDirectSound* ds, int16_t* out, int frames) {
    if (!ds || !ds->fake || !out || frames <= 0) return false;
    ds->mix(out, frames);
    return true;
}
