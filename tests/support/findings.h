// The small files that once cost seconds, gigabytes or a write outside the book, as bytes:
// the budget tests and the benchmarks load them.
#pragma once
#include <cstdint>
#include <string>

namespace findings {

inline void PutLE(std::string& s, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i) & 0xFF);
}

// A BMP of 54 bytes, headers only, that declares an RLE8 picture of w x h.
inline std::string RleBomb(int w, int h) {
    std::string b = "BM";
    for (uint32_t v : {54u, 0u, 54u, 40u, static_cast<uint32_t>(w), static_cast<uint32_t>(h)}) PutLE(b, v, 4);
    PutLE(b, 1, 2);
    PutLE(b, 8, 2);
    for (uint32_t v : {1u, 0u, 2835u, 2835u, 0u, 0u}) PutLE(b, v, 4);
    return b;
}

// A phases file of `bytes` bytes, the same point on every line.
inline std::string EndlessPhases(size_t bytes) {
    std::string f;
    while (f.size() < bytes) f += "3 3\n";
    return f;
}

// A WAV of `samples` 8-bit mono samples at `rate` samples a second.
inline std::string Wav(uint32_t rate, uint32_t samples) {
    std::string w = "RIFF";
    PutLE(w, 4 + 24 + 8 + samples + (samples & 1), 4);
    w += "WAVEfmt ";
    for (uint32_t v : {16u, 1u | 1u << 16, rate, rate, 1u | 8u << 16}) PutLE(w, v, 4);  // PCM, mono, 8 bits
    w += "data";
    PutLE(w, samples, 4);
    for (uint32_t i = 0; i < samples; ++i) w += static_cast<char>(128 + (i % 64) - 32);
    if (samples & 1) w += '\0';
    return w;
}

}  // namespace findings
