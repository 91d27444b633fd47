// Writing BMP files: every picture the program writes is encoded here.
#include "platform/bmp.h"

#include "platform/backend.h"
#include "platform/bytes.h"
#include "platform/files.h"
#include "platform/pixel.h"

namespace {
constexpr uint32_t PIXELS_PER_METRE = 2880;

// n RGB565 pixels as blue, green, red bytes, each exactly as GetPixel reports it.
void to_bgr(const uint16_t* px, int n, uint8_t* bgr) {
    for (int i = 0; i < n; ++i, bgr += 3) {
        const COLORREF c = plat_From565(px[i]);
        bgr[0] = GetBValue(c);
        bgr[1] = GetGValue(c);
        bgr[2] = GetRValue(c);
    }
}
}  // namespace

std::vector<uint8_t> plat_EncodeBmp(const uint8_t* top, ptrdiff_t pitch, int w, int h) {
    const size_t stride = (static_cast<size_t>(w) * 3 + 3) & ~size_t{3};
    std::vector<uint8_t> file(PLAT_BMP_HEADERS_SIZE + stride * static_cast<size_t>(h));  // padding stays zero
    uint8_t* b = file.data();
    b[0] = 'B';
    b[1] = 'M';
    plat_WriteLE(b + 2, static_cast<uint32_t>(file.size()), 4);
    plat_WriteLE(b + 10, PLAT_BMP_HEADERS_SIZE, 4);
    plat_WriteLE(b + 14, 40, 4);
    plat_WriteLE(b + 18, static_cast<uint32_t>(w), 4);
    plat_WriteLE(b + 22, static_cast<uint32_t>(h), 4);  // positive: the bottom row comes first
    plat_WriteLE(b + 26, 1, 2);
    plat_WriteLE(b + 28, 24, 2);
    plat_WriteLE(b + 38, PIXELS_PER_METRE, 4);
    plat_WriteLE(b + 42, PIXELS_PER_METRE, 4);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const uint16_t*>(top + static_cast<ptrdiff_t>(y) * pitch);
        to_bgr(row, w, b + PLAT_BMP_HEADERS_SIZE + stride * static_cast<size_t>(h - 1 - y));
    }
    return file;
}

std::vector<uint8_t> plat_EncodeSurfaceBMP(IDirectDrawSurface* srf) {
    if (!srf) return {};
    return plat_EncodeBmp(reinterpret_cast<const uint8_t*>(srf->Row(0)), srf->Pitch(), srf->Width(), srf->Height());
}

bool plat_SaveSurfaceBMP(IDirectDrawSurface* srf, const char* hostPath) {
    if (!srf || !hostPath) return false;
    const std::vector<uint8_t> file = plat_EncodeSurfaceBMP(srf);
    return plat_WriteHostFileAtomic(hostPath, file.data(), file.size());
}
