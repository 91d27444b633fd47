#include "tests/support/png_writer.h"

#include <png.h>

#include <vector>

#include "platform/ddraw.h"
#include "platform/pixel.h"

namespace test_support {

bool SavePNG(IDirectDrawSurface* srf, const std::string& hostPath) {
    if (!srf || srf->Width() <= 0 || srf->Height() <= 0) return false;
    const int w = srf->Width(), h = srf->Height();
    std::vector<uint8_t> bgr(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
    for (int y = 0; y < h; ++y) plat_PixelsToBgr(srf->Row(y), w, &bgr[static_cast<size_t>(y) * w * 3]);
    return WritePngBytes(hostPath, w, h, PNG_FORMAT_BGR, bgr);
}

bool WritePngBytes(const std::string& hostPath, int w, int h, uint32_t format, const std::vector<uint8_t>& bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(w);
    image.height = static_cast<png_uint_32>(h);
    image.format = format;
    const bool written = png_image_write_to_file(&image, hostPath.c_str(), 0, bytes.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return written;
}

}  // namespace test_support
