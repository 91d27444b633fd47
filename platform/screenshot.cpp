// Screenshots: a surface as a 24-bit bottom-up BMP file.
#include <vector>

#include "platform/backend.h"
#include "platform/files.h"
#include "platform/surface_copy.h"

namespace {
void Put(std::vector<uint8_t>& b, size_t at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}
}  // namespace

std::vector<uint8_t> plat_EncodeSurfaceBMP(IDirectDrawSurface* srf) {
    if (!srf) return {};
    const int w = srf->Width(), h = srf->Height();
    const size_t stride = (static_cast<size_t>(w) * 3 + 3) & ~size_t{3};  // padding bytes stay zero
    std::vector<uint8_t> file(54 + stride * static_cast<size_t>(h));
    file[0] = 'B';
    file[1] = 'M';
    Put(file, 2, static_cast<uint32_t>(file.size()), 4);
    Put(file, 10, 54, 4);  // pixels follow the two headers
    Put(file, 14, 40, 4);
    Put(file, 18, static_cast<uint32_t>(w), 4);
    Put(file, 22, static_cast<uint32_t>(h), 4);  // positive: the bottom row comes first
    Put(file, 26, 1, 2);
    Put(file, 28, 24, 2);
    Put(file, 34, static_cast<uint32_t>(stride * static_cast<size_t>(h)), 4);
    Put(file, 38, 2835, 4);  // 72 dpi
    Put(file, 42, 2835, 4);
    for (int y = 0; y < h; ++y) plat_PixelsToBgr(srf->Row(y), w, &file[54 + stride * static_cast<size_t>(h - 1 - y)]);
    return file;
}

bool plat_SaveSurfaceBMP(IDirectDrawSurface* srf, const char* hostPath) {
    if (!srf || !hostPath) return false;
    const std::vector<uint8_t> file = plat_EncodeSurfaceBMP(srf);
    return plat_WriteHostFileAtomic(hostPath, file.data(), file.size());
}
