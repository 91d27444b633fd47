// Writing BMP files: every picture the program writes is encoded here.
#include "platform/bmp.h"

#include "platform/backend.h"
#include "platform/bytes.h"
#include "platform/files.h"
#include "platform/pixel.h"

namespace {
constexpr uint32_t PIXELS_PER_METRE = 2880;
}  // namespace

void plat_AppendBmpHeaders(std::vector<uint8_t>& out, int w, int h, int bpp, uint32_t compression,
                           uint32_t colours, uint32_t pixelBytes) {
    const uint32_t offBits = static_cast<uint32_t>(PLAT_BMP_HEADERS_SIZE) + 4 * colours;
    out.insert(out.end(), {'B', 'M'});
    plat_AppendLE(out, offBits + pixelBytes, 4);
    plat_AppendLE(out, 0, 4);
    plat_AppendLE(out, offBits, 4);
    plat_AppendLE(out, 40, 4);
    plat_AppendLE(out, static_cast<uint32_t>(w), 4);
    plat_AppendLE(out, static_cast<uint32_t>(h), 4);  // positive: the bottom row comes first
    plat_AppendLE(out, 1, 2);
    plat_AppendLE(out, static_cast<uint32_t>(bpp), 2);
    plat_AppendLE(out, compression, 4);
    plat_AppendLE(out, compression == 0 ? 0 : pixelBytes, 4);
    plat_AppendLE(out, PIXELS_PER_METRE, 4);
    plat_AppendLE(out, PIXELS_PER_METRE, 4);
    plat_AppendLE(out, colours, 4);
    plat_AppendLE(out, 0, 4);
}

std::vector<uint8_t> plat_EncodeBmp(const uint8_t* top, ptrdiff_t pitch, int w, int h) {
    const size_t stride = (static_cast<size_t>(w) * 3 + 3) & ~size_t{3};
    std::vector<uint8_t> file;
    plat_AppendBmpHeaders(file, w, h, 24, 0, 0, static_cast<uint32_t>(stride * static_cast<size_t>(h)));
    file.resize(PLAT_BMP_HEADERS_SIZE + stride * static_cast<size_t>(h));  // padding stays zero
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const uint16_t*>(top + static_cast<ptrdiff_t>(y) * pitch);
        plat_PixelsToBgr(row, w, file.data() + PLAT_BMP_HEADERS_SIZE + stride * static_cast<size_t>(h - 1 - y));
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
