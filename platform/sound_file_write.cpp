// Writing sound files: libsndfile encodes into memory through its virtual I/O, and the bytes
// go to the disk in one atomic write.
#include <sndfile.h>

#include <algorithm>
#include <cstring>

#include "platform/files.h"
#include "platform/sound_file.h"

namespace {
struct Memory {
    std::vector<uint8_t> bytes;
    sf_count_t at = 0;
};

Memory& of(void* user) { return *static_cast<Memory*>(user); }

sf_count_t mem_length(void* user) { return static_cast<sf_count_t>(of(user).bytes.size()); }

sf_count_t mem_seek(sf_count_t offset, int whence, void* user) {
    Memory& m = of(user);
    const sf_count_t base = whence == SEEK_CUR ? m.at : whence == SEEK_END ? mem_length(user) : 0;
    if (base + offset < 0) return -1;
    m.at = base + offset;
    return m.at;
}

sf_count_t mem_read(void* to, sf_count_t n, void* user) {
    Memory& m = of(user);
    const sf_count_t got = std::clamp<sf_count_t>(mem_length(user) - m.at, 0, n);
    if (got > 0) memcpy(to, m.bytes.data() + m.at, static_cast<size_t>(got));
    m.at += got;
    return got;
}

sf_count_t mem_write(const void* from, sf_count_t n, void* user) {
    Memory& m = of(user);
    if (m.at + n > mem_length(user)) m.bytes.resize(static_cast<size_t>(m.at + n));
    memcpy(m.bytes.data() + m.at, from, static_cast<size_t>(n));
    m.at += n;
    return n;
}

sf_count_t mem_tell(void* user) { return of(user).at; }
}  // namespace

std::vector<uint8_t> plat_EncodeSound(const std::vector<int16_t>& samples, int channels, int rate,
                                      plat_SoundFormat format) {
    if ((channels != 1 && channels != 2) || samples.size() % static_cast<size_t>(channels) != 0) return {};
    SF_VIRTUAL_IO io{mem_length, mem_seek, mem_read, mem_write, mem_tell};
    Memory m;
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format == PLAT_SOUND_OGG ? SF_FORMAT_OGG | SF_FORMAT_VORBIS : SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open_virtual(&io, SFM_WRITE, &info, &m);
    if (!f) return {};
    const sf_count_t frames = static_cast<sf_count_t>(samples.size()) / channels;
    const bool whole = sf_writef_short(f, samples.data(), frames) == frames;
    if (sf_close(f) != 0 || !whole) return {};
    return std::move(m.bytes);
}

bool plat_WriteWavFile(const char* path, const std::vector<int16_t>& mono) {
    const std::vector<uint8_t> bytes = plat_EncodeSound(mono, 1, PLAT_MIX_RATE, PLAT_SOUND_WAV16);
    return !bytes.empty() && plat_WriteFileAtomic(path, bytes.data(), bytes.size());
}
