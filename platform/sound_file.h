// Sound files through libsndfile: read into the mixer's format with every limit checked
// before a sample is read, and written as 16-bit PCM (WAV) or Ogg Vorbis.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_limits.h"

// The mixer's rate: every sound in memory is held at it, so mixing never resamples.
#define PLAT_MIX_RATE 44100

// What a sound file may be. Longer sounds are refused by the caller's own limit (seconds).
#define PLAT_SOUND_FILE_MIN_RATE 4000
#define PLAT_SOUND_FILE_MAX_RATE 192000
#define PLAT_SOUND_FILE_MAX_CHANNELS 8
// A file larger than PLAT_SOUND_FILE_MAX_BYTES (platform/file_limits.h) is not opened at all.

// 16-bit samples at PLAT_MIX_RATE, interleaved when stereo.
struct plat_Sound {
    int channels = 1;  // 1 or 2
    std::vector<int16_t> samples;
    size_t Frames() const { return samples.size() / static_cast<size_t>(channels); }
    double Seconds() const { return static_cast<double>(Frames()) / PLAT_MIX_RATE; }
};

enum plat_SoundError {
    PLAT_SOUND_OK,
    PLAT_SOUND_MISSING,      // no such file
    PLAT_SOUND_NOT_REGULAR,  // a folder, a FIFO, a device
    PLAT_SOUND_EMPTY,        // no bytes, or no samples
    PLAT_SOUND_TOO_BIG,      // more than PLAT_SOUND_FILE_MAX_BYTES
    PLAT_SOUND_UNKNOWN,      // no decoder knows the format
    PLAT_SOUND_DAMAGED,      // cut short or malformed
    PLAT_SOUND_TOO_LONG,     // longer than the caller allows
    PLAT_SOUND_BAD_RATE,     // outside PLAT_SOUND_FILE_MIN_RATE ... MAX_RATE
    PLAT_SOUND_BAD_CHANNELS, // none, or more than PLAT_SOUND_FILE_MAX_CHANNELS
    PLAT_SOUND_FAILED,       // no memory, a read or conversion error
};

// A short Slovak reason, in Windows-1250, for the log and the screen.
const char* plat_SoundErrorText(plat_SoundError error);

// Reads the program path `path` (WAV, Ogg Vorbis, FLAC, AIFF, ...) into *out, down-mixed to
// `channels` (1 or 2) and resampled to PLAT_MIX_RATE; *out is left empty on any refusal.
plat_SoundError plat_ReadSoundFile(const char* path, double maxSeconds, int channels, plat_Sound* out);

enum plat_SoundFormat { PLAT_SOUND_WAV16, PLAT_SOUND_OGG };
// A whole file image of mono or stereo samples at `rate`; empty when libsndfile fails.
std::vector<uint8_t> plat_EncodeSound(const std::vector<int16_t>& samples, int channels, int rate,
                                      plat_SoundFormat format);
// The mono sound as a 16-bit PCM WAV at PLAT_MIX_RATE, through plat_WriteFileAtomic.
bool plat_WriteWavFile(const char* path, const std::vector<int16_t>& mono);
