// Sounds for the sound tests: tones made here, their frequency measured back, and SDL's
// file-backed audio drivers set up for a test (output to a file, capture from one).
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace test_support {

// A sine of `hz` for `seconds` at `rate`, its frames repeated over `channels`; it starts at
// its peak (a cosine), so that its first sample is never silence.
inline std::vector<int16_t> Tone(double hz, double seconds, int rate, int channels = 1, double amplitude = 12000) {
    const size_t n = static_cast<size_t>(seconds * rate);
    std::vector<int16_t> out;
    out.reserve(n * static_cast<size_t>(channels));
    for (size_t i = 0; i < n; ++i) {
        const auto v = static_cast<int16_t>(std::lround(amplitude * std::cos(2 * M_PI * hz * double(i) / rate)));
        for (int c = 0; c < channels; ++c) out.push_back(v);
    }
    return out;
}

// The frequency of a mono tone from its rising zero crossings.
inline double Frequency(const std::vector<int16_t>& mono, int rate) {
    int first = -1, last = -1, crossings = 0;
    for (size_t i = 1; i < mono.size(); ++i)
        if (mono[i - 1] < 0 && mono[i] >= 0) {
            if (first < 0) first = int(i);
            last = int(i);
            ++crossings;
        }
    return crossings < 2 ? 0 : double(crossings - 1) * rate / (last - first);
}

// SDL's "disk" audio driver while alive: output written to `out`, capture read from `in`
// (raw samples in the device's format), each buffer after `delay_ms`.
class DiskAudio {
public:
    DiskAudio(const std::string& out, const std::string& in, int delay_ms) {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
        setenv("SDL_DISKAUDIOFILEIN", in.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", std::to_string(delay_ms).c_str(), 1);
    }
    ~DiskAudio() {
        for (const char* v : {"SDL_AUDIODRIVER", "SDL_DISKAUDIOFILE", "SDL_DISKAUDIOFILEIN", "SDL_DISKAUDIODELAY"})
            unsetenv(v);
    }
    DiskAudio(const DiskAudio&) = delete;
    DiskAudio& operator=(const DiskAudio&) = delete;
};

// Raw 16-bit samples as bytes, and back.
inline std::string RawBytes(const std::vector<int16_t>& s) {
    return {reinterpret_cast<const char*>(s.data()), s.size() * sizeof(int16_t)};
}
inline std::vector<int16_t> RawSamples(const std::string& bytes) {
    std::vector<int16_t> s(bytes.size() / sizeof(int16_t));
    std::copy(bytes.data(), bytes.data() + s.size() * sizeof(int16_t), reinterpret_cast<char*>(s.data()));
    return s;
}

}  // namespace test_support
