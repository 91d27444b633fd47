// The small files that once cost seconds, gigabytes or a write outside the book, as bytes:
// the budget tests and the benchmarks load them.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>

namespace findings {

// `v` in `bytes` bytes, least significant first.
inline std::string LE(uint64_t v, int bytes) {
    std::string b;
    for (int i = 0; i < bytes; ++i) b += static_cast<char>(v >> (8 * i) & 0xFF);
    return b;
}

// A BMP of 54 bytes, headers only, that declares an RLE8 picture of w x h.
inline std::string RleBomb(int w, int h) {
    std::string b = "BM";
    for (uint32_t v : {54u, 0u, 54u, 40u, static_cast<uint32_t>(w), static_cast<uint32_t>(h)}) b += LE(v, 4);
    b += LE(1, 2) + LE(8, 2);
    for (uint32_t v : {1u, 0u, 2835u, 2835u, 0u, 0u}) b += LE(v, 4);
    return b;
}

// A phases file of `bytes` bytes, the same point on every line.
inline std::string EndlessPhases(size_t bytes) {
    std::string f;
    while (f.size() < bytes) f += "3 3\n";
    return f;
}

// A RIFF chunk whose length field says `len` (its true length when negative); odd bodies are padded.
inline std::string Chunk(const char* tag, const std::string& body, int64_t len = -1) {
    const std::string c = tag + LE(len < 0 ? body.size() : static_cast<uint64_t>(len), 4) + body;
    return body.size() % 2 ? c + '\0' : c;
}
// A WAV format chunk; tag 1 is PCM.
inline std::string Fmt(uint16_t channels, uint32_t rate, uint16_t bits, uint16_t tag = 1) {
    const uint32_t align = channels * bits / 8u;
    return Chunk("fmt ",
                 LE(tag | channels << 16, 4) + LE(rate | uint64_t{rate * align} << 32, 8) + LE(align | bits << 16, 4));
}
inline std::string Riff(std::initializer_list<std::string> chunks, int64_t riffSize = -1) {
    std::string body = "WAVE";
    for (const std::string& c : chunks) body += c;
    return "RIFF" + LE(riffSize < 0 ? body.size() : static_cast<uint64_t>(riffSize), 4) + body;
}

// A WAV of `samples` 8-bit mono samples at `rate` samples a second.
inline std::string Wav(uint32_t rate, uint32_t samples) {
    std::string s;
    for (uint32_t i = 0; i < samples; ++i) s += static_cast<char>(128 + (i % 64) - 32);
    return Riff({Fmt(1, rate, 8), Chunk("data", s)});
}

}  // namespace findings
