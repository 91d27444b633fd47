// The DirectSound subset: static PCM buffers mixed on one SDL audio device.
#pragma once
#include <vector>

#include "platform/win32.h"

#define DS_OK ((HRESULT)0)
#define DSERR_GENERIC E_FAIL
#define DSERR_INVALIDPARAM ((HRESULT)0x80070057)
#define DSERR_OUTOFMEMORY ((HRESULT)0x8007000E)
#define DSERR_INVALIDCALL ((HRESULT)0x88780032)
#define DSERR_BADFORMAT ((HRESULT)0x88780064)
#define DSERR_NODRIVER ((HRESULT)0x88780078)
#define DSERR_BUFFERLOST ((HRESULT)0x88780096)

#define DSSCL_NORMAL 0x00000001

#define DSBCAPS_STATIC 0x00000002
#define DSBCAPS_CTRLFREQUENCY 0x00000020
#define DSBCAPS_CTRLPAN 0x00000040
#define DSBCAPS_CTRLVOLUME 0x00000080

#define DSBSTATUS_PLAYING 0x00000001
#define DSBSTATUS_BUFFERLOST 0x00000002

#define DSBSIZE_MIN 4
#define DSBSIZE_MAX 0x0FFFFFFF

#define WAVE_FORMAT_PCM 1

// What a sound effect may be: longer sounds and other rates are refused, so that a small
// file cannot cost seconds and megabytes in the conversion to the device's format.
#define PLAT_SOUND_MIN_RATE 8000
#define PLAT_SOUND_MAX_RATE 192000
#define PLAT_SOUND_MAX_SECONDS 30

// Byte-packed as in wave files, so a format can be read in place from a file image.
#pragma pack(push, 1)
struct WAVEFORMATEX {
    WORD wFormatTag;
    WORD nChannels;
    DWORD nSamplesPerSec;
    DWORD nAvgBytesPerSec;
    WORD nBlockAlign;
    WORD wBitsPerSample;
    WORD cbSize;  // not read for PCM, whose wave files often end the record before it
};
#pragma pack(pop)

struct DSBUFFERDESC {
    DWORD dwSize;  // sizeof(DSBUFFERDESC)
    DWORD dwFlags;
    DWORD dwBufferBytes;
    DWORD dwReserved;
    const WAVEFORMATEX* lpwfxFormat;
};

class IDirectSound;

// PCM samples (8-bit unsigned or 16-bit signed, mono or stereo) as written through Lock;
// Unlock converts them once to the device's format.
class IDirectSoundBuffer {
public:
    // `bytes` from `offset`, all inside the buffer: static buffers never wrap, so the second
    // part is always empty.
    HRESULT Lock(DWORD offset, DWORD bytes, void** part1, DWORD* bytes1, void** part2, DWORD* bytes2, DWORD flags);
    HRESULT Unlock(void* part1, DWORD bytes1, void* part2, DWORD bytes2);
    // A byte offset into the buffer; Play goes on from there.
    HRESULT SetCurrentPosition(DWORD position);
    // Once, from the current position; a buffer that sounds already just goes on from there.
    // Looping is not offered (flags must be 0).
    HRESULT Play(DWORD reserved, DWORD priority, DWORD flags);
    HRESULT GetStatus(DWORD* status);
    // Ends a loss; the samples are silence until written again.
    HRESULT Restore();
    DWORD Release();

private:
    friend class IDirectSound;
    IDirectSoundBuffer(IDirectSound* owner, const WAVEFORMATEX& format, DWORD bytes);
    ~IDirectSoundBuffer();
    void silence();
    DWORD play_position() const;

    IDirectSound* owner;
    WAVEFORMATEX format;
    std::vector<BYTE> pcm;
    std::vector<int16_t> mixed;  // stereo frames in the device's format
    size_t cursor = 0;           // next frame of `mixed`
    bool playing = false, lost = false, locked = false;
    DWORD refs = 1;
};

class IDirectSound {
public:
    DWORD AddRef();
    DWORD Release();
    HRESULT SetCooperativeLevel(HWND wnd, DWORD level);
    // Static buffers only; the format must be PCM, mono or stereo, 8 or 16 bits, at a rate of
    // PLAT_SOUND_MIN_RATE to PLAT_SOUND_MAX_RATE. A buffer of more than PLAT_SOUND_MAX_SECONDS
    // of sound is refused with DSERR_OUTOFMEMORY.
    HRESULT CreateSoundBuffer(const DSBUFFERDESC* desc, IDirectSoundBuffer** out, void* outer);

private:
    friend class IDirectSoundBuffer;
    friend HRESULT DirectSoundCreate(void* guid, IDirectSound** out, void* outer);
    friend bool plat_DSound_FakeMix(IDirectSound* ds, int16_t* out, int frames);
    IDirectSound(bool fake, int rate);
    ~IDirectSound();
    static void audio_callback(void* self, uint8_t* stream, int len);
    void mix(int16_t* out, int frames);
    void lock();
    void unlock();

    bool fake;
    int rate;             // device frames per second
    uint32_t device = 0;  // the SDL audio device; 0 for the fake
    std::vector<IDirectSoundBuffer*> playing;
    DWORD refs = 1;
};

// The default device only (`guid` null). Fails with DSERR_NODRIVER when there is no audio
// device; the headless backend has none unless PLAT_SOUND_SDL is chosen.
HRESULT DirectSoundCreate(void* guid, IDirectSound** out, void* outer);

// Test hooks.
enum plat_SoundDevice {
    PLAT_SOUND_REAL,  // SDL's audio devices (the default); none on the headless backend
    PLAT_SOUND_FAKE,  // silent, on every backend; records each play
    PLAT_SOUND_NONE,  // DirectSoundCreate fails as on a machine without sound
    PLAT_SOUND_SDL,   // SDL's devices on every backend (tests with SDL's file-backed drivers)
};
// Applies to later DirectSoundCreate calls and recordings. The fake device runs at
// PLAT_SOUND_FAKE_RATE, as SDL's device does. The fake cannot record.
void plat_DSound_SetDevice(plat_SoundDevice device);
#define PLAT_SOUND_FAKE_RATE 44100

struct plat_SoundPlay {
    const IDirectSoundBuffer* buffer;
    DWORD position;  // byte offset playing started from
    DWORD bytes;     // the buffer's size
    WAVEFORMATEX format;
};
// Every successful Play on a fake device, in order.
const std::vector<plat_SoundPlay>& plat_DSound_Plays();
void plat_DSound_ClearPlays();
// The next Play on any buffer loses that buffer and reports DSERR_BUFFERLOST.
void plat_DSound_LoseNextPlay();
// Runs a fake device's mixer for `frames` stereo frames of 16-bit samples; false (and
// nothing mixed) on a real device.
bool plat_DSound_FakeMix(IDirectSound* ds, int16_t* out, int frames);
