#include <cstring>

#include "platform/pixel.h"

namespace {
// Eight pixels at a time in vector registers; the optimiser would not vectorise the loop by
// itself at -O2.
typedef uint16_t Words8 __attribute__((vector_size(16)));
typedef uint32_t Longs8 __attribute__((vector_size(32)));
}  // namespace

void plat_RowToXrgb(const uint16_t* px, int n, uint32_t* xrgb) {
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        Words8 w;
        memcpy(&w, px + i, sizeof w);
        const Longs8 v = __builtin_convertvector(w, Longs8);
        const Longs8 r = v >> 11, g = (v >> 5) & 63, b = v & 31;
        const Longs8 out = 0xFF000000u | ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
        memcpy(xrgb + i, &out, sizeof out);
    }
    for (; i < n; ++i) {
        const COLORREF c = plat_From565(px[i]);
        xrgb[i] = 0xFF000000u | static_cast<uint32_t>(GetRValue(c)) << 16 | static_cast<uint32_t>(GetGValue(c)) << 8 |
                  GetBValue(c);
    }
}
