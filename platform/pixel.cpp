#include <cstring>

#include "platform/pixel.h"

namespace {
// Eight pixels at a time in vector registers; the optimiser would not vectorise the loop by
// itself at -O2. The channels are widened in 16-bit lanes, and each pixel's two halves (green
// and blue, then the opaque alpha and red) are interleaved into its 32 bits.
typedef uint16_t Words8 __attribute__((vector_size(16)));
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the interleave puts the low half first");
}  // namespace

void plat_RowToXrgb(const uint16_t* px, int n, uint32_t* xrgb) {
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        Words8 v;
        memcpy(&v, px + i, sizeof v);
        const Words8 r = v >> 11, g = (v >> 5) & 63, b = v & 31;
        const Words8 gb = (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
        const Words8 ar = 0xFF00 | (r << 3 | r >> 2);
        const Words8 first = __builtin_shufflevector(gb, ar, 0, 8, 1, 9, 2, 10, 3, 11);
        const Words8 second = __builtin_shufflevector(gb, ar, 4, 12, 5, 13, 6, 14, 7, 15);
        memcpy(xrgb + i, &first, sizeof first);
        memcpy(xrgb + i + 4, &second, sizeof second);
    }
    for (; i < n; ++i) {
        const COLORREF c = plat_From565(px[i]);
        xrgb[i] = 0xFF000000u | static_cast<uint32_t>(GetRValue(c)) << 16 | static_cast<uint32_t>(GetGValue(c)) << 8 |
                  GetBValue(c);
    }
}
