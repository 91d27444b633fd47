#include <png.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/artgen/canvas.h"
#include "tools/artgen/encode.h"

namespace artgen {

namespace {
uint8_t byte(float v) { return static_cast<uint8_t>(std::floor(std::clamp(v, 0.0f, 1.0f) * 255 + 0.5f)); }

void append(png_structp png, png_bytep data, png_size_t n) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + n);
}
}  // namespace

std::vector<uint8_t> EncodePng(const Canvas& c, int factor) {
    if (factor < 1 || c.Width() % factor || c.Height() % factor || c.Width() == 0) return {};
    const int w = c.Width() / factor, h = c.Height() / factor;
    std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Rgb sum;
            int drawn = 0;
            for (int j = 0; j < factor; ++j)
                for (int i = 0; i < factor; ++i) {
                    const int sx = x * factor + i, sy = y * factor + j;
                    if (!c.Drawn(sx, sy)) continue;
                    const Rgb p = c.At(sx, sy);
                    sum = {sum.r + p.r, sum.g + p.g, sum.b + p.b};
                    ++drawn;
                }
            uint8_t* px = &rgba[(static_cast<size_t>(y) * w + x) * 4];
            const float n = drawn ? static_cast<float>(drawn) : 1;
            px[0] = byte(sum.r / n);
            px[1] = byte(sum.g / n);
            px[2] = byte(sum.b / n);
            px[3] = byte(static_cast<float>(drawn) / static_cast<float>(factor * factor));
        }
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, append, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y) png_write_row(png, &rgba[static_cast<size_t>(y) * w * 4]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace artgen
