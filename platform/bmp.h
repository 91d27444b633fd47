// The BMP format: the one header parser every reader uses and the one encoder every writer
// uses (24 bits, bottom row first, 2880 pixels per metre, zero padding, no colour table).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/ddraw.h"

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
// The bytes of a file of w x h RGB565 pixels whose top row starts at `top`, rows `pitch`
// bytes apart.
std::vector<uint8_t> plat_EncodeBmp(const uint8_t* top, ptrdiff_t pitch, int w, int h);
// The whole surface as a BMP file; empty for no surface.
std::vector<uint8_t> plat_EncodeSurfaceBMP(IDirectDrawSurface* srf);
