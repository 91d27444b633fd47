// Little-endian numbers in byte buffers, as the file formats the program reads and writes
// (BMP, WAV) store them. `bytes` is 1 to 4.
#pragma once
#include <cstdint>
#include <vector>

inline uint32_t plat_ReadLE(const uint8_t* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

inline void plat_WriteLE(uint8_t* p, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

inline void plat_AppendLE(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
