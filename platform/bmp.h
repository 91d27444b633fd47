// The BMP format: the one header parser every reader uses, the one header writer every
// writer uses, and the encoder of the program's own pictures (24 bits, zero padding).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/ddraw.h"

// Pictures larger than this on a side, or in all, are refused before anything is allocated:
// generous for real backgrounds (8K screens), and a few bytes cannot ask for gigabytes.
constexpr int64_t PLAT_MAX_SIDE = 8192;
constexpr int64_t PLAT_MAX_PIXELS = int64_t(32) << 20;

// The two headers a picture file starts with.
struct plat_BmpHeader {
    uint32_t offBits = 0;   // where the pixels start
    uint32_t infoSize = 0;  // 12 (OS/2) or 40 and more
    int64_t w = 0, h = 0;   // h positive; topDown tells the row order
    bool topDown = false;
    int bpp = 0;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;  // 0: all 2^bpp of a colour table
};
// False when `data` holds no "BM" signature or no header of a known size; the values are
// not checked further.
bool plat_ReadBmpHeader(const uint8_t* data, size_t size, plat_BmpHeader* out);

constexpr size_t PLAT_BMP_HEADERS_SIZE = 54;
// The two headers of a picture of w x h, bottom row first, at 2880 pixels per metre, with
// `bpp` bits a pixel, `compression` (0 none, 1 RLE8), a colour table of `colours` entries
// and `pixelBytes` bytes of pixels to follow them, appended to `out`.
void plat_AppendBmpHeaders(std::vector<uint8_t>& out, int w, int h, int bpp, uint32_t compression,
                           uint32_t colours, uint32_t pixelBytes);
// The bytes of a file of w x h RGB565 pixels whose top row starts at `top`, rows `pitch`
// bytes apart.
std::vector<uint8_t> plat_EncodeBmp(const uint8_t* top, ptrdiff_t pitch, int w, int h);
// The whole surface as a BMP file; empty for no surface.
std::vector<uint8_t> plat_EncodeSurfaceBMP(IDirectDrawSurface* srf);
