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

// A BMP that declares an RLE8 picture of w x h with a colour table of two entries, its pixels
// the stream `rle`.
inline std::string Rle8(int w, int h, const std::string& rle) {
    std::string b = "BM" + LE(62 + rle.size(), 4) + LE(0, 4) + LE(62, 4) + LE(40, 4) + LE(w, 4) + LE(h, 4);
    b += LE(1, 2) + LE(8, 2);
    for (uint32_t v : {1u, static_cast<uint32_t>(rle.size()), 2835u, 2835u, 2u, 0u}) b += LE(v, 4);
    return b + LE(0, 4) + LE(0xFFFFFF, 4) + rle;
}
// 132 bytes for 8192 x 4096: moves up the picture's height, no pixel written.
inline std::string RleMoves() {
    std::string rle;
    for (int i = 0; i < 16; ++i) rle += std::string("\0\2\0\xFF", 4);
    return Rle8(8192, 4096, rle + std::string("\0\2\0\x0F\0\1", 6));
}
// About 8 KB for 8192 x 4096: a line end for every row, no pixel written.
inline std::string RleLineEnds() { return Rle8(8192, 4096, std::string(2 * 4095, '\0') + std::string("\0\1", 2)); }

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
