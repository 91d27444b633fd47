#include "platform/blit_stretch.h"

#include <immintrin.h>

namespace {
constexpr int STEP = 8, WINDOW = 16;
constexpr uint8_t NONE = 0x80;  // a shuffle index that gives a zero byte

bool shuffles() {
    static const bool have = __builtin_cpu_supports("ssse3");
    return have;
}

__attribute__((target("ssse3"))) void shuffled(uint16_t* d, const uint16_t* window, const uint8_t* lo,
                                               const uint8_t* hi) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(window));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(window + STEP));
    const __m128i from_a = _mm_shuffle_epi8(a, _mm_load_si128(reinterpret_cast<const __m128i*>(lo)));
    const __m128i from_b = _mm_shuffle_epi8(b, _mm_load_si128(reinterpret_cast<const __m128i*>(hi)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm_or_si128(from_a, from_b));
}
}  // namespace

plat_RowStretch::plat_RowStretch(const std::vector<int>& map, int src_width) : map_(map) {
    if (!shuffles()) return;
    blocks_.resize(map.size() / STEP);
    for (size_t i = 0; i < blocks_.size(); ++i) {
        Block& b = blocks_[i];
        b.base = map[i * STEP];
        // The window lies inside the row and holds every column of the block
        // (mirrored maps fall and are looked up one by one).
        bool fits = b.base + WINDOW <= src_width;
        for (int k = 0; fits && k < STEP; ++k)
            fits = map[i * STEP + k] >= b.base && map[i * STEP + k] - b.base < WINDOW;
        if (!fits) {
            b.base = -1;
            continue;
        }
        for (int k = 0; k < STEP; ++k) {
            const int at = map[i * STEP + k] - b.base;
            const bool low = at < STEP;
            const int byte = 2 * (low ? at : at - STEP);
            b.lo[2 * k] = low ? uint8_t(byte) : NONE;
            b.lo[2 * k + 1] = low ? uint8_t(byte + 1) : NONE;
            b.hi[2 * k] = low ? NONE : uint8_t(byte);
            b.hi[2 * k + 1] = low ? NONE : uint8_t(byte + 1);
        }
    }
}

void plat_RowStretch::Row(uint16_t* d, const uint16_t* s) const {
    const int* x = map_.data();
    size_t c = 0;
    for (const Block& b : blocks_) {
        if (b.base >= 0) {
            shuffled(d + c, s + b.base, b.lo, b.hi);
        } else {
            for (int k = 0; k < STEP; ++k) d[c + k] = s[x[c + k]];
        }
        c += STEP;
    }
    for (; c < map_.size(); ++c) d[c] = s[x[c]];
}
