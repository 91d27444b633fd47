// Pixel values: RGB565 surface words, GDI's COLORREF 0x00BBGGRR and 0x00RRGGBB (XRGB).
#pragma once
#include <cstdint>

#include "platform/win32.h"

// COLORREF to RGB565 keeps the high bits; back again by bit replication, so that white
// stays white.
inline uint16_t plat_To565(COLORREF c) {
    return static_cast<uint16_t>((GetRValue(c) >> 3) << 11 | (GetGValue(c) >> 2) << 5 | GetBValue(c) >> 3);
}
// A channel of `bits` bits widened to 8 by repeating its bits (31 of 5 bits gives 255).
inline uint32_t plat_Expand(uint32_t v, int bits) {
    if (bits <= 0) return 0;
    if (bits >= 8) return v >> (bits - 8);
    uint32_t out = 0;
    int n = 0;
    for (; n < 8; n += bits) out = out << bits | v;
    return out >> (n - 8);
}
inline COLORREF plat_From565(uint16_t v) {
    return RGB(plat_Expand(v >> 11, 5), plat_Expand((v >> 5) & 63, 6), plat_Expand(v & 31, 5));
}
inline uint16_t plat_XrgbTo565(uint32_t c) {
    return static_cast<uint16_t>(((c >> 19) & 31) << 11 | ((c >> 10) & 63) << 5 | ((c >> 3) & 31));
}
// n RGB565 pixels as blue, green, red bytes (as picture files store them), each exactly as
// GetPixel reports it.
inline void plat_PixelsToBgr(const uint16_t* px, int n, uint8_t* bgr) {
    for (int i = 0; i < n; ++i, bgr += 3) {
        const COLORREF c = plat_From565(px[i]);
        bgr[0] = GetBValue(c);
        bgr[1] = GetGValue(c);
        bgr[2] = GetRValue(c);
    }
}
// n RGB565 pixels as XRGB words (0xFFRRGGBB), each as plat_From565 gives it: the conversion of
// a frame for a display of 32-bit pixels, eight pixels a step.
void plat_RowToXrgb(const uint16_t* px, int n, uint32_t* xrgb);
