// Reading sound files: libsndfile decodes, SDL's audio stream resamples to the mixer's rate.
#include "platform/sound_file.h"

#include <SDL.h>
#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "platform/codepage.h"
#include "platform/files.h"

namespace {
constexpr sf_count_t CHUNK_FRAMES = 4096;

struct SndfileCloser {
    void operator()(SNDFILE* f) const { sf_close(f); }
};
using Sndfile = std::unique_ptr<SNDFILE, SndfileCloser>;

struct StreamFreer {
    void operator()(SDL_AudioStream* s) const { SDL_FreeAudioStream(s); }
};
using Stream = std::unique_ptr<SDL_AudioStream, StreamFreer>;

// A regular file opened for reading, or the reason it is not. Opened without blocking, so
// that a FIFO cannot hold the program up; links are followed, and what they lead to judged.
plat_SoundError open_regular(const char* path, int* fd) {
    const std::string host = plat_HostPath(path);
    *fd = open(host.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (*fd < 0) return errno == ENOENT || errno == ENOTDIR ? PLAT_SOUND_MISSING : PLAT_SOUND_FAILED;
    struct stat st{};
    plat_SoundError e = PLAT_SOUND_OK;
    if (fstat(*fd, &st) != 0) e = PLAT_SOUND_FAILED;
    else if (!S_ISREG(st.st_mode)) e = PLAT_SOUND_NOT_REGULAR;
    else if (st.st_size == 0) e = PLAT_SOUND_EMPTY;
    else if (st.st_size > PLAT_SOUND_FILE_MAX_BYTES) e = PLAT_SOUND_TOO_BIG;
    if (e != PLAT_SOUND_OK) close(*fd);
    return e;
}

plat_SoundError open_error(int sf_err) {
    switch (sf_err) {
    case SF_ERR_UNRECOGNISED_FORMAT:
    case SF_ERR_UNSUPPORTED_ENCODING:
        return PLAT_SOUND_UNKNOWN;
    case SF_ERR_MALFORMED_FILE:
        return PLAT_SOUND_DAMAGED;
    default:
        return PLAT_SOUND_FAILED;
    }
}

plat_SoundError check_info(const SF_INFO& info, double max_seconds) {
    if (info.channels < 1 || info.channels > PLAT_SOUND_FILE_MAX_CHANNELS) return PLAT_SOUND_BAD_CHANNELS;
    if (info.samplerate < PLAT_SOUND_FILE_MIN_RATE || info.samplerate > PLAT_SOUND_FILE_MAX_RATE)
        return PLAT_SOUND_BAD_RATE;
    if (info.frames <= 0) return PLAT_SOUND_EMPTY;
    if (static_cast<double>(info.frames) / info.samplerate > max_seconds) return PLAT_SOUND_TOO_LONG;
    return PLAT_SOUND_OK;
}

// libsndfile reads a WAV or AIFF whose chunks claim more than the file holds as far as it
// goes, and says so only in its log ("data : 44100 (should be 22028)").
bool header_claims_more(SNDFILE* f) {
    char log[2048] = "";
    sf_command(f, SFC_GET_LOG_INFO, log, sizeof log);
    for (const char* line = log; line && *line; line = strchr(line, '\n') ? strchr(line, '\n') + 1 : nullptr) {
        const char* end = strchr(line, '\n');
        const std::string text(line, end ? end : line + strlen(line));
        if (text.rfind("data", 0) == 0 && text.find("should be") != std::string::npos) return true;
    }
    return false;
}

// `n` frames of `from` channels as 16-bit frames of `to` channels (1: the average of all;
// 2: the even channels left, the odd ones right, a mono sound on both). libsndfile's floats
// are its samples over 32768, so 16-bit files come back exactly.
void downmix(const float* in, sf_count_t n, int from, int to, std::vector<int16_t>& out) {
    out.resize(static_cast<size_t>(n * to));
    const auto sample = [](float sum, int count) {
        return static_cast<int16_t>(std::clamp(std::lround(sum * 32768.0f / static_cast<float>(count)), -32768L, 32767L));
    };
    for (sf_count_t i = 0; i < n; ++i) {
        const float* frame = in + i * from;
        int16_t* o = out.data() + i * to;
        if (to == 1 || from == 1) {
            float sum = 0;
            for (int c = 0; c < from; ++c) sum += frame[c];
            for (int c = 0; c < to; ++c) o[c] = sample(sum, from);
            continue;
        }
        float sums[2] = {0, 0};
        for (int c = 0; c < from; ++c) sums[c % 2] += frame[c];
        o[0] = sample(sums[0], (from + 1) / 2);
        o[1] = sample(sums[1], from / 2);
    }
}

bool drain(SDL_AudioStream* s, std::vector<int16_t>& out) {
    const int bytes = SDL_AudioStreamAvailable(s);
    if (bytes <= 0) return bytes == 0;
    const size_t at = out.size();
    out.resize(at + static_cast<size_t>(bytes) / sizeof(int16_t));
    const int got = SDL_AudioStreamGet(s, out.data() + at, bytes);
    out.resize(at + static_cast<size_t>(got > 0 ? got : 0) / sizeof(int16_t));
    return got >= 0;
}

plat_SoundError decode(SNDFILE* f, const SF_INFO& info, int channels, plat_Sound* out) {
    Stream s(SDL_NewAudioStream(AUDIO_S16SYS, static_cast<Uint8>(channels), info.samplerate, AUDIO_S16SYS,
                                static_cast<Uint8>(channels), PLAT_MIX_RATE));
    if (!s) return PLAT_SOUND_FAILED;
    out->channels = channels;
    out->samples.reserve(static_cast<size_t>(info.frames * PLAT_MIX_RATE / info.samplerate + 16) *
                         static_cast<size_t>(channels));
    std::vector<float> chunk(static_cast<size_t>(CHUNK_FRAMES * info.channels));
    std::vector<int16_t> mixed;
    sf_count_t total = 0;
    for (sf_count_t got; total < info.frames && (got = sf_readf_float(f, chunk.data(), CHUNK_FRAMES)) > 0;) {
        total += got;
        downmix(chunk.data(), got, info.channels, channels, mixed);
        if (SDL_AudioStreamPut(s.get(), mixed.data(), static_cast<int>(mixed.size() * sizeof(int16_t))) != 0 ||
            !drain(s.get(), out->samples))
            return PLAT_SOUND_FAILED;
    }
    if (total < info.frames || sf_error(f) != SF_ERR_NO_ERROR) return PLAT_SOUND_DAMAGED;
    // SDL's resampler keeps the last few hundred frames back even through a flush: silence
    // pushes them out, and the sound is cut back to its own length.
    const std::vector<int16_t> silence(static_cast<size_t>(std::max(4096, info.samplerate / 10) * channels), 0);
    if (SDL_AudioStreamPut(s.get(), silence.data(), static_cast<int>(silence.size() * sizeof(int16_t))) != 0 ||
        SDL_AudioStreamFlush(s.get()) != 0 || !drain(s.get(), out->samples))
        return PLAT_SOUND_FAILED;
    const size_t frames = static_cast<size_t>((info.frames * PLAT_MIX_RATE + info.samplerate / 2) / info.samplerate);
    out->samples.resize(std::min(out->samples.size(), frames * static_cast<size_t>(channels)));
    return out->samples.empty() ? PLAT_SOUND_EMPTY : PLAT_SOUND_OK;
}
}  // namespace

const char* plat_SoundErrorText(plat_SoundError error) {
    switch (error) {
    case PLAT_SOUND_OK: return "OK";
    case PLAT_SOUND_MISSING: return plat_W1250(u8"súbor neexistuje");
    case PLAT_SOUND_NOT_REGULAR: return plat_W1250(u8"nie je obyčajný súbor");
    case PLAT_SOUND_EMPTY: return plat_W1250(u8"súbor je prázdny");
    case PLAT_SOUND_TOO_BIG: return plat_W1250(u8"súbor je väčší ako 256 MB");
    case PLAT_SOUND_UNKNOWN: return plat_W1250(u8"neznámy formát zvuku");
    case PLAT_SOUND_DAMAGED: return plat_W1250(u8"súbor je poškodený alebo neúplný");
    case PLAT_SOUND_TOO_LONG: return plat_W1250(u8"zvuk je príliš dlhý");
    case PLAT_SOUND_BAD_RATE: return plat_W1250(u8"vzorkovanie mimo 4 000 až 192 000 Hz");
    case PLAT_SOUND_BAD_CHANNELS: return plat_W1250(u8"viac ako 8 kanálov");
    case PLAT_SOUND_FAILED: break;
    }
    return plat_W1250(u8"zvuk sa nedá prečítať");
}

plat_SoundError plat_ReadSoundFile(const char* path, double max_seconds, int channels, plat_Sound* out) {
    *out = plat_Sound{};
    if (!path || (channels != 1 && channels != 2)) return PLAT_SOUND_FAILED;
    int fd = -1;
    if (const plat_SoundError e = open_regular(path, &fd); e != PLAT_SOUND_OK) return e;
    // The descriptor stays ours: closed here once libsndfile is done with it.
    std::unique_ptr<int, void (*)(int*)> keep(&fd, [](int* d) { close(*d); });
    SF_INFO info{};
    Sndfile f(sf_open_fd(fd, SFM_READ, &info, SF_FALSE));
    if (!f) return open_error(sf_error(nullptr));
    plat_SoundError e = check_info(info, max_seconds);
    if (e == PLAT_SOUND_OK && header_claims_more(f.get())) e = PLAT_SOUND_DAMAGED;
    if (e == PLAT_SOUND_OK) e = decode(f.get(), info, channels, out);
    if (e != PLAT_SOUND_OK) *out = plat_Sound{};
    return e;
}
